#pragma once
// Outside libraries loaded by name at run time. A Windows name "Brolund.DLL" becomes the shared
// library "libBrolund.so" in the given folder; its entries are bound by name. A library or entry
// that is missing stays unbound (a null pointer) and must never be called.

#include <filesystem>
#include <string>

namespace platform {

class SharedLibrary {
public:
    SharedLibrary() = default;
    ~SharedLibrary();
    SharedLibrary(const SharedLibrary&) = delete;
    SharedLibrary& operator=(const SharedLibrary&) = delete;
    SharedLibrary(SharedLibrary&& other) noexcept;
    SharedLibrary& operator=(SharedLibrary&& other) noexcept;

    // Loads the library that windowsName ("Brolund.DLL") stands for from folder; false when
    // there is none or it does not load.
    bool load(const std::filesystem::path& folder, const std::string& windowsName);
    bool isLoaded() const { return handle_ != nullptr; }
    void unload();

    // The address of entry name, or nullptr.
    void* symbol(const std::string& name) const;

    template <typename Fn>
    Fn entry(const std::string& name) const {
        return reinterpret_cast<Fn>(symbol(name));
    }

    // "Brolund.DLL" -> "libBrolund.so".
    static std::string fileNameFor(const std::string& windowsName);

private:
    void* handle_ = nullptr;
};

}  // namespace platform
