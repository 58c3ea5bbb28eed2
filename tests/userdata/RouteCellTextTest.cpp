// Texts typed into the route grid: what is taken and what is refused.

#include "platform/geodesy/NormalisedCoordinates.h"
#include "userdata/RouteCellText.h"
#include "userdata/StoredPosition.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A typed position in stored units (1/600000 degree): a typed value is taken half a
// thousandth of a minute (5 units) over what was typed.
int32_t Typed(int32_t degrees, int32_t minutes, int32_t thousandths, int sign)
{
    return ChartFromStored(sign * (degrees * 600000 + minutes * 10000 + thousandths * 10 + 5));
}

}  // namespace

TEST(RouteCellText, Positions)
{
    struct Case {
        std::string text;
        bool longitude;
        std::optional<int32_t> expected;
    };
    const std::vector<Case> cases{
        {" 54\xB0 30.500' S", false, Typed(54, 30, 500, -1)},
        {" 54\xB0 30.500' N", false, Typed(54, 30, 500, 1)},
        {"  5\xB0 05.007' N", false, Typed(5, 5, 7, 1)},
        {" 90\xB0 00.000' N", false, cmgbase::deg2nrm(90)},
        {" 90\xB0 00.001' N", false, std::nullopt},
        {" 91\xB0 00.000' N", false, std::nullopt},
        {" 99\xB0 00.000' S", false, std::nullopt},
        {" 54\xB0 60.000' N", false, std::nullopt},
        {" 54\xB0 99.000' N", false, std::nullopt},
        {" 54\xB0 30.500' E", false, std::nullopt},
        {" 5x\xB0 30.500' N", false, std::nullopt},
        {" 54\xB0 30.500'", false, std::nullopt},
        {"010\xB0 05.250' W", true, Typed(10, 5, 250, -1)},
        {"180\xB0 00.000' E", true, cmgbase::deg2nrm(180)},
        {"180\xB0 00.001' W", true, std::nullopt},
        {"999\xB0 00.000' E", true, std::nullopt},
        {"010\xB0 05.250' N", true, std::nullopt},
    };
    for (const Case& c : cases) {
        const auto value = c.longitude ? ParseLongitudeText(c.text) : ParseLatitudeText(c.text);
        EXPECT_EQ(value, c.expected) << c.text;
    }
}

TEST(RouteCellText, ScaledNumbersFitTheirFields)
{
    struct Case {
        std::string text;
        int32_t scale;
        std::optional<uint16_t> expected;
    };
    const std::vector<Case> cases{
        {"12.5 kt", 10, 125},    {"  7", 10, 70},       {"", 10, 0},
        {"   ", 100, 0},         {"0.25 Nm", 100, 25},  {"0.259", 100, 25},
        {"6553.5", 10, 65535},   {"6553.6", 10, std::nullopt},
        {"655.36", 100, std::nullopt},                  {"-1", 10, std::nullopt},
        {"-0.5 Nm", 100, std::nullopt},                 {"kt", 10, std::nullopt},
        {"nan", 10, std::nullopt},                      {"inf", 100, std::nullopt},
        {"1e9", 10, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParseScaledText(c.text, c.scale), c.expected) << c.text;
}

TEST(RouteCellText, StopMinutes)
{
    const std::vector<std::pair<std::string, std::optional<int16_t>>> cases{
        {"30 m.", 30}, {"0 m.", 0}, {"", 0}, {"32767", 32767},
        {"32768", std::nullopt}, {"-5 m.", std::nullopt}, {"m.", std::nullopt},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(ParseStopText(text), expected) << text;
}

TEST(RouteCellText, EtaFields)
{
    struct Case {
        std::string text;
        bool taken;
        int32_t day, hour, minute;
    };
    const std::vector<Case> cases{
        {"05.  14:30", true, 5, 14, 30},  {"00.  00:00", true, 0, 0, 0},
        {"31.  23:59", true, 31, 23, 59}, {"32.  10:00", false, 0, 0, 0},
        {"05.  24:00", false, 0, 0, 0},   {"05.  12:60", false, 0, 0, 0},
        {"ab.  12:00", false, 0, 0, 0},   {"05.  12", false, 0, 0, 0},
    };
    for (const Case& c : cases) {
        const auto fields = ParseEtaText(c.text);
        ASSERT_EQ(fields.has_value(), c.taken) << c.text;
        if (fields) {
            EXPECT_EQ(fields->day, c.day);
            EXPECT_EQ(fields->hour, c.hour);
            EXPECT_EQ(fields->minute, c.minute);
        }
    }
}
