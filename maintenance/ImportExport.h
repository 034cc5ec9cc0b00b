#pragma once

// The File menu's Import Rates and Export Rates commands. Import asks for a
// rate file, reads and matches it (ratefiles/RateFile.h), shows the proposed
// changes and writes the ticked ones in one transaction, which announces
// itself (data::Rates::ratesChanged). Export writes the whole table as CSV that
// Import reads back unchanged. Both report every failure in a message box; no
// exception leaves them.

#include <QString>

class QWidget;

namespace ratefiles {
struct RateFile;
}

namespace maintenance {

// The titles of the two commands' file dialogs and message boxes.
QString importRatesTitle();
QString exportRatesTitle();

void importRates(QWidget& owner);
// The steps after reading: the plan, the preview, the write of the ticked
// changes and the message saying so; title heads its message boxes.
void previewAndImport(QWidget& owner, const ratefiles::RateFile& file, const QString& title);
void exportRates(QWidget& owner);

// Where the file dialogs open when this session has not used them yet: the
// user's Downloads (import) or Documents (export) folder if it exists, else home.
QString defaultImportFolder();
QString defaultExportFolder();

// Forgets the folders this session's file dialogs last used (tests).
void forgetRateFileFolders();

} // namespace maintenance
