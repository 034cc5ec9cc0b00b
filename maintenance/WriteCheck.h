#pragma once

// Before and after a write to the rates: whether this user may make it, and
// the report when it failed.

#include <QString>

namespace maintenance {

// Whether this user may change the rates. When the file system would refuse
// the save (a read-only file, folder or disk, or a group the user is not in),
// says so in one sentence naming what to do and returns false: the rate
// commands stop before any dialog, and converting goes on as before.
bool mayChangeRates();

// Shows the save failure ("Save Error", critical icon). Never throws.
void reportSaveError(long number, const QString& description) noexcept;

} // namespace maintenance
