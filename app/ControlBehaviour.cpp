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

void SetRadioGroupItem(QGroupBox* group, int index)
{
    const QList<QRadioButton*> items = group->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly);
    if (index >= 0 && index < items.size())
        items[index]->setChecked(true);
}

void ShowForm(QWidget* form)
{
    if (!form)
        return;
    form->show();
    form->raise();
    form->activateWindow();
}
