#pragma once
// The depth edit dialog: the depth of one recorded seabed cell in whole units of the depth unit.
// OK answers the spin edit's value, Del answers 0 (the cell's depth is removed). It is shown
// modally (AskDepth) and puts the mouse pointer onto its OK button when it appears.

#include <QDialog>
#include <QPoint>

#include <cstdint>
#include <optional>

class QPushButton;
class QSpinBox;

class TDptEdit : public QDialog {
public:
    explicit TDptEdit(QWidget* owner = nullptr);

    QSpinBox* csDpt;  // 0..999
    QPushButton* btnOK;
    QPushButton* btnDel;

    // The depth answered by the last OK or Del.
    int32_t depthValue = 0;
    // Where the pointer was before the dialog took it: OK puts it back there, 29 pixels lower.
    QPoint savedMousePos;

    void btnOKClick();
    void btnDelClick();

protected:
    void showEvent(QShowEvent* event) override;
};

inline TDptEdit* DptEdit = nullptr;

// Shows the dialog modally with its top-left corner at `topLeft` (screen coordinates) and
// `depth` (held to 0..999) in csDpt; the depth answered by OK or Del, none when the dialog was
// closed otherwise.
std::optional<int32_t> AskDepth(TDptEdit& dialog, int32_t depth, QPoint topLeft);
