#pragma once
// The position dialog.

#include <QDialog>

class TPositionDlg : public QDialog {
public:
    explicit TPositionDlg(QWidget* owner = nullptr) : QDialog(owner) { setObjectName("PositionDlg"); }
};

inline TPositionDlg* PositionDlg = nullptr;
