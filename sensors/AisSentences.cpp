#include "sensors/SentenceHandlers.h"
#include "sensors/SentenceParser.h"

// The AIS sentences reach the target table through the sensor hook until they are decoded here.
int32_t HandleVdm(const SentenceContext& s)
{
    return SensorHook.targetSentence ? SensorHook.targetSentence(CaseVdm, s) : 0;
}

int32_t HandleVdo(const SentenceContext& s)
{
    return SensorHook.targetSentence ? SensorHook.targetSentence(CaseVdo, s) : 0;
}
