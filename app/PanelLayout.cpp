// The main window's layout handlers: the places of the chart and of the floating panels by the
// two Hide boxes, and of the pop-up dialogs beside the tool bars.

#include "app/PanelLayout.h"

#include "app/ControlBehaviour.h"
#include "app/TForm1.h"
#include "chart/ChartPresentation.h"
#include "chart/TPositionDlg.h"
#include "chart/TTideWin.h"
#include "frame/SharedTables.h"
#include "sensors/TArpaDlg.h"
#include "userdata/TDbObj.h"
#include "userdata/TQueryDlg.h"

#include <QCheckBox>
#include <QFrame>
#include <QToolBar>

namespace {

bool Shown(const QWidget* control)
{
    return !control->isHidden();
}

// A changed chart area gets the main view's colours anew, which redraws it; during the start-up
// the first redraw comes later anyway.
void ReapplyMainPresentation(TForm1& form)
{
    if (StartupDone)
        ApplyPresentation(form, true, false, PresentationColours);
}

}  // namespace

void TForm1::ConnectPanelLayout()
{
    ConnectClick(ckHide, [this] { ckHideClick(); });
    ConnectClick(ckHide2, [this] { ckHide2Click(true); });
}

// Checked, the chart takes the whole height and the tool bar lies over it (and hides until the
// mouse comes to the top edge); unchecked, the chart begins below the tool bar.
void TForm1::ckHideClick()
{
    const int top = ckHide->isChecked() ? 0 : ToolBar1->height();
    CM93->setGeometry(0, top, CM93->width(), ScreenHeight - top);
    ckHide2Click(false);
    ReapplyMainPresentation(*this);
}

// Checked, the side panel lies over the chart (and hides until the mouse comes to the right edge)
// and SlavePanel shows the cursor readout at the right edge; the LORAN panel, the dead-reckoning
// panel and the ETA panel stack down from the chart's top, below SlavePanel, right-aligned to the
// window's edge, or beside the side panel while that takes its own room. With resize the chart
// takes the width that is left to it.
void TForm1::ckHide2Click(bool resize)
{
    const bool panelOverChart = ckHide2->isChecked();
    SlavePanel->setVisible(panelOverChart);
    if (panelOverChart) {
        SlavePanel->move(width() - SlavePanel->width(), SlavePanel->y());
        LoranPanel->move(width() - LoranPanel->width(), LoranPanel->y());
    } else {
        LoranPanel->move(MainPanel->x() - LoranPanel->width(), LoranPanel->y());
    }
    const int chartTop = CM93->y();
    SlavePanel->move(SlavePanel->x(), chartTop);
    LoranPanel->move(LoranPanel->x(), chartTop + (Shown(SlavePanel) ? SlavePanel->height() : 0));
    const int loranBottom = LoranPanel->y() + (Shown(LoranPanel) ? LoranPanel->height() : 0);
    pnDR->move(LoranPanel->x() + LoranPanel->width() - pnDR->width(), loranBottom);
    EtaPanel->move(pnDR->x(), pnDR->y() + (Shown(pnDR) ? pnDR->height() : 0));
    if (!resize)
        return;
    CM93->resize(panelOverChart ? ScreenWidth : ScreenWidth - MainPanel->width(), CM93->height());
    ReapplyMainPresentation(*this);
}

// Each dialog that exists goes to the chart's top-left corner: below the tool bar while it shows,
// right of the drawing bars while one of them is open.
void TForm1::PlaceToolPanel()
{
    const int top = Shown(ToolBar1) ? ToolBar1->height() : 0;
    const int left = Shown(RouteBar) || Shown(SymbBar) || Shown(LineBar) ? RouteBar->width() : 0;
    const QPoint corner = mapToGlobal(QPoint(left, top));
    for (QWidget* dialog : std::initializer_list<QWidget*>{PositionDlg, ArpaDlg, DbObj, QueryDlg, TideWin})
        if (dialog)
            dialog->move(corner);
}

void PlaceBesideMainPanel(TForm1& form, QWidget& panel)
{
    const QPoint bottomRight = form.mapToGlobal(QPoint(form.MainPanel->x(), form.height()));
    panel.move(bottomRight.x() - panel.frameGeometry().width(), bottomRight.y() - panel.frameGeometry().height());
}
