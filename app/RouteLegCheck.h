#pragma once
// The chart check of a route leg's lane or of the area of a turn: the chart dangers inside a
// polygon of screen pixels of the main chart, through the chart engine's area check with the
// safety depth and the vessel's height. The look-ahead's polygon and watched areas stay as they
// were. Main thread only.

#include <QPolygonF>

#include <cstdint>

class TForm1;

// The lane bits of RouteDangerFlags.h: LaneCheckFailed alone when the check could not run (no
// chart engine, a pixel without a chart position, an engine failure), else LaneDepthDanger and
// LaneHeightDanger as found.
uint8_t CheckRouteArea(const TForm1& form, const QPolygonF& polygon);
