#include "data/RatesFile.h"

#include "calculator/NumberText.h"
#include "data/Csv.h"
#include "data/RecordStore.h"

#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

#include <memory>

using namespace Qt::StringLiterals;

namespace MOD_Data {

namespace {

// The rules the program relies on live in the file itself, so no other writer
// (a second copy of the program, a buggy caller) can store a duplicate country
// or a rate that is not a finite number above 0. Country uses the default
// binary collation: case and blanks count.
constexpr char kSchema[] =
    "CREATE TABLE \"tblExchanges\" ("
    " \"Country\" TEXT NOT NULL UNIQUE CHECK (length(\"Country\") BETWEEN 1 AND 50),"
    " \"Monetery Unit\" TEXT CHECK (length(\"Monetery Unit\") <= 25),"
    " \"Exchange Rate\" REAL NOT NULL CHECK (typeof(\"Exchange Rate\") IN ('real', 'integer')"
    " AND \"Exchange Rate\" > 0 AND \"Exchange Rate\" <= 1.7976931348623157e308)"
    ");";

struct DbCloser {
    void operator()(sqlite3* db) const noexcept { sqlite3_close_v2(db); }
};
struct StmtFinalizer {
    void operator()(sqlite3_stmt* stmt) const noexcept { sqlite3_finalize(stmt); }
};

QString quotedPath(const QString& path)
{
    return u'\'' + path + u'\'';
}

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

void exec(sqlite3* db, const char* sql)
{
    const int rc = sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK)
        throw sqliteFailure(db, rc);
}

} // namespace

void createRatesFile(const QString& path, const std::vector<RateRow>& rows)
{
    // Made exclusively, so an existing file (or one appearing meanwhile) is never touched.
    {
        QFile file(path);
        if (QFileInfo(path).isSymLink() || !file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            if (QFileInfo::exists(path) || QFileInfo(path).isSymLink())
                throw DbError(Err::CannotOpen, u"%1 already exists; it is left as it is."_s.arg(quotedPath(path)));
            throw DbError(Err::CannotOpen,
                          u"Could not create %1: %2"_s.arg(quotedPath(path), file.errorString()));
        }
    }
    RemoveUnlessKept cleanup(path);

    sqlite3* raw = nullptr;
    const int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &raw, SQLITE_OPEN_READWRITE, nullptr);
    std::unique_ptr<sqlite3, DbCloser> db(raw);
    if (rc != SQLITE_OK)
        throw sqliteFailure(db.get(), rc);
    sqlite3_extended_result_codes(db.get(), 1);
    if (keyDatabase(db.get()) != SQLITE_OK)
        throw DbError(Err::CannotOpen, u"Could not set up the encryption of %1."_s.arg(quotedPath(path)));

    exec(db.get(), "BEGIN");
    exec(db.get(), kSchema);
    sqlite3_stmt* rawInsert = nullptr;
    int prc = sqlite3_prepare_v2(db.get(),
                                 "INSERT INTO \"tblExchanges\" (\"Country\", \"Monetery Unit\", \"Exchange Rate\")"
                                 " VALUES (?1, ?2, ?3)",
                                 -1, &rawInsert, nullptr);
    std::unique_ptr<sqlite3_stmt, StmtFinalizer> insert(rawInsert);
    if (prc != SQLITE_OK)
        throw sqliteFailure(db.get(), prc);

    std::size_t number = 0;
    for (const RateRow& row : rows) {
        ++number;
        const QByteArray country = row.country.toUtf8();
        const QByteArray unit = row.unit.toUtf8();
        sqlite3_bind_text(insert.get(), 1, country.constData(), static_cast<int>(country.size()), SQLITE_STATIC);
        sqlite3_bind_text(insert.get(), 2, unit.constData(), static_cast<int>(unit.size()), SQLITE_STATIC);
        sqlite3_bind_double(insert.get(), 3, row.rate);
        const int src = sqlite3_step(insert.get());
        sqlite3_reset(insert.get());
        sqlite3_clear_bindings(insert.get());
        if (src != SQLITE_DONE) {
            QString why = sqliteFailure(db.get(), src).Description();
            if (src == SQLITE_CONSTRAINT_UNIQUE)
                why = u"the country is listed twice."_s;
            else if ((src & 0xff) == SQLITE_CONSTRAINT)
                why = u"a value breaks a rule of the table (country 1 to 50 characters, unit at most 25, "
                      u"rate a number above 0)."_s;
            throw DbError(Err::CannotOpen,
                          u"Row %1 ('%2') cannot be stored: %3"_s.arg(number).arg(row.country, why));
        }
    }
    insert.reset();
    exec(db.get(), "COMMIT");

    const int crc = sqlite3_close(db.release());
    if (crc != SQLITE_OK)
        throw DbError(Err::CannotOpen, u"Could not finish writing %1."_s.arg(quotedPath(path)));
    cleanup.keep();
}

namespace {

// RFC 4180 fields: separated by commas, optionally quoted with "..." where ""
// is a quote; a quoted field may hold commas and line breaks.
struct CsvRecord {
    int line = 0;  // where the record starts
    QStringList fields;
};

std::vector<CsvRecord> parseCsv(const QString& text, const QString& path)
{
    std::vector<CsvRecord> records;
    CsvRecord record;
    QString field;
    bool quoted = false;      // inside "..."
    bool wasQuoted = false;   // the current field was quoted (no text may follow)
    bool recordStarted = false;
    int line = 1;
    record.line = 1;

    auto malformed = [&](const QString& why) {
        return DbError(Err::CannotOpen, u"Line %1 of %2: %3"_s.arg(line).arg(quotedPath(path), why));
    };
    auto endField = [&] {
        record.fields.append(field);
        field.clear();
        wasQuoted = false;
    };
    auto endRecord = [&] {
        if (recordStarted) {
            endField();
            records.push_back(record);
        }
        record = CsvRecord{};
        recordStarted = false;
        record.line = line + 1;
    };

    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == u'"') {
                if (i + 1 < text.size() && text.at(i + 1) == u'"') {
                    field += u'"';
                    ++i;
                } else {
                    quoted = false;
                    wasQuoted = true;
                }
            } else {
                if (c == u'\n')
                    ++line;
                field += c;
            }
            continue;
        }
        if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
            continue;
        if (c == u'\n' || c == u'\r') {
            endRecord();
            ++line;
            continue;
        }
        recordStarted = true;
        if (c == u',') {
            endField();
        } else if (c == u'"') {
            if (!field.isEmpty() || wasQuoted)
                throw malformed(u"a quote inside an unquoted field."_s);
            quoted = true;
        } else {
            if (wasQuoted)
                throw malformed(u"text after a closing quote."_s);
            field += c;
        }
    }
    if (quoted)
        throw malformed(u"a quoted field is not closed."_s);
    endRecord();
    return records;
}

} // namespace

std::vector<RateRow> readSeedCsv(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw DbError(Err::CannotOpen, u"Could not read %1: %2"_s.arg(quotedPath(path), file.errorString()));
    const QString text = QString::fromUtf8(file.readAll());

    const Csv::Result csv = Csv::parse(text);
    if (!csv.ok())
        throw DbError(Err::CannotOpen, u"Line %1 of %2: %3"_s.arg(csv.errorLine).arg(quotedPath(path), csv.error));
    const QStringList header = {FieldCountry.toString(), FieldUnit.toString(), FieldRate.toString()};
    if (csv.records.empty() || csv.records.front().fields != header)
        throw DbError(Err::CannotOpen,
                      u"%1 must start with the line: Country,Monetery Unit,Exchange Rate"_s.arg(quotedPath(path)));

    std::vector<RateRow> rows;
    rows.reserve(csv.records.size() - 1);
    for (std::size_t i = 1; i < csv.records.size(); ++i) {
        const Csv::Record& record = csv.records[i];
        auto bad = [&](const QString& why) {
            return DbError(Err::CannotOpen, u"Line %1 of %2: %3"_s.arg(record.line).arg(quotedPath(path), why));
        };
        if (record.fields.size() != 3)
            throw bad(u"expected 3 fields, found %1."_s.arg(record.fields.size()));
        const MOD_Universe::ParsedNumber rate = MOD_Universe::readNumber(record.fields[2].trimmed());
        if (!rate.ok() || !(rate.value > 0.0))
            throw bad(u"'%1' is not a rate above 0."_s.arg(record.fields[2]));
        rows.push_back(RateRow{record.fields[0], record.fields[1], rate.value, {}});
    }
    return rows;
}

} // namespace MOD_Data
