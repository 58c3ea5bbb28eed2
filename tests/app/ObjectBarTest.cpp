// The object bar over the fixture data set with routes, tracks and lines of awkward names: the
// list the next sweep fills, and what choosing an entry, forwards or reversed, does.

#include "ObjectStoreFixture.h"

#include "app/ObjectSweep.h"
#include "app/tools/ObjectDataSet.h"
#include "userdata/TDbObj.h"

#include <QComboBox>
#include <QPushButton>
#include <QTest>

#include <cstring>
#include <string>

namespace {

class ObjectBarTest : public ObjectStoreTest {
protected:
    void SetUp() override
    {
        ObjectStoreTest::SetUp();
        ASSERT_TRUE(WriteObjectDataSet(ObjectTestCentre, 2.0, 0));
        // Names that hold the list's own marks, and an id written in a name.
        StoreObject(StoredObject(ObjectType::ROUTE, 90, 2, "Pier (north) id:91"),
                    pointsAt(90, {{100, 100}, {200, 100}}));
        StoreObject(StoredObject(ObjectType::ROUTE, 91, 2, "Buoy 4"), pointsAt(91, {{100, 200}, {200, 200}}));
        StoreObject(StoredObject(ObjectType::ROUTE, 92, 2), pointsAt(92, {{100, 300}, {200, 300}}));
        DbObj = new TDbObj;
    }

    void TearDown() override
    {
        delete DbObj;
        DbObj = nullptr;
        RouteAddedTo = 0;
        ObjectStoreTest::TearDown();
    }

    // Opens the bar over the type and lets the next drawing sweep of the type fill it.
    void list(ObjectType type)
    {
        OpenObjectList(int32_t(type));
        ASSERT_TRUE(DbObj->isVisible());
        SweepObjects(*form, PickSweep(type));
        ASSERT_EQ(ObjectSelectionMode, ObjectListFilled + int32_t(type));
    }

    // Makes the entry of the object current.
    static void choose(int32_t id)
    {
        const int index = DbObj->lbListObj->findData(id);
        ASSERT_GE(index, 0) << id;
        DbObj->lbListObj->setCurrentIndex(index);
    }

    static void expectClosed()
    {
        EXPECT_EQ(ObjectSelectionMode, 0);
        EXPECT_EQ(DbObj->lbListObj->count(), 0);
        EXPECT_FALSE(DbObj->isVisible());
    }
};

TEST_F(ObjectBarTest, TheNextSweepListsEveryRouteSortedByName)
{
    list(ObjectType::ROUTE);
    QStringList texts;
    for (int i = 0; i < DbObj->lbListObj->count(); ++i)
        texts << DbObj->lbListObj->itemText(i);
    ASSERT_EQ(texts.size(), 5) << texts.join(" | ").toStdString();
    EXPECT_EQ(texts[0], "Buoy 4  (0.0) id:91");
    EXPECT_TRUE(texts[1].startsWith("Harbour approach  (")) << texts[1].toStdString();
    EXPECT_TRUE(texts[2].startsWith("Ocean passage  (")) << texts[2].toStdString();
    EXPECT_EQ(texts[3], "Pier (north) id:91  (0.0) id:90");
    EXPECT_EQ(texts[4], QString::fromUtf8("å id:92  (0.0)"));
    EXPECT_EQ(DbObj->lbListObj->maxVisibleItems(), 50);
    EXPECT_EQ(DbObj->windowTitle(), "Select by name/id");
    EXPECT_TRUE(DbObj->Retour->isEnabled());
}

// The id comes from the entry, never from its text: a name with " (" and "id:" loads its own route.
TEST_F(ObjectBarTest, ANameHoldingTheListsMarksLoadsTheRouteChosen)
{
    list(ObjectType::ROUTE);
    choose(90);
    DbObj->OKClick();
    EXPECT_EQ(RouteId, 90);
    EXPECT_EQ(RouteLoadRequest, 1);
    EXPECT_EQ(RouteForward, 1);
    EXPECT_STREQ(RouteName, "Pier (north) id:91");
    expectClosed();
}

TEST_F(ObjectBarTest, RetourLoadsTheRouteReversedUnderItsNameMarked)
{
    std::strcpy(SecondRouteName, "old");
    list(ObjectType::ROUTE);
    choose(91);
    DbObj->RetourClick();
    EXPECT_EQ(RouteId, 91);
    EXPECT_EQ(RouteForward, 0);
    EXPECT_STREQ(RouteName, "Buoy 4(<--)");
    EXPECT_STREQ(SecondRouteName, "");
    expectClosed();

    // Added to a table that holds a route, the name is the second one; an unnamed route is
    // named by its id.
    RouteTable[0].position = ObjectTestCentre;
    WaypointCount = 1;
    list(ObjectType::ROUTE);
    choose(92);
    DbObj->RetourClick();
    EXPECT_EQ(RouteId, 92);
    EXPECT_STREQ(RouteName, "Buoy 4(<--)");
    EXPECT_STREQ(SecondRouteName, "id:92(<--)");
}

// A route name of 29 characters and the mark fill the 40 bytes of the names without overrunning.
TEST_F(ObjectBarTest, TheLongestNameReversedStaysInsideTheRouteName)
{
    const std::string longest(29, 'W');
    StoreObject(StoredObject(ObjectType::ROUTE, 93, 2, longest), pointsAt(93, {{300, 100}, {300, 200}}));
    list(ObjectType::ROUTE);
    choose(93);
    DbObj->RetourClick();
    EXPECT_EQ(std::string(RouteName), longest + "(<--)");
}

TEST_F(ObjectBarTest, TheKeysOfTheList)
{
    struct Case {
        Qt::Key key;
        bool chosen;
        uint8_t forward;
    };
    for (const Case& c : {Case{Qt::Key_Return, true, 1}, Case{Qt::Key_Enter, true, 1}, Case{Qt::Key_Right, true, 1},
                          Case{Qt::Key_Left, true, 0}, Case{Qt::Key_Escape, true, 1}, Case{Qt::Key_A, false, 1}}) {
        RouteId = 0;
        RouteForward = 1;
        list(ObjectType::ROUTE);
        choose(91);
        QTest::keyClick(DbObj->lbListObj, c.key);
        EXPECT_EQ(RouteId, c.chosen ? 91 : 0) << c.key;
        EXPECT_EQ(RouteForward, c.forward) << c.key;
        EXPECT_EQ(DbObj->isVisible(), !c.chosen) << c.key;
        DbObj->hide();
        EXPECT_EQ(ObjectSelectionMode, 0) << "hiding ends the pick";
    }
}

// Closing the bar with nothing chosen cancels the load and brings back the route there was.
TEST_F(ObjectBarTest, NothingChosenBringsBackThePreviousRoute)
{
    for (const int32_t previous : {91, 0}) {
        RouteAddedTo = previous;
        RouteId = 0;
        OpenObjectList(int32_t(ObjectType::ROUTE));
        RouteLoadRequest = 1;
        DbObj->OKClick();
        EXPECT_EQ(RouteId, previous);
        EXPECT_EQ(RouteLoadRequest, 0);
        EXPECT_EQ(RouteEditMode, previous != 0 ? int32_t(RouteShown) : 0);
        expectClosed();
    }
}

TEST_F(ObjectBarTest, ATrackChosenIsShownAndALineSelected)
{
    StoreObject(StoredObject(ObjectType::TRACK, 95, 1, "Night (1) id:2"), pointsAt(95, {{100, 100}, {200, 150}}));
    list(ObjectType::TRACK);
    EXPECT_FALSE(DbObj->Retour->isEnabled());
    choose(95);
    DbObj->OKClick();
    EXPECT_TRUE(IsSelectedTrack(95));
    EXPECT_FALSE(IsSelectedTrack(2));
    EXPECT_EQ(RouteId, 0) << "a track leaves the route alone";

    StoreObject(StoredObject(ObjectType::LINE, 96, 1, "Cable (old)"), pointsAt(96, {{100, 100}, {200, 150}}));
    list(ObjectType::LINE);
    choose(96);
    DbObj->OKClick();
    EXPECT_EQ(LineId, 96);
    expectClosed();
}

}  // namespace
