#pragma once
// The object database dialog: object picking and guard zones.

#include <QDialog>

class TDbObj : public QDialog {
public:
    explicit TDbObj(QWidget* owner = nullptr) : QDialog(owner) { setObjectName("DbObj"); }
};

inline TDbObj* DbObj = nullptr;
