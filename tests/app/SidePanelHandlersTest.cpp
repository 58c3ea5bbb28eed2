// The side panel's and the floating panels' handlers on the started main window over the bay:
// the look-ahead on the mini chart, the alarm notice with the relay on a pseudo-terminal's break
// line, the ETA panel, the position and range-unit buttons and the dead-reckoning course and speed.

#include "BayWindowTest.h"

#include "chart/TPositionDlg.h"
#include "frame/SetupParameters.h"
#include "frame/SharedTables.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>

#include <initializer_list>

namespace {

class SidePanelHandlersTest : public BayWindowTest {
protected:
    void SetUp() override
    {
        BayWindowTest::SetUp();
        ConnectAlarmRelay();
        PlaceShip(InTheBay, 30.0f, 8.0f);
    }

    // A sounding antigrounding alarm with its area warning, the relay closed.
    static void SoundDepthAlarm()
    {
        Alarm.depthAlarmRaised = true;
        Alarm.areaWarning = true;
        OwnShip.alarmActive = true;
        SetAlarmRelay(true);
    }

    static void ExpectDepthAlarmStopped()
    {
        EXPECT_FALSE(Alarm.depthAlarmRaised);
        EXPECT_FALSE(Alarm.areaWarning);
        EXPECT_FALSE(OwnShip.alarmActive);
        EXPECT_FALSE(AlarmRelayClosed());
    }
};

TEST_F(SidePanelHandlersTest, TheLookAheadShowsTheWaterAheadOneLevelFinerAtMostAt1To50000)
{
    const std::pair<int32_t, int32_t> levels[] = {{5, 5}, {6, 5}, {10, 8}, {17, 8}};
    // The tool dialog closed, so that the mini chart has the side panel's free height.
    form->ToolBtn->click();
    ASSERT_TRUE(form->ToolDlg->isHidden());
    form->btnMiniAuto->setEnabled(true);
    for (const auto& [mainLevel, miniLevel] : levels) {
        SCOPED_TRACE(mainLevel);
        ShowChart(mainLevel, InTheBay);
        MiniMapView->SetCentre(AtSea);
        form->btnMiniAuto->setChecked(false);

        form->btnMiniAuto->click();

        EXPECT_EQ(form->miniChartLevel, miniLevel);
        EXPECT_EQ(MiniMapView->scale, int32_t(ChartLevelTable[size_t(miniLevel)]));
        EXPECT_EQ(MiniMapView->centre, InTheBay);
        EXPECT_EQ(MiniMapView->displayCategory, 0);
        EXPECT_FALSE(form->edMiniSpeed->isHidden());
        EXPECT_FALSE(form->udMiniSpeed->isHidden());
    }

    SoundDepthAlarm();
    form->btnMiniAuto->click();
    ExpectDepthAlarmStopped();
    EXPECT_EQ(MiniMapView->displayCategory, 3);
    EXPECT_TRUE(form->edMiniSpeed->isHidden());
    EXPECT_TRUE(form->udMiniSpeed->isHidden());
}

TEST_F(SidePanelHandlersTest, ANewMinimumSpeedIsStoredAndEndsTheLookAheadsAlarm)
{
    SoundDepthAlarm();
    form->udMiniSpeed->setValue(4);
    EXPECT_EQ(SetupParameters.AntigroundingMinSpeed, 4);
    EXPECT_EQ(form->edMiniSpeed->text(), "4");
    ExpectDepthAlarmStopped();
}

// Another alarm than the look-ahead's keeps sounding when the look-ahead is switched off.
TEST_F(SidePanelHandlersTest, SwitchingTheLookAheadOffLeavesOtherAlarmsSounding)
{
    OwnShip.alarmKind = AlarmNoGps;
    OwnShip.alarmActive = true;
    SetAlarmRelay(true);
    form->btnMiniAuto->setEnabled(true);
    form->btnMiniAuto->setChecked(true);
    form->btnMiniAuto->click();
    EXPECT_TRUE(OwnShip.alarmActive);
    EXPECT_TRUE(AlarmRelayClosed());
}

TEST_F(SidePanelHandlersTest, AClickOnTheNoticeAcknowledgesOrEndsTheAlarmByItsCause)
{
    const struct {
        const char* what;
        int32_t kind;
        bool depth;
        bool deviation;
        bool newWaypoint;
        bool active;
        bool warning;
        // Expected:
        bool stillActive;
        bool acknowledged;
        bool relayClosed;
        bool warningKept;
    } cases[] = {
        {"route deviation", AlarmNone, false, true, false, true, false, true, true, true, false},
        {"antigrounding", AlarmNone, true, false, false, true, true, true, true, true, true},
        {"anchor", AlarmNotClearable, false, false, false, true, false, true, true, true, false},
        {"new waypoint", AlarmNone, false, false, true, true, false, false, false, false, false},
        {"no GPS", AlarmNoGps, false, false, false, true, true, false, false, false, true},
        {"datum", AlarmDatum, false, false, false, true, false, false, false, false, false},
        {"an area warning alone", AlarmNone, false, false, false, false, true, false, false, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        OwnShip.alarmKind = c.kind;
        OwnShip.alarmActive = c.active;
        Alarm = AlarmFlags{};
        Alarm.depthAlarmRaised = c.depth;
        Alarm.routeDeviation = c.deviation;
        Alarm.newWaypoint = c.newWaypoint;
        Alarm.areaWarning = c.warning;
        SetAlarmRelay(c.active);

        QTest::mouseClick(form->Notice, Qt::LeftButton);

        EXPECT_EQ(OwnShip.alarmActive, c.stillActive);
        EXPECT_EQ(Alarm.acknowledged, c.acknowledged);
        EXPECT_EQ(AlarmRelayClosed(), c.relayClosed);
        EXPECT_EQ(Alarm.areaWarning, c.warningKept);
        EXPECT_FALSE(Alarm.newWaypoint);
        EXPECT_EQ(OwnShip.alarmKind, c.kind);
    }
}

// A route of four waypoints followed from leg 1; stops where given.
void FollowRoute(std::initializer_list<int> stops)
{
    ClearRouteTable();
    WaypointCount = 4;
    for (int i = 0; i < 4; ++i)
        RouteTable[size_t(i)].position = Degrees(-76.45 + 0.01 * i, 38.97);
    for (const int stop : stops)
        RouteTable[size_t(stop)].stopMinutes = 15;
    RouteId = 5;
    RouteEditMode = RouteShown;
    CurrentWaypoint = 1;
}

TEST_F(SidePanelHandlersTest, TheEtaBoxTurnsBetweenTheNextStopAndTheRouteEnd)
{
    const struct {
        const char* what;
        std::initializer_list<int> stops;
        int32_t nextStop;
        int32_t newNextStop;
        bool modeToggled;
    } cases[] = {
        {"to the next stop", {2}, -1, 2, false},
        {"from the next stop to the end", {2}, 2, 3, false},
        {"from the end back to the next stop", {2}, 3, 2, false},
        {"no stop ahead: to the end", {}, -1, 3, false},
        {"the end is the next stop: the other speeds", {}, 3, 3, true},
        {"a stop behind the ship counts not", {0}, 3, 3, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FollowRoute(c.stops);
        NextStopWaypoint = c.nextStop;
        SetupParameters.EtaPanelMode = 1;

        QTest::mouseClick(form->boxETA, Qt::LeftButton);

        EXPECT_EQ(NextStopWaypoint, c.newNextStop);
        EXPECT_EQ(SetupParameters.EtaPanelMode, c.modeToggled ? 0 : 1);
    }
}

// The ETA panel itself, and its readouts, only turn the speeds; the box around it is not clicked.
TEST_F(SidePanelHandlersTest, TheEtaPanelTurnsBetweenTheCurrentAndThePlannedSpeeds)
{
    FollowRoute({2});
    NextStopWaypoint = 2;
    SetupParameters.EtaPanelMode = 0;
    QTest::mouseClick(form->pnETA, Qt::LeftButton);
    EXPECT_EQ(SetupParameters.EtaPanelMode, 1);
    QTest::mouseClick(form->txETA, Qt::LeftButton);
    EXPECT_EQ(SetupParameters.EtaPanelMode, 0);
    EXPECT_EQ(NextStopWaypoint, 2);
}

TEST_F(SidePanelHandlersTest, EitherPositionButtonOpensOrClosesThePositionDialogBothShowIt)
{
    form->btnPosition->click();
    EXPECT_FALSE(form->btnPosition->isChecked()) << "no dialog to open";
    EXPECT_FALSE(form->btnPosition2->isChecked());

    TPositionDlg dialog;
    PositionDlg = &dialog;
    for (QPushButton* button : {form->btnPosition, form->btnPosition2, form->btnPosition2, form->btnPosition}) {
        const bool opens = !dialog.isVisible();
        button->click();
        EXPECT_EQ(dialog.isVisible(), opens);
        EXPECT_EQ(form->btnPosition->isChecked(), opens);
        EXPECT_EQ(form->btnPosition2->isChecked(), opens);
    }
    // Closed some other way while the buttons are down: the next click opens it again.
    form->btnPosition->click();
    dialog.hide();
    form->btnPosition2->click();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(form->btnPosition->isChecked());
    EXPECT_TRUE(form->btnPosition2->isChecked());
    PositionDlg = nullptr;
}

TEST_F(SidePanelHandlersTest, EitherRangeButtonTurnsTheUnitOfBothReadouts)
{
    MessageTexts[20] = "Range in metres";
    MessageTexts[21] = "Range in nautical miles";
    const struct {
        QPushButton* button;
        bool metres;
        const char* caption;
        const char* hint;
    } cases[] = {
        {form->btnBearNm, true, "m.", "Range in metres"},
        {form->btnBearNm2, false, "Nm", "Range in nautical miles"},
        {form->btnBearNm2, true, "m.", "Range in metres"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.caption);
        form->txCursVRM->setText("1.25");
        form->txCursVRM2->setText("1.25");

        c.button->click();

        EXPECT_EQ(form->RangeInMetres, c.metres);
        for (const QPushButton* button : {form->btnBearNm, form->btnBearNm2}) {
            EXPECT_EQ(button->text(), c.caption);
            EXPECT_EQ(button->toolTip(), c.hint);
        }
        EXPECT_EQ(form->txCursVRM->text(), "---");
        EXPECT_EQ(form->txCursVRM2->text(), "---");
    }
    MessageTexts = {};
}

TEST_F(SidePanelHandlersTest, TheDeadReckoningCourseAndSpeedDriveTheShipOnlyWhileTheirPanelShows)
{
    form->csDRcrs->setValue(45);
    form->csDRspd->setValue(12);
    EXPECT_EQ(OwnShip.courseOverGround, 30.0f) << "panel hidden";
    EXPECT_EQ(OwnShip.speedOverGround, 8.0f);

    form->pnDR->show();
    const struct {
        int step;
        float course;
    } steps[] = {{+1, 46.0f}, {359 - 46, 359.0f}, {+1, 0.0f}, {-1, 359.0f}};
    for (const auto& s : steps) {
        form->csDRcrs->stepBy(s.step);
        EXPECT_EQ(OwnShip.courseOverGround, s.course);
        EXPECT_EQ(OwnShip.displayCourse, s.course);
    }
    form->csDRspd->setValue(5);
    EXPECT_EQ(OwnShip.speedOverGround, 5.0f);
}

}  // namespace
