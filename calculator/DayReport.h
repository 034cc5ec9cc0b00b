#pragma once

// A day of the journal as a report: its entries and, per currency, what was
// bought and sold, the commission, the float, the count and the difference.
// The same words and figures go to the screen, the printer, a PDF and CSV.

#include "data/Journal.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class QPageLayout;
class QTextDocument;

namespace calculator {

struct DayReport {
    QDate day;
    std::vector<data::JournalEntry> entries;
    std::vector<data::CurrencyDay> currencies;
};

// Reads the day from the journal; throws the journal's DbError.
DayReport readDayReport(data::Journal& journal, QDate day);

// An entry in a line, in the user's number form: "100.00 EUR for 85.00 USD".
QString entryKindText(const data::JournalEntry& entry);
QString entryText(const data::JournalEntry& entry);
// The per-currency table's captions and one currency's cells ("" for none).
QStringList currencyCaptions();
QStringList currencyCells(const data::CurrencyDay& day);

// A4 across, as the day prints and saves.
QPageLayout dayPageLayout();
std::unique_ptr<QTextDocument> dayDocument(const DayReport& report);
// UTF-8 CSV, CR LF, '.' decimals: the entries, an empty line, the currencies.
QByteArray dayCsv(const DayReport& report);

// Written durably (beside, synced, renamed). Empty, or why it failed.
QString writeDayPdf(const QString& path, const DayReport& report);
QString writeDayCsv(const QString& path, const DayReport& report);

} // namespace calculator
