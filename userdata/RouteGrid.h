#pragma once
// The grid of the route dialog: a row per waypoint with its position, leg, speed, lane, turn
// radius, ETA, stop and name, and the route's totals in the dialog's caption and the
// calculator's panels, written from the route table. Main thread only.

#include <cstdint>

class TWpDlg;

// Computes leg n and writes its row of the route grid (position, distance, bearing). While a
// route is drawn, entry n + 1 first takes the cursor's position, so the last leg follows the
// mouse. Nothing while an edit is pending or for n < 0.
void FillRouteGridRow(TWpDlg& dialog, int32_t n);

// Rewrites the whole route grid from the table (legs recomputed), the totals in the dialog's
// caption and the calculator's panels. Nothing while an edit is pending. RecalcRouteTable
// (RouteStore.h) calls it once changed route defaults are stored.
void WriteRouteGrid(TWpDlg& dialog);
