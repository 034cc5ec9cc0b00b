#include "ratefiles/Readers.h"

#include "ratefiles/PerEuro.h"
#include "ratefiles/Reading.h"

#include <QCoreApplication>
#include <QSet>

using namespace Qt::StringLiterals;

namespace ratefiles {

// The central bank's daily (or history) CSV: a header "Date, USD, JPY, ..."
// and a line of rates per euro for each day.
RateFile readEcbCsv(Csv::Reader& csv, const Csv::Record& header, QChar separator, RateFile file)
{
    QStringList codes = withoutTrailingBlanks(header.fields);
    checkRateCount(codes.size() - 1, header.line);
    QSet<QString> seen;
    for (qsizetype i = 1; i < codes.size(); ++i) {
        codes[i] = codes[i].trimmed().toUpper();
        if (!isCurrencyCode(codes[i]))
            throw FileFault{
                QCoreApplication::translate("RateFiles", "column %1 of the header: %2 is not a currency code.")
                    .arg(QString::number(i + 1), quoted(codes[i])),
                header.line};
        if (seen.contains(codes[i]))
            throw FileFault{
                QCoreApplication::translate("RateFiles", "column %1 of the header: the currency %2 is listed twice.")
                    .arg(QString::number(i + 1), codes[i]),
                header.line};
        seen.insert(codes[i]);
    }
    // Every day's rates are read, so a damaged file is refused whole; only the
    // latest day's are kept.
    CsvRates rates;
    const auto readDay = [&](const QStringList& fields, qint64 line, EuroDay* day) {
        for (qsizetype c = 1; c < fields.size(); ++c) {
            const QStringView value = QStringView(fields[c]).trimmed();
            // A currency the bank did not quote that day.
            if (value.isEmpty() || value.compare(u"N/A", Qt::CaseInsensitive) == 0)
                continue;
            const double rate = rates.read(value, line, codes[c]);
            if (day)
                addEuroRate(*day, codes[c], rate, line);
        }
    };
    Csv::Record record, latest;
    QDate latestDate;
    while (csv.next(record)) {
        record.fields = withoutTrailingBlanks(std::move(record.fields), codes.size());
        if (record.fields.size() != codes.size())
            throw fieldCount(codes.size(), record.fields.size(), separator, record.line);
        const QDate date = requireDate(record.fields[0], record.line,
                                       QCoreApplication::translate("RateFiles", "the day %1 is not a date."));
        readDay(record.fields, record.line, nullptr);
        if (!latestDate.isValid() || date > latestDate) {
            latestDate = date;
            latest = std::move(record);
        }
    }
    if (!csv.error().isEmpty())
        throw FileFault{csv.error(), csv.errorLine()};
    // Its currencies were checked for twins in the header.
    EuroDay day{latestDate, latest.line, {}};
    readDay(latest.fields, latest.line, &day);
    if (day.rates.empty())
        throw FileFault{QCoreApplication::translate("RateFiles", "%1 holds no rates.")};
    file.format = RateFileFormat::EcbDailyCsv;
    file.from = file.to = day.date;
    file.rates = perPound(std::move(day));
    return file;
}

} // namespace ratefiles
