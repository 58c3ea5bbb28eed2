#pragma once
// The target dialog ("Arpa target"): one record of the target table (ShownTarget: a target, or
// the own AIS record 2000 for broadcasts, own data and AIS alarms) with its label, colour, track
// mode, position, motion and CPA; for AIS vessels their static and voyage data, their stored
// text messages and the writing and sending of new ones; the acknowledgement of AIS alarms and
// the own vessel's voyage data. Opened by a pick on the chart, by an AIS text message or alarm
// and from the simulated-target dialog. Main thread only.

#include "platform/system/ColourBox.h"
#include "platform/system/FormDialog.h"

#include <QFrame>
#include <QPlainTextEdit>

#include <cstdint>
#include <functional>
#include <string>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;
struct TargetRecord;

// The message text: keys go through the dialog's handler (true: dealt with there), pasted text
// through its filter.
class AisMessageMemo : public QPlainTextEdit {
public:
    AisMessageMemo(QWidget* parent, std::function<bool(QKeyEvent&)> keyPress,
                   std::function<QString(const QString&)> paste);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    std::function<bool(QKeyEvent&)> keyPress_;
    std::function<QString(const QString&)> paste_;
};

class TArpaDlg : public platform::FormDialog {
public:
    // The height the panels below the readouts take; the reduced height is the full one less it.
    static constexpr int LowerPanelHeight = 206;

    explicit TArpaDlg(QWidget* owner = nullptr);

    void FormShow() override;
    // A lost target is freed when the dialog closes; a pending AIS alarm is dropped.
    void FormHide() override;
    // Shows ShownTarget: label, track mode, colour, the panels its kind has, then its values.
    void UpdateTargetPanel();
    // The readouts (and the AIS panel while "Ais info" is down) from the record.
    void ShowTargetInfo();

    void rbArpaTrack1MouseDown();
    void rbArpaTrack2MouseDown();
    void rbArpaTrack3MouseDown();
    void pRedClick();
    void pBlueClick();
    void pGreenClick();
    void pYellowClick();
    void pMagentaClick();
    void pBlackClick();
    void edArpaIdChange();
    void SaveClick();
    void DeleteClick();
    void btnOKClick();
    void btnAisClick();
    void btnMessClick();
    void cmbMessChange();
    void btnNewClick();
    // Typed characters of the message: upper-cased, only the AIS text alphabet, at most 150.
    // True when the key was dealt with here.
    bool memoTxtKeyPress(QKeyEvent& key);
    // Pasted text as the same rule lets it in: what fits of its accepted characters.
    QString memoTxtPaste(const QString& text);
    void btnSendClick();
    void btnConfirmClick();
    void btnOwnClick();
    void edPersonsChange();
    void cmbTypeChange();
    void cmbStatusChange();
    void edDestChange();
    void edEtaChange();
    void cmbCargoChange();
    void edDraughtChange();
    void btnSetClick();
    void btnCancelClick();

    // A received text message of record `index` (a target or the own AIS record): the record is
    // shown with its message list open, "Safety" checked for a safety message.
    void ShowAisMessages(int32_t index, bool safety);
    // The AIS alarm mode: the own AIS record's message panel with the alarm text, to confirm.
    void ShowAisAlarm(const std::string& text);

    // The full height, kept at creation, and the reduced one (full less LowerPanelHeight).
    int FullHeight() const { return fullHeight_; }
    int ReducedHeight() const { return fullHeight_ - LowerPanelHeight; }
    // The height the dialog starts with: the reduced one, as for a target without AIS panels.
    void ApplyRememberedHeight();
    // Whether the CPA of the shown target is to be drawn.
    bool CpaShown() const;

    QLineEdit* edArpaId;
    QLabel* txArpaId;
    QGroupBox* gbArpaTrack;
    QRadioButton* rbArpaTrack1;
    QRadioButton* rbArpaTrack2;
    QRadioButton* rbArpaTrack3;
    ColourBox* pArpaTrackN;
    ColourBox* pArpaTrackW;
    ColourBox* pRed;
    ColourBox* pBlue;
    ColourBox* pGreen;
    ColourBox* pYellow;
    ColourBox* pMagenta;
    ColourBox* pBlack;
    QLabel* txArpaBrg;
    QLabel* txArpaDst;
    QLabel* txArpaHdg;
    QLabel* txArpaSog;
    QLabel* txArpaCpa;
    QLabel* txArpaTcpa;
    QLabel* txArpaLat;
    QLabel* txArpaLon;
    QCheckBox* ckCpa;
    QPushButton* btnAis;
    QPushButton* btnMess;
    QPushButton* btnOwn;
    QPushButton* Save;
    QPushButton* Delete;
    QPushButton* btnOK;

    QFrame* pnAis;
    QLabel* txAisHead;
    QLabel* pnMmsi;
    QLabel* pnCall;
    QLabel* pnImo;
    QLabel* pnType;
    QLabel* pnSize;
    QLabel* pnDest;
    QLabel* pnEta;
    QLabel* pnCargo;
    QLabel* pnStatus;
    QLabel* pnHdg;
    QLabel* pnRot;
    QLabel* pnUtc;

    QGroupBox* pnMess;
    QComboBox* cmbMess;
    AisMessageMemo* memoTxt;
    QPushButton* btnNew;
    QPushButton* btnSend;
    QPushButton* btnConfirm;
    QRadioButton* rbA;
    QRadioButton* rbB;
    QRadioButton* rbAB;
    QRadioButton* rbNormal;
    QRadioButton* rbSafety;

    QFrame* pnOwn;
    QComboBox* cmbStatus;
    QComboBox* cmbCargo;
    QComboBox* cmbType;
    QLineEdit* edEta;
    QLineEdit* edDraught;
    QLineEdit* edPersons;
    QLineEdit* edDest;
    QPushButton* btnSet;
    QPushButton* btnCancel;

private:
    void buildTop();
    void buildAisPanel();
    void buildMessagePanel();
    void buildOwnPanel();
    void connectHandlers();

    // The selected record, nullptr while none is (-1 or out of range).
    TargetRecord* selected() const;
    void setTrackMode(uint8_t mode);
    void setColour(uint8_t colour);
    void showColourSamples();
    // Full height with `panel` in front, or the reduced height without the panels.
    void showPanel(QWidget* panel);
    void showAisDetails(const TargetRecord& record);
    void markChanged(QWidget* control);
    void clearChangedMarks();
    void redrawOverlay();

    QStackedWidget* lowerPanels_;
    int fullHeight_ = 0;
    int32_t sequenceId_ = 0;  // of the next text message, 0..3
    bool filling_ = false;    // the dialog itself is writing its controls
};

inline TArpaDlg* ArpaDlg = nullptr;
