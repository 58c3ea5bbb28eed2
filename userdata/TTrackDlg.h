#pragma once
// The track dialog: display filters and editing of tracks.

#include <QDialog>

class TTrackDlg : public QDialog {
public:
    explicit TTrackDlg(QWidget* owner = nullptr) : QDialog(owner) { setObjectName("TrackDlg"); }
};

inline TTrackDlg* TrackDlg = nullptr;
