#include "ViewGestureState.h"

PlatformHandle g_dragImage = 0;
BOOL g_bDragImageMade = FALSE;
CPoint g_ptHotspot;
const CRect* g_prcLifted = nullptr;
int g_nPickedPile = -1;
BOOL g_bDragging = FALSE;
CCard g_namedCard;
char g_szCardName[256] = "";
BOOL g_bNaming = FALSE;

void ResetViewGestureState() {
    g_dragImage = 0;
    g_bDragImageMade = FALSE;
    g_ptHotspot = CPoint();
    g_prcLifted = nullptr;
    g_nPickedPile = -1;
    g_bDragging = FALSE;
    g_namedCard.Clear();
    g_szCardName[0] = '\0';
    g_bNaming = FALSE;
}
