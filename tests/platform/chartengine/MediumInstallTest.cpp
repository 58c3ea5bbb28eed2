// Installing, updating and removing chart databases from media: folders of real S-57 cells,
// named "Chesapeake" as a chart medium would be.

#include "platform/chartengine/ChartTestSupport.h"

#include "platform/chartengine/ChartMedium.h"
#include "platform/chartengine/CellStore.h"
#include "platform/chartengine/DatabaseManager.h"

#include <gdal_priv.h>
#include <ogrsf_frmts.h>
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <algorithm>
#include <csignal>
#include <fstream>
#include <map>
#include <sstream>

using namespace chartengine;

namespace {

const std::vector<std::string> kFirstEdition = {"US4MD81M/US4MD81M.000", "US4MD81M/US4MD81M.001",
                                                "world/ne_110m_land.geojson"};

// A medium "Chesapeake" under parent holding copies of the fixture files.
std::filesystem::path CopyMedium(const std::filesystem::path& parent, const std::vector<std::string>& files)
{
    const std::filesystem::path medium = parent / "Chesapeake";
    std::filesystem::create_directories(medium);
    for (const std::string& file : files)
        std::filesystem::copy_file(charttest::FixtureChart(file), medium / std::filesystem::path(file).filename());
    return medium;
}

std::string Bytes(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// Every file under folder with its bytes.
std::map<std::string, std::string> Snapshot(const std::filesystem::path& folder)
{
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
        if (entry.is_regular_file())
            files[std::filesystem::relative(entry.path(), folder).string()] = Bytes(entry.path());
    return files;
}

bool Mentions(const InstallReport& report, const std::string& text)
{
    return std::any_of(report.messages.begin(), report.messages.end(),
                       [&](const std::string& message) { return message.find(text) != std::string::npos; });
}

int32_t InstalledVersion(const DatabaseManager& manager, int32_t index)
{
    int32_t version = 0;
    EXPECT_EQ(manager.Version(index, &version), kOk);
    return version;
}

// The update number GDAL itself gives the cell with the updates beside it applied.
int32_t GdalUpdateNumber(const std::filesystem::path& baseCell)
{
    const char* const options[] = {"UPDATES=APPLY", nullptr};
    GDALAllRegister();
    GDALDatasetUniquePtr dataset(GDALDataset::Open(baseCell.c_str(), GDAL_OF_VECTOR, nullptr, options));
    OGRLayer* layer = dataset ? dataset->GetLayerByName("DSID") : nullptr;
    if (!layer)
        return -1;
    int32_t number = -1;
    for (const auto& feature : *layer)
        number = feature->GetFieldAsInteger("DSID_UPDN");
    return number;
}

TEST(MediumInstall, InstallUpdateCompareAndRemove)
{
    charttest::TemporaryFolder folder;
    const auto first = CopyMedium(folder.path() / "first", kFirstEdition);
    const auto updates = CopyMedium(folder.path() / "updates", {"US4MD81M/US4MD81M.002", "US4MD81M/US4MD81M.003"});
    DatabaseManager manager(folder.path() / "engine");
    std::vector<int> progress;
    manager.SetProgressListener([&](int percent) { progress.push_back(percent); });

    std::string name;
    int32_t version = 0;
    ASSERT_EQ(manager.Identify(first, &name, &version), kOk);
    EXPECT_EQ(name, "Chesapeake");
    EXPECT_EQ(version, 20250730);
    InstallReport report;
    ASSERT_EQ(manager.InstallFromMedium(first, &name, &report), kOk);
    EXPECT_EQ(name, "Chesapeake");
    EXPECT_EQ(report.cellsInstalled, 2);
    ASSERT_FALSE(progress.empty());
    EXPECT_EQ(progress.back(), 100);
    int32_t current = -1;
    ASSERT_EQ(manager.CurrentIndex(&current), kOk);
    EXPECT_EQ(current, 0);
    EXPECT_EQ(InstalledVersion(manager, 0), 20250730);
    ASSERT_EQ(manager.Identify(first, &name, &version), kOk);
    EXPECT_EQ(version, 20250730) << "a medium just installed reads the installed version";

    ASSERT_EQ(manager.Identify(updates, &name, &version), kOk);
    EXPECT_EQ(version, 20250923);
    std::filesystem::path oldFolder;
    ASSERT_EQ(manager.DatabaseFolder("Chesapeake", &oldFolder), kOk);
    ASSERT_EQ(manager.InstallFromMedium(updates, &name, &report), kOk);
    EXPECT_EQ(InstalledVersion(manager, 0), 20250730) << "prepared, not yet in place";
    ASSERT_EQ(manager.Update("Chesapeake"), kOk);
    EXPECT_EQ(InstalledVersion(manager, 0), 20250923);
    std::filesystem::path newFolder;
    ASSERT_EQ(manager.DatabaseFolder("Chesapeake", &newFolder), kOk);
    EXPECT_FALSE(std::filesystem::exists(oldFolder));
    for (const char* kept : {"US4MD81M.000", "US4MD81M.001", "US4MD81M.002", "US4MD81M.003", "ne_110m_land.geojson"})
        EXPECT_TRUE(std::filesystem::exists(CellSourceFolder(newFolder) / kept)) << kept;

    // The updated store holds the cell as a direct install of the base with all three updates.
    DatabaseManager direct(folder.path() / "direct");
    const auto all = charttest::LinkChartSources(folder.path() / "all", charttest::DefaultChartFiles());
    ASSERT_EQ(direct.Install(all, "All", &report), kOk);
    std::filesystem::path directFolder;
    ASSERT_EQ(direct.DatabaseFolder("All", &directFolder), kOk);
    EXPECT_EQ(Bytes(CellFilePath(newFolder, "US4MD81M")), Bytes(CellFilePath(directFolder, "US4MD81M")));
    Catalog catalog;
    ASSERT_EQ(ReadCatalog(newFolder, catalog), kOk);
    const auto cell = std::find_if(catalog.cells.begin(), catalog.cells.end(),
                                   [](const CatalogCell& c) { return c.name == "US4MD81M"; });
    ASSERT_NE(cell, catalog.cells.end());
    EXPECT_EQ(cell->updateNumber, GdalUpdateNumber(charttest::FixtureChart("US4MD81M/US4MD81M.000")));

    ASSERT_EQ(manager.Identify(first, &name, &version), kOk);
    EXPECT_LT(version, InstalledVersion(manager, 0)) << "the first medium is older now";
    ASSERT_EQ(manager.InstallFromMedium(first, &name, &report), kNothingToInstall);
    EXPECT_TRUE(Mentions(report, "US4MD81M.001: update 1 is applied already"));

    ASSERT_EQ(manager.Remove(0), kOk);
    int32_t count = -1;
    ASSERT_EQ(manager.Count(&count), kOk);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(manager.CurrentIndex(&current), kFail);
    EXPECT_EQ(current, -1);
    EXPECT_FALSE(std::filesystem::exists(newFolder));
    EXPECT_EQ(manager.Remove(0), kNoSuchDatabase);
    EXPECT_EQ(manager.Update("Chesapeake"), kNoSuchDatabase);
}

TEST(MediumInstall, RefusedUpdatesChangeNothing)
{
    charttest::TemporaryFolder folder;
    const auto first = CopyMedium(folder.path() / "first", kFirstEdition);
    const auto gap = CopyMedium(folder.path() / "gap", {"US4MD81M/US4MD81M.003"});
    const auto updates = CopyMedium(folder.path() / "updates", {"US4MD81M/US4MD81M.002", "US4MD81M/US4MD81M.003"});
    const auto engine = folder.path() / "engine";
    DatabaseManager manager(engine);
    std::string name;
    InstallReport report;
    ASSERT_EQ(manager.InstallFromMedium(first, &name, &report), kOk);
    const auto before = Snapshot(engine);

    int32_t version = 0;
    ASSERT_EQ(manager.Identify(gap, &name, &version), kOk);
    EXPECT_EQ(version, 20250923);
    EXPECT_EQ(manager.InstallFromMedium(gap, &name, &report), kNothingToInstall);
    EXPECT_TRUE(Mentions(report, "US4MD81M.003: update 3 does not follow update 1 (update 2 is missing)"));
    EXPECT_EQ(manager.Update("Chesapeake"), kNothingToInstall);
    EXPECT_EQ(Snapshot(engine), before);

    // A store that cannot be written: files may grow to 1 MB only, less than the kept base cell.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = 1 << 20;
    setrlimit(RLIMIT_FSIZE, &small);
    const HResult full = manager.InstallFromMedium(updates, &name, &report);
    setrlimit(RLIMIT_FSIZE, &saved);
    EXPECT_EQ(full, kStoreNotWritable);
    EXPECT_EQ(manager.Update("Chesapeake"), kNothingToInstall);
    EXPECT_EQ(Snapshot(engine), before);

    // A list that cannot be replaced: the prepared update is not put in place.
    ASSERT_EQ(manager.InstallFromMedium(updates, &name, &report), kOk);
    std::filesystem::create_directory(engine / "databases.ini.tmp");
    EXPECT_EQ(manager.Update("Chesapeake"), kListNotWritable);
    EXPECT_EQ(manager.Remove(0), kListNotWritable);
    std::filesystem::remove(engine / "databases.ini.tmp");
    auto after = Snapshot(engine);
    std::erase_if(after, [&](const auto& file) { return !before.contains(file.first); });
    EXPECT_EQ(after, before) << "the installed database and the list are as they were";
}

TEST(MediumInstall, ForeignAndDamagedFilesAreReported)
{
    charttest::TemporaryFolder folder;
    const auto s58 = CopyMedium(folder.path() / "s58", {"s58/AA500001.000", "s58/AA500003.000", "s58/AA500003.001"});
    DatabaseManager manager(folder.path() / "engine");
    std::string name;
    InstallReport report;
    ASSERT_EQ(manager.InstallFromMedium(s58, &name, &report), kOk);
    EXPECT_EQ(report.cellsInstalled, 1);
    EXPECT_TRUE(Mentions(report, "AA500003: intended usage 65 is not one of 1 to 6; the cell is skipped"));
    int32_t version = 0;
    ASSERT_EQ(manager.Identify(s58, &name, &version), kOk);
    EXPECT_EQ(version, 20171213) << "the skipped cell does not count";
    EXPECT_EQ(version, InstalledVersion(manager, 0));

    const auto damaged = folder.path() / "damaged" / "Chesapeake";
    std::filesystem::create_directories(damaged);
    std::ofstream(damaged / "US4MD81M.000", std::ios::binary) << Bytes(charttest::FixtureChart("US4MD81M/US4MD81M.000")).substr(0, 4000);
    std::ofstream(damaged / "README.000") << "This is not a chart.\n";
    DatabaseManager other(folder.path() / "other");
    EXPECT_EQ(other.Identify(damaged, &name, &version), kNothingToInstall);
    EXPECT_EQ(other.InstallFromMedium(damaged, &name, &report), kNothingToInstall);
    EXPECT_TRUE(Mentions(report, "US4MD81M.000: not readable as an S-57 file"));
    EXPECT_TRUE(Mentions(report, "README.000: not readable as an S-57 file"));
    int32_t count = -1;
    ASSERT_EQ(other.Count(&count), kOk);
    EXPECT_EQ(count, 0);

    EXPECT_EQ(other.Identify(folder.path() / "missing", &name, &version), kMediumUnreadable);
    EXPECT_EQ(other.InstallFromMedium("/", &name, &report), kMediumUnreadable) << "the root names no database";
}

TEST(MediumInstall, RemovingTheCurrentMovesItToTheFirstLeft)
{
    charttest::TemporaryFolder folder;
    DatabaseManager manager(folder.path() / "engine");
    InstallReport report;
    for (const char* name : {"Harbour", "Bay", "Sound"})
        ASSERT_EQ(manager.Install(charttest::LinkChartSources(folder.path() / name, {"s58/AA500001.000"}), name, &report), kOk);
    ASSERT_EQ(manager.SetCurrent(1), kOk);
    ASSERT_EQ(manager.Remove(1), kOk);
    int32_t current = -1;
    ASSERT_EQ(manager.CurrentIndex(&current), kOk);
    EXPECT_EQ(current, 0);
    std::string name;
    ASSERT_EQ(manager.Name(1, &name), kOk);
    EXPECT_EQ(name, "Sound");
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "engine" / "Bay"));
    EXPECT_EQ(manager.SetCurrent(2), kNoSuchDatabase);
    EXPECT_EQ(manager.Remove(-1), kNoSuchDatabase);
    std::filesystem::remove(folder.path() / "engine" / "databases.ini");
    std::filesystem::create_directory(folder.path() / "engine" / "databases.ini");
    int32_t count = 0;
    EXPECT_EQ(manager.Count(&count), kListUnreadable);
}

TEST(MediumInstall, SearchIsBoundedAndFollowsNoFolderLinks)
{
    charttest::TemporaryFolder folder;
    const auto medium = folder.path() / "Chesapeake";
    const auto shallow = medium / "ENC_ROOT" / "AA";
    std::filesystem::create_directories(shallow);
    std::filesystem::copy_file(charttest::FixtureChart("s58/AA500001.000"), shallow / "AA500001.000");
    auto deep = medium;
    for (int i = 0; i < kMediumSearchDepth; ++i)
        deep /= "d" + std::to_string(i);
    std::filesystem::create_directories(deep);
    std::filesystem::copy_file(charttest::FixtureChart("s58/AA500003.000"), deep / "AA500003.000");
    std::filesystem::create_directory_symlink(medium, medium / "loop");
    ChartMedium content;
    ASSERT_EQ(ReadChartMedium(medium, content), kOk);
    ASSERT_EQ(content.cells.size(), 1u);
    EXPECT_TRUE(content.cells.contains("AA500001"));
}

}  // namespace
