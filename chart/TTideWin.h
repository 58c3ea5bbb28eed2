#pragma once
// The tide window of one tide port.

#include <QDialog>

class TTideWin : public QDialog {
public:
    explicit TTideWin(QWidget* owner = nullptr) : QDialog(owner) { setObjectName("TideWin"); }
};

inline TTideWin* TideWin = nullptr;
