// Every window in each shipped language, with the translations the build makes:
// each text the user reads is translated, access keys stay unique in a window
// and in a menu, and each text fits its control. Run at scale 1 and 2.

#include "AppFixture.h"
#include "app/Translations.h"
#include "data/Fields.h"
#include "info/frmAbout.h"
#include "maintenance/frmImportRates.h"
#include "maintenance/frmSettings.h"
#include "data/Rates.h"
#include "widgets/FileDialog.h"
#include "widgets/Placement.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>
#include <QTableWidget>
#include <QTemporaryFile>
#include <QTranslator>
#include <QRegularExpression>

#include <map>
#include <set>

using namespace MaintenanceFixture;
using AppFixture::choose;
using AppFixture::typeInto;
using namespace Qt::StringLiterals;

namespace {

// Where a text was seen ("frmAddExchange/cmdSave text") and what it said.
using Texts = std::map<std::string, QString>;

QString withoutAccessKey(QString text)
{
    return text.replace(u"&&"_s, u"\x01"_s).remove(u'&').replace(u'\x01', u'&');
}

// The letter after a single &, or nothing.
QChar accessKey(const QString& text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != u'&')
            continue;
        if (text[i + 1] != u'&')
            return text[i + 1].toLower();
        ++i;
    }
    return {};
}

std::string nameOf(const QObject* o)
{
    return o->objectName().isEmpty() ? std::string(o->metaObject()->className()) : str(o->objectName());
}

// A language whose every text is 40 % longer than the English: what the
// layouts must make room for.
class LongerTranslator : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int) const override
    {
        const QString text = QString::fromUtf8(source);
        if (text.isEmpty() || text.contains(u'%') || text.contains(u'<'))
            return text;  // arguments and markup stay as they are
        const qsizetype extra = (text.size() * 2 + 4) / 5;
        return text + u' ' + QString(extra, u'n');
    }
};

class LanguageTest : public MaintenanceTest, public ::testing::WithParamInterface<const char*> {
protected:
    void TearDown() override
    {
        widgets::setOpenFileNameHandler({});
        MaintenanceTest::TearDown();
        app::loadTranslations({});
    }

    // Loads a language (empty: English) from the build's translations.
    void speak(const QString& language)
    {
        translated = !language.isEmpty() && language != u"long";
        if (language == u"long") {
            app::loadTranslations({});
            QCoreApplication::installTranslator(&longer);
            return;
        }
        QCoreApplication::removeTranslator(&longer);
        const QStringList loaded = app::loadTranslations(language.isEmpty() ? QStringList() : QStringList{language},
                                                         {QStringLiteral(TALLYVANE_TRANSLATIONS)});
        if (!language.isEmpty()) {
            ASSERT_GE(loaded.size(), 2) << "no translation for " << str(language);
        }
    }

    // Records a window's texts, and checks its access keys and that every text fits.
    void look(QWidget& window, const std::string& where)
    {
        window.show();
        window.activateWindow();
        QCoreApplication::processEvents();
        const QRect screen = window.screen()->availableGeometry();
        EXPECT_LE(window.frameGeometry().width(), screen.width())
            << where << " is wider than the screen: " << window.frameGeometry().width() << " of " << screen.width();
        EXPECT_LE(window.frameGeometry().height(), screen.height()) << where << " is taller than the screen";
        note(where + " title", window.windowTitle());
        if (!window.windowFlags().testFlag(Qt::FramelessWindowHint)) {
            EXPECT_GE(window.width(), widgets::widthForTitle(window)) << where << ": the title bar shortens its title";
        }

        std::map<QChar, std::string> keys;
        auto key = [&](const QString& text, const std::string& what) {
            const QChar k = accessKey(text);
            if (k.isNull())
                return;
            const auto [it, fresh] = keys.emplace(k, what);
            EXPECT_TRUE(fresh) << where << ": " << what << " and " << it->second << " share the access key "
                               << str(QString(k));
        };
        QList<QWidget*> widgets = window.findChildren<QWidget*>();
        widgets.prepend(&window);
        for (QWidget* w : widgets) {
            const std::string what = where + "/" + nameOf(w);
            if (!w->isVisibleTo(&window))
                continue;
            if (w != &window) {
                note(what + " tip", w->toolTip());
                note(what + " accessible name", w->accessibleName());
            }
            note(what + " description", w->accessibleDescription());
            const int textWidth = [&] {
                if (auto* label = qobject_cast<QLabel*>(w); label && label->textFormat() != Qt::RichText
                    && !label->text().startsWith(u'<'))
                    return label->fontMetrics().horizontalAdvance(withoutAccessKey(label->text()));
                return 0;
            }();
            if (auto* label = qobject_cast<QLabel*>(w)) {
                // A picture drawn for the screen's scale, not enlarged.
                const QPixmap picture = label->pixmap();
                EXPECT_TRUE(picture.isNull() || picture.devicePixelRatio() >= window.devicePixelRatioF())
                    << what << " is a picture enlarged from fewer pixels";
                note(what + " text", label->text());
                key(label->text(), what);
                if (label->wordWrap()) {
                    EXPECT_GE(label->height(), label->heightForWidth(label->width())) << what << " is cut";
                } else if (textWidth > 0 && !label->text().contains(u'\n')) {
                    EXPECT_LE(textWidth, label->contentsRect().width() - 2 * label->margin())
                        << what << " \"" << str(label->text()) << "\" is cut";
                }
                // A caption beside its box keeps a gap before it.
                if (const QWidget* box = label->buddy(); box && textWidth > 0) {
                    const QRect boxRect(box->mapTo(&window, QPoint()), box->size());
                    const int textEnd = label->mapTo(&window, label->contentsRect().topLeft()).x() + textWidth;
                    if (boxRect.left() >= label->mapTo(&window, QPoint()).x() + label->width() / 2) {
                        EXPECT_GE(boxRect.left() - textEnd, 3) << what << " touches its box";
                    }
                }
            } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
                note(what + " text", button->text());
                key(button->text(), what);
                // The style's own allowance: margin and frame, or the tick box and its gap.
                QStyle* style = button->style();
                const int needed = button->fontMetrics().horizontalAdvance(withoutAccessKey(button->text()))
                    + (qobject_cast<QCheckBox*>(button)
                           ? style->pixelMetric(QStyle::PM_IndicatorWidth) + style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing)
                           : style->pixelMetric(QStyle::PM_ButtonMargin) + 2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth));
                EXPECT_LE(needed, button->width()) << what << " \"" << str(button->text()) << "\" is cut";
            } else if (auto* box = qobject_cast<QGroupBox*>(w)) {
                note(what + " title", box->title());
                key(box->title(), what);
                EXPECT_LE(box->fontMetrics().horizontalAdvance(withoutAccessKey(box->title())), box->width())
                    << what << " title is cut";
            } else if (auto* table = qobject_cast<QTableWidget*>(w)) {
                for (int c = 0; c < table->columnCount(); ++c)
                    if (const QTableWidgetItem* h = table->horizontalHeaderItem(c))
                        note(what + " column " + std::to_string(c), h->text());
                // How each row was matched is the program's words; the rest is the file's.
                for (int r = 0; qobject_cast<frmImportRates*>(&window) && r < table->rowCount(); ++r)
                    note(what + " matched " + std::to_string(r), table->item(r, frmImportRates::ColMatch)->text());
            } else if (auto* bar = qobject_cast<QMenuBar*>(w)) {
                for (QAction* a : bar->actions()) {
                    key(a->text(), what + " " + str(a->text()));
                    EXPECT_TRUE(bar->rect().contains(bar->actionGeometry(a))) << str(a->text()) << " off the bar";
                    if (a->menu())
                        lookAtMenu(*a->menu(), where);
                }
            }
        }
    }

    // Checks a message that shows what the user typed or a file holds: in a
    // translation the boxes are named in its words, never by the stored field
    // names, and the values stand in the language's quotation marks.
    void expectOwnQuotes(const std::string& where, const QString& message, const QStringList& values)
    {
        note(where, message);
        if (!translated)
            return;
        for (const data::FieldDef& field : data::Fields) {
            EXPECT_FALSE(message.contains(field.name.toString())) << where << " names the field \""
                                                                  << str(field.name.toString()) << "\" in English: "
                                                                  << str(message);
        }
        for (const QString& value : values) {
            const QString start = value.left(20);
            EXPECT_FALSE(message.contains(u'\'' + start) || message.contains(u'"' + start))
                << where << " quotes " << str(start) << " with straight quotes: " << str(message);
        }
    }

    // The refusals, the question about an unsaved entry and a refused rate
    // file, in the language loaded.
    void typedMessages()
    {
        const QString tooSmall = u"0."_s + QString(320, u'0') + u'1';
        withDialog<frmAddExchange>("mnuFileAddRates", [&](frmAddExchange& d) {
            typeInto(ctl(d).txtCountry, u"Quoteland"_s);
            for (const auto& [what, rate] : {std::pair{"zero", u"0"_s}, std::pair{"too small", tooSmall}}) {
                ctl(d).txtExRate->setText(rate);
                messages.clear();
                QTest::mouseClick(ctl(d).cmdSave, Qt::LeftButton);
                ASSERT_EQ(messages.size(), 1u);
                expectOwnQuotes(std::string("add refusal ") + what, messages[0].prompt, {rate});
            }
            for (const auto& [box, value] : {std::pair{"txtBuyMargin", u"100"_s}, std::pair{"txtCode", u"EU"_s}}) {
                auto* term = AppFixture::control<QLineEdit>(d, QString::fromLatin1(box));
                term->setText(value);
                messages.clear();
                QTest::mouseClick(ctl(d).cmdSave, Qt::LeftButton);
                ASSERT_EQ(messages.size(), 1u);
                expectOwnQuotes(std::string("add refusal ") + box, messages[0].prompt, {value});
                term->clear();
            }
            messages.clear();
            QTest::mouseClick(ctl(d).cmdFinished, Qt::LeftButton);
            ASSERT_EQ(messages.size(), 1u);
            note("add question", messages[0].prompt);
        });
        withDialog<frmDelete>("mnuFileEditRates", [&](frmDelete& d) {
            choose(ctl(d).lstCountries, u"Twoland"_s);
            ctl(d).txtExRate->setText(u"abc"_s);
            messages.clear();
            QTest::mouseClick(ctl(d).cmdDel, Qt::LeftButton);
            ASSERT_EQ(messages.size(), 1u);
            expectOwnQuotes("edit refusal not a number", messages[0].prompt, {u"abc"_s});
            ctl(d).txtExRate->setText(u"2"_s);
            ctl(d).txtCountry->setText(QString(51, u'c'));
            messages.clear();
            QTest::mouseClick(ctl(d).cmdDel, Qt::LeftButton);
            ASSERT_EQ(messages.size(), 1u);
            expectOwnQuotes("edit refusal too long", messages[0].prompt, {});
        });
        withDialog<frmSettings>("mnuFileSettings", [&](frmSettings& d) {
            look(d, "frmSettings");
            AppFixture::control<QLineEdit>(d, u"txtMinimumCommission"_s)->setText(u"-1"_s);
            messages.clear();
            QTest::mouseClick(AppFixture::control<QPushButton>(d, u"cmdOK"_s), Qt::LeftButton);
            ASSERT_EQ(messages.size(), 1u);
            expectOwnQuotes("settings refusal", messages[0].prompt, {u"-1"_s});
        });
        // A rate file with a rate that is no number.
        QFile bad(dir.filePath(u"bad-rate.csv"_s));
        EXPECT_TRUE(bad.open(QIODevice::WriteOnly));
        bad.write("Country,Monetery Unit,Exchange Rate,Updated\nBadland,Unit,abc,\n");
        bad.close();
        widgets::setOpenFileNameHandler([&](const widgets::FileDialogRequest&) { return bad.fileName(); });
        messages.clear();
        trigger("mnuFileImportRates");
        ASSERT_EQ(messages.size(), 1u);
        expectOwnQuotes("import bad rate", QString(messages[0].prompt).remove(bad.fileName()), {u"abc"_s});
        expectOwnQuotes("import bad rate file", messages[0].prompt.section(u"abc"_s, 0, 0), {bad.fileName()});
        // The name the export offers.
        widgets::setSaveFileNameHandler([&](const widgets::FileDialogRequest& r) {
            note("export name", QFileInfo(r.path).fileName().remove(QRegularExpression(u"[0-9-]"_s)));
            return QString();
        });
        trigger("mnuFileExportRates");
        widgets::setSaveFileNameHandler({});
    }

    // A deal with every line the main window may add: both deal rates, the
    // minimum commission, and the notes paid out with the rest in pounds.
    void dealLines(frmHUD& hud)
    {
        data::Rates& rates = data::Rates::instance();
        for (const auto& [country, note] : {std::pair{u"Testland"_s, 0}, std::pair{u"Twoland"_s, 500}}) {
            data::RateRow row = rates.findRate(country).value();
            row.buyMargin = 2.0;
            row.sellMargin = 3.0;
            row.smallestNote = data::Money::fromHundredths(note);
            rates.replaceRate(country, row);
        }
        rates.setMinimumCommission(data::Money::fromHundredths(100));
        const AppFixture::Hud c(hud);
        choose(c.lstCountries[0], u"Testland"_s);
        choose(c.lstCountries[1], u"Twoland"_s);
        typeInto(c.txtConvert, u"10"_s);
        typeInto(c.txtCom, u"0"_s);
        QTest::mouseClick(c.cmdCalculate, Qt::LeftButton);
        EXPECT_FALSE(AppFixture::control<QLabel>(hud, u"lblPaidOutRes"_s)->text().isEmpty());
        look(hud, "frmHUD deal");
        // The figures are numbers, the same in every language.
        for (auto it = seen.begin(); it != seen.end();)
            it = it->first.starts_with("frmHUD deal/") && it->first.ends_with("Res text") ? seen.erase(it) : std::next(it);
    }

    void lookAtMenu(QMenu& menu, const std::string& where)
    {
        const std::string what = where + "/" + nameOf(&menu);
        note(what + " title", menu.title());
        std::set<QChar> keys;
        for (QAction* a : menu.actions()) {
            if (a->isSeparator())
                continue;
            note(what + "/" + nameOf(a), a->text());
            note(what + "/" + nameOf(a) + " tip", a->statusTip());
            const QChar k = accessKey(a->text());
            EXPECT_TRUE(k.isNull() || keys.insert(k).second) << what << ": the key of " << str(a->text()) << " again";
            if (a->menu())
                lookAtMenu(*a->menu(), where);
        }
        menu.popup({0, 0});
        QCoreApplication::processEvents();
        EXPECT_LE(menu.width(), menu.screen()->availableGeometry().width()) << what;
        menu.hide();
    }

    void note(const std::string& where, const QString& text)
    {
        if (!text.trimmed().isEmpty())
            seen[where] = text;
    }

    // Every window of the program, as a user meets them, in the language loaded.
    Texts everyWindow()
    {
        seen.clear();
        if (!QFile::exists(dbPath()))
            createDatabase();
        EXPECT_TRUE(app::Start());
        frmHUD& hud = frmHUD::instance();
        look(hud, "frmHUD");
        dealLines(hud);
        {
            frmAddExchange add(&hud);
            look(add, "frmAddExchange");
        }
        for (const auto mode : {frmDelete::Mode::Delete, frmDelete::Mode::Edit}) {
            frmDelete dialog(mode, &hud);
            look(dialog, mode == frmDelete::Mode::Delete ? "frmDelete" : "frmEdit");
        }
        look(frmAbout::instance(), "frmAbout");
        delete frmAbout::current();
        frmSplash::showSplash();
        look(*frmSplash::current(), "frmSplash");
        delete frmSplash::current();
        {
            ratefiles::RateFile file;
            file.path = u"/tmp/exrates-monthly-0120.csv"_s;
            file.format = ratefiles::RateFileFormat::UkMonthlyCsv;
            file.from = QDate(2020, 1, 1);
            file.to = QDate(2020, 1, 31);
            ratefiles::ImportPlan plan;
            plan.changes.push_back({u"Twoland"_s, u"Two"_s, 2.0, QDate(2019, 12, 1), 2.2, file.from,
                                    ratefiles::MatchKind::Name, u"Twoland"_s, u"TWO"_s, true});
            plan.changes.push_back({u"Newland"_s, u"New"_s, 0.0, {}, 3.0, file.from, ratefiles::MatchKind::New,
                                    u"Newland"_s, u"NEW"_s, false});
            // The central bank's euro, which the program names itself.
            plan.changes.push_back({u"Threeland"_s, u"Three"_s, 3.0, QDate(2019, 12, 1), 3.3, file.from,
                                    ratefiles::MatchKind::Currency, u"Euro area"_s, u"EUR"_s, true});
            plan.skipped = QStringList{u"7"_s};
            frmImportRates preview(file, plan, &hud);
            look(preview, "frmImportRates");
        }
        // A file that is no rate file: the file dialog's words and the refusal.
        QTemporaryFile junk(dir.filePath(u"junk-XXXXXX.csv"_s));
        EXPECT_TRUE(junk.open());
        junk.write("Name,Colour\nApple,Red\n");
        junk.close();
        widgets::setOpenFileNameHandler([&](const widgets::FileDialogRequest& r) {
            note("import dialog title", r.title);
            note("import dialog filter", r.filter.section(u'(', 0, 0));
            return junk.fileName();
        });
        messages.clear();
        trigger("mnuFileImportRates");
        EXPECT_EQ(messages.size(), 1u);
        for (const auto& m : messages)
            note("refusal", m.prompt.section(u'\n', 0, 0).remove(junk.fileName()));
        expectOwnQuotes("refusal of the file", QString(messages.at(0).prompt).remove(junk.fileName()), {});
        if (translated) {
            EXPECT_FALSE(messages.at(0).prompt.contains(u'\'' + junk.fileName())) << str(messages.at(0).prompt);
        }
        typedMessages();
        delete &hud;
        data::rsRates.Close();
        data::cnRates.Close();
        QCoreApplication::processEvents();
        return seen;
    }

    Texts seen;
    LongerTranslator longer;
    bool translated = false;  // a shipped translation is loaded
};

// Texts a language may share with English: names and signs, not words.
const std::set<std::string> sameEverywhere{"Tallyvane", "Fernwick", "%", "&OK", "support@fernwicksoftware.com", "&ratesatlas.com"};
const std::map<std::string, std::set<std::string>> sameInEnglish{
    {"de", {"&E-Mail", "Name"}},
    {"fr", {"Commission", "Total", "&Commission"}},
    {"es", {"Total:", "Total"}},
    {"pl", {}},
    {"long", {}},
};

TEST_P(LanguageTest, everyWindowSpeaksItAndEveryTextFits)
{
    const QString language = QString::fromLatin1(GetParam());
    speak({});
    const Texts english = everyWindow();
    ASSERT_GT(english.size(), 100u);
    // English is checked for fit and keys too, so the checks are no stricter than the design.
    if (language == u"en")
        return;
    speak(language);
    const Texts translated = everyWindow();
    const auto& allowed = sameInEnglish.at(GetParam());
    for (const auto& [where, source] : english) {
        const auto found = translated.find(where);
        if (language == u"long")
            continue;
        ASSERT_NE(found, translated.end()) << where << " is gone";
        const bool mayStay = allowed.count(str(source)) || sameEverywhere.count(str(source));
        EXPECT_TRUE(found->second != source || mayStay) << where << " is still English: \"" << str(source) << "\"";
    }
}

INSTANTIATE_TEST_SUITE_P(Shipped, LanguageTest, ::testing::Values("en", "de", "fr", "es", "pl", "long"),
                         [](const ::testing::TestParamInfo<const char*>& info) { return std::string(info.param); });

} // namespace
