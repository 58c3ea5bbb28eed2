#include "app/ShutdownIo.h"

#include "app/ChildPrograms.h"
#include "frame/PortSettings.h"
#include "frame/SharedTables.h"
#include "sensors/ComOutThread.h"
#include "sensors/ComPortControl.h"

#include <mutex>

void ShutdownIo()
{
    StopComOutThread();
    CloseComPorts();
    EndChildPrograms();
    const std::lock_guard lock(ComOutStateLock);
    ClockTime.reset();
}
