#pragma once

#include <QStringList>

class QListWidget;

namespace MOD_Data {

// Replaces a list's entries with names in alphabetical order, letter case
// ignored, in one batch; no selection remains and no selection event is raised.
void fillSortedList(QListWidget& list, QStringList names);

// Appends every Country of rsRates to names, in record-set order; an empty table
// adds none. Throws DbError; the names read before a failure stay in names.
void readCountries(QStringList& names);

} // namespace MOD_Data
