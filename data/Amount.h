#pragma once

// An exact amount of any size: a whole number of hundredths, as long as it
// needs to be. The figures of a deal are Amounts: the calculator shows every
// figure its doubles reach, up to 309 digits, exactly and adding up, while
// what a till records is Money (64 bits of hundredths), which toMoney() gives
// for every amount a till can meet.

#include "data/Money.h"

#include <QString>

#include <compare>
#include <cstdint>
#include <optional>
#include <vector>

namespace data {

class Amount {
public:
    Amount() = default;  // 0
    explicit Amount(Money money);

    // The double rounded once to the hundredth, as Money::fromDouble rounds
    // it, at any size; nothing for a value that is not finite.
    static std::optional<Amount> fromDouble(double value, Rounding rounding = Rounding::HalfAwayFromZero);

    // Nothing when it is beyond Money's 64 bits.
    std::optional<Money> toMoney() const;
    // The nearest double (an amount read from a double gives that double back).
    double toDouble() const;
    // As Money::toText: '-' when negative, at least one integer digit, '.', two decimals.
    QString toText() const;

    bool isZero() const { return limbs_.empty(); }
    bool isNegative() const { return negative_; }

    Amount operator+(const Amount& other) const;
    Amount operator-(const Amount& other) const;
    // The largest multiple of step not above this amount; step must be above 0.
    Amount roundedDownTo(Money step) const;

    friend std::strong_ordering operator<=>(const Amount& a, const Amount& b);
    friend bool operator==(const Amount& a, const Amount& b) = default;

private:
    using Limbs = std::vector<std::uint32_t>;
    // Base 10^9, least significant first, no leading zero limbs; empty for 0.
    static constexpr std::uint32_t Base = 1000000000;

    static Amount make(bool negative, Limbs magnitude);
    static std::strong_ordering compareMagnitudes(const Limbs& a, const Limbs& b);
    static Limbs addMagnitudes(const Limbs& a, const Limbs& b);
    // a - b, where a is not below b.
    static Limbs subtractMagnitudes(const Limbs& a, const Limbs& b);
    static void multiplyBy(Limbs& limbs, std::uint32_t factor);
    // Divides in place; returns the remainder.
    static std::uint64_t divideBy(Limbs& limbs, std::uint64_t divisor);

    bool negative_ = false;  // never for 0
    Limbs limbs_;
};

} // namespace data
