#pragma once
// Appending to a file that a power cut may have torn: before the new bytes go on, a torn tail
// that the cut left (part of a record, a line without its end, zero bytes where the last
// record should be) is cut off, so that a later record never reads misaligned; the new bytes
// then go out in one write and reach the disk before the file is closed. A cut during the next
// append loses at most that append.

#include <cstddef>
#include <filesystem>
#include <string_view>

namespace platform {

// What a whole file of appended records looks like.
struct AppendLayout {
    // Records of this many bytes; 0: text lines, each ending in '\n'.
    std::size_t recordSize = 0;
};

// The length of the file's sound part: up to the end of its last whole record (a record of
// nothing but zero bytes is no record), or for text its last '\n'.
std::size_t SoundLength(std::string_view contents, AppendLayout layout);

// Cuts a torn tail off `file` (created when missing) and appends `bytes` durably. True when the
// bytes are on the disk; errno tells why not. A missing folder is not created.
bool AppendDurably(const std::filesystem::path& file, std::string_view bytes, AppendLayout layout);

}  // namespace platform
