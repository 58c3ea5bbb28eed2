#pragma once
// A field of the settings record by its place in dta.res, for the tables that treat many fields
// alike (the clamps, the main INI file). Reads and writes go through the bytes, so they are safe
// on the packed layout.

#include "frame/SetupParameters.h"

#include <cstddef>
#include <cstdint>
#include <type_traits>

struct SetupField {
    std::size_t offset;
    std::size_t size;  // bytes of one element: 1, 2 or 4
    bool isSigned;
    int count;         // elements of an array field, else 1

    int64_t read(const SetupParametersRecord& record, int element = 0) const;
    // Stores the low bytes of value.
    void write(SetupParametersRecord& record, int64_t value, int element = 0) const;
};

template <typename Field>
constexpr SetupField MakeSetupField(std::size_t offset)
{
    using Element = std::remove_all_extents_t<Field>;
    static_assert(std::is_integral_v<Element> && sizeof(Element) <= 4);
    return {offset, sizeof(Element), std::is_signed_v<Element>, int(sizeof(Field) / sizeof(Element))};
}

#define SETUP_FIELD(name)                                      \
    MakeSetupField<decltype(SetupParametersRecord::name)>(     \
        offsetof(SetupParametersRecord, name))
