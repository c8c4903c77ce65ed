// The table view over a document on the headless platform, with ways to read its canvas.
#pragma once

#include "ModelTestSupport.h"
#include "QuenlowView.h"
#include "TimelinePlatform.h"

#include <map>
#include <string>

constexpr int kViewWidth = 596;
constexpr int kViewHeight = 400;

class ViewTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Fans by codes ("QH TC", "" for empty); foundations by their top codes ("3H").
    void SetTable(const std::vector<std::string>& fans, const std::vector<std::string>& tops = {}) {
        SetTableByCodes(*m_pDoc, fans, tops);
    }
    std::string Fan(int f) const { return FanCodes(*m_pDoc, f); }

    // A new view in the old one's place, made with the platform's resources as they are now.
    void RecreateView();
    CRgbImage& Canvas() { return m_platform.Canvas(m_hView); }
    void PaintAll() { m_platform.Paint(*m_pTable); }
    // Paints every area invalidated since the last call, as the system's paint would.
    void PaintInvalidated();
    // The canvas as a full repaint from the document would leave it (the canvas is kept).
    CRgbImage Rendering();

    // What a canvas pixel shows: "cloth", a card code ("QH"), "empty-H" for a foundation
    // marker, "~QH" for an inverted face, or "?" for anything else.
    std::string WhatIsAt(int x, int y);
    // The same for every pixel of the rectangle, or "mixed" when they differ.
    std::string WhatFills(const CRect& rc);
    bool IsCloth(int x, int y);

    CRect CardRect(int nPile, int nSlot) const;
    // A full 52-card deal: the given fans as written, the other cards filling the rest with
    // every remaining King in a slot 0, so nothing else calls for the King fix-up.
    void SetDealtTable(const std::map<int, std::string>& fixedFans);

    // Left-button gestures as the platform delivers them.
    void Press(CPoint pt) { m_pTable->OnLButtonDown(0, pt); }
    void Move(CPoint pt) { m_pTable->OnMouseMove(0, pt); }
    void Release(CPoint pt) { m_pTable->OnLButtonUp(0, pt); }
    void Click(CPoint pt) {
        Press(pt);
        Release(pt);
    }
    std::vector<CDragEvent> DragEventsOf(DragEventKind kind) const;
    std::vector<CSoundCall> Sounds() const { return m_platform.m_sounds; }

    CTimelinePlatform m_platform;
    std::unique_ptr<CQuenlowDoc> m_pDoc;
    std::unique_ptr<CQuenlowView> m_pTable;
    WindowRef m_hView = 0;
    std::size_t m_nInvalidationsPainted = 0;
};

// The middle of a rectangle.
inline CPoint Centre(const CRect& rc) {
    return CPoint((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
}
