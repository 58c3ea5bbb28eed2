#pragma once
// Where a benchmark lays out its files: in memory where the system has a memory file system, so
// that records made durable before their store returns cost no disk syncs; else the temporary
// folder.

#include <filesystem>
#include <system_error>

inline std::filesystem::path ScratchFolder()
{
    std::error_code error;
    const std::filesystem::path memory = "/dev/shm";
    return std::filesystem::is_directory(memory, error) ? memory : std::filesystem::temp_directory_path();
}
