// The icons: the program's (group 128), the document type's (group 129) and the setup
// program's (101).
#pragma once

#include "IndexedImage.h"

#include <vector>

std::vector<CIndexedImage> ProgramIcon();  // 32 by 32 and 16 by 16
std::vector<CIndexedImage> DocumentIcon(); // 32 by 32 and 16 by 16
std::vector<CIndexedImage> SetupIcon();    // 32 by 32
