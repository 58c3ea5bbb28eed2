#pragma once
// The cells of a chart database whose coverage meets a cover, for the cover's scale band.

#include "platform/chartengine/DatabaseContent.h"
#include "platform/geodesy/GeoCover.h"

#include <memory>
#include <vector>

namespace chartengine {

class CellEnumerator {
public:
    explicit CellEnumerator(std::shared_ptr<DatabaseContent> content);

    // Selects the cells; they are then given from the first.
    HResult SetCover(const cmgbase::GeoCover& cover);
    // kOk and the next cell's number, or kFalse (cellId untouched) after the last one.
    HResult Next(int32_t* cellId);

private:
    std::shared_ptr<DatabaseContent> content_;
    std::vector<int32_t> cells_;
    size_t next_ = 0;
};

}  // namespace chartengine
