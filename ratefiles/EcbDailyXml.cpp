#include "ratefiles/Readers.h"

#include "ratefiles/PerEuro.h"
#include "ratefiles/Reading.h"

#include <QCoreApplication>
#include <QXmlStreamReader>

using namespace Qt::StringLiterals;

namespace ratefiles {

// The central bank's daily (or history) XML: <Cube time="..."> days holding
// <Cube currency="..." rate="..."> rates per euro.
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
                throw FileFault{QCoreApplication::translate("RateFiles", "element <Cube>: time %1 is not a date.")
                                    .arg(quoted(time)),
                                line};
            keepLatest(latest, day);
            day = EuroDay{date, line, {}};
        } else if (attrs.hasAttribute(u"currency"_s)) {
            const QString code = attrs.value(u"currency"_s).trimmed().toString().toUpper();
            if (!isCurrencyCode(code))
                throw FileFault{QCoreApplication::translate("RateFiles", "element <Cube>: %1 is not a currency code.")
                                    .arg(quoted(code)),
                                line};
            if (!day)
                throw FileFault{QCoreApplication::translate("RateFiles", "element <Cube>: a rate without a date."),
                                line};
            addEuroRate(*day, code,
                        readRate(attrs.value(u"rate"_s).toString(), line,
                                 QCoreApplication::translate("RateFiles", "element <Cube>")),
                        line);
        }
    }
    if (xml.hasError())
        throw FileFault{
            QCoreApplication::translate("RateFiles", "the XML is malformed or cut short: %1").arg(xml.errorString()),
            xml.lineNumber()};
    keepLatest(latest, day);
    if (!latest)
        throw FileFault{QCoreApplication::translate("RateFiles", "%1 holds no rates.")};
    file.format = RateFileFormat::EcbDailyXml;
    file.from = file.to = latest->date;
    file.rates = perPound(std::move(*latest));
    return file;
}

} // namespace ratefiles
