// The three pointer cursors: the open hand, the closed hand and the context-help arrow.
#pragma once

#include "IconFile.h"

std::vector<CCursorImage> OpenHandCursor();   // 32 by 32, hot spot (16, 12)
std::vector<CCursorImage> ClosedHandCursor(); // 32 by 32, hot spot (16, 12)
// An arrow with a question mark: 32 by 32 with hot spot (2, 2), 16 by 16 with hot spot (1, 1).
std::vector<CCursorImage> ContextHelpCursor();
