#include "maintenance/ImportExport.h"

#include "data/Rates.h"
#include "maintenance/WriteCheck.h"
#include "maintenance/frmImportRates.h"
#include "ratefiles/RateExport.h"
#include "ratefiles/RateFile.h"
#include "ratefiles/RateImportPlan.h"
#include "widgets/Failure.h"
#include "widgets/FileDialog.h"
#include "widgets/MsgBox.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>

using namespace Qt::StringLiterals;
using widgets::MsgBox;
using widgets::MsgBoxButtons;
using widgets::MsgBoxIcon;
using widgets::MsgBoxResult;

namespace maintenance {

namespace {

// Remembered for this session only: a till's next import comes from the
// same downloads folder, and nothing needs keeping between runs.
struct RateFileFolders {
    QString imported;
    QString exported;
};

RateFileFolders& lastFolders()
{
    static RateFileFolders folders;
    return folders;
}

QString existingFolderOr(QStandardPaths::StandardLocation location)
{
    const QString folder = QStandardPaths::writableLocation(location);
    if (!folder.isEmpty() && QFileInfo(folder).isDir())
        return folder;
    return QDir::homePath();
}

// A file that changes nothing, and the rows it left out: a long list is cut,
// the preview is not shown, and the box must stay on the screen.
QString nothingToImport(const ratefiles::RateFile& file, const ratefiles::ImportPlan& plan)
{
    QStringList lines{QCoreApplication::translate("ImportExport",
                                                  "%1 has nothing to change: the rates table already holds every "
                                                  "rate it gives.")
                          .arg(ratefiles::fileLabel(file.path))};
    if (!plan.skipped.isEmpty()) {
        //: Followed by the rows, one a line.
        lines << QCoreApplication::translate("ImportExport", "%n rows of the file were left out:", nullptr,
                                             int(plan.skipped.size()));
        lines << firstSkipped(plan.skipped);
    }
    return lines.join(u"\r\n"_s);
}

void importUnguarded(QWidget& owner)
{
    data::Rates& rates = data::Rates::instance();
    if (!rates.isOpen()) {
        MsgBox(
            QCoreApplication::translate("ImportExport", "The rates database is not open, so no rates can be imported."),
            MsgBoxButtons::OK, MsgBoxIcon::Exclamation, importRatesTitle());
        return;
    }
    if (!mayChangeRates())
        return;

    const QString start = lastFolders().imported.isEmpty() ? defaultImportFolder() : lastFolders().imported;
    //: The file dialog's filters: keep the patterns in brackets and the ;; between filters.
    const QString filter = QCoreApplication::translate("ImportExport", "Rate files (*.csv *.txt *.xml);;All files (*)");
    const QString path = widgets::openFileName(&owner, {importRatesTitle(), start, filter});
    if (path.isEmpty())
        return;
    lastFolders().imported = QFileInfo(path).absolutePath();

    const ratefiles::RateFileResult read = ratefiles::readRateFile(path);
    if (!read.ok()) {
        MsgBox(read.error + u"\r\n"_s + QCoreApplication::translate("ImportExport", "Nothing was imported."),
               MsgBoxButtons::OK, MsgBoxIcon::Exclamation, importRatesTitle());
        return;
    }
    previewAndImport(owner, *read.file, importRatesTitle());
}

void exportUnguarded(QWidget& owner)
{
    const data::Rates& rates = data::Rates::instance();
    if (!rates.isOpen()) {
        MsgBox(QCoreApplication::translate("ImportExport",
                                           "The rates database is not open, so there are no rates to export."),
               MsgBoxButtons::OK, MsgBoxIcon::Exclamation, exportRatesTitle());
        return;
    }
    // Read before asking, so a table that cannot be read wastes no choosing.
    const std::vector<data::RateRow> rows = rates.allRates();
    const data::Money minimumCommission = rates.minimumCommission();

    const QString folder = lastFolders().exported.isEmpty() ? defaultExportFolder() : lastFolders().exported;
    //: The file dialog's filters: keep the patterns in brackets and the ;; between filters.
    const QString filter = QCoreApplication::translate("ImportExport", "CSV files (*.csv);;All files (*)");
    QString path = widgets::saveFileName(
        &owner,
        {exportRatesTitle(), QDir(folder).filePath(ratefiles::suggestedExportName(QDate::currentDate())), filter});
    if (path.isEmpty())
        return;
    // A name typed without an ending gets the one the filter offers.
    if (QFileInfo(path).suffix().isEmpty() && !QFileInfo(path).isDir())
        path += u".csv"_s;
    lastFolders().exported = QFileInfo(path).absolutePath();

    // Only a file is replaced; for a device or pipe the refusal follows at once.
    if (QFileInfo(path).isFile()
        && MsgBox(QCoreApplication::translate("ImportExport", "%1 already exists.").arg(ratefiles::fileLabel(path))
                      + u"\r\n"_s + QCoreApplication::translate("ImportExport", "Do you want to replace it?"),
                  MsgBoxButtons::YesNo, MsgBoxIcon::Exclamation, exportRatesTitle())
            != MsgBoxResult::Yes)
        return;

    const QString error = ratefiles::writeExportFile(path, rows, minimumCommission);
    if (!error.isEmpty()) {
        MsgBox(error + u"\r\n"_s + QCoreApplication::translate("ImportExport", "The rates were not exported."),
               MsgBoxButtons::OK, MsgBoxIcon::Critical, exportRatesTitle());
        return;
    }
    MsgBox(QCoreApplication::translate("ImportExport", "%n rates exported to %1.", nullptr, int(rows.size()))
               .arg(ratefiles::fileLabel(path)),
           MsgBoxButtons::OK, MsgBoxIcon::Information, exportRatesTitle());
}

} // namespace

void previewAndImport(QWidget& owner, const ratefiles::RateFile& file, const QString& title)
{
    data::Rates& rates = data::Rates::instance();
    const ratefiles::ImportPlan plan = ratefiles::planImport(file, rates.allRates());
    if (plan.empty()) {
        MsgBox(nothingToImport(file, plan), MsgBoxButtons::OK, MsgBoxIcon::Information, title);
        return;
    }

    const std::optional<std::vector<ratefiles::RateChange>> ticked = showImportRates(&owner, file, plan);
    if (!ticked || ticked->empty())
        return;

    bool written = false;
    widgets::runGuarded(
        [&rates, &ticked, &written] {
            rates.applyWrites(ratefiles::ratesToWrite(*ticked));
            written = true;
        },
        reportSaveError);
    if (written)
        MsgBox(QCoreApplication::translate("ImportExport", "%n rates imported from %1.", nullptr, int(ticked->size()))
                   .arg(QFileInfo(file.path).fileName()),
               MsgBoxButtons::OK, MsgBoxIcon::Information, title);
}

QString importRatesTitle()
{
    return QCoreApplication::translate("ImportExport", "Import Rates");
}

QString exportRatesTitle()
{
    return QCoreApplication::translate("ImportExport", "Export Rates");
}

QString defaultImportFolder()
{
    return existingFolderOr(QStandardPaths::DownloadLocation);
}

QString defaultExportFolder()
{
    return existingFolderOr(QStandardPaths::DocumentsLocation);
}

void forgetRateFileFolders()
{
    lastFolders().imported.clear();
    lastFolders().exported.clear();
}

void importRates(QWidget& owner)
{
    widgets::runGuarded([&owner] { importUnguarded(owner); },
                   [](long number, const QString& description) {
                       widgets::reportFailure(
                           QCoreApplication::translate("ImportExport", "The rates could not be imported."), number,
                           description);
                   });
}

void exportRates(QWidget& owner)
{
    widgets::runGuarded([&owner] { exportUnguarded(owner); },
                   [](long number, const QString& description) {
                       widgets::reportFailure(
                           QCoreApplication::translate("ImportExport", "The rates could not be exported."), number,
                           description);
                   });
}

} // namespace maintenance
