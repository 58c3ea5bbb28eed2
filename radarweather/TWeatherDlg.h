#pragma once
// The weather dialog: which forecast layers are drawn over the chart and for which time, a
// graph of the chosen quantity at the readout position over the whole forecast, the requests
// for new forecasts and the service status, and their progress. The main window reaches in
// through the hooks. Main thread only.

#include <QDialog>

#include <cstdint>
#include <functional>
#include <string>

class QChart;
class QPainter;
class QDateTimeEdit;
class QFrame;
class QLabel;
class QLineEdit;
class QLineSeries;
class QBarSeries;
class QListWidget;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSlider;
class QSpinBox;
class QStackedWidget;
class QToolButton;
class QGroupBox;
class WeatherGraphView;

struct WeatherDlgHooks {
    std::function<void()> releaseButton;        // the main window's weather button goes up
    std::function<void()> repaintChart;         // TForm1::CM93Paint
    std::function<void()> fullRepaint;          // full-repaint mark set, then CM93Paint
    std::function<void()> requestRedraw;        // ChartRedrawRequest
    std::function<void()> showAtCursor;         // ShowWeatherAtCursor
    std::function<int()> mainWindowHeight;
    std::function<int()> dayNightIndex;         // the main window's palette index 0..4
    std::function<void(int32_t hz, int32_t ms)> beep;
};

// The list items, in order, and the weather group record each maps to.
inline constexpr int WeatherItemCount = 6;
inline constexpr int WeatherItemGroupIndex[WeatherItemCount] = {2, 1, 5, 0, 4, 3};

class TWeatherDlg : public QDialog {
public:
    explicit TWeatherDlg(QWidget* owner = nullptr);

    QListWidget* cklItem;
    QStackedWidget* panels;
    QFrame* pnShow;
    QLabel* pnFrom;
    QLabel* pnTo;
    QSlider* tbShow;
    QPushButton* btnChart;
    QPushButton* btnNow;
    QDateTimeEdit* dtShowDay;
    QLineEdit* edShowHour;
    QToolButton* udShowHourUp;
    QToolButton* udShowHourDown;
    QPushButton* btnUpdate;
    QPushButton* btnHelp;
    QPushButton* btnEsc;
    QFrame* pnUpdate;
    QPushButton* btnGetStatus;
    QPushButton* btnGetUpdate;
    QRadioButton* rbMax;
    QRadioButton* rbMin;
    QLabel* txSelUpd;
    QLabel* txInfo;
    QProgressBar* ProgressBar;
    QSpinBox* csDays;
    QLabel* txDays;
    QPushButton* btnOk;
    QFrame* pnHelp;
    QLabel* imgHelp;
    QPushButton* btnOk2;
    WeatherGraphView* m_Chart;
    QLineSeries* Series1;
    QBarSeries* Series2;
    QGroupBox* pnStatus;
    QLabel* Label3;
    QListWidget* lbStatus;

    // Dialog state.
    double firstTime = 0, lastTime = 0, shownTime = 0;
    uint8_t temperatureChanged = 0;
    // The layer changed: the graph's value axis is fitted anew.
    uint8_t weatherChangedMark = 0;
    int32_t selectedItem = -1;
    int32_t stepCount = 0;
    int32_t shownIndex = 0;
    int32_t smoothing = 0;
    double stepLength = 0;
    // The model date text kept between status events.
    std::string modelDateText;
    WeatherDlgHooks hooks;

    void FormShow();
    void FormHide();
    void btnEscClick();
    void cklItemClick();
    void tbShowChange();
    void dtShowDayChange();
    void udShowHourChangingEx(bool up);
    void btnChartClick();
    void btnHelpClick();
    void btnUpdateClick();
    void btnGetStatusClick();
    void btnGetUpdateClick();
    void rbMaxClick();
    void rbMinClick();
    void btnNowClick();
    // Over each drawn graph: a black line at the time shown, while the manager is initialised.
    void m_ChartAfterDraw(QPainter& painter);
    // Rebuilds the graph of the selected item at the position (degrees).
    void ShowGraph(double lat, double lon);
    // The status callback's work while the dialog exists (WeatherStatus.cpp).
    void ShowStatus(int32_t kind, int32_t code, int32_t a, int32_t b, const char* text);
    // The times the controls work with: valid first and last times, a step count and smoothing.
    bool HasTimes() const;
    // The item checked and the group code of an item.
    bool ItemTicked(int item) const;
    int32_t ItemGroup(int item) const;
    // The caption texts of the language section "WeatherDlg", keys 17 to 19.
    static QString CaptionText(int key);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void loadLegend();
    void placeForGraph(bool graphShown);
    bool updatingTrack_ = false;
};

inline TWeatherDlg* WeatherDlg = nullptr;
