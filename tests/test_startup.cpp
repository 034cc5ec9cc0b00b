// Start-up, saved settings, shut-down and the farewell splash.

#include "AppFixture.h"

#include "app/Database.h"
#include "tests/StoreFixtures.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

using AppFixture::ProgramTest;
using AppFixture::ctl;

namespace {

class StartupTest : public ProgramTest {};

TEST_F(StartupTest, firstRunStartsBlankAtTheDefaultPlace)
{
    createDatabase();
    frmHUD& hud = startProgram();
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(ctl(hud).lstCountries[0]->count(), 7);
    EXPECT_TRUE(ctl(hud).selected(0).isEmpty());
    EXPECT_TRUE(ctl(hud).selected(1).isEmpty());
    EXPECT_TRUE(ctl(hud).txtExchangeRate[0]->text().isEmpty());
    EXPECT_FALSE(ctl(hud).cmdCalculate->isEnabled());
    EXPECT_EQ(ctl(hud).txtCom->text(), QStringLiteral("0"));
    EXPECT_EQ(hud.pos(), QPoint(7, 7));  // 105 twips
    EXPECT_TRUE(hud.isVisible());
}

TEST_F(StartupTest, savedCountriesCommissionAndPlaceComeBack)
{
    createDatabase();
    saveSetting(QStringLiteral("ConvertTo"), QStringLiteral("Testland"));  // the Convert From list
    saveSetting(QStringLiteral("ConvertFrom"), QStringLiteral("O'Brien's Land"));
    saveSetting(QStringLiteral("Com"), QStringLiteral("2.50"));
    saveSetting(QStringLiteral("Top"), QStringLiteral("1500"));
    saveSetting(QStringLiteral("Left"), QStringLiteral("3000"));
    frmHUD& hud = startProgram();
    EXPECT_EQ(ctl(hud).selected(0), QStringLiteral("Testland"));
    EXPECT_EQ(ctl(hud).txtExchangeRate[0]->text(), QStringLiteral("1.5"));
    EXPECT_EQ(ctl(hud).selected(1), QStringLiteral("O'Brien's Land"));
    EXPECT_EQ(ctl(hud).txtDenomination[1]->text(), QStringLiteral("Shilling"));
    EXPECT_EQ(ctl(hud).txtCom->text(), QStringLiteral("2.5"));
    EXPECT_EQ(hud.pos(), QPoint(200, 100));
}

TEST_F(StartupTest, closingSavesWhatTheWindowShowsForTheNextRun)
{
    createDatabase();
    saveSetting(QStringLiteral("ConvertFrom"), QStringLiteral("Twoland"));
    frmHUD& hud = startProgram();
    QListWidget* from = ctl(hud).lstCountries[0];
    from->setCurrentItem(from->findItems(QStringLiteral("Threeland"), Qt::MatchExactly).first());
    ctl(hud).lstCountries[1]->clearSelection();  // nothing chosen: the earlier country stays saved
    ctl(hud).txtCom->setText(QStringLiteral("007"));
    hud.move(45, 30);
    hud.close();
    EXPECT_EQ(savedSetting(QStringLiteral("ConvertTo")).toString(), QStringLiteral("Threeland"));
    EXPECT_EQ(savedSetting(QStringLiteral("ConvertFrom")).toString(), QStringLiteral("Twoland"));
    EXPECT_EQ(savedSetting(QStringLiteral("Com")).toString(), QStringLiteral("007"));
    EXPECT_EQ(savedSetting(QStringLiteral("Top")).toString(), QStringLiteral("450"));
    EXPECT_EQ(savedSetting(QStringLiteral("Left")).toString(), QStringLiteral("675"));

    // The next run: "007" comes back as 7.
    delete frmSplash::current();
    frmHUD& next = startProgram();
    EXPECT_EQ(ctl(next).txtCom->text(), QStringLiteral("7"));
    EXPECT_EQ(ctl(next).selected(0), QStringLiteral("Threeland"));
    EXPECT_EQ(ctl(next).selected(1), QStringLiteral("Twoland"));
    EXPECT_EQ(next.pos(), QPoint(45, 30));
}

struct BadValue {
    const char* key;
    QVariant value;
};

class UnusableSetting : public StartupTest, public ::testing::WithParamInterface<BadValue> {};

TEST_P(UnusableSetting, givesItsDefault)
{
    createDatabase();
    saveSetting(QString::fromLatin1(GetParam().key), GetParam().value);
    frmHUD& hud = startProgram();
    EXPECT_EQ(ctl(hud).txtCom->text(), QStringLiteral("0"));
    EXPECT_EQ(hud.pos(), QPoint(7, 7));
}

INSTANTIATE_TEST_SUITE_P(
    Values, UnusableSetting,
    ::testing::Values(BadValue{"Com", QStringLiteral("")}, BadValue{"Com", QStringLiteral("abc")},
                      BadValue{"Com", QStringLiteral("1,5")}, BadValue{"Top", QStringLiteral("x")},
                      BadValue{"Left", QStringLiteral("1e999")}, BadValue{"Top", QStringLiteral("-999999999")},
                      BadValue{"Left", QStringList{QStringLiteral("1"), QStringLiteral("2")}},
                      // wholly off every screen: no one could reach the window there
                      BadValue{"Left", QStringLiteral("-300000")}, BadValue{"Top", QStringLiteral("900000")}));

TEST_F(StartupTest, aWindowPartlyOffScreenStaysWhereItWas)
{
    createDatabase();
    saveSetting(QStringLiteral("Left"), QStringLiteral("-1500"));
    frmHUD& hud = startProgram();
    EXPECT_EQ(hud.pos(), QPoint(-100, 7));
}

TEST_F(StartupTest, savedNameMatchingNoEntryEndsOnTheLastItem)
{
    createDatabase();
    saveSetting(QStringLiteral("ConvertTo"), QStringLiteral("TESTLAND"));
    saveSetting(QStringLiteral("ConvertFrom"), QStringLiteral("Atlantis"));
    frmHUD& hud = startProgram();
    EXPECT_EQ(ctl(hud).selected(0), QStringLiteral("Zeroland"));
    EXPECT_EQ(ctl(hud).selected(1), QStringLiteral("Zeroland"));
    EXPECT_EQ(ctl(hud).txtDenomination[1]->text(), QStringLiteral("Nought"));
}

TEST_F(StartupTest, missingDatabaseShowsBothDialogsThenAnEmptyWindow)
{
    frmHUD& hud = startProgram();
    ASSERT_EQ(messages.size(), 2u);
    const QString expected = connectionDialogStart();
    EXPECT_TRUE(messages[0].prompt.startsWith(expected)) << messages[0].prompt.toStdString();
    EXPECT_EQ(messages[0].title, QStringLiteral("Save Error"));
    EXPECT_EQ(messages[0].icon, widgets::MsgBoxIcon::Critical);
    EXPECT_EQ(messages[0].buttons, widgets::MsgBoxButtons::OK);
    EXPECT_FALSE(messages[0].prompt.contains(QStringLiteral("qv517302")));
    EXPECT_EQ(messages[1].prompt, QStringLiteral("There were errors while trying to fill the countries lists."));
    EXPECT_EQ(messages[1].title, QStringLiteral("Tallyvane"));
    EXPECT_EQ(messages[1].icon, widgets::MsgBoxIcon::None);
    EXPECT_TRUE(hud.isVisible());
    EXPECT_EQ(ctl(hud).lstCountries[0]->count(), 0);
    EXPECT_FALSE(QFile::exists(dbPath()));  // never created by the program
}

TEST_F(StartupTest, aFileWithoutTheTableAsksWhetherToGoOn)
{
    ASSERT_EQ(StoreFixtures::rawExec(dbPath(), "CREATE TABLE other(x);"), 0);
    answers = {widgets::MsgBoxResult::Yes};
    frmHUD& hud = startProgram();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_TRUE(messages[0].prompt.startsWith(QStringLiteral(
        "There was a problem launching Tallyvane.\r\nYou can still run the software, but you may experience "
        "problems.\r\nWould you like to continue loading Tallyvane?\r\nERROR #: ")))
        << messages[0].prompt.toStdString();
    EXPECT_EQ(messages[0].buttons, widgets::MsgBoxButtons::YesNo);
    EXPECT_EQ(messages[0].icon, widgets::MsgBoxIcon::None);
    EXPECT_EQ(messages[0].title, QStringLiteral("Save Error"));
    EXPECT_EQ(messages[1].prompt, QStringLiteral("There were errors while trying to fill the countries lists."));
    EXPECT_TRUE(hud.isVisible());
}

TEST_F(StartupTest, answeringNoEndsAtOnceWithoutTheWindow)
{
    ASSERT_EQ(StoreFixtures::rawExec(dbPath(), "CREATE TABLE tblExchanges(Country TEXT, \"Exchange Rate\" REAL);"), 0);
    answers = {widgets::MsgBoxResult::No};
    EXPECT_FALSE(app::Start());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].prompt.contains(QStringLiteral("Monetery Unit"))) << messages[0].prompt.toStdString();
    EXPECT_FALSE(frmHUD::isLoaded() && frmHUD::instance().isVisible());
    EXPECT_FALSE(data::cnRates.isOpen());
}

// Every route of closing runs the same steps: database closed and splash shown,
// then the settings saved; the splash goes after two seconds and the loop ends.
class ClosingRoute : public StartupTest, public ::testing::WithParamInterface<int> {};

TEST_P(ClosingRoute, closesDatabaseThenSavesThenEndsAfterTheSplash)
{
    frmSplash::setInterval(150);  // the splash's own length is checked below, without waiting it out
    createDatabase();
    frmHUD& hud = startProgram();
    ctl(hud).txtCom->setText(QStringLiteral("3"));

    bool splashSeen = false;
    bool dbClosedAtSplash = false;
    bool settingsUnsavedAtSplash = false;
    // The splash appears inside the close, before the settings are written.
    struct SplashSpy : QObject {
        std::function<void()> onShow;
        bool eventFilter(QObject* o, QEvent* e) override
        {
            if (e->type() == QEvent::Show && qobject_cast<frmSplash*>(o))
                onShow();
            return false;
        }
    } spy;
    spy.onShow = [&] {
        settingsUnsavedAtSplash = !QFile::exists(settingsFile());
        dbClosedAtSplash = !data::cnRates.isOpen() && !data::rsRates.isOpen();
        splashSeen = true;
    };
    qApp->installEventFilter(&spy);

    QTimer::singleShot(0, &hud, [&hud] {
        switch (GetParam()) {
        case 0: QTest::mouseClick(ctl(hud).cmdExit, Qt::LeftButton); break;
        case 1: hud.findChild<QAction*>(QStringLiteral("mnuFileExit"))->trigger(); break;
        case 2: hud.close(); break;  // the close box
        case 3: ctl(hud).cmdExit->setFocus(); QTest::keyClick(ctl(hud).cmdExit, Qt::Key_Return); break;
        }
    });
    QElapsedTimer clock;
    clock.start();
    QTimer failsafe;
    failsafe.setSingleShot(true);
    QObject::connect(&failsafe, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    failsafe.start(10000);
    const int rc = QApplication::exec();
    qApp->removeEventFilter(&spy);

    EXPECT_EQ(rc, 0);
    frmSplash::setInterval(frmSplash::ShowMilliseconds);
    EXPECT_GE(clock.elapsed(), 150);
    EXPECT_TRUE(splashSeen);
    EXPECT_TRUE(dbClosedAtSplash);
    EXPECT_TRUE(settingsUnsavedAtSplash);
    EXPECT_EQ(savedSetting(QStringLiteral("Com")).toString(), QStringLiteral("3"));
    EXPECT_FALSE(frmHUD::isLoaded());
    EXPECT_EQ(frmSplash::current(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Routes, ClosingRoute, ::testing::Values(0, 1, 2, 3));

TEST_F(StartupTest, splashIsBorderlessCentredOnTopAndIgnoresClicks)
{
    createDatabase();
    frmHUD& hud = startProgram();
    hud.close();
    frmSplash* splash = frmSplash::current();
    ASSERT_NE(splash, nullptr);
    EXPECT_TRUE(splash->isVisible());
    EXPECT_TRUE(splash->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(splash->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(splash->windowType(), Qt::SplashScreen);
    EXPECT_EQ(splash->size(), QSize(132, 68));
    EXPECT_EQ(splash->geometry().center(), QGuiApplication::primaryScreen()->geometry().center());
    QTest::mouseClick(splash, Qt::LeftButton);
    EXPECT_EQ(frmSplash::current(), splash);
    const auto* T1 = splash->findChild<QTimer*>(QStringLiteral("T1"));
    ASSERT_NE(T1, nullptr);
    EXPECT_EQ(T1->interval(), 2000);
}

} // namespace
