#pragma once
// Applying S-57 update files (cell.001, cell.002 ...) from a folder to the cells of an installed
// chart database: each cell's new updates are put beside its kept base cell and the cell is read
// again through GDAL with every update applied, then its store file and catalog entry are
// replaced. A cell's updates apply in sequence only; a gap is put to a question first. All
// questions are asked before anything is changed, so the database holds together while one is
// open.

#include "platform/chartengine/EngineStatus.h"
#include "platform/chartengine/Guid.h"

#include <cstdio>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace chartengine {

inline constexpr int kLastUpdateNumber = 999;

// ".000" for the base cell, ".001" ... for its updates.
inline std::string UpdateExtension(int number)
{
    char extension[8];
    std::snprintf(extension, sizeof extension, ".%03d", number);
    return extension;
}

// The answers to an update out of sequence: apply the cell's updates up to the gap, leave the
// cell as it is, or stop the run before anything is applied.
enum UpdateAnswer : int32_t { kUpdateContinue = 0, kUpdateSkip = 1, kUpdateStop = 2 };
// The run was stopped by the answer kUpdateStop.
inline constexpr HResult kUpdatesStopped = -1;

struct UpdatedCell {
    int32_t cellId = 0;  // in the catalog, from 1
    std::string name;
    int32_t updateNumber = 0;          // the last update now applied
    std::optional<Guid> coverage;      // the cell's coverage object (M_COVR), when it has one
};

struct UpdateRun {
    int32_t applied = 0;  // update files applied
    std::vector<UpdatedCell> cells;
    std::vector<std::string> remarks;  // "<cell>: <what GDAL or the run reported>"
};

// Asked for an update out of sequence, with the text to show; gives an UpdateAnswer.
using UpdateQuestion = std::function<int32_t(const std::string& text)>;

// kOk (what was applied in run), kUpdatesStopped, or a failure: kFileNotFound for a missing
// update folder, the catalog's failure, kInvalidData for an update GDAL cannot read (that cell
// is left as it was; cells updated before it stay updated).
HResult ApplyChartUpdates(const std::filesystem::path& databaseFolder, const std::filesystem::path& updateFolder,
                          const UpdateQuestion& ask, UpdateRun& run);

}  // namespace chartengine
