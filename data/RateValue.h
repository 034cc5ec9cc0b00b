#pragma once

// What a value must be to stand in the table, shared by the store's check on
// every write (Refusal.h) and the reading of rate files. A rate is finite,
// above 0 and normal: a subnormal keeps only a few of its digits and its
// reciprocal is infinite, so no conversion through it means anything.

#include <QStringView>

namespace data {

enum class RateFault { None, NotFinite, NotAboveZero, TooSmall };

// written is the text the value was read from, if any: a number written
// non-zero that read as 0 is too small rather than 0.
RateFault rateFault(double value, QStringView written = {});

// Three capital letters A to Z, as an ISO 4217 code is written.
bool isCurrencyCode(QStringView text);


} // namespace data
