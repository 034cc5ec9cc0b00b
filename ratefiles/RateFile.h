#pragma once

// Rates from files, without widgets. Reading a rate file goes in three steps:
//
//  1. readRateFile / parseRateFile (this header) turn the bytes into a
//     RateFile: the format is recognised by content (the UK tax authority's
//     monthly rates as CSV or XML, the European Central Bank's daily reference
//     rates as XML or CSV, or this program's own export), every rate converted
//     to units per pound, and the file's date or period kept. A CSV file may
//     come as a spreadsheet saves it: separated by semicolons (with decimal
//     commas) or tabs, in UTF-16. Any fault is a message naming the file and,
//     where there is one, the line; nothing is ever thrown.
//  2. planImport (RateImportPlan.h) compares the file with the table's rows
//     and proposes changes: a file row updates the table row of the same name;
//     table rows no name matched take the file row of their country's currency
//     (from the locale data, knowing the usual variants of country names), so
//     one euro rate updates every euro country; "Britain", the pivot, is never
//     changed, no row is ever deleted, and file rows nothing took are offered
//     as new countries.
//  3. The caller shows the plan, and writes the ticked changes (ratesToWrite) in
//     one transaction.
//
// exportCsv (RateExport.h) writes the table in the program's own format, which
// step 1 reads back unchanged: a first line naming the format and its layout
// ("Tallyvane rates,3", which earlier releases know for no rate file of
// theirs, so they refuse it rather than misread it), a line per till setting
// ("Minimum Commission,2.50"), then the field table's header and a row per
// country. An export of an earlier release (the header and rows alone) and
// mdb-export's save of the older program's table read as before. The words
// windows show for a file (its kind, its period) are the windows' own
// (widgets/RateFileWords.h).
//
// Where things are: one reader per format (UkMonthlyCsv, UkMonthlyXml,
// EcbDailyXml, EcbDailyCsv, OwnExport), what they share (Reading, PerEuro,
// Dates), the bytes turned into text (Decoding), and the recognition of the
// format (Detection.cpp).

#include "data/Money.h"

#include <QByteArray>
#include <QDate>
#include <QString>

#include <optional>
#include <vector>

namespace ratefiles {

enum class RateFileFormat { UkMonthlyCsv, UkMonthlyXml, EcbDailyXml, EcbDailyCsv, OwnExport };

// One rate as a file gives it, already in units per pound.
struct FileRate {
    QString country;        // as written, blanks trimmed (the own export: exactly as written)
    QString unit;           // the currency's name; may be empty
    QString currencyCode;   // ISO 4217 in capitals; empty when the file has none
    QString territoryCode;  // ISO 3166 two letters when the file gives one
    double rate = 0.0;      // units per pound, finite, above 0 and normal
    QDate date;             // the day the rate applies from; null when unknown
    int line = 0;           // where it stands in the file
    // The program's own export also gives what the bureau set beside the rate.
    double buyMargin = 0.0;
    double sellMargin = 0.0;
    data::Money smallestNote = {};
};

struct RateFile {
    QString path;
    RateFileFormat format = RateFileFormat::OwnExport;
    QDate from;  // the file's day or the first day of its period; null when none
    QDate to;    // the last day of its period; equal to from for a day
    std::vector<FileRate> rates;
    // The till's minimum commission, in pounds, which the program's own
    // export carries; none in any other file.
    std::optional<data::Money> minimumCommission;
};

struct RateFileResult {
    std::optional<RateFile> file;
    QString error;  // set when file is empty: names the file and the line or element
    bool ok() const { return file.has_value(); }
};

// Larger files are refused unread. Published files are tens of kilobytes; the
// largest the readers take, the central bank's whole history, a few megabytes
// and growing by a fraction of one a year. The limit keeps reading and the
// preview within a couple of seconds and a small multiple of the file's size.
inline constexpr qint64 MaxRateFileBytes = 16 * 1024 * 1024;
// A file with more rates is refused: published files hold a few hundred, and
// each one becomes a row of the preview.
inline constexpr qsizetype MaxRatesPerFile = 10000;

RateFileResult readRateFile(const QString& path);
// The same on bytes already read; path only names the file in messages.
RateFileResult parseRateFile(const QByteArray& bytes, const QString& path);

// A file as the messages name it: '/path/to/rates.csv'.
QString fileLabel(const QString& path);

} // namespace ratefiles
