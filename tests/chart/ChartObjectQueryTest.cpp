// The chart objects at a picked position over the approach cell US4MD81M, shown in the object
// inspector with their attributes decoded, and the highlight of the one chosen.

#include "ChartWindowFixture.h"

#include "chart/ChartLevels.h"
#include "chart/ChartObjectQuery.h"
#include "chart/ChartRedraw.h"
#include "chart/MapManager.h"
#include "chart/MapView.h"
#include "chart/TCM93Inspector.h"
#include "platform/chartengine/ChartDictionary.h"
#include "platform/chartengine/GeoDatabase.h"

#include <QTreeWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

using namespace charttest;
using namespace chartengine;

namespace {

// Thomas Point Shoal Light: the landmark and its four sector lights, all at one point.
const cmgbase::GeoPoint kThomasPointLight = Degrees(-76.4358149, 38.8990101);
constexpr int32_t kLevel22000 = 6;

class ChartObjectQueryTest : public ChartWindowTest {
protected:
    void SetUp() override
    {
        ChartWindowTest::SetUp();
        window.controls.CM93->resize(600, 400);
        MainMapView->SetCentre(kThomasPointLight);
        window.chartLevel = kLevel22000;
        SetChartLevel(window);
    }

    std::map<std::string, int> ClassesAt(const cmgbase::GeoPoint& position)
    {
        std::vector<goGUID> found;
        EXPECT_EQ(QueryObjectsAt(*ChartEngine, *MainMapView, position, 3, found), 1);
        std::map<std::string, int> classes;
        for (const goGUID& entry : found) {
            EXPECT_EQ(entry.database, ChartEngine->currentGeoDatabase);
            ChartObject object;
            EXPECT_EQ(entry.database->ObjectByIdentifier(entry.identifier, &object), kOk);
            ++classes[ChartDictionary::Shared()->ObjectClassAcronym(object.ClassCode())];
        }
        return classes;
    }

    // The texts of the inspector's rows: the objects and, under them, "acronym|value".
    static std::vector<std::string> AttributeRows(const QTreeWidget& tree, const std::string& classAcronym)
    {
        std::vector<std::string> rows;
        for (int i = 0; i < tree.topLevelItemCount(); ++i) {
            const QTreeWidgetItem* object = tree.topLevelItem(i);
            if (object->text(0).toStdString() != classAcronym)
                continue;
            for (int j = 0; j < object->childCount(); ++j)
                rows.push_back((object->child(j)->text(0) + "|" + object->child(j)->text(2)).toStdString());
        }
        return rows;
    }
};

TEST_F(ChartObjectQueryTest, AClickOnTheLightFindsTheLandmarkAndItsSectorsButNoCoveringClasses)
{
    const std::map<std::string, int> classes = ClassesAt(kThomasPointLight);
    EXPECT_EQ(classes.count("LNDMRK"), 1u);
    EXPECT_EQ(classes.count("LIGHTS") ? classes.at("LIGHTS") : 0, 4);
    for (const char* hidden : {"SOUNDG", "DEPARE", "DEPCNT", "LNDARE", "COALNE", "M_COVR"})
        EXPECT_EQ(classes.count(hidden), 0u) << hidden;

    // A few pixels off the point the drawn symbol is still hit.
    cmgbase::GeoPoint beside;
    ScreenPoint pixel;
    ASSERT_EQ(MainMapView->GeoToScreen(window.chartRect, kThomasPointLight, pixel), 1);
    ASSERT_EQ(MainMapView->ScreenToGeo(window.chartRect, {pixel.x + 4, pixel.y - 3}, beside), 1);
    EXPECT_EQ(ClassesAt(beside).count("LNDMRK"), 1u);
}

TEST_F(ChartObjectQueryTest, OpenSeaGivesAnEmptyResultAndAViewNotReadyNothing)
{
    EXPECT_TRUE(ClassesAt(kOpenSea).empty());
    // Beyond the projection's latitudes no square can be made: nothing, never the whole world.
    EXPECT_TRUE(ClassesAt(Degrees(-76.4358149, 89.99)).empty());
    MapView unready;
    std::vector<goGUID> found{goGUID{}};
    EXPECT_EQ(QueryObjectsAt(*ChartEngine, unready, kThomasPointLight, 3, found), 1);
    EXPECT_TRUE(found.empty());
}

TEST_F(ChartObjectQueryTest, TheInspectorShowsTheAttributesDecodedAndHighlightsTheChosenObject)
{
    TCM93Inspector inspector;
    CM93Inspector = &inspector;
    inspector.chart = &window;
    ShowChartObjectsAt(window, kThomasPointLight);
    EXPECT_TRUE(inspector.isVisible());
    EXPECT_EQ(inspector.windowTitle(), "Chart Object Inspector");
    const QTreeWidget& tree = *inspector.XObjectInspector1;
    EXPECT_GE(tree.topLevelItemCount(), 5);  // with the areas the light stands in

    const auto landmark = AttributeRows(tree, "LNDMRK");
    for (const char* row : {"OBJNAM|Thomas Point Shoal Light", "CATLMK|tower", "COLOUR|white"})
        EXPECT_NE(std::find(landmark.begin(), landmark.end(), row), landmark.end()) << row;
    const auto lights = AttributeRows(tree, "LIGHTS");
    for (const char* row : {"COLOUR|red", "LITCHR|flashing", "SECTR1|96.5 deg", "SECTR2|202 deg", "SIGPER|5 s",
                            "VALNMR|11 NM"})
        EXPECT_NE(std::find(lights.begin(), lights.end(), row), lights.end()) << row;

    // Choosing the landmark selects it in the main view; the static overlay's highlight draws
    // it; hiding clears it.
    RedrawChart(window, true);
    window.ChartBackBitmap = window.MainChartBitmap.copy();
    const QImage before = window.ChartBackBitmap.copy();
    inspector.XObjectInspector1->setCurrentItem(inspector.XObjectInspector1->topLevelItem(0));
    EXPECT_FALSE(MainMapView->selectedObject.isNull());
    EXPECT_EQ(window.OverlayRedrawRequest, 1);
    PaintViewShapes(window);
    EXPECT_NE(window.ChartBackBitmap, before);

    inspector.hide();
    EXPECT_TRUE(MainMapView->selectedObject.isNull());

    // Hiding with nothing chosen clears as well; the open sea (only the world base's land areas,
    // which a pick leaves out) empties the shown inspector.
    ShowChartObjectsAt(window, kOpenSea);
    EXPECT_TRUE(inspector.isVisible());
    EXPECT_EQ(tree.topLevelItemCount(), 0);
    MainMapView->selectedObject = Guid{1, 2, 3, {}};
    inspector.hide();
    EXPECT_TRUE(MainMapView->selectedObject.isNull());
    CM93Inspector = nullptr;
}

}  // namespace
