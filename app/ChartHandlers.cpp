// The main window's chart handlers: the zoom and band buttons, Auto, and the two chart paint
// boxes, with the chart side's controls and hooks.

#include "app/ExternalLibraries.h"
#include "app/LngMessage.h"
#include "app/Startup.h"
#include "app/TForm1.h"
#include "app/TickState.h"
#include "chart/ChartHooks.h"
#include "chart/ChartLevels.h"
#include "chart/ChartRedraw.h"
#include "chart/MapView.h"
#include "chart/PaintBox.h"
#include "frame/SharedTables.h"
#include "sensors/OwnShipState.h"

#include <QApplication>
#include <QButtonGroup>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>

namespace {

// The bands from Crossing on recentre the chart on the own ship at the next one-second tick.
constexpr int32_t FirstRecentringBand = 3;
// The name-base blink count that shows the mark at the next 100 ms tick.
constexpr int32_t NameBaseRefreshCount = 9;

}  // namespace

void TForm1::ConnectChartHandlers()
{
    ChartControls& c = controls;
    c.CM93 = CM93;
    c.CM93mini = CM93mini;
    c.ZoomPanel = ZoomPanel;
    c.bandButtons = {Wbtn, Abtn, Bbtn, Cbtn, Dbtn, Ebtn, Fbtn, Gbtn};
    c.AutoBtn = AutoBtn;
    c.Show2DBtn = Show2DBtn;
    c.Show3DBtn = Show3DBtn;
    c.btnMiniAuto = btnMiniAuto;
    c.rbBase = rbBase;
    c.rbStd = rbStd;
    c.rbFull = rbFull;
    c.Daylight = Daylight;
    c.DispMode = DispMode;
    c.cklChart = cklChart;
    c.Notice = Notice;
    c.pnMiniAuto = pnMiniAuto;
    c.edMiniSpeed = edMiniSpeed;
    c.udMiniSpeed = udMiniSpeed;

    // The band buttons are grouped: one is down at a time.
    auto* bands = new QButtonGroup(this);
    for (QAbstractButton* button : c.bandButtons)
        bands->addButton(button);
    connect(ZoomInBtn, &QToolButton::clicked, this, &TForm1::ZoomInExecute);
    connect(ZoomOutBtn, &QToolButton::clicked, this, &TForm1::ZoomOutExecute);
    connect(Wbtn, &QToolButton::clicked, this, &TForm1::GlobalExecute);
    connect(Abtn, &QToolButton::clicked, this, &TForm1::WorldExecute);
    connect(Bbtn, &QToolButton::clicked, this, &TForm1::OverviewExecute);
    connect(Cbtn, &QToolButton::clicked, this, &TForm1::CrossingExecute);
    connect(Dbtn, &QToolButton::clicked, this, &TForm1::CoastalExecute);
    connect(Ebtn, &QToolButton::clicked, this, &TForm1::ApproachExecute);
    connect(Fbtn, &QToolButton::clicked, this, &TForm1::HarbourExecute);
    connect(Gbtn, &QToolButton::clicked, this, &TForm1::PlanExecute);
    connect(AutoBtn, &QToolButton::clicked, this, &TForm1::AutoExecute);

    // A paint box that changed its size is drawn anew as soon as the event loop is free.
    PaintBox::Install(
        CM93, [this](QPainter& canvas) { CM93Paint(canvas); },
        [this] {
            mainResizePending = true;
            chartRedrawRequest = true;
            QTimer::singleShot(0, this, [this] {
                if (chartRedrawRequest && StartupDone && !ChartRestartInProgress) {
                    chartRedrawRequest = false;
                    RedrawChart(*this, true);
                }
            });
        });
    PaintBox::Install(
        CM93mini, [this](QPainter& canvas) { CM93miniPaint(canvas); },
        [this] {
            miniLayoutPending = true;
            QTimer::singleShot(0, this, [this] {
                if (miniLayoutPending && !ChartRestartInProgress)
                    RedrawMiniChart(*this);
            });
        });

    ChartHook.showMapMessage = [](int32_t number, uint32_t flags) { return ShowLngMessage("C-Map", number, flags); };
    ChartHook.startChartEngine = [this](const std::string& reason) { StartChartEngine(*this, reason); };
    ChartHook.nameBaseLimit = [](int32_t north, int32_t south, int32_t west, int32_t east, int32_t limit) {
        if (ExternalEntryTable.TPutLimit)
            ExternalEntryTable.TPutLimit(north, south, west, east, limit);
        // The name-base mark is placed and shown again on the new chart at the next 100 ms tick.
        FastTick.nameBaseBlink = NameBaseRefreshCount;
    };
}

void TForm1::ZoomInExecute() { ZoomChartIn(*this); }

void TForm1::ZoomOutExecute() { ZoomChartOut(*this); }

namespace {

void BandExecute(TForm1& form, int32_t band)
{
    SelectUsageBand(form, band);
    if (band >= FirstRecentringBand)
        TickRequest.forceRecentre = true;
}

}  // namespace

void TForm1::GlobalExecute() { BandExecute(*this, 0); }
void TForm1::WorldExecute() { BandExecute(*this, 1); }
void TForm1::OverviewExecute() { BandExecute(*this, 2); }
void TForm1::CrossingExecute() { BandExecute(*this, 3); }
void TForm1::CoastalExecute() { BandExecute(*this, 4); }
void TForm1::ApproachExecute() { BandExecute(*this, 5); }
void TForm1::HarbourExecute() { BandExecute(*this, 6); }
void TForm1::PlanExecute() { BandExecute(*this, 7); }

void TForm1::AutoExecute()
{
    if (!AutoBtn->isChecked())
        return;
    TickRequest.forceRecentre = true;
    ApplyAutoZoneRule(*this, OwnShip.referencePosition);
}

// The chart as the last redraw left it, with its overlays. While an automatic zoom waits for the
// timers, and while the engine is rebuilt, the picture on screen stays as it is.
void TForm1::CM93Paint(QPainter& canvas)
{
    if (StartupDone && autoFollowState <= 0 && !ChartRestartInProgress && !MainChartBitmap.isNull()) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        if (paintCopyPending) {
            paintCopyPending = false;
            ChartBackBitmap = MainChartBitmap;
        }
        ChartWorkBitmap = ChartBackBitmap;
        btn3DCheck->setVisible(chartLevel < 16 && Show2DBtn->isChecked() && MainMapView && MainMapView->centre.x > 0);
        QApplication::restoreOverrideCursor();
    }
    if (ChartWorkBitmap.isNull())
        canvas.fillRect(CM93->rect(), palette().color(QPalette::Button));
    else
        canvas.drawImage(0, 0, ChartWorkBitmap);
}

void TForm1::CM93miniPaint(QPainter& canvas)
{
    if (MiniChartBitmap.isNull())
        canvas.fillRect(CM93mini->rect(), palette().color(QPalette::Button));
    else
        canvas.drawImage(0, 0, MiniChartBitmap);
}
