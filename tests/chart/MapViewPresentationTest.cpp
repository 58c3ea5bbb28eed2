// The map view's presentation, display category, display parameters and colours over a made
// chart.

#include "MadeChart.h"

#include "platform/chartengine/S52ColourTokens.h"

#include <cstring>

using namespace chartengine;

namespace {

using MapViewPresentation = charttest::MadeChartTest;

int32_t Parameter(const MapView& view, int32_t identifier)
{
    const ParameterValue* value = view.parameters.Find(identifier);
    return value && std::holds_alternative<int32_t>(*value) ? std::get<int32_t>(*value) : -1;
}

TEST_F(MapViewPresentation, DisplayCategoryChoosesThePresentationAndReachesTheEngineAtOnce)
{
    struct Step {
        int32_t category;
        const char* presentation;
        int32_t word;
    };
    const Step steps[] = {
        {0, kBasePresentationName, 0}, {1, kStandardPresentationName, 1}, {2, kOtherPresentationName, 2},
        {3, kOtherPresentationName, 2}, {0, kBasePresentationName, 0},
    };
    for (const Step& step : steps) {
        EXPECT_EQ(view_.SetDisplayCategory(step.category), 1);
        ASSERT_NE(view_.presentation, nullptr);
        EXPECT_EQ(view_.presentation->Name(), step.presentation);
        EXPECT_EQ(int32_t(view_.displayParams[DisplayCategoryWord]), step.word);
        // The parameter the engine draws with is the new category already.
        EXPECT_EQ(Parameter(view_, 10), step.word) << step.category;
    }
}

TEST_F(MapViewPresentation, CategoryFourIsThreeAndTheSameCategoryChangesNothing)
{
    ASSERT_EQ(view_.SetDisplayCategory(3), 1);
    const Presentation* three = view_.presentation.get();
    EXPECT_EQ(view_.SetDisplayCategory(3), 1);
    EXPECT_EQ(view_.presentation.get(), three);

    EXPECT_EQ(view_.SetDisplayCategory(4), 1);
    EXPECT_EQ(view_.displayCategory, 3);
    ASSERT_NE(view_.presentation, nullptr);
    EXPECT_EQ(view_.presentation->Name(), kOtherPresentationName);
    const Presentation* again = view_.presentation.get();
    EXPECT_EQ(view_.SetDisplayCategory(3), 1);
    EXPECT_EQ(view_.presentation.get(), again);

    EXPECT_EQ(view_.SetDisplayCategory(7), 1);
    EXPECT_EQ(view_.presentation, nullptr);
}

TEST_F(MapViewPresentation, FirstColourTakesThePaletteIndexOfItsColour)
{
    ChartColourTable table = view_.chartColourTable;
    table[0] = 255, table[1] = 0, table[2] = 0;
    ASSERT_EQ(view_.ApplyColourTable(table), 1);
    ASSERT_FALSE(view_.colours->PaletteIndices().empty());
    const int index = view_.colours->PaletteIndices()[0];
    EXPECT_EQ(view_.viewPalette->rgb(index), qRgb(255, 0, 0));
    EXPECT_EQ(view_.viewPalette->size(), ChartColourCount);
}

TEST_F(MapViewPresentation, ColourInterfaceOfAnotherCountIsRefused)
{
    ChartColourTable table{};
    for (const int32_t count : {40, 70, 300}) {
        view_.colourCount = count;
        EXPECT_EQ(view_.ReadColourTable(0, table), 0) << count;
        EXPECT_EQ(view_.ApplyColourTable(table), 0) << count;
    }
    view_.colourCount = ChartColourCount;
    EXPECT_EQ(view_.ReadColourTable(4, table), 1);
    EXPECT_EQ(view_.ApplyColourTable(table), 1);
}

TEST_F(MapViewPresentation, UpdateKeepsTheAppliedTableWhateverItsColours)
{
    // A night table whose colour 14 has no red is the view's table and stays so.
    ChartColourTable night{};
    ASSERT_EQ(view_.ReadColourTable(4, night), 1);
    night[3 * 14] = 0;
    ASSERT_EQ(view_.ApplyColourTable(night), 1);
    ASSERT_EQ(view_.UpdatePresentation(1), 1);
    EXPECT_EQ(view_.chartColourTable, night);
    EXPECT_EQ(view_.presentationVariant, 1);
    EXPECT_EQ(view_.symbolization->Name(), kS52SymbolizationName);

    ASSERT_EQ(view_.UpdatePresentation(0), 1);
    EXPECT_EQ(view_.symbolization->Name(), kEngineSymbolizationName);
    EXPECT_EQ(view_.chartColourTable, night);
}

TEST_F(MapViewPresentation, UpdateReadsTheDayTableIntoAViewThatNeverHadOne)
{
    view_.chartColourTable.fill(0);
    view_.colourTableLoaded = false;
    ASSERT_EQ(view_.UpdatePresentation(1), 1);
    ChartColourTable day{};
    ASSERT_EQ(view_.ReadColourTable(0, day), 1);
    EXPECT_EQ(view_.chartColourTable, day);
    EXPECT_TRUE(view_.colourTableLoaded);
}

TEST_F(MapViewPresentation, NightSchemeDrawsInNightColours)
{
    ChartColourTable night{};
    ASSERT_EQ(view_.ReadColourTable(4, night), 1);
    ASSERT_EQ(view_.ApplyColourTable(night), 1);
    const QImage image = Draw(view_);
    EXPECT_EQ(image.pixel(40, 40), qRgb(night[3 * kDEPDW], night[3 * kDEPDW + 1], night[3 * kDEPDW + 2]));
}

}  // namespace
