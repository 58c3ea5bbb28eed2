#include "platform/system/DesktopOpen.h"

#include <spawn.h>
#include <sys/wait.h>
#include <thread>

extern char** environ;

namespace platform {

bool OpenWithDesktop(const std::filesystem::path& file)
{
    std::string path = file.string();
    char program[] = "xdg-open";
    char* const arguments[] = {program, path.data(), nullptr};
    pid_t child = 0;
    if (::posix_spawnp(&child, program, nullptr, nullptr, arguments, environ) != 0)
        return false;
    std::thread([child] {
        int status = 0;
        ::waitpid(child, &status, 0);
    }).detach();
    return true;
}

}  // namespace platform
