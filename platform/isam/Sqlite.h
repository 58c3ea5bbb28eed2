#pragma once
// Thin owners of SQLite connections and prepared statements.

#include <sqlite3.h>

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

namespace platform::isam {

class SqliteConnection {
public:
    SqliteConnection() = default;
    ~SqliteConnection();
    SqliteConnection(SqliteConnection&& other) noexcept;
    SqliteConnection& operator=(SqliteConnection&& other) noexcept;

    // flags as for sqlite3_open_v2; URI file names are accepted (for ATTACH ... mode=rw).
    int open(const std::filesystem::path& path, int flags);
    void close();

    // Runs statements without results; returns the SQLite result code.
    int exec(const std::string& sql);
    sqlite3* handle() const { return db_; }

private:
    sqlite3* db_ = nullptr;
};

class SqliteStatement {
public:
    SqliteStatement() = default;
    ~SqliteStatement();
    SqliteStatement(SqliteStatement&& other) noexcept;
    SqliteStatement& operator=(SqliteStatement&& other) noexcept;

    int prepare(sqlite3* db, const std::string& sql);
    bool isPrepared() const { return statement_ != nullptr; }

    void bind(int index, std::span<const std::byte> blob);
    void bind(int index, int64_t value);
    void bind(int index, const std::string& text);
    int step();
    void reset();

    int64_t columnInteger(int column) const;
    std::span<const std::byte> columnBlob(int column) const;

private:
    sqlite3_stmt* statement_ = nullptr;
};

// The path as a "file:" URI, every byte outside [A-Za-z0-9/._~-] percent-encoded.
std::string fileUri(const std::filesystem::path& path);

}  // namespace platform::isam
