// The tools' text form of a table: 18 lines, one per fan in pile order with its cards from
// bottom to top ("QH TC AS", "-" for an empty fan), then
// "foundations C:<top> D:<top> S:<top> H:<top>" with each foundation's top rank ("-" empty).
#pragma once

#include "SolverState.h"

#include <string>

// Reads a table; on failure returns false with a message naming the line. Blank lines and
// lines starting with '#' are skipped. The table must hold every card exactly once.
bool ParsePositionText(const std::string& text, CPosition& position, std::string& error);

std::string FormatPositionText(const CPosition& position);
