// The solver's answers in words and in JSON. Fans are numbered 1 to 18 in pile order.
#pragma once

#include "SolverSearch.h"

#include <string>

// "Seven of Hearts: fan 4 -> fan 9", "Ace of Spades: fan 2 -> Spades".
std::string DescribeMove(const CSolverMove& move);

std::string FormatReportText(const CSolveReport& report);
std::string FormatReportJson(const CSolveReport& report, bool bKingsAllowed);

// The process exit code of an answer: 0 winnable, 1 not winnable, 3 undecided.
int ExitCodeOf(SolveResult result);
const char* ResultName(SolveResult result);
