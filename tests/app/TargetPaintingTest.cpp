// The targets of the dynamic overlay, painted by PaintTargets into the real main window's
// ChartWorkBitmap over a main view with the chart engine's projection at 1:20000, from records
// of the real target table.

#include "SetupTestSupport.h"

#include "app/ChartCursor.h"
#include "app/OwnShipPositions.h"
#include "app/Startup.h"
#include "app/TForm1.h"
#include "app/TargetPainting.h"
#include "app/TargetTrackPictures.h"
#include "app/TickState.h"
#include "chart/ChartRedraw.h"
#include "chart/MapView.h"
#include "chart/OverlayColours.h"
#include "frame/PaintBounds.h"
#include "platform/geodesy/NormalisedCoordinates.h"
#include "sensors/TargetTable.h"

#include <QCheckBox>
#include <QPainter>

#include <cmath>
#include <cstring>
#include <memory>
#include <numbers>

namespace {

const cmgbase::GeoPoint Centre{cmgbase::deg2nrm(-76.45), cmgbase::deg2nrm(38.97)};
constexpr double MetresToMiles = 0.00054;

cmgbase::GeoPoint Ahead(const cmgbase::GeoPoint& from, double course, double miles)
{
    return MoveAlong(from, course, miles);
}

// The pixel radius px from centre at degrees clockwise from the screen's x axis.
QPoint AtAngle(QPoint centre, double radius, double degrees)
{
    const double radians = degrees * std::numbers::pi / 180.0;
    return centre + QPoint(int(std::lround(radius * std::cos(radians))), int(std::lround(radius * std::sin(radians))));
}

class TargetPaintingTest : public SetupTest {
protected:
    void SetUp() override
    {
        SetupTest::SetUp();
        writeFile("Startup.ini", "[Programs]\nThreeDGenerator=\n");
        StartupInit();  // day colours, the screen size, every target free
        black = UserColour(6);
        red = UserColour(1);
        ResetTickState();
        ResetChartCursor();
        CursorPixel = {-1000, -1000};
        OverlayDirtyRect = {};
        TargetTrackPictures = {};

        view.projection = std::make_shared<chartengine::GeoProjection>();
        view.viewport = std::make_unique<chartengine::MapViewport>(view.projection);
        ASSERT_EQ(view.projection->GetBlock(&view.projectionBlock), chartengine::kOk);
        ASSERT_EQ(view.SetCentre(Centre), 1);
        ASSERT_EQ(view.SetScale(20000), 1);
        MainMapView = &view;
        form = std::make_unique<TForm1>();
        form->chartRect = {0, 0, 400, 300};
        form->chartLevel = 12;
        PixelsPerMile = float(pixelOf(Centre).y() - pixelOf(Ahead(Centre, 0.0, 1.0)).y());
        clear();

        OwnShip.positionKnown = true;
        OwnShip.referencePosition = Centre;
        SetupParameters.CpaDistance = 5;  // 0.5 nautical miles
        SetupParameters.CpaTime = 30;
        SetupParameters.BoatVector = 1;   // 0.1 nautical miles
    }
    void TearDown() override
    {
        MarkAllTargetsFree();
        TargetTrackPictures = {};
        OverlayDirtyRect = {};
        ResetTickState();
        ResetChartCursor();
        MainMapView = nullptr;  // the test's own view: the window's end must not delete it
        form.reset();
        SetupTest::TearDown();
    }

    QPoint pixelOf(const cmgbase::GeoPoint& position) const
    {
        ScreenPoint pixel{};
        EXPECT_TRUE(view.GeoToScreen(form->chartRect, position, pixel));
        return {pixel.x, pixel.y};
    }

    void clear()
    {
        form->ChartWorkBitmap = QImage(400, 300, QImage::Format_RGB32);
        form->ChartWorkBitmap.fill(Qt::white);
    }

    // A record of the table as an update leaves it: tracked, allocated colour and track mode.
    TargetRecord& target(int32_t index, uint8_t kind, const cmgbase::GeoPoint& position, float course = 0.0f,
                         float speed = 0.0f)
    {
        TargetRecord& t = TargetTable[size_t(index)];
        t = TargetRecord{};
        t.id = 211000000 + index;
        t.kind = kind;
        t.status = 'T';
        t.colour = 3;
        t.trackMode = kind == 4 ? 0 : 1;
        t.positionX = position.x;
        t.positionY = position.y;
        t.course = course;
        t.speed = speed;
        t.dynamic.trueHeading = 511;  // none
        t.dynamic.rateOfTurn = -128;
        return t;
    }

    void paint(int32_t index)
    {
        QPainter canvas(&form->ChartWorkBitmap);
        PaintTargets(*form, canvas, index);
    }

    QPoint shown(int32_t index) const
    {
        return {TargetTable[size_t(index)].screenX, TargetTable[size_t(index)].screenY};
    }
    QColor at(QPoint pixel) const { return form->ChartWorkBitmap.pixelColor(pixel); }
    bool near(QPoint pixel, const QColor& colour) const
    {
        for (int dx = -1; dx <= 1; ++dx)
            for (int dy = -1; dy <= 1; ++dy)
                if (at(pixel + QPoint(dx, dy)) == colour)
                    return true;
        return false;
    }
    int count(const QRect& area, const QColor& colour) const
    {
        int found = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                found += at({x, y}) == colour;
        return found;
    }

    // Text is smoothed: its pixels are dark rather than black.
    int darkPixels(const QRect& area) const
    {
        int found = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                found += at({x, y}).lightness() < 100;
        return found;
    }

    MapView view;
    std::unique_ptr<TForm1> form;
    // The start-up's day colours.
    const QColor white{Qt::white};
    QColor black;
    QColor red;
};

TEST_F(TargetPaintingTest, TheAisTriangleTurnsWithItsHeadingOnTheTurnedChart)
{
    struct Case {
        const char* what;
        uint16_t aisHeading;
        float course;
        float rotation;
        double screenAngle;  // of the tip, clockwise from the screen's x axis
    };
    const Case cases[]{
        {"north", 0, 0.0f, 0.0f, -90.0},
        {"south-west", 225, 0.0f, 0.0f, 135.0},
        {"the course without an AIS heading", 511, 90.0f, 0.0f, 0.0},
        {"east on a chart with east up", 90, 0.0f, 90.0f, -90.0},
    };
    for (const Case& c : cases) {
        view.SetRotation(c.rotation);
        form->viewRotation = c.rotation;
        clear();
        TargetRecord& t = target(0, 4, Ahead(Centre, 0.0, 0.05), c.course);
        t.dynamic.trueHeading = c.aisHeading;
        paint(0);
        EXPECT_EQ(shown(0), pixelOf(Ahead(Centre, 0.0, 0.05))) << c.what;
        EXPECT_EQ(at(AtAngle(shown(0), 14, c.screenAngle)), red) << c.what;
        EXPECT_EQ(at(AtAngle(shown(0), 10, c.screenAngle + 180)), white) << c.what;
    }
}

TEST_F(TargetPaintingTest, AnAisTargetNotTrackedIsStruckThrough)
{
    for (const char status : {'T', 'L', 'Q'}) {
        clear();
        target(0, 4, Centre).status = status;
        paint(0);
        EXPECT_EQ(at(shown(0) + QPoint(8, -8)), status == 'T' ? white : black) << status;
        EXPECT_EQ(at(shown(0) + QPoint(-8, 8)), status == 'T' ? white : black) << status;
    }
}

TEST_F(TargetPaintingTest, TheHeadingLineOfATrackedAisTargetCarriesTheFlagOfItsTurn)
{
    struct Case {
        int8_t rateOfTurn;
        bool port;
        bool starboard;
    };
    const Case cases[]{{20, false, true}, {-20, true, false}, {8, false, false}, {-128, false, false}};
    for (const Case& c : cases) {
        clear();
        TargetRecord& t = target(0, 4, Centre);
        t.trackMode = 1;
        t.dynamic.trueHeading = 0;
        t.dynamic.rateOfTurn = c.rateOfTurn;
        paint(0);
        const QPoint ship = shown(0);
        EXPECT_EQ(at(ship + QPoint(0, -30)), black) << int(c.rateOfTurn);
        EXPECT_EQ(at(ship + QPoint(-4, -45)) == black, c.port) << int(c.rateOfTurn);
        EXPECT_EQ(at(ship + QPoint(4, -45)) == black, c.starboard) << int(c.rateOfTurn);
    }
}

TEST_F(TargetPaintingTest, ALargeAisVesselAtALargeScaleShowsItsHull)
{
    // 200 m long: 200 x pixels per mile passes 50000 at this scale.
    ASSERT_GT(200.0 * PixelsPerMile, 50000.0);
    struct Case {
        int32_t level;
        uint8_t trackMode;
        bool hull;
    };
    for (const Case& c : {Case{9, 1, true}, Case{10, 1, false}, Case{9, 0, false}}) {
        clear();
        form->chartLevel = c.level;
        TargetRecord& t = target(0, 4, Centre);
        t.trackMode = c.trackMode;
        t.status = 'L';  // no heading line over the bow
        t.dynamic.trueHeading = 90;
        t.staticData.dimensionA = 150;
        t.staticData.dimensionB = 50;
        t.staticData.dimensionC = 10;
        t.staticData.dimensionD = 10;
        paint(0);
        const QPoint bow = pixelOf(Ahead(Centre, 90.0, 150 * MetresToMiles));
        const QPoint starboardStern =
            pixelOf(Ahead(Ahead(Centre, 270.0, 50 * MetresToMiles), 180.0, 10 * MetresToMiles));
        EXPECT_EQ(near(bow, red), c.hull) << c.level << " " << int(c.trackMode);
        EXPECT_EQ(near(starboardStern, red), c.hull) << c.level << " " << int(c.trackMode);
    }
}

TEST_F(TargetPaintingTest, ATrackedArpaTargetIsASquareAnUntrackedOneADiamond)
{
    const QColor blue = UserColour(2);
    for (const char status : {'T', 'L'}) {
        clear();
        target(0, 0, Centre).status = status;
        paint(0);
        const QPoint p = shown(0);
        const bool square = status == 'T';
        EXPECT_EQ(at(p + QPoint(6, 6)) == blue, square) << status;
        EXPECT_EQ(at(p + QPoint(0, -10)) == blue, !square) << status;
        EXPECT_EQ(at(p + QPoint(-7, 0)) == blue, !square) << status;
        EXPECT_EQ(at(p + QPoint(1, 1)), white) << status;
    }
}

TEST_F(TargetPaintingTest, TheLabelShowsTheTrimmedNameOrTheId)
{
    const auto labelPicture = [this](const char* label, uint8_t names, bool hovered, uint8_t trackMode) {
        clear();
        SetupParameters.AisNames = names;
        TargetRecord& t = target(7, 4, Centre);
        t.trackMode = trackMode;
        std::strncpy(t.label, label, sizeof t.label);
        CursorPixel = hovered ? ScreenPoint{200, 150} : ScreenPoint{-1000, -1000};
        paint(7);
        return form->ChartWorkBitmap.copy();
    };
    const QImage named = labelPicture("NORDSTERN", 1, false, 1);
    const QRect box = QRect(shown(7) + QPoint(8, 6), QSize(60, 14));
    EXPECT_GT(darkPixels(box), 10);
    EXPECT_EQ(labelPicture("  NORDSTERN   ", 1, false, 1), named);
    EXPECT_EQ(labelPicture("", 1, false, 1), labelPicture("211000007", 1, false, 1));
    EXPECT_NE(labelPicture("", 1, false, 1), named);

    struct Case {
        const char* what;
        uint8_t names;
        bool hovered;
        uint8_t trackMode;
        bool labelled;
    };
    const Case cases[]{
        {"names shown", 1, false, 1, true},
        {"names off", 0, false, 1, false},
        {"names off, under the cursor", 0, true, 1, true},
        {"AIS without track mode", 1, false, 0, false},
        {"AIS without track mode, under the cursor", 1, true, 0, true},
    };
    for (const Case& c : cases) {
        labelPicture("NORDSTERN", c.names, c.hovered, c.trackMode);
        EXPECT_EQ(darkPixels(box) > 0, c.labelled) << c.what;
    }
}

TEST_F(TargetPaintingTest, ADangerousTargetPulsesOnePixelWiderAndNarrowerOnAlternateFixes)
{
    OwnShip.courseOverGround = 0.0f;
    OwnShip.speedOverGround = 10.0f;
    const QColor orange = UserColour(7);
    // The top edge of a sonar target's square, across its width.
    const auto edge = [&](float course, bool blink) {
        clear();
        FastTick.targetBlink = blink;
        target(3, 2, Ahead(Centre, 0.0, 0.25), course, 10.0f);
        paint(3);
        return count(QRect(shown(3) + QPoint(1, -12), QSize(1, 12)), orange);
    };
    const int steady = edge(0.0f, false);  // same course and speed: never closer
    ASSERT_GE(steady, 3);
    EXPECT_EQ(edge(0.0f, true), steady);
    EXPECT_EQ(edge(180.0f, false), steady + 1);  // meeting head on in 45 s
    EXPECT_NEAR(TargetTable[3].tcpa, 0.75f, 0.01f);
    EXPECT_NEAR(TargetTable[3].cpa, 0.0f, 0.001f);
    EXPECT_EQ(edge(180.0f, true), steady - 1);
}

TEST_F(TargetPaintingTest, CpaAndTcpaGoIntoTheRecordFiniteWithoutRelativeMotion)
{
    OwnShip.courseOverGround = 45.0f;
    OwnShip.speedOverGround = 12.0f;
    struct Case {
        const char* what;
        uint8_t kind;
        float course;
        float speed;
        float ownSpeed;
        float cpa;
        float tcpa;
    };
    const Case cases[]{
        {"parallel at the same speed", 4, 45.0f, 12.0f, 12.0f, 0.2f, 0.0f},
        {"both still, the own speed not known yet", 4, 45.0f, 0.0f, -1.0f, 0.2f, 0.0f},
        {"sonar, parallel", 2, 45.0f, 12.0f, 12.0f, 0.2f, 0.0f},
        {"ARPA keeps what its radar sent", 0, 45.0f, 12.0f, 12.0f, 0.3f, -4.0f},
    };
    for (const Case& c : cases) {
        OwnShip.speedOverGround = c.ownSpeed;
        TargetRecord& t = target(1, c.kind, Ahead(Centre, 135.0, 0.2), c.course, c.speed);
        t.cpa = 0.3f;
        t.tcpa = -4.0f;
        clear();
        FastTick.targetBlink = false;
        paint(1);
        const QImage steady = form->ChartWorkBitmap.copy();
        clear();
        FastTick.targetBlink = true;
        paint(1);
        EXPECT_TRUE(std::isfinite(t.cpa) && std::isfinite(t.tcpa)) << c.what;
        EXPECT_NEAR(t.cpa, c.cpa, 0.002f) << c.what;
        EXPECT_FLOAT_EQ(t.tcpa, c.tcpa) << c.what;
        EXPECT_EQ(form->ChartWorkBitmap, steady) << c.what << ": no danger pulse";
    }
}

TEST_F(TargetPaintingTest, TheVectorRunsAlongTheCourseAndNeverBackwards)
{
    const QColor green = UserColour(3);
    struct Case {
        const char* what;
        uint8_t minutes;
        int16_t setting;
        float speed;
        bool drawn;
    };
    const Case cases[]{
        {"0.1 nm", 0, 1, 0.0f, true},
        {"6 minutes at 2 knots", 1, 6, 2.0f, true},
        {"6 minutes with no speed yet", 1, 6, -1.0f, false},
    };
    for (const Case& c : cases) {
        clear();
        SetupParameters.VectorInMinutes = c.minutes;
        SetupParameters.BoatVector = c.setting;
        target(2, 0, Centre, 90.0f, c.speed);
        paint(2);
        // 0.1 nautical miles east: the end of both drawn vectors.
        const QPoint end = pixelOf(Ahead(Centre, 90.0, 0.1));
        EXPECT_EQ(near(end - QPoint(5, 0), green), c.drawn) << c.what;
        EXPECT_EQ(count(QRect(0, 0, shown(2).x() - 8, 300), green), 0) << c.what;
    }
}

TEST_F(TargetPaintingTest, TheWholeTrackIsDrawnForTheTargetUnderTheCursor)
{
    const QColor magenta = UserColour(5);
    struct Case {
        const char* what;
        bool hovered;
        int32_t drawnCount;
        uint8_t trackMode;
        bool link;
        bool older;
    };
    const Case cases[]{
        {"drawn by the static overlay", false, 4, 1, true, false},
        {"drawn, under the cursor", true, 4, 1, true, true},
        {"not drawn", false, 0, 1, false, false},
        {"not drawn, under the cursor", true, 0, 1, true, true},
        {"no track mode, under the cursor", true, 0, 0, false, false},
    };
    for (const Case& c : cases) {
        clear();
        TargetRecord& t = target(4, 0, Centre);
        t.colour = 5;
        t.trackMode = c.trackMode;
        t.count = 4;
        paint(4);  // places the target
        const QPoint p = shown(4);
        TargetTrackPicture& picture = TargetTrackPictures[4];
        for (int slot = 0; slot < 4; ++slot)
            picture.points[size_t(slot)] = {p.x() - 80 + 20 * slot, p.y()};
        picture.drawnCount = c.drawnCount;
        CursorPixel = c.hovered ? ScreenPoint{p.x(), p.y()} : ScreenPoint{-1000, -1000};
        clear();
        paint(4);
        EXPECT_EQ(at(p + QPoint(-12, 0)) == magenta, c.link) << c.what;
        EXPECT_EQ(at(p + QPoint(-50, 0)) == magenta, c.older) << c.what;
    }
}

TEST_F(TargetPaintingTest, ATargetIsShownWhereItHasRunSinceItsReport)
{
    struct Case {
        const char* what;
        float speed;
        int32_t seconds;
        double miles;
    };
    const Case cases[]{
        {"a minute at 12 knots", 12.0f, 60, 0.2},
        {"just reported", 12.0f, 0, 0.0},
        {"no speed yet", -1.0f, 60, 0.0},
        {"a report from the future", 12.0f, -60, 0.0},
    };
    for (const Case& c : cases) {
        TargetRecord& t = target(5, 4, Centre, 30.0f, c.speed);
        t.lostCount = c.seconds;
        paint(5);
        EXPECT_EQ(shown(5), pixelOf(Ahead(Centre, 30.0, c.miles))) << c.what;
    }

    TargetRecord& far = target(5, 4, Ahead(Centre, 0.0, 30.0));
    far.cpa = 7.0f;
    clear();
    OverlayDirtyRect = {};
    paint(5);
    EXPECT_EQ(count(form->ChartWorkBitmap.rect(), white), 400 * 300) << "more than 8000 px off";
    EXPECT_FALSE(OverlayDirtyRect.holdsArea);
    EXPECT_FLOAT_EQ(far.cpa, 7.0f);
}

TEST_F(TargetPaintingTest, EverythingDrawnLiesInThePaintedArea)
{
    OwnShip.courseOverGround = 0.0f;
    OwnShip.speedOverGround = 10.0f;
    SetupParameters.AisNames = 1;
    form->ckCpaShow->setChecked(true);
    form->chartLevel = 9;
    TargetRecord& hull = target(0, 4, Ahead(Centre, 300.0, 0.2), 60.0f, 8.0f);
    hull.trackMode = 1;
    hull.dynamic.trueHeading = 62;
    hull.staticData.dimensionA = 120;
    hull.staticData.dimensionB = 40;
    hull.staticData.dimensionC = 12;
    hull.staticData.dimensionD = 12;
    std::strncpy(hull.label, "NORDSTERN", sizeof hull.label);
    TargetRecord& turning = target(1, 4, Ahead(Centre, 45.0, 0.25), 200.0f, 12.0f);
    turning.trackMode = 1;
    turning.dynamic.trueHeading = 205;
    turning.dynamic.rateOfTurn = -30;
    target(2, 4, Ahead(Centre, 240.0, 0.25), 90.0f, 5.0f).status = 'L';
    target(3, 0, Ahead(Centre, 120.0, 0.25), 300.0f, 9.0f);
    target(4, 0, Ahead(Centre, 170.0, 0.18), 10.0f, 3.0f).status = 'Q';
    target(6, 2, Ahead(Centre, 10.0, 0.28), 185.0f, 14.0f);  // meets the own ship
    for (const int32_t index : {0, 1, 2, 3, 4, 6})
        paint(index);

    const OverlayRect& area = OverlayDirtyRect;
    ASSERT_TRUE(area.holdsArea);
    int outside = 0;
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 400; ++x)
            outside += at({x, y}) != white && (x < area.left || x > area.right || y < area.top || y > area.bottom);
    EXPECT_EQ(outside, 0);
}

}  // namespace
