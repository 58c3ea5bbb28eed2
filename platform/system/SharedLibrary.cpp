#include "platform/system/SharedLibrary.h"

#include <algorithm>
#include <dlfcn.h>
#include <string_view>
#include <utility>

namespace platform {

SharedLibrary::~SharedLibrary()
{
    unload();
}

SharedLibrary::SharedLibrary(SharedLibrary&& other) noexcept
    : handle_(std::exchange(other.handle_, nullptr))
{
}

SharedLibrary& SharedLibrary::operator=(SharedLibrary&& other) noexcept
{
    if (this != &other) {
        unload();
        handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
}

bool SharedLibrary::load(const std::filesystem::path& folder, const std::string& windowsName)
{
    unload();
    // A path with a folder part keeps dlopen from searching the system's library folders.
    const std::filesystem::path file = (folder.empty() ? std::filesystem::path(".") : folder)
        / fileNameFor(windowsName);
    handle_ = ::dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
    return handle_ != nullptr;
}

void SharedLibrary::unload()
{
    if (handle_) {
        ::dlclose(handle_);
        handle_ = nullptr;
    }
}

void* SharedLibrary::symbol(const std::string& name) const
{
    return handle_ ? ::dlsym(handle_, name.c_str()) : nullptr;
}

std::string SharedLibrary::fileNameFor(const std::string& windowsName)
{
    static constexpr std::string_view kSuffix = ".dll";
    auto sameLetter = [](char lower, char c) {
        return lower == ((c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c);
    };
    std::string stem = windowsName;
    if (stem.size() > kSuffix.size()
        && std::equal(kSuffix.begin(), kSuffix.end(), stem.end() - kSuffix.size(), sameLetter))
        stem.erase(stem.size() - kSuffix.size());
    return "lib" + stem + ".so";
}

}  // namespace platform
