#include "platform/system/ChildProcess.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>

extern char** environ;

namespace platform {

namespace {

constexpr int kTerminateGraceMs = 500;
constexpr auto kPollInterval = std::chrono::milliseconds(10);

}  // namespace

ChildProcess::~ChildProcess()
{
    reapIfEnded();
}

std::vector<std::string> ChildProcess::splitCommandLine(const std::string& commandLine)
{
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;
    bool quoted = false;
    for (char c : commandLine) {
        if (c == '"') {
            quoted = !quoted;
            inWord = true;
        } else if ((c == ' ' || c == '\t') && !quoted) {
            if (inWord)
                words.push_back(std::move(word));
            word.clear();
            inWord = false;
        } else {
            word.push_back(c);
            inWord = true;
        }
    }
    if (inWord)
        words.push_back(std::move(word));
    return words;
}

bool ChildProcess::start(const std::string& commandLine)
{
    if (isRunning())
        return false;
    pid_ = -1;
    reaped_ = false;

    std::vector<std::string> words = splitCommandLine(commandLine);
    if (words.empty())
        return false;
    std::vector<char*> argv;
    for (std::string& w : words)
        argv.push_back(w.data());
    argv.push_back(nullptr);

    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    // A session of its own, no blocked signals, and the usual signal actions even where this
    // program changed them.
    sigset_t none;
    sigemptyset(&none);
    sigset_t defaults;
    sigemptyset(&defaults);
    for (int signal : {SIGPIPE, SIGINT, SIGQUIT, SIGTERM, SIGHUP, SIGCHLD})
        sigaddset(&defaults, signal);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setsigdefault(&attributes, &defaults);
    posix_spawnattr_setflags(&attributes,
                             POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);

    // glibc reports a program that cannot be executed (missing, not executable) as the result.
    pid_t pid = -1;
    const int error = ::posix_spawnp(&pid, argv[0], nullptr, &attributes, argv.data(), environ);
    posix_spawnattr_destroy(&attributes);
    if (error != 0)
        return false;
    pid_ = pid;
    return true;
}

bool ChildProcess::reapIfEnded()
{
    if (pid_ <= 0 || reaped_)
        return true;
    int status = 0;
    pid_t result;
    do {
        result = ::waitpid(pid_, &status, WNOHANG);
    } while (result < 0 && errno == EINTR);
    // -1 (ECHILD): someone else has reaped it, so it has ended as well.
    if (result != 0)
        reaped_ = true;
    return reaped_;
}

bool ChildProcess::isRunning()
{
    return !reapIfEnded();
}

bool ChildProcess::waitForEnd(int waitMs)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
    while (!reapIfEnded()) {
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(kPollInterval);
    }
    return true;
}

bool ChildProcess::endAfter(int waitMs)
{
    if (waitForEnd(waitMs))
        return false;
    ::kill(pid_, SIGTERM);
    if (!waitForEnd(kTerminateGraceMs)) {
        ::kill(pid_, SIGKILL);
        int status = 0;
        while (::waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
        }
        reaped_ = true;
    }
    return true;
}

}  // namespace platform
