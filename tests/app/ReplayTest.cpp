#include "StartedProgram.h"

#include "app/DataSets.h"
#include "app/ReplayPlayer.h"
#include "app/ReplayRecorder.h"
#include "app/TForm1.h"
#include "app/TickClock.h"
#include "app/TickState.h"
#include "frame/SharedTables.h"
#include "platform/geodesy/NormalisedCoordinates.h"
#include "platform/system/SystemClock.h"
#include "sensors/OwnShipState.h"
#include "sensors/TargetTable.h"
#include "chart/MapView.h"
#include "userdata/AisStaticStore.h"
#include "userdata/ReplayFile.h"
#include "userdata/TAisDbDlg.h"
#include "userdata/TReplayDlg.h"

#include <GeographicLib/Geodesic.hpp>

#include <QCheckBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTimeEdit>

#include <cmath>
#include <cstring>
#include <fstream>
#include <limits>

namespace {

ReplayRecord At(uint16_t minute, uint32_t id, double longitude, double latitude, uint16_t speed = 0,
                uint16_t course = 0, uint16_t heading = 0)
{
    return {minute, id, cmgbase::deg2nrm(longitude), cmgbase::deg2nrm(latitude), speed, course, heading};
}

std::string Bytes(std::initializer_list<ReplayRecord> records)
{
    std::string bytes;
    for (const ReplayRecord& r : records)
        bytes.append(reinterpret_cast<const char*>(&r), sizeof r);
    return bytes;
}

// The recorder alone: the own ship every minute, the targets while few enough, values held to
// their fields.
TEST(ReplayRecorder, TheMinuteHoldsTheOwnShipAndTheTargetsWhenTheirCountAllows)
{
    InitSharedTables();
    ResetTargetTable();
    ResetReplayRecorder();
    OwnShip = OwnShipState{};
    ClockTime = std::make_unique<ClockRecord>();
    *ClockTime = ClockRecord{0, 5, 13, 11, 11, 26, 5, 344, 0};
    ClockSeconds = 1800000000;
    OwnShip.antennaPosition = {cmgbase::deg2nrm(10.0), cmgbase::deg2nrm(54.5)};
    OwnShip.speedOverGround = std::numeric_limits<float>::quiet_NaN();
    OwnShip.courseOverGround = -3.0f;
    OwnShip.heading = 1e9f;
    for (int32_t i = 0; i < 70; ++i) {
        TargetRecord& t = ClaimTarget(i * 2, 200000000 + i, TargetAisPosition);
        t.positionX = i;
        t.positionY = -i;
        t.speed = 12.34f;
        t.course = 359.99f;
        t.dynamic.trueHeading = 511;
    }
    // The first minute after the start dumps them (the last dump was at 1970).
    std::string frame = ReplayFrame();
    ASSERT_EQ(frame.size(), 71 * sizeof(ReplayRecord));
    ReplayRecord own{};
    std::memcpy(&own, frame.data(), sizeof own);
    EXPECT_EQ(+own.minuteOfDay, 13 * 60 + 5);
    EXPECT_EQ(uint32_t{own.id}, ReplayOwnShipId);
    EXPECT_EQ(+own.speedTenths, 0);
    EXPECT_EQ(+own.courseTenths, 0);
    EXPECT_EQ(+own.heading, 65535);
    ReplayRecord last{};
    std::memcpy(&last, frame.data() + 70 * sizeof last, sizeof last);
    EXPECT_EQ(uint32_t{last.id}, 200000069u);
    EXPECT_EQ(+last.x, 69);
    EXPECT_EQ(+last.y, -69);
    EXPECT_EQ(+last.speedTenths, 123);
    EXPECT_EQ(+last.courseTenths, 3599);
    EXPECT_EQ(+last.heading, 511);
    EXPECT_TRUE(ReplayFrame().empty());  // the same minute again
    // 70 targets: the next minute has the own ship alone, the one after them all again.
    ClockTime->minute = 6;
    ClockSeconds += 60;
    EXPECT_EQ(ReplayFrame().size(), sizeof(ReplayRecord));
    ClockTime->minute = 7;
    ClockSeconds += 60;
    EXPECT_EQ(ReplayFrame().size(), 71 * sizeof(ReplayRecord));
    ResetTargetTable();
    OwnShip = OwnShipState{};
    InitSharedTables();
}

class ReplayTest : public HarbourProgramTest {
protected:
    void SetUp() override
    {
        HarbourProgramTest::SetUp();
        ResetTickState();
        LayOutProgramFolder(folder, engine(), "[C-Map]\n");
        ReplayDlg = new TReplayDlg;
        AisDbDlg = new TAisDbDlg;
        form = StartProgram(QSize(400, 300));
        ASSERT_TRUE(StartupDone);
        DataPaths[DataPathReplay] = folder / "Replay";
        std::filesystem::create_directories(DataPaths[DataPathReplay]);
        platform::InstallMachineClockSetter([this](platform::ClockTime) {
            ++clockSets;
            return 0;
        });
    }
    void TearDown() override
    {
        platform::InstallMachineClockSetter(nullptr);
        platform::AllowMachineClockSetting(false);
        StopProgram(form);
        delete ReplayDlg;
        ReplayDlg = nullptr;
        delete AisDbDlg;
        AisDbDlg = nullptr;
        ReplayCentreMmsi = -1;
        HarbourProgramTest::TearDown();
    }
    void writeDay(const std::string& bytes)
    {
        std::ofstream(DataPaths[DataPathReplay] / "261211.rpl", std::ios::binary) << bytes;
        ReplayDlg->dtDate->setDate(QDate(2026, 12, 11));
    }
    const TargetRecord* target(int32_t id) const
    {
        for (const TargetRecord& t : TargetTable)
            if (t.id == id)
                return &t;
        return nullptr;
    }

    std::unique_ptr<TForm1> form;
    int clockSets = 0;
};

// Replay mode on: the panel plays the chosen minute; own ship and targets come back where they
// were recorded, the chart centres once on the ship asked for, and the replay clock plays a
// minute per step of the chosen speed. A file cut inside a record ends after its whole records.
// Nothing replayed sets the machine clock.
TEST_F(ReplayTest, ARecordedDayPlaysBackMinuteByMinute)
{
    platform::AllowMachineClockSetting(true);
    const double lon = 60.915;
    const double lat = -32.485;
    writeDay(Bytes({
        At(600, ReplayOwnShipId, lon, lat, 52, 900, 905),
        At(600, 99999999, lon + 0.01, lat, 100, 450, 44),
        At(600, 211000001, lon, lat + 0.01, 30, 10, 11),
        At(601, ReplayOwnShipId, lon + 0.001, lat, 52, 900, 905),
        At(601, ReplayOwnShipId, lon + 0.002, lat, 53, 901, 906),  // the later one wins
        At(602, ReplayOwnShipId, lon + 0.003, lat, 52, 900, 905),
    }) + std::string(7, 'x'));
    form->btnReplay->setChecked(true);
    btnReplayClick(*form);
    ASSERT_TRUE(ReplayDlg->isVisible());
    ReplayCentreMmsi = 211000001;
    ReplayDlg->dtTime->setTime(QTime(9, 58));
    ReplayDlg->btnStartClick();
    EXPECT_EQ(ReplayDlg->dtTime->time(), QTime(10, 0));
    EXPECT_EQ(OwnShip.gpsLongitude, cmgbase::nrm2deg(cmgbase::deg2nrm(lon)));
    EXPECT_FLOAT_EQ(OwnShip.speedOverGround, 5.2f);
    EXPECT_FLOAT_EQ(OwnShip.courseOverGround, 90.0f);
    const TargetRecord* ais = target(99999999);
    ASSERT_NE(ais, nullptr);
    EXPECT_EQ(+ais->kind, +TargetAisPosition);
    EXPECT_EQ(+ais->positionX, cmgbase::deg2nrm(lon + 0.01));
    const TargetRecord* centred = target(211000001);
    ASSERT_NE(centred, nullptr);
    EXPECT_EQ(ReplayCentreMmsi, -1);
    EXPECT_TRUE(ReplayDlg->btnSpd->isEnabled());

    // x 60: every tick a minute; the second minute's later record wins; the third ends the file.
    ReplayDlg->tbSpd->setValue(10);
    ReplayDlg->btnSpd->setChecked(true);
    ReplayDlg->btnSpdClick();
    form->Timer2Timer();
    EXPECT_EQ(OwnShip.gpsLongitude, cmgbase::nrm2deg(cmgbase::deg2nrm(lon + 0.002)));
    EXPECT_FLOAT_EQ(OwnShip.speedOverGround, 5.3f);
    form->Timer2Timer();
    EXPECT_EQ(OwnShip.gpsLongitude, cmgbase::nrm2deg(cmgbase::deg2nrm(lon + 0.003)));
    EXPECT_FALSE(ReplayDlg->playing);
    EXPECT_FALSE(ReplayDlg->btnSpd->isEnabled());

    // Leaving replay mode empties the table.
    form->btnReplay->setChecked(false);
    btnReplayClick(*form);
    EXPECT_FALSE(ReplayDlg->isVisible());
    for (const TargetRecord& t : TargetTable)
        ASSERT_EQ(+t.id, -1);
    EXPECT_EQ(clockSets, 0);
}

// "Use DR" between recorded minutes: the own ship sails on along its recorded course at its
// recorded speed times the speed factor for the real time since the last tick; a stall counts as
// ten seconds at most, and without "Use DR" it stays where it was recorded.
TEST_F(ReplayTest, UseDrSailsTheOwnShipOnForTheRealTimeElapsed)
{
    const double lon = 60.915;
    const double lat = -32.485;
    writeDay(Bytes({At(600, ReplayOwnShipId, lon, lat, 100, 900, 900),
                    At(601, ReplayOwnShipId, lon + 0.01, lat, 100, 900, 900)}));
    form->btnReplay->setChecked(true);
    btnReplayClick(*form);
    ReplayDlg->dtTime->setTime(QTime(10, 0));
    ReplayDlg->btnStartClick();
    ReplayDlg->tbSpd->setValue(1);
    ASSERT_EQ(ReplayDlg->speedFactor, 2);
    ReplayDlg->ckDR->setChecked(true);
    ReplayDlg->btnSpd->setChecked(true);
    ReplayDlg->btnSpdClick();

    const GeographicLib::Geodesic& wgs84 = GeographicLib::Geodesic::WGS84();
    const auto metresSailed = [&](double fromLat, double fromLon) {
        double metres = 0;
        wgs84.Inverse(fromLat, fromLon, OwnShip.gpsLatitude, OwnShip.gpsLongitude, metres);
        return metres;
    };
    EXPECT_FALSE(DeadReckonReplayedOwnShip(1000));  // the first tick only takes the time
    double fromLat = OwnShip.gpsLatitude;
    double fromLon = OwnShip.gpsLongitude;
    EXPECT_TRUE(DeadReckonReplayedOwnShip(4000));   // 10 kn x 2 for 3 s: 1/60 nm
    EXPECT_NEAR(metresSailed(fromLat, fromLon), 1852.0 / 60.0, 0.3);
    EXPECT_NEAR(OwnShip.gpsLatitude, fromLat, 1e-6);  // due east
    fromLat = OwnShip.gpsLatitude;
    fromLon = OwnShip.gpsLongitude;
    EXPECT_TRUE(DeadReckonReplayedOwnShip(64000));  // a stalled minute: 10 s
    EXPECT_NEAR(metresSailed(fromLat, fromLon), 1852.0 * 20.0 * 10.0 / 3600.0, 1.0);

    ReplayDlg->ckDR->setChecked(false);
    fromLon = OwnShip.gpsLongitude;
    EXPECT_FALSE(DeadReckonReplayedOwnShip(65000));
    EXPECT_EQ(OwnShip.gpsLongitude, fromLon);
}

TEST_F(ReplayTest, AStartAfterTheDaysLastRecordOrWithoutAFileClosesTheReplay)
{
    form->btnReplay->setChecked(true);
    btnReplayClick(*form);
    ReplayDlg->dtDate->setDate(QDate(2026, 12, 10));
    ReplayDlg->btnStartClick();
    EXPECT_FALSE(ReplayDlg->btnSpd->isEnabled());
    writeDay(Bytes({At(600, ReplayOwnShipId, 60.9, -32.5)}));
    ReplayDlg->dtTime->setTime(QTime(10, 1));
    ReplayDlg->btnStartClick();
    EXPECT_FALSE(ReplayDlg->btnSpd->isEnabled());
    // The speed changes keep the elapsed part of a step.
    ReplayDlg->tbSpd->setValue(0);
    SecondTick.replayTickCounter = 30;
    ReplayDlg->tbSpd->setValue(1);
    EXPECT_EQ(SecondTick.replayTickCounter, 15);
    EXPECT_EQ(ReplayDlg->speedFactor, 2);
}

// The AIS history search in the started program: "Show" on a found station enters replay mode,
// opens the day of its stored time at that minute and centres the chart on it when it comes.
TEST_F(ReplayTest, TheAisHistorySearchReplaysTheStoredMinuteOfTheShownShip)
{
    // The AIS static data file of the replay folder.
    ASSERT_TRUE(SelectUserDatabase(1));
    AisStaticRecord station;
    station.mmsi = 211000001;
    std::strcpy(station.name, "ALPHA");
    station.storedTime = uint32_t(QDateTime(QDate(2026, 12, 11), QTime(10, 1, 40)).toSecsSinceEpoch());
    ASSERT_EQ(WriteAisStatic(station), platform::isam::Status::Ok);
    const double lon = 60.915;
    const double lat = -32.485;
    writeDay(Bytes({
        At(600, ReplayOwnShipId, lon, lat),
        At(601, ReplayOwnShipId, lon, lat),
        At(601, 211000001, lon + 0.02, lat + 0.01),
        At(602, ReplayOwnShipId, lon, lat),
    }));
    ReplayDlg->dtDate->setDate(QDate(2026, 12, 1));
    form->btnAisDb->click();
    ASSERT_TRUE(AisDbDlg->isVisible());
    AisDbDlg->edMmsiClick();
    AisDbDlg->udSeekChangingEx(AisSeekDirection::Up);
    ASSERT_EQ(AisDbDlg->edName->text(), "ALPHA");
    EXPECT_EQ(ReplayCentreMmsi, 211000001);

    AisDbDlg->btnShowClick();
    EXPECT_TRUE(form->btnReplay->isChecked());
    EXPECT_FALSE(AisDbDlg->isVisible());
    EXPECT_FALSE(form->btnAisDb->isChecked());
    EXPECT_EQ(ReplayDlg->dtDate->date(), QDate(2026, 12, 11));
    EXPECT_EQ(ReplayDlg->dtTime->time(), QTime(10, 1));
    ASSERT_NE(target(211000001), nullptr);
    EXPECT_EQ(ReplayCentreMmsi, -1);
    EXPECT_EQ(MainMapView->centre.x, cmgbase::deg2nrm(lon + 0.02));
    EXPECT_EQ(MainMapView->centre.y, cmgbase::deg2nrm(lat + 0.01));
    EXPECT_TRUE(ReplayDlg->btnSpd->isEnabled());
}

}  // namespace
