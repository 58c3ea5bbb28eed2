#include "frame/DepthExportFile.h"

#include "frame/CoverageGrid.h"

#include <algorithm>
#include <cinttypes>
#include <cmath>
#include <limits>

ExportArea ThreeDExportArea;
DepthExportFile ThreeDExportFile;

namespace {

constexpr int64_t Turn = int64_t(1) << 32;
constexpr int64_t HalfTurn = int64_t(1) << 31;

int32_t HeldToInt32(double value)
{
    constexpr double lowest = std::numeric_limits<int32_t>::min();
    constexpr double highest = std::numeric_limits<int32_t>::max();
    return std::isnan(value) ? 0 : static_cast<int32_t>(std::clamp(value, lowest, highest));
}

}  // namespace

ExportPoint ExportCoordinates(const cmgbase::GeoPoint& origin, double factor, const cmgbase::GeoPoint& position)
{
    int64_t east = int64_t(position.x) - origin.x;
    if (east >= HalfTurn)
        east -= Turn;
    else if (east < -HalfTurn)
        east += Turn;
    return {HeldToInt32(std::trunc(double(east) * factor)), HeldToInt32(double(int64_t(position.y) - origin.y))};
}

std::optional<cmgbase::GeoPoint> ChartPositionOf(const ExportArea& area, const ExportPoint& point)
{
    const double factor = area.longitudeFactor;
    if (!std::isfinite(factor) || factor <= 0.0)
        return std::nullopt;
    const double east = std::trunc(point.x / factor);
    if (std::fabs(east) > double(HalfTurn))
        return std::nullopt;
    int64_t x = int64_t(east) + area.clip.x1;
    if (x >= HalfTurn)
        x -= Turn;
    else if (x < -HalfTurn)
        x += Turn;
    return cmgbase::GeoPoint{static_cast<int32_t>(x), HeldToInt32(double(int64_t(point.y) + area.clip.y1))};
}

bool WriteExportLine(const ExportPoint& point, double depth)
{
    DepthExportFile& f = ThreeDExportFile;
    if (!f.file || f.pointCount >= ExportPointLimit || !std::isfinite(depth))
        return false;
    std::fprintf(f.file, "%" PRId32 " %" PRId32 " %.1f\n", point.x, point.y, depth);
    ++f.pointCount;
    return true;
}

void MarkExportCoverage(const cmgbase::GeoPoint& position)
{
    if (ThreeDExportFile.pixelOf)
        if (const auto pixel = ThreeDExportFile.pixelOf(position))
            MarkCoverageCell(pixel->first, pixel->second);
}

bool WriteUserDepth(const cmgbase::GeoPoint& position, double depth)
{
    MarkExportCoverage(position);
    const ExportArea& area = ThreeDExportArea;
    return WriteExportLine(ExportCoordinates(area.origin(), area.longitudeFactor, position), depth);
}
