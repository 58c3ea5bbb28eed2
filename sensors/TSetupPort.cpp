#include "sensors/TSetupPort.h"

#include "frame/DateTimeText.h"
#include "frame/PortSettings.h"
#include "frame/SetupParameters.h"
#include "frame/SharedTables.h"
#include "platform/system/MessageBox.h"
#include "sensors/ComPortControl.h"
#include "sensors/OwnShipState.h"
#include "sensors/SentenceParser.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>

#include <iterator>
#include <mutex>
#include <span>
#include <vector>

SetupPortHooks SetupPortHook;

namespace {

constexpr const char* Caption = "Communication";
constexpr int TcpItem = TcpPort;
constexpr int AlarmBaudIndex = 3;
constexpr int BaudChoices = 5;
constexpr int HeaderLength = 6;
// Rows searched for a line's header; a header not among them goes to the last row.
constexpr int SearchedRows = MonitorRows - 1;
// Lines the monitor keeps for its timer; more are dropped, the oldest first.
constexpr size_t PendingLineLimit = 4096;
constexpr int MonitorInterval = 100;  // ms

const char* const PortNames[PortCount] = {"COM1", "COM2",  "COM3",  "COM4", "COM5",
                                          "COM6", "COM7",  "COM8",  "COM9", "COM10",
                                          "COM11", "COM12", "TCP/IP"};
const char* const BaudNames[BaudChoices] = {"4800", "9600", "38400", "alarm", "19200"};
const char* const OutputNames[] = {"APB", "RMB", "RMC", "RTE"};  // bits 1, 2, 4, 8
constexpr int OutputCount = int(std::size(OutputNames));

void ShowMessage(QWidget* owner, const std::string& text)
{
    platform::MessageBoxRequest request;
    request.owner = owner;
    request.text = text;
    request.caption = Caption;
    request.icon = platform::MsgIcon::Exclamation;
    request.topMost = true;
    request.taskModal = true;
    platform::ShowMessageBox(request);
}

// A TCP port the edit may hold: a whole number 1..65535.
bool TcpPortOf(const QString& text, int32_t& port)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok || value < 1 || value > 65535)
        return false;
    port = value;
    return true;
}

// The active COM ports that did not open as the program started.
std::vector<int> PortsLostSinceStart()
{
    const PortSettings ports = ReadPortSettings();
    std::vector<int> lost;
    for (int port = 0; port < SerialPortCount; ++port)
        if (ports.active[size_t(port)] != 0 && !ComPortOpenedAtStart[size_t(port)])
            lost.push_back(port);
    return lost;
}

void SetMonitorPort(int32_t port)
{
    const std::lock_guard lock(ComOutStateLock);
    OwnShip.monitorPort = port;
}

void RunHook(const std::function<void()>& hook)
{
    if (hook)
        hook();
}

QListWidget* CheckList(QWidget* owner, const char* name, std::span<const char* const> items)
{
    auto* list = new QListWidget(owner);
    list->setObjectName(QString::fromLatin1(name));
    // Every entry shows without scrolling, whatever font the list is given.
    list->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    for (const char* text : items) {
        auto* item = new QListWidgetItem(QString::fromLatin1(text), list);
        item->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        item->setCheckState(Qt::Unchecked);
    }
    return list;
}

template <typename Widget>
Widget* Named(Widget* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

}  // namespace

TSetupPort::TSetupPort(QWidget* owner) : FormDialog(owner)
{
    setObjectName(QStringLiteral("SetupPort"));
    setWindowTitle(QStringLiteral("Setup Ports"));

    cklPorts = CheckList(this, "cklPorts", PortNames);
    txUse = Named(new QLabel(QStringLiteral("<-- Use"), this), "txUse");
    cklXmit = CheckList(this, "cklXmit", OutputNames);
    txTransmit = Named(new QLabel(QStringLiteral("<-- Tramsmit"), this), "txTransmit");

    gbTest = Named(new QGroupBox(QStringLiteral("Test"), this), "gbTest");
    cmbPort = Named(new QComboBox(gbTest), "cmbPort");
    for (const char* name : PortNames)
        cmbPort->addItem(QString::fromLatin1(name));
    cmbBaud = Named(new QComboBox(gbTest), "cmbBaud");
    for (const char* name : BaudNames)
        cmbBaud->addItem(QString::fromLatin1(name));
    ckSave = Named(new QCheckBox(QStringLiteral("Save to file"), gbTest), "ckSave");
    btnClear = Named(new QPushButton(QStringLiteral("Clear"), gbTest), "btnClear");
    auto* testLayout = new QGridLayout(gbTest);
    testLayout->addWidget(cmbPort, 0, 0);
    testLayout->addWidget(cmbBaud, 0, 1);
    testLayout->addWidget(ckSave, 1, 0);
    testLayout->addWidget(btnClear, 1, 1);

    SaveDialog = Named(new QFileDialog(this), "SaveDialog");
    SaveDialog->setAcceptMode(QFileDialog::AcceptSave);
    SaveDialog->setFileMode(QFileDialog::AnyFile);
    SaveDialog->setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::DontConfirmOverwrite);

    ckAutoRTE = Named(new QCheckBox(QStringLiteral("Auto RTE route"), this), "ckAutoRTE");

    gbTcp = Named(new QGroupBox(QStringLiteral("TCP / IP"), this), "gbTcp");
    txAdr = Named(new QLabel(QStringLiteral("adr."), gbTcp), "txAdr");
    edTcpAdr = Named(new QLineEdit(gbTcp), "edTcpAdr");
    edTcpAdr->setMaxLength(int(TcpAddressMaxLength));
    txPort = Named(new QLabel(QStringLiteral("port"), gbTcp), "txPort");
    edTcpPort = Named(new QLineEdit(gbTcp), "edTcpPort");
    edTcpPort->setMaxLength(5);
    auto* tcpLayout = new QGridLayout(gbTcp);
    tcpLayout->addWidget(txAdr, 0, 0);
    tcpLayout->addWidget(edTcpAdr, 0, 1);
    tcpLayout->addWidget(txPort, 1, 0);
    tcpLayout->addWidget(edTcpPort, 1, 1);

    Button1 = Named(new QPushButton(QStringLiteral("OK"), this), "Button1");

    auto* monitor = Named(new QFrame(this), "pnMonitor");
    monitor->setFrameShape(QFrame::StyledPanel);
    monitor->setAutoFillBackground(true);
    QPalette white = monitor->palette();
    white.setColor(QPalette::Window, Qt::white);
    monitor->setPalette(white);
    auto* rows = new QVBoxLayout(monitor);
    rows->setSpacing(2);
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    for (int row = 0; row < MonitorRows; ++row) {
        QLabel*& label = Tx[size_t(row)];
        label = new QLabel(monitor);
        label->setObjectName(QStringLiteral("Tx%1").arg(row + 1));
        label->setTextFormat(Qt::PlainText);
        label->setFont(fixed);
        label->setMinimumWidth(QFontMetrics(fixed).horizontalAdvance(QString(82, QLatin1Char('M'))));
        rows->addWidget(label);
    }

    auto* portColumn = new QGridLayout;
    portColumn->addWidget(cklPorts, 0, 0);
    portColumn->addWidget(txUse, 0, 1, Qt::AlignTop);
    portColumn->addWidget(cklXmit, 1, 0);
    portColumn->addWidget(txTransmit, 1, 1, Qt::AlignTop);
    auto* settingsColumn = new QVBoxLayout;
    settingsColumn->addWidget(gbTest);
    settingsColumn->addWidget(ckAutoRTE);
    settingsColumn->addWidget(gbTcp);
    settingsColumn->addStretch();
    settingsColumn->addWidget(Button1);
    auto* top = new QHBoxLayout;
    top->addLayout(portColumn);
    top->addLayout(settingsColumn);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(monitor);

    MonitorTimer = new QTimer(this);
    MonitorTimer->setObjectName(QStringLiteral("MonitorTimer"));
    MonitorTimer->setInterval(MonitorInterval);

    connect(cmbPort, &QComboBox::activated, this, [this] { cmbPortChange(); });
    connect(cmbBaud, &QComboBox::activated, this, [this] { cmbBaudChange(); });
    connect(btnClear, &QPushButton::clicked, this, [this] { btnClearClick(); });
    connect(ckSave, &QCheckBox::clicked, this, [this] { ckSaveClick(); });
    connect(ckAutoRTE, &QCheckBox::clicked, this, [this] { ckAutoRTEClick(); });
    connect(edTcpAdr, &QLineEdit::textEdited, this, [this] { edTcpAdrChange(); });
    connect(edTcpPort, &QLineEdit::textEdited, this, [this] { edTcpPortChange(); });
    connect(cklPorts, &QListWidget::itemChanged, this, [this] { cklPortsClick(); });
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(MonitorTimer, &QTimer::timeout, this, [this] { MonitorTimerTimer(); });
}

TSetupPort::~TSetupPort()
{
    closeLog();
}

// Every serial port is tried: one that opens now is shown available. A port that is active but
// missing keeps its flag, shown checked and unavailable, so that an unplugged adapter is used
// again once it is back.
void TSetupPort::FormShow()
{
    CloseComPorts();
    {
        const QSignalBlocker blocker(cklPorts);
        for (int port = 0; port < SerialPortCount; ++port) {
            QListWidgetItem* item = cklPorts->item(port);
            const Qt::ItemFlags flags = item->flags();
            item->setFlags(OpenComPort(port) ? flags | Qt::ItemIsEnabled : flags & ~Qt::ItemIsEnabled);
        }
    }
    CloseComPorts();
    cmbPort->setCurrentIndex(0);

    if (ComPortLostCheckPending) {
        ComPortLostCheckPending = false;
        // Reported once the dialog is up: a message box's own event loop must not run while the
        // dialog is still being shown.
        QTimer::singleShot(0, this, [this, lost = PortsLostSinceStart()] {
            for (const int port : lost) {
                RunHook(SetupPortHook.closeSplash);
                ShowMessage(this, "Port COM" + std::to_string(port + 1) + " lost.");
            }
        });
    }

    showSettings();
    cmbPortChange();
    MonitorTimer->start();
}

void TSetupPort::FormHide()
{
    storeControls();
    CloseComPorts();
    const PortSettings ports = ReadPortSettings();
    for (int port = 0; port < SerialPortCount; ++port)
        if (ports.active[size_t(port)] != 0)
            OpenComPort(port);
    MonitorTimer->stop();
    SetMonitorPort(-1);
    MonitorTimerTimer();  // the lines still waiting reach the log
    closeLog();
    ckSave->setChecked(false);
    {
        // The active ports may have changed: the GPS source is chosen again from what arrives.
        const std::lock_guard lock(ComOutStateLock);
        ResetSensorInput();
    }
    RunHook(SetupPortHook.saveMainIni);
    RunHook(SetupPortHook.settingsChanged);
}

void TSetupPort::showSettings()
{
    const PortSettings ports = ReadPortSettings();
    edTcpAdr->setText(QString::fromLatin1(ports.tcpAddress));
    edTcpPort->setText(QString::number(ports.tcpPort));
    shownTcpPort_ = ports.tcpPort;
    {
        const QSignalBlocker blocker(cklPorts);
        for (int port = 0; port < PortCount; ++port)
            cklPorts->item(port)->setCheckState(ports.active[size_t(port)] != 0 ? Qt::Checked : Qt::Unchecked);
    }
    for (int bit = 0; bit < OutputCount; ++bit)
        cklXmit->item(bit)->setCheckState((ports.outputSentences & (1 << bit)) != 0 ? Qt::Checked : Qt::Unchecked);
    ckAutoRTE->setChecked(ports.automaticRte != 0);
}

// The active flags and the output bits as the controls show them.
void TSetupPort::storeControls()
{
    PortSettings ports = ReadPortSettings();
    for (int port = 0; port < PortCount; ++port)
        ports.active[size_t(port)] = cklPorts->item(port)->checkState() == Qt::Checked ? 1 : 0;
    ports.outputSentences = 0;
    for (int bit = 0; bit < OutputCount; ++bit)
        if (cklXmit->item(bit)->checkState() == Qt::Checked)
            ports.outputSentences |= 1 << bit;
    WritePortSettings(ports);
}

bool TSetupPort::tcpChecked() const
{
    return cklPorts->item(TcpItem)->checkState() == Qt::Checked;
}

void TSetupPort::dropTcpConnection()
{
    if (SetupPortHook.setClientSocketActive)
        SetupPortHook.setClientSocketActive(false);
    {
        const QSignalBlocker blocker(cklPorts);
        cklPorts->item(TcpItem)->setCheckState(Qt::Unchecked);
    }
    storeControls();
}

void TSetupPort::reopenMonitoredPort()
{
    CloseComPorts();
    const int port = cmbPort->currentIndex();
    if (port < SerialPortCount)
        OpenComPort(port);
}

void TSetupPort::cmbPortChange()
{
    const int port = cmbPort->currentIndex();
    SetMonitorPort(port);
    const PortSettings ports = ReadPortSettings();
    const uint8_t baud = ports.baud[size_t(port)];
    cmbBaud->setCurrentIndex(port == ports.alarmPort ? AlarmBaudIndex : baud < BaudChoices ? baud : 0);
    cmbBaud->setEnabled(port < SerialPortCount);  // the TCP connection has no line to set
    reopenMonitoredPort();
    clearMonitor();
    if (log_)
        writeLogHeader();
}

void TSetupPort::cmbBaudChange()
{
    const int port = cmbPort->currentIndex();
    if (port >= SerialPortCount)
        return;
    PortSettings ports = ReadPortSettings();
    const auto baud = uint8_t(cmbBaud->currentIndex());
    ports.baud[size_t(port)] = baud;
    if (baud == AlarmBaudIndex)
        ports.alarmPort = uint8_t(port);
    else if (ports.alarmPort == port)
        ports.alarmPort = NoAlarmPort;
    WritePortSettings(ports);
    RunHook(SetupPortHook.settingsChanged);
    reopenMonitoredPort();
    clearMonitor();
}

void TSetupPort::clearMonitor()
{
    for (int row = 0; row < MonitorRows; ++row) {
        Tx[size_t(row)]->clear();
        slots_[size_t(row)].clear();
    }
    pendingLines_.clear();
}

void TSetupPort::btnClearClick()
{
    clearMonitor();
    StopMonitorLine();
    {
        const QSignalBlocker blocker(cklPorts);
        for (int port = 0; port < PortCount; ++port) {
            QListWidgetItem* item = cklPorts->item(port);
            if (!(item->flags() & Qt::ItemIsEnabled))
                item->setCheckState(Qt::Unchecked);
        }
    }
    storeControls();
}

void TSetupPort::ckSaveClick()
{
    if (!ckSave->isChecked()) {
        closeLog();
        return;
    }
    SaveDialog->setDirectory(QString::fromStdString(ProgramFolder.string()));
    if (SaveDialog->exec() != QDialog::Accepted || SaveDialog->selectedFiles().isEmpty()) {
        ckSave->setChecked(false);
        return;
    }
    closeLog();
    logPath_ = SaveDialog->selectedFiles().front().toStdString();
    log_ = std::fopen(logPath_.c_str(), "w");
    if (!log_) {
        ckSave->setChecked(false);
        ShowMessage(this, "The monitor log " + logPath_ + " could not be opened.");
        return;
    }
    writeLogHeader();
}

// The monitored port and the moment, as "dddddd  hh:mm:ss" shows them.
void TSetupPort::writeLogHeader()
{
    const QDateTime now = QDateTime::currentDateTime();
    const std::string moment = LongDateText(now) + "  " + now.toString(QStringLiteral("hh:mm:ss")).toStdString();
    const int port = cmbPort->currentIndex();
    const std::string name = port < SerialPortCount ? "COM " + std::to_string(port + 1) : "TCP/IP";
    writeLog(moment + ",  " + name + "\n");
}

// A log that cannot be written is closed and the user told, so that no one relies on a log
// that stopped.
void TSetupPort::writeLog(const std::string& text)
{
    if (!log_)
        return;
    if (std::fputs(text.c_str(), log_) >= 0 && std::fflush(log_) == 0)
        return;
    closeLog();
    ckSave->setChecked(false);
    ShowMessage(this, "The monitor log " + logPath_ + " could not be written; logging has stopped.");
}

void TSetupPort::closeLog()
{
    if (log_)
        std::fclose(log_);
    log_ = nullptr;
}

void TSetupPort::ckAutoRTEClick()
{
    PortSettings ports = ReadPortSettings();
    ports.automaticRte = ckAutoRTE->isChecked() ? 1 : 0;
    WritePortSettings(ports);
    RunHook(SetupPortHook.settingsChanged);
}

void TSetupPort::edTcpAdrChange()
{
    dropTcpConnection();
    PortSettings ports = ReadPortSettings();
    ports.tcpAddress = edTcpAdr->text().toLatin1().toStdString();
    WritePortSettings(ports);
}

// Only a port 1..65535 is stored: while the edit holds anything else the port stays the one the
// dialog opened with, and the OK button refuses the text.
void TSetupPort::edTcpPortChange()
{
    dropTcpConnection();
    PortSettings ports = ReadPortSettings();
    if (!TcpPortOf(edTcpPort->text(), ports.tcpPort))
        ports.tcpPort = shownTcpPort_;
    WritePortSettings(ports);
}

void TSetupPort::cklPortsClick()
{
    if (!isVisible())
        return;
    storeControls();
    if (SetupPortHook.setClientSocketActive)
        SetupPortHook.setClientSocketActive(tcpChecked());
}

// A TCP port typed outside 1..65535 is refused; one left as shown (0 while no TCP connection
// was ever set up) is not.
void TSetupPort::Button1Click()
{
    int32_t port = 0;
    if (edTcpPort->isModified() && !TcpPortOf(edTcpPort->text(), port)) {
        ShowMessage(this, "The TCP port must be a number from 1 to 65535.");
        edTcpPort->setFocus();
        return;
    }
    storeControls();
    RunHook(SetupPortHook.saveSetupParameters);
    hide();
}

void TSetupPort::ShowMonitorLine(const char* line)
{
    if (pendingLines_.size() >= PendingLineLimit)
        pendingLines_.pop_front();
    pendingLines_.emplace_back(line);
}

void TSetupPort::MonitorTimerTimer()
{
    if (pendingLines_.empty())
        return;
    std::string logged;
    for (const std::string& line : pendingLines_) {
        placeMonitorLine(line);
        if (log_)
            logged += line + "\n";
    }
    pendingLines_.clear();
    writeLog(logged);
}

// One row per sentence kind: the row of the same header, else the first free row, else the last.
void TSetupPort::placeMonitorLine(const std::string& line)
{
    const std::string header = line.substr(0, HeaderLength);
    int row = SearchedRows;
    for (int i = 0; i < SearchedRows; ++i) {
        if (slots_[size_t(i)].empty() || slots_[size_t(i)] == header) {
            row = i;
            break;
        }
    }
    slots_[size_t(row)] = header;
    Tx[size_t(row)]->setText(QString::fromLatin1(line));
}
