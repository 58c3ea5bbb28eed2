// The Data page on the started program over the harbour's cell, with real data sets in the
// program folder: the page's states as one table, the data-set switch and its seabed file, the
// depth-recording locks, the list of imported files, "Delete ALL" and the transfer's questions.
// The transfer itself is not there yet: nothing is moved, written or deleted on its behalf.

#include "SetupTestSupport.h"
#include "StartedProgram.h"

#include "app/ControlBehaviour.h"
#include "app/DataPage.h"
#include "app/DataSets.h"
#include "app/EditingState.h"
#include "app/FilesPanel.h"
#include "app/TForm1.h"
#include "app/TickState.h"
#include "frame/SeabedGrid.h"
#include "frame/SetupParameters.h"
#include "frame/SharedTables.h"
#include "platform/geodesy/NormalisedCoordinates.h"
#include "platform/system/FileDialog.h"
#include "platform/system/PointerMove.h"
#include "platform/system/TextQuery.h"
#include "sensors/OwnShipState.h"
#include "userdata/ObjectIds.h"
#include "userdata/RouteTable.h"
#include "userdata/SeabedExport.h"
#include "userdata/SeabedTiles.h"
#include "userdata/UserDatabase.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include <fstream>
#include <memory>
#include <sstream>

namespace {

const cmgbase::GeoPoint HarbourCell = {cmgbase::deg2nrm(60.915), cmgbase::deg2nrm(-32.485)};
const cmgbase::GeoRect World = {-2147483647, -1073741824, 2147483647, 1073741824};

class DataPageTest : public HarbourProgramTest {
protected:
    void SetUp() override
    {
        HarbourProgramTest::SetUp();
        ResetTickState();
        ResetEditingState();
        LayOutProgramFolder(folder, engine(), "[AuxText]\n8=Limited area\n");
        platform::InstallFileDialogService(&files);
        platform::InstallTextQueryService(&questions);
        form = StartProgram(QSize(640, 480));
        ASSERT_TRUE(StartupDone);
        form->ckDbA->setChecked(true);
        CurrentSeabedTile.valid = CurrentSeabedTile.changed = false;
        SeabedFlushTile.valid = SeabedFlushTile.changed = false;
    }

    void TearDown() override
    {
        RouteId = 0;
        ObjectLoaded = false;
        StopProgram(form);
        CurrentSeabedTile.valid = CurrentSeabedTile.changed = false;
        SeabedFlushTile.valid = SeabedFlushTile.changed = false;
        platform::InstallFileDialogService(nullptr);
        platform::InstallTextQueryService(nullptr);
        HarbourProgramTest::TearDown();
    }

    bool kindEnabled(int kind) const
    {
        return form->cklDataCopy->item(kind)->flags().testFlag(Qt::ItemIsEnabled);
    }
    void checkKind(int kind, bool checked) const
    {
        form->cklDataCopy->item(kind)->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    }

    // The held tile made the harbour's tile with one cell recorded there.
    static SeabedCellPlace hold(uint16_t depth)
    {
        const SeabedCellPlace place = SeabedGrid(OwnShip.depthTileResolution).place(HarbourCell);
        CurrentSeabedTile.reset(place.column, place.row);
        CurrentSeabedTile.at(place.i, place.j) = {uint8_t(place.i), uint8_t(place.j), depth, 1};
        CurrentSeabedTile.changed = true;
        return place;
    }

    // The stored depth of the cell in the seabed file open now.
    static uint16_t storedDepth(const SeabedCellPlace& place)
    {
        auto tile = std::make_unique<SeabedTile>();
        LoadSeabedTile(*tile, place.column, place.row);
        return tile->at(place.i, place.j).meanDepth;
    }

    std::string fileText(const std::filesystem::path& file) const
    {
        std::ifstream in(file, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    platform::RecordingFileDialogService files;
    platform::RecordingTextQueryService questions;
    std::unique_ptr<TForm1> form;
};

TEST_F(DataPageTest, ThePageFollowsTheChoiceTheScopeTheButtonsAndTheRouteInUse)
{
    enum Scope { All, Shown };
    const struct Case {
        const char* what;
        int choice;
        Scope scope;
        int checkedKind;  // -1 none
        bool toolsDown;   // TrackBtn, SymbolBtn and Show2DBtn
        int32_t route;
        bool loaded;
        // Expected: the five kinds enabled, then password, shown scope, copy-from date.
        std::array<bool, 5> kinds;
        bool password;
        bool shownEnabled;
        bool dateShown;
        bool allChecked;
    } cases[] = {
        {"copy in takes everything", 1, Shown, -1, false, 0, false, {1, 1, 1, 1, 1}, true, false, false, true},
        {"copy out of what is shown, nothing shown", 0, Shown, -1, false, 0, false, {0, 0, 0, 0, 0}, true, true,
         true, false},
        {"copy out of what is shown, tools and route", 0, Shown, -1, true, 12, false, {1, 1, 1, 1, 1}, true, true,
         true, false},
        {"a route loaded for editing is not copied", 0, Shown, -1, true, 12, true, {0, 1, 1, 1, 1}, true, true, true,
         false},
        {"delete", 2, All, -1, false, 0, false, {1, 1, 1, 1, 1}, false, true, true, true},
        {"depths exclude the objects", 0, All, 4, false, 0, false, {0, 0, 0, 0, 1}, true, true, false, true},
        {"an object kind excludes depths", 0, All, 1, false, 0, false, {1, 1, 1, 1, 0}, true, true, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RouteId = c.route;
        ObjectLoaded = c.loaded;
        for (QToolButton* tool : {form->TrackBtn, form->SymbolBtn, form->Show2DBtn})
            tool->setChecked(c.toolsDown);
        for (int kind = 0; kind < 5; ++kind)
            checkKind(kind, kind == c.checkedKind);
        SetRadioGroupItem(form->rgDataData, c.choice);
        form->ckDataArea->setChecked(false);
        (c.scope == All ? form->rbDataAll : form->rbDataShown)->setChecked(true);
        SyncDataTab(*form);

        EXPECT_EQ(+SetupParameters.DataChoice, c.choice);
        for (int kind = 0; kind < 5; ++kind) {
            EXPECT_EQ(kindEnabled(kind), c.kinds[size_t(kind)]) << "kind " << kind;
            if (!c.kinds[size_t(kind)]) {
                EXPECT_EQ(form->cklDataCopy->item(kind)->checkState(), Qt::Unchecked) << "kind " << kind;
            }
        }
        EXPECT_EQ(form->ckDataPass->isEnabled(), c.password);
        EXPECT_EQ(form->rbDataShown->isEnabled(), c.shownEnabled);
        EXPECT_EQ(form->dtCopyFrom->isVisibleTo(form->TabData), c.dateShown);
        EXPECT_EQ(form->rbDataAll->isChecked(), c.allChecked);
        EXPECT_EQ(form->ckDataArea->isChecked(), c.choice == 2);
        EXPECT_EQ(+SetupParameters.DataScope & 1, c.allChecked ? 1 : 0);
        EXPECT_FALSE(form->btnFiles->isEnabled()) << "data set A in use";
    }
    form->ckDbF->setChecked(true);
    EXPECT_TRUE(form->btnFiles->isEnabled());
}

// F keeps its depths in a seabed file of its own: the switch from F to A writes the held tile
// into F's file before the files close, and the folder of that file is made when missing.
TEST_F(DataPageTest, ASwitchFromFToAWritesTheHeldTileIntoFsSeabedFile)
{
    std::filesystem::remove_all(folder / "Data_F");
    form->ckDbF->setChecked(true);
    EXPECT_TRUE(std::filesystem::exists(folder / "Data_F" / "seadpt.dat"));
    const SeabedCellPlace place = hold(180);
    form->OverlayRedrawRequest = 0;

    form->ckDbA->setChecked(true);
    EXPECT_FALSE(CurrentSeabedTile.changed);
    EXPECT_EQ(+SetupParameters.DataSetsShown, 1);
    EXPECT_EQ(form->OverlayRedrawRequest, 1);
    EXPECT_FALSE(form->btnFiles->isEnabled());
    EXPECT_EQ(storedDepth(place), 0) << "A's file";
    form->ckDbF->setChecked(true);
    EXPECT_EQ(storedDepth(place), 180) << "F's file";
}

TEST_F(DataPageTest, TheDataSetsDrawnBesidesFollowTheirBoxesAndTheSetInUse)
{
    form->ckDbxC->setChecked(true);
    form->ckDbxF->setChecked(true);
    EXPECT_EQ(+SetupParameters.DataSetsExchanged, 4 | 32);
    EXPECT_EQ(Countdowns.chartRedraw, 3);
    EXPECT_FALSE(form->ckDbxA->isEnabled());

    form->ckDbD->setChecked(true);
    EXPECT_EQ(+SetupParameters.DataSetsExchanged, 0);
    EXPECT_FALSE(form->ckDbxC->isChecked());
    EXPECT_FALSE(form->ckDbxD->isEnabled());
    EXPECT_TRUE(form->ckDbxA->isEnabled());
}

// Recording depths locks the buttons that would move it to the other seabed file; a track being
// recorded keeps them all locked.
TEST_F(DataPageTest, DepthSavingWithDInUseLocksOnlyF)
{
    form->ckDbD->setChecked(true);
    form->cmbDepthSave->setCurrentIndex(1);  // "voy"
    form->cmbDepthSaveChange();
    for (QRadioButton* set : {form->ckDbA, form->ckDbB, form->ckDbC, form->ckDbD, form->ckDbE})
        EXPECT_TRUE(set->isEnabled()) << set->objectName().toStdString();
    EXPECT_FALSE(form->ckDbF->isEnabled());

    form->btnTrack->setChecked(true);
    form->cmbDepthSave->setCurrentIndex(0);
    form->cmbDepthSaveChange();
    EXPECT_FALSE(form->ckDbA->isEnabled());
    EXPECT_FALSE(form->ckDbF->isEnabled());
    form->btnTrack->setChecked(false);
    form->cmbDepthSaveChange();
    EXPECT_TRUE(form->ckDbF->isEnabled());

    // A track finished while depths are recorded leaves the recording's lock.
    form->cmbDepthSave->setCurrentIndex(1);
    form->cmbDepthSaveChange();
    form->btnTrack->setChecked(true);
    LockDataSetButtons(*form);
    EXPECT_FALSE(form->ckDbD->isEnabled());
    form->btnTrack->setChecked(false);
    LockDataSetButtons(*form);
    EXPECT_TRUE(form->ckDbD->isEnabled());
    EXPECT_FALSE(form->ckDbF->isEnabled());
}

// A list imported into F under the program's Data folder is kept as "->" and its path below that
// folder; one elsewhere keeps its whole path. The list reads back as it was written.
TEST_F(DataPageTest, TheImportedFilesListRoundTripsThroughPathsTxt)
{
    form->ckDbF->setChecked(true);
    form->lbFiles->clear();
    const std::filesystem::path inData = folder / "Data" / "imports" / "bay.lst";
    const std::filesystem::path elsewhere = "/srv/lists/harbour.lst";
    SetRadioGroupItem(form->rgDataData, 1);
    files.presetAnswers = {inData, elsewhere};
    btnDataExecuteClick(*form);
    btnDataExecuteClick(*form);
    ASSERT_EQ(files.shown.size(), 2u);
    EXPECT_EQ(files.shown[0].filter, "Varnik data|*.zip|Import data|*.lst");
    EXPECT_EQ(files.shown[0].kind, platform::FileDialogKind::Open);
    EXPECT_EQ(files.shown[0].folder, DataPaths[DataPathData]);
    ASSERT_EQ(form->lbFiles->count(), 2);
    EXPECT_EQ(form->lbFiles->item(0)->text(), "->imports/bay.lst");
    EXPECT_EQ(form->lbFiles->item(1)->text(), "/srv/lists/harbour.lst");
    EXPECT_FALSE(std::filesystem::exists(FileListPath())) << "the transfer did not succeed";

    form->pnFiles->show();
    form->btnFilesOk->click();
    EXPECT_TRUE(form->pnFiles->isHidden());
    EXPECT_EQ(fileText(FileListPath()), "->imports/bay.lst\r\n/srv/lists/harbour.lst\r\n");

    form->lbFiles->clear();
    LoadFileList(*form);
    ASSERT_EQ(form->lbFiles->count(), 2);
    EXPECT_EQ(FileListFile(form->lbFiles->item(0)->text()), inData);
    EXPECT_EQ(FileListFile(form->lbFiles->item(1)->text()), elsewhere);
    EXPECT_EQ(FileListFile("->\\imports\\bay.lst"), inData) << "a list written with backslashes";
}

// "Delete ALL" empties F's real object files and makes them anew, once the user agreed.
TEST_F(DataPageTest, DeleteAllRemovesFsObjectFilesAndReopensEmptyOnes)
{
    form->ckDbF->setChecked(true);
    IdRecord symbol;
    symbol.objectType = ObjectType::SYMBOL;
    symbol.latitude = 36000000;
    symbol.longitude = -19500000;
    ASSERT_EQ(AddNewObject(symbol, IdRange::Symbol), platform::isam::Status::Ok);
    ASSERT_NE(NewObjectId(IdRange::Symbol), symbol.id);
    form->lbFiles->addItem("->imports/bay.lst");

    boxes.presetAnswers = {platform::MsgAnswer::No};
    form->btnFilesAllDel->click();
    EXPECT_NE(NewObjectId(IdRange::Symbol), symbol.id) << "not agreed: nothing deleted";
    EXPECT_EQ(form->lbFiles->count(), 1);

    boxes.presetAnswers = {platform::MsgAnswer::Yes};
    form->btnFilesAllDel->click();
    EXPECT_EQ(NewObjectId(IdRange::Symbol), symbol.id) << "the object is gone";
    for (const char* file : {"id.dat", "point.dat", "info.dat"})
        EXPECT_TRUE(std::filesystem::exists(DataPaths[DataPathSetA + 5] / file)) << file;
    EXPECT_EQ(OpenDataSet(), 6);
    EXPECT_EQ(form->lbFiles->count(), 0);
    EXPECT_EQ(fileText(FileListPath()), "");
    EXPECT_EQ(form->OverlayRedrawRequest, 1);
}

// "Execute" with a limited area first asks for it; OK arms the area, which is then marked on the
// chart before "Execute" is pressed again. A password answered with nothing is no password.
TEST_F(DataPageTest, ExecuteAsksForTheAreaThenThePasswordThenTheFile)
{
    SetRadioGroupItem(form->rgDataData, 0);
    form->ckDataArea->setChecked(true);
    form->ckDataPass->setChecked(true);
    boxes.shown.clear();
    boxes.presetAnswers = {platform::MsgAnswer::Ok};
    btnDataExecuteClick(*form);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, "Limited area");
    EXPECT_EQ(boxes.shown[0].caption, "Area");
    EXPECT_EQ(boxes.shown[0].buttons, platform::MsgButtons::OkCancel);
    EXPECT_TRUE(DataAreaSelection);
    EXPECT_TRUE(questions.shown.empty());

    questions.presetAnswers = {std::string()};
    btnDataExecuteClick(*form);
    ASSERT_EQ(questions.shown.size(), 1u);
    EXPECT_EQ(questions.shown[0].caption, "Password");
    EXPECT_EQ(questions.shown[0].prompt, "Enter password!");
    EXPECT_FALSE(form->ckDataPass->isChecked()) << "an empty password protects nothing";
    ASSERT_EQ(files.shown.size(), 1u);
    EXPECT_EQ(files.shown[0].kind, platform::FileDialogKind::Save);
    EXPECT_EQ(files.shown[0].filter, "Varnik data|*.zip");
    EXPECT_FALSE(files.shown[0].confirmReplace) << "the backup asks itself before replacing";
    EXPECT_FALSE(DataAreaSelection) << "a copy out ends the area";
}

// A finished backup puts the pointer back near the chart pick that came before it.
TEST_F(DataPageTest, ABackupPutsThePointerNearTheLastChartPick)
{
    std::vector<QPoint> moves;
    platform::WatchPointerMoves([&](const QPoint& point) { moves.push_back(point); });
    form->pickPoint = {100, 80};
    SetRadioGroupItem(form->rgDataData, 0);
    form->rbDataAll->setChecked(true);
    checkKind(0, true);
    files.presetAnswers = {folder / "backup.zip"};
    btnDataExecuteClick(*form);
    platform::WatchPointerMoves(nullptr);
    ASSERT_TRUE(std::filesystem::exists(folder / "backup.zip"));
    ASSERT_FALSE(moves.empty());
    EXPECT_EQ(moves.back(), form->CM93->mapToGlobal(QPoint(160, 135)));
}

// Delete with "3D Depths": the held tile is stored first, and no cell is emptied until the
// transfer has made its safety archive; when the archive cannot be made (Temp is a file) the
// depths stay and no dump is left behind.
TEST_F(DataPageTest, DeletingDepthsEmptiesTheCellsOnlyOnceTheSafetyArchiveIsMade)
{
    const SeabedCellPlace place = hold(240);
    SetRadioGroupItem(form->rgDataData, 2);
    form->rbDataAll->setChecked(true);
    form->cklDataCopy->item(4)->setCheckState(Qt::Checked);

    std::filesystem::remove_all(folder / "Temp");
    std::ofstream(folder / "Temp") << "not a folder";
    DataAreaSelection = true;
    btnDataExecuteClick(*form);
    EXPECT_FALSE(CurrentSeabedTile.changed);
    EXPECT_EQ(storedDepth(place), 240) << "no archive, no delete";
    EXPECT_FALSE(std::filesystem::exists(folder / "Data" / "deleted.zip"));

    std::filesystem::remove(folder / "Temp");
    std::filesystem::create_directories(folder / "Temp");
    DataAreaSelection = true;
    btnDataExecuteClick(*form);
    EXPECT_TRUE(std::filesystem::exists(folder / "Data" / "deleted.zip"));
    EXPECT_EQ(storedDepth(place), 0);
}

}  // namespace
