#include "app/DataSets.h"

#include "frame/SharedTables.h"
#include "userdata/UserDatabase.h"

namespace {

int openSet = 0;

}  // namespace

bool SelectUserDatabase(int set)
{
    openSet = 0;
    CloseUserDatabase();
    UserDatabaseLocation location;
    location.objectFolder = DataPaths[DataPathSetA + set - 1];
    location.seabedFolder = ProgramFolder / (set == 6 ? "Data_F" : "Data_A");
    location.aisFolder = DataPaths[DataPathReplay];
    location.sharedObjects = ShareData[set - 1];
    location.sharedSeabed = false;
    location.sharedAis = ShareReplay;
    if (!OpenUserDatabase(location))
        return false;
    openSet = set;
    return true;
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
