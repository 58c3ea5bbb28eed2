#pragma once
// Outside programs started by a command line (the 3D generator, the 3D viewer, the on-screen
// keyboard). A program that cannot be started is reported by the result, never a crash.

#include <string>
#include <vector>
#include <sys/types.h>

namespace platform {

class ChildProcess {
public:
    ChildProcess() = default;
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // Starts commandLine (split at blanks, double quotes group; the program is looked up on
    // PATH) in a session of its own, detached from the terminal; false when it could not be
    // started, or when the program started before is still running.
    bool start(const std::string& commandLine);
    bool isStarted() const { return pid_ > 0; }
    bool isRunning();
    pid_t pid() const { return pid_; }

    // Waits up to waitMs for the program to end by itself, then terminates it (SIGTERM, and
    // SIGKILL when it is still there after a further 500 ms); true when it had to be ended.
    // The destructor leaves a running program alone: ending it is the owner's decision.
    bool endAfter(int waitMs);

    // Splits a command line at blanks; double quotes group words and are dropped.
    static std::vector<std::string> splitCommandLine(const std::string& commandLine);

private:
    // True once the program has ended and been reaped.
    bool reapIfEnded();
    bool waitForEnd(int waitMs);

    pid_t pid_ = -1;
    bool reaped_ = false;
};

}  // namespace platform
