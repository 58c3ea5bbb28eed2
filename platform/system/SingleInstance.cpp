#include "platform/system/SingleInstance.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <unistd.h>

namespace platform {

namespace {

// "Varnik V3" -> "<runtime folder>/Varnik V3.<uid>.lock"; characters that do not belong in a
// file name become '_'.
std::filesystem::path LockFileFor(const std::string& name)
{
    std::string stem;
    for (char c : name) {
        const bool safe = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')
            || c == ' ' || c == '-' || c == '_' || c == '.';
        stem.push_back(safe ? c : '_');
    }
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    const std::filesystem::path folder = runtime && *runtime ? runtime : "/tmp";
    return folder / (stem + "." + std::to_string(::getuid()) + ".lock");
}

}  // namespace

SingleInstance::SingleInstance(const std::string& name)
{
    // Close-on-exec, so that child programs do not keep the lock after this process ends.
    const std::filesystem::path file = LockFileFor(name);
    const int fd = ::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) {
        // No lock file can be made: nothing shows another instance, so this one runs.
        lockUnavailable_ = true;
        return;
    }
    int result;
    do {
        result = ::flock(fd, LOCK_EX | LOCK_NB);
    } while (result != 0 && errno == EINTR);
    if (result != 0) {
        const int error = errno;
        ::close(fd);
        lockUnavailable_ = error != EWOULDBLOCK;
        return;
    }
    fd_ = fd;
}

SingleInstance::~SingleInstance()
{
    if (fd_ >= 0)
        ::close(fd_);
}

}  // namespace platform
