// The chart presets on the started main window over the bay: the band buttons and Auto, the
// level and band they leave, the recentring, the own-ship offset and the orientation they ask of
// the one-second tick, and the paint hold of an automatic zoom.

#include "BayWindowTest.h"

#include "app/TickState.h"
#include "chart/OverlayColours.h"

#include <QLabel>
#include <QTest>
#include <QToolButton>

namespace {

enum class Action { Auto, Global, Crossing };

struct PresetCase {
    const char* what;
    cmgbase::GeoPoint ship;  // the view is centred on it
    int32_t level;
    bool autoDown;
    Action action;
    // Expected:
    int32_t newLevel;
    int32_t bandLevel;
    bool forceRecentre;
    int32_t paintHold;     // 2 waits for a redraw, 1 after it: the next one-second tick paints
    bool offsetRecentre;   // the one-second tick's recentring of a ship under way
    bool orientation;      // the orientation re-apply request; a redraw takes it up
};

class ChartPresetsTest : public BayWindowTest {
protected:
    void run(Action action)
    {
        switch (action) {
        case Action::Auto: form->AutoExecute(); break;
        case Action::Global: form->GlobalExecute(); break;
        case Action::Crossing: form->CrossingExecute(); break;
        }
    }
};

TEST_F(ChartPresetsTest, EachPresetLeavesItsLevelBandAndRequests)
{
    const PresetCase cases[] = {
        {"Auto in the bay from 1:20M: Coastal", InTheBay, 16, true, Action::Auto, 10, 10, true, 1, true, false},
        {"Auto in the bay at Coastal applies it again", InTheBay, 10, true, Action::Auto, 10, 10, true, 2, true, true},
        {"Auto in the bay finer than Coastal stays", InTheBay, 9, true, Action::Auto, 9, 10, true, 2, true, true},
        {"Auto at sea at level 1: Global", AtSea, 1, true, Action::Auto, 16, 16, true, 1, true, false},
        {"Auto with AutoBtn up does nothing", InTheBay, 16, false, Action::Auto, 16, 16, false, 0, false, false},
        {"Global never recentres", InTheBay, 10, true, Action::Global, 16, 16, false, 0, false, false},
        {"Crossing always recentres", InTheBay, 16, false, Action::Crossing, 12, 12, true, 0, false, false},
        {"Crossing with Auto down holds the paint", InTheBay, 16, true, Action::Crossing, 12, 12, true, 1, false,
         false},
    };
    for (const PresetCase& c : cases) {
        SCOPED_TRACE(c.what);
        PlaceShip(c.ship);
        ShowChart(c.level, c.ship);
        form->AutoBtn->setChecked(c.autoDown);
        form->ForceRecentre = false;
        form->threeDRedrawPending = false;
        SecondTick.movingRecentre = false;

        run(c.action);

        EXPECT_EQ(form->chartLevel, c.newLevel);
        EXPECT_EQ(form->bandLevel, c.bandLevel);
        EXPECT_EQ(MainMapView->scale, int32_t(ChartLevelTable[size_t(c.newLevel)]));
        EXPECT_EQ(form->ForceRecentre, c.forceRecentre);
        EXPECT_EQ(form->ZoomPaintHold, c.paintHold);
        EXPECT_EQ(SecondTick.movingRecentre, c.offsetRecentre);
        EXPECT_EQ(form->threeDRedrawPending, c.orientation);
    }
}

// Auto chose the level already shown and the ship is at the centre: no redraw comes. The next
// one-second tick ends the hold all the same, so that the own ship is drawn again.
TEST_F(ChartPresetsTest, AnAutoThatRedrawsNothingIsPaintedAtTheNextTick)
{
    PlaceShip(InTheBay);
    ShowChart(10, InTheBay);
    form->AutoBtn->setChecked(true);
    form->AutoExecute();
    ASSERT_EQ(form->ZoomPaintHold, 2);
    form->ChartWorkBitmap.fill(Qt::black);

    form->Timer2Timer();

    EXPECT_EQ(form->ZoomPaintHold, 0);
    EXPECT_FALSE(form->ForceRecentre);
    const ScreenPoint ship = TickRequest.ownShipPixel;
    EXPECT_EQ(form->ChartWorkBitmap.pixelColor(ship.x + 14, ship.y), UserColour(1)) << "the own ship's red ring";
}

// A click on any readout of the GPS panel lets the chart follow a ship under way.
TEST_F(ChartPresetsTest, AClickOnTheGpsReadoutSwitchesAutoOnForAShipUnderWay)
{
    const struct {
        float speed;
        bool autoBefore;
        bool autoRun;
    } cases[] = {{1.1f, false, true}, {1.0f, false, false}, {5.0f, true, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.speed);
        PlaceShip(InTheBay, 90.0f, c.speed);
        ShowChart(16, InTheBay);
        form->AutoBtn->setChecked(c.autoBefore);
        form->ForceRecentre = false;

        QTest::mouseClick(form->txSOG, Qt::LeftButton);

        EXPECT_EQ(form->AutoBtn->isChecked(), c.autoBefore || c.autoRun);
        EXPECT_EQ(form->ForceRecentre, c.autoRun);
        EXPECT_EQ(form->chartLevel, c.autoRun ? 10 : 16);
    }
}

}  // namespace
