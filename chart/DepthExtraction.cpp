#include "chart/DepthExtraction.h"

#include "chart/MapManager.h"
#include "chart/MapQueryFilters.h"
#include "chart/MapView.h"
#include "chart/ObjectAttributes.h"
#include "chart/ObjectClassTable.h"
#include "frame/DepthExportFile.h"
#include "platform/chartengine/GeoDatabase.h"
#include "platform/chartengine/GeoDatabaseQuery.h"
#include "platform/geodesy/GeoCover.h"
#include "platform/geodesy/NormalisedCoordinates.h"

#include <cmath>
#include <optional>

using namespace chartengine;

namespace {

constexpr double DegreesToRadians = 0.017453292519943295;
constexpr double AwashDepth = -0.5;  // rocks that uncover, contours of 0
constexpr int32_t FoulArea = 6;       // CATOBS

// The codes the dictionary gives the acronyms, the standard ones where it has none.
struct DepthCodes {
    int32_t sounding = 129, obstruction = 86, rock = 153, contour = 43, coastline = 30, wreck = 159;
    int32_t valsou = 179, watlev = 187, valdco = 174, catobs = 42;
};

DepthCodes LookUpCodes(const ChartDictionary* d)
{
    DepthCodes c;
    c.sounding = DictionaryCode(d, true, "SOUNDG", c.sounding);
    c.obstruction = DictionaryCode(d, true, "OBSTRN", c.obstruction);
    c.rock = DictionaryCode(d, true, "UWTROC", c.rock);
    c.contour = DictionaryCode(d, true, "DEPCNT", c.contour);
    c.coastline = DictionaryCode(d, true, "COALNE", c.coastline);
    c.wreck = DictionaryCode(d, true, "WRECKS", c.wreck);
    c.valsou = DictionaryCode(d, false, "VALSOU", c.valsou);
    c.watlev = DictionaryCode(d, false, "WATLEV", c.watlev);
    c.valdco = DictionaryCode(d, false, "VALDCO", c.valdco);
    c.catobs = DictionaryCode(d, false, "CATOBS", c.catobs);
    return c;
}

// The depth of an object of a class with one depth for all its points (in metres, negative below
// the surface); nothing for an object that gives no depth.
std::optional<double> ClassDepth(const ChartObject& object, const DepthCodes& c, float foulAreaDepth)
{
    const int32_t cls = object.ClassCode();
    if (cls == c.coastline)
        return 0.0;
    if (cls == c.obstruction || cls == c.rock || cls == c.wreck) {
        if (const auto sounding = RealAttribute(object, c.valsou))
            return -*sounding;
        if (cls == c.obstruction && IntegerAttribute(object, c.catobs) == FoulArea)
            return -double(foulAreaDepth);
        if (cls == c.rock)
            if (const auto level = IntegerAttribute(object, c.watlev); level == 1 || level == 2 || level == 4 || level == 5)
                return AwashDepth;
        return std::nullopt;
    }
    if (cls == c.contour) {
        if (const auto contour = RealAttribute(object, c.valdco))
            return *contour == 0.0 ? AwashDepth : -*contour;
    }
    return std::nullopt;
}

struct Extraction {
    const MapView& view;
    WindowRect window;
    cmgbase::GeoRect area;
    double cosFactor;
    std::vector<TMap3DPoint>& points;

    void add(const cmgbase::GeoPoint& position, double depth) const
    {
        ScreenPoint pixel;
        if (!cmgbase::cross__GeoPoint_GeoRect(position, area) || !view.GeoToScreen(window, position, pixel))
            return;
        const ExportPoint p = ExportCoordinates({area.x1, area.y1}, cosFactor, position);
        points.push_back({p.x, p.y, depth, pixel.x, pixel.y});
    }
};

}  // namespace

bool ExtractDepthData(const MapManager& manager, const MapView& view, float foulAreaDepth, float depthFactor,
                      std::vector<TMap3DPoint>& points)
{
    if (view.state != 1 || manager.state != 1 || !manager.currentGeoDatabase || !view.symbolization ||
        !view.projection || !view.viewport)
        return false;
    const DepthCodes codes = LookUpCodes(manager.dictionary);
    ObjectClassTable shown;
    HideAllObjectClasses(shown);
    for (const int32_t code : {codes.sounding, codes.obstruction, codes.rock, codes.contour, codes.coastline, codes.wreck})
        if (const int slot = ObjectClassSlot(code); slot >= 0)
            shown[slot] = 1;

    // The window of the last draw: its device rectangle is centred on the window's centre pixel.
    const DeviceRect& device = view.windowRect;
    Extraction extraction{view, {0, 0, device.right - device.left, device.top - device.bottom}, {}, 0.0, points};
    if (!view.ScreenRectToGeo(device, extraction.area))
        return false;
    extraction.cosFactor = std::cos(cmgbase::nrm2deg(extraction.area.y1) * DegreesToRadians);

    std::unique_ptr<GeoDatabaseQuery> query;
    if (manager.currentGeoDatabase->NewQuery(&query) != kOk)
        return false;
    cmgbase::GeoCover cover;
    cmgbase::GeoCover__asn_GeoRect(cover, extraction.area);
    std::unique_ptr<ObjectEnumerator> objects;
    const bool started = query->SetCover(cover, view.scale, view.scale, -1) == kOk &&
                         query->SetFilter(std::make_shared<MapFilter>(shown)) == kOk &&
                         query->SetPriorityList(manager.priorityListHandle) == kOk &&
                         view.symbolization->StartQuery(*query, view.drawBlock, view.parameters, &objects) == kOk &&
                         objects && objects->Reset() == kOk;
    if (started) {
        ChartObject object;
        while (objects->Next(&object) == kOk) {
            const bool sounding = object.ClassCode() == codes.sounding;
            const std::optional<double> depth =
                sounding ? object.SoundingDepth() : ClassDepth(object, codes, foulAreaDepth);
            if (!depth)
                continue;
            const double displayed = sounding ? -*depth * depthFactor : *depth * depthFactor;
            const uint8_t kind = object.Kind();
            if (kind != kGeometryPoint && kind != kGeometryLine && kind != kGeometryPointSet)
                continue;
            const RingSet parts = object.Geometry();
            for (size_t part = 0; part < parts.size(); ++part)
                for (const cmgbase::GeoPoint& position : parts[part])
                    extraction.add(position, displayed);
        }
    }
    query->Close();
    cmgbase::GeoCover__clear(cover);
    return started;
}
