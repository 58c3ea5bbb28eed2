#include "platform/chartengine/S52Text.h"

#include <cmath>
#include <cstdio>

namespace chartengine {

namespace {

constexpr int32_t kNatureOfSurface = 113;  // NATSUR
constexpr double kFeetPerMetre = 3.28083989;
constexpr double kMetresPerFathom = 1.8288;

// The chart abbreviations of the seabed natures (NATSUR 1..18).
constexpr const char* kNatures[] = {"",   "M",  "Cy", "Si", "S",  "St", "G", "P",  "Cb", "R",
                                    "",   "La", "",   "",   "Co", "",   "",  "Sh", "Bo"};

std::string ValueText(const AttributeValue& value)
{
    if (value.code != kNatureOfSurface)
        return value.text;
    std::string text;
    for (const int32_t nature : value.list())
        if (nature > 0 && nature < int32_t(std::size(kNatures)) && *kNatures[nature]) {
            if (!text.empty())
                text += '.';
            text += kNatures[nature];
        }
    return text;
}

}  // namespace

std::string FormatS52Text(const S52Instruction& text, const ChartObject& object)
{
    std::string out;
    size_t next = 0;
    const std::string& format = text.format;
    for (size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%') {
            out += format[i];
            continue;
        }
        if (i + 1 < format.size() && format[i + 1] == '%') {
            out += '%';
            ++i;
            continue;
        }
        // The conversion: flags, width and precision, then an optional 'l' and the letter.
        size_t end = i + 1;
        while (end < format.size() && std::string_view("-+ #0123456789.").find(format[end]) != std::string_view::npos)
            ++end;
        std::string spec = format.substr(i, end - i);
        while (end < format.size() && format[end] == 'l')
            ++end;
        if (end >= format.size() || next >= text.textAttributes.size())
            return {};
        const char conversion = format[end];
        AttributeValue value;
        if (object.Attribute(text.textAttributes[next++], &value) != kOk || value.text.empty())
            return {};
        char buffer[128];
        if (conversion == 's') {
            out += ValueText(value);
        } else if (conversion == 'd' || conversion == 'i') {
            const std::optional<double> number = value.real();
            if (!number)
                return {};
            std::snprintf(buffer, sizeof buffer, (spec + "lld").c_str(), static_cast<long long>(std::lround(*number)));
            out += buffer;
        } else if (conversion == 'f' || conversion == 'g' || conversion == 'e') {
            const std::optional<double> number = value.real();
            if (!number)
                return {};
            std::snprintf(buffer, sizeof buffer, (spec + conversion).c_str(), *number);
            out += buffer;
        } else {
            return {};
        }
        i = end;
    }
    return out;
}

SoundingFigures SoundingText(double depthMetres, DepthUnit unit)
{
    SoundingFigures figures;
    figures.drying = depthMetres < 0;
    double value = std::abs(depthMetres);
    double fractionBelow = 31.0;
    if (unit == DepthUnit::Feet) {
        value *= kFeetPerMetre;
        fractionBelow = 0.0;
    } else if (unit == DepthUnit::Fathoms) {
        value /= kMetresPerFathom;
        fractionBelow = 11.0;
    }
    if (value < fractionBelow) {
        const long tenths = std::lround(value * 10);
        figures.whole = std::to_string(tenths / 10);
        if (tenths % 10 != 0)
            figures.fraction = std::to_string(tenths % 10);
    } else {
        figures.whole = std::to_string(std::lround(value));
    }
    return figures;
}

}  // namespace chartengine
