#pragma once

// Recording what the main window shows: the deal its inputs price, as the
// journal keeps it, and the commands of the File and Help menus that work on
// the journal (record, reprint, void, check). The arithmetic is priceDeal's;
// this only gathers the rows' terms and hands the figures on, so the journal
// holds exactly the figures on the screen.

#include "calculator/Exchange.h"
#include "calculator/Pricing.h"
#include "data/Journal.h"

#include <optional>

class QWidget;

namespace calculator {

// The deal the inputs price on the terms the window used, every figure as the journal records it; none
// when they price nothing a till may record: a failure, the same country on
// both sides, a total of 0 or less, an amount with more than two decimals, a
// figure beyond what the journal holds, or a side whose row is gone.
std::optional<data::Deal> dealFromInputs(const ExchangeInputs& in, const DealTerms& terms);

// The program's journal, beside the rates file; the till's name from the
// receipt settings.
data::Journal& dealJournal();

// Confirms the deal with the cashier, records it, then issues its receipt.
// The recorded entry; none when cancelled or refused (with the reason said).
std::optional<data::JournalEntry> recordDeal(QWidget& owner, const ExchangeInputs& in, const DealTerms& terms);
// Asks for a deal's number and issues its receipt again, marked as a copy.
void reprintReceipt(QWidget& owner);
// Asks for a reason and voids the deal (the journal refuses one already
// voided); true once the void is recorded.
bool voidDeal(QWidget& owner, const data::JournalEntry& deal, const QString& title);
// Asks for a reason and voids the last deal not voided yet.
void voidLastDeal(QWidget& owner);
// Checks the chain and says what it found; atStart says only a fault.
void checkJournal(QWidget* owner, bool atStart);

} // namespace calculator
