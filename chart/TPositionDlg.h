#pragma once
// The position dialog.

#include "platform/geodesy/GeoTypes.h"

#include <QDialog>

class TPositionDlg : public QDialog {
public:
    explicit TPositionDlg(QWidget* owner = nullptr) : QDialog(owner) { setObjectName("PositionDlg"); }
};

inline TPositionDlg* PositionDlg = nullptr;
// The position the dialog shows or was given; the static overlay marks it while the dialog is shown.
inline cmgbase::GeoPoint TypedPosition{};
