#pragma once

#include <QString>

// Links handed to the desktop's default web browser or mail client.
namespace info {

// The program's fixed links. The mail link serves both Help > E-Mail and the
// About box's address label, so the two can never drift apart.
extern const QString SupportAddress;      // shown by the About box
extern const QString LinkMakerSite;       // Help > Visit Fernwick
extern const QString LinkCommunity;       // Help > Visit Community
extern const QString LinkSupportMail;     // "mailto:" + SupportAddress
extern const QString LinkRevenueRates;    // Help > Exchange Rates > Inland Revenue (UK)
extern const QString RatesSiteDomain;     // the public rates site
extern const QString LinkRatesSiteRates;  // Help > Exchange Rates > that site

// Caption of the Help > Exchange Rates item for the public rates site: its
// domain name, access key on the first letter.
QString ratesSiteMenuCaption();

// Hands target to the desktop; the outcome is neither tested nor reported.
// The desktop places the handler's window itself, so no owner window and no
// show command are passed.
void OpenLink(const QString& target);

} // namespace info
