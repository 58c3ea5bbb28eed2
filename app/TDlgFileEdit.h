#pragma once
// The text file editor dialog.

#include <QDialog>

class TDlgFileEdit : public QDialog {
public:
    explicit TDlgFileEdit(QWidget* owner = nullptr) : QDialog(owner) { setObjectName("DlgFileEdit"); }
};

inline TDlgFileEdit* DlgFileEdit = nullptr;
