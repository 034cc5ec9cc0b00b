// Hostile text wherever a user can type it or a file can hold it: in the rates
// file (written by the program or by another tool without its rules), in the
// main window's boxes and in the maintenance dialogs. Nothing may crash, and
// no row but the chosen one may change.

#include "AppFixture.h"
#include "calculator/FigureLabel.h"

#include "maintenance/frmAddExchange.h"
#include "maintenance/frmDelete.h"
#include "tests/StoreFixtures.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>

using namespace MaintenanceFixture;
using StoreFixtures::Blob;
using StoreFixtures::Null;
using StoreFixtures::Value;

namespace {

QString repeated(const QString& piece, int times)
{
    QString s;
    for (int i = 0; i < times; ++i)
        s += piece;
    return s;
}

// Names a user or a pasted text may bring, each within the table's limits.
std::vector<data::RateRow> hostileRates()
{
    return {
        {QStringLiteral("Britain"), QStringLiteral("Pound"), 1.0},
        {QStringLiteral("O'Brien \"Quoted\" Land"), QStringLiteral("Sh'lling \"x\""), 2.0},
        {QStringLiteral("100% Land %1 %s %n %%"), QStringLiteral("%1%2%3"), 3.0},
        {QStringLiteral("C:\\Land\\\\ \\' \\n"), QStringLiteral("\\\\"), 4.0},
        {QStringLiteral("'; DROP TABLE tblExchanges; --"), QStringLiteral("' OR 1=1 --"), 5.0},
        {QStringLiteral("Tab\tCR\rLF\nEsc\x1b[31mBel\a\x01"), QStringLiteral("\t\r\n\x7f"), 6.0},
        {QString::fromUtf8("مصر العربية"), QString::fromUtf8("جنيه"), 7.0},
        {QString::fromUtf8("ישראל"), QString::fromUtf8("שקל\u200f"), 8.0},
        {QString::fromUtf8("\u202Eevil\u202C Land"), QString::fromUtf8("\u202Dx\u202C"), 9.0},
        {QString::fromUtf8("日本 Россия Ελλάδα ქართული"), QString::fromUtf8("円"), 10.0},
        {QString::fromUtf8("e\u0301\u0301\u0301 combining"), QString::fromUtf8("\u200b\u200d"), 11.0},
        {repeated(QString::fromUtf8("💰"), 50), repeated(QString::fromUtf8("🇬"), 25), 12.0},
        {QStringLiteral("<b>Bold</b> &amp; &Accel"), QStringLiteral("<i>u</i>"), 13.0},
        {QStringLiteral("  blanks around  "), QStringLiteral(" "), 14.0},
        {repeated(QStringLiteral("W"), 50), repeated(QStringLiteral("M"), 25), 15.0},
    };
}

// Rows another tool stored in a table without the program's rules.
std::vector<std::array<Value, 3>> foreignRows()
{
    const auto t = [](const char* s) { return Value(QByteArray(s)); };
    return {
        {t("Britain"), t("Pound"), 1.0},
        {t("Textrate"), t("Abc"), t("abc")},
        {t("Commarate"), t("Comma"), t("1,5")},
        {t("Spacedrate"), t("Spaced"), t(" 2.5 ")},
        {t("Nullrate"), t("Null"), Null{}},
        {t("Nullunit"), Null{}, 2.0},
        {Value(QByteArray("Nul\0land", 8)), Value(QByteArray("Nul\0unit", 8)), 3.0},
        {t("Blobrate"), t("Blob"), Blob{QByteArray("\x01\x02\xff", 3)}},
        {t("Blobunit"), Blob{QByteArray("\xff\xfe\x00", 3)}, 4.0},
        {t("Zerorate"), t("Zero"), 0.0},
        {t("Negrate"), t("Neg"), -2.0},
        {t("Bigint"), t("Int"), 9223372036854775807LL},
        {t("Hugerate"), t("Huge"), 1e308},
        {t("Dupe"), t("First"), 2.0},
        {t("Dupe"), t("Second"), 3.0},
        {t(""), t("Empty name"), 4.0},
        {Value(repeated(QStringLiteral("Long"), 250).toUtf8()), Value(repeated(QStringLiteral("u"), 1000).toUtf8()), 5.0},
        {12345LL, t("Number as name"), 6.0},
    };
}

bool isMoney(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("^-?[0-9]*\\.[0-9][0-9]$"));
    return pattern.match(text).hasMatch();
}

// Chooses every entry of a list in turn with the keyboard, as a user would.
void visitEach(QListWidget* list, const std::function<void(int row)>& f)
{
    if (list->count() == 0)
        return;
    list->setFocus(Qt::TabFocusReason);
    QTest::keyClick(list, Qt::Key_Home);
    if (!list->currentItem() || !list->currentItem()->isSelected())
        list->setCurrentRow(0);
    f(0);
    for (int r = 1; r < list->count(); ++r) {
        QTest::keyClick(list, Qt::Key_Down);
        ASSERT_EQ(list->currentRow(), r);
        f(r);
    }
}

void chooseRow(QListWidget* list, const QString& name)
{
    const auto found = list->findItems(name, Qt::MatchExactly);
    ASSERT_FALSE(found.isEmpty()) << name.toStdString();
    list->scrollToItem(found.first());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found.first()).center());
    ASSERT_EQ(list->currentItem(), found.first());
}

class HostileText : public MaintenanceTest {
protected:
    // Every pair of countries, calculated: either three "#.00" figures (one
    // for the same country) or a message, never a crash.
    void calculateEveryPair(frmHUD& hud)
    {
        ctl(hud).txtConvert->setFocus();
        QTest::keyClicks(ctl(hud).txtConvert, QStringLiteral("12.5"));
        visitEach(ctl(hud).lstCountries[0], [&](int) {
            visitEach(ctl(hud).lstCountries[1], [&](int) {
                if (!ctl(hud).cmdCalculate->isEnabled())
                    return;
                const std::size_t before = messages.size();
                ctl(hud).lblExRes->setText(QStringLiteral("untouched"));
                QTest::mouseClick(ctl(hud).cmdCalculate, Qt::LeftButton);
                if (messages.size() > before) {
                    EXPECT_EQ(ctl(hud).lblExRes->text(), QStringLiteral("untouched"));
                    EXPECT_EQ(messages.back().title, QStringLiteral("Tallyvane"));
                } else {
                    EXPECT_TRUE(isMoney(ctl(hud).lblExRes->text())) << ctl(hud).lblExRes->text().toStdString();
                }
            });
        });
    }
};

// ----------------------------------------------------------- the main window

TEST_F(HostileText, namesStoredByTheProgramShowExactlyAndCalculate)
{
    const auto rows = hostileRates();
    frmHUD& hud = startProgram(rows);
    const QByteArray before = StoreFixtures::fileBytes(dbPath());
    ASSERT_EQ(ctl(hud).lstCountries[0]->count(), static_cast<int>(rows.size()));
    for (int side = 0; side < 2; ++side) {
        visitEach(ctl(hud).lstCountries[side], [&](int r) {
            const QString name = ctl(hud).lstCountries[side]->item(r)->text();
            const auto row = std::find_if(rows.begin(), rows.end(), [&](const auto& x) { return x.country == name; });
            ASSERT_NE(row, rows.end()) << "listed name differs from the stored one: " << name.toStdString();
            EXPECT_EQ(ctl(hud).txtDenomination[side]->text(), row->unit) << name.toStdString();
            EXPECT_EQ(ctl(hud).txtExchangeRate[side]->text(), QString::number(row->rate)) << name.toStdString();
        });
    }
    EXPECT_TRUE(messages.empty()) << prompts().front();
    calculateEveryPair(hud);
    EXPECT_TRUE(messages.empty()) << prompts().front();
    hud.close();
    EXPECT_EQ(StoreFixtures::fileBytes(dbPath()), before) << "reading and calculating wrote to the file";
}

TEST_F(HostileText, valuesAnotherToolStoredNeverCrashAndChangeNothing)
{
    ASSERT_EQ(StoreFixtures::writeForeignTable(dbPath(), foreignRows()), SQLITE_OK);
    const QByteArray before = StoreFixtures::fileBytes(dbPath());
    frmHUD& hud = startProgram({}, false);
    EXPECT_TRUE(messages.empty()) << prompts().front();
    EXPECT_EQ(ctl(hud).lstCountries[0]->count(), static_cast<int>(foreignRows().size()));
    ASSERT_TRUE(ctl(hud).lstCountries[0]->findItems(QString::fromUtf8("Nul\0land", 8), Qt::MatchExactly).size() == 1)
        << "a name with a NUL is listed whole";

    // Every entry can be chosen: a value that cannot be read empties that
    // side and says so.
    std::size_t seen = messages.size();
    for (int side = 0; side < 2; ++side) {
        visitEach(ctl(hud).lstCountries[side], [&](int r) {
            const QString name = ctl(hud).lstCountries[side]->item(r)->text();
            const auto countSeen = qScopeGuard([&] { seen = messages.size(); });
            if (name == QStringLiteral("Nullrate") || name == QStringLiteral("Nullunit")) {
                EXPECT_EQ(messages.size(), seen + 1) << name.toStdString();
                EXPECT_TRUE(ctl(hud).txtExchangeRate[side]->text().isEmpty());
                EXPECT_TRUE(ctl(hud).txtDenomination[side]->text().isEmpty());
            } else {
                EXPECT_EQ(messages.size(), seen) << name.toStdString() << ": " << prompts().back();
            }
            if (name == QStringLiteral("Textrate")) {
                EXPECT_EQ(ctl(hud).txtExchangeRate[side]->text(), QStringLiteral("abc"));
            }
            if (name == QString::fromUtf8("Nul\0land", 8)) {
                EXPECT_EQ(ctl(hud).txtDenomination[side]->text(), QString::fromUtf8("Nul\0unit", 8));
            }
        });
    }
    messages.clear();
    calculateEveryPair(hud);
    hud.close();
    EXPECT_EQ(StoreFixtures::fileBytes(dbPath()), before);
}

// A row without a country cannot be listed; the lists keep the names read
// before it, say so, and the rows stay as they are.
TEST_F(HostileText, aRowWithoutACountryIsReportedAndChangesNothing)
{
    ASSERT_EQ(StoreFixtures::writeForeignTable(dbPath(), {{Value(QByteArray("Aland")), Value(QByteArray("A")), 1.0},
                                                         {Null{}, Value(QByteArray("Nobody")), 2.0},
                                                         {Value(QByteArray("Bland")), Value(QByteArray("B")), 3.0}}),
              SQLITE_OK);
    const QStringList before = StoreFixtures::dumpTable(dbPath());
    ASSERT_TRUE(app::Start());
    frmHUD& hud = frmHUD::instance();
    EXPECT_EQ(prompts(), std::vector<std::string>{str(FillListsFailed)});
    messages.clear();
    EXPECT_EQ(itemsOf(*ctl(hud).lstCountries[0]), (std::vector<std::string>{"Aland"}));
    chooseRow(ctl(hud).lstCountries[0], QStringLiteral("Aland"));
    EXPECT_EQ(ctl(hud).txtDenomination[0]->text(), QStringLiteral("A"));
    // The dialog lists what it can read and reports the rest.
    withDialog<frmDelete>("mnuFileEditRates", [this](frmDelete& d) {
        EXPECT_EQ(itemsOf(*ctl(d).lstCountries), (std::vector<std::string>{"Aland"}));
        ASSERT_FALSE(messages.empty());
    });
    hud.close();
    EXPECT_EQ(StoreFixtures::dumpTable(dbPath()), before);
}

// What reaches the amount and commission boxes without the key filter
// (pasted from the context menu or the selection).
TEST_F(HostileText, pastedAmountsAndCommissionsReportOrCalculate)
{
    frmHUD& hud = startProgram();
    chooseRow(ctl(hud).lstCountries[0], QStringLiteral("Twoland"));
    chooseRow(ctl(hud).lstCountries[1], QStringLiteral("Threeland"));
    const QStringList texts = {
        QStringLiteral("'; %s %n %1"), QStringLiteral("1e400"), QStringLiteral("-5"), QString::fromUtf8("１２"),
        QStringLiteral("1.5.5"), QString(QChar(u'\0')) + QStringLiteral("1"), QStringLiteral("1\u202E5"),
        QStringLiteral(" 1"), QStringLiteral("1e-400"), QStringLiteral("0x10"), QStringLiteral("inf"),
        QStringLiteral("nan"), repeated(QStringLiteral("9"), 200000), QStringLiteral("0.") + repeated(QStringLiteral("0"), 100000) + QStringLiteral("1"),
    };
    for (const QString& amount : texts) {
        for (const QString& commission : {QStringLiteral("2"), amount}) {
            ctl(hud).txtConvert->setText(amount);
            ctl(hud).txtCom->setText(commission);
            ASSERT_TRUE(ctl(hud).cmdCalculate->isEnabled());
            const std::size_t before = messages.size();
            ctl(hud).lblExRes->setText(QStringLiteral("untouched"));
            QTest::mouseClick(ctl(hud).cmdCalculate, Qt::LeftButton);
            if (messages.size() == before)
                EXPECT_TRUE(isMoney(ctl(hud).lblExRes->text())) << amount.left(40).toStdString();
            else
                EXPECT_EQ(ctl(hud).lblExRes->text(), QStringLiteral("untouched"));
        }
    }
    EXPECT_EQ(storedRows().size(), TestSupport::plainRates().size());
}

// ----------------------------------------------------------- the add dialog

bool hasLoneSurrogate(const QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        else if (text.at(i).isSurrogate())
            return true;
    }
    return false;
}

bool outsideTheBasicPlane(const QString& text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isSurrogate(); });
}

TEST_F(HostileText, theAddDialogStoresHostileNamesExactlyAndRefusesWhatCannotBeStored)
{
    startProgram();
    std::vector<std::string> expected = storedRows();
    withDialog<frmAddExchange>("mnuFileAddRates", [&](frmAddExchange& d) {
        // Stored as typed or pasted, one row each. Texts longer than a box
        // allows are cut by the box, visibly, before Save.
        std::vector<std::pair<QString, QString>> accepted;
        for (const auto& row : hostileRates()) {
            if (row.country != QStringLiteral("Britain") && !outsideTheBasicPlane(row.country + row.unit))
                accepted.emplace_back(row.country, row.unit);
        }
        accepted.emplace_back(repeated(QStringLiteral("x"), 100000), QStringLiteral("u"));
        accepted.emplace_back(QStringLiteral("Unitland"), repeated(QStringLiteral("u"), 26));
        for (const auto& [country, unit] : accepted) {
            ctl(d).txtCountry->setText(country);
            ctl(d).txtDenom->setText(unit);
            ctl(d).txtExRate->setText(QStringLiteral("2.5"));
            EXPECT_LE(ctl(d).txtCountry->text().size(), data::CountryMaxLength);
            EXPECT_LE(ctl(d).txtDenom->text().size(), data::UnitMaxLength);
            const std::string shown = str(ctl(d).txtCountry->text() + u'|' + ctl(d).txtDenom->text() + QStringLiteral("|2.5"));
            messages.clear();
            QTest::mouseClick(ctl(d).cmdSave, Qt::LeftButton);
            ASSERT_EQ(prompts(), (std::vector<std::string>{"The New Exchange Rate has been saved successfuly"}))
                << str(country.left(60));
            expected.push_back(shown);
        }
        // A NUL cannot be stored: refused in a plain message, nothing stored.
        const std::vector<std::pair<QString, QString>> refused = {
            {QStringLiteral("Nul") + QChar(u'\0') + QStringLiteral("land"), QStringLiteral("u")},
            {QStringLiteral("Nulunitland"), QStringLiteral("u") + QChar(u'\0')},
        };
        for (const auto& [country, unit] : refused) {
            ctl(d).txtCountry->setText(country);
            ctl(d).txtDenom->setText(unit);
            ctl(d).txtExRate->setText(QStringLiteral("2.5"));
            if (ctl(d).txtCountry->text() + ctl(d).txtDenom->text() == QString(country + unit).remove(QChar(u'\0')))
                continue;  // the box dropped the NUL itself: nothing hostile reaches the store
            messages.clear();
            QTest::mouseClick(ctl(d).cmdSave, Qt::LeftButton);
            ASSERT_EQ(messages.size(), 1u) << str(country);
            expectRefusal(messages[0], "holds a null character, which cannot be stored.");
        }
        // Typed rates that are not numbers never pass the box's filter; pasted ones are refused.
        for (const QString& rate : {QStringLiteral("1,5"), QStringLiteral("'"), QStringLiteral("1e999"),
                                    QStringLiteral("-1"), QStringLiteral("0"), repeated(QStringLiteral("9"), 5000)}) {
            ctl(d).txtCountry->setText(QStringLiteral("Rateland"));
            ctl(d).txtDenom->setText(QStringLiteral("u"));
            ctl(d).txtExRate->setText(rate);
            messages.clear();
            QTest::mouseClick(ctl(d).cmdSave, Qt::LeftButton);
            ASSERT_EQ(messages.size(), 1u) << str(rate);
            expectRefusal(messages[0], "in the Exchange Rate box is");
            EXPECT_LE(messages[0].prompt.size(), 400) << "a pasted text is not echoed whole";
        }
    });
    EXPECT_EQ(storedRows(), expected);
}

// The boxes count characters as the table does: 50 characters outside the
// Basic Multilingual Plane fit, and none is cut through a surrogate pair.
TEST_F(HostileText, theAddDialogKeepsCharactersOutsideTheBasicPlaneWhole)
{
    startProgram();
    withDialog<frmAddExchange>("mnuFileAddRates", [&](frmAddExchange& d) {
        ctl(d).txtCountry->setText(repeated(QString::fromUtf8("💰"), 50));
        ctl(d).txtDenom->setText(repeated(QString::fromUtf8("🇬"), 13));
        EXPECT_FALSE(hasLoneSurrogate(ctl(d).txtCountry->text()));
        EXPECT_FALSE(hasLoneSurrogate(ctl(d).txtDenom->text()));
        EXPECT_EQ(ctl(d).txtCountry->text(), repeated(QString::fromUtf8("💰"), 50));
        ctl(d).txtExRate->setText(QStringLiteral("2"));
        QTest::mouseClick(ctl(d).cmdSave, Qt::LeftButton);
    });
    const auto rows = storedRows();
    EXPECT_EQ(rows.back(), str(repeated(QString::fromUtf8("💰"), 50) + u'|' + repeated(QString::fromUtf8("🇬"), 13)
                               + QStringLiteral("|2")));
}

// ------------------------------------------------- the delete and edit dialog

TEST_F(HostileText, editingAndDeletingHostileNamesTouchesOnlyTheChosenRow)
{
    const auto rows = hostileRates();
    startProgram(rows);
    std::vector<std::string> expected = storedRows();
    const QString edited = QStringLiteral("100% Land %1 %s %n %%");
    const QString deleted = QStringLiteral("'; DROP TABLE tblExchanges; --");

    withDialog<frmDelete>("mnuFileEditRates", [&](frmDelete& d) {
        chooseRow(ctl(d).lstCountries, edited);
        EXPECT_EQ(ctl(d).txtCountry->text(), edited);
        ctl(d).txtDenom->setText(QStringLiteral("%2 \\ ' \""));
        ctl(d).txtExRate->setText(QStringLiteral("33"));
        QTest::mouseClick(ctl(d).cmdDel, Qt::LeftButton);
        EXPECT_TRUE(messages.empty()) << prompts().front();
    });
    for (auto& row : expected)
        if (row.rfind(str(edited) + '|', 0) == 0)
            row = str(edited) + "|%2 \\ ' \"|33";
    EXPECT_EQ(storedRows(), expected);

    withDialog<frmDelete>("mnuFileDeleteRates", [&](frmDelete& d) {
        chooseRow(ctl(d).lstCountries, deleted);
        QTest::mouseClick(ctl(d).cmdDel, Qt::LeftButton);  // the confirmation is answered Yes
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].prompt, QStringLiteral("Are you sure you want to delete ") + deleted + u'?');
    });
    std::erase_if(expected, [&](const std::string& row) { return row.rfind(str(deleted) + '|', 0) == 0; });
    EXPECT_EQ(storedRows(), expected);
}

TEST_F(HostileText, theDialogsOnValuesAnotherToolStoredChangeOnlyTheChosenRow)
{
    ASSERT_EQ(StoreFixtures::writeForeignTable(dbPath(), foreignRows()), SQLITE_OK);
    startProgram({}, false);
    QStringList expected = StoreFixtures::dumpTable(dbPath());
    ASSERT_EQ(expected.size(), static_cast<int>(foreignRows().size()));

    withDialog<frmDelete>("mnuFileEditRates", [&](frmDelete& d) {
        // The rate box holds "abc" as stored: saving it back is refused whole.
        chooseRow(ctl(d).lstCountries, QStringLiteral("Textrate"));
        EXPECT_EQ(ctl(d).txtExRate->text(), QStringLiteral("abc"));
        ctl(d).txtDenom->setText(QStringLiteral("Changed"));
        messages.clear();
        QTest::mouseClick(ctl(d).cmdDel, Qt::LeftButton);
        ASSERT_EQ(messages.size(), 1u);
        expectRefusal(messages[0], "'abc' in the Exchange Rate box is not a number.");

        // A row with a NULL unit cannot be read into the boxes, so it cannot be saved.
        messages.clear();
        chooseRow(ctl(d).lstCountries, QStringLiteral("Nullunit"));
        ASSERT_EQ(messages.size(), 1u);
        QTest::mouseClick(ctl(d).cmdDel, Qt::LeftButton);

        // A rate stored as "1,5" becomes a number once the user corrects it.
        messages.clear();
        chooseRow(ctl(d).lstCountries, QStringLiteral("Commarate"));
        ctl(d).txtExRate->setText(QStringLiteral("1.5"));
        QTest::mouseClick(ctl(d).cmdDel, Qt::LeftButton);
        EXPECT_TRUE(messages.empty()) << prompts().front();
    });
    for (QString& row : expected)
        if (row.contains(QStringLiteral("|text:") + QString::fromLatin1(QByteArray("Commarate").toHex().toUpper()) + u'|'))
            row = row.section(u'|', 0, 2) + QStringLiteral("|real:") + QString::fromLatin1(QByteArray("1.5").toHex().toUpper());
    EXPECT_EQ(StoreFixtures::dumpTable(dbPath()), expected);

    withDialog<frmDelete>("mnuFileDeleteRates", [&](frmDelete& d) {
        // Of two rows with one name, the first goes.
        chooseRow(ctl(d).lstCountries, QStringLiteral("Dupe"));
        messages.clear();
        QTest::mouseClick(ctl(d).cmdDel, Qt::LeftButton);
        EXPECT_EQ(messages.size(), 1u) << "only the confirmation";
    });
    expected.removeIf([](const QString& row) {
        return row.contains(QString::fromLatin1(QByteArray("First").toHex().toUpper()));
    });
    EXPECT_EQ(StoreFixtures::dumpTable(dbPath()), expected);
}

} // namespace
