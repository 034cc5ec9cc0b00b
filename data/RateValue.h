#pragma once

// What a number must be to stand as a rate, shared by the store's check on
// every write and by the reading of rate files: finite, above 0 and normal. A
// subnormal keeps only a few of its digits and its reciprocal is infinite, so
// no conversion through it means anything.

#include <QStringView>

namespace data {

enum class RateFault { None, NotFinite, NotAboveZero, TooSmall };

// written is the text the value was read from, if any: a number written
// non-zero that read as 0 is too small rather than 0.
RateFault rateFault(double value, QStringView written = {});

} // namespace data
