// The route grid of the route dialog: rows, totals in the caption, the calculator, and the
// drawing rows that follow the cursor.

#include "RouteTestSupport.h"
#include "platform/system/TextCodec.h"
#include "userdata/RouteEta.h"
#include "userdata/RouteGrid.h"
#include "userdata/RouteStore.h"
#include "userdata/TWpDlg.h"

#include <cstring>
#include <ctime>
#include <string>
#include <vector>

namespace {

class RouteGridTest : public RouteTest {
protected:
    // Cells in Windows-1252, "" for a cell never written.
    std::string cell(int row, int column) const
    {
        const QTableWidgetItem* item = dialog.Grid->item(row, column);
        return item ? platform::ToCp1252(item->text()) : "";
    }

    std::vector<std::string> column(int column) const
    {
        std::vector<std::string> cells;
        for (int row = 0; row < dialog.Grid->rowCount(); ++row)
            cells.push_back(cell(row, column));
        return cells;
    }

    // 54 N 10 E, 35.4 nm east at the default 10 kn, 60.1 nm north at 5 kn after a stop of
    // 15 minutes, to 55 N 11 E.
    void makeRoute()
    {
        for (const cmgbase::GeoPoint& point : {At(54, 10), At(54, 11), At(55, 11)})
            ASSERT_TRUE(AppendRouteEntry(Waypoint(point)));
        RouteTable[0].setName("Fehmarn");
        RouteTable[1].speed = 50;
        RouteTable[1].stopMinutes = 15;
        RouteTable[1].dangerFlags = 4 | 1;
        RouteTable[2].setName("Anholt");
        RouteId = 7;
        std::strcpy(RouteName, "North");
    }

    TWpDlg dialog;
};

}  // namespace

TEST_F(RouteGridTest, RowsTotalsAndCalculator)
{
    makeRoute();
    RouteTable[3].position = At(-40, 170);  // left over from a longer route
    RouteEditMode = RouteShown;
    std::tm start{};
    start.tm_year = 124;
    start.tm_mday = 10;
    start.tm_hour = 12;
    ClockSeconds = timegm(&start);

    RecalcRouteTable(dialog);

    ASSERT_EQ(dialog.Grid->rowCount(), 3);
    EXPECT_EQ(column(ColNumber), (std::vector<std::string>{"1", "2", "3"}));
    EXPECT_EQ(column(ColLatitude),
              (std::vector<std::string>{" 54\xB0 00.000' N", " 54\xB0 00.000' N",
                                        " 55\xB0 00.000' N"}));
    EXPECT_EQ(cell(1, ColLongitude), " 11\xB0 00.000' E");
    // RhumbSolve -i: 54 10 54 11 gives 90 degrees, 65575.774 m; 54 11 55 11 0 degrees,
    // 111314.285 m.
    EXPECT_EQ(column(ColDistance), (std::vector<std::string>{"35.4 Nm", "60.1 Nm", "---"}));
    EXPECT_EQ(column(ColBearing), (std::vector<std::string>{"090.0\xB0", "000.0\xB0", "---"}));
    EXPECT_EQ(column(ColSpeed), (std::vector<std::string>{"10.0 kt", "5.0 kt", "---"}));
    EXPECT_EQ(column(ColLane), (std::vector<std::string>{"0.10 Nm", "0.10 Nm", "---"}));
    EXPECT_EQ(column(ColRadius), (std::vector<std::string>{"---", "0.50 Nm", "---"}));
    EXPECT_EQ(column(ColStop), (std::vector<std::string>{"0 m.", "15 m.", "0 m."}));
    EXPECT_EQ(column(ColName), (std::vector<std::string>{"Fehmarn", "", "Anholt"}));
    EXPECT_EQ(column(ColIcon), (std::vector<std::string>{"0", "48", "0"}));
    // From now at the first waypoint: 3 h 32 min, then 15 min and 12 h 01 min.
    EXPECT_EQ(column(ColEta),
              (std::vector<std::string>{"10.  12:00", "10.  15:32", "11.  03:48"}));

    // 95.5 nm in 15.81 h, the leg after the last waypoint not counted.
    EXPECT_EQ(platform::ToCp1252(dialog.windowTitle()),
              "North| 3 wp | 95.5 Nm | 15 h. 48 m. | 6.0 kt");
    EXPECT_EQ(dialog.txDst->text().toStdString(), "35.4 Nm");
    EXPECT_EQ(dialog.txTime->text().toStdString(), "3 h. 32 m.");
}

TEST_F(RouteGridTest, OwnPositionNumbersFromZeroAndTheCalculatorTakesTypedNumbers)
{
    makeRoute();
    ASSERT_TRUE(InsertOwnPosition(At(53.9, 10)));
    RouteName[0] = '\0';
    std::strcpy(SecondRouteName, "Back(<--)");
    RouteEditMode = RouteShown;
    RouteTable[1].legKind = GreatCircleLeg;
    SetupParameters.CalcFrom = 1;
    SetupParameters.CalcTo = 2;

    RecalcRouteTable(dialog);

    EXPECT_EQ(column(ColNumber), (std::vector<std::string>{"0", "1", "2", "3"}));
    EXPECT_EQ(cell(0, ColStop), "---");
    EXPECT_EQ(cell(1, ColIcon), "2") << "a great circle being followed";
    EXPECT_EQ(dialog.txDst->text().toStdString(), "35.4 Nm") << "waypoint 1 to 2";
    EXPECT_EQ(platform::ToCp1252(dialog.windowTitle()).rfind(" /--/ Back(<--)| 4 wp | ", 0), 0u);
}

TEST_F(RouteGridTest, NothingWithoutARouteOrWhileAnEditIsPending)
{
    makeRoute();
    RouteEditMode = RouteShown;
    RouteId = 0;
    RecalcRouteTable(dialog);
    EXPECT_EQ(dialog.Grid->rowCount(), 0);

    RouteId = 7;
    dialog.editPending = true;
    RecalcRouteTable(dialog);
    FillRouteGridRow(dialog, 0);
    EXPECT_EQ(dialog.Grid->rowCount(), 0);
}

// Drawing a route of the most waypoints: the cursor goes into the scratch entry after the last
// waypoint and no further.
TEST_F(RouteGridTest, DrawingFollowsTheCursorIntoTheScratchEntryOnly)
{
    for (int i = 0; i < MaxRouteWaypoints; ++i)
        ASSERT_TRUE(AppendRouteEntry(Waypoint(At(50 + i * 0.01, 3))));
    RouteId = 7;
    RouteEditMode = RouteDrawing;
    RouteHook.cursorChartPoint = [] { return At(56, 4); };

    RecalcRouteTable(dialog);
    ASSERT_EQ(dialog.Grid->rowCount(), MaxRouteWaypoints + 2);
    FillRouteGridRow(dialog, MaxRouteWaypoints - 1);
    FillRouteGridRow(dialog, MaxRouteWaypoints);

    const cmgbase::GeoPoint scratch = RouteTable[MaxRouteWaypoints].position;
    const cmgbase::GeoPoint beyond = RouteTable[MaxRouteWaypoints + 1].position;
    EXPECT_EQ(scratch, At(56, 4));
    EXPECT_EQ(beyond, cmgbase::GeoPoint{});
    EXPECT_EQ(cell(MaxRouteWaypoints, ColLatitude), " 56\xB0 00.000' N");
    EXPECT_EQ(cell(MaxRouteWaypoints, ColDistance), "---");
    EXPECT_NE(cell(MaxRouteWaypoints - 1, ColDistance), "---") << "the leg to the cursor";
    EXPECT_EQ(cell(0, ColEta), "---");
    EXPECT_EQ(cell(MaxRouteWaypoints + 1, ColLatitude), "");
}
