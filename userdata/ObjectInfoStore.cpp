#include "userdata/ObjectInfoStore.h"

#include "frame/SetupParameters.h"
#include "userdata/DatabaseReports.h"
#include "userdata/InfoTexts.h"
#include "userdata/UserDatabase.h"

#include <algorithm>
#include <charconv>
#include <cmath>

using namespace platform::isam;

namespace {

constexpr uint16_t DepthMarkIcon = 0;

// The name's record wants rewriting: a new name, or a line whose colour does not say what the
// guard-zone choice says.
bool RecordChanges(const IdRecord& shown, const ObjectInfoChange& change)
{
    if (change.name)
        return true;
    return change.guardZone && shown.objectType == ObjectType::LINE &&
           *change.guardZone != (shown.colour == GuardZoneColour);
}

}  // namespace

uint16_t DepthMarkValue(std::string_view name, float depthFactor)
{
    std::string_view number = name.substr(std::min<size_t>(1, name.size()));
    number.remove_prefix(std::min(number.find_first_not_of(' '), number.size()));
    double depth = 0.0;
    std::from_chars(number.data(), number.data() + number.size(), depth);
    const double value = depth * 10.0 / depthFactor;
    if (!(value > 0.0))
        return 0;
    return uint16_t(std::trunc(std::min(value, 65535.0)));
}

ObjectInfoStored StoreObjectInfo(const IdRecord& shown, const ObjectInfoChange& change)
{
    ObjectInfoStored stored{shown, false, {}};
    if (RecordChanges(shown, change)) {
        IdRecord record = shown;
        const Status found = CheckRecordStatus(
            "read", IdFile,
            UserIsam.readEqual(IdTypeKey, UserKeyValue(IdTypeKey, bytesOf(record)), bytesOf(record)));
        if (found == Status::Ok) {
            const uint16_t colour = record.colour;
            if (change.name) {
                const std::string name = change.name->substr(0, ObjectNameMaximum);
                SetFixedText(record.name, name);
                if (record.objectType == ObjectType::SYMBOL && name.starts_with('@')) {
                    record.value = DepthMarkValue(name, SetupParameters.DepthFactor);
                    record.colour = DepthMarkColour;
                    record.pointCount = DepthMarkIcon;
                }
            }
            if (change.guardZone && record.objectType == ObjectType::LINE) {
                if (*change.guardZone)
                    record.colour = GuardZoneColour;
                else if (record.colour == GuardZoneColour)
                    record.colour = FormerGuardZoneColour;
            }
            if (CheckRecordStatus("rewrite", IdFile, UserIsam.rewriteRecord(IdFile, bytesOf(record))) ==
                Status::Ok) {
                stored.object = record;
                stored.colourChanged = record.colour != colour;
            }
        }
    }
    if (change.text && change.textKind) {
        stored.text = change.text->substr(0, InfoTextMaximum);
        WriteObjectText(shown.id, *change.textKind, stored.text);
    }
    return stored;
}
