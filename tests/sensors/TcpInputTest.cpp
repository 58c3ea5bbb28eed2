// The TCP connection: a real server on 127.0.0.1 sends LF-terminated sentences, as some
// multiplexers do; the client socket hands the text to the reader.

#include "sensors/OwnShipState.h"
#include "sensors/SensorInput.h"
#include "sensors/SentenceParser.h"
#include "sensors/SensorTestSupport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>

#include <vector>

namespace {

class TcpInputTest : public SensorTest {};

TEST_F(TcpInputTest, LineFeedTerminatedSentencesFromAServer)
{
    QTcpServer server;
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost));
    QByteArray feed;
    for (int second = 0; second < 20; ++second) {
        char minutes[16];
        std::snprintf(minutes, sizeof minutes, "%07.4f", 22.0 + second * 0.01);
        feed += Nmea("$GPGGA,1200" + std::to_string(10 + second) + ".00,54" + minutes +
                         ",N,01010.4040,E,1,09,0.9,12.3,M,38.0,M,,",
                     "\n")
                    .c_str();
        feed += Nmea("$GPVTG,024.9,T,027.6,M,12.0,N,22.2,K,A", "\n").c_str();
        feed += Nmea("$HEHDT,025.0,T", "\n").c_str();
    }
    QObject::connect(&server, &QTcpServer::newConnection, [&server, &feed] {
        QTcpSocket* peer = server.nextPendingConnection();
        peer->write(feed);
        peer->disconnectFromHost();
    });

    QTcpSocket client;
    QObject::connect(&client, &QTcpSocket::readyRead, [&client] {
        const QByteArray data = client.readAll();
        AppendTcpInput(data.constData(), size_t(data.size()));
    });
    int fixes = 0;
    client.connectToHost(QHostAddress::LocalHost, server.serverPort());
    QElapsedTimer timer;
    timer.start();
    while (client.state() != QAbstractSocket::UnconnectedState && timer.elapsed() < 5000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        while (ReadTcpInput()) {
        }
        fixes += OwnShip.newFix ? 1 : 0;
        OwnShip.newFix = false;
    }
    ASSERT_EQ(client.state(), QAbstractSocket::UnconnectedState);
    EXPECT_GT(fixes, 0);
    EXPECT_EQ(PendingTcpInput(), 0u);
    EXPECT_EQ(PortSentenceStatistics[TcpPort].dispatched, 60u);
    EXPECT_DOUBLE_EQ(OwnShip.gpsLatitude, 54.0 + 22.19f / 60.0);
    EXPECT_FLOAT_EQ(OwnShip.heading, 25.0f);
}

// Unread text is kept up to the limit, NUL bytes as data; beyond it the oldest goes, and text
// already read never counts against it.
TEST_F(TcpInputTest, UnreadTextIsHeldWithinTheLimitDroppingTheOldest)
{
    struct Case {
        const char* what;
        std::vector<size_t> appends;
        size_t readFirst;  // chunks read after the first append
        size_t pending;
    };
    const Case cases[]{
        {"NUL bytes are data", {3}, 0, 3},
        {"one append above the limit", {TcpInputLimit + 100}, 0, TcpInputLimit},
        {"appends that pass the limit", {TcpInputLimit - 10, 100}, 0, TcpInputLimit},
        {"read text makes room", {TcpInputLimit, InputChunkSize}, 1, TcpInputLimit},
    };
    for (const Case& c : cases) {
        while (ReadTcpInput()) {
        }
        for (size_t i = 0; i < c.appends.size(); ++i) {
            const std::string text(c.appends[i], '\0');
            AppendTcpInput(text.data(), text.size());
            if (i == 0)
                for (size_t chunk = 0; chunk < c.readFirst; ++chunk)
                    ReadTcpInput();
        }
        EXPECT_EQ(PendingTcpInput(), c.pending) << c.what;
    }
}

}  // namespace
