#pragma once
// The chart-layer list's items (from 0) that hide object classes while they are unchecked: item
// 8 six classes, item 9 one, item 10 two. The chart redraw and the full presentation take the
// hidden classes from here.

#include "chart/ObjectClassTable.h"

class QListWidget;

// Hides in `table` the classes of every such item of `layers` that is unchecked.
void HideLayerClasses(ObjectClassTable& table, const QListWidget* layers);

// Whether list item `item` is one of those.
bool LayerHidesClasses(int item);
