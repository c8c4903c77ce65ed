#include "HeadlessPlatform.h"

#include "Dialog.h"
#include "BmpReader.h"
#include "View.h"
#include "resource.h"

namespace {
class CScriptedControls : public IDialogControls {
public:
    void SetItemText(int nID, const std::string& text) override { m_texts[nID] = text; }
    std::string GetItemText(int nID) const override {
        auto it = m_texts.find(nID);
        return it == m_texts.end() ? std::string() : it->second;
    }
    void EndDialog(int nResult) override {
        m_bEnded = true;
        m_nResult = nResult;
    }
    std::map<int, std::string> m_texts;
    bool m_bEnded = false;
    int m_nResult = kDialogFailed;
};

CRgbImage SolidImage(int cx, int cy, CRgb c) {
    return CRgbImage(cx, cy, c);
}

CRgbImage Checkerboard() {
    CRgbImage image(8, 8);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            image.Set(x, y, (x + y) % 2 == 0 ? CRgb{0, 255, 255} : CRgb{0, 128, 0});
    return image;
}
} // namespace

CRgb CHeadlessPlatform::FaceColour(int nResourceId) {
    return CRgb{static_cast<std::uint8_t>(nResourceId & 0xff),
                static_cast<std::uint8_t>((nResourceId * 7) & 0xff),
                static_cast<std::uint8_t>((nResourceId * 13 + 64) & 0xff)};
}

CHeadlessPlatform::CHeadlessPlatform() {
    for (int id : {IDB_CLUBS_ACE, IDB_HEARTS_ACE, IDB_SPADES_ACE, IDB_DIAMONDS_ACE})
        m_resources[id] = SolidImage(60, 82, FaceColour(id));
    for (int first : {IDB_CLUBS_TWO, IDB_HEARTS_TWO, IDB_SPADES_TWO, IDB_DIAMONDS_TWO})
        for (int id = first; id < first + 12; ++id)
            m_resources[id] = SolidImage(60, 82, FaceColour(id));
    for (int id : {IDB_EMPTY_CLUBS, IDB_EMPTY_DIAMONDS, IDB_EMPTY_HEARTS, IDB_EMPTY_SPADES})
        m_resources[id] = SolidImage(60, 80, FaceColour(id));
    m_resources[IDB_PATTERN] = Checkerboard();
    m_resources[IDR_MAINFRAME] = SolidImage(96, 15, CRgb{192, 192, 192});
    m_resources[IDB_ABOUT] = SolidImage(100, 100, FaceColour(IDB_ABOUT));
}

long CHeadlessPlatform::RegCreateKey(RegRoot root, const std::string& subKey, const char*,
                                     RegKey* pKey) {
    return m_registry.CreateKey(root, subKey, pKey);
}

long CHeadlessPlatform::RegQueryValue(RegKey key, const char* name, unsigned* pType, void* pData,
                                      unsigned* pcbData) {
    return m_registry.QueryValue(key, name, pType, pData, pcbData);
}

long CHeadlessPlatform::RegSetValue(RegKey key, const char* name, unsigned type, const void* pData,
                                    unsigned cbData) {
    return m_registry.SetValue(key, name, type, pData, cbData);
}

long CHeadlessPlatform::RegCloseKey(RegKey key) {
    return m_registry.CloseKey(key);
}

BOOL CHeadlessPlatform::PlaySound(int nResourceId, unsigned nFlags) {
    m_sounds.push_back(CSoundCall{nResourceId, nFlags});
    return m_bSoundPlays;
}

PlatformHandle CHeadlessPlatform::LoadBitmap(int nResourceId, int* pcx, int* pcy) {
    auto it = m_resources.find(nResourceId);
    if (it == m_resources.end()) return 0;
    PlatformHandle h = m_nextHandle++;
    m_liveBitmaps[h] = nResourceId;
    *pcx = it->second.Width();
    *pcy = it->second.Height();
    return h;
}

void CHeadlessPlatform::DeleteBitmap(PlatformHandle hBitmap) {
    m_liveBitmaps.erase(hBitmap);
}

PlatformHandle CHeadlessPlatform::LoadCursor(int nResourceId) {
    return m_missingCursors.count(nResourceId) != 0 ? 0 : CursorHandle(nResourceId);
}

void CHeadlessPlatform::SetCursor(PlatformHandle hCursor) {
    m_hCursor = hCursor;
    m_cursorLog.push_back(hCursor);
}

std::unique_ptr<IDrawContext> CHeadlessPlatform::GetClientDC(WindowRef view) {
    CRgbImage& canvas = m_canvases.at(view);
    return std::make_unique<CHeadlessDrawContext>(
        canvas, [this](PlatformHandle h) { return FindBitmap(h); },
        CRect(0, 0, canvas.Width(), canvas.Height()), &m_blits);
}

void CHeadlessPlatform::InvalidateRect(WindowRef view, const CRect* prc, BOOL bErase) {
    m_invalidations.push_back(CInvalidation{view, prc == nullptr, prc ? *prc : CRect(), bErase});
}

PlatformHandle CHeadlessPlatform::ImageListCreate(int, int, int) {
    PlatformHandle h = m_nextHandle++;
    m_imageLists[h];
    return h;
}

BOOL CHeadlessPlatform::ImageListAdd(PlatformHandle hList, const CBitmap& bm) {
    auto it = m_imageLists.find(hList);
    if (it == m_imageLists.end()) return FALSE;
    it->second.push_back(bm.GetSafeHandle());
    return TRUE;
}

BOOL CHeadlessPlatform::ImageListReplace(PlatformHandle hList, int nImage, const CBitmap& bm) {
    auto it = m_imageLists.find(hList);
    if (it == m_imageLists.end() || nImage < 0 || nImage >= static_cast<int>(it->second.size()))
        return FALSE;
    it->second[nImage] = bm.GetSafeHandle();
    return TRUE;
}

BOOL CHeadlessPlatform::BeginDrag(PlatformHandle hList, int nImage, CPoint ptHotspot) {
    auto it = m_imageLists.find(hList);
    if (it == m_imageLists.end() || nImage < 0 || nImage >= static_cast<int>(it->second.size()))
        return FALSE;
    m_bDragging = true;
    m_dragEvents.push_back(CDragEvent{DragEventKind::Begin, ptHotspot, it->second[nImage]});
    return TRUE;
}

BOOL CHeadlessPlatform::DragEnter(WindowRef, CPoint pt) {
    m_dragEvents.push_back(CDragEvent{DragEventKind::Enter, pt, 0});
    return m_bDragging ? TRUE : FALSE;
}

BOOL CHeadlessPlatform::DragMove(CPoint pt) {
    m_dragEvents.push_back(CDragEvent{DragEventKind::Move, pt, 0});
    return m_bDragging ? TRUE : FALSE;
}

void CHeadlessPlatform::EndDrag() {
    m_bDragging = false;
    m_dragEvents.push_back(CDragEvent{DragEventKind::End, CPoint(), 0});
}

void CHeadlessPlatform::Sleep(unsigned nMilliseconds) {
    ++m_nSleepCalls;
    m_nSleptMs += nMilliseconds;
    if (m_nTimerPeriodDepth <= 0) ++m_nSleepsOutsideTimerPeriod;
}

void CHeadlessPlatform::SetStatusText(const std::string& text) {
    m_strStatus = text;
    m_statusLog.push_back(text);
}

int CHeadlessPlatform::DoModal(CDialog& dlg) {
    m_dialogLog.push_back(dlg.GetTemplateId());
    if (m_dialogScripts.empty() || m_dialogScripts.front().nTemplateId != dlg.GetTemplateId())
        return kDialogFailed;
    CDialogScript script = m_dialogScripts.front();
    m_dialogScripts.pop_front();
    CScriptedControls controls;
    dlg.AttachControls(&controls);
    dlg.OnInitDialog();
    m_dialogInitTexts = controls.m_texts;
    for (int nButton : script.buttons) {
        if (controls.m_bEnded) break;
        dlg.OnCommand(nButton);
    }
    dlg.AttachControls(nullptr);
    return controls.m_bEnded ? controls.m_nResult : kDialogFailed;
}

void CHeadlessPlatform::SetBitmapResource(int nResourceId, const CRgbImage& image) {
    m_resources[nResourceId] = image;
}

bool CHeadlessPlatform::LoadBitmapsFromDirectory(const std::string& dir) {
    bool bAll = true;
    for (auto& entry : m_resources) {
        CRgbImage image;
        if (ReadBitmapFile(dir + "/" + std::to_string(entry.first) + ".bmp", &image))
            entry.second = std::move(image);
        else
            bAll = false;
    }
    return bAll;
}

void CHeadlessPlatform::RemoveBitmapResource(int nResourceId) {
    m_resources.erase(nResourceId);
}

const CRgbImage* CHeadlessPlatform::FindBitmap(PlatformHandle hBitmap) const {
    auto it = m_liveBitmaps.find(hBitmap);
    if (it == m_liveBitmaps.end()) return nullptr;
    auto itRes = m_resources.find(it->second);
    return itRes == m_resources.end() ? nullptr : &itRes->second;
}

int CHeadlessPlatform::ResourceIdOf(PlatformHandle hBitmap) const {
    auto it = m_liveBitmaps.find(hBitmap);
    return it == m_liveBitmaps.end() ? -1 : it->second;
}

WindowRef CHeadlessPlatform::CreateView(int cx, int cy) {
    WindowRef h = m_nextHandle++;
    m_canvases[h] = CRgbImage(cx, cy, CRgb{255, 0, 255});
    return h;
}

void CHeadlessPlatform::Paint(CView& view, const CRect* prcClip) {
    CRgbImage& canvas = m_canvases.at(view.GetSafeHwnd());
    CRect rcClip = prcClip != nullptr ? *prcClip : CRect(0, 0, canvas.Width(), canvas.Height());
    CHeadlessDrawContext dc(
        canvas, [this](PlatformHandle h) { return FindBitmap(h); }, rcClip, &m_blits);
    view.OnDraw(dc);
}
