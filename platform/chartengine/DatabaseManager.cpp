#include "platform/chartengine/DatabaseManager.h"

#include "platform/chartengine/CellStore.h"
#include "platform/chartengine/ChartMedium.h"
#include "platform/system/IniFile.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <optional>
#include <vector>

namespace chartengine {

namespace {

constexpr char kListSection[] = "Databases";
constexpr char kFoldersSection[] = "Folders";
constexpr char kCurrentSection[] = "Current";
constexpr char kCurrentKey[] = "Name";
constexpr size_t kMaxNameLength = 64;

// The list of databases as read now; nullopt when the file is there but cannot be read.
std::optional<platform::IniFile> ReadList(const std::filesystem::path& engineFolder)
{
    const std::filesystem::path path = engineFolder / kDatabaseListFileName;
    std::error_code error;
    if (std::filesystem::exists(path, error) &&
        (std::filesystem::is_directory(path, error) || !std::ifstream(path, std::ios::binary)))
        return std::nullopt;
    return platform::IniFile(path);
}

std::vector<std::string> InstalledNames(const platform::IniFile& list) { return list.keys(kListSection); }

// The index of the installed database of exactly this name, or -1.
int32_t IndexOf(const std::vector<std::string>& names, const std::string& name)
{
    const auto found = std::find(names.begin(), names.end(), name);
    return found == names.end() ? -1 : static_cast<int32_t>(found - names.begin());
}

bool SameIgnoringCase(const std::string& a, const std::string& b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
               return std::tolower(x) == std::tolower(y);
           });
}

std::string FolderName(const platform::IniFile& list, const std::string& name)
{
    return list.readString(kFoldersSection, name, name);
}

// A folder name in the engine's folder that nothing uses: the name itself, else "<name>.<n>".
std::string FreeFolderName(const std::filesystem::path& engineFolder, const std::string& name)
{
    std::error_code error;
    std::string folder = name;
    for (int n = 1; std::filesystem::exists(engineFolder / folder, error) ||
                    std::filesystem::exists(engineFolder / (folder + ".tmp"), error);
         ++n)
        folder = name + "." + std::to_string(n);
    return folder;
}

void RemoveFolder(const std::filesystem::path& folder)
{
    std::error_code error;
    std::filesystem::remove_all(folder, error);
}

HResult StoreResult(HResult installed)
{
    if (installed == kWriteFault)
        return kStoreNotWritable;
    if (installed == kFail)
        return kNothingToInstall;
    return installed;
}

}  // namespace

DatabaseManager::DatabaseManager(std::filesystem::path engineFolder) : engineFolder_(std::move(engineFolder)) {}

DatabaseManager::~DatabaseManager()
{
    for (const auto& [name, store] : prepared_)
        RemoveFolder(engineFolder_ / store.folderName);
}

bool DatabaseManager::IsValidName(const std::string& name)
{
    return !name.empty() && name.size() <= kMaxNameLength && name != "." && name != ".." &&
           name.find_first_of("/\\=[]\r\n") == std::string::npos && name.front() != ' ' && name.back() != ' ';
}

std::string DatabaseManager::MediumName(const std::filesystem::path& medium)
{
    std::filesystem::path folder = std::filesystem::absolute(medium).lexically_normal();
    if (!folder.has_filename())
        folder = folder.parent_path();
    return folder.filename().string();
}

HResult DatabaseManager::Count(int32_t* count) const
{
    if (!count)
        return kNullPointer;
    const std::optional<platform::IniFile> list = ReadList(engineFolder_);
    if (!list)
        return kListUnreadable;
    *count = static_cast<int32_t>(InstalledNames(*list).size());
    return kOk;
}

HResult DatabaseManager::Name(int32_t index, std::string* name) const
{
    if (!name)
        return kNullPointer;
    const std::optional<platform::IniFile> list = ReadList(engineFolder_);
    if (!list)
        return kListUnreadable;
    const std::vector<std::string> names = InstalledNames(*list);
    if (index < 0 || index >= static_cast<int32_t>(names.size()))
        return kInvalidArgument;
    *name = names[index];
    return kOk;
}

HResult DatabaseManager::Version(int32_t index, int32_t* version) const
{
    if (!version)
        return kNullPointer;
    const std::optional<platform::IniFile> list = ReadList(engineFolder_);
    if (!list)
        return kListUnreadable;
    const std::vector<std::string> names = InstalledNames(*list);
    if (index < 0 || index >= static_cast<int32_t>(names.size()))
        return kInvalidArgument;
    *version = list->readInteger(kListSection, names[index], 0);
    return kOk;
}

HResult DatabaseManager::CurrentIndex(int32_t* index) const
{
    if (!index)
        return kNullPointer;
    *index = -1;
    const std::optional<platform::IniFile> list = ReadList(engineFolder_);
    if (!list)
        return kListUnreadable;
    const std::vector<std::string> names = InstalledNames(*list);
    if (names.empty())
        return kFail;
    *index = std::max(IndexOf(names, list->readString(kCurrentSection, kCurrentKey, "")), 0);
    return kOk;
}

HResult DatabaseManager::SetCurrent(int32_t index)
{
    std::optional<platform::IniFile> list = ReadList(engineFolder_);
    if (!list)
        return kListUnreadable;
    const std::vector<std::string> names = InstalledNames(*list);
    if (index < 0 || index >= static_cast<int32_t>(names.size()))
        return kNoSuchDatabase;
    list->writeString(kCurrentSection, kCurrentKey, names[index]);
    return list->save() ? kOk : kListNotWritable;
}

HResult DatabaseManager::Identify(const std::filesystem::path& medium, std::string* name, int32_t* version) const
{
    if (!name || !version)
        return kNullPointer;
    const std::string mediumName = MediumName(medium);
    ChartMedium content;
    if (!IsValidName(mediumName) || Failed(ReadChartMedium(medium, content)))
        return kMediumUnreadable;
    const std::optional<int32_t> newest = MediumVersion(content);
    if (!newest)
        return kNothingToInstall;
    *name = mediumName;
    *version = *newest;
    return kOk;
}

HResult DatabaseManager::BuildStore(const std::string& name, const std::filesystem::path& keptFrom,
                                    const std::filesystem::path& sourceFolder, InstallReport& report,
                                    const InstallProgress& progress, PreparedStore& store)
{
    report = InstallReport{};
    ChartMedium medium;
    if (Failed(ReadChartMedium(sourceFolder, medium)))
        return kMediumUnreadable;
    std::optional<ChartMedium> kept = ChartMedium{};
    std::error_code error;
    const std::filesystem::path keptFolder = CellSourceFolder(keptFrom);
    if (!keptFrom.empty() && Failed(ReadChartMedium(keptFolder, *kept)))
        kept.reset();
    const InstallPlan plan = PlanInstall(kept ? &*kept : nullptr, medium);
    report.messages = plan.messages;
    if (plan.touched.empty()) {
        report.messages.push_back("nothing on the medium could be installed");
        return kNothingToInstall;
    }

    store.folderName = FreeFolderName(engineFolder_, name);
    const std::filesystem::path folder = engineFolder_ / store.folderName;
    const std::filesystem::path sources = CellSourceFolder(folder);
    std::filesystem::create_directories(sources, error);
    for (const std::filesystem::path& file : plan.files) {
        if (error)
            break;
        std::filesystem::copy_file(file, sources / file.filename(), error);
    }
    if (error) {
        RemoveFolder(folder);
        report.messages.push_back(folder.string() + ": the store cannot be written (" + error.message() + ")");
        return kStoreNotWritable;
    }
    InstallReport built;
    const HResult installed =
        InstallChartDatabase(sources, folder, built, progress, ReusedCells{keptFrom, kept ? plan.reused : std::set<std::string>{}});
    report.messages.insert(report.messages.end(), built.messages.begin(), built.messages.end());
    report.cellsInstalled = built.cellsInstalled;
    report.cellsSkipped = built.cellsSkipped + static_cast<int32_t>(plan.messages.size());
    report.databaseVersion = built.databaseVersion;
    if (Failed(installed)) {
        RemoveFolder(folder);
        return StoreResult(installed);
    }
    store.version = built.databaseVersion;
    return kOk;
}

HResult DatabaseManager::ListStore(const std::string& name, const PreparedStore& store)
{
    std::optional<platform::IniFile> list = ReadList(engineFolder_);
    if (!list)
        return kListUnreadable;
    list->writeInteger(kListSection, name, store.version);
    if (store.folderName == name)
        list->eraseKey(kFoldersSection, name);
    else
        list->writeString(kFoldersSection, name, store.folderName);
    if (list->readString(kCurrentSection, kCurrentKey, "").empty())
        list->writeString(kCurrentSection, kCurrentKey, name);
    return list->save() ? kOk : kListNotWritable;
}

void DatabaseManager::DropPrepared(const std::string& name)
{
    const auto found = prepared_.find(name);
    if (found == prepared_.end())
        return;
    RemoveFolder(engineFolder_ / found->second.folderName);
    prepared_.erase(found);
}

HResult DatabaseManager::Install(const std::filesystem::path& sourceFolder, const std::string& name,
                                 InstallReport* report, const InstallProgress& progress)
{
    if (!report)
        return kNullPointer;
    if (!IsValidName(name))
        return kInvalidArgument;
    const std::optional<platform::IniFile> list = ReadList(engineFolder_);
    if (!list)
        return kListUnreadable;
    const std::vector<std::string> names = InstalledNames(*list);
    const bool replacing = IndexOf(names, name) >= 0;
    if (!replacing && std::any_of(names.begin(), names.end(), [&](const std::string& n) { return SameIgnoringCase(n, name); }))
        return kInvalidArgument;
    const std::string oldFolder = FolderName(*list, name);
    PreparedStore store;
    HResult result = BuildStore(name, {}, sourceFolder, *report, progress, store);
    if (Failed(result))
        return result == kMediumUnreadable ? kFileNotFound : result;
    result = ListStore(name, store);
    if (Failed(result)) {
        RemoveFolder(engineFolder_ / store.folderName);
        return result;
    }
    DropPrepared(name);
    if (replacing && oldFolder != store.folderName)
        RemoveFolder(engineFolder_ / oldFolder);
    return kOk;
}

HResult DatabaseManager::InstallFromMedium(const std::filesystem::path& medium, std::string* name,
                                           InstallReport* report)
{
    if (!name || !report)
        return kNullPointer;
    *report = InstallReport{};
    const std::string mediumName = MediumName(medium);
    if (!IsValidName(mediumName)) {
        report->messages.push_back("\"" + mediumName + "\" cannot name a chart database");
        return kMediumUnreadable;
    }
    const std::optional<platform::IniFile> list = ReadList(engineFolder_);
    if (!list)
        return kListUnreadable;
    if (IndexOf(InstalledNames(*list), mediumName) < 0) {
        const HResult result = Install(medium, mediumName, report, progress_);
        if (!Failed(result))
            *name = mediumName;
        return result == kFileNotFound ? kMediumUnreadable : result;
    }
    DropPrepared(mediumName);
    PreparedStore store;
    const HResult result =
        BuildStore(mediumName, engineFolder_ / FolderName(*list, mediumName), medium, *report, progress_, store);
    if (Failed(result))
        return result;
    prepared_[mediumName] = store;
    *name = mediumName;
    return kOk;
}

HResult DatabaseManager::Update(const std::string& name)
{
    const std::optional<platform::IniFile> list = ReadList(engineFolder_);
    if (!list)
        return kListUnreadable;
    if (IndexOf(InstalledNames(*list), name) < 0)
        return kNoSuchDatabase;
    const auto prepared = prepared_.find(name);
    if (prepared == prepared_.end())
        return kNothingToInstall;
    const std::string oldFolder = FolderName(*list, name);
    const HResult result = ListStore(name, prepared->second);
    if (Failed(result))
        return result;
    prepared_.erase(prepared);
    RemoveFolder(engineFolder_ / oldFolder);
    return kOk;
}

HResult DatabaseManager::Remove(int32_t index)
{
    std::optional<platform::IniFile> list = ReadList(engineFolder_);
    if (!list)
        return kListUnreadable;
    std::vector<std::string> names = InstalledNames(*list);
    if (index < 0 || index >= static_cast<int32_t>(names.size()))
        return kNoSuchDatabase;
    const std::string name = names[index];
    const std::string folder = FolderName(*list, name);
    const bool wasCurrent = list->readString(kCurrentSection, kCurrentKey, "") == name;
    list->eraseKey(kListSection, name);
    list->eraseKey(kFoldersSection, name);
    names.erase(names.begin() + index);
    if (names.empty())
        list->eraseKey(kCurrentSection, kCurrentKey);
    else if (wasCurrent)
        list->writeString(kCurrentSection, kCurrentKey, names.front());
    if (!list->save())
        return kListNotWritable;
    DropPrepared(name);
    RemoveFolder(engineFolder_ / folder);
    return kOk;
}

HResult DatabaseManager::DatabaseFolder(const std::string& name, std::filesystem::path* folder) const
{
    if (!folder)
        return kNullPointer;
    const std::optional<platform::IniFile> list = ReadList(engineFolder_);
    if (!list)
        return kFileNotFound;
    const std::vector<std::string> names = InstalledNames(*list);
    std::string wanted = name;
    if (wanted.empty()) {
        int32_t index = 0;
        if (Failed(CurrentIndex(&index)))
            return kFileNotFound;
        wanted = names[index];
    }
    if (IndexOf(names, wanted) < 0)
        return kFileNotFound;
    *folder = engineFolder_ / FolderName(*list, wanted);
    return kOk;
}

}  // namespace chartengine
