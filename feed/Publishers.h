#pragma once

// Where the publishers put their rate files. The addresses are defaults: a
// bureau may set others, so each builder takes the address as a parameter.

#include <QString>
#include <QUrl>

namespace feed {

// The UK tax authority's rates for one month; {year} and {month} stand for the
// year and the month's number, the month not zero-padded (2024-3).
inline constexpr char16_t DefaultUkMonthlyUrl[] =
    u"https://www.trade-tariff.service.gov.uk/api/v2/exchange_rates/files/monthly_xml_{year}-{month}.xml";
// The European Central Bank's reference rates of the last working day.
inline constexpr char16_t DefaultEcbDailyUrl[] = u"https://www.ecb.europa.eu/stats/eurofxref/eurofxref-daily.xml";

// The address of one month's file; an invalid URL for a month outside 1 to 12.
QUrl ukMonthlyUrl(int year, int month, const QString& pattern = QString::fromUtf16(DefaultUkMonthlyUrl));
QUrl ecbDailyUrl(const QString& address = QString::fromUtf16(DefaultEcbDailyUrl));

} // namespace feed
