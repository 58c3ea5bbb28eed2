#pragma once
// PaintRouteWaypoints: the route table on the chart, its legs and its waypoint numbers.

class QPainter;
class TForm1;

// With turns shown (the route-legs setting) every waypoint's turn is computed anew and a
// visible route grid rewritten. Then each leg is drawn: with turns shown a great-circle leg
// along its great circle (as a rhumb line when that cannot be drawn), any other as a route leg
// with its turn, marked active when it is the leg being sailed or turns are not shown. Each
// waypoint whose screen point lies in the chart gets its number 6 pixels up and left of it,
// numbered as the route grid numbers them, the selected waypoint's highlighted.
void PaintRouteWaypoints(TForm1& form, QPainter& canvas);
