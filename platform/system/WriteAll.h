#pragma once
// Writes the whole of `data` to the descriptor, going on after a short write or an interrupted
// call; false on any other failure.

#include <cerrno>
#include <string_view>
#include <unistd.h>

namespace platform {

inline bool WriteAll(int fd, std::string_view data)
{
    while (!data.empty()) {
        const ssize_t n = ::write(fd, data.data(), data.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

}  // namespace platform
