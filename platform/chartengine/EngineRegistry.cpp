#include "platform/chartengine/EngineRegistry.h"

#include "platform/system/IniFile.h"
#include "platform/system/RegistryStore.h"

#include <algorithm>
#include <cctype>

namespace chartengine {

namespace {

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return text;
}

}  // namespace

std::optional<std::filesystem::path> EngineFolderOfStore(const std::filesystem::path& storeFile)
{
    const std::string folder =
        platform::RegistryStore(storeFile).readString(StoreKeyPath(kEngineKey), kEngineFolderValue).value_or("");
    if (folder.empty())
        return std::nullopt;
    const std::filesystem::path path(folder);
    return path.is_absolute() ? path : storeFile.parent_path() / path;
}

std::string TopicPresentationsKey(const Guid& topic)
{
    return "SOFTWARE\\C-Map\\Topics\\" + GuidToText(topic) + "\\Pres";
}

std::string StoreKeyPath(const std::string& key)
{
    return !key.empty() && key.front() == '\\' ? key.substr(1) : key;
}

std::vector<std::string> RegistrySubkeys(const std::filesystem::path& storeFile, const std::string& key)
{
    const std::string prefix = Lower(StoreKeyPath(key)) + "\\";
    std::vector<std::string> names;
    std::vector<std::string> seen;
    for (const std::string& section : platform::IniFile(storeFile).sections()) {
        if (section.size() <= prefix.size() || Lower(section.substr(0, prefix.size())) != prefix)
            continue;
        const std::string rest = section.substr(prefix.size());
        const std::string name = rest.substr(0, rest.find('\\'));
        if (name.empty() || std::find(seen.begin(), seen.end(), Lower(name)) != seen.end())
            continue;
        seen.push_back(Lower(name));
        names.push_back(name);
    }
    return names;
}

}  // namespace chartengine
