#include "platform/isam/KeyIndex.h"

#include "platform/isam/FileSetFormat.h"

#include <utility>

namespace platform::isam {

namespace {

bool isForward(KeyQuery query)
{
    return query == KeyQuery::First || query == KeyQuery::AtLeast || query == KeyQuery::Above
           || query == KeyQuery::After;
}

std::string sqlOf(KeyQuery query, const std::string& table)
{
    const std::string rows = "SELECT k.key, k.pos, r.data FROM idx." + table
                             + " AS k CROSS JOIN main.records AS r ON r.pos = k.pos ";
    const std::string forward = " ORDER BY k.key, k.pos";
    const std::string backward = " ORDER BY k.key DESC, k.pos DESC";
    switch (query) {
    case KeyQuery::First:
        return rows + forward;
    case KeyQuery::AtLeast:
        return rows + "WHERE k.key >= ?1" + forward;
    case KeyQuery::Above:
        return rows + "WHERE k.key > ?1" + forward;
    case KeyQuery::After:
        return rows + "WHERE (k.key, k.pos) > (?1, ?2)" + forward;
    case KeyQuery::AtMost:
        return rows + "WHERE k.key <= ?1" + backward;
    case KeyQuery::Below:
        return rows + "WHERE k.key < ?1" + backward;
    case KeyQuery::Before:
        return rows + "WHERE (k.key, k.pos) < (?1, ?2)" + backward;
    case KeyQuery::Find:
        return "SELECT pos FROM idx." + table + " WHERE key = ?1 ORDER BY pos LIMIT 1";
    case KeyQuery::Insert:
        return "INSERT INTO idx." + table + "(key, pos) VALUES(?1, ?2)";
    case KeyQuery::Remove:
        return "DELETE FROM idx." + table + " WHERE key = ?1 AND pos = ?2";
    case KeyQuery::Count:
        return "SELECT count(*) FROM idx." + table + " WHERE key >= ?1 AND key < ?2 AND pos <= ?3";
    case KeyQuery::CountAll:
        return "SELECT count(*) FROM idx." + table + " WHERE key >= ?1 AND key < ?2";
    case KeyQuery::BatchPart:
        return rows + "WHERE (k.key, k.pos) > (?1, ?2) AND k.key < ?3 AND k.pos <= ?4" + forward
               + " LIMIT ?5";
    }
    return {};
}

}  // namespace

KeyIndex::KeyIndex(sqlite3* db, const KeyDefinition& definition, size_t ordinal)
    : db_(db),
      definition_(definition),
      length_(keyLength(definition)),
      table_(keyTableName(ordinal))
{
}

SqliteStatement* KeyIndex::statement(KeyQuery query)
{
    SqliteStatement& statement = statements_[static_cast<size_t>(query)];
    if (!statement.isPrepared() && statement.prepare(db_, sqlOf(query, table_)) != SQLITE_OK)
        return nullptr;
    statement.reset();
    return &statement;
}

int KeyIndex::openCursor(KeyQuery query, std::span<const std::byte> key, int64_t position)
{
    closeCursor();
    SqliteStatement* cursor = statement(query);
    if (!cursor)
        return SQLITE_ERROR;
    if (query != KeyQuery::First)
        cursor->bind(1, key);
    if (query == KeyQuery::After || query == KeyQuery::Before)
        cursor->bind(2, position);
    cursor_ = cursor;
    cursorForward_ = isForward(query);
    cursorStamp_ = 0;
    return cursor_->step();
}

int KeyIndex::stepCursor()
{
    return cursor_->step();
}

bool KeyIndex::cursorContinues(bool forward, uint64_t stamp) const
{
    return cursor_ && cursorForward_ == forward && cursorStamp_ == stamp;
}

void KeyIndex::closeCursor()
{
    if (cursor_)
        std::exchange(cursor_, nullptr)->reset();
}

}  // namespace platform::isam
