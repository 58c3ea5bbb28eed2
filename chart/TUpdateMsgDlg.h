#pragma once
// The chart update message dialog.

#include <QDialog>

class TUpdateMsgDlg : public QDialog {
public:
    explicit TUpdateMsgDlg(QWidget* owner = nullptr) : QDialog(owner) { setObjectName("UpdateMsgDlg"); }
};

inline TUpdateMsgDlg* UpdateMsgDlg = nullptr;
