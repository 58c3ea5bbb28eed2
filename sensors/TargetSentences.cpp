#include "sensors/SentenceHandlers.h"
#include "sensors/SentenceParser.h"

// The radar target sentences reach the target table through the sensor hook until the table
// reads them itself.
int32_t HandleTtm(const SentenceContext& s)
{
    return SensorHook.targetSentence ? SensorHook.targetSentence(CaseTtm, s) : 0;
}

int32_t HandleTgt(const SentenceContext& s)
{
    return SensorHook.targetSentence ? SensorHook.targetSentence(CaseTgt, s) : 0;
}

int32_t HandleFixedTarget(const SentenceContext& s)
{
    return SensorHook.targetSentence ? SensorHook.targetSentence(CaseFixedTarget, s) : 0;
}
