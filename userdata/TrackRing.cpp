#include "userdata/TrackRing.h"

#include "frame/SetupParameters.h"

#include <algorithm>

int RingIndex()
{
    const int32_t index = SetupParameters.TrackIndex;
    return index >= 0 && index < TrackRingSize ? index : 0;
}

int RingSampleCount()
{
    const TrackRingBuffer& ring = SetupParameters.TrackRing;
    return int(std::count_if(ring.begin(), ring.end(),
                             [](const TrackSample& sample) { return !sample.empty(); }));
}

std::vector<int> RingSlotsOldestFirst()
{
    std::vector<int> filled;
    const int index = RingIndex();
    for (int n = 0; n < TrackRingSize; ++n) {
        const int slot = (index + n) % TrackRingSize;
        if (!SetupParameters.TrackRing[size_t(slot)].empty())
            filled.push_back(slot);
    }
    return filled;
}

void EmptyRing()
{
    for (TrackSample& sample : SetupParameters.TrackRing)
        sample.latitude = 0.0;
    SetupParameters.TrackIndex = 0;
}
