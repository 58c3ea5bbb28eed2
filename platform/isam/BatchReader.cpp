#include "platform/isam/BatchReader.h"

#include "platform/isam/KeyIndex.h"

#include <algorithm>
#include <cstring>

namespace platform::isam {

namespace {

Status failure(int sqliteResult)
{
    return (sqliteResult & 0xFF) == SQLITE_BUSY ? Status::Busy : Status::IoError;
}

}  // namespace

Status BatchReader::read(KeyIndex& key, int64_t lastPosition, bool othersWrite, uint32_t recordLength,
                         BatchRequest& request, std::span<std::byte> buffer, BatchMode mode)
{
    switch (mode) {
    case BatchMode::Cancel:
        key_ = nullptr;
        return Status::Ok;
    case BatchMode::Start: {
        key_ = nullptr;
        if (buffer.size() < 4 + size_t{recordLength})
            return Status::BufferTooSmall;
        const Status started = start(key, lastPosition, othersWrite, request);
        return started == Status::Ok ? fillPart(recordLength, request, buffer) : started;
    }
    case BatchMode::NextPart:
        if (key_ != &key)
            return Status::NoBatch;
        if (buffer.size() < 4 + size_t{recordLength})
            return Status::BufferTooSmall;
        if (exhausted_) {
            request.returned = 0;
            request.available = 0;
            return Status::NoRecord;
        }
        return fillPart(recordLength, request, buffer);
    }
    return Status::BadBatchMode;
}

Status BatchReader::start(KeyIndex& key, int64_t lastPosition, bool othersWrite, BatchRequest& request)
{
    if (request.significantBytes > key.length())
        return Status::BadKeyValue;
    const std::span<const std::byte> prefix(request.keyValue.data(), request.significantBytes);
    upperBound_ = prefixUpperBound(prefix, key.length());
    // Alone with the files, every entry's record lies at or below the last position; another
    // program may have added one since it was read.
    SqliteStatement* count = key.statement(othersWrite ? KeyQuery::Count : KeyQuery::CountAll);
    if (!count)
        return Status::IoError;
    count->bind(1, prefix);
    count->bind(2, upperBound_.bytes());
    if (othersWrite)
        count->bind(3, lastPosition);
    const int rc = count->step();
    if (rc != SQLITE_ROW)
        return failure(rc);
    request.total = static_cast<int32_t>(count->columnInteger(0));
    request.available = request.total;
    request.returned = 0;
    count->reset();
    if (request.total == 0)
        return Status::NoRecord;
    key_ = &key;
    exhausted_ = false;
    lastKey_ = PreparedKey(prefix);
    lastPosition_ = 0;
    batchEnd_ = lastPosition;
    total_ = request.total;
    handedOut_ = 0;
    return Status::Ok;
}

Status BatchReader::fillPart(uint32_t recordLength, BatchRequest& request,
                             std::span<std::byte> buffer)
{
    const size_t entryLength = 4 + size_t{recordLength};
    SqliteStatement* part = key_->statement(KeyQuery::BatchPart);
    if (!part)
        return Status::IoError;
    part->bind(1, lastKey_.bytes());
    part->bind(2, lastPosition_);
    part->bind(3, upperBound_.bytes());
    const int64_t limit = static_cast<int64_t>(buffer.size() / entryLength);
    part->bind(4, batchEnd_);
    part->bind(5, limit);
    int32_t returned = 0;
    int rc;
    while ((rc = part->step()) == SQLITE_ROW) {
        const int64_t position = part->columnInteger(1);
        const std::span<const std::byte> record = part->columnBlob(2);
        std::byte* entry = buffer.data() + returned * entryLength;
        const auto stored = static_cast<uint32_t>(position);
        for (int i = 0; i < 4; ++i)
            entry[i] = static_cast<std::byte>(stored >> (8 * i));
        std::memcpy(entry + 4, record.data(), std::min<size_t>(record.size(), recordLength));
        lastPosition_ = position;
        // The next part goes on after the last entry a full part holds; only its key is kept.
        if (++returned == limit)
            lastKey_ = PreparedKey(part->columnBlob(0));
    }
    part->reset();
    if (rc != SQLITE_DONE)
        return failure(rc);
    // A part that is not full holds the batch's last records: records added since its start
    // lie beyond it, so nothing is left to hand out.
    exhausted_ = returned < limit;
    handedOut_ += returned;
    request.returned = returned;
    request.available = std::max(0, total_ - handedOut_);
    request.total = total_;
    return returned > 0 ? Status::Ok : Status::NoRecord;
}

}  // namespace platform::isam

