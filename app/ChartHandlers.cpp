// The main window's chart handlers: the zoom and band buttons, Auto, and the two chart paint
// boxes, with the chart side's controls and hooks.

#include "app/ChartCursor.h"
#include "app/WeatherDisplay.h"
#include "app/DynamicOverlay.h"
#include "app/ExternalLibraries.h"
#include "app/LngMessage.h"
#include "app/MiniChartMarkers.h"
#include "app/StaticOverlay.h"
#include "app/Startup.h"
#include "app/TForm1.h"
#include "app/TickState.h"
#include "chart/ChartHooks.h"
#include "chart/ChartLevels.h"
#include "chart/ChartRedraw.h"
#include "chart/MapView.h"
#include "chart/PaintBox.h"
#include "frame/SharedTables.h"
#include "radarweather/TWeatherDlg.h"
#include "radarweather/WeatherManager.h"
#include "sensors/OwnShipState.h"
#include "sensors/TargetTable.h"

#include <QApplication>
#include <QButtonGroup>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>

#include <array>
#include <optional>
#include <span>

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
        CM93, [this](QPainter& canvas, const QRect& exposed) { CM93Exposed(canvas, exposed); },
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
        CM93mini, [this](QPainter& canvas, const QRect& exposed) { CM93miniPaint(canvas, exposed); },
        [this] {
            miniLayoutPending = true;
            QTimer::singleShot(0, this, [this] {
                if (miniLayoutPending && !ChartRestartInProgress)
                    RedrawMiniChart(*this);
            });
        });

    ChartHook.showMapMessage = [](int32_t number, uint32_t flags) { return ShowLngMessage("C-Map", number, flags); };
    ChartHook.paintChart = [this] { CM93Paint(); };
    ChartHook.lightMarkersRebuilt = [] { HoverMarker = -1; };
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
        form.ForceRecentre = true;
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

// The chart follows the own ship: its band's level is shown in one step at the next one-second
// tick, centred on the ship at its offset ahead, with the orientation applied anew.
void TForm1::AutoExecute()
{
    if (!AutoBtn->isChecked())
        return;
    ZoomPaintHold = 2;
    ForceRecentre = true;
    threeDRedrawPending = true;
    SecondTick.movingRecentre = true;
    using BandHandler = void (TForm1::*)();
    static constexpr std::array<BandHandler, UsageBandCount> BandHandlers{
        &TForm1::GlobalExecute,  &TForm1::WorldExecute,    &TForm1::OverviewExecute, &TForm1::CrossingExecute,
        &TForm1::CoastalExecute, &TForm1::ApproachExecute, &TForm1::HarbourExecute,  &TForm1::PlanExecute};
    if (const std::optional<int32_t> band = AutoZoneBand(*this, OwnShip.referencePosition))
        (this->*BandHandlers[size_t(*band)])();
}

namespace {

// The weather dialog's layers 0 and 2 to 5 are painted over the chart (layer 1, temperature,
// only gives readouts).
bool WeatherLayerTicked()
{
    if (!WeatherDlg || !WeatherDlg->isVisible())
        return false;
    const auto* layers = WeatherDlg->findChild<QListWidget*>(QStringLiteral("cklItem"));
    if (!layers)
        return false;
    for (const int item : {0, 2, 3, 4, 5}) {
        const QListWidgetItem* layer = layers->item(item);
        if (layer && layer->checkState() == Qt::Checked)
            return true;
    }
    return false;
}

// WeatherBitmap over the chart picture by its alpha: the weather client draws on a transparent
// bitmap, so every colour it draws shows, black barbs and labels too, in every colour scheme.
// The redraw's own opaque bitmap of that name (nothing painted into it yet) is never laid.
void LayWeatherOverChart(TForm1& form)
{
    if (form.WeatherBitmap.size() != form.ChartBackBitmap.size() || !form.WeatherBitmap.hasAlphaChannel())
        return;
    QPainter(&form.ChartBackBitmap).drawImage(0, 0, form.WeatherBitmap);
}

// The own ship's and the targets' pixels on the chart as it is now drawn.
void RefreshScreenPoints(TForm1& form)
{
    MainMapView->GeoToScreen(form.chartRect, OwnShip.referencePosition, TickRequest.ownShipPixel);
    for (TargetRecord& target : std::span(TargetTable).first(TargetCount)) {
        if (target.id == -1)
            continue;
        ScreenPoint pixel{};
        if (MainMapView->GeoToScreen(form.chartRect, {target.positionX, target.positionY}, pixel)) {
            target.screenX = pixel.x;
            target.screenY = pixel.y;
        }
    }
}

}  // namespace

// While an automatic zoom waits for its redraw, and while the engine is rebuilt, the picture on
// screen stays as it is. The static overlay starts each time from a fresh copy of MainChartBitmap
// (after the light flashes went into it), so it is neither drawn twice nor lost; the copy here
// only makes a new chart picture the base when no static overlay is drawn over it.
void TForm1::CM93Paint()
{
    if (!StartupDone || ZoomPaintHold > 0 || ChartRestartInProgress || !MainMapView || MainChartBitmap.isNull())
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    if (paintCopyPending) {
        paintCopyPending = false;
        ChartBackBitmap = MainChartBitmap;
    }
    RefreshScreenPoints(*this);
    // The chart overlay starts from a fresh copy of MainChartBitmap: the weather layer is laid on
    // each composed picture once.
    PaintChartOverlay(*this);
    if (WeatherService && WeatherLayerTicked()) {
        PaintWeatherLayer(*this);
        LayWeatherOverChart(*this);
    }
    ChartWorkBitmap = ChartBackBitmap;
    PaintDynamicOverlay(*this, false);
    CM93->update();
    btn3DCheck->setVisible(chartLevel < 16 && Show2DBtn->isChecked() && MainMapView->centre.x > 0);
    QApplication::restoreOverrideCursor();
}

namespace {

// The exposed part of a bitmap on a paint box; what the bitmap does not cover in button face.
void ShowBitmap(QPainter& canvas, const QImage& bitmap, const QRect& exposed, const QColor& background)
{
    const QRect shown = exposed & bitmap.rect();
    if (shown != exposed)
        canvas.fillRect(exposed, background);
    if (!shown.isEmpty())
        canvas.drawImage(shown, bitmap, shown);
}

}  // namespace

void TForm1::CM93Exposed(QPainter& canvas, const QRect& exposed)
{
    ShowBitmap(canvas, ChartWorkBitmap, exposed, palette().color(QPalette::Button));
}

void TForm1::CM93miniPaint(QPainter& canvas, const QRect& exposed)
{
    ShowBitmap(canvas, MiniChartBitmap, exposed, palette().color(QPalette::Button));
    if (!MiniChartBitmap.isNull())
        DrawMiniChartMarkers(*this, canvas);
}
