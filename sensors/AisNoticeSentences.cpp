// ALR (AIS alarm), ABK (AIS acknowledgement) and DTM (datum).

#include "sensors/FieldScanner.h"
#include "sensors/OwnShipState.h"
#include "sensors/SensorNotices.h"
#include "sensors/SensorSettings.h"
#include "sensors/SentenceHandlers.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr int AlarmPortLimit = 10;  // AIS alarms come from COM1..COM10

// A received text field for display: without the checksum, blanks back in place.
std::string DisplayText(char* text)
{
    if (char* star = std::strchr(text, '*'))
        *star = '\0';
    for (char* c = text; *c != '\0'; ++c)
        if (*c == '_')
            *c = ' ';
    return text;
}

}  // namespace

int32_t HandleAlr(const SentenceContext& s)
{
    if (s.port >= AlarmPortLimit || !SensorSetup.aisWarnings)
        return 0;
    int32_t hour = 0, minute = 0, number = 0;
    float seconds = 0.0f;
    char condition[4] = {};
    char acknowledged[4] = {};
    char text[120] = {};
    FieldScanner in(s.line);
    in.skip(6);
    in.integer(hour, 2);
    in.integer(minute, 2);
    in.real(seconds);
    in.integer(number);
    in.word(condition, sizeof condition);
    in.word(acknowledged, sizeof acknowledged);
    in.word(text, sizeof text);
    if (condition[0] != 'A' || acknowledged[0] != 'V' || OwnShip.pendingAisAlarm != -1)
        return 0;
    if (SensorHook.beep)
        SensorHook.beep(880, 50);
    OwnShip.pendingAisAlarm = number;
    QueueSensorWork([shown = DisplayText(text)] {
        if (SensorHook.showAisAlarm)
            SensorHook.showAisAlarm(shown);
    });
    return 0;
}

int32_t HandleAbk(const SentenceContext& s)
{
    if (!SensorSetup.aisWarnings)
        return 0;
    int32_t mmsi = 0;
    int32_t type = 0;
    FieldScanner in(s.line);
    in.skip(6);
    in.integer(mmsi);
    in.skip();
    in.skip();
    in.skip();
    in.integer(type);
    // 1: the addressed station did not answer, 2: the broadcast failed; 0, 3 and 4 are successes.
    if (type != 1 && type != 2)
        return 0;
    char text[48];
    std::snprintf(text, sizeof text, "to MMSI %d unsuccessful", mmsi);
    platform::MessageBoxRequest notice;
    notice.text = text;
    notice.caption = "Send AIS message";
    notice.icon = platform::MsgIcon::Exclamation;
    notice.topMost = true;
    QueueSensorNotice(std::move(notice));
    return 0;
}

int32_t HandleDtm(const SentenceContext& s)
{
    char datum[8] = {};
    FieldScanner in(s.line);
    in.skip(6);
    in.word(datum, sizeof datum);
    if (char* star = std::strchr(datum, '*'))
        *star = '\0';
    if (std::strcmp(datum, "W84") == 0) {
        ClearAlarmKind(AlarmDatum);
        return 0;
    }
    OwnShip.alarmKind = AlarmDatum;
    OwnShip.alarmActive = true;
    return 0;
}
