// Polyline simplification: small polylines with the points they keep, the adjustment of a kept
// point, the property that every dropped point lies within the tolerance of the kept chord
// spanning it, and the split depth limit.

#include "userdata/PolylineSimplification.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <vector>

namespace {

std::vector<int32_t> Sources(const std::vector<KeptPoint>& kept)
{
    std::vector<int32_t> sources;
    for (const KeptPoint& point : kept)
        sources.push_back(point.source);
    return sources;
}

double SegmentDistance(const PlanePoint& p, const PlanePoint& a, const PlanePoint& b)
{
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double squared = dx * dx + dy * dy;
    const double f = squared == 0.0
                         ? 0.0
                         : std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / squared, 0.0, 1.0);
    return std::hypot(p.x - (a.x + f * dx), p.y - (a.y + f * dy));
}

TEST(SimplifyPolyline, SmallPolylines)
{
    struct Case {
        std::string name;
        std::vector<PlanePoint> points;
        double tolerance;
        std::vector<int32_t> kept;
    };
    const std::vector<Case> cases{
        {"straight line", {{0, 0}, {1, 2}, {2, 4}, {3, 6}, {4, 8}, {5, 10}, {6, 12}}, 0.5, {0, 6}},
        {"within tolerance, one at it", {{0, 0}, {1, 0.3}, {2, -0.4}, {3, 0.5}, {4, 0}}, 0.5, {0, 4}},
        {"zigzag", {{0, 0}, {1, 1}, {2, 0}, {3, 1}, {4, 0}}, 0.5, {0, 1, 2, 3, 4}},
        {"square ring",
         {{0, 0}, {5, 0}, {10, 0}, {10, 5}, {10, 10}, {5, 10}, {0, 10}, {0, 5}, {0, 0}},
         0.5,
         {0, 2, 4, 6, 0}},
        {"ring from its lowest point",
         {{10, 5}, {10, 10}, {0, 10}, {0, 0}, {10, 0}, {10, 5}},
         0.5,
         {1, 2, 3, 4, 1}},
        {"ring out and back along one line", {{0, 0}, {5, 0}, {10, 0}, {5, 0}, {0, 0}}, 0.5, {0, 2, 0}},
        {"spike", {{0, 0}, {1, 0}, {2, 0}, {3, 5}, {4, 0}, {5, 0}, {6, 0}}, 0.5, {0, 2, 3, 4, 6}},
        {"equal distances: the earlier", {{0, 0}, {1, 1}, {2, 1}, {3, 0}}, 0.5, {0, 1, 3}},
        {"tolerance 0: points on the chord go", {{0, 0}, {1, 0}, {2, 0}, {2, 1}, {2, 2}}, 0.0, {0, 2, 4}},
        {"tolerance 0: a point just off stays", {{0, 0}, {1, 0.001}, {2, 0}, {2, 1}, {2, 2}}, 0.0, {0, 1, 2, 4}},
        {"the same at 0.01", {{0, 0}, {1, 0.001}, {2, 0}, {2, 1}, {2, 2}}, 0.01, {0, 2, 4}},
        {"two points", {{3, 4}, {5, 6}}, 1.0, {0, 1}},
        {"negative zero closes a ring", {{0.0, 0}, {4, 3}, {-0.0, 0}}, 1.0, {0, 1, 0}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Sources(SimplifyPolyline(c.points, c.tolerance)), c.kept) << c.name;

    EXPECT_TRUE(SimplifyPolyline(std::vector<PlanePoint>{{1, 1}}, 1.0).empty());
    EXPECT_TRUE(SimplifyPolyline({}, 1.0).empty());
}

// A hump whose shoulders stand out from the chords to its top: the top is moved up until both
// chords cover their shoulder, so three points do what five did.
TEST(SimplifyPolyline, AdjustmentMovesAKeptPointSoFewerAreKept)
{
    const std::vector<PlanePoint> hump{{0, 0}, {2, 3}, {5, 4}, {8, 3}, {10, 0}};

    const std::vector<KeptPoint> adjusted = SimplifyPolyline(hump, 1.0);
    EXPECT_EQ(Sources(adjusted), (std::vector<int32_t>{0, 2, 4}));
    EXPECT_NEAR(adjusted[1].point.x, 5.0, 1e-9);
    EXPECT_NEAR(adjusted[1].point.y, 5.0, 1e-9);
    EXPECT_EQ(adjusted[0].point.y, 0.0);

    EXPECT_EQ(Sources(SimplifyPolyline(hump, 1.0, false)), (std::vector<int32_t>{0, 1, 2, 3, 4}));
}

// Random walks, open and closed, at random tolerances: every dropped point lies within the
// tolerance of the chord between the kept points around it, at their adjusted positions.
TEST(SimplifyPolyline, EveryDroppedPointLiesWithinToleranceOfItsChord)
{
    std::mt19937 random(20240611);
    std::uniform_real_distribution<double> step(-3.0, 3.0);
    std::uniform_real_distribution<double> tolerances(0.0, 4.0);
    std::uniform_int_distribution<int> sizes(2, 80);
    for (int trial = 0; trial < 300; ++trial) {
        std::vector<PlanePoint> points{{0, 0}};
        const int n = sizes(random);
        for (int k = 1; k < n; ++k)
            points.push_back({points.back().x + step(random), points.back().y + step(random)});
        const bool ring = trial % 3 == 0 && n > 3;
        if (ring)
            points.back() = points.front();
        const double tolerance = tolerances(random);

        for (const bool adjust : {true, false}) {
            const std::vector<KeptPoint> kept = SimplifyPolyline(points, tolerance, adjust);
            ASSERT_GE(kept.size(), 2u);
            if (!ring) {
                EXPECT_EQ(kept.front().source, 0);
                EXPECT_EQ(kept.back().source, n - 1);
            } else {
                EXPECT_EQ(kept.back().source, kept.front().source);
            }
            for (size_t i = 0; i + 1 < kept.size(); ++i) {
                const KeptPoint& from = kept[i];
                const KeptPoint& to = kept[i + 1];
                for (int32_t k = (from.source + 1) % n; k != to.source; k = (k + 1) % n) {
                    EXPECT_LE(SegmentDistance(points[size_t(k)], from.point, to.point),
                              tolerance + 1e-9)
                        << "trial " << trial << " point " << k << " adjust " << adjust;
                }
            }
        }
    }
}

// A polyline whose every split peels one point off its end nests 40,000 splits deep: the
// splits stop at depth 32000, and the points below stay out, without running out of stack.
TEST(SimplifyPolyline, PeelingSplitsStopAtTheDepthLimit)
{
    constexpr int32_t count = 40000;
    std::vector<PlanePoint> points;
    for (int32_t k = 0; k < count; ++k)
        points.push_back({k % 2 ? -double(k) : double(k), 0.0});

    const std::vector<KeptPoint> kept = SimplifyPolyline(points, 0.5);

    const int32_t lowestSplit = count - 1 - MaxSplitDepth;
    ASSERT_EQ(kept.size(), size_t(1 + count - lowestSplit));
    EXPECT_EQ(kept[0].source, 0);
    EXPECT_EQ(kept[1].source, lowestSplit);
    EXPECT_EQ(kept.back().source, count - 1);
}

}  // namespace
