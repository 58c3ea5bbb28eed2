#include "platform/chartengine/RadarPicture.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace chartengine {

namespace {

constexpr uint8_t kLand = 128;
constexpr uint8_t kConstruction = 255;
constexpr double kBeamWidthDegrees = 1.2;
constexpr double kDegrees = 180.0 / std::numbers::pi;

// Echo strengths (0..255).
constexpr uint8_t kCoastFacing = 255;
constexpr uint8_t kCoastShadowed = 150;
constexpr uint8_t kLandBehindCoast = 100;
constexpr uint8_t kLandShadowed = 60;
constexpr uint8_t kConstructionEcho = 230;
constexpr uint8_t kConspicuousEcho = 240;
constexpr uint8_t kRaconEcho = 255;
constexpr uint8_t kTargetEcho = 250;
constexpr double kSeaClutterStrength = 200.0;
constexpr double kSeaClutterReachMetres = 800.0;
constexpr double kRainClutterStrength = 130.0;
constexpr int kRainPatches = 3;

// A repeatable noise in [0, 1) for a frame and a cell.
double Noise(uint64_t frame, uint64_t a, uint64_t b)
{
    uint64_t h = frame * 0x9E3779B97F4A7C15ull ^ (a << 32 | b);
    h ^= h >> 33;
    h *= 0xFF51AFD7ED558CCDull;
    h ^= h >> 33;
    h *= 0xC4CEB9FE1A85EC53ull;
    h ^= h >> 33;
    return double(h >> 11) / double(1ull << 53);
}

// For every image pixel, the polar cell it shows (azimuth x kCells + distance), or -1 outside
// the range circle. The same for every range: the image spans twice the range.
const std::vector<int32_t>& PixelCells()
{
    static const std::vector<int32_t> cells = [] {
        constexpr int side = RadarPicture::kImageSide;
        std::vector<int32_t> table(size_t(side) * side, -1);
        const double half = side / 2.0;
        for (int j = 0; j < side; ++j)
            for (int i = 0; i < side; ++i) {
                const double x = (i + 0.5 - half) / half;
                const double y = (half - j - 0.5) / half;
                const double r = std::hypot(x, y);
                if (r >= 1.0)
                    continue;
                double bearing = std::atan2(x, y) * kDegrees;
                if (bearing < 0)
                    bearing += 360.0;
                const int azimuth = std::min(int(bearing / 360.0 * RadarPicture::kAzimuths), RadarPicture::kAzimuths - 1);
                const int distance = std::min(int(r * RadarPicture::kCells), RadarPicture::kCells - 1);
                table[size_t(j) * side + size_t(i)] = azimuth * RadarPicture::kCells + distance;
            }
        return table;
    }();
    return cells;
}

struct Direction {
    double east;
    double north;
};

const std::array<Direction, RadarPicture::kAzimuths>& AzimuthDirections()
{
    static const auto directions = [] {
        std::array<Direction, RadarPicture::kAzimuths> table{};
        for (int a = 0; a < RadarPicture::kAzimuths; ++a) {
            const double bearing = (a + 0.5) * 2.0 * std::numbers::pi / RadarPicture::kAzimuths;
            table[size_t(a)] = {std::sin(bearing), std::cos(bearing)};
        }
        return table;
    }();
    return directions;
}

// The colour of an echo strength: shades of green or red, never white.
QRgb EchoColour(int strength, int32_t palette)
{
    const int shade = 70 + strength * 185 / 255;
    return palette == 1 ? qRgba(shade, shade / 6, 0, 255) : qRgba(0, shade, shade / 6, 255);
}

}  // namespace

void RadarPicture::SetScene(const RadarScene& scene, double rangeMetres)
{
    scene_ = scene;
    rangeMetres_ = rangeMetres;
    raster_ = QImage(kRasterSide, kRasterSide, QImage::Format_Grayscale8);
    raster_.fill(0);
    QPainter painter(&raster_);
    const double pixelsPerMetre = kRasterSide / (2.0 * rangeMetres);
    painter.translate(kRasterSide / 2.0, kRasterSide / 2.0);
    painter.scale(pixelsPerMetre, -pixelsPerMetre);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(kLand, kLand, kLand));
    QPainterPath land;
    land.setFillRule(Qt::WindingFill);
    for (const QPolygonF& ring : scene.land)
        land.addPolygon(ring);
    painter.drawPath(land);
    QPen construction(QColor(kConstruction, kConstruction, kConstruction));
    construction.setCosmetic(true);
    construction.setWidthF(2.0);
    painter.setPen(construction);
    painter.setBrush(Qt::NoBrush);
    for (const QPolygonF& line : scene.constructions)
        painter.drawPolyline(line);
}

void RadarPicture::Clear()
{
    std::ranges::fill(cells_, 0);
    image_ = QImage(kImageSide, kImageSide, QImage::Format_ARGB32_Premultiplied);
    image_.fill(Qt::transparent);
}

void RadarPicture::Build(const std::vector<QPointF>& targets, double pulseMetres, const RadarSettings& settings,
                         const RadarLayout& layout, uint64_t frame)
{
    std::ranges::fill(cells_, 0);
    if (!raster_.isNull())
        AddLand(layout, pulseMetres);
    for (const QPointF& point : scene_.conspicuous)
        AddSpot(point, kConspicuousEcho, pulseMetres, layout, 0);
    // A racon answers with a dash that runs outwards behind it.
    for (const QPointF& racon : scene_.racons)
        AddSpot(racon, kRaconEcho, pulseMetres, layout, kCells / 40);
    for (const QPointF& target : targets)
        AddSpot(target, kTargetEcho, pulseMetres, layout, 1);
    AddSeaClutter(settings.sea, frame);
    AddRainClutter(settings.rain, frame);
    Paint(settings.gain, settings.palette);
}

void RadarPicture::AddLand(const RadarLayout& layout, double pulseMetres)
{
    const double cellMetres = rangeMetres_ / kCells;
    // A shore answers strongly over more than the pulse: its slope and what stands on it.
    const int coastCells = std::max({1, int(std::lround(pulseMetres / cellMetres)), kCells / 64});
    const double rasterPerMetre = kRasterSide / (2.0 * rangeMetres_);
    const double half = kRasterSide / 2.0;
    const auto& directions = AzimuthDirections();
    const int turn = int(std::lround(layout.rotationDegrees / 360.0 * kAzimuths));
    const uchar* bits = raster_.constBits();
    const qsizetype stride = raster_.bytesPerLine();
    for (int shown = 0; shown < kAzimuths; ++shown) {
        const Direction direction = directions[size_t(((shown - turn) % kAzimuths + kAzimuths) % kAzimuths)];
        bool inLand = false;
        bool landBefore = false;
        bool shadowed = false;
        int coastLeft = 0;
        for (int c = 0; c < kCells; ++c) {
            const double distance = ((c + 0.5) * cellMetres - layout.rangeShiftMetres) / layout.rangeScale;
            uint8_t kind = 0;
            if (distance >= 0 && distance < rangeMetres_) {
                const int x = int(half + distance * direction.east * rasterPerMetre);
                const int y = int(half - distance * direction.north * rasterPerMetre);
                if (x >= 0 && y >= 0 && x < kRasterSide && y < kRasterSide)
                    kind = bits[y * stride + x];
            }
            if (kind == kConstruction) {
                cell(shown, c) = kConstructionEcho;
                landBefore = true;
                continue;
            }
            if (kind != kLand) {
                inLand = false;
                continue;
            }
            if (!inLand) {
                inLand = true;
                // The antenna standing on land sees no coast of its own shore.
                coastLeft = c == 0 ? 0 : coastCells;
                shadowed = landBefore;
            }
            uint8_t& echo = cell(shown, c);
            if (coastLeft > 0) {
                echo = std::max(echo, shadowed ? kCoastShadowed : kCoastFacing);
                --coastLeft;
            } else {
                echo = std::max(echo, shadowed ? kLandShadowed : kLandBehindCoast);
            }
            landBefore = true;
        }
    }
}

void RadarPicture::AddSpot(const QPointF& at, uint8_t strength, double pulseMetres, const RadarLayout& layout,
                           int extraCells)
{
    const double distance = std::hypot(at.x(), at.y());
    if (distance >= rangeMetres_)
        return;
    const double shownDistance = distance * layout.rangeScale + layout.rangeShiftMetres;
    const double cellMetres = rangeMetres_ / kCells;
    const int first = int(shownDistance / cellMetres);
    const int cells = std::max(1, int(std::lround(pulseMetres / cellMetres))) + extraCells;
    const double bearing = std::atan2(at.x(), at.y()) * kDegrees + layout.rotationDegrees;
    const double azimuthsPerDegree = kAzimuths / 360.0;
    const int centre = int(std::floor(bearing * azimuthsPerDegree));
    const int spread = std::max(1, int(std::lround(kBeamWidthDegrees * azimuthsPerDegree / 2.0)));
    for (int a = centre - spread; a <= centre + spread; ++a) {
        const int azimuth = ((a % kAzimuths) + kAzimuths) % kAzimuths;
        for (int c = std::max(first, 0); c < std::min(first + cells, kCells); ++c)
            cell(azimuth, c) = std::max(cell(azimuth, c), strength);
    }
}

void RadarPicture::AddSeaClutter(int32_t sea, uint64_t frame)
{
    const double strength = kSeaClutterStrength * (1.0 - std::clamp(sea, 0, 99) / 99.0);
    if (strength <= 0)
        return;
    const double cellMetres = rangeMetres_ / kCells;
    const int reach = std::min(kCells, int(kSeaClutterReachMetres * std::log(strength) / cellMetres) + 1);
    for (int a = 0; a < kAzimuths; ++a)
        for (int c = 0; c < reach; ++c) {
            const double level = strength * std::exp(-(c + 0.5) * cellMetres / kSeaClutterReachMetres);
            const double echo = level * 1.4 * Noise(frame, uint64_t(a), uint64_t(c));
            cell(a, c) = std::max(cell(a, c), uint8_t(std::min(echo, 255.0)));
        }
}

void RadarPicture::AddRainClutter(int32_t rain, uint64_t frame)
{
    const double strength = kRainClutterStrength * (1.0 - std::clamp(rain, 0, 99) / 99.0);
    if (strength <= 0)
        return;
    const double cellMetres = rangeMetres_ / kCells;
    for (int patch = 0; patch < kRainPatches; ++patch) {
        // Each shower drifts slowly round the antenna from frame to frame.
        const double bearing = 360.0 * Noise(0, 1, uint64_t(patch)) + 0.5 * double(frame % 720);
        const double distance = rangeMetres_ * (0.3 + 0.5 * Noise(0, 2, uint64_t(patch)));
        const double radius = rangeMetres_ * 0.08;
        const double halfSpan = std::asin(std::min(radius / distance, 1.0)) * kDegrees;
        const int firstAzimuth = int(std::floor((bearing - halfSpan) / 360.0 * kAzimuths));
        const int lastAzimuth = int(std::ceil((bearing + halfSpan) / 360.0 * kAzimuths));
        const int firstCell = std::max(0, int((distance - radius) / cellMetres));
        const int lastCell = std::min(kCells - 1, int((distance + radius) / cellMetres));
        const double centreEast = distance * std::sin(bearing / kDegrees);
        const double centreNorth = distance * std::cos(bearing / kDegrees);
        for (int a = firstAzimuth; a <= lastAzimuth; ++a) {
            const int azimuth = ((a % kAzimuths) + kAzimuths) % kAzimuths;
            const Direction direction = AzimuthDirections()[size_t(azimuth)];
            for (int c = firstCell; c <= lastCell; ++c) {
                const double d = (c + 0.5) * cellMetres;
                const double off = std::hypot(d * direction.east - centreEast, d * direction.north - centreNorth);
                if (off >= radius)
                    continue;
                const double echo = strength * (1.0 - off / radius) * 1.6 *
                                    Noise(frame, uint64_t(azimuth) | uint64_t(patch + 1) << 16, uint64_t(c));
                cell(azimuth, c) = std::max(cell(azimuth, c), uint8_t(std::min(echo, 255.0)));
            }
        }
    }
}

void RadarPicture::Paint(int32_t gain, int32_t palette)
{
    const int threshold = int((99 - std::clamp(gain, 0, 99)) * 1.5);
    std::array<QRgb, 256> colours{};
    for (int v = 0; v < 256; ++v)
        colours[size_t(v)] = v > 0 && v >= threshold ? EchoColour(v, palette) : qRgba(0, 0, 0, 0);
    image_ = QImage(kImageSide, kImageSide, QImage::Format_ARGB32_Premultiplied);
    const std::vector<int32_t>& pixelCells = PixelCells();
    for (int j = 0; j < kImageSide; ++j) {
        auto* line = reinterpret_cast<QRgb*>(image_.scanLine(j));
        const int32_t* row = pixelCells.data() + size_t(j) * kImageSide;
        for (int i = 0; i < kImageSide; ++i)
            line[i] = row[i] < 0 ? 0 : colours[cells_[size_t(row[i])]];
    }
}

}  // namespace chartengine
