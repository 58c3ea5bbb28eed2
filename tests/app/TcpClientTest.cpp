// The TCP sensor connection of a real main window against a real server on 127.0.0.1, with the
// one-second tick stepped by the test clock.

#include "SetupTestSupport.h"

#include "app/TForm1.h"
#include "app/TcpClient.h"
#include "app/TickClock.h"
#include "app/TickState.h"
#include "frame/PortSettings.h"
#include "frame/SharedTables.h"
#include "sensors/OwnShipState.h"
#include "sensors/SensorInput.h"
#include "sensors/SensorTestSupport.h"
#include "sensors/SentenceParser.h"

#include <QCoreApplication>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <memory>

namespace {

class TcpClientTest : public SetupTest {
protected:
    void SetUp() override
    {
        SetupTest::SetUp();
        ResetSensorSide();
        ResetTickState();
        SetTickClock([] { return platform::ClockTime(std::chrono::seconds(1796860800 + 12 * 3600 + 30 * 60)); });
        ASSERT_TRUE(server.listen(QHostAddress::LocalHost));
        setTcp(true, server.serverPort());
        form = std::make_unique<TForm1>();
        Form1 = form.get();
        form->Timer2->stop();
        AppRunning = true;
        StartupDone = true;
    }
    void TearDown() override
    {
        form.reset();
        Form1 = nullptr;
        WritePortSettings(PortSettings{});
        ResetSensorSide();
        SetTickClock({});
        ResetTickState();
        SetupTest::TearDown();
    }

    static void setTcp(bool active, int port)
    {
        PortSettings ports = ReadPortSettings();
        ports.active[TcpPort] = active ? 1 : 0;
        ports.tcpAddress = "127.0.0.1";
        ports.tcpPort = port;
        WritePortSettings(ports);
    }

    // The server's side of a new connection, once the client has seen it made.
    QTcpSocket* accept()
    {
        if (!EventsUntil([this] { return server.hasPendingConnections() && form->SocketConnected; }))
            return nullptr;
        return server.nextPendingConnection();
    }

    // One-second ticks, each followed by the events it caused.
    void seconds(int count)
    {
        for (int i = 0; i < count; ++i) {
            form->Timer2Timer();
            QCoreApplication::processEvents();
        }
    }

    // Whether the ticks so far began a connection: an open leaves the socket connecting at once.
    bool connectionBegun() const
    {
        return form->ClientSocket1->state() != QAbstractSocket::UnconnectedState || server.hasPendingConnections();
    }

    static uint32_t dispatched() { return PortSentenceStatistics[TcpPort].dispatched; }

    QTcpServer server;
    std::unique_ptr<TForm1> form;
};

const std::string Heading = Nmea("$HEHDT,025.0,T");

TEST_F(TcpClientTest, ASentenceSplitAcrossWritesAndTicksArrivesWhole)
{
    OpenClientSocket(*form);
    QTcpSocket* peer = accept();
    ASSERT_NE(peer, nullptr);

    const size_t half = Heading.size() / 2;
    peer->write(Heading.data(), qint64(half));
    ASSERT_TRUE(EventsUntil([&] { return PendingTcpInput() == half; }));
    form->Timer1Timer();
    EXPECT_EQ(dispatched(), 0u);

    SecondTick.socketSilentSeconds = 10;
    peer->write(Heading.data() + half, qint64(Heading.size() - half));
    ASSERT_TRUE(EventsUntil([&] { return PendingTcpInput() == Heading.size() - half; }));
    EXPECT_EQ(SecondTick.socketSilentSeconds, 0);  // each read clears the silence count
    form->Timer1Timer();
    EXPECT_EQ(dispatched(), 1u);
    EXPECT_FLOAT_EQ(OwnShip.heading, 25.0f);
}

TEST_F(TcpClientTest, AConnectionTheServerClosesKeepsItsLastTextAndIsReopenedAtTheNextRetry)
{
    OpenClientSocket(*form);
    QTcpSocket* peer = accept();
    ASSERT_NE(peer, nullptr);
    peer->write(Heading.data(), qint64(Heading.size()));
    peer->disconnectFromHost();
    ASSERT_TRUE(EventsUntil([&] { return !form->SocketConnected; }));
    EXPECT_EQ(form->ClientSocket1->state(), QAbstractSocket::UnconnectedState);
    EXPECT_EQ(PendingTcpInput(), Heading.size());

    seconds(30);
    EXPECT_FALSE(connectionBegun());
    seconds(1);  // the retry counter passes 30
    EXPECT_NE(accept(), nullptr);
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(TcpClientTest, ASilentPeerIsDroppedAfterSixtyOneTicksAndReopenedByTheNextRetry)
{
    OpenClientSocket(*form);
    QTcpSocket* peer = accept();
    ASSERT_NE(peer, nullptr);

    seconds(60);
    EXPECT_TRUE(form->SocketConnected);
    EXPECT_EQ(SecondTick.socketSilentSeconds, 60);
    seconds(1);
    EXPECT_FALSE(form->SocketConnected);
    EXPECT_EQ(form->ClientSocket1->state(), QAbstractSocket::UnconnectedState);
    EXPECT_TRUE(EventsUntil([&] { return peer->state() == QAbstractSocket::UnconnectedState; }));

    // The retry counter passed 30 at tick 31 while connected; it passes again at tick 62.
    seconds(1);
    EXPECT_NE(accept(), nullptr);
}

TEST_F(TcpClientTest, ARefusedConnectionShowsNoBoxAndAPortOutOfRangeIsNotOpened)
{
    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost));
    const quint16 refusing = closed.serverPort();
    closed.close();
    setTcp(true, refusing);
    int errors = 0;
    QObject::connect(form->ClientSocket1, &QTcpSocket::errorOccurred, [&errors] { ++errors; });
    OpenClientSocket(*form);
    ASSERT_TRUE(EventsUntil([&] { return errors > 0; }));
    EXPECT_FALSE(form->SocketConnected);
    EXPECT_EQ(form->ClientSocket1->state(), QAbstractSocket::UnconnectedState);
    EXPECT_TRUE(boxes.shown.empty());

    for (const int port : {0, -1, 65536}) {
        setTcp(true, port);
        OpenClientSocket(*form);
        EXPECT_EQ(form->ClientSocket1->state(), QAbstractSocket::UnconnectedState) << port;
    }
}

TEST_F(TcpClientTest, WhileTcpIsInactiveNeitherTheSilenceTimeOutNorTheRetryRuns)
{
    OpenClientSocket(*form);
    QTcpSocket* peer = accept();
    ASSERT_NE(peer, nullptr);
    setTcp(false, server.serverPort());

    seconds(70);
    EXPECT_TRUE(form->SocketConnected);
    EXPECT_EQ(SecondTick.socketSilentSeconds, 0);

    peer->disconnectFromHost();
    ASSERT_TRUE(EventsUntil([&] { return !form->SocketConnected; }));
    seconds(70);
    EXPECT_FALSE(connectionBegun());
}

TEST_F(TcpClientTest, AFloodingPeerIsHeldWithinTheInputLimitAndItsNewestTextIsKept)
{
    OpenClientSocket(*form);
    QTcpSocket* peer = accept();
    ASSERT_NE(peer, nullptr);
    const std::string noise("no sentence\0\0 here\r\n", 20);
    QByteArray flood;
    while (flood.size() < 1024 * 1024)
        flood.append(noise.data(), qsizetype(noise.size()));
    flood.append(Heading.data(), qsizetype(Heading.size()));
    peer->write(flood);
    peer->disconnectFromHost();

    size_t most = 0;
    ASSERT_TRUE(EventsUntil([&] {
        most = std::max(most, PendingTcpInput());
        return !form->SocketConnected;
    }));
    EXPECT_LE(most, TcpInputLimit);
    EXPECT_EQ(PendingTcpInput(), TcpInputLimit);
    form->Timer1Timer();
    EXPECT_EQ(dispatched(), 1u);
    EXPECT_FLOAT_EQ(OwnShip.heading, 25.0f);
}

TEST_F(TcpClientTest, TextIsSentOnlyWhileConnected)
{
    SendTcpText("$AIVSD,1*00\r\n");  // not connected: dropped
    OpenClientSocket(*form);
    QTcpSocket* peer = accept();
    ASSERT_NE(peer, nullptr);
    SendTcpText("!AIABM\r\n");
    ASSERT_TRUE(EventsUntil([&] { return peer->bytesAvailable() >= 8; }));
    EXPECT_EQ(peer->readAll(), "!AIABM\r\n");
}

}  // namespace
