#include "platform/chartengine/WeatherDrawing.h"

#include "platform/chartengine/GeoProjection.h"
#include "platform/chartengine/MapViewport.h"
#include "platform/chartengine/Symbolization.h"
#include "platform/geodesy/NormalisedCoordinates.h"

#include <QFont>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

namespace chartengine {

namespace {

constexpr double kSymbolSpacing = 40.0;   // pixels between thinned symbols
constexpr double kIsobarInterval = 4.0;   // hPa
constexpr int kShadeAlpha = 90;

struct Canvas {
    QPainter& painter;
    const WeatherScene& scene;
    QRectF view;   // device points, grown by a margin
};

std::optional<QPointF> Project(const WeatherScene& scene, double lat, double lon)
{
    const cmgbase::GeoPoint position{cmgbase::deg2nrm(lon), cmgbase::deg2nrm(std::clamp(lat, -85.0, 85.0))};
    cmgbase::MetricPoint metric{};
    DevicePoint device{};
    if (Failed(scene.projection->GeoToMetric(position, &metric)) ||
        Failed(scene.viewport->MetricToDevice(&metric, 1, &device)))
        return std::nullopt;
    return QPointF(device.x, device.y);
}

// The device direction of a vector given eastward and northward at a place; null when it has no
// length on the device.
std::optional<QPointF> DeviceDirection(const WeatherScene& scene, double lat, double lon, double east, double north)
{
    const double length = std::hypot(east, north);
    if (length <= 0)
        return std::nullopt;
    const double d = 0.05;
    const auto a = Project(scene, lat, lon);
    const auto b = Project(scene, lat + d * north / length,
                           lon + d * east / length / std::max(0.05, std::cos(lat * std::numbers::pi / 180.0)));
    if (!a || !b)
        return std::nullopt;
    const QPointF v = *b - *a;
    const double n = std::hypot(v.x(), v.y());
    if (n <= 0)
        return std::nullopt;
    return v / n;
}

QColor RampColour(const WeatherScene& scene, double fraction) { return ShadeColour(scene.ramp, fraction); }

// Every stride-th point of the grid (both ways), stride chosen for the symbol spacing.
int Stride(const WeatherScene& scene, const ForecastGrid& grid)
{
    const double lat = grid.south + grid.latStep * (grid.rows / 2);
    const double lon = grid.west + grid.lonStep * (grid.columns / 2);
    const auto a = Project(scene, lat, lon), b = Project(scene, lat + grid.latStep, lon + grid.lonStep);
    if (!a || !b)
        return 1;
    const double step = std::max(std::hypot(b->x() - a->x(), b->y() - a->y()) / std::numbers::sqrt2, 1e-3);
    return std::max(1, static_cast<int>(std::ceil(kSymbolSpacing / step)));
}

template <typename Visit>
void ForThinnedPoints(const Canvas& c, const ForecastGrid& grid, Visit visit)
{
    const int stride = Stride(c.scene, grid);
    for (int row = 0; row < grid.rows; row += stride)
        for (int column = 0; column < grid.columns; column += stride) {
            const double lat = grid.south + row * grid.latStep, lon = grid.west + column * grid.lonStep;
            const auto p = Project(c.scene, lat, lon);
            if (p && c.view.contains(*p))
                visit(lat, lon, *p);
        }
}

}  // namespace

void DrawWeatherLabel(QPainter& painter, const QPointF& device, const QString& text)
{
    const QPointF pixel = painter.transform().map(device);
    painter.save();
    painter.resetTransform();
    const QRectF box = painter.fontMetrics().boundingRect(text).adjusted(-2, 0, 2, 0);
    QRectF placed = box;
    placed.moveCenter(pixel);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 180));
    painter.drawRoundedRect(placed, 3, 3);
    painter.setPen(painter.brush().color().lightness() > 128 ? Qt::black : Qt::white);
    painter.drawText(placed, Qt::AlignCenter, text);
    painter.restore();
}

void DrawFlowArrow(QPainter& painter, const QPointF& from, const QPointF& direction, double length)
{
    const QPointF tip = from + direction * length;
    const QPointF side(-direction.y(), direction.x());
    painter.drawLine(from, tip);
    painter.drawLine(tip, tip - direction * 6 + side * 3.5);
    painter.drawLine(tip, tip - direction * 6 - side * 3.5);
}

void DrawWindBarb(QPainter& painter, const QPointF& p, const QPointF& downwind, double metresPerSecond)
{
    int knots = static_cast<int>(std::lround(metresPerSecond * 1.943844 / 5.0)) * 5;
    if (knots < 5) {
        painter.drawEllipse(p, 4, 4);
        return;
    }
    const QPointF staff = -downwind;
    const QPointF side(staff.y(), -staff.x());
    const double length = 28, gap = 4.5;
    painter.drawLine(p, p + staff * length);
    double at = length;
    while (knots >= 50) {
        const QPointF base = p + staff * at;
        painter.drawPolygon(QPolygonF{base, base - staff * gap * 1.6, base + side * 11 + staff * 2});
        at -= gap * 2;
        knots -= 50;
    }
    while (knots >= 10) {
        const QPointF base = p + staff * at;
        painter.drawLine(base, base + side * 11 + staff * 4);
        at -= gap;
        knots -= 10;
    }
    if (knots >= 5) {
        if (at == length)
            at -= gap;
        const QPointF base = p + staff * at;
        painter.drawLine(base, base + side * 6 + staff * 2);
    }
}

double TemperatureShade(double kelvin) { return (kelvin - 243.15) / 70.0; }

double WaveShade(double metres) { return metres / 8.0; }

double PrecipitationShade(double mmPerHour)
{
    return mmPerHour < 0.2 ? -1.0 : std::log10(mmPerHour / 0.2) / std::log10(50.0);
}

double CurrentArrowLength(double metresPerSecond) { return 8 + 16 * std::min(metresPerSecond, 2.0); }

std::vector<QColor> WeatherRamp(const Symbolization& weather, int32_t scheme)
{
    std::vector<QColor> ramp;
    ColourEntry entries[kS52ColourCount];
    if (weather.SchemeColours(scheme, kS52ColourCount, entries) == kOk)
        for (const ColourEntry& e : entries)
            ramp.push_back(QColor(e.colour & 0xFF, (e.colour >> 8) & 0xFF, (e.colour >> 16) & 0xFF));
    return ramp;
}

QColor ShadeColour(const std::vector<QColor>& ramp, double fraction)
{
    const auto last = static_cast<double>(ramp.size() - 1);
    QColor colour = ramp[static_cast<size_t>(std::lround(std::clamp(fraction, 0.0, 1.0) * last))];
    colour.setAlpha(kShadeAlpha);
    return colour;
}

QColor WeatherInk(int32_t scheme) { return scheme >= 3 ? QColor(200, 200, 200) : QColor(20, 20, 60); }

QColor CurrentColour(const std::vector<QColor>& ramp) { return ramp.front().darker(150); }

namespace {

// The grid of code at the scene's time, point by point; NaN where there is none.
std::vector<double> GridValues(const WeatherScene& scene, int32_t code, const ForecastGrid& grid, int component = 0)
{
    std::vector<double> values(static_cast<size_t>(grid.columns) * grid.rows, NAN);
    for (int row = 0; row < grid.rows; ++row)
        for (int column = 0; column < grid.columns; ++column) {
            double first = 0, second = 0;
            if (scene.forecast->ValueAt(code, scene.time, grid.south + row * grid.latStep,
                                        grid.west + column * grid.lonStep, &first, &second) == kOk)
                values[static_cast<size_t>(row) * grid.columns + column] = component == 0 ? first : second;
        }
    return values;
}

// Shades each grid cell whose four corners hold a value, by its mean through colourOf (none for
// an invalid colour).
template <typename ColourOf>
void ShadeCells(const Canvas& c, const ForecastGrid& grid, const std::vector<double>& values, ColourOf colourOf)
{
    c.painter.setPen(Qt::NoPen);
    for (int row = 0; row + 1 < grid.rows; ++row)
        for (int column = 0; column + 1 < grid.columns; ++column) {
            const size_t k = static_cast<size_t>(row) * grid.columns + column;
            const double corners[4] = {values[k], values[k + 1], values[k + grid.columns], values[k + grid.columns + 1]};
            if (std::any_of(std::begin(corners), std::end(corners), [](double v) { return std::isnan(v); }))
                continue;
            const QColor colour = colourOf((corners[0] + corners[1] + corners[2] + corners[3]) / 4);
            if (!colour.isValid())
                continue;
            const double lat = grid.south + row * grid.latStep, lon = grid.west + column * grid.lonStep;
            QPolygonF cell;
            for (auto [dy, dx] : {std::pair{0, 0}, {0, 1}, {1, 1}, {1, 0}})
                if (const auto p = Project(c.scene, lat + dy * grid.latStep, lon + dx * grid.lonStep))
                    cell << *p;
            if (cell.size() == 4 && cell.boundingRect().intersects(c.view)) {
                c.painter.setBrush(colour);
                c.painter.drawPolygon(cell);
            }
        }
}

void DrawIsobars(const Canvas& c, const ForecastGrid& grid)
{
    std::vector<double> hPa = GridValues(c.scene, kPressureMsl, grid);
    double low = 1e9, high = -1e9;
    for (double& v : hPa)
        if (!std::isnan(v)) {
            v /= 100.0;
            low = std::min(low, v);
            high = std::max(high, v);
        }
    if (low > high)
        return;
    c.painter.setPen(QPen(c.scene.ink, 1.2));
    c.painter.setBrush(Qt::NoBrush);
    for (double level = std::ceil(low / kIsobarInterval) * kIsobarInterval; level <= high; level += kIsobarInterval) {
        int segments = 0;
        for (int row = 0; row + 1 < grid.rows; ++row)
            for (int column = 0; column + 1 < grid.columns; ++column) {
                const size_t k = static_cast<size_t>(row) * grid.columns + column;
                // Corners counter-clockwise from the south-west, with their grid offsets.
                const double v[4] = {hPa[k], hPa[k + 1], hPa[k + grid.columns + 1], hPa[k + grid.columns]};
                const int dx[4] = {0, 1, 1, 0}, dy[4] = {0, 0, 1, 1};
                if (std::any_of(std::begin(v), std::end(v), [](double x) { return std::isnan(x); }))
                    continue;
                std::vector<QPointF> crossings;
                for (int e = 0; e < 4; ++e) {
                    const int f = (e + 1) % 4;
                    if ((v[e] < level) == (v[f] < level))
                        continue;
                    const double t = (level - v[e]) / (v[f] - v[e]);
                    const double lat = grid.south + (row + dy[e] + t * (dy[f] - dy[e])) * grid.latStep;
                    const double lon = grid.west + (column + dx[e] + t * (dx[f] - dx[e])) * grid.lonStep;
                    if (const auto p = Project(c.scene, lat, lon))
                        crossings.push_back(*p);
                }
                for (size_t i = 0; i + 1 < crossings.size(); i += 2) {
                    c.painter.drawLine(crossings[i], crossings[i + 1]);
                    const QPointF middle = (crossings[i] + crossings[i + 1]) / 2;
                    if (segments++ % 40 == 12 && c.view.contains(middle)) {
                        DrawWeatherLabel(c.painter, middle, QString::number(static_cast<int>(level)));
                        c.painter.setPen(QPen(c.scene.ink, 1.2));
                    }
                }
            }
    }
}

void DrawWind(const Canvas& c, const ForecastGrid& grid)
{
    c.painter.setPen(QPen(c.scene.ink, 1.3));
    c.painter.setBrush(c.scene.ink);
    ForThinnedPoints(c, grid, [&](double lat, double lon, const QPointF& p) {
        double u = 0, v = 0;
        if (c.scene.forecast->ValueAt(kWind10m, c.scene.time, lat, lon, &u, &v) != kOk)
            return;
        if (const auto downwind = DeviceDirection(c.scene, lat, lon, u, v))
            DrawWindBarb(c.painter, p, *downwind, std::hypot(u, v));
        else
            c.painter.drawEllipse(p, 4, 4);
    });
}

void DrawWaves(const Canvas& c, const ForecastGrid& grid)
{
    ShadeCells(c, grid, GridValues(c.scene, kWaveHeight, grid),
               [&](double metres) { return RampColour(c.scene, WaveShade(metres)); });
    if (!c.scene.forecast->Holds(kWaveDirection))
        return;
    c.painter.setPen(QPen(c.scene.ink, 1.2));
    ForThinnedPoints(c, c.scene.forecast->Series().at(kWaveDirection).grid, [&](double lat, double lon, const QPointF& p) {
        double from = 0, unused = 0;
        if (c.scene.forecast->ValueAt(kWaveDirection, c.scene.time, lat, lon, &from, &unused) != kOk)
            return;
        const double to = (from + 180.0) * std::numbers::pi / 180.0;
        if (const auto direction = DeviceDirection(c.scene, lat, lon, std::sin(to), std::cos(to)))
            DrawFlowArrow(c.painter, p - *direction * 9, *direction, 18);
    });
}

void DrawCurrent(const Canvas& c, const ForecastGrid& grid)
{
    c.painter.setPen(QPen(CurrentColour(c.scene.ramp), 1.6));
    ForThinnedPoints(c, grid, [&](double lat, double lon, const QPointF& p) {
        double u = 0, v = 0;
        if (c.scene.forecast->ValueAt(kCurrent, c.scene.time, lat, lon, &u, &v) != kOk)
            return;
        const double speed = std::hypot(u, v);
        if (speed < 0.05)
            return;
        if (const auto direction = DeviceDirection(c.scene, lat, lon, u, v))
            DrawFlowArrow(c.painter, p, *direction, CurrentArrowLength(speed));
    });
}

// Air temperature from -30 to +40 degrees Celsius across the ramp.
void DrawTemperature(const Canvas& c, const ForecastGrid& grid)
{
    ShadeCells(c, grid, GridValues(c.scene, kTemperature2m, grid),
               [&](double kelvin) { return RampColour(c.scene, TemperatureShade(kelvin)); });
}

void DrawPrecipitation(const Canvas& c, const ForecastGrid& grid)
{
    ShadeCells(c, grid, GridValues(c.scene, kPrecipitation, grid), [&](double mmPerHour) {
        const double shade = PrecipitationShade(mmPerHour);
        return shade < 0 ? QColor() : RampColour(c.scene, shade);
    });
}

}  // namespace

bool DrawWeatherScene(QPainter& painter, const WeatherScene& scene)
{
    if (!scene.forecast || scene.forecast->Empty() || !scene.projection || !scene.viewport || scene.ramp.size() < 2 ||
        !painter.device())
        return false;
    const QRectF pixels(0, 0, painter.device()->width(), painter.device()->height());
    bool invertible = false;
    const QTransform toDevice = painter.transform().inverted(&invertible);
    if (!invertible)
        return false;
    const Canvas canvas{painter, scene, toDevice.mapRect(pixels).adjusted(-50, -50, 50, 50)};
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font = painter.font();
    font.setPixelSize(11);
    painter.setFont(font);
    bool drawn = false;
    // Shading first, lines and symbols over it.
    const int32_t order[] = {kTemperature2m, kPrecipitation, kWaveHeight, kPressureMsl, kCurrent, kWind10m};
    for (int32_t code : order) {
        const auto found = scene.forecast->Series().find(code);
        if (!scene.shown.count(code) || found == scene.forecast->Series().end())
            continue;
        const ForecastGrid& grid = found->second.grid;
        switch (code) {
        case kTemperature2m: DrawTemperature(canvas, grid); break;
        case kPrecipitation: DrawPrecipitation(canvas, grid); break;
        case kWaveHeight: DrawWaves(canvas, grid); break;
        case kPressureMsl: DrawIsobars(canvas, grid); break;
        case kCurrent: DrawCurrent(canvas, grid); break;
        default: DrawWind(canvas, grid); break;
        }
        drawn = true;
    }
    painter.restore();
    return drawn;
}

}  // namespace chartengine
