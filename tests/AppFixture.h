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
#include "tests/TestSupport.h"
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
    explicit Hud(const QWidget& w);

    QString selected(int i) const;
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

Hud ctl(const frmHUD& window);

// Chooses an entry with the mouse, as a user would.
void choose(QListWidget* list, const QString& name);

// Replaces a box's text by typing.
void typeInto(QLineEdit* box, const QString& text);

class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    QString dbPath() const { return dir.filePath(QStringLiteral("Exchange.db")); }
    void createDatabase(const std::vector<data::RateRow>& rows = TestSupport::trickyRates())
    {
        data::createRatesDatabase(dbPath(), rows);
    }
    // The connection dialog up to its error description.
    QString connectionDialogStart() const;
    QString settingsFile() const { return dir.filePath(QStringLiteral("config/Tallyvane/Tallyvane.ini")); }
    void saveSetting(const QString& key, const QVariant& value);
    QVariant savedSetting(const QString& key);

    frmHUD& startProgram();

    QTemporaryDir dir;
    std::vector<widgets::MsgBoxRequest> messages;
    std::deque<widgets::MsgBoxResult> answers;
};

} // namespace AppFixture

namespace MaintenanceFixture {

using TestSupport::str;

std::vector<std::string> itemsOf(const QListWidget& list);

// The dialogs' controls, found by their object names: the three boxes and
// Finished that both have, then each one's own.
struct RateBoxControls {
    explicit RateBoxControls(const QWidget& d);
    QLineEdit* txtCountry;
    QLineEdit* txtDenom;
    QLineEdit* txtExRate;
    QPushButton* cmdFinished;
};

struct AddControls : RateBoxControls {
    explicit AddControls(const QWidget& d);
    QPushButton* cmdSave;
};

struct DeleteControls : RateBoxControls {
    explicit DeleteControls(const QWidget& d);
    QListWidget* lstCountries;
    QPushButton* cmdDel;
};

AddControls ctl(const frmAddExchange& d);
DeleteControls ctl(const frmDelete& d);
using AppFixture::ctl;

class MaintenanceTest : public AppFixture::ProgramTest {
protected:
    // Starts the program as Main does, on a file holding rows (none: no file at all).
    frmHUD& startProgram(const std::vector<data::RateRow>& rows = TestSupport::plainRates(), bool withFile = true);

    void trigger(const char* action);

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
    std::vector<std::string> storedRows() const;

    std::vector<std::string> prompts() const;

    int countOf(const QString& prompt) const;
};

extern const QString FillListsFailed;

// Checks a failure report line by line: the fixed first two lines, the number,
// and a description of the store's own.
void expectFailureReport(const widgets::MsgBoxRequest& r, const QString& firstLine, long number);

void expectSaveError(const widgets::MsgBoxRequest& r, long number);

// A value the table cannot take, refused in a plain message (no failure
// report) that holds words.
void expectRefusal(const widgets::MsgBoxRequest& r, const std::string& words);

} // namespace MaintenanceFixture
