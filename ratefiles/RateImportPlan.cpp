#include "ratefiles/RateImportPlan.h"

#include "ratefiles/RateImportNames.h"

#include "data/Fields.h"
#include "data/RateValue.h"
#include "data/TextLimits.h"
#include "data/Wording.h"

#include <QCoreApplication>
#include <QHash>

#include <cmath>

using namespace Qt::StringLiterals;
using data::CountryMaxLength;
using data::PivotCountry;
using data::RateRow;
using data::RateWrite;
using data::UnitMaxLength;
using data::characterCount;
using data::cutToCharacters;

namespace ratefiles {

namespace {

bool isPound(const FileRate& r)
{
    return r.currencyCode == u"GBP";
}

// The file's rows by country name (the first of each) and by currency code.
class FileIndex {
public:
    explicit FileIndex(const std::vector<FileRate>& rates);
    std::optional<std::size_t> byName(const QString& country) const;
    const std::vector<std::size_t>* byCode(const QString& code) const;
    std::optional<std::size_t> firstRowOf(QLocale::Territory territory);

private:
    const std::vector<FileRate>& rates_;
    QHash<QString, std::size_t> byName_;
    QHash<QString, std::vector<std::size_t>> byCode_;
    // The countries of the file's rows, worked out only when a table row needs
    // them: most tables match by name alone. The first row of each country.
    std::optional<QHash<int, std::size_t>> byTerritory_;
};

FileIndex::FileIndex(const std::vector<FileRate>& rates) : rates_(rates)
{
    byName_.reserve(static_cast<qsizetype>(rates.size()));
    for (std::size_t i = 0; i < rates.size(); ++i) {
        const FileRate& r = rates[i];
        if (!r.country.isEmpty() && !byName_.contains(r.country))
            byName_.insert(r.country, i);
        if (!r.currencyCode.isEmpty())
            byCode_[r.currencyCode].push_back(i);
    }
}

std::optional<std::size_t> FileIndex::byName(const QString& country) const
{
    const auto it = byName_.constFind(country);
    return it == byName_.cend() ? std::nullopt : std::optional<std::size_t>(*it);
}

const std::vector<std::size_t>* FileIndex::byCode(const QString& code) const
{
    const auto it = byCode_.constFind(code);
    return it == byCode_.cend() ? nullptr : &*it;
}

std::optional<std::size_t> FileIndex::firstRowOf(QLocale::Territory territory)
{
    if (!byTerritory_) {
        byTerritory_.emplace();
        for (std::size_t i = 0; i < rates_.size(); ++i) {
            const FileRate& r = rates_[i];
            QLocale::Territory t = QLocale::AnyTerritory;
            if (!r.territoryCode.isEmpty())
                t = QLocale::codeToTerritory(r.territoryCode);
            if (t == QLocale::AnyTerritory && !r.country.isEmpty())
                t = territoryOfName(r.country);
            if (t != QLocale::AnyTerritory && !byTerritory_->contains(int(t)))
                byTerritory_->insert(int(t), i);
        }
    }
    const auto it = byTerritory_->constFind(int(territory));
    return it == byTerritory_->cend() ? std::nullopt : std::optional<std::size_t>(*it);
}

struct Match {
    std::size_t row;
    MatchKind kind;
};

// The file row for a table country: its own name first, then its currency.
std::optional<Match> matchRow(FileIndex& index, const std::vector<FileRate>& rates, const QString& country)
{
    if (const std::optional<std::size_t> named = index.byName(country))
        return Match{*named, MatchKind::Name};
    const QLocale::Territory territory = territoryOfName(country);
    if (territory == QLocale::AnyTerritory)
        return std::nullopt;
    // The file row of the country's currency, that country's own row first.
    const std::optional<std::size_t> own = index.firstRowOf(territory);
    for (const QString& code : currenciesOfTerritory(territory)) {
        const std::vector<std::size_t>* users = index.byCode(code);
        if (!users)
            continue;
        return Match{own && rates[*own].currencyCode == code ? *own : users->front(), MatchKind::Currency};
    }
    // The locale data may not know the currency the file uses now.
    if (own)
        return Match{*own, MatchKind::Country};
    return std::nullopt;
}

// The change a matched file row makes to a table row, if any.
std::optional<RateChange> updateOf(const RateRow& row, const FileRate& r, MatchKind kind)
{
    // The pivot's rate is 1 by definition: no file changes it.
    if (row.country == PivotCountry)
        return std::nullopt;
    const bool newerDate = r.date.isValid() && (!row.updated.isValid() || r.date > row.updated);
    if (r.rate == row.rate && !newerDate)
        return std::nullopt;
    RateChange change;
    change.country = row.country;
    change.unit = row.unit;
    change.currentRate = row.rate;
    change.currentDate = row.updated;
    change.newRate = r.rate;
    change.newDate = r.date;
    change.match = kind;
    change.fileCountry = r.country;
    change.currencyCode = r.currencyCode;
    // A file older than the rate it would replace (last year's download
    // picked by mistake) is offered, but not ticked: stale rates must not
    // slip in unseen.
    change.ticked = !(r.date.isValid() && row.updated.isValid() && r.date < row.updated);
    return change;
}

// The file rows no table row took, offered as new countries (unticked).
void addNewRows(const std::vector<FileRate>& rates, const std::vector<bool>& taken, ImportPlan& plan)
{
    for (std::size_t i = 0; i < rates.size(); ++i) {
        const FileRate& r = rates[i];
        // The pound is the pivot's currency: its rate is 1 by definition. An
        // export's own row of the pivot comes in where the table lacks it.
        if (taken[i] || (isPound(r) && r.country != PivotCountry))
            continue;
        if (characterCount(r.country) > CountryMaxLength) {
            plan.skipped.append(
                QCoreApplication::translate("RateFiles", "Line %1: the country name %2 is longer than %3 characters.")
                    .arg(QString::number(r.line), data::quoted(cutToCharacters(r.country, CountryMaxLength) + u"..."_s),
                         QString::number(CountryMaxLength)));
            continue;
        }
        RateChange change;
        change.country = r.country;
        change.unit = cutToCharacters(r.unit, UnitMaxLength);
        change.newRate = r.rate;
        change.newDate = r.date;
        change.match = MatchKind::New;
        change.fileCountry = r.country;
        change.currencyCode = r.currencyCode;
        change.ticked = false;
        change.buyMargin = r.buyMargin;
        change.sellMargin = r.sellMargin;
        change.smallestNote = r.smallestNote;
        plan.changes.push_back(std::move(change));
    }
}

} // namespace

std::optional<double> RateChange::changePercent() const
{
    if (isNew() || !(currentRate > 0.0))
        return std::nullopt;
    return (newRate - currentRate) / currentRate * 100.0;
}

bool RateChange::bigChange() const
{
    const std::optional<double> p = changePercent();
    return p && std::abs(*p) > 25.0;
}

ImportPlan planImport(const RateFile& file, const std::vector<RateRow>& table)
{
    const std::vector<FileRate>& rates = file.rates;
    FileIndex index(rates);
    ImportPlan plan;
    std::vector<bool> taken(rates.size(), false);
    for (const RateRow& row : table) {
        const std::optional<Match> match = matchRow(index, rates, row.country);
        if (!match)
            continue;
        taken[match->row] = true;
        if (std::optional<RateChange> change = updateOf(row, rates[match->row], match->kind))
            plan.changes.push_back(std::move(*change));
    }
    addNewRows(rates, taken, plan);
    return plan;
}

std::vector<RateWrite> ratesToWrite(const std::vector<RateChange>& changes)
{
    std::vector<RateWrite> writes;
    for (const RateChange& c : changes) {
        if (!c.ticked)
            continue;
        RateWrite write{c.country, c.unit, c.newRate, c.newDate, c.isNew()};
        // A file may name a currency by something other than its code.
        write.code = data::isCurrencyCode(c.currencyCode) ? c.currencyCode : QString();
        if (c.isNew()) {
            write.buyMargin = c.buyMargin;
            write.sellMargin = c.sellMargin;
            write.smallestNote = c.smallestNote;
        }
        writes.push_back(std::move(write));
    }
    return writes;
}

} // namespace ratefiles
