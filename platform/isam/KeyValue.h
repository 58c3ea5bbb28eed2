#pragma once
// Key values in their prepared form, in which byte order is key order: an integer segment becomes
// big-endian with its sign bit flipped, a text segment has its ASCII letters upper-cased. Keys
// are stored prepared and compared as byte strings.

#include "platform/isam/FileDefinition.h"

#include <array>
#include <cstddef>
#include <span>

namespace platform::isam {

// A prepared key value, or a bound one byte longer than any key.
class PreparedKey {
public:
    PreparedKey() = default;
    explicit PreparedKey(std::span<const std::byte> bytes);

    std::span<const std::byte> bytes() const { return {bytes_.data(), size_}; }
    bool operator==(const PreparedKey& other) const;

private:
    friend PreparedKey keyOfRecord(const KeyDefinition&, std::span<const std::byte>);
    friend PreparedKey prefixUpperBound(std::span<const std::byte>, uint32_t);

    std::array<std::byte, MaxKeyLength + 1> bytes_{};
    size_t size_ = 0;
};

// Converts a key value given as its segments in record form (little-endian integers, text),
// packed one after the other, to the prepared form, in place. value holds at least the key.
void prepareKeyValue(const KeyDefinition& key, std::span<std::byte> value);

// The prepared key of a record; the record holds every segment of the key.
PreparedKey keyOfRecord(const KeyDefinition& key, std::span<const std::byte> record);

// The least byte string above every key of keyLength bytes that starts with prefix: the prefix
// with its last byte below 0xFF raised by one (and the bytes after it dropped); with no such
// byte, keyLength + 1 bytes of 0xFF.
PreparedKey prefixUpperBound(std::span<const std::byte> prefix, uint32_t keyLength);

}  // namespace platform::isam
