#pragma once
// The tide window of one tide port: the day's curve on the engine's tide graph, the day's high
// and low water, and the tide now (or under the mouse). It stays on top; a date picker with a
// day back and forward chooses the day, a vertical track bar the graph's scale.

#include "chart/WindowCoordinates.h"
#include "platform/chartengine/TidesDatabase.h"
#include "platform/chartengine/TidesWindow.h"

#include <QDialog>

#include <memory>

class QDateEdit;
class QLabel;
class QPushButton;
class QSlider;
struct ChartWindow;

class TTideWin : public QDialog {
public:
    explicit TTideWin(QWidget* owner = nullptr);

    // Shows the window for the port (nothing for none) and calculates the picked day.
    void OpenPort(std::unique_ptr<chartengine::TidesPort> port);
    void CalculateDay();

    void FormShow();
    void FormActivate();
    void FormHide();
    void m_trbMaxScaleChange();
    void m_btnCloseClick();
    void m_dtpDateChange();
    void m_btnNextDateClick();
    void m_btnPrevDateClick();
    void m_axTideMouseAction(double height, const QDateTime& time);

    chartengine::TidesPort* port() const { return port_.get(); }

    chartengine::TidesWindow* m_axTide = nullptr;
    QSlider* m_trbMaxScale = nullptr;
    QDateEdit* m_dtpDate = nullptr;
    QPushButton* m_btnPrevDate = nullptr;
    QPushButton* m_btnNextDate = nullptr;
    QPushButton* m_btnClose = nullptr;
    QLabel* m_pnlScale = nullptr;
    QLabel* m_pnlMaxTide = nullptr;
    QLabel* m_pnlMinTide = nullptr;
    QLabel* m_pnlCurTime = nullptr;
    QLabel* m_pnlCurTide = nullptr;
    QLabel* m_lblVerticalScale = nullptr;
    QLabel* m_lblMaxTide = nullptr;
    QLabel* m_lblMinTide = nullptr;
    QLabel* m_lblTime = nullptr;
    QLabel* m_lblTide = nullptr;
    QLabel* m_lblDate = nullptr;

    // The main window's chart, whose last mouse point the window takes on show and gives back
    // on hide; none in a window of its own.
    ChartWindow* chart = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool event(QEvent* event) override;

private:
    void showPresentTide();

    std::unique_ptr<chartengine::TidesPort> port_;
    ScreenPoint savedMouse_{};
};

inline TTideWin* TideWin = nullptr;
