#pragma once
// An open file set: the connection to its data file with the index file attached, its keys,
// the current record and the write transactions.
//
// One current record per data file, shared by its keys: it is the record last read, added or
// rewritten. Next and previous continue from it in the order of the key they name, also after
// it was deleted or rewritten with another key value.
//
// Changes: with write-through or in shared mode each change is a transaction of its own (shared:
// so that other programs see it and may write too), committed with full syncs. An
// exclusive set without write-through gathers changes in one transaction, committed every
// BatchCommitEvery changes and when the set closes. The first change marks the files as written
// by this opener, the close unmarks them (FileSetFormat.h).

#include "platform/isam/BatchReader.h"
#include "platform/isam/FileDefinition.h"
#include "platform/isam/IsamStatus.h"
#include "platform/isam/KeyIndex.h"
#include "platform/isam/SharedOpenLock.h"
#include "platform/isam/Sqlite.h"

#include <memory>
#include <span>
#include <vector>

namespace platform::isam {

enum class KeyRead { Equal, GreaterOrEqual, Greater, LessOrEqual, Less, First, Next, Previous };

class FileSet {
public:
    static constexpr int BatchCommitEvery = 1000;

    // Opens the set of the definition. Open statuses: DataFileMissing, IndexMissing,
    // IndexStale, FileLocked, NotAFileSet, DefinitionMismatch, AccessDenied, IoError.
    static Status open(const FileDefinition& definition, std::unique_ptr<FileSet>& fileSet);
    ~FileSet();
    FileSet(const FileSet&) = delete;
    FileSet& operator=(const FileSet&) = delete;

    // Commits what is pending and closes the files.
    Status close();

    const FileDefinition& definition() const { return definition_; }
    const KeyDefinition& keyDefinition(size_t ordinal) const
    {
        return keys_[ordinal]->definition();
    }

    // Reads through a key (value: a prepared key value; unused by First, Next, Previous) into
    // buffer, the record cut at the buffer's size; the record becomes the current record.
    Status read(size_t keyOrdinal, KeyRead how, std::span<const std::byte> value,
                std::span<std::byte> buffer);
    // Position of the first record with the key value, 0 when there is none.
    int32_t keyPresent(size_t keyOrdinal, std::span<const std::byte> value);

    Status add(std::span<const std::byte> record);
    Status rewrite(std::span<const std::byte> record);
    Status remove();

    // Length of the current record, 0 without one.
    uint32_t currentLength() const;
    // Reads the current record again, cut at the buffer's size; length receives its full length.
    Status reRead(std::span<std::byte> buffer, uint32_t& length);

    Status batchRead(size_t keyOrdinal, BatchRequest& request, std::span<std::byte> buffer,
                     BatchMode mode);

private:
    enum class RecordQuery {
        Select,
        Insert,
        Update,
        Delete,
        LastPosition,
        MarkDataWritten,
        MarkIndexWritten,
    };

    explicit FileSet(const FileDefinition& definition);
    Status attachAndCheckIndex(bool alone);
    SqliteStatement* statement(RecordQuery query);

    bool hasCurrent() const { return current_.position != 0 && !current_.deleted; }
    bool lengthFits(size_t length) const;
    void takeCurrent(int64_t position, std::span<const std::byte> record);
    Status readStored(std::span<const std::byte>& record);

    Status beginChange();
    Status endChange(Status result);
    Status commit();
    void rollback();
    void closeCursors();

    Status insertRecord(std::span<const std::byte> record);
    Status replaceRecord(std::span<const std::byte> record);
    Status deleteRecord();

    struct CurrentRecord {
        int64_t position = 0;  // 0: none
        bool deleted = false;
        uint32_t length = 0;
        std::vector<std::byte> image;  // the first recordLength bytes, which hold every key
    };

    FileDefinition definition_;
    bool batching_;
    SharedOpenLock sharedLock_;  // shared mode; released after the connection closes
    SqliteConnection db_;
    std::vector<std::unique_ptr<KeyIndex>> keys_;
    std::array<SqliteStatement, static_cast<size_t>(RecordQuery::MarkIndexWritten) + 1>
        statements_;
    BatchReader batch_;
    CurrentRecord current_;
    uint64_t currentStamp_ = 1;  // numbers each current record, for the key cursors
    bool inTransaction_ = false;
    int pendingChanges_ = 0;
    bool marked_ = false;       // the files carry this opener's writing mark
    bool markPending_ = false;  // the open transaction sets the mark
    std::vector<PreparedKey> newKeys_;
    std::vector<PreparedKey> oldKeys_;
};

}  // namespace platform::isam
