#pragma once
// The shut-down dialog: exit or switch off.

#include <QDialog>

class TOffDlg : public QDialog {
public:
    explicit TOffDlg(QWidget* owner = nullptr) : QDialog(owner) { setObjectName("OffDlg"); }
};

inline TOffDlg* OffDlg = nullptr;
