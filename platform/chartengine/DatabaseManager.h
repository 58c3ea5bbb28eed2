#pragma once
// The chart databases installed in the engine's folder: their names, versions and the current
// (default) one, kept in "databases.ini" there (section [Databases]: name = version, in
// installation order; [Folders]: name = the folder of its store when that is not the name;
// [Current]: Name = the current database). The list is always replaced whole, so a reader sees
// it before or after a change, never half written.
//
// A database is installed from a medium (ChartMedium.h) and named after the medium's folder.
// Its folder keeps the S-57 files it was built from (sub-folder "S57"), so that later editions
// and updates can be applied to them. A new store is always built in a new folder and listed
// only when complete; the store it replaces goes only once the new one is listed. A failure
// leaves the installed databases and the list as they were.

#include "platform/chartengine/ChartDatabaseInstaller.h"
#include "platform/chartengine/EngineStatus.h"

#include <filesystem>
#include <map>
#include <string>

namespace chartengine {

inline constexpr char kDatabaseListFileName[] = "databases.ini";

// The manager's failures beside the general ones of EngineStatus.h.
// The medium cannot be read: no such folder, or its folder name cannot name a database.
inline constexpr HResult kMediumUnreadable = static_cast<HResult>(0xE0000001u);
// No database of that index or name is installed.
inline constexpr HResult kNoSuchDatabase = static_cast<HResult>(0xE0000002u);
// The new store cannot be written (no room or no permission in the engine's folder).
inline constexpr HResult kStoreNotWritable = static_cast<HResult>(0xE0000003u);
// The list of databases cannot be written in the engine's folder.
inline constexpr HResult kListNotWritable = static_cast<HResult>(0xE0000006u);
// The list of databases cannot be read.
inline constexpr HResult kListUnreadable = static_cast<HResult>(0xE0000008u);
// The medium holds nothing that could be installed or applied: no readable cell of a usable
// intended usage, or no edition or update newer than the installed ones.
inline constexpr HResult kNothingToInstall = static_cast<HResult>(0xE0000009u);

class DatabaseManager {
public:
    explicit DatabaseManager(std::filesystem::path engineFolder);
    // Removes the stores prepared by InstallFromMedium that Update did not put in place.
    ~DatabaseManager();
    DatabaseManager(const DatabaseManager&) = delete;
    DatabaseManager& operator=(const DatabaseManager&) = delete;

    HResult Count(int32_t* count) const;
    // kInvalidArgument for an index outside 0 .. count - 1.
    HResult Name(int32_t index, std::string* name) const;
    HResult Version(int32_t index, int32_t* version) const;
    // The current database: the one named in [Current], else the first installed; kFail (and
    // -1) when none is installed.
    HResult CurrentIndex(int32_t* index) const;
    HResult SetCurrent(int32_t index);

    // Receives 0..100 while InstallFromMedium reads the cells.
    void SetProgressListener(InstallProgress listener) { progress_ = std::move(listener); }

    // The name (the medium folder's name) and version (the newest issue date of the files an
    // installation would apply) of the database on the medium.
    HResult Identify(const std::filesystem::path& medium, std::string* name, int32_t* version) const;
    // A database not installed yet is installed and listed; the first becomes the current one.
    // For an installed one, a new store is prepared from its kept files and the medium's newer
    // editions and updates; Update(name) puts it in place. The report lists the files skipped.
    HResult InstallFromMedium(const std::filesystem::path& medium, std::string* name, InstallReport* report);
    // Puts the store prepared for name in place of the installed one.
    HResult Update(const std::string& name);
    // Unlists the database, then deletes its folder; the current one moves to the first left.
    HResult Remove(int32_t index);

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
    // The name of the database on a medium: the name of its folder.
    static std::string MediumName(const std::filesystem::path& medium);

private:
    struct PreparedStore {
        std::string folderName;
        int32_t version = 0;
    };

    HResult BuildStore(const std::string& name, const std::filesystem::path& keptFrom,
                       const std::filesystem::path& sourceFolder, InstallReport& report,
                       const InstallProgress& progress, PreparedStore& store);
    HResult ListStore(const std::string& name, const PreparedStore& store);
    void DropPrepared(const std::string& name);

    std::filesystem::path engineFolder_;
    InstallProgress progress_;
    std::map<std::string, PreparedStore> prepared_;
};

}  // namespace chartengine
