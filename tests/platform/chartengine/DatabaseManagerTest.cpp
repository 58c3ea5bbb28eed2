// Installing chart sources: bad cells are reported and left out, and the installed databases are
// listed with their versions and the current one.

#include "platform/chartengine/ChartTestSupport.h"

#include "platform/chartengine/DatabaseManager.h"
#include "platform/chartengine/GeoDatabase.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace chartengine;

namespace {

bool Mentions(const InstallReport& report, const std::string& text)
{
    return std::any_of(report.messages.begin(), report.messages.end(),
                       [&](const std::string& message) { return message.find(text) != std::string::npos; });
}

TEST(DatabaseManager, CellDeclaringAnInvalidUsageIsReportedAndSkipped)
{
    charttest::TemporaryFolder folder;
    const auto sources = charttest::LinkChartSources(
        folder.path() / "sources", {"s58/AA500001.000", "s58/AA500003.000", "s58/AA500003.001"});
    DatabaseManager manager(folder.path() / "engine");
    InstallReport report;
    std::vector<int> progress;
    ASSERT_EQ(manager.Install(sources, "S58", &report, [&](int percent) { progress.push_back(percent); }), kOk);
    EXPECT_EQ(report.cellsInstalled, 1);
    EXPECT_EQ(report.cellsSkipped, 1);
    EXPECT_TRUE(Mentions(report, "AA500003: intended usage 65 is not one of 1 to 6"));
    EXPECT_EQ(progress, (std::vector<int>{100})) << "the skipped cell is not read";

    GeoDatabase database(folder.path() / "engine");
    ASSERT_EQ(database.Open("S58"), kOk);
    std::vector<int32_t> words;
    ASSERT_EQ(database.CellDescription(1, &words), kOk);
    EXPECT_EQ(words[kCellWordUsageBand], 5);
    EXPECT_EQ(words[kCellWordCompilationScale], 22000);
    EXPECT_EQ(database.CellDescription(2, &words), kInvalidArgument);
}

TEST(DatabaseManager, NothingInstallableLeavesNoDatabase)
{
    charttest::TemporaryFolder folder;
    const auto sources = charttest::LinkChartSources(folder.path() / "sources", {"s58/AA500003.000"});
    DatabaseManager manager(folder.path() / "engine");
    InstallReport report;
    EXPECT_EQ(manager.Install(sources, "Bad", &report), kNothingToInstall);
    EXPECT_EQ(manager.Install(folder.path() / "missing", "Bad", &report), kFileNotFound);
    int32_t count = -1;
    ASSERT_EQ(manager.Count(&count), kOk);
    EXPECT_EQ(count, 0);
    int32_t current = -1;
    EXPECT_EQ(manager.CurrentIndex(&current), kFail);
    std::filesystem::path databaseFolder;
    EXPECT_EQ(manager.DatabaseFolder("", &databaseFolder), kFileNotFound);
}

TEST(DatabaseManager, ListsDatabasesAndKeepsTheFirstAsCurrent)
{
    charttest::TemporaryFolder folder;
    const auto first = charttest::LinkChartSources(folder.path() / "one", {"s58/AA500001.000"});
    const auto second = charttest::LinkChartSources(folder.path() / "two", {"world/ne_110m_land.geojson"});
    DatabaseManager manager(folder.path() / "engine");
    InstallReport report;
    ASSERT_EQ(manager.Install(first, "Harbour", &report), kOk);
    ASSERT_EQ(manager.Install(second, "World", &report), kOk);
    ASSERT_EQ(manager.Install(first, "Harbour", &report), kOk) << "installing again replaces";

    int32_t count = 0, current = -1, version = 0;
    ASSERT_EQ(manager.Count(&count), kOk);
    EXPECT_EQ(count, 2);
    ASSERT_EQ(manager.CurrentIndex(&current), kOk);
    EXPECT_EQ(current, 0);
    std::string name;
    ASSERT_EQ(manager.Name(1, &name), kOk);
    EXPECT_EQ(name, "World");
    ASSERT_EQ(manager.Version(0, &version), kOk);
    EXPECT_EQ(version, 20171213);
    EXPECT_EQ(manager.Name(2, &name), kInvalidArgument);

    ASSERT_EQ(manager.SetCurrent(1), kOk);
    std::filesystem::path databaseFolder;
    ASSERT_EQ(manager.DatabaseFolder("", &databaseFolder), kOk);
    EXPECT_EQ(databaseFolder, folder.path() / "engine" / "World");
    EXPECT_EQ(manager.SetCurrent(2), kNoSuchDatabase);
}

TEST(DatabaseManager, NamesMustBePlainFolderNames)
{
    for (const char* name : {"", ".", "..", "a/b", "a\\b", "a=b", "[x]", " padded", "padded "})
        EXPECT_FALSE(DatabaseManager::IsValidName(name)) << name;
    for (const char* name : {"Default", "US Chesapeake", "World-2025"})
        EXPECT_TRUE(DatabaseManager::IsValidName(name)) << name;
    InstallReport report;
    EXPECT_EQ(DatabaseManager("/tmp").Install("/tmp", "../escape", &report), kInvalidArgument);
}

}  // namespace
