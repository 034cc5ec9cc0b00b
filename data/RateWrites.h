#pragma once

// Reading the whole rates table, and writing many rows at once (an import):
// all of them in one transaction, or none.

#include "data/RateRow.h"
#include "data/RecordStore.h"

#include <utility>
#include <vector>

namespace data {

// Every row in insertion order, with its date (null when unknown), code,
// margins and smallest note (their defaults in a file of an older layout).
// Values another tool stored as other types read as text would: a NULL text
// is "", a rate that is not a number is 0, a date that is not YYYY-MM-DD is
// null.
// Throws DbError (Err::ObjectClosed when the connection is not open).
std::vector<RateRow> readAllRates(Connection& connection);

// isNew: inserts a new row of every value the write holds; otherwise sets
// the rate and updated of the row whose Country equals country exactly, and
// its code where it has none (its unit, margins, smallest note and a code it
// has are left as they are). A missing row, a country already there or named
// twice in the list (Err::WriteFailed), a value its field cannot hold
// (Err::MultipleStep): DbError, and the table is exactly as before. All in
// one transaction, which also brings an older layout up to date. Afterwards
// the connection's record sets (rsRates) drop the rows they had read ahead and
// re-read their current row, so they show the new values; a current row that
// can no longer be read leaves no current row until the next move.
void applyRateWrites(Connection& connection, const std::vector<RateWrite>& writes);

// The whole table replaced by rows, in their order, and the named settings
// stored beside them, in one transaction (head office's rates: every value,
// margins and smallest notes included, as given). A value its field cannot
// hold or a country named twice is refused before anything is written;
// any failure is DbError and leaves the file as it was.
void replaceAllRates(Connection& connection, const std::vector<RateRow>& rows,
                     const std::vector<std::pair<QString, QString>>& settings);

} // namespace data
