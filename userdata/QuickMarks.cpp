#include "userdata/QuickMarks.h"

#include "frame/PositionText.h"
#include "platform/system/MessageBox.h"
#include "userdata/ObjectIds.h"
#include "userdata/StoredPosition.h"
#include "userdata/TQueryDlg.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

using platform::isam::Status;

namespace {

constexpr uint16_t ManOverboardColour = 1;  // red
constexpr uint16_t SoundingMarkColour = 6;  // black
constexpr double DepthUnitsPerMetre = 10.0;
constexpr double LargestDepthUnits = 65535.0;

double UsableDepth(float depth)
{
    return std::isnan(depth) || depth < 0.0f ? 0.0 : double(depth);
}

void ReportManOverboardLost(const IdRecord& record)
{
    platform::MessageBoxRequest request;
    request.caption = ManOverboardName;
    request.text = "The man overboard mark could not be stored!\r\nPosition: " +
                   FormatLatLon(record.latitude, false) + "  " + FormatLatLon(record.longitude, true);
    request.icon = platform::MsgIcon::Exclamation;
    request.topMost = true;
    platform::ShowMessageBox(request);
}

}  // namespace

QuickMarkKind QuickMarkKindOf(int32_t code, uint16_t barSymbol)
{
    using Name = QuickMarkKind::Name;
    switch (code) {
    case DepthMarkKeyCode:
        return {0, std::nullopt, Name::Depth, true};
    case SoundingMarkCode:
        return {0, SoundingMarkColour, Name::Depth, true};
    case 117:
        return {15, std::nullopt, Name::None, true};
    case 118:
        return {16, std::nullopt, Name::None, true};
    case 120:
        return {1, std::nullopt, Name::None, true};
    case 121:
        return {3, std::nullopt, Name::None, true};
    case 122:
        return {8, std::nullopt, Name::None, true};
    case ManOverboardCode:
        return {10, ManOverboardColour, Name::ManOverboard, true};
    case EventMarkCode:
        return {barSymbol, std::nullopt, Name::None, true};
    default:
        return {uint16_t(code), std::nullopt, Name::None, false};
    }
}

IdRecord QuickMarkRecord(const QuickMark& mark)
{
    const QuickMarkKind kind = QuickMarkKindOf(mark.code, mark.barSymbol);
    const double depth = UsableDepth(mark.depth);
    IdRecord record;
    record.objectType = ObjectType::SYMBOL;
    record.latitude = StoredFromChart(mark.at.y);
    record.longitude = StoredFromChart(mark.at.x);
    record.time = mark.time;
    record.colour = kind.colour.value_or(uint16_t(mark.colour));
    record.pointCount = kind.symbol;
    record.value = uint16_t(std::lround(std::min(depth * DepthUnitsPerMetre, LargestDepthUnits)));
    if (kind.name == QuickMarkKind::Name::Depth) {
        char name[sizeof record.name];
        std::snprintf(name, sizeof name, "@%.1f", depth);
        SetFixedText(record.name, name);
    } else if (kind.name == QuickMarkKind::Name::ManOverboard) {
        SetFixedText(record.name, ManOverboardName);
    }
    return record;
}

Status AddQuickMark(const QuickMark& mark, IdRecord& stored)
{
    stored = QuickMarkRecord(mark);
    const Status status = AddNewObject(stored, IdRange::Symbol);
    if (status != Status::Ok) {
        if (mark.code == ManOverboardCode)
            ReportManOverboardLost(stored);
        return status;
    }
    if (!QuickMarkKindOf(mark.code, mark.barSymbol).translated && !mark.byContact)
        OfferForNaming(stored);
    return status;
}
