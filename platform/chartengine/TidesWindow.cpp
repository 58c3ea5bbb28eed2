#include "platform/chartengine/TidesWindow.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTimeZone>

#include <algorithm>
#include <cmath>

namespace chartengine {

namespace {

constexpr int kMarginLeft = 44;
constexpr int kMarginRight = 10;
constexpr int kMarginTop = 10;
constexpr int kMarginBottom = 22;
constexpr double kAutoMarginShare = 0.1;
constexpr int kHoursPerDay = 24;
constexpr int kHourLabelEvery = 3;
constexpr int kHeightLines = 5;

}  // namespace

TidesWindow::TidesWindow(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::white);
    setPalette(colours);
}

void TidesWindow::SetPort(const TidesPort* port)
{
    if (port)
        port_.emplace(*port);
    else
        port_.reset();
    date_ = QDate();
    update();
}

HResult TidesWindow::Calculate(const QDate& date, double stepHours)
{
    if (!port_)
        return kNotReady;
    const HResult calculated = port_->Calculate(stepHours, date);
    if (Failed(calculated))
        return calculated;
    date_ = date;
    step_ = stepHours;
    return kOk;
}

void TidesWindow::SetScale(double minimum, double maximum)
{
    scaleMinimum_ = minimum;
    scaleMaximum_ = maximum;
}

std::optional<std::pair<double, double>> TidesWindow::DrawnRange() const
{
    if (!port_ || !date_.isValid() || port_->SampleCount() == 0)
        return std::nullopt;
    if (scaleMaximum_ > scaleMinimum_ && scaleMaximum_ > 0.0)
        return std::pair{scaleMinimum_, scaleMaximum_};
    double low = 0.0;
    double high = 0.0;
    port_->LowestHeight(&low);
    port_->HighestHeight(&high);
    const double margin = std::max(high - low, 0.1) * kAutoMarginShare;
    return std::pair{low - margin, high + margin};
}

QRect TidesWindow::plotArea() const
{
    return QRect(QPoint(kMarginLeft, kMarginTop), QPoint(width() - kMarginRight, height() - kMarginBottom));
}

int TidesWindow::pixelY(double height, const QRect& area, const std::pair<double, double>& range) const
{
    const double share = (height - range.first) / (range.second - range.first);
    return area.bottom() - static_cast<int>(std::lround(share * area.height()));
}

std::optional<std::pair<double, QDateTime>> TidesWindow::ValueAt(int x) const
{
    const QRect area = plotArea();
    if (!DrawnRange() || area.width() <= 0 || x < area.left() || x > area.right())
        return std::nullopt;
    const double hours = double(x - area.left()) / area.width() * kHoursPerDay;
    const double position = hours / step_;
    const int32_t last = port_->SampleCount() - 1;
    const int32_t before = std::clamp(static_cast<int32_t>(std::floor(position)), 0, last);
    const int32_t after = std::min(before + 1, last);
    double a = 0.0;
    double b = 0.0;
    port_->HeightAt(before, &a);
    port_->HeightAt(after, &b);
    const double height = a + (b - a) * (position - before);
    const QDateTime time(date_, QTime(0, 0), Qt::UTC);
    return std::pair{height, time.addSecs(static_cast<qint64>(std::lround(hours * 3600.0)))};
}

void TidesWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect area = plotArea();
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(area);
    const auto range = DrawnRange();
    if (!range || area.width() <= 0 || area.height() <= 0)
        return;
    const QFontMetrics metrics = painter.fontMetrics();
    painter.setPen(QPen(Qt::lightGray, 1, Qt::DotLine));
    for (int hour = 0; hour <= kHoursPerDay; hour += kHourLabelEvery) {
        const int x = area.left() + hour * area.width() / kHoursPerDay;
        painter.drawLine(x, area.top(), x, area.bottom());
        painter.save();
        painter.setPen(Qt::black);
        const QString label = QString::number(hour);
        painter.drawText(x - metrics.horizontalAdvance(label) / 2, area.bottom() + metrics.ascent() + 4, label);
        painter.restore();
    }
    for (int line = 0; line <= kHeightLines; ++line) {
        const double height = range->first + (range->second - range->first) * line / kHeightLines;
        const int y = pixelY(height, area, *range);
        painter.drawLine(area.left(), y, area.right(), y);
        painter.save();
        painter.setPen(Qt::black);
        const QString label = QString::asprintf("%.2f", height);
        painter.drawText(area.left() - metrics.horizontalAdvance(label) - 4, y + metrics.ascent() / 2, label);
        painter.restore();
    }
    QPolygon curve;
    for (int32_t i = 0; i < port_->SampleCount(); ++i) {
        double height = 0.0;
        port_->HeightAt(i, &height);
        const double hours = std::min(i * step_, double(kHoursPerDay));
        curve << QPoint(area.left() + static_cast<int>(std::lround(hours / kHoursPerDay * area.width())),
                        pixelY(height, area, *range));
    }
    painter.setClipRect(area);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0, 0, 160), 2));
    painter.drawPolyline(curve);
}

void TidesWindow::mouseMoveEvent(QMouseEvent* event)
{
    if (!mouseAction)
        return;
    if (const auto value = ValueAt(static_cast<int>(event->position().x())))
        mouseAction(value->first, value->second);
}

}  // namespace chartengine
