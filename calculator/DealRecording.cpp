#include "calculator/DealRecording.h"

#include "calculator/Pricing.h"
#include "calculator/RateAge.h"
#include "calculator/RateDateLine.h"
#include "calculator/Receipt.h"
#include "calculator/frmRecordDeal.h"
#include "data/DbError.h"
#include "data/NumberForm.h"
#include "data/Rates.h"
#include "maintenance/ReceiptSettings.h"
#include "widgets/MsgBox.h"

#include <QCoreApplication>
#include <QInputDialog>
#include <QLineEdit>

#include <memory>
#include <set>

using namespace Qt::StringLiterals;

namespace calculator {

namespace {

QString marginText(double margin)
{
    return margin == 0.0 ? QString() : data::numberText(margin);
}

data::DealSide sideOf(const data::RateRow& row)
{
    data::DealSide side;
    side.country = row.country;
    side.currency = row.code;
    side.unit = row.unit;
    side.rate = row.country == PivotCountry ? 1.0 : row.rate;
    side.rateDate = row.updated;
    side.buyMargin = marginText(row.buyMargin);
    side.sellMargin = marginText(row.sellMargin);
    return side;
}

// Every figure as Money; false when one is beyond it.
bool takeFigures(const DealPrice& price, data::Deal& deal)
{
    const auto exchanged = price.exchanged.toMoney();
    const auto commission = price.commission.toMoney();
    const auto total = price.total.toMoney();
    if (!exchanged || !commission || !total)
        return false;
    deal.exchanged = *exchanged;
    deal.commission = *commission;
    deal.total = *total;
    deal.minimumApplied = price.minimumApplied;
    deal.paidOut = *total;
    if (price.paidOut) {
        const auto paidOut = price.paidOut->toMoney();
        const auto inPounds = price.paidInPounds ? price.paidInPounds->toMoney() : std::optional<data::Money>();
        if (!paidOut || !inPounds)
            return false;
        deal.paidOut = *paidOut;
        deal.paidInPounds = *inPounds;
    }
    return true;
}

void say(const QString& text, widgets::MsgBoxIcon icon = widgets::MsgBoxIcon::Information)
{
    widgets::MsgBox(text, widgets::MsgBoxButtons::OK, icon);
}

void sayRefused(const QString& firstLine, const QString& reason)
{
    say(firstLine + u"\n\n"_s + reason, widgets::MsgBoxIcon::Exclamation);
}

// Why the till's settings refuse this deal's rates as old; empty when they do not.
QString oldRateRefusal(const data::Deal& deal)
{
    const RateAgeRule rule = currentRateAgeRule();
    const QDate today = QDate::currentDate();
    for (const data::DealSide* side : {&deal.from, &deal.to}) {
        const QString why = rateTooOld(side->country, side->rateDate, today, rule);
        if (!why.isEmpty())
            return why;
    }
    return {};
}

// The last deal no later entry voids, scanning back from the end.
std::optional<data::JournalEntry> lastOpenDeal(data::Journal& journal)
{
    const auto last = journal.lastEntry();
    std::set<std::int64_t> voided;
    for (std::int64_t n = last ? last->number : 0; n > 0; --n) {
        const auto entry = journal.entry(n);
        if (!entry)
            continue;
        if (entry->kind == data::EntryKind::Void)
            voided.insert(entry->voids);
        else if (entry->kind == data::EntryKind::Deal && !voided.contains(n))
            return entry;
    }
    return std::nullopt;
}

} // namespace

std::optional<data::Deal> dealFromInputs(const ExchangeInputs& in, const DealTerms& terms)
{
    if (in.sourceCountry.isEmpty() || in.targetCountry.isEmpty() || in.sourceCountry == in.targetCountry)
        return std::nullopt;
    const auto typedAmount = data::pointFormOf(in.amount);
    const auto amount = typedAmount ? data::Money::fromText(*typedAmount) : std::nullopt;
    const auto commission = data::pointFormOf(in.commission);
    if (!amount || !commission)
        return std::nullopt;
    const data::Rates& rates = data::Rates::instance();
    const auto from = rates.findRate(in.sourceCountry);
    const auto to = rates.findRate(in.targetCountry);
    if (!from || !to)
        return std::nullopt;
    const DealPrice price = priceDeal(in, terms);
    if (price.kind != ExchangeResult::Kind::Converted || price.total <= data::Amount())
        return std::nullopt;
    data::Deal deal;
    deal.from = sideOf(*from);
    deal.to = sideOf(*to);
    deal.buyRate = price.buyRate > 0.0 ? price.buyRate : 1.0; // the pound buys itself at 1
    deal.sellRate = price.sellRate > 0.0 ? price.sellRate : 1.0;
    deal.amount = *amount;
    deal.commissionPercent = *commission;
    deal.minimumCommission = terms.minimumCommission;
    if (!takeFigures(price, deal))
        return std::nullopt;
    return deal;
}

data::Journal& dealJournal()
{
    static std::unique_ptr<data::Journal> journal;
    // Tests move the rates file; the journal follows it.
    if (!journal || journal->path() != data::journalPath())
        journal = std::make_unique<data::Journal>();
    journal->setTill(maintenance::effectiveTillName(maintenance::loadReceiptOptions()));
    return *journal;
}

std::optional<data::JournalEntry> recordDeal(QWidget& owner, const ExchangeInputs& in, const DealTerms& terms)
{
    std::optional<data::Deal> deal;
    try {
        deal = dealFromInputs(in, terms);
    } catch (const data::DbError& e) {
        sayRefused(QCoreApplication::translate("DealRecording", "The deal was not recorded."), e.Description());
        return std::nullopt;
    }
    if (!deal)
        return std::nullopt;
    if (const QString old = oldRateRefusal(*deal); !old.isEmpty()) {
        sayRefused(QCoreApplication::translate("DealRecording", "The deal was not recorded."), old);
        return std::nullopt;
    }
    const auto customer = confirmDeal(owner, *deal);
    if (!customer)
        return std::nullopt;
    deal->customer = *customer;
    data::JournalEntry entry;
    try {
        entry = dealJournal().recordDeal(*deal);
    } catch (const data::DbError& e) {
        sayRefused(QCoreApplication::translate("DealRecording", "The deal was not recorded."), e.Description());
        return std::nullopt;
    }
    const QString fault = issueReceipt(&owner, entry, false);
    if (!fault.isEmpty())
        sayRefused(
            QCoreApplication::translate("DealRecording", "Deal %1 is recorded, but its receipt could not be issued.")
                .arg(receiptNumber(entry.number)),
            fault);
    return entry;
}

void reprintReceipt(QWidget& owner)
{
    try {
        data::Journal& journal = dealJournal();
        const auto last = journal.lastEntry();
        if (!last) {
            say(QCoreApplication::translate("DealRecording", "The journal holds no deal yet."));
            return;
        }
        bool ok = false;
        const int number = QInputDialog::getInt(&owner, QCoreApplication::translate("DealRecording", "Reprint Receipt"),
                                                QCoreApplication::translate("DealRecording", "Number of the deal:"),
                                                int(last->number), 1, int(last->number), 1, &ok);
        if (!ok)
            return;
        const auto entry = journal.entry(number);
        if (!entry || entry->kind != data::EntryKind::Deal) {
            say(QCoreApplication::translate("DealRecording", "Entry %1 is not a deal.").arg(receiptNumber(number)),
                widgets::MsgBoxIcon::Exclamation);
            return;
        }
        const QString fault = issueReceipt(&owner, *entry, true);
        if (!fault.isEmpty())
            sayRefused(QCoreApplication::translate("DealRecording", "The receipt could not be issued."), fault);
    } catch (const data::DbError& e) {
        sayRefused(QCoreApplication::translate("DealRecording", "The journal could not be read."), e.Description());
    }
}

bool voidDeal(QWidget& owner, const data::JournalEntry& deal, const QString& title)
{
    try {
        const QString what = QCoreApplication::translate("DealRecording", "Void deal %1: %2 %3 for %4 %5?")
                                 .arg(receiptNumber(deal.number), data::shownForm(deal.deal.amount.toText()),
                                      currencyLabel(deal.deal.from), data::shownForm(deal.deal.total.toText()),
                                      currencyLabel(deal.deal.to));
        bool ok = false;
        const QString reason =
            QInputDialog::getText(&owner, title, what + u"\n\n"_s + QCoreApplication::translate("DealRecording", "Reason:"),
                                  QLineEdit::Normal, QString(), &ok);
        if (!ok)
            return false;
        if (reason.trimmed().isEmpty()) {
            say(QCoreApplication::translate("DealRecording", "A void needs a reason: nothing was recorded."),
                widgets::MsgBoxIcon::Exclamation);
            return false;
        }
        const data::JournalEntry entry = dealJournal().recordVoid(deal.number, reason.trimmed());
        say(QCoreApplication::translate("DealRecording", "Deal %1 is void (entry %2).")
                .arg(receiptNumber(deal.number), receiptNumber(entry.number)));
        return true;
    } catch (const data::DbError& e) {
        sayRefused(QCoreApplication::translate("DealRecording", "Nothing was voided."), e.Description());
    }
    return false;
}

void voidLastDeal(QWidget& owner)
{
    std::optional<data::JournalEntry> deal;
    try {
        deal = lastOpenDeal(dealJournal());
    } catch (const data::DbError& e) {
        sayRefused(QCoreApplication::translate("DealRecording", "Nothing was voided."), e.Description());
        return;
    }
    if (!deal) {
        say(QCoreApplication::translate("DealRecording", "There is no deal to void."));
        return;
    }
    voidDeal(owner, *deal, QCoreApplication::translate("DealRecording", "Void Last Deal"));
}

void checkJournal(QWidget* owner, bool atStart)
{
    Q_UNUSED(owner);
    try {
        const data::ChainCheck check = dealJournal().verifyChain();
        if (!check.ok())
            say(QCoreApplication::translate(
                    "DealRecording",
                    "Entry %1 of the journal does not match what was recorded: it, or the entry before it, has "
                    "been changed outside Tallyvane. New deals are still recorded.")
                    .arg(receiptNumber(*check.firstMismatch)),
                widgets::MsgBoxIcon::Exclamation);
        else if (!atStart)
            say(QCoreApplication::translate("DealRecording",
                                            "The journal is whole: every entry matches what was recorded."));
    } catch (const data::DbError& e) {
        sayRefused(QCoreApplication::translate("DealRecording", "The journal could not be read."), e.Description());
    }
}

} // namespace calculator
