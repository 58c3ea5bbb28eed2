#pragma once
// The main window: the chart paint boxes, the timers, the tool bar and the tool dialog. Its
// handlers are where most user actions and all periodic work enter the program.

#include "app/MainWindowControls.h"
#include "chart/ChartWindow.h"
#include "platform/geodesy/GeoTypes.h"

#include <QMainWindow>
#include <QPixmap>

#include <array>

class QPainter;
class QTimer;
class TiThreadTimers;

class TForm1 : public QMainWindow, public MainWindowControls, public ChartWindow {
    Q_OBJECT
public:
    explicit TForm1(QWidget* owner = nullptr);
    ~TForm1() override;

    QTimer* Timer1;  // 100 ms
    QTimer* Timer2;  // one second
    TiThreadTimers* iThreadTimers1;  // timer 2 at 200 ms steps the phase counters
    QPixmap IdPic;  // shown when the program runs as a slave display

public slots:
    void Timer1Timer();
    void Timer2Timer();
    void iThreadTimers1Timer2(TiThreadTimers* sender);
    void cmbLanguageChange();
    void ckDbAClick();

public:
    // Chart levels, zoom and the chart paint boxes (ChartHandlers.cpp).
    void ConnectChartHandlers();
    void ZoomInExecute();
    void ZoomOutExecute();
    void GlobalExecute();
    void WorldExecute();
    void OverviewExecute();
    void CrossingExecute();
    void CoastalExecute();
    void ApproachExecute();
    void HarbourExecute();
    void PlanExecute();
    void AutoExecute();
    void CM93Paint(QPainter& canvas);
    void CM93miniPaint(QPainter& canvas);

private:
    void RunStartup();
    void FillLanguageList();

    std::array<cmgbase::GeoPoint, 6> chartHandlerPoints_{};
    bool weatherReadoutFollowsCursor_ = true;
    bool chartInputArmed_ = true;
};

extern TForm1* Form1;
