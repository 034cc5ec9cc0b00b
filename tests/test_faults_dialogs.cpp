// The maintenance dialogs on a rates file that cannot be written: one this
// process may not write to, and one whose write lock another program holds.
// Each failure is reported, nothing is lost or half-written, and the program
// goes on.

#include "AppFixture.h"
#include "calculator/FigureLabel.h"

#include "maintenance/frmAddExchange.h"
#include "maintenance/frmDelete.h"
#include "tests/StoreFixtures.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace MaintenanceFixture;
using AppFixture::choose;

namespace {

// The report of a failed write: four lines, the number and the store's words.
void expectWriteFailure(const MsgBoxRequest& r, const char* words)
{
    const QStringList lines = r.prompt.split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 4) << str(r.prompt);
    EXPECT_EQ(str(lines[2]), "ERROR #: -2147467259");
    EXPECT_TRUE(lines[3].startsWith(QStringLiteral("ERROR  :"))) << str(lines[3]);
    EXPECT_TRUE(lines[3].contains(QString::fromLatin1(words))) << str(lines[3]);
    EXPECT_EQ(r.icon, MsgBoxIcon::Critical);
    EXPECT_EQ(r.buttons, MsgBoxButtons::OK);
}

class UnwritableRates : public MaintenanceTest {
protected:
    // Clicks a dialog's write button: the one report is the Save Error naming why.
    void expectSaveFails(QPushButton* button, const char* words)
    {
        messages.clear();
        QTest::mouseClick(button, Qt::LeftButton);
        ASSERT_EQ(messages.size(), 1u) << prompts().back();
        expectSaveError(messages[0], MOD_Data::Err::CannotOpen);
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

TEST_F(UnwritableRates, aFileThisUserMayNotWriteFailsEachWriteWithTheSaveErrorAndLosesNothing)
{
    MOD_Data::createRatesFile(dbPath(), sampleRates());
    const QByteArray bytes = StoreFixtures::fileBytes(dbPath());
    StoreFixtures::UnwritableFile guard(dbPath());
    if (!guard.ok())
        GTEST_SKIP() << "cannot make the file unwritable here: " << guard.why().toStdString();
    startProgram({}, false);
    EXPECT_TRUE(messages.empty()) << "an unwritable file still opens: " << prompts().front();

    tryEveryWrite("read-only");
    expectTheProgramGoesOn(4);
    frmHUD::instance().close();
    EXPECT_EQ(StoreFixtures::fileBytes(dbPath()), bytes);
}

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

// A failed delete is a failed write like any other: the Save Error message.
TEST_F(UnwritableRates, aFailedDeleteGivesTheSaveErrorMessage)
{
    MOD_Data::createRatesFile(dbPath(), sampleRates());
    StoreFixtures::UnwritableFile guard(dbPath());
    if (!guard.ok())
        GTEST_SKIP() << "cannot make the file unwritable here: " << guard.why().toStdString();
    startProgram({}, false);
    withDialog<frmDelete>("mnuFileDeleteRates", [&](frmDelete& d) {
        choose(ctl(d).lstCountries, QStringLiteral("Threeland"));
        messages.clear();
        QTest::mouseClick(ctl(d).cmdDel, Qt::LeftButton);
        ASSERT_EQ(messages.size(), 2u);
        expectSaveError(messages[1], MOD_Data::Err::CannotOpen);
    });
}

} // namespace
