#pragma once
// Chart databases for the tests: real cells of the fixtures installed into temporary engine
// folders, and the registry store that points the map manager at them.

#include "platform/chartengine/CellBuilder.h"
#include "platform/chartengine/ChartObject.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace charttest {

// A fresh folder under the system's temporary folder, removed with its contents at the end.
class TemporaryFolder {
public:
    TemporaryFolder();
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

// A temporary engine folder with fixture files installed as a database, the tide harmonics
// linked, and a registry store naming it (with the weather symbolization when asked).
class InstalledEngine {
public:
    InstalledEngine(const std::vector<std::string>& fixtureFiles, const std::string& name, bool weather);

    const std::filesystem::path& folder() const { return folder_.path(); }
    std::filesystem::path engine() const { return folder_.path() / "engine"; }
    std::filesystem::path registry() const { return folder_.path() / "registry.ini"; }

private:
    TemporaryFolder folder_;
};

// The harbour cell AA500001 and the world base as the database "Harbour".
class HarbourEngine : public InstalledEngine {
public:
    explicit HarbourEngine(bool weather = false);
};

// The bay: the cell US4MD81M with its updates and the world base as the database "Bay".
class BayEngine : public InstalledEngine {
public:
    BayEngine();
};

// A fixture file of tests/fixtures/charts ("US4MD81M/US4MD81M.000").
std::filesystem::path FixtureChart(const std::string& relative);

// A source folder in folder holding links to the fixture files, for installing only those.
std::filesystem::path LinkChartSources(const std::filesystem::path& folder,
                                       const std::vector<std::string>& fixtureFiles);

// The cell US4MD81M with its three updates, and the world base.
std::vector<std::string> DefaultChartFiles();

// Installs the sources as database name of engineFolder; fails the test on a failure.
void InstallDatabase(const std::filesystem::path& sources, const std::filesystem::path& engineFolder,
                     const std::string& name);

// Installs the fixture files as database name of engineFolder, copied from the build's test
// cache. Installing reads the cells through GDAL, seconds under the sanitizers, and nearly every
// test process asks for one of the same few databases.
void InstallCachedDatabase(const std::vector<std::string>& fixtureFiles, const std::filesystem::path& engineFolder,
                           const std::string& name);

// Links the tide harmonics file of the xtide data into engineFolder/TIDES.
void LinkTides(const std::filesystem::path& engineFolder);

// Writes a registry store naming engineFolder; with weather, the chart topic offers "wthr".
void WriteRegistry(const std::filesystem::path& storeFile, const std::filesystem::path& engineFolder, bool weather);

// A chart object made up for a test: class, geometry (one point, one line or one ring) and its
// attributes as S-57 text ("DRVAL1", "5.4").
chartengine::SourceObject MadeObject(int32_t classCode, uint8_t kind, std::vector<cmgbase::GeoPoint> points,
                                     const std::vector<std::pair<std::string, std::string>>& attributes = {});

// The objects as one cell in memory (cell id 1, usage band 5), ready for ChartObject handles.
std::shared_ptr<const chartengine::LoadedCell> MadeCell(std::vector<chartengine::SourceObject> objects);

// Writes the objects as one cell (usage band 5, 1:22000) of database name in engineFolder and
// lists it as the current database.
void WriteMadeDatabase(const std::filesystem::path& engineFolder, const std::string& name,
                       std::vector<chartengine::SourceObject> objects);

// Writes a harmonics file of one constituent and no station.
void WriteHarmonicsWithoutStations(const std::filesystem::path& file);

inline constexpr char kHarmonicsFile[] = "/usr/share/xtide/harmonics-dwf-20191229-free.tcd";

}  // namespace charttest
