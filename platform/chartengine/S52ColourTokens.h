#pragma once
// The 63 S-52 colour tokens by name, in colour-table order (the index of a colour in each
// scheme of kS52ColourTables).

#include <array>
#include <string_view>

namespace chartengine {

inline constexpr std::array<std::string_view, 63> kS52ColourTokens = {
    "NODTA", "CURSR", "CHBLK", "CHGRD", "CHGRF", "CHRED", "CHGRN", "CHYLW", "CHMGD", "CHMGF", "CHBRN",
    "CHWHT", "SCLBR", "CHCOR", "LITRD", "LITGN", "LITYW", "ISDNG", "DNGHL", "TRFCD", "TRFCF", "LANDA",
    "LANDF", "CSTLN", "SNDG1", "SNDG2", "DEPSC", "DEPCN", "DEPDW", "DEPMD", "DEPMS", "DEPVS", "DEPIT",
    "RADHI", "RADLO", "ARPAT", "NINFO", "RESBL", "ADINF", "RESGR", "SHIPS", "PSTRK", "SYTRK", "PLRTE",
    "APLRT", "UINFD", "UINFF", "UIBCK", "UIAFD", "UINFR", "UINFG", "UINFO", "UINFB", "UINFM", "UIBDR",
    "UIAFF", "OUTLW", "OUTLL", "RES01", "RES02", "RES03", "BKAJ1", "BKAJ2"};

// The tokens the drawing names itself.
enum S52Colour : int {
    kCHBLK = 2,
    kCHGRD = 3,
    kCHGRF = 4,
    kCHRED = 5,
    kCHGRN = 6,
    kCHYLW = 7,
    kCHMGD = 8,
    kCHMGF = 9,
    kCHBRN = 10,
    kCHWHT = 11,
    kCHCOR = 13,
    kLITRD = 14,
    kLITGN = 15,
    kLITYW = 16,
    kISDNG = 17,
    kTRFCD = 19,
    kLANDA = 21,
    kLANDF = 22,
    kCSTLN = 23,
    kSNDG1 = 24,
    kSNDG2 = 25,
    kDEPSC = 26,
    kDEPCN = 27,
    kDEPDW = 28,
    kDEPMD = 29,
    kDEPMS = 30,
    kDEPVS = 31,
    kDEPIT = 32,
    kRESBL = 37,
};

// The index of a token, or -1 for a name that is none.
constexpr int S52ColourIndex(std::string_view token)
{
    for (size_t i = 0; i < kS52ColourTokens.size(); ++i)
        if (kS52ColourTokens[i] == token)
            return static_cast<int>(i);
    return -1;
}

}  // namespace chartengine
