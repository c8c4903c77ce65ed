// Moving the keyboard focus between the piles of the table: in pile order with Tab, and across
// the screen with the arrows. Portable and stateless: the view keeps the focused pile.
#pragma once

#include "Accessible.h"

// The pile a step leads to from nFrom (-1: no pile focused yet), among nCount piles whose areas
// have the given centres. Next and Previous wrap in pile order; an arrow goes to the nearest
// pile on its side, or, when there is none, to the nearest one seen from beyond the far side.
int StepFocus(const CPoint* pCentres, int nCount, int nFrom, ENavigation step);
