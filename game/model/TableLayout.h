// Where the table's cards lie, in client pixels: the document places them, the view paints,
// hit-tests and highlights by the same numbers.
#pragma once

constexpr int kCardWidth = 60;
constexpr int kCardHeight = 82;

// The fans' grid: the top-left card of fan 0, and the distance from one fan to the next.
constexpr int kFansLeft = 10;
constexpr int kFansTop = 14;
constexpr int kFanPitchX = 84;
constexpr int kFanPitchY = 124;

// Each card of a fan lies this far right of and below the one beneath it; the strips of a
// covered card left visible have these widths.
constexpr int kSlotStepX = 10;
constexpr int kSlotStepY = 14;
