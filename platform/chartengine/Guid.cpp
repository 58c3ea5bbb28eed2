#include "platform/chartengine/Guid.h"

#include <cstdio>

namespace chartengine {

namespace {

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Reads 2 x bytes hexadecimal digits from text at pos into value; false on a non-digit.
bool ReadHex(std::string_view text, size_t pos, int bytes, uint64_t& value)
{
    value = 0;
    for (int i = 0; i < 2 * bytes; ++i) {
        const int digit = HexDigit(text[pos + i]);
        if (digit < 0)
            return false;
        value = (value << 4) | static_cast<uint64_t>(digit);
    }
    return true;
}

}  // namespace

std::string GuidToText(const Guid& g)
{
    char text[39];
    std::snprintf(text, sizeof text, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}",
                  g.data1, g.data2, g.data3, g.data4[0], g.data4[1], g.data4[2], g.data4[3],
                  g.data4[4], g.data4[5], g.data4[6], g.data4[7]);
    return text;
}

std::optional<Guid> GuidFromText(std::string_view text)
{
    if (text.size() != 38 || text.front() != '{' || text.back() != '}' || text[9] != '-' ||
        text[14] != '-' || text[19] != '-' || text[24] != '-')
        return std::nullopt;
    Guid guid;
    uint64_t value = 0;
    if (!ReadHex(text, 1, 4, value))
        return std::nullopt;
    guid.data1 = static_cast<uint32_t>(value);
    if (!ReadHex(text, 10, 2, value))
        return std::nullopt;
    guid.data2 = static_cast<uint16_t>(value);
    if (!ReadHex(text, 15, 2, value))
        return std::nullopt;
    guid.data3 = static_cast<uint16_t>(value);
    constexpr size_t kBytePositions[8] = {20, 22, 25, 27, 29, 31, 33, 35};
    for (int i = 0; i < 8; ++i) {
        if (!ReadHex(text, kBytePositions[i], 1, value))
            return std::nullopt;
        guid.data4[i] = static_cast<uint8_t>(value);
    }
    return guid;
}

}  // namespace chartengine
