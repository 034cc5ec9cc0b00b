#pragma once

// What an import would change: the file's rates matched to the table's rows
// (see RateFile.h, step 2), and the writes for the changes the user ticked.

#include "data/RateRow.h"
#include "ratefiles/RateFile.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace ratefiles {

enum class MatchKind {
    Name,      // the same country name
    Currency,  // the table country's currency code is the file row's
    Country,   // another name of the same country (its currency is not in the file)
    New,       // no table row: a country to add
};

struct RateChange {
    QString country;       // the table's name; the file's for a new row
    QString unit;          // the table's unit; the file's for a new row
    double currentRate = 0.0;  // 0 for a new row
    QDate currentDate;
    double newRate = 0.0;
    QDate newDate;
    MatchKind match = MatchKind::Name;
    QString fileCountry;   // the file row's country, when it has one
    QString currencyCode;  // the file row's currency code, when it has one
    bool ticked = false;
    // A new row's margins and smallest note, as the program's own export gives them.
    double buyMargin = 0.0;
    double sellMargin = 0.0;
    data::Money smallestNote = {};

    bool isNew() const { return match == MatchKind::New; }
    // (new - current) / current in percent; none for a new row.
    std::optional<double> changePercent() const;
    // More than 25 % either way: worth a second look.
    bool bigChange() const;
};

struct ImportPlan {
    std::vector<RateChange> changes;  // updates in table order, then new rows in file order
    QStringList skipped;              // file rows left out, with the reason
    bool empty() const { return changes.empty(); }
};

ImportPlan planImport(const RateFile& file, const std::vector<data::RateRow>& table);

// What the store writes (applyRateWrites) for the ticked changes: the rate
// and its date, and the file's currency code where the row has none yet; a
// new row with the file's margins and smallest note too.
std::vector<data::RateWrite> ratesToWrite(const std::vector<RateChange>& changes);

} // namespace ratefiles
