#pragma once
// A table of the 182 object classes with a flag each (1 shown, 0 hidden), slot by slot in
// ascending class-code order (ObjectClassSlot). A view's table chooses what its chart shows in
// display category 3; the redraw and the object, light and depth queries keep tables of their own.

#include "chart/ObjectClassCodes.h"

#include <array>
#include <cstdint>

using ObjectClassTable = std::array<int32_t, ObjectClassCount>;

void ShowAllObjectClasses(ObjectClassTable& table);
void HideAllObjectClasses(ObjectClassTable& table);

// The flag of a class code; a code without a slot counts as shown.
bool ObjectClassShown(const ObjectClassTable& table, int32_t code);
