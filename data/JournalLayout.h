#pragma once

// Internal to the store: the journal's table, described once, and how an
// entry becomes a row and the bytes its hash covers.
//
// Layout 1 (PRAGMA user_version): one table `entries`, a row per entry, its
// columns in the order of Columns below; values the kind does not use are NULL.
// Money is text "-123.45", rates the shortest text that reads back as the
// same double, days YYYY-MM-DD, the moment `utc` as YYYY-MM-DDTHH:MM:SS.zzzZ
// with `utc_offset` the till's offset in seconds east and `local_day` the
// till's day then.
//
// The hash of an entry is SHA-256, as 64 lowercase hex digits, over the UTF-8
// bytes of
//
//     "journal entry 1\n"
//     "previous=" <the previous entry's hash; 64 zeros for entry 1> "\n"
//     then for each column but `hash`, in order:
//         <name> "\n"                                   when NULL
//         <name> "=" <byte count> ":" <value> "\n"      otherwise
//
// with integers in decimal. The byte count keeps a value holding "\n" from
// being read as another field.

#include "data/Journal.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <optional>

struct sqlite3;

namespace data {
namespace Sql {
class Statement;
}
} // namespace data

namespace data::JournalLayout {

inline constexpr int Version = 1;

enum Col {
    Number, Kind, Utc, UtcOffset, LocalDay, Till, Customer,
    FromCountry, FromCurrency, FromUnit, FromRate, FromRateDate, FromBuyMargin, FromSellMargin,
    ToCountry, ToCurrency, ToUnit, ToRate, ToRateDate, ToBuyMargin, ToSellMargin,
    BuyRate, SellRate, Amount, CommissionPercent, MinimumCommission,
    Exchanged, Commission, MinimumApplied, Total, PaidOut, PaidInPounds,
    Voids, Reason, Currency, Hash,
    ColumnCount
};

struct Column {
    const char* name;
    const char* definition;  // type and constraints
    bool integer;
};

extern const std::array<Column, ColumnCount> Columns;

// A row's values as text, in column order; nothing for NULL.
using Values = std::array<std::optional<QString>, ColumnCount>;

inline constexpr char FirstPrevious[] = "0000000000000000000000000000000000000000000000000000000000000000";

// In the open write transaction of a file that is new (or empty): the table,
// its indexes and triggers, and the version.
void create(sqlite3* db);
// Whether the opened file is a journal this program may use: false for one
// still empty (the first record lays it out); throws DbError(Err::CannotOpen)
// for another kind of file or a newer layout.
bool isLaidOut(sqlite3* db, const QString& path);

QByteArray selectSql(const char* where);  // "SELECT <every column> FROM entries <where>"
QByteArray insertSql();

Values valuesOf(const JournalEntry& entry);
JournalEntry entryOf(const Values& values);
Values read(const Sql::Statement& stmt);
void bind(Sql::Statement& insert, const Values& values);

QByteArray hashOf(const Values& values, const QByteArray& previous);
// The same over the row a SELECT of selectSql() stands on, as stored.
QByteArray hashOfRow(const Sql::Statement& select, const QByteArray& previous);

} // namespace data::JournalLayout
