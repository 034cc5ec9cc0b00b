#pragma once

// Rate files in the words the windows show them: the main window's rate
// tooltips and the import preview, in the language of the translation in use.

#include "ratefiles/Dates.h"
#include "ratefiles/RateFile.h"

#include <QDate>
#include <QString>

namespace widgets {

QString formatName(ratefiles::RateFileFormat format);  // "UK monthly rates (CSV)", ...
// "1 January 2020 to 31 January 2020", "29 April 2022", or empty when the file
// has no date of its own (an export: each row has its own).
QString periodText(const ratefiles::RateFile& file);
using ratefiles::dateText;  // "1 January 2020"; empty for a null date
// A country a rate file names, in the language of the translation where the
// program named it itself ("Euro area" for the central bank's euro), otherwise
// as the file writes it.
QString territoryWord(const QString& fileCountry);

} // namespace widgets
