// The labels of stored objects and the numbers of route waypoints, with the texts of the info
// file read from real files.

#include "ObjectFixtures.h"
#include "UserDatabaseFixture.h"
#include "frame/SetupParameters.h"
#include "userdata/ObjectLabel.h"

#include <ctime>

namespace {

// Seconds of 5 March 2024, 14:07 local time.
uint32_t LocalMoment()
{
    std::tm local{};
    local.tm_year = 124;
    local.tm_mon = 2;
    local.tm_mday = 5;
    local.tm_hour = 14;
    local.tm_min = 7;
    local.tm_isdst = -1;
    return uint32_t(std::mktime(&local));
}

class ObjectLabelTest : public UserDatabaseTest {
protected:
    void SetUp() override
    {
        UserDatabaseTest::SetUp();
        open();
        SetupParameters.TrackNamesShown = 1;
        SetupParameters.TrackDatesShown = 0;
        SetupParameters.SymbolDatesShown = 0;
        SetupParameters.DepthFactor = 1.0f;
    }
};

}  // namespace

TEST_F(ObjectLabelTest, TheTextOfEachKindOfObject)
{
    const uint32_t moment = LocalMoment();
    const struct {
        ObjectType type;
        const char* name;
        uint16_t value;
        float depthFactor;
        bool trackNames, trackDates, symbolDates, depthMarks, editing;
        const char* text;
        bool plain;
    } cases[] = {
        {ObjectType::TRACK, "Morning", 0, 1.0f, true, false, false, true, false, "Morning", false},
        {ObjectType::TRACK, "Morning", 0, 1.0f, false, false, false, true, false, "", false},
        {ObjectType::TRACK, "Morning", 0, 1.0f, false, true, false, true, false, "05/03-24 14:07", false},
        {ObjectType::TRACK, "", 0, 1.0f, true, true, false, true, false, "05/03-24 14:07", false},
        {ObjectType::TRACK, "", 0, 1.0f, true, false, true, true, false, "", false},
        {ObjectType::SYMBOL, "", 0, 1.0f, true, true, false, true, false, "", false},
        {ObjectType::SYMBOL, "", 0, 1.0f, true, false, true, true, false, "05/03-24 14:07", false},
        {ObjectType::SYMBOL, "@12.3", 123, 1.0f, true, false, false, true, false, "+12.3", true},
        {ObjectType::SYMBOL, "@99.9", 999, 1.0f, true, false, false, true, false, "+99.9", true},
        {ObjectType::SYMBOL, "@100", 1000, 1.0f, true, false, false, true, false, "+100", true},
        {ObjectType::SYMBOL, "@12.3", 123, 3.2808f, true, false, false, true, false, "+40.4", true},
        {ObjectType::SYMBOL, "@40", 400, 3.2808f, true, false, false, true, false, "+131", true},
        {ObjectType::SYMBOL, "@12.3", 123, 1.0f, true, false, false, false, false, "@12.3", false},
        {ObjectType::SYMBOL, "@12.3", 123, 1.0f, true, false, false, true, true, "@12.3", false},
        {ObjectType::SYMBOL, "/Wreck", 0, 1.0f, true, false, false, true, false, "+Wreck", true},
        {ObjectType::SYMBOL, " Buoy", 0, 1.0f, true, false, false, true, false, " Buoy", false},
        {ObjectType::LINE, "/Cable", 0, 1.0f, true, false, false, true, false, "/Cable", false},
        {ObjectType::LINE, "", 0, 1.0f, true, true, true, true, false, "", false},
        {ObjectType::ROUTE, "Home", 0, 1.0f, false, false, false, true, false, "Home", false},
    };
    int32_t id = 100;
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << int(c.type) << " '" << c.name << "'");
        SetupParameters.TrackNamesShown = c.trackNames;
        SetupParameters.TrackDatesShown = c.trackDates;
        SetupParameters.SymbolDatesShown = c.symbolDates;
        SetupParameters.DepthFactor = c.depthFactor;
        IdRecord object = StoredObject(c.type, ++id, 3, c.name, moment);
        object.value = c.value;
        const ObjectLabel label = ObjectLabelText(object, -1, {c.depthMarks, c.editing});
        EXPECT_EQ(label.text, c.text);
        EXPECT_EQ(label.plain, c.plain);
        EXPECT_FALSE(label.selected);
    }
}

// A text of the object's own (kind 0) adds " (+)", or stands alone as "+" in the box; a text of
// another kind (a waypoint's name) does not count.
TEST_F(ObjectLabelTest, AnObjectWithATextOfItsOwnIsMarked)
{
    StoreText(7, 0, "Anchored here");
    StoreText(8, 3, "WP name");
    const struct {
        int32_t id;
        const char* name;
        const char* text;
        bool plain;
    } cases[] = {
        {7, "Bay", "Bay (+)", false},
        {7, "", "+", false},
        {7, "@5", "+5.0 (+)", true},
        {8, "Bay", "Bay", false},
        {8, "", "", false},
    };
    for (const auto& c : cases) {
        IdRecord object = StoredObject(ObjectType::SYMBOL, c.id, 2, c.name);
        object.value = 50;
        const ObjectLabel label = ObjectLabelText(object, -1, {true, false});
        EXPECT_EQ(label.text, c.text) << c.id << " " << c.name;
        EXPECT_EQ(label.plain, c.plain) << c.id << " " << c.name;
    }
}

// A number replaces the text; the selected waypoint's comes with 1000 added, also waypoint 0
// (the own position inserted at route start), and the object's text is not looked at.
TEST_F(ObjectLabelTest, WaypointNumbers)
{
    StoreText(7, 0, "text");
    const IdRecord object = StoredObject(ObjectType::ROUTE, 7, 1, "Route");
    const struct {
        int32_t number;
        const char* text;
        bool selected;
    } cases[] = {
        {0, "0", false}, {5, "5", false}, {999, "999", false}, {1000, "0", true}, {1001, "1", true}, {1500, "500", true},
    };
    for (const auto& c : cases) {
        const ObjectLabel label = ObjectLabelText(object, c.number, {});
        EXPECT_EQ(label.text, c.text) << c.number;
        EXPECT_EQ(label.selected, c.selected) << c.number;
        EXPECT_FALSE(label.plain);
    }
}
