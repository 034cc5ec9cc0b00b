#include "calculator/Exchange.h"

#include "data/NumberForm.h"

#include <QCoreApplication>

#include <cmath>
#include <functional>
#include <optional>

namespace calculator {

namespace {

// Runs the steps of one calculation, remembering the first failure. Once a
// step has failed, every later step does nothing and fails too, so the steps
// read as a straight line and the first failure is the one reported. Every
// operation is checked on its result rather than through the floating-point
// status flags, which the optimiser does not promise to keep.
class Calculation {
public:
    using Value = std::optional<double>;

    Value read(const QString& text, ExchangeInput input)
    {
        if (hasFailed())
            return std::nullopt;
        const data::ParsedNumber number = data::readTyped(text);
        switch (number.status) {
        case data::NumberStatus::Ok:
            return number.value;
        case data::NumberStatus::NotANumber:
            return fail(ExchangeFailure::NotANumber, input);
        case data::NumberStatus::Overflow:
            return fail(ExchangeFailure::Overflow, input);
        }
        return fail(ExchangeFailure::NotANumber, input);
    }

    // Only the source rate is ever a divisor.
    Value divide(Value dividend, Value divisor)
    {
        if (!dividend || !divisor)
            return std::nullopt;
        if (*divisor == 0.0) {
            return fail(*dividend == 0.0 ? ExchangeFailure::InvalidOperation : ExchangeFailure::DivisionByZero,
                        ExchangeInput::SourceRate);
        }
        return checked(*dividend / *divisor);
    }

    template <typename Op>
    Value apply(Value left, Value right, Op op)
    {
        if (!left || !right)
            return std::nullopt;
        return checked(op(*left, *right));
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
    bool hasFailed() const { return failure_ != ExchangeFailure::None; }

    Value checked(double value)
    {
        if (std::isnan(value))
            return fail(ExchangeFailure::InvalidOperation, ExchangeInput::None);
        if (std::isinf(value))
            return fail(ExchangeFailure::Overflow, ExchangeInput::None);
        return value;
    }

    std::nullopt_t fail(ExchangeFailure failure, ExchangeInput input)
    {
        if (!hasFailed()) {
            failure_ = failure;
            input_ = input;
        }
        return std::nullopt;
    }

    ExchangeFailure failure_ = ExchangeFailure::None;
    ExchangeInput input_ = ExchangeInput::None;
};

// The boxes are read in the order the conversion uses them.
Calculation::Value exchangedAmount(const ExchangeInputs& in, Calculation& calc)
{
    if (in.sourceCountry == PivotCountry) {
        const auto rateTo = calc.read(in.targetRate, ExchangeInput::TargetRate);
        const auto amount = calc.read(in.amount, ExchangeInput::Amount);
        return calc.apply(amount, rateTo, std::multiplies<>());
    }
    const auto amount = calc.read(in.amount, ExchangeInput::Amount);
    const auto rateFrom = calc.read(in.sourceRate, ExchangeInput::SourceRate);
    const auto pounds = calc.divide(amount, rateFrom);
    if (in.targetCountry == PivotCountry)
        return pounds;
    // Through the pivot: into pounds, then into the target currency.
    const auto rateTo = calc.read(in.targetRate, ExchangeInput::TargetRate);
    return calc.apply(rateTo, pounds, std::multiplies<>());
}

} // namespace

ExchangeResult computeExchange(const ExchangeInputs& in)
{
    if (in.targetCountry == in.sourceCountry) {
        ExchangeResult result;
        result.kind = ExchangeResult::Kind::SameCountry;
        result.exchange = data::shownMoneyText(in.amount);
        return result;
    }

    Calculation calc;
    const auto exchange = exchangedAmount(in, calc);
    const auto percent = calc.read(in.commission, ExchangeInput::Commission);
    const auto hundredth = calc.apply(exchange, 100.0, std::divides<>());
    const auto commission = calc.apply(percent, hundredth, std::multiplies<>());
    const auto total = calc.apply(exchange, commission, std::minus<>());
    if (!total)
        return calc.failed();

    ExchangeResult result;
    result.kind = ExchangeResult::Kind::Converted;
    result.exchange = data::shownMoney(*exchange);
    result.commission = data::shownMoney(*commission);
    result.total = data::shownMoney(*total);
    return result;
}

namespace {

// Each failure of each input is a sentence of its own, so that a translation
// can bend the subject and the verb together. "Convert From" and "Convert To"
// are the main window's group titles. The amount is what gets converted; the
// other figures are used on it.
struct InputSentences {
    ExchangeInput input;
    const char* notANumber;
    const char* tooLarge;
};

constexpr InputSentences Sentences[] = {
    {ExchangeInput::Amount, QT_TRANSLATE_NOOP("Exchange", "The amount is not a number."),
     QT_TRANSLATE_NOOP("Exchange", "The amount is too large to convert.")},
    {ExchangeInput::SourceRate,
     QT_TRANSLATE_NOOP("Exchange", "The exchange rate of the Convert From country is not a number."),
     QT_TRANSLATE_NOOP("Exchange", "The exchange rate of the Convert From country is too large to use.")},
    {ExchangeInput::TargetRate,
     QT_TRANSLATE_NOOP("Exchange", "The exchange rate of the Convert To country is not a number."),
     QT_TRANSLATE_NOOP("Exchange", "The exchange rate of the Convert To country is too large to use.")},
    {ExchangeInput::Commission, QT_TRANSLATE_NOOP("Exchange", "The commission is not a number."),
     QT_TRANSLATE_NOOP("Exchange", "The commission is too large to use.")},
};

const InputSentences* sentencesOf(ExchangeInput input)
{
    for (const InputSentences& s : Sentences) {
        if (s.input == input)
            return &s;
    }
    return nullptr;
}

} // namespace

QString failureMessage(const ExchangeResult& result)
{
    if (result.kind != ExchangeResult::Kind::Failed)
        return {};

    const InputSentences* about = sentencesOf(result.input);
    QString message;
    switch (result.failure) {
    case ExchangeFailure::NotANumber:
        if (about) {
            message = QCoreApplication::translate("Exchange", about->notANumber);
            // Where the mark is not a point, a pasted "1.000" lands here: say how to write it.
            if (!data::marksWithPoint())
                message += u' ' + data::numberWritingHint();
        }
        break;
    case ExchangeFailure::DivisionByZero:
    case ExchangeFailure::InvalidOperation:
        if (result.input == ExchangeInput::SourceRate) {
            message = QCoreApplication::translate("Exchange",
                                                  "The exchange rate of the Convert From country is 0, so the amount "
                                                  "cannot be converted.");
        }
        break;
    case ExchangeFailure::Overflow:
        message = about ? QCoreApplication::translate("Exchange", about->tooLarge)
                        : QCoreApplication::translate("Exchange", "The result is too large to show.");
        break;
    case ExchangeFailure::None:
        break;
    }
    return message.isEmpty() ? QCoreApplication::translate("Exchange", "The exchange could not be calculated.")
                             : message;
}

} // namespace calculator
