#pragma once
// The sensor set-up dialog: own-ship dimensions and antenna offsets.

#include <QDialog>

class TSetupSensor : public QDialog {
public:
    explicit TSetupSensor(QWidget* owner = nullptr) : QDialog(owner) { setObjectName("SetupSensor"); }
};

inline TSetupSensor* SetupSensor = nullptr;
