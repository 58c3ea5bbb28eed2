#include "userdata/RouteCellText.h"

#include "platform/geodesy/NormalisedCoordinates.h"
#include "userdata/StoredPosition.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace {

// The field of `length` characters from character `first` (counted from 1): digits with
// blanks around them, blank as a whole meaning 0.
std::optional<int32_t> DigitField(std::string_view text, size_t first, size_t length)
{
    if (text.size() < first - 1 + length)
        return std::nullopt;
    std::string_view field = text.substr(first - 1, length);
    const size_t begin = field.find_first_not_of(' ');
    if (begin == std::string_view::npos)
        return 0;
    field = field.substr(begin, field.find_last_not_of(' ') - begin + 1);
    int32_t value = 0;
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    if (error != std::errc() || end != field.data() + field.size() || field[0] == '-')
        return std::nullopt;
    return value;
}

// A typed coordinate: its value in degrees, and whether it lies south or west.
struct TypedCoordinate {
    double degrees = 0.0;
    bool negative = false;
};

std::optional<TypedCoordinate> CoordinateFields(std::string_view text, size_t degreeFirst,
                                                size_t degreeLength, int32_t limit, char positive,
                                                char negative)
{
    const auto degrees = DigitField(text, degreeFirst, degreeLength);
    const auto minutes = DigitField(text, 6, 2);
    const auto thousandths = DigitField(text, 9, 3);
    if (!degrees || !minutes || !thousandths || text.size() < 14)
        return std::nullopt;
    const char letter = text[13];
    if (*minutes >= 60 || (letter != positive && letter != negative))
        return std::nullopt;
    const double exact = *degrees + *minutes / 60.0 + *thousandths / 60000.0;
    if (exact > limit)
        return std::nullopt;
    return TypedCoordinate{exact, letter == negative};
}

std::optional<int32_t> Coordinate(std::string_view text, size_t degreeFirst, size_t degreeLength,
                                  int32_t limit, char positive, char negative)
{
    const auto typed = CoordinateFields(text, degreeFirst, degreeLength, limit, positive, negative);
    if (!typed)
        return std::nullopt;
    // A little over the typed value, so that a position text, which truncates, shows it again
    // as typed; whole stored units, so that the table holds what the stored point holds.
    const double value = std::min(typed->degrees + 0.000008, double(limit));
    const int32_t stored = cmgbase::round(value * PositionUnitsPerDegree);
    return ChartFromStored(typed->negative ? -stored : stored);
}

// Whole stored units exactly as typed: a thousandth of a minute is 10 units.
std::optional<int32_t> CoordinateUnits(std::string_view text, size_t degreeFirst,
                                       size_t degreeLength, int32_t limit, char positive,
                                       char negative)
{
    const auto typed = CoordinateFields(text, degreeFirst, degreeLength, limit, positive, negative);
    if (!typed)
        return std::nullopt;
    const int32_t units = int32_t(std::lround(typed->degrees * 60000.0)) * 10;
    return typed->negative ? -units : units;
}

std::string_view LeadingBlanksRemoved(std::string_view text)
{
    const size_t begin = text.find_first_not_of(' ');
    return begin == std::string_view::npos ? std::string_view() : text.substr(begin);
}

}  // namespace

std::optional<int32_t> ParseLatitudeText(std::string_view text)
{
    return Coordinate(text, 2, 2, 90, 'N', 'S');
}

std::optional<int32_t> ParseLongitudeText(std::string_view text)
{
    return Coordinate(text, 1, 3, 180, 'E', 'W');
}

std::optional<int32_t> LatitudeUnitsText(std::string_view text)
{
    return CoordinateUnits(text, 2, 2, 90, 'N', 'S');
}

std::optional<int32_t> LongitudeUnitsText(std::string_view text)
{
    return CoordinateUnits(text, 1, 3, 180, 'E', 'W');
}

std::optional<uint16_t> ParseScaledText(std::string_view text, int32_t scale)
{
    const std::string_view number = LeadingBlanksRemoved(text);
    if (number.empty())
        return 0;
    double value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error != std::errc() || !std::isfinite(value))
        return std::nullopt;
    const double scaled = std::trunc(value * scale);
    if (scaled < 0 || scaled > 65535)
        return std::nullopt;
    return static_cast<uint16_t>(scaled);
}

std::optional<int16_t> ParseStopText(std::string_view text)
{
    const std::string_view number = LeadingBlanksRemoved(text);
    if (number.empty())
        return 0;
    int32_t value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error != std::errc() || value < 0 || value > 32767)
        return std::nullopt;
    return static_cast<int16_t>(value);
}

std::optional<EtaFields> ParseEtaText(std::string_view text)
{
    const auto day = DigitField(text, 1, 2);
    const auto hour = DigitField(text, 6, 2);
    const auto minute = DigitField(text, 9, 2);
    if (!day || !hour || !minute || *day > 31 || *hour >= 24 || *minute >= 60)
        return std::nullopt;
    return EtaFields{*day, *hour, *minute};
}
