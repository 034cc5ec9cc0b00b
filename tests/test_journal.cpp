// The deal journal on real SQLCipher files: exact money, numbering and voids,
// the database's own refusals, the chain check, the day's close, where the
// file lives, and records the system refuses.

#include "data/NumberText.h"
#include "tests/JournalFixtures.h"
#include "tests/StoreFixtures.h"

#include <QDir>
#include <QRegularExpression>

#include <sys/mount.h>
#include <sys/statvfs.h>

#include <cmath>
#include <cstdlib>
#include <iostream>
#include <limits>
#include <random>

using namespace data;
using namespace JournalFixtures;
using namespace Qt::StringLiterals;

namespace {

// ------------------------------------------------------------ Money

struct DoubleCase {
    double value;
    const char* text;  // nullptr: refused
};

class MoneyFromDouble : public ::testing::TestWithParam<DoubleCase> {};

TEST_P(MoneyFromDouble, roundsTheDoubleAsItIsHalfAwayFromZero)
{
    const std::optional<Money> m = Money::fromDouble(GetParam().value);
    if (!GetParam().text)
        EXPECT_FALSE(m) << m->toText().toStdString();
    else
        EXPECT_EQ(m.value_or(Money()).toText(), QString::fromLatin1(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(Money, MoneyFromDouble,
                         ::testing::Values(DoubleCase{2.675, "2.67"}, DoubleCase{1.005, "1.00"},
                                           DoubleCase{0.005, "0.01"}, DoubleCase{0.125, "0.13"},
                                           DoubleCase{-0.125, "-0.13"}, DoubleCase{-0.004, "0.00"},
                                           DoubleCase{123.456, "123.46"}, DoubleCase{1e15, "1000000000000000.00"},
                                           DoubleCase{9.3e16, nullptr}, DoubleCase{-9.3e16, nullptr},
                                           DoubleCase{std::numeric_limits<double>::quiet_NaN(), nullptr},
                                           DoubleCase{std::numeric_limits<double>::infinity(), nullptr}));

// The figures shown and the figures recorded must be the same.
TEST(Money, fromDoubleAgreesWithTheDisplayEverywhere)
{
    std::mt19937_64 random(7);
    for (int i = 0; i < 20000; ++i) {
        const auto units = static_cast<double>(static_cast<std::int64_t>(random() % 2000000000) - 1000000000);
        const double value = units / (i % 2 ? 8.0 : 1000.0) / std::pow(10.0, static_cast<double>(i % 5));
        QString shown = formatMoney(value);  // "#.00": no digit before the point
        if (shown.contains(QRegularExpression(u"^-?\\."_s)))
            shown.insert(shown.startsWith(u'-') ? 1 : 0, u'0');
        ASSERT_EQ(Money::fromDouble(value)->toText(), shown) << "for " << value;
    }
}

struct TextCase {
    const char* text;
    std::optional<std::int64_t> hundredths;
};

class MoneyFromText : public ::testing::TestWithParam<TextCase> {};

TEST_P(MoneyFromText, readsExactlyOrRefuses)
{
    const std::optional<Money> m = Money::fromText(QString::fromUtf8(GetParam().text));
    ASSERT_EQ(m.has_value(), GetParam().hundredths.has_value());
    if (m) {
        EXPECT_EQ(m->hundredths(), *GetParam().hundredths);
        EXPECT_EQ(Money::fromText(m->toText()), m);
    }
}

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();

INSTANTIATE_TEST_SUITE_P(
    Money, MoneyFromText,
    ::testing::Values(TextCase{"123.45", 12345}, TextCase{"-0.5", -50}, TextCase{"7", 700}, TextCase{".50", 50},
                      TextCase{"0.05", 5}, TextCase{"92233720368547758.07", kMax}, TextCase{"92233720368547758.08", {}},
                      TextCase{"1.234", {}}, TextCase{"1,5", {}}, TextCase{"", {}}, TextCase{"-", {}},
                      TextCase{".", {}}, TextCase{"7.", {}}, TextCase{"+1", {}}, TextCase{" 1", {}},
                      TextCase{"1e2", {}}, TextCase{"1.2.3", {}}, TextCase{"\u0663", {}}));

TEST(Money, overflowThrowsInsteadOfWrapping)
{
    EXPECT_THROW(Money::fromHundredths(kMax) + Money::fromHundredths(1), std::overflow_error);
    EXPECT_THROW(Money::fromHundredths(-kMax - 1) - Money::fromHundredths(1), std::overflow_error);
    EXPECT_EQ(Money::fromHundredths(-kMax - 1).toText(), u"-92233720368547758.08"_s);
}

// ------------------------------------------------------------ the journal

class JournalTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path = dir.filePath(u"Journal.db"_s);
    Journal journal{path};
    TillClock clock{journal};

    // Every entry as the database holds it, through a journal of its own.
    QStringList rows()
    {
        Journal other(path);
        QStringList out;
        for (std::int64_t n = 1; const std::optional<JournalEntry> e = other.entry(n); ++n)
            out << QString::number(e->number) + u' ' + QString::fromLatin1(e->hash);
        return out;
    }
};

struct Step {
    EntryKind kind;
    std::int64_t voids;
    const char* reason;
    std::int64_t number;  // 0: refused
    const char* says;
};

TEST_F(JournalTest, numbersFollowOnAndVoidsReverseADealOnce)
{
    const Step steps[] = {
        {EntryKind::Deal, 0, "", 1, ""},
        {EntryKind::Deal, 0, "", 2, ""},
        {EntryKind::Void, 1, "Wrong currency", 3, ""},
        {EntryKind::Void, 1, "again", 0, "Deal 1 was already voided by entry 3."},
        {EntryKind::Void, 3, "a void", 0, "Entry 3 is not a deal"},
        {EntryKind::Void, 99, "none", 0, "Entry 99 is not a deal"},
        {EntryKind::Void, 2, " \n", 0, "needs the reason"},
        {EntryKind::Float, 0, "", 4, ""},
        {EntryKind::Void, 4, "a float", 0, "Entry 4 is not a deal"},
        {EntryKind::Deal, 0, "", 5, ""},
        {EntryKind::Void, 5, "customer left", 6, ""},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.number ? step.number : step.voids);
        QString why;
        std::int64_t number = 0;
        const long error = StoreFixtures::errorNumber(
            [&] {
                if (step.kind == EntryKind::Deal)
                    number = journal.recordDeal(deal("GBP", "USD", "1.00", "1.27", "0.03", "1.00", "0.19")).number;
                else if (step.kind == EntryKind::Void)
                    number = journal.recordVoid(step.voids, QString::fromLatin1(step.reason)).number;
                else
                    number = journal.recordFloat(u"GBP"_s, money("500.00")).number;
            },
            &why);
        EXPECT_EQ(number, step.number);
        EXPECT_EQ(error, step.number ? 0 : long(Err::WriteFailed));
        EXPECT_TRUE(why.contains(QString::fromLatin1(step.says))) << why.toStdString();
    }
    Journal reopened(path);
    EXPECT_EQ(reopened.lastEntry()->number, 6);
    EXPECT_EQ(reopened.entry(3)->voids, 1);
    EXPECT_EQ(reopened.entry(3)->reason, u"Wrong currency"_s);
    EXPECT_EQ(reopened.recordCount(u"GBP"_s, money("12.00")).number, 7);
    EXPECT_TRUE(reopened.verifyChain().ok());
}

TEST_F(JournalTest, anEntryReadsBackExactlyAndTheFileIsEncrypted)
{
    EXPECT_FALSE(journal.lastEntry());  // no file yet: no entries, nothing made
    EXPECT_FALSE(QFileInfo::exists(path));
    const JournalEntry recorded =
        journal.recordDeal(deal("Ruritania", "USD", "300.00", "113.29", "2.83", "110.00", "0.36"));
    const std::optional<JournalEntry> read = Journal(path).entry(recorded.number);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->time, QDateTime(QDate(2024, 5, 1), QTime(9, 0, 1), Qt::OffsetFromUTC, 3600));
    EXPECT_EQ(read->time.offsetFromUtc(), 3600);
    EXPECT_EQ(read->till, u"Till 1"_s);
    EXPECT_EQ(read->hash, recorded.hash);
    EXPECT_EQ(read->hash.size(), 64);
    const Deal& d = read->deal;
    EXPECT_EQ(d.customer, u"Ref 7\nline two"_s);
    EXPECT_EQ(d.from.rate, 1.0 / 3.0);  // every bit of the double
    EXPECT_EQ(d.buyRate, 1.0 / 3.0);
    EXPECT_TRUE(d.from.rateDate.isNull());
    EXPECT_EQ(d.to.rateDate, QDate(2024, 5, 1));
    EXPECT_EQ(d.to.buyMargin, u"2.5"_s);
    EXPECT_EQ(d.total.toText() + d.paidOut.toText() + d.paidInPounds.toText(), u"110.46110.000.36"_s);
    EXPECT_FALSE(StoreFixtures::fileBytes(path).contains("Ref 7"));
}

// ------------------------------------------------------------ refusals by the database

struct Forbidden {
    const char* name;
    const char* sql;
    const char* says;
};

void PrintTo(const Forbidden& f, std::ostream* os)
{
    *os << f.name;
}

// Runs SQL on the journal as another tool would; the error's words, or "".
QString rawError(const QString& path, const QByteArray& sql)
{
    sqlite3* db = nullptr;
    sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
    keyDatabase(db);
    char* message = nullptr;
    sqlite3_exec(db, sql.constData(), nullptr, nullptr, &message);
    const QString words = QString::fromUtf8(message ? message : "");
    sqlite3_free(message);
    sqlite3_close_v2(db);
    return words;
}

// The same through Debian's sqlcipher shell; nothing when it is not installed.
std::optional<QString> shellError(const QString& path, const QByteArray& sql)
{
    if (std::system("command -v sqlcipher >/dev/null 2>&1") != 0)
        return std::nullopt;
    const QString script = path + u".sql"_s, out = path + u".out"_s;
    StoreFixtures::writeBytes(script, "PRAGMA key = 'qv517302';\nPRAGMA cipher_compatibility = 3;\n"
                                      "PRAGMA kdf_iter = 4000;\n" + sql + ";\n");
    const QByteArray command = "sqlcipher " + QFile::encodeName(path) + " < " + QFile::encodeName(script) + " > "
                               + QFile::encodeName(out) + " 2>&1";
    if (std::system(command.constData()) == -1)
        return std::nullopt;
    return QString::fromUtf8(StoreFixtures::fileBytes(out));
}

class ForbiddenSql : public JournalTest, public ::testing::WithParamInterface<Forbidden> {};

TEST_P(ForbiddenSql, isRefusedByTheFileItselfAndChangesNothing)
{
    journal.recordDeal(deal("GBP", "USD", "100.00", "127.00", "3.18", "120.00", "3.00"));
    journal.recordFloat(u"GBP"_s, money("500.00"));
    const QStringList before = rows();
    const QString says = QString::fromLatin1(GetParam().says);
    EXPECT_TRUE(rawError(path, GetParam().sql).contains(says)) << rawError(path, GetParam().sql).toStdString();
    if (const std::optional<QString> shell = shellError(path, GetParam().sql))
        EXPECT_TRUE(shell->contains(says)) << shell->toStdString();
    else
        std::cout << "[ skipped  ] the sqlcipher shell is not installed (Debian package sqlcipher)\n";
    EXPECT_EQ(rows(), before);
    EXPECT_TRUE(journal.verifyChain().ok());
}

#define KEYS "(number, kind, utc, utc_offset, local_day, till, currency, amount, voids, reason, hash)"
#define ZEROS "'0000000000000000000000000000000000000000000000000000000000000000'"
INSTANTIATE_TEST_SUITE_P(
    Journal, ForbiddenSql,
    ::testing::Values(
        Forbidden{"update", "UPDATE entries SET paid_out = '0.00' WHERE number = 1", "never changed"},
        Forbidden{"delete", "DELETE FROM entries WHERE number = 2", "never deleted"},
        Forbidden{"insertOrReplace", "INSERT OR REPLACE INTO entries " KEYS
                  " VALUES (1, 'float', 'x', 0, 'x', 'x', 'GBP', '9.00', NULL, NULL, " ZEROS ")", "after the last"},
        Forbidden{"skipANumber", "INSERT INTO entries " KEYS
                  " VALUES (4, 'float', 'x', 0, 'x', 'x', 'GBP', '9.00', NULL, NULL, " ZEROS ")", "after the last"},
        Forbidden{"voidAFloat", "INSERT INTO entries " KEYS
                  " VALUES (3, 'void', 'x', 0, 'x', 'x', NULL, NULL, 2, 'x', " ZEROS ")", "reverses a deal, once"}),
    [](const ::testing::TestParamInfo<Forbidden>& info) { return std::string(info.param.name); });

// ------------------------------------------------------------ the chain

struct BehindTheBack {
    const char* name;
    const char* sql;
    std::int64_t firstMismatch;
};

class ChainBreak : public JournalTest, public ::testing::WithParamInterface<BehindTheBack> {};

TEST_P(ChainBreak, namesTheFirstEntryChangedBehindTheProgramsBack)
{
    for (int i = 0; i < 5; ++i)
        journal.recordDeal(deal("GBP", "USD", "100.00", "127.00", "3.18", "120.00", "3.00"));
    ASSERT_TRUE(journal.verifyChain().ok());
    journal.close();
    // The triggers dropped, the change made, the triggers put back.
    QByteArray restore;
    for (const char* name : {"entries_never_change", "entries_never_deleted"})
        restore += StoreFixtures::rawValue(path, "SELECT sql FROM sqlite_master WHERE name = '"_ba + name + "'")
                       .toUtf8()
                   + ";";
    const QByteArray sql = "DROP TRIGGER entries_never_change; DROP TRIGGER entries_never_deleted;"_ba
                           + GetParam().sql + ";" + restore;
    ASSERT_EQ(StoreFixtures::rawExec(path, sql.constData()), SQLITE_OK);

    EXPECT_EQ(journal.verifyChain().firstMismatch, GetParam().firstMismatch);
    // A plain warning: deals are still recorded, and the break stays named.
    EXPECT_NO_THROW(journal.recordDeal(deal("GBP", "USD", "1.00", "1.27", "0.03", "1.24")));
    EXPECT_EQ(journal.verifyChain().firstMismatch, GetParam().firstMismatch);
}

INSTANTIATE_TEST_SUITE_P(
    Journal, ChainBreak,
    ::testing::Values(BehindTheBack{"aFigure", "UPDATE entries SET paid_out = '999.00' WHERE number = 3", 3},
                      BehindTheBack{"aCopiedHash", "UPDATE entries SET hash = (SELECT hash FROM entries WHERE "
                                                   "number = 2) WHERE number = 3", 3},
                      BehindTheBack{"aDeletedEntry", "DELETE FROM entries WHERE number = 2", 3},
                      BehindTheBack{"theFirstEntry", "UPDATE entries SET till = 'Till 2' WHERE number = 1", 1},
                      BehindTheBack{"aNewline", "UPDATE entries SET customer = 'Ref 7' || char(10) || "
                                                "'line two ' WHERE number = 5", 5}),
    [](const ::testing::TestParamInfo<BehindTheBack>& info) { return std::string(info.param.name); });

// ------------------------------------------------------------ the day's close

std::vector<std::string> shown(const std::vector<CurrencyDay>& days)
{
    const auto text = [](const std::optional<Money>& m) { return m ? m->toText() : u"-"_s; };
    std::vector<std::string> out;
    for (const CurrencyDay& d : days)
        out.push_back(QStringList{d.currency, d.bought.toText(), d.sold.toText(), d.commission.toText(),
                                  d.commissionInPounds.toText(), text(d.openingFloat), text(d.closingCount),
                                  d.expected.toText(), text(d.difference)}
                          .join(u' ')
                          .toStdString());
    return out;
}

TEST_F(JournalTest, theDaysCloseByCurrency)
{
    const QDate day(2024, 5, 1);
    journal.recordFloat(u"GBP"_s, money("500.00"));
    journal.recordFloat(u"USD"_s, money("1000.00"));
    journal.recordFloat(u"Ruritania"_s, money("200.00"));
    journal.recordDeal(deal("GBP", "USD", "100.00", "127.00", "3.18", "120.00", "3.00"));              // 4
    journal.recordDeal(deal("USD", "GBP", "50.00", "39.37", "1.00", "38.37"));                          // 5
    journal.recordVoid(journal.recordDeal(deal("GBP", "Ruritania", "20.00", "60.00", "1.50", "58.50")).number,
                       u"keyed wrong"_s);                                                               // 6, 7
    journal.recordFloat(u"Ruritania"_s, money("250.00"));  // the last one counts
    journal.recordCount(u"USD"_s, money("900.00"));
    journal.recordCount(u"USD"_s, money("930.00"));
    journal.recordCount(u"GBP"_s, money("558.00"));
    clock.set(QDateTime(day, QTime(23, 59, 30), Qt::OffsetFromUTC, 3600));
    journal.recordDeal(deal("GBP", "USD", "10.00", "12.70", "1.27", "10.00", "1.12"));                 // 12
    // Half past midnight at the till, still the 1st in UTC: the next day's, reversing deal 4 there.
    clock.set(QDateTime(day.addDays(1), QTime(0, 30), Qt::OffsetFromUTC, 3600));
    journal.recordVoid(4, u"customer came back"_s);

    // currency, bought, sold, commission, in pounds, float, count, expected, difference
    EXPECT_EQ(shown(journal.daySummary(day)), (std::vector<std::string>{
                                                  "GBP 110.00 42.49 1.00 1.00 500.00 558.00 567.51 -9.51",
                                                  "Ruritania 0.00 0.00 0.00 0.00 250.00 - 250.00 -",
                                                  "USD 50.00 130.00 4.45 3.50 1000.00 930.00 920.00 10.00",
                                              }));
    EXPECT_EQ(shown(journal.daySummary(day.addDays(1))), (std::vector<std::string>{
                                                             "GBP -100.00 -3.00 0.00 0.00 - - -97.00 -",
                                                             "USD 0.00 -120.00 -3.18 -2.50 - - 120.00 -",
                                                         }));
    EXPECT_EQ(journal.entriesOfDay(day).size(), 12u);
    EXPECT_EQ(journal.entriesOfDay(day.addDays(1)).front().number, 13);
}

// ------------------------------------------------------------ where it lives

TEST(JournalPlace, besideTheRatesFileThatALinkLeadsTo)
{
    QTemporaryDir root;
    const QString var = root.filePath(u"var"_s), program = root.filePath(u"program"_s);
    ASSERT_TRUE(QDir().mkpath(var) && QDir().mkpath(program));
    createRatesDatabase(var + u"/Exchange.db"_s, TestSupport::sampleRates());
    ASSERT_EQ(::chmod(QFile::encodeName(var + u"/Exchange.db"_s).constData(), 0664), 0);
    ASSERT_TRUE(QFile::link(var + u"/Exchange.db"_s, program + u"/Exchange.db"_s));
    setProgramFolder(program);
    const mode_t savedMask = ::umask(022);

    Journal journal;
    journal.recordFloat(u"GBP"_s, money("1.00"));

    ::umask(savedMask);
    setProgramFolder({});
    EXPECT_EQ(journal.path(), var + u"/Journal.db"_s);
    EXPECT_TRUE(QFileInfo::exists(var + u"/Journal.db"_s));
    EXPECT_FALSE(QFileInfo::exists(program + u"/Journal.db"_s));
    // Others who may change the rates may record deals too.
    EXPECT_EQ(QFileInfo(var + u"/Journal.db"_s).permissions() & QFileDevice::WriteGroup, QFileDevice::WriteGroup);
}

// ------------------------------------------------------------ records the system refuses

struct Refusal {
    const char* name;
    enum Situation { NoFolderWrite, NoFolderWriteNoFile, NoFileWrite, Damaged, FullDisk } situation;
    const char* says;
};

void PrintTo(const Refusal& r, std::ostream* os)
{
    *os << r.name;
}

class Refused : public ::testing::TestWithParam<Refusal> {
protected:
    void TearDown() override
    {
        if (mounted) {
            EXPECT_EQ(::umount2(QFile::encodeName(folder).constData(), MNT_DETACH), 0) << std::strerror(errno);
        }
    }
    QTemporaryDir dir;
    QString folder = dir.filePath(u"till"_s);
    bool mounted = false;
};

TEST_P(Refused, saysWhyAndLeavesTheJournalAsItWas)
{
    const Refusal::Situation situation = GetParam().situation;
    ASSERT_TRUE(QDir().mkpath(folder));
    if (situation == Refusal::FullDisk) {
        if (::geteuid() != 0)
            GTEST_SKIP() << "mounting a small file system needs root";
        ASSERT_EQ(::mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", 0, "size=64k"), 0);
        mounted = true;
    }
    const QString path = folder + u"/Journal.db"_s;
    Journal journal(path);
    TillClock clock(journal);
    if (situation != Refusal::NoFolderWriteNoFile) {
        for (int i = 0; i < 3; ++i)
            journal.recordDeal(deal("GBP", "USD", "100.00", "127.00", "3.18", "120.00", "3.00"));
        journal.close();
    }
    if (situation == Refusal::Damaged) {
        QByteArray bytes = StoreFixtures::fileBytes(path);
        bytes.replace(1024, 2048, QByteArray(2048, 'x'));
        StoreFixtures::writeBytes(path, bytes);
    }
    if (situation == Refusal::FullDisk) {
        struct statvfs fs {};
        ASSERT_EQ(::statvfs(QFile::encodeName(folder).constData(), &fs), 0);
        StoreFixtures::writeBytes(folder + u"/fill"_s, QByteArray(qint64(fs.f_bavail * fs.f_frsize), '\0'));
    }
    const QByteArray before = StoreFixtures::fileBytes(path);
    const bool existed = QFileInfo::exists(path);
    if (situation == Refusal::NoFolderWrite || situation == Refusal::NoFolderWriteNoFile) {
        ASSERT_EQ(::chmod(QFile::encodeName(folder).constData(), 0555), 0);
    }
    if (situation == Refusal::NoFileWrite) {
        ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0444), 0);
    }

    QString why;
    long error = 0;
    {
        const StoreFixtures::ModesApply modes;
        error = StoreFixtures::errorNumber([&] { journal.recordFloat(u"GBP"_s, money("5.00")); }, &why);
    }
    ::chmod(QFile::encodeName(folder).constData(), 0755);

    EXPECT_EQ(error, long(Err::WriteFailed));
    EXPECT_TRUE(why.contains(path)) << why.toStdString();
    EXPECT_TRUE(why.contains(QString::fromLatin1(GetParam().says))) << why.toStdString();
    EXPECT_EQ(StoreFixtures::fileBytes(path), before);
    EXPECT_EQ(QFileInfo::exists(path), existed);
    EXPECT_FALSE(QFileInfo::exists(path + u"-journal"_s));
    if (situation != Refusal::Damaged && situation != Refusal::NoFolderWriteNoFile) {
        Journal again(path);
        EXPECT_EQ(again.lastEntry()->number, 3);
        EXPECT_TRUE(again.verifyChain().ok());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Journal, Refused,
    ::testing::Values(Refusal{"aFolderThatAllowsNoNewFile", Refusal::NoFolderWrite, "Permission denied"},
                      Refusal{"noJournalYetAndAFolderThatAllowsNone", Refusal::NoFolderWriteNoFile,
                              "Permission denied"},
                      Refusal{"aReadOnlyJournal", Refusal::NoFileWrite, "read-only"},
                      Refusal{"aDamagedJournal", Refusal::Damaged, "damaged"},
                      Refusal{"aFullDisk", Refusal::FullDisk, "full"}),
    [](const ::testing::TestParamInfo<Refusal>& info) { return std::string(info.param.name); });

} // namespace
