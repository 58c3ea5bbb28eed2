#include "platform/system/FileReplace.h"
#include "platform/system/WriteAll.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace platform {

namespace {

// Makes the rename itself durable; a folder that cannot be synced does not undo the save.
void SyncFolder(const std::filesystem::path& folder)
{
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

}  // namespace

bool ReplaceFile(const std::filesystem::path& target, std::string_view bytes, ReplaceSync sync)
{
    const bool toDisk = sync == ReplaceSync::ToDisk;
    std::filesystem::path temporary = target;
    temporary += ".tmp";
    // A link placed at the temporary's name is not followed.
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (fd < 0)
        return false;
    const bool written = WriteAll(fd, bytes) && (!toDisk || ::fsync(fd) == 0);
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || ::rename(temporary.c_str(), target.c_str()) != 0) {
        const int reason = errno;
        ::unlink(temporary.c_str());
        errno = reason;
        return false;
    }
    if (toDisk)
        SyncFolder(target.parent_path());
    return true;
}

}  // namespace platform
