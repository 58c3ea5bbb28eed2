#pragma once
// The engine's keys in the registry store (platform/system/RegistryStore.h): where the engine's
// folder is, and which presentations each chart topic offers. Key paths may be written with or
// without a leading backslash.

#include "platform/chartengine/Guid.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace chartengine {

// Value "KeyPath" of this key: the engine's folder (databases.ini, the databases, "TIDES").
inline constexpr char kEngineKey[] = "SOFTWARE\\C-Map\\CM93v3\\Enum";
inline constexpr char kEngineFolderValue[] = "KeyPath";
// The folder of the tide harmonics file, in the engine's folder.
inline constexpr char kTidesFolderName[] = "TIDES";

// The engine's folder as the store file names it: KeyPath, a relative path taken from the store
// file's folder; nothing when the value is missing or empty.
std::optional<std::filesystem::path> EngineFolderOfStore(const std::filesystem::path& storeFile);

// "SOFTWARE\C-Map\Topics\{topic}\Pres": one subkey per presentation, with the values "Name" and
// "Path" (the folder of its palette file).
std::string TopicPresentationsKey(const Guid& topic);

// The key path without a leading backslash, as the store's sections are written.
std::string StoreKeyPath(const std::string& key);

// The names of the subkeys of key in the store file, in the order the file first names them.
// Names compare without regard to case; a key without subkeys, or a missing file, gives none.
std::vector<std::string> RegistrySubkeys(const std::filesystem::path& storeFile, const std::string& key);

}  // namespace chartengine
