// "Clip3D.vtk" written over the approach cell US4MD81M with a user database of depth marks and
// recorded depths handed in as the seabed store hands them: the whole file of a small case, the
// header alone for an empty area, the parts each 3D data choice takes, and the file kept whole
// when it cannot be written.

#include "ChartWindowFixture.h"
#include "platform/system/TempFolder.h"

#include "chart/ChartHooks.h"
#include "chart/ChartLevels.h"
#include "chart/ChartRedraw.h"
#include "chart/Clip3DExport.h"
#include "chart/MapView.h"
#include "frame/CoverageGrid.h"
#include "frame/DepthExportFile.h"
#include "frame/SetupParameters.h"
#include "frame/SharedTables.h"
#include "userdata/StoredPosition.h"
#include "userdata/UserDatabase.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

using namespace charttest;
using platform::isam::bytesOf;

namespace {

// A sounding of 0.3 m and its neighbourhood at 1:3000.
const cmgbase::GeoPoint kSounding = Degrees(-76.5554562, 38.7580414);
constexpr int32_t Level3000 = 1;
constexpr char Header[] = "# vtk DataFile Version 2.0\nVarnik Output\nASCII\nDATASET POLYDATA\n";

std::string Contents(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class Clip3DExportTest : public ChartWindowTest {
protected:
    void SetUp() override
    {
        ChartWindowTest::SetUp();
        ProgramFolder = folder.path();
        const UserDatabaseLocation location{folder / "DataA", folder / "Data_A", folder / "Replay"};
        for (const auto& made : {location.objectFolder, location.seabedFolder, location.aisFolder})
            std::filesystem::create_directories(made);
        ASSERT_TRUE(OpenUserDatabase(location));
        SetupParameters.ThreeDData = 2;
        SetupParameters.ThreeDDotSize = 10;
    }

    void TearDown() override
    {
        CloseUserDatabase();
        ChartWindowTest::TearDown();
    }

    void ShowAt(const cmgbase::GeoPoint& at, int32_t level)
    {
        MainMapView->SetCentre(at);
        window.chartLevel = level;
        SetChartLevel(window);
    }

    // A position a number of pixels right of and below the view's centre.
    cmgbase::GeoPoint Beside(int dx, int dy) const
    {
        cmgbase::GeoPoint position;
        EXPECT_TRUE(MainMapView->ScreenToGeo(window.chartRect,
                                             {window.chartCentreX + dx, window.chartCentreY + dy}, position));
        return position;
    }

    // A SYMBOL object named name at the position, its stored depth value in tenths.
    static void AddMark(int32_t id, const char* name, const cmgbase::GeoPoint& at, uint16_t value = 0)
    {
        IdRecord mark;
        mark.objectType = ObjectType::SYMBOL;
        mark.id = id;
        mark.latitude = StoredFromChart(at.y);
        mark.longitude = StoredFromChart(at.x);
        mark.value = value;
        std::strncpy(mark.name, name, sizeof mark.name);
        ASSERT_EQ(UserIsam.addRecord(IdFile, bytesOf(mark)), platform::isam::Status::Ok);
    }

    // The seabed store's recorded depths, as it writes them into the export.
    void RecordDepths(std::vector<std::pair<cmgbase::GeoPoint, double>> cells)
    {
        ChartHook.exportRecordedDepths = [cells](const cmgbase::GeoRect&) {
            for (const auto& [position, depth] : cells)
                WriteUserDepth(position, depth);
        };
    }

    std::string Exported() const { return Contents(ProgramFolder / Clip3DFileName); }

    TempFolder folder;
};

// Two recorded depths (one on the pixel of a chart sounding, which is then left out), an "@"
// mark with its stored depth, a "/12.5" mark, and the chart's two contour points.
TEST_F(Clip3DExportTest, ASmallCaseWritesItsWholeFile)
{
    ShowAt(kSounding, Level3000);
    RecordDepths({{Beside(-120, 40), -4.2}, {kSounding, -0.4}});
    AddMark(1, "@mark", Beside(100, -60), 83);
    AddMark(2, "/12.5", Beside(200, 100));
    ExportClip3D(window, ViewGeoRect);
    EXPECT_EQ(Exported(), Contents(std::filesystem::path(VARNIK_FIXTURES_DIR) / "threedexport" / "small-clip.vtk"));
    EXPECT_FALSE(std::filesystem::exists(ProgramFolder / "Clip3D.vtk.tmp"));
    EXPECT_EQ(ThreeDExportFile.file, nullptr) << "no writer outlives the export";
}

TEST_F(Clip3DExportTest, AnEmptyAreaGivesTheHeaderAlone)
{
    ShowAt(kOpenSea, Level3000);
    ExportClip3D(window, ViewGeoRect);
    EXPECT_EQ(Exported(), std::string(Header) + "POINTS      0 double\n");
}

// Chart only, own data only, both: chart points next to a user depth go only when both are taken.
TEST_F(Clip3DExportTest, EachDataChoiceTakesItsParts)
{
    ShowAt(kSounding, Level3000);
    RecordDepths({{kSounding, -0.4}});
    AddMark(1, "/12.5", Beside(200, 100));
    const struct {
        int16_t choice;
        std::vector<std::string> depths;
    } cases[] = {
        {0, {"-1.8", "-1.8", "-0.3"}},
        {1, {"-0.4", "-12.5"}},
        {2, {"-0.4", "-12.5", "-1.8", "-1.8"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.choice);
        SetupParameters.ThreeDData = c.choice;
        ExportClip3D(window, ViewGeoRect);
        std::istringstream lines(Exported().substr(std::strlen(Header)));
        std::string line;
        std::getline(lines, line);
        EXPECT_EQ(line, "POINTS " + std::string(6 - std::to_string(c.depths.size()).size(), ' ') +
                            std::to_string(c.depths.size()) + " double");
        std::vector<std::string> depths;
        while (std::getline(lines, line))
            depths.push_back(line.substr(line.rfind(' ') + 1));
        EXPECT_EQ(depths, c.depths);
    }
}

// An "@" mark without a stored depth and a "/" mark without a number write nothing, but the chart's
// sounding in their cell is left out all the same; a mark outside the area is not written.
TEST_F(Clip3DExportTest, MarksWithoutADepthWriteNothingButCoverTheirCell)
{
    ShowAt(kSounding, Level3000);
    AddMark(1, "@", kSounding, 0);
    AddMark(2, "/", Beside(0, 2));
    AddMark(3, "/7", Degrees(-76.0, 38.0));
    ExportClip3D(window, ViewGeoRect);
    EXPECT_EQ(Exported(), std::string(Header) + "POINTS      2 double\n33934 16089 -1.8\n36073 11708 -1.8\n");
}

// A view across the 180th meridian: the depths east of it follow on from those west of it.
TEST_F(Clip3DExportTest, AnAreaAcrossTheAntimeridianCountsOnEastward)
{
    ShowAt(Degrees(180.0, -20.0), Level3000);
    ASSERT_GT(ViewGeoRect.x1, ViewGeoRect.x2) << "the view crosses the meridian";
    const cmgbase::GeoPoint west = Beside(-100, 0);
    const cmgbase::GeoPoint east = Beside(100, 0);
    ASSERT_GT(west.x, 0);
    ASSERT_LT(east.x, 0);
    RecordDepths({{west, -5.0}, {east, -6.0}});
    ExportClip3D(window, ViewGeoRect);

    std::istringstream lines(Exported().substr(std::strlen(Header) + std::strlen("POINTS      2 double\n")));
    int32_t westX = 0, eastX = 0, y = 0;
    double depth = 0.0;
    lines >> westX >> y >> depth >> eastX >> y >> depth;
    // 200 and 400 pixels from the western edge.
    EXPECT_GT(westX, 0);
    EXPECT_NEAR(double(eastX) / westX, 2.0, 0.01);
}

// The count has six digits: the millionth point and those after it are not written, and the
// header keeps its length.
TEST_F(Clip3DExportTest, NoMoreThanTheCountsSixDigitsOfPoints)
{
    ShowAt(kOpenSea, Level3000);
    SetupParameters.ThreeDData = 1;
    const cmgbase::GeoPoint centre = MainMapView->centre;
    ChartHook.exportRecordedDepths = [centre](const cmgbase::GeoRect&) {
        for (int i = 0; i <= ExportPointLimit; ++i)
            WriteUserDepth(centre, -1.0);
    };
    ExportClip3D(window, ViewGeoRect);
    const std::string text = Exported();
    EXPECT_EQ(text.substr(std::strlen(Header), 21), "POINTS 999999 double\n");
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 5 + ExportPointLimit);
}

// No file before the start-up is done, none where it cannot be created (and nothing else is
// done), and where the new file cannot take the place of the old one the old one stays.
TEST_F(Clip3DExportTest, TheFileIsWrittenWholeOrNotAtAll)
{
    ShowAt(kSounding, Level3000);
    int seabedCalls = 0;
    ChartHook.exportRecordedDepths = [&seabedCalls](const cmgbase::GeoRect&) { ++seabedCalls; };

    StartupDone = false;
    ExportClip3D(window, ViewGeoRect);
    StartupDone = true;
    ProgramFolder = folder / "missing";
    ExportClip3D(window, ViewGeoRect);
    EXPECT_EQ(seabedCalls, 0);
    ProgramFolder = folder.path();
    EXPECT_FALSE(std::filesystem::exists(ProgramFolder / Clip3DFileName));

    std::filesystem::create_directory(ProgramFolder / Clip3DFileName);
    ExportClip3D(window, ViewGeoRect);
    EXPECT_EQ(seabedCalls, 1);
    EXPECT_TRUE(std::filesystem::is_directory(ProgramFolder / Clip3DFileName));
    EXPECT_FALSE(std::filesystem::exists(ProgramFolder / "Clip3D.vtk.tmp"));
}

}  // namespace
