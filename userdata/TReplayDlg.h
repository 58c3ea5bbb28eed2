#pragma once
// The replay dialog.

#include <QDialog>

class TReplayDlg : public QDialog {
public:
    explicit TReplayDlg(QWidget* owner = nullptr) : QDialog(owner) { setObjectName("ReplayDlg"); }
};

inline TReplayDlg* ReplayDlg = nullptr;
