#include "chart/TidePortTime.h"

#include <QDateTime>

QTimeZone TideLocalZone = QTimeZone::systemTimeZone();

namespace {

constexpr int64_t SecondsPerHour = 3600;
constexpr int32_t MinutesPerSample = 30;

}  // namespace

PortTime PortStandardTime(int64_t utcSeconds, int32_t hoursWest)
{
    const QDateTime port = QDateTime::fromSecsSinceEpoch(utcSeconds - hoursWest * SecondsPerHour, Qt::UTC);
    return {port.date(), port.time().hour(), port.time().minute()};
}

int32_t SampleAtOrBefore(const PortTime& time) { return 2 * time.hour + time.minute / MinutesPerSample; }

int32_t SampleAtOrAfter(const PortTime& time)
{
    return 2 * time.hour + (time.minute + MinutesPerSample - 1) / MinutesPerSample;
}
