#include "chart/ObjectAttributes.h"

using namespace chartengine;

int32_t DictionaryCode(const ChartDictionary* dictionary, bool isClass, std::string_view acronym, int32_t standard)
{
    int32_t code = 0;
    if (!dictionary)
        return standard;
    const HResult found = isClass ? dictionary->ObjectClassCode(acronym, &code) : dictionary->AttributeCode(acronym, &code);
    return found == kOk ? code : standard;
}

std::optional<double> RealAttribute(const ChartObject& object, int32_t code)
{
    AttributeValue value;
    return object.Attribute(code, &value) == kOk ? value.real() : std::nullopt;
}

std::optional<int32_t> IntegerAttribute(const ChartObject& object, int32_t code)
{
    AttributeValue value;
    return object.Attribute(code, &value) == kOk ? value.integer() : std::nullopt;
}
