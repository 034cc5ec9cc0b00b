#include "ratefiles/Readers.h"

#include "ratefiles/ExportHeader.h"
#include "ratefiles/Reading.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;
using data::FieldCountry;
using data::FieldRate;
using data::FieldUnit;
using data::FieldUpdated;
using data::fieldIndexOf;

namespace ratefiles {

namespace {

// Where each field stands: the header is the field table's names in order.
constexpr qsizetype columnOf(QStringView field)
{
    return fieldIndexOf(field);
}

// Spreadsheets in comma locales save the day as 01.03.2024; with slashes day
// and month cannot be told apart.
QDate exportedDay(const QString& day, qint64 line)
{
    QDate date = QDate::fromString(day, Qt::ISODate);
    if (!date.isValid())
        date = QDate::fromString(day, u"d.M.yyyy"_s);
    if (!date.isValid())
        throw FileFault{
            QCoreApplication::translate(
                "RateFiles", "the date %1 is not a date (YYYY-MM-DD, or DD.MM.YYYY as spreadsheets save it).")
                .arg(quoted(day)),
            line};
    return date;
}

} // namespace

RateFile readExport(Csv::Reader& csv, qsizetype columns, QChar separator, RateFile file)
{
    CsvRates rates;
    Csv::Record record;
    while (csv.next(record)) {
        const QStringList fields = withoutTrailingBlanks(std::move(record.fields), columns);
        if (fields.size() != columns)
            throw fieldCount(columns, fields.size(), separator, record.line);
        checkRateCount(qsizetype(file.rates.size()) + 1, record.line);
        FileRate r;
        // Names exactly as the table holds them: blanks count there.
        r.country = fields[columnOf(FieldCountry)];
        if (r.country.trimmed().isEmpty())
            throw FileFault{QCoreApplication::translate("RateFiles", "the country is missing."), record.line};
        r.unit = fields[columnOf(FieldUnit)];
        r.rate = rates.read(fields[columnOf(FieldRate)], record.line);
        // A file of the first layout has no dates.
        if (columnOf(FieldUpdated) < columns) {
            const QString day = fields[columnOf(FieldUpdated)].trimmed();
            if (!day.isEmpty())
                r.date = exportedDay(day, record.line);
        }
        r.line = record.line;
        file.rates.push_back(std::move(r));
    }
    if (!csv.error().isEmpty())
        throw FileFault{csv.error(), csv.errorLine()};
    checkNoDuplicateCountries(file.rates);
    file.format = RateFileFormat::OwnExport;
    return file;
}

} // namespace ratefiles
