// Makes the weather dialog's legend pictures, "wind.bmp", "temperature.bmp",
// "precipitation.bmp", "pressure.bmp", "waves.bmp" and "current.bmp", drawn with the weather
// layer's own symbols, scales and day colours of the "wthr" symbolization.
//
// weather-legend-make <output folder>

#include "platform/chartengine/SymbolizationRegistry.h"
#include "platform/chartengine/WeatherDrawing.h"

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <iostream>

namespace {

using namespace chartengine;

constexpr int kWidth = 260, kHeight = 140;
constexpr double kKnot = 0.514444;  // m/s

std::vector<QColor> DayRamp()
{
    std::unique_ptr<Symbolization> weather;
    SymbolizationRegistry().CreateSymbolization(Guid{}, kWeatherSymbolizationName, {1, 1}, &weather);
    return weather ? WeatherRamp(*weather, 0) : std::vector<QColor>{};
}

// A picture with its title; draw gets the painter in pixels (y down) below the title.
QImage Legend(const QString& title, const std::function<void(QPainter&)>& draw)
{
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font = painter.font();
    font.setPixelSize(13);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QRect(8, 4, kWidth - 16, 20), Qt::AlignLeft | Qt::AlignVCenter, title);
    font.setPixelSize(11);
    font.setBold(false);
    painter.setFont(font);
    draw(painter);
    return image;
}

// Runs symbol with the painter's y growing upwards about the pixel at.
void Upwards(QPainter& painter, QPointF at, const std::function<void()>& symbol)
{
    painter.save();
    painter.translate(at);
    painter.scale(1, -1);
    symbol();
    painter.restore();
}

void Caption(QPainter& painter, QPointF at, const QString& text)
{
    painter.setPen(Qt::black);
    painter.drawText(QRectF(at.x() - 30, at.y(), 60, 16), Qt::AlignHCenter | Qt::AlignTop, text);
}

// A row of shaded swatches over white, as the layer shades the chart, with their values.
void Swatches(QPainter& painter, const std::vector<QColor>& ramp, const std::vector<std::pair<double, QString>>& steps,
              const std::function<double(double)>& shade, int top)
{
    const double width = (kWidth - 16.0) / static_cast<double>(steps.size());
    for (size_t i = 0; i < steps.size(); ++i) {
        const QRectF box(8 + i * width, top, width, 36);
        painter.fillRect(box, ShadeColour(ramp, shade(steps[i].first)));
        painter.setPen(QColor(160, 160, 160));
        painter.drawRect(box);
        Caption(painter, QPointF(box.center().x(), box.bottom() + 4), steps[i].second);
    }
}

QImage Wind(const std::vector<QColor>&)
{
    return Legend("Wind barbs (knots)", [](QPainter& painter) {
        const int knots[] = {0, 5, 10, 15, 20, 50, 65};
        for (size_t i = 0; i < std::size(knots); ++i) {
            const QPointF at(24 + i * 35.0, 110);
            painter.setPen(QPen(WeatherInk(0), 1.3));
            painter.setBrush(WeatherInk(0));
            // Wind from the north: downwind points south.
            Upwards(painter, at, [&] { DrawWindBarb(painter, QPointF(0, 0), QPointF(0, -1), knots[i] * kKnot); });
            Caption(painter, at + QPointF(0, 8), QString::number(knots[i]));
        }
    });
}

QImage Temperature(const std::vector<QColor>& ramp)
{
    return Legend("Air temperature at 2 m (\u00B0C)", [&](QPainter& painter) {
        std::vector<std::pair<double, QString>> steps;
        for (int c = -30; c <= 40; c += 10)
            steps.emplace_back(c + 273.15, QString::number(c));
        Swatches(painter, ramp, steps, TemperatureShade, 50);
    });
}

QImage Precipitation(const std::vector<QColor>& ramp)
{
    return Legend("Precipitation (mm/h)", [&](QPainter& painter) {
        std::vector<std::pair<double, QString>> steps;
        for (double mm : {0.2, 0.5, 1.0, 2.0, 5.0, 10.0, 20.0, 50.0})
            steps.emplace_back(mm, QString::number(mm));
        Swatches(painter, ramp, steps, PrecipitationShade, 50);
    });
}

QImage Pressure(const std::vector<QColor>&)
{
    return Legend("Pressure: isobars every 4 hPa", [](QPainter& painter) {
        const int levels[] = {1008, 1012, 1016};
        for (size_t i = 0; i < std::size(levels); ++i) {
            const double y = 50 + i * 30.0;
            painter.setPen(QPen(WeatherInk(0), 1.2));
            painter.setBrush(Qt::NoBrush);
            QPainterPath line(QPointF(10, y));
            line.cubicTo(QPointF(90, y - 18), QPointF(170, y + 18), QPointF(kWidth - 10, y));
            painter.drawPath(line);
            Upwards(painter, QPointF(kWidth / 2.0, y), [&] {
                DrawWeatherLabel(painter, QPointF(0, 0), QString::number(levels[i]));
            });
        }
    });
}

QImage Waves(const std::vector<QColor>& ramp)
{
    return Legend("Significant wave height (m)", [&](QPainter& painter) {
        std::vector<std::pair<double, QString>> steps;
        for (int m = 0; m <= 8; m += 1)
            steps.emplace_back(m, QString::number(m));
        Swatches(painter, ramp, steps, WaveShade, 32);
        painter.setPen(QPen(WeatherInk(0), 1.2));
        Upwards(painter, QPointF(20, 118), [&] { DrawFlowArrow(painter, QPointF(-9, 0), QPointF(1, 0), 18); });
        painter.setPen(Qt::black);
        painter.drawText(QRectF(40, 110, kWidth - 48, 16), Qt::AlignLeft | Qt::AlignVCenter,
                         "the way the waves run");
    });
}

QImage Current(const std::vector<QColor>& ramp)
{
    return Legend("Current (knots)", [&](QPainter& painter) {
        const double knots[] = {0.5, 1.0, 2.0, 4.0};
        for (size_t i = 0; i < std::size(knots); ++i) {
            const double y = 44 + i * 24.0;
            painter.setPen(QPen(CurrentColour(ramp), 1.6));
            Upwards(painter, QPointF(20, y),
                    [&] { DrawFlowArrow(painter, QPointF(0, 0), QPointF(1, 0), CurrentArrowLength(knots[i] * kKnot)); });
            painter.setPen(Qt::black);
            painter.drawText(QRectF(80, y - 8, 120, 16), Qt::AlignLeft | Qt::AlignVCenter,
                             QString::number(knots[i]) + " kn");
        }
    });
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: weather-legend-make <output folder>\n";
        return 2;
    }
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication application(argc, argv);
    const std::filesystem::path folder = argv[1];
    const std::vector<QColor> ramp = DayRamp();
    if (ramp.size() < 2) {
        std::cerr << "weather-legend-make: no weather colours\n";
        return 1;
    }
    const std::pair<const char*, QImage (*)(const std::vector<QColor>&)> legends[] = {
        {"wind.bmp", Wind},     {"temperature.bmp", Temperature}, {"precipitation.bmp", Precipitation},
        {"pressure.bmp", Pressure}, {"waves.bmp", Waves},         {"current.bmp", Current}};
    for (const auto& [name, make] : legends) {
        const std::filesystem::path file = folder / name;
        if (!make(ramp).save(QString::fromStdString(file.string()), "BMP")) {
            std::cerr << "weather-legend-make: cannot write " << file << "\n";
            return 1;
        }
    }
    return 0;
}
