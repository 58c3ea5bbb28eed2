// The Decca converter against a computation of its readings apart from it: distances from
// GeographicLib's own WGS84 geodesic (metres / 1852 x 1852.0), comparison wavelengths
// 299792458 / 3f, / 2f and / 6f from the slaves' published frequencies, and
//   reading = (master distance - slave distance + baseline) / wavelength + lane correction
// at the position the converter receives.
#include "GeodesicOracle.h"

#include "sensors/DeccaConverter.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

using cmgbase::GeoPoint;

namespace {

constexpr int kLanes[DeccaColourCount] = {24, 18, 30};
constexpr double kFirstLane[DeccaColourCount] = {0, 30, 50};
constexpr double kComparison[DeccaColourCount] = {3, 2, 6};
const char* const kColour[DeccaColourCount] = {"red", "green", "purple"};

// The slaves' transmission frequencies by chain number.
const std::map<int32_t, std::array<double, DeccaColourCount>> kFrequencies = {
    {25, {114533.0, 128850.0, 71583.3}}, {2, {112260.0, 126292.5, 70162.5}},
    {11, {113220.0, 127372.5, 70762.5}}, {24, {114413.5, 128715.0, 71508.3}},
    {7, {112980.0, 127102.5, 70612.5}},  {19, {113940.0, 128182.5, 71212.5}},
};

// Corrections of a few lanes either way, set on every chain.
constexpr double kCorrection[DeccaColourCount] = {0.5, -1.25, 2.75};

double ModelMetres(const LatLon& from, const LatLon& to)
{
    return GeodesicMetres(from, to) / 1852.0 * 1852.0;
}

double Wavelength(const DeccaChain& chain, int colour)
{
    return 299792458.0 / (kFrequencies.at(chain.number)[size_t(colour)] * kComparison[colour]);
}

LatLon Master(const DeccaChain& chain)
{
    return ToLatLon(chain.master);
}

LatLon Slave(const DeccaChain& chain, int colour)
{
    return ToLatLon(chain.slave[size_t(colour)]);
}

double Baseline(const DeccaChain& chain, int colour)
{
    return ModelMetres(Master(chain), Slave(chain, colour));
}

double OracleReading(const DeccaChain& chain, int colour, const LatLon& at)
{
    return (ModelMetres(at, Master(chain)) - ModelMetres(at, Slave(chain, colour)) +
            Baseline(chain, colour)) /
               Wavelength(chain, colour) +
           kCorrection[colour];
}

std::vector<GeoPoint> Coverage(const DeccaChain& chain)
{
    return CoverageGrid({Master(chain), Slave(chain, 0), Slave(chain, 1), Slave(chain, 2)}, 1.0,
                        7);
}

// A converter with the corrections set on every chain.
DeccaConverter Corrected()
{
    DeccaConverter converter;
    for (int i = 0; i < DeccaConverter::ChainCount; ++i)
        converter.SetCorrections(converter.Chain(i)->number, kCorrection[0], kCorrection[1],
                                 kCorrection[2]);
    return converter;
}

std::array<std::string, DeccaColourCount> Texts(const DeccaPos& pos)
{
    return {FormatDeccaRedReading(pos), FormatDeccaGreenReading(pos),
            FormatDeccaPurpleReading(pos)};
}

// The lane reading a readout text stands for.
double ReadingOfText(const std::string& text, int colour)
{
    int zone = 0;
    char letter = 0;
    double lane = 0;
    EXPECT_EQ(std::sscanf(text.c_str(), " %d%c %lf", &zone, &letter, &lane), 3) << text;
    return ((zone - 1) * 10 + (letter - 'A')) * kLanes[colour] + lane - kFirstLane[colour];
}

TEST(DeccaOracle, EveryStationOfTheTableIsParsed)
{
    const DeccaConverter converter;
    for (int i = 0; i < DeccaConverter::ChainCount; ++i) {
        const DeccaChain& chain = *converter.Chain(i);
        for (const LatLon& station :
             {Master(chain), Slave(chain, 0), Slave(chain, 1), Slave(chain, 2)}) {
            SCOPED_TRACE(chain.name + " " + std::to_string(station.latitude) + " " +
                         std::to_string(station.longitude));
            EXPECT_GT(station.latitude, 57.0);
            EXPECT_LT(station.latitude, 72.0);
            EXPECT_GT(station.longitude, -2.0);  // Bergen's green slave lies west of Greenwich
            EXPECT_LT(station.longitude, 31.0);
            EXPECT_NE(station.longitude, 0.0);
        }
        for (int c = 0; c < DeccaColourCount; ++c)
            EXPECT_NEAR(chain.wavelength[size_t(c)], Wavelength(chain, c), 1e-9);
    }
}

TEST(DeccaOracle, ReadingsAgreeOverEveryChainsCoverage)
{
    DeccaConverter converter = Corrected();
    for (int i = 0; i < DeccaConverter::ChainCount; ++i) {
        ASSERT_TRUE(converter.SelectChain(converter.Chain(i)->number));
        const DeccaChain& chain = *converter.SelectedChain();
        for (const GeoPoint& at : Coverage(chain)) {
            SCOPED_TRACE(chain.name + " at " + std::to_string(ToLatLon(at).latitude) + " " +
                         std::to_string(ToLatLon(at).longitude));
            std::array<double, DeccaColourCount> reading{};
            ASSERT_TRUE(converter.LaneReadings(at.x, at.y, reading));
            for (int c = 0; c < DeccaColourCount; ++c)
                EXPECT_NEAR(reading[size_t(c)], OracleReading(chain, c, ToLatLon(at)), 1e-7)
                    << kColour[c];
            const DeccaPos pos = converter.ComputeReadings(at.x, at.y);
            converter.SplitReading(reading[0], reading[1], reading[2]);
            EXPECT_EQ(Texts(pos), Texts(converter.LastReading()));
        }
    }
}

// The master reads the corrections, a slave twice its baseline in lanes, the bisector of master
// and slave the baseline in lanes, each plus the correction.
TEST(DeccaOracle, ReadingsAtTheStationsAndOnTheBisectors)
{
    DeccaConverter converter = Corrected();
    for (int i = 0; i < DeccaConverter::ChainCount; ++i) {
        ASSERT_TRUE(converter.SelectChain(converter.Chain(i)->number));
        const DeccaChain& chain = *converter.SelectedChain();
        std::array<double, DeccaColourCount> reading{};
        ASSERT_TRUE(converter.LaneReadings(chain.master.x, chain.master.y, reading));
        for (int c = 0; c < DeccaColourCount; ++c) {
            SCOPED_TRACE(chain.name + " " + kColour[c]);
            EXPECT_NEAR(reading[size_t(c)], kCorrection[c], 1e-9);
            const double lanes = Baseline(chain, c) / Wavelength(chain, c);
            const GeoPoint slave = chain.slave[size_t(c)];
            std::array<double, DeccaColourCount> atSlave{};
            ASSERT_TRUE(converter.LaneReadings(slave.x, slave.y, atSlave));
            EXPECT_NEAR(atSlave[size_t(c)], 2 * lanes + kCorrection[c], 1e-9);
            for (double offset : {0.0, 60e3, -120e3}) {
                const GeoPoint on = BisectorPoint(Master(chain), Slave(chain, c), offset);
                std::array<double, DeccaColourCount> onBisector{};
                ASSERT_TRUE(converter.LaneReadings(on.x, on.y, onBisector));
                EXPECT_NEAR(onBisector[size_t(c)], lanes + kCorrection[c], 1e-6) << offset;
            }
        }
    }
}

// Position -> readings -> position by Newton's method on the oracle with the two patterns whose
// lines of position cross at the wider angle, wherever that is over 30 degrees: to 0.1 m from the
// full readings, and from the printed texts to a position whose readings print the same.
TEST(DeccaOracle, PositionsComeBackFromTheirReadings)
{
    DeccaConverter converter = Corrected();
    int positions = 0;
    for (int i = 0; i < DeccaConverter::ChainCount; ++i) {
        ASSERT_TRUE(converter.SelectChain(converter.Chain(i)->number));
        const DeccaChain& chain = *converter.SelectedChain();
        for (const GeoPoint& at : Coverage(chain)) {
            const LatLon truth = ToLatLon(at);
            int first = -1, second = -1;
            double widest = 30.0;
            for (int a = 0; a < DeccaColourCount; ++a)
                for (int b = a + 1; b < DeccaColourCount; ++b) {
                    const double angle =
                        CrossingAngle(truth, Master(chain), Slave(chain, a), Slave(chain, b));
                    if (angle > widest) {
                        widest = angle;
                        first = a;
                        second = b;
                    }
                }
            if (first < 0)
                continue;
            SCOPED_TRACE(chain.name + " " + kColour[first] + "/" + kColour[second] + " at " +
                         std::to_string(truth.latitude) + " " + std::to_string(truth.longitude));
            ++positions;
            const TwoReadings readings = [&](const LatLon& p) {
                return std::array<double, 2>{OracleReading(chain, first, p),
                                             OracleReading(chain, second, p)};
            };
            const LatLon start{truth.latitude + 0.01, truth.longitude - 0.02};

            std::array<double, DeccaColourCount> reading{};
            ASSERT_TRUE(converter.LaneReadings(at.x, at.y, reading));
            const LatLon back = SolvePosition(
                readings, {reading[size_t(first)], reading[size_t(second)]}, start);
            EXPECT_LT(GeodesicMetres(back, truth), 0.1);

            const auto texts = Texts(converter.ComputeReadings(at.x, at.y));
            const LatLon fromText = SolvePosition(
                readings,
                {ReadingOfText(texts[size_t(first)], first),
                 ReadingOfText(texts[size_t(second)], second)},
                start);
            const GeoPoint there = ToGeoPoint(fromText);
            const auto again = Texts(converter.ComputeReadings(there.x, there.y));
            EXPECT_EQ(again[size_t(first)], texts[size_t(first)]);
            EXPECT_EQ(again[size_t(second)], texts[size_t(second)]);
        }
    }
    EXPECT_GT(positions, 150);
}

}  // namespace
