// The split of lane readings into zone number, zone letter and lane, tried at every zone
// boundary from zone index -2000 to 20000 of each colour and on either side of it.
#include "sensors/DeccaConverter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

constexpr int kLanes[DeccaColourCount] = {24, 18, 30};
constexpr double kFirstLane[DeccaColourCount] = {0, 30, 50};

struct Expected {
    int32_t zone;
    char letter;
    double lane;
};

// Zone index k: zone number floor(k / 10) + 1, letter 'A' + (k mod 10).
Expected OfIndex(int k, double laneInZone, int colour)
{
    const int cycle = k >= 0 ? k / 10 : -((-k + 9) / 10);
    return {cycle + 1, char('A' + (k - cycle * 10)), kFirstLane[colour] + laneInZone};
}

DeccaPos SplitOne(DeccaConverter& converter, int colour, double reading)
{
    double readings[DeccaColourCount] = {};
    readings[colour] = reading;
    converter.SplitReading(readings[0], readings[1], readings[2]);
    return converter.LastReading();
}

std::string Text(const DeccaPos& pos, int colour)
{
    switch (colour) {
    case DeccaRed:
        return FormatDeccaRedReading(pos);
    case DeccaGreen:
        return FormatDeccaGreenReading(pos);
    default:
        return FormatDeccaPurpleReading(pos);
    }
}

TEST(DeccaSplit, EveryZoneBoundaryAndEitherSideOfIt)
{
    // Readings that the readout shows as the boundary itself, and as a hundredth below and above.
    struct Offset {
        double offset;
        int zoneShift;
        double laneInZone;  // for a zone width L: the lane within the zone, L for "L - 0.01"
    };
    const Offset offsets[] = {
        {0.0, 0, 0.0},      {-1e-9, 0, 0.0},    {1e-9, 0, 0.0},     {-0.004, 0, 0.0},
        {0.004, 0, 0.0},    {-0.01, -1, -0.01}, {0.01, 0, 0.01},    {-0.006, -1, -0.01},
        {0.006, 0, 0.01},
    };
    DeccaConverter converter;
    const std::string shownLane[DeccaColourCount] = {" 00.00  ", " 30.00  ", " 50.00  "};
    for (int colour = 0; colour < DeccaColourCount; ++colour) {
        const int lanes = kLanes[colour];
        for (int k = -2000; k <= 20000; ++k) {
            for (const Offset& o : offsets) {
                const DeccaPos pos = SplitOne(converter, colour, double(k) * lanes + o.offset);
                const int index = k + o.zoneShift;
                const Expected expected =
                    OfIndex(index, o.laneInZone < 0 ? lanes + o.laneInZone : o.laneInZone, colour);
                if (pos.zone[colour] != expected.zone || pos.letter[colour] != expected.letter ||
                    std::fabs(pos.lane[colour] - expected.lane) > 1e-9) {
                    ADD_FAILURE() << "colour " << colour << " k " << k << " offset " << o.offset
                                  << ": " << Text(pos, colour);
                    return;
                }
                if (o.offset == 0.0 && Text(pos, colour).substr(Text(pos, colour).size() - 8) !=
                                           shownLane[colour]) {
                    ADD_FAILURE() << "colour " << colour << " k " << k << ": " << Text(pos, colour);
                    return;
                }
            }
        }
    }
}

TEST(DeccaSplit, TextsOfTheEdgeCases)
{
    struct Case {
        int colour;
        double reading;
        const char* text;
    };
    const Case cases[] = {
        {DeccaRed, 0.0, "  1A 00.00  "},     {DeccaGreen, 0.0, "  1A 30.00  "},
        {DeccaPurple, 0.0, "  1A 50.00  "},  {DeccaRed, 24.0, "  1B 00.00  "},
        {DeccaRed, 240.0, "  2A 00.00  "},   {DeccaGreen, 18.0, "  1B 30.00  "},
        {DeccaRed, -1.0, "  0J 23.00  "},    {DeccaRed, 23.996, "  1B 00.00  "},
        {DeccaRed, 23.994, "  1A 23.99  "},  {DeccaPurple, -90.0, "  0H 50.00  "},
        {DeccaPurple, -30.0, "  0J 50.00  "}, {DeccaPurple, -300.0, "  0A 50.00  "},
        {DeccaPurple, -300.004, "  0A 50.00  "}, {DeccaGreen, -0.004, "  1A 30.00  "},
        {DeccaGreen, 179.996, "  2A 30.00  "},
    };
    DeccaConverter converter;
    for (const Case& c : cases)
        EXPECT_EQ(Text(SplitOne(converter, c.colour, c.reading), c.colour), c.text)
            << c.colour << " " << c.reading;
}

}  // namespace
