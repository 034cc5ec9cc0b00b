#pragma once

// Creating a rates file: used by the build to seed Exchange.db and by tests to
// make real database files. The program itself never creates the file.

#include <QDate>
#include <QString>

#include <vector>

namespace MOD_Data {

struct RateRow {
    QString country;
    QString unit;
    double rate = 0.0;
    QDate updated;  // when the rate was last set; null when unknown
};

// Creates a new SQLCipher file keyed with the database password, with the table
// tblExchanges and its constraints (Country unique, exact, 1..50 characters; unit
// at most 25; rate a finite number above 0), holding rows in the given order.
// Throws DbError; never overwrites an existing file.
void createRatesFile(const QString& path, const std::vector<RateRow>& rows);

// Reads the seed file: UTF-8 CSV with the header Country,Monetery Unit,Exchange Rate;
// fields may be quoted with "..." ("" for a quote). Throws DbError naming the line on
// a malformed line.
std::vector<RateRow> readSeedCsv(const QString& path);

} // namespace MOD_Data
