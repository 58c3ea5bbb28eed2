// The light markers on the main chart: sectors seen from a reference point, the flash step's
// dots, the picks with their slots and the sector-limit offsets.

#include "ChartWindowFixture.h"

#include "chart/ChartLevels.h"
#include "chart/ChartRedraw.h"
#include "chart/LightFlashes.h"
#include "chart/LightPicks.h"
#include "chart/MapView.h"
#include "chart/OverlayColours.h"
#include "chart/SelectedChartObject.h"
#include "frame/PhaseCounters.h"

#include <QPainter>

#include <gtest/gtest.h>

using namespace charttest;

namespace {

ChartMarker Light(int32_t x, int32_t y, int32_t start = NoSectorLimit, int32_t end = NoSectorLimit, uint8_t colour = WhiteLight)
{
    ChartMarker m;
    m.x = x;
    m.y = y;
    m.sectorStart = start;
    m.sectorEnd = end;
    m.colour = colour;
    m.position = {x * 1000, y * 1000};
    return m;
}

TEST(LightSectorTest, BearingsInsideSectorsThatPassNorthAndOnesThatDoNot)
{
    struct Case {
        int32_t bearing, start, end;
        bool inside;
    };
    for (const Case& c : {Case{3550, 3500, 200, true}, Case{100, 3500, 200, true}, Case{300, 3500, 200, false},
                          Case{3500, 3500, 200, true}, Case{200, 3500, 200, false}, Case{1000, 220, 1910, true},
                          Case{1910, 220, 1910, false}, Case{219, 220, 1910, false}})
        EXPECT_EQ(BearingInSector(c.bearing, c.start, c.end), c.inside) << c.bearing << " " << c.start << "-" << c.end;
}

TEST(LightSectorTest, TheBearingToTheReferenceIsTrueOnATurnedChart)
{
    const ChartMarker m = Light(100, 100);
    struct Case {
        ScreenPoint reference;
        float rotation;
        int32_t bearing;
    };
    for (const Case& c : {Case{{100, 50}, 0.0f, 0}, Case{{150, 100}, 0.0f, 900}, Case{{100, 150}, 0.0f, 1800},
                          Case{{50, 100}, 0.0f, 2700}, Case{{100, 50}, 90.0f, 900}, Case{{50, 100}, 90.0f, 0},
                          Case{{100, 150}, 270.0f, 900}})
        EXPECT_EQ(BearingToReference(m, c.reference, c.rotation), c.bearing) << c.rotation;
}

TEST(LightSectorTest, ANarrowWhiteSectorEnteredOrLeftAsksForARedraw)
{
    ChartWindow window;
    window.chartMarkers = {Light(100, 100, 0, 150), Light(300, 100, 0, 1000, 1)};
    UpdateSectorVisibility(window, {110, 0}, true);  // north of both, a little east of the first
    EXPECT_TRUE(window.chartMarkers[0].inSector);
    EXPECT_TRUE(window.chartMarkers[1].inSector == 0);
    EXPECT_TRUE(window.chartRedrawRequest);

    window.chartRedrawRequest = false;
    UpdateSectorVisibility(window, {110, 0}, true);  // no change: no redraw
    EXPECT_FALSE(window.chartRedrawRequest);
    UpdateSectorVisibility(window, {400, 0}, true);  // into the wide red one, out of the white
    EXPECT_FALSE(window.chartMarkers[0].inSector);
    EXPECT_TRUE(window.chartMarkers[1].inSector);
    EXPECT_TRUE(window.chartRedrawRequest);
    window.chartRedrawRequest = false;
    UpdateSectorVisibility(window, {110, 0}, false);  // sector layer off: the lines do not change
    EXPECT_FALSE(window.chartRedrawRequest);
}

TEST(LightRhythmTest, PatternsHoldTheirCyclesAndBits)
{
    for (size_t c = 0; c < LightRhythmTable.size(); ++c)
        EXPECT_EQ(LightRhythmTable[c].ticks, kPhaseCounterLengths[c]) << c;
    for (int tick = 0; tick < 10; ++tick)
        EXPECT_EQ(RhythmLit(0, 0x01, tick), tick >= 5) << tick;
    for (int tick = 0; tick < 20; ++tick)
        EXPECT_EQ(RhythmLit(2, 0x10, tick), tick >= 17) << tick;  // Fl 4s
    EXPECT_EQ(LightRhythmTable[8].pattern[74], 0xC3);
}

// A window with the two overlay bitmaps: ChartBackBitmap plain grey, ChartWorkBitmap its copy.
ChartWindow FlashWindow(std::vector<ChartMarker> markers)
{
    ChartWindow window;
    window.ChartBackBitmap = QImage(200, 100, QImage::Format_RGB32);
    window.ChartBackBitmap.fill(Qt::gray);
    window.ChartWorkBitmap = window.ChartBackBitmap;
    window.chartMarkers = std::move(markers);
    return window;
}

TEST(LightFlashTest, DotsFollowTheRhythmOrStayLitWithFlashingOff)
{
    ChartMarker fl4 = Light(50, 50);
    fl4.periodClass = 2;
    fl4.rhythmMask = 0x10;
    ChartMarker outOfSector = Light(150, 50, 0, 900);
    outOfSector.periodClass = 2;
    outOfSector.rhythmMask = 0x10;
    ChartWindow window = FlashWindow({fl4, outOfSector});
    const QRgb white = UserColour(WhiteLight).rgb();
    for (int tick = 0; tick < 20; ++tick) {
        PhaseCounters[2] = static_cast<int8_t>(tick);
        UpdateLightFlashes(window, true);
        EXPECT_EQ(window.ChartWorkBitmap.pixel(50, 50) == white, tick >= 17) << tick;
        EXPECT_EQ(window.chartMarkers[0].shown, tick >= 17 ? 1 : 0) << tick;
        EXPECT_EQ(window.ChartWorkBitmap.pixel(150, 50), QColor(Qt::gray).rgb()) << tick;
    }
    EXPECT_TRUE(window.markerChanged);
    PhaseCounters[2] = 0;
    UpdateLightFlashes(window, false);  // flashing off: lit whatever the tick
    EXPECT_EQ(window.ChartWorkBitmap.pixel(50, 50), white);

    window.chartMarkers[1].inSector = 1;  // seen: lit too
    UpdateLightFlashes(window, false);
    EXPECT_EQ(window.ChartWorkBitmap.pixel(150, 50), white);
    window.chartMarkers[1].inSector = 0;  // left its sector: dark again
    UpdateLightFlashes(window, false);
    EXPECT_EQ(window.ChartWorkBitmap.pixel(150, 50), QColor(Qt::gray).rgb());
    EXPECT_EQ(window.chartMarkers[1].shown, 0);

    window.ZoomPaintHold = 2;  // a zoom holds the picture: nothing changes
    window.chartMarkers[1].inSector = 1;
    UpdateLightFlashes(window, false);
    EXPECT_EQ(window.chartMarkers[1].shown, 0);
    PhaseCounters.fill(0);
}

TEST(LightPickTest, ThreeSlotsOldestDroppedSameKindReleasesOtherKindChanges)
{
    SelectedChartObjects = {};
    ChartWindow window;
    window.chartLevel = 6;
    window.chartMarkers = {Light(10, 10), Light(10, 10, 0, 900), Light(100, 10), Light(200, 10), Light(300, 10)};
    window.chartMarkers[0].size = 13;
    const auto positions = [] {
        std::array<int32_t, 3> x{};
        for (size_t i = 0; i < 3; ++i)
            x[i] = SelectedChartObjects[i].active ? SelectedChartObjects[i].x : -1;
        return x;
    };
    EXPECT_FALSE(HitTestChartObject(window, LeftPick, 50, 50, false));  // nothing near
    EXPECT_TRUE(HitTestChartObject(window, LeftPick, 20, 20, false));
    EXPECT_TRUE(window.chartRedrawRequest);
    const SelectedChartObject& first = SelectedChartObjects[2];
    EXPECT_EQ(first.lightHeight, 13u);
    EXPECT_EQ(first.markers[0].shown + first.markers[1].shown + first.markers[2].shown, 2);  // both at (10, 10)
    EXPECT_EQ(first.markers[1].sectorEnd, 900);
    EXPECT_EQ(positions(), (std::array<int32_t, 3>{-1, -1, 10}));

    HitTestChartObject(window, LeftPick, 100, 10, false);
    HitTestChartObject(window, LeftPick, 200, 10, false);
    EXPECT_EQ(positions(), (std::array<int32_t, 3>{10, 100, 200}));
    HitTestChartObject(window, LeftPick, 300, 10, false);  // a fourth: the oldest goes
    EXPECT_EQ(positions(), (std::array<int32_t, 3>{100, 200, 300}));

    HitTestChartObject(window, RightPick, 200, 10, false);  // another kind: changed in place
    EXPECT_EQ(positions(), (std::array<int32_t, 3>{100, 200, 300}));
    EXPECT_EQ(SelectedChartObjects[1].pickKind, RightPick);
    HitTestChartObject(window, RightPick, 200, 10, false);  // the same kind: released
    EXPECT_EQ(positions(), (std::array<int32_t, 3>{-1, 100, 300}));
    HitTestChartObject(window, LeftPick, 300, 10, false);
    EXPECT_EQ(positions(), (std::array<int32_t, 3>{-1, -1, 100}));

    EXPECT_FALSE(HitTestChartObject(window, LeftPick, 300, 10, true));  // bearing line on
    window.chartLevel = 13;
    EXPECT_FALSE(HitTestChartObject(window, LeftPick, 300, 10, false));
    EXPECT_EQ(positions(), (std::array<int32_t, 3>{-1, -1, 100}));
    SelectedChartObjects = {};
}

TEST(LightPickTest, TheHoveredMarkerIsTheLastWithin12Pixels)
{
    ChartWindow window;
    window.chartMarkers = {Light(10, 10), Light(15, 12), Light(40, 40)};
    EXPECT_EQ(HoverMarkerAt(window, 12, 11), 1);
    EXPECT_EQ(HoverMarkerAt(window, 0, 0), 0);
    EXPECT_EQ(HoverMarkerAt(window, 40, 52), -1);
    EXPECT_EQ(HoverMarkerAt(window, 100, 100), -1);
}

TEST(LightPickTest, SectorLimitOffsetsByBearingOnTheTurnedChart)
{
    struct Case {
        int32_t limit;
        float rotation;
        QPoint offset;
    };
    for (const Case& c : {Case{0, 0, {2, 0}}, Case{450, 0, {2, 1}}, Case{900, 0, {0, 2}}, Case{1800, 0, {-2, 0}},
                          Case{2700, 0, {0, -2}}, Case{3590, 0, {2, 0}}, Case{3600, 0, {2, 0}}, Case{3700, 0, {2, 0}},
                          Case{7250, 0, {2, 0}}, Case{900, 90.0f, {2, 0}}, Case{0, 90.0f, {0, -2}}, Case{-900, 0, {0, -2}}})
        EXPECT_EQ(SectorLimitOffset(c.limit, c.rotation), c.offset) << c.limit << " " << c.rotation;
}

TEST(LightPickTest, TheVisibilityCircleAddsTheHorizonsOfEyeAndLight)
{
    EXPECT_NEAR(VisibilityRadius(1.0, 16.0, 25.0), 18.72, 1e-9);  // 2.08 x (4 + 5) miles
    EXPECT_NEAR(VisibilityRadius(10.0, 0.0, 16.0), 83.2, 1e-9);   // no eye height: the light's own
    EXPECT_NEAR(VisibilityRadius(10.0, -3.0, 0.0), 0.0, 1e-9);
}

class LightPickChartTest : public ChartWindowTest {};

TEST_F(LightPickChartTest, APickedSectorLightShowsItsLimitsAndCircleAndABandChangeReleasesIt)
{
    window.controls.CM93->resize(400, 300);
    const cmgbase::GeoPoint centre = Degrees(-76.44, 38.9);
    MainMapView->SetCentre(centre);
    window.chartLevel = 11;  // 1:150000
    SetChartLevel(window);
    ChartMarker light = Light(200, 150, 0, 900);
    light.position = centre;
    light.range = 20;
    light.size = 1;
    window.chartMarkers = {light};
    SelectedChartObjects = {};
    ASSERT_TRUE(HitTestChartObject(window, LeftPick, 200, 150, false));

    QImage canvas(400, 300, QImage::Format_RGB32);
    const QRgb background = qRgb(1, 2, 3);
    canvas.fill(background);
    {
        QPainter painter(&canvas);
        PaintSelectedObjects(window, painter, false);
    }
    // The limit from the light towards 000 runs up, the one towards 090 to the right, 2 miles
    // long, each with the light's colour beside it (2 px right of the first, 2 px below the second).
    const int miles2 = int(2 * PixelsPerMile);
    ASSERT_GT(miles2, 40);
    ASSERT_LT(miles2, 140);
    int up = 0, right = 0, beside = 0;
    for (int d = 10; d < miles2 - 2; ++d) {
        up += canvas.pixel(200, 150 - d) == UserColour(6).rgb();
        right += canvas.pixel(200 + d, 150) == UserColour(6).rgb();
        beside += canvas.pixel(202, 150 - d) == UserColour(WhiteLight).rgb();
    }
    EXPECT_GT(up, 10);
    EXPECT_GT(right, 10);
    EXPECT_GT(beside, 10);
    EXPECT_EQ(canvas.pixel(200, 150 - miles2 - 4), background);
    // The circle: 2.08 x sqrt(1) miles with no eye height, and one 2 px larger.
    const int radius = int(VisibilityRadius(PixelsPerMile, 0.0, 1.0));
    ASSERT_LT(radius, 140);
    const auto drawnNear = [&](int x) {
        return canvas.pixel(x, 150) != background || canvas.pixel(x + 1, 150) != background || canvas.pixel(x - 1, 150) != background;
    };
    EXPECT_TRUE(drawnNear(200 - radius));
    EXPECT_TRUE(drawnNear(200 - radius - 2));

    window.lastBandLevel = window.bandLevel + 1;  // the band changes with the next level change
    window.chartLevel = 10;
    SetChartLevel(window);
    EXPECT_EQ(SelectedChartObjects[2].active, 0);
    SelectedChartObjects = {};
}

}  // namespace
