// The port set-up dialog with the start-up's wiring, over pseudo-terminals standing in for
// COM1, COM3 and COM5 while the other COM ports have no device, a real TCP server on 127.0.0.1
// and the real settings files.

#include "SetupTestSupport.h"
#include "sensors/SensorTestSupport.h"

#include "app/MainIni.h"
#include "app/SetupPortWiring.h"
#include "app/TForm1.h"
#include "app/TfrmSplash.h"
#include "frame/PortSettings.h"
#include "frame/SharedTables.h"
#include "platform/system/IniFile.h"
#include "sensors/ComPortControl.h"
#include "sensors/SensorHooks.h"
#include "sensors/SensorInput.h"
#include "sensors/SensorSettings.h"
#include "sensors/TSetupPort.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QHostAddress>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <termios.h>

namespace {

constexpr int Com1 = 0, Com2 = 1, Com3 = 2, Com5 = 4;

// Types text into an edit as the keyboard would, replacing what it holds.
void Type(QLineEdit* edit, const QString& text)
{
    edit->selectAll();
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(edit, &press);
    }
}

std::string FileText(const std::filesystem::path& path)
{
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// The port set-up of a started program: COM1 and COM3 active and present, COM2 active but
// missing since the start (an unplugged adapter), COM5 present but not active.
class SetupPortTest : public SetupTest {
protected:
    void SetUp() override
    {
        SetupTest::SetUp();
        ResetSensorSide();
        for (int port = 0; port < SerialPortCount; ++port)
            platform::SetSerialDevicePath(port, (folder / ("ttyMissing" + std::to_string(port))).string());
        for (const auto& [port, terminal] : {std::pair{Com1, &com1}, {Com3, &com3}, {Com5, &com5}})
            platform::SetSerialDevicePath(port, terminal->path());

        PortSettings ports;
        ports.active[Com1] = ports.active[Com2] = ports.active[Com3] = 1;
        ports.baud[Com3] = 1;
        ports.outputSentences = 1 | 4;
        ports.tcpAddress = "10.0.0.7";
        ports.tcpPort = 4001;
        WritePortSettings(ports);

        form = std::make_unique<TForm1>();
        Form1 = form.get();
        form->Timer2->stop();
        StartupDone = true;
        SetupPort = new TSetupPort;
        WireSetupPort();
        OpenComPortsAtStart();
    }
    void TearDown() override
    {
        delete SetupPort;
        SetupPort = nullptr;
        delete frmSplash;
        form.reset();
        Form1 = nullptr;
        CloseComPorts();
        for (int port = 0; port < SerialPortCount; ++port)
            platform::SetSerialDevicePath(port, "");
        WritePortSettings(PortSettings{});
        SetupPortHook = {};
        ComPortError = false;
        ComPortOpenedAtStart = {};
        ComPortLostCheckPending = false;
        ResetSensorSide();
        SetupTest::TearDown();
    }

    TSetupPort& dialog() const { return *SetupPort; }

    // Shows the dialog as the user does, from the setup list, and lets the lost-port report
    // through; the list shows its title again.
    void showDialog() const
    {
        form->cmbSetup->setCurrentIndex(1);
        emit form->cmbSetup->activated(1);
        EXPECT_EQ(form->cmbSetup->currentIndex(), 0);
        QCoreApplication::processEvents();
    }

    static bool itemEnabled(int port) { return SetupPort->cklPorts->item(port)->flags() & Qt::ItemIsEnabled; }
    static bool itemChecked(QListWidget* list, int row) { return list->item(row)->checkState() == Qt::Checked; }
    static std::vector<bool> openPorts()
    {
        std::vector<bool> open;
        for (const platform::SerialPort& port : ComPorts)
            open.push_back(port.isOpen());
        return open;
    }

    // Lines sent by the instrument on COM1, read by the 100 ms tick's reader and shown by the
    // monitor's timer.
    void monitorReceives(const std::string& text)
    {
        com1.send(text);
        ASSERT_TRUE(PseudoTerminal::waitFor(ComPorts[Com1], int(text.size())));
        ReadComPort(Com1);
        dialog().MonitorTimerTimer();
    }

    // The save dialog, when it opens, chooses path.
    void chooseLogFile(const std::string& path)
    {
        QTimer::singleShot(0, SetupPort, [path] {
            SetupPort->SaveDialog->selectFile(QString::fromStdString(path));
            static_cast<QDialog*>(SetupPort->SaveDialog)->accept();  // the dialog's own accept, as its button
        });
    }

    std::vector<std::string> rows() const
    {
        std::vector<std::string> texts;
        for (const QLabel* row : dialog().Tx)
            texts.push_back(row->text().toStdString());
        return texts;
    }

    PseudoTerminal com1, com3, com5;
    std::unique_ptr<TForm1> form;
};

TEST_F(SetupPortTest, OpeningShowsThePortsThereAndKeepsOnlyTheMonitoredOneOpen)
{
    ASSERT_EQ(openPorts(), (std::vector<bool>{true, false, true, false, false, false, false, false,
                                              false, false, false, false}));
    showDialog();

    for (int port = 0; port < PortCount; ++port)
        EXPECT_EQ(itemEnabled(port), port == Com1 || port == Com3 || port == Com5 || port == TcpPort) << port;
    for (int port = 0; port < PortCount; ++port)
        EXPECT_EQ(itemChecked(dialog().cklPorts, port), port <= Com3) << port;
    EXPECT_EQ(openPorts(), (std::vector<bool>{true, false, false, false, false, false, false, false,
                                              false, false, false, false}));
    EXPECT_EQ(OwnShip.monitorPort, Com1);
    EXPECT_EQ(dialog().cmbPort->currentIndex(), 0);
    EXPECT_EQ(dialog().cmbBaud->currentText(), "4800");
    EXPECT_EQ(dialog().edTcpAdr->text(), "10.0.0.7");
    EXPECT_EQ(dialog().edTcpPort->text(), "4001");
    EXPECT_EQ((std::vector<bool>{itemChecked(dialog().cklXmit, 0), itemChecked(dialog().cklXmit, 1),
                                 itemChecked(dialog().cklXmit, 2), itemChecked(dialog().cklXmit, 3)}),
              (std::vector<bool>{true, false, true, false}));
    EXPECT_TRUE(dialog().MonitorTimer->isActive());
}

// The adapter of COM2 was unplugged before the start: it is reported once and stays active, so
// that it is used again once it is back; only the Clear button drops it.
TEST_F(SetupPortTest, AnActivePortMissingAtStartIsReportedOnceAndKeepsItsFlag)
{
    frmSplash = new TfrmSplash;
    frmSplash->show();
    showDialog();

    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, "Port COM2 lost.");
    EXPECT_EQ(boxes.shown[0].caption, "Communication");
    EXPECT_EQ(boxes.shown[0].icon, platform::MsgIcon::Exclamation);
    EXPECT_TRUE(boxes.shown[0].topMost);
    EXPECT_TRUE(boxes.shown[0].taskModal);
    EXPECT_EQ(frmSplash, nullptr);

    dialog().Button1->click();
    EXPECT_EQ(Value(SetupParameters.PortActive[Com2]), 1);
    EXPECT_TRUE(platform::IniFile(MainIniPath()).readBool("PortActive", "2", false));

    showDialog();
    EXPECT_EQ(boxes.shown.size(), 1u);
    EXPECT_TRUE(itemChecked(dialog().cklPorts, Com2));
    EXPECT_FALSE(itemEnabled(Com2));
    dialog().hide();

    PseudoTerminal com2;
    platform::SetSerialDevicePath(Com2, com2.path());
    showDialog();
    EXPECT_TRUE(itemEnabled(Com2));
    dialog().hide();
    EXPECT_TRUE(ComPorts[Com2].isOpen());

    platform::SetSerialDevicePath(Com2, (folder / "ttyMissing1").string());
    showDialog();
    dialog().btnClear->click();
    EXPECT_FALSE(itemChecked(dialog().cklPorts, Com2));
    EXPECT_TRUE(itemChecked(dialog().cklPorts, Com1));
    dialog().hide();
    EXPECT_EQ(Value(SetupParameters.PortActive[Com2]), 0);
    EXPECT_EQ(boxes.shown.size(), 1u);
}

TEST_F(SetupPortTest, SixteenSentenceKindsTakeFourteenRowsAndTakeTurnsInTheLast)
{
    showDialog();
    auto kind = [](int k, const std::string& value = "1") {
        return "$YXQA" + std::string(1, char('A' + k)) + "," + value;
    };
    for (int k = 0; k < 14; ++k)
        monitorReceives(kind(k) + "\r\n");
    for (int k = 0; k < 14; ++k)
        EXPECT_EQ(rows()[size_t(k)], kind(k)) << k;
    EXPECT_EQ(rows()[14], "");

    monitorReceives(kind(14) + "\r\n");
    EXPECT_EQ(rows()[14], kind(14));
    monitorReceives(kind(15) + "\r\n");
    EXPECT_EQ(rows()[14], kind(15));
    monitorReceives(kind(14, "2") + "\r\n" + kind(2, "2") + "\r\n");
    EXPECT_EQ(rows()[14], kind(14, "2"));
    EXPECT_EQ(rows()[2], kind(2, "2"));
    EXPECT_EQ(rows()[3], kind(3));

    dialog().btnClear->click();
    EXPECT_EQ(rows(), std::vector<std::string>(15, ""));
    monitorReceives(kind(7) + "\r\n");
    EXPECT_EQ(rows()[0], kind(7));
}

TEST_F(SetupPortTest, TheMonitorLogHasAHeaderForEachPortAndEveryLineShown)
{
    showDialog();
    const std::filesystem::path log = folder / "monitor.log";
    chooseLogFile(log.string());
    dialog().ckSave->click();
    ASSERT_TRUE(dialog().ckSave->isChecked());

    monitorReceives("$GPHDT,12.0,T\r\n$GPHDT,13.0,T\r\n");
    dialog().cmbPort->setCurrentIndex(Com3);
    dialog().cmbPortChange();
    dialog().ckSave->click();  // unchecked: the log is closed
    dialog().cmbPort->setCurrentIndex(Com1);
    dialog().cmbPortChange();
    monitorReceives("$GPHDT,14.0,T\r\n");

    std::istringstream lines(FileText(log));
    std::vector<std::string> logged;
    for (std::string line; std::getline(lines, line);)
        logged.push_back(line);
    ASSERT_EQ(logged.size(), 4u);
    // "dddddd  hh:mm:ss", the long date as the US English locale writes it, then the port.
    auto isHeader = [](const std::string& line, int com) {
        const QRegularExpression header(QRegularExpression::anchoredPattern(
            QStringLiteral(R"([A-Z][a-z]+day, [A-Z][a-z]+ \d{1,2}, \d{4}  \d\d:\d\d:\d\d,  COM %1)").arg(com)));
        return header.match(QString::fromStdString(line)).hasMatch();
    };
    EXPECT_TRUE(isHeader(logged[0], 1)) << logged[0];
    EXPECT_EQ(logged[1], "$GPHDT,12.0,T");
    EXPECT_EQ(logged[2], "$GPHDT,13.0,T");
    EXPECT_TRUE(isHeader(logged[3], 3)) << logged[3];
    EXPECT_EQ(boxes.shown.size(), 1u);  // the lost COM2 only
}

TEST_F(SetupPortTest, AMonitorLogThatCannotBeWrittenIsReportedAndStopped)
{
    showDialog();
    boxes.shown.clear();
    chooseLogFile("/dev/full");
    dialog().ckSave->click();

    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, "The monitor log /dev/full could not be written; logging has stopped.");
    EXPECT_FALSE(dialog().ckSave->isChecked());
    monitorReceives("$GPHDT,12.0,T\r\n");
    EXPECT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(rows()[0], "$GPHDT,12.0,T");
}

// The monitored port's rate is set where it is watched; "alarm" puts the relay on it, and the
// relay port shows "alarm" whatever rate it was left with.
TEST_F(SetupPortTest, AlarmMakesTheMonitoredPortTheAlarmPortAndAnotherRateUndoesIt)
{
    SetupParameters.AlarmPort = Com5;
    showDialog();
    dialog().cmbPort->setCurrentIndex(Com5);
    dialog().cmbPortChange();
    EXPECT_EQ(dialog().cmbBaud->currentText(), "alarm");
    dialog().cmbPort->setCurrentIndex(Com3);
    dialog().cmbPortChange();
    EXPECT_EQ(dialog().cmbBaud->currentText(), "9600");
    EXPECT_EQ(openPorts()[Com3], true);
    EXPECT_EQ(openPorts()[Com1], false);

    auto speed = [this] {
        termios line{};
        tcgetattr(com3.master(), &line);
        return cfgetospeed(&line);
    };
    const std::tuple<int, uint8_t, uint8_t, speed_t> steps[] = {
        {3, 3, Com3, B9600},  // "alarm"
        {2, 2, NoAlarmPort, B38400},
        {3, 3, Com3, B9600},
        {0, 0, NoAlarmPort, B4800},
    };
    for (const auto& [choice, baud, alarmPort, rate] : steps) {
        dialog().cmbBaud->setCurrentIndex(choice);
        dialog().cmbBaudChange();
        EXPECT_EQ(Value(SetupParameters.PortBaud[Com3]), baud) << choice;
        EXPECT_EQ(Value(SetupParameters.AlarmPort), alarmPort) << choice;
        EXPECT_EQ(SensorSetup.alarmPort, alarmPort) << choice;
        EXPECT_TRUE(ComPorts[Com3].isOpen()) << choice;
        EXPECT_EQ(speed(), rate) << choice;
    }
}

// OK takes what the controls show, saves dta.res, and the hide reopens the active ports and
// writes the main INI file.
TEST_F(SetupPortTest, OkStoresTheControlsReopensTheActivePortsAndWritesBothFiles)
{
    {
        const std::lock_guard lock(ComOutStateLock);
        OwnShip.gpsPort = Com1;
        OwnShip.lastFixLatitude = 54.0;
    }
    SetupParameters.TcpPort = 0;  // no TCP connection set up: the port edit shows 0
    showDialog();
    QListWidget* ports = dialog().cklPorts;
    ports->item(Com1)->setCheckState(Qt::Unchecked);
    ports->item(Com5)->setCheckState(Qt::Checked);
    for (int row = 0; row < 4; ++row)
        dialog().cklXmit->item(row)->setCheckState(row >= 2 ? Qt::Checked : Qt::Unchecked);  // RMC, RTE
    dialog().ckAutoRTE->click();
    EXPECT_TRUE(SensorSetup.acceptRoutes);
    dialog().Button1->click();

    EXPECT_FALSE(dialog().isVisible());
    EXPECT_EQ(boxes.shown.size(), 1u);  // the lost COM2 only
    const std::vector<char> saved = FileBytes(folder / "dta.res");
    ASSERT_EQ(saved.size(), SetupImage::Size);
    EXPECT_EQ(std::vector<char>(saved.begin() + 18008, saved.begin() + 18021),
              (std::vector<char>{0, 1, 1, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0}));
    int32_t bits = 0;
    std::memcpy(&bits, saved.data() + 18048, sizeof bits);
    EXPECT_EQ(bits, 12);
    EXPECT_EQ(saved[18188], 1);

    EXPECT_EQ(openPorts(), (std::vector<bool>{false, false, true, false, true, false, false, false,
                                              false, false, false, false}));
    EXPECT_EQ(OwnShip.monitorPort, -1);
    EXPECT_FALSE(dialog().MonitorTimer->isActive());
    EXPECT_EQ(OwnShip.gpsPort, -1);
    EXPECT_EQ(OwnShip.lastFixLatitude, 0.0);

    SetupParameters = SetupParametersRecord{};
    LoadMainIni();
    const PortSettings read = ReadPortSettings();
    EXPECT_EQ(read.active, (std::array<uint8_t, PortCount>{0, 1, 1, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(read.outputSentences, 12);
    EXPECT_EQ(read.baud[Com3], 1);
    EXPECT_EQ(read.tcpAddress, "10.0.0.7");
    EXPECT_EQ(read.tcpPort, 0);
}

// The address and port take effect when "TCP/IP" is checked again; the port must be 1..65535.
TEST_F(SetupPortTest, TheTcpAddressAndPortAreCheckedAndUsedWhenTcpIsCheckedAgain)
{
    QTcpServer server;
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost));
    showDialog();
    QListWidgetItem* tcp = dialog().cklPorts->item(TcpPort);
    tcp->setCheckState(Qt::Checked);
    EXPECT_EQ(Value(SetupParameters.PortActive[TcpPort]), 1);

    Type(dialog().edTcpAdr, QStringLiteral("127.0.0.1.example.org"));
    EXPECT_EQ(ReadPortSettings().tcpAddress, "127.0.0.1.examp");
    EXPECT_EQ(tcp->checkState(), Qt::Unchecked);
    EXPECT_EQ(Value(SetupParameters.PortActive[TcpPort]), 0);
    Type(dialog().edTcpAdr, QStringLiteral("127.0.0.1"));

    for (const char* refused : {"70000", "0", "port"}) {
        Type(dialog().edTcpPort, QString::fromLatin1(refused));
        dialog().Button1->click();
        EXPECT_TRUE(dialog().isVisible()) << refused;
        EXPECT_EQ(ReadPortSettings().tcpPort, 4001) << refused;
        ASSERT_FALSE(boxes.shown.empty());
        EXPECT_EQ(boxes.shown.back().text, "The TCP port must be a number from 1 to 65535.");
    }
    const size_t messages = boxes.shown.size();

    Type(dialog().edTcpPort, QString::number(server.serverPort()));
    EXPECT_EQ(ReadPortSettings().tcpPort, server.serverPort());
    EXPECT_EQ(form->ClientSocket1->state(), QAbstractSocket::UnconnectedState);
    tcp->setCheckState(Qt::Checked);
    ASSERT_TRUE(EventsUntil([&] { return server.hasPendingConnections() && form->SocketConnected; }));

    tcp->setCheckState(Qt::Unchecked);
    EXPECT_FALSE(form->SocketConnected);
    EXPECT_EQ(form->ClientSocket1->state(), QAbstractSocket::UnconnectedState);

    dialog().Button1->click();
    EXPECT_FALSE(dialog().isVisible());
    EXPECT_EQ(boxes.shown.size(), messages);
    const platform::IniFile ini(MainIniPath());
    EXPECT_EQ(ini.readString("TCP/IP", "Adr", ""), "127.0.0.1");
    EXPECT_EQ(ini.readInteger("TCP/IP", "Port", 0), server.serverPort());
}

}  // namespace
