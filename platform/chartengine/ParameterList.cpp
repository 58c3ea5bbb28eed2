#include "platform/chartengine/ParameterList.h"

#include <algorithm>

namespace chartengine {

void ParameterList::Set(int32_t identifier, ParameterValue value)
{
    const auto found = std::find(identifiers_.begin(), identifiers_.end(), identifier);
    if (found != identifiers_.end()) {
        values_[found - identifiers_.begin()] = value;
        return;
    }
    identifiers_.push_back(identifier);
    values_.push_back(value);
}

const ParameterValue* ParameterList::Find(int32_t identifier) const
{
    const auto found = std::find(identifiers_.begin(), identifiers_.end(), identifier);
    return found == identifiers_.end() ? nullptr : &values_[found - identifiers_.begin()];
}

void ParameterList::Clear()
{
    identifiers_.clear();
    values_.clear();
}

}  // namespace chartengine
