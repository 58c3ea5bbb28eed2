// Guard zones over a real user database: the zones' slots in the target records and the events
// their entries and exits give.

#include "userdata/ObjectFixtures.h"
#include "userdata/UserDatabaseFixture.h"

#include "app/GuardZones.h"
#include "frame/SetupParameters.h"
#include "platform/geodesy/NormalisedCoordinates.h"
#include "sensors/OwnShipState.h"
#include "sensors/TargetTable.h"
#include "userdata/ObjectDeletion.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <utility>
#include <vector>

namespace {

// Positions in hundredths of a degree east and north of 60N 10E.
using Offset = std::pair<double, double>;

cmgbase::GeoPoint At(const Offset& offset)
{
    return {cmgbase::deg2nrm(10.0 + offset.first / 100.0), cmgbase::deg2nrm(60.0 + offset.second / 100.0)};
}

struct Event {
    int32_t index;
    int32_t kind;
    bool operator==(const Event&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Event& event)
{
    return out << event.index << (event.kind == GuardZoneEnter ? " enter" : " leave");
}

class GuardZoneTest : public UserDatabaseTest {
protected:
    void SetUp() override
    {
        UserDatabaseTest::SetUp();
        open();
        ResetTargetTable();
        SetupParameters.AisRange = 20;
        OwnShip.referencePosition = At({0, 0});
    }

    void TearDown() override
    {
        ResetTargetTable();
        UserDatabaseTest::TearDown();
    }

    // A LINE object through the points, a guard zone in colour 7; `count` its stored point count
    // (the points' number unless given).
    static void Zone(int32_t id, std::initializer_list<Offset> at, uint16_t colour = GuardZoneColour, int count = -1)
    {
        std::vector<Offset> offsets(at);
        StoreZone(id, offsets, colour, count);
    }

    static void StoreZone(int32_t id, const std::vector<Offset>& at, uint16_t colour = GuardZoneColour, int count = -1)
    {
        std::vector<PointRecord> points;
        for (const Offset& offset : at)
            points.push_back(StoredPoint(id, uint16_t(points.size() + 1), At(offset)));
        IdRecord zone = StoredObject(ObjectType::LINE, id, colour);
        zone.pointCount = uint16_t(count < 0 ? points.size() : size_t(count));
        StoreObject(zone, points);
    }

    static TargetRecord& Ais(int32_t index, int32_t id, const Offset& at, uint8_t kind = TargetAisPosition)
    {
        TargetRecord& target = ClaimTarget(index, id, kind);
        const cmgbase::GeoPoint position = At(at);
        target.positionX = position.x;
        target.positionY = position.y;
        return target;
    }

    std::vector<Event> check()
    {
        std::vector<Event> events;
        CheckGuardZones([&events](int32_t index, int32_t kind, const std::string&) { events.push_back({index, kind}); });
        return events;
    }

    static std::pair<int32_t, int32_t> Slots(int32_t index)
    {
        const TargetRecord& target = TargetTable[size_t(index)];
        return {int32_t{target.guardZones[0]}, int32_t{target.guardZones[1]}};
    }
};

// A triangle stored open, as the line tool stores it: a target near its closing side is inside
// only when the ring is closed.
constexpr std::initializer_list<Offset> Triangle = {{0, 0}, {100, 0}, {50, 100}};
constexpr Offset InsideTriangle = {30, 20};
constexpr Offset OutsideTriangle = {90, 80};

TEST_F(GuardZoneTest, EachSlotTakesAndFreesItsZoneWithOneEvent)
{
    Zone(5, Triangle);
    // Zones beyond the AIS range: they keep their slots and take no target.
    Zone(9, {{500, 500}, {600, 500}, {550, 600}});
    Zone(11, {{-500, 500}, {-600, 500}, {-550, 600}});
    struct Case {
        std::pair<int32_t, int32_t> before;
        bool inside;
        std::pair<int32_t, int32_t> after;
        std::vector<Event> events;
    };
    const std::vector<Event> none;
    const std::vector<Event> enter = {{7, GuardZoneEnter}};
    const std::vector<Event> leave = {{7, GuardZoneLeave}};
    for (const Case& c : std::initializer_list<Case>{
             {{0, 0}, true, {5, 0}, enter},
             {{9, 0}, true, {9, 5}, enter},
             {{0, 9}, true, {5, 9}, enter},
             {{9, 11}, true, {9, 11}, none},  // followed in two zones already
             {{5, 0}, true, {5, 0}, none},
             {{0, 5}, true, {0, 5}, none},
             {{5, 0}, false, {0, 0}, leave},
             {{9, 5}, false, {9, 0}, leave},
             {{0, 0}, false, {0, 0}, none},
             {{9, 0}, false, {9, 0}, none},
             // Zone 77 no longer exists: its slot is free again, without an event.
             {{77, 9}, false, {0, 9}, none},
             {{77, 0}, true, {5, 0}, enter},
         }) {
        TargetRecord& target = Ais(7, 211000001, c.inside ? InsideTriangle : OutsideTriangle);
        target.guardZones[0] = c.before.first;
        target.guardZones[1] = c.before.second;
        EXPECT_EQ(check(), c.events) << c.before.first << ", " << c.before.second << (c.inside ? " inside" : " outside");
        EXPECT_EQ(Slots(7), c.after) << c.before.first << ", " << c.before.second << (c.inside ? " inside" : " outside");
    }
}

TEST_F(GuardZoneTest, ATargetInThreeOverlappingZonesIsFollowedInTwo)
{
    for (const int32_t id : {1, 2, 3})
        Zone(id, {{-10, -10}, {10, -10}, {10, 10}, {-10, 10}});
    Ais(4, 244000002, {0, 0});
    EXPECT_EQ(check(), (std::vector<Event>{{4, GuardZoneEnter}, {4, GuardZoneEnter}}));
    EXPECT_EQ(Slots(4), std::make_pair(1, 2));
    EXPECT_TRUE(check().empty()) << "the third zone raises nothing";

    ASSERT_TRUE(DeleteObject(ObjectType::LINE, 1));
    EXPECT_EQ(check(), (std::vector<Event>{{4, GuardZoneEnter}})) << "the freed slot takes the third zone";
    EXPECT_EQ(Slots(4), std::make_pair(3, 2));

    TargetTable[4].positionX = At({50, 0}).x;
    EXPECT_EQ(check(), (std::vector<Event>{{4, GuardZoneLeave}, {4, GuardZoneLeave}}));
    EXPECT_EQ(Slots(4), std::make_pair(0, 0));
}

// Points 1..50 trace the square (0, 0)..(100, 100) open on its west side; points 51..60 go on
// west to (-100, 0), so that all 60 would cover the square west of it too.
TEST_F(GuardZoneTest, AZoneIsTestedWithItsFirstFiftyPoints)
{
    std::vector<Offset> points;
    for (int i = 0; i < 50; ++i) {
        const double t = 3.0 * i / 49.0;
        points.push_back(t <= 1 ? Offset{100 * t, 0} : t <= 2 ? Offset{100, 100 * (t - 1)} : Offset{100 * (3 - t), 100});
    }
    for (int k = 0; k < 10; ++k)
        points.push_back({-100, 100 - 100.0 * k / 9});
    StoreZone(5, points);
    Ais(0, 211000001, {50, 50});
    Ais(1, 211000002, {-50, 50});
    EXPECT_EQ(check(), (std::vector<Event>{{0, GuardZoneEnter}}));
    EXPECT_EQ(Slots(1), std::make_pair(0, 0));
}

TEST_F(GuardZoneTest, OnlyTargetsWithANineDigitMmsiAreFollowed)
{
    Zone(5, Triangle);
    Ais(0, 12, InsideTriangle, TargetArpa);
    Ais(1, SimulatedTargetId(1), InsideTriangle, TargetSimulated);
    Ais(2, 99999999, InsideTriangle);
    Ais(3, 1000000000, InsideTriangle);
    Ais(4, 100000000, InsideTriangle);
    Ais(5, 999999999, InsideTriangle);
    EXPECT_EQ(check(), (std::vector<Event>{{4, GuardZoneEnter}, {5, GuardZoneEnter}}));
    for (const int32_t index : {0, 1, 2, 3})
        EXPECT_EQ(Slots(index), std::make_pair(0, 0)) << index;
}

TEST_F(GuardZoneTest, AZoneBeyondTheAisRangeIsSkipped)
{
    // About 60 nm north: beyond 20 nm, within 9999 (no limit).
    Zone(5, {{-100, 9900}, {100, 9900}, {100, 10100}, {-100, 10100}});
    Ais(0, 211000001, {0, 10000});
    EXPECT_TRUE(check().empty());
    SetupParameters.AisRange = 9999;
    EXPECT_EQ(check(), (std::vector<Event>{{0, GuardZoneEnter}}));
}

// Zone 5 claims ten points but holds four; the line after it must not lend it its points.
TEST_F(GuardZoneTest, AZoneWhoseCountIsTooHighTakesNoneOfTheNextObjectsPoints)
{
    Zone(5, {{0, 0}, {100, 0}, {100, 100}, {0, 100}}, GuardZoneColour, 10);
    Zone(6, {{200, 0}, {200, 100}}, 1);
    Ais(0, 211000001, {150, 50});
    Ais(1, 211000002, {50, 50});
    EXPECT_EQ(check(), (std::vector<Event>{{1, GuardZoneEnter}}));
}

TEST_F(GuardZoneTest, AZoneAcrossTheDateLineHoldsItsTargets)
{
    OwnShip.referencePosition = {cmgbase::deg2nrm(179.99), cmgbase::deg2nrm(60.0)};
    const auto point = [](int32_t id, uint16_t sequence, double longitude, double latitude) {
        return StoredPoint(id, sequence, {cmgbase::deg2nrm(longitude), cmgbase::deg2nrm(latitude)});
    };
    const std::vector<PointRecord> points = {point(5, 1, 179.9, 59.9), point(5, 2, -179.9, 59.9),
                                             point(5, 3, -179.9, 60.1), point(5, 4, 179.9, 60.1)};
    IdRecord zone = StoredObject(ObjectType::LINE, 5, GuardZoneColour);
    zone.pointCount = 4;
    StoreObject(zone, points);
    TargetRecord& target = ClaimTarget(0, 211000001, TargetAisPosition);
    target.positionX = cmgbase::deg2nrm(-179.95);
    target.positionY = cmgbase::deg2nrm(60.0);
    EXPECT_EQ(check(), (std::vector<Event>{{0, GuardZoneEnter}}));
}

}  // namespace
