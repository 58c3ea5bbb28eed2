#pragma once
// The radar control panel.

#include <QDialog>

class TRadarCtrl : public QDialog {
public:
    explicit TRadarCtrl(QWidget* owner = nullptr) : QDialog(owner) { setObjectName("RadarCtrl"); }
};

inline TRadarCtrl* RadarCtrl = nullptr;
