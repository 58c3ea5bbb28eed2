// The look-ahead check of the 100 ms tick over the bay's cell US4MD81M: the sector ahead of the
// own ship against the charted depths and dangers (the antigrounding alarm with the relay on a
// pseudo-terminal's break line and Auto) and the watched areas (the area warning).

#include "BayWindowTest.h"

#include "app/TForm1.h"
#include "app/TickState.h"
#include "chart/AreaWatchTable.h"
#include "chart/MapManager.h"
#include "frame/SetupParameters.h"
#include "platform/chartengine/AreaCheck.h"
#include "userdata/RouteFollowing.h"

#include <QLabel>
#include <QSpinBox>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>
#include <utility>

namespace {

// Thomas Point Shoal (38 53.9 N 76 26.1 W): a steep shoal of 1.8 m and less around its light,
// in water of 10.9 m and more to the south-east. Halfway along the line to it from the
// south-east, 0.83 nm off, heading for it (313 degrees): the 1.8 m area is 0.66 nm ahead.
const cmgbase::GeoPoint OffTheShoal = Degrees(-76.41, 38.88);   // 1.66 nm off
const cmgbase::GeoPoint NearTheShoal = Degrees(-76.4229, 38.8895);
constexpr float TowardsTheShoal = 313.3f;
constexpr float AwayFromTheShoal = 133.3f;

constexpr int32_t MinimumSpeed = 2;

class LookAheadTest : public BayWindowTest {
protected:
    void SetUp() override
    {
        BayWindowTest::SetUp();
        ConnectAlarmRelay();
        ResetAreaWatchTable();
        SetupParameters.AlarmSafety = 1;
        SetupParameters.AlarmWarning = 1;
        SetupParameters.SafetyContour = 5;
        SetupParameters.Height = 30;
        SetupParameters.LookAheadTime = 6;  // 1 nm at 10 knots
        SetupParameters.LookAheadSector = 15;
        SetupParameters.DepthFactor = 1.0f;
        form->udMiniSpeed->setValue(MinimumSpeed);
        form->btnMiniAuto->setEnabled(true);
        form->btnMiniAuto->setChecked(true);
        form->miniChartLevel = 8;
        form->AutoBtn->setEnabled(true);
        form->AutoBtn->setChecked(false);
    }

    void TearDown() override
    {
        AlarmHold = 0;
        ResetAreaWatchTable();
        BayWindowTest::TearDown();
    }

    // One tick with a fix of the own ship at a position on a course at a speed. A check that
    // takes long under the sanitizers would leave ticks without a check: the fixes here come
    // seconds apart.
    void Fix(const cmgbase::GeoPoint& at, float course, float speed = 10.0f)
    {
        PlaceShip(at, course, speed);
        OwnShip.newFix = true;
        FastTick.lookAheadSkip = 0;
        form->Timer1Timer();
    }

    static void SilenceLookAheadAlarm()
    {
        DropDepthAlarm();
        Alarm.areaWarning = false;
    }

    void ExpectAlarm(bool sounding)
    {
        EXPECT_EQ(Alarm.depthAlarmRaised, sounding);
        EXPECT_EQ(OwnShip.alarmActive, sounding);
        EXPECT_EQ(AlarmRelayClosed(), sounding);
    }
};

}  // namespace

TEST_F(LookAheadTest, HeadingForThomasPointShoalSoundsTheAlarmAndTurningAwayEndsIt)
{
    Fix(OffTheShoal, TowardsTheShoal);
    ExpectAlarm(false);
    EXPECT_FALSE(form->AutoBtn->isChecked());

    // While the ship is held at a waypoint the alarm is shown, not sounded.
    AlarmHold = 3;
    Fix(NearTheShoal, TowardsTheShoal);
    EXPECT_TRUE(OwnShip.alarmActive);
    EXPECT_FALSE(Alarm.depthAlarmRaised);
    EXPECT_FALSE(AlarmRelayClosed());
    EXPECT_FALSE(form->AutoBtn->isChecked());
    AlarmHold = 0;

    Fix(NearTheShoal, TowardsTheShoal);
    ExpectAlarm(true);
    EXPECT_FALSE(Alarm.acknowledged);
    EXPECT_TRUE(form->AutoBtn->isChecked());
    EXPECT_EQ(TickRequest.lookAheadSector.front(), OwnShip.referencePosition);
    EXPECT_EQ(ChartEngine->checkPolygon.size(), 7u);

    Fix(NearTheShoal, AwayFromTheShoal);
    ExpectAlarm(false);
    EXPECT_TRUE(form->AutoBtn->isChecked()) << "Auto stays on";
}

TEST_F(LookAheadTest, ARockThatCoversAndUncoversIsADangerAtAnySafetyDepth)
{
    // East of the rock at 38 54.71 N 76 27.40 W, in water charted at 0 to 3.6 m, the rock 0.47 nm
    // ahead: with the safety depth at 0 m the water is no danger, the rock of unknown depth is.
    const cmgbase::GeoPoint eastOfTheRock = Degrees(-76.4467, 38.9118);
    SetupParameters.SafetyContour = 0;
    SetupParameters.LookAheadTime = 3;  // 0.5 nm
    Fix(eastOfTheRock, 90.0f);
    ExpectAlarm(false);
    Fix(eastOfTheRock, 270.0f);
    ExpectAlarm(true);
}

TEST_F(LookAheadTest, TheSafetyContourHoldsInMetresWhateverUnitTheDepthsAreShownIn)
{
    // Off the shoal only water of 10.9 m and more lies ahead.
    const struct {
        float factor;
        int16_t contour;
        bool danger;
    } cases[] = {
        {1.0f, 10, false}, {1.0f, 12, true},     {3.2808f, 10, false},
        {3.2808f, 12, true}, {0.5468f, 10, false}, {0.5468f, 12, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "factor " << c.factor << ", contour " << c.contour);
        SetupParameters.DepthFactor = c.factor;
        SetupParameters.SafetyContour = c.contour;
        Fix(OffTheShoal, TowardsTheShoal);
        ExpectAlarm(c.danger);
        SilenceLookAheadAlarm();
    }
}

TEST_F(LookAheadTest, NoCheckRunsAtTheMinimumSpeedWithTheMiniChartAtLevel12OrWithoutAnAlarmOn)
{
    const struct {
        const char* what;
        float speed;
        int32_t miniLevel;
        bool alarmsOn;
        bool checked;
    } cases[] = {
        {"just above the minimum speed", MinimumSpeed + 0.1f, 11, true, true},
        {"at the minimum speed", float(MinimumSpeed), 11, true, false},
        {"the mini chart at level 12", 10.0f, 12, true, false},
        {"no alarm on", 10.0f, 11, false, false},
    };
    SetupParameters.LookAheadTime = 30;  // 1.05 nm at 2.1 knots
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        SetupParameters.AlarmSafety = SetupParameters.AlarmWarning = c.alarmsOn;
        form->miniChartLevel = c.miniLevel;
        ChartEngine->SetCheckPolygon(&OffTheShoal, 1);
        Fix(NearTheShoal, TowardsTheShoal, c.speed);
        EXPECT_EQ(ChartEngine->checkPolygon.size(), c.checked ? 7u : 1u);
        EXPECT_EQ(Alarm.depthAlarmRaised, c.checked);
        SilenceLookAheadAlarm();
    }

    // A slow check leaves ticks without a check, counted down one a tick.
    SetupParameters.AlarmSafety = 1;
    SetupParameters.LookAheadTime = 6;
    form->miniChartLevel = 8;
    FastTick.lookAheadSkip = 2;
    for (const int32_t left : {1, 0}) {
        PlaceShip(NearTheShoal, TowardsTheShoal, 10.0f);
        OwnShip.newFix = true;
        form->Timer1Timer();
        EXPECT_EQ(FastTick.lookAheadSkip, left);
        EXPECT_FALSE(Alarm.depthAlarmRaised);
    }
    Fix(NearTheShoal, TowardsTheShoal);
    EXPECT_TRUE(Alarm.depthAlarmRaised);
}

TEST_F(LookAheadTest, ACheckThatFailsLeavesTheAlarmSoundingAndEndsTheAreaWarning)
{
    Fix(NearTheShoal, TowardsTheShoal);
    ExpectAlarm(true);
    Alarm.areaWarning = true;
    // The query loses its chart database.
    std::unique_ptr<chartengine::AreaQuery> query =
        std::exchange(ChartEngine->areaCheck1, std::make_unique<chartengine::AreaQuery>());
    Fix(NearTheShoal, AwayFromTheShoal);
    ChartEngine->areaCheck1 = std::move(query);
    ExpectAlarm(true);
    EXPECT_FALSE(Alarm.areaWarning);
    Fix(NearTheShoal, AwayFromTheShoal);
    ExpectAlarm(false);
}

TEST_F(LookAheadTest, TheEndOfTheAntigroundingAlarmLeavesAnotherAlarmAndItsRelay)
{
    Fix(NearTheShoal, TowardsTheShoal);
    ExpectAlarm(true);
    OwnShip.alarmKind = AlarmNotClearable;  // the anchor watch's
    Fix(NearTheShoal, AwayFromTheShoal);
    EXPECT_FALSE(Alarm.depthAlarmRaised);
    EXPECT_TRUE(OwnShip.alarmActive);
    EXPECT_TRUE(AlarmRelayClosed());
    OwnShip.alarmKind = AlarmNone;
}

TEST_F(LookAheadTest, AWatchedAreaWarnsOnceWhileAheadAndAgainWhenEnteredAfresh)
{
    SetupParameters.AlarmSafety = 0;  // the shallows along the way are not looked at here
    // Heading west north of Thomas Point: from the open bay the sector reaches a caution area
    // and, with it, the cable area off the point.
    const cmgbase::GeoPoint clear = Degrees(-76.405, 38.912);
    const cmgbase::GeoPoint caution = Degrees(-76.415, 38.912);
    const cmgbase::GeoPoint cable = Degrees(-76.425, 38.912);
    const auto warned = [&](const cmgbase::GeoPoint& at) {
        Alarm.areaWarning = false;
        Fix(at, 270.0f);
        return Alarm.areaWarning ? Alarm.areaWarningClass : 0;
    };
    EXPECT_EQ(warned(clear), 0);
    // Both entered at once: the cable area (20) first, the caution area (27) on the next fix.
    EXPECT_EQ(warned(cable), 20);
    EXPECT_TRUE(form->Notice->text().endsWith("Cable area (20)")) << form->Notice->text().toStdString();
    EXPECT_EQ(warned(cable), 27);
    EXPECT_EQ(warned(cable), 0);
    EXPECT_EQ(warned(caution), 0) << "the cable area left, the caution area still ahead";
    EXPECT_EQ(warned(clear), 0);
    EXPECT_EQ(warned(caution), 27);
    EXPECT_FALSE(Alarm.depthAlarmRaised);

    // Off Herring Bay the sector meets a recommended track (109) and a restricted area (112)
    // within a caution area again, which counts as not left: the track is reported first,
    // without a warning, the restricted area on the next fix.
    const cmgbase::GeoPoint herringBay = Degrees(-76.53, 38.731);
    EXPECT_EQ(warned(herringBay), 0);
    EXPECT_EQ(AreaWatchTable[109], ReportedInside);
    EXPECT_EQ(warned(herringBay), 112);
    EXPECT_EQ(warned(herringBay), 0);
}
