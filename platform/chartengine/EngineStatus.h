#pragma once
// Results of the chart engine's operations, as COM status values: 0 (or another non-negative
// value) success, negative failure. The values are those the calling code tests.

#include <cstdint>
#include <string>

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

// The engine's text for a failure status, for the user.
inline std::string StatusText(HResult result)
{
    switch (result) {
    case kNotReady: return "The chart database is not open.";
    case kNoInterface: return "The chart engine object does not offer this service.";
    case kNullPointer: return "The chart engine was given no object to work on.";
    case kInvalidArgument: return "The chart engine was given a value it cannot use.";
    case kFileNotFound: return "A file or folder the chart engine needs was not found.";
    case kInvalidData: return "A chart file is damaged or is not a chart file.";
    default: return "The chart engine failed (status " + std::to_string(result) + ").";
    }
}

}  // namespace chartengine
