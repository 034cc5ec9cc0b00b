#include "data/SqliteOwners.h"

namespace data {

void Sql::CloseDb::operator()(sqlite3* db) const noexcept
{
    sqlite3_close_v2(db);
}

namespace Sql {

Statement::Statement(sqlite3* db, const QByteArray& sql) : db_(db)
{
    sqlite3_stmt* stmt = nullptr;
    const int rc = sqlite3_prepare_v2(db, sql.constData(), static_cast<int>(sql.size()), &stmt, nullptr);
    stmt_.reset(stmt);
    if (rc != SQLITE_OK) {
        stmt_.reset();
        throw sqliteFailure(db, rc);
    }
}

void Statement::checkBind(int rc) const
{
    if (rc != SQLITE_OK)
        throw sqliteFailure(db_, rc);
}

void Statement::bind(int index, const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    checkBind(sqlite3_bind_text(stmt_.get(), index, utf8.constData(), static_cast<int>(utf8.size()), SQLITE_TRANSIENT));
}

void Statement::bind(int index, double value)
{
    checkBind(sqlite3_bind_double(stmt_.get(), index, value));
}

void Statement::bind(int index, const QDate& day)
{
    if (day.isNull())
        bindNull(index);
    else
        bind(index, day.toString(Qt::ISODate));
}

void Statement::bindInt(int index, std::int64_t value)
{
    checkBind(sqlite3_bind_int64(stmt_.get(), index, value));
}

void Statement::bindNull(int index)
{
    checkBind(sqlite3_bind_null(stmt_.get(), index));
}

bool Statement::step()
{
    const int rc = tryStep();
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    throw sqliteFailure(db_, rc);
}

int Statement::tryStep() noexcept
{
    const int rc = sqlite3_step(stmt_.get());
    if (rc != SQLITE_ROW && rc != SQLITE_DONE)
        rewind();
    return rc;
}

void Statement::rewind() noexcept
{
    sqlite3_reset(stmt_.get());
    sqlite3_clear_bindings(stmt_.get());
}

int Statement::columnType(int column) const
{
    return sqlite3_column_type(stmt_.get(), column);
}

std::int64_t Statement::columnInt(int column) const
{
    return sqlite3_column_int64(stmt_.get(), column);
}

double Statement::columnDouble(int column) const
{
    return sqlite3_column_double(stmt_.get(), column);
}

QString Statement::columnText(int column) const
{
    if (sqlite3_column_type(stmt_.get(), column) == SQLITE_BLOB) {
        const auto* bytes = static_cast<const char*>(sqlite3_column_blob(stmt_.get(), column));
        return QString::fromUtf8(bytes, sqlite3_column_bytes(stmt_.get(), column));
    }
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt_.get(), column));
    return QString::fromUtf8(text, sqlite3_column_bytes(stmt_.get(), column));
}

QByteArrayView Statement::columnUtf8(int column) const
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt_.get(), column));
    return QByteArrayView(text, sqlite3_column_bytes(stmt_.get(), column));
}

Transaction::Transaction(sqlite3* db) : db_(db)
{
    // IMMEDIATE takes the write lock now, under the busy timeout, rather than
    // failing halfway when a later statement finds another writer.
    exec(db_, "BEGIN IMMEDIATE");
    open_ = true;
}

Transaction::~Transaction()
{
    if (open_)
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
}

void Transaction::commit()
{
    exec(db_, "COMMIT");
    open_ = false;
}

void exec(sqlite3* db, const char* sql)
{
    const int rc = sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK)
        throw sqliteFailure(db, rc);
}

int makeCommitsDurable(sqlite3* db) noexcept
{
    // A commit ends by deleting the rollback journal. Under FULL that deletion
    // may still sit in the folder's cache when COMMIT returns, and a power cut
    // then brings the journal back to undo the commit; EXTRA syncs the folder
    // first. The journal stays in DELETE mode: WAL would need every reader of
    // a shared file to be able to write the -wal and -shm files beside it.
    return sqlite3_exec(db, "PRAGMA synchronous = EXTRA", nullptr, nullptr, nullptr);
}

QByteArray quoted(QStringView name)
{
    return '"' + name.toUtf8().replace('"', "\"\"") + '"';
}

} // namespace Sql
} // namespace data
