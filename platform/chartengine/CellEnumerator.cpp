#include "platform/chartengine/CellEnumerator.h"

namespace chartengine {

CellEnumerator::CellEnumerator(std::shared_ptr<DatabaseContent> content) : content_(std::move(content)) {}

HResult CellEnumerator::SetCover(const cmgbase::GeoCover& cover)
{
    cells_.clear();
    next_ = 0;
    const std::vector<CatalogCell>& cells = content_->catalog().cells;
    for (size_t i = 0; i < cells.size(); ++i)
        if (cover.finestScale() <= DatabaseContent::DisplayLimit(cells[i]) &&
            DatabaseContent::CoverageMeets(cells[i], cover.rects()))
            cells_.push_back(static_cast<int32_t>(i + 1));
    return kOk;
}

HResult CellEnumerator::Next(int32_t* cellId)
{
    if (!cellId)
        return kNullPointer;
    if (next_ >= cells_.size())
        return kFalse;
    *cellId = cells_[next_++];
    return kOk;
}

}  // namespace chartengine
