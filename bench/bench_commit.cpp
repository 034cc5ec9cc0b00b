// One Add, one Edit and one Delete through the record store, each including
// its commit to disk, on a rates file of the shipped size (200 rows) and of
// 10,000 rows. Target: each under 20 ms. Wall time, since the commit's
// cost is the file system's flushing, not the CPU.
//
// The file lives in TMPDIR (default /tmp): point it at the disk that will
// hold Exchange.db to measure that disk.

#include "data/NewDatabase.h"
#include "data/RecordStore.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

struct RatesFile {
    QTemporaryDir dir;
    data::Connection cn;
    data::Recordset rs;
    std::int64_t nextCountry = 0;

    explicit RatesFile(std::int64_t rows)
    {
        std::vector<data::RateRow> data;
        for (std::int64_t i = 0; i < rows; ++i)
            data.push_back({QStringLiteral("Country %1").arg(i), QStringLiteral("Unit"), 1.0 + static_cast<double>(i) / 7.0});
        const QString path = dir.filePath(QStringLiteral("Exchange.db"));
        data::createRatesDatabase(path, data);
        cn.Open(path);
        rs.Open(cn);
    }

    // What the add dialog's Save does.
    void add(const QString& country)
    {
        rs.AddNew();
        rs.SetField(data::FieldCountry, country);
        rs.SetField(data::FieldUnit, QStringLiteral("New unit"));
        rs.SetField(data::FieldRate, QStringLiteral("2.5"));
        rs.Update();
    }
    QString newName() { return QStringLiteral("Added %1").arg(nextCountry++); }
};

void BM_AddCommit(benchmark::State& state)
{
    RatesFile file(state.range(0));
    for (auto _ : state)
        file.add(file.newName());
}

// What the edit dialog's Save does: find the row, assign the three boxes, commit.
void BM_EditCommit(benchmark::State& state)
{
    RatesFile file(state.range(0));
    const QString country = QStringLiteral("Country %1").arg(state.range(0) / 2);
    int n = 0;
    for (auto _ : state) {
        file.rs.FindCountry(country);
        file.rs.SetField(data::FieldCountry, country);
        file.rs.SetField(data::FieldRate, QString::number(1.5 + (n++ % 100)));
        file.rs.SetField(data::FieldUnit, QStringLiteral("Unit"));
        file.rs.Update();
    }
}

// What the delete dialog does: find the row, delete it (committed at once).
void BM_DeleteCommit(benchmark::State& state)
{
    RatesFile file(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        const QString country = file.newName();
        file.add(country);
        state.ResumeTiming();
        file.rs.FindCountry(country);
        file.rs.Delete();
    }
}

} // namespace

BENCHMARK(BM_AddCommit)->Arg(200)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_EditCommit)->Arg(200)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_DeleteCommit)->Arg(200)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime();

BENCHMARK_MAIN();
