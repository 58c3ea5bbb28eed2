#pragma once
// The route dialog with the route grid.

#include <QDialog>

class TWpDlg : public QDialog {
public:
    explicit TWpDlg(QWidget* owner = nullptr) : QDialog(owner) { setObjectName("WpDlg"); }
};

inline TWpDlg* WpDlg = nullptr;
