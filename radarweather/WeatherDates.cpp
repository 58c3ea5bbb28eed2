#include "radarweather/WeatherDates.h"

#include <cmath>

namespace {

const QDate kDayZero(1899, 12, 30);

}  // namespace

QDateTime WeatherDateTime(double days)
{
    const double whole = std::floor(days);
    const auto msecs = static_cast<int>(std::lround((days - whole) * 86400000.0));
    return QDateTime(kDayZero.addDays(static_cast<qint64>(whole)), QTime(0, 0)).addMSecs(msecs);
}

double WeatherDays(const QDateTime& when)
{
    const QDateTime local = when.toLocalTime();
    return static_cast<double>(kDayZero.daysTo(local.date())) + local.time().msecsSinceStartOfDay() / 86400000.0;
}

double WeatherNowDays()
{
    return WeatherDays(QDateTime::currentDateTime());
}

QString WeatherDateText(double days, const char* format)
{
    return WeatherDateTime(days).toString(QString::fromLatin1(format));
}
