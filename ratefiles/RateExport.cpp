#include "ratefiles/RateExport.h"

#include "ratefiles/Csv.h"
#include "ratefiles/DurableFile.h"
#include "ratefiles/ExportHeader.h"
#include "ratefiles/RateFile.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>

using namespace Qt::StringLiterals;
using data::FieldBuyMargin;
using data::FieldCode;
using data::FieldCountry;
using data::FieldRate;
using data::FieldSellMargin;
using data::FieldSmallestNote;
using data::FieldUnit;
using data::FieldUpdated;
using data::Fields;
using data::Money;
using data::RateRow;
using data::fieldIndexOf;

namespace ratefiles {

namespace {

// A row is written field by field in the header's order.
static_assert(Fields.size() == 8 && fieldIndexOf(FieldCountry) == 0 && fieldIndexOf(FieldUnit) == 1
              && fieldIndexOf(FieldRate) == 2 && fieldIndexOf(FieldUpdated) == 3 && fieldIndexOf(FieldCode) == 4
              && fieldIndexOf(FieldBuyMargin) == 5 && fieldIndexOf(FieldSellMargin) == 6
              && fieldIndexOf(FieldSmallestNote) == 7);

// The layout whose fields the export needs: the second unless the table or
// the till sets something only the third can carry.
int layoutNeeded(const std::vector<RateRow>& rows, Money minimumCommission)
{
    const bool terms = std::any_of(rows.begin(), rows.end(), [](const RateRow& row) {
        return !row.code.isEmpty() || row.buyMargin != 0.0 || row.sellMargin != 0.0 || row.smallestNote != Money();
    });
    return terms || minimumCommission != Money() ? 3 : 2;
}

// The shortest text that reads back as the very same double.
QString shortest(double value)
{
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

QStringList rowFields(const RateRow& row, qsizetype columns)
{
    const QString day = row.updated.isValid() ? row.updated.toString(Qt::ISODate) : QString();
    QStringList fields{row.country, row.unit, shortest(row.rate), day, row.code, shortest(row.buyMargin),
                       shortest(row.sellMargin), row.smallestNote.toText()};
    return fields.mid(0, columns);
}

} // namespace

QByteArray exportCsv(const std::vector<RateRow>& rows, Money minimumCommission)
{
    const int layout = layoutNeeded(rows, minimumCommission);
    const qsizetype columns = layoutColumns(layout);
    QString text;
    if (layout >= 3) {
        text += Csv::line({ExportMarker.toString(), QString::number(layout)}) + u"\r\n"_s;
        text += Csv::line({data::SettingMinimumCommission.toString(), minimumCommission.toText()}) + u"\r\n"_s;
    }
    text += Csv::line(exportHeader(columns)) + u"\r\n"_s;
    for (const RateRow& row : rows)
        text += Csv::line(rowFields(row, columns)) + u"\r\n"_s;
    return text.toUtf8();
}

QString writeExportFile(const QString& path, const std::vector<RateRow>& rows, Money minimumCommission)
{
    const QString reason = replaceFileDurably(path, exportCsv(rows, minimumCommission));
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
