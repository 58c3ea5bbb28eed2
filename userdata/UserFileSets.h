#pragma once
// The five file sets of the user-object database: their numbers, files, records and keys.
// Each set is <folder>/<stem>.dat with its <folder>/<stem>.idx; the stems are spelt one way
// only, here, and every caller takes them from here.

#include "platform/isam/FileDefinition.h"

#include <cstddef>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

// Data file numbers (record operations).
enum UserDataFile : int {
    IdFile = 0,
    PointFile = 4,
    InfoFile = 6,
    SeabedFile = 8,
    AisFile = 10,
};

// Key numbers (reads and presence tests). Integer segments compare signed, text upper-cased.
enum UserKey : int {
    IdTypeKey = 1,         // id: object type, object id; unique
    IdPositionKey = 2,     // id: object type, latitude, longitude; unique
    IdNumberKey = 3,       // id: object id; unique over all objects
    PointKey = 5,          // point: object id, sequence (compared signed); unique
    InfoKey = 7,           // info: key id, kind; unique
    SeabedKey = 9,         // seabed: tile row, tile column; unique
    AisNameKey = 11,       // ais5: ship name, 12 characters; duplicates
    AisMmsiKey = 12,       // ais5: MMSI; unique
    AisImoKey = 13,        // ais5: IMO number; duplicates
    AisCallSignKey = 14,   // ais5: call sign; duplicates
};

// Data files and keys share the numbers 0 .. UserFileCount - 1.
constexpr int UserFileCount = 15;

inline constexpr const char* IdStem = "id";
inline constexpr const char* PointStem = "point";
inline constexpr const char* InfoStem = "info";
inline constexpr const char* SeabedStem = "seadpt";
inline constexpr const char* AisStem = "aisinfo";

// Where the file sets lie and how they are opened: shared with other stations, or exclusive
// with write-through.
struct UserDatabaseLocation {
    std::filesystem::path objectFolder;  // the data set in use: id, point, info
    std::filesystem::path seabedFolder;  // Data_A, or Data_F for data set F: seadpt
    std::filesystem::path aisFolder;     // the replay folder: aisinfo
    bool sharedObjects = false;
    bool sharedSeabed = false;
    bool sharedAis = false;
};

// The file set's name in messages and reports: "id", "point", "info", "seabed", "ais5".
const char* UserFileSetName(UserDataFile file);

// A file set as the database opens it: its name and its definition.
struct UserFileSet {
    std::string name;
    platform::isam::FileDefinition definition;
};

// The five sets in opening order: id, point, info, seabed, ais5.
std::vector<UserFileSet> UserFileSets(const UserDatabaseLocation& location);

// The prepared value of a key of the user database, its segments taken from a record of the
// key's file (for a variable-length file, its head is enough). For keyed reads and presence
// tests.
std::vector<std::byte> UserKeyValue(UserKey key, std::span<const std::byte> record);
