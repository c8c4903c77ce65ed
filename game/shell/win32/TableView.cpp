#include "TableView.h"

#include "QuenlowView.h"

std::unique_ptr<CView> CreateTableView(IPlatform& platform) {
    return std::make_unique<CQuenlowView>(platform);
}
