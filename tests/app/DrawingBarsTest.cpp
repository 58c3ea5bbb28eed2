// The route, line and symbol bars and the track button on the started program over a real data
// set: the editing state each handler leaves, the bars shown, and the records in the database.

#include "ObjectStoreFixture.h"

#include "app/LineBar.h"
#include "app/ObjectSweep.h"
#include "app/RouteBar.h"
#include "app/SymbolBar.h"
#include "app/TrackButton.h"
#include "sensors/OwnShipState.h"
#include "userdata/ObjectDeletion.h"
#include "userdata/ObjectIds.h"
#include "userdata/ObjectSelection.h"
#include "userdata/RouteFollowing.h"
#include "userdata/RouteLoad.h"
#include "userdata/TDbObj.h"
#include "userdata/TrackState.h"

#include <QComboBox>
#include <QFrame>
#include <QPushButton>
#include <QToolBar>

#include <functional>
#include <ostream>
#include <string>

namespace {

// What the bars' handlers set, compared whole.
struct EditingSnapshot {
    bool editing = false;
    int32_t pickMode = 0;
    int32_t objectPickKind = 0;
    int32_t lineEditPhase = 0;
    int32_t routeEditMode = 0;
    bool symbolPlace = false;
    bool symbolMove = false;
    bool routeChanged = false;

    bool operator==(const EditingSnapshot&) const = default;
};

std::ostream& operator<<(std::ostream& out, const EditingSnapshot& s)
{
    return out << "{editing " << s.editing << ", pick " << s.pickMode << ", object pick " << s.objectPickKind
               << ", line " << s.lineEditPhase << ", route " << s.routeEditMode << ", place " << s.symbolPlace
               << ", move " << s.symbolMove << ", changed " << s.routeChanged << "}";
}

EditingSnapshot Snapshot()
{
    return {EditingActive,   PickMode,        ObjectPickKind, LineEditPhase,
            RouteEditMode,   SymbolPlaceMode, SymbolMoveMode, RouteChanged};
}

class DrawingBarsTest : public ObjectStoreTest {
protected:
    void SetUp() override
    {
        ObjectStoreTest::SetUp();
        DbObj = new TDbObj;
        MessageTexts[28] = "Delete the route?";
        MessageTexts[33] = "Copy the route?";
        MessageTexts[38] = "Start track";
        MessageTexts[39] = "Stop track";
    }

    void TearDown() override
    {
        delete DbObj;
        DbObj = nullptr;
        RouteAddedTo = 0;
        RouteStartRequest = RouteStopRequest = 0;
        SecondTick = {};
        ObjectStoreTest::TearDown();
    }

    // A route as the chart's clicks leave it while it is drawn: stored point by point, each
    // point an entry of the table, the id in RouteId and the points counted.
    int32_t drawRoute(int32_t id, std::initializer_list<QPoint> pixels)
    {
        const std::vector<PointRecord> points = pointsAt(id, pixels);
        StoreObject(StoredObject(ObjectType::ROUTE, id, 2), points);
        for (const PointRecord& point : points) {
            WP_typ entry;
            entry.position = cmgbase::GeoPoint{ChartFromStored(point.longitude), ChartFromStored(point.latitude)};
            entry.objectId = uint32_t(id);
            entry.sequence = point.sequence;
            EXPECT_TRUE(AppendRouteEntry(entry));
        }
        RouteId = id;
        DrawnPointCount = int32_t(points.size());
        return id;
    }

    // A stored route shown: loaded into the table as a pick of the object dialog loads it.
    void showRoute(int32_t id)
    {
        ClearRouteTable();
        RouteId = id;
        RouteEditMode = RouteShown;
        ASSERT_GT(LoadRouteIntoTable(id), 0);
    }

    static std::vector<PointRecord> pointsOf(int32_t id)
    {
        std::vector<PointRecord> points;
        EXPECT_TRUE(ReadObjectPoints(id, points));
        return points;
    }

    static bool shown(const QWidget* widget) { return !widget->isHidden(); }
};

// Each tool: the editing state it leaves from an idle start.
TEST_F(DrawingBarsTest, EachToolSetsItsEditingState)
{
    struct Case {
        const char* name;
        std::function<void(TForm1&)> press;
        EditingSnapshot expected;
    };
    const Case cases[] = {
        {"symbol delete", sy_delExecute, {.editing = true, .pickMode = 5}},
        {"symbol move", sy_editExecute, {.editing = true, .symbolMove = true}},
        {"symbol place", sy_drawExecute, {.editing = true, .symbolPlace = true}},
        {"line delete", LiDdelExecute, {.editing = true, .pickMode = 3}},
        {"line edit", LiEditExecute, {.editing = true, .objectPickKind = 3, .lineEditPhase = 3}},
        {"polyline drawn",
         [](TForm1& f) {
             SetupParameters.LineKind = 1;
             LiDrawExecute(f);
         },
         {.editing = true, .lineEditPhase = 2}},
        {"circle drawn: two clicks, no line phase",
         [](TForm1& f) {
             SetupParameters.LineKind = 2;
             LiDrawExecute(f);
         },
         {.editing = true}},
        {"route drawn", RtDrawExecute, {.editing = true, .routeEditMode = 2, .routeChanged = true}},
        {"route picked", RtSelectExecute, {.editing = true, .pickMode = 2, .objectPickKind = 2, .routeChanged = true}},
        {"search pattern", RtSarExecute, {.editing = true}},
        {"delete with no route: the next route picked goes",
         RtDelExecute,
         {.editing = true, .pickMode = 2, .objectPickKind = 2}},
    };
    for (const Case& c : cases) {
        resetObjectState();
        c.press(*form);
        EXPECT_EQ(Snapshot(), c.expected) << c.name;
    }
    EXPECT_TRUE(DbObj->isVisible()) << "the route pick lists the routes";
    EXPECT_TRUE(DbObj->Retour->isEnabled());
}

// Finish ends the action and keeps the bar; a second press closes it.
TEST_F(DrawingBarsTest, FinishFirstEndsTheActionThenClosesTheBar)
{
    struct Case {
        const char* name;
        QToolBar* bar;
        void (*tool)(TForm1&);
        void (*finish)(TForm1&);
    };
    for (const Case& c : {Case{"symbols", form->SymbBar, sy_drawExecute, SyOkExecute},
                          Case{"lines", form->LineBar, LiDdelExecute, LiOkExecute}}) {
        resetObjectState();
        c.bar->show();
        form->SymbSelection->setVisible(c.bar == form->SymbBar);
        c.tool(*form);
        c.finish(*form);
        EXPECT_EQ(Snapshot(), EditingSnapshot{}) << c.name;
        EXPECT_TRUE(shown(c.bar)) << c.name;
        c.finish(*form);
        EXPECT_FALSE(shown(c.bar)) << c.name;
        EXPECT_FALSE(shown(form->SymbSelection)) << c.name;
    }
}

// Drawn, finished: stored and reloaded, offered to route following, the bar kept; finished
// again: the bar closes and the route stays shown.
TEST_F(DrawingBarsTest, ARouteDrawnAndFinishedTwice)
{
    RouteExecute(*form);
    ASSERT_TRUE(shown(form->RouteBar));
    EXPECT_TRUE(form->RouteBtn->isChecked());
    EXPECT_EQ(SecondTick.routeAutoStoreCountdown, 60);
    RtDrawExecute(*form);
    const int32_t id = drawRoute(NewObjectId(IdRange::Route), {{100, 100}, {200, 120}, {300, 150}});
    RouteTable[1].dangerFlags = 4;  // found by the leg check while drawing

    RtOkExecute(*form);
    EXPECT_EQ(RouteEditMode, RouteShown);
    EXPECT_EQ(RouteId, id);
    EXPECT_FALSE(EditingActive);
    EXPECT_EQ(DrawnPointCount, 0);
    EXPECT_EQ(RouteStartRequest, 1);
    EXPECT_TRUE(shown(form->RouteBar));
    ASSERT_EQ(RouteEntryCount(), 3) << "reloaded from the database";
    const uint32_t owner = RouteTable[0].objectId;
    EXPECT_EQ(owner, uint32_t(id));
    const std::vector<PointRecord> points = pointsOf(id);
    ASSERT_EQ(points.size(), 3u);
    EXPECT_EQ(int(points[1].attributes[RoutePointWord::DangerFlags]), 4);
    EXPECT_EQ(int(points[0].attributes[RoutePointWord::DangerFlags]), 0);

    RtOkExecute(*form);
    EXPECT_FALSE(shown(form->RouteBar));
    EXPECT_EQ(RouteId, id);
    EXPECT_EQ(RouteEditMode, RouteShown);
    EXPECT_TRUE(form->RouteBtn->isChecked()) << "a route is in use";
    EXPECT_TRUE(Stored(ObjectType::ROUTE, id));
}

TEST_F(DrawingBarsTest, ARouteOfOnePointIsDeletedWhenFinished)
{
    form->RouteBar->show();
    RtDrawExecute(*form);
    const int32_t id = drawRoute(NewObjectId(IdRange::Route), {{100, 100}});
    RtOkExecute(*form);
    EXPECT_FALSE(AnythingLeftOf(ObjectType::ROUTE, id));
    EXPECT_EQ(RouteId, 0);
    EXPECT_EQ(RouteEditMode, 0);
}

// Edit pressed before the route had loaded counted no points: the stored route is kept all the
// same, and its edit mark cleared.
TEST_F(DrawingBarsTest, AnEditedRouteIsKeptByWhatIsStoredOfIt)
{
    IdRecord object = StoredObject(ObjectType::ROUTE, 95, 2);
    object.value = 1;
    StoreObject(object, pointsAt(95, {{100, 100}, {200, 200}}));
    form->RouteBar->show();
    RouteId = 95;
    RouteEditMode = RouteEditing;
    EditingActive = true;
    DrawnPointCount = 0;
    RtOkExecute(*form);
    EXPECT_TRUE(Stored(ObjectType::ROUTE, 95));
    EXPECT_EQ(int(StoredRecord(ObjectType::ROUTE, 95).value), 0);
    EXPECT_EQ(RouteEditMode, RouteShown);
    EXPECT_EQ(RouteEntryCount(), 2);
}

// The table shorter than the stored route (a point added in the list, say): the points beyond
// it have no entry to take flags from and stay as they are.
TEST_F(DrawingBarsTest, FinishingTouchesOnlyPointsTheTableHolds)
{
    form->RouteBar->show();
    RtDrawExecute(*form);
    const int32_t id = drawRoute(NewObjectId(IdRange::Route), {{100, 100}, {200, 100}});
    PointRecord extra = StoredPoint(id, 3, geoAt(300, 100));
    extra.attributes[RoutePointWord::DangerFlags] = 0x0107;
    ASSERT_EQ(UserIsam.addRecord(PointFile, platform::isam::bytesOf(extra)), platform::isam::Status::Ok);
    RtOkExecute(*form);
    const std::vector<PointRecord> points = pointsOf(id);
    ASSERT_EQ(points.size(), 3u);
    EXPECT_EQ(int(points[2].attributes[RoutePointWord::DangerFlags]), 0x0107);
}

// The copy starts where the route does, one unit further east since a route holds that start;
// the own position inserted by route following is no waypoint of it.
TEST_F(DrawingBarsTest, ACopyOfARouteGoesInBesideTheRouteItCopies)
{
    const std::vector<PointRecord> original = pointsAt(91, {{100, 100}, {200, 150}, {300, 100}});
    StoreObject(StoredObject(ObjectType::ROUTE, 91, 2, "Buoy 4"), original);
    showRoute(91);
    RouteTable[1].setName("Turn");
    RouteTable[1].lane = 25;
    ASSERT_TRUE(InsertOwnPosition(geoAt(50, 50)));

    boxes.presetAnswers = {platform::MsgAnswer::Ok};
    RtCopyExecute(*form);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, "Copy the route?");
    EXPECT_EQ(boxes.shown[0].caption, "???");
    EXPECT_EQ(boxes.shown[0].buttons, platform::MsgButtons::OkCancel);
    EXPECT_EQ(boxes.shown[0].icon, platform::MsgIcon::Question);
    const int32_t copy = RouteId;
    ASSERT_NE(copy, 91);
    const IdRecord record = StoredRecord(ObjectType::ROUTE, copy);
    EXPECT_EQ(int32_t(record.latitude), int32_t(original[0].latitude));
    EXPECT_EQ(int32_t(record.longitude), int32_t(original[0].longitude) + 1);
    EXPECT_EQ(int(record.colour), 2);
    const std::vector<PointRecord> points = pointsOf(copy);
    ASSERT_EQ(points.size(), 3u);
    for (size_t n = 0; n < points.size(); ++n) {
        EXPECT_EQ(size_t(points[n].sequence), n + 1);
        EXPECT_EQ(int32_t(points[n].latitude), int32_t(original[n].latitude));
        EXPECT_EQ(int32_t(points[n].longitude), int32_t(original[n].longitude));
    }
    EXPECT_EQ(int(points[1].attributes[RoutePointWord::Lane]), 25);
    EXPECT_EQ(pointsOf(91).size(), 3u) << "the route copied stays";
    const uint32_t ownPositionOwner = RouteTable[0].objectId;
    const uint32_t firstWaypointOwner = RouteTable[1].objectId;
    EXPECT_EQ(firstWaypointOwner, uint32_t(copy)) << "what is edited next goes into the copy";
    EXPECT_EQ(ownPositionOwner, 0u) << "the own position";
    EXPECT_FALSE(form->btnCopyRt->isChecked());
}

TEST_F(DrawingBarsTest, NoCopyWhenCancelledOrOfFewerThanTwoWaypoints)
{
    StoreObject(StoredObject(ObjectType::ROUTE, 91, 2), pointsAt(91, {{100, 100}, {200, 150}}));
    showRoute(91);
    const int32_t next = NewObjectId(IdRange::Route);
    boxes.presetAnswers = {platform::MsgAnswer::Cancel};
    RtCopyExecute(*form);
    EXPECT_EQ(RouteId, 91);

    ASSERT_TRUE(RemoveRouteEntry(1));
    boxes.presetAnswers = {platform::MsgAnswer::Ok};
    RtCopyExecute(*form);
    EXPECT_EQ(RouteId, 91);
    EXPECT_EQ(NewObjectId(IdRange::Route), next) << "no route was stored";
}

// Delete with no route in use: the next route picked on the chart is deleted when the 100 ms
// tick takes it up, and the route pick stays for the next one.
TEST_F(DrawingBarsTest, DeleteWithNoRouteInUseDeletesTheNextRoutePicked)
{
    StoreObject(StoredObject(ObjectType::ROUTE, 91, 2), pointsAt(91, {{100, 100}, {200, 150}}));
    form->RouteBar->show();
    RtDelExecute(*form);
    ASSERT_EQ(PickMode, 2);
    EXPECT_TRUE(boxes.shown.empty());

    // The chart's pick: the route clicked is in use and offered to route following.
    showRoute(91);
    EditingActive = false;
    RouteStartRequest = 1;
    boxes.presetAnswers = {platform::MsgAnswer::Ok};
    form->Timer1Timer();
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, "Delete the route?");
    EXPECT_FALSE(AnythingLeftOf(ObjectType::ROUTE, 91));
    EXPECT_EQ(RouteId, 0);
    EXPECT_EQ(RouteStopRequest, 1);
    EXPECT_EQ(RouteStartRequest, 0);
    EXPECT_EQ(PickMode, 2);
    EXPECT_FALSE(form->WpPanel->isVisibleTo(form.get()));

    // Cancelled, the route stays.
    StoreObject(StoredObject(ObjectType::ROUTE, 92, 2), pointsAt(92, {{100, 300}, {200, 300}}));
    showRoute(92);
    boxes.presetAnswers = {platform::MsgAnswer::Cancel};
    RtDelExecute(*form);
    EXPECT_TRUE(Stored(ObjectType::ROUTE, 92));
}

// A route chosen from the list of Select is loaded; Finish then closes the bar and offers the
// route to route following, as after drawing one.
TEST_F(DrawingBarsTest, ARouteChosenFromTheListIsFollowedWhenTheBarFinishes)
{
    StoreObject(StoredObject(ObjectType::ROUTE, 91, 2), pointsAt(91, {{100, 100}, {200, 150}}));
    RouteExecute(*form);
    RtSelectExecute(*form);
    SweepObjects(*form, PickSweep(ObjectType::ROUTE));
    const int entry = DbObj->lbListObj->findData(91);
    ASSERT_GE(entry, 0);
    DbObj->lbListObj->setCurrentIndex(entry);
    DbObj->OKClick();
    EXPECT_EQ(RouteId, 91);
    EXPECT_EQ(ObjectPickKind, 0);
    EXPECT_FALSE(EditingActive);

    RtOkExecute(*form);
    EXPECT_FALSE(shown(form->RouteBar));
    EXPECT_TRUE(form->RouteBtn->isChecked());
    EXPECT_EQ(RouteStartRequest, 1);
}

TEST_F(DrawingBarsTest, TheRouteBarOpensOverTheOtherBarsAndClosesWithTheRouteReleased)
{
    StoreObject(StoredObject(ObjectType::ROUTE, 91, 2), pointsAt(91, {{100, 100}, {200, 150}}));
    form->SymbBar->show();
    form->SymbSelection->show();
    form->LineBar->show();
    sy_drawExecute(*form);
    RouteExecute(*form);
    EXPECT_FALSE(shown(form->SymbBar));
    EXPECT_FALSE(shown(form->SymbSelection));
    EXPECT_FALSE(shown(form->LineBar));
    EXPECT_TRUE(shown(form->RouteBar));
    EXPECT_FALSE(SymbolPlaceMode);

    showRoute(91);
    RouteExecute(*form);
    EXPECT_FALSE(shown(form->RouteBar));
    EXPECT_FALSE(form->RouteBtn->isChecked());
    EXPECT_EQ(RouteId, 0);
    EXPECT_EQ(RouteEditMode, 0);
    EXPECT_EQ(RouteStopRequest, 1);
}

// Edit takes the inserted own position out and reloads the stored route; a route received from
// another navigator is in the table only and stays as it is.
TEST_F(DrawingBarsTest, EditReloadsAStoredRouteAndKeepsAReceivedOne)
{
    StoreObject(StoredObject(ObjectType::ROUTE, 91, 2), pointsAt(91, {{100, 100}, {200, 150}, {300, 100}}));
    showRoute(91);
    ASSERT_TRUE(InsertOwnPosition(geoAt(50, 50)));
    RtEditExecute(*form);
    EXPECT_EQ(OwnPositionInserted, 0);
    EXPECT_EQ(RouteEditMode, RouteEditing);
    ASSERT_EQ(RouteEntryCount(), 3);
    EXPECT_EQ(DrawnPointCount, 3);
    const uint16_t first = RouteTable[0].sequence;
    EXPECT_EQ(first, 1);

    resetObjectState();
    const std::vector<cmgbase::GeoPoint> received{geoAt(100, 300), geoAt(200, 300)};
    TakeReceivedRoute(received);
    ASSERT_EQ(RouteId, RouteNotStored);
    RouteEditMode = RouteShown;
    RtEditExecute(*form);
    EXPECT_EQ(RouteEntryCount(), 2);
    EXPECT_EQ(DrawnPointCount, 2);
    form->RouteBar->show();
    RtOkExecute(*form);
    EXPECT_EQ(RouteId, RouteNotStored);
    EXPECT_EQ(RouteEditMode, RouteShown);
    EXPECT_EQ(RouteEntryCount(), 2);
}

// The tool bar's symbol and track buttons give up a pick under way and put the chart object
// inspector away; the data page's Delete choice goes back to Copy OUT.
TEST_F(DrawingBarsTest, TheSymbolAndTrackButtonsGiveUpAPickUnderWay)
{
    form->QueryBtn->setCheckable(true);
    form->QueryBtn->setChecked(true);
    SetupParameters.DataChoice = 2;
    ObjectPickKind = 2;
    EditingActive = true;
    SymbolExecute(*form);
    EXPECT_EQ(ObjectPickKind, 0);
    EXPECT_FALSE(EditingActive);
    EXPECT_FALSE(form->QueryBtn->isChecked());
    const int32_t choice = SetupParameters.DataChoice;
    EXPECT_EQ(choice, 1);
    EXPECT_TRUE(form->SymbolBtn->isChecked());

    PickMode = 1;
    CutMode = true;
    TrackExecute(*form);
    EXPECT_EQ(PickMode, 0);
    EXPECT_FALSE(CutMode);
}

// An idle route bar closes by itself when the one-second tick's count-down runs out; while a
// tool is at work the count-down starts again.
TEST_F(DrawingBarsTest, AnIdleRouteBarClosesWhenItsCountDownRunsOut)
{
    RouteExecute(*form);
    ASSERT_TRUE(shown(form->RouteBar));
    RtDrawExecute(*form);
    SecondTick.routeAutoStoreCountdown = 1;
    form->Timer2Timer();
    EXPECT_EQ(SecondTick.routeAutoStoreCountdown, 60);
    EXPECT_TRUE(shown(form->RouteBar));

    EditingActive = false;
    RouteEditMode = 0;
    SecondTick.routeAutoStoreCountdown = 1;
    form->Timer2Timer();
    EXPECT_FALSE(shown(form->RouteBar));
    EXPECT_FALSE(form->RouteBtn->isChecked());
}

// The symbol buttons hold images of the strip; the symbol is the image's code.
TEST_F(DrawingBarsTest, APaletteImageGivesItsButtonTheImageAndTheSymbolItsCode)
{
    struct Case {
        int tag;
        int image;
        uint8_t symbol;
    };
    for (const Case& c : {Case{3, 10, 0}, Case{0, 0, 30}, Case{16, 49, 49}, Case{7, 40, 7}}) {
        BarButton(form->SymbBar, 5 + c.tag)->click();
        EXPECT_EQ(SetupParameters.SymbolBarButton, c.tag);
        SymbolPaletteButton(*form, c.image)->click();
        EXPECT_EQ(SetupParameters.SymbolBar[c.tag], c.image) << c.image;
        EXPECT_EQ(SetupParameters.CurrentSymbol, c.symbol) << c.image;
        EXPECT_EQ(BarButton(form->SymbBar, 5 + c.tag)->icon().pixmap(21, 20).toImage(),
                  form->ImageList2.icon(c.image).pixmap(21, 20).toImage())
            << c.image;
    }
    // The button chosen again gives its own symbol back.
    BarButton(form->SymbBar, 5 + 0)->click();
    EXPECT_EQ(SetupParameters.CurrentSymbol, 30);
    BarButton(form->SymbBar, 5 + 3)->click();
    EXPECT_EQ(SetupParameters.CurrentSymbol, 0);
    EXPECT_FALSE(BarButton(form->SymbBar, 5 + 0)->isChecked());

    form->SymbSelBtn->click();
    EXPECT_TRUE(shown(form->SymbSelection));
    form->SymbSelBtn->click();
    EXPECT_FALSE(shown(form->SymbSelection));
}

// An edited line takes the line colour unless it is a guard zone's, its edit mark cleared; a
// new line of one point is deleted.
TEST_F(DrawingBarsTest, FinishingALineTidiesItsRecord)
{
    for (const auto& [colour, kept] : {std::pair{3, 5}, std::pair{8, 8}}) {
        IdRecord line = StoredObject(ObjectType::LINE, 10001, uint16_t(colour));
        line.value = 7;
        StoreObject(line, pointsAt(10001, {{100, 100}, {200, 100}}));
        SetupParameters.LineKind = 0;
        SetupParameters.LineColour = 5;
        LiEditExecute(*form);
        LineId = 10001;
        LiOkExecute(*form);
        const IdRecord stored = StoredRecord(ObjectType::LINE, 10001);
        EXPECT_EQ(int(stored.colour), kept) << colour;
        EXPECT_EQ(int(stored.value), 0) << colour;
        EXPECT_EQ(LineId, 0);
        ASSERT_TRUE(DeleteObject(ObjectType::LINE, 10001));
    }

    StoreObject(StoredObject(ObjectType::LINE, 10002, 1), pointsAt(10002, {{100, 100}}));
    SetupParameters.LineKind = 1;
    LiDrawExecute(*form);
    LineId = 10002;
    DrawnPointCount = 1;
    LiOkExecute(*form);
    EXPECT_FALSE(AnythingLeftOf(ObjectType::LINE, 10002));
    EXPECT_EQ(LineEditPhase, 0);
}

// The track goes into the data set in use: the data-set buttons are locked while it records.
TEST_F(DrawingBarsTest, ATrackStartedAndFinishedLocksTheDataSetsMeanwhile)
{
    const std::array<QRadioButton*, 6> dataSets{form->ckDbA, form->ckDbB, form->ckDbC,
                                               form->ckDbD, form->ckDbE, form->ckDbF};
    OwnShip.positionKnown = false;
    form->btnTrack->click();
    EXPECT_FALSE(form->btnTrack->isChecked()) << "no position, no track";
    EXPECT_EQ(DatabaseTrackId, 0);

    OwnShip.positionKnown = true;
    OwnShip.gpsLatitude = 60.915;
    OwnShip.gpsLongitude = -32.485;
    OwnShip.referencePosition = ObjectTestCentre;
    form->btnTrack->click();
    const int32_t track = DatabaseTrackId;
    ASSERT_NE(track, 0);
    EXPECT_TRUE(Stored(ObjectType::TRACK, track));
    EXPECT_TRUE(form->btnTrack->isChecked());
    EXPECT_EQ(form->btnTrack->text(), "Stop track");
    for (QRadioButton* dataSet : dataSets)
        EXPECT_FALSE(dataSet->isEnabled()) << dataSet->objectName().toStdString();

    form->btnTrack->click();
    EXPECT_EQ(DatabaseTrackId, 0);
    EXPECT_FALSE(form->btnTrack->isChecked());
    EXPECT_EQ(form->btnTrack->text(), "Start track");
    EXPECT_TRUE(Stored(ObjectType::TRACK, track));
    for (QRadioButton* dataSet : dataSets)
        EXPECT_TRUE(dataSet->isEnabled()) << dataSet->objectName().toStdString();
}

}  // namespace
