#include "data/NewDatabase.h"

#include "data/Layout.h"
#include "data/RecordStore.h"
#include "data/SqliteOwners.h"
#include "data/Validation.h"

#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

using namespace Qt::StringLiterals;

namespace data {

namespace {

// Removes the half-made file unless the creation reached its end.
class RemoveUnlessKept {
public:
    explicit RemoveUnlessKept(QString path) : path_(std::move(path)) {}
    ~RemoveUnlessKept()
    {
        if (!kept_) {
            QFile::remove(path_ + u"-journal"_s);
            QFile::remove(path_);
        }
    }
    RemoveUnlessKept(const RemoveUnlessKept&) = delete;
    RemoveUnlessKept& operator=(const RemoveUnlessKept&) = delete;
    void keep() noexcept { kept_ = true; }

private:
    QString path_;
    bool kept_ = false;
};

void create(const QString& path, const std::vector<RateRow>& rows)
{
    // Made exclusively, so an existing file (or one appearing meanwhile) is never touched.
    {
        QFile file(path);
        if (QFileInfo(path).isSymLink() || !file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            if (QFileInfo::exists(path) || QFileInfo(path).isSymLink())
                throw DbError(Err::WriteFailed, u"%1 already exists; it is left as it is."_s.arg(quotedPath(path)));
            throw DbError(Err::WriteFailed,
                          u"Could not create %1: %2"_s.arg(quotedPath(path), file.errorString()));
        }
    }
    RemoveUnlessKept cleanup(path);

    sqlite3* raw = nullptr;
    const int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &raw, SQLITE_OPEN_READWRITE, nullptr);
    Sql::DbHandle db(raw);
    if (rc != SQLITE_OK)
        throw sqliteFailure(raw, rc);
    sqlite3_extended_result_codes(raw, 1);
    if (keyDatabase(raw) != SQLITE_OK)
        throw DbError(Err::WriteFailed, u"Could not set up the encryption of %1."_s.arg(quotedPath(path)));
    if (const int src = Sql::makeCommitsDurable(raw); src != SQLITE_OK)
        throw sqliteFailure(raw, src);

    {
        Sql::Transaction transaction(raw);
        Layout::createTable(raw);
        Sql::Statement insert(raw, Layout::insertSql());
        std::size_t number = 0;
        for (const RateRow& row : rows) {
            ++number;
            Layout::bindRow(insert, row);
            const int src = insert.tryStep();
            insert.rewind();
            if (src != SQLITE_DONE) {
                QString why = sqliteFailure(raw, src).Description();
                if (src == SQLITE_CONSTRAINT_UNIQUE)
                    why = u"the country is listed twice."_s;
                else if ((src & 0xff) == SQLITE_CONSTRAINT)
                    why = u"a value breaks a rule of the table (country 1 to %1 characters, unit at most %2, "
                          u"rate a number above 0, date YYYY-MM-DD)."_s.arg(CountryMaxLength)
                              .arg(UnitMaxLength);
                throw DbError(Err::WriteFailed,
                              u"Row %1 ('%2') cannot be stored: %3"_s.arg(number).arg(row.country, why));
            }
        }
        insert.reset();
        transaction.commit();
    }

    const int crc = sqlite3_close(db.release());
    if (crc != SQLITE_OK)
        throw DbError(Err::WriteFailed, u"Could not finish writing %1."_s.arg(quotedPath(path)));
    cleanup.keep();
}

} // namespace

void createRatesDatabase(const QString& path, const std::vector<RateRow>& rows)
{
    asWrite([&] { create(path, rows); });
}

} // namespace data
