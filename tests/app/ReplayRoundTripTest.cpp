// A voyage with AIS traffic fed live through the GPS's pseudo-terminal is recorded minute by
// minute by the real one-second tick, then played back from the replay panel at two speeds: the
// own ship and the target come back at the positions recorded, to the chart unit.

#include "StartedProgram.h"
#include "sensors/AisTestSupport.h"

#include "app/ReplayPlayer.h"
#include "app/TForm1.h"
#include "app/TickClock.h"
#include "frame/SharedTables.h"
#include "platform/geodesy/NormalisedCoordinates.h"
#include "platform/system/SystemClock.h"
#include "sensors/OwnShipState.h"
#include "sensors/SensorInput.h"
#include "sensors/TargetTable.h"
#include "userdata/TReplayDlg.h"

#include <QDateEdit>
#include <QDateTime>
#include <QPushButton>
#include <QSlider>
#include <QTimeEdit>

#include <cerrno>
#include <filesystem>
#include <string>
#include <vector>

namespace {

constexpr uint32_t TargetMmsi = 244000001;
const QDate VoyageDay(2026, 12, 11);

platform::ClockTime At(const QTime& time)
{
    return std::chrono::system_clock::from_time_t(QDateTime(VoyageDay, time).toSecsSinceEpoch());
}

// Minute `m` of the voyage: the own ship's fixes of two seconds at 10 kn due east (a receiver's
// first fix only checks the clock), then the target's position report.
std::string OwnShipFixes(int m)
{
    std::string text;
    for (int second : {5, 6}) {
        const std::string time = QTime(10, m, second).toString("hhmmss").toStdString();
        const std::string minutes = QString::asprintf("%07.4f", 13.0 + m * 0.1667 + second * 0.0005).toStdString();
        text += Nmea("$GPRMC," + time + ".00,A,5428.0000,N,010" + minutes + ",E,10.0,090.0,111226,,,A");
    }
    return text;
}

std::string TargetReport(int m)
{
    PositionReport report;
    report.mmsi = TargetMmsi;
    report.longitude = 6150000 + m * 1200;
    report.latitude = 32700000 - m * 900;
    return AisSentence(Encode(report));
}

struct Recorded {
    cmgbase::GeoPoint ownShip;
    int32_t targetX = 0;
    int32_t targetY = 0;
};

class ReplayRoundTripTest : public Com2ProgramTest {
protected:
    void SetUp() override
    {
        Com2ProgramTest::SetUp();
        platform::InstallMachineClockSetter([](platform::ClockTime) { return EPERM; });
        platform::InstallClockReporter([](const std::string&) {});
        ReplayDlg = new TReplayDlg;
        startWithCom2("[PortActive]\n2=1\n");
        DataPaths[DataPathReplay] = folder / "Replay";
        std::filesystem::create_directories(DataPaths[DataPathReplay]);
    }
    void TearDown() override
    {
        Com2ProgramTest::TearDown();
        SetTickClock({});
        delete ReplayDlg;
        ReplayDlg = nullptr;
        platform::InstallMachineClockSetter(nullptr);
        platform::InstallClockReporter(nullptr);
        platform::ResetClockCorrection();
    }

    static const TargetRecord* target()
    {
        for (const TargetRecord& t : TargetTable)
            if (t.id == int32_t(TargetMmsi))
                return &t;
        return nullptr;
    }
    // The own ship and the target where the record of this minute puts them.
    static void ExpectReplayed(const Recorded& live)
    {
        EXPECT_EQ(cmgbase::deg2nrm(OwnShip.gpsLongitude), live.ownShip.x);
        EXPECT_EQ(cmgbase::deg2nrm(OwnShip.gpsLatitude), live.ownShip.y);
        const TargetRecord* t = target();
        ASSERT_NE(t, nullptr);
        EXPECT_EQ(t->positionX, live.targetX);
        EXPECT_EQ(t->positionY, live.targetY);
    }
};

TEST_F(ReplayRoundTripTest, ALiveVoyageIsRecordedAndPlaysBackWhereItWas)
{
    std::vector<Recorded> recorded;
    for (int m = 0; m < 3; ++m) {
        SCOPED_TRACE(m);
        SetTickClock([m] { return At(QTime(10, m, 5)); });
        for (const std::string& text : {OwnShipFixes(m), TargetReport(m)}) {
            gps.send(text);
            ASSERT_TRUE(PseudoTerminal::waitFor(ComPorts[1], int(text.size())));
            form->Timer1Timer();
        }
        form->Timer2Timer();
        const TargetRecord* t = target();
        ASSERT_NE(t, nullptr);
        recorded.push_back({OwnShip.antennaPosition, t->positionX, t->positionY});
    }
    ASSERT_NE(recorded[0].targetX, recorded[1].targetX);

    form->btnReplay->setChecked(true);
    btnReplayClick(*form);
    EXPECT_EQ(target(), nullptr);
    ReplayDlg->dtDate->setDate(VoyageDay);
    ReplayDlg->dtTime->setTime(QTime(10, 0));
    ReplayDlg->btnStartClick();
    ExpectReplayed(recorded[0]);

    // x 30: a recorded minute every second tick.
    ReplayDlg->tbSpd->setValue(9);
    ReplayDlg->btnSpd->setChecked(true);
    ReplayDlg->btnSpdClick();
    form->Timer2Timer();
    ExpectReplayed(recorded[0]);
    form->Timer2Timer();
    ExpectReplayed(recorded[1]);

    // x 60: a recorded minute every tick.
    ReplayDlg->tbSpd->setValue(10);
    form->Timer2Timer();
    ExpectReplayed(recorded[2]);

    form->btnReplay->setChecked(false);
    btnReplayClick(*form);
}

}  // namespace
