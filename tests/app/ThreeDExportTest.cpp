// The 3D export and the 3D view record on the main window as the start-up wires them, over the
// chart US4MD81M, through the small 3D test library the program binds: every field of the record,
// the status words as the export and the record writer leave them, and the callers: the full
// redraw, the 3D view's button, the one-second tick and the 100 ms exchange.

#include "BayWindowTest.h"

#include "app/ChildPrograms.h"
#include "app/ExternalLibraries.h"
#include "app/TickState.h"
#include "chart/ChartHooks.h"
#include "chart/ChartRedraw.h"
#include "chart/Clip3DExport.h"
#include "chart/ThreeDViewStatus.h"
#include "frame/DepthExportFile.h"
#include "frame/SetupParameters.h"
#include "platform/system/SharedLibrary.h"

#include <QComboBox>
#include <QToolButton>

#include <filesystem>
#include <map>

namespace {

constexpr int32_t Coastal = 10;

class ThreeDExportTest : public BayWindowTest {
protected:
    void SetUp() override
    {
        BayWindowTest::SetUp();
        ASSERT_TRUE(threeD.load(folder, "Halvmark.DLL"));
        entry<void (*)()>("test_reset")();
        ShowChart(Coastal, InTheBay);
        std::filesystem::remove(exported());
    }

    void TearDown() override
    {
        ThreeDViewer.endAfter(0);
        entry<void (*)()>("test_reset")();
        threeD.unload();
        BayWindowTest::TearDown();
    }

    template <typename Fn>
    Fn entry(const char* name) const
    {
        return threeD.entry<Fn>(name);
    }
    int32_t status(char word) const
    {
        return entry<int32_t (*)()>(word == 'A' ? "_tGetStatA" : word == 'B' ? "_tGetStatB" : "_tGetStatC")();
    }
    void setStatus(char word, int32_t value) const
    {
        entry<void (*)(int32_t)>(word == 'A' ? "_tPutStatA" : word == 'B' ? "_tPutStatB" : "_tPutStatC")(value);
    }
    // The record the 3D side holds before this side writes it: every word its own value.
    void presetRecord(const std::map<int32_t, int32_t>& overrides = {}) const
    {
        for (int32_t offset = 0; offset < 124; offset += 4) {
            const auto special = overrides.find(offset);
            entry<void (*)(int32_t, int32_t)>("test_set_view_word")(offset,
                                                                    special != overrides.end() ? special->second
                                                                                               : 1000 + offset);
        }
    }
    int32_t written(int32_t offset) const { return entry<int32_t (*)(int32_t)>("test_record_word")(offset); }
    int32_t writtenLength() const { return entry<int32_t (*)()>("test_record_length")(); }
    int32_t fetches() const { return entry<int32_t (*)()>("test_fetches")(); }

    std::filesystem::path exported() const { return ProgramFolder / Clip3DFileName; }

    // The own ship live and a little north-east of the chart centre.
    void PlaceLiveShip(const cmgbase::GeoPoint& at)
    {
        PlaceShip(at);
        OwnShip.gpsQuality = 1;
    }

    platform::SharedLibrary threeD;
};

TEST_F(ThreeDExportTest, TheRecordWriterFillsEveryFieldOfTheTableAndPassesTheRest)
{
    const cmgbase::GeoPoint centre = MainMapView->centre;
    ThreeDExportArea = {{centre.x - 10000, centre.y - 20000, centre.x + 90000, centre.y + 30000}, 0.5f};
    PlaceLiveShip({centre.x + 2000, centre.y + 3000});
    SetupParameters.ThreeDDepthFrom = 12;
    SetupParameters.ThreeDDepthTo = 40;
    SetupParameters.ThreeDDepthScale = 7;
    SetupParameters.ThreeDContours = 1;
    SetupParameters.ThreeDContourInterval = 5;
    SetupParameters.ThreeDPalette = 2;
    SetupParameters.ThreeDContourChoice = 3;
    SetupParameters.ThreeDRelief = 1;
    form->DisplayModeIndex = 3;
    form->Show3DBtn->setChecked(true);
    form->AutoBtn->setChecked(true);
    presetRecord({{64, 0x1000}});
    setStatus('C', 0x30004);

    Sync3DViewStatus(*form, true, true);
    ASSERT_EQ(writtenLength(), 124);
    const std::map<int32_t, int32_t> expected = {
        {0, form->CM93->width()}, {4, form->CM93->height()}, {8, 50000}, {12, 50000},
        {16, 6000}, {20, 23000}, {24, 5000}, {28, 20000},
        {36, -1200}, {40, -4000}, {44, 7 * 150}, {48, 500}, {52, 2 + 4 * 2}, {56, 6}, {60, 1},
        {64, 0x1000 | 0x40 | 0x80 | 0x100}, {72, 1},
        {96, 0}, {100, 0}, {104, 0}, {108, 0}, {112, 0}};
    for (int32_t offset = 0; offset < 124; offset += 4) {
        const auto field = expected.find(offset);
        EXPECT_EQ(written(offset), field != expected.end() ? field->second : 1000 + offset) << "byte " << offset;
    }
    EXPECT_EQ(entry<int32_t (*)()>("test_status_c_at_put")(), 0x30005) << "written under the writing bit";
    EXPECT_EQ(status('C'), 0x4) << "the writing bit cleared with every bit from 0x10000 up";
}

// The one-second tick's refresh changes no size and resets nothing; with the 3D view closed the
// positions are -1, the Auto bit is cleared, no contours give 0 and an unknown contour colour
// passes.
TEST_F(ThreeDExportTest, TheOneSecondRefreshWritesTheSettingsAlone)
{
    PlaceLiveShip(InTheBay);
    SetupParameters.ThreeDContours = 0;
    SetupParameters.ThreeDContourInterval = 5;
    SetupParameters.ThreeDContourChoice = 7;
    SetupParameters.ThreeDRelief = 0;
    form->Show2DBtn->setChecked(true);
    form->Show3DBtn->setChecked(false);
    form->AutoBtn->setChecked(false);
    presetRecord({{64, 0x1100}});
    Countdowns.threeDRefresh = 1;
    form->Timer2Timer();

    ASSERT_EQ(writtenLength(), 124);
    for (const int32_t offset : {0, 4, 8, 12, 56, 96, 100, 104, 108, 112})
        EXPECT_EQ(written(offset), 1000 + offset) << "byte " << offset;
    for (const int32_t offset : {16, 20, 24, 28})
        EXPECT_EQ(written(offset), -1) << "byte " << offset;
    EXPECT_EQ(written(48), 0);
    EXPECT_EQ(written(60), 0);
    EXPECT_EQ(written(64), 0x10C0);
    EXPECT_EQ(written(72), 1);
    EXPECT_EQ(status('A') & 4, 4) << "the 3D side is asked to refresh";
}

TEST_F(ThreeDExportTest, WhileThe3DSideHoldsTheRecordItIsLeftAlone)
{
    setStatus('C', 0x2);
    Sync3DViewStatus(*form, true, true);
    EXPECT_EQ(fetches(), 0);
    EXPECT_EQ(writtenLength(), -1);
    EXPECT_EQ(status('C'), 0x2);
}

// StatC 0x10 while the file is written (the recorded depths see it), then cleared with every bit
// from 0x1000 up; the record with the sizes of the area; StatA 0x1 for the new file; StatB 0x100
// cleared.
TEST_F(ThreeDExportTest, TheExportLeavesEachStatusWordAsTheProtocolSays)
{
    setStatus('A', 0x10);
    setStatus('B', 0xFFFF);
    setStatus('C', 0x21004);
    SetupParameters.ThreeDData = 2;
    int32_t whileWriting = 0;
    ChartHook.exportRecordedDepths = [&](const cmgbase::GeoRect&) { whileWriting = status('C'); };

    ExportClip3D(*form, ViewGeoRect);
    EXPECT_TRUE(std::filesystem::exists(exported()));
    EXPECT_EQ(whileWriting, 0x21014);
    EXPECT_EQ(status('C'), 0x4);
    EXPECT_EQ(status('A'), 0x11);
    EXPECT_EQ(status('B'), 0xFEFF);
    EXPECT_EQ(written(0), form->CM93->width());
    EXPECT_EQ(written(12), ViewGeoRect.y2 - ViewGeoRect.y1);
    EXPECT_EQ(written(8), ExportCoordinates({ViewGeoRect.x1, ViewGeoRect.y1}, ThreeDExportArea.longitudeFactor,
                                            {ViewGeoRect.x2, ViewGeoRect.y2})
                              .x);

    // No new file where it cannot take the old one's place: no "file ready".
    std::filesystem::remove(exported());
    std::filesystem::create_directory(exported());
    setStatus('A', 0x10);
    ExportClip3D(*form, ViewGeoRect);
    EXPECT_EQ(status('A'), 0x10);
    EXPECT_EQ(status('B'), 0xFEFF);
}

// A full redraw exports while a 2D or 3D view is on at level 12 or finer; not at level 13, not
// over a relief picture, not with both views off.
TEST_F(ThreeDExportTest, TheFullRedrawExportsWhileA2DOr3DViewIsOn)
{
    ThreeDViewer.start("sleep 30");
    const struct {
        bool twoD;
        bool threeD;
        int32_t level;
        bool full;
        bool exports;
    } cases[] = {
        {true, false, 12, true, true},   {false, true, 10, true, true},  {true, true, 6, true, true},
        {true, false, 13, true, false},  {true, false, 10, false, false}, {false, false, 10, true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "2D " << c.twoD << " 3D " << c.threeD << " level " << c.level
                                        << " full " << c.full);
        form->Show2DBtn->setChecked(false);
        form->Show3DBtn->setChecked(false);
        ShowChart(c.level, InTheBay);
        std::filesystem::remove(exported());
        form->Show2DBtn->setChecked(c.twoD);
        form->Show3DBtn->setChecked(c.threeD);
        RedrawChart(*form, c.full);
        EXPECT_EQ(std::filesystem::exists(exported()), c.exports);
        EXPECT_EQ(form->Show3DBtn->isChecked(), c.threeD) << "the viewer runs: the 3D view stays";
    }
}

// Opening the 3D view exports unless the 2D view is on or the 3D side holds the export back; a
// redraw after the viewer has gone closes the 3D view.
TEST_F(ThreeDExportTest, The3DViewExportsAsItOpensAndClosesWhenItsViewerHasGone)
{
    ThreeDViewer.start("sleep 30");
    setStatus('C', StatCExportHeld);
    form->Show3DBtn->click();
    EXPECT_FALSE(std::filesystem::exists(exported()));
    form->Show3DBtn->click();

    setStatus('C', 0);
    form->Show3DBtn->click();
    EXPECT_TRUE(std::filesystem::exists(exported()));
    EXPECT_EQ(status('A') & 0x200, 0);

    ThreeDViewer.endAfter(0);
    RedrawChart(*form, true);
    EXPECT_FALSE(form->Show3DBtn->isChecked());
    EXPECT_EQ(status('A') & 0x200, 0x200) << "closed as by its button";
    EXPECT_TRUE(form->DispMode->isEnabled());
}

// Without the 3D library the file is still written and nothing goes to the library.
TEST_F(ThreeDExportTest, WithoutThe3DLibraryTheFileIsStillWritten)
{
    UnbindExternalLibraries();  // the test's own hold keeps the library and its words
    setStatus('A', 0x10);
    form->Show2DBtn->setChecked(true);
    RedrawChart(*form, true);
    EXPECT_TRUE(std::filesystem::exists(exported()));
    EXPECT_EQ(fetches(), 0);
    EXPECT_EQ(writtenLength(), -1);
    EXPECT_EQ(status('A'), 0x10);
}

// The 100 ms exchange sends the own ship and the chart centre as the record writer wrote them;
// with the own ship off the chart it sends -1 once.
TEST_F(ThreeDExportTest, TheTickSendsTheShipAndCentreTheRecordWriterWrote)
{
    ThreeDViewer.start("sleep 30");
    PlaceLiveShip(MainMapView->centre);
    form->Show3DBtn->setChecked(true);
    TickRequest.threeDViewerActive = true;
    // A tick processes the position once as a fix: the reference position the tick derives.
    const auto tick = [this] {
        TickRequest.positionRefresh = true;
        form->Timer1Timer();
    };
    tick();
    ExportClip3D(*form, ViewGeoRect);
    ASSERT_EQ(writtenLength(), 124);
    const int32_t words[] = {written(16), written(20), written(24), written(28)};
    EXPECT_GT(words[0], 0);
    EXPECT_NEAR(words[0], words[2], 1000) << "the ship by the chart centre";

    tick();
    ASSERT_EQ(writtenLength(), 32);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(written(16 + 4 * i), words[i]) << "word " << i;

    PlaceLiveShip(AtSea);
    tick();
    ASSERT_EQ(writtenLength(), 32);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(written(16 + 4 * i), -1) << "word " << i;
    entry<void (*)()>("test_reset")();
    tick();
    EXPECT_EQ(writtenLength(), -1) << "-1 is sent once";
}

}  // namespace
