#pragma once

// The whole program on the offscreen platform: a real rates file in a temporary
// folder, settings in that folder, message boxes recorded and answered; the
// windows' controls found by object name; and, for the maintenance dialogs,
// helpers to drive them from the event loop their modal runs.

#include "app/Universe.h"
#include "app/frmSplash.h"
#include "calculator/frmHUD.h"
#include "data/NewDatabase.h"
#include "data/RecordStore.h"
#include "maintenance/frmAddExchange.h"
#include "maintenance/frmDelete.h"
#include "widgets/MsgBox.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <array>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace AppFixture {

inline std::vector<data::RateRow> sampleRates()
{
    // Not alphabetical on purpose: the lists sort, the table keeps its order.
    return {
        {QStringLiteral("Britain"), QStringLiteral("Pound"), 1.0},
        {QStringLiteral("Testland"), QStringLiteral("Tester"), 1.5},
        {QStringLiteral("Twoland"), QStringLiteral("Two"), 2.0},
        {QStringLiteral("Threeland"), QStringLiteral("Three"), 3.0},
        {QStringLiteral("britain"), QStringLiteral("Small pound"), 4.0},
        {QStringLiteral("O'Brien's Land"), QStringLiteral("Shilling"), 5.0},
        {QStringLiteral("Zeroland"), QStringLiteral("Nought"), 1e-20},
    };
}

// A window's control by object name; fails the test when there is none.
template <typename T>
T* control(const QWidget& window, const QString& name)
{
    T* w = window.findChild<T*>(name);
    EXPECT_NE(w, nullptr) << name.toStdString();
    return w;
}

// The main window's controls, found by their object names; index 0 is the
// Convert From side, 1 the Convert To side.
struct Hud {
    explicit Hud(const QWidget& w)
        : lstCountries{control<QListWidget>(w, QStringLiteral("lstCountries_0")),
                       control<QListWidget>(w, QStringLiteral("lstCountries_1"))}
        , txtDenomination{control<QLineEdit>(w, QStringLiteral("txtDenomination_0")),
                          control<QLineEdit>(w, QStringLiteral("txtDenomination_1"))}
        , txtExchangeRate{control<QLineEdit>(w, QStringLiteral("txtExchangeRate_0")),
                          control<QLineEdit>(w, QStringLiteral("txtExchangeRate_1"))}
        , txtConvert(control<QLineEdit>(w, QStringLiteral("txtConvert")))
        , txtCom(control<QLineEdit>(w, QStringLiteral("txtCom")))
        , cmdCalculate(control<QPushButton>(w, QStringLiteral("cmdCalculate")))
        , cmdExit(control<QPushButton>(w, QStringLiteral("cmdExit")))
        , lblExRes(control<QLabel>(w, QStringLiteral("lblExRes")))
        , lblComRes(control<QLabel>(w, QStringLiteral("lblComRes")))
        , lblTotalRes(control<QLabel>(w, QStringLiteral("lblTotalRes")))
    {
    }

    QString selected(int i) const
    {
        const auto items = lstCountries[i]->selectedItems();
        return items.isEmpty() ? QString() : items.first()->text();
    }
    QStringList figures() const { return {lblExRes->text(), lblComRes->text(), lblTotalRes->text()}; }

    std::array<QListWidget*, 2> lstCountries;
    std::array<QLineEdit*, 2> txtDenomination;
    std::array<QLineEdit*, 2> txtExchangeRate;
    QLineEdit* txtConvert;
    QLineEdit* txtCom;
    QPushButton* cmdCalculate;
    QPushButton* cmdExit;
    QLabel* lblExRes;
    QLabel* lblComRes;
    QLabel* lblTotalRes;
};

inline Hud ctl(const frmHUD& window)
{
    return Hud(window);
}

// Chooses an entry with the mouse, as a user would.
inline void choose(QListWidget* list, const QString& name)
{
    const auto found = list->findItems(name, Qt::MatchExactly | Qt::MatchCaseSensitive);
    ASSERT_EQ(found.size(), 1) << name.toStdString();
    list->scrollToItem(found.first());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found.first()).center());
    ASSERT_EQ(list->currentItem(), found.first()) << name.toStdString();
}

// Replaces a box's text by typing.
inline void typeInto(QLineEdit* box, const QString& text)
{
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, text);
}

class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        data::setProgramFolder(dir.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.filePath(QStringLiteral("config")));
        widgets::setMsgBoxHandler([this](const widgets::MsgBoxRequest& r) {
            messages.push_back(r);
            if (answers.empty())
                return r.buttons == widgets::MsgBoxButtons::YesNo ? widgets::MsgBoxResult::Yes : widgets::MsgBoxResult::OK;
            const widgets::MsgBoxResult a = answers.front();
            answers.pop_front();
            return a;
        });
    }

    void TearDown() override
    {
        if (frmHUD::isLoaded())
            delete &frmHUD::instance();
        delete frmSplash::current();
        for (QWidget* w : QApplication::topLevelWidgets())
            delete w;
        data::rsRates.Close();
        data::cnRates.Close();
        widgets::setMsgBoxHandler({});
        QCoreApplication::processEvents();
    }

    QString dbPath() const { return dir.filePath(QStringLiteral("Exchange.db")); }
    void createDatabase(const std::vector<data::RateRow>& rows = sampleRates())
    {
        data::createRatesDatabase(dbPath(), rows);
    }
    // The connection dialog up to its error description.
    QString connectionDialogStart() const
    {
        return QStringLiteral("There was a problem connecting to the Exchange rates database.\r\n"
                              "Check if the database is at the following location:\r\n")
            + dbPath()
            + QStringLiteral("\r\nIf the problem persists, please report the following details to "
                             "Fernwick Software:\r\nERROR #: -2147467259\r\nERROR  :");
    }
    QString settingsFile() const { return dir.filePath(QStringLiteral("config/Tallyvane/Tallyvane.ini")); }
    void saveSetting(const QString& key, const QVariant& value)
    {
        QSettings s(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Tallyvane"), QStringLiteral("Tallyvane"));
        s.setValue(QStringLiteral("Defaults/") + key, value);
    }
    QVariant savedSetting(const QString& key)
    {
        QSettings s(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Tallyvane"), QStringLiteral("Tallyvane"));
        return s.value(QStringLiteral("Defaults/") + key);
    }

    frmHUD& startProgram()
    {
        EXPECT_TRUE(app::Start());
        return frmHUD::instance();
    }

    QTemporaryDir dir;
    std::vector<widgets::MsgBoxRequest> messages;
    std::deque<widgets::MsgBoxResult> answers;
};

} // namespace AppFixture

namespace MaintenanceFixture {

inline std::vector<data::RateRow> sampleRates()
{
    // Not alphabetical: the lists sort, the table keeps its order.
    return {
        {QStringLiteral("Britain"), QStringLiteral("Pound"), 1.0},
        {QStringLiteral("Twoland"), QStringLiteral("Two"), 2.0},
        {QStringLiteral("Threeland"), QStringLiteral("Three"), 3.0},
        {QStringLiteral("Aland"), QStringLiteral("Ay"), 0.5},
    };
}

inline std::string str(const QString& s)
{
    return s.toStdString();
}

inline std::vector<std::string> itemsOf(const QListWidget& list)
{
    std::vector<std::string> items;
    for (int i = 0; i < list.count(); ++i)
        items.push_back(str(list.item(i)->text()));
    return items;
}

// The dialogs' controls, found by their object names: the three boxes and
// Finished that both have, then each one's own.
struct RateBoxControls {
    explicit RateBoxControls(const QWidget& d)
        : txtCountry(AppFixture::control<QLineEdit>(d, QStringLiteral("txtCountry")))
        , txtDenom(AppFixture::control<QLineEdit>(d, QStringLiteral("txtDenom")))
        , txtExRate(AppFixture::control<QLineEdit>(d, QStringLiteral("txtExRate")))
        , cmdFinished(AppFixture::control<QPushButton>(d, QStringLiteral("cmdFinished")))
    {
    }
    QLineEdit* txtCountry;
    QLineEdit* txtDenom;
    QLineEdit* txtExRate;
    QPushButton* cmdFinished;
};

struct AddControls : RateBoxControls {
    explicit AddControls(const QWidget& d)
        : RateBoxControls(d)
        , cmdSave(AppFixture::control<QPushButton>(d, QStringLiteral("cmdSave")))
    {
    }
    QPushButton* cmdSave;
};

struct DeleteControls : RateBoxControls {
    explicit DeleteControls(const QWidget& d)
        : RateBoxControls(d)
        , lstCountries(AppFixture::control<QListWidget>(d, QStringLiteral("lstCountries")))
        , cmdDel(AppFixture::control<QPushButton>(d, QStringLiteral("cmdDel")))
    {
    }
    QListWidget* lstCountries;
    QPushButton* cmdDel;
};

inline AddControls ctl(const frmAddExchange& d)
{
    return AddControls(d);
}
inline DeleteControls ctl(const frmDelete& d)
{
    return DeleteControls(d);
}
using AppFixture::ctl;

class MaintenanceTest : public AppFixture::ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
    }

    // Starts the program as Main does, on a file holding rows (none: no file at all).
    frmHUD& startProgram(const std::vector<data::RateRow>& rows = sampleRates(), bool withFile = true)
    {
        if (withFile)
            data::createRatesDatabase(dbPath(), rows);
        EXPECT_TRUE(app::Start());
        messages.clear();
        return frmHUD::instance();
    }

    void trigger(const char* action)
    {
        QAction* a = frmHUD::instance().findChild<QAction*>(QString::fromLatin1(action));
        ASSERT_NE(a, nullptr) << action;
        a->trigger();
    }

    // Triggers a File menu item; script runs once its modal dialog is up and
    // active. The dialog is closed afterwards if the script left it open, so a
    // failing script never hangs the run.
    template <typename Dialog>
    void withDialog(const char* action, const std::function<void(Dialog&)>& script)
    {
        struct State {
            bool done = false;
            bool ran = false;
            int polls = 0;
            std::function<void()> poll;
        };
        auto state = std::make_shared<State>();
        std::weak_ptr<State> weak = state;
        state->poll = [weak, script] {
            auto s = weak.lock();
            if (!s || s->done)
                return;
            auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
            if (!dialog) {
                if (++s->polls < 100000)
                    QTimer::singleShot(0, qApp, s->poll);
                return;
            }
            s->ran = true;
            EXPECT_TRUE(QTest::qWaitForWindowActive(dialog));
            script(*dialog);
            if (QApplication::activeModalWidget() == dialog)
                dialog->reject();
        };
        QTimer::singleShot(0, qApp, state->poll);
        trigger(action);
        state->done = true;
        EXPECT_TRUE(state->ran) << "no dialog appeared for " << action;
    }

    // The table as another reader of the file sees it: "Country|Unit|Rate" per row, in order.
    std::vector<std::string> storedRows() const
    {
        std::vector<std::string> rows;
        data::Connection connection;
        data::Recordset rs;
        connection.Open(dbPath());
        rs.Open(connection);
        if (rs.isBOF() && rs.isEOF())
            return rows;
        for (rs.MoveFirst(); !rs.isEOF(); rs.MoveNext()) {
            rows.push_back(str(rs.Field(data::FieldCountry) + QLatin1Char('|') + rs.Field(data::FieldUnit)
                               + QLatin1Char('|') + rs.Field(data::FieldRate)));
        }
        return rows;
    }

    std::vector<std::string> prompts() const
    {
        std::vector<std::string> texts;
        for (const widgets::MsgBoxRequest& r : messages)
            texts.push_back(str(r.prompt));
        return texts;
    }

    int countOf(const QString& prompt) const
    {
        int n = 0;
        for (const widgets::MsgBoxRequest& r : messages)
            n += r.prompt == prompt ? 1 : 0;
        return n;
    }
};

inline const QString FillListsFailed = QStringLiteral("There were errors while trying to fill the countries lists.");

// Checks a failure report line by line: the fixed first two lines, the number,
// and a description of the store's own.
inline void expectFailureReport(const widgets::MsgBoxRequest& r, const QString& firstLine, long number)
{
    const QStringList lines = r.prompt.split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 4) << str(r.prompt);
    EXPECT_EQ(str(lines[0]), str(firstLine));
    EXPECT_EQ(str(lines[1]),
              "If the problem persists, please report the following details to Fernwick Software:");
    EXPECT_EQ(str(lines[2]), "ERROR #: " + std::to_string(number));
    EXPECT_TRUE(lines[3].startsWith(QStringLiteral("ERROR  :")) && lines[3].size() > 8) << str(lines[3]);
}

inline void expectSaveError(const widgets::MsgBoxRequest& r, long number)
{
    EXPECT_EQ(str(r.title), "Save Error");
    EXPECT_EQ(r.icon, widgets::MsgBoxIcon::Critical);
    EXPECT_EQ(r.buttons, widgets::MsgBoxButtons::OK);
    expectFailureReport(r, QStringLiteral("There was a problem saving the data."), number);
}

} // namespace MaintenanceFixture
