// The AIS static data of the target table with the hooks the start-up installs, over a real ais5
// file set of the user database: AIS fields staged as the AIS decoder stages them, the file work
// run as the parser runs it after a chunk.

#include "sensors/SensorTestSupport.h"
#include "userdata/UserDatabaseFixture.h"

#include "app/TargetTableWiring.h"
#include "frame/PortSettings.h"
#include "frame/SharedTables.h"
#include "platform/geodesy/NormalisedCoordinates.h"
#include "sensors/OwnShipState.h"
#include "sensors/SensorHooks.h"
#include "sensors/SentenceParser.h"
#include "sensors/TargetStaticData.h"
#include "sensors/TargetTable.h"
#include "userdata/AisStaticStore.h"

#include <cstring>
#include <mutex>
#include <string>

namespace {

using platform::isam::Status;

constexpr uint32_t Mmsi = 244123456;
constexpr int64_t Now = 1796860800;

class TargetStaticDataTest : public UserDatabaseTest {
protected:
    void SetUp() override
    {
        UserDatabaseTest::SetUp();
        ResetSensorSide();
        WireTargetTable();
        ClockSeconds = Now;
        OwnShip.positionKnown = true;
        OwnShip.referencePosition = {cmgbase::deg2nrm(10.0), cmgbase::deg2nrm(54.0)};
        open();
    }
    void TearDown() override
    {
        ResetSensorSide();
        ClockSeconds = 0;
        UserDatabaseTest::TearDown();
    }

    // A position report of the vessel, as the AIS decoder stages it.
    static void StagePosition(uint32_t mmsi = Mmsi)
    {
        OwnShip.sensorRecord.targetId = int32_t(mmsi);
        AisDynamicBlock& d = OwnShip.stagedAis.dynamic;
        d = AisDynamicBlock{};
        d.mmsi = mmsi;
        d.positionX = OwnShip.referencePosition.x + 5000;
        d.positionY = OwnShip.referencePosition.y + 5000;
        d.sogTenths = 52;
        d.cogTenths = 900;
        d.rateOfTurn = 20;
    }

    // The same in a chunk of its own.
    static int32_t PositionReport()
    {
        StagePosition();
        return InChunk(TargetAisPosition);
    }

    // A static message: `part` with the fields of `fill`.
    template <typename Fill>
    static int32_t StaticMessage(AisStaticPartBit part, Fill fill, uint32_t mmsi = Mmsi)
    {
        OwnShip.sensorRecord.targetId = int32_t(mmsi);
        OwnShip.stagedAis.staticData = AisStaticBlock{};
        OwnShip.stagedAis.staticData.mmsi = mmsi;
        OwnShip.stagedAis.staticPart = part;
        fill(OwnShip.stagedAis.staticData);
        return InChunk(TargetAisStatic);
    }

    // The update as a handler makes it, under the output lock; the file work after the chunk.
    static int32_t InChunk(int kind)
    {
        int32_t result = 0;
        {
            const std::lock_guard lock(ComOutStateLock);
            result = UpdateTargetTable(12, kind);
        }
        Feed(12, "");
        return result;
    }

    static bool Stored(uint32_t mmsi, AisStaticRecord& record)
    {
        return ReadAisStatic(mmsi, record) == Status::Ok;
    }

    static const TargetRecord& First() { return TargetTable[0]; }
};

TEST_F(TargetStaticDataTest, AMessage5BeforeAnyPositionMakesNoTargetAndStoresNothing)
{
    EXPECT_EQ(StaticMessage(AisMessage5, [](AisStaticBlock& b) { std::strcpy(b.name, "ECHO"); }), 0);
    EXPECT_EQ(int32_t{First().id}, -1);
    AisStaticRecord record;
    EXPECT_FALSE(Stored(Mmsi, record));
    EXPECT_TRUE(failures.empty());
}

TEST_F(TargetStaticDataTest, AfterARestartTheFirstReportShowsTheStoredName)
{
    // The first run: a position, then message 5; the data are stored with the marker and time.
    PositionReport();
    EXPECT_EQ(int32_t{First().staticLookupPending}, 1);
    StaticMessage(AisMessage5, [](AisStaticBlock& b) {
        std::strcpy(b.name, "FOXTROT");
        std::strcpy(b.callSign, "DFOX");
        b.imoNumber = 9123456;
        b.dimensionA = 120;
        b.draughtDecimetres = 65;
        b.storedMarker = 3;  // a fix device put where the marker lies: never stored
    });
    EXPECT_EQ(int32_t{First().staticLookupPending}, 0);
    AisStaticRecord record;
    ASSERT_TRUE(Stored(Mmsi, record));
    EXPECT_STREQ(record.name, "FOXTROT");
    EXPECT_EQ(record.marker, 99);
    EXPECT_EQ(uint32_t{record.storedTime}, uint32_t(Now));
    EXPECT_EQ(uint16_t{record.targetImoLow}, uint16_t(9123456 & 0xFFFF));

    // The restart: an empty table, then the first position report of the vessel.
    ResetTargetTable();
    ClockSeconds = Now + 86400;
    PositionReport();
    EXPECT_STREQ(First().label, "FOXTROT");
    EXPECT_STREQ(First().staticData.callSign, "DFOX");
    EXPECT_EQ(uint16_t{First().staticData.dimensionA}, 120);
    EXPECT_EQ(First().staticData.storedMarker, 99);
    EXPECT_EQ(int{First().dynamic.rateOfTurn}, -128);
    EXPECT_TRUE(failures.empty());
}

TEST_F(TargetStaticDataTest, TheTwoHalvesOfMessage24AreMergedInTheTargetAndInTheFile)
{
    PositionReport();
    StaticMessage(AisPartA, [](AisStaticBlock& b) { std::strcpy(b.name, "GOLF"); });
    EXPECT_EQ(int32_t{First().staticLookupPending}, 1);  // half the data still to come
    StaticMessage(AisPartB, [](AisStaticBlock& b) {
        std::strcpy(b.callSign, "DGLF");
        std::strcpy(b.destination, "VENDOR");
        b.shipType = 37;
        b.dimensionA = 10;
        b.dimensionD = 2;
    });
    EXPECT_EQ(int32_t{First().staticLookupPending}, 0);
    EXPECT_STREQ(First().label, "GOLF");
    EXPECT_STREQ(First().staticData.name, "GOLF");
    EXPECT_STREQ(First().staticData.callSign, "DGLF");

    AisStaticRecord record;
    ASSERT_TRUE(Stored(Mmsi, record));
    EXPECT_STREQ(record.name, "GOLF");
    EXPECT_STREQ(record.callSign, "DGLF");
    EXPECT_STREQ(record.destination, "VENDOR");
    EXPECT_EQ(record.shipType, 37);
    EXPECT_EQ(uint16_t{record.toBow}, 10);
    EXPECT_EQ(record.toStarboard, 2);
}

TEST_F(TargetStaticDataTest, AHalfOfMessage24KeepsWhatTheFileHeldOfTheOtherHalf)
{
    AisStaticRecord stored;
    stored.mmsi = Mmsi;
    std::strcpy(stored.name, "HOTEL");
    std::strcpy(stored.callSign, "DHOT");
    stored.imo = 7654321;
    ASSERT_EQ(WriteAisStatic(stored), Status::Ok);

    PositionReport();
    StaticMessage(AisPartA, [](AisStaticBlock& b) { std::strcpy(b.name, "HOTEL II"); });
    AisStaticRecord record;
    ASSERT_TRUE(Stored(Mmsi, record));
    EXPECT_STREQ(record.name, "HOTEL II");
    EXPECT_STREQ(record.callSign, "DHOT");
    EXPECT_EQ(uint32_t{record.imo}, 7654321u);
    EXPECT_STREQ(First().label, "HOTEL II");
}

TEST_F(TargetStaticDataTest, AMessageInTheChunkOfTheFirstReportWinsOverTheStoredData)
{
    AisStaticRecord stored;
    stored.mmsi = Mmsi;
    std::strcpy(stored.name, "INDIA");
    std::strcpy(stored.callSign, "DIND");
    ASSERT_EQ(WriteAisStatic(stored), Status::Ok);

    // Both in one chunk: the look-up of the new record runs after the message was merged.
    {
        const std::lock_guard lock(ComOutStateLock);
        StagePosition();
        UpdateTargetTable(12, TargetAisPosition);
        OwnShip.stagedAis.staticData = AisStaticBlock{};
        OwnShip.stagedAis.staticPart = AisPartA;
        std::strcpy(OwnShip.stagedAis.staticData.name, "INDIA NEW");
        UpdateTargetTable(12, TargetAisStatic);
    }
    bool lockHeld = true;
    const auto read = SensorHook.readAisStatic;
    SensorHook.readAisStatic = [&](uint32_t mmsi, AisStaticBlock& block) {
        lockHeld = ComOutStateLock.heldByThisThread();
        return read(mmsi, block);
    };
    Feed(12, "");
    EXPECT_FALSE(lockHeld);
    EXPECT_STREQ(First().label, "INDIA NEW");
    EXPECT_STREQ(First().staticData.callSign, "DIND");
    AisStaticRecord record;
    ASSERT_TRUE(Stored(Mmsi, record));
    EXPECT_STREQ(record.name, "INDIA NEW");
    EXPECT_STREQ(record.callSign, "DIND");
}

TEST_F(TargetStaticDataTest, WithoutAnOpenAis5FileTheTableWorksAndNothingIsWritten)
{
    CloseUserDatabase();
    EXPECT_EQ(PositionReport(), 2);
    StaticMessage(AisMessage5, [](AisStaticBlock& b) { std::strcpy(b.name, "JULIET"); });
    EXPECT_STREQ(First().label, "JULIET");
    EXPECT_TRUE(failures.empty());
    open();
    AisStaticRecord record;
    EXPECT_FALSE(Stored(Mmsi, record));
}

}  // namespace
