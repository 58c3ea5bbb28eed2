#pragma once
// Depth marks: SYMBOL objects whose name begins with "@" (the depth is the object's stored value,
// tenths of a metre) or "/" (the depth is the number written after the slash).

#include "userdata/UserRecords.h"

#include <functional>

bool IsDepthMark(const IdRecord& object);

// The mark's depth in the display unit (the stored value times depthFactor; a written number as
// it stands); 0 when the mark carries none.
double DepthMarkDepth(const IdRecord& object, float depthFactor);

// Calls visit for every depth mark of the open object files, in key order (type, id). A read
// failure ends the walk.
void ForEachDepthMark(const std::function<void(const IdRecord&)>& visit);
