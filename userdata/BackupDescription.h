#pragma once
// The readable description written beside a backup archive: what was backed up, from where,
// since when and how much. Windows-1252 text ending in one zero byte; a password is only said
// to be there, never written.

#include "userdata/ObjectDump.h"

#include <cstdint>
#include <filesystem>
#include <string>

struct BackupSummary {
    int64_t now = 0;  // seconds since 1970: the date of the backup
    std::filesystem::path archive;
    bool password = false;
    DumpSelection selection;  // the kinds, the area and the time the backup took
    bool depths = false;
    int32_t trackCount = 0;
    int32_t routeCount = 0;
    int32_t symbolCount = 0;
    int32_t lineCount = 0;
    int32_t depthCount = 0;
};

// The description's file: the archive's name with its last three characters made "txt".
std::filesystem::path DescriptionFile(const std::filesystem::path& archive);

// One line of a display filter: with displayed-only its window ("dd/mm-yyyy->dd/mm-yyyy
// +dd/mm-yyyy") and colours (",red" ... ",black" for mask bits 0 to 5); always the line end.
std::string WriteTrackDateRange(bool displayedOnly, int64_t from, int64_t to, int64_t secondFrom, int32_t colourMask);

// The description's text, without the closing zero byte.
std::string BackupDescriptionText(const BackupSummary& summary, const TransferRegion& area);

// Writes the description beside the archive; false when it could not be written whole.
bool WriteBackupDescription(const BackupSummary& summary, const TransferRegion& area);
