#pragma once

// A deal's receipt: one document for both layouts (an 80 mm roll, A4), sent
// where the settings say (the printer, a PDF named by the deal's number in
// the chosen folder, or nowhere). A receipt is built only from a journal
// entry, so no number is printed for a deal the journal does not hold.

#include "data/Journal.h"
#include "maintenance/ReceiptSettings.h"

#include <QString>

#include <memory>
#include <utility>
#include <vector>

class QPageLayout;
class QTextDocument;
class QWidget;

namespace calculator {

// "000042": the number as receipts and messages show it.
QString receiptNumber(std::int64_t number);
// A side's currency as a receipt names it: its code, else its unit.
QString currencyLabel(const data::DealSide& side);

// The deal line by line (caption, value), in the user's number form: the
// countries and currencies, what was given, the rates used, the figures. The
// confirmation shows the same lines.
std::vector<std::pair<QString, QString>> dealLines(const data::Deal& deal);

// The receipt as a document sized for the layout; copy marks it "COPY".
std::unique_ptr<QTextDocument> receiptDocument(const data::JournalEntry& entry,
                                               const maintenance::ReceiptOptions& options, bool copy);
// A4, or an 80 mm roll's page as long as doc.
QPageLayout receiptPageLayout(maintenance::ReceiptLayout layout, const QTextDocument& doc);
// Lays doc out in pages of layout's paintable size, so printing keeps the
// layout's margins rather than adding margins of its own (2 cm a side, more
// than half of a roll's width).
void paginateFor(QTextDocument& doc, const QPageLayout& layout);
// "000042.pdf", or "000042 COPY.pdf" for a copy.
QString receiptFileName(std::int64_t number, bool copy);

// Issues the receipt as the settings say (a copy with nowhere set asks for a
// printer or a file). Empty, or why it failed.
QString issueReceipt(QWidget* owner, const data::JournalEntry& entry, bool copy);

} // namespace calculator
