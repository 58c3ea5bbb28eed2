#pragma once
// The radar side panel at the lower left of the screen: the pulse-length text, four vertical
// track bars (overlay brightness, sea and rain clutter, gain), the two palette buttons and the
// range button with its list. The values live in the settings record (RadarAlpha, RadarSea,
// RadarRain, RadarGain); the clutter values are stored as 99 minus the bar's position.
//
// The window framework ran a track bar's change handler whenever its position changed, also when
// the program set it; a QSlider's valueChanged does the same (and, like the framework, nothing
// when the position stays), so FormShow stores what the bars then show: a stored brightness
// below 3 becomes 3, and a gain of 50 becomes 51 once the gain bar moves to its maximum 48.

#include <QDialog>

#include <cstdint>
#include <string>

class QLabel;
class QListWidget;
class QPushButton;
class QSlider;
struct ChartWindow;

class TRadarCtrl : public QDialog {
public:
    static constexpr int NarrowWidth = 42;
    static constexpr int WideWidth = 84;
    static constexpr int PanelHeight = 396;

    explicit TRadarCtrl(QWidget* owner = nullptr);

    void FormShow();
    void tbAlphaChange();
    void tbSeaChange();
    void tbRainChange();
    void tbGainChange();
    void GreenClick();
    void RedClick();
    void btRangeClick();
    void lbRangeClick();

    // The main window the panel works for: its scale, orientation and day / night choice.
    ChartWindow* chart = nullptr;
    float opacity = 0.0f;

    QLabel* txPulse;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QSlider* tbAlpha;
    QSlider* tbSea;
    QSlider* tbRain;
    QSlider* tbGain;
    QWidget* Green;
    QWidget* Red;
    QPushButton* btRange;
    QListWidget* lbRange;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void SendClutter();
};

// Gives the radar the range of the panel's chosen item while the overlay runs; "Radar" falls
// back to "Chart" in the 3D view mode.
void ApplyRadarRange(TRadarCtrl& panel);
// The range of a "Chart" item: the scale times the monitor diagonal in inches times 0.014,
// held to the largest range of the radar's table (none: unheld).
double ChartItemRange(int32_t scale, int32_t monitorInches);
// The range of the "Radar" item: the RSD range scale in nautical miles shown over 1.5 radii.
double RadarItemRange(float rangeScale);
// The pulse-length text of a frame info: 4 "SP", 5 "MP1", 6 "MP2", 7 "LP", else "----".
std::string PulseText(int32_t frameInfo);
// The radar manager's status callback: the pulse text (with " !" after a failed call) into
// txPulse, and the overlay painted anew.
int32_t ShowRadarStatus(int32_t kind, int32_t value, const char* text);

inline TRadarCtrl* RadarCtrl = nullptr;
