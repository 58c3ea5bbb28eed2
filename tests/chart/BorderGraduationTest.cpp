// The border graduation: its step, precision and scale-bar tables, the label texts, and the grid
// drawn over views of the real chart, across the 180th meridian, near the south pole and turned.

#include "ChartWindowFixture.h"

#include "chart/BorderGraduation.h"
#include "chart/ChartLevels.h"
#include "chart/ChartRedraw.h"
#include "chart/MapView.h"
#include "chart/OverlayColours.h"
#include "platform/geodesy/NormalisedCoordinates.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <cmath>

using namespace charttest;

namespace {

TEST(GraduationTables, StepsPrecisionsAndScaleBarSegments)
{
    EXPECT_EQ(GraduationSteps.front(), 3.0f);
    EXPECT_EQ(GraduationSteps[16], 18000.0f);
    EXPECT_EQ(GraduationSteps.back(), 2160000.0f);
    struct Case {
        double span;
        int parts, last, index;
    };
    for (const Case& c : {Case{9.0, 3, 24, 0}, Case{10.0, 3, 24, 1}, Case{900.0, 3, 24, 8}, Case{18000.0, 3, 24, 14},
                          Case{3240000.0, 3, 24, 24}, Case{3000000.0, 4, 25, 24}, Case{6480000.0, 4, 25, 25}})
        EXPECT_EQ(GraduationStepIndex(c.span, c.parts, c.last), c.index) << c.span;
    for (const auto& [index, precision] : std::initializer_list<std::pair<int, int>>{{0, 2}, {7, 2}, {8, 1}, {15, 1}, {16, 0}, {25, 0}})
        EXPECT_EQ(GraduationPrecision(index), precision) << index;
    struct Bar {
        int32_t level, length, colour;
    };
    for (const Bar& b : {Bar{0, 15, 4}, Bar{2, 15, 4}, Bar{3, 150, 1}, Bar{9, 150, 1}, Bar{10, 1500, 6}, Bar{14, 1500, 6},
                         Bar{15, 9000, 2}, Bar{16, 90000, 2}, Bar{17, 90000, 2}}) {
        EXPECT_EQ(ScaleBarSegmentAt(b.level).length, b.length) << b.level;
        EXPECT_EQ(ScaleBarSegmentAt(b.level).colour, b.colour) << b.level;
    }
}

TEST(GraduationTables, LabelTexts)
{
    struct Case {
        int32_t value;
        int precision;
        const char* text;
    };
    for (const Case& c : {Case{150 * 18000, 0, "150"}, Case{9030, 2, "0 30.1'"}, Case{-9030, 2, "0 30.1'"},
                          Case{38 * 18000 + 54 * 300, 1, "38 54'"}, Case{38 * 18000 + 5 * 300, 1, "38 05'"},
                          Case{76 * 18000 + 450, 2, "76 01.5'"}, Case{200 * 18000, 0, "180"}, Case{18000, 3, ""},
                          Case{-180 * 18000, 0, "180"}})
        EXPECT_EQ(FormatGraduationLabel(c.value, c.precision), c.text) << c.value << " " << c.precision;
}

class BorderGraduationTest : public ChartWindowTest {
protected:
    // The graduation of a view of 400 x 300 at the level, on a plain picture.
    QImage Graduated(const cmgbase::GeoPoint& at, int32_t level, float rotation = 0.0f)
    {
        window.controls.CM93->resize(400, 300);
        MainMapView->SetCentre(at);
        window.viewRotation = rotation;
        window.chartLevel = level;
        SetChartLevel(window);
        RedrawChart(window, true);
        QImage picture(400, 300, QImage::Format_RGB32);
        picture.fill(kPlain);
        QPainter canvas(&picture);
        DrawBorderGraduation(window, canvas);
        return picture;
    }

    static int Drawn(const QImage& picture, const QRect& area)
    {
        int count = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                count += picture.pixel(x, y) != kPlain;
        return count;
    }

    static constexpr QRgb kPlain = 0xFF808080;
};

TEST_F(BorderGraduationTest, TheApproachGetsFrameGridLabelsAndScaleBar)
{
    const QImage picture = Graduated(Degrees(-76.44, 38.9), 6);
    EXPECT_EQ(picture.pixel(0, 150), WindowTextColour().rgb());        // the frame's outer line
    EXPECT_EQ(picture.pixel(200, 3), WindowTextColour().rgb());        // and its inner one
    EXPECT_GT(Drawn(picture, QRect(4, 100, 3, 100)), 250);            // the scale bar, left
    EXPECT_GT(Drawn(picture, QRect(20, 20, 360, 260)), 400);          // grid lines and labels
}

TEST_F(BorderGraduationTest, NothingForAViewOfHalfTheEarthOrMoreOrAnEmptyOne)
{
    Graduated(Degrees(-76.44, 38.9), 6);
    for (const cmgbase::GeoRect& view : {cmgbase::GeoRect{Degrees(-10, -90).x, Degrees(-10, -90).y, Degrees(10, 90).x, Degrees(10, 90).y},
                                         cmgbase::GeoRect{Degrees(-10, -80).x, Degrees(-10, -80).y, Degrees(10, 100).x, Degrees(10, 100).y},
                                         cmgbase::GeoRect{}}) {
        ViewGeoRect = view;
        QImage picture(400, 300, QImage::Format_RGB32);
        picture.fill(kPlain);
        QPainter canvas(&picture);
        DrawBorderGraduation(window, canvas);
        canvas.end();
        EXPECT_EQ(Drawn(picture, picture.rect()), 0);
    }
}

TEST(GraduationAxes, TheSouthernLimitIsHeldLikeTheNorthernAndLabelsStayOnTheSteps)
{
    const GraduationAxis south = LatitudeGraduation(-89.9 * 18000, -78.0 * 18000);
    EXPECT_EQ(south.step, 72000.0);  // 4 degrees for a span of 11.9: the start would be -92
    EXPECT_GT(south.start, -90.0 * 18000);
    const double firstLabel = south.start + ((5 - south.phase) % 5) * south.minor;
    EXPECT_DOUBLE_EQ(std::fmod(firstLabel, south.step), 0.0);
    const GraduationAxis north = LatitudeGraduation(78.0 * 18000, 89.9 * 18000);
    EXPECT_LT(north.end, 90.0 * 18000);
    EXPECT_EQ(north.phase, 0);
}

TEST(GraduationAxes, AcrossThe180thMeridianTheTicksRunOnPastIt)
{
    const GraduationAxis across = LongitudeGraduation(179.0 * 18000, 181.0 * 18000);
    EXPECT_LT(across.start, 180.0 * 18000);
    EXPECT_GT(across.end, 181.0 * 18000 - across.step);
    EXPECT_GT(across.end, across.start);
    EXPECT_EQ(FormatGraduationLabel(-179 * 18000 - 9000, 1), "179 30'");  // 180.5 folded to -179.5
}

TEST_F(BorderGraduationTest, AViewAcrossThe180thMeridianIsGraduatedAcrossIt)
{
    const QImage picture = Graduated(Degrees(180.0, 10.0), 14);  // 1:1000000
    ASSERT_GT(ViewGeoRect.x1, ViewGeoRect.x2);
    // Grid lines stand on both sides of the meridian: some drawn columns left and right.
    int leftLines = 0, rightLines = 0;
    for (int x = 20; x < 380; ++x) {
        const bool line = Drawn(picture, QRect(x, 100, 1, 100)) > 90;
        (x < 200 ? leftLines : rightLines) += line;
    }
    EXPECT_GT(leftLines, 0);
    EXPECT_GT(rightLines, 0);
}

TEST_F(BorderGraduationTest, NearTheSouthPoleTheGraduationStillDraws)
{
    const QImage picture = Graduated(Degrees(0.0, -84.0), 16);
    EXPECT_GT(Drawn(picture, QRect(20, 20, 360, 260)), 100);
}

TEST_F(BorderGraduationTest, ATurnedScaleBarEndsAtTheTop)
{
    const QImage picture = Graduated(Degrees(-76.44, 38.9), 6, 45.0f);
    EXPECT_GT(Drawn(picture, QRect(4, 10, 3, 250)), 500);
}

}  // namespace
