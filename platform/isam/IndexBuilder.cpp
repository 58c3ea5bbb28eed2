#include "platform/isam/IndexBuilder.h"

#include "platform/isam/FileSetFormat.h"
#include "platform/isam/KeyValue.h"
#include "platform/isam/Sqlite.h"

#include <algorithm>
#include <cstring>
#include <numeric>
#include <vector>

namespace platform::isam {

namespace {

// The entries of one key, in record order until sorted.
struct KeyEntries {
    uint32_t keyLength = 0;
    std::vector<std::byte> keys;  // keyLength bytes per entry
    std::vector<int64_t> positions;

    std::span<const std::byte> key(size_t entry) const
    {
        return {keys.data() + entry * keyLength, keyLength};
    }

    // Puts the entries in (key, position) order.
    void sort()
    {
        std::vector<uint32_t> order(positions.size());
        std::iota(order.begin(), order.end(), 0u);
        std::sort(order.begin(), order.end(), [this](uint32_t a, uint32_t b) {
            const int byKey = std::memcmp(key(a).data(), key(b).data(), keyLength);
            return byKey != 0 ? byKey < 0 : positions[a] < positions[b];
        });
        std::vector<std::byte> sortedKeys(keys.size());
        std::vector<int64_t> sortedPositions(positions.size());
        for (size_t i = 0; i < order.size(); ++i) {
            std::memcpy(sortedKeys.data() + i * keyLength, key(order[i]).data(), keyLength);
            sortedPositions[i] = positions[order[i]];
        }
        keys.swap(sortedKeys);
        positions.swap(sortedPositions);
    }

    // Whether two sorted entries hold the same key.
    bool holdsDuplicate() const
    {
        for (size_t i = 1; i < positions.size(); ++i) {
            if (std::memcmp(key(i - 1).data(), key(i).data(), keyLength) == 0)
                return true;
        }
        return false;
    }
};

Status collectKeys(SqliteConnection& db, const FileDefinition& definition,
                   std::vector<KeyEntries>& entries)
{
    for (size_t k = 0; k < definition.keys.size(); ++k)
        entries[k].keyLength = keyLength(definition.keys[k]);
    SqliteStatement scan;
    if (scan.prepare(db.handle(), "SELECT pos, data FROM main.records") != SQLITE_OK)
        return Status::NotAFileSet;
    int rc;
    while ((rc = scan.step()) == SQLITE_ROW) {
        const std::span<const std::byte> record = scan.columnBlob(1);
        const bool fits = isVariableLength(definition) ? record.size() >= definition.recordLength
                                                       : record.size() == definition.recordLength;
        if (!fits)
            return Status::BadRecordInData;
        for (size_t k = 0; k < definition.keys.size(); ++k) {
            const PreparedKey key = keyOfRecord(definition.keys[k], record);
            entries[k].keys.insert(entries[k].keys.end(), key.bytes().begin(), key.bytes().end());
            entries[k].positions.push_back(scan.columnInteger(0));
        }
    }
    return rc == SQLITE_DONE ? Status::Ok : Status::IoError;
}

Status writeIndexFile(const std::filesystem::path& path, const FileDefinition& definition,
                      const DataFileHeader& header, const std::vector<KeyEntries>& entries)
{
    removeDatabaseFile(path);
    SqliteConnection db;
    if (db.open(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE) != SQLITE_OK)
        return Status::IndexWriteFailed;
    std::string schema =
        "PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF; BEGIN;"
        "CREATE TABLE fileset(set_id INTEGER NOT NULL, generation INTEGER NOT NULL,"
        " keys TEXT NOT NULL, writers INTEGER NOT NULL);";
    for (size_t k = 0; k < entries.size(); ++k)
        schema += "CREATE TABLE " + keyTableName(k)
                  + "(key BLOB NOT NULL, pos INTEGER NOT NULL, PRIMARY KEY (key, pos))"
                    " WITHOUT ROWID;";
    if (db.exec(schema) != SQLITE_OK)
        return Status::IndexWriteFailed;

    SqliteStatement insertHeader;
    if (insertHeader.prepare(db.handle(), "INSERT INTO fileset VALUES(?1, ?2, ?3, 0)") != SQLITE_OK)
        return Status::IndexWriteFailed;
    insertHeader.bind(1, header.setId);
    insertHeader.bind(2, header.generation);
    insertHeader.bind(3, describeKeys(definition));
    if (insertHeader.step() != SQLITE_DONE)
        return Status::IndexWriteFailed;

    for (size_t k = 0; k < entries.size(); ++k) {
        SqliteStatement insert;
        if (insert.prepare(db.handle(), "INSERT INTO " + keyTableName(k) + " VALUES(?1, ?2)")
            != SQLITE_OK)
            return Status::IndexWriteFailed;
        for (size_t entry = 0; entry < entries[k].positions.size(); ++entry) {
            insert.bind(1, entries[k].key(entry));
            insert.bind(2, entries[k].positions[entry]);
            if (insert.step() != SQLITE_DONE)
                return Status::IndexWriteFailed;
            insert.reset();
        }
    }
    if (db.exec("COMMIT") != SQLITE_OK)
        return Status::IndexWriteFailed;
    return Status::Ok;
}

}  // namespace

Status rebuildIndex(const FileDefinition& definition)
{
    SqliteConnection db;
    Status status = openDataFile(db, definition.path, true);
    if (status != Status::Ok)
        return status;
    DataFileHeader header;
    status = beginAndReadHeader(db, definition, true, header);
    if (status != Status::Ok)
        return status;

    std::vector<KeyEntries> entries(definition.keys.size());
    status = collectKeys(db, definition, entries);
    if (status != Status::Ok)
        return status;
    for (size_t k = 0; k < entries.size(); ++k) {
        entries[k].sort();
        if (!definition.keys[k].duplicates && entries[k].holdsDuplicate())
            return Status::DuplicateKeyInData;
    }

    const std::filesystem::path target = indexPath(definition.path);
    std::filesystem::path building = target;
    building += ".new";
    status = writeIndexFile(building, definition, header, entries);
    // The old index's journal must not be replayed into the new index.
    if (status == Status::Ok) {
        removeCompanionFiles(target);
        if (!replaceFile(building, target))
            status = Status::IndexWriteFailed;
    }
    if (status != Status::Ok)
        removeDatabaseFile(building);
    return status;
}

}  // namespace platform::isam
