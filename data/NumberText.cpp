#include "data/NumberText.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string_view>
#include <system_error>

namespace data {

namespace {

bool isDigit(QChar c)
{
    return c.unicode() >= u'0' && c.unicode() <= u'9';
}

// A halfway point between two neighbouring doubles has at most 767 significant
// decimal digits, so digits beyond this many can only act as a "something
// non-zero follows" marker for the rounding.
constexpr qsizetype KeptDigits = 800;

// Exponents are accumulated with saturation; anything this large is far beyond
// the range of a double whatever the mantissa's length.
constexpr std::int64_t ExponentCap = std::int64_t{1} << 50;

// Where the parts of a well-formed number lie in its text.
struct NumberParts {
    bool negative = false;
    qsizetype intStart = 0;
    qsizetype intDigits = 0;
    qsizetype fracStart = 0;
    qsizetype fracDigits = 0;
    std::int64_t exponent = 0;

    // The mantissa's digits as one sequence, the '.' left out.
    qsizetype total() const { return intDigits + fracDigits; }
    char digitAt(QStringView text, qsizetype k) const
    {
        const qsizetype pos = k < intDigits ? intStart + k : fracStart + (k - intDigits);
        return static_cast<char>(text[pos].unicode());
    }
};

// An optional "e[+-]ddd" from i; false when the 'e' has no digits.
bool scanExponent(QStringView text, qsizetype& i, std::int64_t& exponent)
{
    const qsizetype n = text.size();
    if (i >= n || (text[i] != u'e' && text[i] != u'E'))
        return true;
    ++i;
    bool expNegative = false;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        expNegative = text[i] == u'-';
        ++i;
    }
    const qsizetype expStart = i;
    while (i < n && isDigit(text[i])) {
        if (exponent < ExponentCap)
            exponent = exponent * 10 + (text[i].unicode() - u'0');
        ++i;
    }
    if (i == expStart)
        return false;
    if (expNegative)
        exponent = -exponent;
    return true;
}

// The syntax: [+-]digits[.digits][e[+-]digits], at least one mantissa digit.
std::optional<NumberParts> scanNumber(QStringView text)
{
    const qsizetype n = text.size();
    qsizetype i = 0;
    NumberParts p;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        p.negative = text[i] == u'-';
        ++i;
    }
    p.intStart = i;
    while (i < n && isDigit(text[i]))
        ++i;
    p.intDigits = i - p.intStart;
    p.fracStart = i;
    if (i < n && text[i] == u'.') {
        ++i;
        p.fracStart = i;
        while (i < n && isDigit(text[i]))
            ++i;
        p.fracDigits = i - p.fracStart;
    }
    if (p.total() == 0 || !scanExponent(text, i, p.exponent) || i != n)
        return std::nullopt;
    return p;
}

// Hand std::from_chars a canonical ASCII form "ddd...de<exp>" of bounded
// size: it is correctly rounded and ignores the locale. first..last are the
// significant digits, lead the decimal exponent of the first.
ParsedNumber convertDigits(QStringView text, const NumberParts& p, qsizetype first, qsizetype last,
                           std::int64_t lead)
{
    std::array<char, KeptDigits + 32> buf;
    char* out = buf.data();
    qsizetype count = last - first;
    const bool truncated = count > KeptDigits;
    if (truncated)
        count = KeptDigits;
    for (qsizetype k = 0; k < count; ++k)
        *out++ = p.digitAt(text, first + k);
    if (truncated) {
        *out++ = '1';  // the dropped tail is non-zero: it ends in a non-zero digit
        ++count;
    }
    *out++ = 'e';
    const std::int64_t lastExponent = lead - (count - 1);
    out = std::to_chars(out, buf.data() + buf.size(), lastExponent).ptr;

    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(buf.data(), out, value, std::chars_format::scientific);
    if (ec == std::errc::result_out_of_range)
        return lead > 0 ? ParsedNumber{NumberStatus::Overflow, 0.0} : ParsedNumber{NumberStatus::Ok, 0.0};
    if (ec != std::errc() || ptr != out || !std::isfinite(value))
        return {NumberStatus::Overflow, 0.0};
    if (value == 0.0)
        return {NumberStatus::Ok, 0.0};
    return {NumberStatus::Ok, p.negative ? -value : value};
}

} // namespace

ParsedNumber readNumber(QStringView text)
{
    const std::optional<NumberParts> parts = scanNumber(text);
    if (!parts)
        return {};
    const NumberParts& p = *parts;

    qsizetype first = 0;
    while (first < p.total() && p.digitAt(text, first) == '0')
        ++first;
    qsizetype last = p.total();
    while (last > first && p.digitAt(text, last - 1) == '0')
        --last;
    if (first == last)
        return {NumberStatus::Ok, 0.0};

    // Decimal exponent of the leading significant digit.
    const std::int64_t lead = static_cast<std::int64_t>(p.intDigits - first - 1) + p.exponent;
    if (lead > 310)
        return {NumberStatus::Overflow, 0.0};
    if (lead < -330)
        return {NumberStatus::Ok, 0.0};  // below half the smallest subnormal
    return convertDigits(text, p, first, last, lead);
}

namespace {

QString nonFiniteText(double value)
{
    if (std::isnan(value))
        return QStringLiteral("NaN");
    return value < 0 ? QStringLiteral("-Infinity") : QStringLiteral("Infinity");
}

} // namespace

QString numberText(double value)
{
    if (!std::isfinite(value))
        return nonFiniteText(value);
    if (value == 0.0)
        return QStringLiteral("0");

    char buf[40];
    const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 15);
    std::string_view text(buf, static_cast<std::size_t>(res.ptr - buf));

    // Every double from 1.797693134862315E+308 up rounds to this, which is beyond
    // the largest double and would not read back; keep the largest that does.
    constexpr std::string_view tooLarge = "1.79769313486232e+308";
    QString result;
    result.reserve(static_cast<qsizetype>(text.size()));
    const bool neg = !text.empty() && text.front() == '-';
    if (text.substr(neg ? 1 : 0) == tooLarge) {
        result = neg ? QStringLiteral("-1.79769313486231E+308") : QStringLiteral("1.79769313486231E+308");
        return result;
    }
    for (char c : text)
        result.append(QLatin1Char(c == 'e' ? 'E' : c));
    return result;
}

QString formatMoney(double value)
{
    if (!std::isfinite(value))
        return nonFiniteText(value);

    // Largest double: 309 integer digits, '.', two decimals, a sign.
    char buf[330];
    char* end = nullptr;
    const double magnitude = std::fabs(value);

    // std::to_chars rounds the exact binary value but sends exact ties to the even
    // neighbour. A double is a tie at two decimals only when its fraction is an
    // odd number of eighths (.125, .375, .625, .875); those are done by hand.
    bool tie = false;
    double whole = 0.0;
    if (magnitude < 4503599627370496.0) {  // 2^52: above it there is no fraction
        whole = std::floor(magnitude);
        const double eighths = (magnitude - whole) * 8.0;  // exact
        tie = eighths == std::floor(eighths) && static_cast<int>(eighths) % 2 == 1;
        if (tie) {
            static constexpr const char* awayFromZero[] = {"", ".13", "", ".38", "", ".63", "", ".88"};
            char* out = buf;
            if (value < 0)
                *out++ = '-';
            if (whole != 0.0)
                out = std::to_chars(out, buf + sizeof buf, static_cast<std::int64_t>(whole)).ptr;
            for (const char* s = awayFromZero[static_cast<int>(eighths)]; *s; ++s)
                *out++ = *s;
            end = out;
        }
    }
    if (!tie)
        end = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, 2).ptr;

    std::string_view text(buf, static_cast<std::size_t>(end - buf));
    bool negative = !text.empty() && text.front() == '-';
    if (negative)
        text.remove_prefix(1);
    if (text.size() > 3 && text.front() == '0' && text[1] == '.')
        text.remove_prefix(1);  // "#": no integer digit when the integer part is 0
    if (text == ".00")
        negative = false;  // rounds to zero: never "-.00"

    QString result;
    result.reserve(static_cast<qsizetype>(text.size()) + 1);
    if (negative)
        result.append(QLatin1Char('-'));
    result.append(QLatin1StringView(text.data(), static_cast<qsizetype>(text.size())));
    return result;
}

QString formatMoneyText(const QString& text)
{
    const ParsedNumber number = readNumber(text);
    return number.ok() ? formatMoney(number.value) : text;
}

} // namespace data
