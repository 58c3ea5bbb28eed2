// The pointer moving over the main chart: the cursor's pixel and chart point, the floating point
// of a drawing and the dragged point follow it; the readouts, the light under the pointer, the
// bearing line and the tool bar and side panel that hide themselves follow too.

#include "app/ChartCursor.h"
#include "app/WeatherDisplay.h"
#include "app/CursorReadout.h"
#include "app/ChartMouse.h"
#include "app/DynamicOverlay.h"
#include "app/EditingState.h"
#include "app/ProgramCursors.h"
#include "app/RubberBand.h"
#include "app/Startup.h"
#include "app/TForm1.h"
#include "app/TickState.h"
#include "chart/ChartLayerItems.h"
#include "chart/LightPicks.h"
#include "chart/MapView.h"
#include "frame/SharedTables.h"
#include "radarweather/TWeatherDlg.h"
#include "radarweather/WeatherManager.h"
#include "sensors/OwnShipState.h"
#include "userdata/RouteFollowing.h"
#include "userdata/RouteGrid.h"
#include "userdata/RouteTable.h"
#include "userdata/TWpDlg.h"

#include <QCheckBox>
#include <QFrame>
#include <QListWidget>
#include <QRadioButton>
#include <QScreen>
#include <QToolBar>
#include <QToolButton>

namespace {

// Ticks after the last move until the 100 ms tick draws the rubber band once more.
constexpr int32_t RubberBandTicks = 15;
constexpr int32_t ToolBarShowMargin = 10;  // px above the tool bar's lower edge
constexpr int32_t PanelHideMargin = 30;    // px from the screen's right edge
constexpr int32_t PanelShowMargin = 20;

// The next waypoint of a route being drawn floats at the cursor.
void FollowFloatingWaypoint(TForm1& f)
{
    const int32_t floating = DrawnPointCount;
    if (!SetRouteEntryPosition(floating, f.cursorChartPoint))
        return;
    RouteTable[size_t(floating)].screenPoint = CursorPixel;
    if (!WpDlg || !WpDlg->isVisible())
        return;
    FillRouteGridRow(*WpDlg, floating);
    if (floating > 0)
        FillRouteGridRow(*WpDlg, floating - 1);
}

void HoverLight(TForm1& f, int32_t x, int32_t y)
{
    HoverMarker = -1;
    if (f.chartLevel < LightLevelLimit && !f.rbBase->isChecked() && !ChartLayerTicked(f, LightNamesItem))
        HoverMarker = HoverMarkerAt(f, x, y);
}

bool OverlayFollowsPointer(const TForm1& f)
{
    const int32_t dragCursor = Qt::ClosedHandCursor;
    const int32_t areaCursor = ProgramCursorBase + CursorDeleteArea;
    return (f.BearingBtn->isChecked() && !BearingFrozen) || HoverMarker >= 0 ||
           FastTick.chartCursor == dragCursor || FastTick.chartCursor == areaCursor;
}

// With their Hide boxes checked, the tool bar shows while the pointer is up under it and the
// side panel while the pointer is at the screen's right edge (it stays while an alarm is up).
void AutoHidePanels(TForm1& f, int32_t x, int32_t y)
{
    if (f.ckHide->isChecked()) {
        const int32_t height = f.ToolBar1->height();
        const bool shown = f.ToolBar1->isVisible();
        if (shown && y > height)
            f.ToolBar1->hide();
        else if (!shown && y < height - ToolBarShowMargin)
            f.ToolBar1->show();
        if (shown != f.ToolBar1->isVisible()) {
            f.PlaceToolPanel();
            f.ckHide2Click(false);
        }
    }
    if (!f.ckHide2->isChecked() || !f.CM93->screen())
        return;
    const int32_t screenX = f.CM93->mapToGlobal(QPoint(x, y)).x();
    const QRect screen = f.CM93->screen()->geometry();
    const bool alarmUp = OwnShip.alarmActive || Alarm.ignoreNextClick || Turning;
    if (screenX < screen.right() + 1 - PanelHideMargin && f.MainPanel->isVisible() && !alarmUp)
        f.MainPanel->hide();
    else if (screenX > screen.right() + 1 - PanelShowMargin && !f.MainPanel->isVisible())
        f.MainPanel->show();
}

void ShowWeatherValues(TForm1& f)
{
    if (!WeatherDlg || !WeatherDlg->isVisible() || !WeatherService ||
        WeatherService->state() <= 0)
        return;
    const auto* items = WeatherDlg->findChild<QListWidget*>(QStringLiteral("cklItem"));
    if (items && items->currentRow() >= 0)
        ShowWeatherAtCursor(f);
}

}  // namespace

void TForm1::CM93MouseMove(QObject*, Qt::KeyboardModifiers, int32_t x, int32_t y)
{
    if (!StartupDone || !MainMapView || (x == CursorPixel.x && y == CursorPixel.y))
        return;
    // The pointer is not idle: the edge pan and the 3D view's cursor readout wait again.
    FastTick.edgePanCounter = 0;
    FastTick.threeDCounter = 0;
    if (PickedPoint >= 0 || (RouteEditMode == RouteDrawing && DrawnPointCount > 0))
        FastTick.dynamicOverlayCountdown = RubberBandTicks;
    CursorPixel = {x, y};
    MainMapView->ScreenToGeo(chartRect, CursorPixel, cursorChartPoint);
    if (RouteEditMode == RouteDrawing)
        FollowFloatingWaypoint(*this);
    if (LineEditPhase == LineDrawing && DrawnPointCount >= 0 && DrawnPointCount < int32_t(LinePoints.size()))
        LinePoints[size_t(DrawnPointCount)] = CursorPixel;
    UpdateCursorReadout(*this, false, cursorChartPoint);
    HoverLight(*this, x, y);
    if (OverlayFollowsPointer(*this))
        PaintDynamicOverlay(*this, false);
    FollowDraggedPoint(*this);
    FeedRangeBearing(*this);
    AutoHidePanels(*this, x, y);
    ShowWeatherValues(*this);
}
