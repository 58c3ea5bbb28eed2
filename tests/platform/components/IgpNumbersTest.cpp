#include "platform/components/IgpNumbers.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

namespace {

using namespace Igpfunctions;
using Itypes::TiIntegerFormatStyle;
using Itypes::TiPrecisionStyle;

struct TextCase {
    uint32_t value;
    TiIntegerFormatStyle style;
    int digits;
    bool leadingZeros;
    const char* text;
};

class NumberTexts : public testing::TestWithParam<TextCase> {};

TEST_P(NumberTexts, WriteAndReadBack)
{
    const TextCase& c = GetParam();
    const QString text = iIntToStr(c.value, c.style, c.digits, c.leadingZeros);
    EXPECT_EQ(text.toStdString(), c.text);
    EXPECT_EQ(iStrToInt(text), c.value) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    FourBases, NumberTexts,
    testing::Values(
        TextCase{0, TiIntegerFormatStyle::Decimal, 0, false, "0"},
        TextCase{4294967295u, TiIntegerFormatStyle::Decimal, 0, false, "4294967295"},
        TextCase{42, TiIntegerFormatStyle::Decimal, 5, true, "00042"},
        TextCase{42, TiIntegerFormatStyle::Decimal, 5, false, "   42"},
        TextCase{255, TiIntegerFormatStyle::Hexadecimal, 0, false, "0xFF"},
        TextCase{255, TiIntegerFormatStyle::Hexadecimal, 4, true, "0x00FF"},
        TextCase{255, TiIntegerFormatStyle::Hexadecimal, 4, false, "  0xFF"},
        TextCase{0xDEADBEEF, TiIntegerFormatStyle::Hexadecimal, 2, true, "0xDEADBEEF"},
        TextCase{5, TiIntegerFormatStyle::Binary, 8, true, "00000101b"},
        TextCase{5, TiIntegerFormatStyle::Binary, 6, false, "   101b"},
        TextCase{4294967295u, TiIntegerFormatStyle::Binary, 40, true,
                 "11111111111111111111111111111111b"},
        TextCase{8, TiIntegerFormatStyle::Octal, 0, false, "10o"},
        TextCase{4294967295u, TiIntegerFormatStyle::Octal, 0, false, "37777777777o"}));

struct ReadCase {
    const char* text;
    std::optional<uint32_t> value;
};

class NumberReading : public testing::TestWithParam<ReadCase> {};

TEST_P(NumberReading, TakesTheMarkedBase)
{
    EXPECT_EQ(iStrToInt(QString::fromUtf8(GetParam().text)), GetParam().value)
        << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, NumberReading,
    testing::Values(ReadCase{"$1f", 31}, ReadCase{"0X1F", 31}, ReadCase{"0x1b", 27},
                    ReadCase{"  42 ", 42}, ReadCase{"101B", 5}, ReadCase{"17O", 15},
                    ReadCase{"4294967296", std::nullopt}, ReadCase{"0x100000000", std::nullopt},
                    ReadCase{"", std::nullopt}, ReadCase{"0x", std::nullopt},
                    ReadCase{"b", std::nullopt}, ReadCase{"12a", std::nullopt},
                    ReadCase{"2b", std::nullopt}, ReadCase{"8o", std::nullopt},
                    ReadCase{"-1", std::nullopt}, ReadCase{"+1", std::nullopt},
                    ReadCase{"1 2", std::nullopt}));

TEST(GetDecimalPoints, ShowATenthOfTheLeadingDecade)
{
    struct Case {
        double minimum;
        double maximum;
        int decimals;
    };
    for (const Case c : {Case{0, 100, 0}, Case{0, 10, 0}, Case{0, 2, 1}, Case{0, 1, 1},
                         Case{1, 0, 1}, Case{-0.25, 0.25, 2}, Case{3, 3, 0},
                         Case{0, NAN, 0}, Case{0, INFINITY, 0}})
        EXPECT_EQ(GetDecimalPoints(c.minimum, c.maximum), c.decimals)
            << c.minimum << ".." << c.maximum;
}

TEST(iFormatPrecisionStyle, DecimalsOrSignificantDigits)
{
    struct Case {
        double value;
        TiPrecisionStyle style;
        int precision;
        const char* text;
    };
    for (const Case c : {Case{3.14159, TiPrecisionStyle::FixedDecimals, 2, "3.14"},
                         Case{2.5, TiPrecisionStyle::FixedDecimals, 0, "3"},
                         Case{2.5, TiPrecisionStyle::FixedDecimals, -1, "3"},
                         Case{1234.5, TiPrecisionStyle::SignificantDigits, 3, "1230"},
                         Case{0.012345, TiPrecisionStyle::SignificantDigits, 2, "0.012"},
                         Case{9.996, TiPrecisionStyle::SignificantDigits, 3, "10.0"},
                         Case{-0.5, TiPrecisionStyle::SignificantDigits, 1, "-0.5"},
                         Case{0, TiPrecisionStyle::SignificantDigits, 3, "0.00"},
                         Case{7.25, TiPrecisionStyle::SignificantDigits, 0, "7"}})
        EXPECT_EQ(iFormatPrecisionStyle(c.value, c.style, c.precision).toStdString(), c.text)
            << c.value;
}

TEST(TruncHalf, TruncatesAfterAddingAHalf)
{
    struct Case {
        double x;
        int result;
    };
    for (const Case c : {Case{2.5, 3}, Case{2.4, 2}, Case{-2.7, -2}, Case{-0.4, 0},
                         Case{1e12, INT_MAX}, Case{-1e12, INT_MIN}, Case{NAN, 0}})
        EXPECT_EQ(TruncHalf(c.x), c.result) << c.x;
    EXPECT_EQ(GetSign(-0.1), -1);
    EXPECT_EQ(GetSign(0), 1);
}

}  // namespace
