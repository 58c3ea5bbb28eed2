#pragma once
// Installing a chart database: every chart source found under a source folder is read once and
// written into the store of a database folder (StoreFormat.h). Sources are S-57 base cells
// (".000", their updates beside them are applied) and world land polygons (".geojson"), which
// form usage band 0. A cell that cannot be read or declares an intended usage outside 1..6
// (overview .. berthing) is reported and left out; the others are installed.

#include "platform/chartengine/EngineStatus.h"

#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <vector>

namespace chartengine {

struct InstallReport {
    int32_t cellsInstalled = 0;
    int32_t cellsSkipped = 0;
    int32_t databaseVersion = 0;
    std::vector<std::string> messages;  // "<cell>: <what happened>", skipped cells and warnings
};

// Called with 0..100 as the sources are read.
using InstallProgress = std::function<void(int percent)>;

// Cells of an installed database whose sources did not change: their stored form is copied from
// that database's folder instead of being read again.
struct ReusedCells {
    std::filesystem::path databaseFolder;
    std::set<std::string> names;
};

// kOk when at least one cell was installed; kFileNotFound for a missing source folder; kFail
// when nothing could be installed; kWriteFault when the database folder could not be written.
// On a failure the database folder holds no catalog of this installation.
HResult InstallChartDatabase(const std::filesystem::path& sourceFolder, const std::filesystem::path& databaseFolder,
                             InstallReport& report, const InstallProgress& progress = {},
                             const ReusedCells& reused = {});

// The report of a cell declaring an intended usage outside 1..6.
std::string UnusableUsageMessage(const std::string& cell, int32_t intendedUsage);

}  // namespace chartengine
