// The store under faults: a writer killed at random moments, a file this
// process cannot write, another writer holding the lock, what a failed write
// reports, and a value SQLite refuses to bind.

#include "data/RateWrites.h"
#include "tests/StoreFixtures.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>

#include <functional>
#include <iostream>
#include <map>
#include <optional>
#include <random>
#include <string>

using namespace data;
using namespace StoreFixtures;
using TestSupport::sampleRates;

namespace {

// ------------------------------------------------------------ crash safety

// The rows of crash_writer: country number -> number of the write that stored it.
using WriterRows = std::map<int, long long>;

struct StoredState {
    WriterRows rows;
    std::vector<std::string> problems;  // rows that no single write of the writer made
    std::string others;                 // every row that is not the writer's, as stored
};

// Reads the file through the program's own store code.
StoredState readState(const QString& path)
{
    StoredState state;
    Connection cn;
    Recordset rs;
    cn.Open(path);
    rs.Open(cn);
    if (rs.isBOF() && rs.isEOF())
        return state;
    for (rs.MoveFirst(); !rs.isEOF(); rs.MoveNext()) {
        const QString country = rs.Field(FieldCountry);
        const QString unit = rs.Field(FieldUnit);
        const QString rate = rs.Field(FieldRate);
        const QString row = country + u'|' + unit + u'|' + rate;
        if (!country.startsWith(QStringLiteral("Crash-"))) {
            state.others += row.toStdString() + ';';
            continue;
        }
        bool okK = false, okW = false, okUnitK = false;
        const int k = country.mid(6).toInt(&okK);
        const QStringList parts = unit.split(u'/');
        const long long w = parts.value(0).toLongLong(&okW);
        const int unitK = parts.value(1).toInt(&okUnitK);
        // Rates are whole numbers below 2^53: the text is exact.
        if (!okK || !okW || !okUnitK || parts.size() != 2 || unitK != k
            || rate != QString::number(w * 100 + k) || state.rows.count(k)) {
            state.problems.push_back(row.toStdString());
            continue;
        }
        state.rows[k] = w;
    }
    return state;
}

std::string describe(const WriterRows& rows)
{
    std::string s;
    for (const auto& [k, w] : rows)
        s += std::to_string(k) + '@' + std::to_string(w) + ' ';
    return s;
}

// The stored rows must be those the reported writes left, or those plus the
// one write that was under way when the kill came (number inFlight).
testing::AssertionResult matchesReported(const WriterRows& stored, const WriterRows& reported, long long inFlight)
{
    std::vector<int> differing;
    for (const auto& [k, w] : reported)
        if (!stored.count(k) || stored.at(k) != w)
            differing.push_back(k);
    for (const auto& [k, w] : stored)
        if (!reported.count(k))
            differing.push_back(k);
    if (differing.empty())
        return testing::AssertionSuccess();
    if (differing.size() == 1) {
        const int k = differing.front();
        if (stored.count(k) && stored.at(k) == inFlight)
            return testing::AssertionSuccess();  // the add or edit under way reached the file
        if (!stored.count(k))
            return testing::AssertionSuccess();  // the delete under way did
    }
    return testing::AssertionFailure() << "stored: " << describe(stored) << "\nreported: " << describe(reported)
                                       << "\nwrite under way: " << inFlight;
}

TEST(CrashSafety, aWriterKilledAtRandomMomentsLosesNoCommittedChangeAndLeavesNoHalfRow)
{
    QTemporaryDir dir;
    const QString db = dir.filePath(QStringLiteral("Exchange.db"));
    createRatesDatabase(db, {{QStringLiteral("Britain"), QStringLiteral("Pound"), 1.0},
                         {QStringLiteral("O'Brien's Land"), QStringLiteral("Shilling"), 5.0}});
    const std::string othersBefore = readState(db).others;

    constexpr int kKills = 40;
    // The same moments every run unless TALLYVANE_CRASH_SEED asks for others;
    // the seed is printed on failure, so any failing run can be replayed.
    bool seedGiven = false;
    const unsigned seed = qEnvironmentVariableIsSet("TALLYVANE_CRASH_SEED")
        ? static_cast<unsigned>(qEnvironmentVariableIntValue("TALLYVANE_CRASH_SEED", &seedGiven))
        : 20261207u;
    ASSERT_TRUE(seedGiven || !qEnvironmentVariableIsSet("TALLYVANE_CRASH_SEED"))
        << "TALLYVANE_CRASH_SEED must be a number";
    SCOPED_TRACE("seed " + std::to_string(seed) + " (replay with TALLYVANE_CRASH_SEED=" + std::to_string(seed) + ")");
    std::mt19937 rng(seed);

    WriterRows model;
    long long nextWrite = 1;
    int killsMidCommit = 0;  // kills that left a journal to roll back: the hard cases
    long long reportedWrites = 0;
    QElapsedTimer total;
    total.start();

    for (int kill = 0; kill < kKills && total.elapsed() < 45000; ++kill) {
        SCOPED_TRACE("kill " + std::to_string(kill));
        QProcess writer;
        writer.setProcessChannelMode(QProcess::SeparateChannels);
        writer.start(QStringLiteral(TALLYVANE_CRASH_WRITER),
                     {db, QString::number(nextWrite), QString::number(rng())});
        ASSERT_TRUE(writer.waitForStarted(10000));

        // Mostly while it writes, counted from its first reported write so a
        // busy machine still kills mid-write; every fifth time during its
        // opening, which also rolls back what the last kill left half done.
        const bool duringOpen = kill % 5 == 4;
        const int delayMs = static_cast<int>(rng() % (duringOpen ? 60 : 120));
        QByteArray out;
        bool ready = false;
        QDeadlineTimer deadline(duringOpen ? delayMs : 15000);
        while (!deadline.hasExpired() && writer.state() == QProcess::Running) {
            writer.waitForReadyRead(static_cast<int>(qMax<qint64>(1, deadline.remainingTime())));
            out += writer.readAllStandardOutput();
            if (!duringOpen && !ready && out.contains("ready\n") && out.count('\n') >= 2) {
                ready = true;
                deadline.setRemainingTime(delayMs);
            }
        }
        ASSERT_EQ(writer.state(), QProcess::Running)
            << "the writer stopped by itself: " << writer.readAllStandardError().toStdString();
        writer.kill();  // SIGKILL
        ASSERT_TRUE(writer.waitForFinished(10000));
        out += writer.readAllStandardOutput();
        const QByteArray errors = writer.readAllStandardError();
        ASSERT_TRUE(errors.isEmpty()) << errors.toStdString();

        // What the writer said had returned, in order; a cut line was never reported.
        long long lastReported = nextWrite - 1;
        QList<QByteArray> lines = out.split('\n');
        lines.removeLast();  // empty after the last newline, or a line cut short
        for (const QByteArray& line : lines) {
            const QList<QByteArray> f = line.split(' ');
            if (f.size() != 3)
                continue;
            const int k = f[1].toInt();
            const long long w = f[2].toLongLong();
            ASSERT_EQ(w, lastReported + 1) << "writes are reported in order";
            lastReported = w;
            ++reportedWrites;
            if (f[0] == "D")
                model.erase(k);
            else
                model[k] = w;
        }
        const long long inFlight = lastReported + 1;

        const bool journalLeft = QFileInfo::exists(db + QStringLiteral("-journal"))
            && QFileInfo(db + QStringLiteral("-journal")).size() > 0;
        killsMidCommit += journalLeft ? 1 : 0;

        StoredState state;
        ASSERT_EQ(errorNumber([&] { state = readState(db); }), 0) << "the file no longer opens";
        EXPECT_EQ(StoreFixtures::integrityCheck(db).toStdString(), "ok");
        EXPECT_TRUE(state.problems.empty()) << "half-written row: " << state.problems.front();
        EXPECT_EQ(state.others, othersBefore);
        ASSERT_TRUE(matchesReported(state.rows, model, inFlight));

        // What is stored is what the next run builds on.
        model = state.rows;
        nextWrite = inFlight + 1;
    }
    std::cout << "[ crash    ] seed " << seed << ", " << kKills << " kills, " << reportedWrites << " writes reported, " << killsMidCommit
              << " kills left a journal to roll back, " << total.elapsed() << " ms\n";
    EXPECT_GE(reportedWrites, kKills * 4 / 5) << "the writer hardly wrote: the kills tested little";
}

// ------------------------------------------------------ a read-only file

class UnwritableStore : public StoreTest {};

TEST_F(UnwritableStore, writesFailAsReadOnlyAndTheRowsStayAsTheyWere)
{
    data::createRatesDatabase(path(), sampleRates());
    const QByteArray before = fileBytes(path());
    StoreFixtures::UnwritableFile guard(path());
    if (!guard.ok())
        GTEST_SKIP() << "cannot make the file unwritable here: " << guard.why().toStdString();

    ASSERT_EQ(errorNumber([&] { reopen(); }), 0) << "an unwritable file still opens for reading";
    EXPECT_EQ(countries(), (QStringList{QStringLiteral("Britain"), QStringLiteral("United States"),
                                        QStringLiteral("Japan"), QStringLiteral("France")}));

    QString description;
    rs.AddNew();
    rs.SetField(FieldCountry, QStringLiteral("Newland"));
    rs.SetField(FieldRate, QStringLiteral("2"));
    EXPECT_EQ(errorNumber([&] { rs.Update(); }, &description), Err::CannotOpen);
    EXPECT_TRUE(description.contains(QStringLiteral("read-only"))) << description.toStdString();
    EXPECT_FALSE(rs.hasPendingChanges());

    rs.FindCountry(QStringLiteral("Japan"));
    rs.SetField(FieldRate, QStringLiteral("190"));
    EXPECT_EQ(errorNumber([&] { rs.Update(); }), Err::CannotOpen);
    EXPECT_EQ(rs.Field(FieldRate), QStringLiteral("188.5")) << "the failed edit is not shown as stored";

    rs.FindCountry(QStringLiteral("France"));
    EXPECT_EQ(errorNumber([&] { rs.Delete(); }), Err::CannotOpen);

    // A later move commits nothing left over, and reading goes on.
    rs.MoveFirst();
    EXPECT_EQ(countries().size(), 4);
    rs.Close();
    cn.Close();
    EXPECT_EQ(fileBytes(path()), before);
    EXPECT_FALSE(QFileInfo::exists(path() + QStringLiteral("-journal")));
}

TEST_F(StoreTest, aWriteWhileAnotherWriterHoldsTheLockFailsCleanlyAndSucceedsOnceItIsReleased)
{
    const ShortBusyTimeout wait;
    createAndOpen();
    StoreFixtures::WriteLock lock(path());
    ASSERT_TRUE(lock.held());

    rs.FindCountry(QStringLiteral("Japan"));  // reading is not blocked
    ASSERT_FALSE(rs.isEOF());
    rs.SetField(FieldUnit, QStringLiteral("New Yen"));
    rs.SetField(FieldRate, QStringLiteral("190"));
    QString description;
    EXPECT_EQ(errorNumber([&] { rs.Update(); }, &description), Err::CannotOpen);
    EXPECT_TRUE(description.contains(QStringLiteral("locked"))) << description.toStdString();
    EXPECT_FALSE(rs.hasPendingChanges());
    lock.release();

    EXPECT_EQ(storedRow(QStringLiteral("Japan")),
              (QStringList{QStringLiteral("Japan"), QStringLiteral("Yen"), QStringLiteral("188.5")}));
    rs.FindCountry(QStringLiteral("Japan"));
    rs.SetField(FieldRate, QStringLiteral("190"));
    EXPECT_EQ(errorNumber([&] { rs.Update(); }), 0);
    EXPECT_EQ(storedRow(QStringLiteral("Japan")),
              (QStringList{QStringLiteral("Japan"), QStringLiteral("Yen"), QStringLiteral("190")}));
    EXPECT_EQ(StoreFixtures::integrityCheck(path()).toStdString(), "ok");
}

// ------------------------------------------------ what a failed write reports

struct StoreCall {
    const char* name;
    std::function<void(const QString& path, Connection& cn, Recordset& rs)> call;
    ErrorValue expected;
    friend void PrintTo(const StoreCall& c, std::ostream* os) { *os << c.name; }
};

class FailedCall : public StoreTest, public ::testing::WithParamInterface<StoreCall> {};

// A write that fails is a failed write, though it shows users the number of a
// file that cannot be opened; only opening reports the latter, so start-up can
// tell the two apart.
TEST_P(FailedCall, reportsItsOwnValueWithTheNumberUsersKnow)
{
    const ShortBusyTimeout wait;
    createAndOpen();
    std::optional<ErrorValue> value;
    try {
        GetParam().call(path(), cn, rs);
    } catch (const DbError& e) {
        value = e.Value();
        EXPECT_EQ(e.Number(), -2147467259L);
    }
    ASSERT_TRUE(value.has_value()) << "nothing was thrown";
    EXPECT_EQ(value->id, GetParam().expected.id);
}

void setJapanRateWhileLocked(const QString& path, Connection&, Recordset& rs)
{
    StoreFixtures::WriteLock lock(path);
    rs.FindCountry(QStringLiteral("Japan"));
    rs.SetField(FieldRate, QStringLiteral("190"));
    rs.Update();
}

INSTANTIATE_TEST_SUITE_P(
    Store, FailedCall,
    ::testing::Values(
        StoreCall{"addAnExistingCountry",
                  [](const QString&, Connection&, Recordset& rs) {
                      rs.AddNew();
                      rs.SetField(FieldCountry, QStringLiteral("Japan"));
                      rs.SetField(FieldRate, QStringLiteral("2"));
                      rs.Update();
                  },
                  Err::WriteFailed},
        StoreCall{"renameToAnExistingCountry",
                  [](const QString&, Connection&, Recordset& rs) {
                      rs.FindCountry(QStringLiteral("Japan"));
                      rs.SetField(FieldCountry, QStringLiteral("France"));
                      rs.Update();
                  },
                  Err::WriteFailed},
        StoreCall{"editWhileLocked", setJapanRateWhileLocked, Err::WriteFailed},
        StoreCall{"deleteWhileLocked",
                  [](const QString& path, Connection&, Recordset& rs) {
                      StoreFixtures::WriteLock lock(path);
                      rs.FindCountry(QStringLiteral("France"));
                      rs.Delete();
                  },
                  Err::WriteFailed},
        StoreCall{"importARowThatIsGone",
                  [](const QString&, Connection& cn, Recordset&) {
                      applyRateWrites(cn, {RateWrite{QStringLiteral("Atlantis"), QString(), 2.0, {}, false}});
                  },
                  Err::WriteFailed},
        StoreCall{"createOverAnExistingFile",
                  [](const QString& path, Connection&, Recordset&) { createRatesDatabase(path, sampleRates()); },
                  Err::WriteFailed},
        StoreCall{"openAMissingFile",
                  [](const QString& path, Connection& cn, Recordset&) { cn.Open(path + QStringLiteral(".gone")); },
                  Err::CannotOpen}),
    [](const ::testing::TestParamInfo<StoreCall>& info) { return std::string(info.param.name); });

// ------------------------------------------------ a value SQLite will not bind

struct UnitWrite {
    const char* name;
    std::function<void(Connection& cn, Recordset& rs, const QString& unit)> write;
    friend void PrintTo(const UnitWrite& w, std::ostream* os) { *os << w.name; }
};

class RefusedBind : public StoreTest, public ::testing::WithParamInterface<UnitWrite> {};

// A value SQLite refuses to bind (here one over the connection's length
// limit) fails the write; left unbound, it would be stored as NULL.
TEST_P(RefusedBind, failsTheWriteAndLeavesTheTableAsItWas)
{
    createAndOpen();
    const QStringList before = StoreFixtures::dumpTable(path());
    // Every row fits in 40 bytes; a unit of twenty euro signs, 60 bytes, does not.
    sqlite3_limit(cn.handle(), SQLITE_LIMIT_LENGTH, 40);
    const QString unit(20, QChar(0x20AC));
    EXPECT_NE(errorNumber([&] { GetParam().write(cn, rs, unit); }), 0);
    EXPECT_EQ(StoreFixtures::dumpTable(path()), before);
}

INSTANTIATE_TEST_SUITE_P(
    Store, RefusedBind,
    ::testing::Values(UnitWrite{"edit",
                                [](Connection&, Recordset& rs, const QString& unit) {
                                    rs.FindCountry(QStringLiteral("Japan"));
                                    rs.SetField(FieldUnit, unit);
                                    rs.Update();
                                }},
                      UnitWrite{"addNew",
                                [](Connection&, Recordset& rs, const QString& unit) {
                                    rs.AddNew();
                                    rs.SetField(FieldCountry, QStringLiteral("Newland"));
                                    rs.SetField(FieldUnit, unit);
                                    rs.SetField(FieldRate, QStringLiteral("2"));
                                    rs.Update();
                                }},
                      UnitWrite{"importANewRow",
                                [](Connection& cn, Recordset&, const QString& unit) {
                                    applyRateWrites(cn, {RateWrite{QStringLiteral("Newland"), unit, 2.0, {}, true}});
                                }}),
    [](const ::testing::TestParamInfo<UnitWrite>& info) { return std::string(info.param.name); });

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
