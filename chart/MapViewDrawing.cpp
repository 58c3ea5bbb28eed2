// The map view's chart draw, the highlight of the selected object and the move to an object.

#include "chart/MapManager.h"
#include "chart/MapQueryFilters.h"
#include "chart/MapView.h"

#include <QPainter>
#include <QPainterPath>

#include <climits>
#include <cmath>

using namespace chartengine;

namespace {

// The highlight: a pen 4 pixels wide and a diagonal-cross hatch in palette entry 5.
constexpr int kHighlightPaletteIndex = 5;
constexpr int kHighlightPenWidth = 4;
constexpr int kHighlightRadius = 15;
constexpr int kMarkerIconHalf = 16;

// The scale a usage band shows its cells at.
constexpr int32_t kBandScales[] = {10000000, 3000000, 1000000, 300000, 100000, 30000, 10000, 3000};

// The middle of a rectangle, in 64 bits so that no width overflows: across the antimeridian the
// rectangle runs east from x1 through 180 degrees to x2.
cmgbase::GeoPoint MiddleOf(const cmgbase::GeoRect& rect)
{
    int64_t width = int64_t(rect.x2) - rect.x1;
    if (width < 0)
        width += int64_t(1) << 32;
    const int64_t x = int64_t(rect.x1) + width / 2;
    const int64_t wrapped = x > INT32_MAX ? x - (int64_t(1) << 32) : x;
    return {static_cast<int32_t>(wrapped), static_cast<int32_t>((int64_t(rect.y1) + rect.y2) / 2)};
}

std::vector<QPolygonF> DevicePolygons(const cmgbase::TMapMetrics& metrics, const MapViewport& viewport)
{
    std::vector<QPolygonF> polygons;
    for (const std::vector<cmgbase::MetricPoint>& part : metrics.parts) {
        std::vector<DevicePoint> device(part.size());
        if (Failed(viewport.MetricToDevice(part.data(), static_cast<int32_t>(part.size()), device.data())))
            continue;
        QPolygonF polygon;
        for (const DevicePoint& p : device)
            polygon.append(QPointF(p.x, p.y));
        polygons.push_back(std::move(polygon));
    }
    return polygons;
}

}  // namespace

void MapView::DrawChart(QPainter& painter, const DeviceRect& window)
{
    if (state != 1 || !manager_ || manager_->state != 1 || !manager_->currentGeoDatabase)
        return;
    // A failed presentation update leaves the view without a symbolization.
    if (!symbolization || !colours || !projection || !viewport)
        return;
    windowRect = window;
    const int64_t width = std::abs(int64_t(window.right) - window.left);
    const int64_t height = std::abs(int64_t(window.bottom) - window.top);
    const int32_t half = static_cast<int32_t>(std::min<int64_t>(
        static_cast<int64_t>(std::hypot(double(width), double(height))) / 2, INT32_MAX));

    drawBlock = DrawBlock{};
    drawBlock.painter = &painter;
    drawBlock.window = window;
    drawBlock.companion = drawCompanion.get();
    drawBlock.projection = projection.get();
    drawBlock.viewport = viewport.get();
    if (viewPalette)
        for (int i = 0; i < viewPalette->size(); ++i)
            drawBlock.palette.push_back(viewPalette->rgb(i));

    std::unique_ptr<GeoDatabaseQuery> query;
    if (manager_->currentGeoDatabase->NewQuery(&query) == kOk) {
        cmgbase::GeoRect area{-INT32_MAX, -(1 << 30), INT32_MAX, 1 << 30};
        MetricRect metric;
        if (viewport->DeviceRectToMetric({-half, -half, half, half}, &metric) == kOk)
            projection->MetricRectToGeoRect(metric, &area);
        visibleArea = area;
        cmgbase::GeoCover cover;
        cmgbase::GeoCover__asn_GeoRect(cover, area);
        std::shared_ptr<GeoDatabaseQueryFilter> filter;
        if (displayCategory == 3)
            filter = std::make_shared<MapFilter>(objectClassTable);
        else
            filter = std::make_shared<MapCGDQFilter>(presentation.get());
        query->SetFilter(std::move(filter));
        query->SetPriorityList(manager_->priorityListHandle);
        if (query->SetCover(cover, scale, scale, -1) == kOk && query->Run() == kOk) {
            symbolization->Draw(*query, drawBlock, parameters);
            query->Close();
        }
        query.reset();
        cmgbase::GeoCover__clear(cover);
    }
    if (drawCompanion) {
        drawCompanion->Draw(drawBlock, parameters);
        drawCompanion->Close();
        drawn = 1;
    }
}

void MapView::SetClipRegion(QPainter& painter, const ChartObject& object) const
{
    if (!projection || !viewport || object.Kind() != kGeometryArea)
        return;
    cmgbase::TMapMetrics metrics;
    if (Failed(object.MetricGeometry(*projection, &metrics)))
        return;
    QPainterPath areas;
    areas.setFillRule(Qt::OddEvenFill);
    for (const QPolygonF& ring : DevicePolygons(metrics, *viewport))
        areas.addPolygon(ring);
    if (!areas.isEmpty())
        painter.setClipPath(areas, painter.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
}

void MapView::DrawOverlayShapes(QPainter& painter, const DeviceRect&)
{
    if (state != 1 || drawn != 1 || selectedObject.data1 == 0 || !manager_ || !manager_->currentGeoDatabase ||
        !projection || !viewport)
        return;
    ChartObject object;
    if (manager_->currentGeoDatabase->ObjectByIdentifier(selectedObject, &object) != kOk)
        return;
    painter.save();
    SetClipRegion(painter, object);
    cmgbase::TMapMetrics metrics;
    if (Failed(object.MetricGeometry(*projection, &metrics))) {
        painter.restore();
        return;
    }
    const QColor colour = viewPalette && viewPalette->size() > kHighlightPaletteIndex
                              ? QColor::fromRgb(viewPalette->rgb(kHighlightPaletteIndex))
                              : QColor(Qt::red);
    const bool outlined = metrics.kind == cmgbase::kMetricsPoint || metrics.kind == cmgbase::kMetricsLine ||
                          metrics.kind == cmgbase::kMetricsPointSet;
    painter.setPen(outlined ? QPen(colour, kHighlightPenWidth, Qt::SolidLine) : QPen(Qt::NoPen));
    painter.setBrush(outlined ? QBrush(Qt::NoBrush) : QBrush(colour, Qt::DiagCrossPattern));
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    const std::vector<QPolygonF> parts = DevicePolygons(metrics, *viewport);
    switch (metrics.kind) {
    case cmgbase::kMetricsPoint:
    case cmgbase::kMetricsPointSet:
        for (const QPolygonF& part : parts)
            for (const QPointF& p : part)
                painter.drawEllipse(p, kHighlightRadius, kHighlightRadius);
        break;
    case cmgbase::kMetricsLine:
        for (const QPolygonF& part : parts)
            painter.drawPolyline(part);
        break;
    default: {
        QPainterPath area;
        area.setFillRule(Qt::OddEvenFill);
        for (const QPolygonF& part : parts)
            area.addPolygon(part);
        painter.drawPath(area);
        break;
    }
    }
    painter.setClipping(false);
    if (!manager_->markerIcon.isNull() && metrics.kind == cmgbase::kMetricsPoint && !parts.empty() &&
        !parts.front().isEmpty()) {
        const QPointF pixel = painter.transform().map(parts.front().front());
        painter.resetTransform();
        painter.drawImage(pixel - QPointF(kMarkerIconHalf, kMarkerIconHalf), manager_->markerIcon);
    }
    painter.restore();
}

int MapView::ShowObject(const std::string& identifierText, int32_t moveTo)
{
    if (!manager_ || !manager_->currentGeoDatabase)
        return 0;
    if (identifierText.empty()) {
        selectedObject = Guid{};
        return 1;
    }
    const std::optional<Guid> identifier = GuidFromText(identifierText);
    if (!identifier)
        return 0;
    selectedObject = *identifier;
    ChartObject object;
    if (manager_->currentGeoDatabase->ObjectByIdentifier(selectedObject, &object) != kOk) {
        selectedObject = Guid{};
        return 0;
    }
    if (moveTo == 0)
        return 1;
    const ObjectDescription description = object.Description();
    SetCentre(description.kind == kGeometryPoint ? description.point : MiddleOf(description.bounds));
    if (description.kind != kGeometryPoint && description.kind != kGeometryLine && description.kind != kGeometryArea)
        return 1;
    std::vector<int32_t> cell;
    if (manager_->currentGeoDatabase->CellDescription(static_cast<int32_t>(object.CellId()), &cell) != kOk ||
        cell.size() <= kCellWordUsageBand)
        return 1;
    const int32_t band = cell[kCellWordUsageBand];
    if (band >= 0 && band < int32_t(std::size(kBandScales)))
        SetScale(kBandScales[band]);
    return 1;
}
