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
            throw FileFault{QCoreApplication::translate("RateFiles", "element <exchangeRate> has no <countryName>."),
                            line};
        if (!hasRate)
            throw FileFault{QCoreApplication::translate("RateFiles", "element <exchangeRate> of %1 has no <rateNew>.")
                                .arg(quoted(country)),
                            line};
        checkRateCount(qsizetype(file.rates.size()) + 1, line);
        FileRate r;
        r.country = country;
        r.unit = unit;
        r.currencyCode = code;
        r.territoryCode = territory;
        r.rate = readRate(rate, line,
                          QCoreApplication::translate("RateFiles", "element <rateNew> of %1").arg(quoted(country)));
        r.date = file.from;
        r.line = static_cast<int>(line);
        file.rates.push_back(std::move(r));
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
