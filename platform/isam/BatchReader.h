#pragma once
// Batch reads: every record whose key starts with the significant bytes of a key value, handed
// out a buffer at a time. The batch holds the records present when it starts; records added
// while it runs are not handed out (positions only grow, so they lie above the batch's last
// position), and no record is handed out twice.

#include "platform/isam/IsamStatus.h"
#include "platform/isam/KeyValue.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace platform::isam {

class KeyIndex;
class SqliteStatement;

enum class BatchMode : int16_t {
    Cancel = 1,      // ends the batch
    NextPart = 34,   // fills the buffer with the next records
    Start = 35,      // starts a batch and fills the buffer with its first records
};

struct BatchRequest {
    int32_t total = 0;       // records of the batch, counted when it started
    int32_t available = 0;   // of those, not handed out yet
    int32_t returned = 0;    // entries in the buffer after this call
    uint16_t significantBytes = 0;  // leading bytes of keyValue a key must match (0: all records)
    std::array<std::byte, MaxKeyLength> keyValue{};  // prepared
};

class BatchReader {
public:
    // The buffer receives entries of a 4-byte little-endian record position and the record
    // (recordLength bytes). Start: 0 with the first part, 101 when no record qualifies. Next
    // part: 0, 101 when every record was handed out, NoBatch without a batch. Cancel: 0.
    // lastPosition is the highest record position when the batch starts; othersWrite tells that
    // other programs may add records to the files meanwhile (shared mode).
    Status read(KeyIndex& key, int64_t lastPosition, bool othersWrite, uint32_t recordLength,
                BatchRequest& request, std::span<std::byte> buffer, BatchMode mode);

private:
    Status start(KeyIndex& key, int64_t lastPosition, bool othersWrite, BatchRequest& request);
    Status fillPart(uint32_t recordLength, BatchRequest& request, std::span<std::byte> buffer);

    KeyIndex* key_ = nullptr;  // the batch's key; none when no batch runs
    PreparedKey upperBound_;
    PreparedKey lastKey_;       // the last entry handed out, or the prefix at the start
    int64_t lastPosition_ = 0;
    int64_t batchEnd_ = 0;      // highest record position when the batch started
    bool exhausted_ = false;    // a part was not full: every record was handed out
    int32_t total_ = 0;
    int32_t handedOut_ = 0;
};

}  // namespace platform::isam
