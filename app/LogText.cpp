#include "app/LogText.h"

#include "frame/PositionText.h"
#include "frame/SharedTables.h"
#include "userdata/StoredPosition.h"

#include <cstdarg>
#include <cstdio>

std::filesystem::path LogFolderFile(const std::string& name)
{
    return DataPaths[DataPathLog] / name;
}

std::string Printed(const char* format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    va_list again;
    va_copy(again, arguments);
    const int length = std::vsnprintf(nullptr, 0, format, arguments);
    va_end(arguments);
    std::string text(size_t(std::max(length, 0)), '\0');
    std::vsnprintf(text.data(), text.size() + 1, format, again);
    va_end(again);
    return text;
}

std::string WithCrLf(const std::string& text)
{
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (const char c : text) {
        if (c == '\n')
            out += '\r';
        out += c;
    }
    return out;
}

std::string CompactLatLon(int32_t chartValue, bool longitude)
{
    std::string text = FormatLatLon(StoredFromChart(chartValue), longitude);
    // "%3d° %02d.%03d' %c": the blank after the degree sign, then the one before the letter.
    if (text.size() > 4)
        text.erase(4, 1);
    if (text.size() > 11)
        text.erase(11, 1);
    return text;
}
