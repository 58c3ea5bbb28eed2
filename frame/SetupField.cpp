#include "frame/SetupField.h"

#include <cstring>

int64_t SetupField::read(const SetupParametersRecord& record, int element) const
{
    const auto* at = reinterpret_cast<const unsigned char*>(&record) + offset
                     + std::size_t(element) * size;
    uint32_t raw = 0;
    std::memcpy(&raw, at, size);  // little-endian: the field is the low bytes
    if (!isSigned)
        return raw;
    const unsigned bits = unsigned(size) * 8;
    const uint32_t signBit = uint32_t(1) << (bits - 1);
    return int64_t(raw ^ signBit) - int64_t(signBit);
}

void SetupField::write(SetupParametersRecord& record, int64_t value, int element) const
{
    auto* at = reinterpret_cast<unsigned char*>(&record) + offset + std::size_t(element) * size;
    const auto raw = uint32_t(value);
    std::memcpy(at, &raw, size);
}
