#include "ratefiles/RateImport.h"
#include "ratefiles/RateImportNames.h"

#include "data/NumberText.h"
#include "ratefiles/Csv.h"
#include "data/RateValue.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLocale>
#include <QStringDecoder>
#include <QSet>
#include <QXmlStreamReader>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <tuple>
#include <utility>

using namespace Qt::StringLiterals;

namespace MOD_Data {

namespace {

// A fault in the file: why, and where (0 when it is the file as a whole).
struct Bad {
    QString why;
    qint64 line = 0;
};

QString quoted(const QString& text)
{
    return u'\'' + text + u'\'';
}

// Windows-1252, as spreadsheets on Windows save older downloads: Latin-1 but
// for 0x80-0x9F, which hold curly quotes, dashes and the euro sign (a country
// name may hold a curly apostrophe). The five unassigned bytes stay as Latin-1
// reads them.
QString fromWindows1252(const QByteArray& bytes)
{
    static constexpr char16_t High[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
    };
    QString text = QString::fromLatin1(bytes);
    for (QChar& c : text) {
        if (c.unicode() >= 0x80 && c.unicode() <= 0x9F)
            c = QChar(High[c.unicode() - 0x80]);
    }
    return text;
}

// Text from the file's bytes: UTF-8 (byte-order mark or not), UTF-16 with its
// mark, and, for older downloads saved by spreadsheets, Windows-1252 when the
// bytes are not valid UTF-8. Control characters other than tab and line ends
// mean a binary file. utf8 says whether the bytes were read as UTF-8.
QString decodeText(const QByteArray& bytes, bool& utf8)
{
    QString text;
    utf8 = false;
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        QStringDecoder decoder(bytes.startsWith("\xFF\xFE") ? QStringConverter::Utf16LE : QStringConverter::Utf16BE);
        text = decoder.decode(bytes.mid(2));
        // Qt lets unpaired surrogates through; text with them is no text.
        bool paired = true;
        for (qsizetype i = 0; i < text.size() && paired; ++i) {
            if (text[i].isHighSurrogate())
                paired = i + 1 < text.size() && text[++i].isLowSurrogate();
            else
                paired = !text[i].isLowSurrogate();
        }
        if (decoder.hasError() || !paired || bytes.size() % 2 != 0)
            throw Bad{u"is not a text file."_s};
    } else {
        QStringDecoder decoder(QStringConverter::Utf8);
        text = decoder.decode(bytes);
        utf8 = !decoder.hasError();
        if (!utf8)
            text = fromWindows1252(bytes);
    }
    for (QChar c : std::as_const(text)) {
        const char16_t u = c.unicode();
        if ((u < 0x20 && u != u'\t' && u != u'\n' && u != u'\r') || u == 0x7F)
            throw Bad{u"is not a text file (it holds binary data)."_s};
    }
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return text;
}

// A fault in a rate; what, when given, names the rate's column or element.
Bad badRate(const QString& what, const QString& why, qint64 line)
{
    return Bad{what.isEmpty() ? why : what + u": "_s + why, line};
}

// A rate as written: a plain decimal number the table can hold; with
// decimalComma, a comma is its decimal point.
double readRate(QStringView written, qint64 line, const QString& what = QString(), bool decimalComma = false)
{
    const QStringView text = written.trimmed();
    if (text.isEmpty())
        throw badRate(what, u"the rate is missing."_s, line);
    const MOD_Universe::ParsedNumber n =
        decimalComma ? MOD_Universe::readNumber(text.toString().replace(u',', u'.')) : MOD_Universe::readNumber(text);
    if (n.status == MOD_Universe::NumberStatus::Overflow)
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

QString separatorName(QChar separator)
{
    return separator == u';' ? u"semicolons"_s : separator == u'\t' ? u"tabs"_s : u"commas"_s;
}

// Rates as a CSV file writes them. Where semicolons or tabs separate the
// fields, as spreadsheets in comma locales save ("Unicode Text" is tabbed), a
// comma in a rate is its decimal point; a point may be one too (a file of this
// program's, saved again), but a file that uses both may hold thousands
// separators, which would misread a figure.
class CsvRates {
public:
    explicit CsvRates(QChar separator)
        : separator_(separator)
    {
    }

    double read(QStringView written, qint64 line, const QString& what = QString())
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

private:
    static QString markName(QChar mark) { return mark == u',' ? u"comma"_s : u"point"_s; }

    QChar separator_;
    QChar mark_;
    qint64 markLine_ = 0;
};

// A record with fewer or more fields than the header promised.
Bad fieldCount(qsizetype expected, qsizetype found, QChar separator, qint64 line)
{
    return Bad{u"expected %1 fields, found %2 (separated by %3, as on the first line)."_s.arg(expected)
                   .arg(found)
                   .arg(separatorName(separator)),
               line};
}

// Spreadsheets add separators after the last cell of a sheet's widest row.
QStringList withoutTrailingBlanks(QStringList fields, qsizetype keep = 0)
{
    while (fields.size() > keep && fields.back().trimmed().isEmpty())
        fields.removeLast();
    return fields;
}

// count: the rates read so far, the one at line included.
void checkRateCount(qsizetype count, qint64 line)
{
    if (count > MaxRatesPerFile)
        throw Bad{u"holds more than %1 rates, more than this program takes from one file (a published file "
                  u"holds a few hundred)."_s.arg(MaxRatesPerFile),
                  line};
}

// Dates as the sources write them: 01/01/2020, 1/1/2020, 01/Jan/2020,
// 01-Jan-2020, 29 April 2022, 2022-04-29, with English month names whatever the
// user's language. Read by hand: Qt's date parser looks up the time zone on
// every call, which a 10,000-row file feels.
QDate readDate(const QString& written)
{
    static const QStringList months{u"january"_s, u"february"_s, u"march"_s,     u"april"_s,
                                    u"may"_s,     u"june"_s,     u"july"_s,      u"august"_s,
                                    u"september"_s, u"october"_s, u"november"_s, u"december"_s};
    QStringList parts;
    QString part;
    for (QChar c : written.trimmed()) {
        if (c == u'/' || c == u'-' || c == u'.' || c == u' ') {
            if (!part.isEmpty())
                parts.append(std::exchange(part, QString()));
        } else {
            part += c;
        }
    }
    if (!part.isEmpty())
        parts.append(part);
    if (parts.size() != 3)
        return {};
    const auto number = [](const QString& text, int maxDigits) {
        if (text.isEmpty() || text.size() > maxDigits)
            return -1;
        int n = 0;
        for (QChar c : text) {
            if (c < u'0' || c > u'9')
                return -1;
            n = n * 10 + (c.unicode() - u'0');
        }
        return n;
    };
    const auto month = [&](const QString& text) {
        const int n = number(text, 2);
        if (n >= 0)
            return n;
        const QString lower = text.toLower();
        for (int m = 0; m < 12; ++m) {
            if (lower == months[m] || (lower.size() == 3 && months[m].startsWith(lower)) || (lower == u"sept" && m == 8))
                return m + 1;
        }
        return -1;
    };
    if (parts[0].size() == 4) {
        const int y = number(parts[0], 4), m = number(parts[1], 2), d = number(parts[2], 2);
        return y > 0 && m > 0 && d > 0 ? QDate(y, m, d) : QDate();
    }
    const int d = number(parts[0], 2), m = month(parts[1]), y = number(parts[2], 4);
    if (d <= 0 || m <= 0 || parts[2].size() != 4 || y <= 0)
        return {};
    return QDate(y, m, d);
}

QDate requireDate(const QString& written, qint64 line, const QString& what)
{
    const QDate date = readDate(written);
    if (!date.isValid())
        throw Bad{u"%1 %2 is not a date."_s.arg(what, quoted(written.trimmed())), line};
    return date;
}

void checkNoDuplicateCountries(const std::vector<FileRate>& rates)
{
    QHash<QString, int> seen;
    for (const FileRate& r : rates) {
        const auto it = seen.constFind(r.country);
        if (it != seen.cend())
            throw Bad{u"the country %1 is listed twice (first on line %2)."_s.arg(quoted(r.country)).arg(*it), r.line};
        seen.insert(r.country, r.line);
    }
}

// ---------------------------------------------------------------- per-euro files

// Per-euro rates of one day, turned into units per pound through the pound's
// own rate; the euro itself is 1 / that rate.
struct EuroDay {
    QDate date;
    qint64 line = 0;
    std::vector<FileRate> rates;  // rate still per euro
};

// A quotient of rates published to five or six digits has no more than that:
// the rest of a double's digits would be noise shown as precision.
double toSixDigits(double value)
{
    char text[32];
    const auto written = std::to_chars(text, text + sizeof text, value, std::chars_format::scientific, 5);
    double rounded = value;
    std::from_chars(text, written.ptr, rounded);
    return rounded;
}

std::vector<FileRate> perPound(EuroDay day)
{
    const FileRate* gbp = nullptr;
    for (const FileRate& r : day.rates) {
        if (r.currencyCode == u"GBP")
            gbp = &r;
    }
    if (!gbp)
        throw Bad{u"has no rate for the pound (GBP) on %1, so its rates per euro cannot be turned into rates "
                  u"per pound."_s.arg(dateText(day.date)),
                  day.line};
    const double pound = gbp->rate;
    FileRate euro;
    euro.currencyCode = u"EUR"_s;
    euro.rate = toSixDigits(1.0 / pound);
    euro.line = day.line;
    std::vector<FileRate> out;
    out.reserve(day.rates.size() + 1);
    bool hasEuro = false;
    for (FileRate r : day.rates) {
        hasEuro = hasEuro || r.currencyCode == u"EUR";
        r.rate = r.currencyCode == u"GBP" ? 1.0 : toSixDigits(r.rate / pound);
        out.push_back(std::move(r));
    }
    if (!hasEuro)
        out.push_back(euro);
    for (FileRate& r : out) {
        if (rateFault(r.rate) != RateFault::None)
            throw Bad{u"the rate of %1 cannot be turned into a rate per pound."_s.arg(r.currencyCode), r.line};
        r.date = day.date;
        const EuroCurrency named = nameOfCurrency(r.currencyCode);
        r.country = named.country;
        r.unit = named.unit;
    }
    return out;
}

void addEuroRate(EuroDay& day, const QString& code, double rate, qint64 line)
{
    checkRateCount(qsizetype(day.rates.size()) + 1, line);
    FileRate r;
    r.currencyCode = code;
    r.rate = rate;
    r.line = static_cast<int>(line);
    day.rates.push_back(std::move(r));
}

// Checked once a day is complete: a set per day would cost a history file more
// than all its reading.
void checkNoDuplicateCurrencies(const EuroDay& day)
{
    std::vector<const FileRate*> byCode;
    byCode.reserve(day.rates.size());
    for (const FileRate& r : day.rates)
        byCode.push_back(&r);
    std::sort(byCode.begin(), byCode.end(), [](const FileRate* a, const FileRate* b) {
        return std::tie(a->currencyCode, a->line) < std::tie(b->currencyCode, b->line);
    });
    const FileRate* second = nullptr;
    for (std::size_t i = 1; i < byCode.size(); ++i) {
        if (byCode[i]->currencyCode == byCode[i - 1]->currencyCode && (!second || byCode[i]->line < second->line))
            second = byCode[i];
    }
    if (second)
        throw Bad{u"the currency %1 is listed twice for %2."_s.arg(second->currencyCode, dateText(day.date)),
                  second->line};
}

// A file of many days (a history): the latest day with rates counts, the first
// of equal days.
void keepLatest(std::optional<EuroDay>& latest, std::optional<EuroDay>& day)
{
    if (day)
        checkNoDuplicateCurrencies(*day);
    if (day && !day->rates.empty() && (!latest || day->date > latest->date))
        latest = std::move(day);
    day.reset();
}

bool isCurrencyCode(const QString& text)
{
    if (text.size() != 3)
        return false;
    for (QChar c : text) {
        if (c < u'A' || c > u'Z')
            return false;
    }
    return true;
}

RateFile readEcbXml(QXmlStreamReader& xml, RateFile file)
{
    std::optional<EuroDay> latest, day;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != u"Cube")
            continue;
        const QXmlStreamAttributes attrs = xml.attributes();
        const qint64 line = xml.lineNumber();
        if (attrs.hasAttribute(u"time"_s)) {
            const QString time = attrs.value(u"time"_s).trimmed().toString();
            const QDate date = QDate::fromString(time, Qt::ISODate);
            if (!date.isValid())
                throw Bad{u"element <Cube>: time %1 is not a date."_s.arg(quoted(time)), line};
            keepLatest(latest, day);
            day = EuroDay{date, line, {}};
        } else if (attrs.hasAttribute(u"currency"_s)) {
            const QString code = attrs.value(u"currency"_s).trimmed().toString().toUpper();
            if (!isCurrencyCode(code))
                throw Bad{u"element <Cube>: %1 is not a currency code."_s.arg(quoted(code)), line};
            if (!day)
                throw Bad{u"element <Cube>: a rate without a date."_s, line};
            addEuroRate(*day, code, readRate(attrs.value(u"rate"_s).toString(), line, u"element <Cube>"_s), line);
        }
    }
    if (xml.hasError())
        throw Bad{u"the XML is malformed or cut short: %1"_s.arg(xml.errorString()), xml.lineNumber()};
    keepLatest(latest, day);
    if (!latest)
        throw Bad{u"holds no rates."_s};
    file.format = RateFileFormat::EcbDailyXml;
    file.from = file.to = latest->date;
    file.rates = perPound(std::move(*latest));
    return file;
}

RateFile readEcbCsv(Csv::Reader& csv, const Csv::Record& header, QChar separator, RateFile file)
{
    QStringList codes = withoutTrailingBlanks(header.fields);
    checkRateCount(codes.size() - 1, header.line);
    QSet<QString> seen;
    for (qsizetype i = 1; i < codes.size(); ++i) {
        codes[i] = codes[i].trimmed().toUpper();
        if (!isCurrencyCode(codes[i]))
            throw Bad{u"column %1 of the header: %2 is not a currency code."_s.arg(i + 1).arg(quoted(codes[i])),
                      header.line};
        if (seen.contains(codes[i]))
            throw Bad{u"column %1 of the header: the currency %2 is listed twice."_s.arg(i + 1).arg(codes[i]),
                      header.line};
        seen.insert(codes[i]);
    }
    // Every day's rates are read, so a damaged file is refused whole; only the
    // latest day's are kept.
    CsvRates rates(separator);
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
        const QDate date = requireDate(record.fields[0], record.line, u"the day"_s);
        readDay(record.fields, record.line, nullptr);
        if (!latestDate.isValid() || date > latestDate) {
            latestDate = date;
            latest = std::move(record);
        }
    }
    if (!csv.error().isEmpty())
        throw Bad{csv.error(), csv.errorLine()};
    // Its currencies were checked for twins in the header.
    EuroDay day{latestDate, latest.line, {}};
    readDay(latest.fields, latest.line, &day);
    if (day.rates.empty())
        throw Bad{u"holds no rates."_s};
    file.format = RateFileFormat::EcbDailyCsv;
    file.from = file.to = day.date;
    file.rates = perPound(std::move(day));
    return file;
}

// ---------------------------------------------------------------- UK monthly files

// "01/Jan/2020 to 31/Jan/2020"
void readPeriod(const QString& period, qint64 line, RateFile& file)
{
    const QStringList parts = period.split(u" to "_s, Qt::KeepEmptyParts, Qt::CaseInsensitive);
    if (parts.size() != 2)
        throw Bad{u"the period %1 is not two dates."_s.arg(quoted(period)), line};
    file.from = requireDate(parts[0], line, u"the period's first day"_s);
    file.to = requireDate(parts[1], line, u"the period's last day"_s);
}

RateFile readUkXml(QXmlStreamReader& xml, RateFile file)
{
    const qint64 rootLine = xml.lineNumber();
    const QString period = xml.attributes().value(u"Period"_s).trimmed().toString();
    if (!period.isEmpty())
        readPeriod(period, rootLine, file);

    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() != u"exchangeRate")
            continue;
        const qint64 line = xml.lineNumber();
        QString country, code, territory, unit, rate;
        bool hasRate = false;
        while (xml.readNextStartElement()) {
            const QString name = xml.name().toString();
            const QString value = xml.readElementText(QXmlStreamReader::SkipChildElements).trimmed();
            if (name == u"countryName")
                country = value;
            else if (name == u"countryCode")
                territory = value.toUpper();
            else if (name == u"currencyName")
                unit = value;
            else if (name == u"currencyCode")
                code = value.toUpper();
            else if (name == u"rateNew") {
                rate = value;
                hasRate = true;
            }
        }
        if (xml.hasError())
            break;
        if (country.isEmpty())
            throw Bad{u"element <exchangeRate> has no <countryName>."_s, line};
        if (!hasRate)
            throw Bad{u"element <exchangeRate> of %1 has no <rateNew>."_s.arg(quoted(country)), line};
        checkRateCount(qsizetype(file.rates.size()) + 1, line);
        FileRate r;
        r.country = country;
        r.unit = unit;
        r.currencyCode = code;
        r.territoryCode = territory;
        r.rate = readRate(rate, line, u"element <rateNew> of %1"_s.arg(quoted(country)));
        r.date = file.from;
        r.line = static_cast<int>(line);
        file.rates.push_back(std::move(r));
    }
    if (xml.hasError())
        throw Bad{u"the XML is malformed or cut short: %1"_s.arg(xml.errorString()), xml.lineNumber()};
    if (file.rates.empty())
        throw Bad{u"holds no rates."_s};
    checkNoDuplicateCountries(file.rates);
    file.format = RateFileFormat::UkMonthlyXml;
    return file;
}

// Columns of the monthly CSV, found by loose names: the wording and letter case
// of its header change from year to year.
struct UkColumns {
    int country = -1, unit = -1, code = -1, rate = -1, start = -1, end = -1;
    bool found() const { return country >= 0 && code >= 0 && rate >= 0; }
    int needed() const { return std::max({country, unit, code, rate, start, end}) + 1; }
};

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

RateFile readUkCsv(Csv::Reader& csv, const UkColumns& cols, QChar separator, RateFile file)
{
    CsvRates rates(separator);
    Csv::Record record;
    while (csv.next(record)) {
        if (record.fields.size() < cols.needed())
            throw fieldCount(cols.needed(), record.fields.size(), separator, record.line);
        checkRateCount(qsizetype(file.rates.size()) + 1, record.line);
        auto at = [&](int col) { return col < 0 ? QString() : record.fields[col].trimmed(); };
        FileRate r;
        r.country = at(cols.country);
        if (r.country.isEmpty())
            throw Bad{u"the country is missing."_s, record.line};
        r.unit = at(cols.unit);
        r.currencyCode = at(cols.code).toUpper();
        r.rate = rates.read(at(cols.rate), record.line);
        r.line = record.line;
        if (cols.start >= 0) {
            r.date = requireDate(at(cols.start), record.line, u"the start date"_s);
            if (!file.from.isValid() || r.date < file.from)
                file.from = r.date;
        }
        if (cols.end >= 0) {
            const QDate end = requireDate(at(cols.end), record.line, u"the end date"_s);
            if (!file.to.isValid() || end > file.to)
                file.to = end;
        }
        file.rates.push_back(std::move(r));
    }
    if (!csv.error().isEmpty())
        throw Bad{csv.error(), csv.errorLine()};
    if (file.rates.empty())
        throw Bad{u"holds no rates."_s};
    if (!file.to.isValid())
        file.to = file.from;
    checkNoDuplicateCountries(file.rates);
    file.format = RateFileFormat::UkMonthlyCsv;
    return file;
}

// ---------------------------------------------------------------- own export

bool isExportHeader(const QStringList& header)
{
    static const QStringList names{u"Country"_s, u"Monetery Unit"_s, u"Exchange Rate"_s, u"Updated"_s};
    if (header.size() != 3 && header.size() != 4)
        return false;
    for (qsizetype i = 0; i < header.size(); ++i) {
        if (header[i].trimmed().compare(names[i], Qt::CaseInsensitive) != 0)
            return false;
    }
    return true;
}

RateFile readExport(Csv::Reader& csv, qsizetype columns, QChar separator, RateFile file)
{
    CsvRates rates(separator);
    Csv::Record record;
    while (csv.next(record)) {
        const QStringList fields = withoutTrailingBlanks(std::move(record.fields), columns);
        if (fields.size() != columns)
            throw fieldCount(columns, fields.size(), separator, record.line);
        checkRateCount(qsizetype(file.rates.size()) + 1, record.line);
        FileRate r;
        // Names exactly as the table holds them: blanks count there.
        r.country = fields[0];
        if (r.country.trimmed().isEmpty())
            throw Bad{u"the country is missing."_s, record.line};
        r.unit = fields[1];
        r.rate = rates.read(fields[2], record.line);
        if (columns == 4) {
            const QString day = fields[3].trimmed();
            if (!day.isEmpty()) {
                // Spreadsheets in comma locales save the day as 01.03.2024;
                // with slashes day and month cannot be told apart.
                r.date = QDate::fromString(day, Qt::ISODate);
                if (!r.date.isValid())
                    r.date = QDate::fromString(day, u"d.M.yyyy"_s);
                if (!r.date.isValid())
                    throw Bad{u"the date %1 is not a date (YYYY-MM-DD, or DD.MM.YYYY as spreadsheets save it)."_s.arg(
                                  quoted(day)),
                              record.line};
            }
        }
        r.line = record.line;
        file.rates.push_back(std::move(r));
    }
    if (!csv.error().isEmpty())
        throw Bad{csv.error(), csv.errorLine()};
    checkNoDuplicateCountries(file.rates);
    file.format = RateFileFormat::OwnExport;
    return file;
}

// ---------------------------------------------------------------- recognising

// A CSV file's kind and separator come from its first line: the separator is
// the one (comma, semicolon or tab) that makes it a header this program knows.
RateFile readCsv(const QString& text, RateFile file)
{
    std::optional<Bad> commaFault;
    for (const QChar separator : {u',', u';', u'\t'}) {
        Csv::Reader csv(text, separator);
        Csv::Record header;
        if (!csv.next(header)) {
            if (!csv.error().isEmpty()) {
                if (separator == u',')
                    commaFault = Bad{csv.error(), csv.errorLine()};
                continue;
            }
            throw Bad{u"is empty."_s};
        }
        const QStringList words = withoutTrailingBlanks(header.fields);
        if (isExportHeader(words))
            return readExport(csv, words.size(), separator, std::move(file));
        if (header.fields.front().trimmed().compare(u"Date", Qt::CaseInsensitive) == 0 && words.size() > 1)
            return readEcbCsv(csv, header, separator, std::move(file));
        if (const UkColumns cols = ukColumns(header.fields); cols.found())
            return readUkCsv(csv, cols, separator, std::move(file));
        if (separator == u',')
            commaFault = Bad{u"is not a rate file this program knows: its first line is neither the header of "
                             u"published rates nor that of an export."_s,
                             header.line};
    }
    throw *commaFault;
}

// utf8: the file as read when it was read as UTF-8, else null (the XML reader is
// faster on bytes, and then follows the encoding the file declares).
RateFile parseText(QString text, const QByteArray& utf8, RateFile file)
{
    qsizetype first = 0;
    while (first < text.size() && text[first].isSpace())
        ++first;
    if (first == text.size())
        throw Bad{u"is empty."_s};

    if (text[first] == u'<') {
        QXmlStreamReader xml;
        if (utf8.isNull()) {
            xml.addData(text);
        } else {
            text.clear();  // twice the file's size, not needed again
            xml.addData(utf8);
        }
        while (!xml.atEnd() && xml.readNext() != QXmlStreamReader::StartElement) {
        }
        if (xml.hasError())
            throw Bad{u"the XML is malformed: %1"_s.arg(xml.errorString()), xml.lineNumber()};
        if (xml.name() == u"exchangeRateMonthList")
            return readUkXml(xml, std::move(file));
        if (xml.name() == u"Envelope")
            return readEcbXml(xml, std::move(file));
        throw Bad{u"is not a rate file this program knows: its XML starts with <%1>."_s.arg(xml.qualifiedName())};
    }
    return readCsv(text, std::move(file));
}

RateFileResult failure(const QString& path, const Bad& bad)
{
    RateFileResult result;
    if (bad.line > 0)
        result.error = u"%1, line %2: %3"_s.arg(fileLabel(path)).arg(bad.line).arg(bad.why);
    else
        result.error = fileLabel(path) + u' ' + bad.why;
    return result;
}

} // namespace

RateFileResult parseRateFile(const QByteArray& bytes, const QString& path)
{
    try {
        if (bytes.size() > MaxRateFileBytes)
            throw Bad{u"is too large for a rate file (over %1 MB)."_s.arg(MaxRateFileBytes / (1024 * 1024))};
        RateFile file;
        file.path = path;
        bool utf8 = false;
        QString text = decodeText(bytes, utf8);
        return RateFileResult{parseText(std::move(text), utf8 ? bytes : QByteArray(), std::move(file)), {}};
    } catch (const Bad& bad) {
        return failure(path, bad);
    }
}

RateFileResult readRateFile(const QString& path)
{
    // A folder, a pipe or a device is no rate file, and a pipe could block the window.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return failure(path, Bad{u"is not a file."_s});
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failure(path, Bad{u"cannot be read: %1"_s.arg(file.errorString())});
    if (file.size() > MaxRateFileBytes)
        return failure(path, Bad{u"is too large for a rate file (over %1 MB)."_s.arg(MaxRateFileBytes / (1024 * 1024))});
    // Read one byte past the limit: a pipe or a growing file has no size to trust.
    const QByteArray bytes = file.read(MaxRateFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return failure(path, Bad{u"cannot be read: %1"_s.arg(file.errorString())});
    return parseRateFile(bytes, path);
}

QString fileLabel(const QString& path)
{
    return quoted(QDir::toNativeSeparators(path));
}

QString formatName(RateFileFormat format)
{
    switch (format) {
    case RateFileFormat::UkMonthlyCsv: return u"UK monthly rates (CSV)"_s;
    case RateFileFormat::UkMonthlyXml: return u"UK monthly rates (XML)"_s;
    case RateFileFormat::EcbDailyXml: return u"European Central Bank daily rates (XML)"_s;
    case RateFileFormat::EcbDailyCsv: return u"European Central Bank daily rates (CSV)"_s;
    case RateFileFormat::OwnExport: return u"Tallyvane export"_s;
    }
    return {};
}

QString dateText(const QDate& date)
{
    // English month names, as every other text of the program, whatever the locale.
    return date.isValid() ? QLocale::c().toString(date, u"d MMMM yyyy"_s) : QString();
}

QString periodText(const RateFile& file)
{
    if (!file.from.isValid())
        return {};
    if (!file.to.isValid() || file.to == file.from)
        return dateText(file.from);
    return u"%1 to %2"_s.arg(dateText(file.from), dateText(file.to));
}

} // namespace MOD_Data
