#include "chart/LightSectors.h"

#include "chart/MapManager.h"
#include "chart/MapQueryFilters.h"
#include "chart/MapView.h"
#include "chart/ObjectAttributes.h"
#include "chart/ObjectClassTable.h"
#include "platform/chartengine/GeoDatabase.h"
#include "platform/chartengine/GeoDatabaseQuery.h"
#include "platform/chartengine/GeoProjection.h"
#include "platform/chartengine/ObjectEnumerator.h"
#include "platform/chartengine/Symbolization.h"
#include "platform/geodesy/GeoCover.h"
#include "platform/geodesy/PositionComputation.h"

#include <algorithm>
#include <cmath>
#include <numbers>

using namespace chartengine;

namespace {

// The classes that carry lights: beacons, buoys, bridge, building, daymark, landmark, light
// float and vessel, mooring facility, offshore platform, pile, silo or tank.
constexpr int32_t LightCarriers[] = {5, 6, 7, 8, 9, 11, 12, 14, 15, 16, 17, 18, 19, 39, 74, 76, 77, 84, 87, 90, 122};
constexpr int32_t CategoryOfLight = 37;  // CATLIT
constexpr int32_t FloodLightCategory = 8;

constexpr uint8_t ColourTable[12] = {4, 4, 1, 1, 3, 3, 4, 4, 4, 4, 7, 7};
constexpr int32_t MagentaCode = 12;
constexpr uint8_t MagentaMarker = 5;

struct LightCodes {
    int32_t lights = 75;
    int32_t objnam = 116, colour = 75, litchr = 107, sectr1 = 136, sectr2 = 137, siggrp = 141, sigper = 142,
            valnmr = 178, height = 95;
};

LightCodes LookUpCodes(const ChartDictionary* d)
{
    LightCodes c;
    c.lights = DictionaryCode(d, true, "LIGHTS", c.lights);
    c.objnam = DictionaryCode(d, false, "OBJNAM", c.objnam);
    c.colour = DictionaryCode(d, false, "COLOUR", c.colour);
    c.litchr = DictionaryCode(d, false, "LITCHR", c.litchr);
    c.sectr1 = DictionaryCode(d, false, "SECTR1", c.sectr1);
    c.sectr2 = DictionaryCode(d, false, "SECTR2", c.sectr2);
    c.siggrp = DictionaryCode(d, false, "SIGGRP", c.siggrp);
    c.sigper = DictionaryCode(d, false, "SIGPER", c.sigper);
    c.valnmr = DictionaryCode(d, false, "VALNMR", c.valnmr);
    c.height = DictionaryCode(d, false, "HEIGHT", c.height);
    return c;
}

// The whole part of a value held to 0..limit (a value that is no number counts as 0).
uint8_t Saturated(double value, int limit = 255)
{
    if (!(value > 0.0))
        return 0;
    return static_cast<uint8_t>(value >= limit ? limit : static_cast<int>(value));
}

// A sector limit towards the light as the bearing from it, tenths of a degree.
int32_t SectorFromLight(const std::optional<double>& limit)
{
    if (!limit || !std::isfinite(*limit))
        return NoSectorLimit;
    const int32_t tenths = static_cast<int32_t>(std::clamp(*limit, -36000.0, 36000.0) * 10.0) + 1800;
    return tenths > 3600 ? tenths - 3600 : tenths;
}

uint8_t PeriodClass(const std::optional<double>& period)
{
    if (!period)
        return NoRhythm;
    const double p = *period;
    constexpr double Bounds[] = {1.0, 2.6, 3.6, 4.6, 5.6, 7.0, 9.0, 15.0};
    if (p < Bounds[0])
        return NoRhythm;
    for (uint8_t k = 1; k < std::size(Bounds); ++k)
        if (p < Bounds[k])
            return k - 1;
    return NoRhythm;
}

// The rhythm bits of a quick light: a short group fits the cycle of its own period class, a group
// of four takes its bit, and anything else runs in the 12 s cycle with the bit of its group.
struct QuickBits {
    uint8_t twoBelow;       // a group of 2 keeps its period class below this one
    uint8_t threeBelow;     // a group of 3 likewise
    uint8_t fourNoPeriod;   // the class of a group of 4 without period
    uint8_t two, three, four;  // bits of the groups in their own cycle
    uint8_t single, twoLong, threeLong, nineLong;  // bits in the 12 s cycle
};
constexpr QuickBits QuickRhythm{3, 4, 6, 0x20, 0x40, 0x80, 0x08, 0x10, 0x20, 0x80};
constexpr QuickBits VeryQuickRhythm{2, 2, 2, 0x20, 0x40, 0x80, 0x01, 0x02, 0x04, 0x80};

void SetQuickRhythm(ChartMarker& m, int32_t g, bool noPeriod, const QuickBits& bits)
{
    if (g == 2 && m.periodClass < bits.twoBelow) {
        m.rhythmMask = bits.two;
    } else if (g == 3 && m.periodClass < bits.threeBelow) {
        m.rhythmMask = bits.three;
    } else if (g == 4) {
        m.rhythmMask = bits.four;
        if (noPeriod)
            m.periodClass = bits.fourNoPeriod;
    } else {
        m.periodClass = 7;
        m.rhythmMask = g == 2 ? bits.twoLong : g == 3 ? bits.threeLong : g == 9 ? bits.nineLong : bits.single;
    }
}

void SetRhythm(ChartMarker& m, const LightRecord& light)
{
    m.periodClass = PeriodClass(light.period);
    const bool noPeriod = !light.period;
    const int32_t g = light.group.value_or(0);
    switch (light.character.value_or(0)) {
    case 2:  // Fl
    case 3:  // LFl
        m.rhythmMask = 0x10;
        if (noPeriod)
            m.periodClass = 4;
        if (g == 2)
            m.rhythmMask = 0x20;
        else if (g == 3)
            m.rhythmMask = 0x40;
        else if (g == 4)
            m.rhythmMask = 0x80;
        else if (g > 4)
            m.periodClass = NoRhythm;
        break;
    case 4:  // Q
        SetQuickRhythm(m, g, noPeriod, QuickRhythm);
        break;
    case 5:  // VQ
        SetQuickRhythm(m, g, noPeriod, VeryQuickRhythm);
        break;
    case 7:  // Iso
        m.rhythmMask = 0x01;
        if (noPeriod)
            m.periodClass = 4;
        break;
    case 8:  // Oc
        m.rhythmMask = 0x02;
        if (noPeriod)
            m.periodClass = 4;
        if (g == 2)
            m.rhythmMask = 0x04;
        else if (g == 3)
            m.rhythmMask = 0x08;
        else if (g > 3)
            m.periodClass = NoRhythm;
        break;
    case 25:  // Q+LFl
    case 26:  // VQ+LFl
        if (g == 6) {
            m.periodClass = 7;
            m.rhythmMask = 0x40;
        } else {
            m.periodClass = NoRhythm;
        }
        break;
    default:
        m.periodClass = NoRhythm;
        break;
    }
}

// Reads the lights of a search into records and the names into the manager's list.
class LightSearch {
public:
    LightSearch(MapManager& manager, const MapView& view, const LightCodes& codes)
        : manager_(manager), view_(view), codes_(codes),
          window_{0, 0, view.windowRect.right - view.windowRect.left, view.windowRect.top - view.windowRect.bottom}
    {
    }

    // false once more objects than the search may examine came.
    bool examine(const ChartObject& object)
    {
        if (++examined_ > MaxExaminedObjects)
            return false;
        if (object.ClassCode() == codes_.lights)
            take(object);
        std::unique_ptr<ObjectEnumerator> related;
        for (const bool referring : {false, true}) {
            related.reset();
            const HResult walked = referring ? object.ReferringObjects(&related) : object.ReferencedObjects(&related);
            if (walked != kOk || !related)
                continue;
            ChartObject other;
            while (related->Next(&other) == kOk)
                if (other.ClassCode() == codes_.lights)
                    take(other);
        }
        return true;
    }

    std::vector<LightRecord> lights;

private:
    void take(const ChartObject& object)
    {
        const Guid identifier = object.Identifier();
        if (std::find(taken_.begin(), taken_.end(), identifier) != taken_.end())
            return;
        taken_.push_back(identifier);

        LightRecord light;
        const ObjectDescription place = object.Description();
        if (place.kind == kGeometryPoint) {
            light.position = place.point;
            ScreenPoint pixel;
            if (view_.GeoToScreen(window_, light.position, pixel)) {
                light.x = pixel.x;
                light.y = pixel.y;
            }
        }
        listName(object, light.position);

        AttributeValue value;
        if (object.Attribute(codes_.colour, &value) == kOk)
            for (const int32_t colour : value.list())
                if (colour != 0)
                    light.colour = colour;
        light.character = IntegerAttribute(object, codes_.litchr);
        if (object.Attribute(CategoryOfLight, &value) == kOk) {
            const std::vector<int32_t> categories = value.list();
            if (!categories.empty() && categories.front() == FloodLightCategory)
                light.character = FloodLight;
        }
        light.sector1 = RealAttribute(object, codes_.sectr1);
        light.sector2 = RealAttribute(object, codes_.sectr2);
        light.period = RealAttribute(object, codes_.sigper);
        light.range = RealAttribute(object, codes_.valnmr);
        light.height = RealAttribute(object, codes_.height);
        if (object.Attribute(codes_.siggrp, &value) == kOk)
            light.group = SimpleSignalGroup(value.text);
        if (lights.size() < MaxLightRecords)
            lights.push_back(light);
    }

    // A named light at a position other than the last named one's joins the name list.
    void listName(const ChartObject& object, const cmgbase::GeoPoint& position)
    {
        if (lastNamed_ && lastNamed_->x == position.x && lastNamed_->y == position.y)
            return;
        AttributeValue name;
        if (object.Attribute(codes_.objnam, &name) != kOk || manager_.lightNameCount >= LightNameCapacity)
            return;
        manager_.lightNamePositions.push_back(position);
        manager_.lightNames.push_back(name.text);
        ++manager_.lightNameCount;
        lastNamed_ = position;
    }

    MapManager& manager_;
    const MapView& view_;
    const LightCodes& codes_;
    WindowRect window_;
    int32_t examined_ = 0;
    std::vector<Guid> taken_;
    std::optional<cmgbase::GeoPoint> lastNamed_;
};

// The visible area enlarged about its middle so that its diagonal grows by the factor.
bool EnlargedArea(const cmgbase::GeoRect& visible, float factor, cmgbase::GeoRect& area)
{
    const cmgbase::GeoPoint first{visible.x1, visible.y1}, second{visible.x2, visible.y2};
    double distance = 0.0, bearing = 0.0;
    if (cmgbase::InvPosComputation(first, second, &distance, &bearing, 0) != 0)
        return false;
    const double margin = (distance * factor - distance) * 0.5;
    cmgbase::GeoPoint lower, upper;
    if (cmgbase::DirPosComputation(first, &lower, bearing + std::numbers::pi, margin, 0) != 0 ||
        cmgbase::DirPosComputation(second, &upper, bearing, margin, 0) != 0)
        return false;
    area = {lower.x, lower.y, upper.x, upper.y};
    return true;
}

// The lights of the area, as the view's symbolization gives its objects.
void SearchLights(const MapView& view, float factor, GeoDatabaseQuery& query, LightSearch& search)
{
    cmgbase::GeoRect area;
    if (!EnlargedArea(view.visibleArea, factor, area))
        return;
    cmgbase::GeoCover cover;
    cmgbase::GeoCover__asn_GeoRect(cover, area);
    DrawBlock block = view.drawBlock;
    ObjectClassTable shown;
    HideAllObjectClasses(shown);
    for (const int32_t code : LightCarriers)
        if (const int slot = ObjectClassSlot(code); slot >= 0)
            shown[slot] = 1;
    if (const int slot = ObjectClassSlot(75); slot >= 0)
        shown[slot] = 1;
    std::unique_ptr<ObjectEnumerator> objects;
    const bool started = view.projection->FillDrawBlock(cover, &block) == kOk &&
                         query.SetFilter(std::make_shared<MapFilter>(shown)) == kOk &&
                         query.SetCover(cover, view.scale, view.scale, -1) == kOk &&
                         view.symbolization->StartQuery(query, block, view.parameters, &objects) == kOk && objects &&
                         objects->Reset() == kOk;
    if (started) {
        ChartObject object;
        while (objects->Next(&object) == kOk && search.examine(object)) {
        }
    }
    cmgbase::GeoCover__clear(cover);
}

}  // namespace

uint8_t MarkerColour(int32_t colourCode)
{
    if (colourCode >= 0 && colourCode < static_cast<int32_t>(std::size(ColourTable)))
        return ColourTable[colourCode];
    return colourCode == MagentaCode ? MagentaMarker : 1;
}

std::optional<int32_t> SimpleSignalGroup(const std::string& text)
{
    if (text.size() != 3 || text[0] != '(' || text[2] != ')' || text[1] < '1' || text[1] > '9')
        return std::nullopt;
    return text[1] - '0';
}

ChartMarker MarkerOfLight(const LightRecord& light)
{
    ChartMarker m;
    m.colour = light.colour ? MarkerColour(*light.colour) : 1;
    m.range = light.range ? Saturated(*light.range * 10.0) : 20;
    m.size = light.height ? Saturated(*light.height) : 3;
    m.period = light.period ? Saturated(*light.period) : 255;
    m.character = light.character && *light.character >= 0 && *light.character <= 255 ? uint8_t(*light.character) : 0;
    m.group = light.group && *light.group >= 0 && *light.group < 255 ? uint8_t(*light.group) : 255;
    m.sectorStart = SectorFromLight(light.sector1);
    m.sectorEnd = SectorFromLight(light.sector2);
    m.x = light.x;
    m.y = light.y;
    m.position = light.position;
    SetRhythm(m, light);
    return m;
}

int EvaluateLightSectors(MapManager& manager, const MapView& view, std::vector<ChartMarker>& markers, float areaFactor)
{
    manager.lightNameCount = 0;
    manager.lightNamePositions.clear();
    manager.lightNames.clear();
    if (manager.state != 1 || view.state != 1 || !manager.currentGeoDatabase || !view.symbolization ||
        !view.projection) {
        markers.clear();
        return 1;
    }
    std::unique_ptr<GeoDatabaseQuery> query;
    if (manager.currentGeoDatabase->NewQuery(&query) != kOk || !query)
        return 0;
    const LightCodes codes = LookUpCodes(manager.dictionary);
    LightSearch search(manager, view, codes);
    SearchLights(view, areaFactor, *query, search);
    query->Close();

    markers.clear();
    markers.reserve(search.lights.size());
    for (const LightRecord& light : search.lights)
        if (light.character != FloodLight)
            markers.push_back(MarkerOfLight(light));
    return 1;
}
