#include "platform/isam/FileSet.h"

#include "platform/isam/FileSetFormat.h"

#include <algorithm>

namespace platform::isam {

namespace {

// Shared mode: how long a change waits for another program's write to end, and an opener for
// another one's check of the set.
constexpr int SharedBusyMilliseconds = 5000;

Status failure(int sqliteResult)
{
    const int primary = sqliteResult & 0xFF;
    return primary == SQLITE_BUSY || primary == SQLITE_LOCKED ? Status::Busy : Status::IoError;
}

// The statements of FileSet::RecordQuery, in its order.
const char* sqlOf(int query)
{
    static const char* const sql[] = {
        "SELECT data FROM main.records WHERE pos = ?1",
        "INSERT INTO main.records(data) VALUES(?1)",
        "UPDATE main.records SET data = ?2 WHERE pos = ?1",
        "DELETE FROM main.records WHERE pos = ?1",
        "SELECT max(pos) FROM main.records",
        "UPDATE main.fileset SET generation = generation + 1",
        "UPDATE idx.fileset SET generation = generation + 1, writers = writers + 1",
    };
    return sql[query];
}

KeyQuery queryOf(KeyRead how)
{
    switch (how) {
    case KeyRead::Equal:
    case KeyRead::GreaterOrEqual:
        return KeyQuery::AtLeast;
    case KeyRead::Greater:
        return KeyQuery::Above;
    case KeyRead::LessOrEqual:
        return KeyQuery::AtMost;
    case KeyRead::Less:
        return KeyQuery::Below;
    case KeyRead::First:
        return KeyQuery::First;
    case KeyRead::Next:
        return KeyQuery::After;
    case KeyRead::Previous:
        return KeyQuery::Before;
    }
    return KeyQuery::First;
}

}  // namespace

FileSet::FileSet(const FileDefinition& definition)
    : definition_(definition),
      batching_((definition.mode & (FileMode::Shared | FileMode::WriteThrough)) == 0)
{
}

FileSet::~FileSet()
{
    close();
}

Status FileSet::open(const FileDefinition& definition, std::unique_ptr<FileSet>& fileSet)
{
    const bool exclusive = (definition.mode & FileMode::Shared) == 0;
    std::unique_ptr<FileSet> opened(new FileSet(definition));
    // A shared opener alone with the set keeps newcomers out while it checks the index and
    // changes the journal mode.
    bool alone = exclusive;
    if (!exclusive) {
        const Status locked = opened->sharedLock_.acquire(definition.path, SharedBusyMilliseconds);
        if (locked != Status::Ok)
            return locked;
        alone = opened->sharedLock_.holdAlone();
    }
    Status status = openDataFile(opened->db_, definition.path, exclusive);
    if (status == Status::Ok)
        status = opened->attachAndCheckIndex(alone);
    for (const char* schema : {"main", "idx"}) {
        if (status == Status::Ok)
            status = useJournal(opened->db_, schema, exclusive);
    }
    if (status != Status::Ok)
        return status;
    opened->sharedLock_.share();

    // The rollback journal survives a power failure only with full syncs; WAL does with fewer.
    const bool fullSync = (definition.mode & FileMode::WriteThrough) != 0 || !exclusive;
    const std::string synchronous = fullSync ? "FULL" : "NORMAL";
    if (opened->db_.exec("PRAGMA main.synchronous=" + synchronous
                         + "; PRAGMA idx.synchronous=" + synchronous)
        != SQLITE_OK)
        return Status::IoError;
    sqlite3_busy_timeout(opened->db_.handle(), exclusive ? 0 : SharedBusyMilliseconds);
    for (size_t k = 0; k < definition.keys.size(); ++k)
        opened->keys_.push_back(
            std::make_unique<KeyIndex>(opened->db_.handle(), definition.keys[k], k));
    opened->newKeys_.resize(definition.keys.size());
    opened->oldKeys_.resize(definition.keys.size());
    fileSet = std::move(opened);
    return Status::Ok;
}

Status FileSet::attachAndCheckIndex(bool alone)
{
    const std::filesystem::path index = indexPath(definition_.path);
    std::error_code error;
    if (!std::filesystem::exists(index, error))
        return Status::IndexMissing;
    // A data file that is no file set fails here rather than in the ATTACH.
    const int readable = db_.exec("SELECT format FROM main.fileset");
    if (readable != SQLITE_OK)
        return openFailure(readable);
    SqliteStatement attach;
    if (attach.prepare(db_.handle(), "ATTACH ?1 AS idx") != SQLITE_OK)
        return Status::IoError;
    attach.bind(1, fileUri(index) + "?mode=rw");
    const int attached = attach.step();
    if (attached != SQLITE_DONE) {
        const Status status = openFailure(attached);
        return status == Status::FileLocked || status == Status::IoError ? status
                                                                         : Status::IndexStale;
    }

    const bool exclusive = (definition_.mode & FileMode::Shared) == 0;
    DataFileHeader header;
    Status status = beginAndReadHeader(db_, definition_, exclusive, header);
    if (status == Status::Ok) {
        SqliteStatement select;
        if (select.prepare(db_.handle(),
                           "SELECT set_id, generation, keys, writers FROM idx.fileset")
                != SQLITE_OK
            || select.step() != SQLITE_ROW)
            status = Status::IndexStale;
        else if (select.columnInteger(0) != header.setId
                 || select.columnInteger(1) != header.generation
                 || std::string(reinterpret_cast<const char*>(select.columnBlob(2).data()),
                                select.columnBlob(2).size())
                        != describeKeys(definition_)
                 || (alone && select.columnInteger(3) != 0))
            status = Status::IndexStale;
    }
    if (status == Status::Ok && db_.exec("COMMIT") != SQLITE_OK)
        status = Status::IoError;
    if (status != Status::Ok) {
        db_.exec("ROLLBACK");
        return status;
    }
    if (sqlite3_db_readonly(db_.handle(), "main") == 1
        || sqlite3_db_readonly(db_.handle(), "idx") == 1)
        return Status::AccessDenied;
    return Status::Ok;
}

Status FileSet::close()
{
    if (!db_.handle())
        return Status::Ok;
    closeCursors();
    Status committed = inTransaction_ ? commit() : Status::Ok;
    if (marked_ && db_.exec("UPDATE idx.fileset SET writers = writers - 1") != SQLITE_OK
        && committed == Status::Ok)
        committed = Status::IoError;
    keys_.clear();
    statements_ = {};
    db_.close();
    sharedLock_.release();
    return committed;
}

SqliteStatement* FileSet::statement(RecordQuery query)
{
    SqliteStatement& statement = statements_[static_cast<size_t>(query)];
    if (!statement.isPrepared()
        && statement.prepare(db_.handle(), sqlOf(static_cast<int>(query))) != SQLITE_OK)
        return nullptr;
    statement.reset();
    return &statement;
}

bool FileSet::lengthFits(size_t length) const
{
    return isVariableLength(definition_) ? length >= definition_.recordLength
                                         : length == definition_.recordLength;
}

void FileSet::takeCurrent(int64_t position, std::span<const std::byte> record)
{
    current_.position = position;
    current_.deleted = false;
    current_.length = static_cast<uint32_t>(record.size());
    current_.image.assign(definition_.recordLength, std::byte{0});
    std::copy_n(record.begin(), std::min<size_t>(record.size(), definition_.recordLength),
                current_.image.begin());
    ++currentStamp_;
}

void FileSet::closeCursors()
{
    for (const auto& key : keys_)
        key->closeCursor();
}

Status FileSet::read(size_t keyOrdinal, KeyRead how, std::span<const std::byte> value,
                     std::span<std::byte> buffer)
{
    KeyIndex& key = *keys_[keyOrdinal];
    int rc;
    if (how == KeyRead::Next || how == KeyRead::Previous) {
        if (current_.position == 0)
            return Status::NoCurrentRecord;
        const bool forward = how == KeyRead::Next;
        if (key.cursorContinues(forward, currentStamp_)) {
            rc = key.stepCursor();
        } else {
            const PreparedKey currentKey = key.keyOf(current_.image);
            rc = key.openCursor(queryOf(how), currentKey.bytes(), current_.position);
        }
    } else if (how == KeyRead::First) {
        rc = key.openCursor(KeyQuery::First, {}, 0);
    } else {
        rc = key.openCursor(queryOf(how), value.first(key.length()), 0);
    }

    Status status = Status::Ok;
    if (rc == SQLITE_DONE)
        status = Status::NoRecord;
    else if (rc != SQLITE_ROW)
        status = failure(rc);
    else if (how == KeyRead::Equal
             && !std::ranges::equal(key.rowKey(), value.first(key.length())))
        status = Status::NoRecord;
    if (status != Status::Ok) {
        key.closeCursor();
        return status;
    }

    const std::span<const std::byte> record = key.rowRecord();
    std::copy_n(record.begin(), std::min(buffer.size(), record.size()), buffer.begin());
    takeCurrent(key.rowPosition(), record);
    key.markCursor(currentStamp_);
    // In shared mode an open cursor would hide the other programs' changes.
    if (definition_.mode & FileMode::Shared)
        key.closeCursor();
    return Status::Ok;
}

int32_t FileSet::keyPresent(size_t keyOrdinal, std::span<const std::byte> value)
{
    KeyIndex& key = *keys_[keyOrdinal];
    SqliteStatement* find = key.statement(KeyQuery::Find);
    if (!find)
        return 0;
    find->bind(1, value.first(key.length()));
    const int32_t position = find->step() == SQLITE_ROW
                                 ? static_cast<int32_t>(find->columnInteger(0))
                                 : 0;
    find->reset();
    return position;
}

uint32_t FileSet::currentLength() const
{
    return hasCurrent() ? current_.length : 0;
}

Status FileSet::readStored(std::span<const std::byte>& record)
{
    SqliteStatement* select = statement(RecordQuery::Select);
    if (!select)
        return Status::IoError;
    select->bind(1, current_.position);
    const int rc = select->step();
    if (rc == SQLITE_ROW) {
        record = select->columnBlob(0);
        return Status::Ok;
    }
    return rc == SQLITE_DONE ? Status::NoCurrentRecord : failure(rc);
}

Status FileSet::reRead(std::span<std::byte> buffer, uint32_t& length)
{
    if (!hasCurrent())
        return Status::NoCurrentRecord;
    std::span<const std::byte> record;
    const Status status = readStored(record);
    if (status == Status::Ok) {
        std::copy_n(record.begin(), std::min(buffer.size(), record.size()), buffer.begin());
        takeCurrent(current_.position, record);
        length = current_.length;
    }
    statements_[static_cast<size_t>(RecordQuery::Select)].reset();
    return status;
}

Status FileSet::beginChange()
{
    closeCursors();
    if (inTransaction_)
        return Status::Ok;
    int rc = db_.exec("BEGIN IMMEDIATE");
    if (rc != SQLITE_OK)
        return failure(rc);
    if (!marked_) {
        for (const RecordQuery mark :
             {RecordQuery::MarkDataWritten, RecordQuery::MarkIndexWritten}) {
            SqliteStatement* update = statement(mark);
            rc = update ? update->step() : SQLITE_ERROR;
            if (rc != SQLITE_DONE) {
                rollback();
                return failure(rc);
            }
        }
        markPending_ = true;
    }
    inTransaction_ = true;
    pendingChanges_ = 0;
    return Status::Ok;
}

Status FileSet::commit()
{
    inTransaction_ = false;
    const int rc = db_.exec("COMMIT");
    if (rc == SQLITE_OK) {
        marked_ = marked_ || markPending_;
        markPending_ = false;
        return Status::Ok;
    }
    rollback();
    return failure(rc);
}

void FileSet::rollback()
{
    inTransaction_ = false;
    markPending_ = false;
    db_.exec("ROLLBACK");
}

Status FileSet::endChange(Status result)
{
    const bool changed = result == Status::Ok;
    const bool untouched = result != Status::IoError && result != Status::Busy;
    if (batching_ && untouched) {
        if (changed && ++pendingChanges_ >= BatchCommitEvery) {
            const Status committed = commit();
            return committed == Status::Ok ? result : committed;
        }
        return result;
    }
    if (changed)
        return commit();
    rollback();
    return result;
}

Status FileSet::add(std::span<const std::byte> record)
{
    if (!lengthFits(record.size()))
        return Status::BadRecordLength;
    const Status status = beginChange();
    return status == Status::Ok ? endChange(insertRecord(record)) : status;
}

Status FileSet::rewrite(std::span<const std::byte> record)
{
    if (!hasCurrent())
        return Status::NoCurrentRecord;
    if (!lengthFits(record.size()))
        return Status::BadRecordLength;
    const Status status = beginChange();
    return status == Status::Ok ? endChange(replaceRecord(record)) : status;
}

Status FileSet::remove()
{
    if (!hasCurrent())
        return Status::NoCurrentRecord;
    const Status status = beginChange();
    return status == Status::Ok ? endChange(deleteRecord()) : status;
}

Status FileSet::insertRecord(std::span<const std::byte> record)
{
    for (size_t k = 0; k < keys_.size(); ++k) {
        newKeys_[k] = keys_[k]->keyOf(record);
        if (!keys_[k]->definition().duplicates && keyPresent(k, newKeys_[k].bytes()) != 0)
            return Status::KeyExists;
    }
    SqliteStatement* insert = statement(RecordQuery::Insert);
    if (!insert)
        return Status::IoError;
    insert->bind(1, record);
    int rc = insert->step();
    insert->reset();
    if (rc != SQLITE_DONE)
        return failure(rc);
    const int64_t position = sqlite3_last_insert_rowid(db_.handle());
    for (size_t k = 0; k < keys_.size(); ++k) {
        SqliteStatement* insertKey = keys_[k]->statement(KeyQuery::Insert);
        if (!insertKey)
            return Status::IoError;
        insertKey->bind(1, newKeys_[k].bytes());
        insertKey->bind(2, position);
        rc = insertKey->step();
        insertKey->reset();
        if (rc != SQLITE_DONE)
            return failure(rc);
    }
    takeCurrent(position, record);
    return Status::Ok;
}

Status FileSet::replaceRecord(std::span<const std::byte> record)
{
    std::span<const std::byte> stored;
    const Status found = readStored(stored);
    if (found != Status::Ok)
        return found;
    for (size_t k = 0; k < keys_.size(); ++k) {
        oldKeys_[k] = keys_[k]->keyOf(stored);
        newKeys_[k] = keys_[k]->keyOf(record);
    }
    statements_[static_cast<size_t>(RecordQuery::Select)].reset();
    for (size_t k = 0; k < keys_.size(); ++k) {
        if (!keys_[k]->definition().duplicates && !(newKeys_[k] == oldKeys_[k])
            && keyPresent(k, newKeys_[k].bytes()) != 0)
            return Status::KeyExists;
    }
    SqliteStatement* update = statement(RecordQuery::Update);
    if (!update)
        return Status::IoError;
    update->bind(1, current_.position);
    update->bind(2, record);
    int rc = update->step();
    update->reset();
    if (rc != SQLITE_DONE)
        return failure(rc);
    for (size_t k = 0; k < keys_.size(); ++k) {
        if (newKeys_[k] == oldKeys_[k])
            continue;
        for (const auto& [query, key] : {std::pair{KeyQuery::Remove, &oldKeys_[k]},
                                         std::pair{KeyQuery::Insert, &newKeys_[k]}}) {
            SqliteStatement* change = keys_[k]->statement(query);
            if (!change)
                return Status::IoError;
            change->bind(1, key->bytes());
            change->bind(2, current_.position);
            rc = change->step();
            change->reset();
            if (rc != SQLITE_DONE)
                return failure(rc);
        }
    }
    takeCurrent(current_.position, record);
    return Status::Ok;
}

Status FileSet::deleteRecord()
{
    std::span<const std::byte> stored;
    const Status found = readStored(stored);
    if (found != Status::Ok)
        return found;
    // Next and previous continue from the record as it was stored.
    takeCurrent(current_.position, stored);
    current_.deleted = true;
    statements_[static_cast<size_t>(RecordQuery::Select)].reset();
    for (size_t k = 0; k < keys_.size(); ++k) {
        SqliteStatement* removeKey = keys_[k]->statement(KeyQuery::Remove);
        if (!removeKey)
            return Status::IoError;
        removeKey->bind(1, keys_[k]->keyOf(current_.image).bytes());
        removeKey->bind(2, current_.position);
        const int rc = removeKey->step();
        removeKey->reset();
        if (rc != SQLITE_DONE)
            return failure(rc);
    }
    SqliteStatement* remove = statement(RecordQuery::Delete);
    if (!remove)
        return Status::IoError;
    remove->bind(1, current_.position);
    const int rc = remove->step();
    remove->reset();
    return rc == SQLITE_DONE ? Status::Ok : failure(rc);
}

Status FileSet::batchRead(size_t keyOrdinal, BatchRequest& request, std::span<std::byte> buffer,
                          BatchMode mode)
{
    if (isVariableLength(definition_) && mode != BatchMode::Cancel)
        return Status::NotFixedLength;
    int64_t lastPosition = 0;
    if (mode == BatchMode::Start) {
        SqliteStatement* last = statement(RecordQuery::LastPosition);
        if (!last)
            return Status::IoError;
        const int rc = last->step();
        if (rc != SQLITE_ROW)
            return failure(rc);
        lastPosition = last->columnInteger(0);
        last->reset();
    }
    const bool othersWrite = (definition_.mode & FileMode::Shared) != 0;
    return batch_.read(*keys_[keyOrdinal], lastPosition, othersWrite, definition_.recordLength, request,
                       buffer, mode);
}

}  // namespace platform::isam
