// The output thread in the started program: the first tick starts it with the sensor side, the
// 100 ms tick wakes it for every fix read from the GPS on COM2 (a pseudo-terminal), its one-off
// texts reach a real TCP server on 127.0.0.1 through the main window's connection, the replay
// button mutes it, and the program's end stops it before the ports close.

#include "SetupTestSupport.h"
#include "StartedProgram.h"

#include "app/ShutdownIo.h"
#include "app/TForm1.h"
#include "app/TickState.h"
#include "frame/PortSettings.h"
#include "frame/SharedTables.h"
#include "platform/chartengine/ChartTestSupport.h"
#include "sensors/ComOutThread.h"
#include "sensors/NmeaOutput.h"
#include "sensors/OutputTestSupport.h"
#include "sensors/SensorInput.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QPushButton>
#include <QTcpServer>
#include <QTcpSocket>

#include <functional>
#include <memory>
#include <mutex>

namespace {

using namespace std::chrono_literals;

class OutputThreadTest : public Com2ProgramTest {
protected:
    void SetUp() override
    {
        Com2ProgramTest::SetUp();
        ASSERT_TRUE(server.listen(QHostAddress::LocalHost));
        // COM2: with no stored settings the alarm relay is on COM1.
        startWithCom2("[PortActive]\n2=1\nIP=1\n[PortXmit]\nXmit=4\n[TCP/IP]\nAdr=127.0.0.1\nPort=" +
                      std::to_string(server.serverPort()) + "\n");
    }

    // The server's side of the window's connection, once made.
    QTcpSocket* accept()
    {
        if (!EventsUntil([this] { return server.hasPendingConnections() && form->SocketConnected; }))
            return nullptr;
        return server.nextPendingConnection();
    }

    QTcpServer server;
};

TEST_F(OutputThreadTest, TheTickWakesTheStartedThreadForEachFixAndTheProgramsEndStopsIt)
{
    EXPECT_FALSE(StartComOutThread()) << "the start-up has started it";
    EXPECT_TRUE(ComOutThreadAtLowestPriority());

    const std::string fixes = Nmea("$GPRMC,081835,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W") +
                              Nmea("$GPRMC,081836,A,4807.040,N,01131.002,E,022.4,084.4,230394,003.1,W");
    gps.send(fixes);
    ASSERT_TRUE(PseudoTerminal::waitFor(ComPorts[1], int(fixes.size())));
    form->Timer1Timer();
    const std::vector<Pynmea2Sentence> parsed = ParseWithPynmea2(ReadLines(gps, 1));
    ASSERT_EQ(parsed.size(), 1u);
    EXPECT_EQ(parsed[0].error, "");
    EXPECT_EQ(parsed[0].data, Fields("$GPRMC,081836,A,4807.040,N,01131.002,E,22.4,84.4,230394,0.0,W"));

    StopProgram(form);
    EXPECT_FALSE(StopComOutThread()) << "the program's end has stopped it";
    EXPECT_FALSE(ComPorts[1].isOpen());
}

TEST_F(OutputThreadTest, OneOffTextsReachTheTcpConnectionUnlessTheReplayButtonIsDown)
{
    QTcpSocket* peer = accept();
    ASSERT_NE(peer, nullptr);
    {
        const std::lock_guard lock(ComOutStateLock);
        OwnShip.aisReplyPort = TcpPort;
    }
    const std::string acknowledgement = Nmea("$AIACK,7");
    QByteArray received;
    const auto receivedAll = [&](size_t size) {
        return EventsUntil([&] {
            received += peer->readAll();
            return size_t(received.size()) >= size;
        });
    };

    // No fix arrives in this test: the text wakes the thread itself.
    ASSERT_TRUE(SendOneOffText(acknowledgement));
    ASSERT_TRUE(receivedAll(acknowledgement.size()));
    EXPECT_EQ(received.toStdString(), acknowledgement);

    received.clear();
    form->btnReplay->setChecked(true);
    const std::string later = Nmea("$AIACK,8");
    ASSERT_TRUE(SendOneOffText(later));
    QElapsedTimer quiet;
    quiet.start();
    while (quiet.elapsed() < 200)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    received += peer->readAll();
    EXPECT_TRUE(received.isEmpty());
    {
        const std::lock_guard lock(ComOutStateLock);
        EXPECT_TRUE(OneOffPending);
    }
    form->btnReplay->setChecked(false);
    ASSERT_TRUE(receivedAll(later.size()));
    EXPECT_EQ(received.toStdString(), later) << "what waited during the replay";
}

// The switch-off runs ShutdownIo before the end of the event loop runs it again: the second run
// finds the thread stopped, the ports closed and the clock record released.
TEST_F(OutputThreadTest, ShutdownIoTwiceStopsAndClosesOnce)
{
    ASSERT_TRUE(ComPorts[1].isOpen());
    ShutdownIo();
    EXPECT_FALSE(StopComOutThread());
    EXPECT_FALSE(ComPorts[1].isOpen());
    EXPECT_EQ(ClockTime, nullptr);
    ShutdownIo();
    EXPECT_FALSE(StopComOutThread());
    EXPECT_EQ(ClockTime, nullptr);
}

}  // namespace
