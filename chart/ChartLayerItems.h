#pragma once
// The items of the chart-layer list (from 0) that switch the graduation and the light layers,
// and the chart levels the lights are shown at.

#include "chart/ChartWindow.h"

#include <QListWidget>

inline constexpr int BorderGraduationItem = 11;
inline constexpr int LightCharacteristicsItem = 12;
inline constexpr int LightNamesItem = 13;
inline constexpr int FlashingLightsItem = 14;
inline constexpr int LightSectorsItem = 15;

// Lights are evaluated and drawn below this chart level.
inline constexpr int32_t LightLevelLimit = 13;

inline bool ChartLayerTicked(const ChartWindow& window, int item)
{
    const QListWidget* list = window.controls.cklChart;
    const QListWidgetItem* entry = list ? list->item(item) : nullptr;
    return entry && entry->checkState() == Qt::Checked;
}

// Any of the four light layers is ticked.
inline bool LightLayersTicked(const ChartWindow& window)
{
    for (int item = LightCharacteristicsItem; item <= LightSectorsItem; ++item)
        if (ChartLayerTicked(window, item))
            return true;
    return false;
}
