#include "info/Links.h"

#include "calculator/frmHUD.h"

#include <QDesktopServices>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace MOD_Universe {

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

void OpenLink(QWidget& window, const QString& target, int showCommand)
{
    // The desktop has no counterpart for an owner window or a "maximised" hint:
    // the browser or mail client places its own window. Both are dropped here.
    Q_UNUSED(window);
    Q_UNUSED(showCommand);
    // Whether a handler took the link is deliberately ignored; with none
    // registered the command just ends, without a message of ours.
    QDesktopServices::openUrl(QUrl(target));
}

} // namespace MOD_Universe

// The Help menu's link commands: each opens its fixed link from the main window.

void frmHUD::mnuHelpURL_Click()
{
    MOD_Universe::OpenLink(*this, MOD_Universe::LinkMakerSite, MOD_Universe::SW_SHOWMAXIMIZED);
}

void frmHUD::mnuHelpCommunity_Click()
{
    MOD_Universe::OpenLink(*this, MOD_Universe::LinkCommunity, MOD_Universe::SW_SHOWMAXIMIZED);
}

void frmHUD::mnuHelpEMail_Click()
{
    MOD_Universe::OpenLink(*this, MOD_Universe::LinkSupportMail, MOD_Universe::SW_SHOWMAXIMIZED);
}

void frmHUD::mnuHelpRatesRevenue_Click()
{
    MOD_Universe::OpenLink(*this, MOD_Universe::LinkRevenueRates, MOD_Universe::SW_SHOWMAXIMIZED);
}

void frmHUD::mnuHelpRatesRate_Click()
{
    MOD_Universe::OpenLink(*this, MOD_Universe::LinkRatesSiteRates, MOD_Universe::SW_SHOWMAXIMIZED);
}
