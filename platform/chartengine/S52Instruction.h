#pragma once
// The symbology instructions of the S-52 look-up tables, parsed: area colour AC(colour[,transparency]),
// area pattern AP(name), simple line LS(style,width,colour), complex line LC(name), symbol
// SY(name[,rotation]), texts TX(attribute,...) and TE('format','attributes',...), conditional
// procedure CS(name). The conditional procedures add three kinds of their own: a sounding, a
// light's sector and a contour label.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace chartengine {

class ChartDictionary;

enum class S52InstructionKind : uint8_t {
    AreaColour,
    AreaPattern,
    SimpleLine,
    ComplexLine,
    Symbol,
    Text,
    Conditional,
    Sounding,
    LightSector,
    ContourLabel,
};

enum class S52LineStyle : uint8_t { Solid, Dashed, Dotted };

// Text placement: hjust 1 centre, 2 right, 3 left; vjust 1 bottom, 2 centre, 3 top; offsets in
// units of the body size.
struct S52TextStyle {
    int8_t hjust = 1;
    int8_t vjust = 1;
    int8_t xOffset = 0;
    int8_t yOffset = 0;
    uint8_t bodySize = 10;  // points
    bool bold = false;
    bool italic = false;
    uint8_t group = 0;  // S-52 text group: below 20 important text, 21 and 26 names, the rest other

    friend bool operator==(const S52TextStyle&, const S52TextStyle&) = default;
};

struct S52Instruction {
    S52InstructionKind kind = S52InstructionKind::AreaColour;
    std::string name;  // pattern, complex line, symbol or procedure
    int colour = -1;   // colour token index
    int transparency = 0;  // 0 opaque .. 3 (75 %)
    S52LineStyle lineStyle = S52LineStyle::Solid;
    int width = 1;  // units of 0.32 mm
    // Symbols: turned by the value of this attribute (0 for none), or by rotation degrees.
    int32_t rotationAttribute = 0;
    double rotation = 0.0;
    // Texts: a printf format and the attributes it takes, in order; a TX has the format "%s".
    std::string format;
    std::vector<int32_t> textAttributes;
    S52TextStyle text;
    // Soundings, contour labels and light sectors: the depth (metres), or the sector's limits as
    // bearings from seaward (degrees).
    double value = 0.0;
    double value2 = 0.0;
};

// Parses an instruction text ("AC(DEPVS);LS(DASH,1,CHGRD)"). Unknown instructions, colours that
// are no token and texts naming attributes the dictionary does not know are left out.
std::vector<S52Instruction> ParseS52Instructions(std::string_view text, const ChartDictionary& dictionary);

}  // namespace chartengine
