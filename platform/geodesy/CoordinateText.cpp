#include "platform/geodesy/CoordinateText.h"

#include "platform/geodesy/NormalisedCoordinates.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstring>
#include <string_view>
#include <vector>

namespace cmgbase {
namespace {

std::vector<std::string_view> BlankSeparated(std::string_view text)
{
    std::vector<std::string_view> fields;
    size_t at = 0;
    while (true) {
        at = text.find_first_not_of(" \t", at);
        if (at == std::string_view::npos)
            return fields;
        const size_t end = std::min(text.find_first_of(" \t", at), text.size());
        fields.push_back(text.substr(at, end - at));
        at = end;
    }
}

// A number of decimal digits, with a fraction only when `fraction` allows; its whole digits
// counted in `wholeDigits`.
bool ParseNumber(std::string_view field, bool fraction, double& value, size_t& wholeDigits)
{
    const size_t point = field.find('.');
    wholeDigits = point == std::string_view::npos ? field.size() : point;
    if (wholeDigits == 0)
        return false;
    if (point != std::string_view::npos && (!fraction || point + 1 == field.size()))
        return false;
    for (size_t i = 0; i < field.size(); ++i) {
        if (i != point && !std::isdigit(static_cast<unsigned char>(field[i])))
            return false;
    }
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    return error == std::errc() && end == field.data() + field.size();
}

bool SameLetter(char a, char b)
{
    return std::toupper(static_cast<unsigned char>(a)) ==
           std::toupper(static_cast<unsigned char>(b));
}

}  // namespace

bool _str2crd(int32_t* coordinate, const char* text, const char* format, char positive,
              char negative, int64_t range, int degreeDigits, int quarterDegrees,
              int sexagesimalBase, int maxLength)
{
    if (!coordinate || !text || !format || range <= 0 || degreeDigits < 1 ||
        quarterDegrees <= 0 || sexagesimalBase < 2 || maxLength < 0)
        return false;
    const size_t length = strnlen(text, static_cast<size_t>(maxLength) + 1);
    if (length > static_cast<size_t>(maxLength))
        return false;

    const std::vector<std::string_view> layout = BlankSeparated(format);
    const std::vector<std::string_view> fields = BlankSeparated({text, length});
    if (fields.size() != layout.size())
        return false;
    size_t lastNumber = layout.size();
    for (size_t i = 0; i < layout.size(); ++i) {
        if (layout[i] != "H")
            lastNumber = i;
    }

    double degrees = 0;
    double unit = 1;  // degrees per unit of the current field
    bool negativeHemisphere = false;
    for (size_t i = 0; i < layout.size(); ++i) {
        const std::string_view field = fields[i];
        if (layout[i] == "H") {
            if (field.size() != 1)
                return false;
            if (SameLetter(field[0], negative))
                negativeHemisphere = true;
            else if (!SameLetter(field[0], positive))
                return false;
            continue;
        }
        double value = 0;
        size_t wholeDigits = 0;
        if (!ParseNumber(field, i == lastNumber, value, wholeDigits))
            return false;
        if (layout[i] == "D") {
            if (wholeDigits > static_cast<size_t>(degreeDigits))
                return false;
            unit = 1;
        } else if (layout[i] == "M" || layout[i] == "S") {
            if (value >= sexagesimalBase)
                return false;
            unit /= sexagesimalBase;
        } else {
            return false;  // not a layout this parser knows
        }
        degrees += value * unit;
    }

    const double units = degrees * double(1 << 30) / quarterDegrees;
    if (units > static_cast<double>(range))
        return false;
    *coordinate = deg2nrm((negativeHemisphere ? -degrees : degrees) * 90.0 / quarterDegrees);
    return true;
}

}  // namespace cmgbase
