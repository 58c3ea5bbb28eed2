#pragma once
// A printf-style text as a std::string, for the short readouts and cells built from one format.

#include <cstdio>
#include <string>

// `format` filled with `values`; texts longer than 127 characters are cut.
template <typename... Values>
std::string Printed(const char* format, Values... values)
{
    char text[128];
    std::snprintf(text, sizeof text, format, values...);
    return text;
}
