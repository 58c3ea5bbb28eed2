#pragma once
// The AIS history search: the stored static data of the AIS stations (the ais5 file) looked up
// by name, MMSI, IMO number or call sign, stepped through in the order of the chosen field, and
// the shown station's last stored minute replayed. Placing the dialog, releasing the main
// window's button and starting the replay are the application's, reached through the hooks.
// Main thread only.

#include "userdata/AisStaticStore.h"

#include <QDateTime>
#include <QDialog>

#include <array>
#include <cstdint>
#include <functional>

class QLineEdit;
class QPushButton;
class QSpinBox;

struct AisDbDlgHooks {
    std::function<void()> shown;                   // the dialog came up: place it
    std::function<void()> hidden;                  // the dialog went: release its button
    std::function<void(uint32_t mmsi)> shownShip;  // a record is shown: centre on it in replay
    std::function<void(const QDateTime& time)> replay;  // replay the day and minute of `time`
};

class TAisDbDlg : public QDialog {
public:
    explicit TAisDbDlg(QWidget* owner = nullptr);

    QLineEdit* edName;
    QLineEdit* edMmsi;
    QLineEdit* edImo;
    QLineEdit* edCall;
    QSpinBox* udSeek;
    QPushButton* btnShow;  // caption: the shown record's time; disabled until a record is shown

    UserKey searchKey = AisNameKey;
    bool typed = false;
    QDateTime recordTime;  // the shown record's store time, local; invalid before the first
    AisDbDlgHooks hooks;

    void edNameClick();
    void edMmsiClick();
    void edImoClick();
    void edCallClick();
    // Looks up the typed value, or steps from the shown record, and shows what it finds; a
    // direction without a record leaves everything as it is.
    void udSeekChangingEx(AisSeekDirection direction);
    void btnShowClick();
    // Up and Down step, Right and Left move to the next or previous field, Enter replays (Qt
    // keys); true when the key was used.
    bool FormKeyDown(int key);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::array<QLineEdit*, 4> fields() const { return {edName, edMmsi, edImo, edCall}; }
    void choose(size_t field);
    bool typedProbe(AisStaticRecord& probe) const;
    void showRecord(const AisStaticRecord& record);
};

inline TAisDbDlg* AisDbDlg = nullptr;
