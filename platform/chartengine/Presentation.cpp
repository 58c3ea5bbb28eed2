#include "platform/chartengine/Presentation.h"

#include "platform/chartengine/GeoDatabase.h"
#include "platform/chartengine/S57Codes.h"

#include <algorithm>

namespace chartengine {

namespace {

// The classes whose objects may belong to the display base by their attributes.
constexpr int32_t kClassesDecidedByObject[] = {s57class::DEPARE, s57class::DEPCNT, s57class::OBSTRN,
                                               s57class::UWTROC, s57class::WRECKS};

}  // namespace

Presentation::Presentation(std::string name, DisplayCategory widest) : name_(std::move(name)), widest_(widest) {}

HResult Presentation::IsVisible(const ChartObject* object, int32_t, int32_t* visible) const
{
    if (!visible)
        return kNullPointer;
    if (!object || object->isNull())
        return kInvalidArgument;
    const DisplayCategory category = DisplayCategoryOf(object->ClassCode(), object->Kind());
    const bool decidedByObject = std::find(std::begin(kClassesDecidedByObject), std::end(kClassesDecidedByObject),
                                           object->ClassCode()) != std::end(kClassesDecidedByObject);
    *visible = category != kDisplayNever && (category <= widest_ || decidedByObject) ? 1 : 0;
    return kOk;
}

DisplayCategory DisplayCategoryOf(int32_t classCode, uint8_t geometryKind)
{
    int geometry = 0;
    switch (geometryKind) {
    case kGeometryPoint:
    case kGeometryPointSet:
        geometry = 0;
        break;
    case kGeometryLine:
        geometry = 1;
        break;
    case kGeometryArea:
        geometry = 2;
        break;
    default:
        return kDisplayNever;
    }
    const auto found = std::lower_bound(kS52DisplayCategories.begin(), kS52DisplayCategories.end(), classCode,
                                         [](const ClassDisplayCategories& entry, int32_t code) {
                                             return entry.classCode < code;
                                         });
    if (found == kS52DisplayCategories.end() || found->classCode != classCode)
        return kDisplayStandard;
    return static_cast<DisplayCategory>(found->byGeometry[geometry]);
}

HResult PresentationFactory::Create(const std::string& name, const GeoDatabase* database,
                                    std::unique_ptr<Presentation>* presentation) const
{
    if (!presentation)
        return kNullPointer;
    if (!database || !database->isOpen())
        return kInvalidArgument;
    DisplayCategory widest;
    if (name == kBasePresentationName)
        widest = kDisplayBase;
    else if (name == kStandardPresentationName)
        widest = kDisplayStandard;
    else if (name == kOtherPresentationName)
        widest = kDisplayMariners;
    else
        return kInvalidArgument;
    *presentation = std::make_unique<Presentation>(name, widest);
    return kOk;
}

}  // namespace chartengine
