// The weather tool over small generated forecasts and over the shipped example.

#include "WeatherFixtures.h"

#include "TimeZone.h"

#include "platform/chartengine/WeatherTool.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>

using namespace chartengine;
using weatherfixtures::Field;
using weatherfixtures::WriteGrib;

namespace {

const WeatherProperty kAllCodes = std::vector<int32_t>{0x101, 0x103, 0x201, 0x301, 0x401, 0x501, 0x502, 0x701};

// 20261211 00 UTC in days since 30 December 1899 (UTC is the zone of these tests).
constexpr double kRun = 46367.0;

double Linear(double lat, double lon)
{
    return 10.0 * lat + lon;
}

struct Values {
    double first, second;
};

Values ToolValue(const WeatherTool& tool, int32_t code, int32_t index, double lat, double lon)
{
    Values v{};
    tool.ForecastValue(code, index, lat, lon, &v.first, &v.second);
    return v;
}

class WeatherToolTest : public ::testing::Test {
protected:
    std::filesystem::path Path(const char* name) const { return std::filesystem::path(dir.path().toStdString()) / name; }
    HResult Load(WeatherTool& tool, const char* name) const
    {
        return tool.Initialize(name, "cyclone.xml", kAllCodes, 30);
    }

    TimeZone zone{"UTC"};
    QTemporaryDir dir;
};

// A 1-degree temperature grid of known values at 0 h and 6 h (+100), in every scanning order,
// in both editions and with longitudes given east of 180: values at points, between points and
// between steps.
TEST_F(WeatherToolTest, ValuesAreBilinearInSpaceAndLinearInTimeWhateverTheGridOrder)
{
    struct Layout {
        const char* what;
        int edition;
        bool northFirst, eastFirst;
        double west;   // as written in the file
    };
    const Layout layouts[] = {{"GRIB 2 north first", 2, true, false, -5},
                              {"GRIB 2 south first, east first", 2, false, true, -5},
                              {"GRIB 1", 1, true, false, -5},
                              {"longitudes 0..360", 2, true, false, 355}};
    for (const Layout& layout : layouts) {
        SCOPED_TRACE(layout.what);
        std::vector<GribGridField> fields;
        for (long hour : {0L, 6L}) {
            // Values by the true longitude, whichever way the file writes it.
            GribGridField f = Field("2t", -5, 10, 1, 11, 5, hour,
                                    [hour](double lat, double lon) { return Linear(lat, lon) + (hour ? 100 : 0); });
            f.edition = layout.edition;
            f.northFirst = layout.northFirst;
            f.eastFirst = layout.eastFirst;
            f.west = layout.west;
            fields.push_back(f);
        }
        ASSERT_TRUE(WriteGrib(Path("gribdata.grb"), fields));
        WeatherTool tool(dir.path().toStdString());
        ASSERT_EQ(Load(tool, "gribdata.grb"), kOk);

        struct Case {
            int32_t index;
            double lat, lon, expected;
        };
        const Case cases[] = {{0, 12, 3, Linear(12, 3)},             // a grid point
                              {0, 12.5, -2.25, Linear(12.5, -2.25)},  // between points
                              {12, 10, -5, Linear(10, -5) + 100},    // the south-west corner, last step
                              {6, 14, 5, Linear(14, 5) + 50},        // north-east corner, half way in time
                              {3, 11.5, 0.5, Linear(11.5, 0.5) + 25},
                              {0, 12, 363, Linear(12, 3)}};          // the other longitude convention
        for (const Case& c : cases) {
            const Values v = ToolValue(tool, 0x301, c.index, c.lat, c.lon);
            EXPECT_NEAR(v.first, c.expected, 0.01) << c.index << " " << c.lat << " " << c.lon;
            EXPECT_EQ(v.second, kWeatherMissing);
        }
        for (const Case& outside : {Case{0, 9.9, 0, 0}, Case{0, 12, 5.2, 0}, Case{0, 12, -5.1, 0}, Case{13, 12, 0, 0},
                                    Case{-1, 12, 0, 0}}) {
            double first = 0, second = 0;
            EXPECT_EQ(tool.ForecastValue(0x301, outside.index, outside.lat, outside.lon, &first, &second), kFalse);
            EXPECT_EQ(first, kWeatherMissing);
            EXPECT_FALSE(std::isnan(first));
        }
        WeatherProperty first, last;
        ASSERT_EQ(tool.GetProperty(kToolFirstTime, &first), kOk);
        ASSERT_EQ(tool.GetProperty(kToolLastTime, &last), kOk);
        EXPECT_DOUBLE_EQ(std::get<double>(first), kRun);
        EXPECT_DOUBLE_EQ(std::get<double>(last), kRun + 0.25);
    }
}

// Wind and current come as two components; a bare group code stands for its first parameter;
// a grid round the earth closes between its last and first column; directions go the short
// way round.
TEST_F(WeatherToolTest, VectorsWrapAndDirections)
{
    const auto global = [](const char* name, double value) {
        return Field(name, 0, -2, 1, 360, 5, 0, [value](double, double lon) { return value + lon; });
    };
    std::vector<GribGridField> fields{Field("10u", -5, 10, 1, 11, 5, 0, [](double, double) { return 3.0; }),
                                      Field("10v", -5, 10, 1, 11, 5, 0, [](double, double) { return 4.0; }),
                                      global("swh", 0),
                                      Field("mwd", -5, 10, 1, 11, 5, 0,
                                            [](double, double lon) { return lon < 0 ? 350.0 : 10.0; })};
    ASSERT_TRUE(WriteGrib(Path("gribdata.grb"), fields));
    WeatherTool tool(dir.path().toStdString());
    ASSERT_EQ(Load(tool, "gribdata.grb"), kOk);

    for (int32_t code : {0x200, 0x201}) {
        const Values wind = ToolValue(tool, code, 0, 12.3, 1.7);
        EXPECT_NEAR(wind.first, 3.0, 1e-3);
        EXPECT_NEAR(wind.second, 4.0, 1e-3);
    }
    EXPECT_NEAR(ToolValue(tool, 0x501, 0, 0, -0.5).first, (359.0 + 0.0) / 2, 0.01);
    EXPECT_NEAR(ToolValue(tool, 0x501, 0, 0, 181.5).first, 181.5, 0.01);
    const double across = ToolValue(tool, 0x502, 0, 12, -0.5).first;
    EXPECT_NEAR(std::min(across, 360 - across), 0.0, 0.05) << across;

    WeatherProperty held;
    for (auto [code, expected] : {std::pair{0x201, 1}, {0x501, 1}, {0x502, 1}, {0x101, 0}, {0x103, 0}, {0x401, 0}}) {
        ASSERT_EQ(tool.GetProperty((code << 16) | kToolHoldsParameter, &held), kOk);
        EXPECT_EQ(std::get<int32_t>(held), expected) << std::hex << code;
    }
}

// A missing-value bitmap: a masked point and every place next to it has no value.
TEST_F(WeatherToolTest, MaskedPointsGiveTheSentinel)
{
    ASSERT_TRUE(WriteGrib(Path("gribdata.grb"), {Field("swh", 0, 0, 1, 4, 4, 0, [](double lat, double lon) {
                              return lat == 2 && lon == 2 ? std::nan("") : 1.0 + lat;
                          })}));
    WeatherTool tool(dir.path().toStdString());
    ASSERT_EQ(Load(tool, "gribdata.grb"), kOk);
    EXPECT_EQ(ToolValue(tool, 0x501, 0, 2, 2).first, kWeatherMissing);
    EXPECT_EQ(ToolValue(tool, 0x501, 0, 1.5, 1.5).first, kWeatherMissing);
    EXPECT_EQ(ToolValue(tool, 0x501, 0, 2.5, 2.9).first, kWeatherMissing);
    EXPECT_NEAR(ToolValue(tool, 0x501, 0, 1, 2).first, 2.0, 1e-3);   // next to it, on a line of good points
    EXPECT_NEAR(ToolValue(tool, 0x501, 0, 0.5, 0.5).first, 1.5, 1e-3);
}

// Files that are not a usable forecast: the result says which, and the data held stay.
TEST_F(WeatherToolTest, DamagedForeignAndMissingFiles)
{
    const GribGridField good = Field("msl", 0, 0, 1, 3, 3, 0, [](double, double) { return 101325.0; });
    const std::string message = EncodeGribField(good);
    ASSERT_FALSE(message.empty());
    const std::string lambert = EncodeGribSample("lambert_bf_grib2", "2t");
    ASSERT_FALSE(lambert.empty());

    WeatherTool tool(dir.path().toStdString());
    weatherfixtures::WriteBytes(Path("gribdata.grb"), message);
    ASSERT_EQ(Load(tool, "gribdata.grb"), kOk);

    struct Case {
        const char* what;
        std::string bytes;
        HResult expected;
    };
    const Case cases[] = {{"text named .grb", "this is not a forecast\n", kAbort},
                          {"truncated first message", message.substr(0, message.size() / 2), kAbort},
                          {"empty", "", kAbort},
                          {"Lambert grid only", lambert, kFail},
                          {"Lambert then regular", lambert + message, kOk},
                          {"good then truncated", message + message.substr(0, 40), kOk}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        weatherfixtures::WriteBytes(Path("other.grb"), c.bytes);
        EXPECT_EQ(Load(tool, "other.grb"), c.expected);
        EXPECT_NEAR(ToolValue(tool, 0x101, 0, 1, 1).first, 101325.0, 1.0);
        if (c.expected == kOk) {
            EXPECT_EQ(tool.LoadReport().skipped.size(), 1u);
        }
    }
    EXPECT_EQ(Load(tool, "missing.grb"), kAbort);
}

// The shipped example: every quantity for five days at 6-hourly steps, waves and currents only
// at sea, under 1 MB; a grid value as ecCodes' own grib_get reads it.
TEST_F(WeatherToolTest, TheExampleForecast)
{
    const auto example = weatherfixtures::ExampleForecast();
    ASSERT_TRUE(std::filesystem::exists(example));
    EXPECT_LT(std::filesystem::file_size(example), 1u << 20);
    WeatherTool tool(example.parent_path());
    ASSERT_EQ(tool.Initialize(example.filename().string(), "cyclone.xml", kAllCodes, 30), kOk);
    EXPECT_TRUE(tool.LoadReport().skipped.empty());
    for (int32_t code : {0x101, 0x201, 0x301, 0x401, 0x501, 0x502, 0x701})
        EXPECT_TRUE(tool.Forecast().Holds(code)) << std::hex << code;
    EXPECT_NEAR(tool.Forecast().LastTime() - tool.Forecast().FirstTime(), 5.0, 1e-9);
    double s = 0, w = 0, n = 0, e = 0;
    tool.Forecast().Area(&s, &w, &n, &e);
    EXPECT_DOUBLE_EQ(s, 30);
    EXPECT_DOUBLE_EQ(w, -84);
    EXPECT_DOUBLE_EQ(n, 45);
    EXPECT_DOUBLE_EQ(e, -60);
    // Inland Virginia and the open sea off Hatteras.
    EXPECT_EQ(ToolValue(tool, 0x501, 0, 37, -79).first, kWeatherMissing);
    EXPECT_EQ(ToolValue(tool, 0x401, 0, 37, -79).first, kWeatherMissing);
    EXPECT_LT(ToolValue(tool, 0x501, 0, 35, -70).first, 20);
    EXPECT_LT(ToolValue(tool, 0x401, 0, 35, -70).second, 5);
    EXPECT_LT(ToolValue(tool, 0x101, 0, 37, -79).first, 110000);

    std::FILE* pipe = popen(("grib_get -w shortName=msl,step=12 -l 36,-75,1 " + example.string() + " 2>/dev/null").c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    char line[128] = {};
    const bool read = std::fgets(line, sizeof line, pipe) != nullptr;
    pclose(pipe);
    if (!read)
        GTEST_SKIP() << "grib_get (libeccodes-tools) is not installed";
    EXPECT_NEAR(ToolValue(tool, 0x101, 24, 36, -75).first, std::atof(line), 0.5);
}

}  // namespace
