// Search patterns laid into real files and read back from the point file, each leg measured by
// GeographicLib's GeodSolve, independently of our geodesy:
//   printf 'lat1 lon1 lat2 lon2\n...' | GeodSolve -i -p 6    (azi1 azi2 s12 in metres, a line each)

#include "RouteDatabaseFixture.h"

#include "platform/system/TempFolder.h"
#include "userdata/DrawnPoints.h"
#include "userdata/ObjectDialogHooks.h"
#include "userdata/ObjectPoints.h"
#include "userdata/SearchPatterns.h"
#include "userdata/StoredPosition.h"
#include "userdata/UserDatabase.h"

#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <vector>

using namespace platform::isam;

namespace {

constexpr double MetresPerMile = 1852.0;

struct Measured {
    double azimuth;  // degrees, 0..360
    double miles;
};

double Degrees(int32_t stored)
{
    return stored / double(PositionUnitsPerDegree);
}

// GeodSolve's inverse problem between each pair of points.
std::vector<Measured> MeasureWithGeodSolve(const std::vector<std::pair<PointRecord, PointRecord>>& pairs)
{
    TempFolder folder;
    const std::filesystem::path input = folder / "pairs.txt";
    {
        std::ofstream out(input);
        out.precision(12);
        for (const auto& [from, to] : pairs)
            out << Degrees(from.latitude) << ' ' << Degrees(from.longitude) << ' ' << Degrees(to.latitude) << ' '
                << Degrees(to.longitude) << '\n';
    }
    std::vector<Measured> measured;
    FILE* pipe = popen(("GeodSolve -i -p 6 < '" + input.string() + "'").c_str(), "r");
    if (!pipe)
        return measured;
    double azimuth = 0, back = 0, metres = 0;
    while (std::fscanf(pipe, "%lf %lf %lf", &azimuth, &back, &metres) == 3)
        measured.push_back({azimuth < 0 ? azimuth + 360 : azimuth, metres / MetresPerMile});
    pclose(pipe);
    return measured;
}

double AngleBetween(double a, double b)
{
    const double d = std::fmod(std::fabs(a - b), 360.0);
    return std::min(d, 360.0 - d);
}

class SearchPatternsTest : public RouteDatabaseTest {
protected:
    void SetUp() override
    {
        RouteDatabaseTest::SetUp();
        ObjectDialogHook.lineId = [this] { return lineId; };
        ObjectDialogHook.setLineId = [this](int32_t id) { lineId = id; };
        SearchPatternHook.ownPosition = [] { return std::optional(At(38.97, -76.45)); };
        SearchPatternHook.chartCentre = [] { return At(38.90, -76.30); };
        SearchPatternHook.finishRoute = [this] { ++routesFinished; };
        SearchPatternHook.finishLine = [this] { ++linesFinished; };
    }
    void TearDown() override
    {
        ObjectDialogHook = {};
        SearchPatternHook = {};
        RouteDatabaseTest::TearDown();
    }

    int32_t lineId = 0;
    int routesFinished = 0;
    int linesFinished = 0;
};

// Legs as multiples of D (or W when `across`) on the course plus a turn.
struct Leg {
    double d;
    double w;
    double turn;
};

std::vector<Leg> ExpectedLegs(SarPatternType type, int32_t legs)
{
    std::vector<Leg> expected;
    for (int32_t k = 1; k <= legs; ++k) {
        switch (type) {
        case SarPatternType::Sector: {
            // D, D, 2D, D, 2D, D, D on c, c + 120, c + 240, c, ..., then turned by 30.
            constexpr double lengths[] = {1, 1, 2, 1, 2, 1, 1};
            constexpr double turns[] = {0, 120, 240, 0, 120, 240, 0};
            const int i = (k - 1) % 7;
            expected.push_back({lengths[i], 0, turns[i] + ((k - 1) / 7) * 30.0});
            break;
        }
        case SarPatternType::ExpandingSquare:
            expected.push_back({double((k + 1) / 2), 0, 90.0 * (k - 1)});
            break;
        case SarPatternType::Parallel:
            if (k == 1)
                expected.push_back({0, 0.5, -90});
            else if (k % 2 == 1)
                expected.push_back({0, 1, -90});
            else
                expected.push_back({1, 0, k % 4 == 2 ? 0.0 : 180.0});
            break;
        }
    }
    return expected;
}

TEST_F(SearchPatternsTest, EveryLegOfEveryPatternHasItsLengthAndCourse)
{
    using T = SarPatternType;
    const struct {
        T type;
        bool fromCentre;
        double course, d, w;
        int32_t iterations;
        bool asLine;
        size_t points;
    } cases[] = {
        {T::Sector, false, 0, 0.5, 1.0, 1, false, 8},
        {T::Sector, true, 40, 2.0, 1.0, 3, true, 15},  // three iterations: still two passes
        {T::ExpandingSquare, false, 350, 0.5, 1.0, 2, false, 9},
        {T::ExpandingSquare, true, 120, 1.5, 1.0, 3, true, 13},
        {T::ExpandingSquare, false, 10, 0.5, 1.0, 200, false, 497},  // held to a route's 500 points
        {T::ExpandingSquare, false, 10, 0.5, 1.0, 130, true, 521},   // a line is not
        {T::Parallel, false, 0, 2.0, 1.0, 1, false, 2},               // one half-width leg
        {T::Parallel, true, 270, 2.0, 1.0, 3, false, 6},              // D > W: start moved back
        {T::Parallel, true, 30, 0.5, 3.0, 4, true, 8},
        {T::Parallel, false, 30, 0.5, 1.0, 300, false, 500},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "type " << int(c.type) << (c.fromCentre ? " centre" : " own")
                                        << " course " << c.course << " D " << c.d << " W " << c.w << " I "
                                        << c.iterations << (c.asLine ? " line" : " route"));
        ResetRouteState();
        SearchPatternHook.finishRoute = [this] { ++routesFinished; };
        lineId = 0;
        routesFinished = linesFinished = 0;
        ASSERT_TRUE(BuildSarPattern({c.type, c.course, c.d, c.w, c.iterations}, c.fromCentre, c.asLine));

        const int32_t id = c.asLine ? lineId : RouteId;
        ASSERT_NE(id, 0);
        EXPECT_EQ(routesFinished, c.asLine ? 0 : 1);
        EXPECT_EQ(linesFinished, c.asLine ? 1 : 0);
        if (!c.asLine) {
            EXPECT_EQ(int{RouteForward}, 1);
            EXPECT_EQ(int{RouteStartRequest}, 1);
        }
        IdRecord object;
        object.id = id;
        ASSERT_EQ(UserIsam.readEqual(IdNumberKey, UserKeyValue(IdNumberKey, bytesOf(object)), bytesOf(object)),
                  Status::Ok);
        EXPECT_EQ(FixedText(object.name), "S.A.R.");
        EXPECT_EQ(object.objectType, c.asLine ? ObjectType::LINE : ObjectType::ROUTE);

        std::vector<PointRecord> points;
        ASSERT_TRUE(ReadObjectPoints(id, points));
        ASSERT_EQ(points.size(), c.points);

        // The start, then every leg.
        PointRecord datum;
        const cmgbase::GeoPoint origin = c.fromCentre ? At(38.90, -76.30) : At(38.97, -76.45);
        datum.latitude = StoredFromChart(origin.y);
        datum.longitude = StoredFromChart(origin.x);
        std::vector<std::pair<PointRecord, PointRecord>> pairs{{datum, points.front()}};
        for (size_t n = 1; n < points.size(); ++n)
            pairs.push_back({points[n - 1], points[n]});
        const size_t passes = c.type == T::Sector ? (points.size() - 1) / 7 : 0;
        for (size_t pass = 0; pass < passes; ++pass)
            pairs.push_back({points[pass * 7], points[pass * 7 + 7]});
        const std::vector<Measured> measured = MeasureWithGeodSolve(pairs);
        ASSERT_EQ(measured.size(), pairs.size()) << "GeodSolve (geographiclib-tools) answered";

        const double shift = c.fromCentre && c.type == T::Parallel ? (c.w - c.d) / 2 : 0.0;
        EXPECT_NEAR(measured[0].miles, std::fabs(shift), 0.0005) << "the start";
        if (shift != 0.0) {
            EXPECT_LT(AngleBetween(measured[0].azimuth, c.course + (shift > 0 ? 90 : -90)), 0.05);
        }

        const std::vector<Leg> legs = ExpectedLegs(c.type, int32_t(points.size() - 1));
        for (size_t k = 0; k < legs.size(); ++k) {
            SCOPED_TRACE(testing::Message() << "leg " << k + 1);
            const Measured& leg = measured[k + 1];
            EXPECT_NEAR(leg.miles, legs[k].d * c.d + legs[k].w * c.w, 0.0005);
            EXPECT_LT(AngleBetween(leg.azimuth, c.course + legs[k].turn), 0.05) << leg.azimuth;
        }
        for (size_t pass = 0; pass < passes; ++pass)
            EXPECT_LT(measured[points.size() + pass].miles * MetresPerMile, 1.0) << "pass " << pass + 1 << " closes";
    }
    EXPECT_TRUE(failures.empty());
}

TEST_F(SearchPatternsTest, WithoutAnOwnPositionNothingIsLaid)
{
    SearchPatternHook.ownPosition = [] { return std::optional<cmgbase::GeoPoint>(); };
    EXPECT_FALSE(BuildSarPattern({SarPatternType::Sector, 0, 0.5, 1.0, 2}, false, false));
    EXPECT_EQ(routesFinished, 0);
    EXPECT_EQ(countRecords(IdNumberKey), 0);
}

}  // namespace
