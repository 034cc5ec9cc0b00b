#include "widgets/Logo.h"

#include <QLabel>
#include <QPixmap>

namespace widgets {

void showLogo(QLabel& label)
{
    const bool sharp = label.devicePixelRatioF() > 1.0;
    QPixmap logo(sharp ? QStringLiteral(":/tallyvane/logo@2x.png") : QStringLiteral(":/tallyvane/logo.png"));
    logo.setDevicePixelRatio(sharp ? 2.0 : 1.0);
    label.setPixmap(logo);
}

} // namespace widgets
