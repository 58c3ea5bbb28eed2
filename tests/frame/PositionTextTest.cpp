#include "frame/PositionText.h"

#include "platform/system/TextCodec.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

struct PositionCase {
    int32_t value;
    bool longitude;
    const char* text;  // Windows-1252: \xB0 is the degree sign
};

class FormatLatLonTable : public testing::TestWithParam<PositionCase> {};

TEST_P(FormatLatLonTable, GivesTheText)
{
    const PositionCase& c = GetParam();
    EXPECT_EQ(FormatLatLon(c.value, c.longitude), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Positions, FormatLatLonTable,
    testing::Values(
        PositionCase{0, false, "  0\xB0 00.000' N"}, PositionCase{0, true, "  0\xB0 00.000' E"},
        PositionCase{-600001, true, "  1\xB0 00.000' W"},  // the last unit is cut, not rounded
        PositionCase{32705000, false, " 54\xB0 30.500' N"},
        PositionCase{-20349990, false, " 33\xB0 54.999' S"},
        // 59.9995 minutes stay 59.999: never rounded up into the next degree
        PositionCase{35399995, false, " 58\xB0 59.999' N"},
        PositionCase{-599999, true, "  0\xB0 59.999' W"},
        PositionCase{54000000, false, " 90\xB0 00.000' N"},
        PositionCase{-54000000, false, " 90\xB0 00.000' S"},
        PositionCase{108000000, true, "180\xB0 00.000' E"},
        PositionCase{-108000000, true, "180\xB0 00.000' W"},
        // Corrupt values from a file: more digits, nothing overrun; INT_MIN has its absolute
        PositionCase{600000000, false, "1000\xB0 00.000' N"},
        PositionCase{INT32_MAX, true, "3579\xB0 08.364' E"},
        PositionCase{INT32_MIN, true, "3579\xB0 08.364' W"}));

TEST(FormatLatLon, DegreeSignIsOneByteUntilTheQtBoundary)
{
    const std::string text = FormatLatLon(32705000, false);
    ASSERT_EQ(text.size(), 14u);
    EXPECT_EQ(static_cast<unsigned char>(text[3]), 0xB0);
    EXPECT_EQ(platform::FromCp1252(text), QString::fromUtf8(" 54\u00B0 30.500' N"));
}

}  // namespace
