#pragma once
// The names of the chart object classes that the look-ahead's area warning shows.

#include <cstdint>

// The short name of object class `code`; "Query chart info" for any other code, negative ones
// included.
const char* WarningClassName(int32_t code);
