#include "app/PendingServices.h"

// Each body below is empty until the work named for it in the header lands.
namespace pending {

void ClearParserHourlyFlag() {}
void ClearHourlySensorValue() {}

void PlayAlarmSound() {}

}  // namespace pending
