#pragma once
// A paint box: a plain widget whose picture and size changes the main window handles. Its paint
// events go to paint, with a painter on the widget, and its size changes to resized.

#include <QObject>

#include <functional>

class QPainter;
class QWidget;

class PaintBox : public QObject {
public:
    // The handler lives as long as the widget.
    static void Install(QWidget* box, std::function<void(QPainter&)> paint, std::function<void()> resized);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    PaintBox(QWidget* box, std::function<void(QPainter&)> paint, std::function<void()> resized);

    std::function<void(QPainter&)> paint_;
    std::function<void()> resized_;
};
