#include "platform/geodesy/CoordinateText.h"

#include "platform/geodesy/NormalisedCoordinates.h"

#include <gtest/gtest.h>

#include <string>

using namespace cmgbase;

namespace {

constexpr int64_t kLongitudeRange = int64_t{1} << 31;
constexpr int64_t kLatitudeRange = int64_t{1} << 30;

bool Parse(const char* text, char positive, char negative, int64_t range, int32_t& out,
           const char* format = _apszgpFormat[0])
{
    return _str2crd(&out, text, format, positive, negative, range, 3, 90, 60, 100);
}

TEST(CoordinateText, ReadsStationTexts)
{
    struct Case {
        const char* text;
        bool latitude;
        double degrees;
    };
    const Case cases[] = {
        {"058 31 18.690 N", true, 58 + 31 / 60.0 + 18.690 / 3600},
        {"011 17 40.050 E", false, 11 + 17 / 60.0 + 40.050 / 3600},
        {"001 14 32.660 W", false, -(1 + 14 / 60.0 + 32.660 / 3600)},
        {"69 08 45 N", true, 69 + 8 / 60.0 + 45 / 3600.0},
        {"  33 52 00 s  ", true, -(33 + 52 / 60.0)},
        {"180 00 00 E", false, 180},
        {"180 00 00 W", false, -180},
        {"90 00 00 S", true, -90},
    };
    for (const Case& c : cases) {
        int32_t out = 0;
        ASSERT_TRUE(c.latitude ? Parse(c.text, 'N', 'S', kLatitudeRange, out)
                               : Parse(c.text, 'E', 'W', kLongitudeRange, out))
            << c.text;
        EXPECT_EQ(out, deg2nrm(c.degrees)) << c.text;
    }
}

TEST(CoordinateText, OtherLayouts)
{
    int32_t out = 0;
    ASSERT_TRUE(Parse("58 31.5 N", 'N', 'S', kLatitudeRange, out, _apszgpFormat[1]));
    EXPECT_EQ(out, deg2nrm(58.525));
    ASSERT_TRUE(Parse("12.25 W", 'E', 'W', kLongitudeRange, out, _apszgpFormat[2]));
    EXPECT_EQ(out, deg2nrm(-12.25));
}

TEST(CoordinateText, RefusesAndLeavesTheCoordinate)
{
    const std::string tooLong = "58 31 18.690" + std::string(100, ' ') + "N";
    struct Case {
        const char* text;
        int64_t range;
    };
    const Case cases[] = {
        {"058 31 18.690 E", kLatitudeRange},   // not a latitude letter
        {"058 31 18.690", kLatitudeRange},     // no hemisphere
        {"58 60 00 N", kLatitudeRange},        // minutes
        {"58 31 60 N", kLatitudeRange},        // seconds
        {"0058 31 18 N", kLatitudeRange},      // four digits of degrees
        {"90 00 01 N", kLatitudeRange},        // beyond the pole
        {"180 00 01 E", kLongitudeRange},      // beyond 180 degrees
        {"58.5 31 18 N", kLatitudeRange},      // a fraction before the last number
        {"58 31 18. N", kLatitudeRange},       // a point without digits
        {"58 -31 18 N", kLatitudeRange},
        {"58 31 18 N extra", kLatitudeRange},
        {"", kLatitudeRange},
        {tooLong.c_str(), kLatitudeRange},
    };
    for (const Case& c : cases) {
        int32_t out = 4711;
        EXPECT_FALSE(Parse(c.text, 'N', 'S', c.range, out)) << c.text;
        EXPECT_EQ(out, 4711) << c.text;
    }
    int32_t out = 4711;
    EXPECT_FALSE(_str2crd(&out, nullptr, _apszgpFormat[0], 'N', 'S', kLatitudeRange, 3, 90, 60,
                          100));
    EXPECT_FALSE(_str2crd(nullptr, "58 31 18 N", _apszgpFormat[0], 'N', 'S', kLatitudeRange, 3,
                          90, 60, 100));
    EXPECT_EQ(out, 4711);
}

}  // namespace
