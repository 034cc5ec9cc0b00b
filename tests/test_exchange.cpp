#include "calculator/Exchange.h"

#include <gtest/gtest.h>

#include <string>

// Readable failure output for QString comparisons.
inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

using namespace calculator;
using namespace Qt::StringLiterals;

namespace {

using Kind = ExchangeResult::Kind;

struct ExchangeCase {
    const char* name;
    ExchangeInputs in;  // source, target, source rate, target rate, amount, commission
    ExchangeResult expected;
};

void PrintTo(const ExchangeCase& c, std::ostream* os)
{
    *os << c.name;
}

ExchangeResult converted(const QString& exchange, const QString& commission, const QString& total)
{
    ExchangeResult r;
    r.kind = Kind::Converted;
    r.exchange = exchange;
    r.commission = commission;
    r.total = total;
    return r;
}

ExchangeResult same(const QString& exchange)
{
    ExchangeResult r;
    r.kind = Kind::SameCountry;
    r.exchange = exchange;
    return r;
}

ExchangeResult failed(ExchangeFailure failure, ExchangeInput input)
{
    ExchangeResult r;
    r.kind = Kind::Failed;
    r.failure = failure;
    r.input = input;
    return r;
}

class CalculateExchange : public testing::TestWithParam<ExchangeCase> {};

TEST_P(CalculateExchange, givesTheExpectedResult)
{
    const ExchangeResult got = computeExchange(GetParam().in);
    const ExchangeResult& want = GetParam().expected;
    EXPECT_EQ(got.kind, want.kind);
    EXPECT_EQ(got.exchange, want.exchange);
    EXPECT_EQ(got.commission, want.commission);
    EXPECT_EQ(got.total, want.total);
    EXPECT_EQ(got.failure, want.failure);
    EXPECT_EQ(got.input, want.input);
}

std::string caseName(const testing::TestParamInfo<ExchangeCase>& info)
{
    return info.param.name;
}

INSTANTIATE_TEST_SUITE_P(Conversions, CalculateExchange, testing::Values(
    ExchangeCase{"fromPivot", {u"Britain"_s, u"Ruritania"_s, u"1"_s, u"1.5"_s, u"100"_s, u"2"_s},
                 converted(u"150.00"_s, u"3.00"_s, u"147.00"_s)},
    ExchangeCase{"toPivot", {u"Ruritania"_s, u"Britain"_s, u"1.5"_s, u"1"_s, u"150"_s, u"0"_s},
                 converted(u"100.00"_s, u".00"_s, u"100.00"_s)},
    ExchangeCase{"throughPivot", {u"Aland"_s, u"Borduria"_s, u"2"_s, u"3"_s, u"100"_s, u"0"_s},
                 converted(u"150.00"_s, u".00"_s, u"150.00"_s)},
    ExchangeCase{"commissionAbove100", {u"Britain"_s, u"Aland"_s, u"1"_s, u"1"_s, u"100"_s, u"150"_s},
                 converted(u"100.00"_s, u"150.00"_s, u"-50.00"_s)},
    // The exchange is rounded first; the commission comes from the rounded
    // figure and the total is their difference, so the three add up.
    ExchangeCase{"figuresAddUp", {u"Britain"_s, u"Aland"_s, u""_s, u"1"_s, u"1.006"_s, u"50"_s},
                 converted(u"1.01"_s, u".51"_s, u".50"_s)},
    ExchangeCase{"exponentRateFromPivot", {u"Britain"_s, u"Aland"_s, u"1"_s, u"1.5E+2"_s, u"2"_s, u"0"_s},
                 converted(u"300.00"_s, u".00"_s, u"300.00"_s)},
    ExchangeCase{"exponentRateToPivot", {u"Aland"_s, u"Britain"_s, u"1E-2"_s, u"1"_s, u"1"_s, u"10"_s},
                 converted(u"100.00"_s, u"10.00"_s, u"90.00"_s)},
    ExchangeCase{"negativeRateTypedByHand", {u"Aland"_s, u"Borduria"_s, u"-2"_s, u"3"_s, u"100"_s, u"0"_s},
                 converted(u"-150.00"_s, u".00"_s, u"-150.00"_s)},
    ExchangeCase{"resultTooSmallIsZero", {u"Aland"_s, u"Britain"_s, u"1e300"_s, u""_s, u"1e-300"_s, u"5"_s},
                 converted(u".00"_s, u".00"_s, u".00"_s)}),
    caseName);

// The pivot is "Britain" exactly; its own rate box is never read.
INSTANTIATE_TEST_SUITE_P(Pivot, CalculateExchange, testing::Values(
    ExchangeCase{"lowerCaseBritainIsOrdinarySource", {u"britain"_s, u"Borduria"_s, u"2"_s, u"3"_s, u"100"_s, u"0"_s},
                 converted(u"150.00"_s, u".00"_s, u"150.00"_s)},
    ExchangeCase{"lowerCaseBritainIsOrdinaryTarget", {u"Aland"_s, u"britain"_s, u"2"_s, u"4"_s, u"100"_s, u"0"_s},
                 converted(u"200.00"_s, u".00"_s, u"200.00"_s)},
    ExchangeCase{"blankAfterBritainIsOrdinary", {u"Britain "_s, u"Borduria"_s, u"2"_s, u"3"_s, u"100"_s, u"0"_s},
                 converted(u"150.00"_s, u".00"_s, u"150.00"_s)},
    ExchangeCase{"fromPivotIgnoresSourceRateBox", {u"Britain"_s, u"Aland"_s, u"not a rate"_s, u"2"_s, u"5"_s, u"0"_s},
                 converted(u"10.00"_s, u".00"_s, u"10.00"_s)},
    ExchangeCase{"fromPivotIgnoresZeroSourceRate", {u"Britain"_s, u"Aland"_s, u"0"_s, u"2"_s, u"5"_s, u"0"_s},
                 converted(u"10.00"_s, u".00"_s, u"10.00"_s)},
    ExchangeCase{"toPivotIgnoresTargetRateBox", {u"Aland"_s, u"Britain"_s, u"2"_s, u"1.2.3"_s, u"5"_s, u"0"_s},
                 converted(u"2.50"_s, u".00"_s, u"2.50"_s)}),
    caseName);

// The same country on both sides only formats the amount text.
INSTANTIATE_TEST_SUITE_P(SameCountry, CalculateExchange, testing::Values(
    ExchangeCase{"formatsAmount", {u"Aland"_s, u"Aland"_s, u"x"_s, u"y"_s, u"12.5"_s, u""_s}, same(u"12.50"_s)},
    ExchangeCase{"bothUnselected", {u""_s, u""_s, u""_s, u""_s, u"7"_s, u""_s}, same(u"7.00"_s)},
    ExchangeCase{"bothPivot", {u"Britain"_s, u"Britain"_s, u"x"_s, u"0"_s, u"3"_s, u"z"_s}, same(u"3.00"_s)},
    ExchangeCase{"amountNotANumberShownUnchanged", {u"Aland"_s, u"Aland"_s, u"2"_s, u"2"_s, u"1.2.3"_s, u"0"_s},
                 same(u"1.2.3"_s)},
    ExchangeCase{"emptyAmountShownEmpty", {u"Aland"_s, u"Aland"_s, u"2"_s, u"2"_s, u""_s, u"0"_s}, same(u""_s)},
    ExchangeCase{"hugeAmountShownUnchanged", {u"Aland"_s, u"Aland"_s, u"2"_s, u"2"_s, u"1e400"_s, u"0"_s},
                 same(u"1e400"_s)},
    ExchangeCase{"caseCounts", {u"Aland"_s, u"aland"_s, u"2"_s, u"4"_s, u"1"_s, u"0"_s},
                 converted(u"2.00"_s, u".00"_s, u"2.00"_s)}),
    caseName);

INSTANTIATE_TEST_SUITE_P(Failures, CalculateExchange, testing::Values(
    ExchangeCase{"sourceRateZero", {u"Aland"_s, u"Borduria"_s, u"0"_s, u"3"_s, u"100"_s, u"0"_s},
                 failed(ExchangeFailure::DivisionByZero, ExchangeInput::SourceRate)},
    ExchangeCase{"sourceRateZeroToPivot", {u"Aland"_s, u"Britain"_s, u"-0"_s, u""_s, u"100"_s, u"0"_s},
                 failed(ExchangeFailure::DivisionByZero, ExchangeInput::SourceRate)},
    ExchangeCase{"zeroOverZero", {u"Aland"_s, u"Borduria"_s, u"0"_s, u"3"_s, u"0"_s, u"0"_s},
                 failed(ExchangeFailure::InvalidOperation, ExchangeInput::SourceRate)},
    ExchangeCase{"amountTwoPoints", {u"Aland"_s, u"Borduria"_s, u"2"_s, u"3"_s, u"1.2.3"_s, u"0"_s},
                 failed(ExchangeFailure::NotANumber, ExchangeInput::Amount)},
    ExchangeCase{"amountLonePoint", {u"Britain"_s, u"Borduria"_s, u""_s, u"3"_s, u"."_s, u"0"_s},
                 failed(ExchangeFailure::NotANumber, ExchangeInput::Amount)},
    ExchangeCase{"sourceRateEmpty", {u"Aland"_s, u"Britain"_s, u""_s, u""_s, u"1"_s, u"0"_s},
                 failed(ExchangeFailure::NotANumber, ExchangeInput::SourceRate)},
    ExchangeCase{"targetRateEdited", {u"Britain"_s, u"Aland"_s, u""_s, u"1,5"_s, u"1"_s, u"0"_s},
                 failed(ExchangeFailure::NotANumber, ExchangeInput::TargetRate)},
    ExchangeCase{"commissionEmpty", {u"Britain"_s, u"Aland"_s, u""_s, u"2"_s, u"1"_s, u""_s},
                 failed(ExchangeFailure::NotANumber, ExchangeInput::Commission)},
    ExchangeCase{"commissionTwoPoints", {u"Aland"_s, u"Borduria"_s, u"2"_s, u"3"_s, u"1"_s, u"1..5"_s},
                 failed(ExchangeFailure::NotANumber, ExchangeInput::Commission)},
    ExchangeCase{"amountTooLarge", {u"Britain"_s, u"Aland"_s, u""_s, u"2"_s, u"1e400"_s, u"0"_s},
                 failed(ExchangeFailure::Overflow, ExchangeInput::Amount)},
    ExchangeCase{"targetRateTooLarge", {u"Aland"_s, u"Borduria"_s, u"2"_s, u"1e999"_s, u"1"_s, u"0"_s},
                 failed(ExchangeFailure::Overflow, ExchangeInput::TargetRate)},
    ExchangeCase{"productOverflows", {u"Britain"_s, u"Aland"_s, u""_s, u"10"_s, u"1e308"_s, u"0"_s},
                 failed(ExchangeFailure::Overflow, ExchangeInput::None)},
    ExchangeCase{"quotientOverflows", {u"Aland"_s, u"Britain"_s, u"1e-300"_s, u""_s, u"1e10"_s, u"0"_s},
                 failed(ExchangeFailure::Overflow, ExchangeInput::None)},
    ExchangeCase{"commissionOverflows", {u"Britain"_s, u"Aland"_s, u""_s, u"1"_s, u"1e4"_s, u"1e307"_s},
                 failed(ExchangeFailure::Overflow, ExchangeInput::None)},
    ExchangeCase{"totalOverflows", {u"Britain"_s, u"Aland"_s, u""_s, u"1"_s, u"1e308"_s, u"-100"_s},
                 failed(ExchangeFailure::Overflow, ExchangeInput::None)}),
    caseName);

// The first failing step is the one reported: inputs are read when needed.
INSTANTIATE_TEST_SUITE_P(Order, CalculateExchange, testing::Values(
    ExchangeCase{"fromPivotTargetRateBeforeAmount", {u"Britain"_s, u"Aland"_s, u""_s, u"x"_s, u"y"_s, u"z"_s},
                 failed(ExchangeFailure::NotANumber, ExchangeInput::TargetRate)},
    ExchangeCase{"toPivotAmountBeforeSourceRate", {u"Aland"_s, u"Britain"_s, u"x"_s, u""_s, u"y"_s, u"z"_s},
                 failed(ExchangeFailure::NotANumber, ExchangeInput::Amount)},
    ExchangeCase{"throughPivotAmountFirst", {u"Aland"_s, u"Borduria"_s, u"x"_s, u"x"_s, u"y"_s, u"z"_s},
                 failed(ExchangeFailure::NotANumber, ExchangeInput::Amount)},
    ExchangeCase{"throughPivotSourceRateBeforeTargetRate", {u"Aland"_s, u"Borduria"_s, u"x"_s, u"x"_s, u"1"_s, u"z"_s},
                 failed(ExchangeFailure::NotANumber, ExchangeInput::SourceRate)},
    ExchangeCase{"throughPivotDivisionBeforeTargetRate", {u"Aland"_s, u"Borduria"_s, u"0"_s, u"x"_s, u"1"_s, u"z"_s},
                 failed(ExchangeFailure::DivisionByZero, ExchangeInput::SourceRate)},
    ExchangeCase{"exchangeBeforeCommission", {u"Aland"_s, u"Borduria"_s, u"1"_s, u"x"_s, u"1"_s, u"z"_s},
                 failed(ExchangeFailure::NotANumber, ExchangeInput::TargetRate)}),
    caseName);

// ---- failureMessage ----------------------------------------------------------------

struct MessageCase {
    ExchangeFailure failure;
    ExchangeInput input;
    const char* message;
};

void PrintTo(const MessageCase& c, std::ostream* os)
{
    *os << c.message;
}

class FailureMessage : public testing::TestWithParam<MessageCase> {};

TEST_P(FailureMessage, namesTheCause)
{
    EXPECT_EQ(failureMessage(failed(GetParam().failure, GetParam().input)),
              QString::fromUtf8(GetParam().message));
}

INSTANTIATE_TEST_SUITE_P(Messages, FailureMessage, testing::Values(
    MessageCase{ExchangeFailure::NotANumber, ExchangeInput::Amount, "The amount is not a number."},
    MessageCase{ExchangeFailure::NotANumber, ExchangeInput::SourceRate,
                "The exchange rate of the Convert From country is not a number."},
    MessageCase{ExchangeFailure::NotANumber, ExchangeInput::TargetRate,
                "The exchange rate of the Convert To country is not a number."},
    MessageCase{ExchangeFailure::NotANumber, ExchangeInput::Commission, "The commission is not a number."},
    MessageCase{ExchangeFailure::DivisionByZero, ExchangeInput::SourceRate,
                "The exchange rate of the Convert From country is 0, so the amount cannot be converted."},
    MessageCase{ExchangeFailure::InvalidOperation, ExchangeInput::SourceRate,
                "The exchange rate of the Convert From country is 0, so the amount cannot be converted."},
    MessageCase{ExchangeFailure::Overflow, ExchangeInput::Amount, "The amount is too large to convert."},
    MessageCase{ExchangeFailure::Overflow, ExchangeInput::TargetRate,
                "The exchange rate of the Convert To country is too large to use."},
    MessageCase{ExchangeFailure::Overflow, ExchangeInput::SourceRate,
                "The exchange rate of the Convert From country is too large to use."},
    MessageCase{ExchangeFailure::Overflow, ExchangeInput::Commission, "The commission is too large to use."},
    MessageCase{ExchangeFailure::Overflow, ExchangeInput::None, "The result is too large to show."},
    // Combinations no calculation makes fall back to the general message.
    MessageCase{ExchangeFailure::NotANumber, ExchangeInput::None, "The exchange could not be calculated."},
    MessageCase{ExchangeFailure::DivisionByZero, ExchangeInput::TargetRate, "The exchange could not be calculated."},
    MessageCase{ExchangeFailure::None, ExchangeInput::Amount, "The exchange could not be calculated."}));

TEST(FailureMessage, isEmptyForResults)
{
    EXPECT_TRUE(failureMessage(computeExchange({u"Britain"_s, u"A"_s, u""_s, u"2"_s, u"1"_s, u"0"_s})).isEmpty());
    EXPECT_TRUE(failureMessage(computeExchange({u"A"_s, u"A"_s, u""_s, u""_s, u"1"_s, u""_s})).isEmpty());
}

} // namespace
