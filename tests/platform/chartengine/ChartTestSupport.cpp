#include "platform/chartengine/ChartTestSupport.h"

#include "platform/chartengine/CellStore.h"
#include "platform/chartengine/ChartDictionary.h"
#include "platform/chartengine/DatabaseManager.h"
#include "platform/chartengine/EngineRegistry.h"
#include "platform/chartengine/EngineTopics.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <tcd.h>
#include <unistd.h>

#include <fstream>
#include <functional>
#include <random>

namespace charttest {

TemporaryFolder::TemporaryFolder()
{
    std::random_device random;
    path_ = std::filesystem::temp_directory_path() / ("varnik-chart-" + std::to_string(random()) + std::to_string(random()));
    std::filesystem::create_directories(path_);
}

TemporaryFolder::~TemporaryFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::filesystem::path FixtureChart(const std::string& relative)
{
    return std::filesystem::path(VARNIK_FIXTURES_DIR) / "charts" / relative;
}

std::filesystem::path LinkChartSources(const std::filesystem::path& folder, const std::vector<std::string>& fixtureFiles)
{
    std::filesystem::create_directories(folder);
    for (const std::string& file : fixtureFiles) {
        const std::filesystem::path fixture = FixtureChart(file);
        std::filesystem::create_symlink(fixture, folder / fixture.filename());
    }
    return folder;
}

std::vector<std::string> DefaultChartFiles()
{
    return {"US4MD81M/US4MD81M.000", "US4MD81M/US4MD81M.001", "US4MD81M/US4MD81M.002", "US4MD81M/US4MD81M.003",
            "world/ne_110m_land.geojson"};
}

void InstallDatabase(const std::filesystem::path& sources, const std::filesystem::path& engineFolder,
                     const std::string& name)
{
    chartengine::InstallReport report;
    ASSERT_EQ(chartengine::DatabaseManager(engineFolder).Install(sources, name, &report), chartengine::kOk);
}

namespace {

// The cache entry of a database: this test program, the database's name and fixture files, then
// the program's build, whose installer a rebuild may have changed.
std::string CacheEntryPrefix(const std::vector<std::string>& fixtureFiles, const std::string& name)
{
    std::string files;
    for (const std::string& file : fixtureFiles)
        files += file + "|";
    return std::filesystem::read_symlink("/proc/self/exe").filename().string() + "-" + name + "-" +
           std::to_string(std::hash<std::string>{}(files)) + "-";
}

std::string CacheKey(const std::vector<std::string>& fixtureFiles, const std::string& name)
{
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe");
    const std::string build = program.string() + "|" + std::to_string(std::filesystem::file_size(program)) + "|" +
                              std::to_string(std::filesystem::last_write_time(program).time_since_epoch().count());
    return CacheEntryPrefix(fixtureFiles, name) + std::to_string(std::hash<std::string>{}(build));
}

// Entries of earlier builds of this program go when a new one is made.
void RemoveStaleEntries(const std::filesystem::path& cache, const std::string& prefix, const std::filesystem::path& kept)
{
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(cache, ignored)) {
        const std::string file = entry.path().filename().string();
        if (file.starts_with(prefix) && !entry.path().string().starts_with(kept.string()))
            std::filesystem::remove_all(entry.path(), ignored);
    }
}

// An exclusive lock on a file for as long as it lives.
class FileLock {
public:
    explicit FileLock(const std::filesystem::path& file) : fd_(::open(file.c_str(), O_CREAT | O_RDWR | O_CLOEXEC, 0644))
    {
        if (fd_ >= 0)
            ::flock(fd_, LOCK_EX);
    }
    ~FileLock()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    bool held() const { return fd_ >= 0; }

private:
    int fd_;
};

}  // namespace

// The first process installs each database into the build's test cache, under a lock so that
// processes running side by side install it once; every process copies it from there.
void InstallCachedDatabase(const std::vector<std::string>& fixtureFiles, const std::filesystem::path& engineFolder,
                           const std::string& name)
{
    const std::filesystem::path cache = VARNIK_TEST_CACHE_DIR;
    std::filesystem::create_directories(cache);
    const std::filesystem::path cached = cache / CacheKey(fixtureFiles, name);
    {
        const FileLock lock(cached.string() + ".lock");
        ASSERT_TRUE(lock.held()) << cached;
        if (!std::filesystem::exists(cached)) {
            RemoveStaleEntries(cache, CacheEntryPrefix(fixtureFiles, name), cached);
            const std::filesystem::path building = cached.string() + ".building";
            std::filesystem::remove_all(building);
            chartengine::InstallReport report;
            ASSERT_EQ(chartengine::DatabaseManager(building / "engine")
                          .Install(LinkChartSources(building / "sources", fixtureFiles), name, &report),
                      chartengine::kOk);
            std::filesystem::rename(building / "engine", cached);
            std::filesystem::remove_all(building);
        }
    }
    ASSERT_TRUE(std::filesystem::exists(cached)) << cached;
    std::filesystem::copy(cached, engineFolder, std::filesystem::copy_options::recursive);
}

void LinkTides(const std::filesystem::path& engineFolder)
{
    const std::filesystem::path folder = engineFolder / chartengine::kTidesFolderName;
    std::filesystem::create_directories(folder);
    std::filesystem::create_symlink(kHarmonicsFile, folder / std::filesystem::path(kHarmonicsFile).filename());
}

void WriteRegistry(const std::filesystem::path& storeFile, const std::filesystem::path& engineFolder, bool weather)
{
    std::ofstream out(storeFile);
    out << "[" << chartengine::kEngineKey << "]\n" << chartengine::kEngineFolderValue << "=" << engineFolder.string() << "\n";
    if (weather)
        out << "[" << chartengine::TopicPresentationsKey(chartengine::kS57ChartTopic) << "\\wthr]\nName=wthr\nPath=\n";
}

chartengine::SourceObject MadeObject(int32_t classCode, uint8_t kind, std::vector<cmgbase::GeoPoint> points,
                                     const std::vector<std::pair<std::string, std::string>>& attributes)
{
    static uint32_t nextFeature = 1;
    const chartengine::ChartDictionary* dictionary = chartengine::ChartDictionary::Shared();
    chartengine::SourceObject object;
    object.classCode = classCode;
    object.kind = kind;
    object.agency = 550;
    object.featureId = nextFeature++;
    object.longName = chartengine::LongName(object.agency, object.featureId, object.subdivision);
    object.parts.push_back(std::move(points));
    for (const auto& [acronym, value] : attributes) {
        int32_t code = 0;
        EXPECT_EQ(dictionary->AttributeCode(acronym, &code), chartengine::kOk) << acronym;
        object.attributes.push_back({code, dictionary->TypeOfAttribute(code), value});
    }
    return object;
}

std::shared_ptr<const chartengine::LoadedCell> MadeCell(std::vector<chartengine::SourceObject> objects)
{
    chartengine::CellBuilder builder;
    for (chartengine::SourceObject& object : objects)
        builder.add(std::move(object));
    auto cell = std::make_shared<chartengine::LoadedCell>();
    cell->cellId = 1;
    cell->usageBand = 5;
    cell->data = builder.finish();
    return cell;
}

void WriteMadeDatabase(const std::filesystem::path& engineFolder, const std::string& name,
                       std::vector<chartengine::SourceObject> objects)
{
    constexpr char kCellName[] = "MADE0001";
    const std::filesystem::path folder = engineFolder / name;
    std::filesystem::create_directories(folder);
    chartengine::CellBuilder builder;
    for (chartengine::SourceObject& object : objects)
        builder.add(std::move(object));
    const chartengine::CellData cell = builder.finish();
    ASSERT_EQ(chartengine::WriteCellFile(chartengine::CellFilePath(folder, kCellName), cell), chartengine::kOk);
    chartengine::Catalog catalog;
    catalog.databaseVersion = 20250101;
    chartengine::CatalogCell entry;
    entry.name = kCellName;
    entry.usageBand = 5;
    entry.intendedUsage = 5;
    entry.compilationScale = 22000;
    entry.issueDate = catalog.databaseVersion;
    entry.bounds = cell.bounds;
    entry.objectCount = static_cast<uint32_t>(cell.objects.size());
    catalog.cells.push_back(entry);
    ASSERT_EQ(chartengine::WriteCatalog(folder, catalog), chartengine::kOk);
    std::ofstream list(engineFolder / chartengine::kDatabaseListFileName);
    list << "[Databases]\n" << name << "=" << catalog.databaseVersion << "\n[Current]\nName=" << name << "\n";
}

void WriteHarmonicsWithoutStations(const std::filesystem::path& file)
{
    std::filesystem::create_directories(file.parent_path());
    std::string path = file.string();
    char name[] = "M2";
    char* names[] = {name};
    double speeds[] = {28.9841042};
    float equilibrium[] = {0.0f};
    float nodeFactor[] = {1.0f};
    float* equilibriums[] = {equilibrium};
    float* nodeFactors[] = {nodeFactor};
    ASSERT_TRUE(create_tide_db(path.data(), 1, names, speeds, 2025, 1, equilibriums, nodeFactors));
    close_tide_db();
}

InstalledEngine::InstalledEngine(const std::vector<std::string>& fixtureFiles, const std::string& name, bool weather)
{
    InstallCachedDatabase(fixtureFiles, engine(), name);
    LinkTides(engine());
    WriteRegistry(registry(), engine(), weather);
}

HarbourEngine::HarbourEngine(bool weather)
    : InstalledEngine({"s58/AA500001.000", "world/ne_110m_land.geojson"}, "Harbour", weather)
{
}

BayEngine::BayEngine() : InstalledEngine(DefaultChartFiles(), "Bay", false) {}

}  // namespace charttest
