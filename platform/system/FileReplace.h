#pragma once
// Replacing a file whole without ever leaving a torn one: the bytes go into "<target>.tmp" in
// the same folder, reach the disk (unless the caller can do without), and the temporary is
// renamed over the target. On failure the temporary is removed and the target is as it was.

#include <filesystem>
#include <string_view>

namespace platform {

// Whether the bytes and the rename are on the disk before the call returns. A file that costs
// little to lose in a power cut (a screenshot) spares the wait; no reader ever sees it torn.
enum class ReplaceSync { ToDisk, Later };

// True when target now holds bytes; errno tells why not.
bool ReplaceFile(const std::filesystem::path& target, std::string_view bytes,
                 ReplaceSync sync = ReplaceSync::ToDisk);

}  // namespace platform
