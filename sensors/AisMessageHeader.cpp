#include "sensors/AisMessageHeader.h"

#include <cstdio>

namespace {

constexpr std::string_view Separator = "  ";
constexpr size_t MmsiDigits = 9;

// The decimal number of the `digits` characters at `at`; false unless all are digits.
bool Digits(std::string_view text, size_t at, size_t digits, uint32_t& value)
{
    if (at + digits > text.size())
        return false;
    value = 0;
    for (size_t i = at; i < at + digits; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return false;
        value = value * 10 + uint32_t(text[i] - '0');
    }
    return true;
}

bool Literal(std::string_view text, size_t at, std::string_view literal)
{
    return text.substr(at, literal.size()) == literal;
}

}  // namespace

bool operator==(const AisMessageHeader& a, const AisMessageHeader& b)
{
    return a.time.tm_year == b.time.tm_year && a.time.tm_mon == b.time.tm_mon &&
           a.time.tm_mday == b.time.tm_mday && a.time.tm_hour == b.time.tm_hour &&
           a.time.tm_min == b.time.tm_min && a.time.tm_sec == b.time.tm_sec &&
           a.mmsi == b.mmsi && a.kind == b.kind && a.name == b.name;
}

const char* AisMessageKindLabel(uint32_t type)
{
    switch (type) {
    case 6: return "Addr.";
    case 8: return "Broadc.";
    case 12: return "Ad.Safe";
    case 14: return "Bd.Safe";
    default: return "";
    }
}

std::string FormatAisMessageHeader(const AisMessageHeader& h)
{
    char line[96];  // room for any field values
    std::snprintf(line, sizeof line, "%02d.%02d.%04d  %02d:%02d:%02d  %09u  ", h.time.tm_mday,
                  h.time.tm_mon + 1, h.time.tm_year + 1900, h.time.tm_hour, h.time.tm_min,
                  h.time.tm_sec, unsigned(h.mmsi % 1000000000u));
    std::string text = line + h.kind;
    if (!h.name.empty())
        text.append(Separator).append(h.name);
    return text;
}

bool ParseAisMessageHeader(std::string_view text, AisMessageHeader& header)
{
    text = text.substr(0, text.find('\n'));
    uint32_t day = 0, month = 0, year = 0, hour = 0, minute = 0, second = 0, mmsi = 0;
    if (!Digits(text, 0, 2, day) || !Literal(text, 2, ".") || !Digits(text, 3, 2, month) ||
        !Literal(text, 5, ".") || !Digits(text, 6, 4, year) || !Literal(text, 10, Separator) ||
        !Digits(text, 12, 2, hour) || !Literal(text, 14, ":") || !Digits(text, 15, 2, minute) ||
        !Literal(text, 17, ":") || !Digits(text, 18, 2, second) ||
        !Literal(text, 20, Separator) || !Digits(text, 22, MmsiDigits, mmsi) ||
        !Literal(text, 31, Separator))
        return false;
    std::string_view rest = text.substr(33);
    const size_t end = rest.find(Separator);
    const std::string_view kind = rest.substr(0, end);
    if (kind.empty())
        return false;
    header = AisMessageHeader{};
    header.time.tm_mday = int(day);
    header.time.tm_mon = int(month) - 1;
    header.time.tm_year = int(year) - 1900;
    header.time.tm_hour = int(hour);
    header.time.tm_min = int(minute);
    header.time.tm_sec = int(second);
    header.mmsi = mmsi;
    header.kind = kind;
    if (end != std::string_view::npos)
        header.name = rest.substr(end + Separator.size());
    return true;
}
