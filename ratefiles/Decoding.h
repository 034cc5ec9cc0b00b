#pragma once

#include <QByteArray>
#include <QString>

namespace ratefiles {

// Text from the file's bytes: UTF-8 (byte-order mark or not), UTF-16 with its
// mark, and, for older downloads saved by spreadsheets, Windows-1252 when the
// bytes are not valid UTF-8. Control characters other than tab and line ends
// mean a binary file. utf8 says whether the bytes were read as UTF-8.
// Throws FileFault for bytes that are no text.
QString decodeText(const QByteArray& bytes, bool& utf8);

} // namespace ratefiles
