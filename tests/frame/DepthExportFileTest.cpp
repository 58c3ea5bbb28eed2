#include "frame/CoverageGrid.h"
#include "frame/DepthExportFile.h"
#include "platform/geodesy/NormalisedCoordinates.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

namespace {

cmgbase::GeoPoint Degrees(double longitude, double latitude)
{
    return {cmgbase::deg2nrm(longitude), cmgbase::deg2nrm(latitude)};
}

// What the file holds so far.
std::string Text(std::FILE* file)
{
    std::fflush(file);
    std::rewind(file);
    std::string text;
    for (int c; (c = std::fgetc(file)) != EOF;)
        text += char(c);
    return text;
}

struct CoordinateCase {
    const char* name;
    cmgbase::GeoPoint origin;
    double factor;
    cmgbase::GeoPoint position;
    ExportPoint expected;
};

void PrintTo(const CoordinateCase& c, std::ostream* out) { *out << c.name; }

class ExportCoordinatesTable : public testing::TestWithParam<CoordinateCase> {};

TEST_P(ExportCoordinatesTable, AreOffsetsFromTheSouthWestCornerWithTheLongitudeScaled)
{
    const CoordinateCase& c = GetParam();
    const ExportPoint p = ExportCoordinates(c.origin, c.factor, c.position);
    EXPECT_EQ(p.x, c.expected.x);
    EXPECT_EQ(p.y, c.expected.y);

    // The 3D cursor at those coordinates is the position again, to the unit the scale allows.
    const ExportArea area{{c.origin.x, c.origin.y, c.origin.x, c.origin.y}, float(c.factor)};
    const auto back = ChartPositionOf(area, p);
    ASSERT_TRUE(back.has_value());
    EXPECT_NEAR(back->x, c.position.x, 1.0 / c.factor + 1);
    EXPECT_EQ(back->y, c.position.y);
}

INSTANTIATE_TEST_SUITE_P(
    Positions, ExportCoordinatesTable,
    testing::Values(
        CoordinateCase{"plain", {1000, 2000}, 0.5, {3001, 2500}, {1000, 500}},
        CoordinateCase{"west and south of the corner", {1000, 2000}, 0.5, {-1001, 1500}, {-1000, -500}},
        // A view across the 180th meridian: its eastern part lies on from its western edge.
        CoordinateCase{"across the antimeridian", {2147483000, 0}, 1.0, {-2147483000, 0}, {1296, 0}},
        CoordinateCase{"back across it", {-2147483000, 0}, 1.0, {2147483000, 0}, {-1296, 0}},
        CoordinateCase{"half a turn east", {-1073741824, 0}, 1.0, {1073741823, 0}, {2147483647, 0}},
        CoordinateCase{"the whole part", {0, 0}, 0.7, {10, 0}, {7, 0}},
        CoordinateCase{"the whole part west", {0, 0}, 0.7, {-10, 0}, {-7, 0}}),
    [](const testing::TestParamInfo<CoordinateCase>& info) {
        std::string name = info.param.name;
        for (char& c : name)
            if (!std::isalnum(static_cast<unsigned char>(c)))
                c = '_';
        return name;
    });

TEST(ChartPositionOf, NeedsTheScaleOfAnExport)
{
    for (const float factor : {0.0f, -1.0f, std::numeric_limits<float>::infinity(), std::nanf("")})
        EXPECT_FALSE(ChartPositionOf({{100, 200, 300, 400}, factor}, {10, 10}).has_value()) << factor;
    EXPECT_FALSE(ChartPositionOf({{0, 0, 0, 0}, 1e-9f}, {2000000000, 0}).has_value()) << "beyond half a turn";
}

class DepthExportFileTest : public testing::Test {
protected:
    void SetUp() override
    {
        file = std::tmpfile();
        ASSERT_NE(file, nullptr);
        ExportCoverageGrid.fill(0);
        ThreeDExportArea = {{Degrees(-76.5, 38.9).x, Degrees(-76.5, 38.9).y, Degrees(-76.4, 39.0).x,
                             Degrees(-76.4, 39.0).y},
                            0.5f};
        ThreeDExportFile = {file, 0, [](const cmgbase::GeoPoint&) { return std::optional(std::pair(25, 35)); }};
    }
    void TearDown() override
    {
        ThreeDExportFile = {};
        ThreeDExportArea = {};
        std::fclose(file);
    }

    std::FILE* file = nullptr;
};

TEST_F(DepthExportFileTest, AUserDepthIsALineOfItsExportCoordinatesAndCoversItsCell)
{
    const cmgbase::GeoPoint corner = ThreeDExportArea.origin();
    EXPECT_TRUE(WriteUserDepth({corner.x + 2001, corner.y + 30}, -12.25));
    EXPECT_TRUE(WriteExportLine({-7, 8}, 0.0));
    EXPECT_EQ(Text(file), "1000 30 -12.2\n-7 8 0.0\n");
    EXPECT_EQ(ThreeDExportFile.pointCount, 2);
    EXPECT_EQ(ExportCoverageGrid[2 * kCoverageRows + 3], 2);
}

// The count is written in six digits: the millionth point is refused, as is a depth that is no
// number, and nothing is written without an open file.
TEST_F(DepthExportFileTest, NoPointBeyondTheCountsSixDigitsNorWithoutANumberOrAFile)
{
    ThreeDExportFile.pointCount = ExportPointLimit - 1;
    EXPECT_TRUE(WriteExportLine({1, 2}, -3.0));
    EXPECT_FALSE(WriteExportLine({4, 5}, -6.0));
    EXPECT_FALSE(WriteUserDepth(ThreeDExportArea.origin(), -1.0));
    EXPECT_EQ(ThreeDExportFile.pointCount, ExportPointLimit);

    ThreeDExportFile.pointCount = 0;
    EXPECT_FALSE(WriteExportLine({1, 2}, std::nan("")));
    EXPECT_FALSE(WriteExportLine({1, 2}, -std::numeric_limits<double>::infinity()));
    EXPECT_EQ(Text(file), "1 2 -3.0\n");

    ThreeDExportFile.file = nullptr;
    EXPECT_FALSE(WriteExportLine({1, 2}, -3.0));
    EXPECT_EQ(ThreeDExportFile.pointCount, 0);
}

}  // namespace
