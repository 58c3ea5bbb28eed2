#include "app/SensorWiring.h"

#include "app/AisWiring.h"
#include "app/EditingState.h"
#include "app/ExternalLibraries.h"
#include "app/RouteLegDrawing.h"
#include "app/TargetDialogWiring.h"
#include "app/TargetTableWiring.h"
#include "app/TForm1.h"
#include "chart/MapView.h"
#include "frame/PortSettings.h"
#include "frame/SetupParameters.h"
#include "platform/system/SystemClock.h"
#include "sensors/OwnShipState.h"
#include "sensors/SensorHooks.h"
#include "sensors/SensorSettings.h"
#include "userdata/RouteHooks.h"
#include "userdata/RouteStore.h"
#include "userdata/RouteTable.h"
#include "userdata/TWpDlg.h"

#include <QApplication>
#include <QFrame>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>

#include <mutex>

void RefreshSensorSettings()
{
    const SetupParametersRecord& s = SetupParameters;
    const std::lock_guard lock(ComOutStateLock);
    SensorSetup.magneticVariation = s.MagneticVariation;
    SensorSetup.depthSurface = s.DepthSurf;
    SensorSetup.acceptRoutes = s.AutomaticRte != 0;
    SensorSetup.aisWarnings = s.AisWarnings != 0;
    SensorSetup.trueRadar = s.TrueRadar != 0;
    SensorSetup.depthRecordingMode = s.DepthSaveChoice;
    SensorSetup.depthFrom = s.ThreeDDepthFrom;
    SensorSetup.depthTo = s.ThreeDDepthTo;
    SensorSetup.alarmPort = s.AlarmPort;
    SensorSetup.ownMmsi = s.Mmsi;
    SensorSetup.aisRange = AisRangeMiles(s);
    SensorSetup.aisMessages = s.AisMessages != 0;
    SensorSetup.autoGyro = s.AutoGyro != 0;
}

// The hooks reach the main window through Form1, which is null once the window is gone.
void WireSensors(TForm1&)
{
    RefreshSensorSettings();
    platform::AllowMachineClockSetting(true);
    SensorHooks& h = SensorHook;
    h.putSensorRecord = [](int32_t counter, const void* record, int32_t length) {
        if (ExternalEntryTable.BLPutRx)
            ExternalEntryTable.BLPutRx(counter, record, length);
    };
    h.hideDeadReckoningPanel = [] {
        if (Form1)
            Form1->pnDR->hide();
    };
    h.showDeadReckoningCourse = [](int32_t degrees) {
        if (Form1)
            Form1->csDRcrs->setValue(degrees);
    };
    h.showDeadReckoningSpeed = [](int32_t knots) {
        if (Form1)
            Form1->csDRspd->setValue(knots);
    };
    h.replayPlaying = [] { return Form1 && Form1->btnReplay->isChecked(); };
    h.routeEditing = [] { return EditingActive || RouteEditMode >= RouteDrawing; };
    h.storeRouteEntry = [](int32_t n, cmgbase::GeoPoint position) { SetRouteEntryPosition(n, position); };
    h.receivedRoute = [](const std::vector<ReceivedWaypoint>& waypoints) {
        std::vector<cmgbase::GeoPoint> positions;
        positions.reserve(waypoints.size());
        for (const ReceivedWaypoint& received : waypoints)
            positions.push_back(received.position);
        TakeReceivedRoute(positions);
    };
    h.beep = [](int32_t, int32_t) { QApplication::beep(); };
    WireAisHooks();
    WireTargetTable();
    WireTargetDialog();
}

void WireRouteHooks()
{
    RouteHook.cursorChartPoint = [] { return Form1 ? Form1->cursorChartPoint : cmgbase::GeoPoint{}; };
    RouteHook.setCursorChartPoint = [](const cmgbase::GeoPoint& point) {
        if (Form1)
            Form1->cursorChartPoint = point;
    };
    RouteHook.requestRedraw = [] {
        if (Form1)
            Form1->chartRedrawRequest = true;
    };
    // A leg changed in the route grid goes onto the chart with the static overlay at once, its
    // ends where the edit put them.
    RouteHook.drawRouteLeg = [](int32_t leg) {
        if (!Form1 || Form1->ChartBackBitmap.isNull() || !MainMapView || leg < 0 || leg + 1 >= RouteTableEntries)
            return;
        for (const int32_t n : {leg, leg + 1}) {
            WP_typ& entry = RouteTable[size_t(n)];
            ScreenPoint pixel{};
            if (MainMapView->GeoToScreen(Form1->chartRect, entry.position, pixel))
                entry.screenPoint = pixel;
        }
        QPainter canvas(&Form1->ChartBackBitmap);
        DrawRouteLeg(*Form1, canvas, leg, true, false);
    };
    RouteHook.refreshRouteGrid = [] {
        if (WpDlg && WpDlg->isVisible())
            RecalcRouteTable(*WpDlg);
    };
}
