#pragma once

#include <QSettings>

namespace widgets {

// The per-user settings store (INI, user scope, "Tallyvane"), opened on group.
class UserSettings : public QSettings {
public:
    explicit UserSettings(const QString& group);
};

} // namespace widgets
