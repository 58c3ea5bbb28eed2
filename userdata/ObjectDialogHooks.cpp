#include "userdata/ObjectDialogHooks.h"

ObjectDialogHooks ObjectDialogHook;
