#pragma once
// A paint box: a plain widget whose picture and size changes the main window handles. Its paint
// events go to paint, with a painter on the widget and the rectangle to be drawn, and its size
// changes to resized.

#include <QObject>

#include <functional>

class QPainter;
class QRect;
class QWidget;

class PaintBox : public QObject {
public:
    // The handler lives as long as the widget.
    static void Install(QWidget* box, std::function<void(QPainter&, const QRect&)> paint,
                        std::function<void()> resized);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    PaintBox(QWidget* box, std::function<void(QPainter&, const QRect&)> paint, std::function<void()> resized);

    std::function<void(QPainter&, const QRect&)> paint_;
    std::function<void()> resized_;
};
