// The File menu's Import Rates and Export Rates driven as a user would, on real
// rates files, with the file dialogs and message boxes answered; and the dates
// the Add and Edit dialogs stamp, as the main window shows them.

#include "AppFixture.h"
#include "StoreFixtures.h"

#include "data/NumberText.h"
#include "data/RateWrites.h"
#include "maintenance/ImportExport.h"
#include "maintenance/frmImportRates.h"
#include "ratefiles/RateExport.h"
#include "ratefiles/RateImportPlan.h"
#include "widgets/FileDialog.h"
#include "widgets/RateFileWords.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QTableWidget>

#include <sys/stat.h>

using namespace Qt::StringLiterals;
using MaintenanceFixture::MaintenanceTest;
using MaintenanceFixture::ctl;
using TestSupport::str;

namespace {

const QString ImportData = QStringLiteral(TALLYVANE_IMPORT_DATA);

std::vector<data::RateRow> tillRates()
{
    return {
        {u"Britain"_s, u"Pound"_s, 1.0, {}},
        {u"United States"_s, u"Dollar"_s, 1.25, QDate(2019, 11, 1)},
        {u"France"_s, u"Euro"_s, 1.15, {}},
        {u"Japan"_s, u"Yen"_s, 140.0, QDate(2019, 12, 1)},
        {u"Germany"_s, u"Euro"_s, 1.15, {}},
        {u"Russia"_s, u"Rouble"_s, 80.0, {}},
    };
}

// A month of the UK's rates as its CSV download is shaped: byte-order mark,
// CR LF, quoted fields, blanks after the rate.
QByteArray ukMonthCsv()
{
    return "\xEF\xBB\xBF"
           "Country/Territories,Currency,Currency Code,Currency Units per \xC2\xA3" "1,Start date,End date\r\n"
           "USA,Dollar,USD,1.3071 ,01/01/2020,31/01/2020\r\n"
           "France,Euro,EUR,1.1812 ,01/01/2020,31/01/2020\r\n"
           "\"Russian Federation\",Rouble,RUB,81.2 ,01/01/2020,31/01/2020\r\n"
           "Chile,Peso,CLP,990.5 ,01/01/2020,31/01/2020\r\n";
}

// Every row as readAllRates sees it: "Country|Unit|Rate|Updated".
std::vector<std::string> rowsOf(const QString& path)
{
    data::Connection connection;
    connection.Open(path);
    std::vector<std::string> rows;
    for (const data::RateRow& r : data::readAllRates(connection))
        rows.push_back(str(u"%1|%2|%3|%4"_s.arg(r.country, r.unit, data::numberText(r.rate),
                                                 r.updated.toString(Qt::ISODate))));
    return rows;
}

class ImportExportTest : public MaintenanceTest {
protected:
    void SetUp() override
    {
        MaintenanceTest::SetUp();
        maintenance::forgetRateFileFolders();
        widgets::setOpenFileNameHandler([this](const widgets::FileDialogRequest& r) { return answerFileDialog(r); });
        widgets::setSaveFileNameHandler([this](const widgets::FileDialogRequest& r) { return answerFileDialog(r); });
    }
    void TearDown() override
    {
        widgets::setOpenFileNameHandler({});
        widgets::setSaveFileNameHandler({});
        MaintenanceTest::TearDown();
    }

    QString answerFileDialog(const widgets::FileDialogRequest& r)
    {
        fileRequests.push_back(r);
        if (fileAnswers.empty())
            return {};
        const QString answer = fileAnswers.front();
        fileAnswers.pop_front();
        return answer;
    }

    QString writeFile(const QString& name, const QByteArray& bytes)
    {
        const QString path = dir.filePath(name);
        StoreFixtures::writeBytes(path, bytes);
        return path;
    }

    // Imports path through the menu. preview, when given, runs on the preview
    // dialog, which is closed afterwards if it is still open. Returns whether a
    // preview appeared.
    bool importThroughMenu(const QString& path, const std::function<void(frmImportRates&)>& preview = {})
    {
        fileAnswers.push_back(path);
        auto shown = std::make_shared<bool>(false);
        QTimer poller;
        QObject::connect(&poller, &QTimer::timeout, [shown, preview] {
            auto* dialog = qobject_cast<frmImportRates*>(QApplication::activeModalWidget());
            if (!dialog || *shown)
                return;
            *shown = true;
            EXPECT_TRUE(QTest::qWaitForWindowActive(dialog));
            if (preview)
                preview(*dialog);
            if (QApplication::activeModalWidget() == dialog)
                dialog->reject();
        });
        poller.start(0);
        trigger("mnuFileImportRates");
        return *shown;
    }

    // Exports through the menu, the save dialog answered with path.
    void exportThroughMenu(const QString& path)
    {
        fileAnswers.push_back(path);
        trigger("mnuFileExportRates");
    }

    static void clickImport(frmImportRates& d) { QTest::mouseClick(d.cmdImport, Qt::LeftButton); }

    std::vector<widgets::FileDialogRequest> fileRequests;
    std::deque<QString> fileAnswers;
};

// ------------------------------------------------------------------ the menu

TEST_F(ImportExportTest, theCommandsStandAfterDeleteRatesWithoutShortcuts)
{
    frmHUD& hud = startProgram(tillRates());
    QMenu* file = hud.findChild<QMenu*>(u"mnuFile"_s);
    ASSERT_NE(file, nullptr);
    QStringList items;
    for (const QAction* a : file->actions())
        items << (a->isSeparator() ? u"-"_s : a->text() + u'|' + a->shortcut().toString());
    EXPECT_EQ(items, (QStringList{u"&Add Rates|Ctrl+A"_s, u"&Edit Rates|Ctrl+E"_s, u"&Delete Rates|Ctrl+D"_s,
                                  u"&Update Rates...|Ctrl+U"_s, u"&Import Rates...|"_s, u"Ex&port Rates...|"_s, u"-"_s,
                                  u"&Record Deal|Ctrl+R"_s, u"Repri&nt Receipt...|"_s, u"&Void Last Deal...|"_s,
                                  u"Da&y's Deals...|Ctrl+J"_s, u"-"_s, u"Rate &Board|Ctrl+B"_s, u"&Settings...|"_s,
                                  u"-"_s, u"E&xit|Ctrl+X"_s}));
}

struct AccessKey {
    Qt::Key key;
    const char* title;
    const char* filter;
};

class ImportExportKeys : public ImportExportTest, public ::testing::WithParamInterface<AccessKey> {};

TEST_P(ImportExportKeys, altFThenTheLetterAsksForAFile)
{
    const AccessKey& k = GetParam();
    frmHUD& hud = startProgram(tillRates());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&hud));
    QTest::keyClick(&hud, Qt::Key_F, Qt::AltModifier);
    QMenu* file = hud.findChild<QMenu*>(u"mnuFile"_s);
    ASSERT_TRUE(QTest::qWaitFor([file] { return file->isVisible(); }, 2000));
    QTest::keyClick(file, k.key);
    ASSERT_TRUE(QTest::qWaitFor([this] { return !fileRequests.empty(); }, 2000));
    ASSERT_EQ(fileRequests.size(), 1u);
    EXPECT_EQ(str(fileRequests[0].title), k.title);
    EXPECT_EQ(str(fileRequests[0].filter), k.filter);
    EXPECT_TRUE(messages.empty());  // cancelled: nothing said, nothing written
}

INSTANTIATE_TEST_SUITE_P(
    Menu, ImportExportKeys,
    ::testing::Values(AccessKey{Qt::Key_I, "Import Rates", "Rate files (*.csv *.txt *.xml);;All files (*)"},
                      AccessKey{Qt::Key_P, "Export Rates", "CSV files (*.csv);;All files (*)"}));

// ------------------------------------------------------------------ importing

TEST_F(ImportExportTest, aMonthlyFileUpdatesTheTableAndTheChosenSidesBoxes)
{
    const AppFixture::Hud hud(startProgram(tillRates()));
    AppFixture::choose(hud.lstCountries[0], u"Britain"_s);
    AppFixture::choose(hud.lstCountries[1], u"Germany"_s);
    ASSERT_EQ(str(hud.txtExchangeRate[1]->text()), "1.15");
    EXPECT_TRUE(hud.txtExchangeRate[1]->toolTip().isEmpty());

    const QString path = writeFile(u"exrates-monthly-0120.csv"_s, ukMonthCsv());
    std::vector<std::string> offered;
    EXPECT_TRUE(importThroughMenu(path, [&offered](frmImportRates& d) {
        for (const ratefiles::RateChange& c : d.changes())
            offered.push_back(str(c.country) + (c.ticked ? "+" : "-"));
        clickImport(d);
    }));
    EXPECT_EQ(offered, (std::vector<std::string>{"United States+", "France+", "Germany+", "Russia+", "Chile-"}));

    EXPECT_EQ(rowsOf(dbPath()), (std::vector<std::string>{
                                    "Britain|Pound|1|",
                                    "United States|Dollar|1.3071|2020-01-01",
                                    "France|Euro|1.1812|2020-01-01",
                                    "Japan|Yen|140|2019-12-01",
                                    "Germany|Euro|1.1812|2020-01-01",
                                    "Russia|Rouble|81.2|2020-01-01",
                                }));
    // Both sides chosen as before; the changed one shows its new rate and day.
    EXPECT_EQ(str(hud.selected(0)), "Britain");
    EXPECT_EQ(str(hud.selected(1)), "Germany");
    EXPECT_EQ(str(hud.txtExchangeRate[1]->text()), "1.1812");
    EXPECT_EQ(str(hud.txtExchangeRate[1]->toolTip()), "Rate of 1 January 2020");
    EXPECT_TRUE(hud.txtExchangeRate[0]->toolTip().isEmpty());
    EXPECT_EQ(prompts(), (std::vector<std::string>{"4 rates imported from exrates-monthly-0120.csv."}));

    // The next import starts where this file was.
    importThroughMenu({});
    ASSERT_EQ(fileRequests.size(), 2u);
    EXPECT_EQ(fileRequests[1].path, QFileInfo(path).absolutePath());
    EXPECT_TRUE(QFileInfo(fileRequests[0].path).isDir());
}

// The program speaks English; a German desktop must not make its days half German.
TEST_F(ImportExportTest, thePreviewAndTheRateBoxNameTheirDaysInEnglishWhateverTheLocale)
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const AppFixture::Hud hud(startProgram(tillRates()));
    AppFixture::choose(hud.lstCountries[1], u"France"_s);
    QString period;
    importThroughMenu(writeFile(u"rates.csv"_s, ukMonthCsv()), [&period](frmImportRates& d) {
        period = d.findChild<QLabel*>(u"lblPeriod"_s)->text();
        EXPECT_EQ(str(d.tblChanges->item(0, frmImportRates::ColCurrentDate)->text()), "1 November 2019");
        clickImport(d);
    });
    QLocale::setDefault(saved);
    EXPECT_EQ(str(period), "Rates of 1 January 2020 to 31 January 2020");
    EXPECT_EQ(str(hud.txtExchangeRate[1]->toolTip()), "Rate of 1 January 2020");
}

TEST_F(ImportExportTest, cancelInThePreviewWritesNothing)
{
    startProgram(tillRates());
    const QByteArray before = StoreFixtures::fileBytes(dbPath());
    const QString path = writeFile(u"rates.csv"_s, ukMonthCsv());
    EXPECT_TRUE(importThroughMenu(path, [](frmImportRates& d) { QTest::mouseClick(d.cmdCancel, Qt::LeftButton); }));
    EXPECT_EQ(StoreFixtures::fileBytes(dbPath()), before);
    EXPECT_TRUE(messages.empty());
}

// Something goes wrong while the preview is open; the import then fails in the
// middle of writing and must leave the file exactly as it was.
struct Sabotage {
    const char* name;
    std::function<std::shared_ptr<void>(const QString& db)> apply;  // the result lives until the write is done
};

class FailedImport : public ImportExportTest, public ::testing::WithParamInterface<Sabotage> {};

TEST_P(FailedImport, leavesTheTableAsItWasAndShowsTheSaveError)
{
    const StoreFixtures::ShortBusyTimeout shortWait;
    const AppFixture::Hud hud(startProgram(tillRates()));
    AppFixture::choose(hud.lstCountries[1], u"France"_s);
    const QString path = writeFile(u"rates.csv"_s, ukMonthCsv());

    QByteArray before;
    std::vector<std::string> rowsBefore;
    std::shared_ptr<void> held;  // until the import has tried to write
    EXPECT_TRUE(importThroughMenu(path, [&](frmImportRates& d) {
        held = GetParam().apply(dbPath());
        before = StoreFixtures::fileBytes(dbPath());
        rowsBefore = rowsOf(dbPath());
        clickImport(d);
    }));
    held.reset();
    EXPECT_EQ(rowsOf(dbPath()), rowsBefore);
    EXPECT_EQ(StoreFixtures::fileBytes(dbPath()), before);
    EXPECT_EQ(StoreFixtures::integrityCheck(dbPath()).toStdString(), "ok");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(str(messages[0].title), "Save Error");
    EXPECT_EQ(messages[0].icon, widgets::MsgBoxIcon::Critical);
    EXPECT_TRUE(messages[0].prompt.startsWith(u"There was a problem saving the data.\r\n"_s)) << str(messages[0].prompt);
    EXPECT_TRUE(messages[0].prompt.contains(u"\r\nERROR #: "_s)) << str(messages[0].prompt);
    // The side still shows the rate the table holds.
    EXPECT_EQ(str(hud.txtExchangeRate[1]->text()), "1.15");
}

INSTANTIATE_TEST_SUITE_P(
    Writes, FailedImport,
    ::testing::Values(Sabotage{"aRowDeletedMeanwhile",
                               [](const QString& db) -> std::shared_ptr<void> {
                                   EXPECT_EQ(StoreFixtures::rawExec(db, "DELETE FROM tblExchanges WHERE Country = 'Russia'"),
                                             SQLITE_OK);
                                   return {};
                               }},
                      Sabotage{"anotherWriterHoldsTheLock",
                               [](const QString& db) -> std::shared_ptr<void> {
                                   auto lock = std::make_shared<StoreFixtures::WriteLock>(db);
                                   EXPECT_TRUE(lock->held());
                                   return lock;
                               }}),
    [](const ::testing::TestParamInfo<Sabotage>& info) { return std::string(info.param.name); });

TEST_F(ImportExportTest, aBadFileIsNamedWithItsLineAndNothingIsWritten)
{
    startProgram(tillRates());
    const QByteArray before = StoreFixtures::fileBytes(dbPath());
    const QString path = writeFile(u"broken.csv"_s, "Country,Monetery Unit,Exchange Rate,Updated\r\n"
                                                     "France,Euro,1.2,2020-01-01\r\n"
                                                     "Japan,Yen,not a number,2020-01-01\r\n");
    EXPECT_FALSE(importThroughMenu(path));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].icon, widgets::MsgBoxIcon::Exclamation);
    EXPECT_EQ(str(messages[0].title), "Import Rates");
    EXPECT_TRUE(messages[0].prompt.contains(QDir::toNativeSeparators(path))) << str(messages[0].prompt);
    EXPECT_TRUE(messages[0].prompt.contains(u"line 3"_s)) << str(messages[0].prompt);
    EXPECT_EQ(StoreFixtures::fileBytes(dbPath()), before);
}

TEST_F(ImportExportTest, withoutAnOpenDatabaseBothCommandsSaySoAndAskForNoFile)
{
    startProgram({}, false);  // no rates file: the program goes on without one
    for (const char* action : {"mnuFileImportRates", "mnuFileExportRates"}) {
        SCOPED_TRACE(action);
        messages.clear();
        trigger(action);
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_TRUE(messages[0].prompt.contains(u"database is not open"_s)) << str(messages[0].prompt);
    }
    EXPECT_TRUE(fileRequests.empty());
}

TEST_F(ImportExportTest, aWholeMonthImportsIntoAFileOfTheOldestLayout)
{
    StoreFixtures::createUnnumberedFile(dbPath(), TestSupport::sampleRates(), 0);
    startProgram({}, false);
    ASSERT_TRUE(data::cnRates.isOpen());
    EXPECT_TRUE(importThroughMenu(ImportData + u"/uk-monthly-2020-01.xml"_s, [](frmImportRates& d) {
        EXPECT_GT(d.tblChanges->rowCount(), 150);
        clickImport(d);
    }));
    EXPECT_EQ(StoreFixtures::userVersion(dbPath()), data::CurrentLayout);
    EXPECT_EQ(rowsOf(dbPath()), (std::vector<std::string>{
                                    "Britain|Pound|1|",
                                    "United States|Dollar|12714.2857|2020-01-01",
                                    "Japan|Yen|3|2020-01-01",
                                    "France|Euro|1.5143|2020-01-01",
                                }));
    EXPECT_EQ(prompts(), (std::vector<std::string>{"3 rates imported from uk-monthly-2020-01.xml."}));
}

// ------------------------------------------------------------------ exporting

TEST_F(ImportExportTest, anExportReadBackProposesNothing)
{
    startProgram(tillRates());
    const QString path = dir.filePath(u"rates.csv"_s);
    exportThroughMenu(path);
    ASSERT_EQ(fileRequests.size(), 1u);
    EXPECT_EQ(QFileInfo(fileRequests[0].path).fileName(),
              ratefiles::suggestedExportName(QDate::currentDate()));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(str(messages[0].prompt), "6 rates exported to '" + str(QDir::toNativeSeparators(path)) + "'.");

    messages.clear();
    const QByteArray before = StoreFixtures::fileBytes(dbPath());
    EXPECT_FALSE(importThroughMenu(path));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].prompt.contains(u"nothing to change"_s)) << str(messages[0].prompt);
    EXPECT_EQ(StoreFixtures::fileBytes(dbPath()), before);
}

TEST_F(ImportExportTest, anExportRestoresAnEmptiedTableWithTickAll)
{
    startProgram(tillRates());
    const std::vector<std::string> original = rowsOf(dbPath());
    const QString path = dir.filePath(u"backup"_s);  // typed without an ending
    exportThroughMenu(path);
    ASSERT_TRUE(QFileInfo::exists(path + u".csv"_s));

    ASSERT_EQ(StoreFixtures::rawExec(dbPath(), "DELETE FROM tblExchanges"), SQLITE_OK);
    messages.clear();
    int ticked = -1;
    EXPECT_TRUE(importThroughMenu(path + u".csv"_s, [&ticked](frmImportRates& d) {
        ticked = static_cast<int>(d.tickedChanges().size());
        QTest::mouseClick(d.cmdTickAll, Qt::LeftButton);
        clickImport(d);
    }));
    EXPECT_EQ(ticked, 0);  // every row is new, and new rows come unticked
    EXPECT_EQ(rowsOf(dbPath()), original);
    EXPECT_EQ(frmHUD::instance().countryEntries(0).size(), 6);
}

TEST_F(ImportExportTest, anExistingFileIsReplacedOnlyAfterYes)
{
    startProgram(tillRates());
    const QString path = writeFile(u"rates.csv"_s, "keep me");

    answers.push_back(widgets::MsgBoxResult::No);
    exportThroughMenu(path);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].buttons, widgets::MsgBoxButtons::YesNo);
    EXPECT_EQ(str(messages[0].title), "Export Rates");
    EXPECT_TRUE(messages[0].prompt.contains(QDir::toNativeSeparators(path)));
    EXPECT_EQ(StoreFixtures::fileBytes(path), "keep me");

    messages.clear();
    answers.push_back(widgets::MsgBoxResult::Yes);
    exportThroughMenu(path);
    EXPECT_EQ(messages.size(), 2u);
    EXPECT_TRUE(StoreFixtures::fileBytes(path).startsWith("Country,Monetery Unit,Exchange Rate,Updated\r\n"));
}

TEST_F(ImportExportTest, aFileThatCannotBeWrittenIsNamed)
{
    startProgram(tillRates());
    const QString path = dir.filePath(u"no such folder/rates.csv"_s);
    exportThroughMenu(path);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].icon, widgets::MsgBoxIcon::Critical);
    EXPECT_TRUE(messages[0].prompt.contains(QDir::toNativeSeparators(path))) << str(messages[0].prompt);
    EXPECT_FALSE(QFileInfo::exists(path));
}

TEST_F(ImportExportTest, aPipeIsNotOfferedForReplacingAndIsKept)
{
    startProgram(tillRates());
    const QString path = dir.filePath(u"rates.csv"_s);
    ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0666), 0);
    exportThroughMenu(path);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].icon, widgets::MsgBoxIcon::Critical);
    EXPECT_EQ(str(messages[0].prompt), "Could not write '" + str(QDir::toNativeSeparators(path))
                                           + "': it is not an ordinary file (a device, a pipe or the like)\r\n"
                                             "The rates were not exported.");
    EXPECT_FALSE(QFileInfo(path).isFile());
}

// ------------------------------------------------------------------ dates

TEST_F(ImportExportTest, addAndEditStampTodayAndTheRateBoxSaysSo)
{
    const AppFixture::Hud hud(startProgram(tillRates()));
    const QString today = QDate::currentDate().toString(Qt::ISODate);
    const std::string todayTip = "Rate of " + str(widgets::dateText(QDate::currentDate()));

    withDialog<frmAddExchange>("mnuFileAddRates", [](frmAddExchange& d) {
        AppFixture::typeInto(ctl(d).txtCountry, u"Chile"_s);
        AppFixture::typeInto(ctl(d).txtExRate, u"990"_s);
        QTest::mouseClick(ctl(d).cmdSave, Qt::LeftButton);
    });
    EXPECT_EQ(StoreFixtures::storedRow(dbPath(), u"Chile"_s).value(3), today);

    withDialog<frmDelete>("mnuFileEditRates", [](frmDelete& d) {
        AppFixture::choose(ctl(d).lstCountries, u"France"_s);
        AppFixture::typeInto(ctl(d).txtExRate, u"1.2"_s);
        QTest::mouseClick(ctl(d).cmdDel, Qt::LeftButton);
    });
    EXPECT_EQ(StoreFixtures::storedRow(dbPath(), u"France"_s).value(2), u"1.2"_s);
    EXPECT_EQ(StoreFixtures::storedRow(dbPath(), u"France"_s).value(3), today);
    EXPECT_EQ(StoreFixtures::storedRow(dbPath(), u"Germany"_s).value(3), QString());

    AppFixture::choose(hud.lstCountries[0], u"Chile"_s);
    AppFixture::choose(hud.lstCountries[1], u"France"_s);
    EXPECT_EQ(str(hud.txtExchangeRate[0]->toolTip()), todayTip);
    EXPECT_EQ(str(hud.txtExchangeRate[1]->toolTip()), todayTip);
    // A row from before dates were kept says nothing; one set on a day names it.
    AppFixture::choose(hud.lstCountries[1], u"Germany"_s);
    EXPECT_TRUE(hud.txtExchangeRate[1]->toolTip().isEmpty());
    AppFixture::choose(hud.lstCountries[1], u"Japan"_s);
    EXPECT_EQ(str(hud.txtExchangeRate[1]->toolTip()), "Rate of 1 December 2019");
}

// Rates converted through the euro have many digits; the box must not hide the first.
TEST_F(ImportExportTest, aLongRateShowsItsFirstDigits)
{
    std::vector<data::RateRow> rows = tillRates();
    rows[2].rate = 1.0 / 0.84365;
    rows[2].unit = u"Euro, the currency of the euro area"_s.left(25);
    const AppFixture::Hud hud(startProgram(rows));
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frmHUD::instance()));
    AppFixture::choose(hud.lstCountries[1], u"France"_s);
    ASSERT_EQ(str(hud.txtExchangeRate[1]->text()), "1.18532566822735");
    EXPECT_EQ(hud.txtExchangeRate[1]->cursorPosition(), 0);
    EXPECT_EQ(hud.txtDenomination[1]->cursorPosition(), 0);
}

TEST_F(ImportExportTest, aSideWhoseCountryIsGoneLosesItsDate)
{
    const AppFixture::Hud hud(startProgram(tillRates()));
    AppFixture::choose(hud.lstCountries[1], u"Japan"_s);
    ASSERT_FALSE(hud.txtExchangeRate[1]->toolTip().isEmpty());
    ASSERT_EQ(StoreFixtures::rawExec(dbPath(), "DELETE FROM tblExchanges WHERE Country = 'Japan'"), SQLITE_OK);
    frmHUD::instance().refillKeepingSelection();
    EXPECT_TRUE(hud.txtExchangeRate[1]->text().isEmpty());
    EXPECT_TRUE(hud.txtExchangeRate[1]->toolTip().isEmpty());
}

} // namespace
