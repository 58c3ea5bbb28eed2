#pragma once
// The object bar's hooks into the main window: the chart's hover pick, the route bar, the
// selected line and the redraw request.

void WireObjectList();
