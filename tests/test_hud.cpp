// The main window driven with real key and mouse events against a real rates file.

#include "AppFixture.h"
#include "calculator/FigureLabel.h"

#include "app/Database.h"
#include "data/Rates.h"

#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QDate>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QScopeGuard>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QHelpEvent>
#include <QTimer>
#include <QToolTip>

#include "info/Links.h"
#include "widgets/UserSettings.h"

using AppFixture::ProgramTest;
using AppFixture::choose;
using AppFixture::ctl;
using AppFixture::typeInto;

namespace {

class MainWindowTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        createDatabase();
        hud = &startProgram();
        ASSERT_TRUE(QTest::qWaitForWindowActive(hud));
        messages.clear();
    }
    frmHUD* hud = nullptr;
};

struct Conversion {
    const char* from;
    const char* to;
    const char* amount;
    const char* commission;
    std::array<const char*, 3> expected;
};

class WorkedConversion : public MainWindowTest, public ::testing::WithParamInterface<Conversion> {};

TEST_P(WorkedConversion, showsTheThreeFigures)
{
    const Conversion& c = GetParam();
    choose(ctl(*hud).lstCountries[0], QString::fromUtf8(c.from));
    choose(ctl(*hud).lstCountries[1], QString::fromUtf8(c.to));
    typeInto(ctl(*hud).txtConvert, QString::fromUtf8(c.amount));
    typeInto(ctl(*hud).txtCom, QString::fromUtf8(c.commission));
    ASSERT_TRUE(ctl(*hud).cmdCalculate->isEnabled());
    QTest::mouseClick(ctl(*hud).cmdCalculate, Qt::LeftButton);
    EXPECT_EQ(ctl(*hud).figures(), (QStringList{QString::fromUtf8(c.expected[0]), QString::fromUtf8(c.expected[1]),
                                         QString::fromUtf8(c.expected[2])}));
    EXPECT_TRUE(messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Table, WorkedConversion,
    ::testing::Values(Conversion{"Britain", "Testland", "100", "2", {"150.00", "3.00", "147.00"}},
                      Conversion{"Testland", "Britain", "150", "0", {"100.00", ".00", "100.00"}},
                      Conversion{"Twoland", "Threeland", "100", "0", {"150.00", ".00", "150.00"}},
                      // lower-case britain is an ordinary country with its own rate
                      Conversion{"britain", "Britain", "8", "0", {"2.00", ".00", "2.00"}},
                      Conversion{"Britain", "O'Brien's Land", "2", "150", {"10.00", "15.00", "-5.00"}},
                      // an exponent-form rate read back from the store
                      Conversion{"Zeroland", "Britain", "1", "0", {"100000000000000000000.00", ".00", "100000000000000000000.00"}}));

// Figures never stand beside inputs they were not computed from: any change of
// a side's country or rate, the amount or the commission empties all three,
// for the eye and for a screen reader, until the next Calculate.
struct InputChange {
    const char* name;
    std::function<void(const AppFixture::Hud&, frmHUD&)> change;
    bool clears;
    friend void PrintTo(const InputChange& c, std::ostream* os) { *os << c.name; }
};

class FiguresAfterAChange : public MainWindowTest, public ::testing::WithParamInterface<InputChange> {};

TEST_P(FiguresAfterAChange, emptyUnlessTheInputsAreTheSame)
{
    const AppFixture::Hud c(*hud);
    choose(c.lstCountries[0], QStringLiteral("Britain"));
    choose(c.lstCountries[1], QStringLiteral("Testland"));
    typeInto(c.txtConvert, QStringLiteral("100"));
    typeInto(c.txtCom, QStringLiteral("2"));
    QTest::mouseClick(c.cmdCalculate, Qt::LeftButton);
    const QStringList shown{QStringLiteral("150.00"), QStringLiteral("3.00"), QStringLiteral("147.00")};
    ASSERT_EQ(c.figures(), shown);

    GetParam().change(c, *hud);
    const QStringList empty{QString(), QString(), QString()};
    EXPECT_EQ(c.figures(), GetParam().clears ? empty : shown);
    QAccessibleInterface* total = QAccessible::queryAccessibleInterface(c.lblTotalRes);
    ASSERT_NE(total, nullptr);
    EXPECT_EQ(total->text(QAccessible::Value), GetParam().clears ? QString() : shown[2]);
}

INSTANTIATE_TEST_SUITE_P(
    Table, FiguresAfterAChange,
    ::testing::Values(
        InputChange{"otherFromCountry", [](const auto& c, auto&) { choose(c.lstCountries[0], QStringLiteral("Twoland")); }, true},
        InputChange{"otherToCountry", [](const auto& c, auto&) { choose(c.lstCountries[1], QStringLiteral("Threeland")); }, true},
        InputChange{"amountTyped", [](const auto& c, auto&) { QTest::keyClick(c.txtConvert, Qt::Key_5); }, true},
        InputChange{"commissionTyped", [](const auto& c, auto&) { QTest::keyClick(c.txtCom, Qt::Key_Backspace); }, true},
        InputChange{"rateChangedInTheTable",
                    [](const auto&, frmHUD& w) {
                        data::rsRates.FindCountry(QStringLiteral("Testland"));
                        data::rsRates.SetField(data::FieldRate, QStringLiteral("1.6"));
                        data::rsRates.Update();
                        w.refillKeepingSelection();
                    },
                    true},
        InputChange{"refillChangingNothing", [](const auto&, frmHUD& w) { w.refillKeepingSelection(); }, false},
        InputChange{"sameCountryChosenAgain", [](const auto& c, auto&) { choose(c.lstCountries[1], QStringLiteral("Testland")); }, false}),
    [](const ::testing::TestParamInfo<InputChange>& info) { return std::string(info.param.name); });

TEST_F(MainWindowTest, choosingACountryShowsItsUnitAndRate)
{
    choose(ctl(*hud).lstCountries[1], QStringLiteral("Testland"));
    EXPECT_EQ(ctl(*hud).txtExchangeRate[1]->text(), QStringLiteral("1.5"));
    EXPECT_EQ(ctl(*hud).txtDenomination[1]->text(), QStringLiteral("Tester"));
    EXPECT_TRUE(ctl(*hud).txtExchangeRate[0]->text().isEmpty());
    choose(ctl(*hud).lstCountries[0], QStringLiteral("Zeroland"));
    EXPECT_EQ(ctl(*hud).txtExchangeRate[0]->text(), QStringLiteral("1E-20"));
}

TEST_F(MainWindowTest, arrowKeysShowEachPassedCountry)
{
    QListWidget* list = ctl(*hud).lstCountries[0];
    choose(list, QStringLiteral("Britain"));
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(list->selectedItems().first()->text(), QStringLiteral("britain"));
    EXPECT_EQ(ctl(*hud).txtDenomination[0]->text(), QStringLiteral("Small pound"));
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(ctl(*hud).txtDenomination[0]->text(), QStringLiteral("Shilling"));
}

TEST_F(MainWindowTest, sameCountryFormatsOnlyTheExchangeFigure)
{
    ctl(*hud).lblComRes->setText(QStringLiteral("prev"));
    choose(ctl(*hud).lstCountries[0], QStringLiteral("Testland"));
    choose(ctl(*hud).lstCountries[1], QStringLiteral("Testland"));
    typeInto(ctl(*hud).txtConvert, QStringLiteral("12.5"));
    QTest::mouseClick(ctl(*hud).cmdCalculate, Qt::LeftButton);
    EXPECT_EQ(ctl(*hud).figures(), (QStringList{QStringLiteral("12.50"), QStringLiteral("prev"), QString()}));

    typeInto(ctl(*hud).txtConvert, QStringLiteral("1.2.3"));
    QTest::mouseClick(ctl(*hud).cmdCalculate, Qt::LeftButton);
    EXPECT_EQ(ctl(*hud).lblExRes->text(), QStringLiteral("1.2.3"));
    EXPECT_TRUE(messages.empty());
}

TEST_F(MainWindowTest, failedCalculationShowsNoFiguresAndSaysWhy)
{
    choose(ctl(*hud).lstCountries[0], QStringLiteral("Britain"));
    choose(ctl(*hud).lstCountries[1], QStringLiteral("Testland"));
    typeInto(ctl(*hud).txtConvert, QStringLiteral("10"));
    QTest::mouseClick(ctl(*hud).cmdCalculate, Qt::LeftButton);
    ASSERT_EQ(ctl(*hud).figures().first(), QStringLiteral("15.00"));
    // The old figures went with the old amount.
    const QStringList before{QString(), QString(), QString()};

    typeInto(ctl(*hud).txtConvert, QStringLiteral("1.2.3"));
    QTest::mouseClick(ctl(*hud).cmdCalculate, Qt::LeftButton);
    EXPECT_EQ(ctl(*hud).figures(), before);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, QStringLiteral("Tallyvane"));
    EXPECT_TRUE(messages[0].prompt.contains(QStringLiteral("amount"))) << messages[0].prompt.toStdString();

    // A rate of 0 typed into the source box: division by zero.
    choose(ctl(*hud).lstCountries[0], QStringLiteral("Twoland"));
    typeInto(ctl(*hud).txtConvert, QStringLiteral("10"));
    ctl(*hud).txtExchangeRate[0]->setText(QStringLiteral("0"));
    QTest::mouseClick(ctl(*hud).cmdCalculate, Qt::LeftButton);
    EXPECT_EQ(ctl(*hud).figures(), before);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_TRUE(messages[1].prompt.contains(QStringLiteral("0"))) << messages[1].prompt.toStdString();
}

TEST_F(MainWindowTest, amountAndCommissionTakeOnlyDigitsPointsAndBackspace)
{
    for (QLineEdit* box : {ctl(*hud).txtConvert, ctl(*hud).txtCom}) {
        box->setFocus();
        box->clear();
        QTest::keyClicks(box, QStringLiteral("a1-2 ,3.4.5+e"));
        EXPECT_EQ(box->text(), QStringLiteral("123.4.5"));
        QTest::keyClick(box, Qt::Key_Backspace);
        EXPECT_EQ(box->text(), QStringLiteral("123.4."));
        // Delete is an editing key, whatever character code the platform gives it.
        QTest::keyClick(box, Qt::Key_Home);
        QKeyEvent del(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier, QStringLiteral("\x7f"));
        QCoreApplication::sendEvent(box, &del);
        EXPECT_EQ(box->text(), QStringLiteral("23.4."));
    }
}

TEST_F(MainWindowTest, clipboardKeysAreDiscardedInTheNumberBoxes)
{
    QGuiApplication::clipboard()->setText(QStringLiteral("999"));
    typeInto(ctl(*hud).txtConvert, QStringLiteral("12"));
    ctl(*hud).txtConvert->selectAll();
    QTest::keyClick(ctl(*hud).txtConvert, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(ctl(*hud).txtConvert, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(ctl(*hud).txtConvert->text(), QStringLiteral("12"));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("999"));
}

TEST_F(MainWindowTest, keypadDecimalKeyTypesAPointWhateverTheLayout)
{
    typeInto(ctl(*hud).txtConvert, QStringLiteral("1"));
    QTest::keyClick(ctl(*hud).txtConvert, Qt::Key_Comma, Qt::KeypadModifier);
    QTest::keyClick(ctl(*hud).txtConvert, Qt::Key_5, Qt::KeypadModifier);
    EXPECT_EQ(ctl(*hud).txtConvert->text(), QStringLiteral("1.5"));
}

TEST_F(MainWindowTest, emptiedCommissionBecomesZeroWhenFocusMovesOn)
{
    typeInto(ctl(*hud).txtCom, QStringLiteral("250"));
    QTest::keyClick(ctl(*hud).txtCom, Qt::Key_Tab);
    EXPECT_EQ(ctl(*hud).txtCom->text(), QStringLiteral("250"));

    typeInto(ctl(*hud).txtCom, QString());
    // The window losing activation is not a move to another control.
    QFocusEvent deactivated(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QCoreApplication::sendEvent(ctl(*hud).txtCom, &deactivated);
    EXPECT_TRUE(ctl(*hud).txtCom->text().isEmpty());

    QTest::keyClick(ctl(*hud).txtCom, Qt::Key_Tab);
    EXPECT_EQ(ctl(*hud).txtCom->text(), QStringLiteral("0"));
}

TEST_F(MainWindowTest, enterInAnEmptiedCommissionCalculatesAndFails)
{
    choose(ctl(*hud).lstCountries[0], QStringLiteral("Britain"));
    choose(ctl(*hud).lstCountries[1], QStringLiteral("Testland"));
    typeInto(ctl(*hud).txtConvert, QStringLiteral("10"));
    typeInto(ctl(*hud).txtCom, QString());
    QTest::keyClick(ctl(*hud).txtCom, Qt::Key_Return);
    EXPECT_TRUE(ctl(*hud).txtCom->text().isEmpty());
    EXPECT_TRUE(ctl(*hud).lblExRes->text().isEmpty());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].prompt.contains(QStringLiteral("commission"))) << messages[0].prompt.toStdString();
}

TEST_F(MainWindowTest, calculateNeedsAnAmountAndBothRates)
{
    EXPECT_FALSE(ctl(*hud).cmdCalculate->isEnabled());
    typeInto(ctl(*hud).txtConvert, QStringLiteral("100"));
    choose(ctl(*hud).lstCountries[0], QStringLiteral("Britain"));
    EXPECT_FALSE(ctl(*hud).cmdCalculate->isEnabled());
    choose(ctl(*hud).lstCountries[1], QStringLiteral("Testland"));
    EXPECT_TRUE(ctl(*hud).cmdCalculate->isEnabled());
    // Editing a rate box does not run the rule.
    typeInto(ctl(*hud).txtExchangeRate[1], QString());
    EXPECT_TRUE(ctl(*hud).cmdCalculate->isEnabled());
    typeInto(ctl(*hud).txtConvert, QString());
    EXPECT_FALSE(ctl(*hud).cmdCalculate->isEnabled());
}

TEST_F(MainWindowTest, enterPressesCalculateFromListsAndBoxesOnlyWhileEnabled)
{
    choose(ctl(*hud).lstCountries[0], QStringLiteral("Britain"));
    choose(ctl(*hud).lstCountries[1], QStringLiteral("Testland"));
    ctl(*hud).lstCountries[1]->setFocus();
    QTest::keyClick(ctl(*hud).lstCountries[1], Qt::Key_Return);
    EXPECT_TRUE(ctl(*hud).lblExRes->text().isEmpty());  // disabled: nothing happens
    EXPECT_TRUE(messages.empty());

    typeInto(ctl(*hud).txtConvert, QStringLiteral("2"));
    for (QWidget* from : std::initializer_list<QWidget*>{ctl(*hud).lstCountries[0], ctl(*hud).txtDenomination[0],
                                                        ctl(*hud).txtExchangeRate[1], ctl(*hud).txtConvert}) {
        ctl(*hud).lblExRes->clear();
        from->setFocus();
        QTest::keyClick(from, Qt::Key_Enter, Qt::KeypadModifier);
        EXPECT_EQ(ctl(*hud).lblExRes->text(), QStringLiteral("3.00")) << from->objectName().toStdString();
    }
}

TEST_F(MainWindowTest, clickInUnitOrRateBoxFocusesThatSidesList)
{
    for (int i = 0; i < 2; ++i) {
        QTest::mouseClick(ctl(*hud).txtDenomination[i], Qt::LeftButton);
        EXPECT_EQ(QApplication::focusWidget(), ctl(*hud).lstCountries[i]);
        QTest::mouseClick(ctl(*hud).txtExchangeRate[i], Qt::LeftButton);
        EXPECT_EQ(QApplication::focusWidget(), ctl(*hud).lstCountries[i]);
    }
}

TEST_F(MainWindowTest, focusOrderAndInitialFocus)
{
    EXPECT_EQ(QApplication::focusWidget(), ctl(*hud).lstCountries[0]);
    const std::vector<QWidget*> order{ctl(*hud).txtDenomination[0], ctl(*hud).txtExchangeRate[0], ctl(*hud).txtExchangeRate[1],
                                      ctl(*hud).txtDenomination[1], ctl(*hud).lstCountries[1], ctl(*hud).txtConvert,
                                      ctl(*hud).cmdCalculate, ctl(*hud).txtCom, ctl(*hud).cmdExit, ctl(*hud).lstCountries[0]};
    typeInto(ctl(*hud).txtConvert, QStringLiteral("1"));
    choose(ctl(*hud).lstCountries[0], QStringLiteral("Britain"));
    choose(ctl(*hud).lstCountries[1], QStringLiteral("Testland"));  // Calculate enabled, so it takes focus
    ctl(*hud).lstCountries[0]->setFocus();
    for (QWidget* expected : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), expected) << expected->objectName().toStdString();
    }
}

TEST_F(MainWindowTest, menuShortcutsWinInsideTextBoxes)
{
    QAction* add = hud->findChild<QAction*>(QStringLiteral("mnuFileAddRates"));
    ASSERT_NE(add, nullptr);
    QSignalSpy addSpy(add, &QAction::triggered);
    // Whatever the command opens is closed again at once.
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [] {
        if (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
    });
    closer.start(10);
    typeInto(ctl(*hud).txtConvert, QStringLiteral("12"));
    QTest::keyClick(ctl(*hud).txtConvert, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(addSpy.count(), 1);
    EXPECT_EQ(ctl(*hud).txtConvert->text(), QStringLiteral("12"));
    closer.stop();

    // The dialog has closed; shortcuts need their window active again.
    hud->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(hud));
    QAction* exit = hud->findChild<QAction*>(QStringLiteral("mnuFileExit"));
    QSignalSpy exitSpy(exit, &QAction::triggered);
    ctl(*hud).txtDenomination[0]->setFocus();
    QTest::keyClick(ctl(*hud).txtDenomination[0], Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(exitSpy.count(), 1);
    EXPECT_FALSE(data::cnRates.isOpen());
}

TEST_F(MainWindowTest, menuBarLayout)
{
    QStringList items;
    for (QAction* a : hud->menuBar()->actions()) {
        items << a->text();
        for (QAction* sub : a->menu()->actions()) {
            items << (sub->isSeparator() ? QStringLiteral("-") : sub->text() + QLatin1Char(' ') + sub->shortcut().toString());
            if (sub->menu())
                for (QAction* s2 : sub->menu()->actions())
                    items << QStringLiteral(">") + s2->text();
        }
    }
    const QStringList expected{
        QStringLiteral("&File"), QStringLiteral("&Add Rates Ctrl+A"), QStringLiteral("&Edit Rates Ctrl+E"),
        QStringLiteral("&Delete Rates Ctrl+D"), QStringLiteral("&Update Rates... Ctrl+U"),
        QStringLiteral("&Import Rates... "), QStringLiteral("Ex&port Rates... "),
        QStringLiteral("-"), QStringLiteral("&Record Deal Ctrl+R"), QStringLiteral("Repri&nt Receipt... "),
        QStringLiteral("&Void Last Deal... "), QStringLiteral("Da&y's Deals... Ctrl+J"), QStringLiteral("-"),
        QStringLiteral("Rate &Board Ctrl+B"), QStringLiteral("&Settings... "), QStringLiteral("-"), QStringLiteral("E&xit Ctrl+X"),
        QStringLiteral("&Help"), QStringLiteral("&About Tallyvane "), QStringLiteral("Check &Journal "),
        QStringLiteral("-"),
        QStringLiteral("&Visit Fernwick "), QStringLiteral("Visit &Community "), QStringLiteral("&E-Mail "),
        QStringLiteral("-"), QStringLiteral("Exchange &Rates "), QStringLiteral(">&Inland Revenue (UK)"),
        QStringLiteral(">") + info::ratesSiteMenuCaption()};
    EXPECT_EQ(items, expected);
}

TEST_F(MainWindowTest, aCountryWhoseRowIsGoneEmptiesItsSideAndSaysSo)
{
    choose(ctl(*hud).lstCountries[0], QStringLiteral("Britain"));
    choose(ctl(*hud).lstCountries[1], QStringLiteral("Testland"));
    typeInto(ctl(*hud).txtConvert, QStringLiteral("1"));
    ASSERT_TRUE(ctl(*hud).cmdCalculate->isEnabled());
    // Another copy of the program deletes the row while this one shows it.
    data::rsRates.FindCountry(QStringLiteral("Twoland"));
    data::rsRates.Delete();

    choose(ctl(*hud).lstCountries[1], QStringLiteral("Twoland"));
    EXPECT_TRUE(ctl(*hud).txtExchangeRate[1]->text().isEmpty());
    EXPECT_TRUE(ctl(*hud).txtDenomination[1]->text().isEmpty());
    EXPECT_FALSE(ctl(*hud).cmdCalculate->isEnabled());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].prompt.contains(QStringLiteral("Twoland")));
    EXPECT_TRUE(messages[0].prompt.contains(QStringLiteral("no longer in the rates table")));
    EXPECT_EQ(ctl(*hud).txtExchangeRate[0]->text(), QStringLiteral("1"));  // the other side keeps its values
}

TEST_F(MainWindowTest, refillKeepsBoxesAndClearsSelection)
{
    choose(ctl(*hud).lstCountries[0], QStringLiteral("Testland"));
    hud->fillCountryLists();
    EXPECT_TRUE(ctl(*hud).lstCountries[0]->selectedItems().isEmpty());
    EXPECT_EQ(ctl(*hud).txtExchangeRate[0]->text(), QStringLiteral("1.5"));
    EXPECT_EQ(hud->countryEntries(1), (QStringList{QStringLiteral("Britain"), QStringLiteral("britain"), QStringLiteral("O'Brien's Land"),
                                  QStringLiteral("Testland"), QStringLiteral("Threeland"), QStringLiteral("Twoland"),
                                  QStringLiteral("Zeroland")}));
}

TEST_F(MainWindowTest, emptiedTableEmptiesBothLists)
{
    for (const auto& row : TestSupport::trickyRates()) {
        data::rsRates.FindCountry(row.country);
        data::rsRates.Delete();
    }
    hud->fillCountryLists();
    EXPECT_EQ(ctl(*hud).lstCountries[0]->count(), 0);
    EXPECT_EQ(ctl(*hud).lstCountries[1]->count(), 0);
    EXPECT_TRUE(messages.empty());
}

TEST_F(MainWindowTest, screenReaderSeesNamesBuddiesAndFigures)
{
    EXPECT_EQ(ctl(*hud).lstCountries[0]->accessibleName(), QStringLiteral("Convert From: country"));
    EXPECT_EQ(ctl(*hud).lstCountries[1]->accessibleName(), QStringLiteral("Convert To: country"));
    EXPECT_EQ(ctl(*hud).txtExchangeRate[1]->accessibleName(), QStringLiteral("Convert To: exchange rate"));
    const auto* com = hud->findChild<QLabel*>(QStringLiteral("lblCom"));
    EXPECT_EQ(com->buddy(), ctl(*hud).txtCom);
    EXPECT_EQ(hud->findChild<QLabel*>(QStringLiteral("lblDenomination_1"))->buddy(), ctl(*hud).txtDenomination[1]);

    // Each figure is heard as what it is, with its value once there is one.
    const AppFixture::Hud c(*hud);
    const std::pair<QLabel*, QString> figures[] = {
        {c.lblExRes, QStringLiteral("Exchange")}, {c.lblComRes, QStringLiteral("Commission")},
        {c.lblTotalRes, QStringLiteral("Total")}};
    const auto heard = [](QLabel* label, QAccessible::Text t) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(label);
        return a ? a->text(t) : QStringLiteral("(none)");
    };
    for (const auto& [label, what] : figures) {
        EXPECT_EQ(heard(label, QAccessible::Name), what);
        EXPECT_EQ(heard(label, QAccessible::Value), QString());
    }
    choose(c.lstCountries[0], QStringLiteral("Britain"));
    choose(c.lstCountries[1], QStringLiteral("Testland"));
    typeInto(c.txtConvert, QStringLiteral("100"));
    typeInto(c.txtCom, QStringLiteral("2"));
    QTest::mouseClick(c.cmdCalculate, Qt::LeftButton);
    const QString values[] = {QStringLiteral("150.00"), QStringLiteral("3.00"), QStringLiteral("147.00")};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(heard(figures[i].first, QAccessible::Name), figures[i].second + QStringLiteral(": ") + values[i]);
        EXPECT_EQ(heard(figures[i].first, QAccessible::Value), values[i]);
    }
}

TEST_F(MainWindowTest, windowHasFixedSizeAndNoMinimiseOrMaximise)
{
    EXPECT_EQ(hud->windowTitle(), QStringLiteral("Tallyvane"));
    EXPECT_EQ(hud->minimumSize(), hud->maximumSize());
    EXPECT_FALSE(hud->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(hud->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(hud->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(hud->windowFlags() & Qt::WindowStaysOnTopHint);
}

// ---- The user's decimal mark -------------------------------------------------

struct MarkCase {
    QLocale::Language language;
    const char* typed;
    const char* shown;
};

class DecimalKey : public MainWindowTest, public ::testing::WithParamInterface<MarkCase> {
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(GetParam().language));
        MainWindowTest::SetUp();
    }
    void TearDown() override
    {
        MainWindowTest::TearDown();
        QLocale::setDefault(saved);
    }
    QLocale saved;
};

TEST_P(DecimalKey, typesTheLocalesMarkAndAPointNeverGroups)
{
    const AppFixture::Hud c(*hud);
    for (QLineEdit* box : {c.txtConvert, c.txtCom, c.txtExchangeRate[0]}) {
        typeInto(box, QString::fromUtf8(GetParam().typed));
        EXPECT_EQ(box->text().toStdString(), GetParam().shown) << box->objectName().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Locales, DecimalKey,
                         ::testing::Values(MarkCase{QLocale::German, "12,50", "12,50"},
                                           MarkCase{QLocale::German, "1.000", "1000"},
                                           MarkCase{QLocale::German, "1.000,50", "1000,50"},
                                           MarkCase{QLocale::French, "1,2,3", "1,2,3"},
                                           MarkCase{QLocale::Polish, "0,5", "0,5"},
                                           MarkCase{QLocale::English, "1.000", "1.000"}));

TEST_P(DecimalKey, keypadsDecimalKeyTypesTheMark)
{
    const AppFixture::Hud c(*hud);
    const bool point = QLocale().decimalPoint() == u".";
    for (QLineEdit* box : {c.txtConvert, c.txtCom}) {
        typeInto(box, QStringLiteral("1"));
        QTest::keyClick(box, Qt::Key_Period, Qt::KeypadModifier);
        QTest::keyClick(box, Qt::Key_Comma, Qt::KeypadModifier);
        EXPECT_EQ(box->text().toStdString(), point ? "1.." : "1,,");
    }
}

TEST_F(MainWindowTest, figuresAndRatesAreInTheUsersFormAndAPastedPointIsNeverRead)
{
    const QLocale saved;
    const auto restore = qScopeGuard([&saved] { QLocale::setDefault(saved); });
    QLocale::setDefault(QLocale(QLocale::German));
    const AppFixture::Hud c(*hud);
    choose(c.lstCountries[0], QStringLiteral("Britain"));
    choose(c.lstCountries[1], QStringLiteral("Testland"));
    EXPECT_EQ(c.txtExchangeRate[1]->text(), QStringLiteral("1,5"));
    typeInto(c.txtConvert, QStringLiteral("12,50"));
    typeInto(c.txtCom, QStringLiteral("2"));
    QTest::mouseClick(c.cmdCalculate, Qt::LeftButton);
    // The total is the two figures above it subtracted: 18,75 - 0,38.
    EXPECT_EQ(c.figures(), (QStringList{QStringLiteral("18,75"), QStringLiteral(",38"), QStringLiteral("18,37")}));

    for (const QString& pasted : {QStringLiteral("1.000"), QStringLiteral("1.000,50"), QStringLiteral("1.5")}) {
        QGuiApplication::clipboard()->setText(pasted);
        c.txtConvert->clear();
        c.txtConvert->paste();  // as the context menu's Paste does
        ASSERT_EQ(c.txtConvert->text(), pasted);
        messages.clear();
        QTest::mouseClick(c.cmdCalculate, Qt::LeftButton);
        EXPECT_EQ(c.figures(), (QStringList{QString(), QString(), QString()})) << pasted.toStdString();
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_TRUE(messages[0].prompt.startsWith(QStringLiteral("The amount is not a number. Write it with digits")))
            << messages[0].prompt.toStdString();
    }
}

// ---- Sorting and the first arrow key ----------------------------------------

struct SortCase {
    const char* locale;
    std::vector<const char*> expected;
};

class PeopleSort : public ProgramTest, public ::testing::WithParamInterface<SortCase> {};

TEST_P(PeopleSort, listsFollowTheUsersLocaleAndLookUpsStayExact)
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QString::fromLatin1(GetParam().locale)));
    createDatabase({{QStringLiteral("United States"), QStringLiteral("Dollar"), 1.25},
                    {QStringLiteral("Czech Republic"), QStringLiteral("Koruna"), 28.0},
                    {QString::fromUtf8("Éire"), QStringLiteral("Euro"), 1.1},
                    {QStringLiteral("britain"), QStringLiteral("Small pound"), 4.0},
                    {QString::fromUtf8("Côte d'Ivoire"), QStringLiteral("Franc"), 700.0},
                    {QStringLiteral("Britain"), QStringLiteral("Pound"), 1.0},
                    {QString::fromUtf8("Åland"), QStringLiteral("Euro"), 1.2},
                    {QStringLiteral("zambia"), QStringLiteral("Kwacha"), 20.0}});
    const AppFixture::Hud c(startProgram());
    QLocale::setDefault(saved);
    std::vector<std::string> expected(GetParam().expected.begin(), GetParam().expected.end());
    for (QListWidget* list : c.lstCountries) {
        std::vector<std::string> shown;
        for (int i = 0; i < list->count(); ++i)
            shown.push_back(list->item(i)->text().toStdString());
        EXPECT_EQ(shown, expected);
    }
    // Equal for sorting is not equal for looking up.
    choose(c.lstCountries[0], QStringLiteral("britain"));
    EXPECT_EQ(c.txtDenomination[0]->text(), QStringLiteral("Small pound"));
}

INSTANTIATE_TEST_SUITE_P(
    Locales, PeopleSort,
    ::testing::Values(SortCase{"en_GB", {"Åland", "Britain", "britain", "Côte d'Ivoire", "Czech Republic", "Éire",
                                         "United States", "zambia"}},
                      // Swedish puts Å after Z, and ô with ö after it too.
                      SortCase{"sv_SE", {"Britain", "britain", "Czech Republic", "Côte d'Ivoire", "Éire",
                                         "United States", "zambia", "Åland"}}));

TEST_F(MainWindowTest, firstArrowKeyInAListWithoutChoiceChoosesTheFirstEntry)
{
    const AppFixture::Hud c(*hud);
    for (int i = 0; i < 2; ++i) {
        ASSERT_TRUE(c.lstCountries[i]->selectedItems().isEmpty());
        c.lstCountries[i]->setFocus(Qt::TabFocusReason);
        QTest::keyClick(c.lstCountries[i], Qt::Key_Down);
        EXPECT_EQ(c.selected(i), QStringLiteral("Britain")) << "side " << i;
        EXPECT_EQ(c.txtDenomination[i]->text(), QStringLiteral("Pound"));
        QTest::keyClick(c.lstCountries[i], Qt::Key_Down);
        EXPECT_EQ(c.selected(i), QStringLiteral("britain")) << "side " << i;
    }
}

// ---- Size and long figures ---------------------------------------------------

// Every control lies inside its parent and has at least the room it asks for.
void expectNothingClipped(const QWidget& window)
{
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        if (!w->isVisible() || !w->parentWidget() || w->isWindow())
            continue;
        const QString name = w->objectName();
        if (name.isEmpty() || name.startsWith(u"qt_"))
            continue;
        EXPECT_TRUE(w->parentWidget()->rect().contains(w->geometry())) << name.toStdString();
        EXPECT_GE(w->width(), w->minimumSizeHint().width()) << name.toStdString();
        EXPECT_GE(w->height(), w->minimumSizeHint().height()) << name.toStdString() << " " << w->metaObject()->className();
    }
}

TEST_F(MainWindowTest, fitsAScaledScreenWithNothingCut)
{
    // At twice the scale it must fit a 1280-pixel screen, frame included.
    EXPECT_LE(hud->width(), 600);
    expectNothingClipped(*hud);

    const AppFixture::Hud c(*hud);
    QListWidget* list = c.lstCountries[0];
    const QString longName = QStringLiteral("The United Kingdom of Great Britain and Northern Ireland");
    list->addItem(longName);
    EXPECT_GT(list->fontMetrics().horizontalAdvance(longName), list->viewport()->width());
    EXPECT_EQ(list->textElideMode(), Qt::ElideRight);
    EXPECT_EQ(list->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    // The names the program lists carry themselves as tooltip.
    for (int i = 0; i + 1 < list->count(); ++i)
        EXPECT_EQ(list->item(i)->toolTip(), list->item(i)->text());
}

TEST_F(MainWindowTest, theLargestFiguresAreReadableInFull)
{
    const AppFixture::Hud c(*hud);
    choose(c.lstCountries[0], QStringLiteral("Britain"));
    choose(c.lstCountries[1], QStringLiteral("Testland"));
    // 1.5 times 10^308: close to the largest double, 309 digits before the point.
    typeInto(c.txtConvert, QStringLiteral("1") + QString(308, u'0'));
    typeInto(c.txtCom, QStringLiteral("40"));
    const int width = hud->width();
    QTest::mouseClick(c.cmdCalculate, Qt::LeftButton);
    ASSERT_TRUE(messages.empty()) << messages.front().prompt.toStdString();
    EXPECT_EQ(hud->width(), width) << "the window keeps its size";
    expectNothingClipped(*hud);

    for (QLabel* label : {c.lblExRes, c.lblComRes, c.lblTotalRes}) {
        auto* figure = static_cast<FigureLabel*>(label);
        const QString whole = figure->text();
        ASSERT_GE(whole.size(), 300) << label->objectName().toStdString();
        // Shown elided, with its first digits and its decimals in view.
        const QString shown = figure->shownText();
        EXPECT_LE(figure->fontMetrics().horizontalAdvance(shown), figure->contentsRect().width());
        EXPECT_TRUE(shown.endsWith(whole.right(3))) << shown.toStdString();
        EXPECT_TRUE(shown.startsWith(whole.left(2))) << shown.toStdString();

        // Hovering shows it whole, in lines that fit on the screen.
        QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), figure->mapToGlobal(QPoint(2, 2)));
        QCoreApplication::sendEvent(figure, &help);
        ASSERT_TRUE(QTest::qWaitFor([] { return QToolTip::isVisible(); }, 2000));
        const QString tip = QToolTip::text();
        EXPECT_EQ(QString(tip).remove(u'\n'), whole);
        for (const QString& line : tip.split(u'\n'))
            EXPECT_LT(QFontMetrics(QToolTip::font()).horizontalAdvance(line), figure->screen()->geometry().width());
        QToolTip::hideText();
    }
    EXPECT_EQ(c.lblExRes->text().size(), 309 + 3);

    // A figure that fits is shown whole, and hovering adds nothing.
    typeInto(c.txtConvert, QStringLiteral("100"));
    QTest::mouseClick(c.cmdCalculate, Qt::LeftButton);
    EXPECT_EQ(static_cast<FigureLabel*>(c.lblTotalRes)->shownText(), QStringLiteral("90.00"));
}

TEST_F(MainWindowTest, anyMenuCommandsShortcutWinsInsideTextBoxes)
{
    // A command added to a menu later, with a shortcut a text box uses itself
    // (Ctrl+K deletes to the end of the line).
    QMenu* help = hud->findChild<QMenu*>(QStringLiteral("mnuHelp"));
    ASSERT_NE(help, nullptr);
    QAction* added = help->addAction(QStringLiteral("&Keep"));
    added->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
    QSignalSpy spy(added, &QAction::triggered);
    const AppFixture::Hud c(*hud);
    typeInto(c.txtDenomination[1], QStringLiteral("Pound"));
    QTest::keyClick(c.txtDenomination[1], Qt::Key_Home);
    QTest::keyClick(c.txtDenomination[1], Qt::Key_K, Qt::ControlModifier);
    EXPECT_EQ(spy.count(), 1);
    EXPECT_EQ(c.txtDenomination[1]->text(), QStringLiteral("Pound"));
}

TEST_F(MainWindowTest, aLookupThatFailsEmptiesItsSideAndReportsTheFailure)
{
    const AppFixture::Hud c(*hud);
    choose(c.lstCountries[0], QStringLiteral("Britain"));
    choose(c.lstCountries[1], QStringLiteral("Testland"));
    typeInto(c.txtConvert, QStringLiteral("1"));
    data::rsRates.Close();

    choose(c.lstCountries[1], QStringLiteral("Twoland"));
    ASSERT_EQ(messages.size(), 1u);
    const QStringList lines = messages[0].prompt.split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 4) << messages[0].prompt.toStdString();
    EXPECT_EQ(lines[0], QStringLiteral("The rate of \"Twoland\" could not be read."));
    EXPECT_EQ(lines[2], QStringLiteral("ERROR #: %1").arg(data::Err::ObjectClosed));
    EXPECT_EQ(messages[0].icon, widgets::MsgBoxIcon::Exclamation);
    EXPECT_TRUE(c.txtExchangeRate[1]->text().isEmpty());
    EXPECT_TRUE(c.txtDenomination[1]->text().isEmpty());
    EXPECT_FALSE(c.cmdCalculate->isEnabled());
    EXPECT_EQ(c.txtDenomination[0]->text(), QStringLiteral("Pound"));
}

TEST_F(MainWindowTest, rateBoxTellsTheDayOfItsRate)
{
    const AppFixture::Hud c(*hud);
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German));
    hud->setRateDate(1, QDate(2020, 1, 1));
    QLocale::setDefault(saved);
    EXPECT_EQ(c.txtExchangeRate[1]->toolTip(), QStringLiteral("Rate of 1 January 2020"));
    EXPECT_TRUE(c.txtExchangeRate[0]->toolTip().isEmpty());
    hud->setRateDate(1, QDate());
    EXPECT_TRUE(c.txtExchangeRate[1]->toolTip().isEmpty());
}

// ---- Deals priced with the till's terms ---------------------------------------

class DealWindowTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        createDatabase({
            {.country = QStringLiteral("Britain"), .unit = QStringLiteral("Pound"), .rate = 1.0},
            {.country = QStringLiteral("Euroland"), .unit = QStringLiteral("Euro"), .rate = 1.17, .code = QStringLiteral("EUR"),
             .buyMargin = 2.0, .sellMargin = 3.0, .smallestNote = data::Money::fromHundredths(500)},
            {.country = QStringLiteral("Yenland"), .unit = QStringLiteral("Yen"), .rate = 160.0, .code = QStringLiteral("JPY"),
             .sellMargin = 1.5, .smallestNote = data::Money::fromHundredths(100000)},
            {.country = QStringLiteral("Plainland"), .unit = QStringLiteral("Plain"), .rate = 2.0},
        });
        hud = &startProgram();
        ASSERT_TRUE(QTest::qWaitForWindowActive(hud));
        messages.clear();
    }
    frmHUD* hud = nullptr;
};

// One window through a run of deals, so each line also goes again when the
// next deal has none. Figures: exchange, commission, total, paid out, paid in pounds.
TEST_F(DealWindowTest, showsTheDealsRatesTheMinimumAndWhatTheTillPaysOut)
{
    struct Deal {
        const char* from;
        const char* to;
        const char* amount;
        const char* commission;
        qint64 minimumPence;
        const char* buyLine;   // under the Convert From rate box
        const char* sellLine;  // under the Convert To rate box
        const char* commissionCaption;
        std::array<const char*, 5> figures;
    };
    const Deal deals[] = {
        {"Britain", "Euroland", "100", "0", 0, "", "We sell at 1.1349", "Commission:",
         {"113.49", ".00", "113.49", "110.00", "3.07"}},
        {"Euroland", "Britain", "100", "1", 250, "We buy at 1.19388", "", "Commission (minimum):",
         {"83.76", "2.50", "81.26", "", ""}},
        // Through the pound: the euro bought, the yen sold; the minimum (157.60 yen) below 2 %;
        // 936.67 yen are below the smallest note.
        {"Euroland", "Yenland", "100", "2", 100, "We buy at 1.19388", "We sell at 157.6", "Commission:",
         {"13200.68", "264.01", "12936.67", "12000.00", "5.94"}},
        // The minimum, in yen, above the whole amount: nothing is paid out.
        {"Britain", "Yenland", "1", "0", 300, "", "We sell at 157.6", "Commission (minimum):",
         {"157.60", "472.80", "-315.20", "", ""}},
        {"Plainland", "Britain", "10", "0", 0, "", "", "Commission:", {"5.00", ".00", "5.00", "", ""}},
    };
    const AppFixture::Hud c(*hud);
    const auto figure = [this](const char* name) {
        return AppFixture::control<QLabel>(*hud, QString::fromLatin1(name));
    };
    for (const Deal& d : deals) {
        SCOPED_TRACE(std::string(d.from) + " to " + d.to);
        data::Rates::instance().setMinimumCommission(data::Money::fromHundredths(d.minimumPence));
        choose(c.lstCountries[0], QString::fromUtf8(d.from));
        choose(c.lstCountries[1], QString::fromUtf8(d.to));
        const char* lines[] = {d.buyLine, d.sellLine};
        for (int i = 0; i < 2; ++i) {
            QLabel* line = figure(i == 0 ? "lblDealRate_0" : "lblDealRate_1");
            EXPECT_EQ(line->isVisible() ? line->text() : QString(), QString::fromUtf8(lines[i]));
            // Heard with the box: the deal's rate, then the rate's date.
            QStringList heard;
            if (*lines[i])
                heard << QString::fromUtf8(lines[i]);
            if (const QString date = figure(i == 0 ? "lblRateDate_0" : "lblRateDate_1")->text(); !date.isEmpty())
                heard << date;
            EXPECT_EQ(c.txtExchangeRate[i]->accessibleDescription(), heard.join(QStringLiteral("; ")));
        }
        typeInto(c.txtConvert, QString::fromUtf8(d.amount));
        typeInto(c.txtCom, QString::fromUtf8(d.commission));
        QTest::mouseClick(c.cmdCalculate, Qt::LeftButton);
        EXPECT_TRUE(messages.empty());
        // The longer caption is broken into the lines the window's width holds.
        EXPECT_EQ(figure("lblCommission")->text().replace(u'\n', u' '), QString::fromUtf8(d.commissionCaption));
        const char* names[] = {"lblExRes", "lblComRes", "lblTotalRes", "lblPaidOutRes", "lblPaidInPoundsRes"};
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(figure(names[i])->text(), QString::fromUtf8(d.figures[i])) << names[i];
        const bool paid = *d.figures[3] != '\0';
        EXPECT_EQ(figure("lblPaidOut")->isVisible(), paid);
        EXPECT_EQ(figure("lblPaidInPounds")->isVisible(), paid);
    }
    // A new minimum voids the figures priced with the old one.
    ASSERT_FALSE(c.lblExRes->text().isEmpty());
    data::Rates::instance().setMinimumCommission(data::Money::fromHundredths(100));
    EXPECT_EQ(c.figures(), (QStringList{QString(), QString(), QString()}));
    EXPECT_EQ(figure("lblCommission")->text(), QStringLiteral("Commission:"));
}

} // namespace

namespace {

// The line under each rate box, as the till and a screen reader meet it.
TEST_F(ProgramTest, rateLineMarksAnOldRateInWordsColourAndForScreenReaders)
{
    const QDate today = QDate::currentDate();
    createDatabase({{.country = QStringLiteral("Britain"), .unit = QStringLiteral("Pound"), .rate = 1, .updated = today},
                    {.country = QStringLiteral("Oldland"), .unit = QStringLiteral("Crown"), .rate = 2,
                     .updated = today.addDays(-32)}});
    frmHUD& window = startProgram();
    choose(ctl(window).lstCountries[0], QStringLiteral("Britain"));
    choose(ctl(window).lstCountries[1], QStringLiteral("Oldland"));
    const auto* fresh = window.findChild<QLabel*>(QStringLiteral("lblRateDate_0"));
    const auto* old = window.findChild<QLabel*>(QStringLiteral("lblRateDate_1"));
    ASSERT_TRUE(fresh && old);
    EXPECT_FALSE(fresh->text().endsWith(QStringLiteral(": old"))) << fresh->text().toStdString();
    EXPECT_TRUE(old->text().endsWith(QStringLiteral(": old"))) << old->text().toStdString();
    EXPECT_NE(old->palette().color(QPalette::WindowText), fresh->palette().color(QPalette::WindowText));
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(ctl(window).txtExchangeRate[1])
                    ->text(QAccessible::Description)
                    .contains(old->text()));

    // A limit of 0 days: nothing is old.
    widgets::UserSettings(QStringLiteral("Rates")).setValue(QStringLiteral("OldAfterDays"), 0);
    choose(ctl(window).lstCountries[1], QStringLiteral("Britain"));
    choose(ctl(window).lstCountries[1], QStringLiteral("Oldland"));
    EXPECT_FALSE(old->text().endsWith(QStringLiteral(": old"))) << old->text().toStdString();
}

} // namespace
