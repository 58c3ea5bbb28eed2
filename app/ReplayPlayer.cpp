#include "app/ReplayPlayer.h"

#include "app/AisLogs.h"
#include "app/OwnShipPositions.h"
#include "app/PanelLayout.h"
#include "app/TForm1.h"
#include "app/TickState.h"
#include "app/ToolBarButtons.h"
#include "app/TrackButton.h"
#include "chart/ChartRedraw.h"
#include "chart/MapView.h"
#include "frame/PortSettings.h"
#include "frame/SharedTables.h"
#include "platform/geodesy/GeodesyStatus.h"
#include "platform/geodesy/NormalisedCoordinates.h"
#include "platform/geodesy/PositionComputation.h"
#include "sensors/ArpaSources.h"
#include "sensors/OwnShipState.h"
#include "sensors/TargetStaticData.h"
#include "sensors/TargetTable.h"
#include "userdata/ReplayFile.h"
#include "userdata/TReplayDlg.h"
#include "userdata/TTrackDlg.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QLabel>
#include <QPushButton>
#include <QTimeEdit>
#include <QToolButton>

#include <cmath>
#include <mutex>
#include <numbers>

int32_t ReplayCentreMmsi = -1;

namespace {

ReplayReader Reader;
ReplayRecord Buffered{};
int64_t LastDeadReckoningMs = -1;
bool PlayingStep = false;  // a minute's records are being applied: they place the ship

void ShowReplayTime(TForm1& f, int32_t minuteOfDay)
{
    const int32_t hour = minuteOfDay / 60;
    const int32_t minute = minuteOfDay % 60;
    if (ReplayDlg) {
        const QSignalBlocker quiet(ReplayDlg->dtTime);
        ReplayDlg->dtTime->setTime(QTime(hour % 24, minute));
    }
    const QDate day = ReplayDlg ? ReplayDlg->dtDate->date() : QDate();
    f.TimeLabel->setText(QString::asprintf("%02d.%02d.%02d  %02d:%02d", day.day(), day.month(), day.year() % 100,
                                           int(hour), int(minute)));
}

void ApplyOwnShip(const ReplayRecord& r)
{
    const std::lock_guard lock(ComOutStateLock);
    OwnShip.gpsLongitude = cmgbase::nrm2deg(r.x);
    OwnShip.gpsLatitude = cmgbase::nrm2deg(r.y);
    OwnShip.speedOverGround = float(r.speedTenths) / 10.0f;
    OwnShip.courseOverGround = float(r.courseTenths) / 10.0f;
    OwnShip.heading = float(r.heading) / 10.0f;
    OwnShip.displayCourse = OwnShip.headingValidity > 0 ? OwnShip.heading : OwnShip.courseOverGround;
    OwnShip.positionKnown = true;
    OwnShip.newFix = true;
}

// The radar whose targets are in use; its first port when none was seen yet.
int ArpaPortInUse()
{
    const int radar = std::abs(ArpaSource) == 2 ? 1 : 0;
    return ArpaPorts[size_t(radar)] >= 0 ? ArpaPorts[size_t(radar)] : 0;
}

void ApplyArpaTarget(const ReplayRecord& r)
{
    SensorRecord& staged = OwnShip.sensorRecord;
    double distance = 0.0;
    double bearing = 0.0;
    // From where the table places radar targets, so the target comes back where it was.
    if (cmgbase::InvPosComputation(OwnShip.radarAntennaPosition, {r.x, r.y}, &distance, &bearing, 0) !=
        cmgbase::kGeoOk)
        return;
    staged.targetId = int32_t(r.id);
    staged.targetDistance = float(distance);
    staged.targetBearing = float(std::fmod(bearing * 180.0 / std::numbers::pi + 360.0, 360.0));
    staged.targetBearingReference = 'T';
    staged.targetCourseReference = 'T';
    staged.targetStatus = 'T';
    staged.targetSpeed = float(r.speedTenths) / 10.0f;
    staged.targetCourse = float(r.courseTenths) / 10.0f;
    staged.targetCpa = 0.0f;
    staged.targetTcpa = 0.0f;
    SetStagedTargetName("");
    UpdateTargetTable(ArpaPortInUse(), TargetArpa);
    OwnShip.targetsChanged = true;
}

void CentreOnce(TForm1& f, const ReplayRecord& r)
{
    if (int64_t(r.id) != int64_t(ReplayCentreMmsi))
        return;
    ReplayCentreMmsi = -1;
    if (f.AutoBtn->isChecked())
        f.AutoBtn->setChecked(false);
    if (MainMapView && MainMapView->SetCentre({r.x, r.y}) == 1)
        RedrawChart(f, true);
}

void ApplyAisTarget(TForm1& f, const ReplayRecord& r)
{
    CentreOnce(f, r);
    OwnShip.sensorRecord.targetId = int32_t(r.id);
    OwnShip.sensorRecord.targetStatus = 'T';
    SetStagedTargetName("");
    AisDynamicBlock& d = OwnShip.stagedAis.dynamic;
    d = AisDynamicBlock{};
    d.mmsi = r.id;
    d.positionX = r.x;
    d.positionY = r.y;
    d.sogTenths = r.speedTenths;
    d.cogTenths = r.courseTenths;
    d.trueHeading = r.heading;
    d.rateOfTurn = -128;
    UpdateTargetTable(0, TargetAisPosition);
    RunTargetFileWork();
    OwnShip.targetsChanged = true;
}

void Apply(TForm1& f, const ReplayRecord& r)
{
    if (r.id == ReplayOwnShipId)
        ApplyOwnShip(r);
    else if (r.id < ReplayAisFrom)
        ApplyArpaTarget(r);
    else
        ApplyAisTarget(f, r);
}

void EmptyTargetsAndTrack()
{
    for (TargetRecord& target : TargetTable) {
        FreeTarget(target);
        target.aux = 0;
    }
    if (TrackDlg)
        TrackDlg->btnDeleteClick(false);
}

void ReplayPanelShown(TForm1& f)
{
    PlaceBesideMainPanel(f, *ReplayDlg);
    if (f.Arpa1Btn->isHidden())
        ShowToolBarButton(f, f.Arpa1Btn);
    f.Arpa1Btn->setChecked(true);
    f.AisBtn->setChecked(true);
    OwnShip.headingValidity = 0;
}

}  // namespace

bool ReplayModeOn()
{
    return Form1 && Form1->btnReplay->isChecked();
}

bool ReplayPlaying()
{
    return ReplayModeOn() && ReplayDlg && ReplayDlg->playing;
}

bool OpenReplay(const std::filesystem::path& file, int32_t minute)
{
    if (!Reader.open(file))
        return false;
    while (Reader.next(Buffered))
        if (Buffered.minuteOfDay >= uint32_t(minute))
            return true;
    Reader.close();
    return false;
}

bool PlayReplayStep(TForm1& form)
{
    if (!Reader.isOpen())
        return false;
    const uint16_t minute = Buffered.minuteOfDay;
    ShowReplayTime(form, minute);
    PlayingStep = true;
    bool more = true;
    while (more && Buffered.minuteOfDay == minute) {
        Apply(form, Buffered);
        more = Reader.next(Buffered);
        // Each record is drawn as it comes, the last of the file too.
        form.Timer1Timer();
    }
    PlayingStep = false;
    LastDeadReckoningMs = -1;
    TickRequest.positionRefresh = true;
    return more;
}

void CloseReplay()
{
    Reader.close();
    LastDeadReckoningMs = -1;
    if (ReplayDlg)
        ReplayDlg->ReplayClosed();
}

void StartReplayPlayback(TForm1& form)
{
    if (!ReplayDlg)
        return;
    EmptyTargetsAndTrack();
    const QDate day = ReplayDlg->dtDate->date();
    const QTime time = ReplayDlg->dtTime->time();
    const std::filesystem::path file =
        DataPaths[DataPathReplay] / ReplayFileName(day.year(), day.month(), day.day());
    TickRequest.positionRefresh = true;
    if (!OpenReplay(file, time.hour() * 60 + time.minute())) {
        CloseReplay();
        return;
    }
    ReplayDlg->btnSpd->setChecked(false);
    ReplayDlg->btnSpdClick();
    ReplayDlg->btnSpd->setEnabled(true);
    SecondTick.replayTickCounter = 0;
    if (!PlayReplayStep(form))
        CloseReplay();
}

void ReplayTick(TForm1& form)
{
    if (!ReplayDlg)
        return;
    ++SecondTick.replayTickCounter;
    if (ReplayDlg->ticksPerStep <= SecondTick.replayTickCounter) {
        SecondTick.replayTickCounter = 0;
        LastDeadReckoningMs = -1;
        if (ReplayDlg->playing && !PlayReplayStep(form))
            CloseReplay();
    } else if (ReplayDlg->playing && ReplayDlg->ckDR->isChecked()) {
        const QSignalBlocker quiet(ReplayDlg->dtTime);
        ReplayDlg->dtTime->setTime(ReplayDlg->dtTime->time().addSecs(ReplayDlg->speedFactor));
    }
}

int32_t TargetAgeFactor()
{
    if (!ReplayModeOn())
        return 1;
    return ReplayPlaying() && ReplayDlg->ckDR->isChecked() ? ReplayDlg->speedFactor : 0;
}

bool DeadReckonReplayedOwnShip(int64_t nowMs)
{
    const bool running = !PlayingStep && ReplayPlaying() && ReplayDlg->ckDR->isChecked() && Reader.isOpen() &&
                         SecondTick.replayTickCounter < ReplayDlg->ticksPerStep - 1;
    const int64_t last = LastDeadReckoningMs;
    LastDeadReckoningMs = running ? nowMs : -1;
    if (!running || last < 0 || nowMs <= last)
        return false;
    // A longer gap is a stalled tick or a clock step, not sailing time.
    const double seconds = std::min(double(nowMs - last) / 1000.0, 10.0);
    const cmgbase::GeoPoint start{cmgbase::deg2nrm(OwnShip.gpsLongitude), cmgbase::deg2nrm(OwnShip.gpsLatitude)};
    const cmgbase::GeoPoint end = MoveAlong(
        start, OwnShip.courseOverGround, double(OwnShip.speedOverGround) * ReplayDlg->speedFactor * seconds / 3600.0);
    const std::lock_guard lock(ComOutStateLock);
    OwnShip.gpsLongitude = cmgbase::nrm2deg(end.x);
    OwnShip.gpsLatitude = cmgbase::nrm2deg(end.y);
    return true;
}

void btnReplayClick(TForm1& form)
{
    const bool entering = form.btnReplay->isChecked();
    if (entering)
        WriteAisEventLog(0, AisLogAllLost);
    EmptyTargetsAndTrack();
    if (ReplayDlg)
        ReplayDlg->setVisible(entering);
    form.txHDT->setText(QStringLiteral("---    "));
    Alarm.sound = false;
    if (!entering) {
        CloseReplay();
        ReplayCentreMmsi = -1;
    }
    if (form.btnTrack->isChecked())
        btnTrackClick(form);
}

void WireReplay(TForm1& form)
{
    QObject::connect(form.btnReplay, &QPushButton::clicked, &form, [&form] { btnReplayClick(form); });
    if (!ReplayDlg)
        return;
    TForm1* f = &form;
    ReplayDlg->hooks.shown = [f] { ReplayPanelShown(*f); };
    ReplayDlg->hooks.hidden = [f] {
        if (!f->btnReplay->isChecked())
            return;
        f->btnReplay->setChecked(false);
        btnReplayClick(*f);
    };
    ReplayDlg->hooks.start = [f] { StartReplayPlayback(*f); };
    ReplayDlg->hooks.ticksPerStepChanged = [](int32_t from, int32_t to) {
        SecondTick.replayTickCounter = from > 0 ? SecondTick.replayTickCounter * to / from : 0;
    };
}
