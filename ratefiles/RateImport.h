#pragma once

// Rates from files, without widgets. Reading a rate file goes in three steps:
//
//  1. readRateFile / parseRateFile turn the bytes into a RateFile: the format is
//     recognised by content (the UK tax authority's monthly rates as CSV or XML,
//     the European Central Bank's daily reference rates as XML or CSV, or this
//     program's own export), every rate converted to units per pound, and the
//     file's date or period kept. A CSV file may come as a spreadsheet saves it:
//     separated by semicolons (with decimal commas) or tabs, in UTF-16. Any
//     fault is a message naming the file and, where there is one, the line;
//     nothing is ever thrown.
//  2. planImport compares the file with the table's rows and proposes changes:
//     a file row updates the table row of the same name; table rows no name
//     matched take the file row of their country's currency (from the locale
//     data, knowing the usual variants of country names), so one euro rate
//     updates every euro country; "Britain", the pivot, is never changed, no row
//     is ever deleted, and file rows nothing took are offered as new countries.
//  3. The caller shows the plan, and writes the ticked changes (ratesToWrite) in
//     one transaction.
//
// exportCsv writes the table in the program's own format, which step 1 reads
// back unchanged.

#include "data/RateWrites.h"
#include "data/RatesFile.h"

#include <QByteArray>
#include <QDate>
#include <QString>

#include <optional>
#include <vector>

namespace MOD_Data {

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
};

struct RateFile {
    QString path;
    RateFileFormat format = RateFileFormat::OwnExport;
    QDate from;  // the file's day or the first day of its period; null when none
    QDate to;    // the last day of its period; equal to from for a day
    std::vector<FileRate> rates;
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

QString formatName(RateFileFormat format);  // "UK monthly rates (CSV)", ...
// "1 January 2020 to 31 January 2020", "29 April 2022", or empty when the file
// has no date of its own (an export: each row has its own).
QString periodText(const RateFile& file);
QString dateText(const QDate& date);  // "1 January 2020"; empty for a null date

enum class MatchKind {
    Name,      // the same country name
    Currency,  // the table country's currency code is the file row's
    Country,   // another name of the same country (its currency is not in the file)
    New,       // no table row: a country to add
};

struct RateChange {
    QString country;       // the table's name; the file's for a new row
    QString unit;          // the table's unit; the file's for a new row
    double currentRate = 0.0;  // 0 for a new row
    QDate currentDate;
    double newRate = 0.0;
    QDate newDate;
    MatchKind match = MatchKind::Name;
    QString fileCountry;   // the file row's country, when it has one
    QString currencyCode;  // the file row's currency code, when it has one
    bool ticked = false;

    bool isNew() const { return match == MatchKind::New; }
    // (new - current) / current in percent; none for a new row.
    std::optional<double> changePercent() const;
    // More than 25 % either way: worth a second look.
    bool bigChange() const;
};

struct ImportPlan {
    std::vector<RateChange> changes;  // updates in table order, then new rows in file order
    QStringList skipped;              // file rows left out, with the reason
    bool empty() const { return changes.empty(); }
};

ImportPlan planImport(const RateFile& file, const std::vector<RateRow>& table);

// What the store writes (applyRateWrites) for the ticked changes.
std::vector<RateWrite> ratesToWrite(const std::vector<RateChange>& changes);

// The whole table as UTF-8 CSV (header Country,Monetery Unit,Exchange Rate,Updated),
// rates in their shortest exact form, dates as YYYY-MM-DD or empty.
QByteArray exportCsv(const std::vector<RateRow>& rows);
// Writes exportCsv to path, replacing any file there only once the new one is
// complete. Returns an empty string, or the reason it failed.
QString writeExportFile(const QString& path, const std::vector<RateRow>& rows);
// "Tallyvane rates 2026-12-07.csv"
QString suggestedExportName(const QDate& day);

// The ISO 4217 code of a country's currency as the locale data knows it, the
// country named as people write it ("USA", "Holland", "Korea (South)"); empty
// when the name is not a known country.
QString currencyOfCountry(const QString& name);

} // namespace MOD_Data
