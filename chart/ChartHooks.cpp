#include "chart/ChartHooks.h"

ChartHooks ChartHook;
