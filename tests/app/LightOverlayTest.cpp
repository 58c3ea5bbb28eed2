// The chart lights of the started program over the bay's cell: the dots flash in their rhythm
// as the 200 ms timer steps the phase counters, sector lights show only in the sector the own
// ship is in (also on a turned chart), and lights without a rhythm keep their dot and text.

#include "BayWindowTest.h"

#include "app/DynamicOverlay.h"
#include "app/LightOverlay.h"
#include "chart/ChartLayerItems.h"
#include "chart/ChartRedraw.h"
#include "chart/OverlayColours.h"
#include "frame/PhaseCounters.h"
#include "platform/geodesy/PositionComputation.h"

#include <QListWidget>

#include <gtest/gtest.h>

#include <numbers>

namespace {

const cmgbase::GeoPoint ThomasPoint = Degrees(-(76 + 26.1 / 60), 38 + 53.9 / 60);

class LightOverlayTest : public BayWindowTest {
protected:
    void SetUp() override
    {
        BayWindowTest::SetUp();
        PhaseCounters.fill(0);
        AppRunning = true;
    }

    void TearDown() override
    {
        PhaseCounters.fill(0);
        BayWindowTest::TearDown();
    }

    void Layers(bool characteristics, bool names, bool flashing, bool sectors)
    {
        const std::pair<int, bool> layers[] = {{LightCharacteristicsItem, characteristics}, {LightNamesItem, names},
                                               {FlashingLightsItem, flashing}, {LightSectorsItem, sectors}};
        for (const auto& [item, on] : layers)
            form->cklChart->item(item)->setCheckState(on ? Qt::Checked : Qt::Unchecked);
    }

    // The first marker of the kind well inside the chart with no other marker near it.
    const ChartMarker* Lone(const std::function<bool(const ChartMarker&)>& kind) const
    {
        for (const ChartMarker& m : form->chartMarkers) {
            if (!kind(m) || m.x < 30 || m.y < 30 || m.x > form->chartRect.right - 30 || m.y > form->chartRect.bottom - 30)
                continue;
            const bool alone = std::none_of(form->chartMarkers.begin(), form->chartMarkers.end(), [&](const ChartMarker& o) {
                return &o != &m && std::abs(o.x - m.x) < 20 && std::abs(o.y - m.y) < 20;
            });
            if (alone)
                return &m;
        }
        return nullptr;
    }

    bool Lit(const ChartMarker& m) const { return form->ChartWorkBitmap.pixel(m.x, m.y) == UserColour(m.colour).rgb(); }

    // The colours of the Thomas Point sectors the own ship is in, seen from bearing degrees.
    std::vector<uint8_t> SeenFrom(double bearing)
    {
        const ChartMarker* light = nullptr;
        for (const ChartMarker& m : form->chartMarkers)
            if (HasSector(m))
                light = &m;
        EXPECT_NE(light, nullptr);
        cmgbase::GeoPoint ship;
        EXPECT_EQ(cmgbase::DirPosComputation(light->position, &ship, bearing * std::numbers::pi / 180.0, 0.5, 0), 0);
        PlaceShip(ship);
        PaintDynamicOverlay(*form, true);
        std::vector<uint8_t> seen;
        for (const ChartMarker& m : form->chartMarkers)
            if (m.inSector)
                seen.push_back(m.colour);
        return seen;
    }
};

TEST_F(LightOverlayTest, ARealFl4sLightIsLitAtTicks17To19OfItsCycleAndAlwaysWithFlashingOff)
{
    Layers(false, false, true, false);
    ShowChart(6, ThomasPoint);
    const ChartMarker* fl4 = Lone([](const ChartMarker& m) { return m.character == 2 && m.period == 4 && !HasSector(m); });
    ASSERT_NE(fl4, nullptr);
    ASSERT_EQ(std::tie(fl4->periodClass, fl4->rhythmMask), std::make_tuple(uint8_t(2), uint8_t(0x10)));
    const ChartMarker* q1 = Lone([](const ChartMarker& m) { return m.character == 4 && m.period == 1; });
    ASSERT_NE(q1, nullptr);
    // The quick light's variant of the 12 s cycle: dark for 2 s, then lit 1 s, dark 1 s, lit 1 s,
    // dark 1 s, and lit the last 6 s.
    const auto quickOn = [](int tick) { return (tick >= 10 && tick < 15) || (tick >= 20 && tick < 25) || tick >= 30; };
    for (int tick = 0; tick < 60; ++tick) {
        UpdateLightFlashes(*form);
        if (tick < 20) {
            EXPECT_EQ(Lit(*fl4), tick >= 17) << tick;
            // The dot is the only change: the pixels around it stay the chart's.
            EXPECT_EQ(form->ChartWorkBitmap.pixel(fl4->x + 12, fl4->y), form->MainChartBitmap.pixel(fl4->x + 12, fl4->y));
        }
        EXPECT_EQ(Lit(*q1), quickOn(tick)) << tick;
        form->iThreadTimers1Timer2(nullptr);
    }

    form->cklChart->item(FlashingLightsItem)->setCheckState(Qt::Unchecked);
    form->cklChart->item(LightSectorsItem)->setCheckState(Qt::Checked);
    for (int tick = 0; tick < 20; ++tick) {
        UpdateLightFlashes(*form);
        EXPECT_TRUE(Lit(*fl4)) << tick;
        form->iThreadTimers1Timer2(nullptr);
    }
}

TEST_F(LightOverlayTest, TheOwnShipSeesTheSectorTheChartGivesForItsBearingAlsoHeadUp)
{
    Layers(false, false, true, true);
    // From the light (the chart's limits are given towards it): white 231.5-276.5 and 022-191,
    // red 191-231.5 and 276.5-022.
    const std::pair<double, uint8_t> bearings[] = {{100, 4}, {200, 1}, {250, 4}, {300, 1}, {10, 1}, {30, 4}};
    for (const float rotation : {0.0f, 75.0f}) {
        form->viewRotation = rotation;
        ShowChart(6, ThomasPoint);
        RedrawChart(*form, true);
        for (const auto& [bearing, colour] : bearings)
            EXPECT_EQ(SeenFrom(bearing), std::vector<uint8_t>{colour}) << bearing << " on a chart turned by " << rotation;
    }
    form->viewRotation = 0.0f;
}

TEST_F(LightOverlayTest, OnlyTheSectorTheShipIsInFlashes)
{
    Layers(false, false, true, true);
    ShowChart(6, ThomasPoint);
    SeenFrom(250);  // white
    const auto thomas = [this](uint8_t colour) {
        for (const ChartMarker& m : form->chartMarkers)
            if (HasSector(m) && m.colour == colour && m.inSector)
                return m;
        return ChartMarker{};
    };
    int whiteLit = 0;
    for (int tick = 0; tick < 25; ++tick) {
        UpdateLightFlashes(*form);
        whiteLit += Lit(thomas(4));
        form->iThreadTimers1Timer2(nullptr);
    }
    EXPECT_GT(whiteLit, 0);
    EXPECT_LT(whiteLit, 25);
    SeenFrom(200);  // red: the white dot goes, the red one flashes
    int redLit = 0, whiteShown = 0;
    for (int tick = 0; tick < 25; ++tick) {
        UpdateLightFlashes(*form);
        redLit += Lit(thomas(1));
        for (const ChartMarker& m : form->chartMarkers)
            whiteShown += HasSector(m) && m.colour == 4 && m.shown;
        form->iThreadTimers1Timer2(nullptr);
    }
    EXPECT_GT(redLit, 0);
    EXPECT_LT(redLit, 25);
    EXPECT_EQ(whiteShown, 0);
}

TEST_F(LightOverlayTest, ALightWithoutRhythmNeverBlinksAndGetsItsTextWhileFlashingWithoutCharacteristics)
{
    Layers(false, false, true, false);
    ShowChart(9, ThomasPoint);
    const auto long30 = std::find_if(form->chartMarkers.begin(), form->chartMarkers.end(),
                                     [](const ChartMarker& m) { return m.period == 30; });
    ASSERT_NE(long30, form->chartMarkers.end());
    EXPECT_EQ(long30->periodClass, NoRhythm);
    const cmgbase::GeoPoint at = long30->position;
    ShowChart(6, at);
    const ChartMarker* m = Lone([&](const ChartMarker& c) { return c.position.x == at.x && c.position.y == at.y; });
    ASSERT_NE(m, nullptr);
    const auto textPixels = [&] {
        int differing = 0;
        for (int y = m->y - 6; y < m->y + 8; ++y)
            for (int x = m->x + 15; x < m->x + 60; ++x)
                differing += form->ChartBackBitmap.pixel(x, y) != form->ChartBackBitmap.pixel(m->x + 15, m->y - 10);
        return differing;
    };
    for (int tick = 0; tick < 80; ++tick) {
        UpdateLightFlashes(*form);
        EXPECT_TRUE(Lit(*m)) << tick;  // baked into the chart picture
        form->iThreadTimers1Timer2(nullptr);
    }
    const int withText = textPixels();
    Layers(false, false, false, true);
    RedrawChart(*form, true);
    EXPECT_GT(withText, textPixels() + 20);
}

}  // namespace
