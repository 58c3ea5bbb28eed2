// The information dialog over a real user database: what it shows, what it stores as it hides
// (names, depth marks, guard zones, texts, waypoint texts), the anchor guard, the chart query
// and its layout.

#include "QueryDialogFixture.h"
#include "userdata/ObjectInfoStore.h"
#include "userdata/StoredPosition.h"

#include <QTest>

#include <string>

using namespace platform::isam;

namespace {

IdRecord Record(ObjectType type, int32_t id, uint16_t colour, uint16_t value = 0, uint16_t points = 0,
                const char* name = "")
{
    IdRecord record;
    record.objectType = type;
    record.id = id;
    record.latitude = record.endLatitude = 54 * 600000;
    record.longitude = record.endLongitude = 10 * 600000 + id;  // one position each
    record.colour = colour;
    record.value = value;
    record.pointCount = points;
    SetFixedText(record.name, name);
    return record;
}

void Type(QLineEdit* edit, const QString& text)
{
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

// Renaming and the guard-zone box rewrite the object's record; only a symbol becomes a depth mark
// and only a line an AIS guard zone.
TEST_F(QueryDialogTest, HidingStoresTheNameDepthMarkAndGuardZoneAsTheObjectAllows)
{
    const struct {
        const char* name;
        IdRecord object;
        float depthFactor;
        std::optional<QString> typed;  // the name typed
        bool clickAisLog;
        std::string storedName;
        uint16_t value, colour, points;
        bool redrawn;
    } cases[] = {
        {"depth mark in metres", Record(ObjectType::SYMBOL, 20001, 3, 0, 12, "Buoy"), 1.0f, "@12", false,
         "@12", 120, DepthMarkColour, 0, true},
        {"depth mark in feet", Record(ObjectType::SYMBOL, 20002, 3, 0, 12), 3.2808f, "@12", false, "@12", 36,
         DepthMarkColour, 0, true},
        {"depth mark in fathoms", Record(ObjectType::SYMBOL, 20003, 3, 0, 12), 0.5468f, "@12", false, "@12",
         219, DepthMarkColour, 0, true},
        {"depth beyond the field is held at its top", Record(ObjectType::SYMBOL, 20004, 3), 1.0f, "@99999",
         false, "@99999", 65535, DepthMarkColour, 0, true},
        {"a negative depth is 0", Record(ObjectType::SYMBOL, 20005, 3), 1.0f, "@-3", false, "@-3", 0,
         DepthMarkColour, 0, true},
        {"a track named @ keeps its length and colour", Record(ObjectType::TRACK, 1001, 2, 123, 45), 1.0f,
         "@5", false, "@5", 123, 2, 45, true},
        {"a name is cut at 29 characters", Record(ObjectType::SYMBOL, 20006, 3, 0, 12), 1.0f,
         "Harbour entrance fairway buoy number 4", false, "Harbour entrance fairway buoy", 0, 3, 12, true},
        {"a line becomes an AIS guard zone", Record(ObjectType::LINE, 10001, 3, 10, 4), 1.0f, std::nullopt,
         true, "", 10, GuardZoneColour, 4, true},
        {"a guard zone becomes a line again", Record(ObjectType::LINE, 10002, GuardZoneColour, 10, 4), 1.0f,
         std::nullopt, true, "", 10, FormerGuardZoneColour, 4, true},
        {"renamed guard zone stays one", Record(ObjectType::LINE, 10003, GuardZoneColour, 10, 4), 1.0f,
         "Approach", false, "Approach", 10, GuardZoneColour, 4, true},
        {"an orange symbol stays orange", Record(ObjectType::SYMBOL, 20007, 7, 0, 12), 1.0f, std::nullopt,
         false, "", 0, 7, 12, false},
        {"an orange zone stays orange", Record(ObjectType::ZONE, 10004, 7), 1.0f, std::nullopt, false, "", 0, 7,
         0, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SetupParameters.DepthFactor = c.depthFactor;
        redraws = 0;
        show(c.object);
        if (c.typed)
            Type(dialog->Text, *c.typed);
        if (c.clickAisLog)
            dialog->ckAisLog->click();
        dialog->OKBtn->click();
        EXPECT_FALSE(dialog->isVisible());
        const IdRecord stored = Stored(c.object.objectType, c.object.id);
        EXPECT_EQ(FixedText(stored.name), c.storedName.empty() ? FixedText(c.object.name) : c.storedName);
        EXPECT_EQ(int{stored.value}, int{c.value});
        EXPECT_EQ(int{stored.colour}, int{c.colour});
        EXPECT_EQ(int{stored.pointCount}, int{c.points});
        EXPECT_EQ(redraws > 0, c.redrawn);
    }
    EXPECT_TRUE(failures.empty());
}

// The object's text is added, rewritten or deleted; at most the info text maximum is kept.
TEST_F(QueryDialogTest, HidingStoresTheTextWholeUpToItsMaximumAndDeletesAClearedOne)
{
    const std::string full(InfoTextMaximum, 'x');
    const struct {
        const char* name;
        std::optional<std::string> before;
        QString typed;
        std::optional<std::string> stored;
    } cases[] = {
        {"exactly the maximum is kept whole", std::nullopt, QString::fromStdString(full), full},
        {"a longer text is cut", std::nullopt, QString::fromStdString(full + "yyyy"), full},
        {"a text rewritten", "Old note", "New note", "New note"},
        {"lines stored with CR LF", std::nullopt, "Depth 4 m\nat low water", "Depth 4 m\r\nat low water"},
        {"a cleared text is deleted", "Old note", "", std::nullopt},
        {"an empty new text is not stored", std::nullopt, "", std::nullopt},
    };
    int32_t id = 20100;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ++id;
        if (c.before) {
            ASSERT_EQ(WriteObjectText(id, 0, *c.before), Status::Ok);
        }
        show(Record(ObjectType::SYMBOL, id, 1));
        EXPECT_EQ(dialog->NewText, !c.before);
        dialog->ObjInfo->setPlainText(c.typed);
        dialog->hide();
        EXPECT_EQ(ReadObjectText(id, 0), c.stored);
    }
    EXPECT_TRUE(failures.empty());
}

// A waypoint's text is the text of its own stored point, whatever its place in the table: here
// the route is loaded reversed behind the own position, and its entry there takes the text as its
// name.
TEST_F(QueryDialogTest, AWaypointShowsAndStoresTheTextOfItsOwnStoredPoint)
{
    IdRecord route = Record(ObjectType::ROUTE, 3, 2, 60, 3, "Kattegat");
    for (uint16_t sequence = 1; sequence <= 3; ++sequence)
        ASSERT_EQ(WriteObjectText(3, sequence, "Waypoint " + std::to_string(sequence)), Status::Ok);
    RouteId = 3;
    for (uint16_t sequence = 3; sequence >= 1; --sequence) {
        WP_typ entry = Waypoint(At(57.0 + sequence * 0.1, 11.5));
        entry.objectId = 3;
        entry.sequence = sequence;
        entry.setName("Waypoint " + std::to_string(sequence));
        ASSERT_TRUE(AppendRouteEntry(entry));
    }
    ASSERT_TRUE(InsertOwnPosition(At(57.5, 11.6)));

    show(route, 1);  // the reversed route's first waypoint: stored point 3
    EXPECT_EQ(dialog->ObjInfo->toPlainText(), "Waypoint 3");
    dialog->ObjInfo->setPlainText("Skagen");
    dialog->hide();
    EXPECT_EQ(ReadObjectText(3, 3), "Skagen");
    EXPECT_EQ(ReadObjectText(3, 1), "Waypoint 1");
    EXPECT_FALSE(ReadObjectText(3, 0));
    EXPECT_EQ(RouteTable[1].name(), "Skagen");

    showStored(route, 0);  // the own position has no text of its own
    EXPECT_FALSE(dialog->ObjInfo->isEnabled());
    EXPECT_TRUE(dialog->ObjInfo->toPlainText().isEmpty());
    dialog->WpBtn->click();  // waypoint 1: the entry after the own position
    EXPECT_EQ(dialog->SelectedWaypoint, 1);
    EXPECT_TRUE(dialog->ObjInfo->isEnabled());
    EXPECT_EQ(dialog->ObjInfo->toPlainText(), "Skagen");
    dialog->hide();

    showStored(route);  // the route itself: its own text
    EXPECT_TRUE(dialog->ObjInfo->isEnabled());
    EXPECT_TRUE(dialog->NewText);
    EXPECT_TRUE(failures.empty());
}

TEST_F(QueryDialogTest, ASampleOfTheOwnTrackIsShownWithNothingToEditAndNothingStored)
{
    SetupParameters.TrackRing[4].latitude = 54.5;
    SetupParameters.TrackRing[4].longitude = 10.5;
    IdShownBuffer = Record(ObjectType::SYMBOL, 20001, 3, 0, 0, "Buoy");
    dialog->TrackSample = 4;
    dialog->show();
    EXPECT_EQ(dialog->windowTitle(), "Current TRACK");
    EXPECT_TRUE(dialog->ObjData->toPlainText().contains(" Point: 5"));
    EXPECT_FALSE(dialog->Text->isEnabled());
    EXPECT_FALSE(dialog->ObjInfo->isEnabled());
    EXPECT_FALSE(dialog->ckAnchor->isVisible());
    dialog->hide();
    EXPECT_EQ(dialog->TrackSample, -1);
    EXPECT_TRUE(dialog->Text->isEnabled());
    EXPECT_TRUE(dialog->ObjInfo->isEnabled());
    EXPECT_EQ(countRecords(IdTypeKey), 0);
    SetupParameters.TrackRing = {};
}

// The anchor watch reads the zone, its centre and its radius that the box sets.
TEST_F(QueryDialogTest, TheAnchorBoxMakesTheZoneTheAnchorGuard)
{
    IdRecord zone = Record(ObjectType::ZONE, 10005, 2);
    const cmgbase::GeoPoint centre{ChartFromStored(zone.longitude), ChartFromStored(zone.latitude)};
    const cmgbase::GeoPoint edge = Ahead(centre, 90.0, 0.3);
    zone.endLatitude = StoredFromChart(edge.y);
    zone.endLongitude = StoredFromChart(edge.x);
    show(zone);
    EXPECT_TRUE(dialog->ckAnchor->isVisible());
    EXPECT_FALSE(dialog->ckAnchor->isChecked());
    dialog->ckAnchor->click();
    EXPECT_EQ(AnchorGuard.zoneId, 10005);
    EXPECT_EQ(AnchorGuard.centre, centre);
    EXPECT_NEAR(AnchorGuard.radius, 0.3, 0.001);
    EXPECT_GT(redraws, 0);
    dialog->hide();

    showStored(zone);
    EXPECT_TRUE(dialog->ckAnchor->isChecked());
    dialog->ckAnchor->click();
    EXPECT_EQ(AnchorGuard.zoneId, 0);
    dialog->hide();

    show(Record(ObjectType::LINE, 10006, 2));
    EXPECT_FALSE(dialog->ckAnchor->isVisible());
    EXPECT_TRUE(dialog->ckAisLog->isVisible());
}

TEST_F(QueryDialogTest, TheQueryButtonHidesTheDialogAndQueriesTheChartWhereThePickWas)
{
    const cmgbase::GeoPoint picked = At(54.2, 10.9);
    RouteHook.cursorChartPoint = [picked] { return picked; };
    show(Record(ObjectType::SYMBOL, 20001, 3));
    RouteHook.cursorChartPoint = [] { return At(1.0, 1.0); };
    dialog->QueryBtn->click();
    EXPECT_FALSE(dialog->isVisible());
    ASSERT_EQ(queries.size(), 1u);
    EXPECT_EQ(queries[0], picked);
}

// A route's dialog has the waypoint button and four buttons a row, others three; the text takes
// the width less 205.
TEST_F(QueryDialogTest, TheButtonsShareTheWidthByTheKindShown)
{
    const struct {
        ObjectType type;
        int32_t id;
        int buttons;
    } cases[] = {{ObjectType::ROUTE, 3, 4}, {ObjectType::LINE, 10001, 3}};
    for (const auto& [type, id, buttons] : cases) {
        SCOPED_TRACE(buttons);
        show(Object(type, id, 2));
        dialog->resize(600, 300);
        EXPECT_EQ(dialog->WpBtn->isVisible(), buttons == 4);
        EXPECT_EQ(dialog->OKBtn->width(), 600 / buttons - 15);
        EXPECT_EQ(dialog->ObjInfo->width(), 600 - 205);
        dialog->hide();
    }
}

}  // namespace
