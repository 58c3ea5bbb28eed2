#pragma once
// The texts beside the chart's lights: their names and characteristics as layers of the chart
// picture, and one light's characteristic for the light under the pointer.

#include "platform/geodesy/GeoTypes.h"

#include <cstdint>
#include <optional>

struct ChartWindow;
class QPainter;

// The names (light-name layer) and characteristics (characteristic layer) of the lights into
// the chart picture, below level 13 and not in the base presentation; a filter restricts both
// to the light at that position and writes them whatever the layers.
void DrawLightLabels(ChartWindow& window, QPainter& canvas, const std::optional<cmgbase::GeoPoint>& filter);

// Marker i's characteristic: highlighted in a label box at (x + 8, y), else as plain text at
// (x + 15, y - 6). Its width in pixels.
int32_t DrawLightCharacteristic(ChartWindow& window, QPainter& canvas, bool highlighted, int32_t i);
