#pragma once

// A row of the rates table and a write of one, as plain values: what the
// store reads and writes in bulk, and what the rate files read, plan and
// export, without the store itself.

#include "data/Money.h"

#include <QDate>
#include <QString>

namespace data {

struct RateRow {
    QString country;
    QString unit;
    double rate = 0.0;
    QDate updated = {};  // the day the rate was set; null when unknown
    // The rate as text, where it comes as text: as the table holds it, read
    // by data::Rates (text another tool stored there is no number, yet shown
    // as it stands), or as typed, given to one of its writes. Empty otherwise.
    QString rateText = {};
    // What the bureau sets beside the rate (layout 3): the currency's ISO 4217
    // code ("" when unknown), the percent of value a customer gives up when
    // the bureau buys the currency and when it sells it, and the smallest
    // amount of it the till pays out (0: any).
    QString code = {};
    double buyMargin = 0.0;
    double sellMargin = 0.0;
    Money smallestNote = {};
};

struct RateWrite {
    QString country;
    QString unit;
    double rate = 0.0;
    QDate updated = {};  // null: the date is unknown (stored as NULL)
    bool isNew = false;
    // The currency's code: a new row's, or an existing row's where that row
    // has none yet (a code set by hand stays). "" for none.
    QString code = {};
    // A new row's; an existing row keeps its own.
    double buyMargin = 0.0;
    double sellMargin = 0.0;
    Money smallestNote = {};
};

} // namespace data
