#pragma once
// The radar overlay window.

#include <QWidget>

class TRadar : public QWidget {
public:
    explicit TRadar(QWidget* owner = nullptr) : QWidget(owner) { setObjectName("Radar"); }
};

inline TRadar* Radar = nullptr;
