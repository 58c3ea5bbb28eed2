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
    bool flags[4] = {};  // 400, 300, 200, 100
    for (int32_t i = 0; i < 4; ++i) {
        const int32_t flag = 400 - 100 * i;
        if (code > flag) {
            flags[i] = true;
            code -= flag;
        }
    }
    return {code, flags[3], flags[2], flags[1], flags[0]};
}
