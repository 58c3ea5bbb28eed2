/* A sensor-feed library as the program loads it: counts the records it receives. */
#include <stdint.h>

static int32_t received;
static int32_t lastCounter;

void _BLPutRx(int32_t counter, const void* record, int32_t length)
{
    (void)record;
    (void)length;
    lastCounter = counter;
    ++received;
}

int32_t test_received(void) { return received; }
