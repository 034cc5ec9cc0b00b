#include "data/Amount.h"

#include "data/NumberText.h"

#include <algorithm>
#include <cmath>

namespace data {

namespace {

// GCC's 128-bit integer: a product of a limb and a 64-bit divisor fits.
__extension__ using Wide = unsigned __int128;

std::uint64_t magnitudeOf(std::int64_t value)
{
    // Through unsigned: the most negative value has no positive counterpart.
    return value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
}

} // namespace

Amount Amount::make(bool negative, Limbs magnitude)
{
    while (!magnitude.empty() && magnitude.back() == 0)
        magnitude.pop_back();
    Amount amount;
    amount.negative_ = negative && !magnitude.empty();
    amount.limbs_ = std::move(magnitude);
    return amount;
}

Amount::Amount(Money money)
{
    std::uint64_t magnitude = magnitudeOf(money.hundredths());
    Limbs limbs;
    for (; magnitude != 0; magnitude /= Base)
        limbs.push_back(static_cast<std::uint32_t>(magnitude % Base));
    *this = make(money.hundredths() < 0, std::move(limbs));
}

std::optional<Amount> Amount::fromDouble(double value, Rounding rounding)
{
    if (!std::isfinite(value))
        return std::nullopt;
    if (const std::optional<Money> money = Money::fromDouble(value, rounding))
        return Amount(*money);
    // Beyond 2^63 hundredths every double is a whole number (2^53 and up
    // are): value = mantissa * 2^exponent exactly, and nothing is rounded.
    int exponent = 0;
    const double fraction = std::frexp(std::fabs(value), &exponent);
    auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
    exponent -= 53;
    Limbs limbs;
    for (; mantissa != 0; mantissa /= Base)
        limbs.push_back(static_cast<std::uint32_t>(mantissa % Base));
    for (; exponent > 0; exponent -= 16)
        multiplyBy(limbs, 1u << std::min(exponent, 16));
    multiplyBy(limbs, 100);
    return make(value < 0, std::move(limbs));
}

std::optional<Money> Amount::toMoney() const
{
    if (limbs_.size() > 3)
        return std::nullopt;
    Wide magnitude = 0;
    for (auto it = limbs_.rbegin(); it != limbs_.rend(); ++it)
        magnitude = magnitude * Base + *it;
    constexpr auto limit = static_cast<Wide>(INT64_MAX);
    if (magnitude > limit + (negative_ ? 1 : 0))
        return std::nullopt;
    const auto m = static_cast<std::uint64_t>(magnitude);
    return Money::fromHundredths(negative_ ? static_cast<std::int64_t>(0 - m) : static_cast<std::int64_t>(m));
}

double Amount::toDouble() const
{
    if (const std::optional<Money> money = toMoney())
        return money->toDouble();
    // Read back from the exact digits: correctly rounded, so a double's own
    // amount gives the double again.
    return readNumber(toText()).value;
}

QString Amount::toText() const
{
    QString digits;
    for (auto it = limbs_.rbegin(); it != limbs_.rend(); ++it) {
        const QString limb = QString::number(*it);
        digits += it == limbs_.rbegin() ? limb : limb.rightJustified(9, u'0');
    }
    digits = digits.rightJustified(3, u'0');
    digits.insert(digits.size() - 2, u'.');
    if (negative_)
        digits.prepend(u'-');
    return digits;
}

std::strong_ordering Amount::compareMagnitudes(const Limbs& a, const Limbs& b)
{
    if (a.size() != b.size())
        return a.size() <=> b.size();
    for (std::size_t i = a.size(); i-- > 0;) {
        if (a[i] != b[i])
            return a[i] <=> b[i];
    }
    return std::strong_ordering::equal;
}

std::strong_ordering operator<=>(const Amount& a, const Amount& b)
{
    if (a.negative_ != b.negative_)
        return a.negative_ ? std::strong_ordering::less : std::strong_ordering::greater;
    const std::strong_ordering magnitudes = Amount::compareMagnitudes(a.limbs_, b.limbs_);
    return a.negative_ ? 0 <=> magnitudes : magnitudes;
}

Amount::Limbs Amount::addMagnitudes(const Limbs& a, const Limbs& b)
{
    Limbs sum(std::max(a.size(), b.size()) + 1, 0);
    std::uint32_t carry = 0;
    for (std::size_t i = 0; i < sum.size(); ++i) {
        std::uint32_t limb = carry + (i < a.size() ? a[i] : 0) + (i < b.size() ? b[i] : 0);
        carry = limb >= Base ? 1 : 0;
        sum[i] = limb - carry * Base;
    }
    return sum;
}

Amount::Limbs Amount::subtractMagnitudes(const Limbs& a, const Limbs& b)
{
    Limbs difference(a.size(), 0);
    std::int64_t borrow = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        std::int64_t limb = std::int64_t{a[i]} - borrow - (i < b.size() ? std::int64_t{b[i]} : 0);
        borrow = limb < 0 ? 1 : 0;
        difference[i] = static_cast<std::uint32_t>(limb + borrow * Base);
    }
    return difference;
}

void Amount::multiplyBy(Limbs& limbs, std::uint32_t factor)
{
    std::uint64_t carry = 0;
    for (std::uint32_t& limb : limbs) {
        const std::uint64_t product = std::uint64_t{limb} * factor + carry;
        limb = static_cast<std::uint32_t>(product % Base);
        carry = product / Base;
    }
    for (; carry != 0; carry /= Base)
        limbs.push_back(static_cast<std::uint32_t>(carry % Base));
}

std::uint64_t Amount::divideBy(Limbs& limbs, std::uint64_t divisor)
{
    Wide remainder = 0;
    for (std::size_t i = limbs.size(); i-- > 0;) {
        const Wide part = remainder * Base + limbs[i];
        limbs[i] = static_cast<std::uint32_t>(part / divisor);
        remainder = part % divisor;
    }
    return static_cast<std::uint64_t>(remainder);
}

Amount Amount::operator+(const Amount& other) const
{
    if (negative_ == other.negative_)
        return make(negative_, addMagnitudes(limbs_, other.limbs_));
    // Opposite signs: the larger magnitude keeps its sign.
    if (compareMagnitudes(limbs_, other.limbs_) >= 0)
        return make(negative_, subtractMagnitudes(limbs_, other.limbs_));
    return make(other.negative_, subtractMagnitudes(other.limbs_, limbs_));
}

Amount Amount::operator-(const Amount& other) const
{
    Amount negated = other;
    negated.negative_ = !other.negative_ && !other.isZero();
    return *this + negated;
}

Amount Amount::roundedDownTo(Money step) const
{
    const std::uint64_t divisor = magnitudeOf(step.hundredths());
    if (divisor == 0)
        return *this;
    Limbs quotient = limbs_;
    const std::uint64_t remainder = divideBy(quotient, divisor);
    if (remainder == 0)
        return *this;
    const Amount rest(Money::fromHundredths(static_cast<std::int64_t>(remainder)));
    // Below zero, down is away from zero: past the multiple towards zero by a whole step.
    return negative_ ? *this + rest - Amount(Money::fromHundredths(static_cast<std::int64_t>(divisor)))
                     : *this - rest;
}

} // namespace data
