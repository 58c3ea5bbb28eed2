#pragma once
// The presentations of the chart: "S52 Base" shows the display base, "S52 Standard" the display
// base and the standard display, "S52 Other" everything that is ever displayed (other and
// mariner's objects too). An object's display category follows its class and geometry in the
// S-52 look-up tables; a class the tables do not know counts as standard. Depth areas and
// contours, obstructions, rocks and wrecks are shown by every presentation: their conditional
// procedures put the safety contour and isolated dangers into the display base, so the
// symbolization decides for each of them (ChartDrawing.h).

#include "platform/chartengine/ChartObject.h"
#include "platform/chartengine/EngineStatus.h"
#include "platform/chartengine/S52Tables.h"

#include <memory>
#include <string>

namespace chartengine {

class GeoDatabase;

inline constexpr char kBasePresentationName[] = "S52 Base";
inline constexpr char kStandardPresentationName[] = "S52 Standard";
inline constexpr char kOtherPresentationName[] = "S52 Other";

class Presentation {
public:
    Presentation(std::string name, DisplayCategory widest);

    const std::string& Name() const { return name_; }
    // *visible 1 when the presentation shows the object, else 0. reserved is 0.
    HResult IsVisible(const ChartObject* object, int32_t reserved, int32_t* visible) const;

private:
    std::string name_;
    DisplayCategory widest_;
};

// The display category of a class for a geometry kind; kDisplayNever for an object without
// geometry.
DisplayCategory DisplayCategoryOf(int32_t classCode, uint8_t geometryKind);

class PresentationFactory {
public:
    // kInvalidArgument for a name that is none of the three, or without an open database.
    HResult Create(const std::string& name, const GeoDatabase* database,
                   std::unique_ptr<Presentation>* presentation) const;
};

}  // namespace chartengine
