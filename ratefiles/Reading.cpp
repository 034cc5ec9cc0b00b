#include "ratefiles/Reading.h"

#include "data/NumberText.h"
#include "data/RateValue.h"
#include "ratefiles/Dates.h"

#include <QHash>

using namespace Qt::StringLiterals;
using MOD_Data::RateFault;
using MOD_Data::rateFault;

namespace ratefiles {

namespace {

// A fault in a rate; what, when given, names the rate's column or element.
FileFault badRate(const QString& what, const QString& why, qint64 line)
{
    return FileFault{what.isEmpty() ? why : what + u": "_s + why, line};
}

QString separatorName(QChar separator)
{
    return separator == u';' ? u"semicolons"_s : separator == u'\t' ? u"tabs"_s : u"commas"_s;
}

} // namespace

QString quoted(const QString& text)
{
    return u'\'' + text + u'\'';
}

double readRate(QStringView written, qint64 line, const QString& what, bool decimalComma)
{
    const QStringView text = written.trimmed();
    if (text.isEmpty())
        throw badRate(what, u"the rate is missing."_s, line);
    const data::ParsedNumber n =
        decimalComma ? data::readNumber(text.toString().replace(u',', u'.')) : data::readNumber(text);
    if (n.status == data::NumberStatus::Overflow)
        throw badRate(what, u"the rate %1 is too large."_s.arg(quoted(text.toString())), line);
    if (!n.ok())
        throw badRate(what, u"the rate %1 is not a number."_s.arg(quoted(text.toString())), line);
    switch (rateFault(n.value, text)) {
    case RateFault::None:
        return n.value;
    case RateFault::TooSmall:
        throw badRate(what, u"the rate %1 is too small."_s.arg(quoted(text.toString())), line);
    case RateFault::NotFinite:
    case RateFault::NotAboveZero:
        break;
    }
    throw badRate(what, u"the rate %1 is not above 0."_s.arg(quoted(text.toString())), line);
}

double CsvRates::read(QStringView written, qint64 line, const QString& what)
{
    const QStringView text = written.trimmed();
    const bool comma = text.contains(u',');
    if (separator_ == u',') {
        if (comma)
            throw badRate(what,
                          u"the rate %1 is not a number: a decimal comma is read only in a file whose fields "
                          u"are separated by semicolons or tabs."_s.arg(quoted(text.toString())),
                          line);
        return readRate(text, line, what);
    }
    const bool point = text.contains(u'.');
    if (comma && point)
        throw badRate(what,
                      u"the rate %1 holds both '.' and ',': thousands separators are not read, so write the "
                      u"rate without them."_s.arg(quoted(text.toString())),
                      line);
    if (comma || point) {
        const QChar mark = comma ? u',' : u'.';
        if (markLine_ == 0) {
            mark_ = mark;
            markLine_ = line;
        } else if (mark != mark_) {
            throw badRate(what,
                          u"the rate %1 has a decimal %2 where the rate on line %3 has a decimal %4: thousands "
                          u"separators are not read, so the rates of a file use one decimal mark."_s
                              .arg(quoted(text.toString()), markName(mark))
                              .arg(markLine_)
                              .arg(markName(mark_)),
                          line);
        }
    }
    return readRate(text, line, what, comma);
}

QString CsvRates::markName(QChar mark)
{
    return mark == u',' ? u"comma"_s : u"point"_s;
}

FileFault fieldCount(qsizetype expected, qsizetype found, QChar separator, qint64 line)
{
    return FileFault{u"expected %1 fields, found %2 (separated by %3, as on the first line)."_s.arg(expected)
                     .arg(found)
                     .arg(separatorName(separator)),
                     line};
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
        throw FileFault{u"holds more than %1 rates, more than this program takes from one file (a published "
                        u"file holds a few hundred)."_s.arg(MaxRatesPerFile),
                        line};
}

QDate requireDate(const QString& written, qint64 line, const QString& what)
{
    const QDate date = readDate(written);
    if (!date.isValid())
        throw FileFault{u"%1 %2 is not a date."_s.arg(what, quoted(written.trimmed())), line};
    return date;
}

void checkNoDuplicateCountries(const std::vector<FileRate>& rates)
{
    QHash<QString, int> seen;
    for (const FileRate& r : rates) {
        const auto it = seen.constFind(r.country);
        if (it != seen.cend())
            throw FileFault{u"the country %1 is listed twice (first on line %2)."_s.arg(quoted(r.country)).arg(*it),
                            r.line};
        seen.insert(r.country, r.line);
    }
}

} // namespace ratefiles
