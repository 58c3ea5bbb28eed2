#pragma once
// The standard S-57 codes of the object classes and attributes the engine itself reads. The
// dictionary (ChartDictionary.h) gives every code by its acronym; these are the ones the
// installer, the area checks and the chart drawing need without a lookup.

#include <cstdint>

namespace chartengine::s57class {

inline constexpr int32_t BRIDGE = 11;
inline constexpr int32_t CBLOHD = 21;
inline constexpr int32_t CONVYR = 34;
inline constexpr int32_t DEPARE = 42;
inline constexpr int32_t DEPCNT = 43;
inline constexpr int32_t DRGARE = 46;
inline constexpr int32_t LNDARE = 71;
inline constexpr int32_t LIGHTS = 75;
inline constexpr int32_t OBSTRN = 86;
inline constexpr int32_t PIPOHD = 93;
inline constexpr int32_t SOUNDG = 129;
inline constexpr int32_t UWTROC = 153;
inline constexpr int32_t WRECKS = 159;
inline constexpr int32_t M_COVR = 302;
inline constexpr int32_t M_QUAL = 308;

}  // namespace chartengine::s57class

namespace chartengine::s57attribute {

inline constexpr int32_t BOYSHP = 4;
inline constexpr int32_t CATCOV = 18;
inline constexpr int32_t CATSLC = 60;
inline constexpr int32_t CATWRK = 71;
inline constexpr int32_t COLOUR = 75;
inline constexpr int32_t COLPAT = 76;
inline constexpr int32_t CONDTN = 81;
inline constexpr int32_t CONRAD = 82;
inline constexpr int32_t DRVAL1 = 87;
inline constexpr int32_t DRVAL2 = 88;
inline constexpr int32_t LITCHR = 107;
inline constexpr int32_t RESTRN = 131;
inline constexpr int32_t SCAMIN = 133;
inline constexpr int32_t SECTR1 = 136;
inline constexpr int32_t SECTR2 = 137;
inline constexpr int32_t SIGGRP = 141;
inline constexpr int32_t SIGPER = 142;
inline constexpr int32_t TOPSHP = 171;
inline constexpr int32_t VALDCO = 174;
inline constexpr int32_t VALSOU = 179;
inline constexpr int32_t VERCLR = 181;
inline constexpr int32_t VERCCL = 182;
inline constexpr int32_t VERCOP = 183;
inline constexpr int32_t VERCSA = 184;
inline constexpr int32_t WATLEV = 187;
inline constexpr int32_t QUAPOS = 402;

}  // namespace chartengine::s57attribute
