#include "platform/system/DurableAppend.h"
#include "platform/system/WriteAll.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

// The file's last `length` bytes at most, read from its end.
bool ReadTail(int fd, off_t size, std::size_t length, std::string& tail)
{
    tail.resize(std::min<std::size_t>(length, static_cast<std::size_t>(size)));
    std::size_t done = 0;
    while (done < tail.size()) {
        const ssize_t n = ::pread(fd, tail.data() + done, tail.size() - done,
                                  size - static_cast<off_t>(tail.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Where the sound part of the file ends, reading back only as far as a torn tail can reach.
bool SoundEnd(int fd, AppendLayout layout, off_t& end)
{
    struct stat status {};
    if (::fstat(fd, &status) != 0)
        return false;
    off_t size = status.st_size;
    if (layout.recordSize > 0)
        size -= size % static_cast<off_t>(layout.recordSize);
    std::string tail;
    // A block at a time from the end: a cut leaves a short run of zeros or one unended line.
    for (std::size_t block = 4096;; block *= 2) {
        // Whole records only, so that the tail starts on a record's boundary.
        const std::size_t length =
            layout.recordSize > 0 ? std::max(block - block % layout.recordSize, layout.recordSize) : block;
        if (!ReadTail(fd, size, length, tail))
            return false;
        const std::size_t sound = SoundLength(tail, layout);
        const bool wholeFile = tail.size() == static_cast<std::size_t>(size);
        if (sound > 0 || wholeFile) {
            end = size - static_cast<off_t>(tail.size() - sound);
            return true;
        }
    }
}

}  // namespace

std::size_t SoundLength(std::string_view contents, AppendLayout layout)
{
    if (layout.recordSize == 0) {
        const std::size_t lastEnd = contents.rfind('\n');
        return lastEnd == std::string_view::npos ? 0 : lastEnd + 1;
    }
    const std::size_t size = layout.recordSize;
    std::size_t end = contents.size() - contents.size() % size;
    while (end >= size &&
           contents.substr(end - size, size).find_first_not_of('\0') == std::string_view::npos)
        end -= size;
    return end;
}

bool AppendDurably(const std::filesystem::path& file, std::string_view bytes, AppendLayout layout)
{
    const int fd = ::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (fd < 0)
        return false;
    off_t end = 0;
    const bool written = SoundEnd(fd, layout, end) && ::ftruncate(fd, end) == 0 &&
                         ::lseek(fd, end, SEEK_SET) == end && WriteAll(fd, bytes) && ::fdatasync(fd) == 0;
    const int reason = errno;
    const bool closed = ::close(fd) == 0;
    if (!written)
        errno = reason;
    return written && closed;
}

}  // namespace platform
