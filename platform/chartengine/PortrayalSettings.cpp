#include "platform/chartengine/PortrayalSettings.h"

#include <algorithm>

namespace chartengine {

namespace {

void ReadReal(const ParameterList& parameters, int32_t identifier, double& value)
{
    const ParameterValue* found = parameters.Find(identifier);
    if (!found)
        return;
    if (const float* f = std::get_if<float>(found))
        value = *f;
    else if (const double* d = std::get_if<double>(found))
        value = *d;
}

void ReadFlag(const ParameterList& parameters, int32_t identifier, bool& value)
{
    const ParameterValue* found = parameters.Find(identifier);
    if (const int32_t* i = found ? std::get_if<int32_t>(found) : nullptr)
        value = *i != 0;
}

int32_t ReadInteger(const ParameterList& parameters, int32_t identifier, int32_t fallback)
{
    const ParameterValue* found = parameters.Find(identifier);
    const int32_t* i = found ? std::get_if<int32_t>(found) : nullptr;
    return i ? *i : fallback;
}

}  // namespace

PortrayalSettings PortrayalSettings::From(const ParameterList& parameters)
{
    PortrayalSettings s;
    ReadReal(parameters, 0, s.shallowContour);
    ReadReal(parameters, 1, s.safetyDepth);
    ReadReal(parameters, 2, s.deepContour);
    ReadReal(parameters, 7, s.safetyContour);
    ReadFlag(parameters, 8, s.isolatedDangers);
    ReadFlag(parameters, 9, s.names);
    s.widestCategory =
        static_cast<DisplayCategory>(std::clamp<int32_t>(ReadInteger(parameters, 10, kDisplayMariners), 0, 3));
    ReadFlag(parameters, 14, s.dataQuality);
    ReadFlag(parameters, 17, s.plainBoundaries);
    ReadFlag(parameters, 19, s.contourLabels);
    bool hideSoundings = !s.soundings;
    ReadFlag(parameters, 22, hideSoundings);
    s.soundings = !hideSoundings;
    ReadFlag(parameters, 24, s.otherTexts);
    ReadFlag(parameters, 26, s.simplifiedSymbols);
    bool hideLightDescriptions = !s.lightDescriptions;
    ReadFlag(parameters, kLightDescriptionsHidden, hideLightDescriptions);
    s.lightDescriptions = !hideLightDescriptions;
    s.depthUnit = static_cast<DepthUnit>(std::clamp<int32_t>(ReadInteger(parameters, 34, 0), 0, 2));
    ReadFlag(parameters, 43, s.shallowPattern);
    ReadFlag(parameters, 44, s.smallText);
    return s;
}

}  // namespace chartengine
