#include "calculator/Pricing.h"

#include "data/NumberForm.h"

#include <algorithm>
#include <cmath>
#include <functional>

using namespace Qt::StringLiterals;

namespace calculator {

namespace {

using data::Amount;
using data::Money;
using data::Rounding;

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

    // Only the source rate is ever a divisor that may be 0.
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

    // The value rounded to the hundredth; a failure, as an overflow, when it is none.
    std::optional<Amount> round(Value value, Rounding rounding = Rounding::HalfAwayFromZero)
    {
        if (!value)
            return std::nullopt;
        std::optional<Amount> amount = Amount::fromDouble(*value, rounding);
        if (!amount)
            fail(ExchangeFailure::Overflow, ExchangeInput::None);
        return amount;
    }

    void failInto(DealPrice& price) const
    {
        price.kind = ExchangeResult::Kind::Failed;
        price.failure = failure_;
        price.input = input_;
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

// 1 - margin / 100: the share of the value the customer keeps.
double kept(double margin)
{
    return 1.0 - margin / 100.0;
}

// E with the deal's rates, which it notes in price. The texts are read in
// the order the conversion uses them.
Calculation::Value exchangedAmount(const ExchangeInputs& in, const DealTerms& terms, Calculation& calc,
                                   DealPrice& price)
{
    const auto sellRate = [&] {
        const auto rateTo = calc.read(in.targetRate, ExchangeInput::TargetRate);
        const auto rate = calc.apply(rateTo, kept(terms.sellMargin), std::multiplies<>());
        price.sellRate = rate.value_or(0.0);
        return rate;
    };
    if (in.sourceCountry == PivotCountry) {
        const auto rateTo = sellRate();
        const auto amount = calc.read(in.amount, ExchangeInput::Amount);
        return calc.apply(amount, rateTo, std::multiplies<>());
    }
    const auto amount = calc.read(in.amount, ExchangeInput::Amount);
    const auto rateFrom = calc.read(in.sourceRate, ExchangeInput::SourceRate);
    const auto buyRate = calc.apply(rateFrom, kept(terms.buyMargin), std::divides<>());
    price.buyRate = buyRate.value_or(0.0);
    const auto pounds = calc.divide(amount, buyRate);
    if (in.targetCountry == PivotCountry)
        return pounds;
    // Through the pivot: into pounds, then into the target currency.
    const auto rateTo = sellRate();
    return calc.apply(rateTo, pounds, std::multiplies<>());
}

// The larger of the percentage and the minimum, in the target currency.
Calculation::Value commissionOf(const ExchangeInputs& in, const DealTerms& terms, Calculation& calc,
                                Calculation::Value percentage, DealPrice& price)
{
    if (!percentage || terms.minimumCommission <= Money())
        return percentage;
    const Calculation::Value pounds = terms.minimumCommission.toDouble();
    const Calculation::Value minimum =
        in.targetCountry == PivotCountry ? pounds : calc.apply(pounds, price.sellRate, std::multiplies<>());
    if (minimum && *minimum > *percentage) {
        price.minimumApplied = true;
        return minimum;
    }
    return minimum ? percentage : minimum;  // none: the conversion failed
}

// Notes of the target currency, and the rest in pounds, when the till pays
// so. False when the rest cannot be converted.
bool payOut(const ExchangeInputs& in, const DealTerms& terms, Calculation& calc, DealPrice& price)
{
    if (in.targetCountry == PivotCountry || terms.smallestNote <= Money() || price.total <= Amount()
        || !(price.sellRate > 0.0))
        return true;
    const Amount paidOut = price.total.roundedDownTo(terms.smallestNote);
    const Amount rest = price.total - paidOut;
    const auto pounds = calc.apply(Calculation::Value(rest.toDouble()), price.sellRate, std::divides<>());
    price.paidInPounds = calc.round(pounds, Rounding::Down);
    price.paidOut = paidOut;
    return price.paidInPounds.has_value();
}

DealPrice failed(const Calculation& calc)
{
    DealPrice price;
    calc.failInto(price);
    return price;
}

} // namespace

double buyingRate(double rate, double margin)
{
    return rate / kept(margin);
}

double sellingRate(double rate, double margin)
{
    return rate * kept(margin);
}

DealPrice priceDeal(const ExchangeInputs& in, const DealTerms& terms)
{
    DealPrice price;
    if (in.targetCountry == in.sourceCountry) {
        price.kind = ExchangeResult::Kind::SameCountry;
        return price;
    }

    Calculation calc;
    const std::optional<Amount> exchanged = calc.round(exchangedAmount(in, terms, calc, price));
    const auto percent = calc.read(in.commission, ExchangeInput::Commission);
    const Calculation::Value rounded = exchanged ? Calculation::Value(exchanged->toDouble()) : std::nullopt;
    const auto hundredth = calc.apply(rounded, 100.0, std::divides<>());
    const auto percentage = calc.apply(percent, hundredth, std::multiplies<>());
    const std::optional<Amount> commission = calc.round(commissionOf(in, terms, calc, percentage, price));
    // The total must stay a number the rest of the program can take.
    const Calculation::Value commissionValue = commission ? Calculation::Value(commission->toDouble()) : std::nullopt;
    if (!calc.apply(rounded, commissionValue, std::minus<>()))
        return failed(calc);
    price.kind = ExchangeResult::Kind::Converted;
    price.exchanged = *exchanged;
    price.commission = *commission;
    price.total = *exchanged - *commission;
    if (!payOut(in, terms, calc, price))
        return failed(calc);
    return price;
}

namespace {

// "#.00" in the user's form: no digit before the mark when the integer part is 0.
QString hashDotZeroZero(const data::Amount& amount)
{
    QString text = amount.toText();
    const qsizetype zero = amount.isNegative() ? 1 : 0;
    if (text.size() > zero + 1 && text[zero] == u'0' && text[zero + 1] == u'.')
        text.remove(zero, 1);
    return data::shownForm(text);
}

} // namespace

ExchangeResult priceTexts(const ExchangeInputs& in, const DealPrice& price)
{
    ExchangeResult result;
    result.kind = price.kind;
    switch (price.kind) {
    case ExchangeResult::Kind::SameCountry:
        result.exchange = data::shownMoneyText(in.amount);
        break;
    case ExchangeResult::Kind::Converted:
        result.exchange = hashDotZeroZero(price.exchanged);
        result.commission = hashDotZeroZero(price.commission);
        result.total = hashDotZeroZero(price.total);
        result.minimumApplied = price.minimumApplied;
        if (price.paidOut && price.paidInPounds) {
            result.paidOut = hashDotZeroZero(*price.paidOut);
            result.paidInPounds = hashDotZeroZero(*price.paidInPounds);
        }
        break;
    case ExchangeResult::Kind::Failed:
        result.failure = price.failure;
        result.input = price.input;
        break;
    }
    return result;
}

QString dealRateText(double rate)
{
    if (rate == 0.0 || !std::isfinite(rate))
        return data::shownNumber(rate);
    // Six significant digits, rounded by the exponent form ("1.23457e+06"),
    // then written out in full.
    const QString scientific = QString::number(std::fabs(rate), 'e', 5);
    const qsizetype e = scientific.indexOf(u'e');
    const QString digits = scientific.left(1) + scientific.mid(2, e - 2);
    const int exponent = scientific.mid(e + 1).toInt();
    QString text;
    if (exponent >= 5)
        text = digits + QString(exponent - 5, u'0');
    else if (exponent >= 0)
        text = digits.left(exponent + 1) + u'.' + digits.mid(exponent + 1);
    else
        text = u"0."_s + QString(-exponent - 1, u'0') + digits;
    if (text.contains(u'.')) {
        while (text.endsWith(u'0'))
            text.chop(1);
        if (text.endsWith(u'.'))
            text.chop(1);
    }
    return data::shownForm(rate < 0 ? u'-' + text : text);
}

} // namespace calculator
