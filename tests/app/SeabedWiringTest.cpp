// The seabed file in the started program: the recorder continues stored tiles, the data-set
// switches and the 100 ms tick store the held tile into the file it belongs to, an edit of the
// held tile survives a restart, and the static overlay draws the depth numbers.

#include "SetupTestSupport.h"
#include "StartedProgram.h"

#include "app/ChartCursor.h"
#include "app/StaticOverlay.h"
#include "app/TForm1.h"
#include "app/TickState.h"
#include "chart/ChartLevels.h"
#include "chart/ChartRedraw.h"
#include "chart/MapView.h"
#include "chart/OverlayColours.h"
#include "frame/SeabedGrid.h"
#include "frame/SetupParameters.h"
#include "frame/SharedTables.h"
#include "platform/geodesy/NormalisedCoordinates.h"
#include "sensors/OwnShipState.h"
#include "sensors/SeabedRecorder.h"
#include "sensors/SensorSettings.h"
#include "userdata/SeabedExport.h"
#include "userdata/SeabedTiles.h"
#include "userdata/TDptEdit.h"
#include "userdata/TransferUserData.h"
#include "platform/zip/WorkArchive.h"
#include "userdata/UserDatabase.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>

#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>

namespace {

const cmgbase::GeoPoint HarbourCell = {cmgbase::deg2nrm(60.915), cmgbase::deg2nrm(-32.485)};

// User colour 5 as the text's antialiased edges leave it on white: red and blue full, green low.
bool Magenta(const QColor& colour)
{
    return UserColour(5) == QColor(255, 0, 255) && colour.red() > 240 && colour.blue() > 240 && colour.green() < 128;
}

class SeabedWiringTest : public HarbourProgramTest {
protected:
    void SetUp() override
    {
        HarbourProgramTest::SetUp();
        ResetTickState();
        LayOutProgramFolder(folder, engine(), "[C-Map]\n13=Chart engine restarted\n");
        start();
        CurrentSeabedTile.valid = false;
        CurrentSeabedTile.changed = false;
        SeabedFlushTile.valid = false;
        SeabedFlushTile.changed = false;
        DepthRecorder = {};
    }

    void TearDown() override
    {
        StopProgram(form);
        SensorSetup.depthRecordingMode = 0;
        CurrentSeabedTile.valid = false;
        CurrentSeabedTile.changed = false;
        SeabedFlushTile.changed = false;
        ResetChartCursor();
        HarbourProgramTest::TearDown();
    }

    void start()
    {
        form = StartProgram(QSize(640, 480));
        ASSERT_TRUE(StartupDone);
        MainMapView->SetCentre(HarbourCell);
        form->chartLevel = 6;
        SetChartLevel(*form);
        form->ckDbA->setChecked(true);
        SetupParameters.DepthFactor = 1.0f;
    }

    // The held tile made the tile of the harbour's centre with one cell recorded there.
    SeabedCellPlace hold(uint16_t depth)
    {
        const SeabedCellPlace place = SeabedGrid(OwnShip.depthTileResolution).place(HarbourCell);
        CurrentSeabedTile.reset(place.column, place.row);
        CurrentSeabedTile.at(place.i, place.j) = {uint8_t(place.i), uint8_t(place.j), depth, 1};
        CurrentSeabedTile.changed = true;
        return place;
    }

    // The main view's pixel of the cell's centre.
    ScreenPoint pixelOf(const SeabedCellPlace& place) const
    {
        const SeabedGrid grid(OwnShip.depthTileResolution);
        ScreenPoint pixel{};
        EXPECT_TRUE(MainMapView->GeoToScreen(form->chartRect, grid.centre(place.column, place.row, place.i, place.j),
                                             pixel));
        return pixel;
    }

    // The stored depth of a cell in the seabed file open now.
    static uint16_t storedDepth(const SeabedCellPlace& place)
    {
        auto tile = std::make_unique<SeabedTile>();
        LoadSeabedTile(*tile, place.column, place.row);
        return tile->at(place.i, place.j).meanDepth;
    }

    std::unique_ptr<TForm1> form;
};

// Data_A holds the depths of data sets A to E, Data_F those of F: every switch stores the held
// tile into the file it was recorded for, and a switch to the other file goes on with that
// file's copy of the tile.
TEST_F(SeabedWiringTest, EveryDataSetSwitchStoresTheHeldTileInItsOwnFile)
{
    const SeabedCellPlace place = hold(150);
    form->ckDbB->setChecked(true);
    EXPECT_FALSE(CurrentSeabedTile.changed);
    EXPECT_EQ(storedDepth(place), 150);

    form->ckDbF->setChecked(true);
    EXPECT_EQ(CurrentSeabedTile.keyX, place.column);
    EXPECT_EQ(CurrentSeabedTile.at(place.i, place.j).meanDepth, 0) << "Data_F's copy of the tile";
    CurrentSeabedTile.at(place.i, place.j + 1) = {uint8_t(place.i), uint8_t(place.j + 1), 90, 1};
    CurrentSeabedTile.changed = true;

    form->ckDbA->setChecked(true);
    EXPECT_EQ(CurrentSeabedTile.at(place.i, place.j).meanDepth, 150);
    EXPECT_EQ(CurrentSeabedTile.at(place.i, place.j + 1).meanDepth, 0);
    EXPECT_EQ(storedDepth({place.column, place.row, place.i, place.j + 1}), 0);

    form->ckDbF->setChecked(true);
    EXPECT_EQ(storedDepth({place.column, place.row, place.i, place.j + 1}), 90);
    EXPECT_EQ(storedDepth(place), 0);
}

// Depth recording on locks the data-set button of the other seabed file; switched off, it asks
// the tick to store the tile being recorded, which a tile change alone would not store.
TEST_F(SeabedWiringTest, TheTickStoresTheHeldTileOnceRecordingIsOff)
{
    const SeabedCellPlace place = hold(220);
    form->cmbDepthSave->setCurrentIndex(1);  // "voy"
    form->cmbDepthSaveChange();
    EXPECT_EQ(SensorSetup.depthRecordingMode, 1);
    EXPECT_FALSE(form->ckDbF->isEnabled());
    EXPECT_TRUE(form->ckDbE->isEnabled());
    OwnShip.seabedFlushRequest = true;  // a tile change's
    form->Timer1Timer();
    EXPECT_TRUE(CurrentSeabedTile.changed) << "recording goes on in it";
    EXPECT_EQ(storedDepth(place), 0);

    form->cmbDepthSave->setCurrentIndex(0);  // "off"
    form->cmbDepthSaveChange();
    EXPECT_EQ(SensorSetup.depthRecordingMode, 0);
    EXPECT_TRUE(form->ckDbF->isEnabled());
    EXPECT_TRUE(OwnShip.seabedFlushRequest);
    form->Timer1Timer();
    EXPECT_FALSE(OwnShip.seabedFlushRequest);
    EXPECT_FALSE(CurrentSeabedTile.changed);
    EXPECT_EQ(storedDepth(place), 220);
}

// A ship crossing a tile edge back and forth faster than the ticks run: each tile left is stored
// before the next is read, so the tile entered again continues with its cells.
TEST_F(SeabedWiringTest, ATileEnteredAgainContinuesItsStoredCells)
{
    SensorSetup.depthRecordingMode = 3;
    OwnShip.speedOverGround = 5.0f;
    const SeabedGrid grid(OwnShip.depthTileResolution);
    const int32_t row = grid.row(HarbourCell.y);
    const float factor = grid.lonFactor(row);
    const int32_t edge = int32_t((grid.column(HarbourCell.x, factor) + 1) * double(grid.resolution()) * factor);
    const auto sound = [&](int32_t x, float depth) {
        OwnShip.transducerPosition = {x, HarbourCell.y};
        OwnShip.depthHistory[0] = OwnShip.depthHistory[1] = OwnShip.depthHistory[2] = 0.0f;
        HandleDepthReading(depth);
    };
    for (const int32_t x : {edge - 30000, edge - 25000, edge - 20000, edge - 15000})
        sound(x, 20.0f);  // west of the edge
    for (const int32_t x : {edge + 5000, edge + 10000, edge + 15000})
        sound(x, 30.0f);  // east of it
    for (const int32_t x : {edge - 10000, edge - 5000})
        sound(x, 25.0f);  // back west

    const SeabedCellPlace west = grid.place({edge - 25000, HarbourCell.y});
    EXPECT_EQ(CurrentSeabedTile.keyX, west.column);
    EXPECT_GT(CurrentSeabedTile.at(west.i, west.j).meanDepth, 0) << "the cells recorded first";
    const SeabedCellPlace east = grid.place({edge + 10000, HarbourCell.y});
    EXPECT_GT(storedDepth(east), 0);
}

// An edit of a depth of the tile being recorded, through the depth edit dialog of the started
// program, is in the seabed file after the program ended and started again.
TEST_F(SeabedWiringTest, AnEditOfTheHeldTileSurvivesARestart)
{
    const SeabedCellPlace place = hold(120);
    CursorPixel = pixelOf(place);
    QTimer::singleShot(0, [] {
        auto* dialog = dynamic_cast<TDptEdit*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->csDpt->setValue(17);
        dialog->btnOK->click();
    });
    EXPECT_EQ(ExportSeabed(ViewGeoRect, SeabedEditMode).count, 1);
    EXPECT_EQ(storedDepth(place), 170);

    StopProgram(form);
    CurrentSeabedTile.valid = false;
    IoShutDown = false;  // the next run
    start();
    EXPECT_EQ(storedDepth(place), 170);
}

// The depth numbers of the recorded cells in view over the chart picture, in magenta while no
// 3D range is marked, the text's top-left corner at the cell.
TEST_F(SeabedWiringTest, TheStaticOverlayDrawsTheDepthNumbers)
{
    const ScreenPoint pixel = pixelOf(hold(123));
    form->Show2DBtn->setCheckable(true);
    form->Show2DBtn->setChecked(true);
    form->ck3DMark->setChecked(true);

    const auto magentaAt = [&] {
        form->MainChartBitmap.fill(Qt::white);
        PaintChartOverlay(*form);
        int found = 0;
        for (int y = pixel.y; y < pixel.y + 20; ++y)
            for (int x = pixel.x; x < pixel.x + 30; ++x)
                found += Magenta(form->ChartBackBitmap.pixelColor(x, y));
        return found;
    };
    EXPECT_GT(magentaAt(), 5);
    form->ck3DMark->setChecked(false);
    EXPECT_EQ(magentaAt(), 0);
}

}  // namespace

// Soundings of a list and of a restored dump go into the tiles of their own positions, not the
// transducer's; every tile the import leaves is stored, the last one at the end; a depth backup
// keeps the dump its sweep wrote, and a delete empties the cells only after its safety archive.
TEST_F(SeabedWiringTest, ImportedDepthsLandInTheTilesOfTheirOwnPositions)
{
    SetupParameters.DataScope = 1;
    OwnShip.transducerPosition = {cmgbase::deg2nrm(10.0), cmgbase::deg2nrm(54.0)};
    const SeabedGrid grid(OwnShip.depthTileResolution);
    const cmgbase::GeoPoint north = {cmgbase::deg2nrm(20.0), cmgbase::deg2nrm(10.0)};
    const cmgbase::GeoPoint west = {cmgbase::deg2nrm(-5.5), cmgbase::deg2nrm(-10.25)};
    const std::filesystem::path data = ProgramFolder / "Data";
    std::ofstream(data / "depths.lst") << "$PVRKD,12.5,3229.100,S,06054.900,E\r\n"
                                          "$PVRKD,40.0,1000.000,N,02000.000,E\r\n"
                                          "$PVRKD,7000.0,1000.000,N,02000.000,E\r\n"
                                          "$PVRKD,55.5,1015.000,S,00530.000,W\r\n";
    TransferFile = data / "depths.lst";
    ASSERT_TRUE(TransferUserData(false, false, false, false, false, false, false, false, false, true));
    EXPECT_FALSE(DepthRecorder.transferRunning);
    EXPECT_FALSE(CurrentSeabedTile.changed);
    EXPECT_EQ(storedDepth(grid.place(HarbourCell)), 125);
    EXPECT_EQ(storedDepth(grid.place(north)), 400);
    EXPECT_EQ(storedDepth(grid.place(west)), 555);

    // A dump of 14-byte records restored from an archive.
    const cmgbase::GeoPoint east = {cmgbase::deg2nrm(30.0), cmgbase::deg2nrm(20.0)};
    std::string dump;
    for (const auto& [point, depth] : {std::pair{east, uint16_t(321)}, std::pair{north, uint16_t(250)}}) {
        char record[14] = {};
        std::memcpy(record, &point.x, 4);
        std::memcpy(record + 4, &point.y, 4);
        std::memcpy(record + 8, &depth, 2);
        dump.append(record, sizeof record);
    }
    std::filesystem::create_directories(ProgramFolder / "work");
    std::ofstream(ProgramFolder / "work" / "varnv.dat", std::ios::binary) << dump;
    ASSERT_EQ(platform::zip::PackWorkFile(data / "depths.zip", ProgramFolder / "work" / "varnv.dat", ""), 0);
    TransferFile = data / "depths.zip";
    ASSERT_TRUE(TransferUserData(false, false, false, false, false, false, false, false, false, true));
    EXPECT_EQ(storedDepth(grid.place(east)), 321);

    // The backup holds every depth; the delete's safety archive too, and then the cells are empty.
    form->cklDataCopy->item(4)->setCheckState(Qt::Checked);
    TransferFile = data / "backup.zip";
    ASSERT_TRUE(TransferUserData(false, true, false, false, false, false, false, false, false, true));
    ASSERT_EQ(platform::zip::UnpackWorkFile(data / "backup.zip", ProgramFolder / "work", ""), 0);
    const auto records = std::filesystem::file_size(ProgramFolder / "work" / "varnv.dat") / 10;
    EXPECT_GE(records, 4u);
    std::ifstream description(data / "backup.txt", std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(description), {}};
    EXPECT_NE(text.find(std::to_string(records) + " depths"), std::string::npos) << text;

    ASSERT_TRUE(TransferUserData(true, false, false, false, false, false, false, false, false, true));
    EXPECT_EQ(storedDepth(grid.place(east)), 0);
    EXPECT_EQ(storedDepth(grid.place(HarbourCell)), 0);
    ASSERT_EQ(platform::zip::UnpackWorkFile(DeletedArchive(), ProgramFolder / "work", ""), 0);
    EXPECT_EQ(std::filesystem::file_size(ProgramFolder / "work" / "varnv.dat"), records * 10);
}
