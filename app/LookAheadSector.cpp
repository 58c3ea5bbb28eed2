#include "app/LookAheadSector.h"

#include "app/OverlayArea.h"
#include "app/TForm1.h"
#include "app/TickState.h"
#include "chart/MapView.h"
#include "chart/OverlayColours.h"
#include "frame/SetupParameters.h"
#include "sensors/OwnShipState.h"

#include <QPainter>
#include <QSpinBox>
#include <QToolButton>

#include <vector>

namespace {

constexpr int32_t SectorColour = 1;
constexpr int32_t HighestCheckLevel = 11;  // the mini chart level the check still runs at

}  // namespace

bool LookAheadSectorShown(const TForm1& form)
{
    return (SetupParameters.AlarmSafety != 0 || SetupParameters.AlarmWarning != 0) &&
           form.btnMiniAuto->isChecked() && form.miniChartLevel <= HighestCheckLevel &&
           OwnShip.speedOverGround > float(form.udMiniSpeed->value());
}

void DrawLookAheadSector(QPainter& canvas, const MapView& view, const WindowRect& window,
                         const ScreenPoint& ownShip, bool painted)
{
    const auto& sector = TickRequest.lookAheadSector;
    std::vector<QPoint> points{QPoint(ownShip.x, ownShip.y)};
    for (size_t i = 1; i + 1 < sector.size(); ++i) {
        ScreenPoint pixel{};
        if (!view.GeoToScreen(window, sector[i], pixel))
            continue;
        points.emplace_back(pixel.x, pixel.y);
        if (painted)
            AddPaintedLine(ownShip, pixel, 1);
    }
    points.emplace_back(ownShip.x, ownShip.y);
    canvas.setPen(OverlayPen(UserColour(SectorColour), 1, Qt::DotLine));
    canvas.drawPolyline(points.data(), int(points.size()));
}
