// The handlers of the side panel and the floating panels: the GPS readout, the look-ahead on the
// mini chart with its minimum speed, the alarm notice, the ETA panel, the position and range-unit
// buttons of the cursor readouts and the dead-reckoning course and speed; and the wiring of these
// and of the target buttons to their controls.

#include "app/ControlBehaviour.h"
#include "app/ObjectLoad.h"
#include "app/TForm1.h"
#include "app/TickState.h"
#include "chart/ChartLevels.h"
#include "chart/ChartPresentation.h"
#include "chart/MapView.h"
#include "chart/TPositionDlg.h"
#include "frame/PortSettings.h"
#include "frame/SetupParameters.h"
#include "frame/SharedTables.h"
#include "platform/system/TextCodec.h"
#include "sensors/ComPortControl.h"
#include "sensors/OwnShipState.h"
#include "userdata/RouteTable.h"
#include "userdata/UserRecords.h"

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>

#include <algorithm>
#include <mutex>

namespace {

// Above this speed over ground (knots) the ship counts as under way.
constexpr float UnderWaySpeed = 1.0f;
// The mini chart's look-ahead level: one finer than the main chart's from level 6 on, and no
// coarser than 1:50000, so that the look-ahead check sees the chart's detail.
constexpr int32_t FirstFinerMiniLevel = 6;
constexpr int32_t CoarsestLookAheadLevel = 8;
// The mini chart's display categories with and without the look-ahead.
constexpr int32_t LookAheadCategory = 0;
constexpr int32_t OverviewCategory = 3;
// The message texts of the range unit's hint: metres, nautical miles.
constexpr size_t MetresHint = 20;
constexpr size_t NauticalMilesHint = 21;
constexpr int32_t LastCourse = 359;

int32_t LookAheadMiniLevel(int32_t mainLevel)
{
    return std::min(mainLevel >= FirstFinerMiniLevel ? mainLevel - 1 : mainLevel, CoarsestLookAheadLevel);
}

// The look-ahead stops sounding: a raised antigrounding alarm ends with the relay open and the
// area warning goes.
void SilenceLookAhead()
{
    DropDepthAlarm();
    Alarm.areaWarning = false;
}

void ToggleEtaPanelMode()
{
    SetupParameters.EtaPanelMode = SetupParameters.EtaPanelMode ? 0 : 1;
}

}  // namespace

void TForm1::ConnectPanelHandlers()
{
    connect(QueryBtn, &QToolButton::clicked, this, &TForm1::QueryExecute);
    connect(Arpa1Btn, &QToolButton::clicked, this, &TForm1::Arpa1Execute);
    connect(Arpa2Btn, &QToolButton::clicked, this, &TForm1::Arpa2Execute);
    connect(AisBtn, &QToolButton::clicked, this, &TForm1::AisExecute);
    connect(BearingBtn, &QToolButton::clicked, this, &TForm1::BearingExecute);
    connect(EventMarkBtn, &QToolButton::clicked, this, [this] { EventMarkExecute(EventMarkBtn); });
    for (QLabel* label : GpsPanel->findChildren<QLabel*>())
        ConnectWidgetClick(label, [this] { GpsPanelClick(); });
    connect(btnMiniAuto, &QToolButton::clicked, this, &TForm1::btnMiniAutoClick);
    connect(udMiniSpeed, &QSpinBox::valueChanged, this, &TForm1::udMiniSpeedChangingEx);
    ConnectWidgetClick(Notice, [this] { NoticeClick(); });
    ConnectWidgetClick(pnETA, [this] { pnETAClick(); });
    ConnectWidgetClick(boxETA, [this] { boxETAClick(); });
    for (QPushButton* button : {btnPosition, btnPosition2})
        connect(button, &QPushButton::clicked, this, &TForm1::btnPositionClick);
    for (QPushButton* button : {btnBearNm, btnBearNm2})
        connect(button, &QPushButton::clicked, this, &TForm1::btnBearNmClick);
    connect(csDRcrs, &QSpinBox::valueChanged, this, &TForm1::csDRcrsChange);
    connect(csDRspd, &QSpinBox::valueChanged, this, &TForm1::csDRspdChange);
    connect(cmbDepthSave, &QComboBox::activated, this, &TForm1::cmbDepthSaveChange);
}

// A click on the GPS readout of a ship under way lets the chart follow it.
void TForm1::GpsPanelClick()
{
    if (OwnShip.speedOverGround <= UnderWaySpeed || AutoBtn->isChecked())
        return;
    AutoBtn->setChecked(true);
    AutoExecute();
}

// The look-ahead: the mini chart shows the water ahead of the own ship at a level fine enough for
// the antigrounding check, and its minimum speed can be set. Off, the mini chart is an overview
// again and its alarm ends.
void TForm1::btnMiniAutoClick()
{
    const bool lookAhead = btnMiniAuto->isChecked();
    if (lookAhead) {
        if (MiniMapView)
            MiniMapView->SetCentre(OwnShip.referencePosition);
        miniChartLevel = LookAheadMiniLevel(chartLevel);
        SetMiniChartLevel(*this);
    } else {
        SilenceLookAhead();
    }
    if (MiniMapView)
        MiniMapView->SetDisplayCategory(lookAhead ? LookAheadCategory : OverviewCategory);
    edMiniSpeed->setVisible(lookAhead);
    udMiniSpeed->setVisible(lookAhead);
    ApplyMiniPresentation(*this);
}

// A new minimum speed of the look-ahead check; an alarm of the old one ends.
void TForm1::udMiniSpeedChangingEx()
{
    const int speed = udMiniSpeed->value();
    SetupParameters.AntigroundingMinSpeed = int16_t(speed);
    edMiniSpeed->setText(QString::number(speed));
    SilenceLookAhead();
}

// The alarm acknowledged. Route deviation, antigrounding and the anchor watch keep their alarm
// (and the relay) until their cause has gone, only the sound stops; any other alarm ends.
void TForm1::NoticeClick()
{
    if (!OwnShip.alarmActive)
        Alarm.areaWarning = false;
    Alarm.newWaypoint = false;
    if (Alarm.routeDeviation || Alarm.depthAlarmRaised || OwnShip.alarmKind == AlarmNotClearable) {
        Alarm.acknowledged = true;
        return;
    }
    OwnShip.alarmActive = false;
    SetAlarmRelay(false);
}

// The ETA panel works with the current speed or with the route's planned speeds.
void TForm1::pnETAClick()
{
    ToggleEtaPanelMode();
}

// The ETA panel turns between the next stop and the end of the route; where they are one, between
// the current and the planned speeds.
void TForm1::boxETAClick()
{
    const int32_t next = NextActiveWaypoint();
    const int32_t end = RouteEntryCount() - 1;
    if (next == end && NextStopWaypoint == next)
        ToggleEtaPanelMode();
    else
        NextStopWaypoint = NextStopWaypoint == next ? end : next;
    if (RouteId != 0)
        LoadObject(*this, int32_t(ObjectType::ROUTE), RouteId);
    CM93Paint();
}

// Either position button shows or hides the position dialog; both show whether it is open.
void TForm1::btnPositionClick()
{
    const bool open = PositionDlg && !PositionDlg->isVisible();
    if (open)
        ShowForm(PositionDlg);
    else if (PositionDlg)
        PositionDlg->hide();
    btnPosition->setChecked(open);
    btnPosition2->setChecked(open);
}

// The range of the cursor readouts in metres or nautical miles; the range shown so far was in the
// other unit, so it goes until the cursor moves.
void TForm1::btnBearNmClick()
{
    RangeInMetres = !RangeInMetres;
    const QString caption = RangeInMetres ? QStringLiteral("m.") : QStringLiteral("Nm");
    const QString hint = platform::FromCp1252(MessageTexts[RangeInMetres ? MetresHint : NauticalMilesHint]);
    for (QPushButton* button : {btnBearNm, btnBearNm2}) {
        button->setText(caption);
        button->setToolTip(hint);
    }
    for (QLabel* range : {txCursVRM, txCursVRM2})
        range->setText(QStringLiteral("---"));
}

// Dead reckoning: the course and the speed the ship is taken to run at without a fix.
void TForm1::csDRcrsChange()
{
    if (pnDR->isHidden())
        return;
    int course = csDRcrs->value();
    if (course > LastCourse)
        course = 0;
    else if (course < 0)
        course = LastCourse;
    if (course != csDRcrs->value()) {
        csDRcrs->setValue(course);  // runs this handler again with the course
        return;
    }
    const std::lock_guard lock(ComOutStateLock);
    OwnShip.courseOverGround = float(course);
    OwnShip.displayCourse = float(course);
}

void TForm1::csDRspdChange()
{
    if (pnDR->isHidden())
        return;
    const std::lock_guard lock(ComOutStateLock);
    OwnShip.speedOverGround = float(csDRspd->value());
}
