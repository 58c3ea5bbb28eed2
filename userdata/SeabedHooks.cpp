#include "userdata/SeabedHooks.h"

SeabedHooks SeabedHook;
