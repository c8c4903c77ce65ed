// The table view the main window shows.
#pragma once

#include "View.h"

#include <memory>

std::unique_ptr<CView> CreateTableView(IPlatform& platform);
