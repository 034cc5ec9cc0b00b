#pragma once

// The rates as the windows know them: one object for the whole program, which
// reads and writes the table through the store and announces every change.
//
// Each call finds its row itself, so nothing depends on where another call or
// window left the store's cursor, and no call leaves a change pending. Each
// write is committed, and durable, before it returns; a failure is the store's
// DbError and leaves the table as it was. ratesChanged() follows every write
// that succeeded, once, and never one that failed: whatever shows rates
// refreshes from it.

#include "data/RateRow.h"

#include <QObject>
#include <QStringList>

#include <optional>
#include <utility>
#include <vector>

namespace data {

class Rates : public QObject {
    Q_OBJECT

public:
    // Works on the connection and record set start-up opens (cnRates, rsRates).
    static Rates& instance();

    // Whether the table is open; while it is not, every call below throws
    // Err::ObjectClosed.
    bool isOpen() const;

    // The first row of country, compared exactly (case and blanks count);
    // none when the table holds no such row. rateText is the rate as the table
    // holds it (a number in its shortest form, or text another tool stored)
    // and rate its value (0 when that text is not a number); the date is null
    // when none was kept; a file of an older layout gives no code, no margins
    // and no smallest note. A row without a unit or a rate cannot be read:
    // Err::InvalidUseOfNull.
    std::optional<RateRow> findRate(const QString& country) const;
    bool hasCountry(const QString& country) const;
    // Appends every country in table order. Throws DbError; the names read
    // before a failure stay in names.
    void appendCountries(QStringList& names) const;
    // Every row in table order, as readAllRates reads them.
    std::vector<RateRow> allRates() const;

    // Appends row. The rate is read from rateText when it is given, as typed,
    // and refused as the field refuses it (Err::MultipleStep); otherwise it is
    // rate itself. A null date is stored as none. The code, margins and
    // smallest note are refused as their fields refuse them.
    void addRate(const RateRow& row);
    // Gives the first row of country row's country, unit, rate, date, code,
    // margins and smallest note, as addRate reads them. False, having written nothing, when the table holds
    // no row of country.
    bool replaceRate(const QString& country, const RateRow& row);
    // Deletes the first row of country; false when there is none.
    bool deleteRate(const QString& country);
    // Many writes at once, all or none, as applyRateWrites makes them.
    void applyWrites(const std::vector<RateWrite>& writes);
    // The whole table and the named settings at once, as replaceAllRates
    // writes them; ratesChanged() follows.
    void replaceAll(const std::vector<RateRow>& rows, const std::vector<std::pair<QString, QString>>& settings);

    // The till's settings, kept in the rates file (data/TillSettings.h). The
    // least commission of a deal, in pounds; 0 when none is set.
    Money minimumCommission() const;
    void setMinimumCommission(Money amount);
    // Any setting by name, as exact text; none when the file holds none.
    std::optional<QString> setting(QStringView name) const;
    void setSetting(QStringView name, const QString& value);

Q_SIGNALS:
    void ratesChanged();

private:
    Rates() = default;
};

} // namespace data
