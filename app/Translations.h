#pragma once

// The language the windows speak: the program's own translation and Qt's (its
// standard buttons and file dialogs), for the first of the desktop's languages
// the program has, English where it has none. English is the sources' own
// language; only its plural forms ("1 rate", "2 rates") come from a translation,
// compiled into the program.

#include <QStringList>

namespace app {

// Where the program's translations are looked for, in this order: translations/
// beside the program (the build folder), then share/tallyvane/translations two
// folders above it (/usr/lib/tallyvane of the package, ~/.local/lib/tallyvane of
// a per-user install).
QStringList translationFolders();

// Removes the translators an earlier call installed, then installs the English
// plural forms, the program's translation for the first of languages (as
// QLocale::uiLanguages gives the desktop's, "de-AT", "de", ...) it has one for
// in folders, and Qt's own for that language. English met first wins over any
// later language; none at all is English too. Returns the files loaded, the
// English plural forms first.
QStringList loadTranslations(const QStringList& languages, const QStringList& folders = translationFolders());

} // namespace app
