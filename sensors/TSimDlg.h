#pragma once
// The simulated-target dialog.

#include <QDialog>

class TSimDlg : public QDialog {
public:
    explicit TSimDlg(QWidget* owner = nullptr) : QDialog(owner) { setObjectName("SimDlg"); }
};

inline TSimDlg* SimDlg = nullptr;
