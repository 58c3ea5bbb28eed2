#pragma once
// The colours of a symbolization for one colour scheme, as the chart palettes are built from.
// They come from the presentation's palette file, an INI file "<name>.pal" whose section (the
// presentation's name) has "Colors" (0 or missing: no colours), "StartIndex" and one colour list
// per scheme ("Day Bright", "Day Blackback", "Day Whiteback", "Dusk", "Night"). A list holds
// items separated by ";" or blanks: RGB(r,g,b) with decimal components 0..255, or a hexadecimal
// COLORREF (red in the low byte, "0x" allowed) up to FFFFFF. Any other item is skipped.
//
// The file is the one named with the request; when it gives no colours, the one the registry
// store names for the presentation ("Topics\{topic}\Pres\<subkey>", values "Name" and "Path",
// a relative path taken from the store file's folder); when neither gives colours, the
// symbolization's own colours of the scheme.

#include "platform/chartengine/Symbolization.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

inline constexpr std::array<const char*, 5> ColourSchemeNames = {"Day Bright", "Day Blackback", "Day Whiteback",
                                                                  "Dusk", "Night"};

// Which colours are wanted: the scheme (0 day bright, 1 day blackback, 2 day whiteback, 3 dusk,
// 4 night), the presentation's name, the palette file named with the symbolization (may be
// empty) and the registry store that says where the presentations' palette files are.
struct PaletteRequest {
    int32_t scheme = 0;
    std::string name;
    std::filesystem::path file;
    std::filesystem::path registryStore;
};

// Fills colours (emptied first) for the request. kNotReady without a symbolization, the
// symbolization's failure when its own colours were the last source and it refused them, kFail
// when no colour resulted.
chartengine::HResult LoadPaletteFiles(const PaletteRequest& request, const chartengine::Symbolization* symbolization,
                                      std::vector<chartengine::ColourEntry>& colours);

// Appends the colours of the scheme's list in the section of the file and reads "StartIndex";
// the number of entries in colours afterwards, 0 when the file gives nothing (a scheme outside
// 0..4, no file, "Colors" 0 or missing, an empty list). A list longer than 4096 characters is
// read up to there.
int32_t ParsePaletteFile(int32_t scheme, const std::string& section, std::vector<chartengine::ColourEntry>& colours,
                         int32_t& startIndex, const std::filesystem::path& file);

// One item of a colour list as a COLORREF; nothing for an item that is no colour.
std::optional<uint32_t> ParsePaletteColour(std::string_view item);
