#include "widgets/RateFileWords.h"

#include <QCoreApplication>

namespace widgets {

QString formatName(ratefiles::RateFileFormat format)
{
    switch (format) {
    case ratefiles::RateFileFormat::UkMonthlyCsv:
        return QCoreApplication::translate("RateFileWords", "UK monthly rates (CSV)");
    case ratefiles::RateFileFormat::UkMonthlyXml:
        return QCoreApplication::translate("RateFileWords", "UK monthly rates (XML)");
    case ratefiles::RateFileFormat::EcbDailyXml:
        return QCoreApplication::translate("RateFileWords", "European Central Bank daily rates (XML)");
    case ratefiles::RateFileFormat::EcbDailyCsv:
        return QCoreApplication::translate("RateFileWords", "European Central Bank daily rates (CSV)");
    case ratefiles::RateFileFormat::OwnExport:
        //: A file written by the program's File > Export Rates.
        return QCoreApplication::translate("RateFileWords", "Tallyvane export");
    }
    return {};
}

QString periodText(const ratefiles::RateFile& file)
{
    if (!file.from.isValid())
        return {};
    if (!file.to.isValid() || file.to == file.from)
        return dateText(file.from);
    //: A period of days, from the first to the last.
    return QCoreApplication::translate("RateFileWords", "%1 to %2").arg(dateText(file.from), dateText(file.to));
}

QString territoryWord(const QString& fileCountry)
{
    return QCoreApplication::translate("Territories", fileCountry.toUtf8().constData());
}

} // namespace widgets
