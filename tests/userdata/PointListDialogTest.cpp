// The point list over a real user database: positions typed with the keyboard into the masked
// cells are stored at once where they were typed, in all four hemispheres; the first point makes
// the route or the line.

#include "RouteTestSupport.h"
#include "UserDatabaseFixture.h"
#include "userdata/ObjectDialogHooks.h"
#include "userdata/StoredPosition.h"
#include "userdata/TListDlg.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>

#include <memory>
#include <string>
#include <vector>

using namespace platform::isam;

namespace {

struct Typed {
    const char* latitude;  // the keys typed into the cells
    const char* longitude;
};

class PointListDialogTest : public UserDatabaseTest {
protected:
    void SetUp() override
    {
        UserDatabaseTest::SetUp();
        open();
        ResetRouteState();
        SetupParameters.LineColour = 4;
        ObjectDialogHook.lineId = [this] { return lineId; };
        ObjectDialogHook.setLineId = [this](int32_t id) { lineId = id; };
        ObjectDialogHook.pointTyped = [this](const cmgbase::GeoPoint& at, bool added) {
            typedAt.push_back(at);
            placed += added ? 1 : 0;
        };
        dialog = std::make_unique<TListDlg>();
    }
    void TearDown() override
    {
        dialog.reset();
        ObjectDialogHook = {};
        ResetRouteState();
        UserDatabaseTest::TearDown();
    }

    // The cell's editor as a double click opens it, emptied.
    QLineEdit* edit(int row, int column)
    {
        const QModelIndex index = dialog->Grid->model()->index(row, column);
        if (!dialog->Grid->indexWidget(index)) {
            dialog->Grid->setCurrentCell(row, column);
            dialog->Grid->editItem(dialog->Grid->item(row, column));
        }
        auto* editor = qobject_cast<QLineEdit*>(dialog->Grid->indexWidget(index));
        EXPECT_NE(editor, nullptr);
        editor->clear();
        return editor;
    }

    // Types the row's cells and ends with `key` in the longitude cell.
    void type(int row, const Typed& typed, Qt::Key key = Qt::Key_Return)
    {
        QLineEdit* latitude = edit(row, ListColLatitude);
        QTest::keyClicks(latitude, typed.latitude);
        QTest::keyClick(latitude, Qt::Key_Tab);
        QLineEdit* longitude = edit(row, ListColLongitude);
        QTest::keyClicks(longitude, typed.longitude);
        QTest::keyClick(longitude, key);
    }

    static std::vector<PointRecord> Points(int32_t id)
    {
        std::vector<PointRecord> points;
        PointRecord point;
        point.id = id;
        auto status = UserIsam.readGreaterOrEqual(PointKey, UserKeyValue(PointKey, bytesOf(point)), bytesOf(point));
        for (; status == Status::Ok && point.id == id; status = UserIsam.readNext(PointKey, bytesOf(point)))
            points.push_back(point);
        return points;
    }

    static IdRecord Stored(ObjectType type, int32_t id)
    {
        IdRecord record;
        record.objectType = type;
        record.id = id;
        EXPECT_EQ(UserIsam.readEqual(IdTypeKey, UserKeyValue(IdTypeKey, bytesOf(record)), bytesOf(record)),
                  Status::Ok);
        return record;
    }

    std::unique_ptr<TListDlg> dialog;
    int32_t lineId = 0;
    std::vector<cmgbase::GeoPoint> typedAt;
    int placed = 0;
};

constexpr int32_t Minute = 10000;  // stored units

TEST_F(PointListDialogTest, PositionsTypedInAllFourHemispheresAreStoredWhereTheyWereTyped)
{
    RouteEditMode = RouteDrawing;
    dialog->show();
    EXPECT_EQ(dialog->Grid->horizontalHeaderItem(ListColNumber)->text(), "WP");
    const struct {
        Typed typed;
        int32_t latitude, longitude;
    } rows[] = {
        {{"5430500N", "01005250E"}, 54 * 600000 + 30 * Minute + 5000, 10 * 600000 + 5 * Minute + 2500},
        {{"3355123S", "01825007E"}, -(33 * 600000 + 55 * Minute + 1230), 18 * 600000 + 25 * Minute + 70},
        {{"4000000S", "17959999W"}, -40 * 600000, -(179 * 600000 + 59 * Minute + 9990)},
        {{"9000000N", "07000001W"}, 90 * 600000, -(70 * 600000 + 10)},
    };
    for (int row = 0; row < 4; ++row)
        type(row, rows[row].typed);
    ASSERT_NE(RouteId, 0);
    const std::vector<PointRecord> points = Points(RouteId);
    ASSERT_EQ(points.size(), 4u);
    for (int row = 0; row < 4; ++row) {
        SCOPED_TRACE(row);
        const PointRecord& point = points[size_t(row)];
        EXPECT_EQ(int{point.sequence}, row + 1);
        EXPECT_EQ(int32_t{point.latitude}, rows[row].latitude);
        EXPECT_EQ(int32_t{point.longitude}, rows[row].longitude);
        EXPECT_EQ(typedAt[size_t(row)], (cmgbase::GeoPoint{ChartFromStored(rows[row].longitude),
                                                           ChartFromStored(rows[row].latitude)}));
    }
    EXPECT_EQ(placed, 4);
    EXPECT_EQ(dialog->Grid->rowCount(), 5) << "an empty row for the next point";
    EXPECT_TRUE(failures.empty());
}

// The first point makes the route: colour 2, its first position the point, the route defaults in
// its first point; the route table holds what is stored after every point.
TEST_F(PointListDialogTest, TheFirstPointCreatesTheRouteAndTheTableFollowsEachPoint)
{
    RouteEditMode = RouteDrawing;
    SetupParameters.DefaultTurnRadius = 40;
    dialog->show();
    type(0, {"5700000N", "01130000E"});
    const int32_t route = RouteId;
    ASSERT_NE(route, 0);
    const IdRecord object = Stored(ObjectType::ROUTE, route);
    EXPECT_EQ(int{object.colour}, 2);
    EXPECT_EQ(int32_t{object.latitude}, 57 * 600000);
    EXPECT_EQ(int32_t{object.longitude}, 11 * 600000 + 30 * Minute);
    EXPECT_EQ(int{Points(route).at(0).attributes[RoutePointWord::TurnRadius]}, 40);
    EXPECT_EQ(WaypointCount, 1);

    type(1, {"5710000N", "01140000E"});
    EXPECT_EQ(RouteId, route) << "the next point goes into the same route";
    EXPECT_EQ(Points(route).size(), 2u);
    EXPECT_EQ(WaypointCount, 2);
    EXPECT_EQ(int{RouteTable[1].sequence}, 2);
    EXPECT_EQ(countRecords(IdTypeKey), 1);
}

// Outside route work the points make a line of the line colour, which becomes the picked line.
TEST_F(PointListDialogTest, OutsideRouteWorkThePointsMakeALine)
{
    dialog->show();
    EXPECT_EQ(dialog->Grid->horizontalHeaderItem(ListColNumber)->text(), "Pt.");
    type(0, {"5400000N", "01000000E"});
    ASSERT_NE(lineId, 0);
    const IdRecord line = Stored(ObjectType::LINE, lineId);
    EXPECT_EQ(int{line.colour}, 4);
    type(1, {"5401000N", "01001000E"});
    EXPECT_EQ(Points(lineId).size(), 2u);
    EXPECT_EQ(RouteId, 0);

    // Shown again, the list holds the stored points.
    dialog->hide();
    dialog->show();
    ASSERT_EQ(dialog->Grid->rowCount(), 3);
    EXPECT_EQ(dialog->Grid->item(1, ListColLatitude)->text(), QString::fromUtf8(" 54\u00B0 01.000' N"));
    EXPECT_EQ(dialog->Grid->item(1, ListColLongitude)->text(), QString::fromUtf8(" 10\u00B0 01.000' E"));
}

// A position that is no position is not stored, and one whose cell reads 0 ends the commit.
TEST_F(PointListDialogTest, ARefusedOrZeroPositionIsNotStored)
{
    RouteEditMode = RouteDrawing;
    dialog->show();
    const struct {
        const char* name;
        Typed typed;
    } cases[] = {
        {"beyond 90 degrees", {"9100000N", "01000000E"}},
        {"60 minutes", {"5460000N", "01000000E"}},
        {"no hemisphere", {"5400000", "01000000E"}},
        {"longitude beyond 180", {"5400000N", "18000001E"}},
        {"on the equator: not typed", {"0000000N", "01000000E"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        type(0, c.typed);
        EXPECT_EQ(RouteId, 0);
    }
    EXPECT_EQ(countRecords(IdTypeKey), 0);
}

// A point typed over a stored one takes the new position and keeps the rest of the waypoint.
TEST_F(PointListDialogTest, RetypingAStoredPointKeepsItsWaypointValues)
{
    RouteEditMode = RouteEditing;
    dialog->show();
    type(0, {"5400000N", "01000000E"});
    type(1, {"5401000N", "01001000E"});
    const int32_t route = RouteId;
    PointRecord second = Points(route).at(1);
    ASSERT_EQ(UserIsam.readEqual(PointKey, UserKeyValue(PointKey, bytesOf(second)), bytesOf(second)), Status::Ok);
    second.attributes[RoutePointWord::Lane] = 35;
    second.attributes[RoutePointWord::StopMinutes] = 20;
    ASSERT_EQ(UserIsam.rewriteRecord(PointFile, bytesOf(second)), Status::Ok);

    // The latitude typed anew; Down commits the row and stays in it.
    QLineEdit* latitude = edit(1, ListColLatitude);
    QTest::keyClicks(latitude, "5402000N");
    QTest::keyClick(latitude, Qt::Key_Down);
    EXPECT_EQ(dialog->Grid->currentRow(), 1);
    const PointRecord retyped = Points(route).at(1);
    EXPECT_EQ(int32_t{retyped.latitude}, 54 * 600000 + 2 * Minute);
    EXPECT_EQ(int32_t{retyped.longitude}, 10 * 600000 + 1 * Minute);
    EXPECT_EQ(int{retyped.attributes[RoutePointWord::Lane]}, 35);
    EXPECT_EQ(int{retyped.attributes[RoutePointWord::StopMinutes]}, 20);
    EXPECT_EQ(placed, 2) << "a rewritten point is no new one";
}

}  // namespace
