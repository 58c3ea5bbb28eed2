// The LORAN-C converter against a computation of its model apart from it: distances from
// GeographicLib's own WGS84 geodesic, metres / 1852 x 1851.8518f, the propagation time
//   t(d) = d (1.000338 / 299.792458 + 2.15475e-06) + 38673.4 / d
// and TD = emission delay + t(secondary distance) - t(master distance), at the position the
// converter receives.
#include "GeodesicOracle.h"

#include "sensors/LoranConverter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

using cmgbase::GeoPoint;

namespace {

double ModelMetres(const LatLon& from, const LatLon& to)
{
    return GeodesicMetres(from, to) / 1852.0 * double(1851.8518f);
}

double TravelTime(double metres)
{
    return metres * (1.000338 / 299.792458 + 2.15475e-06) + 38673.4 / metres;
}

double EmissionDelay(const LoranTransmitter& secondary)
{
    return secondary.codingDelay + secondary.baselineDelay;
}

LatLon Master(const LoranChain& chain)
{
    return ToLatLon(chain.masterPosition);
}

LatLon Secondary(const LoranChain& chain, int slot)
{
    return ToLatLon(chain.secondaries[size_t(slot)].position);
}

double OracleTd(const LoranChain& chain, int slot, const LatLon& at)
{
    return EmissionDelay(chain.secondaries[size_t(slot)]) +
           TravelTime(ModelMetres(at, Secondary(chain, slot))) -
           TravelTime(ModelMetres(at, Master(chain)));
}

double BaselineTime(const LoranChain& chain, int slot)
{
    return TravelTime(ModelMetres(Master(chain), Secondary(chain, slot)));
}

std::vector<int> PresentSlots(const LoranChain& chain)
{
    std::vector<int> slots;
    for (int s = 0; s < LoranChain::SlotCount; ++s)
        if (chain.secondaries[size_t(s)].present)
            slots.push_back(s);
    return slots;
}

std::string Name(const LoranChain& chain, int slot)
{
    return std::to_string(chain.gri) + " " + "VWXYZ"[slot];
}

std::vector<GeoPoint> Coverage(const LoranChain& chain)
{
    std::vector<LatLon> stations{Master(chain)};
    for (int s : PresentSlots(chain))
        stations.push_back(Secondary(chain, s));
    return CoverageGrid(stations, 2.0, 7);
}

std::string Printed(double td)
{
    char text[32];
    std::snprintf(text, sizeof text, "%09.3f", td);
    return text;
}

TEST(LoranOracle, TimeDifferencesAgreeOverEveryChainsCoverage)
{
    LoranConverter converter;
    bool acrossTheAntimeridian[2] = {false, false};
    for (int c = 0; c < LoranConverter::ChainCount; ++c) {
        ASSERT_TRUE(converter.SelectChain(c));
        const LoranChain& chain = converter.SelectedChain();
        for (const GeoPoint& at : Coverage(chain)) {
            const LoranTimeDifferences tds = converter.TimeDifferences(at.x, at.y);
            for (int s = 0; s < LoranChain::SlotCount; ++s) {
                SCOPED_TRACE(Name(chain, s) + " at " + std::to_string(ToLatLon(at).latitude) +
                             " " + std::to_string(ToLatLon(at).longitude));
                if (chain.secondaries[size_t(s)].present)
                    EXPECT_NEAR(tds[size_t(s)], OracleTd(chain, s, ToLatLon(at)), 1e-6);
                else
                    EXPECT_EQ(tds[size_t(s)], 0.0);
            }
            if (chain.gri == 9990)
                acrossTheAntimeridian[ToLatLon(at).longitude > 0] = true;
        }
    }
    EXPECT_TRUE(acrossTheAntimeridian[0] && acrossTheAntimeridian[1]);
}

// Where the two distances are equal the reading is the emission delay; on the baseline's
// extension it lies within half a microsecond of the delay less (beyond the secondary) or plus
// (beyond the master) the travel time over the baseline, the near-field term being all that
// differs there.
TEST(LoranOracle, ReadingsOnTheBisectorAndTheBaselineExtensions)
{
    LoranConverter converter;
    for (int c = 0; c < LoranConverter::ChainCount; ++c) {
        ASSERT_TRUE(converter.SelectChain(c));
        const LoranChain& chain = converter.SelectedChain();
        const LatLon master = Master(chain);
        for (int s : PresentSlots(chain)) {
            SCOPED_TRACE(Name(chain, s));
            const LatLon secondary = Secondary(chain, s);
            const double delay = EmissionDelay(chain.secondaries[size_t(s)]);
            for (double offset : {0.0, 150e3, -400e3}) {
                const GeoPoint on = BisectorPoint(master, secondary, offset);
                EXPECT_NEAR(converter.TimeDifferences(on.x, on.y)[size_t(s)], delay, 1e-6)
                    << offset;
            }
            const double baseline = GeodesicMetres(master, secondary);
            const double outward = GeodesicAzimuth(master, secondary);
            const double inward = GeodesicAzimuth(secondary, master);
            for (double beyond : {200e3, 600e3}) {
                const GeoPoint pastSecondary =
                    ToGeoPoint(GeodesicDirect(master, outward, baseline + beyond));
                EXPECT_NEAR(converter.TimeDifferences(pastSecondary.x, pastSecondary.y)[size_t(s)],
                            delay - BaselineTime(chain, s), 0.5);
                const GeoPoint pastMaster =
                    ToGeoPoint(GeodesicDirect(secondary, inward, baseline + beyond));
                EXPECT_NEAR(converter.TimeDifferences(pastMaster.x, pastMaster.y)[size_t(s)],
                            delay + BaselineTime(chain, s), 0.5);
            }
        }
    }
}

// Each emission delay less its coding delay is the travel time over the baseline plus the small
// margin the chains keep. Port Clarence in the Gulf of Alaska chain has a coding delay 1000
// microseconds too large for its baseline; only the emission delay enters a reading.
TEST(LoranOracle, DelaysFitTheBaselines)
{
    const LoranConverter converter;
    int agreeing = 0;
    for (int c = 0; c < LoranConverter::ChainCount; ++c) {
        const LoranChain& chain = *converter.Chain(c);
        for (int s : PresentSlots(chain)) {
            SCOPED_TRACE(Name(chain, s));
            const LoranTransmitter& secondary = chain.secondaries[size_t(s)];
            const bool portClarence = chain.gri == 7960 && s == 4;
            const double codingDelay = secondary.codingDelay - (portClarence ? 1000 : 0);
            const double margin = BaselineTime(chain, s) - (EmissionDelay(secondary) - codingDelay);
            EXPECT_GE(margin, -0.1);
            EXPECT_LE(margin, 0.4);
            agreeing += !portClarence;
        }
    }
    EXPECT_EQ(agreeing, 49);
    EXPECT_DOUBLE_EQ(EmissionDelay(converter.Chain(14)->secondaries[2]), 14875.30);  // Attu
}

// Position -> time differences -> position by Newton's method on the oracle, with the pair of
// secondaries whose lines of position cross at the widest angle, wherever that is over 30
// degrees: to 0.1 m from the full values, and from the printed values to a position whose time
// differences print the same.
TEST(LoranOracle, PositionsComeBackFromTheirTimeDifferences)
{
    LoranConverter converter;
    int positions = 0;
    for (int c = 0; c < LoranConverter::ChainCount; ++c) {
        ASSERT_TRUE(converter.SelectChain(c));
        const LoranChain& chain = converter.SelectedChain();
        const std::vector<int> slots = PresentSlots(chain);
        for (const GeoPoint& at : Coverage(chain)) {
            const LatLon truth = ToLatLon(at);
            int first = -1, second = -1;
            double widest = 30.0;
            for (size_t i = 0; i < slots.size(); ++i)
                for (size_t j = i + 1; j < slots.size(); ++j) {
                    const double angle = CrossingAngle(truth, Master(chain),
                                                       Secondary(chain, slots[i]),
                                                       Secondary(chain, slots[j]));
                    if (angle > widest) {
                        widest = angle;
                        first = slots[i];
                        second = slots[j];
                    }
                }
            if (first < 0)
                continue;
            SCOPED_TRACE(Name(chain, first) + "/" + Name(chain, second) + " at " +
                         std::to_string(truth.latitude) + " " + std::to_string(truth.longitude));
            ++positions;
            const TwoReadings readings = [&](const LatLon& p) {
                return std::array<double, 2>{OracleTd(chain, first, p), OracleTd(chain, second, p)};
            };
            const LatLon start{truth.latitude + 0.03, truth.longitude - 0.04};

            const LoranTimeDifferences tds = converter.TimeDifferences(at.x, at.y);
            const LatLon back = SolvePosition(
                readings, {tds[size_t(first)], tds[size_t(second)]}, start);
            EXPECT_LT(GeodesicMetres(back, truth), 0.1);

            const std::string printed[2] = {Printed(tds[size_t(first)]),
                                            Printed(tds[size_t(second)])};
            const LatLon fromText = SolvePosition(
                readings, {std::stod(printed[0]), std::stod(printed[1])}, start);
            const GeoPoint there = ToGeoPoint(fromText);
            const LoranTimeDifferences again = converter.TimeDifferences(there.x, there.y);
            EXPECT_EQ(Printed(again[size_t(first)]), printed[0]);
            EXPECT_EQ(Printed(again[size_t(second)]), printed[1]);
        }
    }
    EXPECT_GT(positions, 300);
}

}  // namespace
