#include "userdata/UserFileSets.h"

#include "platform/isam/KeyValue.h"
#include "userdata/UserRecords.h"

#include <algorithm>
#include <stdexcept>

using namespace platform::isam;

namespace {

KeySegment Integer(uint32_t offset, uint32_t length)
{
    return {offset, length, SegmentKind::SignedInteger};
}

KeySegment Text(uint32_t offset, uint32_t length)
{
    return {offset, length, SegmentKind::UpperCaseText};
}

uint16_t ModeOf(bool shared)
{
    return shared ? FileMode::Shared : FileMode::Exclusive | FileMode::WriteThrough;
}

const KeyDefinition& DefinitionOf(UserKey key)
{
    static const std::vector<UserFileSet> sets = UserFileSets({});
    for (const UserFileSet& set : sets) {
        for (const KeyDefinition& definition : set.definition.keys) {
            if (definition.keyNumber == key)
                return definition;
        }
    }
    throw std::invalid_argument("no key of the user database");
}

}  // namespace

const char* UserFileSetName(UserDataFile file)
{
    switch (file) {
    case IdFile:
        return "id";
    case PointFile:
        return "point";
    case InfoFile:
        return "info";
    case SeabedFile:
        return "seabed";
    case AisFile:
        return "ais5";
    }
    return "?";
}

std::vector<UserFileSet> UserFileSets(const UserDatabaseLocation& location)
{
    const uint16_t objects = ModeOf(location.sharedObjects);
    return {
        {UserFileSetName(IdFile),
         {IdFile, location.objectFolder / IdStem, sizeof(IdRecord), objects,
          {{IdTypeKey, false, {Integer(2, 2), Integer(4, 4)}},
           {IdPositionKey, false, {Integer(2, 2), Integer(8, 4), Integer(12, 4)}},
           {IdNumberKey, false, {Integer(4, 4)}}}}},
        {UserFileSetName(PointFile),
         {PointFile, location.objectFolder / PointStem, sizeof(PointRecord), objects,
          {{PointKey, false, {Integer(2, 4), Integer(6, 2)}}}}},
        {UserFileSetName(InfoFile),
         {InfoFile, location.objectFolder / InfoStem, InfoHeadLength,
          static_cast<uint16_t>(objects | FileMode::VariableLength),
          {{InfoKey, false, {Integer(2, 4), Integer(6, 2)}}}}},
        {UserFileSetName(SeabedFile),
         {SeabedFile, location.seabedFolder / SeabedStem, SeabedHeadLength,
          static_cast<uint16_t>(ModeOf(location.sharedSeabed) | FileMode::VariableLength),
          {{SeabedKey, false, {Integer(2, 2), Integer(4, 2)}}}}},
        {UserFileSetName(AisFile),
         {AisFile, location.aisFolder / AisStem, sizeof(AisStaticRecord),
          ModeOf(location.sharedAis),
          {{AisNameKey, true, {Text(18, 12)}},
           {AisMmsiKey, false, {Integer(2, 4)}},
           {AisImoKey, true, {Integer(6, 4)}},
           {AisCallSignKey, true, {Text(10, 8)}}}}},
    };
}

std::vector<std::byte> UserKeyValue(UserKey key, std::span<const std::byte> record)
{
    const KeyDefinition& definition = DefinitionOf(key);
    std::vector<std::byte> value;
    value.reserve(keyLength(definition));
    for (const KeySegment& segment : definition.segments) {
        if (segment.offset + segment.length > record.size())
            throw std::invalid_argument("record too short for the key");
        const auto from = record.begin() + segment.offset;
        value.insert(value.end(), from, from + segment.length);
    }
    prepareKeyValue(definition, value);
    return value;
}
