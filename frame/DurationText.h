#pragma once
// The sailing time of a distance at a speed, as the route grid, route following and the route
// export show it.

#include <string>

// Hours are `distance` (nautical miles) / `speed` (knots), truncated: "%d m. %02d s." below
// 1 hour, "%d h. %02d m." up to 24 whole hours, "%d d. %d h. %02d m." beyond (25 hours show as
// 1 day and 1 hour, 48 hours as 1 day and 24 hours). A speed that is not above 0, and a time
// that is not a finite number or too long to count in minutes, give the dotted text
// ".............. ".
std::string FormatDuration(float distance, float speed);
