#pragma once
// The search-and-rescue dialog "S. A. R.": the pattern type, where it starts, its start course,
// leg distance, iterations and field width; Route lays it as a route that is followed at once,
// Line as a line (SearchPatterns.h). It stays on top, centred on the screen, and hiding it
// releases the route bar's SAR button.

#include "platform/system/FormDialog.h"
#include "userdata/SarPattern.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

class TSarDlg : public platform::FormDialog {
public:
    explicit TSarDlg(QWidget* owner = nullptr);

    void FormShow() override;
    void FormHide() override;
    void udCourseChangingEx();
    void udDistanseChangingEx();
    void udIterationsChangingEx();
    void udWidthChangingEx();
    // The iterations held to what a route of the chosen type holds.
    void rgTypeClick();
    void btnRouteClick();
    void btnLineClick();
    void btnCancelClick();

    // The pattern as the controls set it.
    SarPatternSpec Pattern() const;
    bool FromChartCentre() const;

    QGroupBox* rgType;   // Sector, Extended square, Parallell
    QGroupBox* rgStart;  // Own position, Chart centre
    QLabel* txCourse;
    QLabel* txDistance;
    QLabel* txIterations;
    QLabel* txWidth;
    QLineEdit* edCourse;
    QLineEdit* edDistance;
    QLineEdit* edIterations;
    QLineEdit* edWidth;
    QSpinBox* udCourse;      // degrees, 0..350 in steps of 10, wrapping
    QSpinBox* udDistanse;    // 0.1 nautical miles
    QSpinBox* udIterations;
    QSpinBox* udWidth;       // 0.1 nautical miles
    QPushButton* btnRoute;
    QPushButton* btnLine;
    QPushButton* btnCancel;
};

inline TSarDlg* SarDlg = nullptr;
