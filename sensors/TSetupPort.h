#pragma once
// The port set-up dialog and port monitor.

#include <QDialog>

class TSetupPort : public QDialog {
public:
    explicit TSetupPort(QWidget* owner = nullptr) : QDialog(owner) { setObjectName("SetupPort"); }
};

inline TSetupPort* SetupPort = nullptr;
