#include "userdata/TrackHooks.h"

TrackHooks TrackHook;
