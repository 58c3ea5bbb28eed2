#pragma once
// The main window of the workstation set-up program.

#include <QMainWindow>

class TSetupMain : public QMainWindow {
public:
    explicit TSetupMain(QWidget* owner = nullptr);
};
