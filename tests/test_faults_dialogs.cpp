// The maintenance dialogs on a rates file that cannot be written: one this
// process may not write to, and one whose write lock another program holds.
// Each failure is reported, nothing is lost or half-written, and the program
// goes on.

#include "AppFixture.h"
#include "calculator/FigureLabel.h"

#include "maintenance/frmAddExchange.h"
#include "maintenance/frmDelete.h"
#include "maintenance/frmSettings.h"
#include "tests/StoreFixtures.h"

#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

#include <optional>

using namespace MaintenanceFixture;
using AppFixture::choose;
using AppFixture::typeInto;
using namespace Qt::StringLiterals;

namespace {

// The report of a failed write: four lines, the number and the store's words.
void expectWriteFailure(const widgets::MsgBoxRequest& r, const char* words)
{
    const QStringList lines = r.prompt.split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 4) << str(r.prompt);
    EXPECT_EQ(str(lines[2]), "ERROR #: -2147467259");
    EXPECT_TRUE(lines[3].startsWith(QStringLiteral("ERROR  :"))) << str(lines[3]);
    EXPECT_TRUE(lines[3].contains(QString::fromLatin1(words))) << str(lines[3]);
    EXPECT_EQ(r.icon, widgets::MsgBoxIcon::Critical);
    EXPECT_EQ(r.buttons, widgets::MsgBoxButtons::OK);
}

class UnwritableRates : public MaintenanceTest {
protected:
    // Clicks a dialog's write button: the one report is the Save Error naming why.
    void expectSaveFails(QPushButton* button, const char* words)
    {
        messages.clear();
        QTest::mouseClick(button, Qt::LeftButton);
        ASSERT_EQ(messages.size(), 1u) << prompts().back();
        expectSaveError(messages[0], data::Err::CannotOpen);
        expectWriteFailure(messages[0], words);
    }

    // The three writes of the dialogs, each against the file as it is; every
    // one must fail with a report naming why, and leave the rows as they were.
    void tryEveryWrite(const char* words)
    {
        const std::vector<std::string> before = storedRows();
        withDialog<frmAddExchange>("mnuFileAddRates", [&](frmAddExchange& d) {
            ctl(d).txtCountry->setText(QStringLiteral("Newland"));
            ctl(d).txtExRate->setText(QStringLiteral("4"));
            expectSaveFails(ctl(d).cmdSave, words);
            EXPECT_EQ(str(ctl(d).txtCountry->text()), "Newland") << "the boxes keep what the user typed";
        });
        withDialog<frmDelete>("mnuFileEditRates", [&](frmDelete& d) {
            choose(ctl(d).lstCountries, QStringLiteral("Twoland"));
            ctl(d).txtDenom->setText(QStringLiteral("Deux"));
            ctl(d).txtExRate->setText(QStringLiteral("2.5"));
            expectSaveFails(ctl(d).cmdDel, words);
        });
        withDialog<frmDelete>("mnuFileDeleteRates", [&](frmDelete& d) {
            choose(ctl(d).lstCountries, QStringLiteral("Threeland"));
            messages.clear();
            QTest::mouseClick(ctl(d).cmdDel, Qt::LeftButton);  // confirmed with Yes
            ASSERT_EQ(messages.size(), 2u) << prompts().back();
            expectWriteFailure(messages[1], words);
            EXPECT_EQ(ctl(d).lstCountries->count(), 4) << "the row is still listed";
        });
        EXPECT_EQ(storedRows(), before);
    }

    // Choosing and calculating still work after the failures.
    void expectTheProgramGoesOn(int rows)
    {
        frmHUD& hud = frmHUD::instance();
        EXPECT_EQ(ctl(hud).lstCountries[0]->count(), rows);
        choose(ctl(hud).lstCountries[0], QStringLiteral("Twoland"));
        choose(ctl(hud).lstCountries[1], QStringLiteral("Threeland"));
        EXPECT_EQ(ctl(hud).txtExchangeRate[0]->text(), QStringLiteral("2"));
        ctl(hud).txtConvert->setFocus();
        QTest::keyClicks(ctl(hud).txtConvert, QStringLiteral("10"));
        messages.clear();
        QTest::mouseClick(ctl(hud).cmdCalculate, Qt::LeftButton);
        EXPECT_TRUE(messages.empty()) << prompts().front();
        EXPECT_EQ(ctl(hud).lblExRes->text(), QStringLiteral("15.00"));
    }
};

// A rates file this user may not write: each rate command says so in one
// sentence before any dialog or file choice, and converting goes on.
enum class Refused { File, Folder, OthersGroup };

class RefusedRates : public UnwritableRates, public ::testing::WithParamInterface<Refused> {
protected:
    // Sets a path's owner and mode until the test ends; false when it cannot.
    bool setModes(const QString& path, mode_t mode, std::optional<std::pair<uid_t, gid_t>> owner = std::nullopt)
    {
        const QByteArray native = QFile::encodeName(path);
        struct stat st {};
        if (::stat(native.constData(), &st) != 0)
            return false;
        restore.emplace_back([native, st] {
            ::chown(native.constData(), st.st_uid, st.st_gid);
            ::chmod(native.constData(), st.st_mode & 07777);
        });
        return (!owner || ::chown(native.constData(), owner->first, owner->second) == 0)
            && ::chmod(native.constData(), mode) == 0;
    }
    void TearDown() override
    {
        modes.reset();
        for (auto it = restore.rbegin(); it != restore.rend(); ++it)
            (*it)();
        UnwritableRates::TearDown();
    }
    // Triggers a command; true when it brought up a dialog (closed again at once).
    bool opensADialog(const char* action)
    {
        bool opened = false;
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&opened] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                opened = true;
                modal->close();
            }
        });
        watch.start(0);
        trigger(action);
        return opened;
    }

    std::vector<std::function<void()>> restore;
    std::optional<StoreFixtures::ModesApply> modes;
};

TEST_P(RefusedRates, eachRateCommandSaysWhyAndWhatToDoBeforeAnyDialogAndConvertingGoesOn)
{
    data::createRatesDatabase(dbPath(), TestSupport::plainRates());
    const QByteArray bytes = StoreFixtures::fileBytes(dbPath());
    std::string expected;
    switch (GetParam()) {
    case Refused::File:
        ASSERT_TRUE(setModes(dbPath(), 0444));
        expected = "the rates file '" + str(QDir::toNativeSeparators(dbPath())) + "' is read-only for you";
        break;
    case Refused::Folder:
        ASSERT_TRUE(setModes(QFileInfo(dbPath()).absolutePath(), 0555));
        expected = "the folder '" + str(QDir::toNativeSeparators(QFileInfo(dbPath()).absolutePath())) + "'";
        break;
    case Refused::OthersGroup: {
        // The package's arrangement: the file belongs to a group this user is not in.
        const group* daemon = getgrgid(1);
        if (!daemon || ::geteuid() != 0)
            GTEST_SKIP() << "needs root to give the file to another owner and group";
        ASSERT_TRUE(setModes(dbPath(), 0664, std::pair<uid_t, gid_t>{1, 1}));
        expected = std::string("ask the administrator to add you to the group ") + daemon->gr_name + ", then log in again.";
        break;
    }
    }
    modes.emplace();  // root writes through any mode unless told not to
    startProgram({}, false);
    ASSERT_TRUE(messages.empty()) << "an unwritable file still opens: " << prompts().front();

    for (const char* command : {"mnuFileAddRates", "mnuFileEditRates", "mnuFileDeleteRates", "mnuFileImportRates"}) {
        messages.clear();
        EXPECT_FALSE(opensADialog(command)) << command;
        ASSERT_EQ(messages.size(), 1u) << command;
        EXPECT_NE(str(messages[0].prompt).find(expected), std::string::npos) << str(messages[0].prompt);
        const QString& said = messages[0].prompt;
        EXPECT_TRUE(said.endsWith(u'.') && !said.contains(u". "_s) && !said.contains(u'\n')) << "one sentence";
        EXPECT_FALSE(said.contains(u"ERROR"_s));
    }
    // Settings opens to be read; a new minimum commission is refused in the same words.
    messages.clear();
    withDialog<frmSettings>("mnuFileSettings", [](frmSettings& d) {
        AppFixture::control<QLineEdit>(d, u"txtMinimumCommission"_s)->setText(u"2"_s);
        QTest::mouseClick(AppFixture::control<QPushButton>(d, u"cmdOK"_s), Qt::LeftButton);
        EXPECT_TRUE(d.isVisible());
    });
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(str(messages[0].prompt).find(expected), std::string::npos) << str(messages[0].prompt);
    expectTheProgramGoesOn(4);
    frmHUD::instance().close();
    EXPECT_EQ(StoreFixtures::fileBytes(dbPath()), bytes);
}

INSTANTIATE_TEST_SUITE_P(Kinds, RefusedRates, ::testing::Values(Refused::File, Refused::Folder, Refused::OthersGroup));

// Each locked write waits out the store's busy timeout, made short here: the
// program's connection takes it when it opens.
TEST_F(UnwritableRates, aFileAnotherProgramIsWritingFailsEachWriteWithTheSaveErrorAndWorksOnceItIsDone)
{
    const StoreFixtures::ShortBusyTimeout shortWait;
    startProgram();
    auto lock = std::make_unique<StoreFixtures::WriteLock>(dbPath());
    ASSERT_TRUE(lock->held());
    tryEveryWrite("locked");
    lock.reset();

    // The same Save succeeds once the other program has finished.
    withDialog<frmAddExchange>("mnuFileAddRates", [&](frmAddExchange& d) {
        ctl(d).txtCountry->setText(QStringLiteral("Newland"));
        ctl(d).txtExRate->setText(QStringLiteral("4"));
        messages.clear();
        QTest::mouseClick(ctl(d).cmdSave, Qt::LeftButton);
        EXPECT_EQ(prompts(), (std::vector<std::string>{"The New Exchange Rate has been saved successfuly"}));
    });
    EXPECT_EQ(storedRows().back(), "Newland|---------------------|4");
    EXPECT_EQ(StoreFixtures::integrityCheck(dbPath()).toStdString(), "ok");
    expectTheProgramGoesOn(5);
}

// Permission lost while a dialog is open is a failed write like any other: the
// check before the dialog passed, so the Save Error reports it, and every row
// stays as it was. The folder turns read-only, since the open file's own
// handle would still write.
TEST_F(UnwritableRates, aFolderThatBecomesReadOnlyUnderAnOpenDialogFailsEachWriteWithTheSaveError)
{
    startProgram();
    const QByteArray folder = QFile::encodeName(QFileInfo(dbPath()).absolutePath());
    std::optional<StoreFixtures::ModesApply> modes;
    const auto readOnly = [&](bool on) {
        ::chmod(folder.constData(), on ? 0555 : 0700);
        modes.reset();
        if (on)
            modes.emplace();
    };
    const std::vector<std::string> before = storedRows();
    withDialog<frmAddExchange>("mnuFileAddRates", [&](frmAddExchange& d) {
        readOnly(true);
        ctl(d).txtCountry->setText(QStringLiteral("Newland"));
        ctl(d).txtExRate->setText(QStringLiteral("4"));
        messages.clear();
        QTest::mouseClick(ctl(d).cmdSave, Qt::LeftButton);
        ASSERT_EQ(messages.size(), 1u) << prompts().back();
        expectSaveError(messages[0], data::Err::CannotOpen);
        EXPECT_EQ(str(ctl(d).txtCountry->text()), "Newland") << "the boxes keep what the user typed";
        readOnly(false);
    });
    withDialog<frmDelete>("mnuFileDeleteRates", [&](frmDelete& d) {
        readOnly(true);
        choose(ctl(d).lstCountries, QStringLiteral("Threeland"));
        messages.clear();
        QTest::mouseClick(ctl(d).cmdDel, Qt::LeftButton);  // confirmed with Yes
        ASSERT_EQ(messages.size(), 2u) << prompts().back();
        expectSaveError(messages[1], data::Err::CannotOpen);
        readOnly(false);
    });
    readOnly(false);
    EXPECT_EQ(storedRows(), before);
}

// A logout or Ctrl+C while a rate dialog is open: the dialog is cancelled
// (nothing typed is saved), then the main window closes the ordinary way and
// saves the settings. Closing it from inside the dialog's loop would delete
// the window under the menu handler that runs the dialog.
TEST_F(MaintenanceTest, aTerminationSignalUnderAnOpenDialogCancelsItThenClosesTheProgram)
{
    startProgram();
    typeInto(ctl(frmHUD::instance()).txtCom, QStringLiteral("7"));
    const std::vector<std::string> before = storedRows();
    // The signal arrives in the dialog's own event loop, as a real one does.
    bool signalled = false;
    QTimer signal;
    QObject::connect(&signal, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<frmAddExchange*>(QApplication::activeModalWidget());
        if (!dialog || signalled)
            return;
        signalled = true;
        ctl(*dialog).txtCountry->setText(QStringLiteral("Newland"));
        ctl(*dialog).txtExRate->setText(QStringLiteral("4"));
        // A question about the typed entry would be cancelled in turn, forever.
        answers = {widgets::MsgBoxResult::Cancel, widgets::MsgBoxResult::Cancel};
        app::closeForTerminationSignal();
        // Not yet: the handler that runs the dialog is still on the stack.
        EXPECT_TRUE(frmHUD::isLoaded() && frmHUD::instance().isVisible());
    });
    signal.start(0);
    // Inside an event loop, as the menu command runs in the program.
    QEventLoop loop;
    QTimer::singleShot(0, qApp, [&] {
        trigger("mnuFileAddRates");
        loop.quit();
    });
    loop.exec();
    EXPECT_TRUE(signalled);
    EXPECT_TRUE(QTest::qWaitFor([] { return !frmHUD::isLoaded(); }, 5000));
    EXPECT_TRUE(messages.empty()) << "nothing is asked while the session ends";
    EXPECT_EQ(savedSetting(QStringLiteral("Com")).toString(), QStringLiteral("7"));
    EXPECT_EQ(storedRows(), before);
}

} // namespace
