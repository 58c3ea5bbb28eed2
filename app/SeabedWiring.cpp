#include "app/SeabedWiring.h"

#include "app/BackCanvas.h"
#include "app/ChartCursor.h"
#include "app/TForm1.h"
#include "app/TickState.h"
#include "chart/OverlayPrimitives.h"
#include "sensors/OwnShipState.h"
#include "sensors/SensorHooks.h"
#include "userdata/SeabedHooks.h"
#include "userdata/SeabedTiles.h"

#include <QComboBox>
#include <QListWidget>

namespace {

// The data tab's copy list item "3D Depths".
constexpr int DepthsItem = 4;

}  // namespace

void WireSeabedHooks()
{
    // The tile just left goes into the file before the one entered is read: a ship that crosses
    // back and forth between two tiles faster than the ticks store them loses no cell.
    SensorHook.loadSeabedTile = [](SeabedTile& tile) {
        FlushSeabedTile(SeabedFlushTile, false, true, 0, 0);
        LoadSeabedTile(tile, tile.keyX, tile.keyY);
    };

    SeabedHooks& h = SeabedHook;
    h.tileResolution = [] { return OwnShip.depthTileResolution; };
    h.screenPoint = [](const cmgbase::GeoPoint& position) -> std::optional<ScreenPoint> {
        return Form1 ? MainViewPixel(*Form1, position) : std::nullopt;
    };
    h.chartLevel = [] { return Form1 ? Form1->chartLevel : 0; };
    h.depthUnitSetting = [] { return Form1 ? Form1->cmbDepthUnit->currentIndex() : 0; };
    h.threeDRangeMarking = [] { return TickRequest.threeDViewerActive; };
    h.drawDepthLabels = [](std::span<const SeabedDepthLabel> labels) {
        if (!Form1 || Form1->ChartBackBitmap.isNull())
            return;
        BackCanvas canvas(*Form1);
        for (const SeabedDepthLabel& label : labels)
            DrawOverlayText(*Form1, canvas, label.text, label.colour, label.x, label.y);
    };
    h.chartArea = []() -> QWidget* { return Form1 ? Form1->CM93 : nullptr; };
    h.clickPixel = []() -> std::optional<ScreenPoint> { return CursorPixel; };
    h.depthsChosen = [] {
        const QListWidgetItem* item = Form1 ? Form1->cklDataCopy->item(DepthsItem) : nullptr;
        return item && item->checkState() == Qt::Checked;
    };
}
