#pragma once
// The presentation parameters a view hands to its symbolization with every draw: values by
// parameter identifier, in the order they were first set.

#include <cstddef>
#include <cstdint>
#include <variant>
#include <vector>

namespace chartengine {

using ParameterValue = std::variant<double, float, int32_t>;

class ParameterList {
public:
    // Replaces the value of an identifier already present, else appends it.
    void Set(int32_t identifier, ParameterValue value);
    // Null when the identifier is not present.
    const ParameterValue* Find(int32_t identifier) const;
    void Clear();

    size_t Count() const { return identifiers_.size(); }
    const std::vector<int32_t>& Identifiers() const { return identifiers_; }
    const std::vector<ParameterValue>& Values() const { return values_; }

private:
    std::vector<int32_t> identifiers_;
    std::vector<ParameterValue> values_;
};

}  // namespace chartengine
