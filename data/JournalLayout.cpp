#include "data/JournalLayout.h"

#include "data/NumberText.h"
#include "data/SqliteOwners.h"
#include "data/Validation.h"

#include <QCoreApplication>
#include <QCryptographicHash>

#include <sqlite3.h>

#include <charconv>

using namespace Qt::StringLiterals;

namespace data::JournalLayout {

const std::array<Column, ColumnCount> Columns{{
    {"number", "INTEGER PRIMARY KEY", true},
    {"kind", "TEXT NOT NULL CHECK (kind IN ('deal', 'void', 'float', 'count'))", false},
    {"utc", "TEXT NOT NULL", false},
    {"utc_offset", "INTEGER NOT NULL", true},
    {"local_day", "TEXT NOT NULL", false},
    {"till", "TEXT NOT NULL", false},
    {"customer", "TEXT", false},
    {"from_country", "TEXT", false},
    {"from_currency", "TEXT", false},
    {"from_unit", "TEXT", false},
    {"from_rate", "TEXT", false},
    {"from_rate_date", "TEXT", false},
    {"from_buy_margin", "TEXT", false},
    {"from_sell_margin", "TEXT", false},
    {"to_country", "TEXT", false},
    {"to_currency", "TEXT", false},
    {"to_unit", "TEXT", false},
    {"to_rate", "TEXT", false},
    {"to_rate_date", "TEXT", false},
    {"to_buy_margin", "TEXT", false},
    {"to_sell_margin", "TEXT", false},
    {"buy_rate", "TEXT", false},
    {"sell_rate", "TEXT", false},
    {"amount", "TEXT", false},  // a deal's in from_currency; a float's or count's in currency
    {"commission_percent", "TEXT", false},
    {"minimum_commission", "TEXT", false},
    {"exchanged", "TEXT", false},
    {"commission", "TEXT", false},
    {"minimum_applied", "INTEGER CHECK (minimum_applied IN (0, 1))", true},
    {"total", "TEXT", false},
    {"paid_out", "TEXT", false},
    {"paid_in_pounds", "TEXT", false},
    {"voids", "INTEGER", true},
    {"reason", "TEXT", false},
    {"currency", "TEXT", false},
    {"hash", "TEXT NOT NULL CHECK (length(hash) = 64)", false},
}};

namespace {

// The rules the database keeps whoever writes to it. A row is added only with
// the number after the last (which also stops INSERT OR REPLACE from putting
// a new row in an old one's place, since REPLACE fires no delete trigger);
// nothing is changed or deleted; a void reverses a deal, once.
constexpr const char* kRules[] = {
    "CREATE INDEX entries_by_day ON entries (local_day)",
    "CREATE INDEX entries_by_voided ON entries (voids)",
    "CREATE TRIGGER entries_in_sequence BEFORE INSERT ON entries"
    " WHEN NEW.number IS NOT (SELECT coalesce(max(number), 0) + 1 FROM entries)"
    " BEGIN SELECT RAISE(ABORT, 'a journal entry takes the number after the last'); END",
    "CREATE TRIGGER entries_void_once BEFORE INSERT ON entries WHEN NEW.kind = 'void'"
    " AND (NOT EXISTS (SELECT 1 FROM entries WHERE number = NEW.voids AND kind = 'deal')"
    " OR EXISTS (SELECT 1 FROM entries WHERE voids = NEW.voids))"
    " BEGIN SELECT RAISE(ABORT, 'a void reverses a deal, once'); END",
    "CREATE TRIGGER entries_never_change BEFORE UPDATE ON entries"
    " BEGIN SELECT RAISE(ABORT, 'journal entries are never changed'); END",
    "CREATE TRIGGER entries_never_deleted BEFORE DELETE ON entries"
    " BEGIN SELECT RAISE(ABORT, 'journal entries are never deleted'); END",
};

constexpr const char* kKindNames[] = {"deal", "void", "float", "count"};

QString rateText(double value)
{
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;  // shortest that reads back
    return QString::fromLatin1(buffer, end - buffer);
}

double rateOf(const std::optional<QString>& text)
{
    return text ? readNumber(*text).value : 0.0;
}

Money moneyOf(const std::optional<QString>& text)
{
    return text ? Money::fromText(*text).value_or(Money()) : Money();
}

QString dayText(const QDate& day)
{
    return day.toString(Qt::ISODate);
}

std::optional<QString> optionalDay(const QDate& day)
{
    return day.isNull() ? std::nullopt : std::optional<QString>(dayText(day));
}

void putSide(Values& v, int first, const DealSide& side)
{
    v[first] = side.country;
    v[first + 1] = side.currency;
    v[first + 2] = side.unit;
    v[first + 3] = rateText(side.rate);
    v[first + 4] = optionalDay(side.rateDate);
    v[first + 5] = side.buyMargin;
    v[first + 6] = side.sellMargin;
}

DealSide sideOf(const Values& v, int first)
{
    return {.country = v[first].value_or(QString()),
            .currency = v[first + 1].value_or(QString()),
            .unit = v[first + 2].value_or(QString()),
            .rate = rateOf(v[first + 3]),
            .rateDate = v[first + 4] ? isoDay(*v[first + 4]) : QDate(),
            .buyMargin = v[first + 5].value_or(QString()),
            .sellMargin = v[first + 6].value_or(QString())};
}

void putDeal(Values& v, const Deal& deal)
{
    v[Customer] = deal.customer;
    putSide(v, FromCountry, deal.from);
    putSide(v, ToCountry, deal.to);
    v[BuyRate] = rateText(deal.buyRate);
    v[SellRate] = rateText(deal.sellRate);
    v[Amount] = deal.amount.toText();
    v[CommissionPercent] = deal.commissionPercent;
    v[MinimumCommission] = deal.minimumCommission.toText();
    v[Exchanged] = deal.exchanged.toText();
    v[Commission] = deal.commission.toText();
    v[MinimumApplied] = QString::number(deal.minimumApplied ? 1 : 0);
    v[Total] = deal.total.toText();
    v[PaidOut] = deal.paidOut.toText();
    v[PaidInPounds] = deal.paidInPounds.toText();
}

Deal dealOf(const Values& v)
{
    return {.customer = v[Customer].value_or(QString()),
            .from = sideOf(v, FromCountry),
            .to = sideOf(v, ToCountry),
            .buyRate = rateOf(v[BuyRate]),
            .sellRate = rateOf(v[SellRate]),
            .amount = moneyOf(v[Amount]),
            .commissionPercent = v[CommissionPercent].value_or(QString()),
            .minimumCommission = moneyOf(v[MinimumCommission]),
            .exchanged = moneyOf(v[Exchanged]),
            .commission = moneyOf(v[Commission]),
            .minimumApplied = v[MinimumApplied] == u"1"_s,
            .total = moneyOf(v[Total]),
            .paidOut = moneyOf(v[PaidOut]),
            .paidInPounds = moneyOf(v[PaidInPounds])};
}

// The first column of a one-row query, or the SQLite code that stopped it.
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

} // namespace

void create(sqlite3* db)
{
    QByteArray sql = "CREATE TABLE entries (";
    for (const Column& column : Columns)
        sql += QByteArray(column.name) + ' ' + column.definition + ", ";
    sql += "CHECK (kind <> 'deal' OR (from_country IS NOT NULL AND to_country IS NOT NULL AND total IS NOT NULL)), "
           "CHECK (kind <> 'void' OR (voids IS NOT NULL AND reason IS NOT NULL)), "
           "CHECK (kind NOT IN ('float', 'count') OR (currency IS NOT NULL AND amount IS NOT NULL)))";
    Sql::exec(db, sql.constData());
    for (const char* rule : kRules)
        Sql::exec(db, rule);
    Sql::exec(db, QByteArray("PRAGMA user_version = " + QByteArray::number(Version)).constData());
}

bool isLaidOut(sqlite3* db, const QString& path)
{
    // The key is checked only when a page is read: this proves it.
    std::int64_t tables = 0, journals = 0, version = 0;
    int rc = readInt(db, "SELECT count(*) FROM sqlite_master", tables);
    if (rc == SQLITE_OK)
        rc = readInt(db, "SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name = 'entries'", journals);
    if (rc == SQLITE_OK)
        rc = readInt(db, "PRAGMA user_version", version);
    const int primary = rc & 0xff;
    const auto notAJournal = [&] {
        return DbError(Err::CannotOpen,
                       QCoreApplication::translate("Journal", "%1 is not a deal journal, or it is damaged.")
                           .arg(quotedPath(path)));
    };
    // A schema that does not parse (SQLITE_ERROR here) is damage too.
    if (primary == SQLITE_NOTADB || primary == SQLITE_CORRUPT || primary == SQLITE_FORMAT || primary == SQLITE_ERROR)
        throw notAJournal();
    if (rc != SQLITE_OK)
        throw sqliteFailure(db, rc);
    if (version > Version)
        throw DbError(Err::CannotOpen,
                      QCoreApplication::translate("Journal",
                                                  "%1 was written by a newer version of Tallyvane; this version "
                                                  "cannot use it.")
                          .arg(quotedPath(path)));
    if (version == 0 && tables == 0)
        return false;
    if (version == 0 || journals == 0)
        throw notAJournal();
    return true;
}

QByteArray selectSql(const char* where)
{
    QByteArray sql = "SELECT ";
    for (const Column& column : Columns)
        sql += QByteArray(column.name) + (&column == &Columns.back() ? " " : ", ");
    return sql + "FROM entries " + where;
}

QByteArray insertSql()
{
    QByteArray names, params;
    for (std::size_t i = 0; i < Columns.size(); ++i) {
        names += QByteArray(i ? ", " : "") + Columns[i].name;
        params += (i ? ", ?" : "?") + QByteArray::number(i + 1);
    }
    return "INSERT INTO entries (" + names + ") VALUES (" + params + ")";
}

Values valuesOf(const JournalEntry& entry)
{
    Values v;
    v[Number] = QString::number(entry.number);
    v[Kind] = QString::fromLatin1(kKindNames[static_cast<int>(entry.kind)]);
    v[Utc] = entry.time.toUTC().toString(Qt::ISODateWithMs);
    v[UtcOffset] = QString::number(entry.time.offsetFromUtc());
    v[LocalDay] = dayText(entry.time.date());
    v[Till] = entry.till;
    switch (entry.kind) {
    case EntryKind::Deal:
        putDeal(v, entry.deal);
        break;
    case EntryKind::Void:
        v[Voids] = QString::number(entry.voids);
        v[Reason] = entry.reason;
        break;
    case EntryKind::Float:
    case EntryKind::Count:
        v[Currency] = entry.currency;
        v[Amount] = entry.amount.toText();
        break;
    }
    if (!entry.hash.isEmpty())
        v[Hash] = QString::fromLatin1(entry.hash);
    return v;
}

JournalEntry entryOf(const Values& v)
{
    JournalEntry entry;
    entry.number = v[Number].value_or(QString()).toLongLong();
    for (int kind = 0; kind < 4; ++kind) {
        if (v[Kind] == QLatin1StringView(kKindNames[kind]))
            entry.kind = static_cast<EntryKind>(kind);
    }
    const int offset = v[UtcOffset].value_or(QString()).toInt();
    entry.time = QDateTime::fromString(v[Utc].value_or(QString()), Qt::ISODateWithMs).toOffsetFromUtc(offset);
    entry.till = v[Till].value_or(QString());
    if (entry.kind == EntryKind::Deal)
        entry.deal = dealOf(v);
    entry.voids = v[Voids].value_or(QString()).toLongLong();
    entry.reason = v[Reason].value_or(QString());
    entry.currency = v[Currency].value_or(QString());
    if (entry.kind != EntryKind::Deal)
        entry.amount = moneyOf(v[Amount]);
    entry.hash = v[Hash].value_or(QString()).toLatin1();
    return entry;
}

Values read(const Sql::Statement& stmt)
{
    Values v;
    for (int i = 0; i < ColumnCount; ++i) {
        if (stmt.columnType(i) != SQLITE_NULL)
            v[i] = stmt.columnText(i);
    }
    return v;
}

void bind(Sql::Statement& insert, const Values& values)
{
    for (int i = 0; i < ColumnCount; ++i) {
        if (!values[i])
            insert.bindNull(i + 1);
        else if (Columns[i].integer)
            insert.bindInt(i + 1, values[i]->toLongLong());
        else
            insert.bind(i + 1, *values[i]);
    }
}

namespace {

// field(i) gives column i's UTF-8 bytes, nothing for NULL.
template <typename Field>
QByteArray hashFields(const QByteArray& previous, Field&& field)
{
    QByteArray bytes;
    bytes.reserve(2048);  // one allocation for a whole entry: the chain check hashes every one
    bytes.append("journal entry 1\nprevious=").append(previous).append('\n');
    for (int i = 0; i < Hash; ++i) {
        bytes.append(Columns[i].name);
        if (const std::optional<QByteArrayView> value = field(i)) {
            char count[24];
            const auto end = std::to_chars(count, count + sizeof count, value->size()).ptr;
            bytes.append('=').append(count, end - count).append(':').append(*value);
        }
        bytes.append('\n');
    }
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

} // namespace

QByteArray hashOf(const Values& values, const QByteArray& previous)
{
    std::array<QByteArray, ColumnCount> utf8;
    return hashFields(previous, [&](int i) -> std::optional<QByteArrayView> {
        if (!values[i])
            return std::nullopt;
        utf8[i] = values[i]->toUtf8();
        return QByteArrayView(utf8[i]);
    });
}

QByteArray hashOfRow(const Sql::Statement& select, const QByteArray& previous)
{
    return hashFields(previous, [&](int i) -> std::optional<QByteArrayView> {
        if (select.columnType(i) == SQLITE_NULL)
            return std::nullopt;
        return select.columnUtf8(i);
    });
}

} // namespace data::JournalLayout
