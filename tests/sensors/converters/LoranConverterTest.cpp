#include "sensors/LoranConverter.h"

#include "platform/geodesy/NormalisedCoordinates.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

using cmgbase::deg2nrm;

namespace {

// Reference time differences, computed apart from this code: each distance from GeographicLib's
// GeodSolve on WGS84 (echo "lat1 lon1 lat2 lon2" | GeodSolve -i -p 6), metres / 1852 x
// 1851.851806640625 (1851.8518 in single precision); then per present slot
//   TD = emission delay + t(ds) - t(dm),  t(d) = d (1.000338 / 299.792458 + 2.15475e-06) + 38673.4 / d
// with the station positions and delays of the published chain table.
struct TdCase {
    int chain;
    double latitude;
    double longitude;
    LoranTimeDifferences expected;
};

constexpr double kTolerance = 1e-3;  // microseconds; the readout shows three decimals

LoranTimeDifferences TdsAt(LoranConverter& converter, double latitude, double longitude)
{
    return converter.TimeDifferences(deg2nrm(longitude), deg2nrm(latitude));
}

void ExpectTds(const LoranTimeDifferences& actual, const LoranTimeDifferences& expected)
{
    for (size_t s = 0; s < expected.size(); ++s) {
        if (expected[s] == 0.0)
            EXPECT_EQ(actual[s], 0.0) << "slot " << s;
        else
            EXPECT_NEAR(actual[s], expected[s], kTolerance) << "slot " << s;
    }
}

TEST(LoranConverter, TimeDifferencesOfEveryChain)
{
    const TdCase cases[] = {
        {0, 44.0, -62.0, {0, 0, 13674.9889, 29413.9588, 43205.1870}},
        {1, 50.0, -128.5, {0, 0, 13845.3960, 29731.9311, 41008.2288}},
        {2, 50.0, -52.0, {0, 13163.1620, 32312.9473, 0, 0}},  // W and X only
        {3, 58.5, -146.0, {0, 0, 13236.4158, 30959.5977, 50458.0968}},
        {4, 63.0, 5.0, {0, 31096.0378, 15508.9656, 51606.8361, 64681.3140}},
        {5, 29.0, -88.0, {0, 12750.1753, 29631.4395, 46717.5298, 64073.7230}},
        {6, 36.0, 18.0, {0, 0, 13288.4943, 34554.5183, 54691.6992}},
        {7, 46.0, -104.0, {0, 15539.5528, 28120.6174, 48338.9291, 0}},
        {8, 43.0, -84.0, {0, 17297.5756, 31602.5814, 49670.5490, 68052.0802}},
        {9, 33.0, -100.0, {16704.0843, 31673.2282, 42653.7255, 56946.4423, 70748.2484}},  // V
        {10, 36.5, -122.5, {0, 16227.0645, 27380.1924, 42766.2000, 0}},
        {11, 40.0, -72.0, {0, 14869.1421, 26024.4908, 43353.1739, 59894.8202}},
        {12, 30.0, 140.0, {0, 18393.4717, 39562.2120, 61566.9954, 89727.5495}},
        {13, 63.0, -30.0, {0, 16759.9582, 35636.0856, 0, 0}},  // W and X only
        {14, 54.0, 179.5, {0, 0, 13891.2423, 34499.3756, 50130.8267}},  // across 180 degrees
    };
    LoranConverter converter;
    for (const TdCase& c : cases) {
        SCOPED_TRACE("chain " + std::to_string(c.chain));
        ASSERT_TRUE(converter.SelectChain(c.chain));
        ExpectTds(TdsAt(converter, c.latitude, c.longitude), c.expected);
    }
}

TEST(LoranConverter, TimeDifferencesAtTheEdgeOfCoverage)
{
    const TdCase cases[] = {
        {4, 36.0, -10.0, {0, 28680.9692, 18394.8946, 50329.1988, 66402.4026}},  // off Portugal
        {6, 36.1, -5.3, {0, 0, 11565.6061, 35468.9976, 47734.8706}},            // Gibraltar
        {12, -10.0, 150.0, {0, 14796.3174, 43067.2163, 61884.4594, 81004.4600}},  // south of Guam
        {14, 45.0, -175.0, {0, 0, 14320.1018, 35128.3240, 48899.5005}},
    };
    LoranConverter converter;
    for (const TdCase& c : cases) {
        SCOPED_TRACE("chain " + std::to_string(c.chain));
        ASSERT_TRUE(converter.SelectChain(c.chain));
        ExpectTds(TdsAt(converter, c.latitude, c.longitude), c.expected);
    }
}

TEST(LoranConverter, NewConverterReadsTheNorwegianSeaChain)
{
    LoranConverter converter;
    EXPECT_EQ(converter.SelectedChainIndex(), 4);
    EXPECT_EQ(converter.SelectedChain().gri, 7970);
    EXPECT_EQ(converter.LastPosition(), cmgbase::GeoPoint{});
    const LoranTimeDifferences tds = TdsAt(converter, 63.0, 5.0);
    ExpectTds(tds, {0, 31096.0378, 15508.9656, 51606.8361, 64681.3140});
    EXPECT_EQ(converter.LastResult(), tds);
    EXPECT_EQ(converter.LastPosition(), (cmgbase::GeoPoint{deg2nrm(5.0), deg2nrm(63.0)}));
}

TEST(LoranConverter, ChainsInListOrder)
{
    struct Chain {
        int32_t gri;
        const char* name;
        const char* master;
        int secondaries;
    };
    const Chain expected[LoranConverter::ChainCount] = {
        {5930, "CANADIAN EAST COAST CHAIN", "Caribou, ME", 3},
        {5990, "CANADIAN WEST COAST CHAIN", "Williams Lake, Canada", 3},
        {7930, "LABRADOR SEA CHAIN", "Fox Harbour, Canada", 2},
        {7960, "GULF OF ALASKA CHAIN", "Tok, AK", 3},
        {7970, "NORWEGIAN SEA CHAIN", "Ejde, Denmark", 4},
        {7980, "SOUTHEAST U.S. CHAIN", "Malone, FL", 4},
        {7990, "MEDITERRANEAN CHAIN", "Sellia Marina, Italy", 3},
        {8290, "NORTH CENTRAL U.S. CHAIN", "Havre, MT", 3},
        {8970, "GREAT LAKES CHAIN", "Dana, IN", 4},
        {9610, "SOUTH CENTRAL U.S. CHAIN", "Boise City, OK", 5},
        {9940, "U.S. WEST COAST CHAIN", "Fallon, NV", 3},
        {9960, "NORTHEAST U.S. CHAIN", "Seneca, NY", 4},
        {9970, "NORTHWEST PACIFIC CHAIN", "Iwo Jima, Japan", 4},
        {9980, "ICELANDIC CHAIN", "Sandur, Iceland", 2},
        {9990, "NORTH PACIFIC CHAIN", "Saint Paul, AK", 3},
    };
    const LoranConverter converter;
    for (int i = 0; i < LoranConverter::ChainCount; ++i) {
        const LoranChain* chain = converter.Chain(i);
        ASSERT_NE(chain, nullptr);
        EXPECT_EQ(chain->gri, expected[i].gri);
        EXPECT_EQ(chain->chainName, expected[i].name);
        EXPECT_EQ(chain->masterName, expected[i].master);
        int present = 0;
        for (const LoranTransmitter& secondary : chain->secondaries)
            present += secondary.present;
        EXPECT_EQ(present, expected[i].secondaries) << chain->chainName;
    }
    // Names are Windows-1252 texts.
    EXPECT_EQ(converter.Chain(4)->secondaries[2].name, "B\xF8, Norway");
    EXPECT_EQ(converter.Chain(-1), nullptr);
    EXPECT_EQ(converter.Chain(LoranConverter::ChainCount), nullptr);
}

TEST(LoranConverter, SecondarySlotKeepsTheBaselineDelay)
{
    const LoranConverter converter;
    const LoranTransmitter& sylt = converter.Chain(4)->secondaries[1];
    EXPECT_EQ(sylt.name, "Sylt, Germany");
    EXPECT_EQ(sylt.codingDelay, 26000);
    EXPECT_NEAR(sylt.baselineDelay, 30065.64 - 26000, 1e-9);
    EXPECT_EQ(sylt.position, (cmgbase::GeoPoint{deg2nrm(8.293573889), deg2nrm(54.80832278)}));
}

TEST(LoranConverter, IndexOutsideTheListKeepsTheChain)
{
    LoranConverter converter;
    ASSERT_TRUE(converter.SelectChain(9));
    for (int index : {-1, 15, 1000, INT32_MIN}) {
        EXPECT_FALSE(converter.SelectChain(index)) << index;
        EXPECT_EQ(converter.SelectedChainIndex(), 9) << index;
    }
    ASSERT_TRUE(converter.SelectChain(0));
    ASSERT_TRUE(converter.SelectChain(14));
    EXPECT_EQ(converter.SelectedChain().gri, 9990);
}

// At a station a distance is zero and the model's near-field term has no value: those slots read
// 0.0 instead of an infinity.
TEST(LoranConverter, NoReadingWhereADistanceIsZero)
{
    LoranConverter converter;
    const LoranChain& chain = converter.SelectedChain();
    const LoranTimeDifferences atMaster =
        converter.TimeDifferences(chain.masterPosition.x, chain.masterPosition.y);
    EXPECT_EQ(atMaster, LoranTimeDifferences{});

    const cmgbase::GeoPoint bo = chain.secondaries[2].position;
    const LoranTimeDifferences atSecondary = converter.TimeDifferences(bo.x, bo.y);
    ExpectTds(atSecondary, {0, 31269.4590, 0, 50603.9850, 62253.9316});
}

TEST(LoranConverter, NoReadingOffTheEarth)
{
    LoranConverter converter;
    TdsAt(converter, 63.0, 5.0);
    const int32_t beyondNorthPole = cmgbase::kNormalisedNorthPole + 1000;
    EXPECT_EQ(converter.TimeDifferences(0, beyondNorthPole), LoranTimeDifferences{});
    EXPECT_EQ(converter.LastResult(), LoranTimeDifferences{});
    EXPECT_EQ(converter.LastPosition(), (cmgbase::GeoPoint{0, beyondNorthPole}));
}

}  // namespace
