#pragma once
// The objects a query, an area check or a relation gave, one at a time.

#include "platform/chartengine/ChartObject.h"

#include <memory>
#include <vector>

namespace chartengine {

class ObjectEnumerator {
public:
    struct Entry {
        uint32_t cellSlot;  // index into the enumerator's cells
        uint32_t object;
    };

    ObjectEnumerator(std::vector<std::shared_ptr<const LoadedCell>> cells, std::vector<Entry> entries);

    // Back to the first object.
    HResult Reset();
    // kOk and the next object, or kFalse (object untouched) after the last one.
    HResult Next(ChartObject* object);
    size_t Count() const { return entries_.size(); }

private:
    std::vector<std::shared_ptr<const LoadedCell>> cells_;
    std::vector<Entry> entries_;
    size_t next_ = 0;
};

}  // namespace chartengine
