#include "userdata/ObjectIds.h"

#include "userdata/DatabaseReports.h"
#include "userdata/UserDatabase.h"

#include <limits>
#include <random>

using namespace platform::isam;

namespace {

int32_t StartOf(IdRange range)
{
    switch (range) {
    case IdRange::Track:
        return 1000;
    case IdRange::Route:
        return 0;
    case IdRange::Line:
        return 10000;
    case IdRange::TargetTrack:
        return 9000;
    case IdRange::Symbol:
        return 20000;
    case IdRange::Import:
        return 100000;
    }
    return 0;
}

// Imported objects are numbered in random steps of 1 to 100.
int32_t StepOf(IdRange range)
{
    if (range != IdRange::Import)
        return 1;
    static std::minstd_rand generator{std::random_device{}()};
    return 1 + std::uniform_int_distribution<int32_t>(0, 99)(generator);
}

bool IdHeld(int32_t id)
{
    IdRecord probe;
    probe.id = id;
    return UserIsam.keyPresent(IdNumberKey, UserKeyValue(IdNumberKey, bytesOf(probe))) != 0;
}

}  // namespace

int32_t NewObjectId(IdRange range)
{
    int32_t id = StartOf(range);
    do {
        const int32_t step = StepOf(range);
        if (id > std::numeric_limits<int32_t>::max() - step)
            return 0;
        id += step;
    } while (IdHeld(id));
    return id;
}

Status AddIdRecord(IdRecord& record, IdRange range)
{
    for (int attempt = 0; attempt < MaxAddAttempts; ++attempt) {
        const Status status = UserIsam.addRecord(IdFile, bytesOf(record));
        if (status != Status::KeyExists)
            return CheckRecordStatus("add", IdFile, status);
        if (IdHeld(record.id)) {
            record.id = NewObjectId(range);
            if (record.id == 0)
                break;
        } else {
            ++record.longitude;
        }
    }
    ReportRecordFailure({"add", IdFile, Status::KeyExists});
    return Status::KeyExists;
}

Status RewriteIdRecord(IdRecord& record)
{
    for (int attempt = 0; attempt < MaxAddAttempts; ++attempt) {
        const Status status = UserIsam.rewriteRecord(IdFile, bytesOf(record));
        if (status != Status::KeyExists)
            return CheckRecordStatus("rewrite", IdFile, status);
        ++record.longitude;
    }
    ReportRecordFailure({"rewrite", IdFile, Status::KeyExists});
    return Status::KeyExists;
}

Status AddNewObject(IdRecord& record, IdRange range)
{
    record.id = NewObjectId(range);
    if (record.id == 0) {
        ReportRecordFailure({"add", IdFile, Status::KeyExists});
        return Status::KeyExists;
    }
    return AddIdRecord(record, range);
}
