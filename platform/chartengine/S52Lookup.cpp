#include "platform/chartengine/S52Lookup.h"

#include <charconv>
#include <unordered_map>
#include <vector>

namespace chartengine {

namespace {

using RowIndex = std::unordered_map<int64_t, std::vector<int>>;

int64_t KeyOf(int32_t classCode, S52LookupTable table) { return (int64_t(classCode) << 8) | table; }

const RowIndex& Rows()
{
    static const RowIndex index = [] {
        RowIndex rows;
        for (size_t i = 0; i < kS52LookupRows.size(); ++i)
            rows[KeyOf(kS52LookupRows[i].classCode, kS52LookupRows[i].table)].push_back(static_cast<int>(i));
        return rows;
    }();
    return index;
}

bool Number(std::string_view text, double& value)
{
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

}  // namespace

bool S52ConditionHolds(const ChartObject& object, const S52Condition& condition)
{
    AttributeValue value;
    const bool present = object.Attribute(condition.attribute, &value) == kOk && !value.text.empty();
    const std::string_view wanted(condition.value);
    if (wanted == "?")
        return !present;
    if (!present)
        return false;
    if (wanted.empty() || value.text == wanted)
        return true;
    double have = 0.0, want = 0.0;
    return Number(value.text, have) && Number(wanted, want) && have == want;
}

int FindS52LookupRow(const ChartObject& object, S52LookupTable table)
{
    const RowIndex& rows = Rows();
    auto found = rows.find(KeyOf(object.ClassCode(), table));
    if (found == rows.end())
        found = rows.find(KeyOf(0, table));
    if (found == rows.end())
        return -1;
    int best = -1, bestConditions = 0, fallback = -1;
    for (const int index : found->second) {
        const S52LookupRow& row = kS52LookupRows[index];
        if (row.conditionCount == 0) {
            if (fallback < 0 || kS52LookupRows[fallback].conditionCount > 0)
                fallback = index;
            continue;
        }
        if (fallback < 0)
            fallback = index;
        if (row.conditionCount <= bestConditions)
            continue;
        bool holds = true;
        for (int c = 0; c < row.conditionCount && holds; ++c)
            holds = S52ConditionHolds(object, kS52Conditions[row.firstCondition + c]);
        if (holds) {
            best = index;
            bestConditions = row.conditionCount;
        }
    }
    return best >= 0 ? best : fallback;
}

}  // namespace chartengine
