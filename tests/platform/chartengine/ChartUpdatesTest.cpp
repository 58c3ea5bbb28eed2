// Applying S-57 update files from a folder to a database installed from the base cell US4MD81M.000
// alone: the store then holds per class what GDAL reads from the cell with its three updates, and
// an update out of sequence is asked about before anything changes.

#include "ChartTestSupport.h"

#include "platform/chartengine/CellStore.h"
#include "platform/chartengine/ChartUpdates.h"
#include "platform/chartengine/DatabaseManager.h"

#include <gdal_priv.h>
#include <ogrsf_frmts.h>

#include <gtest/gtest.h>

#include <map>

using namespace charttest;
using namespace chartengine;

namespace {

class ChartUpdatesTest : public ::testing::Test {
protected:
    // One database from the base cell alone, copied afresh for each test.
    static void SetUpTestSuite()
    {
        installed_ = new TemporaryFolder;
        InstallDatabase(LinkChartSources(installed_->path() / "sources", {"US4MD81M/US4MD81M.000"}),
                        installed_->path() / "engine", "Base");
    }
    static void TearDownTestSuite()
    {
        delete installed_;
        installed_ = nullptr;
    }
    void SetUp() override
    {
        std::filesystem::path installed;
        ASSERT_EQ(DatabaseManager(installed_->path() / "engine").DatabaseFolder("Base", &installed), kOk);
        database = folder.path() / "database";
        std::filesystem::copy(installed, database, std::filesystem::copy_options::recursive);
    }

    std::filesystem::path updates(const std::vector<int>& numbers)
    {
        std::vector<std::string> files;
        for (int number : numbers)
            files.push_back("US4MD81M/US4MD81M" + UpdateExtension(number));
        return LinkChartSources(folder.path() / "updates", files);
    }
    int32_t installedUpdate() const
    {
        Catalog catalog;
        EXPECT_EQ(ReadCatalog(database, catalog), kOk);
        return catalog.cells.empty() ? -1 : catalog.cells.front().updateNumber;
    }

    static inline TemporaryFolder* installed_ = nullptr;
    TemporaryFolder folder;
    std::filesystem::path database;
};

// Objects per class (OBJL) as GDAL reads the fixture cell with the updates beside it.
std::map<int, int> GdalClassCounts()
{
    GDALAllRegister();
    const char* const options[] = {"UPDATES=APPLY", "SPLIT_MULTIPOINT=ON", nullptr};
    const char* const drivers[] = {"S57", nullptr};
    GDALDatasetUniquePtr dataset(GDALDataset::Open(FixtureChart("US4MD81M/US4MD81M.000").c_str(),
                                                   GDAL_OF_VECTOR | GDAL_OF_READONLY, drivers, options));
    std::map<int, int> counts;
    if (!dataset)
        return counts;
    for (OGRLayer* layer : dataset->GetLayers()) {
        if (std::string(layer->GetName()) == "DSID")
            continue;
        for (const auto& feature : *layer)
            ++counts[feature->GetFieldAsInteger("OBJL")];
    }
    return counts;
}

TEST_F(ChartUpdatesTest, TheUpdatesOfAFolderGiveTheCellGdalReadsWithThemApplied)
{
    EXPECT_EQ(installedUpdate(), 0);
    UpdateRun run;
    EXPECT_EQ(ApplyChartUpdates(database, folder.path() / "none", {}, run), kFileNotFound);

    int asked = 0;
    const UpdateQuestion ask = [&](const std::string&) { return ++asked, int32_t(kUpdateStop); };
    ASSERT_EQ(ApplyChartUpdates(database, updates({1, 2, 3}), ask, run), kOk);
    EXPECT_EQ(asked, 0);
    EXPECT_EQ(run.applied, 3);
    ASSERT_EQ(run.cells.size(), 1u);
    EXPECT_EQ(run.cells[0].name, "US4MD81M");
    EXPECT_EQ(run.cells[0].updateNumber, 3);
    EXPECT_TRUE(run.cells[0].coverage.has_value());
    EXPECT_EQ(installedUpdate(), 3);

    CellData cell;
    ASSERT_EQ(ReadCellFile(CellFilePath(database, "US4MD81M"), cell), kOk);
    std::map<int, int> stored;
    for (const ObjectRecord& object : cell.objects)
        ++stored[object.classCode];
    const std::map<int, int> expected = GdalClassCounts();
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(stored, expected);

    // Applied once: the same folder again brings nothing new.
    ASSERT_EQ(ApplyChartUpdates(database, folder.path() / "updates", ask, run), kOk);
    EXPECT_EQ(run.applied, 0);
    EXPECT_TRUE(run.cells.empty());
}

TEST_F(ChartUpdatesTest, AnUpdateOutOfSequenceIsAskedAboutBeforeAnythingChanges)
{
    const std::filesystem::path gapped = updates({1, 3});
    const std::filesystem::path pristine = folder.path() / "pristine";
    std::filesystem::copy(database, pristine, std::filesystem::copy_options::recursive);
    struct Case {
        int32_t answer;
        HResult result;
        int32_t applied;
        int32_t installed;
    };
    const Case cases[] = {
        {kUpdateContinue, kOk, 1, 1},   // the updates up to the gap
        {kUpdateSkip, kOk, 0, 0},       // the cell is left as it is
        {kUpdateStop, kUpdatesStopped, 0, 0},
        {7, kUpdatesStopped, 0, 0},     // any other answer stops
    };
    for (const Case& c : cases) {
        std::filesystem::remove_all(database);
        std::filesystem::copy(pristine, database, std::filesystem::copy_options::recursive);
        std::vector<std::string> questions;
        UpdateRun run;
        EXPECT_EQ(ApplyChartUpdates(database, gapped,
                                    [&](const std::string& text) { return questions.push_back(text), c.answer; }, run),
                  c.result)
            << c.answer;
        EXPECT_EQ(questions, std::vector<std::string>{"US4MD81M: update 3 is out of sequence, update 2 is missing."});
        EXPECT_EQ(run.applied, c.applied) << c.answer;
        EXPECT_EQ(installedUpdate(), c.installed) << c.answer;
        // What the store keeps for later updates follows what it holds.
        EXPECT_EQ(std::filesystem::exists(CellSourceFolder(database) / "US4MD81M.001"), c.installed == 1);
        EXPECT_FALSE(std::filesystem::exists(CellSourceFolder(database) / "US4MD81M.003"));
    }
}

}  // namespace
