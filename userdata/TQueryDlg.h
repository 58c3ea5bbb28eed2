#pragma once
// The object information dialog.

#include <QDialog>

class TQueryDlg : public QDialog {
public:
    explicit TQueryDlg(QWidget* owner = nullptr) : QDialog(owner) { setObjectName("QueryDlg"); }
};

inline TQueryDlg* QueryDlg = nullptr;
