#pragma once
// Colour arithmetic on Windows colour numbers 0x00BBGGRR, the form in which colours are stored.

#include <cstdint>

namespace Igpfunctions {

// Each channel divided by `factor` (above 1 darker, between 0 and 1 brighter); a factor of 0 or
// below multiplies each channel by minus the factor instead (-2 doubles it, 0 gives black).
// Channels are held to 0..255.
uint32_t DimColor(uint32_t color, double factor);
// `amount` added to each channel, held to 0..255.
uint32_t ChangeColorIntensity(uint32_t color, int amount);

uint8_t iGetRValue(uint32_t color);
uint8_t iGetGValue(uint32_t color);
uint8_t iGetBValue(uint32_t color);

}  // namespace Igpfunctions
