#pragma once
// DrawObjectLabel: a stored object's label, or a route waypoint's number, on the chart.

#include "userdata/UserRecords.h"

#include <cstdint>

class QPainter;
class TForm1;

// The label of `object` (ObjectLabelText, userdata/ObjectLabel.h), or with `number` 0 or more
// that waypoint number, at (x, y): a text beginning with "+" as plain text in the object's
// colour 13 pixels left of x, any other in a label box of the window colour (the selected
// waypoint's in user colour 1) with its top-left corner at (x, y). An empty text draws nothing.
void DrawObjectLabel(TForm1& form, QPainter& canvas, const IdRecord& object, int32_t x, int32_t y, int32_t number);
