#include "chart/ObjectClassTable.h"

void ShowAllObjectClasses(ObjectClassTable& table) { table.fill(1); }

void HideAllObjectClasses(ObjectClassTable& table) { table.fill(0); }

bool ObjectClassShown(const ObjectClassTable& table, int32_t code)
{
    const int slot = ObjectClassSlot(code);
    return slot < 0 || table[slot] != 0;
}
