#include "ratefiles/Reading.h"

#include "data/NumberText.h"
#include "data/RateValue.h"
#include "data/Wording.h"
#include "ratefiles/Dates.h"

#include <QCoreApplication>
#include <QHash>

using namespace Qt::StringLiterals;
using data::RateFault;
using data::rateFault;

namespace ratefiles {

namespace {

// A fault in a rate; what, when given, names the rate's column or element.
FileFault badRate(const QString& what, const QString& why, qint64 line)
{
    //: A rate's column or element in the file, then what is wrong with the rate.
    return FileFault{what.isEmpty() ? why : QCoreApplication::translate("RateFiles", "%1: %2").arg(what, why), line};
}

} // namespace

QString quoted(const QString& text)
{
    return data::quoted(text);
}

double readRate(QStringView written, qint64 line, const QString& what, bool decimalComma)
{
    const QStringView text = written.trimmed();
    if (text.isEmpty())
        throw badRate(what, QCoreApplication::translate("RateFiles", "the rate is missing."), line);
    const data::ParsedNumber n =
        decimalComma ? data::readNumber(text.toString().replace(u',', u'.')) : data::readNumber(text);
    const QString shown = quoted(text.toString());
    if (n.status == data::NumberStatus::Overflow)
        throw badRate(what, QCoreApplication::translate("RateFiles", "the rate %1 is too large.").arg(shown), line);
    if (!n.ok())
        throw badRate(what, QCoreApplication::translate("RateFiles", "the rate %1 is not a number.").arg(shown), line);
    switch (rateFault(n.value, text)) {
    case RateFault::None:
        return n.value;
    case RateFault::TooSmall:
        throw badRate(what, QCoreApplication::translate("RateFiles", "the rate %1 is too small.").arg(shown), line);
    case RateFault::NotFinite:
    case RateFault::NotAboveZero:
        break;
    }
    throw badRate(what, QCoreApplication::translate("RateFiles", "the rate %1 is not above 0.").arg(shown), line);
}

double CsvRates::read(QStringView written, qint64 line, const QString& what)
{
    // Where commas separate the fields, a comma inside a rate came quoted, as
    // spreadsheets in comma locales save "1,19": the quotes make it a decimal
    // comma as surely as a semicolon or tab file's.
    const QStringView text = written.trimmed();
    const bool comma = text.contains(u',');
    const bool point = text.contains(u'.');
    const QString shown = quoted(text.toString());
    if (comma && point)
        throw badRate(what,
                      QCoreApplication::translate("RateFiles",
                                                  "the rate %1 holds both a point and a comma: thousands separators "
                                                  "are not read, so write the rate without them.")
                          .arg(shown),
                      line);
    if (comma || point) {
        const QChar mark = comma ? u',' : u'.';
        if (markLine_ == 0) {
            mark_ = mark;
            markLine_ = line;
        } else if (mark != mark_) {
            const QString why = mark == u','
                ? QCoreApplication::translate("RateFiles",
                                              "the rate %1 has a decimal comma where the rate on line %2 has a "
                                              "decimal point: thousands separators are not read, so the rates of a "
                                              "file use one decimal mark.")
                : QCoreApplication::translate("RateFiles",
                                              "the rate %1 has a decimal point where the rate on line %2 has a "
                                              "decimal comma: thousands separators are not read, so the rates of a "
                                              "file use one decimal mark.");
            throw badRate(what, why.arg(shown, QString::number(markLine_)), line);
        }
    }
    return readRate(text, line, what, comma);
}

FileFault fieldCount(qsizetype expected, qsizetype found, QChar separator, qint64 line)
{
    const QString why = separator == u';'
        ? QCoreApplication::translate("RateFiles",
                                      "expected %1 fields, found %2 (separated by semicolons, as on the first line).")
        : separator == u'\t'
        ? QCoreApplication::translate("RateFiles",
                                      "expected %1 fields, found %2 (separated by tabs, as on the first line).")
        : QCoreApplication::translate("RateFiles",
                                      "expected %1 fields, found %2 (separated by commas, as on the first line).");
    return FileFault{why.arg(expected).arg(found), line};
}

QStringList withoutTrailingBlanks(QStringList fields, qsizetype keep)
{
    while (fields.size() > keep && fields.back().trimmed().isEmpty())
        fields.removeLast();
    return fields;
}

void checkRateCount(qsizetype count, qint64 line)
{
    if (count > MaxRatesPerFile)
        //: Said of the rate file; follows "<file>, line <number>:".
        throw FileFault{QCoreApplication::translate("RateFiles",
                                                    "holds more than %1 rates, more than this program takes from one "
                                                    "file (a published file holds a few hundred).")
                            .arg(MaxRatesPerFile),
                        line};
}

QDate requireDate(const QString& written, qint64 line, const QString& fault)
{
    const QDate date = readDate(written);
    if (!date.isValid())
        throw FileFault{fault.arg(quoted(written.trimmed())), line};
    return date;
}

void checkNoDuplicateCountries(const std::vector<FileRate>& rates)
{
    QHash<QString, int> seen;
    for (const FileRate& r : rates) {
        const auto it = seen.constFind(r.country);
        if (it != seen.cend())
            throw FileFault{
                QCoreApplication::translate("RateFiles", "the country %1 is listed twice (first on line %2).")
                    .arg(quoted(r.country), QString::number(*it)),
                r.line};
        seen.insert(r.country, r.line);
    }
}

} // namespace ratefiles
