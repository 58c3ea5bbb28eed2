// The weather manager's status callback and the weather graph of the dialog.

#include "radarweather/TWeatherDlg.h"
#include "radarweather/WeatherDates.h"
#include "radarweather/WeatherGraphView.h"
#include "radarweather/WeatherManager.h"

#include "platform/system/SoundPlayer.h"

#include <QBarSet>
#include <QBarSeries>
#include <QChart>
#include <QDateTimeAxis>
#include <QGroupBox>
#include <QLabel>
#include <QLineSeries>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kGraphMissing = 1.0e9;

}  // namespace

int32_t ShowWeatherStatus(int32_t kind, int32_t code, int32_t a, int32_t b, const char* text)
{
    if (kind == 5)
        platform::PlayTone(440, 100);
    if (WeatherDlg)
        WeatherDlg->ShowStatus(kind, code, a, b, text);
    return 0;
}

void TWeatherDlg::ShowStatus(int32_t kind, int32_t code, int32_t a, int32_t b, const char* text)
{
    switch (kind) {
    case 0:
        // A failed request: its reason, and the buttons start again.
        txInfo->setText(QString::fromStdString(WeatherService && !WeatherService->statusText.empty()
                                                   ? WeatherService->statusText
                                                   : std::string(text ? text : "")));
        btnGetStatus->setText(CaptionText(17));
        btnGetUpdate->setText(CaptionText(18));
        // The bar may be showing a stage without counts (busy): it stops.
        ProgressBar->setRange(0, 100);
        ProgressBar->setValue(0);
        break;
    case 1:
        txInfo->setText(code == 8 ? "Model used: " + QString::fromStdString(modelDateText)
                                  : QString::fromLatin1(text ? text : ""));
        if (b > a) {
            txInfo->setText("ERROR !");
        } else {
            ProgressBar->setMaximum(a);
            ProgressBar->setValue(b);
        }
        break;
    case 2:
        if (WeatherService)
            modelDateText = WeatherDateText(WeatherService->lastWeatherDate, "dd MMM yy  hh:mm").toStdString();
        txInfo->setText("Model available: " + QString::fromStdString(modelDateText));
        break;
    case 4:
        btnGetStatus->setText(CaptionText(17));
        lbStatus->clear();
        pnStatus->show();
        if (WeatherService)
            for (const SubZone& zone : WeatherService->subZones)
                lbStatus->addItem(QString::fromStdString(zone.name) + " (Expires: " +
                                  WeatherDateText(zone.expiry, "dd.MM.yyyy") + ")");
        break;
    case 5:
        btnGetUpdate->setText(CaptionText(18));
        FormShow();
        break;
    case 6:
        if (!temperatureChanged && !(WeatherService && WeatherService->IsGroupShown(0x300))) {
            if (hooks.fullRepaint)
                hooks.fullRepaint();
        } else {
            if (hooks.requestRedraw)
                hooks.requestRedraw();
            temperatureChanged = 0;
        }
        break;
    default: break;
    }
}

void TWeatherDlg::ShowGraph(double lat, double lon)
{
    QChart* chart = m_Chart->chart();
    static const char* const units[] = {" (m/s)", " (\xC2\xBA" "C)", " (mm/h)", " (hPa)", " (m)", ""};
    const int item = std::clamp(selectedItem, 0, WeatherItemCount - 1);
    const QListWidgetItem* entry = cklItem->item(item);
    chart->setTitle((entry ? entry->text() : QString()) + QString::fromUtf8(units[item]));
    const bool bars = item == 2;
    Series1->setVisible(!bars);
    Series2->setVisible(bars);
    if (bars)
        Series2->clear();
    else
        Series1->clear();
    if (!WeatherService || !HasTimes())
        return;
    const int32_t group = ItemGroup(item);
    double low = 1e300, high = -1e300;
    if (bars) {
        auto* set = new QBarSet(QString());
        set->setColor(Qt::green);
        for (double t = firstTime + 0.5; t <= lastTime; t += 0.25) {
            const auto index = static_cast<int32_t>(std::lround((t - firstTime) * 1440.0 / smoothing));
            const double value = WeatherService->GetForecastValueAt(group, index, lat, lon);
            if (value < kGraphMissing) {
                set->append(value);
                low = std::min(low, value);
                high = std::max(high, value);
            }
        }
        Series2->append(set);
    } else {
        for (int32_t i = 0; i < stepCount; i += 5) {
            double value = WeatherService->GetForecastValueAt(group, i, lat, lon);
            if (value >= kGraphMissing)
                continue;
            if (item == 1)
                value -= 273.1;
            else if (item == 3)
                value = value / 100000.0 * 1000.0;
            Series1->append(static_cast<qreal>(WeatherDateTime(firstTime + i * stepLength).toMSecsSinceEpoch()), value);
            low = std::min(low, value);
            high = std::max(high, value);
        }
        const auto dates = chart->axes(Qt::Horizontal);
        if (!dates.isEmpty())
            dates.front()->setRange(WeatherDateTime(firstTime), WeatherDateTime(lastTime));
    }
    const auto axes = chart->axes(Qt::Vertical);
    if (auto* axis = axes.isEmpty() ? nullptr : qobject_cast<QValueAxis*>(axes.front()); axis && low <= high) {
        double minimum = axis->min(), maximum = axis->max();
        if (low < minimum || weatherChangedMark)
            minimum = low;
        if (high > maximum || weatherChangedMark)
            maximum = high;
        if (item == 3 && maximum == 0)
            maximum = 1000;
        axis->setRange(minimum, maximum);
    }
    weatherChangedMark = 0;
}
