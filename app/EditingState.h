#pragma once
// The editing state of the drawing tools, shared by the tool bars, the chart's click handler and
// the object and route dialogs, and read by the ticks. All on the main thread; everything idle
// (0 / false) while no tool is at work.

#include <cstdint>

extern bool EditingActive;        // an object or route edit is under way
extern int32_t PickMode;          // 1 tracks, 2 a route is removed, 3 lines, 5 symbols; 0 off
extern bool RouteChanged;         // the route in the table differs from the stored one
extern bool ObjectLoaded;         // an object was loaded into the route table for editing
extern bool RouteGridSelected;    // a cell of the route dialog's grid was chosen
extern bool CutMode;              // the track cut tool is armed
extern bool SymbolPlaceMode;
extern bool SymbolMoveMode;
extern bool SymbolHeld;           // a symbol is being moved
extern int32_t LineEditPhase;     // 1..3 while a line is drawn or edited
extern int32_t LinePointCount;    // points of the line being edited
extern int32_t LineId;            // the line object picked or being edited; 0 none
extern int32_t ChartPickKind;     // the object kind a chart click picks; 0 none
extern bool DataAreaSelection;    // the data tab's area is being chosen on the chart
extern bool BearingLineStarted;   // the bearing tool has its first point
extern bool PortDialogRequested;  // the port set-up is to be shown

// Every value back to idle (start-up and tests).
void ResetEditingState();
