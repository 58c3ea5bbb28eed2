// Tide ports and heights from the harmonics file of the xtide data.

#include "platform/chartengine/ChartTestSupport.h"

#include "platform/chartengine/TidesDatabase.h"

#include <gtest/gtest.h>

#include <cmath>
#include <span>

using namespace chartengine;

namespace {

struct Sample {
    int64_t utcSeconds;
    double metres;
};

// Reference heights through 2025, every 9 days 7 h 13 min from 1 January 00:00 UTC. They were
// written once by an independent predictor (tests/fixtures/tides): dump_constants.c read each
// station's constants with libtcd's per-year accessors, and predict_heights.py summed the
// harmonics with Python's own date arithmetic.
constexpr Sample kAnnapolis[] = {
    {1735689600, 0.3120},
    {1736493180, 0.1224},
    {1737296760, 0.1954},
    {1738100340, 0.3083},
    {1738903920, 0.1554},
    {1739707500, 0.2529},
    {1740511080, 0.2854},
    {1741314660, 0.1940},
    {1742118240, 0.2986},
    {1742921820, 0.2763},
    {1743725400, 0.2117},
    {1744528980, 0.2813},
    {1745332560, 0.2878},
    {1746136140, 0.1923},
    {1746939720, 0.2060},
    {1747743300, 0.2808},
    {1748546880, 0.1568},
    {1749350460, 0.1238},
    {1750154040, 0.2274},
    {1750957620, 0.1610},
    {1751761200, 0.0857},
    {1752564780, 0.1644},
    {1753368360, 0.2407},
    {1754171940, 0.1013},
    {1754975520, 0.1595},
    {1755779100, 0.3597},
    {1756582680, 0.1401},
    {1757386260, 0.2317},
    {1758189840, 0.4391},
    {1758993420, 0.1701},
    {1759797000, 0.3290},
    {1760600580, 0.4388},
    {1761404160, 0.1828},
    {1762207740, 0.3796},
    {1763011320, 0.3851},
    {1763814900, 0.1790},
    {1764618480, 0.3555},
    {1765422060, 0.3192},
    {1766225640, 0.1591},
    {1767029220, 0.2919},
};

constexpr Sample kCovePoint[] = {
    {1735689600, 0.0516},
    {1736493180, 0.0130},
    {1737296760, 0.0489},
    {1738100340, 0.1232},
    {1738903920, 0.0954},
    {1739707500, 0.1413},
    {1740511080, 0.2228},
    {1741314660, 0.1982},
    {1742118240, 0.2687},
    {1742921820, 0.2984},
    {1743725400, 0.2971},
    {1744528980, 0.3414},
    {1745332560, 0.3324},
    {1746136140, 0.3522},
    {1746939720, 0.3196},
    {1747743300, 0.3394},
    {1748546880, 0.3383},
    {1749350460, 0.2501},
    {1750154040, 0.3258},
    {1750957620, 0.2699},
    {1751761200, 0.2008},
    {1752564780, 0.2757},
    {1753368360, 0.1942},
    {1754171940, 0.1873},
    {1754975520, 0.1915},
    {1755779100, 0.1575},
    {1756582680, 0.1764},
    {1757386260, 0.1158},
    {1758189840, 0.1651},
    {1758993420, 0.1392},
    {1759797000, 0.0881},
    {1760600580, 0.1774},
    {1761404160, 0.0851},
    {1762207740, 0.0971},
    {1763011320, 0.1623},
    {1763814900, 0.0507},
    {1764618480, 0.1067},
    {1765422060, 0.1425},
    {1766225640, 0.0647},
    {1767029220, 0.1155},
};

class Tides : public ::testing::Test {
protected:
    void SetUp() override
    {
        charttest::LinkTides(folder_.path());
        ASSERT_EQ(tides_.Open(folder_.path() / "TIDES"), kOk);
    }

    int32_t PortNamed(const std::string& prefix)
    {
        int32_t count = 0;
        EXPECT_EQ(tides_.PortCount(&count), kOk);
        for (int32_t i = 0; i < count; ++i) {
            double latitude = 0.0, longitude = 0.0;
            std::string name;
            EXPECT_EQ(tides_.Port(i, &latitude, &longitude, &name), kOk);
            if (name.starts_with(prefix))
                return i;
        }
        return -1;
    }

    charttest::TemporaryFolder folder_;
    TidesDatabase tides_;
};

TEST_F(Tides, PortsNearTheCellAreFound)
{
    int32_t count = 0;
    ASSERT_EQ(tides_.PortCount(&count), kOk);
    EXPECT_EQ(count, 1080) << "the reference stations of tide heights, no currents";
    const struct {
        const char* name;
        double latitude;
        double longitude;
    } ports[] = {{"Annapolis (US Naval Academy), Severn River, Maryland", 38.98328, -76.48156},
                 {"Cove Point, Chesapeake Bay, Maryland", 38.3917, -76.3983}};
    for (const auto& port : ports) {
        const int32_t index = PortNamed(port.name);
        ASSERT_GE(index, 0) << port.name;
        double latitude = 0.0, longitude = 0.0;
        std::string name;
        ASSERT_EQ(tides_.Port(index, &latitude, &longitude, &name), kOk);
        EXPECT_NEAR(latitude, port.latitude, 1e-4);
        EXPECT_NEAR(longitude, port.longitude, 1e-4);
    }
}

TEST_F(Tides, HeightsAgreeWithAnIndependentPredictorWithinACentimetre)
{
    const struct {
        const char* port;
        std::span<const Sample> samples;
    } stations[] = {{"Annapolis (US Naval Academy)", kAnnapolis}, {"Cove Point, Chesapeake Bay, Maryland", kCovePoint}};
    for (const auto& station : stations) {
        const int32_t index = PortNamed(station.port);
        ASSERT_GE(index, 0);
        for (const Sample& sample : station.samples) {
            double height = 0.0;
            ASSERT_EQ(tides_.Height(index, sample.utcSeconds, &height), kOk);
            EXPECT_NEAR(height, sample.metres, 0.01) << station.port << " at " << sample.utcSeconds;
        }
    }
}

TEST_F(Tides, PortDayIsSampledFromMidnightOfItsStandardTime)
{
    const int32_t index = PortNamed("Annapolis (US Naval Academy)");
    std::unique_ptr<TidesPort> port;
    ASSERT_EQ(tides_.OpenPort(index, &port), kOk);
    int32_t hoursWest = 0;
    ASSERT_EQ(port->TimeZone(&hoursWest), kOk);
    EXPECT_EQ(hoursWest, 5);
    int32_t highest = 0;
    EXPECT_EQ(port->HighestIndex(&highest), kNotReady);

    const QDate summer(2025, 7, 1);
    ASSERT_EQ(port->Calculate(0.5, summer), kOk);
    ASSERT_EQ(port->SampleCount(), 49);
    // 00:00 at UTC-5 is 05:00 UTC, daylight saving time or not.
    const int64_t midnight = QDateTime(summer, QTime(5, 0), Qt::UTC).toSecsSinceEpoch();
    for (const int32_t i : {0, 21, 48}) {
        double sampled = 0.0, direct = 0.0;
        ASSERT_EQ(port->HeightAt(i, &sampled), kOk);
        ASSERT_EQ(tides_.Height(index, midnight + i * 1800, &direct), kOk);
        EXPECT_DOUBLE_EQ(sampled, direct);
    }
    int32_t lowest = 0;
    double high = 0.0, low = 0.0;
    ASSERT_EQ(port->HighestIndex(&highest), kOk);
    ASSERT_EQ(port->LowestIndex(&lowest), kOk);
    ASSERT_EQ(port->HighestHeight(&high), kOk);
    ASSERT_EQ(port->LowestHeight(&low), kOk);
    for (int32_t i = 0; i < port->SampleCount(); ++i) {
        double height = 0.0;
        ASSERT_EQ(port->HeightAt(i, &height), kOk);
        EXPECT_LE(height, high);
        EXPECT_GE(height, low);
    }
    EXPECT_GT(high - low, 0.1);
    double none = 0.0;
    EXPECT_EQ(port->HeightAt(49, &none), kInvalidArgument);
    EXPECT_EQ(port->HeightAt(-1, &none), kInvalidArgument);
    EXPECT_EQ(port->Calculate(0.0, summer), kInvalidArgument);
    EXPECT_EQ(port->Calculate(0.5, QDate()), kInvalidArgument);
}

TEST_F(Tides, TimesAndPortsOutsideTheFileAreRefused)
{
    double height = 0.0;
    const int64_t year2200 = 7258118400;
    EXPECT_EQ(tides_.Height(0, year2200, &height), kInvalidArgument);
    EXPECT_EQ(tides_.Height(-1, 0, &height), kInvalidArgument);
    EXPECT_EQ(tides_.Height(1080, 0, &height), kInvalidArgument);
    std::unique_ptr<TidesPort> port;
    EXPECT_EQ(tides_.OpenPort(1080, &port), kInvalidArgument);
}

TEST(TidesDatabase, FolderWithoutHarmonicsOrStations)
{
    charttest::TemporaryFolder folder;
    TidesDatabase tides;
    EXPECT_EQ(tides.Open(folder.path()), kFileNotFound);
    EXPECT_EQ(tides.Open(folder.path() / "missing"), kFileNotFound);
    charttest::WriteHarmonicsWithoutStations(folder.path() / "empty.tcd");
    ASSERT_EQ(tides.Open(folder.path()), kOk);
    int32_t count = -1;
    ASSERT_EQ(tides.PortCount(&count), kOk);
    EXPECT_EQ(count, 0);
}

}  // namespace
