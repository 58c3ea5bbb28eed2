/* A 2D/3D exchange library; built with THREED_INCOMPLETE it lacks _tGetStatC. It keeps the last
   record put and the StatC word at that moment, and the length of the last record fetched, for
   the tests; a fetch gives the record a test set, or leaves the caller's alone while none is set. */
#include <stdint.h>
#include <string.h>

static int32_t statusA, statusB, statusC;
static unsigned char lastRecord[124];
static int32_t lastRecordLength = -1, statusCAtPut;
static unsigned char viewRecord[124];
static int32_t viewRecordSet, lastFetchLength = -1, fetches;

void _tPutRec(void* record, int32_t length)
{
    if (length < 0 || length > (int32_t)sizeof lastRecord)
        length = sizeof lastRecord;
    memcpy(lastRecord, record, (size_t)length);
    lastRecordLength = length;
    statusCAtPut = statusC;
}
void _tGetRec(void* record, int32_t length)
{
    lastFetchLength = length;
    ++fetches;
    if (viewRecordSet && length >= 0 && length <= (int32_t)sizeof viewRecord)
        memcpy(record, viewRecord, (size_t)length);
}
void _tPutStatA(int32_t s) { statusA = s; }
int32_t _tGetStatA(void) { return statusA; }
void _tPutStatB(int32_t s) { statusB = s; }
int32_t _tGetStatB(void) { return statusB; }
void _tPutStatC(int32_t s) { statusC = s; }
#ifndef THREED_INCOMPLETE
int32_t _tGetStatC(void) { return statusC; }
#endif

/* The length of the last record put (-1 before any), a 32-bit word of it at a byte offset, and
   StatC while it was put. */
int32_t test_record_length(void) { return lastRecordLength; }
int32_t test_record_word(int32_t offset)
{
    int32_t word;
    memcpy(&word, lastRecord + offset, sizeof word);
    return word;
}
int32_t test_status_c_at_put(void) { return statusCAtPut; }
/* Sets a 32-bit word of the record the next fetches give. */
void test_set_view_word(int32_t offset, int32_t word)
{
    memcpy(viewRecord + offset, &word, sizeof word);
    viewRecordSet = 1;
}
/* The length of the last record fetched (-1 before any) and how many fetches came. */
int32_t test_fetch_length(void) { return lastFetchLength; }
int32_t test_fetches(void) { return fetches; }
void test_reset(void)
{
    statusA = statusB = statusC = 0;
    lastRecordLength = -1;
    statusCAtPut = 0;
    memset(viewRecord, 0, sizeof viewRecord);
    viewRecordSet = 0;
    lastFetchLength = -1;
    fetches = 0;
}
