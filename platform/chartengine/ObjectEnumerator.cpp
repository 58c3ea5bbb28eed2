#include "platform/chartengine/ObjectEnumerator.h"

namespace chartengine {

ObjectEnumerator::ObjectEnumerator(std::vector<std::shared_ptr<const LoadedCell>> cells, std::vector<Entry> entries)
    : cells_(std::move(cells)), entries_(std::move(entries))
{
}

HResult ObjectEnumerator::Reset()
{
    next_ = 0;
    return kOk;
}

HResult ObjectEnumerator::Next(ChartObject* object)
{
    if (!object)
        return kNullPointer;
    if (next_ >= entries_.size())
        return kFalse;
    const Entry& entry = entries_[next_++];
    *object = ChartObject(cells_[entry.cellSlot], entry.object);
    return kOk;
}

}  // namespace chartengine
