#pragma once

// The program started on a real rates file in a temporary folder, with message
// boxes recorded and answered, and helpers to drive the modal maintenance
// dialogs from the event loop they run.

#include "AppFixture.h"
#include "app/MsgBox.h"
#include "app/Universe.h"
#include "app/frmSplash.h"
#include "calculator/frmHUD.h"
#include "data/RatesFile.h"
#include "data/RecordStore.h"
#include "maintenance/Maintenance.h"
#include "maintenance/frmAddExchange.h"
#include "maintenance/frmDelete.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace MaintenanceFixture {

inline std::vector<MOD_Data::RateRow> sampleRates()
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

// The dialogs' controls, found by their object names.
struct AddControls {
    explicit AddControls(const QWidget& d)
        : txtCountry(AppFixture::control<QLineEdit>(d, QStringLiteral("txtCountry")))
        , txtDenom(AppFixture::control<QLineEdit>(d, QStringLiteral("txtDenom")))
        , txtExRate(AppFixture::control<QLineEdit>(d, QStringLiteral("txtExRate")))
        , cmdSave(AppFixture::control<QPushButton>(d, QStringLiteral("cmdSave")))
        , cmdFinished(AppFixture::control<QPushButton>(d, QStringLiteral("cmdFinished")))
    {
    }
    QLineEdit* txtCountry;
    QLineEdit* txtDenom;
    QLineEdit* txtExRate;
    QPushButton* cmdSave;
    QPushButton* cmdFinished;
};

struct DeleteControls {
    explicit DeleteControls(const QWidget& d)
        : lstCountries(AppFixture::control<QListWidget>(d, QStringLiteral("lstCountries")))
        , txtCountry(AppFixture::control<QLineEdit>(d, QStringLiteral("txtCountry")))
        , txtDenom(AppFixture::control<QLineEdit>(d, QStringLiteral("txtDenom")))
        , txtExRate(AppFixture::control<QLineEdit>(d, QStringLiteral("txtExRate")))
        , cmdDel(AppFixture::control<QPushButton>(d, QStringLiteral("cmdDel")))
        , cmdFinished(AppFixture::control<QPushButton>(d, QStringLiteral("cmdFinished")))
    {
    }
    QListWidget* lstCountries;
    QLineEdit* txtCountry;
    QLineEdit* txtDenom;
    QLineEdit* txtExRate;
    QPushButton* cmdDel;
    QPushButton* cmdFinished;
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
        MOD_Universe::blnEditMode = false;
    }

    // Starts the program as Main does, on a file holding rows (none: no file at all).
    frmHUD& startProgram(const std::vector<MOD_Data::RateRow>& rows = sampleRates(), bool withFile = true)
    {
        if (withFile)
            MOD_Data::createRatesFile(dbPath(), rows);
        EXPECT_TRUE(MOD_Universe::Start());
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
        MOD_Data::Connection connection;
        MOD_Data::Recordset rs;
        connection.Open(dbPath());
        rs.Open(connection);
        if (rs.isBOF() && rs.isEOF())
            return rows;
        for (rs.MoveFirst(); !rs.isEOF(); rs.MoveNext()) {
            rows.push_back(str(rs.Field(MOD_Data::FieldCountry) + QLatin1Char('|') + rs.Field(MOD_Data::FieldUnit)
                               + QLatin1Char('|') + rs.Field(MOD_Data::FieldRate)));
        }
        return rows;
    }

    std::vector<std::string> prompts() const
    {
        std::vector<std::string> texts;
        for (const MsgBoxRequest& r : messages)
            texts.push_back(str(r.prompt));
        return texts;
    }

    int countOf(const QString& prompt) const
    {
        int n = 0;
        for (const MsgBoxRequest& r : messages)
            n += r.prompt == prompt ? 1 : 0;
        return n;
    }

};

inline const QString FillListsFailed = QStringLiteral("There were errors while trying to fill the countries lists.");

// Checks a failure report line by line: the fixed first two lines, the number,
// and a description of the store's own.
inline void expectFailureReport(const MsgBoxRequest& r, const QString& firstLine, long number)
{
    const QStringList lines = r.prompt.split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 4) << str(r.prompt);
    EXPECT_EQ(str(lines[0]), str(firstLine));
    EXPECT_EQ(str(lines[1]),
              "If the problem persists, please report the following details to Fernwick Software:");
    EXPECT_EQ(str(lines[2]), "ERROR #: " + std::to_string(number));
    EXPECT_TRUE(lines[3].startsWith(QStringLiteral("ERROR  :")) && lines[3].size() > 8) << str(lines[3]);
}

inline void expectSaveError(const MsgBoxRequest& r, long number)
{
    EXPECT_EQ(str(r.title), "Save Error");
    EXPECT_EQ(r.icon, MsgBoxIcon::Critical);
    EXPECT_EQ(r.buttons, MsgBoxButtons::OK);
    expectFailureReport(r, QStringLiteral("There was a problem saving the data."), number);
}

} // namespace MaintenanceFixture
