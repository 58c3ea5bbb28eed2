// The target buttons and the event mark on the started main window over the bay: the query, the
// two ARPA radars, AIS and the bearing tool, pressed and released as the user does; the dialogs
// and panels they show and hide, the targets they drop, the tool dialog's pages and the repaint
// they ask for; and the quick marks that the event mark, the alarm contact and the soundings ask
// the mark store for.

#include "BayWindowTest.h"

#include "app/DynamicOverlay.h"
#include "app/EventMarks.h"
#include "app/ToolTabs.h"
#include "chart/TCM93Inspector.h"
#include "frame/SetupParameters.h"
#include "sensors/ArpaSources.h"
#include "sensors/TArpaDlg.h"
#include "sensors/TargetTable.h"
#include "userdata/TQueryDlg.h"

#include <QFrame>
#include <QLineEdit>
#include <QTabWidget>
#include <QToolButton>

#include <optional>

namespace {

class TargetButtonsTest : public BayWindowTest {
protected:
    void SetUp() override
    {
        BayWindowTest::SetUp();
        inspector = std::make_unique<TCM93Inspector>();
        query = std::make_unique<TQueryDlg>();
        arpa = std::make_unique<TArpaDlg>();
        CM93Inspector = inspector.get();
        QueryDlg = query.get();
        ArpaDlg = arpa.get();
        // The ARPA buttons come with the first and the second ARPA radar.
        SetBarControlVisible(form->Arpa1Btn, true);
        SetBarControlVisible(form->Arpa2Btn, true);
    }
    void TearDown() override
    {
        CM93Inspector = nullptr;
        QueryDlg = nullptr;
        ArpaDlg = nullptr;
        BayWindowTest::TearDown();
    }

    // The button as the user leaves it: a click that ends with it down or up.
    static void Leave(QToolButton* button, bool down)
    {
        button->setChecked(!down);
        button->click();
    }

    bool tabShown(QWidget* page) const { return form->ToolDlg->isTabVisible(form->ToolDlg->indexOf(page)); }

    std::unique_ptr<TCM93Inspector> inspector;
    std::unique_ptr<TQueryDlg> query;
    std::unique_ptr<TArpaDlg> arpa;
};

TEST_F(TargetButtonsTest, QueryUpHidesTheInspectorsAndTracksOrAisAskForARepaint)
{
    const struct {
        bool queryDown;
        bool trackDown;
        bool aisDown;
        bool dialogsShown;
        int32_t repaint;
    } cases[] = {
        {false, false, false, false, 0},
        {true, false, false, true, 0},
        {false, true, false, false, 1},
        {true, false, true, true, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.queryDown << c.trackDown << c.aisDown);
        inspector->show();
        query->show();
        form->TrackBtn->setChecked(c.trackDown);
        form->AisBtn->setChecked(c.aisDown);
        form->OverlayRedrawRequest = 0;

        Leave(form->QueryBtn, c.queryDown);

        EXPECT_EQ(inspector->isVisible(), c.dialogsShown);
        EXPECT_EQ(query->isVisible(), c.dialogsShown);
        EXPECT_EQ(form->OverlayRedrawRequest, c.repaint);
    }
}

// Record 10 an ARPA target, 11 an AIS vessel, 12 a sonar target.
TEST_F(TargetButtonsTest, AChangeOfArpaRadarDropsTheOldRadarsTargetsAndTheTargetDialog)
{
    enum Button { Arpa1, Arpa2 };
    const struct {
        const char* what;
        int32_t source;
        Button pressed;
        int32_t newSource;
        bool switched;
    } cases[] = {
        {"second to first radar", 2, Arpa1, 1, true},
        {"first radar again", 1, Arpa1, 1, false},
        {"first to second radar", 1, Arpa2, 2, true},
        {"second radar again", 2, Arpa2, 2, false},
        {"second radar before any radar is known", 0, Arpa2, 0, false},
        {"switch while the new radar is still to be announced", -2, Arpa1, -1, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ResetTargetTable();
        ClaimTarget(10, 7, TargetArpa);
        ClaimTarget(11, 211000000, TargetAisPosition);
        ClaimTarget(12, 3, TargetSonar);
        ArpaSource = c.source;
        arpa->show();
        QToolButton* button = c.pressed == Arpa1 ? form->Arpa1Btn : form->Arpa2Btn;
        QToolButton* other = c.pressed == Arpa1 ? form->Arpa2Btn : form->Arpa1Btn;
        other->setChecked(true);
        form->OverlayRedrawRequest = 0;

        Leave(button, true);

        EXPECT_EQ(ArpaSource, c.newSource);
        EXPECT_EQ(int32_t(TargetTable[10].id), c.switched ? -1 : 7);
        EXPECT_EQ(int32_t(TargetTable[11].id), 211000000);
        EXPECT_EQ(int32_t(TargetTable[12].id), 3);
        EXPECT_EQ(arpa->isVisible(), !c.switched);
        EXPECT_FALSE(other->isChecked());
        EXPECT_TRUE(button->isChecked());
        EXPECT_EQ(form->OverlayRedrawRequest, 1);
    }
}

// The "Target" page comes with a target button down; with it up the "2D/3D" page comes back while
// a 3D view runs. The second ARPA button leaves the pages alone.
TEST_F(TargetButtonsTest, TheTargetButtonsTakeTurnsWithTheThreeDViewOnTheToolDialog)
{
    enum Button { Ais, Arpa1, Arpa2 };
    const struct {
        Button pressed;
        bool down;
        bool threeDDown;
        bool startOnTarget;
        bool targetShown;
    } cases[] = {
        {Ais, true, false, false, true},   {Ais, false, true, true, false},   {Ais, false, false, true, true},
        {Ais, false, false, false, false}, {Arpa1, true, true, false, true}, {Arpa1, false, true, true, false},
        {Arpa2, true, false, false, false}, {Arpa2, true, true, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << int(c.pressed) << c.down << c.threeDDown << c.startOnTarget);
        ShowToolTabSide(*form, c.startOnTarget ? ToolTabSide::Target : ToolTabSide::ThreeD);
        form->Show3DBtn->setChecked(c.threeDDown);
        form->OverlayRedrawRequest = 0;
        QToolButton* button = c.pressed == Ais ? form->AisBtn : c.pressed == Arpa1 ? form->Arpa1Btn : form->Arpa2Btn;

        Leave(button, c.down);

        EXPECT_EQ(tabShown(form->TabAis), c.targetShown);
        EXPECT_EQ(tabShown(form->Tab3D), !c.targetShown);
        EXPECT_EQ(form->OverlayRedrawRequest, 1);
    }
}

TEST_F(TargetButtonsTest, TheBearingToolStartsFromTheShipAndTakesItsLinesAlongWhenSwitchedOff)
{
    PlaceShip(InTheBay, 45.0f, 6.0f);
    ShowChart(10, InTheBay);
    TickRequest.ownShipPixel = {400, 300};
    BearingOriginSet = true;
    BearingFrozen = true;
    AnchorPixel = {10, 10};
    Leave(form->BearingBtn, true);
    EXPECT_FALSE(BearingOriginSet);
    EXPECT_FALSE(BearingFrozen);
    EXPECT_EQ(AnchorPixel.x, 400);
    EXPECT_EQ(AnchorPixel.y, 300);
    EXPECT_FALSE(form->EtaPanel->isHidden()) << "under way: the time to the cursor";

    form->EtaPanel->hide();
    OwnShip.speedOverGround = 1.0f;
    Leave(form->BearingBtn, true);
    EXPECT_TRUE(form->EtaPanel->isHidden()) << "not under way";

    // A frozen bearing line to a point east of the ship, drawn; then the tool is switched off.
    BearingFrozen = true;
    BearingEndGeo = Degrees(-76.40, 38.97);
    PaintDynamicOverlay(*form, false);
    ScreenPoint end{};
    ASSERT_TRUE(MainMapView->GeoToScreen(form->chartRect, BearingEndGeo, end));
    const ScreenPoint ship = TickRequest.ownShipPixel;
    const int midX = (ship.x + end.x) / 2;
    const int midY = (ship.y + end.y) / 2;
    ASSERT_NE(form->ChartWorkBitmap.pixel(midX, midY), form->ChartBackBitmap.pixel(midX, midY));
    StoredBearingLines[0] = {InTheBay, BearingEndGeo};
    StoredBearingLines[2] = {AtSea, InTheBay};
    form->edCross->setText("123");
    form->CrossPanel->show();
    form->EtaPanel->show();

    Leave(form->BearingBtn, false);

    for (const StoredBearingLine& line : StoredBearingLines) {
        EXPECT_EQ(line.origin, cmgbase::GeoPoint{});
        EXPECT_EQ(line.end, cmgbase::GeoPoint{});
    }
    EXPECT_TRUE(form->edCross->text().isEmpty());
    EXPECT_TRUE(form->CrossPanel->isHidden());
    EXPECT_TRUE(form->EtaPanel->isHidden());
    EXPECT_EQ(form->ChartWorkBitmap.pixel(midX, midY), form->ChartBackBitmap.pixel(midX, midY))
        << "the overlay drawn again without the line";
}

enum class MarkBy { Button, Timer, Sounding };

TEST_F(TargetButtonsTest, AnEventMarkAsksForTheMarkOfItsSenderAtTheShipOrTheLastSounding)
{
    const cmgbase::GeoPoint sounding = Degrees(-76.46, 38.96);
    const cmgbase::GeoPoint cursor = Degrees(-76.50, 39.00);
    const struct {
        const char* what;
        bool positionKnown;
        MarkBy by;
        uint8_t symbol;
        bool soundingMade;
        std::optional<QuickMarkRequest> mark;
    } cases[] = {
        {"no own position", false, MarkBy::Button, 9, true, std::nullopt},
        {"the button: the current symbol", true, MarkBy::Button, 9, true, QuickMarkRequest{9, 4, InTheBay}},
        {"the alarm contact: the event mark", true, MarkBy::Timer, 9, true, QuickMarkRequest{999, 4, InTheBay}},
        {"a depth mark at the last sounding", true, MarkBy::Button, 116, true, QuickMarkRequest{116, 4, sounding}},
        {"a depth mark before any sounding", true, MarkBy::Button, 116, false, QuickMarkRequest{116, 4, InTheBay}},
        {"the timers' mark at the last sounding", true, MarkBy::Timer, 116, true, QuickMarkRequest{999, 4, sounding}},
        {"a sounding keeps its depth mark", true, MarkBy::Sounding, 9, true, QuickMarkRequest{116, 4, InTheBay}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        PlaceShip(InTheBay, 0.0f, 3.0f);
        OwnShip.positionKnown = c.positionKnown;
        SetupParameters.CurrentSymbol = c.symbol;
        SetupParameters.SymbolColour = 4;
        FastTick.lastSoundingMark = c.soundingMade ? sounding : cmgbase::GeoPoint{};
        form->cursorChartPoint = cursor;
        form->SymbolBtn->setChecked(false);
        form->OverlayRedrawRequest = 0;

        const std::optional<QuickMarkRequest> mark = c.by == MarkBy::Button ? form->EventMarkExecute(form->EventMarkBtn)
                                                     : c.by == MarkBy::Timer ? form->EventMarkExecute(nullptr)
                                                                             : DropDepthMark(*form);

        EXPECT_EQ(mark, c.mark);
        EXPECT_EQ(form->cursorChartPoint, cursor) << "the chart's point given back";
        EXPECT_EQ(SetupParameters.CurrentSymbol, c.symbol);
        EXPECT_EQ(form->SymbolBtn->isChecked(), c.positionKnown);
        EXPECT_EQ(form->OverlayRedrawRequest, c.positionKnown ? 1 : 0);
    }
}

// The alarm port's contact drops one mark at the one-second tick.
TEST_F(TargetButtonsTest, TheAlarmContactDropsAnEventMarkAtTheNextSecond)
{
    PlaceShip(InTheBay);
    form->SymbolBtn->setChecked(false);
    OwnShip.eventMarkCountdown = 5;
    form->Timer2Timer();
    EXPECT_TRUE(form->SymbolBtn->isChecked());
    EXPECT_EQ(form->OverlayRedrawRequest, 1);
    EXPECT_EQ(OwnShip.eventMarkCountdown, 4);

    form->SymbolBtn->setChecked(false);
    form->Timer2Timer();
    EXPECT_FALSE(form->SymbolBtn->isChecked()) << "one mark a contact";
}

}  // namespace
