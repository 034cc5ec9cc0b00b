#include "calculator/RateBoard.h"

#include "calculator/Pricing.h"
#include "data/Fields.h"
#include "data/NumberText.h"
#include "widgets/CountryList.h"
#include "widgets/RateFileWords.h"

#include <QCoreApplication>
#include <QHash>

#include <cmath>

namespace calculator {

namespace {

// A rate as the board shows it: the deal's rate texts, in one place.
QString boardRateText(double rate)
{
    return rate > 0.0 && std::isfinite(rate) ? dealRateText(rate) : QString();
}

QString currencyText(const data::RateRow& row)
{
    if (row.code.isEmpty())
        return row.unit;
    //: A currency on the rate board: its unit, then its ISO code ("Euro (EUR)").
    return QCoreApplication::translate("RateBoard", "%1 (%2)").arg(row.unit, row.code);
}

BoardLine lineOf(const data::RateRow& row)
{
    BoardLine line{.country = row.country, .currency = currencyText(row), .weBuy = {}, .weSell = {}, .updated = {}};
    // The rate as the rate box shows it, which is what a deal is priced from.
    const double rate = data::readNumber(data::numberText(row.rate)).value;
    if (!(rate > 0.0))
        return line;  // no rate to show, so no day either
    line.weBuy = boardRateText(buyingRate(rate, row.buyMargin));
    line.weSell = boardRateText(sellingRate(rate, row.sellMargin));
    line.updated = row.updated;
    return line;
}

} // namespace

std::vector<BoardLine> boardLines(const std::vector<data::RateRow>& rows)
{
    QStringList names;
    QHash<QString, const data::RateRow*> byName;
    for (const data::RateRow& row : rows) {
        // Countries are unique; a second row of a name would be unreachable anyway.
        if (row.country == data::PivotCountry || byName.contains(row.country))
            continue;
        names << row.country;
        byName.insert(row.country, &row);
    }
    widgets::sortForPeople(names);
    std::vector<BoardLine> lines;
    lines.reserve(names.size());
    for (const QString& name : names)
        lines.push_back(lineOf(*byName.value(name)));
    return lines;
}

QDate oldestDay(const std::vector<BoardLine>& lines)
{
    QDate oldest;
    for (const BoardLine& line : lines) {
        if (line.updated.isValid() && (!oldest.isValid() || line.updated < oldest))
            oldest = line.updated;
    }
    return oldest;
}

QString commissionLine(const QString& percentText, data::Money minimum)
{
    const data::ParsedNumber percent = data::readNumber(percentText);
    if (!percent.ok())
        return {};
    const QString shown = data::numberText(percent.value);
    if (minimum <= data::Money())
        //: The rate board's commission line; %1 is the percentage.
        return QCoreApplication::translate("RateBoard", "Commission %1 %").arg(shown);
    //: The rate board's commission line; %1 is the percentage, %2 the least commission in pounds.
    return QCoreApplication::translate("RateBoard", "Commission %1 %, minimum £%2").arg(shown, minimum.toText());
}

QString oldestRateLine(const QDate& day)
{
    if (!day.isValid())
        return {};
    //: Below the rate board: the day of the oldest rate it shows.
    return QCoreApplication::translate("RateBoard", "Oldest rate: %1").arg(widgets::dateText(day));
}

} // namespace calculator
