// WeatherBtn and RadarBtn: the weather dialog, and the radar overlay with its control panel. The
// weather dialog stands beside the radar control panel while the radar window shows.

#include "app/ProgramExit.h"
#include "app/Startup.h"
#include "app/TForm1.h"
#include "app/WarningBox.h"
#include "frame/SharedTables.h"
#include "radarweather/RadarManager.h"
#include "radarweather/TRadar.h"
#include "radarweather/TRadarCtrl.h"
#include "radarweather/TWeatherDlg.h"
#include "radarweather/WeatherManager.h"

#include <QFrame>
#include <QPainter>
#include <QToolButton>

namespace {

void PlaceWeatherDialog(int left)
{
    if (WeatherDlg)
        WeatherDlg->move(left, WeatherDlg->y());
}

int RadarPanelWidth()
{
    return RadarCtrl ? RadarCtrl->width() : 0;
}

void FillWhite(QImage& image, const QRect& area)
{
    if (!image.isNull())
        QPainter(&image).fillRect(area, Qt::white);
}

}  // namespace

void TForm1::WeatherExecute()
{
    if (!WeatherBtn->isChecked()) {
        if (WeatherDlg)
            WeatherDlg->hide();
        return;
    }
    // A weather service that is not there (its start failed) stays off, its button disabled.
    if (!WeatherService) {
        WeatherBtn->setChecked(false);
        WeatherBtn->setEnabled(false);
        return;
    }
    if (WeatherService->state() == WeatherInitFailed) {
        TakeServiceOff(WeatherService->ErrorText(), "Weather Error", WeatherAvailable, WeatherBtn);
        delete WeatherService;
        WeatherService = nullptr;
        return;
    }
    if (!WeatherDlg)
        return;
    const bool radarShown = Radar && Radar->isVisible();
    PlaceWeatherDialog(radarShown ? RadarPanelWidth() : 0);
    WeatherDlg->show();
}

void TForm1::RadarExecute()
{
    if (!RadarAvailable || !RadarService)
        return;
    if (RadarBtn->isChecked()) {
        const QRect chart(chartRect.left, chartRect.top, chartRect.right - chartRect.left,
                          chartRect.bottom - chartRect.top);
        if (Radar)
            Radar->ClearPicture();
        FillWhite(RadarBitmap, chart);
        // A radar that does not start would never show a picture: the button goes up again.
        if (RadarService->Start(this) != 0) {
            RadarBtn->setChecked(false);
            ShowWarning(RadarService->ErrorText(), "Radar Error");
            return;
        }
        if (RadarCtrl)
            RadarCtrl->show();
        PlaceWeatherDialog(RadarPanelWidth());
        if (Radar) {
            const QRect panel(CM93->mapFrom(this, MainPanel->mapTo(this, QPoint(0, 0))), MainPanel->size());
            Radar->FormShow(ScreenWidth, panel, RadarCtrl ? RadarCtrl->size() : QSize());
            Radar->show();
        }
    } else {
        if (Radar)
            Radar->hide();
        StopRadarWhileRunning();
        PlaceWeatherDialog(0);
    }
}
