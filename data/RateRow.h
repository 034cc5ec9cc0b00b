#pragma once

// A row of the rates table and a write of one, as plain values: what the
// store reads and writes in bulk, and what the rate files read, plan and
// export, without the store itself.

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
};

struct RateWrite {
    QString country;
    QString unit;
    double rate = 0.0;
    QDate updated = {};  // null: the date is unknown (stored as NULL)
    bool isNew = false;
};

} // namespace data
