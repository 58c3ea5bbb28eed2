#include "app/MiniChartMarkers.h"

#include "app/LookAheadSector.h"
#include "app/OwnShipSymbol.h"
#include "app/TForm1.h"
#include "chart/MapView.h"
#include "chart/OverlayColours.h"
#include "chart/OverlayPrimitives.h"
#include "frame/SharedTables.h"
#include "sensors/OwnShipState.h"

#include <QPainter>
#include <QWidget>

namespace {

constexpr int MinimumHeight = 11;  // a lower mini chart is hidden
constexpr int32_t VectorColour = 3;
constexpr int32_t ShipColour = 1;
constexpr int32_t OuterRadius = 8;
constexpr int32_t InnerRadius = 6;

}  // namespace

void PaintMiniChartMarkers(TForm1& form)
{
    if (form.CM93mini->height() >= MinimumHeight)
        form.CM93mini->update();
}

void DrawMiniChartMarkers(TForm1& form, QPainter& canvas)
{
    if (!StartupDone || !MiniMapView || !OwnShip.positionKnown || form.CM93mini->height() < MinimumHeight)
        return;
    ScreenPoint ship{};
    ScreenPoint vectorEnd{};
    if (!MiniMapView->GeoToScreen(form.miniRect, OwnShip.referencePosition, ship) ||
        !MiniMapView->GeoToScreen(form.miniRect, CourseVectorEnd(), vectorEnd))
        return;
    DrawLineSegment(form, canvas, UserColourTable[VectorColour], ship.x, ship.y, vectorEnd.x, vectorEnd.y, 2);
    // A ring: a thin circle and, in a wider stroke, a smaller one inside it.
    canvas.setBrush(Qt::NoBrush);
    canvas.setPen(OverlayPen(UserColour(ShipColour), 1));
    canvas.drawEllipse(QPoint(ship.x, ship.y), OuterRadius, OuterRadius);
    canvas.setPen(OverlayPen(UserColour(ShipColour), 2));
    canvas.drawEllipse(QPoint(ship.x, ship.y), InnerRadius, InnerRadius);
    if (LookAheadSectorShown(form))
        DrawLookAheadSector(canvas, *MiniMapView, form.miniRect, ship, false);
}
