#pragma once

// Support for the tests of the store and of the program on real SQLCipher
// files in a temporary folder: sample rows, files made the way today's build,
// another tool or an accident would make them, readers of what a file holds, a
// file this process really cannot write, and a second writer holding the lock.

#include "data/NewDatabase.h"
#include "data/RecordStore.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <linux/capability.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <chrono>
#include <functional>
#include <optional>
#include <ostream>
#include <variant>
#include <vector>

// Failure messages show QStrings as text, not bytes.
inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

namespace StoreFixtures {

inline std::vector<data::RateRow> sampleRows()
{
    // Deliberately not alphabetical: the record set must keep insertion order.
    return {
        {QStringLiteral("Britain"), QStringLiteral("Pound"), 1.0, {}},
        {QStringLiteral("United States"), QStringLiteral("Dollar"), 1.27, {}},
        {QStringLiteral("Japan"), QStringLiteral("Yen"), 188.5, {}},
        {QStringLiteral("France"), QStringLiteral("Euro"), 1.17, {}},
    };
}

inline QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

// Runs SQL on a file the way another tool would, keyed with the program's
// password or not. Creates the file when it does not exist.
inline int rawExec(const QString& path, const char* sql, bool keyed = true)
{
    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &db,
                             SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (rc == SQLITE_OK && keyed)
        rc = data::keyDatabase(db);
    if (rc == SQLITE_OK)
        rc = sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
    sqlite3_close_v2(db);
    return rc;
}

// The first column of the first row of a query on a keyed file, as text;
// "error: ..." when it fails.
inline QString rawValue(const QString& path, const char* sql)
{
    sqlite3* db = nullptr;
    QString result;
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK
        && data::keyDatabase(db) == SQLITE_OK) {
        sqlite3_stmt* stmt = nullptr;
        if (sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr) == SQLITE_OK && sqlite3_step(stmt) == SQLITE_ROW)
            result = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)));
        else
            result = QStringLiteral("error: ") + QString::fromUtf8(sqlite3_errmsg(db));
        sqlite3_finalize(stmt);
    } else {
        result = QStringLiteral("error: cannot open");
    }
    sqlite3_close_v2(db);
    return result;
}

inline int userVersion(const QString& path)
{
    return rawValue(path, "PRAGMA user_version").toInt();
}

// A rates file exactly as the build before numbered layouts made it: the same
// SQL as its createRatesDatabase, user_version left at 0 (or stamped, to make a
// file of the first numbered layout, which is the same table).
inline void createUnnumberedFile(const QString& path, const std::vector<data::RateRow>& rows, int version = 0)
{
    QByteArray sql =
        "BEGIN;"
        "CREATE TABLE \"tblExchanges\" ("
        " \"Country\" TEXT NOT NULL UNIQUE CHECK (length(\"Country\") BETWEEN 1 AND 50),"
        " \"Monetery Unit\" TEXT CHECK (length(\"Monetery Unit\") <= 25),"
        " \"Exchange Rate\" REAL NOT NULL CHECK (typeof(\"Exchange Rate\") IN ('real', 'integer')"
        " AND \"Exchange Rate\" > 0 AND \"Exchange Rate\" <= 1.7976931348623157e308)"
        ");";
    for (const data::RateRow& row : rows) {
        auto literal = [](const QString& text) { return "'" + text.toUtf8().replace('\'', "''") + "'"; };
        sql += "INSERT INTO \"tblExchanges\" (\"Country\", \"Monetery Unit\", \"Exchange Rate\") VALUES ("
            + literal(row.country) + ", " + literal(row.unit) + ", " + QByteArray::number(row.rate, 'g', 17) + ");";
    }
    if (version != 0)
        sql += "PRAGMA user_version = " + QByteArray::number(version) + ";";
    sql += "COMMIT;";
    ASSERT_EQ(rawExec(path, sql.constData()), SQLITE_OK);
}

// Runs f and returns the DbError number it threw, or 0 when it threw nothing.
inline long errorNumber(const std::function<void()>& f, QString* description = nullptr)
{
    try {
        f();
    } catch (const data::DbError& e) {
        if (description)
            *description = e.Description();
        return e.Number();
    }
    return 0;
}

// A shorter wait for locks while it lives, so tests of a locked file take
// milliseconds, not the program's seconds.
class ShortBusyTimeout {
public:
    explicit ShortBusyTimeout(std::chrono::milliseconds timeout = std::chrono::milliseconds(50))
        : saved_(data::busyTimeout())
    {
        data::setBusyTimeout(timeout);
    }
    ~ShortBusyTimeout() { data::setBusyTimeout(saved_); }
    ShortBusyTimeout(const ShortBusyTimeout&) = delete;
    ShortBusyTimeout& operator=(const ShortBusyTimeout&) = delete;

private:
    std::chrono::milliseconds saved_;
};

// Countries in record-set order, read with MoveFirst/MoveNext.
inline QStringList countries(data::Recordset& rs)
{
    QStringList out;
    if (rs.isBOF() && rs.isEOF())
        return out;
    for (rs.MoveFirst(); !rs.isEOF(); rs.MoveNext())
        out << rs.Field(data::FieldCountry);
    return out;
}

// A row as stored, read through a fresh connection: every field as text, in
// the order of the field table; empty when no row has that country.
inline QStringList storedRow(const QString& path, const QString& country)
{
    data::Connection other;
    other.Open(path);
    data::Recordset set;
    set.Open(other);
    set.FindCountry(country);
    if (set.isEOF())
        return {};
    QStringList row;
    for (const data::FieldDef& field : data::Fields)
        row << set.Field(field.name);
    return row;
}

// "ok" when the file passes SQLite's own check, keyed as the program keys it;
// otherwise the first complaint.
inline QString integrityCheck(const QString& path)
{
    sqlite3* db = nullptr;
    QString result;
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK
        && data::keyDatabase(db) == SQLITE_OK) {
        sqlite3_stmt* stmt = nullptr;
        if (sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &stmt, nullptr) == SQLITE_OK
            && sqlite3_step(stmt) == SQLITE_ROW)
            result = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)));
        else
            result = QString::fromUtf8(sqlite3_errmsg(db));
        sqlite3_finalize(stmt);
    } else {
        result = QStringLiteral("cannot open: ") + QString::fromUtf8(sqlite3_errmsg(db));
    }
    sqlite3_close_v2(db);
    return result;
}

// Every row exactly as stored, whatever its types and bytes (NULs included):
// "rowid|type:hex|type:hex|type:hex".
inline QStringList dumpTable(const QString& path)
{
    QStringList rows;
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK
        && data::keyDatabase(db) == SQLITE_OK) {
        sqlite3_stmt* stmt = nullptr;
        if (sqlite3_prepare_v2(db,
                               "SELECT rowid || '|' || typeof(Country) || ':' || hex(Country) || '|' || "
                               "typeof(\"Monetery Unit\") || ':' || hex(\"Monetery Unit\") || '|' || "
                               "typeof(\"Exchange Rate\") || ':' || hex(\"Exchange Rate\") "
                               "FROM tblExchanges ORDER BY rowid",
                               -1, &stmt, nullptr)
            == SQLITE_OK) {
            while (sqlite3_step(stmt) == SQLITE_ROW)
                rows << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)),
                                          sqlite3_column_bytes(stmt, 0));
        } else {
            rows << QStringLiteral("unreadable: ") + QString::fromUtf8(sqlite3_errmsg(db));
        }
        sqlite3_finalize(stmt);
    } else {
        rows << QStringLiteral("cannot open");
    }
    sqlite3_close_v2(db);
    return rows;
}

// A value as another tool may store it in an unconstrained table.
struct Null {};
struct Blob {
    QByteArray bytes;
};
using Value = std::variant<Null, QByteArray /* text, any bytes */, double, long long, Blob>;

// Creates an SQLCipher file with the program's key whose tblExchanges has no
// constraints, and fills it with rows of exactly these values (text bound with
// its byte count, so an embedded NUL is stored). Returns an SQLite code.
inline int writeForeignTable(const QString& path, const std::vector<std::array<Value, 3>>& rows)
{
    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &db,
                             SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (rc == SQLITE_OK)
        rc = data::keyDatabase(db);
    if (rc == SQLITE_OK)
        rc = sqlite3_exec(db,
                          "CREATE TABLE tblExchanges(Country TEXT, \"Monetery Unit\" TEXT, \"Exchange Rate\" REAL);"
                          "BEGIN;",
                          nullptr, nullptr, nullptr);
    sqlite3_stmt* insert = nullptr;
    if (rc == SQLITE_OK)
        rc = sqlite3_prepare_v2(db, "INSERT INTO tblExchanges VALUES (?1, ?2, ?3)", -1, &insert, nullptr);
    for (const auto& row : rows) {
        if (rc != SQLITE_OK)
            break;
        for (int i = 0; i < 3; ++i) {
            const Value& v = row[static_cast<std::size_t>(i)];
            if (const auto* text = std::get_if<QByteArray>(&v))
                sqlite3_bind_text(insert, i + 1, text->constData(), static_cast<int>(text->size()), SQLITE_TRANSIENT);
            else if (const auto* real = std::get_if<double>(&v))
                sqlite3_bind_double(insert, i + 1, *real);
            else if (const auto* integer = std::get_if<long long>(&v))
                sqlite3_bind_int64(insert, i + 1, *integer);
            else if (const auto* blob = std::get_if<Blob>(&v))
                sqlite3_bind_blob(insert, i + 1, blob->bytes.constData(), static_cast<int>(blob->bytes.size()),
                                  SQLITE_TRANSIENT);
            else
                sqlite3_bind_null(insert, i + 1);
        }
        rc = sqlite3_step(insert) == SQLITE_DONE ? SQLITE_OK : sqlite3_errcode(db);
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    if (rc == SQLITE_OK)
        rc = sqlite3_exec(db, "COMMIT;", nullptr, nullptr, nullptr);
    sqlite3_close_v2(db);
    return rc;
}

// An SQLCipher file holding the program's table, keyed with another password.
inline int writeOtherKeyFile(const QString& path)
{
    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &db,
                             SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (rc == SQLITE_OK)
        rc = sqlite3_key(db, "not-the-password", 16);
    if (rc == SQLITE_OK)
        rc = sqlite3_exec(db,
                          "CREATE TABLE tblExchanges(Country TEXT, \"Monetery Unit\" TEXT, \"Exchange Rate\" REAL);"
                          "INSERT INTO tblExchanges VALUES ('Britain', 'Pound', 1);",
                          nullptr, nullptr, nullptr);
    sqlite3_close_v2(db);
    return rc;
}

// While it lives, the calling thread writes only where the modes let it: when
// running as root (CI does), CAP_DAC_OVERRIDE is taken out of the thread's
// effective capabilities, since root writes through any mode. The capability
// stays permitted and comes back in the destructor. Only the calling thread is
// affected (capabilities are per thread on Linux), which is the one the store
// runs on.
class ModesApply {
public:
    ModesApply()
    {
        header_.version = _LINUX_CAPABILITY_VERSION_3;
        header_.pid = 0;
        if (syscall(SYS_capget, &header_, saved_) == 0 && (saved_[0].effective & (1u << CAP_DAC_OVERRIDE))) {
            __user_cap_data_struct reduced[2] = {saved_[0], saved_[1]};
            reduced[0].effective &= ~(1u << CAP_DAC_OVERRIDE);
            dropped_ = syscall(SYS_capset, &header_, reduced) == 0;
        }
    }
    ~ModesApply()
    {
        if (dropped_)
            syscall(SYS_capset, &header_, saved_);
    }
    ModesApply(const ModesApply&) = delete;
    ModesApply& operator=(const ModesApply&) = delete;

private:
    bool dropped_ = false;
    __user_cap_header_struct header_{};
    __user_cap_data_struct saved_[2]{};
};

// Makes a file unwritable for this thread while it lives: mode 0444, with the
// modes applying even to root (ModesApply). ok() tells whether a write really
// fails; why() says why not.
class UnwritableFile {
public:
    explicit UnwritableFile(const QString& path) : path_(QFile::encodeName(path))
    {
        struct stat st {};
        if (::stat(path_.constData(), &st) != 0) {
            why_ = QStringLiteral("no such file");
            return;
        }
        mode_ = st.st_mode & 07777;
        if (::chmod(path_.constData(), 0444) != 0) {
            why_ = QStringLiteral("chmod failed");
            return;
        }
        chmodded_ = true;
        modesApply_.emplace();
        const int fd = ::open(path_.constData(), O_WRONLY);
        if (fd >= 0) {
            ::close(fd);
            why_ = QStringLiteral("the file stays writable for this process (capabilities could not be reduced)");
            return;
        }
        ok_ = errno == EACCES || errno == EPERM;
        if (!ok_)
            why_ = QStringLiteral("unexpected error opening the file for writing");
    }
    ~UnwritableFile()
    {
        modesApply_.reset();
        if (chmodded_)
            ::chmod(path_.constData(), mode_);
    }
    UnwritableFile(const UnwritableFile&) = delete;
    UnwritableFile& operator=(const UnwritableFile&) = delete;

    bool ok() const { return ok_; }
    const QString& why() const { return why_; }

private:
    QByteArray path_;
    mode_t mode_ = 0644;
    bool chmodded_ = false;
    std::optional<ModesApply> modesApply_;
    bool ok_ = false;
    QString why_;
};

// Another writer in the middle of a transaction: holds the file's write
// (RESERVED) lock until released or destroyed. Readers still read; every other
// writer waits out its busy timeout and fails.
class WriteLock {
public:
    explicit WriteLock(const QString& path)
    {
        if (sqlite3_open_v2(QFile::encodeName(path).constData(), &db_, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK
            && data::keyDatabase(db_) == SQLITE_OK
            && sqlite3_exec(db_, "BEGIN IMMEDIATE; UPDATE tblExchanges SET rowid = rowid WHERE 0;", nullptr, nullptr,
                            nullptr)
                == SQLITE_OK)
            held_ = true;
    }
    ~WriteLock() { release(); }
    WriteLock(const WriteLock&) = delete;
    WriteLock& operator=(const WriteLock&) = delete;

    bool held() const { return held_; }
    void release()
    {
        if (db_) {
            sqlite3_exec(db_, "ROLLBACK;", nullptr, nullptr, nullptr);
            sqlite3_close_v2(db_);
            db_ = nullptr;
        }
        held_ = false;
    }

private:
    sqlite3* db_ = nullptr;
    bool held_ = false;
};

class StoreTest : public ::testing::Test {
protected:
    QString path(const char* name = "Exchange.db") const { return dir.filePath(QString::fromLatin1(name)); }

    void createAndOpen(const std::vector<data::RateRow>& rows = sampleRows())
    {
        data::createRatesDatabase(path(), rows);
        reopen();
    }
    void reopen()
    {
        rs.Close();
        cn.Close();
        cn.Open(path());
        rs.Open(cn);
    }
    QStringList countries() { return StoreFixtures::countries(rs); }
    // Country, unit and rate as stored; Updated is read by the tests of dates.
    QStringList storedRow(const QString& country) { return StoreFixtures::storedRow(path(), country).mid(0, 3); }

    QTemporaryDir dir;
    data::Connection cn;
    data::Recordset rs;
};

} // namespace StoreFixtures
