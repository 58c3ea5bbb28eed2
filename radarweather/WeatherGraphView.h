#pragma once
// The weather dialog's graph view: a chart view that lets its owner draw over each painted chart
// (the scene's coordinates, those of the chart).

#include <QChartView>

#include <functional>

class WeatherGraphView : public QChartView {
public:
    using QChartView::QChartView;

    std::function<void(QPainter& painter)> afterDraw;

protected:
    void drawForeground(QPainter* painter, const QRectF& rect) override
    {
        QChartView::drawForeground(painter, rect);
        if (afterDraw)
            afterDraw(*painter);
    }
};
