#include "ratefiles/Readers.h"

#include "ratefiles/Reading.h"

#include <QCoreApplication>
#include <QXmlStreamReader>

using namespace Qt::StringLiterals;

namespace ratefiles {

namespace {

// "01/Jan/2020 to 31/Jan/2020"
void readPeriod(const QString& period, qint64 line, RateFile& file)
{
    const QStringList parts = period.split(u" to "_s, Qt::KeepEmptyParts, Qt::CaseInsensitive);
    if (parts.size() != 2)
        throw FileFault{QCoreApplication::translate("RateFiles", "the period %1 is not two dates.").arg(quoted(period)),
                        line};
    file.from = requireDate(parts[0], line,
                            QCoreApplication::translate("RateFiles", "the period's first day %1 is not a date."));
    file.to = requireDate(parts[1], line,
                          QCoreApplication::translate("RateFiles", "the period's last day %1 is not a date."));
}

// One <exchangeRate> element's children, as the file spells them.
struct RateElement {
    QString country, code, territory, unit, rate;
    bool hasRate = false;
};

RateElement readRateElement(QXmlStreamReader& xml)
{
    RateElement e;
    while (xml.readNextStartElement()) {
        const QString name = xml.name().toString();
        const QString value = xml.readElementText(QXmlStreamReader::SkipChildElements).trimmed();
        if (name == u"countryName")
            e.country = value;
        else if (name == u"countryCode")
            e.territory = value.toUpper();
        else if (name == u"currencyName")
            e.unit = value;
        else if (name == u"currencyCode")
            e.code = value.toUpper();
        else if (name == u"rateNew") {
            e.rate = value;
            e.hasRate = true;
        }
    }
    return e;
}

// The file's rate for one element, which must name its country and rate.
FileRate rateOf(RateElement e, qint64 line, const RateFile& file)
{
    if (e.country.isEmpty())
        throw FileFault{QCoreApplication::translate("RateFiles", "element <exchangeRate> has no <countryName>."),
                        line};
    if (!e.hasRate)
        throw FileFault{QCoreApplication::translate("RateFiles", "element <exchangeRate> of %1 has no <rateNew>.")
                            .arg(quoted(e.country)),
                        line};
    checkRateCount(qsizetype(file.rates.size()) + 1, line);
    FileRate r;
    r.rate = readRate(e.rate, line,
                      QCoreApplication::translate("RateFiles", "element <rateNew> of %1").arg(quoted(e.country)));
    r.country = std::move(e.country);
    r.unit = std::move(e.unit);
    r.currencyCode = std::move(e.code);
    r.territoryCode = std::move(e.territory);
    r.date = file.from;
    r.line = static_cast<int>(line);
    return r;
}

} // namespace

// The UK tax authority's monthly XML: <exchangeRateMonthList Period="..."> holding
// an <exchangeRate> element per country.
RateFile readUkXml(QXmlStreamReader& xml, RateFile file)
{
    const qint64 rootLine = xml.lineNumber();
    const QString period = xml.attributes().value(u"Period"_s).trimmed().toString();
    if (!period.isEmpty())
        readPeriod(period, rootLine, file);

    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != u"exchangeRate")
            continue;
        const qint64 line = xml.lineNumber();
        RateElement element = readRateElement(xml);
        if (xml.hasError())
            break;
        file.rates.push_back(rateOf(std::move(element), line, file));
    }
    if (xml.hasError())
        throw FileFault{
            QCoreApplication::translate("RateFiles", "the XML is malformed or cut short: %1").arg(xml.errorString()),
            xml.lineNumber()};
    if (file.rates.empty())
        throw FileFault{QCoreApplication::translate("RateFiles", "%1 holds no rates.")};
    checkNoDuplicateCountries(file.rates);
    file.format = RateFileFormat::UkMonthlyXml;
    return file;
}

} // namespace ratefiles
