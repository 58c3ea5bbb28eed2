#pragma once
// The editing state of the drawing tools, shared by the tool bars, the chart's click handler and
// the object and route dialogs, and read by the ticks. All on the main thread; everything idle
// (0 / false) while no tool is at work. The route's own state (RouteId, RouteEditMode,
// OwnPositionInserted, NextStopWaypoint) lives with the route table (userdata/RouteTable.h), and
// the route-start and route-stop requests, which the output thread reads too, with route
// following (userdata/RouteFollowing.h).

#include <cstdint>

constexpr int32_t LineDrawing = 2;  // LineEditPhase of a new line
constexpr int32_t LineEditing = 3;  // of a stored line

extern bool EditingActive;        // an object or route edit is under way
extern int32_t PickMode;          // 1 tracks, 2 a route is removed, 3 lines, 5 symbols; 0 off
// The object kind the object dialog lists for picking: 2 routes, 3 lines; 0 none.
extern int32_t ObjectPickKind;
// Points placed in the route or line being drawn, or the clicks of a two-click action (an area).
extern int32_t DrawnPointCount;
extern bool RouteChanged;         // the route in the table differs from the stored one
extern bool ObjectLoaded;         // an object was loaded into the route table for editing
extern bool RouteGridSelected;    // a cell of the route dialog's grid was chosen
extern bool CutMode;              // the track cut tool is armed
extern bool SymbolPlaceMode;
extern bool SymbolMoveMode;
extern int32_t LineEditPhase;     // 1..3 while a line is drawn or edited: LineDrawing, LineEditing
extern int32_t LineId;            // the line object picked or being edited; 0 none
extern bool DataAreaSelection;    // the data tab's area is being chosen on the chart
extern bool PortDialogRequested;  // the port set-up is to be shown

// Every value back to idle (start-up and tests).
void ResetEditingState();
