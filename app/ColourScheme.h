#pragma once
// The colours of the five display modes, 0 (day) to 4 (night): the program's system colours,
// the user colours, the swatches and bar glyphs that show them, the symbol strip's palette and
// the Decca readouts.

#include <cstdint>

class TForm1;

inline constexpr int32_t DisplayModeCount = 5;

// Applies display mode 0..4, the alternative night colours of the settings taken into account
// for modes 2 to 4. Any other mode changes nothing.
void ApplyColourScheme(TForm1& form, int32_t mode);

// The Decca readouts in the user colours of their patterns: red, green (3) and magenta (5).
void ColourDeccaReadouts(TForm1& form);
