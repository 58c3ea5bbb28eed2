#pragma once
// The operation codes of the object sweeps and loads: 100 x action + object type. Actions: 100
// draw only what the display filters pass, 200 pick to select, 300 pick to delete, 400 pick to
// edit (a route's waypoint); no action draws every object of the type. 502 loads a route into
// the route table and is otherwise 2.

#include <cstdint>

constexpr int32_t RouteLoadCode = 502;
// A pick finds a point this many pixels or less away, in x and in y.
constexpr int32_t PickReach = 6;

struct ObjectCode {
    int32_t type = 0;
    bool filtered = false;  // 100
    bool select = false;    // 200
    bool remove = false;    // 300
    bool edit = false;      // 400

    bool pick() const { return select || remove || edit; }
};

// The flags 400, 300, 200 and 100 in this order, each taken off while the rest exceeds it.
constexpr ObjectCode SplitObjectCode(int32_t code)
{
    ObjectCode split;
    if (code > 400) {
        split.edit = true;
        code -= 400;
    }
    if (code > 300) {
        split.remove = true;
        code -= 300;
    }
    if (code > 200) {
        split.select = true;
        code -= 200;
    }
    if (code > 100) {
        split.filtered = true;
        code -= 100;
    }
    split.type = code;
    return split;
}
