#pragma once

// Internal to the store: the table's layout as SQL, built from the field table
// (data/Fields.h), and the upgrade of an older file's layout.
//
// Versions (PRAGMA user_version): 0, files made before the layout had a number,
// and 1 hold Country, Monetery Unit and Exchange Rate; 2 adds Updated. A file
// is upgraded by the first write that reaches it, inside that write's
// transaction: opening and reading never write, so a file that is read-only or
// locked by another copy still opens and reads (a field it lacks reads as
// NULL), and an upgrade is never left half done.

#include "data/Fields.h"

#include <QByteArray>

#include <array>

struct sqlite3;

namespace MOD_Data::Layout {

using Present = std::array<bool, Fields.size()>;

// CREATE TABLE for the current layout, constraints included.
QByteArray createTableSql();

// INSERT of every field, the values bound as ?1..?N in the order of Fields.
QByteArray insertSql();

// PRAGMA user_version of the file.
int version(sqlite3* db);
// Throws DbError(Err::CannotOpen) for a version this program does not know.
void checkKnown(int version);

// Which of the fields the file's table has (by name, ignoring case as SQLite
// does); tableFound is false when there is no such table.
Present presentColumns(sqlite3* db, bool& tableFound);

// Fields a file of this version must have.
bool requiredAt(const FieldDef& field, int version);

// "rowid, "Country", ..." with NULL in the place of a missing field, so rows
// always come back in the order of Fields.
QByteArray selectList(const Present& present);

// Inside an open write transaction: adds the fields the file lacks and stamps
// the current version. Throws DbError for a file newer than this program.
void bringUpToDate(sqlite3* db);

} // namespace MOD_Data::Layout
