#pragma once
// Chooses an object's row of the S-52 look-up tables: among the rows of its class in the table,
// the row all of whose attribute conditions hold and that has the most of them (the first of
// equals); else the class's row without conditions; else the class's first row; a class
// without rows in the table takes the rows of code 0.

#include "platform/chartengine/ChartObject.h"
#include "platform/chartengine/S52Lookups.h"

namespace chartengine {

// The row's index in kS52LookupRows, or -1 when no row applies.
int FindS52LookupRow(const ChartObject& object, S52LookupTable table);

// Whether the object's attribute satisfies the condition.
bool S52ConditionHolds(const ChartObject& object, const S52Condition& condition);

}  // namespace chartengine
