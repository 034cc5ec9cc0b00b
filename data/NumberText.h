#pragma once

#include <QString>
#include <QStringView>

// Numbers travel between the boxes, the store and the arithmetic as text, always
// with '.' as the decimal separator whatever the locale: the input boxes accept no
// other separator, so reading and writing must agree on it.
namespace data {

enum class NumberStatus {
    Ok,          // value holds the number
    NotANumber,  // the text does not follow the number grammar
    Overflow,    // the grammar fits but the magnitude is beyond a double
};

struct ParsedNumber {
    NumberStatus status = NumberStatus::NotANumber;
    double value = 0.0;
    bool ok() const { return status == NumberStatus::Ok; }
};

// Reads a plain decimal number: optional sign, digits with at most one '.',
// at least one digit, optional exponent (e or E, optional sign, digits), nothing
// else (no blanks, no grouping, ASCII digits only). Correctly rounded and
// locale-independent. A magnitude beyond the largest double is Overflow, however
// it is written; values too small for a double read as 0 (never -0).
ParsedNumber readNumber(QStringView text);

// Shortest decimal form with at most 15 significant digits, '.' as separator,
// exponent form when the decimal exponent is below -4 or from 15 up, written
// with a capital E, a sign and at least two digits (1.5E+20, 1E-20). -0 gives
// "0". Reads back with readNumber to the same 15 digits; values that would round
// past the largest double give 1.79769313486231E+308 instead. Non-finite values
// give "Infinity", "-Infinity" or "NaN" (no caller should pass them).
QString numberText(double value);

// The "#.00" display pattern: integer digits without grouping (none when the
// integer part is zero), '.', exactly two decimals, '-' before a negative value.
// Rounds the exact binary value to the nearest hundredth; exact halves (only a
// fraction of .125, .375, .625 or .875 can be one) round away from zero, so
// 0.125 gives ".13" while 2.675, really 2.67499999..., gives "2.67". A value that
// rounds to zero gives ".00", never "-.00". Every finite double is written in
// full (1e300 gives 301 digits). Non-finite values give the texts numberText does.
QString formatMoney(double value);

// "#.00" applied to a text: a text that reads as a number is formatted, any
// other text comes back unchanged.
QString formatMoneyText(const QString& text);

} // namespace data
