// One Calculate press and the number text routines behind it.
// Target: a computeExchange call under 2 us; a deal with margins, a minimum
// commission and a smallest note priced and its figures and rates formatted
// well under a millisecond.
#include "calculator/Exchange.h"
#include "calculator/Pricing.h"
#include "data/NumberText.h"

#include <benchmark/benchmark.h>

#include <array>

using namespace calculator;
using namespace data;
using namespace Qt::StringLiterals;

namespace {

void BM_CalculateExchange(benchmark::State& state, const ExchangeInputs& in)
{
    for (auto _ : state) {
        ExchangeResult r = computeExchange(in);
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK_CAPTURE(BM_CalculateExchange, ThroughPivot,
                  ExchangeInputs{u"Japan"_s, u"United States"_s, u"188.23"_s, u"1.2701"_s, u"25000"_s, u"2.5"_s});
BENCHMARK_CAPTURE(BM_CalculateExchange, FromPivot,
                  ExchangeInputs{u"Britain"_s, u"Euro Area"_s, u"1"_s, u"1.1712"_s, u"100"_s, u"2"_s});

// Priced and formatted as the main window shows it: the figures, paid out,
// paid in pounds and both deal rates.
void BM_PriceDeal(benchmark::State& state, const ExchangeInputs& in, const DealTerms& terms)
{
    for (auto _ : state) {
        const DealPrice price = priceDeal(in, terms);
        ExchangeResult shown = priceTexts(in, price);
        QString buy = dealRateText(price.buyRate), sell = dealRateText(price.sellRate);
        benchmark::DoNotOptimize(shown);
        benchmark::DoNotOptimize(buy);
        benchmark::DoNotOptimize(sell);
    }
}
BENCHMARK_CAPTURE(BM_PriceDeal, ThroughPivotWithNotes,
                  ExchangeInputs{u"United States"_s, u"Japan"_s, u"1.2701"_s, u"188.23"_s, u"250"_s, u"2.5"_s},
                  DealTerms{1.5, 2.0, Money::fromHundredths(100000), Money::fromHundredths(250)});
BENCHMARK_CAPTURE(BM_PriceDeal, HugeAmount,
                  ExchangeInputs{u"Britain"_s, u"Japan"_s, u"1"_s, u"188.23"_s, u"1e300"_s, u"2.5"_s},
                  DealTerms{0.0, 2.0, Money::fromHundredths(100000), Money::fromHundredths(250)});

void BM_ReadNumber(benchmark::State& state)
{
    const std::array texts{u"1.5"_s, u"25000"_s, u"188.234567"_s, u"1.23456789012345E-20"_s};
    std::size_t i = 0;
    for (auto _ : state) {
        ParsedNumber n = readNumber(texts[i++ % texts.size()]);
        benchmark::DoNotOptimize(n);
    }
}
BENCHMARK(BM_ReadNumber);

// A text routine on each of a few values in turn.
template <typename Routine>
void BM_Text(benchmark::State& state, Routine routine, std::array<double, 4> values)
{
    std::size_t i = 0;
    for (auto _ : state) {
        QString s = routine(values[i++ % values.size()]);
        benchmark::DoNotOptimize(s);
    }
}
BENCHMARK_CAPTURE(BM_Text, NumberText, &numberText, std::array{1.5, 188.23, 0.1 + 0.2, 1.5e20});
// 0.125 takes the exact-half path.
BENCHMARK_CAPTURE(BM_Text, FormatMoney, &formatMoney, std::array{234.5, 31755.4, 0.125, -50.0});

void BM_FormatMoney_Huge(benchmark::State& state)
{
    for (auto _ : state) {
        QString s = formatMoney(1e300);
        benchmark::DoNotOptimize(s);
    }
}
BENCHMARK(BM_FormatMoney_Huge);

} // namespace

BENCHMARK_MAIN();
