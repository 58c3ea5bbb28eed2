#pragma once
// A date picker's date as the settings record keeps dates: days since 30 December 1899, the
// time of day as the fraction.

#include <QDate>

// The day of `days`; the time of day is dropped.
QDate DateFromDays(double days);

// The days of `date` at midnight.
double DaysFromDate(const QDate& date);
