// The map view's chart draw over a made chart: what lands on which pixel, which objects each
// display category draws, the highlight of a selected object and the move to an object.

#include "MadeChart.h"

#include "chart/MapQueryFilters.h"
#include "platform/chartengine/S52ColourTokens.h"
#include "platform/chartengine/S57Codes.h"

#include <QPainter>

using namespace chartengine;
using charttest::Degrees;

namespace {

class MapViewDrawing : public charttest::MadeChartTest {
protected:
    QPoint PixelOf(double longitude)
    {
        DevicePoint device;
        EXPECT_EQ(view_.GeoToDevice(Degrees(longitude, charttest::kCentreLatitude), device), 1);
        return {charttest::kImageWidth / 2 + device.x, charttest::kImageHeight / 2 - device.y};
    }
    // The island east of the centre and the pile of the large scales west of it.
    QPoint IslandPixel() { return PixelOf(charttest::kCentreLongitude + charttest::kIslandEast); }
    QPoint LargeScalePilePixel() { return PixelOf(charttest::kCentreLongitude - charttest::kIslandEast); }
    static QPoint Centre() { return {charttest::kImageWidth / 2, charttest::kImageHeight / 2}; }
    // A pixel of open water, away from the pile and the island.
    static QPoint Water() { return {40, 40}; }
};

TEST_F(MapViewDrawing, PointAtTheViewCentreIsDrawnOnTheCentrePixel)
{
    const QImage image = Draw(view_);
    EXPECT_EQ(image.pixel(Centre()), TableColour(view_, kCHBLK));
    EXPECT_EQ(image.pixel(Water()), TableColour(view_, kDEPDW));
    EXPECT_EQ(image.pixel(IslandPixel()), TableColour(view_, kLANDA));
    EXPECT_EQ(view_.drawn, 1);
}

TEST_F(MapViewDrawing, ObjectsAreLeftOutBeyondTheirMinimumScale)
{
    EXPECT_EQ(Draw(view_).pixel(LargeScalePilePixel()), TableColour(view_, kDEPDW));
    ASSERT_EQ(view_.SetScale(10000), 1);
    EXPECT_EQ(Draw(view_).pixel(LargeScalePilePixel()), TableColour(view_, kCHBLK));
}

TEST_F(MapViewDrawing, WindowDiagonalGivesTheVisibleArea)
{
    QImage image(800, 600, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.translate(400, 300);
    painter.scale(1, -1);
    view_.DrawChart(painter, {-400, 300, 400, -300});
    cmgbase::GeoRect square;
    ASSERT_EQ(view_.ScreenRectToGeo({-500, -500, 500, 500}, square), 1);
    EXPECT_EQ(view_.visibleArea, square);
}

TEST_F(MapViewDrawing, BaseHidesWhatStandardShows)
{
    // The pile belongs to the standard display, the small island to the display base.
    ASSERT_EQ(view_.SetDisplayCategory(0), 1);
    QImage image = Draw(view_);
    EXPECT_EQ(image.pixel(Centre()), TableColour(view_, kDEPDW));
    EXPECT_EQ(image.pixel(IslandPixel()), TableColour(view_, kLANDA));

    ASSERT_EQ(view_.SetDisplayCategory(1), 1);
    image = Draw(view_);
    EXPECT_EQ(image.pixel(Centre()), TableColour(view_, kCHBLK));
    EXPECT_EQ(image.pixel(IslandPixel()), TableColour(view_, kLANDA));
}

TEST_F(MapViewDrawing, ClassTableChoosesInCategoryThree)
{
    ASSERT_EQ(view_.SetDisplayCategory(3), 1);
    int32_t pile = 0;
    ASSERT_EQ(ChartDictionary::Shared()->ObjectClassCode("PILPNT", &pile), kOk);
    view_.objectClassTable[ObjectClassSlot(pile)] = 0;
    const QImage image = Draw(view_);
    EXPECT_EQ(image.pixel(Centre()), TableColour(view_, kDEPDW));
    EXPECT_EQ(image.pixel(IslandPixel()), TableColour(view_, kLANDA));
}

TEST_F(MapViewDrawing, SelectedObjectIsHighlightedInPaletteEntryFive)
{
    int32_t pile = 0;
    ASSERT_EQ(ChartDictionary::Shared()->ObjectClassCode("PILPNT", &pile), kOk);
    const ChartObject object = ObjectAt(Degrees(charttest::kCentreLongitude, charttest::kCentreLatitude), pile);
    ASSERT_EQ(view_.ShowObject(GuidToText(object.Identifier()), 0), 1);
    QImage image = Draw(view_);
    {
        QPainter painter(&image);
        painter.translate(charttest::kImageWidth / 2, charttest::kImageHeight / 2);
        painter.scale(1, -1);
        view_.DrawOverlayShapes(painter, {-charttest::kImageWidth / 2, charttest::kImageHeight / 2,
                                          charttest::kImageWidth / 2, -charttest::kImageHeight / 2});
    }
    EXPECT_EQ(image.pixel(Centre() + QPoint(15, 0)), TableColour(view_, 5));
    EXPECT_EQ(image.pixel(Centre()), TableColour(view_, kCHBLK));

    // Nothing is highlighted once the selection is cleared.
    ASSERT_EQ(view_.ShowObject("", 0), 1);
    EXPECT_TRUE(view_.selectedObject.isNull());
}

TEST_F(MapViewDrawing, ShowObjectCentresAtTheScaleOfItsBand)
{
    int32_t pile = 0;
    ASSERT_EQ(ChartDictionary::Shared()->ObjectClassCode("PILPNT", &pile), kOk);
    const ChartObject object = ObjectAt(Degrees(charttest::kCentreLongitude, charttest::kCentreLatitude), pile);
    ASSERT_EQ(view_.SetCentre(Degrees(-76.0, 38.5)), 1);
    ASSERT_EQ(view_.ShowObject(GuidToText(object.Identifier()), 1), 1);
    EXPECT_EQ(view_.centre, Degrees(charttest::kCentreLongitude, charttest::kCentreLatitude));
    EXPECT_EQ(view_.scale, 30000);
    EXPECT_EQ(view_.selectedObject, object.Identifier());
}

TEST_F(MapViewDrawing, ShowObjectOfTheWholeWorldAlongThePoleStaysInRange)
{
    // The line's bounds span every longitude and lie at 90 N: their middle needs more than 32
    // bits. The centre at the pole is beyond the projection and stays where it was.
    int32_t navigationLine = 0;
    ASSERT_EQ(ChartDictionary::Shared()->ObjectClassCode("NAVLNE", &navigationLine), kOk);
    const ChartObject line = ObjectAt({0, 1 << 30}, navigationLine);
    const cmgbase::GeoPoint before = view_.centre;
    ASSERT_EQ(view_.ShowObject(GuidToText(line.Identifier()), 1), 1);
    EXPECT_EQ(view_.centre, before);
    EXPECT_EQ(view_.scale, 30000);
}

TEST_F(MapViewDrawing, ShowObjectRefusesTextsThatNameNoObject)
{
    const Guid selected{1, 0, 1, {}};
    view_.selectedObject = selected;
    EXPECT_EQ(view_.ShowObject("not a guid", 1), 0);
    EXPECT_EQ(view_.selectedObject, selected);
    EXPECT_EQ(view_.ShowObject("{00000009-0000-0000-0000-000000000000}", 1), 0);
    EXPECT_TRUE(view_.selectedObject.isNull());
}

TEST_F(MapViewDrawing, NoDrawWithoutSymbolization)
{
    // A presentation update that fails leaves the view ready but without a symbolization.
    view_.resolutionWidth = 0;
    ASSERT_EQ(view_.UpdatePresentation(1), 0);
    ASSERT_EQ(view_.symbolization, nullptr);
    view_.drawn = 0;
    const QImage image = Draw(view_);
    EXPECT_EQ(image.pixel(Centre()), charttest::kUndrawn);
    EXPECT_EQ(view_.drawn, 0);
}

TEST_F(MapViewDrawing, FiltersKeepWhatTheyShowAndRefuseNullPointers)
{
    int32_t pile = 0;
    ASSERT_EQ(ChartDictionary::Shared()->ObjectClassCode("PILPNT", &pile), kOk);
    const ChartObject object = ObjectAt(Degrees(charttest::kCentreLongitude, charttest::kCentreLatitude), pile);
    const ChartObject area =
        ObjectAt(Degrees(charttest::kCentreLongitude + 0.01, charttest::kCentreLatitude), s57class::DEPARE);

    ObjectClassTable table;
    ShowAllObjectClasses(table);
    table[ObjectClassSlot(s57class::DEPARE)] = 0;
    MapFilter byClass(table);
    int32_t reject = -1;
    EXPECT_EQ(byClass.Filter(0, &area, &reject), kOk);
    EXPECT_EQ(reject, 1);
    EXPECT_EQ(byClass.Filter(0, &object, &reject), kOk);
    EXPECT_EQ(reject, 0);
    EXPECT_EQ(byClass.Filter(0, nullptr, &reject), kInvalidArgument);
    EXPECT_EQ(byClass.Filter(0, &object, nullptr), kNullPointer);
    HideAllObjectClasses(table);
    EXPECT_TRUE(ObjectClassShown(table, 9999));
    EXPECT_FALSE(ObjectClassShown(table, pile));

    const std::unique_ptr<Presentation> base = MapView::CreatePresentation(&manager_, kBasePresentationName);
    ASSERT_NE(base, nullptr);
    MapCGDQFilter byPresentation(base.get());
    EXPECT_EQ(byPresentation.Filter(0, &object, &reject), kOk);
    EXPECT_EQ(reject, 1);
    EXPECT_EQ(byPresentation.Filter(0, &area, &reject), kOk);
    EXPECT_EQ(reject, 0);
    EXPECT_EQ(byPresentation.Filter(0, nullptr, &reject), kInvalidArgument);
    EXPECT_EQ(byPresentation.Filter(0, &object, nullptr), kNullPointer);

    MapCGDQFilter withoutPresentation(nullptr);
    for (const int32_t engineValue : {0, 1}) {
        reject = engineValue;
        EXPECT_EQ(withoutPresentation.Filter(0, &object, &reject), kOk);
        EXPECT_EQ(reject, engineValue);
    }
}

}  // namespace
