#include "app/WeatherDisplay.h"

#include "app/ChartCursor.h"
#include "app/OverlayArea.h"
#include "app/TForm1.h"
#include "chart/MapManager.h"
#include "chart/MapView.h"
#include "chart/OverlayColours.h"
#include "chart/OverlayPrimitives.h"
#include "frame/SharedTables.h"
#include "platform/geodesy/NormalisedCoordinates.h"
#include "radarweather/TWeatherDlg.h"
#include "radarweather/WeatherManager.h"

#include <QApplication>
#include <QListWidget>
#include <QPainter>
#include <QToolButton>

#include <cmath>
#include <cstdio>

WeatherReadoutValues WeatherReadout;

namespace {

constexpr double kValid = 1.0e9;

cmgbase::GeoPoint ReadoutPosition(const TForm1& form)
{
    if (WeatherPointArmed || WeatherPoint == cmgbase::GeoPoint{})
        return form.cursorChartPoint;
    return WeatherPoint;
}

uint32_t TableColour(int32_t index)
{
    return UserColourTable[static_cast<size_t>(std::clamp<int32_t>(index, 0, int32_t(UserColourTable.size()) - 1))];
}

std::string Format(const char* format, double value)
{
    char text[48];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

// An arrow from the point minus to the point plus the vector (pixels, y down), width 2.
void DrawReadoutArrow(TForm1& form, QPainter& canvas, int32_t x, int32_t y, double dx, double dy, int32_t colour)
{
    const double length = std::hypot(dx, dy);
    const auto x1 = static_cast<int32_t>(std::lround(x - dx)), y1 = static_cast<int32_t>(std::lround(y - dy));
    const auto x2 = static_cast<int32_t>(std::lround(x + dx)), y2 = static_cast<int32_t>(std::lround(y + dy));
    DrawLineSegment(form, canvas, TableColour(colour), x1, y1, x2, y2, 2);
    if (length > 10) {
        canvas.setPen(QPen(WindowsColour(TableColour(colour)), 2));
        canvas.setBrush(Qt::NoBrush);
        canvas.drawEllipse(QPoint(x, y), 2, 2);
    }
    if (length <= 0)
        return;
    const double angle = std::atan2(dy, dx), head = length < 8 ? length : 8;
    for (double side : {1.0, -1.0})
        DrawLineSegment(form, canvas, TableColour(colour), x2, y2,
                        static_cast<int32_t>(std::lround(x2 - head * std::cos(angle + side))),
                        static_cast<int32_t>(std::lround(y2 - head * std::sin(angle + side))), 2);
}

void DrawReadoutBar(QPainter& canvas, int32_t x, int32_t y, double height, int32_t colour)
{
    canvas.fillRect(QRectF(x - 3, y - std::max(0.0, height), 6, std::abs(height)), WindowsColour(TableColour(colour)));
}

}  // namespace

void PaintWeatherLayer(TForm1& form)
{
    if (!WeatherService)
        return;
    if (form.WeatherBitmap.size() != form.ChartBackBitmap.size() ||
        form.WeatherBitmap.format() != QImage::Format_ARGB32_Premultiplied)
        form.WeatherBitmap = QImage(form.ChartBackBitmap.size(), QImage::Format_ARGB32_Premultiplied);
    form.WeatherBitmap.fill(Qt::transparent);
    chartengine::WeatherClient* client = WeatherService->Client();
    if (!client || form.WeatherBitmap.isNull())
        return;
    if (ChartEngine)
        client->PutProperty(chartengine::kClientColourScheme, ChartEngine->colourScheme);
    QPainter painter(&form.WeatherBitmap);
    // Device points of the view: from the window centre, y up.
    painter.translate(form.chartCentreX, form.chartCentreY);
    painter.scale(1, -1);
    client->Draw(&painter, 1);
}

void ShowWeatherAtCursor(TForm1& form)
{
    if (!WeatherService)
        return;
    const cmgbase::GeoPoint position = ReadoutPosition(form);
    const double lat = cmgbase::nrm2deg(position.y), lon = cmgbase::nrm2deg(position.x);
    WeatherReadoutValues& r = WeatherReadout;
    r.windValid = WeatherService->GetDirectionAt(0x200, lat, lon, &r.windEast, &r.windNorth) && r.windEast < kValid;
    r.currentValid =
        WeatherService->GetDirectionAt(0x400, lat, lon, &r.currentEast, &r.currentNorth) && r.currentEast < kValid;
    r.temperature = WeatherService->GetValueAt(0x300, lat, lon);
    r.temperatureValid = r.temperature < kValid;
    r.precipitation = WeatherService->GetValueAt(0x700, lat, lon);
    r.precipitationValid = r.precipitation < kValid;
    r.pressure = WeatherService->GetValueAt(0x100, lat, lon);
    r.pressureValid = r.pressure < kValid;
    r.waveHeight = WeatherService->GetValueAt(0x501, lat, lon);
    r.waveDirection = WeatherService->GetValueAt(0x502, lat, lon);
    r.wavesValid = r.waveHeight < kValid && r.waveDirection < kValid;
    if (WeatherDlg)
        WeatherDlg->ShowGraph(lat, lon);
    form.OverlayRedrawRequest = 1;
}

void PaintWeatherReadout(TForm1& form, QPainter& canvas)
{
    if (!WeatherDlg || !WeatherService || WeatherService->state() <= 0)
        return;
    const int item = WeatherDlg->cklItem->currentRow();
    if (item < 0 || item >= WeatherItemCount)
        return;
    const cmgbase::GeoPoint position = ReadoutPosition(form);
    ScreenPoint at{};
    if (!MainMapView || !MainMapView->GeoToScreen(form.chartRect, position, at))
        return;
    const bool atCursor = position == form.cursorChartPoint;
    if (!atCursor)
        DrawMaskedIcon(form, canvas, 29, 6, at.x, at.y);
    const WeatherReadoutValues& r = WeatherReadout;
    // The chart turns with the view: directions on screen are taken from north up.
    const double turn = form.viewRotation * M_PI / 180.0;
    const auto onScreen = [turn](double east, double north, double* dx, double* dy) {
        *dx = east * std::cos(turn) - north * std::sin(turn);
        *dy = -(east * std::sin(turn) + north * std::cos(turn));
    };
    std::string text;
    double dx = 0, dy = 0;
    switch (item) {
    case 0:
        text = r.windValid ? Format("%.1f m/s", std::hypot(r.windEast, r.windNorth)) : "?? m/s";
        if (r.windValid) {
            onScreen(r.windEast * 2, r.windNorth * 2, &dx, &dy);
            DrawReadoutArrow(form, canvas, at.x, at.y, dx, dy, 1);
        }
        break;
    case 1:
        text = r.temperatureValid ? Format("%.1f \xB0" "C", r.temperature - 273.1) : "?? \xB0" "C";
        if (r.temperatureValid)
            DrawReadoutBar(canvas, at.x, at.y, (r.temperature - 273.1) * 1.5, r.temperature - 273.1 < 0 ? 2 : 1);
        break;
    case 2:
        text = r.precipitationValid ? Format("%.2f mm", r.precipitation) : "?? mm";
        if (r.precipitationValid)
            DrawReadoutBar(canvas, at.x, at.y, r.precipitation * 3, 3);
        break;
    case 3:
        text = r.pressureValid ? Format("%.0f hPa", r.pressure / 100) : "?? hPa";
        if (r.pressureValid)
            DrawReadoutBar(canvas, at.x, at.y, (r.pressure - 101300) * 0.01, 6);
        break;
    case 4:
        text = r.wavesValid ? Format("%.1f m.", r.waveHeight) : "?? m.";
        if (r.wavesValid) {
            const double to = (r.waveDirection + 180.0) * M_PI / 180.0;
            onScreen(std::sin(to) * r.waveHeight * 6, std::cos(to) * r.waveHeight * 6, &dx, &dy);
            DrawReadoutArrow(form, canvas, at.x, at.y, dx, dy, 2);
        }
        break;
    default:
        text = r.currentValid ? Format("%.2f kn.", std::hypot(r.currentEast, r.currentNorth) * 1.9439) : "?? kn.";
        if (r.currentValid) {
            onScreen(r.currentEast * 50, r.currentNorth * 50, &dx, &dy);
            DrawReadoutArrow(form, canvas, at.x, at.y, dx, dy, 3);
        }
        break;
    }
    DrawLabelBox(form, canvas, at.x + 10, text, QApplication::palette().color(QPalette::Base), at.y - 6);
    AddPaintedArea(at.x - 100, at.y - 100, at.x + 100, at.y + 100);
}

void WireWeatherDialog(TForm1& form)
{
    if (!WeatherDlg)
        return;
    TForm1* f = &form;
    WeatherDlgHooks& hooks = WeatherDlg->hooks;
    hooks.releaseButton = [f] { f->WeatherBtn->setChecked(false); };
    hooks.repaintChart = [f] { f->CM93Paint(); };
    hooks.fullRepaint = [f] {
        f->paintCopyPending = true;
        f->CM93Paint();
    };
    hooks.requestRedraw = [f] { f->chartRedrawRequest = true; };
    hooks.showAtCursor = [f] { ShowWeatherAtCursor(*f); };
    hooks.mainWindowHeight = [f] { return f->height(); };
    hooks.dayNightIndex = [f] { return f->DisplayModeIndex; };
}
