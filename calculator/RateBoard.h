#pragma once

// What the rate board shows, without widgets: a line per country with the
// bureau's buying and selling rates, the commission line above them and the
// day of the oldest rate below. The rates are the deal's rates of Pricing.h
// (buyingRate, sellingRate), so the board and a deal never disagree.

#include "data/Money.h"
#include "data/RateRow.h"

#include <QDate>
#include <QString>

#include <vector>

namespace calculator {

struct BoardLine {
    QString country;
    QString currency;  // the unit, and its code where the row has one
    QString weBuy;     // 6 significant digits; empty when the row's rate is no number above 0
    QString weSell;
    QDate updated;     // the day of the rate shown; null when unknown or none is shown

    bool operator==(const BoardLine&) const = default;
};

// Every row but the pivot's ("Britain", compared exactly), sorted as the
// country lists are.
std::vector<BoardLine> boardLines(const std::vector<data::RateRow>& rows);

// The day of the oldest rate among lines; null when none has a day.
QDate oldestDay(const std::vector<BoardLine>& lines);

// "Commission 2.5 %, minimum £3.00": the percentage as the main window's
// commission box holds it, in its shortest form, and the minimum when there is
// one. Empty when the box holds no number: the board claims no commission it
// cannot state.
QString commissionLine(const QString& percentText, data::Money minimum);

// "Oldest rate: 1 July 2021"; empty for a null day.
QString oldestRateLine(const QDate& day);

} // namespace calculator
