#pragma once
// The program's own mouse pointers of the chart, loaded once at start-up and addressed by their
// numbers: 5 "DELETE", 6 "CUT", 7 "HOOK", 8 "DELAREA", 9 "ECS".

#include <QCursor>

enum ProgramCursorNumber {
    CursorDelete = 5,
    CursorCut = 6,
    CursorHook = 7,
    CursorDeleteArea = 8,
    CursorEcs = 9,
};

// Makes the five pointers; before that, and for any other number, ProgramCursor gives the arrow.
void LoadProgramCursors();
QCursor ProgramCursor(int number);
