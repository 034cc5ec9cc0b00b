#pragma once

// Internal to the readers of the central bank's files, which give rates per
// euro: one day's rates, turned into units per pound through the pound's own
// rate; the euro itself is 1 / that rate.

#include "ratefiles/RateFile.h"

#include <QDate>
#include <QString>

#include <optional>
#include <vector>

namespace ratefiles {

struct EuroDay {
    QDate date;
    qint64 line = 0;
    std::vector<FileRate> rates;  // rate still per euro
};

// The day's rates in units per pound, named by their currencies; FileFault
// when the day has no pound or a rate cannot be turned.
std::vector<FileRate> perPound(EuroDay day);

void addEuroRate(EuroDay& day, const QString& code, double rate, qint64 line);

// A file of many days (a history): the latest day with rates counts, the first
// of equal days. day is checked for twin currencies, then kept or dropped.
void keepLatest(std::optional<EuroDay>& latest, std::optional<EuroDay>& day);

// Three capital letters.
bool isCurrencyCode(const QString& text);

} // namespace ratefiles
