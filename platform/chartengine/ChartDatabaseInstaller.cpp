#include "platform/chartengine/ChartDatabaseInstaller.h"

#include "platform/chartengine/CellStore.h"
#include "platform/chartengine/ChartSourceReader.h"
#include "platform/chartengine/ChartUpdates.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <set>
#include <system_error>

namespace chartengine {

namespace {

enum class SourceKind { S57Cell, LandAreas };

struct Source {
    std::filesystem::path path;
    SourceKind kind;
};

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return text;
}

std::vector<Source> FindSources(const std::filesystem::path& folder)
{
    std::vector<Source> sources;
    std::error_code error;
    for (auto it = std::filesystem::recursive_directory_iterator(folder, error);
         !error && it != std::filesystem::recursive_directory_iterator(); it.increment(error)) {
        if (!it->is_regular_file(error))
            continue;
        const std::string extension = Lower(it->path().extension().string());
        if (extension == ".000")
            sources.push_back({it->path(), SourceKind::S57Cell});
        else if (extension == ".geojson")
            sources.push_back({it->path(), SourceKind::LandAreas});
    }
    std::sort(sources.begin(), sources.end(), [](const Source& a, const Source& b) { return a.path < b.path; });
    return sources;
}

// The usage band of a source, or -1 when its intended usage is not one S-57 defines.
int32_t UsageBand(const SourceCell& cell, SourceKind kind)
{
    if (kind == SourceKind::LandAreas)
        return 0;
    return cell.intendedUsage >= 1 && cell.intendedUsage <= 6 ? cell.intendedUsage : -1;
}

// Removes the kept S-57 files of the cell name, or of every cell not in installed.
void RemoveKeptSources(const std::filesystem::path& databaseFolder, const std::set<std::string>& installed,
                       const std::string& name = {})
{
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(CellSourceFolder(databaseFolder), error)) {
        const std::string stem = entry.path().stem().string();
        if (name.empty() ? !installed.contains(stem) : stem == name)
            std::filesystem::remove(entry.path(), error);
    }
}

void RemoveStaleCells(const std::filesystem::path& databaseFolder, const std::set<std::string>& installed)
{
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(databaseFolder, error))
        if (entry.path().extension() == kCellFileExtension && !installed.contains(entry.path().stem().string()))
            std::filesystem::remove(entry.path(), error);
    RemoveKeptSources(databaseFolder, installed);
}

// Keeps the base cell and the updates GDAL applied beside it (.001 on, up to the first missing
// number) in the database, so that later updates can be applied over them. False when they could
// not be copied.
bool KeepCellSources(const std::filesystem::path& baseCell, const std::filesystem::path& databaseFolder,
                     const std::string& name)
{
    const std::filesystem::path kept = CellSourceFolder(databaseFolder);
    std::error_code error;
    std::filesystem::create_directories(kept, error);
    RemoveKeptSources(databaseFolder, {}, name);
    std::filesystem::path source = baseCell;
    for (int number = 0; number <= kLastUpdateNumber && !error; ++number) {
        source.replace_extension(UpdateExtension(number));
        if (number > 0 && !std::filesystem::exists(source, error))
            break;
        std::filesystem::copy_file(source, kept / (name + UpdateExtension(number)),
                                   std::filesystem::copy_options::overwrite_existing, error);
    }
    return !error;
}

}  // namespace

HResult InstallChartDatabase(const std::filesystem::path& sourceFolder, const std::filesystem::path& databaseFolder,
                             InstallReport& report, const InstallProgress& progress)
{
    report = InstallReport{};
    std::error_code error;
    if (!std::filesystem::is_directory(sourceFolder, error))
        return kFileNotFound;
    const ChartDictionary* dictionary = ChartDictionary::Shared();
    if (!dictionary) {
        report.messages.push_back("the S-57 object catalogue of GDAL (s57objectclasses.csv) was not found");
        return kFail;
    }
    std::filesystem::create_directories(databaseFolder, error);
    if (error)
        return kFail;

    const std::vector<Source> sources = FindSources(sourceFolder);
    Catalog catalog;
    std::set<std::string> installed;
    for (size_t i = 0; i < sources.size(); ++i) {
        const Source& source = sources[i];
        SourceCell cell;
        std::string problem;
        const HResult read = source.kind == SourceKind::S57Cell ? ReadS57Cell(source.path, *dictionary, cell, problem)
                                                                : ReadLandAreas(source.path, cell, problem);
        const std::string name = source.path.stem().string();
        for (const std::string& warning : cell.warnings)
            report.messages.push_back(name + ": " + warning);
        const int32_t band = UsageBand(cell, source.kind);
        if (Failed(read))
            problem = name + ": " + problem + "; the cell is skipped";
        else if (band < 0)
            problem = name + ": intended usage " + std::to_string(cell.intendedUsage) +
                      " is not one of 1 to 6; the cell is skipped";
        else if (name.size() >= sizeof(CatalogCellRecord::name))
            problem = name + ": the name is longer than 31 characters; the cell is skipped";
        else if (installed.contains(name))
            problem = name + ": a cell of this name is installed already; this one is skipped";
        if (problem.empty()) {
            CatalogCell entry;
            entry.name = name;
            entry.usageBand = band;
            entry.intendedUsage = cell.intendedUsage;
            entry.compilationScale = cell.compilationScale;
            entry.edition = cell.edition;
            entry.updateNumber = cell.updateNumber;
            entry.issueDate = cell.issueDate;
            entry.coverage = std::move(cell.coverage);
            const CellData data = cell.builder.finish();
            // The world base stands for the whole earth, sea included.
            entry.bounds = source.kind == SourceKind::LandAreas
                               ? cmgbase::GeoRect{-INT32_MAX, -(1 << 30), INT32_MAX, 1 << 30}
                               : data.bounds;
            entry.objectCount = static_cast<uint32_t>(data.objects.size());
            if (Failed(WriteCellFile(CellFilePath(databaseFolder, name), data)))
                problem = name + ": the cell file could not be written; the cell is skipped";
            else {
                if (source.kind == SourceKind::S57Cell && !KeepCellSources(source.path, databaseFolder, name))
                    report.messages.push_back(name + ": its S-57 files could not be kept; updates cannot be applied to it");
                installed.insert(name);
                catalog.databaseVersion = std::max(catalog.databaseVersion, entry.issueDate);
                catalog.cells.push_back(std::move(entry));
            }
        }
        if (!problem.empty()) {
            report.messages.push_back(problem);
            ++report.cellsSkipped;
        }
        if (progress)
            progress(static_cast<int>((i + 1) * 100 / sources.size()));
    }
    if (catalog.cells.empty()) {
        report.messages.push_back("no chart cell was found or could be installed");
        return kFail;
    }
    if (Failed(WriteCatalog(databaseFolder, catalog)))
        return kFail;
    RemoveStaleCells(databaseFolder, installed);
    report.cellsInstalled = static_cast<int32_t>(catalog.cells.size());
    report.databaseVersion = catalog.databaseVersion;
    return kOk;
}

}  // namespace chartengine
