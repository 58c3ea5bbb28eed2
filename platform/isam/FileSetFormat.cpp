#include "platform/isam/FileSetFormat.h"

#include "platform/isam/SharedOpenLock.h"
#include "platform/isam/Sqlite.h"

#include <fcntl.h>
#include <unistd.h>

#include <random>

namespace platform::isam {

namespace {

std::filesystem::path withSuffix(const std::filesystem::path& path, const char* suffix)
{
    std::filesystem::path result = path;
    result += suffix;
    return result;
}

// Shared openers wait this long for an exclusive holder before giving up.
constexpr int OpenBusyMilliseconds = 500;

bool syncPath(const std::filesystem::path& path, int flags)
{
    const int fd = ::open(path.c_str(), flags | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    return synced;
}

// Takes the write lock of every attached file at once; with the exclusive locking mode of an
// exclusive opener it is kept until the close. Shared openers hold no lock between their
// operations, so their mark is checked too, after the lock keeps newcomers out.
Status beginExclusive(SqliteConnection& db, const std::filesystem::path& stem)
{
    const int rc = db.exec("BEGIN EXCLUSIVE");
    if (rc != SQLITE_OK)
        return openFailure(rc);
    if (sharedOpenersPresent(stem)) {
        db.exec("ROLLBACK");
        return Status::FileLocked;
    }
    return Status::Ok;
}

int64_t newSetId()
{
    std::random_device device;
    std::mt19937_64 generator((uint64_t{device()} << 32) | device());
    return static_cast<int64_t>(generator() >> 1);
}

}  // namespace

std::filesystem::path dataPath(const std::filesystem::path& stem)
{
    return withSuffix(stem, ".dat");
}

std::filesystem::path indexPath(const std::filesystem::path& stem)
{
    return withSuffix(stem, ".idx");
}

std::filesystem::path lockPath(const std::filesystem::path& stem)
{
    return withSuffix(stem, ".lck");
}

std::string keyTableName(size_t keyOrdinal)
{
    return "key" + std::to_string(keyOrdinal);
}

std::string describeKeys(const FileDefinition& definition)
{
    std::string text;
    for (const KeyDefinition& key : definition.keys) {
        if (!text.empty())
            text += ';';
        text += key.duplicates ? "d:" : "u:";
        for (size_t i = 0; i < key.segments.size(); ++i) {
            const KeySegment& segment = key.segments[i];
            if (i > 0)
                text += ',';
            text += std::to_string(segment.offset);
            text += '+';
            text += std::to_string(segment.length);
            text += segment.kind == SegmentKind::SignedInteger ? 'i' : 't';
        }
    }
    return text;
}

Status openDataFile(SqliteConnection& db, const std::filesystem::path& stem, bool exclusive)
{
    const std::filesystem::path path = dataPath(stem);
    std::error_code error;
    if (!std::filesystem::exists(path, error))
        return Status::DataFileMissing;
    if (db.open(path, SQLITE_OPEN_READWRITE) != SQLITE_OK)
        return Status::AccessDenied;
    sqlite3_busy_timeout(db.handle(), exclusive ? 0 : OpenBusyMilliseconds);
    if (exclusive && db.exec("PRAGMA locking_mode=EXCLUSIVE") != SQLITE_OK)
        return Status::IoError;
    return Status::Ok;
}

Status probeExclusiveAccess(const std::filesystem::path& stem)
{
    SqliteConnection db;
    const Status status = openDataFile(db, stem, true);
    if (status != Status::Ok)
        return status;
    return beginExclusive(db, stem);
}

Status useJournal(SqliteConnection& db, const std::string& schema, bool exclusive)
{
    const std::string wanted = exclusive ? "wal" : "delete";
    SqliteStatement pragma;
    int rc = pragma.prepare(db.handle(), "PRAGMA " + schema + ".journal_mode=" + wanted);
    if (rc == SQLITE_OK)
        rc = pragma.step();
    if (rc != SQLITE_ROW)
        return openFailure(rc);
    const std::span<const std::byte> mode = pragma.columnBlob(0);
    const bool switched = std::string(reinterpret_cast<const char*>(mode.data()), mode.size())
                          == wanted;
    return switched ? Status::Ok : Status::FileLocked;
}

Status openFailure(int sqliteResult)
{
    switch (sqliteResult & 0xFF) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return Status::FileLocked;
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT:
    case SQLITE_ERROR:  // no fileset table
        return Status::NotAFileSet;
    default:
        return Status::IoError;
    }
}

Status beginAndReadHeader(SqliteConnection& db, const FileDefinition& definition,
                          bool exclusive, DataFileHeader& header)
{
    if (exclusive) {
        const Status begun = beginExclusive(db, definition.path);
        if (begun != Status::Ok)
            return begun;
    } else if (const int begun = db.exec("BEGIN"); begun != SQLITE_OK) {
        return openFailure(begun);
    }
    SqliteStatement select;
    int rc = select.prepare(db.handle(), "SELECT set_id, generation, record_length,"
                                         " variable_length, format FROM main.fileset");
    if (rc == SQLITE_OK)
        rc = select.step();
    if (rc != SQLITE_ROW)
        return openFailure(rc == SQLITE_DONE ? SQLITE_NOTADB : rc);
    if (select.columnInteger(4) != FormatVersion)
        return Status::NotAFileSet;
    header.setId = select.columnInteger(0);
    header.generation = select.columnInteger(1);
    header.recordLength = static_cast<uint32_t>(select.columnInteger(2));
    header.variableLength = select.columnInteger(3) != 0;
    if (header.recordLength != definition.recordLength
        || header.variableLength != isVariableLength(definition))
        return Status::DefinitionMismatch;
    return Status::Ok;
}

Status createDataFile(const FileDefinition& definition)
{
    const std::filesystem::path target = dataPath(definition.path);
    std::error_code error;
    if (std::filesystem::exists(target, error))
        return Status::FileExists;
    const std::filesystem::path building = withSuffix(target, ".new");
    removeDatabaseFile(building);

    SqliteConnection db;
    if (db.open(building, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE) != SQLITE_OK)
        return Status::CreateFailed;
    const std::string schema =
        "PRAGMA journal_mode=OFF;"
        "BEGIN;"
        "CREATE TABLE fileset(set_id INTEGER NOT NULL, generation INTEGER NOT NULL,"
        " record_length INTEGER NOT NULL, variable_length INTEGER NOT NULL,"
        " format INTEGER NOT NULL);"
        "CREATE TABLE records(pos INTEGER PRIMARY KEY AUTOINCREMENT, data BLOB NOT NULL);"
        "INSERT INTO fileset VALUES(" + std::to_string(newSetId()) + ", 1, "
        + std::to_string(definition.recordLength) + ", "
        + (isVariableLength(definition) ? "1" : "0") + ", " + std::to_string(FormatVersion) + ");"
        "COMMIT;";
    const bool written = db.exec(schema) == SQLITE_OK;
    db.close();
    // A journal left by an earlier data file of the same name would be replayed into the new one.
    removeCompanionFiles(target);
    if (!written || !replaceFile(building, target)) {
        removeDatabaseFile(building);
        return Status::CreateFailed;
    }
    return Status::Ok;
}

void removeCompanionFiles(const std::filesystem::path& path)
{
    std::error_code error;
    for (const char* companion : {"-wal", "-shm", "-journal"})
        std::filesystem::remove(withSuffix(path, companion), error);
}

bool removeDatabaseFile(const std::filesystem::path& path)
{
    removeCompanionFiles(path);
    std::error_code error;
    return std::filesystem::remove(path, error);
}

bool replaceFile(const std::filesystem::path& from, const std::filesystem::path& target)
{
    if (!syncPath(from, O_RDWR))
        return false;
    std::error_code error;
    std::filesystem::rename(from, target, error);
    if (error)
        return false;
    const std::filesystem::path folder = target.parent_path().empty()
                                             ? std::filesystem::path(".")
                                             : target.parent_path();
    return syncPath(folder, O_RDONLY | O_DIRECTORY);
}

}  // namespace platform::isam
