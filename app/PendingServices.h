#pragma once
// The services the ticks call that the program does not have yet. Each is a no-op until the work
// named beside it lands; then the call sites take the real routine and the entry here goes.
// Nothing here pretends a result.

namespace pending {

// Sentence parser values the hourly step clears.
void ClearParserHourlyFlag();
void ClearHourlySensorValue();

// Sound.
void PlayAlarmSound();         // "alarm.wav" of the program folder

}  // namespace pending
