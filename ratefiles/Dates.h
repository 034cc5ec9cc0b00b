#pragma once

// Days as rate files write them, and as the program shows them.

#include <QDate>
#include <QString>

namespace ratefiles {

// Dates as the sources write them: 01/01/2020, 1/1/2020, 01/Jan/2020,
// 01-Jan-2020, 29 April 2022, 2022-04-29, with English month names whatever the
// user's language. Read by hand: Qt's date parser looks up the time zone on
// every call, which a 10,000-row file feels.
// A null date when written is none of these.
QDate readDate(const QString& written);

// A day as the program writes it for people, in the language of the translation
// in use: "1 July 2021" in English, whatever the system's locale; empty for a
// null date. The windows and the rate files' messages share it.
QString dateText(const QDate& date);

} // namespace ratefiles
