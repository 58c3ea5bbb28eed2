#pragma once
// The track dialog ("Track"): how the track being recorded is drawn and in which colour, its
// save and deletion; which saved tracks the chart shows (colours, dates, flags, times, names, a
// single track and its style), their deletion and cutting; the targets' tracks saved, the lost
// targets kept and the simulated target. Choices are written to the settings record at once,
// the two track styles when the dialog hides. Stays on top; main thread only.

#include "platform/system/FormDialog.h"

#include <cstdint>

class ColourBox;
class FilterSelection;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

class TTrackDlg : public platform::FormDialog {
public:
    explicit TTrackDlg(QWidget* owner = nullptr);

    void FormShow() override;
    void FormHide() override;
    void TimeFromChange();
    void TimeToChange();
    void TimeAfterChange();
    void cklSelTrkColorClick();
    // The samples in the track colour; with `palette` the six colour panels in user colours 1 to
    // 6 as the display mode has them; the main window's track button too while a database track
    // is recorded.
    void SetTrackColour(bool palette);
    void pRedClick();
    void pBlueClick();
    void pGreenClick();
    void pYellowClick();
    void pMagentaClick();
    void pBlackClick();
    void btnShowClick();
    void btnHideClick();
    // The recorded track dropped (DeleteRecordedTrack); from the button the track tool button
    // turns over.
    void btnDeleteClick(bool fromButton);
    void btnDelFuncClick();
    void ckShowNameClick();
    void ckShowFlagClick();
    void ckShowDateClick();
    void btnSaveClick();
    void btnSelectClick();
    void btnSaveArpaClick();
    void btnCutClick();
    void btnDelClick();
    void btnSimTargetClick();

    QPushButton* btnShow;
    QPushButton* btnHide;
    QLabel* txShow;
    QGroupBox* gbTrack;  // "CurrentTrack"
    QRadioButton* ckTrackOff;
    QRadioButton* ckTrackThin;
    QRadioButton* ckTrackDpt;
    QRadioButton* ckTrackWide;
    ColourBox* pTrackN;
    ColourBox* pTrackW;
    ColourBox* pTrackX;
    ColourBox* pRed;
    ColourBox* pBlue;
    ColourBox* pGreen;
    ColourBox* pYellow;
    ColourBox* pMagenta;
    ColourBox* pBlack;
    QPushButton* btnSave;
    QPushButton* btnDelete;
    QGroupBox* gbKeel;  // "Saved tracks"
    FilterSelection* gbSelection;
    QCheckBox* ckShowFlag;
    QCheckBox* ckShowDate;
    QCheckBox* ckShowName;
    QGroupBox* gbSingle;
    QRadioButton* ckSelThin;
    QRadioButton* ckSelDpt;
    QRadioButton* ckSelWide;
    QPushButton* btnSelect;
    QPushButton* btnDel;
    QPushButton* btnCut;
    QGroupBox* gbArpa;
    QPushButton* btnSaveArpa;
    QCheckBox* ckLostArpa;
    QPushButton* btnSimTarget;

private:
    void pickColour(uint8_t colour);
};

inline TTrackDlg* TrackDlg = nullptr;

// Whether lost ARPA targets stay shown, marked "?": the dialog's box while it is open, else the
// setting it was stored to.
bool KeepLostArpaTargets();
