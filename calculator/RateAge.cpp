#include "calculator/RateAge.h"

#include "data/Fields.h"

#include <QCoreApplication>
#include <QLocale>

using namespace Qt::StringLiterals;

namespace calculator {

namespace {

// "1 Dec 2026" in the user's language.
QString shortDate(const QDate& date)
{
    return QLocale().toString(date, u"d MMM yyyy"_s);
}

} // namespace

RateAge rateAge(const QDate& updated, const QDate& today, int oldAfterDays)
{
    if (!updated.isValid())
        return RateAge::Undated;
    if (oldAfterDays <= 0)
        return RateAge::Current;
    return updated.daysTo(today) > oldAfterDays ? RateAge::Old : RateAge::Current;
}

bool markedOld(const QDate& updated, const QDate& today, int oldAfterDays)
{
    return oldAfterDays > 0 && rateAge(updated, today, oldAfterDays) != RateAge::Current;
}

QString rateDateLine(const QDate& updated, const QDate& today, int oldAfterDays, bool rateShown)
{
    if (!rateShown)
        return {};
    const bool old = markedOld(updated, today, oldAfterDays);
    if (!updated.isValid())
        return old ? QCoreApplication::translate("RateAge", "Rate of no known date: old")
                   : QCoreApplication::translate("RateAge", "Rate of no known date");
    //: %1 is the rate's date, as "1 Dec 2026".
    return old ? QCoreApplication::translate("RateAge", "Rate of %1: old").arg(shortDate(updated))
               : QCoreApplication::translate("RateAge", "Rate of %1").arg(shortDate(updated));
}

QString rateTooOld(const QString& country, const QDate& updated, const QDate& today, const RateAgeRule& rule)
{
    // The pound's rate is 1 by definition: it cannot grow old.
    if (!rule.refuseOldRates || country == data::PivotCountry || !markedOld(updated, today, rule.oldAfterDays))
        return {};
    if (!updated.isValid())
        //: %1 is a country.
        return QCoreApplication::translate("RateAge",
                                           "The rate of %1 has no date, so it cannot be shown to be current. "
                                           "Update the rates before recording this deal.")
            .arg(country);
    //: %1 is a country, %2 the rate's date; %n the days after which rates are old.
    return QCoreApplication::translate("RateAge",
                                       "The rate of %1 is of %2, older than %n days. Update the rates before "
                                       "recording this deal.",
                                       nullptr, rule.oldAfterDays)
        .arg(country, shortDate(updated));
}

} // namespace calculator
