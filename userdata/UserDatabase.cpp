#include "userdata/UserDatabase.h"

#include "frame/SharedTables.h"
#include "userdata/DatabaseReports.h"

using namespace platform::isam;

platform::isam::IsamLibrary UserIsam;

IdRecord IdBuffer;
IdRecord IdShownBuffer;
PointRecord PointBuffer;
InfoRecord InfoBuffer;
SeabedRecord SeabedBuffer;
AisStaticRecord AisBuffer;

namespace {

constexpr int32_t ModeMismatchMessage = 301;

// The definitions of the last open.
std::vector<UserFileSet> workingSets;
// A failure of the open running now is not shown.
bool quietOpen = false;

bool StopMessage(const std::string& section, int32_t number)
{
    if (!quietOpen)
        ShowDatabaseMessage(section, number, DatabaseMessageFatal);
    return false;
}

bool StopMessage(const std::string& section, Status status)
{
    return StopMessage(section, static_cast<int32_t>(status));
}

// Open; else rebuild the index and open again; else create, which the library refuses over an
// existing data file: the user's data is then left alone and the rebuild's failure is shown.
bool OpenFileSet(const UserFileSet& set)
{
    const FileDefinition& definition = set.definition;
    if (UserIsam.openFileSet(definition) != Status::Ok) {
        const Status rebuilt = UserIsam.rebuildFileSet(definition);
        if (rebuilt == Status::Ok) {
            const Status reopened = UserIsam.openFileSet(definition);
            if (reopened != Status::Ok)
                return StopMessage(set.name + " ReOpen", reopened);
        } else {
            const Status created = UserIsam.createFileSet(definition);
            if (created == Status::FileExists)
                return StopMessage(set.name + " ReOpen", rebuilt);
            if (created != Status::Ok)
                return StopMessage(set.name + " Create", created);
        }
    }
    if (definition.dataFileNumber == IdFile && UserIsam.fileMode(IdFile) != definition.mode)
        return StopMessage("cTree", ModeMismatchMessage);
    return true;
}

// Deletes the set and creates it empty; a set that cannot be deleted is opened again.
Status EmptyFileSet(const UserFileSet& set)
{
    const FileDefinition& definition = set.definition;
    const UserDataFile file = static_cast<UserDataFile>(definition.dataFileNumber);
    const Status deleted = UserIsam.deleteFileSet(definition);
    if (deleted != Status::Ok && deleted != Status::DataFileMissing) {
        ReportRecordFailure({"clear", file, deleted});
        CheckRecordStatus("reopen", file, UserIsam.openFileSet(definition));
        return deleted;
    }
    return CheckRecordStatus("create", file, UserIsam.createFileSet(definition));
}

}  // namespace

bool OpenUserDatabase(const UserDatabaseLocation& location)
{
    workingSets = UserFileSets(location);
    return OpenUserDatabase();
}

bool OpenUserDatabaseQuietly(const UserDatabaseLocation& location)
{
    quietOpen = true;
    const bool opened = OpenUserDatabase(location);
    quietOpen = false;
    if (!opened)
        CloseUserDatabase();
    return opened;
}

bool OpenUserDatabase()
{
    if (IoShutDown)
        return false;
    CloseUserDatabase();
    if (workingSets.empty())
        return StopMessage("cTree", Status::BadDefinition);
    const Status started = UserIsam.start(UserFileCount);
    if (started != Status::Ok)
        return StopMessage("cTree", started);
    for (const UserFileSet& set : workingSets) {
        if (!OpenFileSet(set))
            return false;
    }
    return true;
}

void CloseUserDatabase()
{
    UserIsam.stop();
}

Status ClearObjectFiles()
{
    if (workingSets.empty() || !UserIsam.isStarted()) {
        ReportRecordFailure({"clear", IdFile, Status::NotStarted});
        return Status::NotStarted;
    }
    // The working sets are in opening order: id, point, info, seabed, ais5.
    for (const size_t index : {1, 2, 0}) {
        const Status status = EmptyFileSet(workingSets[index]);
        if (status != Status::Ok)
            return status;
    }
    return Status::Ok;
}
