#include "sensors/SentenceHandlers.h"

// AIS messages are not decoded yet.
int32_t HandleVdm(const SentenceContext&)
{
    return 0;
}

int32_t HandleVdo(const SentenceContext&)
{
    return 0;
}
