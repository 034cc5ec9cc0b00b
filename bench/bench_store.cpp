// Record-store speed on real SQLCipher files: find by country and a full
// MoveFirst/MoveNext scan, on tables of 200, 10,000 and 100,000 rows.
// Targets: find under 50 us at 100,000 rows; a scan of 10,000 rows under 10 ms.

#include "data/NewDatabase.h"
#include "data/RecordStore.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <map>
#include <memory>

namespace {

QString countryName(std::int64_t i)
{
    return QStringLiteral("Country %1").arg(i);
}

// One file per size, made once (in one transaction) and kept open for the run.
struct Table {
    data::Connection cn;
    data::Recordset rs;
};

Table& table(std::int64_t rows)
{
    static QTemporaryDir dir;
    static std::map<std::int64_t, std::unique_ptr<Table>> tables;
    auto& slot = tables[rows];
    if (!slot) {
        const QString path = dir.filePath(QStringLiteral("rates-%1.db").arg(rows));
        std::vector<data::RateRow> data;
        data.reserve(static_cast<std::size_t>(rows));
        for (std::int64_t i = 0; i < rows; ++i)
            data.push_back({countryName(i), QStringLiteral("Unit"), 1.0 + static_cast<double>(i) / 7.0});
        data::createRatesDatabase(path, data);
        slot = std::make_unique<Table>();
        slot->cn.Open(path);
        slot->rs.Open(slot->cn);
    }
    return *slot;
}

void BM_FindCountry(benchmark::State& state)
{
    const std::int64_t rows = state.range(0);
    data::Recordset& rs = table(rows).rs;
    // Spread the names over the whole table so no single page stays hot by luck.
    std::vector<QString> names;
    for (std::int64_t i = 0; i < 64; ++i)
        names.push_back(countryName((i * 7919) % rows));
    std::size_t next = 0;
    for (auto _ : state) {
        rs.FindCountry(names[next]);
        benchmark::DoNotOptimize(rs.isEOF());
        next = (next + 1) % names.size();
    }
    if (rs.isEOF())
        state.SkipWithError("a name was not found");
}

void BM_FindMissingCountry(benchmark::State& state)
{
    data::Recordset& rs = table(state.range(0)).rs;
    const QString missing = QStringLiteral("Atlantis");
    for (auto _ : state) {
        rs.FindCountry(missing);
        benchmark::DoNotOptimize(rs.isEOF());
    }
}

void BM_FullScan(benchmark::State& state)
{
    const std::int64_t rows = state.range(0);
    data::Recordset& rs = table(rows).rs;
    std::int64_t seen = 0;
    for (auto _ : state) {
        seen = 0;
        for (rs.MoveFirst(); !rs.isEOF(); rs.MoveNext()) {
            benchmark::DoNotOptimize(rs.Field(data::FieldCountry));
            ++seen;
        }
    }
    if (seen != rows)
        state.SkipWithError("the scan missed rows");
    state.SetItemsProcessed(state.iterations() * rows);
}

} // namespace

BENCHMARK(BM_FindCountry)->Arg(200)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FindMissingCountry)->Arg(100'000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FullScan)->Arg(200)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
