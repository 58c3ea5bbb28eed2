#include "platform/chartengine/DatabaseManager.h"

#include "platform/system/IniFile.h"

#include <vector>

namespace chartengine {

namespace {

constexpr char kListSection[] = "Databases";
constexpr char kCurrentSection[] = "Current";
constexpr char kCurrentKey[] = "Name";
constexpr size_t kMaxNameLength = 64;

std::vector<std::string> InstalledNames(const platform::IniFile& list) { return list.keys(kListSection); }

}  // namespace

DatabaseManager::DatabaseManager(std::filesystem::path engineFolder) : engineFolder_(std::move(engineFolder)) {}

bool DatabaseManager::IsValidName(const std::string& name)
{
    return !name.empty() && name.size() <= kMaxNameLength && name != "." && name != ".." &&
           name.find_first_of("/\\=[]\r\n") == std::string::npos && name.front() != ' ' && name.back() != ' ';
}

HResult DatabaseManager::Count(int32_t* count) const
{
    if (!count)
        return kNullPointer;
    *count = static_cast<int32_t>(InstalledNames(platform::IniFile(engineFolder_ / kDatabaseListFileName)).size());
    return kOk;
}

HResult DatabaseManager::Name(int32_t index, std::string* name) const
{
    if (!name)
        return kNullPointer;
    const std::vector<std::string> names = InstalledNames(platform::IniFile(engineFolder_ / kDatabaseListFileName));
    if (index < 0 || index >= static_cast<int32_t>(names.size()))
        return kInvalidArgument;
    *name = names[index];
    return kOk;
}

HResult DatabaseManager::Version(int32_t index, int32_t* version) const
{
    if (!version)
        return kNullPointer;
    const platform::IniFile list(engineFolder_ / kDatabaseListFileName);
    const std::vector<std::string> names = InstalledNames(list);
    if (index < 0 || index >= static_cast<int32_t>(names.size()))
        return kInvalidArgument;
    *version = list.readInteger(kListSection, names[index], 0);
    return kOk;
}

HResult DatabaseManager::CurrentIndex(int32_t* index) const
{
    if (!index)
        return kNullPointer;
    const platform::IniFile list(engineFolder_ / kDatabaseListFileName);
    const std::vector<std::string> names = InstalledNames(list);
    if (names.empty())
        return kFail;
    const std::string current = list.readString(kCurrentSection, kCurrentKey, "");
    *index = 0;
    for (size_t i = 0; i < names.size(); ++i)
        if (names[i] == current)
            *index = static_cast<int32_t>(i);
    return kOk;
}

HResult DatabaseManager::SetCurrent(int32_t index)
{
    platform::IniFile list(engineFolder_ / kDatabaseListFileName);
    const std::vector<std::string> names = InstalledNames(list);
    if (index < 0 || index >= static_cast<int32_t>(names.size()))
        return kInvalidArgument;
    list.writeString(kCurrentSection, kCurrentKey, names[index]);
    return list.save() ? kOk : kFail;
}

HResult DatabaseManager::Install(const std::filesystem::path& sourceFolder, const std::string& name,
                                 InstallReport* report, const InstallProgress& progress)
{
    if (!report)
        return kNullPointer;
    if (!IsValidName(name))
        return kInvalidArgument;
    const HResult installed = InstallChartDatabase(sourceFolder, engineFolder_ / name, *report, progress);
    if (Failed(installed))
        return installed;
    platform::IniFile list(engineFolder_ / kDatabaseListFileName);
    list.writeInteger(kListSection, name, report->databaseVersion);
    if (list.readString(kCurrentSection, kCurrentKey, "").empty())
        list.writeString(kCurrentSection, kCurrentKey, name);
    return list.save() ? kOk : kFail;
}

HResult DatabaseManager::DatabaseFolder(const std::string& name, std::filesystem::path* folder) const
{
    if (!folder)
        return kNullPointer;
    std::string wanted = name;
    if (wanted.empty()) {
        int32_t index = 0;
        if (Failed(CurrentIndex(&index)) || Failed(Name(index, &wanted)))
            return kFileNotFound;
    }
    const std::vector<std::string> names = InstalledNames(platform::IniFile(engineFolder_ / kDatabaseListFileName));
    for (const std::string& installed : names)
        if (installed == wanted) {
            *folder = engineFolder_ / installed;
            return kOk;
        }
    return kFileNotFound;
}

}  // namespace chartengine
