#pragma once

// Internal to the readers of ratefiles/: a fault in a file, and the checks
// every reader shares (rates, field counts, the cap on rates, dates, twins).

#include "ratefiles/RateFile.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>
#include <vector>

namespace ratefiles {

// A fault in the file, thrown by the readers and turned into a RateFileResult's
// error at the end. With a line, why is what is wrong there; without one
// (the file as a whole), why is a whole sentence whose %1 is the file's name
// and %2 the detail, which holds anything the file or the system said.
struct FileFault {
    QString why;
    qint64 line = 0;
    std::optional<QString> detail = std::nullopt;
};

// What a file holds, quoted in a message in the language's own marks.
QString quoted(const QString& text);

// A rate as written: a plain decimal number the table can hold; with
// decimalComma, a comma is its decimal point. what, when given, names the
// rate's column or element in the fault.
double readRate(QStringView written, qint64 line, const QString& what = QString(), bool decimalComma = false);

// Rates as a CSV file writes them. A comma in a rate is its decimal point, as
// spreadsheets in comma locales save it: where semicolons or tabs separate
// the fields ("Unicode Text" is tabbed), or quoted where commas do. A point
// may be one too (a file of this program's, saved again), but a rate or a
// file that uses both may hold thousands separators, which would misread a
// figure, and is refused.
class CsvRates {
public:
    double read(QStringView written, qint64 line, const QString& what = QString());

private:
    QChar mark_;
    qint64 markLine_ = 0;
};

// A record with fewer or more fields than the header promised.
FileFault fieldCount(qsizetype expected, qsizetype found, QChar separator, qint64 line);

// Spreadsheets add separators after the last cell of a sheet's widest row.
QStringList withoutTrailingBlanks(QStringList fields, qsizetype keep = 0);

// count: the rates read so far, the one at line included.
void checkRateCount(qsizetype count, qint64 line);

// readDate, or the fault, a sentence whose %1 is the date as written.
QDate requireDate(const QString& written, qint64 line, const QString& fault);

void checkNoDuplicateCountries(const std::vector<FileRate>& rates);

} // namespace ratefiles
