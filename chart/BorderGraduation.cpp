#include "chart/BorderGraduation.h"

#include "chart/ChartRedraw.h"
#include "chart/ChartWindow.h"
#include "chart/MapView.h"
#include "chart/OverlayColours.h"
#include "platform/geodesy/NormalisedCoordinates.h"
#include "platform/geodesy/PositionComputation.h"

#include <QApplication>
#include <QPalette>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <optional>

const std::array<float, 28> GraduationSteps{3,      6,      9,      15,     30,     60,      90,      150,     300,    600,
                                            900,    1500,   3000,   4500,   6000,   9000,    18000,   36000,   72000,  90000,
                                            180000, 270000, 360000, 540000, 810000, 1080000, 1620000, 2160000};

namespace {

constexpr double Degrees90 = 90.0 * GraduationDegree;
constexpr double Degrees180 = 180.0 * GraduationDegree;
constexpr double Degrees360 = 360.0 * GraduationDegree;
constexpr int LastLatitudeStep = 24;
constexpr int LastLongitudeStep = 25;
constexpr double UnitsPerMile = 300.0;
constexpr int MaxScaleSegments = 10000;
constexpr int TickLength = 8;

QColor WindowColour() { return QApplication::palette().color(QPalette::Base); }

int32_t Normalised(double units) { return cmgbase::deg2nrm(units / GraduationDegree); }

// Longitudes beyond +-180 degrees folded back for projecting and labelling.
double Folded(double units)
{
    while (units >= Degrees180)
        units -= Degrees360;
    while (units < -Degrees180)
        units += Degrees360;
    return units;
}

class Graduation {
public:
    Graduation(ChartWindow& window, QPainter& canvas)
        : window_(window), canvas_(canvas), left_(window.chartRect.left), top_(window.chartRect.top),
          right_(window.chartRect.right), bottom_(window.chartRect.bottom)
    {
    }

    bool measure()
    {
        west_ = cmgbase::nrm2deg(ViewGeoRect.x1) * GraduationDegree;
        south_ = cmgbase::nrm2deg(ViewGeoRect.y1) * GraduationDegree;
        double east = cmgbase::nrm2deg(ViewGeoRect.x2) * GraduationDegree;
        const double north = cmgbase::nrm2deg(ViewGeoRect.y2) * GraduationDegree;
        if (east < west_)
            east += Degrees360;
        const double span = north - south_;
        if (!(span > 0) || span >= Degrees180)
            return false;
        latitude_ = LatitudeGraduation(south_, north);
        longitude_ = LongitudeGraduation(west_, east);
        return true;
    }

    void draw()
    {
        canvas_.setBrush(Qt::NoBrush);
        scaleBar();
        canvas_.setPen(OverlayPen(UserColour(6), 1));
        canvas_.drawLine(left_ + 3, top_, left_ + 3, bottom_);
        canvas_.drawLine(left_ + 7, top_, left_ + 7, bottom_);
        canvas_.drawLine(left_, bottom_, left_ + 13, bottom_);
        canvas_.setPen(OverlayPen(WindowTextColour(), 1));
        latitudeTicks();
        longitudeTicks();
        frame();
    }

private:
    std::optional<ScreenPoint> pixel(double longitude, double latitude) const
    {
        ScreenPoint p;
        if (!MainMapView || !MainMapView->GeoToScreen(window_.chartRect, {Normalised(Folded(longitude)), Normalised(latitude)}, p))
            return std::nullopt;
        return p;
    }

    void segment(int k, int32_t from, int32_t to, const QColor& barColour)
    {
        canvas_.setPen(OverlayPen(k % 2 == 0 ? barColour : WindowColour(), 1));
        for (int x = left_ + 3; x <= left_ + 6; ++x)
            canvas_.drawLine(x, from, x, to);
    }

    void scaleBar()
    {
        const ScaleBarSegment bar = ScaleBarSegmentAt(window_.chartLevel);
        const QColor barColour = UserColour(bar.colour);
        if (window_.viewRotation == 0.0f) {
            int32_t previous = bottom_;
            int k = 0;
            for (double v = latitude_.start; v <= latitude_.end && k < MaxScaleSegments; v += bar.length, ++k) {
                const std::optional<ScreenPoint> p = pixel(west_, v);
                if (!p)
                    break;
                segment(k, previous, p->y, barColour);
                previous = p->y;
            }
            return;
        }
        // Turned: the segments are measured off upwards along the chart's up direction.
        cmgbase::GeoPoint at;
        if (!MainMapView || !MainMapView->ScreenToGeo(window_.chartRect, {left_ + 3, bottom_ - 30}, at))
            return;
        std::optional<ScreenPoint> previous = pixel(cmgbase::nrm2deg(at.x) * GraduationDegree, cmgbase::nrm2deg(at.y) * GraduationDegree);
        double y = bottom_ - 30;
        const float bearing = static_cast<float>(window_.viewRotation * std::numbers::pi / 180.0);
        for (int k = 0; previous && y > top_ && k < MaxScaleSegments; ++k) {
            cmgbase::GeoPoint next;
            if (cmgbase::DirPosComputation_f(at, &next, bearing, static_cast<float>(bar.length / UnitsPerMile), 0) != 0)
                return;
            ScreenPoint p;
            if (!MainMapView->GeoToScreen(window_.chartRect, next, p))
                return;
            const double length = std::hypot(double(p.x) - previous->x, double(p.y) - previous->y);
            if (!(length >= 1.0))
                return;
            segment(k, int32_t(y), int32_t(y - length), barColour);
            y -= length;
            at = next;
            previous = p;
        }
    }

    void label(const std::string& text, int x, int y)
    {
        const QFontMetrics metrics = canvas_.fontMetrics();
        canvas_.drawText(QPoint(x, y + metrics.ascent()), QString::fromStdString(text));
    }

    void latitudeTicks()
    {
        for (int i = 0;; ++i) {
            const double v = latitude_.start + i * latitude_.minor;
            if (v > latitude_.end)
                break;
            const std::optional<ScreenPoint> p = pixel(west_, v);
            if (!p)
                continue;
            if ((i + latitude_.phase) % 5 == 0) {
                canvas_.drawLine(left_, p->y, right_, p->y);
                label(FormatGraduationLabel(static_cast<int32_t>(std::lround(v)), latitude_.precision), left_ + 9, p->y - 13);
            } else {
                canvas_.drawLine(left_, p->y, left_ + TickLength, p->y);
                canvas_.drawLine(right_ - TickLength, p->y, right_, p->y);
            }
        }
    }

    void longitudeTicks()
    {
        for (int i = 0;; ++i) {
            const double v = longitude_.start + i * longitude_.minor;
            if (v >= longitude_.end)
                break;
            const std::optional<ScreenPoint> p = pixel(v, south_);
            if (!p)
                continue;
            if ((i + longitude_.phase) % 5 == 0) {
                canvas_.drawLine(p->x, top_, p->x, bottom_);
                label(FormatGraduationLabel(static_cast<int32_t>(std::lround(Folded(v))), longitude_.precision), p->x + 3,
                      top_ + 4);
            } else {
                canvas_.drawLine(p->x, top_, p->x, top_ + TickLength);
                canvas_.drawLine(p->x, bottom_ - TickLength, p->x, bottom_);
            }
        }
    }

    void rectangle(int inset)
    {
        canvas_.drawRect(QRect(QPoint(left_ + inset, top_ + inset), QPoint(right_ - inset - 1, bottom_ - inset - 1)));
    }

    void frame()
    {
        canvas_.setPen(OverlayPen(WindowTextColour(), 1));
        rectangle(0);
        rectangle(3);
        canvas_.setPen(OverlayPen(WindowColour(), 1));
        rectangle(1);
        rectangle(2);
    }

    ChartWindow& window_;
    QPainter& canvas_;
    int32_t left_, top_, right_, bottom_;
    double west_ = 0, south_ = 0;
    GraduationAxis latitude_, longitude_;
};

}  // namespace

int GraduationStepIndex(double span, int parts, int last)
{
    for (int k = 0; k < last; ++k)
        if (GraduationSteps[size_t(k)] >= span / parts)
            return k;
    return last;
}

GraduationAxis LatitudeGraduation(double south, double north)
{
    GraduationAxis a;
    const int index = GraduationStepIndex(north - south, 3, LastLatitudeStep);
    a.step = GraduationSteps[size_t(index)];
    a.minor = a.step * 0.2;
    a.precision = GraduationPrecision(index);
    a.start = a.step * std::floor(south / a.step);
    a.end = a.step * std::ceil(north / a.step);
    while (a.end >= Degrees90)
        a.end -= a.minor;
    while (a.start <= -Degrees90) {
        a.start += a.minor;
        a.phase = (a.phase + 1) % 5;
    }
    return a;
}

GraduationAxis LongitudeGraduation(double west, double east)
{
    GraduationAxis a;
    double width = east - west;
    if (width < 0)
        width += Degrees360;
    const int index = GraduationStepIndex(width, 4, LastLongitudeStep);
    a.step = GraduationSteps[size_t(index)];
    a.minor = a.step * 0.2;
    a.precision = GraduationPrecision(index);
    a.start = a.step * std::floor(west / a.step);
    const double last = a.step * std::floor(east / a.step);
    a.end = last == a.start ? last : last + a.step;
    return a;
}

int GraduationPrecision(int stepIndex) { return stepIndex < 8 ? 2 : stepIndex < 16 ? 1 : 0; }

ScaleBarSegment ScaleBarSegmentAt(int32_t chartLevel)
{
    if (chartLevel <= 2)
        return {15, 4};
    if (chartLevel <= 9)
        return {150, 1};
    if (chartLevel <= 14)
        return {1500, 6};
    if (chartLevel == 15)
        return {9000, 2};
    return {90000, 2};
}

std::string FormatGraduationLabel(int32_t value, int precision)
{
    int64_t seconds = std::min<int64_t>(std::abs(int64_t(value) / 5), 648000);
    const int degrees = static_cast<int>(seconds / 3600);
    const float minutes = static_cast<float>(seconds - int64_t(degrees) * 3600) / 60.0f;
    char text[32];
    switch (precision) {
    case 0: std::snprintf(text, sizeof text, "%d", degrees); break;
    case 1: std::snprintf(text, sizeof text, "%d %02.0f'", degrees, double(minutes)); break;
    case 2: std::snprintf(text, sizeof text, "%d %04.1f'", degrees, double(minutes)); break;
    default: return {};
    }
    return text;
}

void DrawBorderGraduation(ChartWindow& window, QPainter& canvas)
{
    Graduation graduation(window, canvas);
    if (graduation.measure())
        graduation.draw();
}
