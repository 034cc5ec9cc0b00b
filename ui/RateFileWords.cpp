#include "ui/RateFileWords.h"

#include <QLocale>

using namespace Qt::StringLiterals;

namespace ui {

QString formatName(ratefiles::RateFileFormat format)
{
    switch (format) {
    case ratefiles::RateFileFormat::UkMonthlyCsv: return u"UK monthly rates (CSV)"_s;
    case ratefiles::RateFileFormat::UkMonthlyXml: return u"UK monthly rates (XML)"_s;
    case ratefiles::RateFileFormat::EcbDailyXml: return u"European Central Bank daily rates (XML)"_s;
    case ratefiles::RateFileFormat::EcbDailyCsv: return u"European Central Bank daily rates (CSV)"_s;
    case ratefiles::RateFileFormat::OwnExport: return u"Tallyvane export"_s;
    }
    return {};
}

QString dateText(const QDate& date)
{
    // English month names, as every other text of the program, whatever the locale.
    return date.isValid() ? QLocale::c().toString(date, u"d MMMM yyyy"_s) : QString();
}

QString periodText(const ratefiles::RateFile& file)
{
    if (!file.from.isValid())
        return {};
    if (!file.to.isValid() || file.to == file.from)
        return dateText(file.from);
    return u"%1 to %2"_s.arg(dateText(file.from), dateText(file.to));
}

} // namespace ui
