#pragma once
// The simulated-target dialog: a training target of kind 3 that starts at the main chart's
// centre some hours and minutes ago and runs on a fixed course at a fixed speed. Opened from the
// track dialog, or from the target dialog to edit the simulated target it shows.

#include <QAbstractSpinBox>
#include <QDialog>

#include <cstdint>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

// Up and down arrows that only report a step's direction (an up-down control whose value lives
// in the edit beside it).
class UpDownArrows : public QAbstractSpinBox {
public:
    UpDownArrows(QWidget* parent, std::function<void(bool up)> step);
    void stepBy(int steps) override;

protected:
    StepEnabled stepEnabled() const override;

private:
    std::function<void(bool up)> step_;
};

class TSimDlg : public QDialog {
public:
    explicit TSimDlg(QWidget* owner = nullptr);

    // The fields from the simulated target the target dialog shows, else cleared; placed beside
    // the target dialog when that one is open.
    void FormShow();
    // One step of the speed: finer below 5 and 10 knots, coarser above 100.
    void udSpeedChangingEx(bool up);
    // Puts the target into the table (a new one, or the one being edited) and hides the form.
    // A speed field that is no number is refused: nothing changes and the form stays.
    void OKBtnClick();
    // Deletes the simulated target the target dialog shows, closing that dialog; hides the form.
    void CancelBtnClick();

    QLabel* txTop;
    QLabel* txCourse;
    QLineEdit* edCourse;
    QSpinBox* udCourse;
    QLabel* txSpeed;
    QLineEdit* edSpeed;
    UpDownArrows* udSpeed;
    QLabel* txAge;
    QLineEdit* edHour;
    QSpinBox* udHour;
    QLabel* txHour;
    QLineEdit* edMinute;
    QSpinBox* udMinute;
    QLabel* txMinute;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showSpeed();

    int32_t speedTenths_ = 0;  // knots x 10: the steps compare whole tenths, never floats
};

inline TSimDlg* SimDlg = nullptr;
