#include "Platform.h"

BOOL CBitmap::LoadBitmap(IPlatform& platform, int nResourceId) {
    DeleteObject();
    int cx = 0;
    int cy = 0;
    PlatformHandle h = platform.LoadBitmap(nResourceId, &cx, &cy);
    if (h == 0) return FALSE;
    m_pPlatform = &platform;
    m_hObject = h;
    m_nWidth = cx;
    m_nHeight = cy;
    return TRUE;
}

void CBitmap::DeleteObject() {
    if (m_hObject != 0 && m_pPlatform != nullptr) m_pPlatform->DeleteBitmap(m_hObject);
    m_hObject = 0;
    m_pPlatform = nullptr;
    m_nWidth = m_nHeight = 0;
}
