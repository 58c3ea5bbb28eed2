// The display-parameter words: their defaults, their parameters for the engine, and the words the
// settings give.

#include "chart/ChartDisplayParams.h"
#include "frame/SetupParameters.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

using chartengine::ParameterList;
using chartengine::ParameterValue;

namespace {

float FloatWord(const ChartDisplayParams& block, int word)
{
    float value = 0;
    std::memcpy(&value, &block[word], sizeof value);
    return value;
}

double DoubleWord(const ChartDisplayParams& block, int word)
{
    double value = 0;
    std::memcpy(&value, &block[word], sizeof value);
    return value;
}

TEST(ChartDisplayParams, DefaultsAreRawWordsAndWord47IsLeftAlone)
{
    ChartDisplayParams block;
    block.fill(0xDEADBEEF);
    DefaultDisplayParams(block);
    EXPECT_EQ(block[47], 0xDEADBEEFu);
    EXPECT_EQ(DoubleWord(block, 0), 0.0);
    EXPECT_EQ(DoubleWord(block, 2), 0.0);
    const float floats[] = {5.0f, 10.0f, 20.0f, 50.0f, 2.0f, 0.0f, 0.0f, 5.0f};
    for (int word = 4; word <= 11; ++word)
        EXPECT_EQ(FloatWord(block, word), floats[word - 4]) << word;
    EXPECT_EQ(block[14], 1u);
    EXPECT_EQ(block[DisplayCategoryWord], 3u);
    EXPECT_EQ(block[44], 5u);
    EXPECT_EQ(block[46], 0u);
}

TEST(ChartDisplayParams, PutGivesEachWordItsParameterAndType)
{
    ChartDisplayParams block{};
    DefaultDisplayParams(block);
    const double tide = 1.25;
    std::memcpy(&block[0], &tide, sizeof tide);
    const float safety = 12.5f;
    std::memcpy(&block[7], &safety, sizeof safety);
    block[46] = 77;

    ParameterList parameters;
    PutDisplayParams(block, parameters);
    ASSERT_EQ(parameters.Count(), 45u);  // words 0..46, two of them doubles of two words
    const std::vector<int32_t> firstIdentifiers(parameters.Identifiers().begin(), parameters.Identifiers().begin() + 6);
    EXPECT_EQ(firstIdentifiers, (std::vector<int32_t>{13, 47, 0, 1, 7, 2}));
    EXPECT_EQ(std::get<double>(*parameters.Find(13)), 1.25);
    EXPECT_EQ(std::get<float>(*parameters.Find(7)), 12.5f);
    EXPECT_EQ(std::get<float>(*parameters.Find(36)), 5.0f);
    EXPECT_EQ(std::get<int32_t>(*parameters.Find(35)), 77);
    EXPECT_EQ(std::get<int32_t>(*parameters.Find(10)), 3);
}

struct SettingsCase {
    const char* name;
    float depthFactor;
    int32_t shallow;
    int16_t safety;
    int32_t deep;
    int16_t resolution;
    std::array<uint8_t, 8> layers;  // soundings, dangers, names, labels, pattern, paper, boundaries, quality
    PresentationChoice choice;
    // Expected: words 4..7 (the contours in metres, whatever the depth unit) and the integer
    // words below.
    std::array<float, 4> depths;
    std::vector<std::pair<int, uint32_t>> words;
};

TEST(ChartDisplayParams, SettingsGiveTheirWords)
{
    const SettingsCase cases[] = {
        {"metres, standard", 1.0f, 2, 10, 20, 1, {1, 1, 1, 0, 1, 0, 1, 1}, PresentationChoice::Standard,
         {2.0f, 10.0f, 20.0f, 10.0f},
         {{43, 1}, {18, 1}, {30, 0}, {36, 0}, {29, 0}, {16, 1}, {17, 1}, {26, 0}, {42, 1}, {31, 1}, {24, 0}, {21, 1},
          {28, 1}, {14, 1}}},
        {"feet, base", 3.2808f, 6, 33, 66, 4, {0, 0, 0, 1, 1, 1, 0, 0}, PresentationChoice::Base,
         {6.0f, 33.0f, 66.0f, 33.0f},
         {{43, 0}, {18, 0}, {30, 1}, {36, 1}, {29, 1}, {16, 0}, {17, 0}, {26, 1}, {42, 0}, {31, 0}, {24, 1}, {21, 0}}},
        {"fathoms, other", 0.5468f, 1, 5, 10, 2, {1, 1, 1, 1, 1, 1, 1, 1}, PresentationChoice::Other,
         {1.0f, 5.0f, 10.0f, 5.0f},
         {{43, 0}, {18, 2}, {30, 1}, {36, 2}, {42, 0}}},
        {"no depth factor", 0.0f, 2, 10, 20, 2, {1, 1, 0, 0, 0, 0, 0, 0}, PresentationChoice::Other,
         {2.0f, 10.0f, 20.0f, 10.0f},
         {{36, 2}}},
    };
    for (const SettingsCase& c : cases) {
        const auto settings = std::make_unique<SetupParametersRecord>();
        settings->DepthFactor = c.depthFactor;
        settings->ShallowContourDepth = c.shallow;
        settings->SafetyContour = c.safety;
        settings->DeepContourDepth = c.deep;
        settings->Resolution = c.resolution;
        std::copy(c.layers.begin(), c.layers.end(), settings->ChartLayers);
        const ChartDisplayParams block = DisplayParamsFromSettings(*settings, c.choice);
        for (int word = 4; word <= 7; ++word)
            EXPECT_FLOAT_EQ(FloatWord(block, word), c.depths[word - 4]) << c.name << " word " << word;
        for (const auto& [word, value] : c.words)
            EXPECT_EQ(block[word], value) << c.name << " word " << word;
    }
}

}  // namespace
