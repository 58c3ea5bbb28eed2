#include "app/ObjectLabelDrawing.h"

#include "app/EditingState.h"
#include "app/TForm1.h"
#include "chart/OverlayColours.h"
#include "chart/OverlayFont.h"
#include "chart/OverlayPrimitives.h"
#include "frame/SetupParameters.h"
#include "platform/system/TextCodec.h"
#include "userdata/ObjectLabel.h"

#include <QPainter>

namespace {

constexpr int32_t PlainTextLeft = 13;
constexpr int32_t SelectedWaypointColour = 1;
constexpr size_t SoundingsLayer = 0;  // chart-layer list item 1

}  // namespace

void DrawObjectLabel(TForm1& form, QPainter& canvas, const IdRecord& object, int32_t x, int32_t y, int32_t number)
{
    const ObjectLabelOptions options{SetupParameters.ChartLayers[SoundingsLayer] != 0,
                                     SymbolPlaceMode || SymbolMoveMode};
    const ObjectLabel label = ObjectLabelText(object, number, options);
    if (label.text.empty())
        return;
    if (!label.plain) {
        const QColor box = label.selected ? UserColour(SelectedWaypointColour) : form.palette().color(QPalette::Base);
        DrawLabelBox(form, canvas, x, label.text, box, y);
        return;
    }
    const QPen pen = canvas.pen();
    canvas.setFont(ChartOverlayFont(SetupParameters.Resolution));
    canvas.setPen(UserColour(object.colour));
    canvas.drawText(x - PlainTextLeft, y + canvas.fontMetrics().ascent(), platform::FromCp1252(label.text));
    canvas.setPen(pen);
}
