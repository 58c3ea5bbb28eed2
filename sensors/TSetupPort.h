#pragma once
// The port set-up dialog and port monitor: which COM ports and the TCP connection are active,
// their baud rates, the alarm relay port, the output sentences and route acceptance, and the
// latest sentence of each kind arriving on one port, optionally logged to a file.
//
// While the dialog is shown every port is closed but the monitored one; when it hides the active
// ports are opened again and the settings are saved.

#include "platform/system/FormDialog.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <deque>
#include <functional>
#include <string>

class QCheckBox;
class QComboBox;
class QFileDialog;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTimer;

// What the dialog asks of the frame; empty hooks are skipped. All run on the main thread.
struct SetupPortHooks {
    std::function<void()> saveSetupParameters;  // dta.res (the OK button)
    std::function<void()> saveMainIni;          // the main INI file (every hide)
    // The main window's TCP client: connect when it is not connected or connecting (true), or
    // close it (false).
    std::function<void(bool active)> setClientSocketActive;
    // Closes the splash window when it is still there, before a message is shown.
    std::function<void()> closeSplash;
    // The port settings changed (route acceptance, alarm port, the whole set on hide): the
    // sensor side takes them up.
    std::function<void()> settingsChanged;
};

extern SetupPortHooks SetupPortHook;

constexpr int MonitorRows = 15;

class TSetupPort : public platform::FormDialog {
public:
    explicit TSetupPort(QWidget* owner = nullptr);
    ~TSetupPort() override;

    QListWidget* cklPorts;  // "COM1".."COM12", "TCP/IP": checked = active, disabled = unavailable
    QLabel* txUse;
    QLabel* txTransmit;
    QGroupBox* gbTest;
    QComboBox* cmbPort;  // the monitored port
    QComboBox* cmbBaud;  // its baud index; "alarm" makes it the alarm relay port
    QCheckBox* ckSave;
    QFileDialog* SaveDialog;
    QListWidget* cklXmit;  // "APB", "RMB", "RMC", "RTE": output bits 1, 2, 4, 8
    QCheckBox* ckAutoRTE;
    QPushButton* btnClear;
    QGroupBox* gbTcp;
    QLabel* txAdr;
    QLineEdit* edTcpAdr;
    QLabel* txPort;
    QLineEdit* edTcpPort;
    QPushButton* Button1;
    std::array<QLabel*, MonitorRows> Tx;  // Tx1..Tx15
    QTimer* MonitorTimer;

    void FormShow() override;
    void FormHide() override;
    void cmbPortChange();
    void cmbBaudChange();
    void btnClearClick();
    void ckSaveClick();
    void ckAutoRTEClick();
    void edTcpAdrChange();
    void edTcpPortChange();
    void cklPortsClick();
    void Button1Click();
    void MonitorTimerTimer();

    // A complete line of the monitored port, from the parser (under ComOutStateLock): kept for
    // the monitor timer, which shows it and writes it to the log.
    void ShowMonitorLine(const char* line);

private:
    void showSettings();
    void storeControls();
    bool tcpChecked() const;
    // Closes the TCP client and unchecks "TCP/IP", so that a changed address or port is used
    // once it is checked again.
    void dropTcpConnection();
    void reopenMonitoredPort();
    void clearMonitor();
    void placeMonitorLine(const std::string& line);
    void writeLogHeader();
    void writeLog(const std::string& text);
    void closeLog();

    std::array<std::string, MonitorRows> slots_;  // the header shown in each row
    std::deque<std::string> pendingLines_;
    int32_t shownTcpPort_ = 0;  // the TCP port when the dialog opened
    std::FILE* log_ = nullptr;
    std::string logPath_;
};

inline TSetupPort* SetupPort = nullptr;
