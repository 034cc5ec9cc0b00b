#include "ratefiles/RateExport.h"

#include "ratefiles/Csv.h"
#include "ratefiles/DurableFile.h"
#include "ratefiles/ExportHeader.h"
#include "ratefiles/RateFile.h"

#include <QCoreApplication>
#include <QLocale>

using namespace Qt::StringLiterals;
using data::FieldCountry;
using data::FieldRate;
using data::FieldUnit;
using data::FieldUpdated;
using data::Fields;
using data::RateRow;
using data::fieldIndexOf;

namespace ratefiles {

// A row is written field by field in the header's order.
static_assert(Fields.size() == 4 && fieldIndexOf(FieldCountry) == 0 && fieldIndexOf(FieldUnit) == 1
              && fieldIndexOf(FieldRate) == 2 && fieldIndexOf(FieldUpdated) == 3);

QByteArray exportCsv(const std::vector<RateRow>& rows)
{
    QString text = Csv::line(exportHeader()) + u"\r\n"_s;
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
    //: %1 is the file, %2 why it could not be written.
    return reason.isEmpty()
        ? QString()
        : QCoreApplication::translate("RateFiles", "Could not write %1: %2").arg(fileLabel(path), reason);
}

QString suggestedExportName(const QDate& day)
{
    //: The name the export offers; %1 the day as YYYY-MM-DD, which sorts by date.
    return QCoreApplication::translate("RateExport", "Tallyvane rates %1.csv").arg(day.toString(Qt::ISODate));
}

} // namespace ratefiles
