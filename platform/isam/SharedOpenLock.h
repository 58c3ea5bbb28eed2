#pragma once
// The mark of a file set's shared openers: each holds a read lock on the first byte of
// <stem>.lck while it has the set open. An opener that must be alone with the set (exclusive
// open, rebuild, delete, a change of journal mode) checks that nobody holds it.
//
// The locks are byte-range locks of the open file (not of the program), so that two openers in
// one program see each other as well, and the lock file is no database file, so that closing it
// never drops the locks SQLite holds on the .dat and the .idx. The last opener to leave removes
// the lock file; an opener that finds the file removed under its lock starts again.

#include "platform/isam/IsamStatus.h"

#include <filesystem>

namespace platform::isam {

class SharedOpenLock {
public:
    SharedOpenLock() = default;
    ~SharedOpenLock();
    SharedOpenLock(const SharedOpenLock&) = delete;
    SharedOpenLock& operator=(const SharedOpenLock&) = delete;

    // Takes the read lock, creating the lock file when it is missing; waits up to
    // waitMilliseconds while another opener holds it alone. FileLocked, AccessDenied.
    Status acquire(const std::filesystem::path& stem, int waitMilliseconds);
    // Turns the read lock into a write lock when no other opener holds one: true when this
    // opener is alone with the set, and newcomers wait in acquire until share().
    bool holdAlone();
    // Turns the write lock back into a read lock.
    void share();
    // Gives the lock up; the last holder removes the lock file.
    void release();

private:
    int fd_ = -1;
    std::filesystem::path path_;
};

// Whether a shared opener has the set open (also when the lock file cannot be read).
bool sharedOpenersPresent(const std::filesystem::path& stem);

// Removes the lock file when nobody holds it: one left by a program that ended without closing.
void removeUnusedLockFile(const std::filesystem::path& stem);

}  // namespace platform::isam
