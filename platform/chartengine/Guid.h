#pragma once
// 16-byte identifiers in the COM layout: topics of chart databases and symbolizations, and the
// identifiers of chart objects. Their text form is "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}".

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace chartengine {

struct Guid {
    uint32_t data1 = 0;
    uint16_t data2 = 0;
    uint16_t data3 = 0;
    std::array<uint8_t, 8> data4{};

    bool isNull() const { return *this == Guid{}; }
    friend bool operator==(const Guid&, const Guid&) = default;
};
static_assert(sizeof(Guid) == 16);

// Braces, upper-case hexadecimal.
std::string GuidToText(const Guid& guid);
// Accepts either case; the braces are required. Nothing for any other text.
std::optional<Guid> GuidFromText(std::string_view text);

}  // namespace chartengine
