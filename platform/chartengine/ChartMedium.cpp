#include "platform/chartengine/ChartMedium.h"

#include "platform/chartengine/ChartDatabaseInstaller.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <fstream>
#include <iterator>

namespace chartengine {

namespace {

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return text;
}

// The number of an S-57 file's extension (".000" 0, ".001" 1 ...), or -1.
int32_t S57FileNumber(const std::string& extension)
{
    if (extension.size() != 4 || extension[0] != '.' ||
        !std::all_of(extension.begin() + 1, extension.end(), [](unsigned char c) { return std::isdigit(c); }))
        return -1;
    return std::stoi(extension.substr(1));
}

std::string UpdateFileName(const std::string& cell, int32_t number)
{
    char extension[8];
    std::snprintf(extension, sizeof extension, ".%03d", number);
    return cell + extension;
}

bool UsableUsage(const MediumFile& base)
{
    return base.identification.intendedUsage >= 1 && base.identification.intendedUsage <= 6;
}

bool SameContent(const std::filesystem::path& a, const std::filesystem::path& b)
{
    std::error_code error;
    if (std::filesystem::file_size(a, error) != std::filesystem::file_size(b, error) || error)
        return false;
    std::ifstream first(a, std::ios::binary), second(b, std::ios::binary);
    return std::equal(std::istreambuf_iterator<char>(first), std::istreambuf_iterator<char>(),
                      std::istreambuf_iterator<char>(second), std::istreambuf_iterator<char>());
}

std::vector<std::filesystem::path> SearchMedium(const std::filesystem::path& folder, std::vector<std::string>& messages)
{
    std::vector<std::filesystem::path> files;
    std::error_code error;
    int visited = 0;
    auto it = std::filesystem::recursive_directory_iterator(
        folder, std::filesystem::directory_options::skip_permission_denied, error);
    for (; !error && it != std::filesystem::recursive_directory_iterator(); it.increment(error)) {
        if (++visited > kMediumSearchEntries) {
            messages.push_back(folder.string() + ": the search stopped after " +
                               std::to_string(kMediumSearchEntries) + " entries");
            break;
        }
        if (it.depth() >= kMediumSearchDepth - 1)
            it.disable_recursion_pending();
        std::error_code kindError;
        if (it->is_regular_file(kindError))
            files.push_back(it->path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

void TakeUpdates(const std::string& name, const MediumCell& medium, const MediumFile& base, int32_t applied,
                 InstallPlan& plan, bool& touched)
{
    int32_t next = applied + 1;
    for (const auto& [number, update] : medium.updates) {
        const std::string file = UpdateFileName(name, number);
        if (update.identification.edition != base.identification.edition) {
            plan.messages.push_back(file + ": an update of edition " + std::to_string(update.identification.edition) +
                                    ", not of edition " + std::to_string(base.identification.edition) +
                                    "; it is skipped");
        } else if (number < next) {
            plan.messages.push_back(file + ": update " + std::to_string(number) + " is applied already; it is skipped");
        } else if (number > next) {
            plan.messages.push_back(file + ": update " + std::to_string(number) + " does not follow update " +
                                    std::to_string(next - 1) + " (update " + std::to_string(next) +
                                    " is missing); it and the later updates of the cell are skipped");
            return;
        } else {
            plan.files.push_back(update.path);
            touched = true;
            ++next;
        }
    }
}

}  // namespace

HResult ReadChartMedium(const std::filesystem::path& folder, ChartMedium& medium)
{
    medium = ChartMedium{};
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error))
        return kFileNotFound;
    std::filesystem::directory_iterator probe(folder, error);
    if (error)
        return kFileNotFound;
    for (const std::filesystem::path& path : SearchMedium(folder, medium.messages)) {
        const std::string extension = Lower(path.extension().string());
        const std::string fileName = path.filename().string();
        if (extension == ".geojson") {
            if (!medium.landFiles.emplace(fileName, path).second)
                medium.messages.push_back(path.string() + ": a second file of this name; it is skipped");
            continue;
        }
        const int32_t number = S57FileNumber(extension);
        if (number < 0)
            continue;
        MediumFile file{path, {}};
        std::string problem;
        if (Failed(ReadS57Identification(path, file.identification, problem))) {
            medium.messages.push_back(fileName + ": " + problem + "; it is skipped");
            continue;
        }
        MediumCell& cell = medium.cells[path.stem().string()];
        const bool taken = number == 0 ? !cell.base && (cell.base = file, true)
                                       : cell.updates.emplace(number, file).second;
        if (!taken)
            medium.messages.push_back(path.string() + ": a second file of this name; it is skipped");
    }
    return kOk;
}

std::optional<int32_t> MediumVersion(const ChartMedium& medium)
{
    std::optional<int32_t> version;
    const auto take = [&](const MediumFile& file) { version = std::max(version.value_or(0), file.identification.issueDate); };
    for (const auto& [name, cell] : medium.cells) {
        if (!cell.base) {
            for (const auto& [number, update] : cell.updates)
                take(update);
            continue;
        }
        if (!UsableUsage(*cell.base))
            continue;
        take(*cell.base);
        int32_t next = 1;
        for (const auto& [number, update] : cell.updates)
            if (number == next && update.identification.edition == cell.base->identification.edition) {
                take(update);
                ++next;
            }
    }
    if (!medium.landFiles.empty())
        version = version.value_or(0);
    return version;
}

InstallPlan PlanInstall(const ChartMedium* kept, const ChartMedium& medium)
{
    InstallPlan plan;
    plan.messages = medium.messages;
    std::set<std::string> names;
    for (const auto& [name, cell] : medium.cells)
        names.insert(name);
    if (kept)
        for (const auto& [name, cell] : kept->cells)
            names.insert(name);
    for (const std::string& name : names) {
        const MediumCell* keptCell = nullptr;
        if (kept && kept->cells.contains(name))
            keptCell = &kept->cells.at(name);
        const MediumCell* mediumCell = medium.cells.contains(name) ? &medium.cells.at(name) : nullptr;
        const MediumFile* mediumBase = mediumCell && mediumCell->base ? &*mediumCell->base : nullptr;
        if (mediumBase && !UsableUsage(*mediumBase)) {
            plan.messages.push_back(UnusableUsageMessage(name, mediumBase->identification.intendedUsage));
            mediumBase = nullptr;
        }
        const MediumFile* keptBase = keptCell && keptCell->base ? &*keptCell->base : nullptr;
        bool touched = false;
        const MediumFile* base = keptBase;
        int32_t applied = 0;
        if (mediumBase && (!keptBase || mediumBase->identification.edition > keptBase->identification.edition)) {
            base = mediumBase;
            touched = true;
            plan.files.push_back(base->path);
        } else if (keptBase) {
            if (mediumBase && mediumBase->identification.edition < keptBase->identification.edition)
                plan.messages.push_back(name + ".000: edition " + std::to_string(mediumBase->identification.edition) +
                                        " is older than the installed edition " +
                                        std::to_string(keptBase->identification.edition) + "; it is skipped");
            plan.files.push_back(keptBase->path);
            for (const auto& [number, update] : keptCell->updates) {
                plan.files.push_back(update.path);
                applied = number;
            }
        }
        if (!base) {
            if (mediumCell && !mediumCell->base)
                for (const auto& [number, update] : mediumCell->updates)
                    plan.messages.push_back(
                        UpdateFileName(name, number) + ": an update for a cell the database does not hold; it is skipped" +
                        (kept ? "" : " (the database keeps no S-57 files to update: install the full medium)"));
            continue;
        }
        if (mediumCell)
            TakeUpdates(name, *mediumCell, *base, applied, plan, touched);
        (touched ? plan.touched : plan.reused).insert(name);
    }
    // A land file replaces the kept one of its name when it differs.
    std::map<std::string, std::filesystem::path> landFiles = medium.landFiles;
    if (kept)
        for (const auto& [fileName, path] : kept->landFiles) {
            const auto fromMedium = landFiles.find(fileName);
            if (fromMedium != landFiles.end() && !SameContent(fromMedium->second, path))
                continue;
            plan.files.push_back(path);
            plan.reused.insert(std::filesystem::path(fileName).stem().string());
            landFiles.erase(fileName);
        }
    for (const auto& [fileName, path] : landFiles) {
        plan.files.push_back(path);
        plan.touched.insert(std::filesystem::path(fileName).stem().string());
    }
    return plan;
}

}  // namespace chartengine
