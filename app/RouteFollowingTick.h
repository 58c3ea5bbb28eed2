#pragma once
// Route following on the ticks: one evaluation with the own ship's state, and the waypoint and
// cross-track alarms it raises.

class TForm1;

// Evaluates the route followed, while the program runs, no route start is requested and no
// overlay redraw is pending; fills the route panel (but at a switch, which asks for the redraw
// first); raises the waypoint alarm (" New WP") and raises or clears the
// cross-track alarm (" TRACK"). Clearing the cross-track alarm undoes only the flags that it
// set itself, so another alarm stays as it was.
void UpdateRouteEtaPanel(TForm1& f);
