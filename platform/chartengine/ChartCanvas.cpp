#include "platform/chartengine/ChartCanvas.h"

#include "platform/chartengine/S52ColourTokens.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace chartengine {

namespace {

// S-52 line widths are in units of 0.32 mm.
constexpr double kLineUnitMm = 0.32;
// Lines and area outlines keep points that lie at least this far (pixels, along both axes
// together) from the point before; points beyond the window are judged with this margin.
constexpr double kMinimumStep = 0.75;
constexpr double kOutsideMargin = 32.0;

struct PatternStyle {
    std::string_view prefix;
    Qt::BrushStyle brush;
    int colour;
};

// The area patterns as hatches, by name; the first matching prefix wins.
constexpr PatternStyle kPatterns[] = {
    {"DIAMOND", Qt::DiagCrossPattern, kCHGRD}, {"DRGARE", Qt::Dense6Pattern, kCHGRF},
    {"FOULAR", Qt::CrossPattern, kCHGRD},      {"PRTSUR", Qt::BDiagPattern, kCHGRD},
    {"NODATA", Qt::FDiagPattern, kCHGRF},      {"MARSHES", Qt::HorPattern, kCHGRD},
    {"AIRARE", Qt::Dense6Pattern, kLANDF},     {"MARCUL", Qt::DiagCrossPattern, kCHGRD},
    {"FSH", Qt::CrossPattern, kCHGRD},         {"RCKLDG", Qt::Dense5Pattern, kCHBLK},
    {"DQUAL", Qt::FDiagPattern, kCHGRD},       {"QUESMRK", Qt::Dense6Pattern, kCHMGD},
    {"VEGATN", Qt::Dense6Pattern, kLANDF},     {"SNDWAV", Qt::HorPattern, kCHGRD},
    {"TSSJCT", Qt::DiagCrossPattern, kTRFCD},  {"ICEARE", Qt::Dense6Pattern, kCHGRD},
};

struct LineStyle {
    std::string_view prefix;
    S52LineStyle style;
    int width;
    int colour;
};

// The complex lines as styled lines, by name; the first matching prefix wins.
constexpr LineStyle kComplexLines[] = {
    {"NAVARE", S52LineStyle::Dashed, 1, kCHGRD},  {"CTNARE", S52LineStyle::Dashed, 2, kTRFCD},
    {"CBLSUB", S52LineStyle::Dashed, 2, kCHMGD},  {"CBLARE", S52LineStyle::Dashed, 2, kCHMGD},
    {"PIPSOL06", S52LineStyle::Dashed, 2, kCHGRD}, {"PIPSOL", S52LineStyle::Dashed, 2, kCHMGD},
    {"PIPARE61", S52LineStyle::Dashed, 2, kCHGRD}, {"PIPARE", S52LineStyle::Dashed, 2, kCHMGD},
    {"RECTRC", S52LineStyle::Solid, 1, kCHBLK},   {"RECDEF", S52LineStyle::Dashed, 1, kCHGRD},
    {"LOWACC", S52LineStyle::Dashed, 1, kCSTLN},  {"FSHFAC", S52LineStyle::Dashed, 1, kCHGRD},
    {"MARSYS", S52LineStyle::Dashed, 1, kCHGRD},  {"DWRTCL", S52LineStyle::Dashed, 2, kTRFCD},
};
constexpr LineStyle kRestrictionLine{"", S52LineStyle::Dashed, 2, kCHMGD};

}  // namespace

ChartCanvas::ChartCanvas(QPainter& painter, const ViewMapping& mapping, const std::array<QColor, 63>& colours,
                         double pixelsPerMm, const QRectF& window)
    : painter_(painter), mapping_(mapping), colours_(colours), pixelsPerMm_(pixelsPerMm), window_(window)
{
    // FNV-1a over the colours.
    colourKey_ = 14695981039346656037ull;
    for (const QColor& c : colours_) {
        colourKey_ ^= c.rgba();
        colourKey_ *= 1099511628211ull;
    }
}

QColor ChartCanvas::colour(int token, int transparency) const
{
    QColor c = colours_[std::clamp(token, 0, 62)];
    if (transparency > 0)
        c.setAlpha(255 - 64 * std::clamp(transparency, 0, 3));
    return c;
}

QPolygonF ChartCanvas::polyline(Ring ring) const
{
    // A point is left out when it lies within a fraction of a pixel of the one before, and when
    // it and its neighbours lie on the same outer side of the window (widened by a margin): the
    // shortcut between the neighbours stays on that side, so nothing visible changes.
    const QRectF limits = window_.adjusted(-kOutsideMargin, -kOutsideMargin, kOutsideMargin, kOutsideMargin);
    const auto sideOf = [&](const QPointF& p) {
        return (p.x() < limits.left() ? 1 : 0) | (p.x() > limits.right() ? 2 : 0) | (p.y() < limits.top() ? 4 : 0) |
               (p.y() > limits.bottom() ? 8 : 0);
    };
    QPolygonF points;
    points.reserve(static_cast<int>(ring.size()));
    std::vector<int> sides;
    sides.reserve(ring.size());
    for (size_t i = 0; i < ring.size(); ++i) {
        const QPointF p = mapping_.Map(ring[i]);
        const int side = sideOf(p);
        const bool last = i + 1 == ring.size();
        if (!points.isEmpty() && !last) {
            const QPointF step = p - points.back();
            if (std::abs(step.x()) + std::abs(step.y()) < kMinimumStep)
                continue;
        }
        if (points.size() >= 2 && (sides[sides.size() - 2] & sides.back() & side) != 0) {
            points.back() = p;
            sides.back() = side;
            continue;
        }
        points.append(p);
        sides.push_back(side);
    }
    return points;
}

QPainterPath ChartCanvas::areaPath(const RingSet& rings) const
{
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    for (size_t i = 0; i < rings.size(); ++i)
        path.addPolygon(polyline(rings[i]));
    return path;
}

void ChartCanvas::fill(const QPainterPath& area, int colour, int transparency)
{
    painter_.fillPath(area, this->colour(colour, transparency));
}

void ChartCanvas::pattern(const QPainterPath& area, std::string_view name)
{
    const auto found = std::find_if(std::begin(kPatterns), std::end(kPatterns),
                                    [&](const PatternStyle& p) { return name.starts_with(p.prefix); });
    const PatternStyle style = found != std::end(kPatterns) ? *found : PatternStyle{"", Qt::BDiagPattern, kCHGRD};
    painter_.fillPath(area, QBrush(colour(style.colour), style.brush));
}

void ChartCanvas::stroke(const std::vector<QPolygonF>& lines, S52LineStyle style, int width, int colour,
                         bool closed)
{
    // The painter draws in pixels, so a cosmetic pen has the same width; the raster engine draws
    // cosmetic pens without building their outlines first.
    const double pixels = std::max(1.0, std::round(width * kLineUnitMm * pixelsPerMm_));
    QPen pen(this->colour(colour), pixels, Qt::SolidLine, Qt::FlatCap, Qt::BevelJoin);
    pen.setCosmetic(true);
    // Dashes of 3.6 mm with gaps of 1.8 mm, dots of 0.6 mm every 1.8 mm, in units of the width.
    if (style == S52LineStyle::Dashed)
        pen.setDashPattern({mm(3.6) / pixels, mm(1.8) / pixels});
    else if (style == S52LineStyle::Dotted)
        pen.setDashPattern({mm(0.6) / pixels, mm(1.2) / pixels});
    painter_.setPen(pen);
    painter_.setBrush(Qt::NoBrush);
    for (const QPolygonF& line : lines) {
        if (closed)
            painter_.drawPolygon(line);
        else
            painter_.drawPolyline(line);
    }
}

void ChartCanvas::complexLine(const std::vector<QPolygonF>& lines, std::string_view name, bool closed)
{
    const auto found = std::find_if(std::begin(kComplexLines), std::end(kComplexLines),
                                    [&](const LineStyle& l) { return name.starts_with(l.prefix); });
    const LineStyle& style = found != std::end(kComplexLines) ? *found : kRestrictionLine;
    stroke(lines, style.style, style.width, style.colour, closed);
}

}  // namespace chartengine
