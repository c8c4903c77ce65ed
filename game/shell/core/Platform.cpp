#include "Platform.h"

BOOL CBitmap::LoadBitmap(IPictures& pictures, int nResourceId) {
    DeleteObject();
    int cx = 0;
    int cy = 0;
    PlatformHandle h = pictures.LoadBitmap(nResourceId, &cx, &cy);
    if (h == 0) return FALSE;
    m_pPictures = &pictures;
    m_hObject = h;
    m_nWidth = cx;
    m_nHeight = cy;
    return TRUE;
}

void CBitmap::DeleteObject() {
    if (m_hObject != 0 && m_pPictures != nullptr) m_pPictures->DeleteBitmap(m_hObject);
    m_hObject = 0;
    m_pPictures = nullptr;
    m_nWidth = m_nHeight = 0;
}
