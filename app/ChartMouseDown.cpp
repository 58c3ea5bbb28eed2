// A press on the main chart: the alarm acknowledgement and the swallowed click first, then the
// rules of the button; the middle button keeps a bearing line or pans the chart.

#include "app/ChartCursor.h"
#include "app/ChartMouse.h"
#include "app/Startup.h"
#include "app/TForm1.h"
#include "app/TickState.h"
#include "chart/ChartLevels.h"
#include "chart/ChartRedraw.h"
#include "chart/MapView.h"
#include "frame/SharedTables.h"
#include "sensors/ComPortControl.h"
#include "sensors/OwnShipState.h"

#include <QCursor>
#include <QLabel>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>

namespace {

constexpr int32_t CoarsestLevel = 17;

// The middle button away from a kept bearing line: the chart centred on the click (at the
// coarsest level on the equator below it), redrawn when the centre moved.
void PanChart(TForm1& form, const ChartClick& click)
{
    int moved = 0;
    if (form.chartLevel >= CoarsestLevel)
        moved = MainMapView->SetCentre({form.cursorChartPoint.x, 0});
    else
        moved = MainMapView->CentreAtScreenPoint(form.chartRect, click.pixel());
    if (moved)
        RedrawChart(form, true);
}

}  // namespace

bool AcknowledgeAlarmClick(TForm1& form)
{
    if (!OwnShip.alarmActive || form.btnReplay->isChecked())
        return false;
    Alarm.sound = false;
    if (!Alarm.routeDeviation && !Alarm.depthAlarmRaised && OwnShip.alarmKind != AlarmNotClearable) {
        OwnShip.alarmActive = false;
        SetAlarmRelay(false);
        return true;
    }
    if (Alarm.acknowledged)
        return false;
    Alarm.acknowledged = true;
    return true;
}

void FinishClickZoom(TForm1& form)
{
    form.AutoBtn->setChecked(false);
    QCursor::setPos(form.CM93->mapToGlobal(QPoint(form.CM93->width() / 2, form.CM93->height() / 2)));
    if (form.ToolBar1->isVisible())
        form.ZoomPanel->setFocus();
}

void TForm1::CM93MouseDown(QObject* sender, int32_t button, Qt::KeyboardModifiers, int32_t x, int32_t y)
{
    if (!StartupDone || !MainMapView)
        return;
    // A real press is where the pointer is, whether or not a move told of it before; a click
    // sent on by another handler comes with the cursor as that handler left it.
    if (sender) {
        CursorPixel = {x, y};
        MainMapView->ScreenToGeo(chartRect, CursorPixel, cursorChartPoint);
    }
    const ChartClick click{x, y, sender != nullptr, WithinReach({x, y}, TickRequest.ownShipPixel, OwnShipReach)};
    UpdateChartLevelButtons(*this, cursorChartPoint);
    if (AcknowledgeAlarmClick(*this))
        return;
    if (Alarm.ignoreNextClick) {
        Alarm.ignoreNextClick = false;
        return;
    }
    switch (button) {
    case LeftButton:
        LeftClickRules(*this, click);
        break;
    case RightButton:
        RightClickRules(*this, click);
        break;
    case MiddleButton:
        if (BearingMiddleClick(*this))
            break;
        PanChart(*this, click);
        FinishClickZoom(*this);
        break;
    default:
        break;
    }
}
