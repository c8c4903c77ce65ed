#include "TimelinePlatform.h"

#include "Deck.h"
#include "resource.h"

#include <cstdio>

std::string Str(CPoint pt) {
    return std::to_string(pt.x) + "," + std::to_string(pt.y);
}

std::string Str(const CRect& rc) {
    return Str(rc.TopLeft()) + "," + Str(CPoint(rc.right, rc.bottom));
}

namespace {
class CLoggingDC : public IDrawContext {
public:
    CLoggingDC(std::unique_ptr<IDrawContext> pInner, CTimelinePlatform& platform)
        : m_pInner(std::move(pInner)), m_platform(platform) {}
    void FillPattern(const CRect& rc, const CBitmap& pattern) override {
        m_platform.m_timeline.push_back("cloth " + Str(rc));
        m_pInner->FillPattern(rc, pattern);
    }
    void FillSolid(const CRect& rc, CRgb color) override {
        m_platform.m_timeline.push_back("cloth " + Str(rc));
        m_pInner->FillSolid(rc, color);
    }
    void BlitBitmap(const CBitmap& bm, int x, int y, int cx, int cy) override {
        m_platform.m_timeline.push_back("blit " + m_platform.NameOfBitmap(bm.GetSafeHandle()) +
                                        " " + Str(CRect(x, y, x + cx, y + cy)));
        m_pInner->BlitBitmap(bm, x, y, cx, cy);
    }
    void InvertRect(const CRect& rc) override {
        m_platform.m_timeline.push_back("invert " + Str(rc));
        m_pInner->InvertRect(rc);
    }
    void DrawFocusRect(const CRect& rc) override {
        m_platform.m_timeline.push_back("focus " + Str(rc));
        m_pInner->DrawFocusRect(rc);
    }
    CRect GetClipBox() const override { return m_pInner->GetClipBox(); }

private:
    std::unique_ptr<IDrawContext> m_pInner;
    CTimelinePlatform& m_platform;
};
} // namespace

BOOL CTimelinePlatform::PlaySound(int nResourceId, unsigned nFlags) {
    char sz[64];
    std::snprintf(sz, sizeof sz, "sound %d 0x%x", nResourceId, nFlags);
    m_timeline.push_back(sz);
    return CHeadlessPlatform::PlaySound(nResourceId, nFlags);
}

void CTimelinePlatform::SetCursor(PlatformHandle hCursor) {
    std::string name = hCursor == kArrowCursor                   ? "arrow"
                       : hCursor == CursorHandle(IDC_OPENHAND)   ? "hand"
                       : hCursor == CursorHandle(IDC_CLOSEDHAND) ? "grab"
                                                                 : "none";
    m_timeline.push_back("cursor " + name);
    CHeadlessPlatform::SetCursor(hCursor);
}

std::unique_ptr<IDrawContext> CTimelinePlatform::GetClientDC(WindowRef view) {
    return std::make_unique<CLoggingDC>(CHeadlessPlatform::GetClientDC(view), *this);
}

void CTimelinePlatform::InvalidateRect(WindowRef view, const CRect* prc, BOOL bErase) {
    m_timeline.push_back("invalidate " + (prc ? Str(*prc) : std::string("all")) +
                         (bErase ? " erase" : ""));
    CHeadlessPlatform::InvalidateRect(view, prc, bErase);
}

BOOL CTimelinePlatform::BeginDrag(PlatformHandle hList, int nImage, CPoint ptHotspot) {
    BOOL bOk = CHeadlessPlatform::BeginDrag(hList, nImage, ptHotspot);
    std::string image = bOk ? NameOfBitmap(m_dragEvents.back().hImage) : "failed";
    m_timeline.push_back("begin " + image + " " + Str(ptHotspot));
    return bOk;
}

BOOL CTimelinePlatform::DragEnter(WindowRef view, CPoint pt) {
    m_timeline.push_back("enter " + Str(pt));
    return CHeadlessPlatform::DragEnter(view, pt);
}

BOOL CTimelinePlatform::DragMove(CPoint pt) {
    m_timeline.push_back("move " + Str(pt));
    return CHeadlessPlatform::DragMove(pt);
}

void CTimelinePlatform::EndDrag() {
    m_timeline.push_back("end");
    CHeadlessPlatform::EndDrag();
}

void CTimelinePlatform::SetCapture(WindowRef view) {
    m_timeline.push_back("capture");
    CHeadlessPlatform::SetCapture(view);
}

void CTimelinePlatform::ReleaseCapture() {
    m_timeline.push_back("release");
    CHeadlessPlatform::ReleaseCapture();
}

void CTimelinePlatform::Sleep(unsigned nMilliseconds) {
    m_timeline.push_back("sleep " + std::to_string(nMilliseconds));
    CHeadlessPlatform::Sleep(nMilliseconds);
}

void CTimelinePlatform::SetStatusText(const std::string& text) {
    m_timeline.push_back("status " + text);
    CHeadlessPlatform::SetStatusText(text);
}

std::string CTimelinePlatform::NameOfBitmap(PlatformHandle hBitmap) const {
    int nId = ResourceIdOf(hBitmap);
    for (int nSuit = 0; nSuit < kSuitCount; ++nSuit)
        for (int nRank = 1; nRank <= kRankCount; ++nRank)
            if (CDeck::FaceResourceId(nSuit, nRank - 1) == nId) return CardCode(nSuit, nRank);
    switch (nId) {
    case IDB_EMPTY_CLUBS:
        return "empty-C";
    case IDB_EMPTY_HEARTS:
        return "empty-H";
    case IDB_EMPTY_SPADES:
        return "empty-S";
    case IDB_EMPTY_DIAMONDS:
        return "empty-D";
    case IDB_PATTERN:
        return "pattern";
    default:
        return "#" + std::to_string(nId);
    }
}

std::vector<std::string> CTimelinePlatform::Entries(const std::string& prefix) const {
    std::vector<std::string> out;
    for (const std::string& entry : m_timeline)
        if (entry.compare(0, prefix.size(), prefix) == 0) out.push_back(entry);
    return out;
}
