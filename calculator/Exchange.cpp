#include "calculator/Exchange.h"

#include "data/NumberText.h"

#include <cmath>
#include <optional>

namespace MOD_Universe {

namespace {

// Runs the steps of one calculation, remembering the first failure. Every
// operation is checked on its result rather than through the floating-point
// status flags, which the optimiser does not promise to keep.
class Calculation {
public:
    std::optional<double> read(const QString& text, ExchangeInput input)
    {
        const ParsedNumber number = readNumber(text);
        switch (number.status) {
        case NumberStatus::Ok:
            return number.value;
        case NumberStatus::NotANumber:
            return fail(ExchangeFailure::NotANumber, input);
        case NumberStatus::Overflow:
            return fail(ExchangeFailure::Overflow, input);
        }
        return fail(ExchangeFailure::NotANumber, input);
    }

    // Only the source rate is ever a divisor.
    std::optional<double> divide(double dividend, double divisor)
    {
        if (divisor == 0.0) {
            return fail(dividend == 0.0 ? ExchangeFailure::InvalidOperation : ExchangeFailure::DivisionByZero,
                        ExchangeInput::SourceRate);
        }
        return checked(dividend / divisor);
    }

    std::optional<double> checked(double value)
    {
        if (std::isnan(value))
            return fail(ExchangeFailure::InvalidOperation, ExchangeInput::None);
        if (std::isinf(value))
            return fail(ExchangeFailure::Overflow, ExchangeInput::None);
        return value;
    }

    ExchangeResult failed() const
    {
        ExchangeResult result;
        result.kind = ExchangeResult::Kind::Failed;
        result.failure = failure_;
        result.input = input_;
        return result;
    }

private:
    std::nullopt_t fail(ExchangeFailure failure, ExchangeInput input)
    {
        failure_ = failure;
        input_ = input;
        return std::nullopt;
    }

    ExchangeFailure failure_ = ExchangeFailure::None;
    ExchangeInput input_ = ExchangeInput::None;
};

std::optional<double> exchangedAmount(const ExchangeInputs& in, Calculation& calc)
{
    if (in.sourceCountry == PivotCountry) {
        const auto rateTo = calc.read(in.targetRate, ExchangeInput::TargetRate);
        if (!rateTo)
            return {};
        const auto amount = calc.read(in.amount, ExchangeInput::Amount);
        if (!amount)
            return {};
        return calc.checked(*amount * *rateTo);
    }
    if (in.targetCountry == PivotCountry) {
        const auto amount = calc.read(in.amount, ExchangeInput::Amount);
        if (!amount)
            return {};
        const auto rateFrom = calc.read(in.sourceRate, ExchangeInput::SourceRate);
        if (!rateFrom)
            return {};
        return calc.divide(*amount, *rateFrom);
    }
    // Through the pivot: into pounds, then into the target currency.
    const auto amount = calc.read(in.amount, ExchangeInput::Amount);
    if (!amount)
        return {};
    const auto rateFrom = calc.read(in.sourceRate, ExchangeInput::SourceRate);
    if (!rateFrom)
        return {};
    const auto pounds = calc.divide(*amount, *rateFrom);
    if (!pounds)
        return {};
    const auto rateTo = calc.read(in.targetRate, ExchangeInput::TargetRate);
    if (!rateTo)
        return {};
    return calc.checked(*rateTo * *pounds);
}

} // namespace

ExchangeResult calculateExchange(const ExchangeInputs& in)
{
    if (in.targetCountry == in.sourceCountry) {
        ExchangeResult result;
        result.kind = ExchangeResult::Kind::SameCountry;
        result.exchange = formatMoneyText(in.amount);
        return result;
    }

    Calculation calc;
    const auto exchange = exchangedAmount(in, calc);
    if (!exchange)
        return calc.failed();

    const auto percent = calc.read(in.commission, ExchangeInput::Commission);
    if (!percent)
        return calc.failed();
    const auto hundredth = calc.checked(*exchange / 100.0);
    if (!hundredth)
        return calc.failed();
    const auto commission = calc.checked(*percent * *hundredth);
    if (!commission)
        return calc.failed();
    const auto total = calc.checked(*exchange - *commission);
    if (!total)
        return calc.failed();

    ExchangeResult result;
    result.kind = ExchangeResult::Kind::Converted;
    result.exchange = formatMoney(*exchange);
    result.commission = formatMoney(*commission);
    result.total = formatMoney(*total);
    return result;
}

QString failureMessage(const ExchangeResult& result)
{
    if (result.kind != ExchangeResult::Kind::Failed)
        return {};

    switch (result.failure) {
    case ExchangeFailure::NotANumber:
        switch (result.input) {
        case ExchangeInput::Amount:
            return QStringLiteral("The amount is not a number.");
        case ExchangeInput::SourceRate:
            return QStringLiteral("The exchange rate of the Convert From country is not a number.");
        case ExchangeInput::TargetRate:
            return QStringLiteral("The exchange rate of the Convert To country is not a number.");
        case ExchangeInput::Commission:
            return QStringLiteral("The commission is not a number.");
        case ExchangeInput::None:
            break;
        }
        break;
    case ExchangeFailure::DivisionByZero:
    case ExchangeFailure::InvalidOperation:
        if (result.input == ExchangeInput::SourceRate)
            return QStringLiteral("The exchange rate of the Convert From country is 0, so the amount cannot be converted.");
        break;
    case ExchangeFailure::Overflow:
        switch (result.input) {
        case ExchangeInput::Amount:
            return QStringLiteral("The amount is too large to convert.");
        case ExchangeInput::SourceRate:
            return QStringLiteral("The exchange rate of the Convert From country is too large to use.");
        case ExchangeInput::TargetRate:
            return QStringLiteral("The exchange rate of the Convert To country is too large to use.");
        case ExchangeInput::Commission:
            return QStringLiteral("The commission is too large to use.");
        case ExchangeInput::None:
            return QStringLiteral("The result is too large to show.");
        }
        break;
    case ExchangeFailure::None:
        break;
    }
    return QStringLiteral("The exchange could not be calculated.");
}

} // namespace MOD_Universe
