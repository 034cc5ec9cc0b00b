#include "data/Money.h"

#include <cmath>
#include <limits>
#include <stdexcept>

namespace data {

// A double has 53 significant bits and 100 needs 5 more (25 is 11001 in
// binary), so value * 100 is exact in a 64-bit mantissa: the rounding below
// sees the double's exact decimal value, never a product already rounded.
static_assert(std::numeric_limits<long double>::digits >= 64, "value * 100 must be exact");

std::optional<Money> Money::fromDouble(double value, Rounding rounding)
{
    if (!std::isfinite(value))
        return std::nullopt;
    const long double scaled = static_cast<long double>(value) * 100.0L;
    const long double rounded = rounding == Rounding::Down ? std::floor(scaled) : std::round(scaled);
    // 2^63 itself is out of range; every long double below it is a whole number there.
    if (!(std::fabs(rounded) < 0x1p63L))
        return std::nullopt;
    return Money(static_cast<std::int64_t>(rounded));
}

std::optional<Money> Money::fromText(QStringView text)
{
    qsizetype i = 0;
    const bool negative = i < text.size() && text[i] == u'-';
    if (negative)
        ++i;
    std::uint64_t magnitude = 0;
    int integerDigits = 0, decimals = -1;  // -1: no '.'
    constexpr std::uint64_t limit = std::numeric_limits<std::int64_t>::max();
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'.' && decimals < 0) {
            decimals = 0;
            continue;
        }
        if (c < u'0' || c > u'9' || decimals == 2)
            return std::nullopt;
        magnitude = magnitude * 10 + static_cast<std::uint64_t>(c.unicode() - u'0');
        if (magnitude > limit)
            return std::nullopt;
        decimals < 0 ? ++integerDigits : ++decimals;
    }
    if (decimals == 0 || (integerDigits == 0 && decimals <= 0))
        return std::nullopt;
    for (int d = decimals < 0 ? 0 : decimals; d < 2; ++d) {
        if (magnitude > limit / 10)
            return std::nullopt;
        magnitude *= 10;
    }
    const auto value = static_cast<std::int64_t>(magnitude);
    return Money(negative ? -value : value);
}

QString Money::toText() const
{
    // Through unsigned: the most negative value has no positive counterpart.
    const std::uint64_t magnitude = hundredths_ < 0 ? 0 - static_cast<std::uint64_t>(hundredths_)
                                                    : static_cast<std::uint64_t>(hundredths_);
    QString text = QString::number(magnitude / 100) + u'.' + QString::number(magnitude % 100).rightJustified(2, u'0');
    if (hundredths_ < 0)
        text.prepend(u'-');
    return text;
}

Money Money::operator+(Money other) const
{
    std::int64_t sum = 0;
    if (__builtin_add_overflow(hundredths_, other.hundredths_, &sum))
        throw std::overflow_error("money amount out of range");
    return Money(sum);
}

Money Money::operator-(Money other) const
{
    std::int64_t difference = 0;
    if (__builtin_sub_overflow(hundredths_, other.hundredths_, &difference))
        throw std::overflow_error("money amount out of range");
    return Money(difference);
}

} // namespace data
