// The static overlay of the main window as the start-up wires it, over the main view of a real
// chart database: the recorded track ring, the target tracks, the north arrow, the depth unit,
// the route values and the other data sets drawn from real ISAM file sets.

#include "SetupTestSupport.h"
#include "StartedProgram.h"

#include "app/ChartCursor.h"
#include "app/DataSets.h"
#include "app/NorthArrow.h"
#include "app/StaticOverlay.h"
#include "app/TForm1.h"
#include "app/TargetTrackPictures.h"
#include "app/TickClock.h"
#include "app/TickState.h"
#include "chart/ChartHooks.h"
#include "chart/ChartLevels.h"
#include "chart/ChartRedraw.h"
#include "chart/MapManager.h"
#include "chart/MapView.h"
#include "chart/OverlayColours.h"
#include "chart/OverlayFont.h"
#include "chart/TPositionDlg.h"
#include "frame/SharedTables.h"
#include "platform/chartengine/ChartTestSupport.h"
#include "platform/geodesy/NormalisedCoordinates.h"
#include "platform/system/RegistryStore.h"
#include "radarweather/RadarManager.h"
#include "radarweather/WeatherManager.h"
#include "sensors/SensorHooks.h"
#include "sensors/TargetTable.h"
#include "userdata/ObjectIds.h"
#include "userdata/RouteHooks.h"
#include "userdata/RouteLegs.h"
#include "userdata/RouteTable.h"
#include "userdata/TrackState.h"
#include "userdata/UserDatabase.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QPainter>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>

#include <cstring>
#include <fstream>
#include <memory>
#include <optional>
#include <vector>

namespace {

const cmgbase::GeoPoint HarbourCell = {cmgbase::deg2nrm(60.915), cmgbase::deg2nrm(-32.485)};
const QRgb Blank = qRgb(255, 255, 255);

class StaticOverlayTest : public HarbourProgramTest {
protected:
    void SetUp() override
    {
        HarbourProgramTest::SetUp();
        ResetTickState();
        LayOutProgramFolder(folder, engine(), "[C-Map]\n13=Chart engine restarted\n");
        form = StartProgram(QSize(640, 480));
        ASSERT_TRUE(StartupDone);
        ASSERT_NE(MainMapView, nullptr);
        MainMapView->SetCentre(HarbourCell);
        form->chartLevel = 6;
        SetChartLevel(*form);
        ASSERT_EQ(form->MainChartBitmap.size(), QSize(640, 480));
        form->ckDbA->setChecked(true);  // data set A in use, as its button opens it
        SetupParameters.DepthFactor = 1.0f;
        SetupParameters.TrackColour = 3;
        SetupParameters.TrackMode = 1;
        SetupParameters.TrackRing = {};
        ClearRouteTable();
        for (TargetRecord& target : TargetTable)
            target.id = -1;
    }

    void TearDown() override
    {
        StopProgram(form);
        ClearRouteTable();
        TrackPixels = {};
        ResetChartCursor();
        HarbourProgramTest::TearDown();
    }

    // The chart position under a pixel of the main view.
    cmgbase::GeoPoint geoAt(int32_t x, int32_t y) const
    {
        cmgbase::GeoPoint position{};
        EXPECT_TRUE(MainMapView->ScreenToGeo(form->chartRect, {x, y}, position));
        return position;
    }

    // The overlay over a white chart picture, so that only what it draws shows.
    const QImage& paintOverBlank()
    {
        form->MainChartBitmap.fill(Blank);
        PaintChartOverlay(*form);
        return form->ChartBackBitmap;
    }

    void press(QAbstractButton* button) const
    {
        button->setCheckable(true);
        button->setChecked(true);
    }

    std::unique_ptr<TForm1> form;
};

TrackSample Sample(const cmgbase::GeoPoint& position, uint16_t depthDecimetres)
{
    TrackSample sample;
    sample.longitude = cmgbase::nrm2deg(position.x);
    sample.latitude = cmgbase::nrm2deg(position.y);
    sample.chartX = position.x;
    sample.chartY = position.y;
    sample.depth = depthDecimetres;
    return sample;
}

bool Near(ScreenPoint a, const QPoint& b)
{
    return std::abs(a.x - b.x()) <= 1 && std::abs(a.y - b.y()) <= 1;
}

}  // namespace

// The ring is walked oldest first from the slot the next sample takes; empty slots are skipped.
// A stored slot outside the ring (a damaged dta.res) starts the walk at slot 0 instead of
// reading beyond the ring.
TEST_F(StaticOverlayTest, TheTrackRingIsWalkedOldestFirstFromTheStoredSlot)
{
    for (int32_t slot : {0, 1, 2, 4, 498})
        SetupParameters.TrackRing[size_t(slot)] = Sample(geoAt(100 + slot / 2, 100 + slot), uint16_t(slot));
    const struct {
        int32_t index;
        std::vector<int32_t> order;
    } cases[] = {
        {2, {2, 4, 498, 0, 1}},
        {0, {0, 1, 2, 4, 498}},
        {499, {0, 1, 2, 4, 498}},  // wraps after the last slot
        {500, {0, 1, 2, 4, 498}},
        {-1, {0, 1, 2, 4, 498}},
        {2147483647, {0, 1, 2, 4, 498}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.index);
        SetupParameters.TrackIndex = c.index;
        paintOverBlank();
        ASSERT_EQ(TrackPixels.count, int32_t(c.order.size()));
        for (size_t i = 0; i < c.order.size(); ++i) {
            const TrackPixel& pixel = TrackPixels.pixels[i];
            EXPECT_EQ(pixel.sampleIndex, c.order[i]);
            EXPECT_TRUE(Near(pixel.point, {100 + c.order[i] / 2, 100 + c.order[i]}));
            EXPECT_FLOAT_EQ(pixel.depth, c.order[i] * 0.1f);
        }
    }
    SetupParameters.TrackMode = 0;
    paintOverBlank();
    EXPECT_EQ(TrackPixels.count, 0) << "no track shown, nothing to pick";
}

// Mode 2: the line through the samples in the track colour, a square at every sample and its
// depth beside it where it lies more than 50 px in x or y from the last depth written, and is
// above 0.1.
TEST_F(StaticOverlayTest, TheRingTrackRunsThroughItsSamplesWithItsDepthsInModeTwo)
{
    const struct {
        QPoint at;
        uint16_t depth;     // decimetres
        const char* label;  // none: null
    } samples[] = {
        {{100, 60}, 50, " 5.0"},    // the first depth of the picture
        {{150, 110}, 50, nullptr},  // 50 px from it both ways
        {{151, 60}, 123, " 12"},    // 51 px right of it
        {{150, 111}, 1, nullptr},   // 51 px below that, but 0.1 m
        {{200, 111}, 99, " 9.9"},   // 51 px below the last written, 49 px right
        {{250, 130}, 100, nullptr},
        {{260, 180}, 100, " 10"},
    };
    for (size_t i = 0; i < std::size(samples); ++i)
        SetupParameters.TrackRing[i + 10] = Sample(geoAt(samples[i].at.x(), samples[i].at.y()), samples[i].depth);
    SetupParameters.TrackIndex = 10;
    const QImage lineOnly = paintOverBlank();
    SetupParameters.TrackMode = 2;
    form->lastDepthLabel = ScreenPoint{100, 60};  // from an earlier picture: forgotten
    const QImage& picture = paintOverBlank();

    ASSERT_EQ(TrackPixels.count, int32_t(std::size(samples)));
    const QRgb track = UserColour(3).rgb();
    for (size_t i = 0; i < std::size(samples); ++i) {
        SCOPED_TRACE(i);
        const ScreenPoint at = TrackPixels.pixels[i].point;
        ASSERT_TRUE(Near(at, samples[i].at));
        EXPECT_EQ(picture.pixel(at.x - 2, at.y - 2), track) << "the depth square";
        if (i > 0) {
            const ScreenPoint before = TrackPixels.pixels[i - 1].point;
            EXPECT_EQ(lineOnly.pixel((at.x + before.x) / 2, (at.y + before.y) / 2), track) << "the line";
        }
        // Right of the square: the line as it runs there, and the depth written over it.
        QImage expected = lineOnly;
        if (samples[i].label) {
            QPainter canvas(&expected);
            canvas.setFont(form->overlayFont);
            canvas.setPen(WindowTextColour());
            canvas.drawText(at.x, at.y + canvas.fontMetrics().ascent(), QString::fromLatin1(samples[i].label));
        }
        const QRect label(at.x + 2, at.y, 40, form->overlayFont.pointSize() * 2);
        EXPECT_EQ(picture.copy(label), expected.copy(label)) << (samples[i].label ? samples[i].label : "none");
    }
}

TEST_F(StaticOverlayTest, ARingWithASingleSampleDrawsNoLine)
{
    SetupParameters.TrackRing[7] = Sample(geoAt(200, 200), 50);
    SetupParameters.TrackMode = 2;
    const QImage around = paintOverBlank().copy(150, 150, 100, 100);
    EXPECT_EQ(TrackPixels.count, 1);
    EXPECT_EQ(TrackPixels.pixels[0].sampleIndex, 7);
    for (int y = 0; y < around.height(); ++y)
        for (int x = 0; x < around.width(); ++x)
            ASSERT_EQ(around.pixel(x, y), Blank) << x << "," << y;
}

TEST(NorthArrow, ItsPointsTurnWithTheChart)
{
    const struct {
        float rotation;
        std::array<QPoint, 6> points;  // east, south, west, east, north tip, the "N"
    } cases[] = {
        {0.0f, {{{57, 50}, {50, 82}, {44, 50}, {57, 50}, {50, 19}, {50, 12}}}},
        {90.0f, {{{50, 44}, {82, 50}, {50, 57}, {50, 44}, {19, 50}, {12, 50}}}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NorthArrowPoints(c.rotation), c.points) << c.rotation;
}

// North is the red half, south the blue one; on a chart turned to 090 north points left.
TEST_F(StaticOverlayTest, TheNorthArrowsHalvesPointNorthAndSouthOfTheTurnedChart)
{
    const QRgb red = UserColour(1).rgb();
    const QRgb blue = UserColour(2).rgb();
    const struct {
        float rotation;
        QPoint north;
        QPoint south;
    } cases[] = {
        {0.0f, {50, 30}, {50, 70}},
        {90.0f, {30, 50}, {70, 50}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rotation);
        form->viewRotation = c.rotation;
        const QImage& picture = paintOverBlank();
        EXPECT_EQ(picture.pixel(c.north), red);
        EXPECT_EQ(picture.pixel(c.south), blue);
        EXPECT_EQ(picture.pixel(NorthArrowPoints(c.rotation)[4]), WindowTextColour().rgb()) << "the outline";
    }
}

TEST(DepthUnit, TheFactorNamesTheUnit)
{
    const std::pair<float, const char*> cases[] = {
        {1.0f, "meter"}, {3.2808f, "feet"}, {1.0001f, "feet"}, {0.5468f, "fathoms"}, {0.9999f, "fathoms"},
    };
    for (const auto& [factor, unit] : cases)
        EXPECT_EQ(DepthUnitText(factor), unit) << factor;
}

// The unit in a box of the button face, its right edge 11 px inside the chart's right edge and
// its bottom 6 px above the chart's bottom.
TEST_F(StaticOverlayTest, TheDepthUnitStandsInTheChartsBottomRightCorner)
{
    const QRgb outline = WindowTextColour().rgb();
    const QRgb face = form->palette().color(QPalette::Button).rgb();
    for (const float factor : {1.0f, 3.2808f, 0.5468f}) {
        const QString unit = QString::fromStdString(DepthUnitText(factor));
        SCOPED_TRACE(unit.toStdString());
        SetupParameters.DepthFactor = factor;
        const QImage& picture = paintOverBlank();
        const QFontMetrics metrics(ChartOverlayFont(SetupParameters.Resolution), &picture);
        const int left = 640 - 11 - metrics.horizontalAdvance(unit) - 4;
        const int top = 480 - 6 - metrics.height();
        const int middle = top + metrics.height() / 2;
        EXPECT_EQ(picture.pixel(628, middle), outline);
        EXPECT_EQ(picture.pixel(629, middle), Blank);
        EXPECT_EQ(picture.pixel(left, middle), outline);
        EXPECT_EQ(picture.pixel(left - 1, middle), Blank);
        EXPECT_EQ(picture.pixel(left + 1, middle), face);
        EXPECT_EQ(picture.pixel(left + 4, 473), outline);
        EXPECT_EQ(picture.pixel(left + 4, 474), Blank);
    }
}

// A target's track shows at most the number of points set, never more than it has, and a
// count outside 0..120 in the record reads no further than the track's 120 slots.
TEST_F(StaticOverlayTest, ATargetTrackShowsTheNewestPointsItHasUpToTheSetNumber)
{
    press(form->AisBtn);
    TargetRecord& target = TargetTable[7];
    target.id = 211000007;
    target.kind = 4;
    target.colour = 5;
    target.trackMode = 2;
    for (int slot = 0; slot < TargetRecord::TrackPoints; ++slot) {
        const cmgbase::GeoPoint point = geoAt(20 + 5 * slot, 300);
        target.track[slot][0] = point.x;
        target.track[slot][1] = point.y;
    }
    const struct {
        int16_t shown;  // set number of points
        int16_t count;  // points in the record
        int32_t drawn;
    } cases[] = {
        {10, 3, 3}, {3, 10, 3}, {-5, 30, 0}, {500, 120, 120}, {200, 300, 120}, {5, -4, 0}, {0, 50, 0},
    };
    const QRgb magenta = UserColour(5).rgb();
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.shown << " of " << c.count);
        SetupParameters.AisTrackPoints = c.shown;
        target.count = c.count;
        const QImage& picture = paintOverBlank();
        EXPECT_EQ(TargetTrackPictures[7].drawnCount, c.drawn);
        const int newest = std::clamp<int>(c.count, 0, TargetRecord::TrackPoints) - 1;
        for (int slot = 0; slot < newest; ++slot) {
            const ScreenPoint point = TargetTrackPictures[7].points[size_t(slot)];
            ASSERT_TRUE(Near(point, {20 + 5 * slot, 300}));
            const bool drawn = slot >= newest - c.drawn + 1;
            EXPECT_EQ(picture.pixel(point.x + 2, 300) == magenta, drawn) << slot;
        }
    }
}

TEST_F(StaticOverlayTest, TargetTracksAreDrawnForTheKindsShownInTheirTrackMode)
{
    press(form->Arpa1Btn);
    SetupParameters.AisTrackPoints = 20;
    SetupParameters.AisTracks = 0;
    const struct {
        uint8_t kind;
        uint8_t trackMode;
        int32_t drawn;
    } cases[] = {
        {0, 2, 5},  // ARPA
        {2, 2, 5},  // sonar
        {3, 2, 0},  // dead-reckoned: no track of reports
        {4, 2, 0},  // AIS with AisBtn up
        {0, 1, 0},  // track mode 1 without the AIS track display
        {0, 0, 0},
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        TargetRecord& target = TargetTable[i];
        target.id = int32_t(i);
        target.kind = cases[i].kind;
        target.trackMode = cases[i].trackMode;
        target.count = 5;
        for (int slot = 0; slot < 5; ++slot) {
            const cmgbase::GeoPoint point = geoAt(100 + 10 * slot, 100 + 20 * int(i));
            target.track[slot][0] = point.x;
            target.track[slot][1] = point.y;
        }
    }
    paintOverBlank();
    for (size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(TargetTrackPictures[i].drawnCount, cases[i].drawn) << i;
    SetupParameters.AisTracks = 1;
    paintOverBlank();
    EXPECT_EQ(TargetTrackPictures[4].drawnCount, 5) << "track mode 1 with the AIS track display";
}

// Every waypoint's screen point, every leg and the route's length are brought up to date, and
// a refresh of the legs' geometry asked for is taken up.
TEST_F(StaticOverlayTest, TheRouteGetsItsScreenPointsLegsAndLength)
{
    const QPoint pixels[] = {{100, 100}, {300, 100}, {300, 250}};
    for (const QPoint& pixel : pixels) {
        WP_typ entry;
        entry.position = geoAt(pixel.x(), pixel.y());
        ASSERT_TRUE(AppendRouteEntry(entry));
    }
    RouteEditMode = RouteShown;
    RouteLegGeometryPending = true;
    RouteLength = 0;
    paintOverBlank();
    for (size_t i = 0; i < std::size(pixels); ++i)
        EXPECT_TRUE(Near(RouteTable[i].screenPoint, pixels[i])) << i;
    EXPECT_NEAR(RouteTable[0].legBearing, 90, 1);
    EXPECT_NEAR(RouteTable[1].legBearing, 180, 1);
    EXPECT_GT(RouteTable[0].legDistance, 0);
    EXPECT_NEAR(RouteTable[0].legDistance / RouteTable[1].legDistance, 200.0 / 150.0, 0.02);
    EXPECT_NEAR(RouteLength, RouteTable[0].legDistance + RouteTable[1].legDistance, 1e-4);
    EXPECT_FALSE(RouteLegGeometryPending);
}

namespace {

// Stores a symbol named after the data set in the open set.
void MarkDataSet(const char* name)
{
    IdRecord record;
    record.objectType = ObjectType::SYMBOL;
    record.latitude = 1;
    std::strncpy(record.name, name, sizeof record.name - 1);
    ASSERT_EQ(AddIdRecord(record, IdRange::Symbol), platform::isam::Status::Ok);
}

// The name of the first object of the open set.
std::string OpenSetMark()
{
    IdRecord record;
    if (UserIsam.readFirst(IdNumberKey, std::as_writable_bytes(std::span(&record, 1))) != platform::isam::Status::Ok)
        return {};
    return record.name;
}

bool HasObjectFiles(int set)
{
    return std::filesystem::exists((DataPaths[DataPathSetA + set - 1] / IdStem).replace_extension(".dat"));
}

}  // namespace

// The other sets ticked for display are opened in turn; the set in use is open again after the
// picture, so that recording goes on where it was. A set that cannot be opened is skipped without
// a message: the sets after it are still drawn, and the set in use is opened again all the same.
TEST_F(StaticOverlayTest, OtherDataSetsAreDrawnAndTheSetInUseIsOpenAgain)
{
    ASSERT_EQ(OpenDataSet(), 1);
    MarkDataSet("A");
    ASSERT_TRUE(SelectUserDatabase(2));
    MarkDataSet("B");
    ASSERT_TRUE(SelectUserDatabase(1));
    ASSERT_FALSE(HasObjectFiles(3));

    form->ckDbxB->setChecked(true);
    form->ckDbxC->setChecked(true);
    paintOverBlank();
    EXPECT_EQ(OpenDataSet(), 1);
    EXPECT_EQ(OpenSetMark(), "A");
    EXPECT_TRUE(HasObjectFiles(3)) << "set C was opened";

    // Nothing ticked but the set in use: no switch at all.
    form->ckDbxB->setChecked(false);
    form->ckDbxC->setChecked(false);
    std::filesystem::remove_all(DataPaths[DataPathSetA + 2]);
    paintOverBlank();
    EXPECT_EQ(OpenSetMark(), "A");
    EXPECT_FALSE(HasObjectFiles(3));

    // Set B cannot be opened: it is skipped quietly, C is drawn, A is open again.
    boxes.shown.clear();
    const std::filesystem::path setB = DataPaths[DataPathSetA + 1];
    std::filesystem::remove_all(setB);
    std::ofstream(setB) << "not a folder";
    std::filesystem::create_directories(DataPaths[DataPathSetA + 2]);
    form->ckDbxB->setChecked(true);
    form->ckDbxC->setChecked(true);
    paintOverBlank();
    EXPECT_TRUE(boxes.shown.empty()) << "a set only drawn stops nothing";
    EXPECT_EQ(programEndRequests, 0);
    EXPECT_TRUE(HasObjectFiles(3)) << "set C was still opened";
    EXPECT_EQ(OpenDataSet(), 1);
    EXPECT_EQ(OpenSetMark(), "A");
}

TEST_F(StaticOverlayTest, WithNoSetOpenBeforeNoneIsLeftOpen)
{
    CloseUserDatabase();
    ASSERT_EQ(OpenDataSet(), 0);
    form->ckDbxC->setChecked(true);
    paintOverBlank();
    EXPECT_TRUE(HasObjectFiles(3));
    EXPECT_EQ(OpenDataSet(), 0);
    EXPECT_FALSE(UserIsam.isStarted());
}

// The whole overlay over the real chart, with the picture in the temporary folder to look at:
// the track ring with its depths, a target track, a stored bearing line, the position dialog's
// mark, the north arrow of a chart turned to 030 and the depth unit.
TEST_F(StaticOverlayTest, TheSceneOverTheChart)
{
    SetupParameters.TrackMode = 2;
    SetupParameters.TrackIndex = 0;
    for (int i = 0; i < 40; ++i)
        SetupParameters.TrackRing[size_t(i)] = Sample(geoAt(120 + 9 * i, 380 - 6 * i), uint16_t(40 + 7 * i));
    press(form->AisBtn);
    SetupParameters.AisTrackPoints = 30;
    TargetRecord& target = TargetTable[0];
    target.id = 211000001;
    target.kind = 4;
    target.colour = 5;
    target.trackMode = 2;
    target.count = 30;
    for (int slot = 0; slot < 30; ++slot) {
        const cmgbase::GeoPoint point = geoAt(560 - 8 * slot, 90 + slot * slot / 4);
        target.track[slot][0] = point.x;
        target.track[slot][1] = point.y;
    }
    StoredBearingLines[0] = {geoAt(200, 120), geoAt(420, 200)};
    const auto positionDialog = std::make_unique<TPositionDlg>();
    PositionDlg = positionDialog.get();
    PositionDlg->show();  // showing it starts from the chart centre
    TypedPosition = geoAt(480, 330);
    form->viewRotation = 30.0f;
    SetupParameters.DepthFactor = 3.2808f;

    PaintChartOverlay(*form);
    const QImage& picture = form->ChartBackBitmap;
    picture.save(QString::fromStdString((std::filesystem::temp_directory_path() / "static.png").string()));
    PositionDlg = nullptr;

    EXPECT_EQ(picture.pixel(310, 160), UserColour(1).rgb()) << "the bearing line";
    EXPECT_EQ(picture.pixel(200 + 4, 120), UserColour(1).rgb()) << "its circle";
    EXPECT_EQ(picture.pixel(480 + 15, 330), UserColour(1).rgb()) << "the position mark's cross";
    EXPECT_EQ(picture.pixel(480, 330 - 10), UserColour(1).rgb()) << "its circle";
    EXPECT_EQ(TrackPixels.count, 40);
    EXPECT_EQ(TargetTrackPictures[0].drawnCount, 30);
}
