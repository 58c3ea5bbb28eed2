#include "frame/PhaseCounters.h"

#include <gtest/gtest.h>

namespace {

TEST(PhaseCounters, EachRunsThroughItsCycle)
{
    PhaseCounters.fill(0);
    // 300 ticks, a common multiple of every cycle: all are back at 0 at the end.
    for (int tick = 1; tick <= 300; ++tick) {
        AdvancePhaseCounters();
        for (std::size_t k = 0; k < PhaseCounters.size(); ++k)
            ASSERT_EQ(PhaseCounters[k], tick % kPhaseCounterLengths[k])
                << "counter " << k << " after " << tick;
    }
    EXPECT_EQ(kPhaseCounterLengths, (std::array<int8_t, 9>{10, 15, 20, 25, 30, 40, 50, 60, 75}));
}

TEST(PhaseCounters, StrayValuesFindTheirWayBack)
{
    PhaseCounters.fill(0);
    PhaseCounters[0] = 100;  // past its last value
    PhaseCounters[8] = -3;   // below 0: counts up
    AdvancePhaseCounters();
    EXPECT_EQ(PhaseCounters[0], 0);
    EXPECT_EQ(PhaseCounters[8], -2);
    PhaseCounters.fill(0);
}

}  // namespace
