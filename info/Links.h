#pragma once

#include <QString>

class QWidget;

// Links handed to the desktop's default web browser or mail client.
namespace MOD_Universe {

// Caption of the Help > Exchange Rates item for the public rates site: its
// domain name, access key on the first letter.
QString ratesSiteMenuCaption();

// Hands target to the desktop; the outcome is neither tested nor reported.
void OpenLink(QWidget& window, const QString& target, int showCommand);

} // namespace MOD_Universe
