// The readers: chunks split anywhere, several results in one chunk, a port drained completely
// each tick, the alarm port's event button.

#include "sensors/OwnShipState.h"
#include "sensors/SensorHooks.h"
#include "sensors/SensorInput.h"
#include "sensors/SensorSettings.h"
#include "sensors/SensorTestSupport.h"
#include "sensors/SentenceParser.h"
#include "sensors/TargetTable.h"

#include <string>
#include <vector>

namespace {

class SensorInputTest : public SensorTest {
protected:
    void SetUp() override
    {
        SensorTest::SetUp();
        ASSERT_TRUE(ComPorts[0].open(terminal.path(), 38400));
        SensorHook.putSensorRecord = [this](int32_t counter, const void* record, int32_t length) {
            ASSERT_EQ(length, 125);
            sent.push_back(counter);
            lastRecord = *static_cast<const SensorRecord*>(record);
        };
    }

    // Sends text through the terminal and runs one tick's read of COM1.
    void Tick(const std::string& text)
    {
        terminal.send(text);
        ASSERT_TRUE(PseudoTerminal::waitFor(ComPorts[0], int(text.size())));
        ReadComPort(0);
    }

    PseudoTerminal terminal;
    std::vector<int32_t> sent;
    SensorRecord lastRecord{};
};

const std::string FirstFix = Nmea("$GPRMC,120000,A,5422.2720,N,01010.4040,E,012.0,024.9,,,");
const std::string SecondFix = Nmea("$GPRMC,120001,A,5422.2750,N,01010.4060,E,012.0,024.9,,,");

TEST_F(SensorInputTest, SentenceSplitAcrossTwoTicksAtEveryOffset)
{
    Tick(FirstFix);
    const size_t lineEnd = SecondFix.find('\r');
    for (size_t cut = 1; cut < SecondFix.size(); ++cut) {
        SCOPED_TRACE(cut);
        OwnShip.newFix = false;
        OwnShip.gpsLatitude = 0.0;
        Tick(SecondFix.substr(0, cut));
        EXPECT_EQ(OwnShip.newFix, cut > lineEnd);
        Tick(SecondFix.substr(cut));
        EXPECT_TRUE(OwnShip.newFix);
        EXPECT_DOUBLE_EQ(OwnShip.gpsLatitude, 54.0 + 22.2750f / 60.0);
    }
    EXPECT_EQ(sent.size(), SecondFix.size() - 1);
    EXPECT_EQ(PortSentenceStatistics[0].checksumFailures, 0u);
}

TEST_F(SensorInputTest, FixFollowedByATargetInOneChunkStillReportsTheFix)
{
    Tick(FirstFix);
    const std::string chunk = SecondFix + Nmea("$RATTM,07,1.5,45.0,T,10.0,90.0,T,0.5,10.0,N,,T");
    ASSERT_LE(chunk.size(), size_t(InputChunkSize));
    Tick(chunk);
    EXPECT_TRUE(OwnShip.newFix);
    EXPECT_TRUE(OwnShip.targetsChanged);
    EXPECT_EQ(int32_t{TargetTable[0].id}, 7);  // the fix made the own position known for the target
    EXPECT_EQ(OwnShip.transmitFlags[0], 1);  // the GPS port gets RMC back
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0], 1);
    EXPECT_EQ(lastRecord.fixSequence, 1);
    EXPECT_DOUBLE_EQ(lastRecord.latitude, 54.0 + 22.2750f / 60.0);
}

TEST_F(SensorInputTest, OneTickDrainsASecondOfABusyRadarPort)
{
    OwnShip.positionKnown = true;
    std::string second;  // about one second of 38400 baud, every sentence another target
    int sentences = 0;
    while (second.size() < 3800) {
        const std::string number = std::to_string(10 + sentences++);
        second += Nmea("$RATTM," + number + ",1.5,45.0,T,10.0,90.0,T,0.5,10.0,N,,T");
    }
    Tick(second);
    EXPECT_EQ(ComPorts[0].clearErrors().waiting, 0);
    EXPECT_EQ(int(TakeUpdatedTargets().size()), sentences);
    EXPECT_EQ(int32_t{TargetTable[size_t(sentences - 1)].id}, 10 + sentences - 1);
}

TEST_F(SensorInputTest, TcpTextIsDroppedOnceRead)
{
    const std::string text = FirstFix + SecondFix + Nmea("$HEHDT,12.5,T");
    AppendTcpInput(text.data(), text.size());
    int calls = 1;
    while (ReadTcpInput())
        ++calls;
    EXPECT_EQ(calls, int((text.size() + InputChunkSize - 1) / InputChunkSize));
    EXPECT_EQ(PendingTcpInput(), 0u);
    EXPECT_FALSE(ReadTcpInput());
    EXPECT_TRUE(OwnShip.newFix);
    EXPECT_FLOAT_EQ(OwnShip.heading, 12.5f);
    EXPECT_EQ(OwnShip.gpsPort, TcpPort);
    EXPECT_EQ(OwnShip.transmitFlags[TcpPort], 1);  // kept in the 13th flag, never out of bounds
}

TEST_F(SensorInputTest, AlarmPortInputIsAnEventMarkNotASentence)
{
    SensorSetup.alarmPort = 0;
    OwnShip.speedOverGround = 3.0f;
    Tick(SecondFix);
    EXPECT_EQ(OwnShip.eventMarkCountdown, 5);
    EXPECT_FALSE(OwnShip.newFix);
    EXPECT_EQ(ComPorts[0].clearErrors().waiting, 0);  // purged
    OwnShip.eventMarkCountdown = 4;
    Tick("x");
    EXPECT_EQ(OwnShip.eventMarkCountdown, 4);  // a press within the hold is ignored
}

TEST_F(SensorInputTest, ReplayMutesLiveInput)
{
    SensorHook.replayPlaying = [] { return true; };
    Tick(FirstFix + SecondFix + Nmea("$HEHDT,12.5,T"));
    EXPECT_EQ(OwnShip.gpsPort, -1);
    EXPECT_EQ(OwnShip.headingValidity, 0);
    EXPECT_DOUBLE_EQ(OwnShip.lastFixLatitude, 0.0);
}

TEST_F(SensorInputTest, MonitorShowsLinesAndLineErrors)
{
    std::vector<std::string> shown;
    SensorHook.showMonitorLine = [&shown](const char* line) { shown.emplace_back(line); };
    OwnShip.monitorPort = 0;
    const std::string hdt = Nmea("$HEHDT,12.5,T");
    Tick(hdt);
    PortLineErrors[0] = platform::LineErrorFrame | platform::LineErrorParity;
    Tick(hdt);
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0] + "\r\n", hdt);
    EXPECT_EQ(shown[1], " Parity Error!");
}

}  // namespace
