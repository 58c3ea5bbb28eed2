#include "app/EditingState.h"

bool EditingActive = false;
int32_t PickMode = 0;
int32_t ObjectPickKind = 0;
int32_t DrawnPointCount = 0;
bool RouteChanged = false;
bool ObjectLoaded = false;
bool RouteGridSelected = false;
bool CutMode = false;
bool SymbolPlaceMode = false;
bool SymbolMoveMode = false;
int32_t LineEditPhase = 0;
int32_t LineId = 0;
bool DataAreaSelection = false;
bool PortDialogRequested = false;

void ResetEditingState()
{
    EditingActive = false;
    PickMode = 0;
    ObjectPickKind = 0;
    DrawnPointCount = 0;
    RouteChanged = false;
    ObjectLoaded = false;
    RouteGridSelected = false;
    CutMode = false;
    SymbolPlaceMode = false;
    SymbolMoveMode = false;
    LineEditPhase = 0;
    LineId = 0;
    DataAreaSelection = false;
    PortDialogRequested = false;
}
