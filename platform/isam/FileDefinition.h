#pragma once
// What a file set is: its data file number, its path, its records and its keys. Data files and
// keys share one range of numbers (0 .. file count - 1); keyed operations take a key number,
// record operations the data file number.

#include <cstdint>
#include <filesystem>
#include <vector>

namespace platform::isam {

// Open modes, combined with |.
namespace FileMode {
inline constexpr uint16_t Exclusive = 0x0000;       // one opener; others fail with FileLocked
inline constexpr uint16_t Shared = 0x0001;          // several programs read and write the set
inline constexpr uint16_t WriteThrough = 0x0002;    // every change durable before the call returns
inline constexpr uint16_t VariableLength = 0x0004;  // records from the record length up
}  // namespace FileMode

enum class SegmentKind : uint8_t {
    SignedInteger,  // little-endian two's complement in the record, compared as signed
    UpperCaseText,  // bytes compared with ASCII letters upper-cased
};

struct KeySegment {
    uint32_t offset = 0;  // byte offset in the record
    uint32_t length = 0;  // bytes; an integer segment has 1 to 8
    SegmentKind kind = SegmentKind::SignedInteger;
};

struct KeyDefinition {
    int keyNumber = 0;
    bool duplicates = false;  // equal values allowed, ordered by record position
    std::vector<KeySegment> segments;
};

struct FileDefinition {
    int dataFileNumber = 0;
    std::filesystem::path path;  // without extension: the set is <path>.dat and <path>.idx
    uint32_t recordLength = 0;   // fixed: every record; variable: the shortest record, which
                                 // holds all key segments
    uint16_t mode = FileMode::Exclusive;
    std::vector<KeyDefinition> keys;
};

// Longest key (sum of its segment lengths) a definition may have.
inline constexpr uint32_t MaxKeyLength = 64;

uint32_t keyLength(const KeyDefinition& key);
bool isVariableLength(const FileDefinition& definition);

// Record length above 0, at least one segment per key, every segment inside the record,
// integer segments 1 to 8 bytes, keys up to MaxKeyLength, no number used twice.
bool isValid(const FileDefinition& definition);

}  // namespace platform::isam
