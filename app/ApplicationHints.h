#pragma once
// The application's hint switch: while it is off, no window of the program shows a tool tip.

void SetApplicationHints(bool shown);
bool ApplicationHintsShown();
