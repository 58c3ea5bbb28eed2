#include "userdata/ObjectPoints.h"

#include "userdata/DatabaseReports.h"
#include "userdata/UserDatabase.h"

#include <algorithm>
#include <array>
#include <cstring>

using namespace platform::isam;

namespace {

constexpr uint16_t ObjectIdBytes = 4;  // the first segment of key 5

// Appends the part's records to `points`.
void TakePart(const std::array<std::byte, PointBatchBytes>& buffer, int32_t entries,
              std::vector<PointRecord>& points)
{
    for (int32_t i = 0; i < entries; ++i) {
        PointRecord& point = points.emplace_back();
        std::memcpy(&point, buffer.data() + size_t(i) * PointBatchEntry + 4, sizeof point);
    }
}

}  // namespace

bool ReadObjectPoints(int32_t id, std::vector<PointRecord>& points)
{
    points.clear();
    PointRecord probe;
    probe.id = id;
    const std::vector<std::byte> key = UserKeyValue(PointKey, bytesOf(probe));
    BatchRequest request;
    request.significantBytes = ObjectIdBytes;
    std::copy_n(key.begin(), ObjectIdBytes, request.keyValue.begin());

    static std::array<std::byte, PointBatchBytes> buffer;
    Status status = UserIsam.batchRead(PointKey, request, buffer, BatchMode::Start);
    points.reserve(size_t(std::max(request.total, 0)));
    while (status == Status::Ok) {
        TakePart(buffer, request.returned, points);
        if (request.available == 0)
            break;
        status = UserIsam.batchRead(PointKey, request, buffer, BatchMode::NextPart);
    }
    UserIsam.batchRead(PointKey, request, buffer, BatchMode::Cancel);
    CheckRecordStatus("batch read", PointFile, status);
    return status == Status::Ok || status == Status::NoRecord;
}
