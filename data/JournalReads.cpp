#include "data/Journal.h"

#include "data/JournalLayout.h"
#include "data/SqliteOwners.h"

#include <map>

namespace data {

namespace {

template <typename Bind>
std::vector<JournalEntry> selectEntries(sqlite3* db, const char* where, Bind&& bind)
{
    std::vector<JournalEntry> entries;
    if (!db)
        return entries;
    Sql::Statement select(db, JournalLayout::selectSql(where));
    const Sql::Rewind rewind(select);
    bind(select);
    while (select.step())
        entries.push_back(JournalLayout::entryOf(JournalLayout::read(select)));
    return entries;
}

std::optional<JournalEntry> first(std::vector<JournalEntry> entries)
{
    return entries.empty() ? std::nullopt : std::optional<JournalEntry>(std::move(entries.front()));
}

// C is taken in the target currency; the minimum was converted into it at the
// rate used, so the same rate brings it back to pounds.
Money commissionInPounds(const Deal& deal)
{
    if (currencyKey(deal.to.country, deal.to.currency) == PoundCode)
        return deal.commission;
    return Money::fromDouble(deal.commission.toDouble() / deal.sellRate).value_or(Money());
}

class DayTotals {
public:
    // sign +1 for a deal, -1 for the void that reverses it.
    void addDeal(const Deal& deal, int sign)
    {
        const auto add = [sign](Money& total, Money amount) { sign > 0 ? total += amount : total -= amount; };
        add(at(currencyKey(deal.from.country, deal.from.currency)).bought, deal.amount);
        CurrencyDay& to = at(currencyKey(deal.to.country, deal.to.currency));
        add(to.sold, deal.paidOut);
        add(to.commission, deal.commission);
        add(to.commissionInPounds, commissionInPounds(deal));
        if (deal.paidInPounds != Money())
            add(at(PoundCode.toString()).sold, deal.paidInPounds);
    }
    void setFloat(const JournalEntry& entry) { at(entry.currency).openingFloat = entry.amount; }
    void setCount(const JournalEntry& entry) { at(entry.currency).closingCount = entry.amount; }

    std::vector<CurrencyDay> close()
    {
        std::vector<CurrencyDay> result;
        for (auto& [key, day] : days_) {
            day.expected = day.openingFloat.value_or(Money()) + day.bought - day.sold;
            if (day.closingCount)
                day.difference = *day.closingCount - day.expected;
            result.push_back(day);
        }
        return result;
    }

private:
    CurrencyDay& at(const QString& key)
    {
        CurrencyDay& day = days_[key];
        day.currency = key;
        return day;
    }
    std::map<QString, CurrencyDay> days_;
};

} // namespace

sqlite3* Journal::forReading()
{
    sqlite3* db = open(false);
    return db && JournalLayout::isLaidOut(db, path_) ? db : nullptr;
}

std::optional<JournalEntry> Journal::entry(std::int64_t number)
{
    return first(selectEntries(forReading(), "WHERE number = ?1", [&](Sql::Statement& s) { s.bindInt(1, number); }));
}

std::optional<JournalEntry> Journal::lastEntry()
{
    return first(selectEntries(forReading(), "ORDER BY number DESC LIMIT 1", [](Sql::Statement&) {}));
}

std::vector<JournalEntry> Journal::entriesOfDay(QDate day)
{
    return selectEntries(forReading(), "WHERE local_day = ?1 ORDER BY number",
                         [&](Sql::Statement& s) { s.bind(1, day.toString(Qt::ISODate)); });
}

ChainCheck Journal::verifyChain()
{
    sqlite3* db = forReading();
    if (!db)
        return {};
    Sql::Statement select(db, JournalLayout::selectSql("ORDER BY number"));
    const Sql::Rewind rewind(select);
    QByteArray previous = JournalLayout::FirstPrevious;
    std::int64_t expected = 1;
    while (select.step()) {
        const QByteArray stored = select.columnUtf8(JournalLayout::Hash).toByteArray();
        // A number out of step is a row deleted or added behind the program's back.
        if (select.columnInt(JournalLayout::Number) != expected || JournalLayout::hashOfRow(select, previous) != stored)
            return {select.columnInt(JournalLayout::Number)};
        previous = stored;
        ++expected;
    }
    return {};
}

std::vector<CurrencyDay> Journal::daySummary(QDate day)
{
    DayTotals totals;
    for (const JournalEntry& entry : entriesOfDay(day)) {
        switch (entry.kind) {
        case EntryKind::Deal:
            totals.addDeal(entry.deal, +1);
            break;
        case EntryKind::Void:
            if (const std::optional<JournalEntry> deal = this->entry(entry.voids);
                deal && deal->kind == EntryKind::Deal)
                totals.addDeal(deal->deal, -1);
            break;
        case EntryKind::Float:
            totals.setFloat(entry);
            break;
        case EntryKind::Count:
            totals.setCount(entry);
            break;
        }
    }
    return totals.close();
}

} // namespace data
