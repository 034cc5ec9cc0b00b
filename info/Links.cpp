#include "info/Links.h"

#include <QDesktopServices>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace info {

const QString SupportAddress = u"support@fernwicksoftware.com"_s;
const QString LinkMakerSite = u"https://www.fernwicksoftware.com/"_s;
const QString LinkCommunity = u"https://www.freewarecommons.com/Fernwick"_s;
const QString LinkSupportMail = u"mailto:"_s + SupportAddress;
const QString LinkRevenueRates = u"https://www.hmrc.gov.uk/exrate/index.htm"_s;
const QString RatesSiteDomain = u"ratesatlas.com"_s;
const QString LinkRatesSiteRates = u"https://www."_s + RatesSiteDomain + u"/exrates.html"_s;

QString ratesSiteMenuCaption()
{
    return u'&' + RatesSiteDomain;
}


void OpenLink(const QString& target)
{
    // Whether a handler took the link is deliberately ignored; with none
    // registered the command just ends, without a message of ours.
    QDesktopServices::openUrl(QUrl(target));
}

} // namespace info
