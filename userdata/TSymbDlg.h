#pragma once
// The symbol dialog: display filters of symbols and marks.

#include <QDialog>

class TSymbDlg : public QDialog {
public:
    explicit TSymbDlg(QWidget* owner = nullptr) : QDialog(owner) { setObjectName("SymbDlg"); }
};

inline TSymbDlg* SymbDlg = nullptr;
