#include "app/ControlBehaviour.h"

#include <QGroupBox>
#include <QMouseEvent>
#include <QRadioButton>
#include <QWidget>

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
