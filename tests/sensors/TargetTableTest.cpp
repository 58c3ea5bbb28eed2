// The target table from the radar target sentences as a radar sends them (TTM, TGT, the
// fixed-column 'T' sentence), and from AIS fields staged as the AIS decoder stages them: lost
// reports, the ARPA distance gate and sources, labels, and what a freed record keeps.

#include "platform/geodesy/NormalisedCoordinates.h"
#include "platform/geodesy/PositionComputation.h"
#include "sensors/ArpaSources.h"
#include "sensors/OwnShipState.h"
#include "sensors/SensorSettings.h"
#include "sensors/SensorTestSupport.h"
#include "sensors/SentenceParser.h"
#include "sensors/TargetTable.h"

#include <cmath>
#include <cstring>
#include <initializer_list>
#include <numbers>
#include <string>
#include <utility>

namespace {

const cmgbase::GeoPoint Antenna{cmgbase::deg2nrm(10.0), cmgbase::deg2nrm(54.0)};

class TargetTableTest : public SensorTest {
protected:
    void SetUp() override
    {
        SensorTest::SetUp();
        OwnShip.positionKnown = true;
        OwnShip.radarAntennaPosition = Antenna;
        OwnShip.referencePosition = Antenna;
    }

    // A TTM of target `number` at `miles` from port `port`; returns the parser's flags.
    static int32_t Ttm(int port, int number, const std::string& miles, const std::string& status = "T",
                       const std::string& name = "")
    {
        return Feed(port, Nmea("$RATTM," + std::to_string(number) + "," + miles + ",045.0,T,12.0,090.0,T,0.40,6.5,N," +
                               name + "," + status + ",,120000,A"));
    }

    static const TargetRecord& Record(int index) { return TargetTable[size_t(index)]; }
    static int32_t IdOf(int index) { return Record(index).id; }

    // Stages an AIS station as the AIS decoder does.
    static void StageAis(uint32_t mmsi)
    {
        OwnShip.sensorRecord.targetId = int32_t(mmsi);
        OwnShip.stagedAis.dynamic = AisDynamicBlock{};
        OwnShip.stagedAis.dynamic.mmsi = mmsi;
        OwnShip.stagedAis.dynamic.positionX = Antenna.x + 1000;
        OwnShip.stagedAis.dynamic.positionY = Antenna.y + 1000;
        OwnShip.stagedAis.dynamic.sogTenths = 85;
        OwnShip.stagedAis.dynamic.cogTenths = 1234;
    }
};

struct SentenceFixture {
    const char* what;
    std::string line;
    int32_t id;
    float distance, bearing, speed, course, cpa, tcpa;
    char status;
    const char* label;
};

// One line of each kind, with the values the table must hold for it.
TEST_F(TargetTableTest, EachTargetSentenceFillsItsRecordInMilesAndKnots)
{
    constexpr float km = 1.0f / 1.852f;
    constexpr float statute = 1.609344f / 1.852f;
    const SentenceFixture fixtures[]{
        {"TTM in nautical miles", Nmea("$RATTM,11,2.50,270.0,T,12.5,123.4,T,0.52,-3.5,N,BRAVO,T,,120000,A"),
         11, 2.5f, 270.0f, 12.5f, 123.4f, 0.52f, -3.5f, 'T', "BRAVO"},
        {"TTM in kilometres", Nmea("$RATTM,12,5.0,10.0,T,20.0,200.0,T,1.0,4.0,K,,Q"),
         12, 5.0f * km, 10.0f, 20.0f * km, 200.0f, 1.0f * km, 4.0f, 'Q', ""},
        {"TTM in statute miles", Nmea("$RATTM,13,3.0,10.0,T,10.0,20.0,T,2.0,1.0,S,9,T"),
         13, 3.0f * statute, 10.0f, 10.0f * statute, 20.0f, 2.0f * statute, 1.0f, 'T', ""},
        {"TGT in TTM's order", Nmea("$RATGT,14,1.25,300.0,T,8.0,45.0,T,0.3,12.0,N,CHARLIE,T"),
         14, 1.25f, 300.0f, 8.0f, 45.0f, 0.3f, 12.0f, 'T', "CHARLIE"},
        {"fixed-column 'T': the TCPA is the north velocity", "$T07T2.50T0270N012.5T123.40.52-09\r\n",
         7, 2.5f, 270.0f, 12.5f, 123.4f, 0.52f, -9.0f, 'T', ""},
    };
    for (const SentenceFixture& f : fixtures) {
        SCOPED_TRACE(f.what);
        ResetTargetTable();
        EXPECT_EQ(Feed(1, f.line), ParseTargets);
        const TargetRecord& t = Record(0);
        EXPECT_EQ(int32_t{t.id}, f.id);
        EXPECT_EQ(int{t.kind}, TargetArpa);
        EXPECT_FLOAT_EQ(float{t.distance}, f.distance);
        EXPECT_FLOAT_EQ(float{t.bearing}, f.bearing);
        EXPECT_FLOAT_EQ(float{t.speed}, f.speed);
        EXPECT_FLOAT_EQ(float{t.course}, f.course);
        EXPECT_FLOAT_EQ(float{t.cpa}, f.cpa);
        EXPECT_FLOAT_EQ(float{t.tcpa}, f.tcpa);
        EXPECT_EQ(t.status, f.status);
        EXPECT_STREQ(t.label, f.label);
        // Placed at its distance and bearing from the radar antenna.
        double miles = 0.0;
        double bearing = 0.0;
        cmgbase::InvPosComputation(Antenna, {t.positionX, t.positionY}, &miles, &bearing, 0);
        EXPECT_NEAR(miles, f.distance, 1e-4);
        EXPECT_NEAR(std::fmod(bearing * 180.0 / std::numbers::pi + 360.0, 360.0), f.bearing, 1e-3);
    }
}

TEST_F(TargetTableTest, RelativeBearingsAndCoursesAreMadeTrueWithTheDisplayCourse)
{
    OwnShip.displayCourse = 300.0f;
    Feed(0, Nmea("$RATTM,05,1.0,90.0,R,10.0,100.0,R,0.5,2.0,N,,T"));
    EXPECT_FLOAT_EQ(float{Record(0).bearing}, 30.0f);
    EXPECT_FLOAT_EQ(float{Record(0).course}, 40.0f);
}

TEST_F(TargetTableTest, ALostReportMarksAKnownTargetAndLeavesEverythingElseAlone)
{
    Ttm(0, 3, "1.0");
    TakeUpdatedTargets();
    ShownTarget = 7;

    // Unknown: nothing changes, no record is named the updated or the shown one.
    EXPECT_EQ(Ttm(0, 4, "1.0", "L"), 0);
    EXPECT_TRUE(TakeUpdatedTargets().empty());
    EXPECT_EQ(ShownTarget, 7);
    EXPECT_EQ(FirstFreeTarget(), 1);

    // Known: lost count 61 (lost at the next second), the record is updated.
    TargetTable[0].lostCount = 12;
    EXPECT_EQ(Ttm(0, 3, "1.0", "L"), ParseTargets);
    EXPECT_EQ(int32_t{Record(0).lostCount}, 61);
    EXPECT_EQ(TakeUpdatedTargets(), std::vector<int32_t>{0});
    EXPECT_EQ(ShownTarget, 7);

    OwnShip.sensorRecord.targetId = 3;
    OwnShip.sensorRecord.targetDistance = 1.0f;
    OwnShip.sensorRecord.targetStatus = 'L';
    EXPECT_EQ(UpdateTargetTable(0, TargetArpa), 3);
    OwnShip.sensorRecord.targetId = 4;
    EXPECT_EQ(UpdateTargetTable(0, TargetArpa), 0);
}

TEST_F(TargetTableTest, ARadarTargetCloserThanATenthOfAMileIsIgnored)
{
    EXPECT_EQ(Ttm(0, 1, "0.05"), 0);
    EXPECT_EQ(IdOf(0), -1);
    EXPECT_EQ(ArpaSource, 0);  // not even the source is learned
    EXPECT_EQ(Ttm(0, 1, "0.10"), ParseTargets);
    EXPECT_EQ(IdOf(0), 1);
}

TEST_F(TargetTableTest, NoTargetIsTakenBeforeTheOwnPositionIsKnown)
{
    OwnShip.positionKnown = false;
    EXPECT_EQ(Ttm(0, 1, "1.0"), 0);
    EXPECT_EQ(Feed(0, "$T07T2.50T0270N012.5T123.40.52-09\r\n"), 0);
    EXPECT_EQ(IdOf(0), -1);
}

TEST_F(TargetTableTest, TwoRadarsAreLearnedTheLowerPortFirstAndOnlyTheChosenOneIsUsed)
{
    // The first radar on COM4: its targets are used and its button is announced once.
    EXPECT_EQ(Ttm(3, 1, "1.0"), ParseTargets);
    EXPECT_EQ(ArpaSource, -1);
    EXPECT_EQ(TakeNewArpaSource(), 1);
    EXPECT_EQ(TakeNewArpaSource(), 0);

    // A second radar on COM2: learned as the first (lower port), its target not taken, and the
    // radar in use, COM4, is now the second one.
    EXPECT_EQ(Ttm(1, 2, "1.0"), ParseTargets);
    EXPECT_EQ(ArpaPorts, (std::array<int32_t, 2>{1, 3}));
    EXPECT_EQ(FirstFreeTarget(), 1);
    EXPECT_EQ(TakeNewArpaSource(), 2);
    EXPECT_TRUE(SecondArpaPortKnown());

    // Selection 2: targets of the first port are ignored, the second's are used.
    EXPECT_EQ(Ttm(1, 5, "1.0"), ParseTargets);
    EXPECT_EQ(FirstFreeTarget(), 1);
    Ttm(3, 6, "1.0");
    EXPECT_EQ(IdOf(1), 6);
    // A third port is no source.
    Ttm(5, 7, "1.0");
    EXPECT_EQ(FirstFreeTarget(), 2);

    // The first radar's button: radar 1 in use, the old radar's targets freed.
    EXPECT_FALSE(SwitchArpaRadar(2));
    EXPECT_TRUE(SwitchArpaRadar(1));
    EXPECT_EQ(ArpaSource, 1);
    EXPECT_EQ(IdOf(0), -1);
    EXPECT_EQ(IdOf(1), -1);
    Ttm(1, 8, "1.0");
    EXPECT_EQ(IdOf(0), 8);
}

TEST_F(TargetTableTest, ASecondRadarOnAHigherPortKeepsTheFirstInUse)
{
    Ttm(2, 1, "1.0");
    TakeNewArpaSource();
    Ttm(6, 2, "1.0");
    EXPECT_EQ(ArpaPorts, (std::array<int32_t, 2>{2, 6}));
    EXPECT_EQ(TakeNewArpaSource(), 1);
    EXPECT_TRUE(SecondArpaPortKnown());
    Ttm(2, 3, "1.0");
    EXPECT_EQ(IdOf(1), 3);
}

TEST_F(TargetTableTest, ALongNameFillsTheLabelAndNoMoreAndANameOfZeroOrNineLeavesItEmpty)
{
    const std::string name(32, 'N');
    Ttm(0, 1, "1.0", "T", name);
    EXPECT_EQ(std::string(Record(0).label), std::string(29, 'N'));
    EXPECT_EQ(Record(0).label[29], '\0');
    EXPECT_EQ(Record(0).kind, 0);  // the field after the label is untouched

    Ttm(0, 2, "1.0", "T", "9");
    EXPECT_STREQ(Record(1).label, "");
}

TEST_F(TargetTableTest, NoReportCanTakeOverAFreeOrASimulatedRecord)
{
    // A free record has id -1: a report of that id must not update it as if it were a target.
    OwnShip.sensorRecord.targetId = -1;
    OwnShip.sensorRecord.targetDistance = 1.0f;
    OwnShip.sensorRecord.targetStatus = 'T';
    EXPECT_EQ(UpdateTargetTable(0, TargetArpa), 0);
    EXPECT_EQ(IdOf(0), -1);
    EXPECT_FLOAT_EQ(float{Record(0).distance}, 0.0f);

    ClaimTarget(0, SimulatedTargetId(0), TargetSimulated);
    OwnShip.sensorRecord.targetId = SimulatedTargetId(0);
    EXPECT_EQ(UpdateTargetTable(0, TargetReplay), 0);
    EXPECT_EQ(TargetIdText(Record(0)), "s1");
}

TEST_F(TargetTableTest, AnAisPositionFillsItsRecordButNeverTheOwnShip)
{
    SensorSetup.ownMmsi = 211000001;
    StageAis(211000001);
    EXPECT_EQ(UpdateTargetTable(12, TargetAisPosition), 0);
    StageAis(0);
    EXPECT_EQ(UpdateTargetTable(12, TargetAisPosition), 0);
    EXPECT_EQ(IdOf(0), -1);

    StageAis(211000002);
    OwnShip.sensorRecord.targetStatus = 'L';  // left over from a radar target: AIS has none
    EXPECT_EQ(UpdateTargetTable(12, TargetAisPosition), 2);
    const TargetRecord& t = Record(0);
    EXPECT_EQ(IdOf(0), 211000002);
    EXPECT_EQ(t.status, 'T');
    EXPECT_FLOAT_EQ(float{t.speed}, 8.5f);
    EXPECT_FLOAT_EQ(float{t.course}, 123.4f);
    EXPECT_EQ(int32_t{t.positionX}, Antenna.x + 1000);
    EXPECT_EQ(uint32_t{t.dynamic.mmsi}, 211000002u);
    EXPECT_STREQ(t.label, "");
    EXPECT_EQ(t.colour, 3);
    EXPECT_EQ(t.trackMode, 1);
    EXPECT_GT(float{t.distance}, 0.0f);

    OwnShip.stagedAis.dynamic.sogTenths = 1023;  // not available
    UpdateTargetTable(12, TargetAisPosition);
    EXPECT_FLOAT_EQ(float{Record(0).speed}, 0.0f);
    EXPECT_EQ(FirstFreeTarget(), 1);
}

TEST_F(TargetTableTest, StaticDataComeOnlyToALiveTargetAndKeepTheStoredMarker)
{
    // Static data alone make no target.
    StageAis(211000003);
    OwnShip.stagedAis.staticPart = AisMessage5;
    std::strcpy(OwnShip.stagedAis.staticData.name, "DELTA");
    EXPECT_EQ(UpdateTargetTable(12, TargetAisStatic), 0);
    EXPECT_EQ(IdOf(0), -1);

    UpdateTargetTable(12, TargetAisPosition);
    OwnShip.stagedAis.staticData.storedMarker = 7;  // as if a decoder put the fix device there
    OwnShip.stagedAis.staticData.dimensionA = 90;
    EXPECT_EQ(UpdateTargetTable(12, TargetAisStatic), 0);
    EXPECT_STREQ(Record(0).label, "DELTA");
    EXPECT_EQ(uint16_t{Record(0).staticData.dimensionA}, 90);
    EXPECT_EQ(Record(0).staticData.storedMarker, 0);

    // Freed, the record keeps nothing of the vessel: a static message does not bring it back.
    FreeTarget(TargetTable[0]);
    EXPECT_EQ(uint32_t{Record(0).dynamic.mmsi}, 0u);
    EXPECT_EQ(UpdateTargetTable(12, TargetAisStatic), 0);
    EXPECT_EQ(IdOf(0), -1);
}

}  // namespace

// A record given to a new target is in no guard zone, whatever the target before it was in.
TEST_F(TargetTableTest, ARecordAllocatedAgainIsInNoGuardZone)
{
    TargetTable[3].guardZones[0] = 41;
    TargetTable[3].guardZones[1] = 42;
    ClaimTarget(3, 211000001, TargetAisPosition);
    EXPECT_EQ(int32_t{Record(3).guardZones[0]}, 0);
    EXPECT_EQ(int32_t{Record(3).guardZones[1]}, 0);
}

TEST_F(TargetTableTest, OnlyNineDigitIdsAreMmsis)
{
    for (const auto& [id, mmsi] : std::initializer_list<std::pair<int32_t, bool>>{
             {99999999, false}, {100000000, true}, {999999999, true}, {1000000000, false}, {5, false},
             {SimulatedTargetId(0), false}})
        EXPECT_EQ(IsNineDigitMmsi(id), mmsi) << id;
}
