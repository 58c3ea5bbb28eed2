#include "frame/PickerDate.h"

namespace {

const QDate DayZero(1899, 12, 30);

}  // namespace

QDate DateFromDays(double days)
{
    return DayZero.addDays(static_cast<qint64>(days));
}

double DaysFromDate(const QDate& date)
{
    return static_cast<double>(DayZero.daysTo(date));
}
