#pragma once

// The project's CSV reader and writer (RFC 4180 with the habits of real files):
// fields separated by commas, optionally quoted with "..." where "" stands for a
// quote; a quoted field may hold commas and line breaks. Lines end in LF, CR LF
// or CR. A leading UTF-8 byte-order mark is dropped. Blanks around a quoted field
// are allowed and dropped; unquoted fields are returned as written (callers
// decide whether blanks count). Records whose fields are all blank are skipped,
// so blank lines and lines of empty cells at the end of a sheet vanish.

#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

namespace MOD_Data::Csv {

struct Record {
    int line = 0;  // where the record starts, from 1
    QStringList fields;
};

struct Result {
    std::vector<Record> records;
    QString error;      // empty on success
    int errorLine = 0;  // the line the error was found on
    bool ok() const { return error.isEmpty(); }
};

// Parses the whole text; stops at the first malformed record.
Result parse(QStringView text);

// One field as written to a file: quoted when it holds a comma, a quote, a line
// break, or blanks at either end (which a reader might otherwise drop).
QString field(const QString& value);

// Fields joined by commas, without a line end.
QString line(const QStringList& fields);

} // namespace MOD_Data::Csv
