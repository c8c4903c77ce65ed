// The setup program's pictures: the wizard banner and the animation of the progress dialog.
#pragma once

#include "IndexedImage.h"

#include <vector>

// Drawn at the top-left of the Welcome and Finish pages, left of their texts (which start
// 96 dialog units in) and above the Welcome page's icon (84 units down).
constexpr int kBannerWidth = 120;
constexpr int kBannerHeight = 132;
CIndexedImage SetupBanner();

// Cards flying from a deck into a folder, looping; the background is the dialog grey.
constexpr int kAnimationWidth = 272;
constexpr int kAnimationHeight = 60;
constexpr int kAnimationFrames = 16;
constexpr std::uint32_t kAnimationFrameMicroseconds = 66666;
std::vector<CIndexedImage> SetupAnimation();
