#include "tests/StoreFixtures.h"

#include <sys/syscall.h>
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace StoreFixtures {

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

int rawExec(const QString& path, const char* sql, bool keyed)
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

QString rawValue(const QString& path, const char* sql)
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

int userVersion(const QString& path)
{
    return rawValue(path, "PRAGMA user_version").toInt();
}

void createUnnumberedFile(const QString& path, const std::vector<data::RateRow>& rows, int version)
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

void createSecondLayoutFile(const QString& path, const std::vector<data::RateRow>& rows)
{
    QByteArray sql =
        "BEGIN;"
        "CREATE TABLE \"tblExchanges\" ("
        "\"Country\" TEXT NOT NULL UNIQUE CHECK (length(\"Country\") BETWEEN 1 AND 50), "
        "\"Monetery Unit\" TEXT CHECK (length(\"Monetery Unit\") <= 25), "
        "\"Exchange Rate\" REAL NOT NULL CHECK (typeof(\"Exchange Rate\") IN ('real', 'integer')"
        " AND \"Exchange Rate\" > 0 AND \"Exchange Rate\" <= 1.7976931348623157e308), "
        "\"Updated\" TEXT CHECK (\"Updated\" IS NULL OR (typeof(\"Updated\") = 'text'"
        " AND date(julianday(\"Updated\")) IS \"Updated\"))"
        ");"
        "PRAGMA user_version = 2;";
    const auto literal = [](const QString& text) { return "'" + text.toUtf8().replace('\'', "''") + "'"; };
    for (const data::RateRow& row : rows) {
        sql += "INSERT INTO \"tblExchanges\" (\"Country\", \"Monetery Unit\", \"Exchange Rate\", \"Updated\") "
               "VALUES ("
            + literal(row.country) + ", " + literal(row.unit) + ", " + QByteArray::number(row.rate, 'g', 17) + ", "
            + (row.updated.isValid() ? literal(row.updated.toString(Qt::ISODate)) : QByteArray("NULL")) + ");";
    }
    sql += "COMMIT;";
    ASSERT_EQ(rawExec(path, sql.constData()), SQLITE_OK);
}

void createOlderFile(const QString& path, const std::vector<data::RateRow>& rows, int version)
{
    if (version == 2)
        createSecondLayoutFile(path, rows);
    else
        createUnnumberedFile(path, rows, version);
}

long errorNumber(const std::function<void()>& f, QString* description)
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

ShortBusyTimeout::ShortBusyTimeout(std::chrono::milliseconds timeout)
    : saved_(data::busyTimeout())
{
    data::setBusyTimeout(timeout);
}

ShortBusyTimeout::~ShortBusyTimeout()
{
    data::setBusyTimeout(saved_);
}

QStringList countries(data::Recordset& rs)
{
    QStringList out;
    if (rs.isBOF() && rs.isEOF())
        return out;
    for (rs.MoveFirst(); !rs.isEOF(); rs.MoveNext())
        out << rs.Field(data::FieldCountry);
    return out;
}

QStringList storedRow(const QString& path, const QString& country)
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

QString integrityCheck(const QString& path)
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

QStringList dumpTable(const QString& path)
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

namespace {

void bindValue(sqlite3_stmt* insert, int column, const Value& v)
{
    if (const auto* text = std::get_if<QByteArray>(&v))
        sqlite3_bind_text(insert, column, text->constData(), static_cast<int>(text->size()), SQLITE_TRANSIENT);
    else if (const auto* real = std::get_if<double>(&v))
        sqlite3_bind_double(insert, column, *real);
    else if (const auto* integer = std::get_if<long long>(&v))
        sqlite3_bind_int64(insert, column, *integer);
    else if (const auto* blob = std::get_if<Blob>(&v))
        sqlite3_bind_blob(insert, column, blob->bytes.constData(), static_cast<int>(blob->bytes.size()),
                          SQLITE_TRANSIENT);
    else
        sqlite3_bind_null(insert, column);
}

} // namespace

int writeForeignTable(const QString& path, const std::vector<std::array<Value, 3>>& rows)
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
        for (int i = 0; i < 3; ++i)
            bindValue(insert, i + 1, row[static_cast<std::size_t>(i)]);
        rc = sqlite3_step(insert) == SQLITE_DONE ? SQLITE_OK : sqlite3_errcode(db);
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    if (rc == SQLITE_OK)
        rc = sqlite3_exec(db, "COMMIT;", nullptr, nullptr, nullptr);
    sqlite3_close_v2(db);
    return rc;
}

int writeOtherKeyFile(const QString& path)
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

ModesApply::ModesApply()
{
    header_.version = _LINUX_CAPABILITY_VERSION_3;
    header_.pid = 0;
    if (syscall(SYS_capget, &header_, saved_) == 0 && (saved_[0].effective & (1u << CAP_DAC_OVERRIDE))) {
        __user_cap_data_struct reduced[2] = {saved_[0], saved_[1]};
        reduced[0].effective &= ~(1u << CAP_DAC_OVERRIDE);
        dropped_ = syscall(SYS_capset, &header_, reduced) == 0;
    }
}

ModesApply::~ModesApply()
{
    if (dropped_)
        syscall(SYS_capset, &header_, saved_);
}

UnwritableFile::UnwritableFile(const QString& path)
    : path_(QFile::encodeName(path))
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

UnwritableFile::~UnwritableFile()
{
    modesApply_.reset();
    if (chmodded_)
        ::chmod(path_.constData(), mode_);
}

WriteLock::WriteLock(const QString& path)
{
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &db_, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK
        && data::keyDatabase(db_) == SQLITE_OK
        && sqlite3_exec(db_, "BEGIN IMMEDIATE; UPDATE tblExchanges SET rowid = rowid WHERE 0;", nullptr, nullptr,
                        nullptr)
            == SQLITE_OK)
        held_ = true;
}

void WriteLock::release()
{
    if (db_) {
        sqlite3_exec(db_, "ROLLBACK;", nullptr, nullptr, nullptr);
        sqlite3_close_v2(db_);
        db_ = nullptr;
    }
    held_ = false;
}

void StoreTest::createAndOpen(const std::vector<data::RateRow>& rows)
{
    data::createRatesDatabase(path(), rows);
    reopen();
}

void StoreTest::reopen()
{
    rs.Close();
    cn.Close();
    cn.Open(path());
    rs.Open(cn);
}

} // namespace StoreFixtures
