#pragma once

// How old a rate is, judged against the till's limit (RateSourceSettings:
// "Rates are old after (days):"). Widget-free: the main window shows what
// this says, and the command that records a deal asks rateTooOld.
//
// The limit and the switch are the user's settings (maintenance/RateSourceSettings.h);
// currentRateAgeRule (RateDateLine.h) reads them.
//
// A rate is old once more whole days than the limit have passed since its
// date: with a limit of 31, a rate 31 days old is current and one 32 days old
// is old. A limit of 0 means rates never grow old. A rate without a date
// cannot be shown to be current, so while a limit is set it counts as old.

#include <QDate>
#include <QString>

namespace calculator {

enum class RateAge { Current, Old, Undated };

struct RateAgeRule {
    int oldAfterDays = 0;         // 0: never old
    bool refuseOldRates = false;  // refuse to record a deal on an old rate
};

RateAge rateAge(const QDate& updated, const QDate& today, int oldAfterDays);
// Whether the window marks it old: an old rate, or an undated one while a limit is set.
bool markedOld(const QDate& updated, const QDate& today, int oldAfterDays);

// The line under a rate box: "Rate of 1 Dec 2026", with ": old" when marked
// old; empty while no rate is shown.
QString rateDateLine(const QDate& updated, const QDate& today, int oldAfterDays, bool rateShown = true);

// Why a deal may not be recorded on this rate; empty when it may (the rule
// does not refuse, or the rate is not marked old; the pivot's rate, 1 by
// definition, never is). country names the side.
QString rateTooOld(const QString& country, const QDate& updated, const QDate& today, const RateAgeRule& rule);

} // namespace calculator
