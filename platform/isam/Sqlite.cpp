#include "platform/isam/Sqlite.h"

#include <utility>

namespace platform::isam {

SqliteConnection::~SqliteConnection()
{
    close();
}

SqliteConnection::SqliteConnection(SqliteConnection&& other) noexcept
    : db_(std::exchange(other.db_, nullptr))
{
}

SqliteConnection& SqliteConnection::operator=(SqliteConnection&& other) noexcept
{
    if (this != &other) {
        close();
        db_ = std::exchange(other.db_, nullptr);
    }
    return *this;
}

int SqliteConnection::open(const std::filesystem::path& path, int flags)
{
    close();
    const int rc = sqlite3_open_v2(path.c_str(), &db_, flags | SQLITE_OPEN_URI, nullptr);
    if (rc != SQLITE_OK)
        close();
    return rc;
}

void SqliteConnection::close()
{
    if (db_)
        sqlite3_close_v2(std::exchange(db_, nullptr));
}

int SqliteConnection::exec(const std::string& sql)
{
    return sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, nullptr);
}

SqliteStatement::~SqliteStatement()
{
    sqlite3_finalize(statement_);
}

SqliteStatement::SqliteStatement(SqliteStatement&& other) noexcept
    : statement_(std::exchange(other.statement_, nullptr))
{
}

SqliteStatement& SqliteStatement::operator=(SqliteStatement&& other) noexcept
{
    if (this != &other) {
        sqlite3_finalize(statement_);
        statement_ = std::exchange(other.statement_, nullptr);
    }
    return *this;
}

int SqliteStatement::prepare(sqlite3* db, const std::string& sql)
{
    sqlite3_finalize(std::exchange(statement_, nullptr));
    return sqlite3_prepare_v3(db, sql.c_str(), -1, SQLITE_PREPARE_PERSISTENT, &statement_, nullptr);
}

void SqliteStatement::bind(int index, std::span<const std::byte> blob)
{
    // A null pointer would bind NULL, not an empty blob.
    static const std::byte empty{};
    sqlite3_bind_blob(statement_, index, blob.empty() ? &empty : blob.data(),
                      static_cast<int>(blob.size()), SQLITE_TRANSIENT);
}

void SqliteStatement::bind(int index, int64_t value)
{
    sqlite3_bind_int64(statement_, index, value);
}

void SqliteStatement::bind(int index, const std::string& text)
{
    sqlite3_bind_text(statement_, index, text.c_str(), static_cast<int>(text.size()),
                      SQLITE_TRANSIENT);
}

int SqliteStatement::step()
{
    return sqlite3_step(statement_);
}

void SqliteStatement::reset()
{
    sqlite3_reset(statement_);
}

int64_t SqliteStatement::columnInteger(int column) const
{
    return sqlite3_column_int64(statement_, column);
}

std::span<const std::byte> SqliteStatement::columnBlob(int column) const
{
    const auto* data = static_cast<const std::byte*>(sqlite3_column_blob(statement_, column));
    return {data, static_cast<size_t>(sqlite3_column_bytes(statement_, column))};
}

std::string fileUri(const std::filesystem::path& path)
{
    static const char hex[] = "0123456789ABCDEF";
    std::string uri = "file:";
    for (const unsigned char c : path.string()) {
        const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')
                           || (c >= '0' && c <= '9') || c == '/' || c == '.' || c == '_'
                           || c == '~' || c == '-';
        if (plain) {
            uri += static_cast<char>(c);
        } else {
            uri += '%';
            uri += hex[c >> 4];
            uri += hex[c & 0xF];
        }
    }
    return uri;
}

}  // namespace platform::isam
