#include "chart/ChartLayerClasses.h"

#include <QListWidget>

#include <initializer_list>

namespace {

struct LayerClasses {
    int item;
    std::initializer_list<int32_t> classes;
};
const LayerClasses HiddenByLayer[] = {{8, {20, 21, 22, 92, 93, 94}}, {9, {121}}, {10, {64, 128}}};

bool LayerOff(const QListWidget* list, int item)
{
    return list && item < list->count() && list->item(item)->checkState() == Qt::Unchecked;
}

}  // namespace

void HideLayerClasses(ObjectClassTable& table, const QListWidget* layers)
{
    for (const LayerClasses& layer : HiddenByLayer)
        if (LayerOff(layers, layer.item))
            for (const int32_t code : layer.classes)
                if (const int slot = ObjectClassSlot(code); slot >= 0)
                    table[size_t(slot)] = 0;
}

bool LayerHidesClasses(int item)
{
    for (const LayerClasses& layer : HiddenByLayer)
        if (layer.item == item)
            return true;
    return false;
}
