#pragma once
// The search-pattern dialog.

#include <QDialog>

class TSarDlg : public QDialog {
public:
    explicit TSarDlg(QWidget* owner = nullptr) : QDialog(owner) { setObjectName("SarDlg"); }
};

inline TSarDlg* SarDlg = nullptr;
