// The route dialog shown offscreen over a real user database: values typed through the grid's
// input masks, Insert and Delete, the leg-kind toggle, the calculator and the cell painting.

#include "RouteDatabaseFixture.h"
#include "StoredRoute.h"
#include "platform/system/TextCodec.h"
#include "userdata/InfoTexts.h"
#include "userdata/ObjectPoints.h"
#include "userdata/RouteLoad.h"
#include "userdata/RouteGridIcons.h"
#include "userdata/RouteStore.h"
#include "userdata/StoredPosition.h"
#include "userdata/TWpDlg.h"

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

#include <cstring>
#include <ctime>
#include <map>
#include <set>
#include <memory>
#include <string>
#include <vector>

using namespace platform::isam;

namespace {

constexpr int32_t Route = 12;

class RouteDialogTest : public RouteDatabaseTest {
protected:
    void SetUp() override
    {
        RouteDatabaseTest::SetUp();
        std::tm now{};
        now.tm_year = 124;
        now.tm_mon = 1;  // 10 February 2024
        now.tm_mday = 10;
        ClockSeconds = timegm(&now);
        UserColourTable = {0, 0x0000FF, 0xFF0000, 0x00FF00, 0x00FFFF, 0xFF00FF, 0x000000, 0x0080FF};
        dialog = std::make_unique<TWpDlg>();
        dialog->resize(1200, 240);
    }

    void TearDown() override
    {
        dialog.reset();
        RouteDialogHook = {};
        UserColourTable.fill(0);
        RouteDatabaseTest::TearDown();
    }

    void openRoute(const std::vector<StoredWaypoint>& route, bool forward = true)
    {
        StoreRoute(Route, route);
        RouteId = Route;
        RouteForward = forward ? 1 : 0;
        RouteEditMode = RouteEditing;
        ASSERT_EQ(LoadRouteIntoTable(Route), int32_t(route.size()));
        dialog->show();
        dialog->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    }

    // Types into the cell as a user does: the first key opens the editor, the rest go to it.
    QString type(int row, int column, const QString& keys)
    {
        dialog->Grid->setCurrentCell(row, column);
        dialog->Grid->setFocus();
        QTest::keyClick(dialog->Grid, keys[0].toLatin1());
        auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        if (!editor) {
            ADD_FAILURE() << "no editor";
            return {};
        }
        QTest::keyClicks(editor, keys.mid(1));
        const QString shown = editor->displayText();
        QTest::keyClick(editor, Qt::Key_Return);
        return shown;
    }

    void key(int row, Qt::Key pressed)
    {
        dialog->Grid->setCurrentCell(row, ColNumber);
        dialog->Grid->setFocus();
        QTest::keyClick(dialog->Grid, pressed);
    }

    void click(int row, int column)
    {
        const QRect cell = dialog->Grid->visualRect(dialog->Grid->model()->index(row, column));
        QTest::mouseClick(dialog->Grid->viewport(), Qt::LeftButton, {}, cell.center());
    }

    static PointRecord point(uint16_t sequence)
    {
        PointRecord record;
        record.id = Route;
        record.sequence = sequence;
        EXPECT_EQ(UserIsam.readEqual(PointKey, UserKeyValue(PointKey, bytesOf(record)), bytesOf(record)),
                  Status::Ok);
        return record;
    }

    static std::vector<PointRecord> points()
    {
        std::vector<PointRecord> records;
        EXPECT_TRUE(ReadObjectPoints(Route, records));
        return records;
    }

    static std::map<int, std::string> names()
    {
        std::map<int, std::string> found;
        for (int kind = 0; kind < 10; ++kind)
            if (const auto text = ReadObjectText(Route, uint16_t(kind)))
                found[kind] = *text;
        return found;
    }

    std::string cell(int row, int column) const
    {
        const QTableWidgetItem* item = dialog->Grid->item(row, column);
        return item ? platform::ToCp1252(item->text()) : "";
    }

    std::unique_ptr<TWpDlg> dialog;
};

constexpr int32_t Minute = 10000;  // stored units

int32_t Latitude(const PointRecord& record)
{
    return record.latitude;
}

int32_t Longitude(const PointRecord& record)
{
    return record.longitude;
}

}  // namespace

// Each mask keeps the characters where the parsers read them: what the editor shows after the
// keys is the cell text the commit takes, and the stored point gets the typed value.
TEST_F(RouteDialogTest, TypedValuesThroughTheMasksReachTheStoredPoints)
{
    openRoute(Kattegat);
    EXPECT_EQ(type(1, ColLatitude, "5430500s"), QStringLiteral(" 54\u00B0 30.500' S"));
    EXPECT_EQ(Latitude(point(2)), -(54 * 600000 + 30 * Minute + 5000 + 5));
    EXPECT_EQ(dialog->Grid->currentColumn(), ColLongitude) << "Enter moves on to the longitude";

    EXPECT_EQ(type(1, ColLongitude, "17505250w"), QStringLiteral("175\u00B0 05.250' W"));
    EXPECT_EQ(Longitude(point(2)), -(175 * 600000 + 5 * Minute + 2500 + 5));
    EXPECT_EQ(dialog->Grid->currentRow(), 2);
    EXPECT_EQ(dialog->Grid->currentColumn(), ColLatitude);

    // A blank typed where a digit may be left out stays a blank in its place.
    EXPECT_EQ(type(3, ColLatitude, "  501007n"), QStringLiteral("  5\u00B0 01.007' N"));
    EXPECT_EQ(Latitude(point(4)), 5 * 600000 + 1 * Minute + 7 * 10 + 5);

    EXPECT_EQ(type(2, ColEta, "291430"), QStringLiteral("29.  14:30"));
    EXPECT_EQ(dialog->EtaReferenceRow, 2);
    EXPECT_EQ(cell(2, ColEta), "29.  14:30");

    type(3, ColSpeed, "12.5");
    EXPECT_EQ(int{point(4).attributes[RoutePointWord::Speed]}, 125);
    EXPECT_EQ(cell(3, ColSpeed), "12.5 kt");
    EXPECT_FALSE(dialog->editPending);
    EXPECT_TRUE(failures.empty());
}

TEST_F(RouteDialogTest, EscapeDropsTheTypedText)
{
    openRoute(Kattegat);
    const std::string shown = cell(1, ColLatitude);
    dialog->Grid->setCurrentCell(1, ColLatitude);
    dialog->Grid->setFocus();
    QTest::keyClick(dialog->Grid, '1');
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(dialog->editPending);
    EXPECT_EQ(cell(1, ColLatitude), shown);
    EXPECT_EQ(Latitude(point(2)), cmgbase::round(57.4 * PositionUnitsPerDegree));
}

// Insert puts a waypoint halfway along the leg into the stored route, the later points and
// their names moving up; Delete takes it out again and leaves the records as they were.
TEST_F(RouteDialogTest, InsertAndDeleteRenumberThePointsAndMoveTheNames)
{
    openRoute(Kattegat);
    const std::vector<PointRecord> before = points();

    key(0, Qt::Key_Insert);  // no waypoint before the first
    key(0, Qt::Key_Delete);  // the first waypoint stays
    EXPECT_EQ(points().size(), before.size());

    key(2, Qt::Key_Insert);
    ASSERT_EQ(points().size(), 6u);
    EXPECT_EQ(WaypointCount, 6);
    EXPECT_EQ(names(), (std::map<int, std::string>{{1, "Vinga"}, {4, "Anholt N"}, {6, "Grenaa"}}));
    const cmgbase::GeoPoint middle = RouteTable[2].position;
    const double first = Between(RouteTable[1].position, middle);
    const double second = Between(middle, RouteTable[3].position);
    EXPECT_NEAR(first, second, 0.001);
    EXPECT_NEAR(first + second, Between(RouteTable[1].position, RouteTable[3].position), 0.001);
    EXPECT_EQ(cell(5, ColName), "Grenaa");
    EXPECT_EQ(cell(5, ColNumber), "6");

    key(2, Qt::Key_Delete);
    const std::vector<PointRecord> after = points();
    ASSERT_EQ(after.size(), before.size());
    for (size_t i = 0; i < after.size(); ++i)
        EXPECT_EQ(std::memcmp(&after[i], &before[i], sizeof(PointRecord)), 0) << i;
    EXPECT_EQ(names(), (std::map<int, std::string>{{1, "Vinga"}, {3, "Anholt N"}, {5, "Grenaa"}}));
    EXPECT_TRUE(failures.empty());
}

TEST_F(RouteDialogTest, InsertAcrossTheDateLineLiesOnTheLeg)
{
    openRoute({{10, 179.5, 0, 0, 0, 0, 0, 0, ""}, {10, -179.5, 0, 0, 0, 0, 0, 0, ""}});
    key(1, Qt::Key_Insert);
    ASSERT_EQ(WaypointCount, 3);
    const int32_t longitude = Longitude(point(2));
    EXPECT_GT(std::abs(longitude), 179 * 600000 + 59 * Minute) << longitude;
    EXPECT_NEAR(Between(RouteTable[0].position, RouteTable[1].position), 29.6, 0.2);
}

// While a route is drawn the rows after the last waypoint are the cursor's and an empty one:
// Delete there changes nothing.
TEST_F(RouteDialogTest, DeleteOnTheRowsAfterTheLastWaypointChangesNothing)
{
    openRoute(Kattegat);
    RouteEditMode = RouteDrawing;
    RecalcRouteTable(*dialog);
    ASSERT_EQ(dialog->Grid->rowCount(), 7);
    for (const int row : {5, 6}) {
        dialog->selectedRow = row;
        dialog->GridKeyDown(Qt::Key_Delete);
        EXPECT_EQ(WaypointCount, 5);
        EXPECT_EQ(points().size(), 5u);
    }
}

// A click on the leg-kind cell makes a leg of more than 300 nm a great circle and any other a
// rhumb line, committed into the stored point the leg leaves from.
TEST_F(RouteDialogTest, LegKindToggleNeedsALegOfMoreThanThreeHundredMiles)
{
    const cmgbase::GeoPoint start = At(0, 0);
    const cmgbase::GeoPoint second = Ahead(start, 90, 250);
    const cmgbase::GeoPoint third = Ahead(second, 90, 301);
    const auto stored = [](const cmgbase::GeoPoint& p) {
        return StoredWaypoint{cmgbase::nrm2deg(p.y), cmgbase::nrm2deg(p.x), 0, 0, 0, 0, 0, 0, ""};
    };
    openRoute({stored(start), stored(second), stored(third)});
    // A step of a divided great circle is no stored point: its kind never changes.
    WP_typ step = RouteTable[1];
    step.legKind = LoadedGreatCircleStep;
    step.legDistance = 400;
    ASSERT_TRUE(AppendRouteEntry(step));
    RecalcRouteTable(*dialog);
    const std::vector<PointRecord> before = points();
    click(3, ColLegKind);
    EXPECT_EQ(int{RouteTable[3].legKind}, LoadedGreatCircleStep);
    EXPECT_EQ(points().size(), before.size());
    EXPECT_EQ(std::memcmp(points().data(), before.data(), before.size() * sizeof(PointRecord)), 0);
    ASSERT_TRUE(RemoveRouteEntry(3));

    const struct {
        int row;
        uint8_t kind;
    } clicks[] = {{0, RhumbLineLeg}, {1, GreatCircleLeg}, {1, RhumbLineLeg}, {1, GreatCircleLeg}};
    for (const auto& c : clicks) {
        click(c.row, ColLegKind);
        EXPECT_EQ(int{RouteTable[size_t(c.row)].legKind}, c.kind) << c.row;
        EXPECT_EQ(int{point(uint16_t(c.row + 1)).attributes[RoutePointWord::LegKind]}, c.kind) << c.row;
        EXPECT_EQ(cell(c.row, ColIcon), std::to_string(c.kind)) << c.row;
    }
    EXPECT_FALSE(dialog->editPending);
}

// From and To stay in order and within their ranges whichever moves.
TEST_F(RouteDialogTest, CalculatorKeepsFromBelowTo)
{
    std::vector<StoredWaypoint> route;
    for (int i = 0; i < 8; ++i)
        route.push_back({57 + i * 0.1, 11, 0, 0, 0, 0, 0, 0, ""});
    openRoute(route);
    const struct {
        bool own;
        int from, to;  // before
        bool movesTo;
        int value;
        int wantFrom, wantTo;
    } cases[] = {
        {false, 5, 7, true, 3, 2, 3},   // To below From: From follows to To - 1
        {false, 5, 7, true, 1, 1, 2},   // below its range: To 2 and From 1
        {false, 2, 3, true, 6, 2, 6},   // To up: From stays
        {false, 2, 3, false, 6, 6, 7},  // From up to To: To pushed to From + 1
        {false, 2, 3, false, 9, 7, 8},  // From at most the last leg's start
        {true, 3, 5, true, 1, 0, 1},    // with the own position inserted From may be 0
    };
    for (const auto& c : cases) {
        OwnPositionInserted = c.own ? 1 : 0;
        SetupParameters.CalcFrom = int16_t(c.from);
        SetupParameters.CalcTo = int16_t(c.to);
        dialog->FormShow();
        if (c.movesTo)
            dialog->udTo->setValue(c.value);
        else
            dialog->udFrom->setValue(c.value);
        const int from = SetupParameters.CalcFrom;
        const int to = SetupParameters.CalcTo;
        EXPECT_EQ(from, c.wantFrom) << c.from << "-" << c.to << " " << c.value;
        EXPECT_EQ(to, c.wantTo) << c.from << "-" << c.to << " " << c.value;
        EXPECT_EQ(dialog->udFrom->value(), from);
        EXPECT_EQ(dialog->edTo->text().toInt(), to);
    }
}

TEST_F(RouteDialogTest, DefaultsAndZoneAreShownAndStoredWithTheRoute)
{
    int held = 0;
    RouteDialogHook.holdGridRefresh = [&held](int32_t ticks) { held = ticks; };
    openRoute(Kattegat);
    EXPECT_EQ(dialog->edSpd->text(), "9.5") << "the route's stored default";
    dialog->udSpd->setValue(120);
    dialog->udIdx->setValue(25);
    EXPECT_EQ(dialog->edIdx->text(), "0.25");
    EXPECT_TRUE(dialog->defaultsChanged);
    EXPECT_EQ(held, 2);
    RecalcRouteTable(*dialog);
    EXPECT_EQ(int{point(1).attributes[RoutePointWord::DefaultSpeed]}, 120);
    EXPECT_EQ(int{point(1).attributes[RoutePointWord::DefaultLane]}, 25);

    dialog->udEta->setValue(-3);
    EXPECT_EQ(dialog->edEta->text(), "-3 h.");
    dialog->udEta->setValue(0);
    EXPECT_EQ(dialog->edEta->text(), "+0 h.");

    dialog->rbTemporary->setChecked(true);
    EXPECT_EQ(SetupParameters.RouteChangesTemporary, 1);
    type(1, ColSpeed, "3");
    EXPECT_EQ(int{RouteTable[1].speed}, 30);
    EXPECT_EQ(int{point(2).attributes[RoutePointWord::Speed]}, 110) << "kept temporary";
}

// The icon number's background and picture, and the colours a cell is painted in.
TEST_F(RouteDialogTest, IconsAndCellColours)
{
    const struct {
        int number;
        DangerBackground background;
        int picture;
    } icons[] = {{0, DangerBackground::Green, 0},  {2, DangerBackground::Green, 2},
                 {19, DangerBackground::Orange, 3}, {33, DangerBackground::Red, 1},
                 {48, DangerBackground::Black, 0},  {51, DangerBackground::Black, 3}};
    for (const auto& icon : icons) {
        const RouteIconParts parts = SplitRouteIconNumber(icon.number);
        EXPECT_EQ(parts.background, icon.background) << icon.number;
        EXPECT_EQ(parts.picture, icon.picture) << icon.number;
    }
    ASSERT_EQ(RouteLegIcons().size(), 4u);
    for (size_t a = 0; a < 4; ++a)
        for (size_t b = a + 1; b < 4; ++b)
            EXPECT_NE(RouteLegIcons()[a], RouteLegIcons()[b]) << a << " " << b;
    EXPECT_EQ(RouteIconCell(33).pixelColor(1, 9), QColor(Qt::red));
    EXPECT_EQ(RouteIconCell(16).pixelColor(1, 9), QColor(0xFF, 0x80, 0));
    EXPECT_EQ(RouteIconCell(1).pixelColor(1, 9), QColor(Qt::green));

    openRoute(Kattegat);
    RouteEditMode = RouteShown;
    CurrentWaypoint = 1;
    RouteTable[3].turnMisfit = 1;
    RouteTable[2].dangerFlags = 4;
    RecalcRouteTable(*dialog);
    const auto colours = [this](int row, int column) {
        QImage image(120, 18, QImage::Format_RGB32);
        QPainter painter(&image);
        dialog->GridDrawCell(painter, image.rect(), row, column);
        painter.end();
        std::set<QRgb> found;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                found.insert(image.pixel(x, y));
        return found;
    };
    EXPECT_TRUE(colours(1, ColLatitude).count(qRgb(0, 0, 0xFF))) << "the current waypoint's row in blue";
    RouteDialogHook.daylight = [] { return 3; };
    EXPECT_TRUE(colours(1, ColLatitude).count(qRgb(0xFF, 0x80, 0))) << "at night in orange";
    EXPECT_TRUE(colours(3, ColRadius).count(qRgb(0xFF, 0, 0))) << "a misfit turn in red";
    EXPECT_TRUE(colours(4, ColSpeed).count(QColor(Qt::gray).rgb())) << "the route default in grey";
    EXPECT_TRUE(colours(2, ColLegKind).count(qRgb(0, 0, 0))) << "a depth danger: black ground";
}

// The one-second tick's care of the Save / Temporary choice, and the route bar's button.
TEST_F(RouteDialogTest, ChangesChoiceFollowsTheRouteWorkAndTheButtonToggles)
{
    openRoute(Kattegat);
    dialog->KeepChangesChoice(false);
    EXPECT_TRUE(dialog->rbSave->isEnabled());
    EXPECT_FALSE(dialog->rbTemporary->isEnabled()) << "editing: only Save";
    EXPECT_EQ(SetupParameters.RouteChangesTemporary, 0);

    RouteEditMode = RouteShown;
    dialog->KeepChangesChoice(true);
    EXPECT_TRUE(dialog->rbTemporary->isChecked());
    EXPECT_TRUE(dialog->rbTemporary->isEnabled());
    EXPECT_FALSE(dialog->rbSave->isEnabled());
    EXPECT_EQ(SetupParameters.RouteChangesTemporary, 1) << "choosing the item runs its handler";

    WpDlg = dialog.get();
    bool released = false;
    RouteDialogHook.releaseCalculatorButton = [&released] { released = true; };
    ToggleRouteDialog();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(released);
    ToggleRouteDialog();
    EXPECT_TRUE(dialog->isVisible());
    WpDlg = nullptr;
}

// Which cells may be chosen, the pointer marker, and the chart brought onto a waypoint outside it.
TEST_F(RouteDialogTest, CellChoiceAutoCentringAndPointer)
{
    openRoute(Kattegat);
    const struct {
        int32_t mode;
        uint8_t greatCircleLoaded;
        std::vector<int> choosable;
    } cases[] = {
        {RouteEditing, 0, {0, 2, 3, 6, 7, 8, 9, 10, 11}},
        {RouteShown, 0, {0, 2, 3, 6, 7, 8, 9, 10, 11}},
        {RouteShown, 1, {6, 7, 8, 9, 10}},
    };
    for (const auto& c : cases) {
        RouteEditMode = c.mode;
        GreatCircleRouteLoaded = c.greatCircleLoaded;
        std::vector<int> choosable;
        for (int column = 0; column < RouteGridColumns; ++column)
            if (dialog->GridSelectCell(1, column))
                choosable.push_back(column);
        EXPECT_EQ(choosable, c.choosable) << c.mode << " " << int{c.greatCircleLoaded};
    }
    RouteEditMode = RouteEditing;
    GreatCircleRouteLoaded = 0;

    std::vector<cmgbase::GeoPoint> centred;
    bool autoButton = false;
    RouteDialogHook.autoCentring = [&autoButton] { return autoButton; };
    RouteDialogHook.chartSize = [] { return QSize(800, 600); };
    RouteDialogHook.centreChartOn = [&centred](const cmgbase::GeoPoint& p) { centred.push_back(p); };
    RouteTable[1].screenPoint = {400, 300};
    RouteTable[2].screenPoint = {900, 300};
    dialog->GridMouseDown(2, ColSpeed);
    EXPECT_TRUE(centred.empty()) << "AutoBtn up";
    autoButton = true;
    dialog->GridMouseDown(1, ColSpeed);
    dialog->GridMouseDown(2, ColLegKind);
    EXPECT_TRUE(centred.empty()) << "in the chart, or the leg-kind column";
    dialog->GridMouseDown(2, ColSpeed);
    type(2, ColSpeed, "9");
    ASSERT_EQ(centred.size(), 2u) << "a click and Enter on a waypoint outside the chart";
    EXPECT_EQ(centred[0], RouteTable[2].position);

    PointerLocation = 0;
    QMouseEvent move(QEvent::MouseMove, QPointF(30, 10), QPointF(30, 10), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(dialog->Grid->viewport(), &move);
    EXPECT_EQ(PointerLocation, PointerOverRouteGrid);
}
