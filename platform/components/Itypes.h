#pragma once
// Types shared by the component library's routines: the point of two doubles and the
// enumerations that choose a routine's style, orientation or direction.

#include <QFlags>

namespace Itypes {

struct TPointDouble {
    double x = 0;
    double y = 0;

    friend bool operator==(const TPointDouble&, const TPointDouble&) = default;
};

// Look of a bevelled line.
enum class TiBevelStyle { None, Raised, Lowered };

// How a number's precision counts: decimal places or significant digits.
enum class TiPrecisionStyle { FixedDecimals, SignificantDigits };

enum class TiOrientation { Horizontal, Vertical };

// Placing of text in its rectangle; combined as TiTextFlags.
enum TiTextFlag : unsigned {
    tfLeft = 0x0000,
    tfCenter = 0x0001,
    tfRight = 0x0002,
    tfTop = 0x0000,
    tfVCenter = 0x0004,
    tfBottom = 0x0008,
    tfWordBreak = 0x0010,
    tfNoClip = 0x0020,
};
Q_DECLARE_FLAGS(TiTextFlags, TiTextFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(TiTextFlags)

// Angle of rotated text, counter-clockwise.
enum class TiRotationAngle { ra0, ra90, ra180, ra270 };

// Three-dimensional edges: a raised or sunken panel, an etched groove or a bump.
enum class TiDrawEdgeStyle { Raised, Sunken, Etched, Bump };

// The side a gradient starts from, towards the opposite side.
enum class TiFillDirection { LeftToRight, RightToLeft, TopToBottom, BottomToTop };

enum class TiIntegerFormatStyle { Decimal, Hexadecimal, Binary, Octal };

// Where a direction triangle points.
enum class TiDirection { Up, Down, Left, Right };

}  // namespace Itypes
