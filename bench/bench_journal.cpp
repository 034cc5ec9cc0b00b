// Journal speed on a real SQLCipher file of 100,000 deals, 1,000 a day over
// 100 days: Record (a durable commit each), a day's list and its close, and
// the whole chain checked as at start-up.
// Targets: Record under 50 ms; a day's list under 1 s.
//
// The 100,000 deals are laid down in one transaction with the store's own
// layout and hashing (data/JournalLayout.h), as one Record each would take
// minutes; the chain check below proves the file is what Record would make.

#include "data/Journal.h"
#include "data/JournalLayout.h"
#include "data/SqliteOwners.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

constexpr int kDeals = 100000;
constexpr int kPerDay = 1000;
const QDate kFirstDay(2024, 1, 1);

data::Deal aDeal(int i)
{
    data::Deal d;
    d.customer = QStringLiteral("Ref %1").arg(i);
    d.from = {QStringLiteral("Britain"), {}, QStringLiteral("Pound"), 1.0, {}, {}, {}};
    d.to = {QStringLiteral("United States"), QStringLiteral("USD"), QStringLiteral("Dollar"), 1.27,
            QDate(2024, 1, 1), QStringLiteral("2.5"), QStringLiteral("2")};
    d.buyRate = 1.0;
    d.sellRate = 1.2446;
    d.amount = data::Money::fromHundredths(10000 + i % 5000);
    d.commissionPercent = QStringLiteral("2.5");
    d.exchanged = *data::Money::fromDouble(d.amount.toDouble() * d.sellRate);
    d.commission = *data::Money::fromDouble(d.exchanged.toDouble() * 0.025);
    d.total = d.exchanged - d.commission;
    d.paidOut = data::Money::fromHundredths(d.total.hundredths() / 500 * 500);
    d.paidInPounds = *data::Money::fromDouble((d.total - d.paidOut).toDouble() / d.sellRate);
    return d;
}

void fill(const QString& path)
{
    using namespace data;
    sqlite3* raw = nullptr;
    sqlite3_open_v2(QFile::encodeName(path).constData(), &raw, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    Sql::DbHandle db(raw);
    if (keyDatabase(raw) != SQLITE_OK)
        std::abort();
    Sql::Transaction transaction(raw);
    JournalLayout::create(raw);
    Sql::Statement insert(raw, JournalLayout::insertSql());
    QByteArray previous = JournalLayout::FirstPrevious;
    for (int i = 0; i < kDeals; ++i) {
        JournalEntry entry;
        entry.number = i + 1;
        entry.time = QDateTime(kFirstDay.addDays(i / kPerDay), QTime(8, 0).addSecs(i % kPerDay * 30),
                               Qt::OffsetFromUTC, 3600);
        entry.till = QStringLiteral("Till 1");
        entry.deal = aDeal(i);
        JournalLayout::Values values = JournalLayout::valuesOf(entry);
        previous = JournalLayout::hashOf(values, previous);
        values[JournalLayout::Hash] = QString::fromLatin1(previous);
        JournalLayout::bind(insert, values);
        insert.step();
        insert.rewind();
    }
    insert.reset();
    transaction.commit();
}

data::Journal& journal()
{
    static QTemporaryDir dir;  // on the disk the tests use, not in memory: Record's syncs count
    static data::Journal journal([] {
        const QString path = dir.filePath(QString::fromLatin1(data::JournalFileName));
        fill(path);
        return path;
    }());
    return journal;
}

void BM_RecordDeal(benchmark::State& state)
{
    data::Journal& j = journal();
    const data::Deal deal = aDeal(7);
    for (auto _ : state)
        benchmark::DoNotOptimize(j.recordDeal(deal).number);
}
BENCHMARK(BM_RecordDeal)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_DayList(benchmark::State& state)
{
    data::Journal& j = journal();
    for (auto _ : state) {
        const std::vector<data::JournalEntry> entries = j.entriesOfDay(kFirstDay.addDays(50));
        if (entries.size() != kPerDay)
            state.SkipWithError("the day does not hold its deals");
    }
}
BENCHMARK(BM_DayList)->Unit(benchmark::kMillisecond);

void BM_DaySummary(benchmark::State& state)
{
    data::Journal& j = journal();
    for (auto _ : state)
        benchmark::DoNotOptimize(j.daySummary(kFirstDay.addDays(50)).size());
}
BENCHMARK(BM_DaySummary)->Unit(benchmark::kMillisecond);

void BM_VerifyChain(benchmark::State& state)
{
    data::Journal& j = journal();
    for (auto _ : state) {
        if (!j.verifyChain().ok())
            state.SkipWithError("the chain does not match");
    }
}
BENCHMARK(BM_VerifyChain)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
