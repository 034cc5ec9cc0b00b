#include "data/RecordStore.h"

#include "data/Layout.h"
#include "data/SqliteOwners.h"
#include "data/Validation.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

using namespace Qt::StringLiterals;

namespace data {

Connection cnRates;
Recordset rsRates;

namespace {

// The fixed database password. It is handed to sqlite3_key and nowhere else.
constexpr char kDatabasePassword[] = "qv517302";

// Waiting this long for another copy of the program to finish writing is
// better than telling the user the file is locked.
std::chrono::milliseconds& busyTimeoutSetting()
{
    static std::chrono::milliseconds timeout{2000};
    return timeout;
}

QString& folderOverride()
{
    static QString folder;
    return folder;
}

} // namespace

void setBusyTimeout(std::chrono::milliseconds timeout)
{
    busyTimeoutSetting() = timeout;
}

std::chrono::milliseconds busyTimeout()
{
    return busyTimeoutSetting();
}

int keyDatabase(sqlite3* db) noexcept
{
    int rc = sqlite3_key(db, kDatabasePassword, static_cast<int>(sizeof kDatabasePassword - 1));
    if (rc != SQLITE_OK)
        return rc;
    // Keeps files of this format readable if a newer SQLCipher (4.x, other
    // defaults) is installed; older versions ignore the pragma.
    rc = sqlite3_exec(db, "PRAGMA cipher_compatibility = 3;", nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK)
        return rc;
    // Key stretching guards a password people choose; this one is fixed in the
    // program, so the 64,000 rounds of this format's default would only slow
    // every start-up. 4,000 rounds; files are made and opened with the same count.
    return sqlite3_exec(db, "PRAGMA kdf_iter = 4000;", nullptr, nullptr, nullptr);
}

DbError sqliteFailure(sqlite3* db, int rc)
{
    const int primary = rc & 0xff;
    // The plain words for the errors a user can act on, by SQLite's primary codes.
    static constexpr struct {
        int code, alike;
        const char* words;
    } known[] = {
        {SQLITE_BUSY, SQLITE_LOCKED,
         QT_TRANSLATE_NOOP("Store", "The database is locked by another program. Try again when it has finished.")},
        {SQLITE_READONLY, -1, QT_TRANSLATE_NOOP("Store", "The database is read-only: changes cannot be saved.")},
        {SQLITE_FULL, -1, QT_TRANSLATE_NOOP("Store", "The disk holding the database is full: changes cannot be saved.")},
        {SQLITE_IOERR, -1, QT_TRANSLATE_NOOP("Store", "The database file could not be read or written (disk error).")},
        {SQLITE_CORRUPT, SQLITE_NOTADB, QT_TRANSLATE_NOOP("Store", "The database file is damaged.")},
        {SQLITE_CANTOPEN, -1, QT_TRANSLATE_NOOP("Store", "The database file could not be opened.")},
        {SQLITE_PERM, SQLITE_AUTH, QT_TRANSLATE_NOOP("Store", "Access to the database was refused.")},
        {SQLITE_NOMEM, -1, QT_TRANSLATE_NOOP("Store", "There is not enough memory for the database operation.")},
    };
    const auto describe = [&]() -> QString {
        for (const auto& [code, alike, words] : known)
            if (primary == code || primary == alike)
                return QCoreApplication::translate("Store", words);
        if (rc == SQLITE_CONSTRAINT_UNIQUE || rc == SQLITE_CONSTRAINT_PRIMARYKEY)
            return duplicateMessage(std::nullopt);
        const QString sqliteWords = QString::fromUtf8(db ? sqlite3_errmsg(db) : sqlite3_errstr(rc));
        if (primary == SQLITE_CONSTRAINT)
            return QCoreApplication::translate("Store", "The change breaks a rule of the rates table (%1).")
                .arg(sqliteWords);
        // SQLite's own words; they never contain the key.
        return QCoreApplication::translate("Store", "The database reported an error: %1.").arg(sqliteWords);
    };
    return DbError(Err::CannotOpen, describe());
}

QString programFolder()
{
    const QString& folder = folderOverride();
    return folder.isEmpty() ? QCoreApplication::applicationDirPath() : folder;
}

void setProgramFolder(const QString& folder)
{
    folderOverride() = folder;
}

QString databasePath()
{
    QString folder = programFolder();
    if (folder.isEmpty())
        return QString::fromLatin1(DatabaseFileName);
    if (!folder.endsWith(u'/'))
        folder += u'/';
    return folder + QLatin1StringView(DatabaseFileName);
}

namespace {

// sqlite3_open_v2 would happily treat these as a new, empty database (or
// block on a pipe); the program never creates the file, so refuse first.
void refuseNonDatabase(const QString& path)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists())
        fail(Err::CannotOpen, QCoreApplication::translate("Store", "Could not find file %1.").arg(quotedPath(path)));
    if (info.isDir())
        fail(Err::CannotOpen,
             QCoreApplication::translate("Store", "%1 is a folder, not a rates database.").arg(quotedPath(path)));
    if (!info.isFile())
        fail(Err::CannotOpen,
             QCoreApplication::translate("Store", "%1 is not a rates database.").arg(quotedPath(path)));
    if (info.size() == 0)
        fail(Err::CannotOpen,
             QCoreApplication::translate("Store", "%1 is empty: it is not a rates database.").arg(quotedPath(path)));
}

[[noreturn]] void failOpen(sqlite3* db, int rc, const QString& path)
{
    fail(Err::CannotOpen, QCoreApplication::translate("Store", "Could not open %1: %2")
                              .arg(quotedPath(path), sqliteFailure(db, rc).Description()));
}

// Opens and keys the file; nothing has been read from it yet.
Sql::DbHandle openKeyed(const QString& path)
{
    sqlite3* raw = nullptr;
    int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &raw, SQLITE_OPEN_READWRITE, nullptr);
    Sql::DbHandle db(raw);  // closed on every failure below
    if (rc != SQLITE_OK)
        failOpen(raw, rc, path);
    sqlite3_extended_result_codes(raw, 1);
    if (keyDatabase(raw) != SQLITE_OK)
        fail(Err::CannotOpen,
             QCoreApplication::translate("Store", "Could not open %1: the encryption could not be set up.")
                 .arg(quotedPath(path)));
    sqlite3_busy_timeout(raw, static_cast<int>(busyTimeout().count()));
    rc = Sql::makeCommitsDurable(raw);
    if (rc != SQLITE_OK)
        failOpen(raw, rc, path);
    return db;
}

// One integer from a query; SQLITE_OK or the failure's extended code.
int readInt(sqlite3* db, const char* sql, std::int64_t& value)
{
    try {
        Sql::Statement stmt(db, sql);
        if (stmt.step())
            value = stmt.columnInt(0);
        stmt.rewind();
        return SQLITE_OK;
    } catch (const DbError&) {
        return sqlite3_extended_errcode(db);
    }
}

// The key is only checked when a page is read; reading the schema proves
// the file is an SQLCipher database with this key. Reading writes nothing.
// Returns the file's layout version.
int checkReadable(sqlite3* db, const QString& path)
{
    std::int64_t tables = 0, pageSize = 0, pageCount = 0, layout = 0;
    int rc = readInt(db, "SELECT count(*) FROM sqlite_master", tables);
    if (rc == SQLITE_OK)
        rc = readInt(db, "PRAGMA page_size", pageSize);
    if (rc == SQLITE_OK)
        rc = readInt(db, "PRAGMA page_count", pageCount);
    if (rc == SQLITE_OK)
        rc = readInt(db, "PRAGMA user_version", layout);
    const int primary = rc & 0xff;
    // Measured again: the first read rolls back a journal that a crash left,
    // which may cut the file back to its size before that write.
    const qint64 size = QFileInfo(path).size();
    if (primary == SQLITE_NOTADB || primary == SQLITE_CORRUPT || primary == SQLITE_FORMAT
        // A file cut short (a broken copy or download) may still read at first.
        || (rc == SQLITE_OK && (pageSize <= 0 || size % pageSize != 0 || size < pageSize * pageCount)))
        fail(Err::CannotOpen,
             QCoreApplication::translate("Store", "%1 is not a rates database, or it is damaged.")
                 .arg(quotedPath(path)));
    if (rc != SQLITE_OK)
        failOpen(db, rc, path);
    return static_cast<int>(layout);
}

} // namespace

Connection::~Connection()
{
    Close();
}

void Connection::Open(const QString& path)
{
    Close();
    refuseNonDatabase(path);
    Sql::DbHandle db = openKeyed(path);
    // Never written by a program that does not know its layout.
    Layout::checkKnown(checkReadable(db.get(), path));
    db_ = std::move(db);
}

void Connection::Close() noexcept
{
    // Copy: each Close() removes itself from the list.
    const std::vector<Recordset*> open = recordsets_;
    for (Recordset* rs : open)
        rs->Close();
    recordsets_.clear();
    db_.reset();
}

void Connection::resyncRecordsets() noexcept
{
    for (Recordset* rs : recordsets_)
        rs->resync();
}

} // namespace data
