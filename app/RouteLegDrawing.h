#pragma once
// Legs of the route table on the main chart: the leg line with its arrow, the turn at the
// waypoint it leaves from, its lane and, while the route is followed, the wheel-over mark of the
// coming turn (whose point goes to route following). Main thread only.

#include <cstdint>

class QPainter;
class TForm1;

// Leg `leg` from entry leg to entry leg + 1; `lanes` asks for the lane edges, `check` for the
// chart check of the lane and the turn area into the danger flags (RouteLegLane.h). Nothing is
// drawn, and the flags stay, for a leg whose ends share a pixel or have none.
void DrawRouteLeg(TForm1& form, QPainter& canvas, int32_t leg, bool lanes, bool check);
