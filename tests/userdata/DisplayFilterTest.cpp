// Which stored objects the chart shows: colour masks, time windows and the tracks picked for
// display.

#include "ObjectFixtures.h"
#include "frame/SetupParameters.h"
#include "frame/SharedTables.h"
#include "userdata/DisplayFilter.h"
#include "userdata/ObjectSelection.h"
#include "userdata/RouteTable.h"

#include <gtest/gtest.h>

namespace {

class DisplayFilterTest : public testing::Test {
protected:
    void SetUp() override
    {
        InitSharedTables();
        ClearShownTrackList();
        RouteId = 0;
    }
    void TearDown() override
    {
        ClearShownTrackList();
        RouteId = 0;
    }
};

}  // namespace

TEST_F(DisplayFilterTest, TheColourBitAndTheTimeWindowsDecide)
{
    const struct {
        DisplayFilter filter;
        uint16_t colour;
        uint32_t time;
        bool shown;
    } cases[] = {
        {{0x3F, 100, 200, 1000}, 1, 100, true},    // the window's start
        {{0x3F, 100, 200, 1000}, 6, 200, true},    // its end
        {{0x3F, 100, 200, 1000}, 3, 99, false},
        {{0x3F, 100, 200, 1000}, 3, 201, false},
        {{0x3F, 100, 200, 1000}, 3, 1000, true},   // at the after-time
        {{0x3F, 100, 200, 1000}, 3, 4000000000u, true},
        {{0x3F, 100, 200, 1000}, 7, 150, false},   // six colours in the mask
        {{0x3F, 100, 200, 1000}, 0, 150, false},
        {{0x02, 100, 200, 1000}, 2, 150, true},
        {{0x02, 100, 200, 1000}, 1, 150, false},
        {{0, 100, 200, 1000}, 1, 150, false},      // no colour checked: nothing
        {{0x3F, -1, -1, -1}, 1, 0, true},          // no dates: every time
        {{0x3F, -1, 200, -1}, 1, 0, true},
        {{0x3F, -1, 200, -1}, 1, 201, false},
        {{0x3F, 100, -1, -1}, 1, 4000000000u, true},
        {{0x3F, 100, -1, -1}, 1, 99, false},
        {{0x3F, 300, 200, -1}, 1, 250, false},     // an empty window
        {{0x3F, 300, 200, 250}, 1, 250, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "colour " << c.colour << " time " << c.time << " window " << c.filter.from
                                        << ".." << c.filter.to << " after " << c.filter.after);
        EXPECT_EQ(PassesDisplayFilter(StoredObject(ObjectType::TRACK, 1, c.colour, "", c.time), c.filter), c.shown);
    }
}

// Tracks by the track dialog's filter or the list of picked tracks; symbols, lines, zones and
// fields by the symbol dialog's filter; the route in the table; type 4 never.
TEST_F(DisplayFilterTest, EachTypeGoesByItsOwnFilter)
{
    SetupParameters.TrackFilterColours = 0x01;
    SetupParameters.SymbolFilterColours = 0x02;
    FilterTimes = {100, 200, -1, 300, 400, -1};
    RouteId = 12;
    AddSelectedTrack(1005);
    const struct {
        ObjectType type;
        int32_t id;
        uint16_t colour;
        uint32_t time;
        bool shown;
    } cases[] = {
        {ObjectType::TRACK, 1001, 1, 150, true},
        {ObjectType::TRACK, 1002, 2, 150, false},
        {ObjectType::TRACK, 1003, 1, 350, false},
        {ObjectType::TRACK, 1005, 2, 350, true},  // picked for display
        {ObjectType::SYMBOL, 20001, 2, 350, true},
        {ObjectType::SYMBOL, 20002, 1, 350, false},
        {ObjectType::LINE, 10001, 2, 150, false},
        {ObjectType::ZONE, 10002, 2, 400, true},
        {ObjectType::FIELD, 10003, 2, 401, false},
        {ObjectType::ROUTE, 12, 1, 0, true},
        {ObjectType::ROUTE, 13, 1, 0, false},
        {ObjectType(4), 100001, 2, 350, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ObjectDisplayed(StoredObject(c.type, c.id, c.colour, "", c.time)), c.shown) << c.id;
}

// The first free slot among the first 99 takes the id, the last slot when none is free; only
// the slots before the first free one count.
TEST_F(DisplayFilterTest, TheListOfPickedTracks)
{
    for (int32_t id = 1; id <= 99; ++id)
        AddSelectedTrack(1000 + id);
    EXPECT_TRUE(IsSelectedTrack(1099));
    AddSelectedTrack(2000);
    AddSelectedTrack(2001);
    EXPECT_EQ(ShownTrackList[99], 2001) << "the last slot is overwritten";
    EXPECT_TRUE(IsSelectedTrack(2001));
    EXPECT_FALSE(IsSelectedTrack(2000));
    AddSelectedTrack(1050);
    EXPECT_EQ(ShownTrackList[99], 2001) << "a listed track is not listed twice";

    ClearShownTrackList();
    ShownTrackList[1] = 3000;  // beyond the first free slot
    EXPECT_FALSE(IsSelectedTrack(3000));
    EXPECT_FALSE(IsSelectedTrack(0));
    AddSelectedTrack(3001);
    EXPECT_EQ(ShownTrackList[0], 3001);
    EXPECT_TRUE(IsSelectedTrack(3000));
}
