#pragma once
// Number texts and small number helpers.

#include "platform/components/Itypes.h"

#include <QString>

#include <cstdint>
#include <optional>

namespace Igpfunctions {

// `value` as text in `style`: decimal digits, hexadecimal with the prefix "0x" (digits
// upper-case), binary with a trailing "b", octal with a trailing "o". The digits fill at least
// `digits` places (at most 32): with zeros when `leadingZeros`, else the whole text is padded
// with spaces in front.
QString iIntToStr(uint32_t value, Itypes::TiIntegerFormatStyle style, int digits = 0,
                  bool leadingZeros = false);
// Reads the texts iIntToStr writes, spaces around them ignored: hexadecimal after "0x" or "$",
// binary before "b", octal before "o" (markers in either case), else decimal. None for an empty
// or malformed text and for a value above 32 bits.
std::optional<uint32_t> iStrToInt(const QString& text);

// Decimal places for labels of the range minimum..maximum: enough to show a tenth of the
// range's leading decade (0..100 none, 0..1 one, 0..0.5 two). 0 for an empty or not finite range.
int GetDecimalPoints(double minimum, double maximum);
// `value` with `precision` decimal places, or rounded to `precision` significant digits (at
// least 1) and written without an exponent.
QString iFormatPrecisionStyle(double value, Itypes::TiPrecisionStyle style, int precision);

// x + 0.5 truncated towards zero (2.5 gives 3, -2.7 gives -2), held to the int range; NaN gives 0.
int TruncHalf(double x);
// -1 for a negative value, else 1.
int GetSign(double x);
void SwapIntegers(int& a, int& b);

}  // namespace Igpfunctions
