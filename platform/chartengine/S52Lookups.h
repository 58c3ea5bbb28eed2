#pragma once
// The S-52 look-up tables the symbolization portrays with: per object class and geometry, rows
// of attribute conditions with their display category, display priority and symbology
// instruction. Points are portrayed from the simplified or the paper-chart table, lines from the
// line table, areas from the plain or the symbolized-boundary table.

#include "platform/chartengine/S52Tables.h"

#include <array>
#include <cstdint>

namespace chartengine {

enum S52LookupTable : uint8_t {
    kTableSimplified = 0,
    kTablePaper = 1,
    kTableLines = 2,
    kTablePlain = 3,
    kTableSymbolized = 4,
};

// An attribute condition: the attribute must have this value (its S-57 text form); an empty
// value asks only that the attribute is present, "?" that it is absent.
struct S52Condition {
    int32_t attribute;
    const char* value;
};

struct S52LookupRow {
    int32_t classCode;  // 0: the rows of a class that has none of its own
    uint8_t geometry;   // 0 point, 1 line, 2 area
    S52LookupTable table;
    DisplayCategory category;
    uint8_t priority;  // display priority 0..9, drawn in ascending order
    bool overRadar;
    uint16_t firstCondition;  // into kS52Conditions
    uint8_t conditionCount;
    const char* instruction;
};

extern const std::array<S52Condition, 3425> kS52Conditions;
extern const std::array<S52LookupRow, 2697> kS52LookupRows;

}  // namespace chartengine
