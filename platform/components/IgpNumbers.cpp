#include "platform/components/IgpNumbers.h"

#include "platform/components/ClampedInt.h"
#include "platform/components/Imath.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace Igpfunctions {

using Itypes::TiIntegerFormatStyle;

namespace {

int Base(TiIntegerFormatStyle style)
{
    switch (style) {
    case TiIntegerFormatStyle::Hexadecimal:
        return 16;
    case TiIntegerFormatStyle::Binary:
        return 2;
    case TiIntegerFormatStyle::Octal:
        return 8;
    case TiIntegerFormatStyle::Decimal:
        break;
    }
    return 10;
}

// The first digit of `value`'s leading decade, as a power of ten (0.37 gives -1).
int LeadingDecade(double value)
{
    return static_cast<int>(std::floor(std::log10(std::abs(value))));
}

}  // namespace

QString iIntToStr(uint32_t value, TiIntegerFormatStyle style, int digits, bool leadingZeros)
{
    QString number = QString::number(value, Base(style)).toUpper();
    const qsizetype padding = std::max<qsizetype>(0, std::min(digits, 32) - number.size());
    if (leadingZeros)
        number.prepend(QString(padding, u'0'));
    switch (style) {
    case TiIntegerFormatStyle::Hexadecimal:
        number.prepend(u"0x");
        break;
    case TiIntegerFormatStyle::Binary:
        number.append(u'b');
        break;
    case TiIntegerFormatStyle::Octal:
        number.append(u'o');
        break;
    case TiIntegerFormatStyle::Decimal:
        break;
    }
    return leadingZeros ? number : QString(padding, u' ') + number;
}

std::optional<uint32_t> iStrToInt(const QString& text)
{
    QString digits = text.trimmed();
    int base = 10;
    if (digits.startsWith(u"0x", Qt::CaseInsensitive)) {
        base = 16;
        digits.remove(0, 2);
    } else if (digits.startsWith(u'$')) {
        base = 16;
        digits.remove(0, 1);
    } else if (digits.endsWith(u'b', Qt::CaseInsensitive)) {
        base = 2;
        digits.chop(1);
    } else if (digits.endsWith(u'o', Qt::CaseInsensitive)) {
        base = 8;
        digits.chop(1);
    }
    // QString's parser would also take signs and spaces, which belong to no form here.
    if (digits.isEmpty() || !std::all_of(digits.begin(), digits.end(), [](QChar c) {
            return c.isLetterOrNumber() && c.unicode() < 128;
        }))
        return std::nullopt;
    bool ok = false;
    const uint32_t value = digits.toUInt(&ok, base);
    return ok ? std::optional<uint32_t>(value) : std::nullopt;
}

int GetDecimalPoints(double minimum, double maximum)
{
    const double span = std::abs(maximum - minimum);
    if (!std::isfinite(span) || span == 0)
        return 0;
    return std::max(0, 1 - LeadingDecade(span));
}

QString iFormatPrecisionStyle(double value, Itypes::TiPrecisionStyle style, int precision)
{
    if (style == Itypes::TiPrecisionStyle::FixedDecimals)
        return QString::number(value, 'f', std::max(precision, 0));
    precision = std::clamp(precision, 1, 17);
    if (value == 0 || !std::isfinite(value))
        return QString::number(value, 'f', precision - 1);
    const int lastDigit = LeadingDecade(value) - precision + 1;
    const double rounded = Imath::RoundTo(value, lastDigit);
    // Rounding may carry into a new decade (9.99 to 10.0): count from the rounded value.
    const int decimals = std::max(0, precision - 1 - LeadingDecade(rounded));
    return QString::number(rounded, 'f', decimals);
}

int TruncHalf(double x)
{
    return ClampedInt(x + 0.5);
}

int GetSign(double x)
{
    return x < 0 ? -1 : 1;
}

void SwapIntegers(int& a, int& b)
{
    std::swap(a, b);
}

}  // namespace Igpfunctions
