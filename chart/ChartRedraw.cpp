#include "chart/ChartRedraw.h"

#include "chart/ChartEngineRestart.h"
#include "chart/ChartHooks.h"
#include "chart/ChartLayerClasses.h"
#include "chart/ChartLevels.h"
#include "chart/ChartWindow.h"
#include "chart/Clip3DExport.h"
#include "chart/LightRedraw.h"
#include "chart/TidePortRedraw.h"
#include "chart/MapView.h"
#include "chart/ObjectClassTable.h"
#include "chart/ShownCursor.h"
#include "frame/SharedTables.h"
#include "platform/geodesy/NormalisedCoordinates.h"
#include "platform/geodesy/PositionComputation.h"
#include "sensors/OwnShipState.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <string>

cmgbase::GeoRect ViewGeoRect;
DegreeRect ViewRectDegrees;
float PixelsPerMile = 0.0f;

namespace {

constexpr int32_t MiniNoticeTop = 400;    // the mini chart needs the message line this far down
constexpr int32_t MiniMinimumHeight = 11;
constexpr int32_t NameBaseMinimumLimit = 50000;
constexpr int32_t WidenLatitude = 4800000;   // 8 degrees x 600000
constexpr int32_t WidenLongitude = 9600000;  // 16 degrees

// Hidden over a relief picture: depth areas and what would cover the relief.
constexpr int32_t ReliefClasses[] = {42, 86, 154};

bool Down(const QAbstractButton* button) { return button && button->isChecked(); }

void ShowMapMessage(int32_t number)
{
    if (ChartHook.showMapMessage)
        ChartHook.showMapMessage(number, MapMessageExclamation);
}

void HideClass(ObjectClassTable& table, int32_t code)
{
    if (const int slot = ObjectClassSlot(code); slot >= 0)
        table[slot] = 0;
}

// An image of the window's size; a null image for a window without area.
QImage WindowImage(const WindowRect& window)
{
    const int width = window.right - window.left;
    const int height = window.bottom - window.top;
    return width > 0 && height > 0 ? QImage(width, height, QImage::Format_RGB32) : QImage();
}

WindowRect ClientRect(const QWidget* widget) { return {0, 0, widget->width(), widget->height()}; }

bool SameSize(const WindowRect& a, const WindowRect& b)
{
    return a.right - a.left == b.right - b.left && a.bottom - a.top == b.bottom - b.top;
}

QColor ButtonFace() { return QApplication::palette().color(QPalette::Button); }

// Draws the view's chart into image, the device points centred on the window's centre pixel.
// Returns the window in device points; nothing is drawn into a null image.
bool DrawViewChart(MapView& view, QImage& image, const WindowRect& window, chartengine::DeviceRect& device)
{
    if (image.isNull() || !WindowDeviceRect(window, device))
        return false;
    const ScreenPoint centre = WindowCentre(window);
    QPainter painter(&image);
    painter.translate(centre.x, centre.y);
    painter.scale(1.0, -1.0);
    view.DrawChart(painter, device);
    return true;
}

void MakeClassTable(ChartWindow& window, bool full)
{
    ObjectClassTable table;
    ShowAllObjectClasses(table);
    HideLayerClasses(table, window.controls.cklChart);
    if (!full)
        for (const int32_t code : ReliefClasses)
            HideClass(table, code);
    MainMapView->objectClassTable = table;
    window.lastRedrawKind = full ? 1 : 0;
}

// The view's rotation: the display course in course-up with Auto and in the 3D view, where the
// 3D view's orientation may put north or the course-up course up instead.
void ApplyRotation(ChartWindow& window)
{
    const bool courseUp = window.controls.DispMode && window.controls.DispMode->currentIndex() == 2;
    if ((courseUp && Down(window.controls.AutoBtn)) || window.threeDViewMode) {
        window.viewRotation = OwnShip.displayCourse;
        if (window.threeDViewMode && OwnShip.radarRotation == 'N')
            window.viewRotation = 0.0f;
        else if (window.threeDViewMode && OwnShip.radarRotation == 'C')
            window.viewRotation = OwnShip.courseUpReference;
    }
    if (!MainMapView->SetRotation(window.viewRotation))
        ShowMapMessage(11);
}

// Pixels per nautical mile along the top edge; the previous value stays when the view cannot
// measure it (no projection, or positions beyond the valid latitudes).
void MeasurePixelsPerMile(const ChartWindow& window)
{
    cmgbase::GeoPoint left, right;
    float miles = 0.0f;
    if (MainMapView->ScreenToGeo(window.chartRect, {0, 0}, left) &&
        MainMapView->ScreenToGeo(window.chartRect, {1000, 0}, right) &&
        cmgbase::InvPosComputation_f(left, right, &miles, nullptr, 0) == 0 && miles > 0.0f) {
        const float pixels = 1000.0f / miles;
        if (std::isfinite(pixels))
            PixelsPerMile = pixels;
    }
}

int32_t Degrees600000(int32_t normalised) { return static_cast<int32_t>(cmgbase::nrm2deg(normalised) * 600000.0); }

// The export for the 3D programs while a 2D or 3D view is on and the chart shows level 12 or
// finer; the 3D view's button goes up when its window is gone.
void ExportForThreeDView(ChartWindow& window, bool full)
{
    const ChartControls& c = window.controls;
    if (full && (Down(c.Show2DBtn) || Down(c.Show3DBtn)) && window.chartLevel <= ThreeDLevelLimit)
        ExportClip3D(window, ViewGeoRect);
    if (Down(c.Show3DBtn) && ChartHook.threeDViewShown && !ChartHook.threeDViewShown()) {
        c.Show3DBtn->setChecked(false);
        if (ChartHook.closeThreeDView)
            ChartHook.closeThreeDView();
    }
}

void PublishVisibleArea(ChartWindow& window, bool full)
{
    ViewRectDegrees = {Degrees600000(ViewGeoRect.y2), Degrees600000(ViewGeoRect.y1), Degrees600000(ViewGeoRect.x1),
                       Degrees600000(ViewGeoRect.x2)};
    ExportForThreeDView(window, full);
    if (ChartHook.nameBaseLimit)
        ChartHook.nameBaseLimit(ViewRectDegrees.north, ViewRectDegrees.south, ViewRectDegrees.west,
                                ViewRectDegrees.east,
                                std::max(static_cast<int32_t>(window.mainScale * 2.5), NameBaseMinimumLimit));
    ViewRectDegrees.north += WidenLatitude;
    ViewRectDegrees.south -= WidenLatitude;
    ViewRectDegrees.west -= WidenLongitude;
    ViewRectDegrees.east += WidenLongitude;
}

// The redraw itself; returns the reason of an engine failure, empty when none.
std::string DrawMainChart(ChartWindow& window, bool full)
{
    ChartControls& c = window.controls;
    window.paintCopyPending = true;
    ShownCursor waitCursor(Qt::WaitCursor);
    if (full)
        window.reliefBackground = false;

    if (window.threeDRedrawPending) {
        // A level change from here only asks for another redraw: this one is running.
        if (window.threeDViewMode)
            SetChartLevel(window);
        else if (ChartHook.reapplyRadarRange)
            ChartHook.reapplyRadarRange();
        window.threeDRedrawPending = false;
    }
    ApplyRotation(window);
    if (window.lastRedrawKind != (full ? 1 : 0))
        MakeClassTable(window, full);

    const WindowRect client = ClientRect(c.CM93);
    if (window.mainResizePending || !SameSize(client, window.chartRect)) {
        window.mainResizePending = false;
        window.chartRect = client;
        const ScreenPoint centre = WindowCentre(client);
        window.chartCentreX = centre.x;
        window.chartCentreY = centre.y;
        if (!MainMapView->viewPalette)
            return "GetPalette 1";
        window.MainChartBitmap = WindowImage(client);
        window.ChartBackBitmap = WindowImage(client);
        window.ChartWorkBitmap = WindowImage(client);
        window.RadarBitmap = WindowImage(client);
        window.WeatherBitmap = WindowImage(client);
    }
    if (!Down(c.Show2DBtn))
        window.MainChartBitmap.fill(ButtonFace());

    PrepareLightDescriptions(window);
    chartengine::DeviceRect device;
    if (DrawViewChart(*MainMapView, window.MainChartBitmap, window.chartRect, device))
        MainMapView->ScreenRectToGeo(device, ViewGeoRect);
    MeasurePixelsPerMile(window);
    RedrawLights(window);
    RedrawTidePorts(window);

    if (window.ZoomPaintHold > 0)
        window.ZoomPaintHold = 1;  // the timers show the new picture
    else if (ChartHook.paintChart)
        ChartHook.paintChart();
    else
        c.CM93->update();
    PublishVisibleArea(window, full);
    UpdateChartLevelButtons(window, MainMapView->centre);
    window.OverlayRedrawRequest = 0;
    return {};
}

}  // namespace

void RedrawChart(ChartWindow& window, bool full)
{
    if (window.redrawing) {
        window.chartRedrawRequest = true;
        return;
    }
    if (!MainMapView || !window.controls.CM93)
        return;
    // A failure met while no restart could take it (the first start) is taken up now.
    if (!window.engineFailure.empty() && !window.engineRestarting && !ChartRestartInProgress) {
        const std::string failure = std::move(window.engineFailure);
        window.engineFailure.clear();
        ChartEngineFailed(window, failure);
        return;
    }
    window.redrawing = true;
    const std::string failure = DrawMainChart(window, full);
    window.redrawing = false;
    if (!failure.empty())
        ChartEngineFailed(window, failure);
}

void RedrawMiniChart(ChartWindow& window)
{
    ChartControls& c = window.controls;
    if (!StartupDone || !MiniMapView || !c.CM93mini || (c.Notice && c.Notice->y() < MiniNoticeTop))
        return;
    ShownCursor waitCursor(Qt::WaitCursor);
    window.miniViewRotation =
        Down(c.btnMiniAuto) ? OwnShip.sensorRecord.courseOverGround : window.viewRotation;
    if (!MiniMapView->SetRotation(window.miniViewRotation))
        ShowMapMessage(12);

    QWidget* const miniControls[] = {c.pnMiniAuto, c.btnMiniAuto, c.edMiniSpeed, c.udMiniSpeed};
    const WindowRect client = ClientRect(c.CM93mini);
    if (client.bottom < MiniMinimumHeight) {
        window.miniRect = client;
        window.MiniChartBitmap = QImage();
        for (QWidget* control : miniControls)
            if (control)
                control->hide();
        return;
    }
    if (window.miniLayoutPending || !SameSize(client, window.miniRect)) {
        window.miniLayoutPending = false;
        window.miniRect = client;
        const MapView* paletteView = MainMapView ? MainMapView : MiniMapView;
        if (!paletteView->viewPalette) {
            ChartEngineFailed(window, "GetPalette 2");
            return;
        }
        window.MiniChartBitmap = WindowImage(client);
        for (QWidget* control : miniControls)
            if (control)
                control->setVisible(control == c.pnMiniAuto || control == c.btnMiniAuto || Down(c.btnMiniAuto));
    }
    window.MiniChartBitmap.fill(ButtonFace());
    chartengine::DeviceRect device;
    DrawViewChart(*MiniMapView, window.MiniChartBitmap, window.miniRect, device);

    if (!window.MiniChartBitmap.isNull()) {
        QPainter painter(&window.MiniChartBitmap);
        const QString label = QStringLiteral("1:%1").arg(window.miniScale);
        const QFontMetrics metrics = painter.fontMetrics();
        const int w = metrics.horizontalAdvance(label);
        const int h = metrics.height();
        const int right = window.miniRect.right;
        const int bottom = window.miniRect.bottom;
        painter.setPen(QApplication::palette().color(QPalette::WindowText));
        painter.setBrush(Qt::white);
        painter.drawRoundedRect(QRect(QPoint(right - w - 7, bottom - 14), QPoint(right - 2, bottom + h - 14)), 3, 2);
        painter.drawText(QRect(right - w - 5, bottom - 14, w, h), Qt::AlignLeft | Qt::AlignTop, label);
    }
    if (!Down(c.btnMiniAuto))
        c.CM93mini->update();
}

void PaintViewShapes(ChartWindow& window)
{
    chartengine::DeviceRect device;
    if (!MainMapView || window.ChartBackBitmap.isNull() || !WindowDeviceRect(window.chartRect, device))
        return;
    QPainter painter(&window.ChartBackBitmap);
    painter.translate(window.chartCentreX, window.chartCentreY);
    painter.scale(1.0, -1.0);
    MainMapView->DrawOverlayShapes(painter, device);
}
