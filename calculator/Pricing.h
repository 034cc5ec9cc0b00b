#pragma once

// A deal priced as a bureau prices it, without widgets: the window's six
// texts and what the till sets (margins, the smallest note it pays out, the
// minimum commission) in, the deal's rates and figures out.
//
// The bureau buys a currency at R / (1 - buy margin / 100) and sells it at
// R * (1 - sell margin / 100), R being the stored rate (units per pound) as
// the rate box shows it. A deal from X to Y uses X's buying rate and Y's
// selling rate; the pound's side uses none, and a deal between two other
// countries goes through the pound. The exchanged amount E is computed in
// doubles, as the plain conversion computes it, with the deal's rates, then
// rounded once to the hundredth, half away from zero. From there on every
// figure is exact: the commission (the larger of the percentage of the
// rounded E and the minimum, converted into the target currency at the deal's
// rate for it) rounded the same way, the total E - C, and, when the target
// currency has a smallest note and the total is above 0, what the till pays
// out in notes and the rest in pounds, rounded down to the penny. With every
// term at 0 this is exactly the plain conversion of computeExchange.

#include "calculator/Exchange.h"
#include "data/Amount.h"
#include "data/Money.h"

#include <QString>

#include <optional>

namespace calculator {

// What the till sets beyond the window's six texts. All 0: none of it.
struct DealTerms {
    double buyMargin = 0.0;           // percent, of the Convert From country
    double sellMargin = 0.0;          // percent, of the Convert To country
    data::Money smallestNote;         // of the Convert To currency; 0: any amount
    data::Money minimumCommission;    // in pounds; 0: none

    bool operator==(const DealTerms&) const = default;
};

// The bureau's rates for a stored rate and a margin in percent (0 up to, not
// including, 100).
double buyingRate(double rate, double margin);
double sellingRate(double rate, double margin);

struct DealPrice {
    ExchangeResult::Kind kind = ExchangeResult::Kind::Failed;
    // Failed: why, and which input when one is to blame.
    ExchangeFailure failure = ExchangeFailure::None;
    ExchangeInput input = ExchangeInput::None;
    // Converted: the deal's rates used, units per pound: the Convert From
    // currency's buying rate and the Convert To currency's selling rate (0 on
    // the pound's side), and the figures, in the Convert To currency but for
    // paidInPounds.
    double buyRate = 0.0;
    double sellRate = 0.0;
    data::Amount exchanged;
    data::Amount commission;
    bool minimumApplied = false;
    data::Amount total;  // exchanged - commission, exactly
    std::optional<data::Amount> paidOut;
    std::optional<data::Amount> paidInPounds;
};

// The Parts' failures are kept: a text that is not a number, a division by 0,
// an overflow, each at the step it happens, in the order the texts are read
// (computeExchange); the same country on both sides prices nothing.
DealPrice priceDeal(const ExchangeInputs& in, const DealTerms& terms);

// The texts the window shows for a price, in the user's number form: the
// figures as "#.00", and for the same country the amount text formatted so.
ExchangeResult priceTexts(const ExchangeInputs& in, const DealPrice& price);

// A deal's rate as the window shows it, in the user's number form: 6
// significant digits, no trailing zeros, never an exponent ("1.19388",
// "1.1349", "20663.3").
QString dealRateText(double rate);

} // namespace calculator
