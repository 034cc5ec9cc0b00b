#pragma once

// An exact amount of money: a whole number of hundredths (pence, cents) in 64
// bits. A deal's figures are rounded once from the rate arithmetic's double
// into a Money and from there on only added and subtracted, so a receipt and
// the day's close add up to the last digit.

#include <QString>
#include <QStringView>

#include <compare>
#include <cstdint>
#include <optional>

namespace data {

// How a double becomes hundredths.
enum class Rounding {
    HalfAwayFromZero,  // the display's rounding, and every figure's
    Down,              // towards minus infinity: what a till can still pay
};

class Money {
public:
    constexpr Money() = default;
    static constexpr Money fromHundredths(std::int64_t hundredths) { return Money(hundredths); }

    // The double rounded once to the hundredth, half away from zero, taking
    // the double exactly as it is, as the "#.00" display does: 0.125 gives
    // 0.13, while 2.675, which is really 2.67499999999999982236431605997495353221893310546875,
    // gives 2.67. Nothing for a value that is not finite or beyond what 64 bits of hundredths hold.
    static std::optional<Money> fromDouble(double value, Rounding rounding = Rounding::HalfAwayFromZero);

    // "123.45", "-0.5", "7", ".50": an optional '-', digits, and at most two
    // decimals after a '.', read exactly. Nothing for any other text (blanks,
    // '+', grouping, a third decimal, an exponent) or a value beyond 64 bits.
    static std::optional<Money> fromText(QStringView text);

    constexpr std::int64_t hundredths() const { return hundredths_; }
    // For the rate arithmetic only (converting a figure at a rate).
    double toDouble() const { return static_cast<double>(hundredths_) / 100.0; }
    // '-' when negative, at least one integer digit, '.', two decimals: "-0.50", "1234.00".
    QString toText() const;

    // Throw std::overflow_error rather than wrap; no till comes near it.
    Money operator+(Money other) const;
    Money operator-(Money other) const;
    Money& operator+=(Money other) { return *this = *this + other; }
    Money& operator-=(Money other) { return *this = *this - other; }

    friend constexpr auto operator<=>(Money, Money) = default;

private:
    constexpr explicit Money(std::int64_t hundredths) : hundredths_(hundredths) {}
    std::int64_t hundredths_ = 0;
};

} // namespace data
