#include "ratefiles/RateImportPlan.h"
#include "ratefiles/RateImportNames.h"

#include "data/Fields.h"
#include "data/TextLimits.h"

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
    QHash<QString, std::size_t> byName;
    QHash<QString, std::vector<std::size_t>> byCode;
    byName.reserve(static_cast<qsizetype>(rates.size()));
    for (std::size_t i = 0; i < rates.size(); ++i) {
        const FileRate& r = rates[i];
        if (!r.country.isEmpty() && !byName.contains(r.country))
            byName.insert(r.country, i);
        if (!r.currencyCode.isEmpty())
            byCode[r.currencyCode].push_back(i);
    }
    // The countries of the file's rows, worked out only when a table row needs
    // them: most tables match by name alone. The first row of each country.
    std::optional<QHash<int, std::size_t>> byTerritory;
    const auto firstRowOf = [&](QLocale::Territory territory) -> std::optional<std::size_t> {
        if (!byTerritory) {
            byTerritory.emplace();
            for (std::size_t i = 0; i < rates.size(); ++i) {
                const FileRate& r = rates[i];
                QLocale::Territory t = QLocale::AnyTerritory;
                if (!r.territoryCode.isEmpty())
                    t = QLocale::codeToTerritory(r.territoryCode);
                if (t == QLocale::AnyTerritory && !r.country.isEmpty())
                    t = territoryOfName(r.country);
                if (t != QLocale::AnyTerritory && !byTerritory->contains(int(t)))
                    byTerritory->insert(int(t), i);
            }
        }
        const auto it = byTerritory->constFind(int(territory));
        return it == byTerritory->cend() ? std::nullopt : std::optional<std::size_t>(*it);
    };

    ImportPlan plan;
    std::vector<bool> taken(rates.size(), false);
    for (const RateRow& row : table) {
        std::optional<std::size_t> match;
        MatchKind kind = MatchKind::Name;
        if (const auto it = byName.constFind(row.country); it != byName.cend()) {
            match = *it;
        } else if (const QLocale::Territory territory = territoryOfName(row.country);
                   territory != QLocale::AnyTerritory) {
            // The file row of the country's currency, that country's own row first.
            const std::optional<std::size_t> own = firstRowOf(territory);
            for (const QString& code : currenciesOfTerritory(territory)) {
                const auto users = byCode.constFind(code);
                if (users == byCode.cend())
                    continue;
                kind = MatchKind::Currency;
                match = own && rates[*own].currencyCode == code ? *own : users->front();
                break;
            }
            // The locale data may not know the currency the file uses now.
            if (!match && own) {
                kind = MatchKind::Country;
                match = own;
            }
        }
        if (!match)
            continue;
        taken[*match] = true;
        // The pivot's rate is 1 by definition: no file changes it.
        if (row.country == PivotCountry)
            continue;
        const FileRate& r = rates[*match];
        const bool newerDate = r.date.isValid() && (!row.updated.isValid() || r.date > row.updated);
        if (r.rate == row.rate && !newerDate)
            continue;
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
        plan.changes.push_back(std::move(change));
    }

    for (std::size_t i = 0; i < rates.size(); ++i) {
        const FileRate& r = rates[i];
        // The pound is the pivot's currency: its rate is 1 by definition.
        if (taken[i] || isPound(r))
            continue;
        if (characterCount(r.country) > CountryMaxLength) {
            plan.skipped.append(
                QCoreApplication::translate("RateFiles", "Line %1: the country name '%2' is longer than %3 characters.")
                    .arg(QString::number(r.line), cutToCharacters(r.country, CountryMaxLength) + u"..."_s,
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
        plan.changes.push_back(std::move(change));
    }
    return plan;
}

std::vector<RateWrite> ratesToWrite(const std::vector<RateChange>& changes)
{
    std::vector<RateWrite> writes;
    for (const RateChange& c : changes) {
        if (c.ticked)
            writes.push_back(RateWrite{c.country, c.unit, c.newRate, c.newDate, c.isNew()});
    }
    return writes;
}

} // namespace ratefiles
