#pragma once
// The point symbols of the look-up tables, drawn as simple figures recognisable at a glance:
// buoys by shape in the colours of the object (bands by its colour pattern), beacons, light
// flares, dangers, wrecks and rocks, landmarks, information and restriction marks, arrows. A
// name the drawing does not know gets the general position mark. Sizes are millimetres of the
// symbology, so the symbolization's resolution sets them on the screen.

#include "platform/chartengine/ChartCanvas.h"
#include "platform/chartengine/ChartObject.h"

#include <QPointF>

#include <string_view>

namespace chartengine {

// Draws the symbol with its pivot at the pixel point, turned clockwise by angle degrees on the
// screen. object gives the colours and shapes the symbol takes from the chart.
void DrawS52Symbol(ChartCanvas& canvas, std::string_view name, QPointF at, double angle, const ChartObject& object);

// The colour tokens of the object's S-57 colours (COLOUR), in order.
std::vector<int> ObjectColourTokens(const ChartObject& object);

}  // namespace chartengine
