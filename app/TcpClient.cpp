#include "app/TcpClient.h"

#include "app/TForm1.h"
#include "app/TickState.h"
#include "frame/PortSettings.h"
#include "sensors/SensorInput.h"

#include <QTcpSocket>

namespace {

// Hands everything the socket holds to the sentence input.
void TakeReceivedText(TForm1& form)
{
    if (!form.ClientSocket1->isOpen())
        return;  // the error event of the same end closed it already
    const QByteArray text = form.ClientSocket1->readAll();
    if (text.isEmpty())
        return;
    AppendTcpInput(text.constData(), size_t(text.size()));
    SecondTick.socketSilentSeconds = 0;
}

}  // namespace

void ConnectClientSocket(TForm1& form)
{
    QTcpSocket* socket = form.ClientSocket1;
    QObject::connect(socket, &QTcpSocket::connected, &form, &TForm1::ClientSocket1Connect);
    QObject::connect(socket, &QTcpSocket::readyRead, &form, &TForm1::ClientSocket1Read);
    QObject::connect(socket, &QTcpSocket::disconnected, &form, &TForm1::ClientSocket1Disconnect);
    QObject::connect(socket, &QTcpSocket::errorOccurred, &form, &TForm1::ClientSocket1Error);
}

void OpenClientSocket(TForm1& form)
{
    const PortSettings ports = ReadPortSettings();
    if (ports.tcpPort < 1 || ports.tcpPort > 65535)
        return;
    form.SocketConnected = false;
    form.ClientSocket1->abort();
    form.ClientSocket1->connectToHost(QString::fromLatin1(ports.tcpAddress), quint16(ports.tcpPort));
}

void CloseClientSocket(TForm1& form)
{
    form.SocketConnected = false;
    form.ClientSocket1->abort();
}

void SendTcpText(const std::string& text)
{
    if (Form1 == nullptr || !Form1->SocketConnected)
        return;
    Form1->ClientSocket1->write(text.data(), qint64(text.size()));
}

void TForm1::ClientSocket1Connect()
{
    SocketConnected = true;
}

void TForm1::ClientSocket1Read()
{
    TakeReceivedText(*this);
}

// Text that came with the end of the connection is kept before the socket is closed.
void TForm1::ClientSocket1Disconnect()
{
    TakeReceivedText(*this);
    CloseClientSocket(*this);
}

void TForm1::ClientSocket1Error(QAbstractSocket::SocketError)
{
    TakeReceivedText(*this);
    CloseClientSocket(*this);
}
