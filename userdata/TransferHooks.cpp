#include "userdata/TransferHooks.h"

TransferHooks TransferHook;
