#include "platform/components/IgpControls.h"

#include <QTabWidget>
#include <QWidget>

namespace Igpfunctions {

QWidget* GetCustomFormOwner(QWidget* control)
{
    return control ? control->window() : nullptr;
}

void iAlignVCenterControl(QWidget* control, const QWidget* reference)
{
    if (!control || !reference)
        return;
    const QPoint middle = reference->mapToGlobal(QPoint(0, reference->height() / 2));
    QWidget* parent = control->parentWidget();
    const int y = parent ? parent->mapFromGlobal(middle).y() : middle.y();
    control->move(control->x(), y - control->height() / 2);
}

bool iSetFocus(QWidget* control)
{
    if (!control || !control->isVisible() || !control->isEnabled() ||
        control->focusPolicy() == Qt::NoFocus)
        return false;
    control->setFocus(Qt::OtherFocusReason);
    return true;
}

int GetActivePageIndex(const QTabWidget* pages)
{
    return pages ? pages->currentIndex() : -1;
}

void SetActivePageIndex(QTabWidget* pages, int index)
{
    if (pages && index >= 0 && index < pages->count())
        pages->setCurrentIndex(index);
}

}  // namespace Igpfunctions
