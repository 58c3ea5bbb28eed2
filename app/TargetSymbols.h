#pragma once
// The shapes of one target on the main chart around its screen point: the AIS triangle or hull
// outline with its heading line and turn flag, the ARPA square or diamond, and the brackets of
// the target the target dialog shows. Each draws on the canvas and grows the overlay's painted
// area (ExtendPaintBounds) by what it drew.

#include "frame/PixelGeometry.h"
#include "platform/geodesy/GeoTypes.h"
#include "sensors/TargetRecord.h"

#include <QPen>
#include <QPolygon>

#include <array>
#include <cstdint>
#include <optional>

class MapView;
class QPainter;
struct WindowRect;

// Grows the painted area by the shape's bounding box and margin pixels on every side.
void ExtendPaintBoundsAround(const QPolygon& shape, int32_t margin);

// The AIS triangle: its tip 14 px ahead, its base corners 7 px off at 45 degrees either side of
// astern. screenHeading is the heading minus the chart rotation, in degrees.
void DrawAisTriangle(QPainter& canvas, const QPen& pen, ScreenPoint centre, double screenHeading);

// The hull outline of an AIS vessel on the view from its dimensions (A to bow, B to stern, C to
// port, D to starboard of its position, metres): the bow on the centre line, the shoulders one
// beam aft of the bow (never aft of the stern), the two stern corners. None when a corner has no
// screen point.
std::optional<std::array<ScreenPoint, 5>> AisHullCorners(const MapView& view, const WindowRect& window,
                                                          const cmgbase::GeoPoint& position, double heading,
                                                          const AisStaticBlock& dimensions);
void DrawAisHull(QPainter& canvas, const QPen& pen, const std::array<ScreenPoint, 5>& corners);

// The heading line from 14 to 45 px ahead and, while the vessel turns faster than 8 (rate of
// turn as AIS sends it, -128 not available), a short flag at its end to the side it turns to.
void DrawAisHeadingLine(QPainter& canvas, ScreenPoint centre, double screenHeading, int8_t rateOfTurn);

// The stroke through an AIS target that is not tracked, (+10, -10) to (-10, +10), of pen's width.
void DrawAisStrike(QPainter& canvas, const QPen& pen, ScreenPoint centre);

// A tracked ARPA target's square, else the diamond with its thin outer diamond.
void DrawArpaSymbol(QPainter& canvas, const QPen& pen, ScreenPoint centre, bool tracked);

// The four corner brackets of the target the target dialog shows.
void DrawSelectionBrackets(QPainter& canvas, ScreenPoint centre);
