#include "userdata/ObjectDump.h"

#include "userdata/DatabaseReports.h"
#include "userdata/DisplayFilter.h"
#include "userdata/TransferUserData.h"
#include "userdata/UserDatabase.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <system_error>

using namespace platform::isam;

namespace {

// Keys 5 and 7 compare their second segment signed: the lowest key of an id holds this there.
constexpr uint16_t LowestSequence = 0x8000;
constexpr int32_t LatitudeLimit = 90 * PositionUnitsPerDegree;
constexpr int32_t LongitudeLimit = 180 * PositionUnitsPerDegree;

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

bool HasPoints(ObjectType type)
{
    return int32_t(type) < int32_t(ObjectType::SYMBOL);
}

bool KnownType(ObjectType type)
{
    switch (type) {
    case ObjectType::TRACK:
    case ObjectType::ROUTE:
    case ObjectType::LINE:
    case ObjectType::SYMBOL:
    case ObjectType::ZONE:
    case ObjectType::FIELD:
        return true;
    }
    return false;
}

std::vector<IdRecord> AllObjects()
{
    std::vector<IdRecord> objects;
    IdRecord record;
    Status read = UserIsam.readFirst(IdTypeKey, bytesOf(record));
    while (read == Status::Ok) {
        objects.push_back(record);
        read = UserIsam.readNext(IdTypeKey, bytesOf(record));
    }
    CheckRecordStatus("read", IdFile, read);
    return objects;
}

// The object's points in key order while they hold its id, numbered from 1.
std::vector<PointRecord> PointsOf(int32_t id)
{
    std::vector<PointRecord> points;
    PointRecord point;
    point.id = id;
    point.sequence = LowestSequence;
    Status read = UserIsam.readGreaterOrEqual(PointKey, UserKeyValue(PointKey, bytesOf(point)), bytesOf(point));
    while (read == Status::Ok && point.id == id) {
        point.sequence = uint16_t(points.size() + 1);
        points.push_back(point);
        read = UserIsam.readNext(PointKey, bytesOf(point));
    }
    if (read != Status::Ok)
        CheckRecordStatus("read", PointFile, read);
    return points;
}

std::string TextOf(int32_t id)
{
    InfoRecord& info = InfoBuffer;
    info.keyId = id;
    info.kind = 0;
    const Status read = CheckRecordStatus(
        "read", InfoFile,
        UserIsam.readEqual(InfoKey, UserKeyValue(InfoKey, bytesOf(info).first(InfoHeadLength)), bytesOf(info)));
    if (read != Status::Ok)
        return {};
    return InfoText(info, UserIsam.currentRecordLength(InfoFile));
}

bool Selected(const IdRecord& object, const DumpSelection& selection, const TransferRegion& area)
{
    if (selection.areaLimited && !InsideTransferRegion(area, object.latitude, object.longitude))
        return false;
    if (!KindChosen(object.objectType, selection))
        return false;
    if (selection.displayedOnly)
        return ObjectDisplayed(object);
    return object.time >= selection.fromTime;
}

void Count(ObjectType type, DumpCounts& counts)
{
    switch (type) {
    case ObjectType::TRACK:
        ++counts.tracks;
        break;
    case ObjectType::ROUTE:
        ++counts.routes;
        break;
    case ObjectType::SYMBOL:
        ++counts.symbols;
        break;
    default:
        ++counts.lines;
        break;
    }
}

bool ValidPosition(int32_t latitude, int32_t longitude)
{
    return latitude >= -LatitudeLimit && latitude <= LatitudeLimit && longitude >= -LongitudeLimit &&
           longitude <= LongitudeLimit;
}

}  // namespace

bool KindChosen(ObjectType type, const DumpSelection& selection)
{
    switch (type) {
    case ObjectType::TRACK:
        return selection.tracks;
    case ObjectType::ROUTE:
        return selection.routes;
    case ObjectType::SYMBOL:
        return selection.symbols;
    case ObjectType::LINE:
    case ObjectType::ZONE:
    case ObjectType::FIELD:
        return selection.lines;
    }
    return false;
}

bool InsideTransferRegion(const TransferRegion& area, int32_t latitude, int32_t longitude)
{
    if (latitude < area.south || latitude > area.north)
        return false;
    if (area.west <= area.east)
        return longitude >= area.west && longitude <= area.east;
    return longitude >= area.west || longitude <= area.east;
}

bool WriteObjectDump(const std::filesystem::path& dump, const DumpSelection& selection,
                     const TransferRegion& area, DumpCounts& counts)
{
    std::unique_ptr<std::FILE, FileCloser> out(std::fopen(dump.c_str(), "wb"));
    if (!out)
        return false;
    bool written = true;
    const auto put = [&](const void* data, size_t size) {
        if (size > 0 && std::fwrite(data, size, 1, out.get()) != 1)
            written = false;
    };
    for (IdRecord object : AllObjects()) {
        if (!KnownType(object.objectType)) {
            ++counts.errors;
            continue;
        }
        if (!Selected(object, selection, area))
            continue;
        std::vector<PointRecord> points;
        if (HasPoints(object.objectType)) {
            points = PointsOf(object.id);
            if (points.size() < 2)
                continue;
            object.pointCount = uint16_t(std::min<size_t>(points.size(), MaxPointSequence));
            points.resize(object.pointCount);
        }
        const std::string text = TextOf(object.id);
        const uint16_t length = uint16_t(std::min<size_t>(text.size(), InfoTextMaximum));
        put(&object, sizeof object);
        for (const PointRecord& point : points)
            put(&point, sizeof point);
        put(&length, sizeof length);
        put(text.data(), length);
        Count(object.objectType, counts);
        counts.dumped.emplace_back(object.objectType, object.id);
    }
    if (std::fclose(out.release()) != 0)
        written = false;
    if (!written) {
        std::error_code ignored;
        std::filesystem::remove(dump, ignored);
    }
    return written;
}

DumpFault ReadObjectDump(const std::filesystem::path& dump, std::vector<DumpEntry>& entries)
{
    entries.clear();
    std::ifstream in(dump, std::ios::binary);
    if (!in)
        return DumpFault::Unreadable;
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    if (in.bad())
        return DumpFault::Unreadable;
    size_t at = 0;
    const auto take = [&](void* data, size_t size) {
        if (bytes.size() - at < size)
            return false;
        std::memcpy(data, bytes.data() + at, size);
        at += size;
        return true;
    };
    std::vector<DumpEntry> read;
    const auto fail = [&](DumpFault fault) {
        entries.clear();
        return fault;
    };
    while (at < bytes.size()) {
        DumpEntry entry;
        if (!take(&entry.object, sizeof entry.object))
            return fail(DumpFault::Truncated);
        const int32_t type = int32_t(entry.object.objectType);
        if (type < 1 || type > 7)
            return fail(DumpFault::BadType);
        entry.object.name[sizeof entry.object.name - 1] = '\0';
        if (!ValidPosition(entry.object.latitude, entry.object.longitude) ||
            !ValidPosition(entry.object.endLatitude, entry.object.endLongitude))
            return fail(DumpFault::BadPosition);
        if (HasPoints(entry.object.objectType)) {
            entry.points.resize(entry.object.pointCount);
            for (PointRecord& point : entry.points) {
                if (!take(&point, sizeof point))
                    return fail(DumpFault::Truncated);
                if (point.id != entry.object.id)
                    return fail(DumpFault::BadPoint);
                if (!ValidPosition(point.latitude, point.longitude))
                    return fail(DumpFault::BadPosition);
            }
        }
        uint16_t length = 0;
        if (!take(&length, sizeof length))
            return fail(DumpFault::Truncated);
        if (length > InfoTextMaximum)
            return fail(DumpFault::BadTextLength);
        entry.text.resize(length);
        if (!take(entry.text.data(), length))
            return fail(DumpFault::Truncated);
        read.push_back(std::move(entry));
    }
    entries = std::move(read);
    return DumpFault::None;
}
