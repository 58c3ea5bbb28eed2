#pragma once
// The chart databases installed in the engine's folder: their names, versions and the current
// one, kept in "databases.ini" there (section [Databases]: name = version, in installation
// order; section [Current]: Name = the current database). Database "<name>" is the store in
// the folder "<engine folder>/<name>". The version is the newest issue date of its cells.

#include "platform/chartengine/ChartDatabaseInstaller.h"
#include "platform/chartengine/EngineStatus.h"

#include <filesystem>
#include <string>

namespace chartengine {

inline constexpr char kDatabaseListFileName[] = "databases.ini";

class DatabaseManager {
public:
    explicit DatabaseManager(std::filesystem::path engineFolder);

    HResult Count(int32_t* count) const;
    // kInvalidArgument for an index outside 0 .. count - 1.
    HResult Name(int32_t index, std::string* name) const;
    HResult Version(int32_t index, int32_t* version) const;
    // The current database: the one named in [Current], else the first installed; kFail when
    // none is installed.
    HResult CurrentIndex(int32_t* index) const;
    HResult SetCurrent(int32_t index);

    // Installs the chart sources of sourceFolder as database name (replacing an installed one of
    // that name) and lists it; the first database installed becomes the current one.
    HResult Install(const std::filesystem::path& sourceFolder, const std::string& name, InstallReport* report,
                    const InstallProgress& progress = {});

    // The folder of the installed database name, or of the current one for an empty name;
    // kFileNotFound when no such database is installed.
    HResult DatabaseFolder(const std::string& name, std::filesystem::path* folder) const;

    // A name usable as a folder name and as an INI key: not empty, at most 64 characters, no
    // path separators, no "=" or brackets, no leading or trailing blank, not "." or "..".
    static bool IsValidName(const std::string& name);

private:
    std::filesystem::path engineFolder_;
};

}  // namespace chartengine
