#pragma once
// The depth edit dialog.

#include <QDialog>

class TDptEdit : public QDialog {
public:
    explicit TDptEdit(QWidget* owner = nullptr) : QDialog(owner) { setObjectName("DptEdit"); }
};

inline TDptEdit* DptEdit = nullptr;
