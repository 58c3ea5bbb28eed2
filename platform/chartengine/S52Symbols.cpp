#include "platform/chartengine/S52Symbols.h"

#include "platform/chartengine/S52ColourTokens.h"
#include "platform/chartengine/S57Codes.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace chartengine {

namespace {

enum class Figure {
    Position,      // general position mark: a small ring with a dot
    Buoy,          // shape from the name or the object
    Beacon,
    Flare,
    IsolatedDanger,
    DottedDanger,  // a danger of known depth: dotted ring (the depth is drawn beside it)
    RockCovered,
    RockAwash,
    Obstruction,
    WreckHull,
    WreckDangerous,
    WreckSafe,
    FoulGround,
    SmallIsland,
    Landmark,
    Tower,
    Information,
    Caution,
    Anchor,
    Restriction,
    CableArea,
    Arrow,
    Pile,
    Dolphin,
    RadioStation,
    FogSignal,
    Daymark,
    Topmark,
    Question,
    Platform,
    Kelp,
    FishFarm,
};

struct NamedFigure {
    std::string_view prefix;
    Figure figure;
};

// The first matching prefix wins: longer names before the families they start.
constexpr NamedFigure kFigures[] = {
    {"BOY", Figure::Buoy},           {"BCN", Figure::Beacon},          {"PRICKE", Figure::Beacon},
    {"CAIRNS", Figure::Landmark},    {"LIGHTS", Figure::Flare},        {"LITDEF", Figure::Flare},
    {"LITFLT", Figure::Buoy},        {"LITVES", Figure::Buoy},         {"ISODGR", Figure::IsolatedDanger},
    {"DANGER", Figure::DottedDanger}, {"UWTROC03", Figure::RockCovered}, {"UWTROC04", Figure::RockAwash},
    {"OBSTRN", Figure::Obstruction}, {"WRECKS01", Figure::WreckHull},  {"WRECKS04", Figure::WreckDangerous},
    {"WRECKS05", Figure::WreckSafe}, {"FOULGND", Figure::FoulGround},  {"FLTHAZ", Figure::Caution},
    {"LNDARE", Figure::SmallIsland}, {"TOWERS", Figure::Tower},        {"CHIMNY", Figure::Tower},
    {"FLASTK", Figure::Tower},       {"MSTCON", Figure::Tower},        {"WNDMIL", Figure::Tower},
    {"WIMCON", Figure::Tower},       {"DSHAER", Figure::Tower},        {"RASCAN", Figure::Tower},
    {"FLGSTF", Figure::Tower},       {"SILBUI", Figure::Landmark},     {"TNKCON", Figure::Landmark},
    {"DOMES", Figure::Landmark},     {"MONUMT", Figure::Landmark},     {"BUIREL", Figure::Landmark},
    {"BUISGL", Figure::Landmark},    {"HILTOP", Figure::Landmark},     {"CGUSTA", Figure::Landmark},
    {"CHINFO", Figure::Information}, {"INFARE", Figure::Information},  {"NOTBRD", Figure::Information},
    {"CTNARE", Figure::Caution},     {"ACHARE", Figure::Anchor},       {"ACHBRT", Figure::Anchor},
    {"ACHRES", Figure::Restriction}, {"ENTRES", Figure::Restriction},  {"FSHRES", Figure::Restriction},
    {"RSRDEF", Figure::Restriction}, {"CTYARE", Figure::Restriction},  {"ESSARE", Figure::Restriction},
    {"PSSARE", Figure::Restriction}, {"INFRES", Figure::Restriction},  {"CBLARE", Figure::CableArea},
    {"FAIRWY", Figure::Arrow},       {"RECTRC", Figure::Arrow},        {"RECDEF", Figure::Arrow},
    {"DIRBOY", Figure::Arrow},       {"TSSLPT", Figure::Arrow},        {"PILPNT", Figure::Pile},
    {"MORFAC", Figure::Dolphin},     {"RTPBCN", Figure::RadioStation}, {"RDOSTA", Figure::RadioStation},
    {"DGPS", Figure::RadioStation},  {"RDOCAL", Figure::RadioStation}, {"RACNSP", Figure::RadioStation},
    {"FOGSIG", Figure::FogSignal},   {"DAY", Figure::Daymark},         {"TOPMAR", Figure::Topmark},
    {"TMARDEF", Figure::Topmark},    {"QUESMRK", Figure::Question},    {"OFSPLF", Figure::Platform},
    {"WEDKLP", Figure::Kelp},        {"MARCUL", Figure::FishFarm},     {"FSHFAC", Figure::FishFarm},
    {"FSHHAV", Figure::FishFarm},
};

enum class BuoyShape { Cone, Can, Sphere, Pillar, Spar, Barrel, Super };

// S-57 colours 1..13 as colour tokens.
constexpr int kS57Colours[] = {kCHWHT, kCHWHT, kCHBLK, kCHRED, kCHGRN, kRESBL, kCHYLW,
                               kCHGRD, kCHBRN, kCHYLW, kCHMGD, kCHCOR, kCHMGD, kCHMGF};

int Enumerated(const ChartObject& object, int32_t attribute)
{
    AttributeValue value;
    if (object.Attribute(attribute, &value) != kOk)
        return 0;
    return value.integer().value_or(0);
}

BuoyShape ShapeOf(std::string_view name, const ChartObject& object)
{
    if (name.starts_with("BOYCON") || name == "BOYLAT13" || name == "BOYLAT14")
        return BuoyShape::Cone;
    if (name.starts_with("BOYCAN") || name == "BOYLAT23" || name == "BOYLAT24")
        return BuoyShape::Can;
    if (name.starts_with("BOYSPH") || name.starts_with("BOYSAW"))
        return BuoyShape::Sphere;
    if (name.starts_with("BOYSPR"))
        return BuoyShape::Spar;
    if (name.starts_with("BOYBAR") || name.starts_with("BOYMOR"))
        return BuoyShape::Barrel;
    if (name.starts_with("BOYSUP") || name.starts_with("LIT"))
        return BuoyShape::Super;
    switch (Enumerated(object, s57attribute::BOYSHP)) {
    case 1:
        return BuoyShape::Cone;
    case 2:
        return BuoyShape::Can;
    case 3:
        return BuoyShape::Sphere;
    case 5:
        return BuoyShape::Spar;
    case 6:
        return BuoyShape::Barrel;
    case 7:
        return BuoyShape::Super;
    default:
        return BuoyShape::Pillar;
    }
}

// The outline of a buoy standing on the origin (y up is negative), millimetres.
QPainterPath BuoyOutline(BuoyShape shape)
{
    QPainterPath path;
    switch (shape) {
    case BuoyShape::Cone:
        path.addPolygon(QPolygonF({{-1.8, -0.5}, {1.8, -0.5}, {0.0, -4.6}, {-1.8, -0.5}}));
        break;
    case BuoyShape::Can:
        path.addRect(QRectF(QPointF(-1.5, -3.6), QPointF(1.5, -0.5)));
        break;
    case BuoyShape::Sphere:
        path.addEllipse(QPointF(0, -2.3), 1.8, 1.8);
        break;
    case BuoyShape::Pillar:
        path.addPolygon(QPolygonF({{-1.8, -0.5}, {1.8, -0.5}, {0.6, -5.0}, {-0.6, -5.0}, {-1.8, -0.5}}));
        break;
    case BuoyShape::Spar:
        path.addRect(QRectF(QPointF(-0.5, -5.2), QPointF(0.5, -0.5)));
        break;
    case BuoyShape::Barrel:
        path.addRoundedRect(QRectF(QPointF(-2.2, -2.6), QPointF(2.2, -0.5)), 0.9, 0.9);
        break;
    case BuoyShape::Super:
        path.addPolygon(QPolygonF({{-2.6, -0.5}, {2.6, -0.5}, {1.6, -2.4}, {-1.6, -2.4}, {-2.6, -0.5}}));
        break;
    }
    path.closeSubpath();
    return path;
}

QPainterPath BeaconOutline(std::string_view name)
{
    QPainterPath path;
    if (name.starts_with("BCNTOW") || name.starts_with("BCNLTC"))
        path.addPolygon(QPolygonF({{-1.6, 0.0}, {1.6, 0.0}, {0.8, -5.0}, {-0.8, -5.0}, {-1.6, 0.0}}));
    else if (name.starts_with("BCNSTK") || name.starts_with("PRICKE"))
        path.addRect(QRectF(QPointF(-0.35, -5.5), QPointF(0.35, 0.0)));
    else
        path.addPolygon(QPolygonF({{-0.9, 0.0}, {0.9, 0.0}, {0.45, -5.5}, {-0.45, -5.5}, {-0.9, 0.0}}));
    path.closeSubpath();
    return path;
}

// Fills the outline with the object's colours: horizontal bands, or vertical stripes for
// colour pattern 2; without colours in the fallback colour.
void FillBanded(ChartCanvas& canvas, const QPainterPath& outline, const ChartObject& object, int fallback)
{
    QPainter& p = canvas.painter();
    std::vector<int> colours = ObjectColourTokens(object);
    if (colours.empty())
        colours.push_back(fallback);
    const bool vertical = Enumerated(object, s57attribute::COLPAT) == 2;
    const QRectF box = outline.boundingRect();
    const int n = static_cast<int>(colours.size());
    p.save();
    p.setClipPath(outline, Qt::IntersectClip);
    for (int i = 0; i < n; ++i) {
        const QRectF band = vertical ? QRectF(box.left() + box.width() * i / n, box.top(), box.width() / n, box.height())
                                     : QRectF(box.left(), box.top() + box.height() * i / n, box.width(), box.height() / n);
        p.fillRect(band, canvas.colour(colours[i]));
    }
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(canvas.colour(kCHBLK), 0.25));
    p.drawPath(outline);
}

void PositionRing(ChartCanvas& canvas, double radius, int colour)
{
    QPainter& p = canvas.painter();
    p.setPen(QPen(canvas.colour(colour), 0.25));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(0, 0), radius, radius);
}

void Dot(ChartCanvas& canvas, double radius, int colour)
{
    QPainter& p = canvas.painter();
    p.setPen(Qt::NoPen);
    p.setBrush(canvas.colour(colour));
    p.drawEllipse(QPointF(0, 0), radius, radius);
}

void Lines(ChartCanvas& canvas, std::initializer_list<QLineF> lines, int colour, double width,
           Qt::PenStyle style = Qt::SolidLine)
{
    QPainter& p = canvas.painter();
    p.setPen(QPen(canvas.colour(colour), width, style, Qt::RoundCap));
    for (const QLineF& line : lines)
        p.drawLine(line);
}

void DottedRing(ChartCanvas& canvas, double radius, int colour, int fill = -1)
{
    QPainter& p = canvas.painter();
    QPen pen(canvas.colour(colour), 0.3, Qt::DotLine, Qt::RoundCap);
    p.setPen(pen);
    p.setBrush(fill >= 0 ? QBrush(canvas.colour(fill)) : QBrush(Qt::NoBrush));
    p.drawEllipse(QPointF(0, 0), radius, radius);
}

void Letter(ChartCanvas& canvas, const QString& text, double size, int colour)
{
    QPainter& p = canvas.painter();
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(std::max(1, int(std::lround(size * canvas.pixelsPerMm()))));
    font.setBold(true);
    p.save();
    p.scale(1 / canvas.pixelsPerMm(), 1 / canvas.pixelsPerMm());
    p.setFont(font);
    p.setPen(canvas.colour(colour));
    const double extent = 4 * canvas.pixelsPerMm();
    p.drawText(QRectF(-extent, -extent, 2 * extent, 2 * extent), Qt::AlignCenter, text);
    p.restore();
}

void DrawTopmark(ChartCanvas& canvas, const ChartObject& object)
{
    QPainter& p = canvas.painter();
    std::vector<int> colours = ObjectColourTokens(object);
    const QColor fill = canvas.colour(colours.empty() ? kCHBLK : colours.front());
    p.setPen(QPen(canvas.colour(kCHBLK), 0.2));
    p.setBrush(fill);
    const auto cone = [&](double base, double apex) {
        p.drawPolygon(QPolygonF({{-1.1, base}, {1.1, base}, {0.0, apex}}));
    };
    switch (Enumerated(object, s57attribute::TOPSHP)) {
    case 1:  // cone point up
        cone(-0.2, -1.9);
        break;
    case 2:  // cone point down
        cone(-1.9, -0.2);
        break;
    case 3:  // sphere
        p.drawEllipse(QPointF(0, -1.0), 0.9, 0.9);
        break;
    case 4:  // two spheres
        p.drawEllipse(QPointF(0, -0.8), 0.7, 0.7);
        p.drawEllipse(QPointF(0, -2.4), 0.7, 0.7);
        break;
    case 10:  // two cones points together
        cone(-0.2, -1.3);
        cone(-2.4, -1.3);
        break;
    case 11:  // two cones bases together
        cone(-1.3, -0.2);
        cone(-1.3, -2.4);
        break;
    case 13:  // two cones up
        cone(-0.2, -1.4);
        cone(-1.5, -2.7);
        break;
    case 14:  // two cones down
        cone(-1.4, -0.2);
        cone(-2.7, -1.5);
        break;
    case 7:  // x-shape
    case 8:  // upright cross
        Lines(canvas, {QLineF(-1, -0.2, 1, -2.2), QLineF(-1, -2.2, 1, -0.2)}, colours.empty() ? kCHBLK : colours.front(),
              0.45);
        break;
    default:  // cylinder, board, cube and the rest
        p.drawRect(QRectF(QPointF(-0.9, -1.9), QPointF(0.9, -0.2)));
        break;
    }
}

void DrawArrow(ChartCanvas& canvas, bool bothWays, int colour)
{
    QPainter& p = canvas.painter();
    p.setPen(QPen(canvas.colour(colour), 0.35, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QLineF(0, 4, 0, -4));
    p.drawPolyline(QPolygonF({{-1.2, -2.6}, {0, -4}, {1.2, -2.6}}));
    if (bothWays)
        p.drawPolyline(QPolygonF({{-1.2, 2.6}, {0, 4}, {1.2, 2.6}}));
}

void DrawFigure(ChartCanvas& canvas, Figure figure, std::string_view name, const ChartObject& object)
{
    QPainter& p = canvas.painter();
    switch (figure) {
    case Figure::Position:
        PositionRing(canvas, 0.9, kCHBLK);
        Dot(canvas, 0.25, kCHBLK);
        break;
    case Figure::Buoy:
        FillBanded(canvas, BuoyOutline(ShapeOf(name, object)), object, kCHGRD);
        PositionRing(canvas, 0.45, kCHBLK);
        break;
    case Figure::Beacon:
        FillBanded(canvas, BeaconOutline(name), object, kCHBLK);
        PositionRing(canvas, 0.45, kCHBLK);
        break;
    case Figure::Flare: {
        const int colour = name == "LIGHTS11" ? kLITRD : name == "LIGHTS12" ? kLITGN
                           : name.starts_with("LIGHTS1") ? kLITYW : kCHMGD;
        QPainterPath flare;
        flare.moveTo(0, 0);
        flare.cubicTo(1.5, -3.0, 1.4, -6.6, 0.0, -7.2);
        flare.cubicTo(-1.4, -6.6, -1.5, -3.0, 0.0, 0.0);
        p.setPen(QPen(canvas.colour(kCHBLK), 0.2));
        p.setBrush(canvas.colour(colour));
        p.drawPath(flare);
        break;
    }
    case Figure::IsolatedDanger:
        p.setPen(QPen(canvas.colour(kISDNG), 0.45));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(0, 0), 2.4, 2.4);
        Lines(canvas, {QLineF(-1.5, -1.5, 1.5, 1.5), QLineF(-1.5, 1.5, 1.5, -1.5)}, kISDNG, 0.45);
        break;
    case Figure::DottedDanger:
        DottedRing(canvas, 2.6, kCHBLK);
        break;
    case Figure::RockCovered:
        Lines(canvas, {QLineF(-1.2, 0, 1.2, 0), QLineF(0, -1.2, 0, 1.2), QLineF(-0.85, -0.85, 0.85, 0.85),
                       QLineF(-0.85, 0.85, 0.85, -0.85)},
              kCHBLK, 0.3);
        break;
    case Figure::RockAwash:
        Lines(canvas, {QLineF(-1.3, 0, 1.3, 0), QLineF(0, -1.3, 0, 1.3)}, kCHBLK, 0.3);
        for (const QPointF& d : {QPointF(-0.7, -0.7), QPointF(0.7, -0.7), QPointF(-0.7, 0.7), QPointF(0.7, 0.7)}) {
            p.setPen(Qt::NoPen);
            p.setBrush(canvas.colour(kCHBLK));
            p.drawEllipse(d, 0.18, 0.18);
        }
        break;
    case Figure::Obstruction:
        if (name == "OBSTRN11")
            DottedRing(canvas, 1.6, kCSTLN, kCHBRN);
        else if (name == "OBSTRN03")
            DottedRing(canvas, 1.6, kCHBLK, kDEPIT);
        else
            DottedRing(canvas, 1.6, kCHBLK, kDEPVS);
        break;
    case Figure::WreckHull: {
        QPainterPath hull;
        hull.moveTo(-2.4, 0);
        hull.lineTo(2.4, 0);
        hull.quadTo(1.8, 1.2, 0, 1.2);
        hull.quadTo(-1.8, 1.2, -2.4, 0);
        p.setPen(QPen(canvas.colour(kCSTLN), 0.25));
        p.setBrush(canvas.colour(kCHBRN));
        p.drawPath(hull);
        break;
    }
    case Figure::WreckDangerous:
    case Figure::WreckSafe: {
        const bool safe = figure == Figure::WreckSafe;
        const int colour = safe ? kCHGRD : kCHBLK;
        Lines(canvas, {QLineF(-2.4, 0, 2.4, 0), QLineF(-1.0, -1.0, -1.0, 1.0), QLineF(0, -1.2, 0, 1.2),
                       QLineF(1.0, -1.0, 1.0, 1.0)},
              colour, 0.3);
        if (safe)
            DottedRing(canvas, 2.8, kCHGRD);
        break;
    }
    case Figure::FoulGround:
        Lines(canvas, {QLineF(-1.2, -0.5, 1.2, -0.5), QLineF(-1.2, 0.5, 1.2, 0.5), QLineF(-0.5, -1.2, -0.5, 1.2),
                       QLineF(0.5, -1.2, 0.5, 1.2)},
              kCHGRD, 0.2);
        break;
    case Figure::SmallIsland:
        p.setPen(QPen(canvas.colour(kCSTLN), 0.25));
        p.setBrush(canvas.colour(kLANDA));
        p.drawEllipse(QPointF(0, 0), 0.9, 0.9);
        break;
    case Figure::Landmark:
        PositionRing(canvas, 1.1, name.size() > 7 && name[6] == '1' ? kCHBLK : kLANDF);
        Dot(canvas, 0.3, kCHBLK);
        break;
    case Figure::Tower:
        PositionRing(canvas, 1.0, kCHBLK);
        Lines(canvas, {QLineF(0, -1.0, 0, -4.2), QLineF(-0.8, -4.2, 0.8, -4.2)}, kCHBLK, 0.3);
        break;
    case Figure::Information:
        p.setPen(QPen(canvas.colour(kCHMGD), 0.3));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(-1.6, -1.6, 3.2, 3.2));
        Letter(canvas, QStringLiteral("i"), 2.6, kCHMGD);
        break;
    case Figure::Caution:
        p.setPen(QPen(canvas.colour(kCHMGD), 0.3));
        p.setBrush(Qt::NoBrush);
        p.drawPolygon(QPolygonF({{0, -2.2}, {2.1, 1.5}, {-2.1, 1.5}}));
        Letter(canvas, QStringLiteral("!"), 2.4, kCHMGD);
        break;
    case Figure::Anchor:
        Lines(canvas, {QLineF(0, -2.4, 0, 2.0), QLineF(-1.0, -1.4, 1.0, -1.4)}, kCHMGD, 0.3);
        p.setPen(QPen(canvas.colour(kCHMGD), 0.3));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(-1.8, 0.2, 3.6, 1.8), 180 * 16, 180 * 16);
        p.drawEllipse(QPointF(0, -2.8), 0.4, 0.4);
        break;
    case Figure::Restriction:
        p.setPen(QPen(canvas.colour(kCHMGD), 0.35));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(0, 0), 2.0, 2.0);
        Lines(canvas, {QLineF(-1.3, 0, 1.3, 0)}, kCHMGD, 0.5);
        break;
    case Figure::CableArea:
        Lines(canvas, {QLineF(-1.4, -1.4, 1.4, -1.4), QLineF(1.4, -1.4, -1.4, 1.4), QLineF(-1.4, 1.4, 1.4, 1.4)},
              kCHMGD, 0.3);
        break;
    case Figure::Arrow:
        DrawArrow(canvas, name.starts_with("FAIRWY51") || name.starts_with("RECTRC57") ||
                              name.starts_with("RECTRC58") || name.starts_with("RECDEF"),
                  name.starts_with("RECTRC") ? kCHBLK : kCHGRD);
        break;
    case Figure::Pile:
        Dot(canvas, 0.45, kCHBLK);
        break;
    case Figure::Dolphin:
        p.setPen(QPen(canvas.colour(kCSTLN), 0.25));
        p.setBrush(canvas.colour(kCHBRN));
        p.drawRect(QRectF(-0.9, -0.9, 1.8, 1.8));
        if (name == "MORFAC04")
            Lines(canvas, {QLineF(-0.9, -0.9, 0.9, 0.9), QLineF(-0.9, 0.9, 0.9, -0.9)}, kCSTLN, 0.2);
        break;
    case Figure::RadioStation:
        p.setPen(QPen(canvas.colour(kCHMGD), 0.3));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(0, 0), 3.0, 3.0);
        Dot(canvas, 0.3, kCHMGD);
        break;
    case Figure::FogSignal:
        p.setPen(QPen(canvas.colour(kCHMGD), 0.3));
        p.setBrush(Qt::NoBrush);
        for (const double r : {2.0, 3.0, 4.0})
            p.drawArc(QRectF(-r, -r, 2 * r, 2 * r), 200 * 16, 50 * 16);
        break;
    case Figure::Daymark: {
        const QPainterPath outline = [&] {
            QPainterPath path;
            if (name.starts_with("DAYTRI"))
                path.addPolygon(QPolygonF({{-1.4, -0.5}, {1.4, -0.5}, {0, -3.0}, {-1.4, -0.5}}));
            else
                path.addRect(QRectF(QPointF(-1.3, -3.1), QPointF(1.3, -0.5)));
            return path;
        }();
        FillBanded(canvas, outline, object, kCHGRD);
        Lines(canvas, {QLineF(0, 0, 0, -0.5)}, kCHBLK, 0.25);
        break;
    }
    case Figure::Topmark:
        DrawTopmark(canvas, object);
        break;
    case Figure::Question:
        Letter(canvas, QStringLiteral("?"), 3.0, kCHMGD);
        break;
    case Figure::Platform:
        p.setPen(QPen(canvas.colour(kCHBLK), 0.3));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(-1.5, -1.5, 3.0, 3.0));
        Dot(canvas, 0.3, kCHBLK);
        break;
    case Figure::Kelp: {
        QPainterPath wave;
        wave.moveTo(-1.8, 0);
        wave.cubicTo(-1.0, -1.0, -0.4, 1.0, 0.3, 0);
        wave.cubicTo(0.9, -1.0, 1.4, 1.0, 1.9, 0);
        p.setPen(QPen(canvas.colour(kCHGRD), 0.25));
        p.setBrush(Qt::NoBrush);
        p.drawPath(wave);
        break;
    }
    case Figure::FishFarm:
        p.setPen(QPen(canvas.colour(kCHGRD), 0.25));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(-0.3, 0), 1.4, 0.7);
        Lines(canvas, {QLineF(1.1, 0, 1.9, -0.7), QLineF(1.1, 0, 1.9, 0.7)}, kCHGRD, 0.25);
        break;
    }
}

}  // namespace

std::vector<int> ObjectColourTokens(const ChartObject& object)
{
    std::vector<int> tokens;
    AttributeValue value;
    if (object.Attribute(s57attribute::COLOUR, &value) != kOk)
        return tokens;
    for (const int32_t colour : value.list())
        if (colour >= 1 && colour <= 13)
            tokens.push_back(kS57Colours[colour]);
    return tokens;
}

void DrawS52Symbol(ChartCanvas& canvas, std::string_view name, QPointF at, double angle, const ChartObject& object)
{
    const auto found = std::find_if(std::begin(kFigures), std::end(kFigures),
                                    [&](const NamedFigure& f) { return name.starts_with(f.prefix); });
    const Figure figure = found != std::end(kFigures) ? found->figure : Figure::Position;
    QPainter& p = canvas.painter();
    p.save();
    p.translate(at);
    p.rotate(angle);
    p.scale(canvas.pixelsPerMm(), canvas.pixelsPerMm());
    DrawFigure(canvas, figure, name, object);
    p.restore();
}

}  // namespace chartengine
