#pragma once

// The project's CSV reader and writer (RFC 4180 with the habits of real files):
// fields separated by commas (or, as spreadsheets save them, by semicolons or
// tabs), optionally quoted with "..." where "" stands for a quote; a quoted
// field may hold separators and line breaks. Lines end in LF, CR LF
// or CR. A leading UTF-8 byte-order mark is dropped. Blanks around a quoted field
// are allowed and dropped; unquoted fields are returned as written (callers
// decide whether blanks count). Records whose fields are all blank are skipped,
// so blank lines and lines of empty cells at the end of a sheet vanish.

#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

namespace ratefiles::Csv {

// More fields on one line than a spreadsheet has columns is no table: such a
// line is refused rather than held as millions of empty fields.
inline constexpr qsizetype MaxFields = 16384;

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

// Reads records one at a time, so a large file is never held as fields all at
// once. The text must outlive the reader.
class Reader {
public:
    explicit Reader(QStringView text, QChar separator = u',');
    // The next record that is not all blank. False at the end of the text, or at
    // a malformed record: error() then says why and errorLine() where.
    bool next(Record& record);
    const QString& error() const { return error_; }
    int errorLine() const { return errorLine_; }

private:
    bool readRecord(Record& record);
    bool failed(const QString& why);

    QStringView text_;
    QChar separator_;
    qsizetype pos_ = 0;
    int line_ = 1;
    QString error_;
    int errorLine_ = 0;
};

// Parses the whole text; stops at the first malformed record.
Result parse(QStringView text, QChar separator = u',');

// One field as written to a file: quoted when it holds a comma, a quote, a line
// break, or blanks at either end (which a reader might otherwise drop).
QString field(const QString& value);

// Fields joined by commas, without a line end.
QString line(const QStringList& fields);

} // namespace ratefiles::Csv
