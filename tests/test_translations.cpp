// The program's language: what start-up loads for the desktop's languages, days
// and counts in the language loaded, and shortcuts no translation can change.
// Loads small translations made for the tests (tests/data/translations/).

#include "AppFixture.h"
#include "app/Translations.h"
#include "widgets/RateFileWords.h"

#include <QAction>
#include <QDate>
#include <QFileInfo>
#include <QLineEdit>
#include <QLocale>
#include <QTranslator>

#include <gtest/gtest.h>

using AppFixture::ProgramTest;
using AppFixture::ctl;
using TestSupport::str;
using namespace Qt::StringLiterals;

namespace {

class TranslationTest : public ProgramTest {
protected:
    void TearDown() override
    {
        ProgramTest::TearDown();
        app::loadTranslations({});
        QLocale::setDefault(QLocale::system());
    }
};

struct Language {
    const char* name;
    std::vector<const char*> desktop;  // as QLocale::uiLanguages gives them
    std::vector<const char*> loaded;   // file names, in the order installed
    const char* yes;                   // Qt's own words
    const char* date;
    const char* rateTip;
};

class LoadedLanguage : public TranslationTest, public ::testing::WithParamInterface<Language> {};

TEST_P(LoadedLanguage, speaksTheFirstDesktopLanguageItHasAndEnglishOtherwise)
{
    const Language& lang = GetParam();
    // Whatever the machine's own locale: only the translation loaded counts.
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    QStringList desktop;
    for (const char* d : lang.desktop)
        desktop << QString::fromLatin1(d);
    std::vector<std::string> loaded;
    // A folder without them first, as the build folder is for an installed program.
    const QStringList folders{u"/nonexistent"_s, QStringLiteral(TALLYVANE_TEST_TRANSLATIONS)};
    for (const QString& file : app::loadTranslations(desktop, folders))
        loaded.push_back(str(QFileInfo(file).fileName()));
    EXPECT_EQ(loaded, std::vector<std::string>(lang.loaded.begin(), lang.loaded.end()));

    EXPECT_EQ(str(QCoreApplication::translate("QPlatformTheme", "&Yes")), lang.yes);
    EXPECT_EQ(str(widgets::dateText(QDate(2021, 7, 1))), lang.date);
    frmHUD& hud = frmHUD::instance();
    hud.setRateDate(0, QDate(2021, 7, 1));
    EXPECT_EQ(str(ctl(hud).txtExchangeRate[0]->toolTip()), lang.rateTip);
    // The test translations have no plural forms: the English ones fill the gap.
    EXPECT_EQ(str(QCoreApplication::translate("ImportExport", "%n rates imported from %1.", nullptr, 1)),
              "1 rate imported from %1.");
}

INSTANTIATE_TEST_SUITE_P(
    Desktop, LoadedLanguage,
    ::testing::Values(
        Language{"none", {}, {"tallyvane_en.qm"}, "&Yes", "1 July 2021", "Rate of 1 July 2021"},
        Language{"english", {"en-GB", "en", "de-DE"}, {"tallyvane_en.qm"}, "&Yes", "1 July 2021",
                 "Rate of 1 July 2021"},
        Language{"untranslated", {"it-IT", "it"}, {"tallyvane_en.qm"}, "&Yes", "1 July 2021", "Rate of 1 July 2021"},
        Language{"german", {"de-DE", "de"}, {"tallyvane_en.qm", "tallyvane_de.qm", "qtbase_de.qm"}, "&Ja",
                 "1. Juli 2021", "Kurs vom 1. Juli 2021"},
        Language{"germanAfterItalian", {"it-IT", "de-AT"}, {"tallyvane_en.qm", "tallyvane_de.qm", "qtbase_de.qm"},
                 "&Ja", "1. Juli 2021", "Kurs vom 1. Juli 2021"},
        Language{"polish", {"pl-PL"}, {"tallyvane_en.qm", "tallyvane_pl.qm", "qtbase_pl.qm"}, "&Tak", "1 lipca 2021",
                 "Kurs z dnia 1 lipca 2021"}),
    [](const ::testing::TestParamInfo<Language>& info) { return std::string(info.param.name); });

// Marks every text it is asked for, as a translation that changes them all.
class MarkingTranslator : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int) const override
    {
        return u'[' + QString::fromUtf8(source) + u']';
    }
};

TEST_F(TranslationTest, menuShortcutsStayWhateverTheTranslation)
{
    MarkingTranslator marking;
    QCoreApplication::installTranslator(&marking);
    frmHUD& hud = frmHUD::instance();
    const std::pair<const char*, const char*> shortcuts[] = {
        {"mnuFileAddRates", "Ctrl+A"},
        {"mnuFileEditRates", "Ctrl+E"},
        {"mnuFileDeleteRates", "Ctrl+D"},
        {"mnuFileExit", "Ctrl+X"},
    };
    for (const auto& [name, keys] : shortcuts) {
        const auto* action = hud.findChild<QAction*>(QString::fromLatin1(name));
        ASSERT_NE(action, nullptr) << name;
        EXPECT_TRUE(action->text().startsWith(u'[')) << name << " was not translated";
        EXPECT_EQ(str(action->shortcut().toString(QKeySequence::PortableText)), keys) << name;
    }
    QCoreApplication::removeTranslator(&marking);
}

} // namespace
