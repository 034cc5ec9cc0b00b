#include "feed/Publishers.h"

using namespace Qt::StringLiterals;

namespace feed {

QUrl ukMonthlyUrl(int year, int month, const QString& pattern)
{
    if (month < 1 || month > 12 || year < 1)
        return {};
    QString address = pattern;
    address.replace(u"{year}"_s, QString::number(year)).replace(u"{month}"_s, QString::number(month));
    return QUrl(address, QUrl::StrictMode);
}

QUrl ecbDailyUrl(const QString& address)
{
    return QUrl(address, QUrl::StrictMode);
}

} // namespace feed
