#pragma once

// The table's text limits count characters as SQLite's length() does: a
// character outside the Basic Multilingual Plane is one, not two UTF-16 units.
// The store's checks, the import and the dialogs' boxes all count this way.

#include <QString>

namespace data {

qsizetype characterCount(QStringView text);
// At most max characters; a cut never splits a surrogate pair.
QString cutToCharacters(const QString& text, qsizetype max);

} // namespace data
