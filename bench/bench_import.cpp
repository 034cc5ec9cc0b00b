// Reading and matching a rate file of 10,000 rows against a table of 10,000:
// the user waits for this before the preview opens. Target: under 100 ms for
// parsing and matching together, in every format.

#include "data/RateImport.h"

#include <benchmark/benchmark.h>

#include <vector>

using namespace Qt::StringLiterals;
using namespace MOD_Data;

namespace {

constexpr int Rows = 10000;

const char* const Codes[] = {"USD", "EUR", "JPY", "CHF", "AUD", "CAD", "INR", "ZAR", "RUB", "KRW"};

QString fileCountry(int i)
{
    return u"Country %1"_s.arg(i);
}

// Half the table's rows share a name with the file; the rest are names of real
// countries and their variants (matched through the currency) or unknown places.
std::vector<RateRow> table()
{
    static const QString real[] = {u"Holland"_s, u"Russia"_s, u"USA"_s, u"South Korea"_s, u"France"_s,
                                   u"Korea (South)"_s, u"Czech Republic"_s, u"Switzerland"_s};
    std::vector<RateRow> rows;
    rows.reserve(Rows);
    for (int i = 0; i < Rows; ++i) {
        QString name = i % 2 == 0 ? fileCountry(i) : (i % 3 == 0 ? real[i % 8] + u' ' + QString::number(i)
                                                                 : u"Place %1"_s.arg(i));
        if (i < 8)
            name = real[i];
        rows.push_back({name, u"Unit"_s, 1.0 + i / 7.0, QDate(2020, 1, 1)});
    }
    return rows;
}

QByteArray ukCsv()
{
    QByteArray out = "\xEF\xBB\xBF" "Country/Territories,Currency,Currency Code,Currency Units per \xC2\xA3" "1,"
                     "Start date,End date\r\n";
    for (int i = 0; i < Rows; ++i)
        out += "\"" + fileCountry(i).toUtf8() + "\",Unit ," + Codes[i % 10] + "," + QByteArray::number(2.0 + i / 3.0)
               + ",01/02/2020,29/02/2020\r\n";
    return out;
}

QByteArray ukXml()
{
    QByteArray out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                     "<exchangeRateMonthList Period=\"01/Feb/2020 to 29/Feb/2020\">\n";
    for (int i = 0; i < Rows; ++i)
        out += "<exchangeRate><countryName>" + fileCountry(i).toUtf8() + "</countryName><countryCode>XX</countryCode>"
               "<currencyName>Unit </currencyName><currencyCode>" + Codes[i % 10] + "</currencyCode><rateNew>"
               + QByteArray::number(2.0 + i / 3.0) + "</rateNew></exchangeRate>\n";
    return out + "</exchangeRateMonthList>\n";
}

void run(benchmark::State& state, const QByteArray& bytes)
{
    const std::vector<RateRow> rows = table();
    for (auto _ : state) {
        const RateFileResult file = parseRateFile(bytes, u"bench.csv"_s);
        if (!file.ok()) {
            state.SkipWithError(file.error.toStdString().c_str());
            break;
        }
        ImportPlan plan = planImport(*file.file, rows);
        benchmark::DoNotOptimize(plan);
    }
    state.SetItemsProcessed(state.iterations() * Rows);
}

void BM_ReadAndMatch_UkCsv(benchmark::State& state)
{
    run(state, ukCsv());
}
BENCHMARK(BM_ReadAndMatch_UkCsv)->Unit(benchmark::kMillisecond);

void BM_ReadAndMatch_UkXml(benchmark::State& state)
{
    run(state, ukXml());
}
BENCHMARK(BM_ReadAndMatch_UkXml)->Unit(benchmark::kMillisecond);

void BM_ReadAndMatch_Export(benchmark::State& state)
{
    std::vector<RateRow> rows = table();
    for (RateRow& r : rows)
        r.rate *= 1.01;
    run(state, exportCsv(rows));
}
BENCHMARK(BM_ReadAndMatch_Export)->Unit(benchmark::kMillisecond);

void BM_Export(benchmark::State& state)
{
    const std::vector<RateRow> rows = table();
    for (auto _ : state) {
        QByteArray csv = exportCsv(rows);
        benchmark::DoNotOptimize(csv);
    }
}
BENCHMARK(BM_Export)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
