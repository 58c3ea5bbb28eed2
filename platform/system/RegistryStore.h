#pragma once
// The HKEY_LOCAL_MACHINE keys the programs read, kept in an INI-format store file: each registry
// key path is a section ("SOFTWARE\Maker\Product"), each value a key of that section. Reading
// only: the programs never write the registry; the store file is laid out by the installer.
// Key paths and value names match without regard to case; the file is read once, on construction.

#include "platform/system/IniFile.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace platform {

class RegistryStore {
public:
    explicit RegistryStore(std::filesystem::path storeFile);

    // The value of name under keyPath, or nothing when the key or value is absent.
    std::optional<std::string> readString(const std::string& keyPath, const std::string& name) const;
    // A value written as a decimal or "0x" hexadecimal number within 32 bits; nothing otherwise.
    std::optional<uint32_t> readDword(const std::string& keyPath, const std::string& name) const;
    bool keyExists(const std::string& keyPath) const;

private:
    std::filesystem::path storeFile_;
    IniFile store_;
};

// The store of this machine: $VARNIK_REGISTRY when set, else "registry.ini" in the program folder.
std::filesystem::path DefaultRegistryStoreFile(const std::filesystem::path& programFolder);

}  // namespace platform
