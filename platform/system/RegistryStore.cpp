#include "platform/system/RegistryStore.h"

#include <charconv>
#include <cstdlib>

namespace platform {

RegistryStore::RegistryStore(std::filesystem::path storeFile)
    : storeFile_(std::move(storeFile)), store_(storeFile_)
{
}

std::optional<std::string> RegistryStore::readString(const std::string& keyPath,
                                                     const std::string& name) const
{
    if (!store_.hasKey(keyPath, name))
        return std::nullopt;
    return store_.readString(keyPath, name, "");
}

std::optional<uint32_t> RegistryStore::readDword(const std::string& keyPath,
                                                 const std::string& name) const
{
    const std::optional<std::string> text = readString(keyPath, name);
    if (!text || text->empty())
        return std::nullopt;
    const char* first = text->data();
    const char* last = first + text->size();
    int base = 10;
    if (text->size() > 2 && (*text)[0] == '0' && ((*text)[1] == 'x' || (*text)[1] == 'X')) {
        first += 2;
        base = 16;
    }
    uint32_t value = 0;
    const auto [end, error] = std::from_chars(first, last, value, base);
    if (error != std::errc() || end != last)
        return std::nullopt;
    return value;
}

bool RegistryStore::keyExists(const std::string& keyPath) const
{
    return store_.hasSection(keyPath);
}

std::filesystem::path DefaultRegistryStoreFile(const std::filesystem::path& programFolder)
{
    if (const char* file = std::getenv("VARNIK_REGISTRY"); file && *file)
        return file;
    return programFolder / "registry.ini";
}

}  // namespace platform
