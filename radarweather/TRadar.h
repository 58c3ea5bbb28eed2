#pragma once
// The radar overlay window.

#include <QImage>
#include <QWidget>

class TRadar : public QWidget {
public:
    explicit TRadar(QWidget* owner = nullptr) : QWidget(owner) { setObjectName("Radar"); }

    QImage CMOlay;  // the overlay image over the chart
};

inline TRadar* Radar = nullptr;
