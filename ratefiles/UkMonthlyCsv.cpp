#include "ratefiles/Readers.h"

#include "ratefiles/Reading.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace ratefiles {

UkColumns ukColumns(const QStringList& header)
{
    UkColumns cols;
    for (int i = 0; i < header.size(); ++i) {
        const QString h = header[i].simplified().toLower();
        auto take = [&](int& col) {
            if (col < 0)
                col = i;
        };
        if (h.contains(u"country"))
            take(cols.country);
        else if (h.contains(u"code"))
            take(cols.code);
        else if (h.contains(u"per") || h.contains(u"rate"))
            take(cols.rate);
        else if (h.contains(u"start"))
            take(cols.start);
        else if (h.contains(u"end"))
            take(cols.end);
        else if (h.contains(u"currency"))
            take(cols.unit);
    }
    return cols;
}

// The UK tax authority's monthly CSV: a row per country, the period in a start
// and an end column.
RateFile readUkCsv(Csv::Reader& csv, const UkColumns& cols, QChar separator, RateFile file)
{
    CsvRates rates;
    Csv::Record record;
    while (csv.next(record)) {
        if (record.fields.size() < cols.needed())
            throw fieldCount(cols.needed(), record.fields.size(), separator, record.line);
        checkRateCount(qsizetype(file.rates.size()) + 1, record.line);
        auto at = [&](int col) { return col < 0 ? QString() : record.fields[col].trimmed(); };
        FileRate r;
        r.country = at(cols.country);
        if (r.country.isEmpty())
            throw FileFault{QCoreApplication::translate("RateFiles", "the country is missing."), record.line};
        r.unit = at(cols.unit);
        r.currencyCode = at(cols.code).toUpper();
        r.rate = rates.read(at(cols.rate), record.line);
        r.line = record.line;
        if (cols.start >= 0) {
            r.date = requireDate(at(cols.start), record.line,
                                 QCoreApplication::translate("RateFiles", "the start date %1 is not a date."));
            if (!file.from.isValid() || r.date < file.from)
                file.from = r.date;
        }
        if (cols.end >= 0) {
            const QDate end = requireDate(at(cols.end), record.line,
                                          QCoreApplication::translate("RateFiles", "the end date %1 is not a date."));
            if (!file.to.isValid() || end > file.to)
                file.to = end;
        }
        file.rates.push_back(std::move(r));
    }
    if (!csv.error().isEmpty())
        throw FileFault{csv.error(), csv.errorLine()};
    if (file.rates.empty())
        throw FileFault{QCoreApplication::translate("RateFiles", "%1 holds no rates.")};
    if (!file.to.isValid())
        file.to = file.from;
    checkNoDuplicateCountries(file.rates);
    file.format = RateFileFormat::UkMonthlyCsv;
    return file;
}

} // namespace ratefiles
