// The seabed sweep over real ISAM files: the backup file byte for byte, emptying an area, the 3D
// export's lines, the depth numbers and the depth edit through the real dialog.

#include "UserDatabaseFixture.h"

#include "frame/CoverageGrid.h"
#include "frame/DepthExportFile.h"
#include "frame/SetupParameters.h"
#include "frame/SharedTables.h"
#include "userdata/SeabedExport.h"
#include "userdata/SeabedHooks.h"
#include "userdata/SeabedTiles.h"
#include "userdata/TDptEdit.h"

#include <QPushButton>
#include <QSpinBox>
#include <QTimer>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <memory>

namespace {

using platform::isam::bytesOf;
using platform::isam::Status;

// The coarse grid near the equator (row factor 1.1): tile column c spans 563200 units of x from
// c x 563200, tile row r 512000 units of y from r x 512000.
struct Recorded {
    int32_t column, row;
    uint8_t i, j;
    uint16_t depth;
    cmgbase::GeoPoint centre;
};
const Recorded SouthWest00 = {-1, -1, 0, 0, 120, {-562100, -511000}};
const Recorded SouthWest20 = {-1, -1, 2, 0, 30000, {-557700, -511000}};
const Recorded SouthWest255 = {-1, -1, 255, 3, 29999, {-1100, -505000}};
const Recorded Origin11 = {0, 0, 1, 1, 55, {3300, 3000}};
const Recorded East00 = {5, 0, 0, 0, 77, {2817100, 1000}};

// Tiles (-1, -1) and (0, 0) whole; tile 5 lies east of it.
const cmgbase::GeoRect Area = {-563200, -512000, 563199, 511999};

class SeabedExportTest : public UserDatabaseTest {
protected:
    void SetUp() override
    {
        UserDatabaseTest::SetUp();
        open();
        ProgramFolder = folder.path();
        std::filesystem::create_directories(folder / "Temp");
        SetupParameters.DepthFactor = 1.0f;
        SetupParameters.DataScope = 1;
        SetupParameters.ThreeDDepthFrom = 0;
        SetupParameters.ThreeDDepthTo = 0;
        CurrentSeabedTile.valid = false;
        CurrentSeabedTile.changed = false;
        SeabedFlushTile.changed = false;
        SeabedHook = {};
        // A pixel per 1000 units east of the area's west edge and south of its north edge.
        SeabedHook.screenPoint = [](const cmgbase::GeoPoint& p) -> std::optional<ScreenPoint> {
            return ScreenPoint{int32_t((int64_t(p.x) - Area.x1) / 1000), int32_t((int64_t(Area.y2) - p.y) / 1000)};
        };
        for (const Recorded& cell : {SouthWest00, SouthWest20, SouthWest255, Origin11, East00})
            store(cell);
    }

    void TearDown() override
    {
        SeabedHook = {};
        DptEdit = nullptr;
        CurrentSeabedTile.valid = false;
        UserDatabaseTest::TearDown();
    }

    // Stores the cell into the record of its tile.
    static void store(const Recorded& cell)
    {
        auto tile = std::make_unique<SeabedTile>();
        LoadSeabedTile(*tile, cell.column, cell.row);
        tile->at(cell.i, cell.j) = {cell.i, cell.j, cell.depth, 1};
        tile->changed = true;
        ASSERT_TRUE(StoreSeabedTile(*tile));
    }

    static uint16_t depthOf(const Recorded& cell)
    {
        auto tile = std::make_unique<SeabedTile>();
        LoadSeabedTile(*tile, cell.column, cell.row);
        return tile->at(cell.i, cell.j).meanDepth;
    }

    std::vector<uint8_t> backupFile() const
    {
        std::ifstream in(folder / "Temp" / "varnv.dat", std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    std::vector<SeabedDepthLabel> drawn(int32_t level)
    {
        std::vector<SeabedDepthLabel> labels;
        SeabedHook.chartLevel = [level] { return level; };
        SeabedHook.drawDepthLabels = [&labels](std::span<const SeabedDepthLabel> shown) {
            labels.assign(shown.begin(), shown.end());
        };
        ExportSeabed(Area, SeabedDrawMode);
        return labels;
    }

    static std::vector<std::string> texts(const std::vector<SeabedDepthLabel>& labels)
    {
        std::vector<std::string> t;
        for (const SeabedDepthLabel& label : labels)
            t.push_back(label.text);
        return t;
    }
};

void Put(std::vector<uint8_t>& bytes, const Recorded& cell)
{
    for (const uint32_t word : {uint32_t(cell.centre.x), uint32_t(cell.centre.y)})
        for (int b = 0; b < 4; ++b)
            bytes.push_back(uint8_t(word >> (8 * b)));
    bytes.push_back(uint8_t(cell.depth));
    bytes.push_back(uint8_t(cell.depth >> 8));
}

// Mode 5: one 10-byte record (centre x, centre y, depth) per cell in key order and by i then j,
// depths of 30000 (3000.0 m) and more left out; every tile when "3D Depths" is chosen without an
// area, else the tiles of the area.
TEST_F(SeabedExportTest, TheBackupFileHoldsTheCellsByteForByte)
{
    SeabedExportResult result = ExportSeabed(Area, SeabedBackupMode);
    EXPECT_TRUE(result.complete);
    EXPECT_EQ(result.count, 3);
    std::vector<uint8_t> expected;
    for (const Recorded& cell : {SouthWest00, SouthWest255, Origin11})
        Put(expected, cell);
    EXPECT_EQ(backupFile(), expected);

    SeabedHook.depthsChosen = [] { return true; };
    result = ExportSeabed(Area, SeabedBackupMode);
    EXPECT_EQ(result.count, 4);
    Put(expected, East00);
    EXPECT_EQ(backupFile(), expected);

    // Outside all data, only the depths of the 3D range (5 m to 10 m: 50 to 100 dm) go.
    SetupParameters.DataScope = 0;
    SetupParameters.ThreeDDepthFrom = 5;
    SetupParameters.ThreeDDepthTo = 10;
    result = ExportSeabed(Area, SeabedBackupMode);
    EXPECT_EQ(result.count, 2);
    expected.clear();
    Put(expected, Origin11);
    Put(expected, East00);
    EXPECT_EQ(backupFile(), expected);
}

TEST_F(SeabedExportTest, ABackupThatCannotBeWrittenSaysSo)
{
    std::filesystem::remove_all(folder / "Temp");
    const SeabedExportResult result = ExportSeabed(Area, SeabedBackupMode);
    EXPECT_FALSE(result.complete);
    EXPECT_EQ(result.count, 0);
}

// Mode 4 empties the chosen cells of the area, tile by tile; a tile left without cells loses its
// record, and the tile being recorded is emptied where it is, unstored cells and all.
TEST_F(SeabedExportTest, EmptyingAnAreaStoresEachTileItChanged)
{
    LoadSeabedTile(CurrentSeabedTile, 0, 0);
    CurrentSeabedTile.at(2, 2) = {2, 2, 60, 1};
    CurrentSeabedTile.changed = true;
    SetupParameters.DataScope = 0;
    SetupParameters.ThreeDDepthFrom = 5;
    SetupParameters.ThreeDDepthTo = 100;

    const SeabedExportResult result = ExportSeabed(Area, SeabedEmptyMode);
    EXPECT_EQ(result.count, 3);
    EXPECT_EQ(depthOf(SouthWest00), 0);
    EXPECT_EQ(depthOf(SouthWest20), 30000);
    EXPECT_EQ(depthOf(SouthWest255), 29999);
    EXPECT_EQ(depthOf(East00), 77);
    EXPECT_EQ(countRecords(SeabedKey), 2) << "tile (0, 0) lost its last cells";
    EXPECT_FALSE(CurrentSeabedTile.changed);
    EXPECT_EQ(CurrentSeabedTile.at(1, 1).meanDepth, 0);
    EXPECT_EQ(CurrentSeabedTile.at(2, 2).meanDepth, 0);
    EXPECT_TRUE(failures.empty());
}

// Mode 1: "x y depth" lines, x scaled from the area's west edge, the depth negated in the depth
// unit, each cell's pixel marked covered.
TEST_F(SeabedExportTest, TheThreeDExportGetsALinePerCell)
{
    std::FILE* file = std::tmpfile();
    ASSERT_NE(file, nullptr);
    // The 3D export being written: its file, its count so far and its area with the factor 0.5.
    ThreeDExportArea = {Area, 0.5f};
    ThreeDExportFile = {file, 10, [](const cmgbase::GeoPoint& position) {
                            std::optional<std::pair<int32_t, int32_t>> pixel;
                            if (const auto point = SeabedHook.screenPoint(position))
                                pixel = std::pair(point->x, point->y);
                            return pixel;
                        }};
    ExportCoverageGrid.fill(0);
    SetupParameters.DepthFactor = 3.2808f;
    const SeabedExportResult result = ExportSeabed(Area, SeabedPointsMode);
    EXPECT_EQ(result.count, 4);
    EXPECT_EQ(ThreeDExportFile.pointCount, 14);
    ThreeDExportFile = {};
    ThreeDExportArea = {};

    std::rewind(file);
    std::string text(4096, '\0');
    text.resize(std::fread(text.data(), 1, text.size(), file));
    std::fclose(file);
    EXPECT_EQ(text, "550 1000 -39.4\n"
                    "2750 1000 -9842.4\n"
                    "281050 7000 -9842.1\n"
                    "283250 515000 -18.0\n");
    // Cell (0, 0) of tile (-1, -1) is at pixel (1, 1022), in coverage cell (0, 102).
    EXPECT_EQ(ExportCoverageGrid[0 * kCoverageRows + 102], 2);
}

// Mode 2: "%.1f" at level 0, "%.0f" above, hundredths with a depth unit setting above 2, one cell
// in (level - 6) above level 7; red within the marked 3D range, green outside it, magenta when
// no range is marked.
TEST_F(SeabedExportTest, DepthNumbersFollowTheLevelUnitAndRange)
{
    EXPECT_EQ(texts(drawn(0)), (std::vector<std::string>{"12.0", "3000.0", "2999.9", "5.5"}));
    EXPECT_EQ(texts(drawn(7)), (std::vector<std::string>{"12", "3000", "3000", "6"}));
    EXPECT_EQ(texts(drawn(9)), (std::vector<std::string>{"12", "6"}));

    const auto labels = drawn(5);
    ASSERT_EQ(labels.size(), 4u);
    EXPECT_EQ(labels[0].x, 1);
    EXPECT_EQ(labels[0].y, 1022);
    for (const SeabedDepthLabel& label : labels)
        EXPECT_EQ(label.colour, 5);

    SeabedHook.threeDRangeMarking = [] { return true; };
    SetupParameters.ThreeDDepthFrom = 10;
    std::vector<int32_t> colours;
    for (const SeabedDepthLabel& label : drawn(5))
        colours.push_back(label.colour);
    EXPECT_EQ(colours, (std::vector<int32_t>{1, 1, 1, 3}));
    SetupParameters.ThreeDDepthTo = 3000;
    colours.clear();
    for (const SeabedDepthLabel& label : drawn(5))
        colours.push_back(label.colour);
    EXPECT_EQ(colours, (std::vector<int32_t>{1, 3, 3, 3}));

    SeabedHook.depthUnitSetting = [] { return 3; };
    EXPECT_EQ(texts(drawn(0)), (std::vector<std::string>{"0.1", "30.0", "30.0", "0.1"}));
}

// The tile being recorded is drawn from memory, also before it has a record.
TEST_F(SeabedExportTest, TheTileBeingRecordedIsSweptFromMemory)
{
    CurrentSeabedTile.reset(0, -1);
    CurrentSeabedTile.at(0, 255) = {0, 255, 42, 1};
    CurrentSeabedTile.changed = true;
    EXPECT_EQ(texts(drawn(0)), (std::vector<std::string>{"12.0", "3000.0", "2999.9", "4.2", "5.5"}));
}

// Mode 3 through the real dialog: the first cell within 3 pixels of the click, the rounded depth
// in the depth unit offered, the answer stored in decimetres.
class SeabedEditTest : public SeabedExportTest {
protected:
    void SetUp() override
    {
        SeabedExportTest::SetUp();
        dialog = std::make_unique<TDptEdit>();
        DptEdit = dialog.get();
    }

    // Clicks (x, y) and answers with OK and `answer`, or Del when none; the depth offered.
    int32_t editAt(int32_t x, int32_t y, std::optional<int32_t> answer)
    {
        SeabedHook.clickPixel = [x, y]() -> std::optional<ScreenPoint> { return ScreenPoint{x, y}; };
        int32_t offered = -1;
        QTimer::singleShot(0, [this, answer, &offered] {
            offered = dialog->csDpt->value();
            if (answer) {
                dialog->csDpt->setValue(*answer);
                dialog->btnOK->click();
            } else {
                dialog->btnDel->click();
            }
        });
        ExportSeabed(Area, SeabedEditMode);
        return offered;
    }

    std::unique_ptr<TDptEdit> dialog;
};

TEST_F(SeabedEditTest, TheAnswerIsStoredInDecimetresOfTheRecordedDepth)
{
    struct Case {
        float factor;
        int32_t offered;  // 12.0 m in the unit, rounded
        int32_t answer;
        uint16_t stored;
    };
    const Case cases[] = {
        {1.0f, 12, 15, 150},      // metres: as answered
        {3.2808f, 39, 33, 102},   // feet: (330 + 5) / 3.2808
        {0.5468f, 7, 5, 100},     // fathoms: (50 + 5) / 0.5468
        {1.0f, 12, 1, 10},
        {3.2808f, 39, 2, 0},      // 0.76 m is below 1 m: removed
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "factor " << c.factor << " answer " << c.answer);
        store(SouthWest00);
        SetupParameters.DepthFactor = c.factor;
        EXPECT_EQ(editAt(3, 1020, c.answer), c.offered);
        EXPECT_EQ(depthOf(SouthWest00), c.stored);
    }
}

TEST_F(SeabedEditTest, OnlyACellWithinThreePixelsOpensTheDialog)
{
    SeabedHook.clickPixel = [] { return std::optional<ScreenPoint>(ScreenPoint{-3, 1022}); };
    ExportSeabed(Area, SeabedEditMode);  // 4 pixels off: no dialog, nothing waits for it
    EXPECT_EQ(depthOf(SouthWest00), 120);

    EXPECT_EQ(editAt(1, 1022, 12), 12);  // the offered value kept: nothing stored
    EXPECT_EQ(depthOf(SouthWest00), 120);
}

// Del on the only cell of a stored tile empties it through the store, so the record goes.
TEST_F(SeabedEditTest, DeletingTheLastCellOfAStoredTileDeletesItsRecord)
{
    const int before = countRecords(SeabedKey);
    editAt(566, 509, std::nullopt);  // cell (1, 1) of tile (0, 0) at pixel (566, 508)
    EXPECT_EQ(countRecords(SeabedKey), before - 1);
    EXPECT_EQ(depthOf(Origin11), 0);
}

// An edit of the tile being recorded changes it where it is and stores it at once.
TEST_F(SeabedEditTest, AnEditOfTheTileBeingRecordedIsStored)
{
    LoadSeabedTile(CurrentSeabedTile, 0, 0);
    CurrentSeabedTile.at(2, 2) = {2, 2, 80, 3};
    CurrentSeabedTile.changed = true;
    editAt(570, 505, 9);  // cell (2, 2) of tile (0, 0) at pixel (568, 506)
    EXPECT_EQ(CurrentSeabedTile.at(2, 2).meanDepth, 90);
    EXPECT_EQ(CurrentSeabedTile.at(2, 2).count, 3);
    EXPECT_FALSE(CurrentSeabedTile.changed);
    auto tile = std::make_unique<SeabedTile>();
    LoadSeabedTile(*tile, 0, 0);
    EXPECT_EQ(tile->at(2, 2).meanDepth, 90);
    EXPECT_EQ(tile->at(1, 1).meanDepth, 55);
}

}  // namespace
