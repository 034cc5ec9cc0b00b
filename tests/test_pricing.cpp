// Deals priced as a bureau prices them: margins on either side, the minimum
// commission, the notes a till pays out; and the exact amounts behind them.

#include "calculator/Pricing.h"
#include "data/NumberText.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

using namespace calculator;
using namespace Qt::StringLiterals;
using data::Amount;
using data::Money;

namespace {

Money pounds(std::int64_t hundredths)
{
    return Money::fromHundredths(hundredths);
}

struct DealCase {
    const char* name;
    ExchangeInputs in;  // source, target, source rate, target rate, amount, commission
    DealTerms terms;    // buy margin, sell margin, smallest note, minimum commission
    // The deal's rates as the window shows them ("" on the pound's side), then
    // exchanged, commission, total, paid out and paid in pounds ("" for none).
    QString buyRate, sellRate, exchanged, commission, total;
    bool minimumApplied;
    QString paidOut, paidInPounds;
};

void PrintTo(const DealCase& c, std::ostream* os)
{
    *os << c.name;
}

class Deal : public testing::TestWithParam<DealCase> {};

TEST_P(Deal, isPricedAndItsFiguresAddUp)
{
    const DealCase& c = GetParam();
    const DealPrice price = priceDeal(c.in, c.terms);
    ASSERT_EQ(price.kind, ExchangeResult::Kind::Converted);
    EXPECT_EQ(price.buyRate == 0.0 ? QString() : dealRateText(price.buyRate), c.buyRate);
    EXPECT_EQ(price.sellRate == 0.0 ? QString() : dealRateText(price.sellRate), c.sellRate);
    const ExchangeResult shown = priceTexts(c.in, price);
    EXPECT_EQ(shown.exchange, c.exchanged);
    EXPECT_EQ(shown.commission, c.commission);
    EXPECT_EQ(shown.total, c.total);
    EXPECT_EQ(shown.minimumApplied, c.minimumApplied);
    EXPECT_EQ(shown.paidOut, c.paidOut);
    EXPECT_EQ(shown.paidInPounds, c.paidInPounds);
    EXPECT_EQ(price.exchanged - price.commission, price.total);
    // At no terms the same deal is the plain conversion.
    const ExchangeResult plain = computeExchange(c.in);
    if (c.terms.buyMargin == 0.0 && c.terms.sellMargin == 0.0 && c.terms.minimumCommission == Money())
        EXPECT_EQ(plain.total, shown.total);
}

// France's stored rate 1.17, the United States' 1.27, Japan's 188.5.
INSTANTIATE_TEST_SUITE_P(Pricing, Deal, testing::Values(
    DealCase{"sellMarginFromThePound", {u"Britain"_s, u"France"_s, u""_s, u"1.17"_s, u"100"_s, u"0"_s},
             {0, 3, {}, {}}, u""_s, u"1.1349"_s, u"113.49"_s, u".00"_s, u"113.49"_s, false, {}, {}},
    DealCase{"buyMarginToThePound", {u"France"_s, u"Britain"_s, u"1.17"_s, u""_s, u"100"_s, u"0"_s},
             {2, 0, {}, {}}, u"1.19388"_s, u""_s, u"83.76"_s, u".00"_s, u"83.76"_s, false, {}, {}},
    DealCase{"bothMarginsThroughThePound", {u"France"_s, u"USA"_s, u"1.17"_s, u"1.27"_s, u"100"_s, u"0"_s},
             {2, 3, {}, {}}, u"1.19388"_s, u"1.2319"_s, u"103.18"_s, u".00"_s, u"103.18"_s, false, {}, {}},
    // The other side's margin plays no part.
    DealCase{"poundSideUsesNoMargin", {u"Britain"_s, u"France"_s, u""_s, u"1.17"_s, u"100"_s, u"0"_s},
             {2, 0, {}, {}}, u""_s, u"1.17"_s, u"117.00"_s, u".00"_s, u"117.00"_s, false, {}, {}},
    DealCase{"minimumBinds", {u"Britain"_s, u"France"_s, u""_s, u"1.17"_s, u"100"_s, u"2"_s},
             {0, 3, {}, pounds(300)}, u""_s, u"1.1349"_s, u"113.49"_s, u"3.40"_s, u"110.09"_s, true, {}, {}},
    DealCase{"minimumDoesNotBind", {u"Britain"_s, u"France"_s, u""_s, u"1.17"_s, u"1000"_s, u"2"_s},
             {0, 3, {}, pounds(300)}, u""_s, u"1.1349"_s, u"1134.90"_s, u"22.70"_s, u"1112.20"_s, false, {}, {}},
    DealCase{"minimumInPoundsToThePound", {u"France"_s, u"Britain"_s, u"1.17"_s, u""_s, u"100"_s, u"2"_s},
             {2, 0, {}, pounds(300)}, u"1.19388"_s, u""_s, u"83.76"_s, u"3.00"_s, u"80.76"_s, true, {}, {}},
    DealCase{"notesAndTheRestInPounds", {u"Britain"_s, u"France"_s, u""_s, u"1.17"_s, u"100"_s, u"2"_s},
             {0, 3, pounds(500), pounds(300)}, u""_s, u"1.1349"_s, u"113.49"_s, u"3.40"_s, u"110.09"_s, true,
             u"110.00"_s, u".07"_s},
    DealCase{"yenNotesThroughThePound", {u"USA"_s, u"Japan"_s, u"1.27"_s, u"188.5"_s, u"250"_s, u"2.5"_s},
             {1.5, 2, pounds(100000), pounds(250)}, u"1.28934"_s, u"184.73"_s, u"35818.71"_s, u"895.47"_s,
             u"34923.24"_s, false, u"34000.00"_s, u"4.99"_s},
    DealCase{"aTotalOfNotesOnlyLeavesNoPounds", {u"Britain"_s, u"France"_s, u""_s, u"1"_s, u"20"_s, u"0"_s},
             {0, 0, pounds(500), {}}, u""_s, u"1"_s, u"20.00"_s, u".00"_s, u"20.00"_s, false, u"20.00"_s, u".00"_s},
    DealCase{"noNotesForAZeroTotal", {u"Britain"_s, u"France"_s, u""_s, u"1.17"_s, u"100"_s, u"100"_s},
             {0, 3, pounds(500), {}}, u""_s, u"1.1349"_s, u"113.49"_s, u"113.49"_s, u".00"_s, false, {}, {}},
    DealCase{"noNotesForANegativeTotal", {u"Britain"_s, u"France"_s, u""_s, u"1.17"_s, u"100"_s, u"150"_s},
             {0, 3, pounds(500), {}}, u""_s, u"1.1349"_s, u"113.49"_s, u"170.24"_s, u"-56.75"_s, false, {}, {}},
    DealCase{"thePoundIsPaidAsItIs", {u"France"_s, u"Britain"_s, u"1.17"_s, u""_s, u"100"_s, u"2"_s},
             {2, 0, pounds(500), {}}, u"1.19388"_s, u""_s, u"83.76"_s, u"1.68"_s, u"82.08"_s, false, {}, {}},
    // The commission comes from the rounded exchange, so the figures add up
    // (1.006 rounds to 1.01, half of which rounds to .51).
    DealCase{"commissionOfTheRoundedExchange", {u"Britain"_s, u"Aland"_s, u""_s, u"1"_s, u"1.006"_s, u"50"_s},
             {}, u""_s, u"1"_s, u"1.01"_s, u".51"_s, u".50"_s, false, {}, {}},
    // Beyond what 64 bits of hundredths hold, still exact: 10^20 less 1 %.
    DealCase{"hugeFiguresStayExact", {u"Britain"_s, u"Aland"_s, u""_s, u"1"_s, u"1e20"_s, u"1"_s},
             {}, u""_s, u"1"_s, u"100000000000000000000.00"_s, u"1000000000000000000.00"_s,
             u"99000000000000000000.00"_s, false, {}, {}}),
    [](const testing::TestParamInfo<DealCase>& info) { return std::string(info.param.name); });

TEST(Deal, termsKeepThePlainConversionsFailures)
{
    const DealTerms terms{2, 3, pounds(500), pounds(300)};
    const DealPrice zeroRate = priceDeal({u"France"_s, u"USA"_s, u"0"_s, u"1.27"_s, u"100"_s, u"2"_s}, terms);
    EXPECT_EQ(zeroRate.failure, ExchangeFailure::DivisionByZero);
    EXPECT_EQ(zeroRate.input, ExchangeInput::SourceRate);
    const DealPrice twoPoints = priceDeal({u"Britain"_s, u"USA"_s, u""_s, u"1.27"_s, u"1.2.3"_s, u"2"_s}, terms);
    EXPECT_EQ(twoPoints.input, ExchangeInput::Amount);
    // The minimum converted at a rate close to the largest double overflows.
    const DealPrice huge = priceDeal({u"Britain"_s, u"USA"_s, u""_s, u"1e308"_s, u"0"_s, u"2"_s}, terms);
    EXPECT_EQ(huge.failure, ExchangeFailure::Overflow);
    EXPECT_EQ(priceDeal({u"USA"_s, u"USA"_s, u"x"_s, u"y"_s, u"5"_s, u"z"_s}, terms).kind,
              ExchangeResult::Kind::SameCountry);
}

TEST(DealRateText, hasSixSignificantDigitsAndNoExponent)
{
    EXPECT_EQ(dealRateText(buyingRate(1.17, 2)), u"1.19388"_s);
    EXPECT_EQ(dealRateText(sellingRate(1.17, 3)), u"1.1349"_s);
    EXPECT_EQ(dealRateText(1234567.0), u"1234570"_s);
    EXPECT_EQ(dealRateText(0.0000123456789), u"0.0000123457"_s);
    EXPECT_EQ(dealRateText(2.0), u"2"_s);
    EXPECT_EQ(dealRateText(9.999996), u"10"_s);
}

// ---- exact amounts of any size ----------------------------------------------

TEST(Amount, readsEveryFiniteDoubleAsTheDisplayRoundsIt)
{
    for (const double value : {0.125, -2.675, 1e20, -1e300, std::numeric_limits<double>::max(), 0x1p63 / 100}) {
        const QString shown = data::formatMoney(value);
        QString text = Amount::fromDouble(value)->toText();
        text.replace(u"-0."_s, u"-."_s);
        if (text.startsWith(u"0."))
            text.remove(0, 1);
        EXPECT_EQ(text, shown) << value;
        EXPECT_EQ(Amount::fromDouble(value)->toDouble(), data::readNumber(shown).value);
    }
    EXPECT_FALSE(Amount::fromDouble(std::numeric_limits<double>::infinity()));
    EXPECT_EQ(Amount::fromDouble(-0.019, data::Rounding::Down)->toText(), u"-0.02"_s);
}

TEST(Amount, addsSubtractsAndRoundsDownExactlyAtAnySize)
{
    const Amount big = *Amount::fromDouble(1e20);
    const Amount cent(pounds(1));
    EXPECT_EQ((big - cent).toText(), u"99999999999999999999.99"_s);
    EXPECT_EQ((cent - big + big), cent);
    EXPECT_LT(cent - big, cent);
    EXPECT_EQ((big - cent).roundedDownTo(pounds(500)).toText(), u"99999999999999999995.00"_s);
    EXPECT_EQ(Amount(pounds(-1234)).roundedDownTo(pounds(500)).toText(), u"-15.00"_s);
    EXPECT_EQ(Amount(pounds(1500)).roundedDownTo(pounds(500)).toText(), u"15.00"_s);
    // Money's limits, both ends.
    const Amount largest(pounds(std::numeric_limits<std::int64_t>::max()));
    EXPECT_EQ(largest.toMoney(), pounds(std::numeric_limits<std::int64_t>::max()));
    EXPECT_FALSE((largest + cent).toMoney());
    const Amount smallest(pounds(std::numeric_limits<std::int64_t>::min()));
    EXPECT_EQ(smallest.toMoney(), pounds(std::numeric_limits<std::int64_t>::min()));
    EXPECT_FALSE((smallest - cent).toMoney());
}

} // namespace
