#include "app/DataSets.h"

#include "frame/SharedTables.h"
#include "userdata/SeabedTiles.h"
#include "userdata/UserDatabase.h"

namespace {

int openSet = 0;
// The folder of the seabed file opened last; empty before the first open.
std::filesystem::path openSeabedFolder;

bool SelectDatabase(int set, bool quietly)
{
    // The recorded depths go into the seabed file they were recorded for before it closes.
    StoreHeldSeabedTiles();
    openSet = 0;
    CloseUserDatabase();
    UserDatabaseLocation location;
    location.objectFolder = DataPaths[DataPathSetA + set - 1];
    location.seabedFolder = ProgramFolder / (set == 6 ? "Data_F" : "Data_A");
    // The seabed file lies under the program folder whatever Startup.ini names for the objects;
    // its folder is made here when missing.
    std::error_code ignored;
    std::filesystem::create_directories(location.seabedFolder, ignored);
    location.aisFolder = DataPaths[DataPathReplay];
    location.sharedObjects = ShareData[set - 1];
    location.sharedSeabed = false;
    location.sharedAis = ShareReplay;
    if (!(quietly ? OpenUserDatabaseQuietly(location) : OpenUserDatabase(location)))
        return false;
    openSet = set;
    // Recording goes on in the other file's copy of the tile it is in.
    if (location.seabedFolder != openSeabedFolder)
        ReloadCurrentSeabedTile();
    openSeabedFolder = location.seabedFolder;
    return true;
}

}  // namespace

bool SelectUserDatabase(int set)
{
    return SelectDatabase(set, false);
}

bool SelectDrawnDatabase(int set)
{
    return SelectDatabase(set, true);
}

int OpenDataSet()
{
    return UserIsam.isStarted() ? openSet : 0;
}

int DataSetInUse(int shown)
{
    for (int set = 6; set >= 2; --set)
        if (shown & (1 << (set - 1)))
            return set;
    return 1;
}
