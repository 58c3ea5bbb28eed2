#pragma once
// A chart medium: a folder holding S-57 files (base cells .000 and their update files .001,
// .002 ...) and world land polygons (.geojson), in it or in sub-folders. The search goes at most
// kMediumSearchDepth folders deep, follows no folder links and looks at no more than
// kMediumSearchEntries entries, so that a large folder chosen by mistake cannot hang the caller.
// A database keeps the files it was built from in the same form, so the same reading serves both.

#include "platform/chartengine/ChartSourceReader.h"
#include "platform/chartengine/EngineStatus.h"

#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace chartengine {

inline constexpr int kMediumSearchDepth = 4;
inline constexpr int kMediumSearchEntries = 20000;

struct MediumFile {
    std::filesystem::path path;
    S57Identification identification;
};

struct MediumCell {
    std::optional<MediumFile> base;
    std::map<int32_t, MediumFile> updates;  // by the update number of the file's extension
};

struct ChartMedium {
    std::map<std::string, MediumCell> cells;                  // by cell name
    std::map<std::string, std::filesystem::path> landFiles;  // by file name
    std::vector<std::string> messages;                        // files left out, and why
};

// kOk (an empty medium too); kFileNotFound when folder is not a readable folder.
HResult ReadChartMedium(const std::filesystem::path& folder, ChartMedium& medium);

// The newest issue date of the files an installation would apply from the medium alone: each
// base cell of a usable intended usage with its updates in unbroken order, and every update
// whose base is not on the medium (an installed database may hold it). nullopt when the
// medium holds nothing to install.
std::optional<int32_t> MediumVersion(const ChartMedium& medium);

// What a database built from kept files (an installed database's, empty for a new one, nullptr
// for one that keeps none) and a medium consists of.
struct InstallPlan {
    std::vector<std::filesystem::path> files;  // the sources of the new database
    std::set<std::string> touched;              // cells and land files (by name) read anew
    std::set<std::string> reused;               // kept cells whose stored form stays valid
    std::vector<std::string> messages;          // files skipped, and why
};
InstallPlan PlanInstall(const ChartMedium* kept, const ChartMedium& medium);

}  // namespace chartengine
