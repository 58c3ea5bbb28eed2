#pragma once
// The radar service of the chart engine as its users call it: start and stop in a window,
// properties by code, the antenna's position, drawing the newest picture, and a listener told of
// every new frame. Results are HResults (EngineStatus.h). ChartRadar.h is the engine's own
// service; anything with these methods may stand in its place.

#include "platform/chartengine/EngineStatus.h"

#include <cstdint>
#include <memory>
#include <string>
#include <variant>
#include <vector>

class QObject;
class QPainter;

namespace chartengine {

class GeoProjection;
class MapViewport;

// The property codes.
enum RadarProperty : int32_t {
    RP_PROJECTION = 1,      // put: the view's projection
    RP_VIEWPORT = 2,        // put: the view's viewport
    RP_RANGETABLE = 3,      // get: the ranges (metres of displayed radius)
    RP_RANGELABELS = 4,     // get: a label per range
    RP_RANGE = 5,           // put / get: current range, metres
    RP_CLUTTER = 6,         // put / get: sea + rain x 256 + gain x 65536, each 0..99
    RP_PROCESSOR = 7,       // get: non-zero while the picture is being made
    RP_ADJUSTORIENT = 8,    // put / get: orientation adjustment, degrees
    RP_ADJUSTRANGE = 9,     // put / get: range adjustment, per cent of the range
    RP_ADJUSTPOS_X = 0x10,  // put / get: antenna offset east, tens of metres
    RP_ADJUSTPOS_Y = 0x11,  // put / get: antenna offset north, tens of metres
    RP_PALETTE = 0x12,      // put / get: 0 green, 1 red
    RP_DRAWMAXRANGE = 0x14,  // get
    RP_FRAMEINFO = 0x16,     // get: pulse code of the newest frame (4 SP, 5 MP1, 6 MP2, 7 LP)
};

// A property value: empty, an integer, a real, the range table or labels, or a view's projection
// and viewport (the viewport stays the view's and must outlive the service's use of it).
using RadarValue = std::variant<std::monostate, int32_t, double, std::vector<double>, std::vector<std::string>,
                                std::shared_ptr<const GeoProjection>, const MapViewport*>;

// The value as an integer or a real, as a VARIANT type change gives it: 0 for an empty value,
// false for a value that is no number.
bool RadarValueToInteger(const RadarValue& value, int32_t* result);
bool RadarValueToReal(const RadarValue& value, double* result);

class RadarFrameListener {
public:
    virtual ~RadarFrameListener() = default;
    virtual void OnNewFrame() = 0;
};

class RadarService {
public:
    virtual ~RadarService() = default;

    // owner: the window the picture is made for; kInvalidArgument for none.
    virtual HResult Start(QObject* owner) = 0;
    virtual HResult Stop() = 0;
    virtual HResult GetProperty(int32_t code, RadarValue* value) = 0;
    virtual HResult PutProperty(int32_t code, const RadarValue& value) = 0;
    // Degrees; heading the way the bow points.
    virtual HResult GetOwnPosition(double* latitude, double* longitude, double* heading) = 0;
    virtual HResult PutOwnPosition(double latitude, double longitude, double heading) = 0;
    // Paints the newest picture's echoes in device coordinates (centre-relative, y up).
    virtual HResult Draw(QPainter& painter) = 0;
    // The listener is told of each new frame from the main loop; cookie names the connection.
    virtual HResult Advise(RadarFrameListener* listener, uint32_t* cookie) = 0;
    virtual HResult Unadvise(uint32_t cookie) = 0;
};

}  // namespace chartengine
