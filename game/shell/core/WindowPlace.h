// Where a secondary window opens beside the main window, and its place as the profile keeps
// it: "left top width height" in screen pixels.
#pragma once

#include "ShellTypes.h"

#include <string>

// The rectangle moved into the work area, and shrunk where it is larger.
CRect FitIntoWorkArea(const CRect& rc, const CRect& rcWork);
// A window of cx by cy beside the main window, level with its top: right of it, else left of
// it; where neither side has the room, on the side with more, pushed into the work area.
CRect PlaceBeside(const CRect& rcMain, int cx, int cy, const CRect& rcWork);

std::string FormatWindowPlace(const CRect& rc);
// False, leaving rc as it was, for anything but four numbers with a positive width and height,
// all within the system's coordinates.
bool ParseWindowPlace(const std::string& text, CRect& rc);
