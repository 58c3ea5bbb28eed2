#pragma once
// The two archive entry points of the backup: one work file packed into a standard zip archive
// as the entry "varnv.dat", and that entry unpacked again. Archives are deflated; with a
// password the entry is protected with the traditional PKWARE encryption that every unzip
// program reads. Neither call leaves a half-written file behind: each writes under a temporary
// name and renames it when all went well.

#include <filesystem>
#include <string_view>

namespace platform::zip {

inline constexpr const char* WorkEntryName = "varnv.dat";

// Results; 0 is success, anything else a failure.
enum ArchiveResult : int {
    ArchiveOk = 0,
    ArchiveUnreadable = 1,   // the archive could not be opened: missing, damaged, not a zip
    ArchiveNoEntry = 2,      // no entry "varnv.dat"
    ArchiveUnsafeEntry = 3,  // the entry's path is absolute or climbs out with ".."
    ArchiveBadEntry = 4,     // a wrong password, a CRC or size mismatch, a truncated entry
    ArchiveWriteFailed = 5,  // the target could not be written or renamed
};

// Packs `workFile` into `archive` as the entry "varnv.dat", replacing an archive of that name.
// `password` is Windows-1252 bytes; empty means no encryption. The password is used for this
// call only.
int PackWorkFile(const std::filesystem::path& archive, const std::filesystem::path& workFile,
                 std::string_view password);

// Unpacks the entry "varnv.dat" of `archive` into `folder`/"varnv.dat". The entry is found by
// its name in any case and under any folder of the archive. It is read whole, its CRC checked,
// into a temporary file that then replaces the target; on any failure nothing is left behind.
int UnpackWorkFile(const std::filesystem::path& archive, const std::filesystem::path& folder,
                   std::string_view password);

}  // namespace platform::zip
