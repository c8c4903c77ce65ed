// The table: paints the document's cards, moves them with the left button, animates the deal
// and names a card under the right button. The gesture state is process-wide
// (ViewGestureState.h).
#pragma once

#include "AnimationPace.h"
#include "QuenlowDoc.h"
#include "View.h"

#include <vector>

// Cloth colour when the table pattern cannot be loaded.
constexpr CRgb kClothColour{0, 200, 100};
constexpr int kGlideSteps = 15;
constexpr int kDealFlightSteps = 5;
constexpr int kFixUpFlightSteps = 15;

class CQuenlowView : public CView, public IDealAnimation {
public:
    explicit CQuenlowView(IPlatform& platform);
    ~CQuenlowView() override;

    // The game document, or null while the view is not attached to one.
    CQuenlowDoc* GetDocument() const;

    // Painting.
    void OnDraw(IDrawContext& dc) override;
    void OnUpdate(CView* pSender, long lHint, void* pHint) override;
    BOOL OnEraseBkgnd() override;

    // The left-button drag.
    void OnLButtonDown(unsigned nFlags, CPoint point) override;
    void OnMouseMove(unsigned nFlags, CPoint point) override;
    void OnLButtonUp(unsigned nFlags, CPoint point) override;
    // Escape during a drag returns the card, as a drop outside every drop area does.
    void OnKeyDown(unsigned nChar, unsigned nRepCnt, unsigned nFlags) override;
    BOOL OnSetCursor(int nHitTest, unsigned nMessage) override;
    void OnCaptureChanged(WindowRef hNewCapture) override;
    void OnCancelMode() override;
    BOOL IsOverTopCard(CPoint point) const;
    // The pile whose drop area holds the point, or -1.
    int DropTarget(CPoint point) const;
    // Where a card of fan nFrom dropped on nTarget (-1: nowhere) goes; nFrom when nowhere.
    int ResolveDrop(int nFrom, int nTarget) const;
    void GlideDragImage(CPoint ptFrom, CPoint ptTo, int nSteps);

    // Card flights. FlyCard leaves rcSrc moved onto rcDst.
    void FlyCard(CBitmap* pFace, CRect& rcSrc, const CRect& rcDst, int nSteps, BOOL bArrival);
    void AnimateDeal() override;
    // Where the dealt cards fly from.
    CRect GetDealPoint() const;

    // Naming a card with the right button.
    void OnRButtonDown(unsigned nFlags, CPoint point) override;
    void OnRButtonUp(unsigned nFlags, CPoint point) override;
    BOOL PickCardAt(CPoint point);
    // Inverts the partners of g_namedCard; a second call with the same table restores them.
    void HighlightPartners();
    // The areas HighlightPartners inverts, in its order.
    std::vector<CRect> GetPartnerAreas() const;

    PlatformHandle m_hArrowCursor = 0;
    BOOL m_bGrabShown = FALSE;
    BOOL m_bHandShown = FALSE;
    PlatformHandle m_hGrabCursor = 0;
    PlatformHandle m_hHandCursor = 0;
    BOOL m_bHavePattern = FALSE;
    CBitmap m_bmPattern;

private:
    void FillCloth(IDrawContext& dc, const CRect& rc) const;
    void PaintFoundations(IDrawContext& dc, const CQuenlowDoc& doc, const CRect& rcClip) const;
    void PaintFans(IDrawContext& dc, const CQuenlowDoc& doc, const CRect& rcClip) const;
    void SetDragImage(const CBitmap& face);
    CRect GetLandingRect(int nFrom, int nDest) const;
    // Ends the drag with a drop on nTarget (-1: outside every drop area): the card glides from
    // the point to where the drop sends it and moves there.
    void LandDraggedCard(CPoint point, int nTarget);
    // Ends a drag without moving anything and paints the lifted card back on its fan.
    void CancelDrag();
    // Empties the status pane and repaints the partner areas from the document.
    void EndNaming();
    // A gesture whose capture went away unnoticed is ended before a new one starts.
    void EndStaleGestures();
    void FlyDealtCard(int nFan, int nSlot);
    void FlyKingExchange(int nFan, int nLowerSlot);
    void FlyBetweenSlots(int nFan, int nFromSlot, int nToSlot);

    // The face lifted by the current drag (the release moves nothing else) and the place
    // painted as cloth at the press.
    CBitmap* m_pLiftedFace = nullptr;
    CRect m_rcLifted;
    // Where the pointer last placed the drag image.
    CPoint m_ptDragImage;
    std::vector<CRect> m_invertedAreas;
    CAnimationPace m_pace;
};
