#pragma once

// The program's own rate file: the whole table as CSV, which the import reads
// back unchanged.

#include "data/Money.h"
#include "data/RateRow.h"

#include <QByteArray>
#include <QDate>
#include <QString>

#include <vector>

namespace ratefiles {

// The whole table as UTF-8 CSV (RateFile.h describes the format), rates and
// margins in their shortest exact form, dates as YYYY-MM-DD or empty, smallest
// notes and the minimum commission as exact amounts. A table without codes,
// margins, smallest notes or a minimum commission is written as releases
// before them wrote it (the header of layout 2 and its rows), which they read.
QByteArray exportCsv(const std::vector<data::RateRow>& rows, data::Money minimumCommission = {});
// Writes exportCsv to path, replacing any file there only once the new one is
// complete. Returns an empty string, or the reason it failed.
QString writeExportFile(const QString& path, const std::vector<data::RateRow>& rows,
                        data::Money minimumCommission = {});
// "Tallyvane rates 2026-12-07.csv", in the language of the translation in use.
QString suggestedExportName(const QDate& day);

} // namespace ratefiles
