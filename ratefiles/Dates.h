#pragma once

// Days as rate files write them.

#include <QDate>
#include <QString>

namespace ratefiles {

// Dates as the sources write them: 01/01/2020, 1/1/2020, 01/Jan/2020,
// 01-Jan-2020, 29 April 2022, 2022-04-29, with English month names whatever the
// user's language. Read by hand: Qt's date parser looks up the time zone on
// every call, which a 10,000-row file feels.
// A null date when written is none of these.
QDate readDate(const QString& written);

} // namespace ratefiles
