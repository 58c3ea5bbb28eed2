#pragma once
// The AIS history search dialog.

#include <QDialog>

class TAisDbDlg : public QDialog {
public:
    explicit TAisDbDlg(QWidget* owner = nullptr) : QDialog(owner) { setObjectName("AisDbDlg"); }
};

inline TAisDbDlg* AisDbDlg = nullptr;
