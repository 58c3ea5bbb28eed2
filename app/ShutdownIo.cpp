#include "app/ShutdownIo.h"

#include "app/ChildPrograms.h"
#include "frame/PortSettings.h"
#include "frame/SharedTables.h"
#include "sensors/ComOutThread.h"
#include "sensors/ComPortControl.h"
#include "sensors/NmeaOutput.h"
#include "sensors/OwnShipState.h"
#include "userdata/SeabedTiles.h"
#include "userdata/UserDatabase.h"

#include <mutex>

void ShutdownIo()
{
    StopComOutThread();
    ComOutHook = {};  // it reaches the window that is going
    CloseComPorts();
    if (!IoShutDown) {
        StoreHeldSeabedTiles();
        OwnShip.seabedFlushRequest = false;
    }
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
