#pragma once
// The own ship over the main chart: its hull outline at large scales or else its circle symbol,
// the course vector with its minute ticks, and the heading line to the edge of the chart.

#include "frame/PixelGeometry.h"
#include "platform/geodesy/GeoTypes.h"

#include <array>
#include <cstdint>
#include <optional>

struct ChartWindow;
class QPainter;

struct OwnShipPicture {
    ScreenPoint ship{};                  // the reference position
    bool hull = false;                   // the hull outline, else the circle symbol
    int64_t lengthProduct = 0;           // hull length in metres x pixels per nautical mile
    std::array<ScreenPoint, 5> outline{};  // by ShipGeometryRecord::OutlinePoint
    ScreenPoint vectorStart{};           // the bow with the outline, else the ship
    ScreenPoint vectorEnd{};
    cmgbase::GeoPoint vectorEndGeo{};
    double vectorLength = 0.0;           // nautical miles
};

// The course vector's length in nautical miles from the vector setting: tenths of a nautical
// mile, or with the minutes flag the distance run in that many minutes at speed (knots; a
// negative speed, none yet, runs nothing).
double CourseVectorLength(int16_t setting, bool minutes, float speed);

// The end of the own ship's course vector: the course vector's length along the course over
// ground from the reference position.
cmgbase::GeoPoint CourseVectorEnd();

// The own ship on the main view as OwnShip and the settings give it; none without a main view
// or when the ship has no pixel on it.
std::optional<OwnShipPicture> PlaceOwnShip(const ChartWindow& window);

// Where the heading line from start at the screen angle (degrees clockwise from screen up) ends
// on the border of a paint box of width x height; none when the line never crosses the box.
std::optional<ScreenPoint> HeadingLineEnd(const ScreenPoint& start, double screenAngle, int32_t width,
                                          int32_t height);

// Each draws on the canvas and adds what it drew to the painted area. The symbol is drawn only
// while the ship lies on or near the paint box.
void DrawCourseVector(ChartWindow& window, QPainter& canvas, const OwnShipPicture& ship, float speed);
void DrawHeadingLine(ChartWindow& window, QPainter& canvas, const OwnShipPicture& ship, double screenAngle);
void DrawOwnShipSymbol(ChartWindow& window, QPainter& canvas, const OwnShipPicture& ship);
