// What the static overlay draws of the stored objects, on real pixels of the main view: tracks
// with their labels and flags, a track picked for display with its depths, a hatched polygon, a
// guard zone, another route with its squares and arrows, symbols with their labels and a depth
// mark written as a sounding, and a zone.

#include "ObjectStoreFixture.h"
#include "chart/PixelCount.h"

#include "chart/OverlayColours.h"
#include "chart/OverlayFont.h"

#include <QFontMetrics>

namespace {

QRect Around(const ScreenPoint& point, int half)
{
    return {point.x - half, point.y - half, 2 * half + 1, 2 * half + 1};
}

class ObjectDrawingTest : public ObjectStoreTest {
protected:
    IdRecord symbolAt(ObjectType type, int32_t id, uint16_t colour, const char* name, QPoint at, QPoint end = {})
    {
        IdRecord object = StoredObject(type, id, colour, name);
        const cmgbase::GeoPoint start = geoAt(at.x(), at.y());
        object.latitude = StoredFromChart(start.y);
        object.longitude = StoredFromChart(start.x);
        const cmgbase::GeoPoint second = geoAt(end.x(), end.y());
        object.endLatitude = StoredFromChart(second.y);
        object.endLongitude = StoredFromChart(second.x);
        return object;
    }

    int labelHeight() const { return QFontMetrics(ChartOverlayFont(SetupParameters.Resolution)).height(); }
};

}  // namespace

TEST_F(ObjectDrawingTest, EachKindOfObjectAsTheOverlayDrawsIt)
{
    SetupParameters.TrackFilterColours = 0x0F;  // red, blue, green, yellow
    SetupParameters.SelectedTrackStyle = 2;
    SetupParameters.ChartLayers[0] = 1;  // soundings: depth marks as soundings
    const auto track = pointsAt(1001, {{100, 100}, {100, 160}, {160, 160}});
    StoreObject(StoredObject(ObjectType::TRACK, 1001, 3, "Morning"), track);
    const auto hidden = pointsAt(1002, {{300, 400}, {400, 400}});
    StoreObject(StoredObject(ObjectType::TRACK, 1002, 5, "Hidden"), hidden);
    auto picked = pointsAt(1003, {{200, 300}, {260, 300}});
    for (PointRecord& point : picked)
        point.attributes[TrackPointWord::Depth] = 55;
    StoreObject(StoredObject(ObjectType::TRACK, 1003, 5, "Picked"), picked);
    AddSelectedTrack(1003);
    auto polygon = pointsAt(10001, {{300, 100}, {400, 100}, {400, 200}, {300, 200}});
    for (PointRecord& point : polygon)
        point.attributes[LinePointWord::Polygon] = LinePointWord::PolygonMark;
    StoreObject(StoredObject(ObjectType::LINE, 10001, 2), polygon);
    const auto guard = pointsAt(10002, {{450, 300}, {550, 300}});
    StoreObject(StoredObject(ObjectType::LINE, 10002, 7), guard);
    const auto route = pointsAt(7, {{100, 250}, {250, 250}});
    StoreObject(StoredObject(ObjectType::ROUTE, 7, 4), route);
    IdRecord rock = symbolAt(ObjectType::SYMBOL, 20001, 2, "Rock", {500, 100});
    rock.pointCount = 3;  // its icon
    StoreObject(rock);
    IdRecord sounding = symbolAt(ObjectType::SYMBOL, 20002, 2, "@12.3", {550, 420});
    sounding.value = 123;
    StoreObject(sounding);
    StoreObject(symbolAt(ObjectType::ZONE, 10003, 5, "", {450, 420}, {480, 420}));
    PickMode = int32_t(ObjectType::ROUTE);  // stored routes are drawn while one is to be picked

    const QImage& picture = paintOverBlank();
    picture.save(QString::fromStdString((std::filesystem::temp_directory_path() / "objects.png").string()));
    const QRgb text = WindowTextColour().rgb();
    const QRgb box = form->palette().color(QPalette::Base).rgb();
    const int height = labelHeight();

    // The track: 3 pixels wide in its colour, its name in a box 10 right of and 7 above its start.
    const ScreenPoint start = pixelOf(track[0]);
    EXPECT_EQ(CountOf(picture, QRect(start.x - 4, start.y + 30, 9, 1), UserColour(3).rgb()), 3);
    EXPECT_EQ(picture.pixel(start.x + 10, start.y - 7 + height / 2), text);
    EXPECT_EQ(picture.pixel(start.x + 11, start.y - 7 + height / 2), box);
    // The track the filter hides is not drawn; the one picked for display is, 2 wide, with its
    // depths' squares.
    EXPECT_EQ(CountOf(picture, QRect(340, 390, 20, 20), UserColour(5).rgb()), 0);
    const ScreenPoint depth = pixelOf(picked[1]);
    EXPECT_EQ(CountOf(picture, QRect(depth.x - 6, depth.y - 4, 1, 9), UserColour(5).rgb()), 2);
    EXPECT_EQ(picture.pixel(depth.x - 2, depth.y - 3), UserColour(5).rgb()) << "the depth's square";
    // The polygon: a 1-pixel outline and a hatch inside.
    const ScreenPoint corner = pixelOf(polygon[0]);
    EXPECT_EQ(picture.pixel(corner.x + 50, corner.y), UserColour(2).rgb());
    EXPECT_EQ(CountOf(picture, QRect(corner.x + 50, corner.y - 3, 1, 3), UserColour(2).rgb()), 0);
    const int hatch = CountOf(picture, QRect(corner.x + 5, corner.y + 5, 90, 90), UserColour(2).rgb());
    EXPECT_GT(hatch, 90 * 90 / 20);
    EXPECT_LT(hatch, 90 * 90 / 2);
    // The guard zone in colour 1, 4 pixels wide.
    const ScreenPoint guardStart = pixelOf(guard[0]);
    EXPECT_EQ(CountOf(picture, QRect(guardStart.x + 50, guardStart.y - 5, 1, 11), UserColour(1).rgb()), 4);
    // Another route: a square at each waypoint and an arrow head in the middle of its leg.
    const ScreenPoint from = pixelOf(route[0]);
    const ScreenPoint to = pixelOf(route[1]);
    EXPECT_EQ(picture.pixel(from.x - 3, from.y + 2), UserColour(4).rgb());
    EXPECT_EQ(picture.pixel(to.x + 1, to.y - 3), UserColour(4).rgb());
    const ScreenPoint middle{(from.x + to.x) / 2, (from.y + to.y) / 2};
    EXPECT_GT(CountOf(picture, QRect(middle.x - 5, middle.y - 6, 3, 3), UserColour(4).rgb()), 0) << "upper stroke";
    EXPECT_GT(CountOf(picture, QRect(middle.x - 5, middle.y + 4, 3, 3), UserColour(4).rgb()), 0) << "lower stroke";
    EXPECT_EQ(CountOf(picture, QRect(middle.x + 3, middle.y - 6, 3, 3), UserColour(4).rgb()), 0) << "it points ahead";
    // The symbol's icon and its name in a box; the depth mark as a sounding, no box.
    const ScreenPoint rockAt = pixelOf(StoredPoint(0, 0, geoAt(500, 100)));
    EXPECT_LT(CountOf(picture, Around(rockAt, 7), ObjectTestBlank), 15 * 15);
    EXPECT_EQ(picture.pixel(rockAt.x + 10, rockAt.y - 7 + height / 2), text);
    const ScreenPoint soundingAt = pixelOf(StoredPoint(0, 0, geoAt(550, 420)));
    const QRect soundingText(soundingAt.x + 9, soundingAt.y - 7, 30, height);
    EXPECT_LT(CountOf(picture, soundingText, ObjectTestBlank), soundingText.width() * soundingText.height());
    EXPECT_EQ(CountOf(picture, soundingText, text), 0);
    // The zone: a circle around its centre through its edge.
    const ScreenPoint zoneAt = pixelOf(StoredPoint(0, 0, geoAt(450, 420)));
    const ScreenPoint edge = pixelOf(StoredPoint(0, 0, geoAt(480, 420)));
    const int radius = int(std::hypot(edge.x - zoneAt.x, edge.y - zoneAt.y));
    EXPECT_GT(CountOf(picture, QRect(zoneAt.x + radius - 1, zoneAt.y - 1, 3, 3), UserColour(5).rgb()), 0);
    EXPECT_GT(CountOf(picture, QRect(zoneAt.x - radius - 1, zoneAt.y - 1, 3, 3), UserColour(5).rgb()), 0);

    // Without soundings the depth mark's name stands in a box.
    SetupParameters.ChartLayers[0] = 0;
    const QImage& boxed = paintOverBlank();
    EXPECT_EQ(boxed.pixel(soundingAt.x + 10, soundingAt.y - 7 + height / 2), text);
}

// The flag at a track's first point, and nothing else, comes with the track flag option.
TEST_F(ObjectDrawingTest, TheTrackFlagStandsAtTheFirstPoint)
{
    const auto track = pointsAt(1001, {{200, 200}, {200, 300}, {300, 300}});
    StoreObject(StoredObject(ObjectType::TRACK, 1001, 2, "Flagged"), track);
    const QImage plain = paintOverBlank();
    SetupParameters.TrackFlagsShown = 1;
    const QImage& flagged = paintOverBlank();
    const ScreenPoint start = pixelOf(track[0]);
    const QRect cell(start.x - 8, start.y - 8, 16, 16);
    int differing = 0;
    for (int y = 0; y < plain.height(); ++y) {
        for (int x = 0; x < plain.width(); ++x) {
            if (plain.pixel(x, y) == flagged.pixel(x, y))
                continue;
            ++differing;
            ASSERT_TRUE(cell.contains(x, y)) << x << "," << y;
        }
    }
    EXPECT_GT(differing, 0);
}

// The route in the table is drawn from the table: its waypoint numbers, the selected one's box
// in colour 1, with the own position inserted numbered from 0.
TEST_F(ObjectDrawingTest, TheRouteInTheTableShowsItsWaypointNumbers)
{
    const auto route = pointsAt(7, {{200, 200}, {300, 200}, {300, 300}});
    StoreObject(StoredObject(ObjectType::ROUTE, 7, 2, "Home"), route);
    ASSERT_EQ(LoadRouteIntoTable(7), 3);
    ASSERT_TRUE(InsertOwnPosition(geoAt(100, 100)));
    RouteId = 7;
    RouteEditMode = RouteShown;
    SelectedWaypoint = 0;
    const QImage& picture = paintOverBlank();
    const int height = labelHeight();
    const ScreenPoint own = pixelOf(StoredPoint(0, 0, geoAt(100, 100)));
    EXPECT_EQ(picture.pixel(own.x - 6 + 1, own.y - 6 + height / 2), UserColour(1).rgb()) << "waypoint 0 selected";
    for (const PointRecord& point : route) {
        const ScreenPoint at = pixelOf(point);
        EXPECT_EQ(picture.pixel(at.x - 6, at.y - 6 + height / 2), WindowTextColour().rgb());
        EXPECT_EQ(picture.pixel(at.x - 5, at.y - 6 + height / 2), form->palette().color(QPalette::Base).rgb());
    }
}
