#include "app/ControlBehaviour.h"

#include <QGroupBox>
#include <QMouseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSpinBox>
#include <QWidget>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

// Takes the left button's press and release over the control it watches and runs the handler
// when the release is still over it.
class ClickFilter : public QObject {
public:
    ClickFilter(QWidget* control, std::function<void()> handler) : QObject(control), handler_(std::move(handler)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonRelease)
            return false;
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton)
            return false;
        const auto* control = static_cast<QWidget*>(watched);
        if (event->type() == QEvent::MouseButtonRelease && control->rect().contains(mouse->position().toPoint()))
            handler_();
        return true;
    }

private:
    std::function<void()> handler_;
};

}  // namespace

void ConnectClick(QAbstractButton* button, std::function<void()> handler)
{
    const bool radio = qobject_cast<QRadioButton*>(button) != nullptr;
    QObject::connect(button, &QAbstractButton::toggled, button,
                     [radio, handler = std::move(handler)](bool checked) {
                         if (checked || !radio)
                             handler();
                     });
}

void ConnectWidgetClick(QWidget* control, std::function<void()> handler)
{
    control->installEventFilter(new ClickFilter(control, std::move(handler)));
}

namespace {

QList<QRadioButton*> RadioGroupItems(const QGroupBox* group)
{
    return group->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly);
}

}  // namespace

void SetRadioGroupItem(QGroupBox* group, int index)
{
    const QList<QRadioButton*> items = RadioGroupItems(group);
    if (index >= 0 && index < items.size())
        items[index]->setChecked(true);
}

int RadioGroupItem(const QGroupBox* group)
{
    const QList<QRadioButton*> items = RadioGroupItems(group);
    for (int index = 0; index < items.size(); ++index)
        if (items[index]->isChecked())
            return index;
    return -1;
}

void ShowForm(QWidget* form)
{
    if (!form)
        return;
    form->show();
    form->raise();
    form->activateWindow();
}

namespace {

class UpDownControl : public QSpinBox {
public:
    explicit UpDownControl(QWidget* parent) : QSpinBox(parent) { lineEdit()->setReadOnly(true); }

    void stepBy(int steps) override
    {
        const UpDownDirection before = direction_;
        direction_ = steps > 0 ? UpDownDirection::Up : UpDownDirection::Down;
        QSpinBox::stepBy(steps);
        direction_ = before;
    }

    UpDownDirection direction() const { return direction_; }

private:
    UpDownDirection direction_ = UpDownDirection::None;
};

}  // namespace

QSpinBox* NewUpDown(QWidget* parent)
{
    return new UpDownControl(parent);
}

void ConnectUpDown(QSpinBox* upDown, std::function<void(UpDownDirection)> handler)
{
    QObject::connect(upDown, &QSpinBox::valueChanged, upDown, [upDown, handler = std::move(handler)](int) {
        const auto* control = dynamic_cast<const UpDownControl*>(upDown);
        handler(control ? control->direction() : UpDownDirection::None);
    });
}

void SetUpDownPosition(QSpinBox* upDown, int position)
{
    // A position out of range is taken at the nearer end, as the up-down itself does.
    const int bounded = std::clamp(position, upDown->minimum(), upDown->maximum());
    if (upDown->value() == bounded)
        emit upDown->valueChanged(bounded);
    else
        upDown->setValue(bounded);
}

namespace {

// Marks the time the user's own mouse and key input is handled.
class CheckListControl : public QListWidget {
public:
    using QListWidget::QListWidget;

    bool userActing() const { return userActing_; }

protected:
    void mousePressEvent(QMouseEvent* event) override { asUser([&] { QListWidget::mousePressEvent(event); }); }
    void mouseReleaseEvent(QMouseEvent* event) override { asUser([&] { QListWidget::mouseReleaseEvent(event); }); }
    void mouseDoubleClickEvent(QMouseEvent* event) override
    {
        asUser([&] { QListWidget::mouseDoubleClickEvent(event); });
    }
    void keyPressEvent(QKeyEvent* event) override { asUser([&] { QListWidget::keyPressEvent(event); }); }

private:
    template <typename Handling>
    void asUser(Handling handling)
    {
        const bool before = userActing_;
        userActing_ = true;
        handling();
        userActing_ = before;
    }

    bool userActing_ = false;
};

}  // namespace

QListWidget* NewCheckList(QWidget* parent)
{
    return new CheckListControl(parent);
}

void ConnectClickCheck(QListWidget* list, std::function<void()> handler)
{
    // The list reports every change of an item, its enabled state too: only a changed check mark
    // is a click-check, and the handler's own changes to the marks do not run it again.
    struct Watch {
        std::vector<Qt::CheckState> marks;
        bool running = false;
    };
    const auto watch = std::make_shared<Watch>();
    const auto marks = [list] {
        std::vector<Qt::CheckState> states;
        for (int i = 0; i < list->count(); ++i)
            states.push_back(list->item(i)->checkState());
        return states;
    };
    watch->marks = marks();
    QObject::connect(list, &QListWidget::itemChanged, list,
                     [list, watch, marks, handler = std::move(handler)](QListWidgetItem*) {
                         std::vector<Qt::CheckState> now = marks();
                         const bool changed = now != watch->marks;
                         watch->marks = std::move(now);
                         const auto* control = dynamic_cast<const CheckListControl*>(list);
                         if (!changed || watch->running || !control || !control->userActing())
                             return;
                         watch->running = true;
                         handler();
                         watch->running = false;
                     });
}
