#pragma once
// Keeps one instance of a program per user: the first holder of the lock named name runs, a
// second one finds it held.

#include <string>

namespace platform {

class SingleInstance {
public:
    explicit SingleInstance(const std::string& name);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // True when this process holds the lock (no other instance runs).
    bool isFirst() const { return fd_ >= 0; }

private:
    int fd_ = -1;
};

}  // namespace platform
