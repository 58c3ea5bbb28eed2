// A stand-in for an outside library: an entry taking a record, and a status entry that the
// partial build leaves out.
#include <cstdint>

extern "C" {

int32_t SampleSum(const int32_t* values, int32_t count)
{
    int32_t sum = 0;
    for (int32_t i = 0; i < count; ++i)
        sum += values[i];
    return sum;
}

#ifndef SAMPLE_WITHOUT_STATUS
int32_t SampleStatus()
{
    return 42;
}
#endif
}
