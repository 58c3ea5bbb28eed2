#pragma once
// The direct side of the point-file benchmarks: the 38-byte point records in one SQLite table
// with a unique index on (id, sequence), in WAL mode, without the ISAM layer.

#include "platform/isam/Sqlite.h"

#include <filesystem>
#include <string>

// Creates the table in a new database file, synchronous as given ("NORMAL", "FULL"), held by
// this connection alone when `exclusive`. False when a step fails.
inline bool CreateDirectPointTable(platform::isam::SqliteConnection& db,
                                   const std::filesystem::path& file,
                                   const std::string& synchronous, bool exclusive)
{
    return db.open(file, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE) == SQLITE_OK
           && db.exec(std::string(exclusive ? "PRAGMA locking_mode=EXCLUSIVE;" : "")
                      + "PRAGMA journal_mode=WAL; PRAGMA synchronous=" + synchronous + ";"
                      + "CREATE TABLE point(id INTEGER NOT NULL, seq INTEGER NOT NULL,"
                        " record BLOB NOT NULL);"
                        "CREATE UNIQUE INDEX point_key ON point(id, seq);")
                  == SQLITE_OK;
}
