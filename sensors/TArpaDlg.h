#pragma once
// The target dialog: one target's values and AIS messages.

#include <QDialog>

class TArpaDlg : public QDialog {
public:
    explicit TArpaDlg(QWidget* owner = nullptr) : QDialog(owner) { setObjectName("ArpaDlg"); }
};

inline TArpaDlg* ArpaDlg = nullptr;
