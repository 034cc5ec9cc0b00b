#pragma once

#include "data/Fields.h"

#include <QString>

// The conversion core: six texts in, display texts or a failure out. It knows
// nothing of windows; the main window reads its boxes into ExchangeInputs and
// writes what comes back. Texts are read and written in the user's number
// form (data/NumberForm.h). A deal with margins, a minimum commission or a
// smallest note is priced by the same arithmetic (Pricing.h).
namespace calculator {

using data::PivotCountry;

struct ExchangeInputs {
    QString sourceCountry;  // selected entry of the Convert From list, empty if none
    QString targetCountry;  // selected entry of the Convert To list, empty if none
    QString sourceRate;
    QString targetRate;
    QString amount;
    QString commission;     // percent

    bool operator==(const ExchangeInputs&) const = default;
};

enum class ExchangeInput { None, Amount, SourceRate, TargetRate, Commission };

// The first failing step ends the calculation; nothing is shown from it.
// Every operation's result is tested (not the floating-point status flags).
enum class ExchangeFailure {
    None,
    NotANumber,        // `input` does not read as a number
    DivisionByZero,    // the source rate is 0 and the amount is not (input SourceRate)
    InvalidOperation,  // 0 / 0 (input SourceRate), or a result that is not a number (None)
    Overflow,          // `input` is beyond a double, or a result is (input None)
};

struct ExchangeResult {
    enum class Kind { SameCountry, Converted, Failed };
    Kind kind = Kind::Failed;
    // SameCountry: only `exchange` is set. Converted: all three, and the two
    // of what the till pays when the target currency has a smallest note
    // (Pricing.h); empty otherwise.
    QString exchange;
    QString commission;
    QString total;
    bool minimumApplied = false;  // the commission is the minimum
    QString paidOut;
    QString paidInPounds;
    // Failed: why, and which input when one is to blame.
    ExchangeFailure failure = ExchangeFailure::None;
    ExchangeInput input = ExchangeInput::None;
};

// Countries are compared exactly (case and blanks count). The same country on
// both sides (both empty included) only formats the amount text, reading nothing
// else. Otherwise each text is read when its step needs it, in this order: from
// the pivot, target rate then amount (E = A * Rto); to the pivot, amount then
// source rate (E = A / Rfrom); between two others, amount, source rate, the
// division into pounds, then target rate (E = Rto * (A / Rfrom)). The pivot's own
// rate box is never read. E is rounded to the hundredth, half away from zero;
// then the commission K: C = K * (E / 100), rounded so too, and T = E - C
// exactly, so the three figures add up.
ExchangeResult computeExchange(const ExchangeInputs& in);

// A sentence for the user about a failed result, e.g. "The amount is not a number.";
// empty for a result that did not fail.
QString failureMessage(const ExchangeResult& result);

} // namespace calculator
