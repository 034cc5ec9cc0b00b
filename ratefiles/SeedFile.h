#pragma once

// The seed file the build makes the shipped rates file from.

#include "data/RateRow.h"

#include <QString>

#include <vector>

namespace ratefiles {

// Reads the seed file: UTF-8 CSV with the header of the first layout,
// Country,Monetery Unit,Exchange Rate (ExportHeader.h), optionally followed by
// Code, the currency's ISO 4217 code or nothing; fields may be quoted
// with "..." ("" for a quote). Throws DbError naming the line on a malformed
// line.
std::vector<data::RateRow> readSeedCsv(const QString& path);

} // namespace ratefiles
