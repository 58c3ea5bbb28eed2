#include "userdata/ObjectLabel.h"

#include "frame/SetupParameters.h"
#include "userdata/DatabaseReports.h"
#include "userdata/UserDatabase.h"

#include <cstdio>
#include <ctime>

using namespace platform::isam;

namespace {

constexpr char InfoMark = '\xA4';  // "¤": the object has a text, its label had none

bool HasInfoText(int32_t id)
{
    InfoRecord head;
    head.keyId = id;
    head.kind = 0;
    const auto key = UserKeyValue(InfoKey, bytesOf(head).first(InfoHeadLength));
    return UserIsam.keyPresent(InfoKey, key) != 0;
}

std::string DepthText(uint16_t value)
{
    const double depth = value * 0.1 * SetupParameters.DepthFactor;
    char text[48];
    std::snprintf(text, sizeof text, depth < 100.0 ? " %.1f" : " %.0f", depth);
    return text;
}

std::string TimeText(uint32_t time)
{
    const std::time_t moment = std::time_t(time);
    std::tm local{};
    if (!localtime_r(&moment, &local))
        return {};
    char text[48];
    std::snprintf(text, sizeof text, "%02d/%02d-%02d %02d:%02d", local.tm_mday, local.tm_mon + 1,
                  local.tm_year % 100, local.tm_hour, local.tm_min);
    return text;
}

std::string NameText(const IdRecord& object, const ObjectLabelOptions& options)
{
    std::string name = FixedText(object.name);
    if (object.objectType == ObjectType::TRACK && !SetupParameters.TrackNamesShown)
        return {};
    if (object.objectType != ObjectType::SYMBOL || options.symbolEditing || !options.depthMarks || name.empty())
        return name;
    if (name.front() == '@')
        name = DepthText(object.value);  // begins with its blank, which the "+" takes
    else if (name.front() != '/')
        return name;
    name.front() = '+';
    return name;
}

bool DateShown(ObjectType type)
{
    return (type == ObjectType::TRACK && SetupParameters.TrackDatesShown) ||
           (type == ObjectType::SYMBOL && SetupParameters.SymbolDatesShown);
}

}  // namespace

ObjectLabel ObjectLabelText(const IdRecord& object, int32_t number, const ObjectLabelOptions& options)
{
    ObjectLabel label;
    if (number >= 0) {
        label.selected = number >= SelectedWaypointMark;
        label.text = std::to_string(label.selected ? number - SelectedWaypointMark : number);
        return label;
    }
    label.text = NameText(object, options);
    if (label.text.empty() && DateShown(object.objectType))
        label.text = TimeText(object.time);
    if (HasInfoText(object.id))
        label.text = label.text.empty() ? std::string(1, InfoMark) : label.text + " (+)";
    label.plain = !label.text.empty() && label.text.front() == '+';
    if (!label.plain && !label.text.empty() && label.text.front() == InfoMark)
        label.text.front() = '+';
    return label;
}
