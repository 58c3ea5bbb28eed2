#include "platform/components/IgpColour.h"

#include <algorithm>
#include <cmath>

namespace Igpfunctions {

namespace {

uint32_t Rgb(int red, int green, int blue)
{
    return static_cast<uint32_t>(std::clamp(red, 0, 255)) |
           static_cast<uint32_t>(std::clamp(green, 0, 255)) << 8 |
           static_cast<uint32_t>(std::clamp(blue, 0, 255)) << 16;
}

// A channel times a scale, rounded and held to 0..255 (NaN gives 0).
int Scaled(uint8_t channel, double scale)
{
    const double value = std::round(channel * scale);
    return value > 0 ? static_cast<int>(std::min(value, 255.0)) : 0;
}

}  // namespace

uint32_t DimColor(uint32_t color, double factor)
{
    const double scale = factor > 0 ? 1 / factor : -factor;
    return Rgb(Scaled(iGetRValue(color), scale), Scaled(iGetGValue(color), scale),
               Scaled(iGetBValue(color), scale));
}

uint32_t ChangeColorIntensity(uint32_t color, int amount)
{
    // Held first so that the sum cannot overflow.
    amount = std::clamp(amount, -255, 255);
    return Rgb(iGetRValue(color) + amount, iGetGValue(color) + amount,
               iGetBValue(color) + amount);
}

uint8_t iGetRValue(uint32_t color)
{
    return static_cast<uint8_t>(color);
}

uint8_t iGetGValue(uint32_t color)
{
    return static_cast<uint8_t>(color >> 8);
}

uint8_t iGetBValue(uint32_t color)
{
    return static_cast<uint8_t>(color >> 16);
}

}  // namespace Igpfunctions
