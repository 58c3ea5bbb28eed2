#pragma once
// The symbol dialog ("User Objects"): which stored symbols, lines, zones and fields the chart
// shows (colours, dates, symbols and lines, their times), the symbol and line bars, the list of
// lines, the point list of the current line and the distance between automatic sounding marks.
// Every choice is written to the settings record at once. Stays on top; main thread only.

#include "platform/system/FormDialog.h"

#include <cstdint>

class FilterSelection;
class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

class TSymbDlg : public platform::FormDialog {
public:
    // The text editor's size on the point list.
    static constexpr int PointListWidth = 305;
    static constexpr int PointListHeight = 300;

    explicit TSymbDlg(QWidget* owner = nullptr);

    void FormShow() override;
    void FormHide() override;
    void ckSymbolsClick();
    void ckLinesClick();
    void ckShowDateClick();
    void TimeFromChange();
    void TimeToChange();
    void TimeAfterChange();
    void cklSelObjColorClick();
    void btnEditSymbClick();
    void btnEditLineClick();
    void btnShowClick();
    void btnHideClick();
    void btnSelectClick();
    void btnPrintClick();
    void udSoundingChangingEx();

    QPushButton* btnShow;
    QPushButton* btnHide;
    QPushButton* btnEditSymb;
    QPushButton* btnEditLine;
    FilterSelection* gbSelection;
    QCheckBox* ckSymbols;
    QCheckBox* ckLines;
    QCheckBox* ckShowDate;
    QPushButton* btnSelect;
    QPushButton* btnPrint;
    QFrame* SoundingPanel;  // hidden
    QLabel* txSounding;
    QLineEdit* edSounding;
    QSpinBox* udSounding;   // 0.1 nautical miles, 0 off

private:
    void storeKinds(const QCheckBox* clicked, QCheckBox* other);
};

inline TSymbDlg* SymbDlg = nullptr;

// The sailed distance between automatic sounding marks, 0.1 nautical miles (0: none): the symbol
// dialog's up-down; 0 before the dialog is made.
int32_t SoundingMarkInterval();
