#pragma once
// The surface the S-52 drawing paints on: the painter (in pixels), the mapping of positions to
// pixels, the 63 colours of the view's palette, and the size of a millimetre of symbology in
// pixels (from the symbolization's resolution). It draws the look-up tables' area colours,
// patterns and lines; symbols and texts build on it.

#include "platform/chartengine/GeometryTests.h"
#include "platform/chartengine/S52Instruction.h"
#include "platform/chartengine/ViewMapping.h"

#include <QColor>
#include <QPainterPath>
#include <QPolygonF>
#include <QRectF>

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

class QPainter;

namespace chartengine {

class ChartCanvas {
public:
    ChartCanvas(QPainter& painter, const ViewMapping& mapping, const std::array<QColor, 63>& colours,
                double pixelsPerMm, const QRectF& window);

    QPainter& painter() const { return painter_; }
    const ViewMapping& mapping() const { return mapping_; }
    const QRectF& window() const { return window_; }
    double mm(double millimetres) const { return millimetres * pixelsPerMm_; }
    double pixelsPerMm() const { return pixelsPerMm_; }
    const std::array<QColor, 63>& colours() const { return colours_; }
    // Differs between two sets of colours (a hash of them).
    uint64_t colourKey() const { return colourKey_; }
    // The colour of a token, 0 opaque to 3 (a quarter left) transparency.
    QColor colour(int token, int transparency = 0) const;

    QPolygonF polyline(Ring ring) const;
    QPainterPath areaPath(const RingSet& rings) const;

    void fill(const QPainterPath& area, int colour, int transparency);
    void pattern(const QPainterPath& area, std::string_view name);
    // Lines (or area boundaries, closed) in a style, width in units of 0.32 mm.
    void stroke(const std::vector<QPolygonF>& lines, S52LineStyle style, int width, int colour, bool closed);
    // A complex line of the tables, drawn as the styled line nearest to it.
    void complexLine(const std::vector<QPolygonF>& lines, std::string_view name, bool closed);

private:
    QPainter& painter_;
    ViewMapping mapping_;
    std::array<QColor, 63> colours_;
    double pixelsPerMm_;
    QRectF window_;
    uint64_t colourKey_ = 0;
};

}  // namespace chartengine
