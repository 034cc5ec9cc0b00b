#pragma once

// The program's own rate file: the whole table as CSV, which the import reads
// back unchanged.

#include "data/RateRow.h"

#include <QByteArray>
#include <QDate>
#include <QString>

#include <vector>

namespace ratefiles {

// The whole table as UTF-8 CSV under exportHeader(), rates in their shortest
// exact form, dates as YYYY-MM-DD or empty.
QByteArray exportCsv(const std::vector<data::RateRow>& rows);
// Writes exportCsv to path, replacing any file there only once the new one is
// complete. Returns an empty string, or the reason it failed.
QString writeExportFile(const QString& path, const std::vector<data::RateRow>& rows);
// "Tallyvane rates 2026-12-07.csv", in the language of the translation in use.
QString suggestedExportName(const QDate& day);

} // namespace ratefiles
