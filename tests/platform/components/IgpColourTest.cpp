#include "platform/components/IgpColour.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

namespace {

using namespace Igpfunctions;

TEST(DimColor, DividesOrMultipliesEachChannel)
{
    struct Case {
        uint32_t color;
        double factor;
        uint32_t result;
    };
    for (const Case c : {Case{0x00804020, 2, 0x00402010}, Case{0x00804020, 1, 0x00804020},
                         // A factor below 1 brightens; channels stop at 255.
                         Case{0x00804020, 0.5, 0x00FF8040},
                         Case{0x00804020, -2, 0x00FF8040}, Case{0x00804020, -0.5, 0x00402010},
                         Case{0x00804020, 0, 0}, Case{0x00804020, NAN, 0},
                         Case{0xFF804020, 2, 0x00402010}})
        EXPECT_EQ(DimColor(c.color, c.factor), c.result) << std::hex << c.color << " / "
                                                          << c.factor;
}

TEST(ChangeColorIntensity, AddsToEachChannelWithinItsRange)
{
    struct Case {
        uint32_t color;
        int amount;
        uint32_t result;
    };
    for (const Case c : {Case{0x00102030, 0x20, 0x00304050}, Case{0x00F01005, -0x10, 0x00E00000},
                         Case{0x00F01005, 0x20, 0x00FF3025}, Case{0x00102030, INT_MAX, 0x00FFFFFF},
                         Case{0x00102030, INT_MIN, 0}})
        EXPECT_EQ(ChangeColorIntensity(c.color, c.amount), c.result) << std::hex << c.color;
    EXPECT_EQ(iGetRValue(0x00123456), 0x56);
    EXPECT_EQ(iGetGValue(0x00123456), 0x34);
    EXPECT_EQ(iGetBValue(0x00123456), 0x12);
}

}  // namespace
