#include "app/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

#include <memory>
#include <vector>

using namespace Qt::StringLiterals;

namespace app {

namespace {

std::vector<QPointer<QTranslator>>& installed()
{
    static std::vector<QPointer<QTranslator>> translators;
    return translators;
}

void removeInstalled()
{
    for (const QPointer<QTranslator>& translator : installed())
        delete translator.data();  // a deleted translator removes itself from the application
    installed().clear();
}

// Installed last, searched first: the language's own words win, and the
// English plural forms fill what it lacks. Returns the file, or an empty
// string when there was none to load or it held nothing.
QString install(std::unique_ptr<QTranslator> translator, bool loaded)
{
    if (!loaded || !QCoreApplication::installTranslator(translator.get()))
        return {};
    const QString file = translator->filePath();
    installed().emplace_back(translator.release());
    return file;
}

std::unique_ptr<QTranslator> newTranslator()
{
    return std::make_unique<QTranslator>(QCoreApplication::instance());
}

} // namespace

QStringList translationFolders()
{
    const QDir program(QCoreApplication::applicationDirPath());
    return {program.filePath(u"translations"_s),
            QDir::cleanPath(program.filePath(u"../../share/tallyvane/translations"_s))};
}

QStringList loadTranslations(const QStringList& languages, const QStringList& folders)
{
    removeInstalled();
    if (!QCoreApplication::instance())
        return {};

    QStringList loaded;
    auto plurals = newTranslator();
    const bool pluralsRead = plurals->load(u":/translations/tallyvane_en.qm"_s);
    if (const QString file = install(std::move(plurals), pluralsRead); !file.isEmpty())
        loaded << file;

    // In the desktop's order, the first language the program speaks wins;
    // English, the sources' own, is one, so a desktop preferring English to
    // German stays English.
    for (const QString& name : languages) {
        const QLocale language(name);
        if (language.language() == QLocale::English || language.language() == QLocale::C)
            break;
        for (const QString& folder : folders) {
            auto own = newTranslator();
            const bool read = own->load(language, u"tallyvane"_s, u"_"_s, folder);
            const QLocale translated(own->language());
            const QString file = install(std::move(own), read);
            if (file.isEmpty())
                continue;
            loaded << file;
            // Qt's own words (standard buttons, file dialogs) in the same language.
            auto qt = newTranslator();
            const bool qtRead = qt->load(translated, u"qtbase"_s, u"_"_s,
                                         QLibraryInfo::path(QLibraryInfo::TranslationsPath));
            if (const QString qtFile = install(std::move(qt), qtRead); !qtFile.isEmpty())
                loaded << qtFile;
            return loaded;
        }
    }
    return loaded;
}

} // namespace app
