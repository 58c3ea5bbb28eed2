#pragma once
// Replacing a file whole without ever leaving a torn one: the bytes go into "<target>.tmp" in
// the same folder, reach the disk, and the temporary is renamed over the target. On failure the
// temporary is removed and the target is as it was.

#include <filesystem>
#include <string_view>

namespace platform {

// True when target now holds bytes; errno tells why not.
bool ReplaceFile(const std::filesystem::path& target, std::string_view bytes);

}  // namespace platform
