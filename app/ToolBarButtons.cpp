#include "app/ToolBarButtons.h"

#include "app/MainWindowControls.h"
#include "frame/SharedTables.h"

#include <QAction>
#include <QComboBox>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>

namespace {

constexpr int ReservedWidth = 246;
constexpr int FixedButtons = 20;
constexpr int ButtonHeight = 26;

// A control of the bar is shown while its action is: the bar shows its widgets only as it lays
// itself out.
bool ShownOnBar(const QToolBar* bar, const QWidget* control)
{
    for (QAction* action : bar->actions())
        if (bar->widgetForAction(action) == control)
            return action->isVisible();
    return !control->isHidden();
}

}  // namespace

void FitToolBarButtons(MainWindowControls& c)
{
    const QToolBar* bar = c.ToolBar1;
    int freeWidth = ScreenWidth - ReservedWidth;
    if (!ShownOnBar(bar, c.DispMode))
        freeWidth += c.DispMode->width();
    int buttons = FixedButtons;
    for (const QToolButton* optional :
         {c.Show2DBtn, c.Show3DBtn, c.WeatherBtn, c.RadarBtn, c.AisBtn, c.Arpa1Btn, c.Arpa2Btn})
        if (ShownOnBar(bar, optional))
            ++buttons;
    const int width = std::max(freeWidth, 0) / buttons;
    for (QAction* action : bar->actions())
        if (auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(action)))
            button->setFixedSize(width, ButtonHeight);
}

void ShowToolBarButton(MainWindowControls& c, QToolButton* button)
{
    SetBarControlVisible(button, true);
    FitToolBarButtons(c);
}
