#include "fuzz/numbertext_check.h"

#include "calculator/Exchange.h"
#include "data/NumberText.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <locale.h>
#include <memory>
#include <vector>

namespace NumberTextCheck {

namespace {

using namespace calculator;
using namespace data;

locale_t cLocale()
{
    static const locale_t loc = newlocale(LC_ALL_MASK, "C", locale_t{});
    return loc;
}

// printf follows the thread's locale; the references want '.' whatever it is.
class CLocaleScope {
public:
    CLocaleScope() : saved_(uselocale(cLocale())) {}
    ~CLocaleScope() { uselocale(saved_); }
    CLocaleScope(const CLocaleScope&) = delete;
    CLocaleScope& operator=(const CLocaleScope&) = delete;

private:
    locale_t saved_;
};

std::string describe(const char16_t* p, std::size_t n)
{
    std::string out = "\"";
    for (std::size_t i = 0; i < n && i < 120; ++i) {
        const char16_t c = p[i];
        if (c >= 0x20 && c < 0x7F && c != '"' && c != '\\') {
            out += static_cast<char>(c);
        } else {
            char hex[12];
            std::snprintf(hex, sizeof hex, "\\u%04X", static_cast<unsigned>(c));
            out += hex;
        }
    }
    if (n > 120)
        out += "...(" + std::to_string(n) + " units)";
    return out + "\"";
}

std::string describe(double v)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.17g (%a)", v, v);
    return buf;
}

std::string str(const QString& s)
{
    return s.toStdString();
}

// ---- reference reader ----------------------------------------------------------

enum CharClass { Digit, Sign, Point, Exponent, Other };

CharClass classify(char16_t c)
{
    switch (c) {
    case u'0': case u'1': case u'2': case u'3': case u'4':
    case u'5': case u'6': case u'7': case u'8': case u'9':
        return Digit;
    case u'+': case u'-':
        return Sign;
    case u'.':
        return Point;
    case u'e': case u'E':
        return Exponent;
    default:
        return Other;
    }
}

// States: 0 start, 1 after the sign, 2 integer digits, 3 point with no digit
// before it, 4 point after digits, 5 fraction digits, 6 'e', 7 exponent sign,
// 8 exponent digits. -1 rejects.
constexpr int Transitions[9][4] = {
    //  Digit Sign Point Exponent
    {2, 1, 3, -1},
    {2, -1, 3, -1},
    {2, -1, 4, 6},
    {5, -1, -1, -1},
    {5, -1, -1, 6},
    {5, -1, -1, 6},
    {8, 7, -1, -1},
    {8, -1, -1, -1},
    {8, -1, -1, -1},
};

bool referenceGrammar(const char16_t* p, std::size_t n)
{
    int state = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const CharClass cls = classify(p[i]);
        if (cls == Other)
            return false;
        state = Transitions[state][cls];
        if (state < 0)
            return false;
    }
    return state == 2 || state == 4 || state == 5 || state == 8;
}

struct Reference {
    NumberStatus status = NumberStatus::NotANumber;
    double value = 0.0;
};

Reference referenceRead(const char16_t* p, std::size_t n)
{
    if (!referenceGrammar(p, n))
        return {};
    std::string ascii(n, '\0');
    for (std::size_t i = 0; i < n; ++i)
        ascii[i] = static_cast<char>(p[i]);
    char* end = nullptr;
    const double v = strtod_l(ascii.c_str(), &end, cLocale());
    if (end != ascii.c_str() + n)
        return {};  // cannot happen for grammatical text; shows up as a mismatch
    if (std::isinf(v))
        return {NumberStatus::Overflow, 0.0};
    return {NumberStatus::Ok, v == 0.0 ? 0.0 : v};
}

// ---- reference writers ----------------------------------------------------------

std::string nonFinite(double v)
{
    if (std::isnan(v))
        return "NaN";
    return v < 0 ? "-Infinity" : "Infinity";
}

// "#.00" from the value's exact decimal expansion: a double has at most 1074
// fraction digits, so "%.1100f" prints it exactly, without any rounding.
std::string referenceMoney(double v)
{
    if (!std::isfinite(v))
        return nonFinite(v);
    std::vector<char> buf(1500);
    int len = 0;
    {
        CLocaleScope scope;
        len = std::snprintf(buf.data(), buf.size(), "%.1100f", v);
    }
    std::string s(buf.data(), static_cast<std::size_t>(len));
    const bool negative = s[0] == '-';
    if (negative)
        s.erase(0, 1);
    const std::size_t point = s.find('.');
    std::string digits = s.substr(0, point) + s.substr(point + 1, 2);

    // The remainder beyond the hundredths is at least half of one exactly when
    // its first digit is 5 or more; then the magnitude goes up.
    if (s[point + 3] >= '5') {
        std::size_t i = digits.size();
        while (i > 0) {
            --i;
            if (digits[i] == '9') {
                digits[i] = '0';
            } else {
                ++digits[i];
                break;
            }
            if (i == 0)
                digits.insert(digits.begin(), '1');
        }
    }
    std::string whole = digits.substr(0, digits.size() - 2);
    const std::string cents = digits.substr(digits.size() - 2);
    whole.erase(0, whole.find_first_not_of('0') == std::string::npos ? whole.size() : whole.find_first_not_of('0'));
    const bool zero = whole.empty() && cents == "00";
    return (negative && !zero ? "-" : "") + whole + "." + cents;
}

std::string referenceNumberText(double v)
{
    if (!std::isfinite(v))
        return nonFinite(v);
    if (v == 0.0)
        return "0";
    char buf[64];
    {
        CLocaleScope scope;
        std::snprintf(buf, sizeof buf, "%.15g", v);
    }
    std::string s = buf;
    for (char& c : s) {
        if (c == 'e')
            c = 'E';
    }
    if (s == "1.79769313486232E+308")
        return "1.79769313486231E+308";
    if (s == "-1.79769313486232E+308")
        return "-1.79769313486231E+308";
    return s;
}

double ulp(double v)
{
    const double a = std::fabs(v);
    return std::nextafter(a, INFINITY) - a;
}

// ---- the checks -------------------------------------------------------------------

std::string checkValue(double v)
{
    const std::string money = str(formatMoney(v));
    const std::string wantMoney = referenceMoney(v);
    if (money != wantMoney)
        return "formatMoney(" + describe(v) + ") gave " + money + ", expected " + wantMoney;

    const std::string text = str(numberText(v));
    const std::string wantText = referenceNumberText(v);
    if (text != wantText)
        return "numberText(" + describe(v) + ") gave " + text + ", expected " + wantText;

    if (!std::isfinite(v))
        return {};

    const ParsedNumber moneyBack = readNumber(QString::fromStdString(money));
    if (!moneyBack.ok())
        return "formatMoney(" + describe(v) + ") = " + money + " does not read back";
    if (!(std::fabs(moneyBack.value - v) <= 0.005 + ulp(v) + ulp(moneyBack.value)))
        return "formatMoney(" + describe(v) + ") = " + money + " reads back as " + describe(moneyBack.value);

    const ParsedNumber textBack = readNumber(QString::fromStdString(text));
    if (!textBack.ok())
        return "numberText(" + describe(v) + ") = " + text + " does not read back";
    if (str(numberText(textBack.value)) != text)
        return "numberText(" + describe(v) + ") = " + text + " reads back as " + describe(textBack.value)
               + ", which is written differently";
    // Rounding to 15 digits moves the value by at most half a unit in the 15th
    // digit (5e-15 of it), reading back by at most half an ulp more.
    if (!(std::fabs(textBack.value - v) <= std::fabs(v) * 5e-15 + ulp(v)))
        return "numberText(" + describe(v) + ") = " + text + " reads back as " + describe(textBack.value)
               + ", beyond 15 digits";
    return {};
}

// `p` holds exactly `n` units on the heap, so a read past the end is caught by
// AddressSanitizer rather than landing in a string's spare capacity.
std::string checkText(const char16_t* p, std::size_t n)
{
    const QStringView view(p, static_cast<qsizetype>(n));
    const ParsedNumber got = readNumber(view);
    const Reference want = referenceRead(p, n);
    if (got.status != want.status) {
        return "readNumber(" + describe(p, n) + ") status " + std::to_string(static_cast<int>(got.status))
               + ", expected " + std::to_string(static_cast<int>(want.status));
    }
    if (got.ok() && (got.value != want.value || std::signbit(got.value) != std::signbit(want.value)))
        return "readNumber(" + describe(p, n) + ") = " + describe(got.value) + ", expected " + describe(want.value);
    if (!got.ok() && got.value != 0.0)
        return "readNumber(" + describe(p, n) + ") failed but left a value";

    const QString text = view.toString();
    const QString shown = formatMoneyText(text);
    if (got.ok()) {
        if (shown != formatMoney(got.value))
            return "formatMoneyText(" + describe(p, n) + ") = " + str(shown) + " differs from formatMoney";
        if (std::string problem = checkValue(got.value); !problem.empty())
            return problem;
    } else if (shown.size() != text.size() || shown != text) {
        return "formatMoneyText(" + describe(p, n) + ") changed a text that is not a number";
    }
    return {};
}

std::string checkText(const QString& s)
{
    const auto n = static_cast<std::size_t>(s.size());
    std::unique_ptr<char16_t[]> exact(new char16_t[n == 0 ? 1 : n]);
    if (n != 0)
        std::memcpy(exact.get(), s.utf16(), n * sizeof(char16_t));
    return checkText(exact.get(), n);
}

// Six lines are the six texts of the main window.
std::string checkExchange(const QString& s)
{
    const QStringList lines = s.split(QLatin1Char('\n'));
    if (lines.size() < 6)
        return {};
    const ExchangeInputs in{lines[0], lines[1], lines[2], lines[3], lines[4], lines[5]};
    const ExchangeResult r = computeExchange(in);
    switch (r.kind) {
    case ExchangeResult::Kind::SameCountry:
        if (in.sourceCountry != in.targetCountry)
            return "computeExchange: same country for different names";
        if (r.exchange != formatMoneyText(in.amount) || !r.commission.isEmpty() || !r.total.isEmpty())
            return "computeExchange: same country result is not the formatted amount";
        break;
    case ExchangeResult::Kind::Converted:
        if (in.sourceCountry == in.targetCountry)
            return "computeExchange: converted for the same country";
        for (const QString* figure : {&r.exchange, &r.commission, &r.total}) {
            if (!readNumber(*figure).ok())
                return "computeExchange: figure " + str(*figure) + " does not read as a number";
        }
        break;
    case ExchangeResult::Kind::Failed:
        if (r.failure == ExchangeFailure::None)
            return "computeExchange: failed without a reason";
        if (failureMessage(r) == QStringLiteral("The exchange could not be calculated."))
            return "computeExchange: a failure without its own message";
        break;
    }
    return {};
}

} // namespace

std::string check(const std::uint8_t* data, std::size_t size)
{
    const char* bytes = reinterpret_cast<const char*>(data);
    const auto length = static_cast<qsizetype>(size);

    const QString utf8 = QString::fromUtf8(bytes, length);
    if (std::string problem = checkText(utf8); !problem.empty())
        return problem;
    if (std::string problem = checkText(QString::fromLatin1(bytes, length)); !problem.empty())
        return problem;
    if (size >= 2) {
        // Raw UTF-16 code units, lone surrogates and all.
        std::unique_ptr<char16_t[]> units(new char16_t[size / 2]);
        std::memcpy(units.get(), data, size / 2 * sizeof(char16_t));
        if (std::string problem = checkText(units.get(), size / 2); !problem.empty())
            return problem;
    }
    if (size >= sizeof(double)) {
        // The first eight bytes as a double: every bit pattern, not only readable ones.
        double v = 0.0;
        std::memcpy(&v, data, sizeof v);
        if (std::string problem = checkValue(v); !problem.empty())
            return problem;
    }
    return checkExchange(utf8);
}

} // namespace NumberTextCheck
