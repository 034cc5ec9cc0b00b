#include "data/Journal.h"

#include "data/JournalLayout.h"
#include "data/RateValue.h"
#include "data/SqliteOwners.h"
#include "data/Validation.h"
#include "data/WriteAccess.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>

#include <fcntl.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

using namespace Qt::StringLiterals;

namespace data {

namespace {

// The words of a text marked with QT_TRANSLATE_NOOP("Journal", ...).
QString translated(const char* text)
{
    return QCoreApplication::translate("Journal", text);
}

// The system's reason where SQLite has one: its error number goes stale
// (a failed open is retried read-only, leaving ENOENT), so a file or folder
// that may not be written is asked of the file system itself.
QString systemReason(sqlite3* db, int rc, const QString& path)
{
    const int primary = rc & 0xff;
    if (primary != SQLITE_CANTOPEN && primary != SQLITE_IOERR)
        return {};
    if (const std::optional<WriteRefusal> refusal = writeRefusal(path)) {
        const QString why = qt_error_string(refusal->kind == WriteRefusal::Kind::ReadOnlyDisk ? EROFS : EACCES);
        if (refusal->kind == WriteRefusal::Kind::Folder)
            return u" ("_s
                + QCoreApplication::translate("Journal", "the folder %1 allows no new file: %2")
                      .arg(quotedPath(refusal->path), why)
                + u')';
        return u" ("_s + why + u')';
    }
    const int err = db ? sqlite3_system_errno(db) : 0;
    return err != 0 ? u" ("_s + qt_error_string(err) + u')' : QString();
}

DbError journalFailure(sqlite3* db, int rc, const QString& path)
{
    return DbError(Err::CannotOpen, sqliteFailure(db, rc).Description() + systemReason(db, rc, path));
}

// Made empty, exclusively, never through a link; with the access of the rates
// file beside it, so that in the package's shared folder every member of its
// group may record, whatever the umask of the one who made it.
void makeEmptyFile(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0) {
        if (errno == EEXIST)
            return;  // another copy of the program made it meanwhile
        throw DbError(Err::CannotOpen,
                      QCoreApplication::translate("Journal", "Could not create it: %1.").arg(qt_error_string(errno)));
    }
    struct stat rates {};
    const QString ratesFile = QFileInfo(path).absoluteDir().filePath(QString::fromLatin1(DatabaseFileName));
    if (::stat(QFile::encodeName(ratesFile).constData(), &rates) == 0) {
        // The group is refused when we are not in it: the file then keeps our own access.
        if (::fchown(fd, static_cast<uid_t>(-1), rates.st_gid) == 0)
            (void)::fchmod(fd, rates.st_mode & 0666);
    }
    ::close(fd);
}

void requireText(const QString& text, const char* what)
{
    if (text.trimmed().isEmpty())
        throw DbError(Err::WriteFailed,
                      QCoreApplication::translate("Journal", "The journal entry needs %1.").arg(translated(what)));
}

void checkDeal(const Deal& deal)
{
    requireText(deal.from.country, QT_TRANSLATE_NOOP("Journal", "the country the money comes from"));
    requireText(deal.to.country, QT_TRANSLATE_NOOP("Journal", "the country the money goes to"));
    for (const double rate : {deal.from.rate, deal.to.rate, deal.buyRate, deal.sellRate}) {
        if (rateFault(rate) != RateFault::None)
            throw DbError(Err::WriteFailed,
                          QCoreApplication::translate("Journal", "A deal's rates must be numbers above 0."));
    }
    if (deal.total != deal.exchanged - deal.commission)
        throw DbError(
            Err::WriteFailed,
            QCoreApplication::translate("Journal", "A deal's total must be the exchanged amount less the commission."));
}

void checkAmount(const QString& currency, Money amount)
{
    requireText(currency, QT_TRANSLATE_NOOP("Journal", "a currency"));
    if (amount < Money())
        throw DbError(Err::WriteFailed,
                      QCoreApplication::translate("Journal", "A float or a count cannot be below 0."));
}

// Inside the write transaction: the deal exists and is not voided yet.
void checkVoidable(sqlite3* db, std::int64_t deal)
{
    Sql::Statement find(db,
                        "SELECT kind, (SELECT number FROM entries WHERE voids = ?1) FROM entries WHERE number = ?1");
    find.bindInt(1, deal);
    const Sql::Rewind rewind(find);
    if (!find.step() || find.columnText(0) != u"deal"_s)
        throw DbError(
            Err::WriteFailed,
            QCoreApplication::translate("Journal", "Entry %1 is not a deal in the journal: there is nothing to void.")
                .arg(deal));
    if (find.columnType(1) != SQLITE_NULL)
        throw DbError(Err::WriteFailed,
                      QCoreApplication::translate("Journal", "Deal %1 was already voided by entry %2.")
                          .arg(deal)
                          .arg(find.columnInt(1)));
}

struct Last {
    std::int64_t number = 0;
    QByteArray hash = JournalLayout::FirstPrevious;
};

Last lastOf(sqlite3* db)
{
    Sql::Statement last(db, "SELECT number, hash FROM entries ORDER BY number DESC LIMIT 1");
    const Sql::Rewind rewind(last);
    if (!last.step())
        return {};
    return {last.columnInt(0), last.columnText(1).toLatin1()};
}

} // namespace

QString journalPath()
{
    const QFileInfo rates(databasePath());
    QString folder = rates.absolutePath();
    if (rates.isSymLink()) {
        const QString target = rates.canonicalFilePath();  // empty for a dangling link
        folder = QFileInfo(target.isEmpty() ? rates.symLinkTarget() : target).absolutePath();
    }
    return QDir(folder).filePath(QString::fromLatin1(JournalFileName));
}

QString currencyKey(const QString& country, const QString& code)
{
    if (!code.isEmpty())
        return code;
    return country == PivotCountry ? PoundCode.toString() : country;
}

Journal::Journal(QString path) : path_(std::move(path)), clock_([] { return QDateTime::currentDateTime(); }) {}

Journal::~Journal() = default;

void Journal::setTill(const QString& name)
{
    till_ = name;
}

void Journal::setClock(Clock clock)
{
    clock_ = std::move(clock);
}

void Journal::close() noexcept
{
    db_.reset();
}

sqlite3* Journal::open(bool create)
{
    if (db_)
        return db_.get();
    const QFileInfo info(path_);
    if (!info.exists() && !info.isSymLink()) {
        if (!create)
            return nullptr;
        makeEmptyFile(path_);
    } else if (!info.isFile()) {
        throw DbError(Err::CannotOpen,
                      QCoreApplication::translate("Journal", "%1 is not a deal journal.").arg(quotedPath(path_)));
    }
    // SQLite keeps its rollback journal beside the name it opens: the real file's.
    const QString real = info.isSymLink() ? info.canonicalFilePath() : path_;
    sqlite3* raw = nullptr;
    const int rc = sqlite3_open_v2(QFile::encodeName(real).constData(), &raw, SQLITE_OPEN_READWRITE, nullptr);
    Sql::DbHandle db(raw);
    if (rc != SQLITE_OK)
        throw journalFailure(raw, rc, path_);
    sqlite3_extended_result_codes(raw, 1);
    if (keyDatabase(raw) != SQLITE_OK)
        throw DbError(Err::CannotOpen,
                      QCoreApplication::translate("Journal", "The encryption of the journal could not be set up."));
    sqlite3_busy_timeout(raw, static_cast<int>(busyTimeout().count()));
    // First, as setting the durability reads the schema too: a file that is
    // no journal of ours is refused in those words.
    JournalLayout::isLaidOut(raw, path_);
    if (const int src = Sql::makeCommitsDurable(raw); src != SQLITE_OK)
        throw journalFailure(raw, src, path_);
    db_ = std::move(db);
    return db_.get();
}

JournalEntry Journal::append(JournalEntry entry)
{
    try {
        sqlite3* db = open(true);
        Sql::Transaction transaction(db);
        try {
            appendInTransaction(db, entry);
            transaction.commit();
        } catch (const DbError& e) {
            // Asked before the rollback, while SQLite still holds the failure.
            if (e.Value() != Err::CannotOpen)
                throw;
            throw DbError(Err::CannotOpen, e.Description() + systemReason(db, sqlite3_extended_errcode(db), path_));
        }
        return entry;
    } catch (const DbError& e) {
        if (e.Value() != Err::CannotOpen)
            throw;  // a refused value, already in words
        throw DbError(Err::WriteFailed,
                      QCoreApplication::translate("Journal", "Could not record in the journal %1: %2")
                          .arg(quotedPath(path_), e.Description()));
    }
}

void Journal::appendInTransaction(sqlite3* db, JournalEntry& entry)
{
    if (!JournalLayout::isLaidOut(db, path_))
        JournalLayout::create(db);
    if (entry.kind == EntryKind::Void)
        checkVoidable(db, entry.voids);
    const Last last = lastOf(db);
    entry.number = last.number + 1;
    // Stamped under the write lock, so times follow the numbers.
    const QDateTime now = clock_();
    entry.time = now.toOffsetFromUtc(now.offsetFromUtc());
    entry.till = till_.isEmpty() ? QSysInfo::machineHostName() : till_;
    JournalLayout::Values values = JournalLayout::valuesOf(entry);
    entry.hash = JournalLayout::hashOf(values, last.hash);
    values[JournalLayout::Hash] = QString::fromLatin1(entry.hash);
    Sql::Statement insert(db, JournalLayout::insertSql());
    JournalLayout::bind(insert, values);
    insert.step();
}

JournalEntry Journal::recordDeal(const Deal& deal)
{
    checkDeal(deal);
    JournalEntry entry;
    entry.kind = EntryKind::Deal;
    entry.deal = deal;
    return append(std::move(entry));
}

JournalEntry Journal::recordVoid(std::int64_t deal, const QString& reason)
{
    requireText(reason, QT_TRANSLATE_NOOP("Journal", "the reason for the void"));
    JournalEntry entry;
    entry.kind = EntryKind::Void;
    entry.voids = deal;
    entry.reason = reason;
    return append(std::move(entry));
}

JournalEntry Journal::recordFloat(const QString& currency, Money amount)
{
    checkAmount(currency, amount);
    JournalEntry entry;
    entry.kind = EntryKind::Float;
    entry.currency = currency;
    entry.amount = amount;
    return append(std::move(entry));
}

JournalEntry Journal::recordCount(const QString& currency, Money amount)
{
    checkAmount(currency, amount);
    JournalEntry entry;
    entry.kind = EntryKind::Count;
    entry.currency = currency;
    entry.amount = amount;
    return append(std::move(entry));
}

} // namespace data
