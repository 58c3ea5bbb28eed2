#pragma once
// The lights the user picks on the main chart (SelectedChartObjects): the pick itself, the
// highlight of the picked lights with their sector limits and visibility circle, and the light
// under the pointer.

#include "platform/geodesy/GeoTypes.h"

#include <QPoint>

#include <cstdint>

struct ChartWindow;
class QPainter;

inline constexpr uint8_t LeftPick = 0;
inline constexpr uint8_t RightPick = 1;

// A click at (x, y) with the pick kind of its button: the first light marker within 11 px is
// picked into the newest slot (the oldest dropped), released when its slot has the same kind,
// or given the new kind; a redraw is asked for. false, nothing done, when no marker is near,
// at level 13 and above, or while the bearing line is on.
bool HitTestChartObject(ChartWindow& window, uint8_t kind, int32_t x, int32_t y, bool bearingLineOn);

// The last light marker within 12 px of the pointer; -1 none.
int32_t HoverMarkerAt(const ChartWindow& window, int32_t x, int32_t y);

// The offset of the coloured line beside a sector limit (tenths of a degree from the light) on
// a chart turned by rotation degrees, for dir 1.
QPoint SectorLimitOffset(int32_t limit, float rotation);

// One sector limit of the light at position: a line in user colour 6 along the limit's bearing
// over range tenths of a mile, and beside it, shifted by dir x the limit's offset, one in the
// light's colour. The pen keeps its style.
void DrawSectorLimits(ChartWindow& window, QPainter& canvas, int32_t dir, int32_t colour, int32_t limit,
                      int32_t range, const cmgbase::GeoPoint& position);

// Radius in pixels of the range at which a light of that height shows above the horizon for
// the conning height of the settings: 2.08 x (sqrt(eye) + sqrt(light)) miles.
double VisibilityRadius(double pixelsPerMile, double eyeHeight, double lightHeight);

// The picked lights with their sector limits (white ones, or all with the right-click kind) and
// visibility circles; with the sector layer on, the limits of every white sector light narrower
// than 20.1 or wider than 339.9 degrees whose sector the reference point is in.
void PaintSelectedObjects(ChartWindow& window, QPainter& canvas, bool sectorLayer);
