#pragma once
// The 182 chart object classes the program knows (S-57 codes 1..160, 300..312, 400..402,
// 500..504 and 10001): in drawing-priority order for the engine, and their slots in a view's
// object-class table (ascending code order).

#include <array>
#include <cstdint>

inline constexpr int ObjectClassCount = 182;

// Position 0 is drawn first.
inline constexpr std::array<uint32_t, ObjectClassCount> ObjectClassCodes = {
    74,  5,   6,   7,   8,   9,   14,  15,  16,  17,  18,  19,  75,  76,  77,  11,  12,  39,  84,  87,  90,
    122, 58,  101, 103, 113, 20,  21,  22,  92,  93,  94,  86,  159, 98,  153, 108, 109, 110, 40,  41,  145,
    146, 147, 148, 149, 150, 152, 133, 53,  85,  47,  57,  64,  82,  105, 123, 124, 29,  111, 102, 55,  128,
    89,  95,  112, 27,  96,  66,  154, 63,  91,  104, 28,  33,  1,   45,  4,   3,   10,  306, 81,  78,  303,
    312, 304, 309, 68,  60,  50,  25,  56,  54,  2,   120, 83,  48,  67,  88,  97,  135, 132, 36,  156, 136,
    137, 138, 139, 140, 141, 142, 143, 160, 305, 300, 308, 310, 301, 311, 307, 79,  61,  23,  24,  114, 115,
    38,  46,  49,  80,  107, 130, 157, 158, 106, 116, 117, 52,  59,  13,  26,  34,  35,  51,  62,  65,  125,
    127, 151, 155, 118, 44,  144, 126, 131, 134, 504, 99,  100, 37,  31,  32,  121, 42,  43,  69,  70,  71,
    119, 72,  73,  400, 401, 402, 500, 501, 502, 503, 30,  129, 302, 10001};

// The slot of a class code in an object-class table, or -1 for a code without one.
constexpr int ObjectClassSlot(int32_t code)
{
    if (code >= 1 && code <= 160)
        return code - 1;
    if (code >= 300 && code <= 312)
        return code - 300 + 160;
    if (code >= 400 && code <= 402)
        return code - 400 + 173;
    if (code >= 500 && code <= 504)
        return code - 500 + 176;
    if (code == 10001)
        return 181;
    return -1;
}
