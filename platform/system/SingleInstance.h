#pragma once
// Keeps one instance of a program per user: the first holder of the lock named name runs, a
// second one finds it held. The lock is an flock on "<name>.<uid>.lock" in $XDG_RUNTIME_DIR (else
// /tmp), released when the holder ends. It belongs to the open file, so a second SingleInstance
// of the same name in the same process finds it held too.

#include <string>

namespace platform {

class SingleInstance {
public:
    explicit SingleInstance(const std::string& name);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // True when this process holds the lock (no other instance runs), and also when no lock can
    // be taken at all (no lock file can be made), since then nothing shows another instance.
    bool isFirst() const { return fd_ >= 0 || lockUnavailable_; }

private:
    int fd_ = -1;
    bool lockUnavailable_ = false;
};

}  // namespace platform
