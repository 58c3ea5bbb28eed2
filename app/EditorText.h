#pragma once
// The text editor's files: their bytes stay as they are (Windows-1252, line ends as the file has
// them); the memo holds Unicode text whose paragraphs it separates with U+2029.

#include <QString>
#include <QStringList>

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// What a file was when the editor read it, to tell whether someone wrote to it since.
struct FileStamp {
    bool exists = false;
    std::uintmax_t size = 0;
    std::filesystem::file_time_type modified{};
    bool operator==(const FileStamp&) const = default;
};
FileStamp StampOf(const std::filesystem::path& file);

// The whole file; none when it cannot be read (errno tells why).
std::optional<std::string> ReadFileBytes(const std::filesystem::path& file);

// The file's first line end: "\r\n", "\n" or "\r"; CR LF when it has none.
std::string LineEndOf(std::string_view bytes);

// The memo's text as file bytes: each paragraph break becomes lineEnd.
std::string FileBytesOf(const QString& memoText, const std::string& lineEnd);

// The memo's lines: a break at the very end starts no further line, and an empty memo has none.
QStringList MemoLines(const QString& memoText);
