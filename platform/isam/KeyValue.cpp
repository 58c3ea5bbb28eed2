#include "platform/isam/KeyValue.h"

#include <algorithm>
#include <cstring>

namespace platform::isam {

namespace {

void prepareSegment(const KeySegment& segment, std::byte* value)
{
    if (segment.kind == SegmentKind::SignedInteger) {
        std::reverse(value, value + segment.length);
        value[0] ^= std::byte{0x80};
        return;
    }
    for (uint32_t i = 0; i < segment.length; ++i) {
        const auto c = static_cast<unsigned char>(value[i]);
        if (c >= 'a' && c <= 'z')
            value[i] = static_cast<std::byte>(c - 'a' + 'A');
    }
}

}  // namespace

PreparedKey::PreparedKey(std::span<const std::byte> bytes)
    : size_(std::min(bytes.size(), bytes_.size()))
{
    std::copy_n(bytes.begin(), size_, bytes_.begin());
}

bool PreparedKey::operator==(const PreparedKey& other) const
{
    return size_ == other.size_ && std::memcmp(bytes_.data(), other.bytes_.data(), size_) == 0;
}

void prepareKeyValue(const KeyDefinition& key, std::span<std::byte> value)
{
    std::byte* at = value.data();
    for (const KeySegment& segment : key.segments) {
        prepareSegment(segment, at);
        at += segment.length;
    }
}

PreparedKey keyOfRecord(const KeyDefinition& key, std::span<const std::byte> record)
{
    PreparedKey prepared;
    for (const KeySegment& segment : key.segments) {
        std::byte* at = prepared.bytes_.data() + prepared.size_;
        std::memcpy(at, record.data() + segment.offset, segment.length);
        prepareSegment(segment, at);
        prepared.size_ += segment.length;
    }
    return prepared;
}

PreparedKey prefixUpperBound(std::span<const std::byte> prefix, uint32_t keyLength)
{
    PreparedKey bound(prefix);
    while (bound.size_ > 0 && bound.bytes_[bound.size_ - 1] == std::byte{0xFF})
        --bound.size_;
    if (bound.size_ > 0) {
        bound.bytes_[bound.size_ - 1] = static_cast<std::byte>(
            std::to_integer<unsigned>(bound.bytes_[bound.size_ - 1]) + 1);
        return bound;
    }
    bound.size_ = keyLength + 1;
    std::fill_n(bound.bytes_.begin(), bound.size_, std::byte{0xFF});
    return bound;
}

}  // namespace platform::isam
