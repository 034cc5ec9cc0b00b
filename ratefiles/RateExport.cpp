#include "ratefiles/RateImport.h"

#include "ratefiles/Csv.h"
#include "ratefiles/DurableFile.h"

#include <QLocale>

using namespace Qt::StringLiterals;

namespace MOD_Data {

QByteArray exportCsv(const std::vector<RateRow>& rows)
{
    QString text = Csv::line({u"Country"_s, u"Monetery Unit"_s, u"Exchange Rate"_s, u"Updated"_s}) + u"\r\n"_s;
    for (const RateRow& row : rows) {
        // The shortest text that reads back as the very same double.
        const QString rate = QString::number(row.rate, 'g', QLocale::FloatingPointShortest);
        const QString day = row.updated.isValid() ? row.updated.toString(Qt::ISODate) : QString();
        text += Csv::line({row.country, row.unit, rate, day}) + u"\r\n"_s;
    }
    return text.toUtf8();
}

QString writeExportFile(const QString& path, const std::vector<RateRow>& rows)
{
    const QString reason = replaceFileDurably(path, exportCsv(rows));
    return reason.isEmpty() ? QString() : u"Could not write %1: %2"_s.arg(fileLabel(path), reason);
}

QString suggestedExportName(const QDate& day)
{
    return u"Tallyvane rates %1.csv"_s.arg(day.toString(Qt::ISODate));
}

} // namespace MOD_Data
