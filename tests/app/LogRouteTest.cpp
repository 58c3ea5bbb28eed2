#include "app/LogPage.h"
#include "app/LogRoute.h"

#include "app/TForm1.h"
#include "frame/SharedTables.h"
#include "platform/geodesy/NormalisedCoordinates.h"
#include "userdata/RouteFollowing.h"
#include "userdata/RouteTable.h"
#include "../platform/system/TempFolder.h"

#include <QDateEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <fstream>

namespace {

// Lines as the position log writes them, and what a damaged or foreign line gives.
TEST(LogRoute, EachLogLineGivesItsWaypointOrNone)
{
    struct Case {
        std::string line;
        bool taken;
        double latitude, longitude;
        float course;
        int speedTenths;
    };
    const Case cases[] = {
        {"261211 1407  54\xB0" "30.000'N 010\xB0" "15.000'E   5.2 kt  047.5\xB0\r\n", true, 54.5, 10.25, 47.5f, 52},
        {"261211 1407  33\xB0" "52.800'S 151\xB0" "12.600'W  12.0 kt  270.0\xB0", true, -33.88, -151.21, 270.0f, 120},
        {"261211 1407  54\xB0" "30.000'  010\xB0" "15.000'   5.2 kt  047.5\xB0", true, 54.5, 10.25, 47.5f, 52},
        {"261211 1407  00\xB0" "30.000'N 000\xB0" "15.000'E   5.2 kt  047.5\xB0", false, 0, 0, 0, 0},
        {"261211 1407  00\xB0" "00.000'N 010\xB0" "15.000'E   5.2 kt  047.5\xB0", false, 0, 0, 0, 0},
        {"261211 1407  86\xB0" "00.000'N 010\xB0" "15.000'E   5.2 kt  047.5\xB0", false, 0, 0, 0, 0},
        {"261211 1407  54\xB0" "30.000'N 181\xB0" "00.000'E   5.2 kt  047.5\xB0", false, 0, 0, 0, 0},
        {"261211 1407  54\xB0" "60.000'N 010\xB0" "15.000'E   5.2 kt  047.5\xB0", false, 0, 0, 0, 0},
        {"261211 1407  54\xB0" "30.000'N 010\xB0" "15.0", false, 0, 0, 0, 0},
        {"261211 1407  54*30.000'N 010\xB0" "15.000'E   5.2 kt  047.5\xB0", false, 0, 0, 0, 0},
        {"261211 1407  54\xB0" "3x.000'N 010\xB0" "15.000'E   5.2 kt  047.5\xB0", false, 0, 0, 0, 0},
        {"", false, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        const std::optional<LogWaypoint> waypoint = ParseLogLine(c.line);
        ASSERT_EQ(waypoint.has_value(), c.taken) << c.line;
        if (!waypoint)
            continue;
        EXPECT_NEAR(cmgbase::nrm2deg(waypoint->position.y), c.latitude, 1e-5) << c.line;
        EXPECT_NEAR(cmgbase::nrm2deg(waypoint->position.x), c.longitude, 1e-5) << c.line;
        EXPECT_FLOAT_EQ(waypoint->course, c.course);
        EXPECT_EQ(waypoint->speedTenths, c.speedTenths);
        EXPECT_EQ(waypoint->name, "261211-1407");
    }
}

// A one-minute log of a whole day gives no more waypoints than the route table holds, and a line
// torn at the end of the file is not taken.
TEST(LogRoute, ADayOfMinutesStopsAtTheTablesCapacity)
{
    TempFolder folder;
    const auto file = folder / "261211.txt";
    {
        std::ofstream out(file, std::ios::binary);
        for (int minute = 0; minute < 1440; ++minute)
            out << "261211 " << (minute / 600) << (minute / 60 % 10) << (minute % 60 / 10) << (minute % 10)
                << "  54\xB0" "30.000'N 010\xB0" "15.000'E   5.2 kt  047.5\xB0\r\n";
    }
    EXPECT_EQ(ReadLogRoute(file, 500).size(), 500u);
    std::ofstream(file, std::ios::binary) << "261211 1407  54\xB0" "30.000'N 010\xB0" "15.000'E   5.2 kt  047.5\xB0\r\n"
                                             "261211 1408  54\xB0" "30.000'N 010\xB0" "15.000'E   5.2 kt  047.5\xB0";
    EXPECT_EQ(ReadLogRoute(file, 500).size(), 1u);
    EXPECT_TRUE(ReadLogRoute(folder / "missing.txt", 500).empty());
}

// "As route" on the day chosen: the table holds the log's waypoints in place of the route before,
// and only two or more ask for a start. A day without a log offers neither button.
TEST(LogRoute, AsRouteStartsOnlyARouteOfTwoWaypointsOrMore)
{
    TempFolder folder;
    DataPaths[DataPathLog] = folder.path();
    TForm1 form;
    const std::string line = "261211 1407  54\xB0" "30.000'N 010\xB0" "15.000'E   5.2 kt  047.5\xB0\r\n";
    for (const int lines : {0, 1, 2}) {
        SCOPED_TRACE(lines);
        std::filesystem::remove(folder / "261211.txt");
        if (lines > 0) {
            std::ofstream out(folder / "261211.txt", std::ios::binary);
            for (int n = 0; n < lines; ++n)
                out << line;
        }
        WaypointCount = 3;
        RouteStartRequest = 0;
        form.dtLogDate->setDate(QDate(2026, 12, 11));
        dtLogDateChange(form);
        EXPECT_EQ(form.btnLogRoute->isEnabled(), lines > 0);
        EXPECT_EQ(btnLogRouteClick(form), lines >= 2);
        EXPECT_EQ(WaypointCount, lines);
        EXPECT_EQ(+RouteStartRequest, lines >= 2 ? 1 : 0);
    }
    ClearRouteTable();
    RouteStartRequest = 0;
    DataPaths[DataPathLog].clear();
}

TEST(LogRoute, OnlyAnExistingJpegFileIsOpened)
{
    TempFolder folder;
    std::ofstream(folder / "a.JPG") << "x";
    std::ofstream(folder / "b.png") << "x";
    std::filesystem::create_directory(folder / "c.jpg");
    std::filesystem::create_symlink(folder / "a.JPG", folder / "d.jpg");
    EXPECT_TRUE(ScreenshotToOpen(folder / "a.JPG"));
    EXPECT_FALSE(ScreenshotToOpen(folder / "b.png"));
    EXPECT_FALSE(ScreenshotToOpen(folder / "c.jpg"));
    EXPECT_FALSE(ScreenshotToOpen(folder / "d.jpg"));
    EXPECT_FALSE(ScreenshotToOpen(folder / "missing.jpg"));
}

}  // namespace
