#pragma once
// The presentation parameters the symbolization reads from a view's parameter list, by
// identifier (a missing or mistyped parameter keeps the default below):
//
//   0  shallow contour (float, metres)          1  safety depth (float, metres)
//   2  deep contour (float, metres)             7  safety contour (float, metres)
//   8  isolated dangers shown (integer)         9  names shown
//   10 display category: 0 base, 1 standard, 2 other, 3 every category
//   14 data quality shown                       17 plain area boundaries (else symbolized)
//   19 contour labels shown                     22 soundings hidden
//   24 other texts shown                        26 simplified point symbols (else paper chart)
//   34 depth unit: 0 metres, 1 feet, 2 fathoms   43 shallow water pattern
//   44 small text                               48 light descriptions hidden (the program
//                                                 writes its own characteristics)

#include "platform/chartengine/ParameterList.h"
#include "platform/chartengine/S52Tables.h"

namespace chartengine {

inline constexpr int32_t kLightDescriptionsHidden = 48;

enum class DepthUnit : uint8_t { Metres, Feet, Fathoms };

struct PortrayalSettings {
    double shallowContour = 2.0;
    double safetyDepth = 30.0;
    double safetyContour = 30.0;
    double deepContour = 30.0;
    DisplayCategory widestCategory = kDisplayMariners;
    bool isolatedDangers = true;
    bool names = true;
    bool dataQuality = false;
    bool plainBoundaries = false;
    bool contourLabels = false;
    bool soundings = true;
    bool otherTexts = true;
    bool lightDescriptions = true;  // the description beside a light ("Fl G 4s")
    bool simplifiedSymbols = false;
    bool shallowPattern = false;
    bool smallText = false;
    DepthUnit depthUnit = DepthUnit::Metres;

    static PortrayalSettings From(const ParameterList& parameters);
};

}  // namespace chartengine
