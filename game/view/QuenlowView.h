// The table: paints the document's cards, moves them with the left button or the keys, animates
// the deal, names a card under the right button, and describes itself to screen readers. The
// gesture state is process-wide (ViewGestureState.h).
#pragma once

#include "AnimationPace.h"
#include "QuenlowDoc.h"
#include "View.h"

#include <string>
#include <vector>

// Cloth colour when the table pattern cannot be loaded.
constexpr CRgb kClothColour{0, 200, 100};
constexpr int kGlideSteps = 15;
constexpr int kDealFlightSteps = 5;
constexpr int kFixUpFlightSteps = 15;

class CQuenlowView : public CView, public IDealAnimation, public IAccessibleView {
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

    // The keyboard: a focus on one pile, moved by the focus keys; Enter and Space move cards as
    // the left button does. Escape during any drag returns the card, as a drop outside every
    // drop area does.
    void OnKeyDown(unsigned nChar, unsigned nRepCnt, unsigned nFlags) override;
    void OnSetFocus() override;
    void OnKillFocus() override;
    // The focused pile (-1: none), and whether its frame is shown.
    int GetFocusPile() const { return m_nFocusPile; }
    BOOL IsFocusShown() const { return m_bFocusShown; }
    // The frame drawn around the focused pile.
    CRect GetFocusFrame(int nPile) const;

    // The table as screen readers see it: children 1 to 22 are piles 0 to 21.
    IAccessibleView* GetAccessible() override { return this; }
    std::string GetAccessibleName() const override;
    int GetAccessibleChildCount() const override { return kPileCount; }
    std::string GetChildName(int nChild) const override;
    CRect GetChildArea(int nChild) const override;
    int GetFocusedChild() const override;
    int GetSelectedChild() const override;
    int GetChildAt(CPoint point) const override;
    int NavigateChild(int nFrom, ENavigation step) const override;
    std::string GetDefaultAction(int nChild) const override;
    BOOL DoDefaultAction(int nChild) override;
    // "Fan 3: Queen of Hearts, Two of Clubs", "Hearts foundation: empty".
    std::string GetPileName(int nPile) const;

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
    // The press's part of a drag: the fan painted without its top card, which becomes the drag
    // image, grabbed at the point. FALSE when the fan has no card.
    BOOL LiftCard(int nFan, CPoint point);
    void ShowDragImage(CPoint point);
    CRect GetLandingRect(int nFrom, int nDest) const;
    // Ends the drag with a drop on nTarget (-1: outside every drop area): the card glides from
    // the point to where the drop sends it and moves there.
    void LandDraggedCard(CPoint point, int nTarget);
    // Ends a drag without moving anything and paints the lifted card back on its fan.
    void CancelDrag();
    // Keys are taken when no mouse gesture, naming or change waiting for its idle step is on.
    BOOL CanTakeKeys() const;
    // Where a focus step leads from a pile (-1: none).
    int StepFrom(int nPile, ENavigation step) const;
    void MoveFocus(int nPile);
    void ShowFocusFrame(BOOL bShow);
    void InvalidateFocusFrame();
    // Lifts a fan's top card as a press on its corner would; FALSE when there is none.
    BOOL LiftWithKeys(int nFan);
    // Enter on a fan: a click without moving on its top card.
    BOOL ClickWithKeys(int nFan);
    // Space: picks up the focused fan's top card, or lets a held card go on the focused pile.
    void PickUpOrLetGo();
    // Tells screen readers of every pile whose name changed since they were last told.
    void NotifyChangedNames();
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
    int m_nFocusPile = -1;
    // Hidden until the first focus key, and again after any press of the mouse.
    BOOL m_bFocusShown = FALSE;
    // The drag under way was started by the keys: it follows the focus, not the pointer.
    BOOL m_bHeldByKeys = FALSE;
    std::vector<std::string> m_pileNames;
    CAnimationPace m_pace;
};
