#include "sensors/DeccaConverter.h"

#include "platform/geodesy/NormalisedCoordinates.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

using cmgbase::deg2nrm;

namespace {

struct Split {
    int32_t zone;
    char letter;
    double lane;
};

void ExpectSplit(const DeccaPos& pos, const Split (&expected)[DeccaColourCount],
                 double tolerance)
{
    const char* colour[] = {"red", "green", "purple"};
    for (int c = 0; c < DeccaColourCount; ++c) {
        EXPECT_EQ(pos.zone[c], expected[c].zone) << colour[c];
        EXPECT_EQ(pos.letter[c], expected[c].letter) << colour[c];
        EXPECT_NEAR(pos.lane[c], expected[c].lane, tolerance) << colour[c];
    }
}

DeccaPos ReadingsAt(DeccaConverter& converter, double latitude, double longitude)
{
    return converter.ComputeReadings(deg2nrm(longitude), deg2nrm(latitude));
}

const Split kZeroSplit[DeccaColourCount] = {{1, 'A', 0.0}, {1, 'A', 30.0}, {1, 'A', 50.0}};

TEST(DeccaSplit, ZonesLettersAndLanes)
{
    struct Case {
        double red, green, purple;
        Split expected[DeccaColourCount];
    };
    const Case cases[] = {
        {0.0, 0.0, 0.0, {{1, 'A', 0.0}, {1, 'A', 30.0}, {1, 'A', 50.0}}},
        {24.0, 18.0, 30.0, {{1, 'B', 0.0}, {1, 'B', 30.0}, {1, 'B', 50.0}}},
        {240.0, 180.0, 300.0, {{2, 'A', 0.0}, {2, 'A', 30.0}, {2, 'A', 50.0}}},
        {239.5, 179.5, 299.5, {{1, 'J', 23.5}, {1, 'J', 47.5}, {1, 'J', 79.5}}},
        {-1.0, -1.0, -1.0, {{0, 'J', 23.0}, {0, 'J', 47.0}, {0, 'J', 79.0}}},
        {-240.0, -181.0, -0.25, {{0, 'A', 0.0}, {-1, 'J', 47.0}, {0, 'J', 79.75}}},
        {23.996, 53.25, 487.5, {{1, 'B', 0.0}, {1, 'C', 47.25}, {2, 'G', 57.5}}},  // 23.996 shows as 24.00
    };
    DeccaConverter converter;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.red) + " " + std::to_string(c.green) + " " +
                     std::to_string(c.purple));
        converter.SplitReading(c.red, c.green, c.purple);
        ExpectSplit(converter.LastReading(), c.expected, 1e-9);
    }
}

// A reading that is no number, or too large for a zone count, splits as zero instead of an
// undefined conversion and a letter outside A to J.
TEST(DeccaSplit, UnusableReadingSplitsAsZero)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double infinity = std::numeric_limits<double>::infinity();
    DeccaConverter converter;
    converter.SplitReading(nan, infinity, -infinity);
    ExpectSplit(converter.LastReading(), kZeroSplit, 0.0);
    converter.SplitReading(1e300, -1e12, 64424509440.0);  // 2^31 purple zones
    ExpectSplit(converter.LastReading(), kZeroSplit, 0.0);
}

TEST(DeccaFormat, ReadoutTexts)
{
    DeccaConverter converter;
    converter.SplitReading(0.0, 0.0, 0.0);
    const DeccaPos zero = converter.LastReading();
    EXPECT_EQ(FormatDeccaRedReading(zero), "  1A 00.00  ");
    EXPECT_EQ(FormatDeccaGreenReading(zero), "  1A 30.00  ");
    EXPECT_EQ(FormatDeccaPurpleReading(zero), "  1A 50.00  ");

    converter.SplitReading(23.996, -1.0, 304.214871);
    const DeccaPos pos = converter.LastReading();
    EXPECT_EQ(FormatDeccaRedReading(pos), "  1B 00.00  ");  // rounds up into the next zone
    EXPECT_EQ(FormatDeccaGreenReading(pos), "  0J 47.00  ");
    EXPECT_EQ(FormatDeccaPurpleReading(pos), "  2A 54.21  ");

    // Texts are as long as their numbers need.
    DeccaPos wide;
    wide.zone = {-2147483647, 12, 0};
    wide.letter = {'J', 'C', 'A'};
    wide.lane = {1e20, 7.0, -3.5};
    EXPECT_EQ(FormatDeccaRedReading(wide), "  -2147483647J 100000000000000000000.00  ");
    EXPECT_EQ(FormatDeccaGreenReading(wide), "  12C 07.00  ");
    EXPECT_EQ(FormatDeccaPurpleReading(wide), "  0A -3.50  ");
}

TEST(DeccaConverter, ChainsInListOrder)
{
    struct Chain {
        int32_t number;
        const char* name;
    };
    const Chain expected[DeccaConverter::ChainCount] = {
        {25, "Skagerrak 10B"}, {2, "Bergen 0E"},   {11, "Tr\xF8ndelag 4E"},
        {24, "Helgeland 9E"},  {7, "Lofoten 3E"}, {19, "Finnmark 7E"},
    };
    const DeccaConverter converter;
    for (int i = 0; i < DeccaConverter::ChainCount; ++i) {
        const DeccaChain* chain = converter.Chain(i);
        ASSERT_NE(chain, nullptr);
        EXPECT_EQ(chain->number, expected[i].number);
        EXPECT_EQ(chain->name, expected[i].name);
    }
    EXPECT_EQ(converter.Chain(-1), nullptr);
    EXPECT_EQ(converter.Chain(DeccaConverter::ChainCount), nullptr);
    ASSERT_NE(converter.SelectedChain(), nullptr);
    EXPECT_EQ(converter.SelectedChain()->number, 25);
}

// Reference readings, computed apart from this code: station texts of the published chain table
// read as degrees, minutes, seconds; distances in metres from GeographicLib's GeodSolve on WGS84
// (echo "lat1 lon1 lat2 lon2" | GeodSolve -i -p 6); wavelengths 299792458 / (3 fR), / (2 fG),
// / (6 fP); reading = (dm - dP + baseline) / wavelength + correction; split into zones of 24, 18
// and 30 lanes. The split takes each reading to hundredths of a lane.
TEST(DeccaConverter, ReadingsNearEveryChain)
{
    struct Case {
        int32_t chain;
        double latitude;
        double longitude;
        double correction[DeccaColourCount];
        Split expected[DeccaColourCount];
    };
    const Case cases[] = {
        // readings 97.8748 22.5131 23.7318
        {25, 58.5, 10.5, {0, 0, 0}, {{1, 'E', 1.87478}, {1, 'B', 34.51309}, {1, 'A', 73.73183}}},
        {25, 58.5, 10.5, {0.37, -1.25, 2.5},
         {{1, 'E', 2.24478}, {1, 'B', 33.26309}, {1, 'A', 76.23183}}},
        // readings 21.7182 108.1383 131.7467; the green slave is west of Greenwich
        {2, 60.0, 4.0, {0, 0, 0}, {{1, 'A', 21.71816}, {1, 'G', 30.13833}, {1, 'E', 61.74665}}},
        {11, 63.5, 7.0, {0, 0, 0}, {{1, 'B', 19.92669}, {1, 'F', 35.80577}, {1, 'A', 52.71495}}},
        {24, 66.0, 11.5, {0, 0, 0}, {{1, 'B', 4.91391}, {1, 'D', 46.83652}, {1, 'A', 52.32752}}},
        {7, 69.5, 15.0, {0, 0, 0}, {{1, 'C', 4.97877}, {1, 'C', 35.40098}, {1, 'A', 51.70739}}},
        {19, 71.0, 24.0, {0, 0, 0}, {{1, 'A', 8.87441}, {1, 'F', 40.86438}, {1, 'F', 53.90356}}},
        // readings 236.5945 8.7831 51.7763
        {19, 70.0, 28.0, {-0.5, 0.75, -0.1},
         {{1, 'J', 20.59447}, {1, 'A', 38.78308}, {1, 'B', 71.77633}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("chain " + std::to_string(c.chain));
        DeccaConverter converter;
        ASSERT_TRUE(converter.SelectChain(c.chain));
        converter.SetCorrections(c.chain, c.correction[0], c.correction[1], c.correction[2]);
        const DeccaPos pos = ReadingsAt(converter, c.latitude, c.longitude);
        ExpectSplit(pos, c.expected, 0.005);
        ExpectSplit(converter.LastReading(), c.expected, 0.005);
        EXPECT_EQ(converter.LastPosition(),
                  (cmgbase::GeoPoint{deg2nrm(c.longitude), deg2nrm(c.latitude)}));
    }
}

// At the master every reading is its correction; at a slave it is twice the baseline over the
// wavelength plus the correction (Skagerrak 10B: 241.310040 red, 209.144731 green, 304.214871
// purple lanes, from the GeodSolve baselines).
TEST(DeccaConverter, ReadingsAtTheStations)
{
    DeccaConverter converter;
    converter.SetCorrections(25, 0.37, -1.25, 2.5);
    const DeccaChain& chain = *converter.SelectedChain();

    converter.ComputeReadings(chain.master.x, chain.master.y);
    ExpectSplit(converter.LastReading(), {{1, 'A', 0.37}, {0, 'J', 46.75}, {1, 'A', 52.5}}, 1e-9);

    // Readings 241.68004, 207.894731 and 306.714871 lanes.
    const Split atSlave[DeccaColourCount] = {
        {2, 'A', 1.68004}, {2, 'B', 39.894731}, {2, 'A', 56.714871}};
    const double doubled[DeccaColourCount] = {241.310040, 209.144731, 304.214871};
    for (int c = 0; c < DeccaColourCount; ++c) {
        const DeccaPos pos = converter.ComputeReadings(chain.slave[c].x, chain.slave[c].y);
        EXPECT_EQ(pos.zone[c], atSlave[c].zone) << c;
        EXPECT_EQ(pos.letter[c], atSlave[c].letter) << c;
        EXPECT_NEAR(pos.lane[c], atSlave[c].lane, 0.005) << c;
        EXPECT_NEAR(2 * chain.baseline[c] / chain.wavelength[c], doubled[c], 1e-4) << c;
    }
}

TEST(DeccaConverter, UnknownChainReadsZero)
{
    DeccaConverter converter;
    EXPECT_FALSE(converter.SelectChain(1));
    EXPECT_EQ(converter.SelectedChain(), nullptr);
    const DeccaPos pos = ReadingsAt(converter, 58.5, 10.5);
    ExpectSplit(pos, kZeroSplit, 0.0);
    EXPECT_EQ(FormatDeccaRedReading(pos), "  1A 00.00  ");
    EXPECT_EQ(FormatDeccaGreenReading(pos), "  1A 30.00  ");
    EXPECT_EQ(FormatDeccaPurpleReading(pos), "  1A 50.00  ");

    EXPECT_TRUE(converter.SelectChain(2));
    EXPECT_EQ(converter.SelectedChain()->name, "Bergen 0E");
}

TEST(DeccaConverter, CorrectionsStayWithTheirChain)
{
    DeccaConverter converter;
    converter.SetCorrections(25, 0.5, 1.5, 2.5);
    converter.SetCorrections(2, -0.5, -1.5, -2.5);
    converter.SetCorrections(1, 9.0, 9.0, 9.0);  // no such chain: nothing changes

    ASSERT_TRUE(converter.SelectChain(2));
    ASSERT_TRUE(converter.SelectChain(25));
    const DeccaChain& skagerrak = *converter.SelectedChain();
    converter.ComputeReadings(skagerrak.master.x, skagerrak.master.y);
    ExpectSplit(converter.LastReading(), {{1, 'A', 0.5}, {1, 'A', 31.5}, {1, 'A', 52.5}}, 1e-9);

    ASSERT_TRUE(converter.SelectChain(2));
    const DeccaChain& bergen = *converter.SelectedChain();
    converter.ComputeReadings(bergen.master.x, bergen.master.y);
    ExpectSplit(converter.LastReading(), {{0, 'J', 23.5}, {0, 'J', 46.5}, {0, 'J', 77.5}}, 1e-9);

    for (int i = 0; i < DeccaConverter::ChainCount; ++i) {
        const DeccaChain& chain = *converter.Chain(i);
        if (chain.number != 25 && chain.number != 2) {
            for (double correction : chain.laneCorrection)
                EXPECT_EQ(correction, 0.0) << chain.name;
        }
    }
}

TEST(DeccaConverter, NoReadingOffTheEarth)
{
    DeccaConverter converter;
    converter.ComputeReadings(0, cmgbase::kNormalisedNorthPole + 1000);
    ExpectSplit(converter.LastReading(), kZeroSplit, 0.0);
}

TEST(DeccaConverter, StationTextThatDoesNotParseStaysZero)
{
    DeccaChain chain;
    DeccaConverter::AddChain(chain, 99, "Test", "58 31 18.690 N", "11 17 40.050 X",  // bad E/W
                             "58 52 15.291 Q", "009 36 25.614 E",                     // bad N/S
                             "57 29 13.979 N", "011 57 14.276 E", "59 21 28.987 N",
                             "012 10 46.155 E", 114533.0, 128850.0, 71583.3);
    EXPECT_EQ(chain.number, 99);
    EXPECT_EQ(chain.name, "Test");
    EXPECT_EQ(chain.master, cmgbase::GeoPoint{});
    EXPECT_EQ(chain.slave[DeccaRed],
              (cmgbase::GeoPoint{deg2nrm(9 + 36 / 60.0 + 25.614 / 3600), 0}));
    EXPECT_EQ(chain.slave[DeccaGreen],
              (cmgbase::GeoPoint{deg2nrm(11 + 57 / 60.0 + 14.276 / 3600),
                                 deg2nrm(57 + 29 / 60.0 + 13.979 / 3600)}));
    EXPECT_NEAR(chain.wavelength[DeccaRed], 299792458.0 / (3 * 114533.0), 1e-9);
    EXPECT_NEAR(chain.wavelength[DeccaGreen], 299792458.0 / (2 * 128850.0), 1e-9);
    EXPECT_NEAR(chain.wavelength[DeccaPurple], 299792458.0 / (6 * 71583.3), 1e-9);
}

}  // namespace
