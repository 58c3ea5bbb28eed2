#pragma once
// Reading chart objects as the chart's queries do: class and attribute codes by their S-57
// acronyms through the engine's dictionary, with the standard code where it has none, and
// attribute values as numbers.

#include "platform/chartengine/ChartObject.h"

#include <cstdint>
#include <optional>
#include <string_view>

// The code of a class (isClass) or attribute acronym; standard when there is no dictionary or it
// does not know the acronym.
int32_t DictionaryCode(const chartengine::ChartDictionary* dictionary, bool isClass, std::string_view acronym,
                       int32_t standard);

// The attribute's value as a number; nothing when the object lacks it or it is no number.
std::optional<double> RealAttribute(const chartengine::ChartObject& object, int32_t code);
std::optional<int32_t> IntegerAttribute(const chartengine::ChartObject& object, int32_t code);
