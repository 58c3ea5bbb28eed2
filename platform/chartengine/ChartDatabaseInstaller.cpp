#include "platform/chartengine/ChartDatabaseInstaller.h"

#include "platform/chartengine/CellStore.h"
#include "platform/chartengine/ChartSourceReader.h"

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

void RemoveStaleCells(const std::filesystem::path& databaseFolder, const std::set<std::string>& installed)
{
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(databaseFolder, error))
        if (entry.path().extension() == kCellFileExtension && !installed.contains(entry.path().stem().string()))
            std::filesystem::remove(entry.path(), error);
}

// Copies the stored form of a cell of an earlier installation; false when it is not there.
bool CopyStoredCell(const std::string& name, const Catalog& previous, const std::filesystem::path& previousFolder,
                    const std::filesystem::path& databaseFolder, Catalog& catalog)
{
    const auto entry = std::find_if(previous.cells.begin(), previous.cells.end(),
                                    [&](const CatalogCell& cell) { return cell.name == name; });
    if (entry == previous.cells.end())
        return false;
    std::error_code error;
    std::filesystem::copy_file(CellFilePath(previousFolder, name), CellFilePath(databaseFolder, name),
                               std::filesystem::copy_options::overwrite_existing, error);
    if (error)
        return false;
    catalog.databaseVersion = std::max(catalog.databaseVersion, entry->issueDate);
    catalog.cells.push_back(*entry);
    return true;
}

}  // namespace

std::string UnusableUsageMessage(const std::string& cell, int32_t intendedUsage)
{
    return cell + ": intended usage " + std::to_string(intendedUsage) + " is not one of 1 to 6; the cell is skipped";
}

HResult InstallChartDatabase(const std::filesystem::path& sourceFolder, const std::filesystem::path& databaseFolder,
                             InstallReport& report, const InstallProgress& progress, const ReusedCells& reused)
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
        return kWriteFault;
    Catalog previous;
    if (!reused.names.empty() && Failed(ReadCatalog(reused.databaseFolder, previous)))
        previous = Catalog{};

    const std::vector<Source> sources = FindSources(sourceFolder);
    Catalog catalog;
    std::set<std::string> installed;
    for (size_t i = 0; i < sources.size(); ++i) {
        const Source& source = sources[i];
        const std::string name = source.path.stem().string();
        if (reused.names.contains(name) && !installed.contains(name) &&
            CopyStoredCell(name, previous, reused.databaseFolder, databaseFolder, catalog)) {
            installed.insert(name);
            if (progress)
                progress(static_cast<int>((i + 1) * 100 / sources.size()));
            continue;
        }
        SourceCell cell;
        std::string problem;
        const HResult read = source.kind == SourceKind::S57Cell ? ReadS57Cell(source.path, *dictionary, cell, problem)
                                                                : ReadLandAreas(source.path, cell, problem);
        for (const std::string& warning : cell.warnings)
            report.messages.push_back(name + ": " + warning);
        const int32_t band = UsageBand(cell, source.kind);
        if (Failed(read))
            problem = name + ": " + problem + "; the cell is skipped";
        else if (band < 0)
            problem = UnusableUsageMessage(name, cell.intendedUsage);
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
            if (Failed(WriteCellFile(CellFilePath(databaseFolder, name), data))) {
                report.messages.push_back(name + ": the cell file could not be written");
                return kWriteFault;
            }
            installed.insert(name);
            catalog.databaseVersion = std::max(catalog.databaseVersion, entry.issueDate);
            catalog.cells.push_back(std::move(entry));
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
        return kWriteFault;
    RemoveStaleCells(databaseFolder, installed);
    report.cellsInstalled = static_cast<int32_t>(catalog.cells.size());
    report.databaseVersion = catalog.databaseVersion;
    return kOk;
}

}  // namespace chartengine
