#include "ratefiles/Readers.h"

#include "ratefiles/PerEuro.h"
#include "ratefiles/Reading.h"

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
                throw FileFault{u"element <Cube>: time %1 is not a date."_s.arg(quoted(time)), line};
            keepLatest(latest, day);
            day = EuroDay{date, line, {}};
        } else if (attrs.hasAttribute(u"currency"_s)) {
            const QString code = attrs.value(u"currency"_s).trimmed().toString().toUpper();
            if (!isCurrencyCode(code))
                throw FileFault{u"element <Cube>: %1 is not a currency code."_s.arg(quoted(code)), line};
            if (!day)
                throw FileFault{u"element <Cube>: a rate without a date."_s, line};
            addEuroRate(*day, code, readRate(attrs.value(u"rate"_s).toString(), line, u"element <Cube>"_s), line);
        }
    }
    if (xml.hasError())
        throw FileFault{u"the XML is malformed or cut short: %1"_s.arg(xml.errorString()), xml.lineNumber()};
    keepLatest(latest, day);
    if (!latest)
        throw FileFault{u"holds no rates."_s};
    file.format = RateFileFormat::EcbDailyXml;
    file.from = file.to = latest->date;
    file.rates = perPound(std::move(*latest));
    return file;
}

} // namespace ratefiles
