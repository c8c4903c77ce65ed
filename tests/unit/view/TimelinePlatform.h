// The headless platform with one timeline of every call the table view makes, in order, so
// tests can tell exactly when a sound starts or stops relative to the drag image and drawing.
#pragma once

#include "HeadlessPlatform.h"

#include <string>
#include <vector>

class CTimelinePlatform : public CHeadlessPlatform {
public:
    BOOL PlaySound(int nResourceId, unsigned nFlags) override;
    void SetCursor(PlatformHandle hCursor) override;
    std::unique_ptr<IDrawContext> GetClientDC(WindowRef view) override;
    void InvalidateRect(WindowRef view, const CRect* prc, BOOL bErase) override;
    BOOL BeginDrag(PlatformHandle hList, int nImage, CPoint ptHotspot) override;
    BOOL DragEnter(WindowRef view, CPoint pt) override;
    BOOL DragMove(CPoint pt) override;
    void EndDrag() override;
    void SetCapture(WindowRef view) override;
    void ReleaseCapture() override;
    void Sleep(unsigned nMilliseconds) override;
    void SetStatusText(const std::string& text) override;

    // "QH" for a card face, "empty-H" for a foundation marker, "pattern", or "#id".
    std::string NameOfBitmap(PlatformHandle hBitmap) const;
    // The entries that begin with the prefix ("sound", "blit"...), in order.
    std::vector<std::string> Entries(const std::string& prefix) const;

    std::vector<std::string> m_timeline;
};

std::string Str(CPoint pt);
std::string Str(const CRect& rc);
