#pragma once

// Words the program puts around what the user typed or a file holds, in the
// language of the translation in use: quotation marks, and the names the
// user knows the fields by.

#include <QString>
#include <QStringView>

namespace data {

// A value or a file name inside a message, in the language's own quotation
// marks ('...' in English).
QString quoted(const QString& text);

// What the user calls a field of the rates table: the caption of its box in
// the rate dialogs, without the colon ("Denomination" for "Monetery Unit").
// A field no dialog shows is called by its stored name.
QString fieldLabel(QStringView field);

} // namespace data
