#pragma once
// The files of a file set. Both are SQLite databases:
//
//   <stem>.dat  fileset(set_id, generation, record_length, variable_length, format)  one row
//               records(pos INTEGER PRIMARY KEY AUTOINCREMENT, data BLOB NOT NULL)
//   <stem>.idx  fileset(set_id, generation, keys, writers)                            one row
//               key0, key1, ...: (key BLOB, pos INTEGER, PRIMARY KEY (key, pos)) WITHOUT ROWID
//
// A record's position is its row id, never reused. Keys are stored prepared (KeyValue.h), one
// table per key in definition order, so (key, pos) order is key order with duplicates by
// position.
//
// Journals: an exclusive opener keeps both files in WAL mode; a shared opener puts them in
// rollback-journal mode, because WAL relies on shared memory that a network file system does
// not share between stations, while the rollback journal needs only byte-range locks. The mode
// is stored in the file and changes only while nobody else has the set open. Shared openers
// mark their presence in <stem>.lck (SharedOpenLock.h).
//
// The two files commit one after the other in WAL mode, so a crash can leave the .idx behind
// the .dat. An opener that writes marks both files in its first write transaction: generation
// rises in both and writers in the .idx, which a clean close lowers again. The .idx belongs to
// the .dat when set_id (drawn when the data file is created) and generation agree, its keys
// text equals the definition's, and writers is 0 whenever no other program has the set open: a
// crash while writing, an index of another set or of an older state, or changed key definitions
// make it stale, and it is rebuilt from the .dat.

#include "platform/isam/FileDefinition.h"
#include "platform/isam/IsamStatus.h"

#include <cstdint>
#include <filesystem>
#include <string>

namespace platform::isam {

inline constexpr int FormatVersion = 1;

std::filesystem::path dataPath(const std::filesystem::path& stem);
std::filesystem::path indexPath(const std::filesystem::path& stem);
std::filesystem::path lockPath(const std::filesystem::path& stem);

std::string keyTableName(size_t keyOrdinal);

// The key definitions as stored in the .idx, e.g. "u:2+2i,4+4i;d:18+12t".
std::string describeKeys(const FileDefinition& definition);

class SqliteConnection;

struct DataFileHeader {
    int64_t setId = 0;
    int64_t generation = 0;
    uint32_t recordLength = 0;
    bool variableLength = false;
};

// Opens <stem>.dat for reading and writing, exclusive: with SQLite's exclusive locking mode,
// which holds the file from the first access to the close. DataFileMissing, AccessDenied.
Status openDataFile(SqliteConnection& db, const std::filesystem::path& stem, bool exclusive);

// Starts a transaction and reads the data file's header in it; the transaction stays open.
// Exclusive: takes the write lock of every attached file at once (kept until the close) and
// fails when a shared opener has the set open. FileLocked, NotAFileSet, DefinitionMismatch.
Status beginAndReadHeader(SqliteConnection& db, const FileDefinition& definition,
                          bool exclusive, DataFileHeader& header);

// Whether the set could be held exclusively now (no other opener has it open): Ok, or
// FileLocked, or the open statuses of a data file that cannot be opened.
Status probeExclusiveAccess(const std::filesystem::path& stem);

// Puts one database of an open set ("main", "idx") in its opener's journal mode: WAL when
// exclusive, else the rollback journal, deleted after each commit. FileLocked when another
// connection keeps the file in the other mode.
Status useJournal(SqliteConnection& db, const std::string& schema, bool exclusive);

// Status of an SQLite result code met while opening: busy or locked is FileLocked, a file that
// is no database NotAFileSet, the rest IoError.
Status openFailure(int sqliteResult);

// Writes a new empty <stem>.dat (built under a temporary name, then renamed into place).
// FileExists when the data file exists, CreateFailed when it cannot be written.
Status createDataFile(const FileDefinition& definition);

// Removes the WAL, shared-memory and journal files of a database file.
void removeCompanionFiles(const std::filesystem::path& path);

// Removes a database file with its WAL, shared-memory and journal companions; true when the
// file itself existed.
bool removeDatabaseFile(const std::filesystem::path& path);

// Flushes a closed file to disk and renames it over target, then flushes the folder.
bool replaceFile(const std::filesystem::path& from, const std::filesystem::path& target);

}  // namespace platform::isam
