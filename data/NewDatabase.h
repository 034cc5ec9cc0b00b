#pragma once

// Creating a rates file: used by the build to seed Exchange.db and by tests to
// make real database files. The program itself never creates the file.

#include "data/RateRow.h"

#include <QString>

#include <vector>

namespace data {

// Creates a new SQLCipher file keyed with the database password, at the current
// layout, with the table tblExchanges and its constraints (data/Fields.h: Country
// unique, exact, 1..50 characters; unit at most 25; rate a finite number above 0;
// Updated a YYYY-MM-DD date or NULL), holding rows in the given order.
// Throws DbError (Err::WriteFailed); never overwrites an existing file.
void createRatesDatabase(const QString& path, const std::vector<RateRow>& rows);

} // namespace data
