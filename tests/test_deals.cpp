// Recording deals from the main window, their receipts, the day's report and
// the command line, on a real rates file and a real journal beside it.

#include "tests/AppFixture.h"
#include "tests/JournalFixtures.h"
#include "tests/StoreFixtures.h"

#include "app/CommandLine.h"
#include "calculator/DayReport.h"
#include "calculator/DealRecording.h"
#include "calculator/Pricing.h"
#include "calculator/Receipt.h"
#include "calculator/frmDayDeals.h"
#include "calculator/frmRecordDeal.h"
#include "data/DbError.h"
#include "data/Journal.h"
#include "maintenance/ReceiptSettings.h"
#include "widgets/UserSettings.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTableWidget>

using namespace Qt::StringLiterals;
using AppFixture::choose;
using AppFixture::ctl;
using AppFixture::typeInto;
using JournalFixtures::deal;
using JournalFixtures::money;

namespace {

// Answers the next modal dialog with script, once it is up. A dialog that
// never came (a refused Record) must not be answered in a later test.
struct ModalScript {
    std::function<void(QWidget&)> script;
    const ::testing::TestInfo* test;
};

void pollForModal(std::shared_ptr<ModalScript> s)
{
    QTimer::singleShot(10, [s] {
        if (::testing::UnitTest::GetInstance()->current_test_info() != s->test)
            return;
        if (QWidget* modal = QApplication::activeModalWidget())
            s->script(*modal);
        else
            pollForModal(s);
    });
}

void whenModal(std::function<void(QWidget&)> script)
{
    pollForModal(std::make_shared<ModalScript>(
        ModalScript{std::move(script), ::testing::UnitTest::GetInstance()->current_test_info()}));
}

QString pdfText(const QString& path)
{
    QProcess p;
    p.start(u"pdftotext"_s, {u"-layout"_s, path, u"-"_s});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

bool havePdfToText()
{
    return !QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty();
}

class Deals : public AppFixture::ProgramTest {
protected:
    frmHUD& start()
    {
        std::vector<data::RateRow> rows = TestSupport::plainRates();
        rows[0].code = u"GBP"_s;
        rows[1].code = u"TWO"_s;
        rows[1].buyMargin = 2.0;
        rows[2].code = u"THR"_s;
        rows[2].sellMargin = 3.0;
        rows[2].smallestNote = money("5.00");
        createDatabase(rows);
        return startProgram();
    }
    // Chooses the sides, types the texts and, when asked, presses Calculate.
    void enter(frmHUD& w, const char* from, const char* to, const char* amount, const char* com, bool calculate)
    {
        auto c = ctl(w);
        choose(c.lstCountries[0], QString::fromLatin1(from));
        choose(c.lstCountries[1], QString::fromLatin1(to));
        typeInto(c.txtConvert, QString::fromLatin1(amount));
        typeInto(c.txtCom, QString::fromLatin1(com));
        if (calculate)
            QTest::mouseClick(c.cmdCalculate, Qt::LeftButton);
    }
    // Presses Record and answers the confirmation with a customer reference.
    void record(frmHUD& w, const QString& customer = {})
    {
        whenModal([customer](QWidget& d) {
            auto* box = d.findChild<QLineEdit*>(u"txtCustomer"_s);
            if (box)
                box->setText(customer);
            static_cast<QDialog&>(d).accept();
        });
        QTest::mouseClick(AppFixture::control<QPushButton>(w, u"cmdRecord"_s), Qt::LeftButton);
    }
    void receiptsTo(maintenance::ReceiptLayout layout)
    {
        maintenance::ReceiptOptions o;
        o.tillName = u"Till 4"_s;
        o.shopName = u"Corner Exchange"_s;
        o.shopAddress = u"1 High Street\nLowtown"_s;
        o.destination = maintenance::ReceiptDestination::Folder;
        o.folder = dir.filePath(u"receipts"_s);
        o.layout = layout;
        QDir().mkpath(o.folder);
        ASSERT_TRUE(maintenance::saveReceiptOptions(o));
    }
    QString journalFile() const { return dir.filePath(u"Journal.db"_s); }
};

// ------------------------------------------------ Record's enabling

struct Enabling {
    const char* name;
    const char* from;
    const char* to;
    const char* amount;
    const char* commission;
    bool calculate;
    const char* typedAfter; // typed into the amount after Calculate; nullptr for nothing
    bool enabled;
};

class RecordEnabling : public Deals, public ::testing::WithParamInterface<Enabling> { };

TEST_P(RecordEnabling, onlyForFiguresOfTheCurrentInputsWithATotalAboveZero)
{
    const Enabling& e = GetParam();
    frmHUD& w = start();
    enter(w, e.from, e.to, e.amount, e.commission, e.calculate);
    if (e.typedAfter)
        typeInto(ctl(w).txtConvert, QString::fromLatin1(e.typedAfter));
    EXPECT_EQ(AppFixture::control<QPushButton>(w, u"cmdRecord"_s)->isEnabled(), e.enabled);
    EXPECT_EQ(AppFixture::control<QAction>(w, u"mnuFileRecordDeal"_s)->isEnabled(), e.enabled);
}

INSTANTIATE_TEST_SUITE_P(
    Deals, RecordEnabling,
    ::testing::Values(Enabling{"notCalculated", "Twoland", "Threeland", "100", "2", false, nullptr, false},
                      Enabling{"calculated", "Twoland", "Threeland", "100", "2", true, nullptr, true},
                      Enabling{"throughThePound", "Britain", "Aland", "10", "0", true, nullptr, true},
                      Enabling{"amountChangedSince", "Twoland", "Threeland", "100", "2", true, "101", false},
                      Enabling{"commissionOfAHundred", "Twoland", "Britain", "100", "100", true, nullptr, false},
                      Enabling{"commissionAboveAHundred", "Twoland", "Britain", "100", "150", true, nullptr, false},
                      Enabling{"sameCountry", "Twoland", "Twoland", "100", "2", true, nullptr, false},
                      Enabling{"aThirdDecimal", "Twoland", "Britain", "1.005", "0", true, nullptr, false},
                      Enabling{"zeroAmount", "Twoland", "Britain", "0", "0", true, nullptr, false}),
    [](const ::testing::TestParamInfo<Enabling>& info) { return std::string(info.param.name); });

// ------------------------------------------------ recording and receipts

TEST_F(Deals, recordKeepsTheShownFiguresAndItsReceiptsSayTheSame)
{
    if (!havePdfToText())
        GTEST_SKIP() << "pdftotext is not installed (Debian package poppler-utils)";
    // As the package leaves it: an empty file, which the first deal makes a journal.
    QFile empty(journalFile());
    ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    empty.close();
    frmHUD& w = start();
    for (const auto layout : {maintenance::ReceiptLayout::Roll80, maintenance::ReceiptLayout::A4}) {
        receiptsTo(layout);
        enter(w, "Twoland", "Threeland", "100", "2.5", true);
        const QStringList shown = ctl(w).figures();
        record(w, u"Ref 12"_s);
        ASSERT_TRUE(messages.empty()) << messages.front().prompt.toStdString();

        data::Journal journal(journalFile());
        const auto entry = journal.lastEntry();
        ASSERT_TRUE(entry);
        const data::Deal& d = entry->deal;
        EXPECT_EQ(QStringList({d.exchanged.toText(), d.commission.toText(), d.total.toText()}), shown);
        EXPECT_EQ(d.customer, u"Ref 12"_s);
        EXPECT_EQ(entry->till, u"Till 4"_s);

        const QString folder = dir.filePath(u"receipts"_s);
        calculator::issueReceipt(&w, *entry, true);
        for (const bool copy : {false, true}) {
            const QString text = pdfText(QDir(folder).filePath(calculator::receiptFileName(entry->number, copy)));
            for (const QString& expected :
                 {u"Corner Exchange"_s, u"Lowtown"_s, u"Receipt "_s + calculator::receiptNumber(entry->number),
                  u"Till 4"_s, u"100.00 TWO"_s, d.exchanged.toText() + u" THR"_s, d.commission.toText() + u" THR"_s,
                  d.total.toText() + u" THR"_s, d.paidOut.toText() + u" THR"_s, d.paidInPounds.toText() + u" GBP"_s,
                  calculator::dealRateText(d.sellRate)})
                EXPECT_TRUE(text.contains(expected)) << expected.toStdString() << " in\n" << text.toStdString();
            EXPECT_EQ(text.contains(u"COPY"_s), copy) << text.toStdString();
        }
    }
}

TEST_F(Deals, aJournalThatCannotBeWrittenRefusesAndIssuesNoReceipt)
{
    frmHUD& w = start();
    receiptsTo(maintenance::ReceiptLayout::Roll80);
    enter(w, "Twoland", "Threeland", "100", "2", true);
    record(w);
    ASSERT_TRUE(messages.empty());
    // As at the next start: the journal is opened again, now read-only.
    calculator::dealJournal().close();
    const QByteArray before = StoreFixtures::fileBytes(journalFile());
    const QStringList shown = ctl(w).figures();
    {
        const StoreFixtures::UnwritableFile unwritable(journalFile());
        if (!unwritable.ok())
            GTEST_SKIP() << unwritable.why().toStdString();
        record(w);
    }
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].prompt.contains(u"The deal was not recorded."_s)) << messages[0].prompt.toStdString();
    EXPECT_TRUE(messages[0].prompt.contains(u"read-only"_s)) << messages[0].prompt.toStdString();
    EXPECT_EQ(StoreFixtures::fileBytes(journalFile()), before);
    EXPECT_EQ(ctl(w).figures(), shown);
    EXPECT_EQ(QDir(dir.filePath(u"receipts"_s)).entryList(QDir::Files), QStringList{u"000001.pdf"_s});
}

TEST_F(Deals, aTillThatRefusesOldRatesRecordsNothingOnOne)
{
    // The sample rows carry no date: while a limit is set they count as old.
    widgets::UserSettings(u"Rates"_s).setValue(u"RefuseOldRates"_s, true);
    frmHUD& w = start();
    enter(w, "Twoland", "Threeland", "100", "2", true);
    record(w);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].prompt.contains(u"The deal was not recorded."_s)) << messages[0].prompt.toStdString();
    EXPECT_TRUE(!QFileInfo::exists(journalFile()) || !calculator::dealJournal().lastEntry());
}

TEST_F(Deals, aChangedEntryIsNamedAtStartAndByCheckJournalAndDealsGoOn)
{
    {
        data::Journal journal(journalFile());
        JournalFixtures::TillClock clock(journal);
        for (int i = 0; i < 3; ++i)
            journal.recordDeal(deal("GBP", "USD", "100.00", "127.00", "3.18", "120.00", "3.00"));
    }
    const QByteArray sql = "DROP TRIGGER entries_never_change; UPDATE entries SET paid_out = '1.00' WHERE number = 2";
    ASSERT_EQ(StoreFixtures::rawExec(journalFile(), sql.constData()), SQLITE_OK);
    frmHUD& w = start();
    QTRY_COMPARE(messages.size(), size_t(1));
    AppFixture::control<QAction>(w, u"mnuHelpCheckJournal"_s)->trigger();
    ASSERT_EQ(messages.size(), 2u);
    for (const auto& m : messages)
        EXPECT_TRUE(m.prompt.contains(u"Entry 000002 "_s)) << m.prompt.toStdString();
    enter(w, "Twoland", "Threeland", "100", "2", true);
    record(w);
    EXPECT_EQ(data::Journal(journalFile()).lastEntry()->number, 4);
}

TEST_F(Deals, aMiddleDealOfTheDayIsVoidedFromTheDaysListOnce)
{
    start();
    {
        data::Journal journal(journalFile()); // today, on the real clock
        journal.recordDeal(deal("GBP", "USD", "100.00", "127.00", "3.18", "120.00", "3.00"));
        journal.recordDeal(deal("USD", "GBP", "50.00", "38.00", "1.00", "37.00"));
        journal.recordDeal(deal("GBP", "USD", "100.00", "127.00", "3.18", "120.00", "3.00"));
    }
    calculator::frmDayDeals dialog(nullptr);
    dialog.showDay(QDate::currentDate());
    auto* table = dialog.findChild<QTableWidget*>(u"tblEntries"_s);
    auto* cmdVoid = dialog.findChild<QPushButton*>(u"cmdVoid"_s);
    ASSERT_TRUE(table && cmdVoid);
    EXPECT_FALSE(cmdVoid->isEnabled()); // nothing chosen yet
    table->selectRow(1);
    ASSERT_TRUE(cmdVoid->isEnabled());
    whenModal([](QWidget& d) {
        d.findChild<QLineEdit*>()->setText(u"  wrong currency "_s);
        static_cast<QDialog&>(d).accept();
    });
    QTest::mouseClick(cmdVoid, Qt::LeftButton);

    data::Journal journal(journalFile());
    const auto voidEntry = journal.lastEntry();
    ASSERT_EQ(voidEntry->kind, data::EntryKind::Void);
    EXPECT_EQ(voidEntry->voids, 2);
    EXPECT_EQ(voidEntry->reason, u"wrong currency"_s);
    // Deal 2 (dollars bought, pounds sold) counts nowhere; deals 1 and 3 do.
    for (const data::CurrencyDay& c : journal.daySummary(QDate::currentDate())) {
        EXPECT_EQ(c.bought, money(c.currency == u"GBP" ? "200.00" : "0.00")) << c.currency.toStdString();
        EXPECT_EQ(c.sold, money(c.currency == u"GBP" ? "6.00" : "240.00")) << c.currency.toStdString();
    }
    // Neither the voided deal nor the void may be voided again.
    ASSERT_EQ(table->rowCount(), 4);
    for (int row : {1, 3}) {
        table->selectRow(row);
        EXPECT_FALSE(cmdVoid->isEnabled()) << row;
    }
    EXPECT_THROW(journal.recordVoid(2, u"again"_s), data::DbError);
}

// ------------------------------------------------ the day's report

TEST(DayReport, totalsByCurrencyAgainstAHandMadeTable)
{
    QTemporaryDir dir;
    data::Journal journal(dir.filePath(u"Journal.db"_s));
    JournalFixtures::TillClock clock(journal);
    journal.recordFloat(u"USD"_s, money("500.00"));
    journal.recordDeal(deal("GBP", "USD", "100.00", "127.00", "3.18", "120.00", "3.00"));
    journal.recordDeal(deal("USD", "GBP", "50.00", "38.00", "1.00", "37.00"));
    const auto voided = journal.recordDeal(deal("GBP", "USD", "10.00", "12.70", "1.27", "11.43"));
    journal.recordVoid(voided.number, u"wrong amount"_s);
    journal.recordCount(u"USD"_s, money("425.00"));

    const calculator::DayReport report = calculator::readDayReport(journal, QDate(2024, 5, 1));
    const QStringList lines = QString::fromUtf8(calculator::dayCsv(report)).split(u"\r\n"_s);
    const int summary = int(lines.indexOf(QString())) + 1;
    ASSERT_GT(summary, 0);
    EXPECT_EQ(lines.mid(1, summary - 2).size(), 6); // every entry, the void included
    // Bought and sold per currency; the voided deal counts nowhere; USD
    // expected 500 + 50 - 120 = 430 against a count of 425.
    EXPECT_EQ(lines.mid(summary),
              QStringList({u"Date,Currency,Bought,Sold,Commission,Commission in pounds,Opening float,Expected,"
                           "Closing count,Difference"_s,
                           u"2024-05-01,GBP,100.00,40.00,1.00,1.00,,60.00,,"_s,
                           u"2024-05-01,USD,50.00,120.00,3.18,2.50,500.00,430.00,425.00,-5.00"_s, QString()}));
}

// ------------------------------------------------ the command line

struct Command {
    const char* name;
    QStringList args; // %J: the journal, %D: the folder
    int exit;
    const char* writes; // a file the command must leave, relative to the folder
};

class CommandLineExit : public ::testing::TestWithParam<Command> { };

TEST_P(CommandLineExit, saysByItsExitCode)
{
    QTemporaryDir dir;
    data::setProgramFolder(dir.path());
    const QString path = dir.filePath(u"Journal.db"_s);
    {
        data::Journal journal(path);
        JournalFixtures::TillClock clock(journal);
        for (int i = 0; i < 3; ++i)
            journal.recordDeal(deal("GBP", "USD", "100.00", "127.00", "3.18", "120.00", "3.00"));
    }
    QFile::copy(path, dir.filePath(u"Tampered.db"_s));
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.path());
    maintenance::ReceiptOptions receipts;
    receipts.destination = maintenance::ReceiptDestination::Folder;
    receipts.folder = dir.path();
    ASSERT_TRUE(maintenance::saveReceiptOptions(receipts));
    const QByteArray sql = "DROP TRIGGER entries_never_change; UPDATE entries SET paid_out = '1.00' WHERE number = 2";
    ASSERT_EQ(StoreFixtures::rawExec(dir.filePath(u"Tampered.db"_s), sql.constData()), SQLITE_OK);

    QStringList args{u"tallyvane"_s};
    for (QString a : GetParam().args)
        args << a.replace(u"%D"_s, dir.path());
    std::vector<QByteArray> bytes;
    std::vector<char*> argv;
    for (const QString& a : args)
        bytes.push_back(a.toLocal8Bit());
    for (QByteArray& b : bytes)
        argv.push_back(b.data());
    const app::CommandLine command = app::readCommandLine(int(argv.size()), argv.data());
    EXPECT_EQ(app::runCommandLine(command), GetParam().exit);
    if (GetParam().writes) {
        EXPECT_GT(QFileInfo(dir.filePath(QString::fromLatin1(GetParam().writes))).size(), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Deals, CommandLineExit,
    ::testing::Values(
        Command{"wholeJournal", {u"--check-journal"_s}, 0, nullptr},
        Command{"wholeFile", {u"--check-journal"_s, u"%D/Journal.db"_s}, 0, nullptr},
        Command{"tamperedFile", {u"--check-journal"_s, u"%D/Tampered.db"_s}, 1, nullptr},
        Command{"missingFile", {u"--check-journal"_s, u"%D/none.db"_s}, 1, nullptr},
        Command{"dayAsCsv", {u"--day-report"_s, u"2024-05-01"_s, u"--csv"_s, u"%D/day.csv"_s}, 0, "day.csv"},
        Command{"dayAsPdf", {u"--day-report"_s, u"2024-05-01"_s, u"--pdf"_s, u"%D/day.pdf"_s}, 0, "day.pdf"},
        Command{"dayWithoutOutput", {u"--day-report"_s, u"2024-05-01"_s}, 2, nullptr},
        Command{"dayNotADate", {u"--day-report"_s, u"1 May"_s, u"--csv"_s, u"%D/x.csv"_s}, 2, nullptr},
        Command{"reprintACopy", {u"--reprint-receipt"_s, u"2"_s}, 0, "000002 COPY.pdf"},
        Command{"reprintNoSuchDeal", {u"--reprint-receipt"_s, u"9"_s}, 1, nullptr},
        Command{"reprintNotANumber", {u"--reprint-receipt"_s, u"two"_s}, 2, nullptr},
        Command{"unknownOption", {u"--frobnicate"_s}, 2, nullptr}),
    [](const ::testing::TestParamInfo<Command>& info) { return std::string(info.param.name); });

} // namespace
