#pragma once

// Internal to the store: the table's layout as SQL, built from the field table
// (data/Fields.h), and the upgrade of an older file's layout.
//
// Versions (PRAGMA user_version): 0, files made before the layout had a number,
// and 1 hold Country, Monetery Unit and Exchange Rate; 2 adds Updated; 3 adds
// Code, Buy Margin, Sell Margin and Smallest Note, and the table of the till's
// settings (tblSettings, Name and Value). A file
// is upgraded by the first write that reaches it, inside that write's
// transaction: opening and reading never write, so a file that is read-only or
// locked by another copy still opens and reads (a field it lacks reads as
// NULL, or its default), and an upgrade is never left half done.

#include "data/Fields.h"

#include <QByteArray>

#include <array>

struct sqlite3;

namespace data {
struct RateRow;
namespace Sql {
class Statement;
}
} // namespace data

namespace data::Layout {

using Present = std::array<bool, Fields.size()>;

// In an open write transaction of a new file: the table of the current layout,
// constraints included, and its version.
void createTable(sqlite3* db);

// INSERT of every field, the values bound as ?1..?N in the order of Fields;
// bindRow binds a row's values to it.
QByteArray insertSql();
void bindRow(Sql::Statement& insert, const RateRow& row);

// PRAGMA user_version of the file.
int version(sqlite3* db);
// Throws DbError(Err::CannotOpen) for a version this program does not know.
void checkKnown(int version);

// Which of the fields the file's table has (by name, ignoring case as SQLite
// does); tableFound is false when there is no such table.
Present presentColumns(sqlite3* db, bool& tableFound);

// Fields a file of this version must have.
bool requiredAt(const FieldDef& field, int version);

// presentColumns for a file of this version, which must have the table
// (Err::NoTable) and the fields its version requires (Err::BadField).
Present requireColumns(sqlite3* db, int version);

// "rowid, "Country", ..." with the default ('' or 0) or NULL in the place of a
// missing field, so rows always come back in the order of Fields.
QByteArray selectList(const Present& present);

// Inside an open write transaction: adds the fields and the settings table
// the file lacks and stamps the current version. Throws DbError for a file
// newer than this program.
void bringUpToDate(sqlite3* db);

} // namespace data::Layout
