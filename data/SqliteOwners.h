#pragma once

// Internal to the store (data/*.cpp): small owners for SQLCipher's handles so
// that nothing leaks or stays locked on any path, exceptions included. Windows
// and callers outside the store never include this.

#include "data/RecordStore.h"

#include <QDate>
#include <QString>

#include <sqlite3.h>

#include <cstdint>
#include <memory>

namespace data::Sql {

struct FinalizeStmt {
    void operator()(sqlite3_stmt* stmt) const noexcept { sqlite3_finalize(stmt); }
};

// A prepared statement; finalised in its destructor.
class Statement {
public:
    Statement() = default;
    // Throws the DbError of sqliteFailure when sql does not compile.
    Statement(sqlite3* db, const QByteArray& sql);

    explicit operator bool() const noexcept { return stmt_ != nullptr; }
    void reset() noexcept { stmt_.reset(); }

    // Each bind throws the DbError of sqliteFailure when SQLite refuses it (a
    // value over the length limit, no memory): a parameter left unbound would
    // be written as NULL.
    void bind(int index, const QString& text);
    void bind(int index, double value);
    // YYYY-MM-DD, the stored form of a day; NULL for a null date.
    void bind(int index, const QDate& day);
    void bindInt(int index, std::int64_t value);
    void bindNull(int index);

    // One step; true for a row, false when done. Other results throw.
    bool step();
    // The same, returning SQLite's code instead of throwing (rewound on error).
    int tryStep() noexcept;
    // Ends a run of steps: releases the read lock and forgets the bindings,
    // so another copy of the program can write meanwhile.
    void rewind() noexcept;

    int columnType(int column) const;
    std::int64_t columnInt(int column) const;
    double columnDouble(int column) const;
    // Byte count, not strlen: text with an embedded NUL stays whole; a blob
    // comes back as the text its bytes spell.
    QString columnText(int column) const;
    // The same value's UTF-8 bytes as SQLite holds them, valid until the next
    // step or rewind; for reads that only hash or compare.
    QByteArrayView columnUtf8(int column) const;

private:
    void checkBind(int rc) const;

    sqlite3* db_ = nullptr;
    std::unique_ptr<sqlite3_stmt, FinalizeStmt> stmt_;
};

// Rewinds a statement when a scope is done with it.
class Rewind {
public:
    explicit Rewind(Statement& stmt) noexcept : stmt_(stmt) {}
    ~Rewind() { stmt_.rewind(); }
    Rewind(const Rewind&) = delete;
    Rewind& operator=(const Rewind&) = delete;

private:
    Statement& stmt_;
};

// A write transaction: takes the write lock in its constructor (waiting out
// the busy timeout), commit() makes it durable, and the destructor rolls back
// whatever was not committed, so an exception anywhere leaves the file as it was.
class Transaction {
public:
    explicit Transaction(sqlite3* db);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    void commit();

private:
    sqlite3* db_;
    bool open_ = false;
};

// Runs SQL that returns no rows; throws sqliteFailure on error.
void exec(sqlite3* db, const char* sql);

// For every handle that writes, right after keyDatabase: a commit is on the
// disk, power cut included, once COMMIT returns. Returns an SQLite code.
int makeCommitsDurable(sqlite3* db) noexcept;

// '"' + name + '"', for names that come from the field table.
QByteArray quoted(QStringView name);

} // namespace data::Sql
