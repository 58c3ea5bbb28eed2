#include "chart/ChartDisplayParams.h"

#include "frame/SetupParameters.h"

#include <cstring>

namespace {

enum class WordType { Double, Float, Integer };

struct DisplayParam {
    int word;
    int32_t parameter;
    WordType type;
    double defaultValue;
};

// In the order the parameters are handed over.
constexpr DisplayParam DisplayParamTable[] = {
    {0, 13, WordType::Double, 0.0},   {2, 47, WordType::Double, 0.0},   {4, 0, WordType::Float, 5.0},
    {5, 1, WordType::Float, 10.0},    {7, 7, WordType::Float, 50.0},    {6, 2, WordType::Float, 20.0},
    {8, 23, WordType::Float, 2.0},    {9, 30, WordType::Float, 0.0},    {10, 31, WordType::Float, 0.0},
    {11, 36, WordType::Float, 5.0},   {12, 3, WordType::Integer, 0},    {13, 4, WordType::Integer, 0},
    {14, 5, WordType::Integer, 1},    {15, 6, WordType::Integer, 0},    {16, 8, WordType::Integer, 1},
    {17, 9, WordType::Integer, 0},    {18, 10, WordType::Integer, 3},   {19, 11, WordType::Integer, 0},
    {20, 12, WordType::Integer, 0},   {21, 14, WordType::Integer, 0},   {22, 15, WordType::Integer, 0},
    {23, 16, WordType::Integer, 0},   {24, 17, WordType::Integer, 0},   {25, 18, WordType::Integer, 0},
    {26, 19, WordType::Integer, 0},   {27, 20, WordType::Integer, 0},   {28, 21, WordType::Integer, 0},
    {29, 22, WordType::Integer, 0},   {30, 24, WordType::Integer, 1},   {31, 26, WordType::Integer, 0},
    {32, 27, WordType::Integer, 0},   {33, 28, WordType::Integer, 0},   {34, 32, WordType::Integer, 0},
    {35, 33, WordType::Integer, 0},   {36, 34, WordType::Integer, 0},   {37, 37, WordType::Integer, 0},
    {38, 39, WordType::Integer, 0},   {39, 40, WordType::Integer, 1},   {40, 41, WordType::Integer, 1},
    {41, 42, WordType::Integer, 0},   {42, 43, WordType::Integer, 0},   {43, 44, WordType::Integer, 0},
    {44, 45, WordType::Integer, 5},   {45, 46, WordType::Integer, 0},   {46, 35, WordType::Integer, 0},
};

}  // namespace

void DefaultDisplayParams(ChartDisplayParams& block)
{
    for (const DisplayParam& p : DisplayParamTable) {
        switch (p.type) {
        case WordType::Double:
            std::memcpy(&block[p.word], &p.defaultValue, sizeof(double));
            break;
        case WordType::Float: {
            const float value = static_cast<float>(p.defaultValue);
            std::memcpy(&block[p.word], &value, sizeof value);
            break;
        }
        case WordType::Integer:
            block[p.word] = static_cast<uint32_t>(static_cast<int32_t>(p.defaultValue));
            break;
        }
    }
}

void PutDisplayParams(const ChartDisplayParams& block, chartengine::ParameterList& parameters)
{
    for (const DisplayParam& p : DisplayParamTable) {
        switch (p.type) {
        case WordType::Double: {
            double value = 0.0;
            std::memcpy(&value, &block[p.word], sizeof value);
            parameters.Set(p.parameter, value);
            break;
        }
        case WordType::Float: {
            float value = 0.0f;
            std::memcpy(&value, &block[p.word], sizeof value);
            parameters.Set(p.parameter, value);
            break;
        }
        case WordType::Integer:
            parameters.Set(p.parameter, static_cast<int32_t>(block[p.word]));
            break;
        }
    }
}

namespace {

void SetFloat(ChartDisplayParams& block, int word, float value) { std::memcpy(&block[word], &value, sizeof value); }

void SetInteger(ChartDisplayParams& block, int word, int32_t value) { block[word] = static_cast<uint32_t>(value); }

// The chart-layer list's items, numbered from 1.
enum ChartLayer {
    LayerSoundings = 1,
    LayerIsolatedDangers = 2,
    LayerNames = 3,
    LayerContourLabels = 4,
    LayerShallowPattern = 5,
    LayerPaperSymbols = 6,
    LayerSymbolizedBoundaries = 7,
    LayerDataQuality = 8,
};

}  // namespace

ChartDisplayParams DisplayParamsFromSettings(const SetupParametersRecord& settings, PresentationChoice choice)
{
    ChartDisplayParams block{};
    DefaultDisplayParams(block);
    const auto layer = [&](ChartLayer item) { return settings.ChartLayers[item - 1]; };
    const bool standard = choice == PresentationChoice::Standard;
    const int16_t resolution = settings.Resolution;
    const float factor = settings.DepthFactor;
    // The contours are kept in metres whatever unit the depths are shown in, as the area checks
    // take the safety contour: the chart shows the contour the alarms hold to.
    const float safety = settings.SafetyContour;

    SetInteger(block, 43, resolution < 2 ? 1 : 0);
    SetInteger(block, DisplayCategoryWord, choice == PresentationChoice::Base ? 0 : standard ? 1 : 2);
    SetInteger(block, 30, standard ? 0 : 1);
    SetInteger(block, 36, factor == 1.0f ? 0 : factor > 1.0f ? 1 : 2);
    SetFloat(block, 4, static_cast<float>(settings.ShallowContourDepth));
    SetFloat(block, 5, safety);
    SetFloat(block, 6, static_cast<float>(settings.DeepContourDepth));
    SetFloat(block, 7, safety);
    SetInteger(block, 29, layer(LayerSoundings) == 0 ? 1 : 0);
    SetInteger(block, 16, layer(LayerIsolatedDangers) ? 1 : 0);
    SetInteger(block, 17, layer(LayerNames));
    SetInteger(block, 26, layer(LayerContourLabels));
    SetInteger(block, 42, layer(LayerShallowPattern) && standard ? 1 : 0);
    SetInteger(block, 31, layer(LayerPaperSymbols) == 0 ? 1 : 0);
    SetInteger(block, 24, layer(LayerSymbolizedBoundaries) == 0 ? 1 : 0);
    SetInteger(block, 21, layer(LayerDataQuality) ? 1 : 0);
    SetInteger(block, 28, 1);
    return block;
}
