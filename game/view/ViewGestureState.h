// The state of the pointer gestures and card flights, held once per process: the drag image
// is shared by the drag and the flights, the picked pile by the drag and the naming.
#pragma once

#include "Card.h"
#include "Platform.h"

// One card-sized image, created on first use and never emptied; each use replaces image 0.
extern PlatformHandle g_dragImage;
extern BOOL g_bDragImageMade;
// The pointer's offset inside the drag image for the current drag.
extern CPoint g_ptHotspot;
// Where the source fan's top card lies, as the document keeps it.
extern const CRect* g_prcLifted;
// The source fan of a drag (0 to 17), or where the named card lies (above 17: a foundation).
extern int g_nPickedPile;
extern BOOL g_bDragging;
// The card under the right button, its name as shown, and whether the naming is on.
extern CCard g_namedCard;
extern char g_szCardName[256];
extern BOOL g_bNaming;

// Back to the state at program start (a fresh platform has no image list yet).
void ResetViewGestureState();
