#include "ui/UserSettings.h"

using namespace Qt::StringLiterals;

namespace ui {

UserSettings::UserSettings(const QString& group)
    : QSettings(QSettings::IniFormat, QSettings::UserScope, u"Tallyvane"_s, u"Tallyvane"_s)
{
    beginGroup(group);
}

} // namespace ui
