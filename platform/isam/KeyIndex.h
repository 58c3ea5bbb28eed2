#pragma once
// One key of an open file set: its table in the index file, the statements that read and change
// it (prepared on first use), and the cursor left open by the last read through the key, so that
// a next or previous read after it steps on instead of searching again.

#include "platform/isam/FileDefinition.h"
#include "platform/isam/KeyValue.h"
#include "platform/isam/Sqlite.h"

#include <array>
#include <span>

namespace platform::isam {

enum class KeyQuery {
    // Cursors: rows (key, pos, record) in key order (the first four) or backwards.
    First,    // from the lowest key
    AtLeast,  // key >= ?1
    Above,    // key > ?1
    After,    // (key, pos) > (?1, ?2)
    AtMost,   // key <= ?1
    Below,    // key < ?1
    Before,   // (key, pos) < (?1, ?2)
    // Single rows and changes.
    Find,     // pos of the first entry with key = ?1
    Insert,   // entry (?1, ?2)
    Remove,   // entry (?1, ?2)
    // Batch reads: entries with key in [?1, ?2) and pos <= ?3, or all with key in [?1, ?2);
    // then rows after (?1, ?2) with key < ?3, pos <= ?4, at most ?5 of them.
    Count,
    CountAll,
    BatchPart,
};

class KeyIndex {
public:
    KeyIndex(sqlite3* db, const KeyDefinition& definition, size_t ordinal);

    const KeyDefinition& definition() const { return definition_; }
    uint32_t length() const { return length_; }
    PreparedKey keyOf(std::span<const std::byte> record) const
    {
        return keyOfRecord(definition_, record);
    }

    // The statement of a query, reset, or nullptr when it cannot be prepared.
    SqliteStatement* statement(KeyQuery query);

    // Opens the cursor of a cursor query at (key, position) and reads its first row; the
    // SQLite result of the step.
    int openCursor(KeyQuery query, std::span<const std::byte> key, int64_t position);
    // Reads the next row of the open cursor.
    int stepCursor();
    // The row the cursor has read.
    std::span<const std::byte> rowKey() const { return cursor_->columnBlob(0); }
    int64_t rowPosition() const { return cursor_->columnInteger(1); }
    std::span<const std::byte> rowRecord() const { return cursor_->columnBlob(2); }

    // Notes that the current record is the cursor's row, numbered stamp.
    void markCursor(uint64_t stamp) { cursorStamp_ = stamp; }
    // Whether the cursor is open in that direction on the current record numbered stamp.
    bool cursorContinues(bool forward, uint64_t stamp) const;
    // Ends the cursor's read.
    void closeCursor();

private:
    sqlite3* db_;
    KeyDefinition definition_;
    uint32_t length_;
    std::string table_;
    std::array<SqliteStatement, static_cast<size_t>(KeyQuery::BatchPart) + 1> statements_;
    SqliteStatement* cursor_ = nullptr;
    bool cursorForward_ = true;
    uint64_t cursorStamp_ = 0;
};

}  // namespace platform::isam
