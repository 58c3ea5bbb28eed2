#include "app/WarningClassNames.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {

constexpr std::array<std::pair<int32_t, const char*>, 31> ClassNames{{
    {4, "Anchorage area"},     {20, "Cable area"},         {25, "Cargo tranship"},
    {27, "Caution area"},      {40, "Deepw. routeline"},   {41, "Deepw. routepart"},
    {46, "Dredged area"},      {48, "Dumping ground"},     {51, "Fairway "},
    {56, "Fishing ground"},    {66, "Ice area"},           {67, "Incineration area"},
    {68, "Inshore traf. zone"}, {83, "Military area"},     {88, "Offsh. prod. area"},
    {92, "Pipeline area"},     {96, "Precaution area"},    {108, "Recomm. route"},
    {109, "Recomm. track"},    {110, "Recomm. lane"},      {112, "Restricted area"},
    {120, "Sea-plane landing"}, {133, "Submarine transit"}, {134, "Swept area"},
    {145, "Traff. separ. line"}, {146, "Traff. sep. bound."}, {147, "Traff. crossing"},
    {148, "Traff. separ. lane"}, {149, "Traff. roundabout"}, {150, "Traff. separation"},
    {152, "Two-way route"},
}};

}  // namespace

const char* WarningClassName(int32_t code)
{
    const auto found = std::find_if(ClassNames.begin(), ClassNames.end(),
                                    [code](const auto& entry) { return entry.first == code; });
    return found != ClassNames.end() ? found->second : "Query chart info";
}
