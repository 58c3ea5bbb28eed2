// The Qt mouse events of the chart paint boxes and the window's wheel, handed to the main
// window's chart mouse handlers.

#include "app/ChartMouse.h"
#include "app/TForm1.h"

#include <QEvent>
#include <QMouseEvent>
#include <QWheelEvent>

#include <functional>

namespace {

int32_t ButtonNumber(Qt::MouseButton button)
{
    switch (button) {
    case Qt::RightButton:
        return RightButton;
    case Qt::MiddleButton:
        return MiddleButton;
    default:
        return LeftButton;
    }
}

// A press, and the second press of a fast double click (Qt turns it into a double-click event
// in place of a press), go to press; moves to move; wheel turns to wheel.
class ChartMouseFilter : public QObject {
public:
    using Press = std::function<void(QObject*, int32_t, Qt::KeyboardModifiers, int32_t, int32_t)>;
    using Move = std::function<void(QObject*, Qt::KeyboardModifiers, int32_t, int32_t)>;
    using Wheel = std::function<bool(QObject*, Qt::KeyboardModifiers, int32_t, const QPoint&)>;

    ChartMouseFilter(QObject* watched, Press press, Move move, Wheel wheel)
        : QObject(watched), press_(std::move(press)), move_(std::move(move)), wheel_(std::move(wheel))
    {
        watched->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
            if (!press_)
                return false;
            const auto* mouse = static_cast<QMouseEvent*>(event);
            const QPoint at = mouse->position().toPoint();
            press_(watched, ButtonNumber(mouse->button()), mouse->modifiers(), at.x(), at.y());
            return true;
        }
        case QEvent::MouseMove: {
            if (!move_)
                return false;
            const auto* mouse = static_cast<QMouseEvent*>(event);
            const QPoint at = mouse->position().toPoint();
            move_(watched, mouse->modifiers(), at.x(), at.y());
            return true;
        }
        case QEvent::Wheel: {
            if (!wheel_)
                return false;
            const auto* turn = static_cast<QWheelEvent*>(event);
            return wheel_(watched, turn->modifiers(), turn->angleDelta().y(), turn->position().toPoint());
        }
        default:
            return false;
        }
    }

private:
    Press press_;
    Move move_;
    Wheel wheel_;
};

}  // namespace

void TForm1::ConnectChartMouse()
{
    CM93->setMouseTracking(true);
    new ChartMouseFilter(
        CM93,
        [this](QObject* sender, int32_t button, Qt::KeyboardModifiers shift, int32_t x, int32_t y) {
            CM93MouseDown(sender, button, shift, x, y);
        },
        [this](QObject* sender, Qt::KeyboardModifiers shift, int32_t x, int32_t y) {
            CM93MouseMove(sender, shift, x, y);
        },
        [this](QObject* sender, Qt::KeyboardModifiers shift, int32_t delta, const QPoint& at) {
            bool handled = false;
            FormMouseWheel(sender, shift, delta, at, handled);
            return handled;
        });
    new ChartMouseFilter(
        CM93mini,
        [this](QObject* sender, int32_t button, Qt::KeyboardModifiers shift, int32_t x, int32_t y) {
            CM93miniMouseDown(sender, button, shift, x, y);
        },
        nullptr, nullptr);
    // Over the chart the wheel is the chart's; elsewhere the turns no control took reach the
    // window.
    new ChartMouseFilter(this, nullptr, nullptr,
                         [this](QObject* sender, Qt::KeyboardModifiers shift, int32_t delta, const QPoint& at) {
                             bool handled = false;
                             FormMouseWheel(sender, shift, delta, at, handled);
                             return handled;
                         });
}
