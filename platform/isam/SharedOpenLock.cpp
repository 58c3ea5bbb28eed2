#include "platform/isam/SharedOpenLock.h"

#include "platform/isam/FileSetFormat.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <thread>

namespace platform::isam {

namespace {

// How often a waiting opener tries the lock again.
constexpr auto RetryInterval = std::chrono::milliseconds(2);

// Sets (F_RDLCK, F_WRLCK), changes or drops (F_UNLCK) this file's lock on byte 0, without
// waiting; true when it was set.
bool lockByte(int fd, short type)
{
    struct flock lock {};
    lock.l_type = type;
    lock.l_whence = SEEK_SET;
    lock.l_start = 0;
    lock.l_len = 1;
    return ::fcntl(fd, F_OFD_SETLK, &lock) == 0;
}

// Whether the open file is still the one the path names (the last holder may have removed it).
bool isFileAt(int fd, const std::filesystem::path& path)
{
    struct stat opened {};
    struct stat named {};
    return ::fstat(fd, &opened) == 0 && ::stat(path.c_str(), &named) == 0
           && opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
}

// Removes the file when this open file can lock it alone, then closes it.
void removeIfAlone(int fd, const std::filesystem::path& path)
{
    if (lockByte(fd, F_WRLCK) && isFileAt(fd, path))
        ::unlink(path.c_str());
    ::close(fd);
}

}  // namespace

SharedOpenLock::~SharedOpenLock()
{
    release();
}

Status SharedOpenLock::acquire(const std::filesystem::path& stem, int waitMilliseconds)
{
    release();
    const std::filesystem::path path = lockPath(stem);
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMilliseconds);
    for (;;) {
        const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
        if (fd < 0)
            return Status::AccessDenied;
        if (lockByte(fd, F_RDLCK)) {
            if (isFileAt(fd, path)) {
                fd_ = fd;
                path_ = path;
                return Status::Ok;
            }
            ::close(fd);
            continue;
        }
        const int error = errno;
        ::close(fd);
        if (error != EAGAIN && error != EACCES)
            return Status::AccessDenied;
        if (std::chrono::steady_clock::now() >= deadline)
            return Status::FileLocked;
        std::this_thread::sleep_for(RetryInterval);
    }
}

bool SharedOpenLock::holdAlone()
{
    return fd_ >= 0 && lockByte(fd_, F_WRLCK);
}

void SharedOpenLock::share()
{
    if (fd_ >= 0)
        lockByte(fd_, F_RDLCK);
}

void SharedOpenLock::release()
{
    if (fd_ < 0)
        return;
    removeIfAlone(fd_, path_);
    fd_ = -1;
}

bool sharedOpenersPresent(const std::filesystem::path& stem)
{
    const int fd = ::open(lockPath(stem).c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0)
        return errno != ENOENT;
    struct flock lock {};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    lock.l_start = 0;
    lock.l_len = 1;
    const bool held = ::fcntl(fd, F_OFD_GETLK, &lock) != 0 || lock.l_type != F_UNLCK;
    ::close(fd);
    return held;
}

void removeUnusedLockFile(const std::filesystem::path& stem)
{
    const std::filesystem::path path = lockPath(stem);
    const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
    if (fd >= 0)
        removeIfAlone(fd, path);
}

}  // namespace platform::isam
