#pragma once

// What the tests of every layer share: QStrings shown as text, and the sample
// tables their rates files are made from.

#include "data/RateRow.h"

#include <QString>

#include <ostream>
#include <string>
#include <vector>

// Failure messages show QStrings as text, not bytes.
void PrintTo(const QString& s, std::ostream* os);

namespace TestSupport {

// A QString as UTF-8, for comparisons whose failures print readably.
std::string str(const QString& s);

// The sample table: real countries and rates, deliberately not in alphabetical
// order, since the record set keeps the order rows were added in.
std::vector<data::RateRow> sampleRates();

// A table with the traps the main window must get past: the pivot's name again
// in lower case (look-ups are exact), a name with a quote, a rate too small to
// show in two decimals. Not alphabetical either: the lists sort, the table
// keeps its order.
std::vector<data::RateRow> trickyRates();

// Four invented rows and no traps, few enough that a dialog's test states the
// whole table after each add, edit or delete. Not alphabetical.
std::vector<data::RateRow> plainRates();

} // namespace TestSupport
