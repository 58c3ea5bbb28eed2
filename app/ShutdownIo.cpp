#include "app/ShutdownIo.h"

#include "app/ChildPrograms.h"
#include "app/PendingServices.h"
#include "frame/PortSettings.h"
#include "frame/SharedTables.h"
#include "sensors/ComOutThread.h"
#include "sensors/ComPortControl.h"
#include "sensors/NmeaOutput.h"
#include "sensors/OwnShipState.h"
#include "sensors/SeabedRecorder.h"
#include "userdata/UserDatabase.h"

#include <mutex>

namespace {

// The tile a tile change left waiting and the tile being recorded: stored only, nothing loaded.
void StoreHeldSeabedTiles()
{
    for (SeabedTile* tile : {&SeabedFlushTile, &CurrentSeabedTile}) {
        if (!tile->changed)
            continue;
        pending::FlushSeabedTile(*tile);
        tile->changed = false;
    }
    OwnShip.seabedFlushRequest = false;
}

}  // namespace

void ShutdownIo()
{
    StopComOutThread();
    ComOutHook = {};  // it reaches the window that is going
    CloseComPorts();
    if (!IoShutDown)
        StoreHeldSeabedTiles();
    EndChildPrograms();
    {
        const std::lock_guard lock(ComOutStateLock);
        ClockTime.reset();
    }
    if (IoShutDown)
        return;
    IoShutDown = true;
    CloseUserDatabase();
}
