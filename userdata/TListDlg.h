#pragma once
// The point list dialog.

#include <QDialog>

class TListDlg : public QDialog {
public:
    explicit TListDlg(QWidget* owner = nullptr) : QDialog(owner) { setObjectName("ListDlg"); }
};

inline TListDlg* ListDlg = nullptr;
