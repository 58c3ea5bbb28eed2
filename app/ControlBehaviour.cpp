#include "app/ControlBehaviour.h"

#include <QGroupBox>
#include <QRadioButton>
#include <QWidget>

void ConnectClick(QAbstractButton* button, std::function<void()> handler)
{
    const bool radio = qobject_cast<QRadioButton*>(button) != nullptr;
    QObject::connect(button, &QAbstractButton::toggled, button,
                     [radio, handler = std::move(handler)](bool checked) {
                         if (checked || !radio)
                             handler();
                     });
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
