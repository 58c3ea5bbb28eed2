#pragma once
// Reference tables of the S-52 presentation library that the engine portrays with: the 63
// colour tokens of each colour scheme, and the display category of each object class.

#include <array>
#include <cstdint>

namespace chartengine {

inline constexpr int kColourSchemeCount = 5;  // day bright, day blackback, day whiteback, dusk, night
inline constexpr int kS52ColourCount = 63;

struct ColourRgb {
    uint8_t r = 0;
    uint8_t g = 0;
    uint8_t b = 0;
};

// Indexed by scheme, then by colour token in table order (NODTA, CURSR, CHBLK, ...).
extern const std::array<std::array<ColourRgb, kS52ColourCount>, kColourSchemeCount> kS52ColourTables;

// Display categories: 0 display base, 1 standard, 2 other, 3 mariner's, 4 never displayed.
enum DisplayCategory : uint8_t {
    kDisplayBase = 0,
    kDisplayStandard = 1,
    kDisplayOther = 2,
    kDisplayMariners = 3,
    kDisplayNever = 4,
};

struct ClassDisplayCategories {
    int32_t classCode;
    std::array<uint8_t, 3> byGeometry;  // point, line, area
};

// Sorted by class code.
extern const std::array<ClassDisplayCategories, 203> kS52DisplayCategories;

}  // namespace chartengine
