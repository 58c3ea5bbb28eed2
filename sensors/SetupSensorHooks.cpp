#include "sensors/SetupSensorHooks.h"

SetupSensorHooks SetupSensorHook;
