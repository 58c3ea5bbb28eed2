#pragma once
// Weather dates (days since 30 December 1899, local time, the time of day as the fraction) to
// and from Qt's date-times and texts.

#include <QDateTime>
#include <QString>

QDateTime WeatherDateTime(double days);
double WeatherDays(const QDateTime& when);
double WeatherNowDays();
QString WeatherDateText(double days, const char* format);
