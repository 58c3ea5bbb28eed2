#pragma once
// The main window: the chart paint boxes, the timers, the tool bar and the tool dialog. Its
// handlers are where most user actions and all periodic work enter the program.

#include "chart/ChartWindow.h"

#include <QMainWindow>

#include <array>

class QComboBox;
class QFrame;
class QPushButton;
class QTabWidget;
class QTimer;
class QToolBar;
class QToolButton;

class TForm1 : public QMainWindow, public ChartWindow {
    Q_OBJECT
public:
    explicit TForm1(QWidget* owner = nullptr);
    ~TForm1() override;

    QWidget* CM93;      // main chart paint box
    QWidget* CM93mini;  // mini chart paint box
    QTimer* Timer1;     // 100 ms
    QTimer* Timer2;     // one second
    QToolBar* ToolBar1;
    QToolButton* RadarBtn;
    QToolButton* WeatherBtn;
    QTabWidget* ToolDlg;
    QComboBox* cmbLanguage;
    QPushButton* btnAisLog;
    QFrame* CheckPanel;

public slots:
    void Timer2Timer();
    void cmbLanguageChange();

private:
    void RunStartup();
    void FillLanguageList();

    std::array<cmgbase::GeoPoint, 6> chartHandlerPoints_{};
    bool weatherReadoutFollowsCursor_ = true;
    bool chartInputArmed_ = true;
};

extern TForm1* Form1;
