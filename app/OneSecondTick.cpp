// The one-second tick of the main window: the start-up on the first tick, then on every tick the
// clock, the enabling of the tool buttons, the recentring of both charts on the own ship, the
// deferred redraws, the TCP client, the automatic import, the wind readout, the ageing of the
// targets, the minute and hourly work, the position time-out with its alarm, the position log
// and the replay.

#include "app/AisLogs.h"
#include "app/AutomaticImport.h"
#include "app/ChartPage.h"
#include "app/EditingState.h"
#include "app/ExternalLibraries.h"
#include "app/GuardZones.h"
#include "app/PositionLog.h"
#include "app/ProgramCursors.h"
#include "app/ReplayPlayer.h"
#include "app/ReplayRecorder.h"
#include "app/RouteBar.h"
#include "app/RouteLegGeometry.h"
#include "app/RouteFollowingTick.h"
#include "app/SetupLoad.h"
#include "app/TForm1.h"
#include "app/TcpClient.h"
#include "app/TideButton.h"
#include "app/TargetAgeing.h"
#include "app/TargetPainting.h"
#include "app/TfrmSplash.h"
#include "app/TickClock.h"
#include "app/TickState.h"
#include "chart/ChartLevels.h"
#include "chart/ChartRedraw.h"
#include "chart/ChartPresentation.h"
#include "chart/TCM93Inspector.h"
#include "chart/ThreeDViewStatus.h"
#include "chart/MapManager.h"
#include "chart/MapView.h"
#include "chart/OverlayColours.h"
#include "chart/OverlayFont.h"
#include "frame/PortSettings.h"
#include "frame/SetupParameters.h"
#include "frame/SharedTables.h"
#include "platform/geodesy/GeodesyStatus.h"
#include "platform/geodesy/PositionComputation.h"
#include "platform/system/TextCodec.h"
#include "radarweather/TRadar.h"
#include "sensors/ComPortControl.h"
#include "sensors/GpsFix.h"
#include "sensors/OwnShipState.h"
#include "sensors/TArpaDlg.h"
#include "sensors/TSetupPort.h"
#include "sensors/TSetupSensor.h"
#include "sensors/TargetTable.h"
#include "userdata/RouteStore.h"
#include "userdata/RouteTable.h"
#include "userdata/TReplayDlg.h"
#include "userdata/TSymbDlg.h"
#include "userdata/TTrackDlg.h"
#include "userdata/TWpDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCursor>
#include <QGuiApplication>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSlider>
#include <QSpinBox>
#include <QToolBar>
#include <QToolButton>

#include <cmath>
#include <mutex>
#include <numbers>

namespace {

constexpr double RadiansPerDegree = std::numbers::pi / 180.0;
constexpr int32_t PositionTimeoutSeconds = 6;

bool Down(const QAbstractButton* button)
{
    return button->isChecked();
}

// Visible within the main window, whether or not the window itself is on screen.
bool Shown(const QWidget* control)
{
    return !control->isHidden();
}

bool DialogVisible(const QWidget* dialog)
{
    return dialog && dialog->isVisible();
}

WindowRect ChartRect(const TForm1& f)
{
    return {0, 0, f.CM93->width(), f.CM93->height()};
}

WindowRect MiniRect(const TForm1& f)
{
    return {0, 0, f.CM93mini->width(), f.CM93mini->height()};
}

void KeepMaximised(TForm1& f)
{
    if (f.isMaximized())
        return;
    // Without a window manager the window covers the screen by its geometry alone.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        f.setGeometry(screen->geometry());
    f.showMaximized();
    f.MainPanel->raise();
    f.ToolBar1->raise();
    f.PlaceToolPanel();
    if (MiniMapView)
        ApplyPresentation(f, 0, 1, 2);
}

void EnableZoomButtons(TForm1& f)
{
    f.ZoomOutBtn->setEnabled(f.zoomFactor <= 2.0);
    f.ZoomInBtn->setEnabled(f.zoomFactor > 0.3 && f.mainScale > int32_t(ChartLevelTable[0]));
}

void EnableQueryButton(TForm1& f)
{
    f.QueryBtn->setEnabled(!EditingActive);
    if (EditingActive && Down(f.QueryBtn)) {
        f.QueryBtn->setChecked(false);
        if (CM93Inspector)
            CM93Inspector->hide();
        ObjectPickKind = 0;
    }
}

void EnableRouteBar(TForm1& f)
{
    if (!Shown(f.RouteBar))
        return;
    if (EditingActive || DialogVisible(WpDlg))
        SecondTick.routeAutoStoreCountdown = 60;
    else if (--SecondTick.routeAutoStoreCountdown == 0)
        RtOkExecute(f);

    const bool stored = RouteId != 0;
    const bool belowDrawing = RouteEditMode < RouteDrawing;
    for (QToolButton* button : {f.btnPrintRt, f.btnCopyRt, f.btnAddRt})
        button->setEnabled(stored && belowDrawing);
    f.btnListRt->setEnabled(RouteEditMode >= RouteDrawing);
    f.btnCalcRt->setEnabled(stored || RouteEditMode == RouteDrawing);
    f.btnPickRt->setEnabled(belowDrawing && PickMode != 2);
    f.btnDelRt->setEnabled(!ObjectLoaded && !RouteChanged && belowDrawing);
    f.btnChangeRt->setEnabled(RouteEditMode == RouteShown && !ObjectLoaded);
    const bool mayDraw = (!stored || !EditingActive) && PickMode != 2 && !RouteChanged;
    f.btnDrawRt->setEnabled(mayDraw);
    f.btnSar->setEnabled(mayDraw);
}

void EnableDrawingBars(TForm1& f)
{
    if (Shown(f.SymbBar))
        for (QToolButton* button : {f.btnSyDel, f.btnSyDraw, f.btnSyEdit})
            button->setEnabled(!EditingActive);
    if (Shown(f.LineBar)) {
        for (QToolButton* button : {f.btnLiDel, f.btnLiDraw, f.btnLine, f.btnPoly, f.btnCircle, f.btnRect})
            button->setEnabled(!EditingActive);
        f.btnLiList->setEnabled(DrawnPointCount > 1);
        f.btnLiEdit->setEnabled(!EditingActive && (Down(f.btnLine) || Down(f.btnPoly)));
    }
}

void KeepRouteDialog()
{
    if (!DialogVisible(WpDlg))
        return;
    WpDlg->KeepChangesChoice(ObjectLoaded || (RouteEditMode == RouteShown && RouteGridSelected));
    if (RouteId == 0 && RouteEditMode == 0)
        WpDlg->hide();
}

void KeepRadarWindow(TForm1& f)
{
    if (!DialogVisible(Radar))
        return;
    Radar->setGeometry(f.CM93->rect());
    Radar->CMOlay->setGeometry(Radar->rect());
    Radar->pnMask->setVisible(Shown(f.SymbBar) || Shown(f.LineBar) || Shown(f.RouteBar));
    Radar->pnMask2->setVisible(f.ckHide->isChecked() && Shown(f.ToolBar1));
    Radar->pnMask3->setVisible(f.ckHide2->isChecked() && Shown(f.MainPanel));
}

// The mouse stays on the chart point it was on while the chart moves under it.
void MouseFollowsChartPoint(TForm1& f)
{
    const QPoint mouse = f.CM93->mapFromGlobal(QCursor::pos());
    if (mouse.x() >= f.CM93->width() || mouse.y() < 0 || !MainMapView)
        return;
    ScreenPoint pixel{};
    if (!MainMapView->GeoToScreen(ChartRect(f), f.cursorChartPoint, pixel))
        return;
    if (pixel.x >= 0 && pixel.x < f.CM93->width() && pixel.y >= 0 && pixel.y < f.CM93->height())
        QCursor::setPos(f.CM93->mapToGlobal(QPoint(pixel.x, pixel.y)));
}

// True when the own ship has moved past the recentre margin from the chart centre in the
// direction it is heading.
bool IsOwnShipOffCentreAt(const ScreenPoint& own, const ScreenPoint& centre, float course, float rotation,
                          int32_t margin)
{
    float a = course - rotation;
    if (a < 0.0f)
        a += 360.0f;
    const int32_t dx = own.x - centre.x;
    const int32_t dy = own.y - centre.y;
    if (a > 350.0f || a < 10.0f)
        return dy < margin;
    if (a > 170.0f && a < 190.0f)
        return dy > -margin;
    if (a > 80.0f && a < 100.0f)
        return dx > -margin;
    if (a > 260.0f && a < 280.0f)
        return dx < margin;
    const float k = a * float(RadiansPerDegree);
    const float t = std::tan(k);
    const float c = float(margin) / std::cos(k);
    if (a > 90.0f && a < 270.0f)
        return float(dy) > float(dx) * t + c;
    return float(dy) < float(dx) * t + c;
}

void RecentreMainChart(TForm1& f)
{
    if (!Down(f.AutoBtn) || !MainMapView)
        return;
    const float speed = OwnShip.speedOverGround;
    const float course = OwnShip.courseOverGround;
    const ScreenPoint own = TickRequest.ownShipPixel;
    const WindowRect rect = ChartRect(f);
    const ScreenPoint centre = WindowCentre(rect);
    const int32_t width = rect.right;
    const int32_t height = rect.bottom;
    const int32_t offset = f.tbBoatOff->value();
    if (speed >= 1.2f && f.chartLevel < 13)
        SecondTick.movingRecentre = true;
    if (speed <= 0.8f || f.chartLevel >= 13)
        SecondTick.movingRecentre = false;
    const float rotation = f.viewRotation;

    if (SecondTick.movingRecentre) {
        SecondTick.recentreMargin =
            std::max(1, int32_t(f.tbBoatSens->value() * height * offset * 0.004));
        const bool recentre = IsOwnShipOffCentreAt(own, centre, course, rotation, SecondTick.recentreMargin) ||
                              f.ForceRecentre || std::abs(own.x - centre.x) > int32_t(0.45 * width) ||
                              std::abs(own.y - centre.y) > int32_t(0.45 * height);
        if (recentre) {
            const double a = (course - rotation) * RadiansPerDegree;
            const int32_t dy = int32_t((offset + 1) * height * 0.04);
            const int32_t dx = f.DispMode->currentIndex() != 0 ? dy : int32_t((offset + 1) * width * 0.04);
            const ScreenPoint target{own.x + int32_t(std::sin(a) * dx), own.y - int32_t(std::cos(a) * dy)};
            if (MainMapView->CentreAtScreenPoint(rect, target))
                RedrawChart(f, true);
        }
        MouseFollowsChartPoint(f);
        return;
    }
    const int32_t s = f.tbBoatSens->value();
    if (f.ForceRecentre || std::abs(own.x - centre.x) > int32_t(width * 0.02 * (11 - s)) ||
        std::abs(own.y - centre.y) > int32_t(height * 0.02 * (11 - s))) {
        if (MainMapView->SetCentre(OwnShip.referencePosition))
            RedrawChart(f, true);
    }
    if (!DialogVisible(SymbDlg) && !DialogVisible(TrackDlg))
        MouseFollowsChartPoint(f);
}

void RecentreMiniChart(TForm1& f)
{
    const int32_t height = f.CM93mini->height();
    if (!Down(f.btnMiniAuto) || !MiniMapView || height <= 10 || f.cursor().shape() == Qt::WaitCursor)
        return;
    const float course = OwnShip.courseOverGround;
    const float rotation = f.miniViewRotation;
    float d = std::abs(rotation - course);
    if (d > 180.0f)
        d = 360.0f - d;
    const int32_t r = height * 10 / 23;
    const ScreenPoint own = TickRequest.ownShipMiniPixel;
    const bool recentre = (own.y < height - r && OwnShip.speedOverGround > 1.0f) || own.x < 50 || own.x > 105 ||
                          d > 15.0f || own.y > height;
    if (!recentre)
        return;
    const double a = (course - rotation) * RadiansPerDegree;
    const ScreenPoint target{own.x + int32_t(std::sin(a) * r), own.y - int32_t(std::cos(a) * r)};
    if (MiniMapView->CentreAtScreenPoint(MiniRect(f), target))
        RedrawMiniChart(f);
}

// Counts down; true when it has just reached 0.
bool CountedOut(int32_t& countdown)
{
    return countdown > 0 && --countdown == 0;
}

void RunCountdowns(TForm1& f)
{
    if (CountedOut(Countdowns.chartRedraw)) {
        f.overlayFont = ChartOverlayFont(SetupParameters.Resolution);
        if (TickRequest.presentationRebuild)
            rbFullClick(f);
        if (TickRequest.safetyContourChange) {
            TickRequest.safetyContourChange = false;
            ApplyMiniPresentation(f);
            UpdateRouteLegGeometry(f);
        }
        ApplyPresentation(f, 1, 0, 10);
    }
    if (CountedOut(Countdowns.chartLevelChange)) {
        if (Down(f.AutoBtn)) {
            f.ZoomPaintHold = 2;
        } else if (MainMapView) {
            MainMapView->CentreAtScreenPoint(ChartRect(f), TickRequest.levelChangePoint);
            QCursor::setPos(f.CM93->mapToGlobal(f.CM93->rect().center()));
        }
        SetChartLevel(f);
    }
    if (CountedOut(Countdowns.threeDRefresh) && (Down(f.Show2DBtn) || Down(f.Show3DBtn))) {
        Sync3DViewStatus(f, false, false);
        if (ExternalEntryTable.tGetStatA && ExternalEntryTable.tPutStatA)
            ExternalEntryTable.tPutStatA(ExternalEntryTable.tGetStatA() | 4);
    }
    if (CountedOut(Countdowns.chartFilterChange))
        f.chartRedrawRequest = true;
    if (CountedOut(Countdowns.routeGridChange)) {
        if (DialogVisible(WpDlg))
            RecalcRouteTable(*WpDlg);
        f.chartRedrawRequest = true;
    }
}

void DropAlarmPortMark(TForm1& f)
{
    if (OwnShip.eventMarkCountdown == 5)
        f.EventMarkExecute(nullptr);
    if (OwnShip.eventMarkCountdown > 0)
        --OwnShip.eventMarkCountdown;
}

void TenSecondStep(TForm1& f)
{
    if (SecondTick.tenSecondCounter <= 9)
        return;
    SecondTick.tenSecondCounter = 0;
    if (frmSplash && OwnShip.positionKnown) {
        frmSplash->btnOKClick();
        f.repaint();
        f.AutoBtn->setChecked(true);
        f.AutoExecute();
    }
    if (Down(f.AutoBtn))
        UpdateChartLevelButtons(f, OwnShip.referencePosition);
}

void KeepTcpClient(TForm1& f)
{
    const bool tcpActive = ReadPortSettings().active[TcpPort] != 0;
    if (SecondTick.thirtySecondCounter > 30) {
        SecondTick.thirtySecondCounter = 0;
        if (tcpActive && !f.SocketConnected)
            OpenClientSocket(f);
    }
    if (tcpActive && f.SocketConnected) {
        if (++SecondTick.socketSilentSeconds > 60)
            CloseClientSocket(f);
    } else {
        SecondTick.socketSilentSeconds = 0;
    }
}

void AutomaticImport(TForm1& f)
{
    if (!f.ckDbA->isChecked())
        return;
    const std::filesystem::path list = AutomaticImportList();
    if (!std::filesystem::exists(list))
        return;
    f.SymbolBtn->setChecked(true);
    f.TrackBtn->setChecked(true);
    if (RunAutomaticImport(list, ImportAutomaticList) == AutomaticImportResult::Imported) {
        f.chartRedrawRequest = true;
        f.CM93->update();
    }
}

void ShowWind(TForm1& f)
{
    if (OwnShip.windSpeed == SecondTick.shownWindSpeed)
        return;
    SecondTick.shownWindSpeed = OwnShip.windSpeed;
    if (f.WindPanel->isHidden()) {
        if (f.DepthPanel->isHidden())
            for (QWidget* w : {static_cast<QWidget*>(f.WindPanel), static_cast<QWidget*>(f.WindBevel)})
                w->move(w->x(), w->y() - 32);
        f.WindPanel->show();
        f.WindBevel->show();
        ApplyPresentation(f, 0, 1, 2);
    }
    f.txWndSpd->setText(QString::asprintf("%.1f", double(OwnShip.windSpeed)));
    f.txWndDir->setText(QString::asprintf("%03.0f ", double(OwnShip.windDirection)) + QChar(0xB0));
}

void StoreTargetPixel(TForm1& f, TargetRecord& target, const cmgbase::GeoPoint& position)
{
    ScreenPoint pixel{};
    if (MainMapView && MainMapView->GeoToScreen(ChartRect(f), position, pixel)) {
        target.screenX = pixel.x;
        target.screenY = pixel.y;
    }
}

void RemoveTarget(TForm1& f, int32_t index)
{
    TargetRecord& target = TargetTable[size_t(index)];
    if (target.aux != 0) {
        WriteAisEventLog(index, AisLogLost);
        target.aux = 0;
    }
    FreeTarget(target);
    if (ShownTarget == index && ArpaDlg)
        ArpaDlg->hide();
    if (f.ckAisTracks->isChecked() && f.cmbAisRange->currentIndex() != 7) {
        f.chartRedrawRequest = true;
        f.CM93->update();
    }
}

void AgeTargets(TForm1& f)
{
    const bool replayHeld = Down(f.btnReplay) && !ReplayPlaying();
    for (int32_t i = 0; i < TargetCount; ++i) {
        TargetRecord& target = TargetTable[size_t(i)];
        if (target.id == -1)
            continue;
        if (target.lostCount < 0)
            target.lostCount = 0;
        target.lostCount = replayHeld ? 0 : target.lostCount + 1;

        if (target.kind == TargetSimulated) {
            if (target.lostCount > DeadReckonedLifetime)
                FreeTarget(target);
            else
                StoreTargetPixel(f, target, ShownTargetPosition(target, ClockSeconds));
            continue;
        }
        target.status = AgedTargetStatus(target);
        if (target.status != 'X')
            continue;
        if (KeepLostArpaTargets() && target.kind < TargetSimulated &&
            (Down(f.Arpa1Btn) || Down(f.Arpa2Btn))) {
            target.status = 'L';
            ShownTarget = i;
            if (ArpaDlg)
                ArpaDlg->UpdateTargetPanel();
            continue;
        }
        RemoveTarget(f, i);
    }
}

// Once an hour: the tide at the nearest tide port for the depth readout and the depth
// recording, and the save of the settings.
void HourlyStep(TForm1& f)
{
    std::string name;
    double height = 0.0;
    if (ChartEngine &&
        ChartEngine->NearestTidePort(OwnShip.referencePosition, ClockSeconds, &HourlyTidePortIndex, &name, &height)) {
        const float factor = SetupParameters.DepthFactor;
        const char* format = factor < 1.0f ? "%.1f fath." : factor > 1.0f ? "%.1f feet." : "%.1f mtr.";
        f.txTide->setText(QString::asprintf(format, height * factor));
        // The depth recording takes the correction in metres, whatever unit is shown; the
        // correction setting is the tide group's, in tenths of a metre.
        OwnShip.depthCorrection = height + SetupParameters.ThreeDTide * 0.1;
        f.btn3DTide->setText(platform::FromCp1252(name));
    }
    if (!DialogVisible(SetupSensor))
        ClearClockCheckMark();
    f.ForceRecentre = true;
    SaveSetupParameters(false);
}

void MinuteStep(TForm1& f)
{
    const ClockRecord& clock = *ClockTime;
    if (clock.minute == SecondTick.lastMinute || Down(f.btnReplay))
        return;
    SecondTick.lastMinute = clock.minute;
    f.TimeLabel->setText(QString::asprintf("%02d.%02d.%02d  %02d:%02d", clock.dayOfMonth, clock.month + 1,
                                           clock.year, clock.hour, clock.minute));
    if (RouteEditMode == RouteShown && DialogVisible(WpDlg) && Countdowns.routeGridChange == 0)
        RecalcRouteTable(*WpDlg);
    if (f.ckAisLog->isChecked())
        CheckGuardZones(WriteAisEventLog);
    // The hour is taken once, also when the clock is set back into an hour already done.
    const int64_t hourStart = ClockSeconds - clock.minute * 60 - clock.second;
    if (clock.minute == 0 && hourStart != SecondTick.lastHourlyStep) {
        SecondTick.lastHourlyStep = hourStart;
        HourlyStep(f);
    }
}

// The parser asked for another GPS source: the fix chain starts again on that port. The
// no-fix count and the fix-seen state go on as they were, so a source that then stays silent
// still runs out.
void TakeGpsSourceSwitch()
{
    const int port = GpsSwitchRequestPort(OwnShip.positionTimeoutCounter);
    if (port < 0)
        return;
    const std::lock_guard lock(ComOutStateLock);
    const bool fixSeen = OwnShip.fixAlive;
    ResetSensorInput();
    OwnShip.fixAlive = fixSeen;
    OwnShip.gpsPort = port;
    OwnShip.positionTimeoutCounter = 0;
}

void PositionTimedOut(TForm1& f)
{
    SecondTick.positionTimeoutCounter = 0;
    bool raise = false;
    {
        const std::lock_guard lock(ComOutStateLock);
        if (SetupParameters.AlarmGps && OwnShip.gpsQuality > 0 && OwnShip.alarmKind != AlarmNoGps) {
            OwnShip.alarmKind = AlarmNoGps;
            OwnShip.alarmActive = true;
            Alarm.sound = true;
            Alarm.acknowledged = false;
            raise = true;
        }
        OwnShip.gpsQuality = 0;
    }
    if (raise)
        SetAlarmRelay(true);
    if (OwnShip.fixAlive && !DialogVisible(ReplayDlg)) {
        QPalette orange = f.pnDR->palette();
        orange.setColor(QPalette::Window, UserColour(7));
        f.pnDR->setAutoFillBackground(true);
        f.pnDR->setPalette(orange);
        f.pnDR->show();
        f.csDRcrs->setValue(int(OwnShip.courseOverGround));
        f.csDRspd->setValue(int(OwnShip.speedOverGround + 0.5f));
        f.ckHide2Click(false);
    }
    {
        const std::lock_guard lock(ComOutStateLock);
        OwnShip.fixAlive = false;
        if (!DialogVisible(SetupPort))
            ResetSensorInput();
        OwnShip.gpsPort = -1;
        OwnShip.ggaSeen = false;
        OwnShip.gllSeen = false;
        OwnShip.vtgSeen = false;
        SyncSensorRecord();
    }
    // During a replay the record holds replayed values, which the sensor feed must not take.
    if (ExternalEntryTable.BLPutRx && !ReplayModeOn())
        ExternalEntryTable.BLPutRx(0, &OwnShip.sensorRecord, int32_t(sizeof(SensorRecord)));
    f.AutoBtn->setEnabled(false);
    f.btnMiniAuto->setEnabled(false);
    for (QLabel* readout : {f.txLat, f.txLon, f.txCOG})
        readout->setText(QStringLiteral("---    "));
    f.txSOG->setText(QStringLiteral("---"));
}

void PositionTimeout(TForm1& f)
{
    CountDownSensorTimeouts();
    TakeGpsSourceSwitch();
    if (OwnShip.positionKnown && !OwnShip.fixAlive)
        TickRequest.positionRefresh = true;
    else
        ++SecondTick.positionTimeoutCounter;
    if (SecondTick.positionTimeoutCounter > PositionTimeoutSeconds)
        PositionTimedOut(f);
}

void Replay(TForm1& f)
{
    if (Down(f.btnReplay))
        ReplayTick(f);
    else if (OwnShip.positionKnown && !ReplaySlave)
        RecordReplayFrame();
}

}  // namespace

void TForm1::Timer2Timer()
{
    if (!AppRunning || ChartRestartInProgress)
        return;
    if (!StartupDone) {
        RunStartup();
        if (!StartupDone)
            return;
    } else {
        KeepMaximised(*this);
    }

    UpdateClockRecord();
    ++SecondTick.tenSecondCounter;
    ++SecondTick.thirtySecondCounter;
    if (!OwnShip.fixAlive && RouteId != 0 && RouteEditMode == RouteShown)
        UpdateRouteEtaPanel(*this);
    EnableZoomButtons(*this);
    EnableQueryButton(*this);
    if (CutMode && FastTick.chartCursor != ProgramCursorBase + CursorCut)
        CutMode = false;
    EnableRouteBar(*this);
    EnableDrawingBars(*this);
    KeepRouteDialog();
    KeepRadarWindow(*this);
    RecentreMainChart(*this);
    ForceRecentre = false;
    RecentreMiniChart(*this);
    // The automatic zoom's redraw has come, or with the recentring done none will come (neither
    // level nor centre changed): the hold ends, so that the own ship and the targets are drawn.
    if (ZoomPaintHold > 0) {
        ZoomPaintHold = 0;
        CM93Paint();
    }
    RunCountdowns(*this);
    DropAlarmPortMark(*this);
    TenSecondStep(*this);
    KeepTcpClient(*this);
    AutomaticImport(*this);
    ShowWind(*this);
    AgeTargets(*this);
    MinuteStep(*this);
    PositionTimeout(*this);
    LogPositionWhenDue();
    Replay(*this);
    if (PortDialogRequested && SetupPort) {
        PortDialogRequested = false;
        SetupPort->show();
    }
}
