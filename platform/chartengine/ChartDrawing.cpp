#include "platform/chartengine/ChartDrawing.h"

#include "platform/chartengine/ChartCanvas.h"
#include "platform/chartengine/DrawCompanion.h"
#include "platform/chartengine/S52ColourTokens.h"
#include "platform/chartengine/S52Lookup.h"
#include "platform/chartengine/S52Procedures.h"
#include "platform/chartengine/S52Text.h"
#include "platform/chartengine/S57Codes.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

namespace chartengine {

namespace {

constexpr double kSectorRadiusMm = 20.0;
constexpr double kSectorLegMm = 25.0;
// How far beyond its position an object's drawing may reach: a light's sector legs.
constexpr double kSymbolReachMm = kSectorLegMm + 5.0;
constexpr double kSmallTextFactor = 0.8;
constexpr uint8_t kSoundingBodySize = 9;
constexpr uint8_t kSoundingFractionSize = 7;
constexpr uint8_t kContourLabelSize = 8;
// The world base (usage band 0) outlines the land at about 1:100 million; at larger scales than
// this it would put land across water the cells do not cover, so it is left out there.
constexpr int32_t kWorldBaseFinestScale = 1000000;
// Display priority 1 holds the area fills of depth and land; the companion's underlays go over
// them and under everything of a higher priority (contours, soundings, symbols).
constexpr uint8_t kAreaFillPriority = 1;

// The parsed instructions of every look-up row, in row order.
const std::vector<std::vector<S52Instruction>>& ParsedRows(const ChartDictionary& dictionary)
{
    static const std::vector<std::vector<S52Instruction>> rows = [&] {
        std::vector<std::vector<S52Instruction>> parsed;
        parsed.reserve(kS52LookupRows.size());
        for (const S52LookupRow& row : kS52LookupRows)
            parsed.push_back(ParseS52Instructions(row.instruction, dictionary));
        return parsed;
    }();
    return rows;
}

S52LookupTable TableOf(uint8_t kind, const PortrayalSettings& settings)
{
    switch (kind) {
    case kGeometryLine:
        return kTableLines;
    case kGeometryArea:
        return settings.plainBoundaries ? kTablePlain : kTableSymbolized;
    default:
        return settings.simplifiedSymbols ? kTableSimplified : kTablePaper;
    }
}

bool BeyondMinimumScale(const ChartObject& object, int32_t scale)
{
    AttributeValue value;
    if (object.Attribute(s57attribute::SCAMIN, &value) != kOk)
        return false;
    const std::optional<int32_t> minimum = value.integer();
    return minimum && *minimum > 0 && scale > *minimum;
}

// The depth areas of the draw, for the depth under a danger.
class DepthAreas {
public:
    void Add(const ChartObject& object)
    {
        AttributeValue drval1;
        if (object.Attribute(s57attribute::DRVAL1, &drval1) == kOk)
            if (const std::optional<double> depth = drval1.real())
                areas_.push_back({object, *depth});
    }

    std::optional<double> At(const cmgbase::GeoPoint& position) const
    {
        std::optional<double> least;
        for (const Area& area : areas_)
            if (cmgbase::cross__GeoPoint_GeoRect(position, area.object.Bounds()) &&
                (!least || area.depth < *least) && PointInRings(area.object.Geometry(), position))
                least = area.depth;
        return least;
    }

private:
    struct Area {
        ChartObject object;
        double depth;
    };
    std::vector<Area> areas_;
};

struct DrawItem {
    uint8_t priority;
    ChartObject object;
    ObjectPortrayal portrayal;
};

// Whether the object may show within the pixels: the pixel box of its bounds meets them. Bounds
// wider than a quarter of the earth are always taken.
bool MayShow(const ChartObject& object, const ViewMapping& mapping, const QRectF& pixels)
{
    const cmgbase::GeoRect b = object.Bounds();
    if (std::abs(int64_t(b.x2) - b.x1) >= (int64_t(1) << 30) || int64_t(b.y2) - b.y1 >= (int64_t(1) << 29))
        return true;
    double left = INFINITY, top = INFINITY, right = -INFINITY, bottom = -INFINITY;
    for (const cmgbase::GeoPoint corner : {cmgbase::GeoPoint{b.x1, b.y1}, cmgbase::GeoPoint{b.x2, b.y1},
                                           cmgbase::GeoPoint{b.x1, b.y2}, cmgbase::GeoPoint{b.x2, b.y2}}) {
        const QPointF p = mapping.Map(corner);
        left = std::min(left, p.x()), right = std::max(right, p.x());
        top = std::min(top, p.y()), bottom = std::max(bottom, p.y());
    }
    return left <= pixels.right() && right >= pixels.left() && top <= pixels.bottom() && bottom >= pixels.top();
}

constexpr uint8_t LightDescriptionGroup = 23;

// Whether a text of the S-52 display group is shown.
bool TextShown(uint8_t group, const PortrayalSettings& settings)
{
    if (group < 20)
        return true;
    if (group == 21 || group == 26 || group == 29)
        return settings.names;
    if (group == LightDescriptionGroup)
        return settings.otherTexts && settings.lightDescriptions;
    return settings.otherTexts;
}

// Draws the instructions of one object, working out its pixel geometry when first needed.
class ObjectPainter {
public:
    ObjectPainter(ChartCanvas& canvas, const DrawBlock& block, const PortrayalSettings& settings,
                  DrawingCaches& caches, const ChartObject& object)
        : canvas_(canvas), block_(block), settings_(settings), texts_(caches.texts), symbols_(caches.symbols),
          object_(object)
    {
    }

    void Draw(const S52Instruction& instruction)
    {
        const bool area = object_.Kind() == kGeometryArea;
        switch (instruction.kind) {
        case S52InstructionKind::AreaColour:
            if (area)
                canvas_.fill(AreaPath(), instruction.colour, instruction.transparency);
            break;
        case S52InstructionKind::AreaPattern:
            if (area)
                canvas_.pattern(AreaPath(), instruction.name);
            break;
        case S52InstructionKind::SimpleLine:
            if (object_.Kind() == kGeometryLine || area)
                canvas_.stroke(Lines(), instruction.lineStyle, instruction.width, instruction.colour, area);
            break;
        case S52InstructionKind::ComplexLine:
            if (object_.Kind() == kGeometryLine || area)
                canvas_.complexLine(Lines(), instruction.name, area);
            break;
        case S52InstructionKind::Symbol:
            for (const QPointF& at : Anchors())
                symbols_.Draw(canvas_, instruction.name, at, SymbolAngle(instruction), object_);
            break;
        case S52InstructionKind::Text:
            if (TextShown(instruction.text.group, settings_))
                for (const QPointF& at : Anchors())
                    Text(at, QString::fromLatin1(FormatS52Text(instruction, object_)), instruction.text,
                         instruction.colour);
            break;
        case S52InstructionKind::Sounding:
            for (const QPointF& at : Anchors())
                Sounding(at, instruction.value, instruction.colour);
            break;
        case S52InstructionKind::LightSector:
            for (const QPointF& at : Anchors())
                Sector(at, instruction);
            break;
        case S52InstructionKind::ContourLabel:
            ContourLabel(instruction);
            break;
        case S52InstructionKind::Conditional:
            break;
        }
    }

private:
    const QPainterPath& AreaPath()
    {
        if (!areaPath_)
            areaPath_ = canvas_.areaPath(object_.Geometry());
        return *areaPath_;
    }

    const std::vector<QPolygonF>& Lines()
    {
        if (!lines_) {
            lines_.emplace();
            const RingSet parts = object_.Geometry();
            for (size_t i = 0; i < parts.size(); ++i)
                lines_->push_back(canvas_.polyline(parts[i]));
        }
        return *lines_;
    }

    // Where symbols and texts go: each point of a point or point set, the middle of the longest
    // part of a line, a point inside the visible part of an area.
    const std::vector<QPointF>& Anchors()
    {
        if (anchors_)
            return *anchors_;
        anchors_.emplace();
        switch (object_.Kind()) {
        case kGeometryLine:
            if (const std::optional<QPointF> middle = LineMiddle())
                anchors_->push_back(*middle);
            break;
        case kGeometryArea:
            if (const std::optional<QPointF> inside = InsidePoint())
                anchors_->push_back(*inside);
            break;
        default: {
            const RingSet parts = object_.Geometry();
            for (size_t i = 0; i < parts.size(); ++i)
                for (const cmgbase::GeoPoint& point : parts[i])
                    anchors_->push_back(canvas_.mapping().Map(point));
            break;
        }
        }
        return *anchors_;
    }

    std::optional<QPointF> LineMiddle()
    {
        const QPolygonF* longest = nullptr;
        double longestLength = -1;
        for (const QPolygonF& part : Lines()) {
            double length = 0;
            for (int i = 1; i < part.size(); ++i)
                length += QLineF(part[i - 1], part[i]).length();
            if (length > longestLength) {
                longest = &part;
                longestLength = length;
            }
        }
        if (!longest || longest->isEmpty())
            return std::nullopt;
        double remaining = longestLength / 2;
        for (int i = 1; i < longest->size(); ++i) {
            const QLineF segment((*longest)[i - 1], (*longest)[i]);
            if (segment.length() >= remaining && segment.length() > 0)
                return segment.pointAt(remaining / segment.length());
            remaining -= segment.length();
        }
        return longest->front();
    }

    std::optional<QPointF> InsidePoint()
    {
        const QPainterPath& path = AreaPath();
        const QRectF visible = path.boundingRect().intersected(canvas_.window());
        if (visible.isEmpty())
            return std::nullopt;
        if (path.contains(visible.center()))
            return visible.center();
        constexpr int kSteps = 6;
        for (int row = 1; row < kSteps; ++row)
            for (int column = 1; column < kSteps; ++column) {
                const QPointF candidate(visible.left() + visible.width() * column / kSteps,
                                        visible.top() + visible.height() * row / kSteps);
                if (path.contains(candidate))
                    return candidate;
            }
        return std::nullopt;
    }

    double SymbolAngle(const S52Instruction& instruction) const
    {
        if (instruction.rotationAttribute == 0)
            return instruction.rotation;
        AttributeValue value;
        if (object_.Attribute(instruction.rotationAttribute, &value) != kOk)
            return 0.0;
        return canvas_.mapping().ScreenAngle(value.real().value_or(0.0));
    }

    double TextPixelsPerMm() const { return canvas_.pixelsPerMm() * (settings_.smallText ? kSmallTextFactor : 1.0); }

    void Text(QPointF at, const QString& text, const S52TextStyle& style, int colour, bool underline = false)
    {
        if (text.isEmpty())
            return;
        TextItem item{at, text, style, canvas_.colour(colour), TextPixelsPerMm(), underline};
        if (block_.companion)
            block_.companion->Defer(std::move(item));
        else
            texts_.Draw(canvas_.painter(), item);
    }

    void Sounding(QPointF at, double depth, int colour)
    {
        const SoundingFigures figures = SoundingText(depth, settings_.depthUnit);
        S52TextStyle style;
        style.vjust = 2;
        style.bodySize = kSoundingBodySize;
        TextItem item{at, QString::fromStdString(figures.whole), style, canvas_.colour(colour), TextPixelsPerMm(),
                      figures.drying};
        if (figures.fraction.empty()) {
            texts_.Draw(canvas_.painter(), item);
            return;
        }
        const double gap = canvas_.mm(0.3);
        item.style.hjust = 2;
        item.pivot = at + QPointF(gap, 0);
        texts_.Draw(canvas_.painter(), item);
        item.style.hjust = 3;
        item.style.bodySize = kSoundingFractionSize;
        item.pivot = at + QPointF(gap, canvas_.mm(0.9));
        item.text = QString::fromStdString(figures.fraction);
        item.underline = false;
        texts_.Draw(canvas_.painter(), item);
    }

    void Sector(QPointF at, const S52Instruction& sector)
    {
        QPainter& p = canvas_.painter();
        const ViewMapping& mapping = canvas_.mapping();
        // The sector limits are bearings towards the light; from the light they point the other way.
        const double from = mapping.ScreenAngle(sector.value + 180.0);
        const double to = mapping.ScreenAngle(sector.value2 + 180.0);
        const double span = std::fmod(to - from + 720.0, 360.0);
        const auto legEnd = [&](double screenAngle) {
            const double radians = screenAngle * std::numbers::pi / 180;
            return at + QPointF(std::sin(radians), -std::cos(radians)) * canvas_.mm(kSectorLegMm);
        };
        p.save();
        p.setRenderHint(QPainter::Antialiasing, true);
        QPen leg(canvas_.colour(kCHBLK), std::max(1.0, canvas_.mm(0.32)), Qt::DashLine);
        p.setPen(leg);
        p.drawLine(at, legEnd(from));
        p.drawLine(at, legEnd(to));
        const double r = canvas_.mm(kSectorRadiusMm);
        const QRectF circle(at.x() - r, at.y() - r, 2 * r, 2 * r);
        const int start = int(std::lround((90.0 - from) * 16)), length = -int(std::lround(span * 16));
        p.setPen(QPen(canvas_.colour(kCHBLK), canvas_.mm(4 * 0.32), Qt::SolidLine, Qt::FlatCap));
        p.drawArc(circle, start, length);
        p.setPen(QPen(canvas_.colour(sector.colour), canvas_.mm(2 * 0.32), Qt::SolidLine, Qt::FlatCap));
        p.drawArc(circle, start, length);
        p.restore();
    }

    void ContourLabel(const S52Instruction& label)
    {
        const std::optional<QPointF> middle = object_.Kind() == kGeometryLine ? LineMiddle() : std::nullopt;
        if (!middle)
            return;
        const SoundingFigures figures = SoundingText(label.value, settings_.depthUnit);
        S52TextStyle style;
        style.vjust = 2;
        style.bodySize = kContourLabelSize;
        const std::string text = figures.whole + (figures.fraction.empty() ? "" : "." + figures.fraction);
        Text(*middle, QString::fromStdString(text), style, label.colour);
    }

    ChartCanvas& canvas_;
    const DrawBlock& block_;
    const PortrayalSettings& settings_;
    TextPainter& texts_;
    SymbolPainter& symbols_;
    const ChartObject& object_;
    std::optional<QPainterPath> areaPath_;
    std::optional<std::vector<QPolygonF>> lines_;
    std::optional<std::vector<QPointF>> anchors_;
};

}  // namespace

ChartDrawing::ChartDrawing(const DrawBlock& block, const ParameterList& parameters,
                           const std::array<QColor, 63>& colours, double pixelsPerMm, DrawingCaches& caches)
    : block_(block), parameters_(parameters), colours_(colours), pixelsPerMm_(pixelsPerMm), caches_(caches)
{
}

HResult ChartDrawing::Draw(ObjectEnumerator& objects)
{
    if (!block_.painter || !block_.projection)
        return kInvalidArgument;
    const ChartDictionary* dictionary = ChartDictionary::Shared();
    if (!dictionary)
        return kFail;
    const std::vector<std::vector<S52Instruction>>& rows = ParsedRows(*dictionary);
    const PortrayalSettings settings = PortrayalSettings::From(parameters_);
    ProjectionBlock projection;
    block_.projection->GetBlock(&projection);

    // The objects to portray, their rows, and what the safety contour and the dangers need.
    std::vector<std::pair<ChartObject, int>> candidates;
    std::optional<double> safetyContour;
    DepthAreas depthAreas;
    ChartObject object;
    objects.Reset();
    while (objects.Next(&object) == kOk) {
        if (BeyondMinimumScale(object, projection.scale) ||
            (object.UsageBand() == 0 && projection.scale < kWorldBaseFinestScale))
            continue;
        if (object.ClassCode() == s57class::M_QUAL && !settings.dataQuality)
            continue;
        const int row = FindS52LookupRow(object, TableOf(object.Kind(), settings));
        if (row < 0)
            continue;
        if (const std::optional<double> contour = ContourDepthOf(object);
            contour && *contour >= settings.safetyContour && (!safetyContour || *contour < *safetyContour))
            safetyContour = contour;
        if (object.ClassCode() == s57class::DEPARE && object.Kind() == kGeometryArea)
            depthAreas.Add(object);
        candidates.emplace_back(object, row);
    }

    const ProcedureContext context{settings, safetyContour,
                                   [&](const cmgbase::GeoPoint& p) { return depthAreas.At(p); }};
    std::vector<DrawItem> items;
    items.reserve(candidates.size());
    for (const auto& [candidate, row] : candidates) {
        ObjectPortrayal portrayal;
        portrayal.category = kS52LookupRows[row].category;
        portrayal.priority = kS52LookupRows[row].priority;
        for (const S52Instruction& instruction : rows[row]) {
            if (instruction.kind == S52InstructionKind::Conditional)
                RunS52Procedure(instruction.name, candidate, context, portrayal);
            else
                portrayal.instructions.push_back(instruction);
        }
        if (portrayal.category > settings.widestCategory || portrayal.instructions.empty())
            continue;
        items.push_back({portrayal.priority, candidate, std::move(portrayal)});
    }
    std::stable_sort(items.begin(), items.end(),
                     [](const DrawItem& a, const DrawItem& b) { return a.priority < b.priority; });

    QPainter& painter = *block_.painter;
    const QTransform deviceToPixel = painter.combinedTransform();
    const QRectF window = deviceToPixel.mapRect(QRectF(QPointF(block_.window.left, block_.window.top),
                                                       QPointF(block_.window.right, block_.window.bottom)))
                              .normalized();
    painter.save();
    painter.resetTransform();
    // Areas tile without seams and lines stay fast when drawn unsmoothed; symbols and texts come
    // smoothed from their images.
    painter.setRenderHint(QPainter::Antialiasing, false);
    ChartCanvas canvas(painter, ViewMapping(*block_.projection, deviceToPixel), colours_, pixelsPerMm_, window);
    const double reach = canvas.mm(kSymbolReachMm);
    const QRectF visible = window.adjusted(-reach, -reach, reach, reach);
    bool underlaid = false;
    const auto underlay = [&] {
        if (underlaid || !block_.companion)
            return;
        underlaid = true;
        painter.save();
        painter.setTransform(deviceToPixel);
        block_.companion->DrawUnderlays(painter, block_);
        painter.restore();
    };
    for (const DrawItem& item : items) {
        if (item.priority > kAreaFillPriority)
            underlay();
        if (!MayShow(item.object, canvas.mapping(), visible))
            continue;
        ObjectPainter objectPainter(canvas, block_, settings, caches_, item.object);
        for (const S52Instruction& instruction : item.portrayal.instructions)
            objectPainter.Draw(instruction);
    }
    underlay();
    painter.restore();
    return kOk;
}

}  // namespace chartengine
