#pragma once
// The engine's tide graph: one port's tide over a day, drawn from its half-hour samples (00:00 to
// 24:00 of the port's standard time) at an automatic scale or from 0 to a chosen height, with
// the hours along the bottom and the heights at the left. Moving the mouse over it reports the
// height and the time under the pointer.

#include "platform/chartengine/EngineStatus.h"
#include "platform/chartengine/TidesDatabase.h"

#include <QDateTime>
#include <QWidget>

#include <functional>
#include <optional>

namespace chartengine {

class TidesWindow : public QWidget {
public:
    explicit TidesWindow(QWidget* parent = nullptr);

    // The port the graph shows (a copy); none clears the graph.
    void SetPort(const TidesPort* port);
    // Samples the port's day at every step hours; kNotReady without a port.
    HResult Calculate(const QDate& date, double stepHours);
    // The vertical range in metres; a maximum of 0 or below gives the automatic scale.
    void SetScale(double minimum, double maximum);

    // The height and the port time under the mouse, as it moves over the curve.
    std::function<void(double height, const QDateTime& time)> mouseAction;

    // The vertical range drawn: the chosen one, or the day's lowest and highest tide widened a
    // little; nothing before a calculation.
    std::optional<std::pair<double, double>> DrawnRange() const;
    // The height and time of a pixel column; nothing outside the curve.
    std::optional<std::pair<double, QDateTime>> ValueAt(int x) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QRect plotArea() const;
    int pixelY(double height, const QRect& area, const std::pair<double, double>& range) const;

    std::optional<TidesPort> port_;
    QDate date_;
    double step_ = 0.5;
    double scaleMinimum_ = 0.0;
    double scaleMaximum_ = 0.0;
};

}  // namespace chartengine
