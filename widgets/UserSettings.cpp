#include "widgets/UserSettings.h"

using namespace Qt::StringLiterals;

namespace widgets {

UserSettings::UserSettings(const QString& group)
    : QSettings(QSettings::IniFormat, QSettings::UserScope, u"Tallyvane"_s, u"Tallyvane"_s)
{
    beginGroup(group);
}

} // namespace widgets
