// The 100 ms tick of the main window: panning at the screen edge, the pending redraws, all sensor
// input, the own-ship positions and readouts of every fix, the look-ahead check and the anchor
// watch, dead reckoning, target tracks, the 3D and name-base exchanges, the alarm notice and the
// chart pointer.

#include "app/CursorReadout.h"
#include "app/ChartCursor.h"
#include "app/EditingState.h"
#include "app/EventMarks.h"
#include "app/ExternalLibraries.h"
#include "app/LightOverlay.h"
#include "app/LookAheadCheck.h"
#include "app/OwnShipPositions.h"
#include "app/ProgramCursors.h"
#include "app/ReplayPlayer.h"
#include "app/RouteBar.h"
#include "app/RouteFollowingTick.h"
#include "app/TForm1.h"
#include "app/TickClock.h"
#include "app/TickState.h"
#include "app/TargetPainting.h"
#include "app/TargetTrackPictures.h"
#include "app/ToolBarButtons.h"
#include "app/DynamicOverlay.h"
#include "app/MiniChartMarkers.h"
#include "app/WarningClassNames.h"
#include "chart/ChartLayerItems.h"
#include "chart/ChartLevels.h"
#include "chart/ChartPresentation.h"
#include "chart/ChartRedraw.h"
#include "chart/MapManager.h"
#include "chart/MapView.h"
#include "chart/OverlayPrimitives.h"
#include "chart/ThreeDViewStatus.h"
#include "frame/DepthExportFile.h"
#include "frame/PortSettings.h"
#include "frame/PositionText.h"
#include "frame/SetupParameters.h"
#include "frame/SharedTables.h"
#include "platform/geodesy/GeodesyStatus.h"
#include "platform/geodesy/NormalisedCoordinates.h"
#include "platform/geodesy/PositionComputation.h"
#include "platform/system/SoundPlayer.h"
#include "platform/system/TextCodec.h"
#include "radarweather/RadarManager.h"
#include "radarweather/TWeatherDlg.h"
#include "sensors/ComOutThread.h"
#include "sensors/ComPortControl.h"
#include "sensors/OwnShipState.h"
#include "sensors/SeabedRecorder.h"
#include "sensors/ArpaSources.h"
#include "sensors/SensorInput.h"
#include "sensors/SensorSettings.h"
#include "sensors/TArpaDlg.h"
#include "sensors/TargetTable.h"
#include "userdata/AnchorGuard.h"
#include "userdata/RouteFollowing.h"
#include "userdata/RouteStart.h"
#include "userdata/RouteTable.h"
#include "userdata/SeabedTiles.h"
#include "userdata/TReplayDlg.h"
#include "userdata/TSymbDlg.h"

#include <QApplication>
#include <QGroupBox>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QCursor>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <limits>
#include <mutex>
#include <optional>
#include <span>

namespace {

constexpr int EdgeMargin = 5;
constexpr int EdgeDwellTicks = 10;
// Input rounds of one tick: enough for every port to bring fixes and targets many times over;
// what is left waits for the next tick, so the window and the other timers keep running.
constexpr int MaxInputRounds = 32;
constexpr double MaxDeadReckoningStep = 10.0;  // seconds; a longer gap is a clock step
constexpr int32_t NoticeCycleTicks = 20;

bool Down(const QAbstractButton* button)
{
    return button->isChecked();
}

bool Shown(const QWidget* control)
{
    return !control->isHidden();
}

WindowRect ChartRect(const TForm1& f)
{
    return {0, 0, f.CM93->width(), f.CM93->height()};
}

// A float to int conversion that cannot overflow: NaN gives 0, the rest is held to int32.
int32_t ClampToInt(double value)
{
    if (std::isnan(value))
        return 0;
    return int32_t(std::clamp(value, double(std::numeric_limits<int32_t>::min()),
                              double(std::numeric_limits<int32_t>::max())));
}

void EdgePan(TForm1& f)
{
    const QPoint pointer = QCursor::pos();
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->geometry() : QRect();
    if (area.adjusted(EdgeMargin, EdgeMargin, -EdgeMargin, -EdgeMargin).contains(pointer)) {
        FastTick.edgePanCounter = -1;
        return;
    }
    const int32_t key = pointer.x() + pointer.y();
    if (key != FastTick.lastEdgeKey) {
        FastTick.lastEdgeKey = key;
        FastTick.edgePanCounter = 0;
    }
    if (!(EditingActive || Down(f.BearingBtn)) || FastTick.edgePanCounter < 0)
        return;
    if (++FastTick.edgePanCounter <= EdgeDwellTicks)
        return;
    FastTick.edgePanCounter = -1;
    f.AutoBtn->setChecked(false);
    f.CM93->repaint();
    const QPoint over = f.CM93->mapFromGlobal(pointer);
    if (MainMapView && MainMapView->CentreAtScreenPoint(ChartRect(f), {over.x(), over.y()}))
        RedrawChart(f, true);
    QCursor::setPos(f.CM93->mapToGlobal(QPoint((f.CM93->width() + 1) / 2, (f.CM93->height() + 1) / 2)));
}

void ServeRedrawRequests(TForm1& f)
{
    if (f.chartRedrawRequest || (TickRequest.radarRedraw && Down(f.RadarBtn))) {
        RedrawChart(f, true);
        f.chartRedrawRequest = false;
        TickRequest.radarRedraw = false;
    }
    if (f.OverlayRedrawRequest > 0 && --f.OverlayRedrawRequest == 0) {
        f.paintCopyPending = true;
        f.CM93Paint();
    }
    if (FastTick.dynamicOverlayCountdown > 0 && --FastTick.dynamicOverlayCountdown == 0)
        PaintDynamicOverlay(f, false);
    if (f.miniLayoutPending)
        RedrawMiniChart(f);
}

void StartRequestedRoute(TForm1& f)
{
    if (EditingActive || !RouteStartRequest)
        return;
    if (PickMode == 2) {
        // The route was picked for deletion, not to be followed.
        {
            const std::lock_guard lock(ComOutStateLock);
            RouteStartRequest = 0;
        }
        RtDelExecute(f);
        f.OverlayRedrawRequest = 1;
        return;
    }
    const RouteStartResult start = StartRouteFollowing(
        OwnShip.positionKnown ? std::optional(OwnShip.referencePosition) : std::nullopt);
    if (start.started) {
        f.WpPanel->show();
        f.ToolDlg->move(f.ToolDlg->x(), f.WpPanel->y() - f.ToolDlg->height());
        ApplyPresentation(f, 0, 1, 2);
        // The waypoint alarm of an earlier route ends; another alarm stays raised.
        if (Alarm.newWaypoint) {
            Alarm.newWaypoint = false;
            if (!Alarm.routeDeviation && !Alarm.depthAlarmRaised && OwnShip.alarmKind == AlarmNone) {
                OwnShip.alarmActive = false;
                SetAlarmRelay(false);
            }
        }
        if (!OwnShip.positionKnown) {
            OwnShip.referencePosition = start.ownPosition;
            OwnShip.courseOverGround = 0.0f;
            OwnShip.speedOverGround = 0.0f;
            f.MainPanel->show();
            f.ckHide2->setChecked(false);
            f.ckHide2Click(false);
        }
    }
    f.OverlayRedrawRequest = 1;
}

void SetTextColour(QLabel* label, const QColor& colour)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

void ShowGpsPanel(TForm1& f)
{
    const bool replay = ReplayPlaying();
    const int32_t key = OwnShip.satellites + OwnShip.gpsQuality + int32_t(OwnShip.fixAlive) + OwnShip.gpsPort;
    if (key == FastTick.gpsPanelKey)
        return;
    FastTick.gpsPanelKey = key;
    if ((OwnShip.fixAlive && OwnShip.gpsQuality > 0) || replay) {
        // The panel's own text colour, which follows the display mode.
        f.txGPS->setPalette(QPalette());
        f.txSats->setPalette(QPalette());
        f.txSats->setText(OwnShip.gpsPort < 0    ? QStringLiteral("slave")
                          : OwnShip.satellites > 0 ? QString::number(OwnShip.satellites) + QStringLiteral(" sats")
                                                   : QStringLiteral("OK"));
    } else {
        SetTextColour(f.txGPS, Qt::red);
        SetTextColour(f.txSats, Qt::red);
        f.txSats->setText(OwnShip.fixAlive ? QStringLiteral("error") : QStringLiteral("missing"));
    }
    f.txGPS->setText(OwnShip.gpsQuality == 2 ? QStringLiteral("DGPS") : QStringLiteral("GPS"));
}

void ReadAllInput()
{
    for (int port = 0; port < SerialPortCount; ++port)
        ReadComPort(port);
    while (ReadTcpInput()) {
    }
}

QString Degrees(const char* format, float value)
{
    return QString::asprintf(format, double(value)) + QChar(0xB0);
}

void ShowFixReadouts(TForm1& f)
{
    f.txLat->setText(platform::FromCp1252(FormatLatLon(ClampToInt(OwnShip.gpsLatitude * 600000.0), false)));
    f.txLon->setText(platform::FromCp1252(FormatLatLon(ClampToInt(OwnShip.gpsLongitude * 600000.0), true)));
    f.txCOG->setText(OwnShip.courseOverGround == -1.0f ? QStringLiteral("--- ")
                                                       : Degrees("%05.1f ", OwnShip.courseOverGround));
    f.txSOG->setText(OwnShip.speedOverGround == -1.0f
                         ? QStringLiteral("---")
                         : QString::asprintf("%.1f", double(OwnShip.speedOverGround)));
    f.txHDT->setText(OwnShip.headingValidity > 0 ? Degrees("%05.1f ", OwnShip.heading) : QStringLiteral("--- "));
    f.txSTW->setText(OwnShip.waterSpeedValidity > 0 ? QString::asprintf("%.1f", double(OwnShip.speedThroughWater))
                                                    : QStringLiteral("---"));
}

void StoreOwnShipPixels(TForm1& f)
{
    if (MainMapView)
        MainMapView->GeoToScreen(ChartRect(f), OwnShip.referencePosition, TickRequest.ownShipPixel);
    if (MiniMapView)
        MiniMapView->GeoToScreen({0, 0, f.CM93mini->width(), f.CM93mini->height()}, OwnShip.referencePosition,
                                 TickRequest.ownShipMiniPixel);
}

void AnchorWatch()
{
    if (AnchorGuard.zoneId == 0)
        return;
    float distance = 0.0f;
    if (cmgbase::InvPosComputation_f(OwnShip.referencePosition, AnchorGuard.centre, &distance, nullptr, 0) !=
        cmgbase::kGeoOk)
        return;
    if (distance > AnchorGuard.radius) {
        OwnShip.alarmActive = true;
        if (OwnShip.alarmKind != AlarmNotClearable && AlarmHold == 0) {
            OwnShip.alarmKind = AlarmNotClearable;
            SetAlarmRelay(true);
            Alarm.acknowledged = false;
        }
    } else if (OwnShip.alarmKind == AlarmNotClearable) {
        OwnShip.alarmKind = AlarmNone;
        OwnShip.alarmActive = false;
    }
}

// The displayed targets run on from their last report at their speed.
void MoveTargets(TForm1& f)
{
    if (!(Down(f.AisBtn) || Down(f.Arpa1Btn) || Down(f.Arpa2Btn)) || !MainMapView)
        return;
    for (TargetRecord& target : std::span(TargetTable).first(TargetCount)) {
        if (target.id == -1)
            continue;
        ScreenPoint pixel{};
        if (MainMapView->GeoToScreen(ChartRect(f), ShownTargetPosition(target, ClockSeconds), pixel)) {
            target.screenX = pixel.x;
            target.screenY = pixel.y;
        }
    }
}

// Own ship runs on along its course while no fix comes: as far as it travels in the time since
// the last step, whatever the rate of the steps.
void DeadReckonOwnShip(TForm1& f)
{
    const int64_t now =
        std::chrono::duration_cast<std::chrono::milliseconds>(TickNow().time_since_epoch()).count();
    if (!Shown(f.pnDR) || ReplayPlaying()) {
        FastTick.lastDeadReckoningMs = -1;
        return;
    }
    const int64_t last = FastTick.lastDeadReckoningMs;
    FastTick.lastDeadReckoningMs = now;
    if (last < 0)
        return;
    const double seconds = std::clamp(double(now - last) / 1000.0, 0.0, MaxDeadReckoningStep);
    const cmgbase::GeoPoint start{cmgbase::deg2nrm(OwnShip.gpsLongitude), cmgbase::deg2nrm(OwnShip.gpsLatitude)};
    const cmgbase::GeoPoint end =
        MoveAlong(start, OwnShip.courseOverGround, double(OwnShip.speedOverGround) * seconds / 3600.0);
    const std::lock_guard lock(ComOutStateLock);
    OwnShip.gpsLongitude = cmgbase::nrm2deg(end.x);
    OwnShip.gpsLatitude = cmgbase::nrm2deg(end.y);
}

// Between recorded minutes the replayed own ship runs on; the input loop then shows it there.
void DeadReckonReplay()
{
    const int64_t now =
        std::chrono::duration_cast<std::chrono::milliseconds>(TickNow().time_since_epoch()).count();
    if (DeadReckonReplayedOwnShip(now))
        TickRequest.positionRefresh = true;
}

void ExchangeWithThreeD(TForm1& f)
{
    const ExternalEntries& e = ExternalEntryTable;
    if (!e.threeDBound() || !Down(f.Show3DBtn) || !TickRequest.threeDViewerActive || f.chartLevel > ThreeDLevelLimit ||
        (e.tGetStatC() & StatCHeld) != 0)
        return;
    e.tPutStatC(e.tGetStatC() | StatCWriting);
    e.tGetRec(&ThreeDExchange, int32_t(sizeof ThreeDExchange));
    // Own ship and chart centre as the export's record writer gives them, so that neither undoes
    // what the other wrote; -1 is sent once when the own ship leaves the chart.
    const std::array<int32_t, 4> positions = ThreeDShipAndCentre(f);
    int32_t* words = ThreeDExchange.shipAndCentre;
    if (positions[0] != -1 || words[0] != -1) {
        std::copy(positions.begin(), positions.end(), words);
        e.tPutRec(&ThreeDExchange, 32);
        e.tPutStatA(e.tGetStatA() | 2);
    }
    FastTick.threeDCounter = std::min(FastTick.threeDCounter + 1, 3);
    // The view's cursor converts only with the area of an export: before the first there is none.
    const bool cursorReported = (ThreeDExchange.flags & 8) == 0;
    const std::optional<cmgbase::GeoPoint> cursor =
        ChartPositionOf(ThreeDExportArea, {ThreeDExchange.cursorX, ThreeDExchange.cursorY});
    if (FastTick.threeDCounter == 3 && cursorReported && cursor) {
        TickRequest.threeDCursor = *cursor;
        TickRequest.threeDCursorValid = true;
        UpdateCursorReadout(f, true, TickRequest.threeDCursor);
    } else {
        TickRequest.threeDCursorValid = false;
    }
    e.tPutStatC(e.tGetStatC() & ~StatCWriting);
}

void ProcessFix(TForm1& f)
{
    OwnShip.newFix = false;
    TickRequest.positionRefresh = false;
    SecondTick.positionTimeoutCounter = 0;
    FastTick.targetBlink = !FastTick.targetBlink;
    FastTick.positionChanged = true;
    f.AutoBtn->setEnabled(true);
    f.btnMiniAuto->setEnabled(true);
    if (!Shown(f.pnDR))
        for (QLabel* readout : {f.txLat, f.txLon, f.txCOG, f.txSOG})
            readout->setEnabled(true);
    ShowFixReadouts(f);
    {
        const std::lock_guard lock(ComOutStateLock);
        DeriveOwnShipPositions(OwnShip.fixUnchanged ? 1.5 : 0.5);
    }
    StoreOwnShipPixels(f);
    if (RadarAvailable && RadarService && RadarService->running)
        RadarService->SetPos(cmgbase::nrm2deg(OwnShip.radarAntennaPosition.y),
                             cmgbase::nrm2deg(OwnShip.radarAntennaPosition.x), OwnShip.displayCourse);
    TickRequest.lookAheadDistance = float(SetupParameters.LookAheadTime) * OwnShip.speedOverGround / 60.0f;
    RunLookAheadCheck(f);
    AnchorWatch();
    PaintDynamicOverlay(f, true);
    MoveTargets(f);
    DeadReckonOwnShip(f);
    if (f.CM93mini->height() > 10)
        PaintMiniChartMarkers(f);
    if (StartupDone)
        SignalComOutThread();
    if (OwnShip.alarmKind == AlarmNoGps && !Shown(f.pnDR)) {
        OwnShip.alarmKind = AlarmNone;
        OwnShip.alarmActive = false;
        SetAlarmRelay(false);
    }
    if (RouteId != 0 && RouteEditMode == RouteShown)
        UpdateRouteEtaPanel(f);
    f.EventMarkBtn->setEnabled(OwnShip.speedOverGround > 1.0f);
    ExchangeWithThreeD(f);
}

// The newest piece of a target's track, drawn into the static picture so that it stays there
// until the next redraw redraws the whole track, and shown at once.
void DrawTargetTrackSegment(TForm1& f, const ScreenPoint& from, const ScreenPoint& to, uint8_t colour)
{
    if (f.ChartBackBitmap.isNull())
        return;
    const uint32_t windowsColour = UserColourTable[std::min<size_t>(colour, UserColourTable.size() - 1)];
    for (QImage* bitmap : {&f.ChartBackBitmap, &f.ChartWorkBitmap}) {
        QPainter canvas(bitmap);
        DrawLineSegment(f, canvas, windowsColour, from.x, from.y, to.x, to.y, 1);
    }
    f.CM93->update(QRect(QPoint(std::min(from.x, to.x), std::min(from.y, to.y)),
                         QPoint(std::max(from.x, to.x), std::max(from.y, to.y)))
                       .adjusted(-1, -1, 1, 1));
}

void SampleTargetTrack(TForm1& f, TargetRecord& target)
{
    const int32_t count = std::clamp<int32_t>(target.count, 0, TargetRecord::TrackPoints);
    const int64_t interval = int64_t(SetupParameters.AisTrackInterval) * 60;
    if (count > 0 && ClockSeconds - int64_t(target.timeHistory[count - 1]) <= interval)
        return;
    const cmgbase::GeoPoint position{target.positionX, target.positionY};
    const bool shown = target.kind > 3 ? Down(f.AisBtn) && SetupParameters.AisTracks
                                       : Down(f.Arpa1Btn) || Down(f.Arpa2Btn);
    TargetTrackPicture& picture = TargetTrackPictures[size_t(&target - TargetTable.data())];
    ScreenPoint pixel{target.screenX, target.screenY};
    if (count > 0 && shown)
        DrawTargetTrackSegment(f, picture.points[size_t(count - 1)], pixel, target.colour);
    int32_t slot = count;
    if (slot == TargetRecord::TrackPoints) {
        std::move(picture.points.begin() + 1, picture.points.end(), picture.points.begin());
        std::memmove(target.track, target.track + 1, sizeof target.track - sizeof target.track[0]);
        std::move(&target.cogHistory[1], &target.cogHistory[slot], &target.cogHistory[0]);
        std::move(&target.sogHistory[1], &target.sogHistory[slot], &target.sogHistory[0]);
        std::move(&target.timeHistory[1], &target.timeHistory[slot], &target.timeHistory[0]);
        --slot;
    }
    picture.points[size_t(slot)] = pixel;
    target.track[slot][0] = position.x;
    target.track[slot][1] = position.y;
    target.cogHistory[slot] = uint16_t(std::clamp(target.course * 10.0f, 0.0f, 65535.0f));
    target.sogHistory[slot] = uint16_t(std::clamp(target.speed * 10.0f, 0.0f, 65535.0f));
    target.timeHistory[slot] = uint32_t(ClockSeconds);
    target.count = int16_t(slot + 1);
}

// The target side of the input loop: a new ARPA radar gets its button; every target updated since
// the last time gets its pixel, its track sample and, when the target dialog shows it, a refresh.
// False when there was nothing to do.
bool TakeTargetUpdate(TForm1& f)
{
    if (TakeNewArpaSource()) {
        QToolButton* button = f.Arpa1Btn->isHidden() ? f.Arpa1Btn : SecondArpaPortKnown() ? f.Arpa2Btn : nullptr;
        if (button && button->isHidden())
            ShowToolBarButton(f, button);
    }
    if (!OwnShip.targetsChanged)
        return false;
    OwnShip.targetsChanged = false;
    for (const int32_t index : TakeUpdatedTargets()) {
        TargetRecord& target = TargetTable[size_t(index)];
        if (target.id == -1)
            continue;
        ScreenPoint pixel{};
        if (MainMapView && MainMapView->GeoToScreen(ChartRect(f), {target.positionX, target.positionY}, pixel)) {
            target.screenX = pixel.x;
            target.screenY = pixel.y;
        }
        SampleTargetTrack(f, target);
        if (ShownTarget == index && ArpaDlg && ArpaDlg->isVisible())
            ArpaDlg->ShowTargetInfo();
    }
    return true;
}

bool UsableLatitude(double latitude)
{
    return std::isfinite(latitude) && std::abs(latitude) < 90.0;
}

void InputLoop(TForm1& f)
{
    for (int round = 0; round < MaxInputRounds; ++round) {
        ShowGpsPanel(f);
        ReadAllInput();
        if (OwnShip.newFix || TickRequest.positionRefresh) {
            if (UsableLatitude(OwnShip.gpsLatitude)) {
                ProcessFix(f);
                continue;
            }
            OwnShip.newFix = false;
            TickRequest.positionRefresh = false;
        }
        if (!TakeTargetUpdate(f))
            return;
    }
}

// The tile a tile change left goes into the seabed file; with depth recording off, the tile being
// recorded as well, since no tile change will store it.
void FlushSeabed()
{
    if (!OwnShip.seabedFlushRequest)
        return;
    FlushSeabedTile(SeabedFlushTile, false, true, 0, 0);
    if (SensorSetup.depthRecordingMode == 0)
        FlushSeabedTile(CurrentSeabedTile, false, true, 0, 0);
    OwnShip.seabedFlushRequest = false;
}

void ShowDepth(TForm1& f)
{
    const bool alive = OwnShip.depthValidity > 0;
    if (OwnShip.depth == FastTick.shownDepth && alive == FastTick.shownDepthAlive)
        return;
    if (FastTick.shownDepth == -2.0f && alive) {
        f.DepthPanel->show();
        f.DepthBevel->show();
        for (QWidget* w : {static_cast<QWidget*>(f.WindPanel), static_cast<QWidget*>(f.WindBevel)})
            w->move(w->x(), w->y() + 32);
        ApplyPresentation(f, 0, 1, 2);
    } else if (FastTick.shownDepth == -2.0f) {
        return;
    }
    FastTick.shownDepth = OwnShip.depth;
    FastTick.shownDepthAlive = alive;
    const float factor = SetupParameters.DepthFactor;
    f.DepthLabel->setText(factor < 1.0f ? QStringLiteral("fath") : factor > 1.0f ? QStringLiteral("ft.")
                                                                                 : QStringLiteral("mtr."));
    const double shown = double(OwnShip.depth) * factor;
    f.txDpt->setText(!alive ? QStringLiteral("---") : QString::asprintf(shown < 100.0 ? "%.1f" : "%.0f", shown));
}

void DropSoundingMark(TForm1& f)
{
    const int32_t interval = SoundingMarkInterval();
    if (interval <= 0 || OwnShip.depth <= 1.0f)
        return;
    double distance = 0.0;
    if (cmgbase::InvPosComputation(FastTick.lastSoundingMark, OwnShip.referencePosition, &distance, nullptr, 0) !=
            cmgbase::kGeoOk ||
        distance * 10.0 < interval)
        return;
    DropDepthMark(f);
}

void DropRouteAlarms()
{
    if ((RouteId != 0 && RouteEditMode <= RouteShown) || !(Alarm.newWaypoint || Alarm.routeDeviation))
        return;
    OwnShip.alarmActive = false;
    SetAlarmRelay(false);
    Alarm.newWaypoint = false;
    Alarm.routeDeviation = false;
    Alarm.routeDeviationSetActive = Alarm.routeDeviationSetAcknowledged = false;
}

void SetNoticeLook(QLabel* notice, const QColor& background, const QColor& text, int pointSize)
{
    QPalette palette = notice->palette();
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::WindowText, text);
    notice->setAutoFillBackground(true);
    notice->setPalette(palette);
    QFont font = notice->font();
    font.setPointSize(pointSize);
    notice->setFont(font);
}

QString AlarmText()
{
    switch (OwnShip.alarmKind) {
    case AlarmNoGps: return QStringLiteral(" No GPS");
    case AlarmHeadingLost: return QStringLiteral(" No HDT");
    case AlarmWaterSpeedLost: return QStringLiteral(" No STW");
    case AlarmDepthLost: return QStringLiteral(" No DPT");
    case AlarmRadarLost: return QStringLiteral(" Radar");
    case AlarmDatum: return QStringLiteral(" Datum");
    case AlarmNotClearable: return QStringLiteral("ANCHOR");
    default: break;
    }
    if (Alarm.newWaypoint)
        return QStringLiteral(" New WP");
    if (Alarm.routeDeviation)
        return QStringLiteral(" TRACK");
    if (Alarm.depthAlarmRaised)
        return platform::FromCp1252(MessageTexts[30]);
    return platform::FromCp1252(MessageTexts[31] + ' ' + WarningClassName(Alarm.areaWarningClass)) +
           QString::asprintf(" (%d)", Alarm.areaWarningClass);
}

void ShowNotice(TForm1& f)
{
    const bool replay = ReplayPlaying();
    if (replay)
        OwnShip.alarmActive = true;
    const bool alarm = OwnShip.alarmActive;
    if (!(alarm || Alarm.areaWarning || Alarm.error)) {
        if (FastTick.noticeAlarmLook || FastTick.noticeCycle != 0) {
            SetNoticeLook(f.Notice, f.palette().color(QPalette::Button), Qt::black, 8);
            FastTick.noticeAlarmLook = false;
            FastTick.noticeCycle = 0;
            FastTick.shownPointerMode = -1;
        }
        return;
    }
    FastTick.shownPointerMode = -1;
    if (f.ckHide2->isChecked())
        f.MainPanel->show();
    if (!FastTick.noticeAlarmLook) {
        FastTick.noticeAlarmLook = true;
        if (alarm || Alarm.error) {
            SetNoticeLook(f.Notice, Qt::red, Qt::yellow, 24);
            FastTick.noticeCycle = 0;
        } else {
            SetNoticeLook(f.Notice, Qt::yellow, Qt::black, 12);
        }
    }
    ++FastTick.noticeCycle;
    if (FastTick.noticeCycle == 1) {
        if (Alarm.error) {
            f.Notice->setText(QStringLiteral(" ERROR!"));
        } else if (replay) {
            f.Notice->setText(ReplayDlg ? ReplayDlg->windowTitle() : QString());
        } else {
            if (alarm && !Alarm.acknowledged)
                platform::PlaySoundFile(QString::fromStdString((ProgramFolder / "alarm.wav").string()));
            f.Notice->setText(AlarmText());
        }
    } else if (FastTick.noticeCycle == 15) {
        f.Notice->clear();
    } else if (FastTick.noticeCycle >= NoticeCycleTicks) {
        FastTick.noticeCycle = 0;
    }
}

constexpr int32_t UnchangedCursor = -1;

struct PointerChoice {
    int32_t mode;
    int32_t cursor;
};

constexpr int32_t Own(ProgramCursorNumber number)
{
    return ProgramCursorBase + number;
}

// Item 2 ("delete") of the data tab's function group is chosen.
bool DeletingDataArea(const TForm1& f)
{
    const QList<QRadioButton*> items = f.rgDataData->findChildren<QRadioButton*>();
    return items.size() > 2 && items[2]->isChecked();
}

PointerChoice ChoosePointerMode(const TForm1& f)
{
    if (DataAreaSelection)
        return {15, DeletingDataArea(f) ? Own(CursorDeleteArea) : Qt::ClosedHandCursor};
    if (Down(f.QueryBtn))
        return {2, Qt::WhatsThisCursor};
    if (PickMode == 1 || PickMode == 3)
        return {9, Own(CursorDelete)};
    if (PickMode == 2)
        return {14, Own(CursorHook)};
    if (PickMode == 5)
        return {4, Own(CursorDelete)};
    if (CutMode)
        return {10, Own(CursorCut)};
    if (SymbolPlaceMode)
        return {3, Qt::ArrowCursor};
    if (SymbolMoveMode)
        return {5, PickedSymbolId != 0 ? Qt::ClosedHandCursor : Qt::ArrowCursor};
    if (LineEditPhase == 1 || LineEditPhase == 3)
        return {7, Own(CursorHook)};
    if (LineEditPhase == 2 && Down(f.btnPickRt))
        return {11, Own(CursorHook)};
    if (LineEditPhase == 2 && Down(f.btnAddRt))
        return {12, Own(CursorHook)};
    if (Down(f.BearingBtn))
        return {BearingOriginSet ? 13 : 1, UnchangedCursor};
    if (Down(f.btnDrawRt))
        return {6, Qt::ArrowCursor};
    if (Down(f.btnChangeRt) || Down(f.btnLiEdit))
        return {8, Qt::ArrowCursor};
    if (Down(f.btnLiDraw))
        return {6, Qt::ArrowCursor};
    if (WeatherDlg && WeatherDlg->isVisible())
        return {16, Qt::CrossCursor};
    return {19, Own(CursorEcs)};
}

void ChoosePointer(TForm1& f)
{
    const PointerChoice choice = ChoosePointerMode(f);
    FastTick.pointerMode = choice.mode;
    if (choice.cursor != UnchangedCursor && choice.cursor != FastTick.chartCursor) {
        FastTick.chartCursor = choice.cursor;
        f.CM93->setCursor(choice.cursor >= ProgramCursorBase ? ProgramCursor(choice.cursor - ProgramCursorBase)
                                                             : QCursor(Qt::CursorShape(choice.cursor)));
    }
    if (choice.mode == FastTick.shownPointerMode || OwnShip.alarmActive || Alarm.areaWarning || Alarm.error)
        return;
    const std::string& hint = MessageTexts[size_t(choice.mode == 13 ? 32 : 19)];
    f.Notice->setText(platform::FromCp1252(' ' + MessageTexts[size_t(choice.mode - 1)] + hint));
    FastTick.shownPointerMode = choice.mode;
}

void BlinkNameBaseMark(TForm1& f)
{
    const ExternalEntries& e = ExternalEntryTable;
    if (!e.TGetActive || !e.TGetMark)
        return;
    if (e.TGetActive() == 2) {
        if (++FastTick.nameBaseBlink > 9) {
            FastTick.nameBaseBlink = 0;
            FastTick.nameBaseMarkVisible = true;
            PaintDynamicOverlay(f, false);
        } else if (FastTick.nameBaseBlink == 7) {
            FastTick.nameBaseMarkVisible = false;
            PaintDynamicOverlay(f, false);
        }
    } else {
        FastTick.nameBaseMarkVisible = false;
    }
    int32_t latitude = 0;
    int32_t longitude = 0;
    if (e.TGetMark(&latitude, &longitude) <= 0)
        return;
    const cmgbase::GeoPoint mark{cmgbase::deg2nrm(longitude / 600000.0), cmgbase::deg2nrm(latitude / 600000.0)};
    if (mark.x == FastTick.nameBaseMark.x && mark.y == FastTick.nameBaseMark.y)
        return;
    FastTick.nameBaseMark = mark;
    FastTick.nameBaseBlink = 9;
}

void TakeReliefPicture(TForm1& f)
{
    const ExternalEntries& e = ExternalEntryTable;
    if (!e.tGetStatB || !e.tPutStatB || (e.tGetStatB() & 8) == 0)
        return;
    e.tPutStatB(e.tGetStatB() & ~8);
    if (f.chartLevel > 12)
        return;
    TickRequest.threeDViewerActive = true;
    if (!Down(f.Show2DBtn))
        return;
    const QImage picture = QGuiApplication::clipboard()->image();
    if (picture.isNull())
        return;
    if (f.MainChartBitmap.isNull())
        return;
    QPainter(&f.MainChartBitmap).drawImage(0, 0, picture);  // clipped to the chart bitmap
    f.reliefBackground = true;
    RedrawChart(f, false);
}

void FlashLights(TForm1& f)
{
    FastTick.lightFlashToggle = !FastTick.lightFlashToggle;
    if (!FastTick.lightFlashToggle || f.chartLevel >= LightLevelLimit || f.rbBase->isChecked())
        return;
    if (ChartLayerTicked(f, FlashingLightsItem) || ChartLayerTicked(f, LightSectorsItem))
        UpdateLightFlashes(f);
}

void KeepDisplayModes(TForm1& f)
{
    const QPoint over = f.CM93->mapFromGlobal(QCursor::pos());
    if (over.x() >= 200 || over.y() >= 10 || f.Daylight->count() == 5)
        return;
    const int mode = std::max(f.Daylight->currentIndex(), 0);
    f.Daylight->clear();
    f.Daylight->addItems({QStringLiteral("Day"), QStringLiteral("Twi"), QStringLiteral("Black"),
                          QStringLiteral("Dusk"), QStringLiteral("Night")});
    f.Daylight->setCurrentIndex(std::min(mode, 4));
}

}  // namespace

void TForm1::Timer1Timer()
{
    if (ChartRestartInProgress)
        return;
    EdgePan(*this);
    if (OwnShip.radarDisplayChanged) {
        OwnShip.radarDisplayChanged = false;
        TickRequest.radarRedraw = true;
    }
    ServeRedrawRequests(*this);
    StartRequestedRoute(*this);
    DeadReckonReplay();
    InputLoop(*this);
    FlushSeabed();
    ShowDepth(*this);
    DropSoundingMark(*this);
    DropRouteAlarms();
    ShowNotice(*this);
    ChoosePointer(*this);
    BlinkNameBaseMark(*this);
    TakeReliefPicture(*this);
    FlashLights(*this);
    KeepDisplayModes(*this);
}
