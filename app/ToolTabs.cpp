#include "app/ToolTabs.h"

#include "app/MainWindowControls.h"

#include <QTabWidget>

void ShowToolTabSide(MainWindowControls& c, ToolTabSide side)
{
    const int threeD = c.ToolDlg->indexOf(c.Tab3D);
    const int target = c.ToolDlg->indexOf(c.TabAis);
    const bool toTarget = side == ToolTabSide::Target;
    const int shown = toTarget ? target : threeD;
    const int hidden = toTarget ? threeD : target;
    c.ToolDlg->setTabVisible(shown, true);
    if (c.ToolDlg->currentIndex() == hidden)
        c.ToolDlg->setCurrentIndex(shown);
    c.ToolDlg->setTabVisible(hidden, false);
}
