// A press on the mini chart: left zooms it in, right out, middle redraws it, each centred on the
// click (on the own ship while the look-ahead follows it). An alarm or a swallowed click comes
// first, as on the main chart.

#include "app/ChartMouse.h"
#include "app/Startup.h"
#include "app/TForm1.h"
#include "app/TickState.h"
#include "chart/ChartLevels.h"
#include "chart/ChartRedraw.h"
#include "chart/MapView.h"
#include "frame/SharedTables.h"
#include "sensors/OwnShipState.h"

#include <QToolButton>

namespace {

constexpr int MinimumHeight = 10;     // px: a mini chart no higher than this takes no click
constexpr int32_t WidestLookAheadLevel = 8;

}  // namespace

void TForm1::CM93miniMouseDown(QObject*, int32_t button, Qt::KeyboardModifiers, int32_t x, int32_t y)
{
    if (!StartupDone || !MiniMapView || AcknowledgeAlarmClick(*this))
        return;
    if (Alarm.ignoreNextClick) {
        Alarm.ignoreNextClick = false;
        return;
    }
    const bool lookAhead = btnMiniAuto->isChecked();
    const int32_t widest = lookAhead ? WidestLookAheadLevel : MaxMiniChartLevel;
    if (CM93mini->height() <= MinimumHeight || (button == RightButton && miniChartLevel >= widest))
        return;
    if (lookAhead)
        MiniMapView->SetCentre(OwnShip.referencePosition);
    else
        MiniMapView->CentreAtScreenPoint(miniRect, {x, y});
    switch (button) {
    case LeftButton:
        --miniChartLevel;
        SetMiniChartLevel(*this);
        break;
    case RightButton:
        ++miniChartLevel;
        SetMiniChartLevel(*this);
        break;
    default:
        RedrawMiniChart(*this);
        break;
    }
}
