#include "userdata/ObjectDialogHooks.h"

ObjectDialogHooks ObjectDialogHook;

void AskChart(ChartRefresh refresh)
{
    if (ObjectDialogHook.refresh)
        ObjectDialogHook.refresh(refresh);
}
