#pragma once
// The position dialog "Enter position": a latitude and longitude typed or spun field by field.
// Its one OK button centres the chart there, then clicks there as the mouse would for the tool
// that waits for a click (a symbol, an area corner, a route or line point), then finishes that
// tool; its caption says what the next press does. A small stay-on-top tool window, shown and
// hidden by the main window's position buttons.

#include "platform/geodesy/GeoTypes.h"

#include <QDialog>
#include <QSpinBox>

#include <functional>

class QAction;
class QComboBox;
class QLineEdit;
class QPushButton;

// What the dialog asks of the main window; the frame fills these at start-up. An empty hook is
// skipped.
struct PositionDialogHooks {
    // The main chart's centre.
    std::function<cmgbase::GeoPoint()> chartCentre;
    // Automatic following off, the main chart centred on the position (redrawn when it moved) and
    // the pointer on the chart centre; whether a tool waits for a click there.
    std::function<bool(const cmgbase::GeoPoint& position)> centreChart;
    // The pointer on the position's pixel and a click there with no sender, as the chart's mouse
    // input takes a click the program makes.
    std::function<void(const cmgbase::GeoPoint& position)> clickAt;
    // The Finish of the drawing bar that is open (symbol, line or route bar).
    std::function<void()> finishTool;
    // The main window's position button: it closes the dialog.
    std::function<void()> positionButton;
};
inline PositionDialogHooks PositionDialogHook;

// An up-down that tells the value it is about to take from a step of its arrows, keys or wheel;
// the handler answers the value it takes instead (a wrap, with a carry into another up-down).
// Its own text is not shown: the field beside it shows the position.
class PositionUpDown : public QSpinBox {
public:
    PositionUpDown(QWidget* parent, int maximum);
    std::function<int(int coming)> changingEx;
    QLineEdit* field = nullptr;  // shows the position
    const char* format = "%02d";
    void stepBy(int steps) override;
    // The position written into the field in the field's format.
    void showInField();
};

class TPositionDlg : public QDialog {
public:
    explicit TPositionDlg(QWidget* owner = nullptr);

    // The fields in their focus order 1..8.
    QLineEdit* edLatDeg;
    PositionUpDown* udLatDeg;
    QLineEdit* edLatMin;
    PositionUpDown* udLatMin;
    QLineEdit* edLatDes;  // thousandths of a minute: "5" is half a minute, as "500"
    PositionUpDown* udLatDes;
    QComboBox* edNS;
    QLineEdit* edLonDeg;
    PositionUpDown* udLonDeg;
    QLineEdit* edLonMin;
    PositionUpDown* udLonMin;
    QLineEdit* edLonDes;
    PositionUpDown* udLonDes;
    QComboBox* edEW;
    QPushButton* OKBtn;
    // The OK button's three captions, which the language file gives: centre the chart ("Chart
    // centre"), click at the position ("Save"), finish the tool ("Hide").
    QAction* CentreAction;
    QAction* ClickAction;
    QAction* FinishAction;

    // 0 idle, 1 a field was edited, 2 the chart is centred and a tool waits for the click, 3 the
    // click was made and the tool can be finished.
    int32_t PositionStep() const { return positionStep_; }

    void FormShow();
    void edLatDegChange();
    int udLatDegChangingEx(int coming);
    int udLatMinChangingEx(int coming);
    int udLatDesChangingEx(int coming);
    int udLonDegChangingEx(int coming);
    int udLonMinChangingEx(int coming);
    int udLonDesChangingEx(int coming);
    void OKBtnClick();
    // Esc and Insert: the main window's position button; Left and Right: the previous or next
    // field. True when the key was used.
    bool FormKeyDown(int key);
    // The field step places on from the focused one; none before the first or after the last.
    void NewFocus(int step);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void wireField(QLineEdit* field, PositionUpDown* upDown, const char* format);
    cmgbase::GeoPoint typedPosition() const;
    QWidget* field(int number) const;

    int32_t positionStep_ = 0;
};

inline TPositionDlg* PositionDlg = nullptr;
// The position the dialog shows or was given; the static overlay marks it while the dialog is shown.
inline cmgbase::GeoPoint TypedPosition{};
