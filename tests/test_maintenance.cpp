// The Add Rates and Delete/Edit Rates dialogs, driven through the main window's
// File menu on real rates files.

#include "AppFixture.h"

#include "maintenance/frmAddExchange.h"
#include "maintenance/frmDelete.h"
#include "maintenance/frmSettings.h"

#include "data/NumberForm.h"
#include "data/Rates.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>

using namespace MaintenanceFixture;
using AppFixture::choose;
using AppFixture::typeInto;

namespace {

const QString Placeholder = QStringLiteral("---------------------");

// Where the focus goes on each Tab from the current focus, once round the window.
std::vector<QWidget*> tabOrder()
{
    std::vector<QWidget*> order;
    QWidget* start = QApplication::focusWidget();
    for (int i = 0; i < 10; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order.push_back(QApplication::focusWidget());
        if (order.back() == start)
            break;
    }
    return order;
}

} // namespace

// ---- Add Rates -------------------------------------------------------------

TEST_F(MaintenanceTest, AddDialogOpensAsDesigned)
{
    startProgram();
    withDialog<frmAddExchange>("mnuFileAddRates", [](frmAddExchange& d) {
        EXPECT_EQ(str(d.windowTitle()), "Add Exchange Rate");
        EXPECT_EQ(str(d.findChild<QLabel*>(QStringLiteral("lblInfo"))->text()),
                  "To add anew exchange rate, simply fill in the fields below and press the 'Save' button.");
        EXPECT_EQ(d.parentWidget(), &frmHUD::instance());
        EXPECT_EQ(d.minimumSize(), d.maximumSize()) << "fixed border";
        EXPECT_FALSE(d.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
        EXPECT_EQ(str(ctl(d).txtDenom->text()), str(Placeholder));
        EXPECT_TRUE(ctl(d).txtCountry->text().isEmpty());
        EXPECT_TRUE(ctl(d).txtExRate->text().isEmpty());
        EXPECT_FALSE(ctl(d).cmdSave->isEnabled());
        EXPECT_TRUE(ctl(d).cmdFinished->isDefault());
        EXPECT_EQ(QApplication::focusWidget(), ctl(d).cmdFinished);
        EXPECT_EQ(d.findChild<QLabel*>(QStringLiteral("lblDenom"))->buddy(), ctl(d).txtDenom);
        const auto box = [&d](const char* name) { return AppFixture::control<QLineEdit>(d, QString::fromLatin1(name)); };
        EXPECT_EQ(tabOrder(), (std::vector<QWidget*>{ctl(d).txtCountry, ctl(d).txtDenom, ctl(d).txtExRate, box("txtCode"),
                                                     box("txtBuyMargin"), box("txtSellMargin"), box("txtSmallestNote"),
                                                     ctl(d).cmdFinished}))
            << "Save is skipped while disabled";

        QTest::keyClicks(ctl(d).txtCountry, QString(60, QLatin1Char('x')));
        QTest::keyClicks(ctl(d).txtDenom, QString(30, QLatin1Char('y')));
        EXPECT_EQ(ctl(d).txtCountry->text().size(), 50);
        EXPECT_EQ(ctl(d).txtDenom->text().size(), 25);
    });
    // A second opening starts afresh.
    withDialog<frmAddExchange>("mnuFileAddRates", [](frmAddExchange& d) {
        EXPECT_TRUE(ctl(d).txtCountry->text().isEmpty());
        EXPECT_EQ(str(ctl(d).txtDenom->text()), str(Placeholder));
    });
}

TEST_F(MaintenanceTest, AddSaveFollowsTheBoxes)
{
    startProgram();
    withDialog<frmAddExchange>("mnuFileAddRates", [](frmAddExchange& d) {
        typeInto(ctl(d).txtCountry, QStringLiteral("Newland"));
        EXPECT_FALSE(ctl(d).cmdSave->isEnabled()) << "no rate yet";
        typeInto(ctl(d).txtExRate, QStringLiteral("2.5"));
        EXPECT_TRUE(ctl(d).cmdSave->isEnabled()) << "the placeholder counts as a unit";
        typeInto(ctl(d).txtDenom, QString());
        EXPECT_FALSE(ctl(d).cmdSave->isEnabled());
        QTest::keyClick(ctl(d).txtDenom, Qt::Key_Tab);  // leaving it empty puts the placeholder back
        EXPECT_EQ(QApplication::focusWidget(), ctl(d).txtExRate);
        EXPECT_EQ(str(ctl(d).txtDenom->text()), str(Placeholder));
        EXPECT_TRUE(ctl(d).cmdSave->isEnabled());
    });
}

struct RateKeys {
    const char* name;
    const char* start;  // text already in the box, cursor at its end
    std::function<void(QLineEdit*)> keys;
    const char* expected;
    friend void PrintTo(const RateKeys& k, std::ostream* os) { *os << k.name; }
};

class RateFilter : public MaintenanceTest, public ::testing::WithParamInterface<RateKeys> {};

TEST_P(RateFilter, KeepsOnlyDigitsAndOnePoint)
{
    startProgram();
    frmAddExchange dialog(&frmHUD::instance());
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    ctl(dialog).txtExRate->setFocus();
    ctl(dialog).txtExRate->setText(QString::fromLatin1(GetParam().start));
    GetParam().keys(ctl(dialog).txtExRate);
    EXPECT_EQ(str(ctl(dialog).txtExRate->text()), GetParam().expected);
    EXPECT_TRUE(dialog.isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    AddDialog, RateFilter,
    ::testing::Values(
        RateKeys{"decimal", "", [](QLineEdit* b) { QTest::keyClicks(b, QStringLiteral("12.5")); }, "12.5"},
        RateKeys{"secondPointRefused", "", [](QLineEdit* b) { QTest::keyClicks(b, QStringLiteral("1.2.3")); }, "1.23"},
        RateKeys{"signsCommaLettersSpace", "",
                 [](QLineEdit* b) { QTest::keyClicks(b, QStringLiteral("-+, aE7")); }, "7"},
        RateKeys{"backspace", "123", [](QLineEdit* b) { QTest::keyClick(b, Qt::Key_Backspace); }, "12"},
        RateKeys{"deleteKey", "12",
                 [](QLineEdit* b) {
                     b->home(false);
                     QTest::keyClick(b, Qt::Key_Delete);
                 },
                 "2"},
        RateKeys{"pointOverSelectedPoint", "1.5",
                 [](QLineEdit* b) {
                     b->setSelection(1, 1);
                     QTest::keyClicks(b, QStringLiteral("."));
                 },
                 "1.5"},
        RateKeys{"clipboardShortcuts", "1",
                 [](QLineEdit* b) {
                     QGuiApplication::clipboard()->setText(QStringLiteral("99"));
                     QTest::keyClick(b, Qt::Key_V, Qt::ControlModifier);
                     QTest::keyClick(b, Qt::Key_A, Qt::ControlModifier);  // no select-all either
                     QTest::keyClicks(b, QStringLiteral("5"));
                 },
                 "15"},
        RateKeys{"keypadDecimalIsAPoint", "3",
                 [](QLineEdit* b) {
                     QTest::keyClick(b, Qt::Key_Comma, Qt::KeypadModifier);
                     QTest::keyClick(b, Qt::Key_Period, Qt::KeypadModifier);
                 },
                 "3."}),
    [](const ::testing::TestParamInfo<RateKeys>& info) { return std::string(info.param.name); });

TEST_F(MaintenanceTest, RateBoxesTakeTheUsersDecimalMarkAndNeverAPointAsGrouping)
{
    startProgram();
    // Restored however the test ends, so no later test runs in German.
    const auto restore = qScopeGuard([saved = QLocale()] { QLocale::setDefault(saved); });
    struct Case {
        QLocale::Language language;
        const char* typed;
        const char* shown;
    };
    const Case cases[] = {{QLocale::German, "1,5,2", "1,52"},  // one mark, as with the point
                          {QLocale::German, "1.000", "1000"},  // the point types nothing
                          {QLocale::German, "1.000,50", "1000,50"},
                          {QLocale::English, "1,5,2", "152"},
                          {QLocale::English, "1.000", "1.000"}};
    for (const Case& c : cases) {
        QLocale::setDefault(QLocale(c.language));
        frmAddExchange dialog(&frmHUD::instance());
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
        typeInto(ctl(dialog).txtExRate, QString::fromLatin1(c.typed));
        EXPECT_EQ(str(ctl(dialog).txtExRate->text()), c.shown) << c.typed;
        typeInto(ctl(dialog).txtExRate, QStringLiteral("7"));
        QTest::keyClick(ctl(dialog).txtExRate, Qt::Key_Period, Qt::KeypadModifier);
        EXPECT_EQ(str(ctl(dialog).txtExRate->text()), c.language == QLocale::German ? "7," : "7.")
            << "the keypad's decimal key types the mark";
        ctl(dialog).txtExRate->clear();
        dialog.reject();
    }
}

TEST_F(MaintenanceTest, RatesAreTypedAndShownInTheUsersFormAndStoredWithAPoint)
{
    startProgram();
    const auto restore = qScopeGuard([saved = QLocale()] { QLocale::setDefault(saved); });
    QLocale::setDefault(QLocale(QLocale::German));
    withDialog<frmAddExchange>("mnuFileAddRates", [](frmAddExchange& d) {
        typeInto(ctl(d).txtCountry, QStringLiteral("Kommaland"));
        typeInto(ctl(d).txtExRate, QStringLiteral("1,25"));
        QTest::mouseClick(ctl(d).cmdSave, Qt::LeftButton);
    });
    EXPECT_EQ(storedRows().back(), "Kommaland|" + str(Placeholder) + "|1.25");
    withDialog<frmDelete>("mnuFileEditRates", [this](frmDelete& d) {
        choose(ctl(d).lstCountries, QStringLiteral("Kommaland"));
        EXPECT_EQ(str(ctl(d).txtExRate->text()), "1,25");
        // Pasted with a point, as another program or locale writes it: refused, never read as 15 or 1.5.
        for (const char* pasted : {"1.5", "1.000", "1.000,50"}) {
            ctl(d).txtExRate->setText(QString::fromLatin1(pasted));
            messages.clear();
            QTest::mouseClick(ctl(d).cmdDel, Qt::LeftButton);
            ASSERT_EQ(messages.size(), 1u);
            expectRefusal(messages[0], "without a point or any thousands separator, for example 1234,5.");
        }
        typeInto(ctl(d).txtExRate, QStringLiteral("0,000"));
        QTest::mouseClick(ctl(d).cmdDel, Qt::LeftButton);
        expectRefusal(messages.back(), "'0,000' in the Exchange Rate box is not above 0");
        ctl(d).txtExRate->setText(QStringLiteral("0,") + QString(400, u'0') + u'1');
        QTest::mouseClick(ctl(d).cmdDel, Qt::LeftButton);
        expectRefusal(messages.back(), "the smallest rate the table can hold is about 2,2E-308.");
    });
    EXPECT_EQ(storedRows().back(), "Kommaland|" + str(Placeholder) + "|1.25");
}

TEST_F(MaintenanceTest, AddSavesANewRowAndTheListsShowItAfterClosing)
{
    frmHUD& hud = startProgram();
    withDialog<frmAddExchange>("mnuFileAddRates", [this, &hud](frmAddExchange& d) {
        typeInto(ctl(d).txtCountry, QStringLiteral("Bland"));
        typeInto(ctl(d).txtExRate, QStringLiteral("4.25"));
        QTest::mouseClick(ctl(d).cmdSave, Qt::LeftButton);
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(str(messages[0].prompt), "The New Exchange Rate has been saved successfuly");
        EXPECT_EQ(str(messages[0].title), "Tallyvane");
        EXPECT_EQ(messages[0].icon, widgets::MsgBoxIcon::None);
        EXPECT_TRUE(ctl(d).txtCountry->text().isEmpty());
        EXPECT_TRUE(ctl(d).txtExRate->text().isEmpty());
        EXPECT_EQ(str(ctl(d).txtDenom->text()), str(Placeholder));
        EXPECT_FALSE(ctl(d).cmdSave->isEnabled());
        EXPECT_EQ(ctl(hud).lstCountries[0]->count(), 4) << "the main window waits for the dialog to close";

        // Enter on the focused Save button saves (the button, not Finished).
        typeInto(ctl(d).txtCountry, QStringLiteral("Cland"));
        typeInto(ctl(d).txtDenom, QStringLiteral("Cee"));
        typeInto(ctl(d).txtExRate, QStringLiteral("7"));
        ctl(d).cmdSave->setFocus(Qt::TabFocusReason);
        QTest::keyClick(ctl(d).cmdSave, Qt::Key_Return);
        EXPECT_TRUE(d.isVisible());
        QTest::mouseClick(ctl(d).cmdFinished, Qt::LeftButton);
    });
    EXPECT_EQ(storedRows(), (std::vector<std::string>{"Britain|Pound|1", "Twoland|Two|2", "Threeland|Three|3",
                                                      "Aland|Ay|0.5", "Bland|" + str(Placeholder) + "|4.25",
                                                      "Cland|Cee|7"}));
    for (QListWidget* list : ctl(hud).lstCountries) {
        EXPECT_EQ(itemsOf(*list),
                  (std::vector<std::string>{"Aland", "Bland", "Britain", "Cland", "Threeland", "Twoland"}));
    }
}

TEST_F(MaintenanceTest, AddRefusesACountryTheTableHolds)
{
    startProgram();
    withDialog<frmAddExchange>("mnuFileAddRates", [this](frmAddExchange& d) {
        typeInto(ctl(d).txtCountry, QStringLiteral("Twoland"));
        typeInto(ctl(d).txtExRate, QStringLiteral("9"));
        QTest::mouseClick(ctl(d).cmdSave, Qt::LeftButton);
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(str(messages[0].prompt), "Twoland already exists.");
        EXPECT_EQ(str(messages[0].title), "Tallyvane");
        EXPECT_EQ(str(ctl(d).txtCountry->text()), "Twoland") << "the boxes keep their text";
        EXPECT_EQ(str(ctl(d).txtExRate->text()), "9");
    });
    EXPECT_EQ(storedRows().size(), 4u);
}

TEST_F(MaintenanceTest, AddIntoAnEmptyTable)
{
    frmHUD& hud = startProgram({});
    withDialog<frmAddExchange>("mnuFileAddRates", [](frmAddExchange& d) {
        typeInto(ctl(d).txtCountry, QStringLiteral("Britain"));
        typeInto(ctl(d).txtExRate, QStringLiteral("1"));
        QTest::mouseClick(ctl(d).cmdSave, Qt::LeftButton);
    });
    EXPECT_EQ(str(messages.at(0).prompt), "The New Exchange Rate has been saved successfuly");
    EXPECT_EQ(storedRows(), (std::vector<std::string>{"Britain|" + str(Placeholder) + "|1"}));
    EXPECT_EQ(itemsOf(*ctl(hud).lstCountries[1]), (std::vector<std::string>{"Britain"}));
}

TEST_F(MaintenanceTest, AFailedAddLeavesNoRowAndTheNextSaveIsClean)
{
    startProgram();
    withDialog<frmAddExchange>("mnuFileAddRates", [this](frmAddExchange& d) {
        typeInto(ctl(d).txtCountry, QStringLiteral("Pointland"));
        ctl(d).txtExRate->setText(QStringLiteral("."));  // the filter would not let it be typed alone
        QTest::mouseClick(ctl(d).cmdSave, Qt::LeftButton);
        ASSERT_EQ(messages.size(), 1u);
        expectRefusal(messages[0], "'.' in the Exchange Rate box is not a number. Write it with digits and at most "
                                   "one '.' as the decimal mark, for example 1234.5.");
        EXPECT_EQ(str(ctl(d).txtCountry->text()), "Pointland");
        EXPECT_EQ(str(ctl(d).txtExRate->text()), ".");

        // Nothing of the failed row may ride along with the next one.
        ctl(d).txtExRate->setText(QStringLiteral("0.25"));
        QTest::mouseClick(ctl(d).cmdSave, Qt::LeftButton);
        EXPECT_EQ(str(messages.back().prompt), "The New Exchange Rate has been saved successfuly");
    });
    const auto rows = storedRows();
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows.back(), "Pointland|" + str(Placeholder) + "|0.25");
}

TEST_F(MaintenanceTest, AddWithTheDatabaseClosedReportsAndGoesOn)
{
    startProgram();
    data::rsRates.Close();
    data::cnRates.Close();
    withDialog<frmAddExchange>("mnuFileAddRates", [this](frmAddExchange& d) {
        typeInto(ctl(d).txtCountry, QStringLiteral("Newland"));
        typeInto(ctl(d).txtExRate, QStringLiteral("3"));
        QTest::mouseClick(ctl(d).cmdSave, Qt::LeftButton);
        ASSERT_EQ(messages.size(), 1u);
        expectSaveError(messages[0], data::Err::ObjectClosed);
        EXPECT_TRUE(d.isVisible());
    });
    EXPECT_EQ(storedRows().size(), 4u);
}

// A typed entry is never dropped unasked: every way of closing asks first.
enum class CloseBy { Finished, Enter, Escape, CloseBox };

struct UnsavedEntry {
    CloseBy how;
    widgets::MsgBoxResult answer;
    bool closed;
    std::size_t rows;
};

void PrintTo(const UnsavedEntry& e, std::ostream* os)
{
    *os << int(e.how) << '/' << int(e.answer);
}

class UnsavedAdd : public MaintenanceTest, public ::testing::WithParamInterface<UnsavedEntry> {};

TEST_P(UnsavedAdd, AsksWhetherToSaveBeforeClosing)
{
    const UnsavedEntry& p = GetParam();
    startProgram();
    withDialog<frmAddExchange>("mnuFileAddRates", [this, &p](frmAddExchange& d) {
        typeInto(ctl(d).txtCountry, QStringLiteral("Newland"));
        typeInto(ctl(d).txtExRate, QStringLiteral("3"));
        answers = {p.answer};
        switch (p.how) {
        case CloseBy::Finished: QTest::mouseClick(ctl(d).cmdFinished, Qt::LeftButton); break;
        case CloseBy::Enter: QTest::keyClick(ctl(d).txtExRate, Qt::Key_Return); break;
        case CloseBy::Escape: QTest::keyClick(ctl(d).txtCountry, Qt::Key_Escape); break;
        case CloseBy::CloseBox: d.close(); break;
        }
        ASSERT_GE(messages.size(), 1u);
        EXPECT_EQ(str(messages[0].prompt),
                  "The new rate you typed has not been saved. Do you want to save it before closing?");
        EXPECT_EQ(messages[0].buttons, widgets::MsgBoxButtons::YesNoCancel);
        EXPECT_EQ(messages[0].defaultButton, widgets::MsgBoxResult::Yes);
        EXPECT_EQ(d.isVisible(), !p.closed);
        if (!p.closed) {
            EXPECT_EQ(str(ctl(d).txtCountry->text()), "Newland") << "Cancel keeps the entry";
            EXPECT_TRUE(ctl(d).cmdFinished->isDefault());
        }
    });
    EXPECT_EQ(storedRows().size(), p.rows);
}

using widgets::MsgBoxResult;
INSTANTIATE_TEST_SUITE_P(
    AddDialog, UnsavedAdd,
    ::testing::Values(UnsavedEntry{CloseBy::Enter, MsgBoxResult::Yes, true, 5},
                      UnsavedEntry{CloseBy::Enter, MsgBoxResult::No, true, 4},
                      UnsavedEntry{CloseBy::Enter, MsgBoxResult::Cancel, false, 4},
                      UnsavedEntry{CloseBy::Finished, MsgBoxResult::Yes, true, 5},
                      UnsavedEntry{CloseBy::Escape, MsgBoxResult::No, true, 4},
                      UnsavedEntry{CloseBy::CloseBox, MsgBoxResult::Cancel, false, 4}));

TEST_F(MaintenanceTest, YesOnAnIncompleteEntryNamesTheEmptyBoxAndStays)
{
    startProgram();
    withDialog<frmAddExchange>("mnuFileAddRates", [this](frmAddExchange& d) {
        typeInto(ctl(d).txtCountry, QStringLiteral("Newland"));
        answers = {widgets::MsgBoxResult::Yes};
        QTest::keyClick(ctl(d).txtCountry, Qt::Key_Return);
        ASSERT_EQ(messages.size(), 2u);
        expectRefusal(messages[1], "The Exchange Rate box is empty.");
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(QApplication::focusWidget(), ctl(d).txtExRate);
    });
    EXPECT_EQ(storedRows().size(), 4u);
}

// ---- Every way of closing refills the main window once ---------------------

class ClosingRefills : public MaintenanceTest,
                       public ::testing::WithParamInterface<std::tuple<const char*, CloseBy>> {
protected:
    static void closeDialog(QDialog& d, QPushButton* finished, CloseBy how)
    {
        switch (how) {
        case CloseBy::Finished: QTest::mouseClick(finished, Qt::LeftButton); break;
        case CloseBy::Enter: QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); break;
        case CloseBy::Escape: QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); break;
        case CloseBy::CloseBox: d.close(); break;
        }
        EXPECT_FALSE(d.isVisible());
    }
};

TEST_P(ClosingRefills, ExactlyOnce)
{
    // Without a database each refill reports its failure, so the reports count the refills.
    startProgram({}, false);
    const auto [action, how] = GetParam();
    if (std::string(action) == "mnuFileAddRates") {
        withDialog<frmAddExchange>(action, [how](frmAddExchange& d) { closeDialog(d, ctl(d).cmdFinished, how); });
    } else {
        withDialog<frmDelete>(action, [this, how](frmDelete& d) {
            EXPECT_EQ(ctl(d).lstCountries->count(), 0) << "opens with an empty list";
            ASSERT_EQ(messages.size(), 1u) << "the failed load is reported";
            expectFailureReport(messages[0], QStringLiteral("The list of countries could not be read."),
                                data::Err::ObjectClosed);
            messages.clear();
            closeDialog(d, ctl(d).cmdFinished, how);
        });
    }
    EXPECT_EQ(countOf(FillListsFailed), 1);
    EXPECT_EQ(messages.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(BothDialogs, ClosingRefills,
                         ::testing::Combine(::testing::Values("mnuFileAddRates", "mnuFileDeleteRates",
                                                              "mnuFileEditRates"),
                                            ::testing::Values(CloseBy::Finished, CloseBy::Escape,
                                                              CloseBy::CloseBox)));

// ---- Delete Rates ----------------------------------------------------------

TEST_F(MaintenanceTest, DeleteDialogOpensAsDesigned)
{
    startProgram();
    withDialog<frmDelete>("mnuFileDeleteRates", [](frmDelete& d) {
        EXPECT_EQ(str(d.windowTitle()), "Delete Exchange Rates");
        EXPECT_EQ(str(d.findChild<QLabel*>(QStringLiteral("lblInfo"))->text()),
                  "Select the country you wish to delete and then press the delete button.");
        EXPECT_EQ(str(ctl(d).cmdDel->text()), "&Delete");
        EXPECT_FALSE(ctl(d).cmdDel->isEnabled());
        EXPECT_TRUE(ctl(d).cmdFinished->isDefault());
        EXPECT_TRUE(d.windowFlags() & Qt::WindowMaximizeButtonHint);
        EXPECT_LT(d.minimumSize().width(), d.maximumSize().width()) << "sizable";
        EXPECT_EQ(QApplication::focusWidget(), ctl(d).lstCountries);
        EXPECT_EQ(tabOrder(),
                  (std::vector<QWidget*>{ctl(d).txtCountry, ctl(d).txtDenom, ctl(d).txtExRate, ctl(d).cmdFinished, ctl(d).lstCountries}));
        EXPECT_FALSE(ctl(d).lstCountries->accessibleName().isEmpty());
        EXPECT_EQ(itemsOf(*ctl(d).lstCountries),
                  (std::vector<std::string>{"Aland", "Britain", "Threeland", "Twoland"}));
        EXPECT_EQ(ctl(d).lstCountries->selectedItems().size(), 0);
        EXPECT_EQ(str(ctl(d).txtDenom->text()), str(Placeholder));

        choose(ctl(d).lstCountries, QStringLiteral("Aland"));
        EXPECT_EQ(str(ctl(d).txtCountry->text()), "Aland");
        EXPECT_EQ(str(ctl(d).txtExRate->text()), "0.5");
        EXPECT_EQ(str(ctl(d).txtDenom->text()), "Ay");
        EXPECT_TRUE(ctl(d).cmdDel->isEnabled());

        // Growing the window gives the room to the list; the boxes keep their size.
        const int boxWidth = ctl(d).txtCountry->width();
        const int listWidth = ctl(d).lstCountries->width();
        d.resize(d.width() + 120, d.height() + 80);
        EXPECT_TRUE(QTest::qWaitFor([&] { return ctl(d).lstCountries->width() == listWidth + 120; }));
        EXPECT_EQ(ctl(d).txtCountry->width(), boxWidth);
    });
}

TEST_F(MaintenanceTest, DeleteAsksAndRemovesTheRow)
{
    frmHUD& hud = startProgram();
    withDialog<frmDelete>("mnuFileDeleteRates", [this, &hud](frmDelete& d) {
        choose(ctl(d).lstCountries, QStringLiteral("Twoland"));
        answers = {widgets::MsgBoxResult::No};
        QTest::mouseClick(ctl(d).cmdDel, Qt::LeftButton);
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(str(messages[0].prompt), "Are you sure you want to delete Twoland?");
        EXPECT_EQ(str(messages[0].title), "Confirm Delete");
        EXPECT_EQ(messages[0].buttons, widgets::MsgBoxButtons::YesNo);
        EXPECT_EQ(messages[0].defaultButton, widgets::MsgBoxResult::Yes);
        EXPECT_EQ(messages[0].icon, widgets::MsgBoxIcon::None);
        EXPECT_EQ(str(ctl(d).txtCountry->text()), "Twoland") << "No keeps everything";
        EXPECT_EQ(ctl(d).lstCountries->count(), 4);
        EXPECT_EQ(storedRows().size(), 4u);

        QTest::mouseClick(ctl(d).cmdDel, Qt::LeftButton);  // Yes this time
        EXPECT_EQ(messages.size(), 2u) << "no message after a deletion";
        EXPECT_TRUE(ctl(d).txtCountry->text().isEmpty());
        EXPECT_TRUE(ctl(d).txtExRate->text().isEmpty());
        EXPECT_EQ(str(ctl(d).txtDenom->text()), str(Placeholder));
        EXPECT_FALSE(ctl(d).cmdDel->isEnabled());
        EXPECT_EQ(itemsOf(*ctl(d).lstCountries), (std::vector<std::string>{"Aland", "Britain", "Threeland"}));
        EXPECT_EQ(ctl(hud).lstCountries[0]->count(), 4) << "the main window waits for the dialog to close";
    });
    EXPECT_EQ(storedRows(), (std::vector<std::string>{"Britain|Pound|1", "Threeland|Three|3", "Aland|Ay|0.5"}));
    for (QListWidget* list : ctl(hud).lstCountries)
        EXPECT_EQ(itemsOf(*list), (std::vector<std::string>{"Aland", "Britain", "Threeland"}));
}

TEST_F(MaintenanceTest, DeleteActsOnTheTypedName)
{
    startProgram();
    withDialog<frmDelete>("mnuFileDeleteRates", [this](frmDelete& d) {
        choose(ctl(d).lstCountries, QStringLiteral("Twoland"));
        // A click in a box sends the focus back to the list; Tab still reaches it.
        QTest::mouseClick(ctl(d).txtCountry, Qt::LeftButton);
        EXPECT_EQ(QApplication::focusWidget(), ctl(d).lstCountries);
        QTest::keyClick(ctl(d).lstCountries, Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), ctl(d).txtCountry);
        ctl(d).txtCountry->selectAll();
        QTest::keyClick(ctl(d).txtCountry, Qt::Key_Delete);
        EXPECT_TRUE(ctl(d).cmdDel->isEnabled()) << "typing does not change the button in delete mode";

        QTest::keyClicks(ctl(d).txtCountry, QStringLiteral("Nowhere"));
        QTest::mouseClick(ctl(d).cmdDel, Qt::LeftButton);
        ASSERT_EQ(messages.size(), 2u);
        EXPECT_EQ(str(messages[1].prompt), "\"Nowhere\" is not in the rates table, so nothing was deleted.");
        EXPECT_EQ(ctl(d).lstCountries->count(), 4);

        typeInto(ctl(d).txtCountry, QStringLiteral("Threeland"));
        QTest::mouseClick(ctl(d).cmdDel, Qt::LeftButton);
        EXPECT_EQ(messages.size(), 3u);
    });
    EXPECT_EQ(storedRows(), (std::vector<std::string>{"Britain|Pound|1", "Twoland|Two|2", "Aland|Ay|0.5"}));
}

TEST_F(MaintenanceTest, DeletingTheLastRowEmptiesEveryList)
{
    frmHUD& hud = startProgram({{QStringLiteral("Britain"), QStringLiteral("Pound"), 1.0}});
    withDialog<frmDelete>("mnuFileDeleteRates", [](frmDelete& d) {
        choose(ctl(d).lstCountries, QStringLiteral("Britain"));
        QTest::mouseClick(ctl(d).cmdDel, Qt::LeftButton);
        EXPECT_EQ(ctl(d).lstCountries->count(), 0);
        EXPECT_FALSE(ctl(d).cmdDel->isEnabled());
    });
    EXPECT_TRUE(storedRows().empty());
    EXPECT_EQ(ctl(hud).lstCountries[0]->count(), 0);
    EXPECT_EQ(ctl(hud).lstCountries[1]->count(), 0);
}

TEST_F(MaintenanceTest, EnterInTheListClosesWithoutDeleting)
{
    startProgram();
    withDialog<frmDelete>("mnuFileDeleteRates", [](frmDelete& d) {
        choose(ctl(d).lstCountries, QStringLiteral("Twoland"));
        QTest::keyClick(ctl(d).lstCountries, Qt::Key_Return);
        EXPECT_FALSE(d.isVisible());
    });
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(storedRows().size(), 4u);
}

// ---- Edit Rates ------------------------------------------------------------

TEST_F(MaintenanceTest, EditWritesTheBoxesBackIntoTheChosenRow)
{
    frmHUD& hud = startProgram();
    withDialog<frmDelete>("mnuFileEditRates", [this](frmDelete& d) {
        // Its own title and instruction, naming the button it has.
        EXPECT_EQ(str(d.windowTitle()), "Edit Exchange Rates");
        EXPECT_EQ(str(d.findChild<QLabel*>(QStringLiteral("lblInfo"))->text()),
                  "Select the country you wish to edit, change its details and then click Save.");
        EXPECT_EQ(str(ctl(d).cmdDel->text()), "&Save");
        choose(ctl(d).lstCountries, QStringLiteral("Twoland"));
        typeInto(ctl(d).txtExRate, QString());
        EXPECT_FALSE(ctl(d).cmdDel->isEnabled()) << "an empty box disables Save";
        typeInto(ctl(d).txtExRate, QStringLiteral("2.25"));
        typeInto(ctl(d).txtCountry, QStringLiteral("Zwoland"));
        typeInto(ctl(d).txtDenom, QString());
        QTest::keyClick(ctl(d).txtDenom, Qt::Key_Tab);
        EXPECT_EQ(str(ctl(d).txtDenom->text()), str(Placeholder));
        EXPECT_TRUE(ctl(d).cmdDel->isEnabled());

        QTest::mouseClick(ctl(d).cmdDel, Qt::LeftButton);
        EXPECT_TRUE(messages.empty()) << prompts().front();
        EXPECT_EQ(itemsOf(*ctl(d).lstCountries), (std::vector<std::string>{"Aland", "Britain", "Threeland", "Zwoland"}));
        EXPECT_TRUE(ctl(d).txtCountry->text().isEmpty());
        EXPECT_TRUE(ctl(d).txtExRate->text().isEmpty());
        EXPECT_EQ(str(ctl(d).txtDenom->text()), str(Placeholder));
        EXPECT_FALSE(ctl(d).cmdDel->isEnabled());
    });
    EXPECT_EQ(storedRows(), (std::vector<std::string>{"Britain|Pound|1", "Zwoland|" + str(Placeholder) + "|2.25",
                                                      "Threeland|Three|3", "Aland|Ay|0.5"}));
    EXPECT_EQ(itemsOf(*ctl(hud).lstCountries[0]), (std::vector<std::string>{"Aland", "Britain", "Threeland", "Zwoland"}));
}

TEST_F(MaintenanceTest, EditRefusesAnotherRowsNameAndABoxesOnlySave)
{
    startProgram();
    withDialog<frmDelete>("mnuFileEditRates", [this](frmDelete& d) {
        // Typed by hand, with nothing chosen: no row to write into.
        typeInto(ctl(d).txtCountry, QStringLiteral("Handland"));
        typeInto(ctl(d).txtExRate, QStringLiteral("5"));
        ASSERT_TRUE(ctl(d).cmdDel->isEnabled());
        QTest::mouseClick(ctl(d).cmdDel, Qt::LeftButton);
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_TRUE(messages[0].prompt.contains(QStringLiteral("first"))) << str(messages[0].prompt);

        choose(ctl(d).lstCountries, QStringLiteral("Twoland"));
        typeInto(ctl(d).txtCountry, QStringLiteral("Britain"));
        QTest::mouseClick(ctl(d).cmdDel, Qt::LeftButton);
        ASSERT_EQ(messages.size(), 2u);
        EXPECT_EQ(str(messages[1].prompt), "Britain already exists.");

        // Back to its own name the row can still be saved: the check found another
        // row, and the write must go to the chosen one.
        typeInto(ctl(d).txtCountry, QStringLiteral("Twoland"));
        typeInto(ctl(d).txtExRate, QStringLiteral("2.5"));
        QTest::mouseClick(ctl(d).cmdDel, Qt::LeftButton);
        EXPECT_EQ(messages.size(), 2u);

        // After a Save nothing is chosen any more.
        typeInto(ctl(d).txtCountry, QStringLiteral("Aland"));
        typeInto(ctl(d).txtExRate, QStringLiteral("8"));
        QTest::mouseClick(ctl(d).cmdDel, Qt::LeftButton);
        EXPECT_EQ(messages.size(), 3u);
    });
    EXPECT_EQ(storedRows(), (std::vector<std::string>{"Britain|Pound|1", "Twoland|Two|2.5", "Threeland|Three|3",
                                                      "Aland|Ay|0.5"}));
}

struct BadEdit {
    const char* name;
    const char* box;
    QString text;
    const char* refusal;
    friend void PrintTo(const BadEdit& e, std::ostream* os) { *os << e.name; }
};

class FailedEdit : public MaintenanceTest, public ::testing::WithParamInterface<BadEdit> {};

TEST_P(FailedEdit, LeavesTheRowAsItWas)
{
    startProgram();
    withDialog<frmDelete>("mnuFileEditRates", [this](frmDelete& d) {
        choose(ctl(d).lstCountries, QStringLiteral("Twoland"));
        typeInto(ctl(d).txtExRate, QStringLiteral("2.75"));  // a good change beside the bad one
        d.findChild<QLineEdit*>(QString::fromLatin1(GetParam().box))->setText(GetParam().text);
        QTest::mouseClick(ctl(d).cmdDel, Qt::LeftButton);
        ASSERT_EQ(messages.size(), 1u);
        expectRefusal(messages[0], GetParam().refusal);
        EXPECT_EQ(str(d.findChild<QLineEdit*>(QString::fromLatin1(GetParam().box))->text()), str(GetParam().text));
        // Moving on must not commit any part of the failed write.
        choose(ctl(d).lstCountries, QStringLiteral("Aland"));
    });
    EXPECT_EQ(storedRows(), (std::vector<std::string>{"Britain|Pound|1", "Twoland|Two|2", "Threeland|Three|3",
                                                      "Aland|Ay|0.5"}));
}

INSTANTIATE_TEST_SUITE_P(
    EditDialog, FailedEdit,
    ::testing::Values(
        BadEdit{"rateNotANumber", "txtExRate", QStringLiteral("abc"), "'abc' in the Exchange Rate box is not a number."},
        BadEdit{"rateZero", "txtExRate", QStringLiteral("0"),
                "'0' in the Exchange Rate box is not above 0: a rate must be greater than 0."},
        BadEdit{"rateTooSmall", "txtExRate", QStringLiteral("0.") + QString(400, u'0') + u'1',
                "box is too small: the smallest rate the table can hold is about 2.2E-308."},
        BadEdit{"rateTooLarge", "txtExRate", QStringLiteral("1e999"),
                "'1e999' in the Exchange Rate box is too large: the largest rate the table can hold is about 1.8E+308."},
        BadEdit{"countryTooLong", "txtCountry", QString(51, QLatin1Char('c')),
                "The Country box holds 51 characters; it can hold at most 50."},
        BadEdit{"unitTooLong", "txtDenom", QString(26, QLatin1Char('u')),
                "The Denomination box holds 26 characters; it can hold at most 25."}),
    [](const ::testing::TestParamInfo<BadEdit>& info) { return std::string(info.param.name); });

TEST_F(MaintenanceTest, TheModeFollowsTheLastCommand)
{
    startProgram();
    withDialog<frmDelete>("mnuFileEditRates", [](frmDelete& d) {
        EXPECT_EQ(d.mode(), frmDelete::Mode::Edit);
        QTest::mouseClick(ctl(d).txtCountry, Qt::LeftButton);
        EXPECT_EQ(QApplication::focusWidget(), ctl(d).txtCountry) << "edit mode keeps the click";
    });
    withDialog<frmDelete>("mnuFileDeleteRates", [this](frmDelete& d) {
        EXPECT_EQ(d.mode(), frmDelete::Mode::Delete);
        EXPECT_EQ(str(ctl(d).cmdDel->text()), "&Delete");
        EXPECT_FALSE(ctl(d).cmdDel->isEnabled()) << "starts afresh";
        choose(ctl(d).lstCountries, QStringLiteral("Aland"));
        answers = {widgets::MsgBoxResult::No};
        QTest::mouseClick(ctl(d).cmdDel, Qt::LeftButton);
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(str(messages[0].title), "Confirm Delete");
    });
    messages.clear();
    withDialog<frmDelete>("mnuFileEditRates", [this](frmDelete& d) {
        EXPECT_EQ(str(ctl(d).cmdDel->text()), "&Save");
        choose(ctl(d).lstCountries, QStringLiteral("Aland"));
        typeInto(ctl(d).txtDenom, QStringLiteral("Aye"));
        QTest::mouseClick(ctl(d).cmdDel, Qt::LeftButton);
        EXPECT_TRUE(messages.empty()) << "a save asks nothing";
    });
    EXPECT_EQ(storedRows().back(), "Aland|Aye|0.5");
}

// ---- Closing a dialog keeps what the main window had chosen ---------------

struct AfterDialog {
    const char* name;
    const char* action;
    std::function<void(frmDelete&)> script;  // null: the dialog is just closed
    const char* from;  // what each side shows afterwards: "country|unit|rate", "" for an emptied side
    const char* to;
    std::array<const char*, 3> figures;  // the next calculation; all "" when Calculate is off
    friend void PrintTo(const AfterDialog& a, std::ostream* os) { *os << a.name; }
};

class ChoiceAfterDialog : public MaintenanceTest, public ::testing::WithParamInterface<AfterDialog> {};

TEST_P(ChoiceAfterDialog, KeepsEachSideByNameWithTheRowAsItNowStands)
{
    const AfterDialog& p = GetParam();
    frmHUD& hudWindow = startProgram();
    const AppFixture::Hud hud(hudWindow);
    choose(hud.lstCountries[0], QStringLiteral("Twoland"));
    choose(hud.lstCountries[1], QStringLiteral("Threeland"));
    typeInto(hud.txtConvert, QStringLiteral("100"));
    typeInto(hud.txtCom, QStringLiteral("2.5"));
    QTest::mouseClick(hud.cmdCalculate, Qt::LeftButton);
    const QStringList before{QStringLiteral("150.00"), QStringLiteral("3.75"), QStringLiteral("146.25")};
    ASSERT_EQ(hud.figures(), before);

    if (std::string(p.action) == "mnuFileAddRates") {
        withDialog<frmAddExchange>(p.action, [](frmAddExchange& d) { QTest::mouseClick(ctl(d).cmdFinished, Qt::LeftButton); });
    } else {
        withDialog<frmDelete>(p.action, [&p](frmDelete& d) {
            if (p.script)
                p.script(d);
            QTest::mouseClick(ctl(d).cmdFinished, Qt::LeftButton);
        });
    }
    // Figures stay only beside the very inputs they were computed from.
    const bool sidesAsBefore = std::string(p.from) == "Twoland|Two|2" && std::string(p.to) == "Threeland|Three|3";
    const QStringList cleared{QString(), QString(), QString()};
    EXPECT_EQ(hud.figures(), sidesAsBefore ? before : cleared);

    const char* sides[] = {p.from, p.to};
    for (int i = 0; i < 2; ++i) {
        const QStringList want = QString::fromUtf8(sides[i]).split(QLatin1Char('|'));
        const QString shown = hud.selected(i) + u'|' + hud.txtDenomination[i]->text() + u'|'
            + hud.txtExchangeRate[i]->text();
        EXPECT_EQ(str(shown), want.size() == 3 ? sides[i] : "||") << "side " << i;
    }

    const bool calculates = std::string(p.figures[0]) != "";
    EXPECT_EQ(hud.cmdCalculate->isEnabled(), calculates);
    QTest::mouseClick(hud.cmdCalculate, Qt::LeftButton);
    const QStringList after{QString::fromUtf8(p.figures[0]), QString::fromUtf8(p.figures[1]),
                            QString::fromUtf8(p.figures[2])};
    EXPECT_EQ(hud.figures(), calculates ? after : cleared);

    // What is chosen now is what the settings keep.
    hudWindow.close();
    EXPECT_EQ(savedSetting(QStringLiteral("ConvertTo")).toString(),
              std::string(p.from).empty() ? QString() : QStringLiteral("Twoland"));
    EXPECT_EQ(savedSetting(QStringLiteral("ConvertFrom")).toString(),
              std::string(p.to).empty() ? QString() : QStringLiteral("Threeland"));
}

static void editChosen(frmDelete& d, const char* country, const char* rate)
{
    choose(ctl(d).lstCountries, QStringLiteral("Threeland"));
    typeInto(ctl(d).txtCountry, QString::fromUtf8(country));
    typeInto(ctl(d).txtExRate, QString::fromUtf8(rate));
    QTest::mouseClick(ctl(d).cmdDel, Qt::LeftButton);
}

INSTANTIATE_TEST_SUITE_P(
    EveryDialog, ChoiceAfterDialog,
    ::testing::Values(
        AfterDialog{"addClosed", "mnuFileAddRates", nullptr, "Twoland|Two|2", "Threeland|Three|3",
                    {"150.00", "3.75", "146.25"}},
        AfterDialog{"deleteClosed", "mnuFileDeleteRates", nullptr, "Twoland|Two|2", "Threeland|Three|3",
                    {"150.00", "3.75", "146.25"}},
        AfterDialog{"editedRateShowsAtOnce", "mnuFileEditRates",
                    [](frmDelete& d) { editChosen(d, "Threeland", "4"); }, "Twoland|Two|2", "Threeland|Three|4",
                    {"200.00", "5.00", "195.00"}},
        AfterDialog{"renamedCountryEmptiesItsSide", "mnuFileEditRates",
                    [](frmDelete& d) { editChosen(d, "Fourland", "4"); }, "Twoland|Two|2", "", {"", "", ""}},
        AfterDialog{"deletedCountryEmptiesItsSide", "mnuFileDeleteRates",
                    [](frmDelete& d) {
                        choose(ctl(d).lstCountries, QStringLiteral("Twoland"));
                        QTest::mouseClick(ctl(d).cmdDel, Qt::LeftButton);
                    },
                    "", "Threeland|Three|3", {"", "", ""}}),
    [](const ::testing::TestParamInfo<AfterDialog>& info) { return std::string(info.param.name); });

// ---- Access keys of disabled buttons, and where the dialogs open -----------

struct DeadKey {
    const char* name;
    const char* action;
    const char* box;
    Qt::Key key;
    friend void PrintTo(const DeadKey& k, std::ostream* os) { *os << k.name; }
};

class DisabledAccessKey : public MaintenanceTest, public ::testing::WithParamInterface<DeadKey> {};

TEST_P(DisabledAccessKey, DoesNothingAtAll)
{
    startProgram();
    const DeadKey& k = GetParam();
    const auto typeThenPress = [this, &k](QDialog& d) {
        auto* box = d.findChild<QLineEdit*>(QString::fromLatin1(k.box));
        ASSERT_NE(box, nullptr);
        box->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(box, QStringLiteral("Testland"));
        QTest::keyClick(box, k.key, Qt::AltModifier);
        EXPECT_EQ(str(box->text()), "Testland");
        EXPECT_TRUE(d.isVisible());
        // Closing the Add dialog afterwards asks about the entry; the key said nothing.
        EXPECT_TRUE(messages.empty());
    };
    if (std::string(k.action) == "mnuFileAddRates")
        withDialog<frmAddExchange>(k.action, [&](frmAddExchange& d) { typeThenPress(d); });
    else
        withDialog<frmDelete>(k.action, [&](frmDelete& d) { typeThenPress(d); });
    EXPECT_EQ(storedRows().size(), 4u);
}

INSTANTIATE_TEST_SUITE_P(
    Dialogs, DisabledAccessKey,
    ::testing::Values(DeadKey{"addSave", "mnuFileAddRates", "txtCountry", Qt::Key_S},
                      DeadKey{"deleteDelete", "mnuFileDeleteRates", "txtCountry", Qt::Key_D},
                      DeadKey{"editSaveInRateBox", "mnuFileEditRates", "txtExRate", Qt::Key_S}),
    [](const ::testing::TestParamInfo<DeadKey>& info) { return std::string(info.param.name); });

TEST_F(MaintenanceTest, AnEnabledButtonsAccessKeyStillPressesIt)
{
    startProgram();
    withDialog<frmAddExchange>("mnuFileAddRates", [this](frmAddExchange& d) {
        typeInto(ctl(d).txtCountry, QStringLiteral("Newland"));
        typeInto(ctl(d).txtExRate, QStringLiteral("2"));
        QTest::keyClick(ctl(d).txtExRate, Qt::Key_S, Qt::AltModifier);
        // A button pressed by its access key clicks a moment later.
        EXPECT_TRUE(QTest::qWaitFor([this] { return !messages.empty(); }, 2000));
        EXPECT_EQ(prompts(), (std::vector<std::string>{"The New Exchange Rate has been saved successfuly"}));
    });
    EXPECT_EQ(storedRows().back(), "Newland|" + str(Placeholder) + "|2");
}

TEST_F(MaintenanceTest, MainWindowIgnoresCalculatesAccessKeyWhileItIsOff)
{
    const AppFixture::Hud hud(startProgram());
    ASSERT_FALSE(hud.cmdCalculate->isEnabled());
    typeInto(hud.txtDenomination[0], QStringLiteral("Pound"));
    QTest::keyClick(hud.txtDenomination[0], Qt::Key_C, Qt::AltModifier);
    EXPECT_EQ(str(hud.txtDenomination[0]->text()), "Pound");
}

// ---- The bureau's terms of a rate ------------------------------------------

// The code, margins and smallest note: stored by Add, shown and changed by
// Edit within their fields' limits; anything else is refused in a plain
// message and nothing is written.
TEST_F(MaintenanceTest, RateDialogsTakeTheTermsWithinTheFieldsLimits)
{
    startProgram();
    struct Case {
        const char* box;
        const char* typed;
        const char* refusal;
    };
    const Case refused[] = {
        {"txtBuyMargin", "100", "'100' in the Buy Margin (%) box is too large: it must be below 100."},
        {"txtSellMargin", "-1", "'-1' in the Sell Margin (%) box is below 0."},
        {"txtCode", "EU", "'EU' in the Currency Code box is not a currency code"},
        {"txtSmallestNote", "-5", "'-5' in the Smallest Note box is below 0."},
        {"txtSmallestNote", "five", "'five' in the Smallest Note box is not a number."},
        {"txtSmallestNote", "0.005", "'0.005' in the Smallest Note box has more than two decimals."},
    };
    const auto box = [](const QWidget& d, const char* name) {
        return AppFixture::control<QLineEdit>(d, QString::fromLatin1(name));
    };
    const auto refuseEach = [&](const QWidget& d, QPushButton* save) {
        const std::vector<std::string> rows = storedRows();
        for (const Case& c : refused) {
            const QString kept = box(d, c.box)->text();
            box(d, c.box)->setText(QString::fromLatin1(c.typed));
            messages.clear();
            QTest::mouseClick(save, Qt::LeftButton);
            ASSERT_EQ(messages.size(), 1u) << c.box << " " << c.typed;
            expectRefusal(messages[0], c.refusal);
            box(d, c.box)->setText(kept);
        }
        EXPECT_EQ(storedRows(), rows);
    };
    withDialog<frmAddExchange>("mnuFileAddRates", [&](frmAddExchange& d) {
        typeInto(ctl(d).txtCountry, QStringLiteral("Euroland"));
        typeInto(ctl(d).txtExRate, QStringLiteral("1.17"));
        refuseEach(d, ctl(d).cmdSave);
        typeInto(box(d, "txtCode"), QStringLiteral("eu-r1"));
        EXPECT_EQ(str(box(d, "txtCode")->text()), "EUR") << "letters only, in capitals";
        typeInto(box(d, "txtBuyMargin"), QStringLiteral("2x"));
        typeInto(box(d, "txtSellMargin"), QStringLiteral("3"));
        typeInto(box(d, "txtSmallestNote"), QStringLiteral("5"));
        messages.clear();
        QTest::mouseClick(ctl(d).cmdSave, Qt::LeftButton);
        EXPECT_EQ(prompts(), (std::vector<std::string>{"The New Exchange Rate has been saved successfuly"}));
        EXPECT_EQ(str(box(d, "txtCode")->text() + box(d, "txtBuyMargin")->text()), "0") << "emptied for the next";
    });
    const auto stored = [] {
        const data::RateRow row = data::Rates::instance().findRate(QStringLiteral("Euroland")).value();
        return str(row.code) + " " + std::to_string(row.buyMargin) + " " + std::to_string(row.sellMargin) + " "
            + str(row.smallestNote.toText());
    };
    EXPECT_EQ(stored(), "EUR 2.000000 3.000000 5.00");
    withDialog<frmDelete>("mnuFileEditRates", [&](frmDelete& d) {
        choose(ctl(d).lstCountries, QStringLiteral("Euroland"));
        EXPECT_EQ(str(box(d, "txtSellMargin")->text()), "3");
        EXPECT_EQ(str(box(d, "txtSmallestNote")->text()), "5");
        refuseEach(d, ctl(d).cmdDel);
        typeInto(box(d, "txtSellMargin"), QStringLiteral("3.5"));
        QTest::mouseClick(ctl(d).cmdDel, Qt::LeftButton);
    });
    EXPECT_EQ(stored(), "EUR 2.000000 3.500000 5.00") << "what Edit did not change stays";
    withDialog<frmDelete>("mnuFileDeleteRates", [&](frmDelete& d) {
        EXPECT_FALSE(box(d, "txtCode")->isVisible()) << "a deletion needs no terms";
    });
}

// ---- Settings --------------------------------------------------------------

// The minimum commission, pasted in either number form: stored exactly on OK,
// or refused in a plain message with the dialog left open and nothing written.
TEST_F(MaintenanceTest, SettingsStoresTheMinimumCommissionOrRefusesItWritingNothing)
{
    startProgram();
    const auto restore = qScopeGuard([saved = QLocale()] { QLocale::setDefault(saved); });
    struct Case {
        QLocale::Language language;
        const char* typed;
        const char* refusal;  // none: stored
        const char* stored;
    };
    const Case cases[] = {
        {QLocale::English, "2.5", nullptr, "2.50"},
        {QLocale::German, "3,75", nullptr, "3.75"},
        {QLocale::English, "", nullptr, "0.00"},  // no minimum
        {QLocale::English, "2.505", "'2.505' in the Minimum commission (£) box has more than two decimals.", "0.00"},
        {QLocale::English, "100000.01", "is too large: it can be at most 100000.", "0.00"},
        {QLocale::English, "-1", "'-1' in the Minimum commission", "0.00"},
        {QLocale::German, "2.5", "without a point", "0.00"},  // never read as 25
        {QLocale::English, "two", "is not a number", "0.00"},
    };
    for (const Case& c : cases) {
        QLocale::setDefault(QLocale(c.language));
        messages.clear();
        const QString before = data::Rates::instance().minimumCommission().toText();
        withDialog<frmSettings>("mnuFileSettings", [&](frmSettings& d) {
            auto* box = AppFixture::control<QLineEdit>(d, QStringLiteral("txtMinimumCommission"));
            EXPECT_EQ(box->text(), data::shownForm(before));
            box->setText(QString::fromUtf8(c.typed));
            QTest::mouseClick(AppFixture::control<QPushButton>(d, QStringLiteral("cmdOK")), Qt::LeftButton);
            EXPECT_EQ(d.isVisible(), c.refusal != nullptr) << c.typed;
            if (c.refusal) {
                ASSERT_EQ(messages.size(), 1u) << c.typed;
                expectRefusal(messages[0], c.refusal);
            } else {
                EXPECT_TRUE(messages.empty()) << prompts().front();
            }
        });
        EXPECT_EQ(str(data::Rates::instance().minimumCommission().toText()), c.stored) << c.typed;
    }
    // Cancel stores nothing.
    withDialog<frmSettings>("mnuFileSettings", [](frmSettings& d) {
        AppFixture::control<QLineEdit>(d, QStringLiteral("txtMinimumCommission"))->setText(QStringLiteral("9"));
        QTest::mouseClick(AppFixture::control<QPushButton>(d, QStringLiteral("cmdCancel")), Qt::LeftButton);
    });
    EXPECT_EQ(str(data::Rates::instance().minimumCommission().toText()), "0.00");
}

class DialogPlacement : public MaintenanceTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(DialogPlacement, OpensInTheCentreOfTheScreen)
{
    frmHUD& hud = startProgram();
    hud.move(10, 10);  // away from the centre, so centring over it would show
    const auto check = [](QDialog& d) {
        const QPoint off = d.frameGeometry().center() - d.screen()->availableGeometry().center();
        EXPECT_LE(off.manhattanLength(), 2) << off.x() << "," << off.y();
    };
    if (std::string(GetParam()) == "mnuFileAddRates")
        withDialog<frmAddExchange>(GetParam(), [&](frmAddExchange& d) { check(d); });
    else
        withDialog<frmDelete>(GetParam(), [&](frmDelete& d) { check(d); });
}

INSTANTIATE_TEST_SUITE_P(EveryDialog, DialogPlacement,
                         ::testing::Values("mnuFileAddRates", "mnuFileDeleteRates", "mnuFileEditRates"),
                         [](const ::testing::TestParamInfo<const char*>& info) { return std::string(info.param); });
