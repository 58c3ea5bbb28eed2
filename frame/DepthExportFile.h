#pragma once
// The 3D depth export's frame, shared by the chart export and the recorded seabed depths: the
// exported area's origin and longitude factor, which turn chart positions into the export
// coordinates the 3D programs work in, and the point file while an export writes it.
//
// Export coordinates of a chart position (lon, lat): x = integer part of (lon - west) x the
// longitude factor, y = lat - south, in chart normalised units. The longitude difference is taken
// in 64 bits and folded into one turn (-2^31 .. 2^31), so an area across the 180th meridian
// counts its eastern part on from its western one.

#include "platform/geodesy/GeoTypes.h"

#include <cstdint>
#include <cstdio>
#include <functional>
#include <optional>

// The point count is written in six digits: no more points than that are written.
inline constexpr int32_t ExportPointLimit = 999999;

// Export coordinates of one position.
struct ExportPoint {
    int32_t x = 0;
    int32_t y = 0;
};

// The area of the last export; the 100 ms tick turns the own ship and the 3D cursor with it.
struct ExportArea {
    cmgbase::GeoRect clip{};       // west, south, east, north
    float longitudeFactor = 0.0f;  // cos of the south latitude; 0 before the first export

    cmgbase::GeoPoint origin() const { return {clip.x1, clip.y1}; }
};
extern ExportArea ThreeDExportArea;

// The export coordinates of position relative to origin, x scaled by factor (held to int32).
ExportPoint ExportCoordinates(const cmgbase::GeoPoint& origin, double factor, const cmgbase::GeoPoint& position);
// The chart position of export coordinates of the area (the 3D view's cursor), the longitude
// folded back into one turn; nothing before the first export.
std::optional<cmgbase::GeoPoint> ChartPositionOf(const ExportArea& area, const ExportPoint& point);

// While an export runs: its open file, the points written so far and the main chart's pixel of
// a position, with which user depths mark their coverage cell (MarkCoverageCell).
struct DepthExportFile {
    std::FILE* file = nullptr;
    int32_t pointCount = 0;
    std::function<std::optional<std::pair<int32_t, int32_t>>(const cmgbase::GeoPoint&)> pixelOf;
};
extern DepthExportFile ThreeDExportFile;

// A chart depth: the line "x y depth" (depth negative below the surface, one decimal), counted.
// False, nothing written, without an open file, for a depth that is not a number, or once the
// count has reached ExportPointLimit.
bool WriteExportLine(const ExportPoint& point, double depth);
// Marks the coverage cell of the position's pixel (MarkCoverageCell): chart depths there are
// left out of the export.
void MarkExportCoverage(const cmgbase::GeoPoint& position);
// A user depth: its coverage cell marked, then its line in ThreeDExportArea's coordinates as
// WriteExportLine writes it.
bool WriteUserDepth(const cmgbase::GeoPoint& position, double depth);
