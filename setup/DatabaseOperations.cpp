#include "setup/DatabaseOperations.h"

#include "platform/system/IniFile.h"

#include <algorithm>

namespace {

constexpr char kWorldDatabaseName[] = "World";

bool IndexInList(const SetupState& state, int32_t index)
{
    return index >= 0 && index < static_cast<int32_t>(state.installed.size());
}

// Reads the list again and rewrites User.ini after a successful change.
int AfterChange(SetupState& state, int result)
{
    if (result == 0) {
        EnumInstalledDatabases(state);
        WriteDatabaseIni(state);
    }
    return result;
}

}  // namespace

int ResultOfStatus(chartengine::HResult status, std::initializer_list<int> known)
{
    if (status == chartengine::kOk)
        return 0;
    int result = 1;
    switch (static_cast<uint32_t>(status)) {
    case 0xE0000009u: result = 2; break;
    case 0xE0000001u: result = 3; break;
    case 0xE0000002u: result = 4; break;
    case 0xE0000003u: result = 5; break;
    case 0xE0000006u: result = 6; break;
    case 0xE0000008u: result = 7; break;
    default: break;
    }
    return std::find(known.begin(), known.end(), result) != known.end() ? result : 1;
}

void EnumInstalledDatabases(SetupState& state)
{
    if (!state.manager)
        return;
    state.installed.clear();
    state.worldPresent = 0;
    int32_t count = 0;
    state.manager->Count(&count);
    int32_t defaultIndex = -1;
    if (chartengine::Failed(state.manager->CurrentIndex(&defaultIndex)))
        defaultIndex = -1;
    state.defaultIndex = defaultIndex;
    for (int32_t i = 0; i < count; ++i) {
        InstalledDatabase entry;
        if (chartengine::Failed(state.manager->Name(i, &entry.name)))
            entry.name.clear();
        state.manager->Version(i, &entry.version);
        entry.isDefault = i == defaultIndex ? 1 : 0;
        if (entry.name == kWorldDatabaseName)
            state.worldPresent = 1;
        state.installed.push_back(std::move(entry));
    }
    state.mapsInstalled = state.installed.empty() ? 0 : 1;
}

void IdentifyCdDatabase(SetupState& state)
{
    std::string name;
    int32_t version = 0;
    if (!state.manager || chartengine::Failed(state.manager->Identify(state.mediumPath, &name, &version)) ||
        name.empty()) {
        state.mediumDatabaseName.clear();
        state.mediumDatabaseVersion = 0;
        state.mediumFound = 0;
        state.mediumState = kMediumNoDatabase;
        state.mediumIndex = -1;
        return;
    }
    state.mediumDatabaseName = name;
    state.mediumDatabaseVersion = version;
    state.mediumFound = 1;
    state.mediumState = kMediumNotInstalled;
    state.mediumIndex = -1;
    for (size_t i = 0; i < state.installed.size(); ++i) {
        const InstalledDatabase& entry = state.installed[i];
        if (entry.name.empty() || entry.name != name)
            continue;
        state.mediumIndex = static_cast<int32_t>(i);
        state.mediumState = entry.version == version ? kMediumSameVersion
                            : entry.version > version ? kMediumOlder
                                                      : kMediumNewer;
        break;
    }
}

int InstallDatabase(SetupState& state)
{
    if (!state.manager)
        return 1;
    const bool first = state.installed.empty();
    std::string name;
    chartengine::InstallReport report;
    int result = ResultOfStatus(state.manager->InstallFromMedium(state.mediumPath, &name, &report));
    state.skippedFiles = report.messages;
    if (result == 0 && first)
        result = ResultOfStatus(state.manager->SetCurrent(0));
    return AfterChange(state, result);
}

int UpdateDatabase(SetupState& state)
{
    if (!state.manager || !IndexInList(state, state.mediumIndex))
        return 1;
    std::string name;
    chartengine::InstallReport report;
    int result = ResultOfStatus(state.manager->InstallFromMedium(state.mediumPath, &name, &report));
    state.skippedFiles = report.messages;
    if (result == 0)
        result = ResultOfStatus(state.manager->Update(name));
    return AfterChange(state, result);
}

int RemoveDatabase(SetupState& state, int32_t index)
{
    if (!state.manager || !IndexInList(state, index))
        return 1;
    return AfterChange(state, ResultOfStatus(state.manager->Remove(index), {4, 6, 7}));
}

int SetDefaultDatabase(SetupState& state, int32_t index)
{
    if (!state.manager || !IndexInList(state, index))
        return 1;
    return AfterChange(state, ResultOfStatus(state.manager->SetCurrent(index), {4, 7}));
}

bool WriteDatabaseIni(const SetupState& state)
{
    platform::IniFile file(state.setupFolder / kUserIniFileName);
    for (const std::string& key : file.keys(kUserIniSection))
        file.eraseKey(kUserIniSection, key);
    for (const InstalledDatabase& entry : state.installed) {
        if (entry.name.empty())
            continue;
        file.writeInteger(kUserIniSection, entry.name, entry.version);
        if (entry.isDefault)
            file.writeString(kUserIniSection, "DEFAULT", entry.name + "(" + std::to_string(entry.version) + ")");
    }
    return file.save();
}
