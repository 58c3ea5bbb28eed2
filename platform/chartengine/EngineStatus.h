#pragma once
// Results of the chart engine's operations, as COM status values: 0 (or another non-negative
// value) success, negative failure. The values are those the calling code tests.

#include <cstdint>

namespace chartengine {

using HResult = int32_t;

inline constexpr HResult kOk = 0;
// Success with nothing (more) to give: the end of an enumeration.
inline constexpr HResult kFalse = 1;
// The object is not built yet (a palette before its colours were read).
inline constexpr HResult kNotReady = static_cast<HResult>(0x80040007u);
inline constexpr HResult kNoInterface = static_cast<HResult>(0x80004002u);
inline constexpr HResult kNullPointer = static_cast<HResult>(0x80004003u);
inline constexpr HResult kFail = static_cast<HResult>(0x80004005u);
inline constexpr HResult kInvalidArgument = static_cast<HResult>(0x80070057u);
// A file or folder the operation needs is missing.
inline constexpr HResult kFileNotFound = static_cast<HResult>(0x80070002u);
// A file or folder could not be written (no room, no permission).
inline constexpr HResult kWriteFault = static_cast<HResult>(0x8007001Du);
// A stored file is not one of ours or is damaged.
inline constexpr HResult kInvalidData = static_cast<HResult>(0x8007000Du);

inline constexpr bool Failed(HResult result) { return result < 0; }

}  // namespace chartengine
