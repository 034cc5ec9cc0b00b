#include "data/NumberText.h"

#include <gtest/gtest.h>

#include <QLocale>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>

// Readable failure output for QString comparisons.
inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

using namespace data;
using namespace Qt::StringLiterals;

namespace {

QString q(const std::string& s)
{
    return QString::fromStdString(s);
}

std::string zeros(int n)
{
    return std::string(static_cast<std::size_t>(n), '0');
}

// ---- readNumber: texts that read as numbers ---------------------------------

struct ReadCase {
    std::string text;
    double value;
};

void PrintTo(const ReadCase& c, std::ostream* os)
{
    *os << '"' << c.text << '"';
}

class ReadNumberValid : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadNumberValid, readsTheNearestDouble)
{
    const ParsedNumber n = readNumber(q(GetParam().text));
    ASSERT_EQ(n.status, NumberStatus::Ok);
    EXPECT_EQ(n.value, GetParam().value);
    EXPECT_EQ(std::signbit(n.value), std::signbit(GetParam().value)) << "sign of zero";
}

INSTANTIATE_TEST_SUITE_P(Forms, ReadNumberValid, testing::Values(
    ReadCase{"0", 0.0},
    ReadCase{"-0", 0.0},  // never -0
    ReadCase{"-0.000", 0.0},
    ReadCase{"7", 7.0},
    ReadCase{"+7", 7.0},
    ReadCase{"-7", -7.0},
    ReadCase{"007", 7.0},
    ReadCase{"12.5", 12.5},
    ReadCase{"1.", 1.0},
    ReadCase{".5", 0.5},
    ReadCase{"-.5", -0.5},
    ReadCase{"+.5", 0.5},
    ReadCase{"0.1", 0.1},
    ReadCase{"1.006", 1.006},
    ReadCase{"1e5", 1e5},
    ReadCase{"1E5", 1e5},
    ReadCase{"1e+0", 1.0},
    ReadCase{"1.e2", 100.0},
    ReadCase{"1E-20", 1e-20},
    ReadCase{"1.5E+20", 1.5e20},
    ReadCase{"-2.5e-3", -2.5e-3},
    ReadCase{"1e0000000000000000000000002", 100.0},
    ReadCase{"1.79769313486231E+308", 1.79769313486231e308},
    ReadCase{"1.7976931348623157e308", std::numeric_limits<double>::max()},
    ReadCase{"4.9406564584124654E-324", std::numeric_limits<double>::denorm_min()},
    ReadCase{"2.2250738585072014e-308", std::numeric_limits<double>::min()}));

INSTANTIATE_TEST_SUITE_P(TooSmall, ReadNumberValid, testing::Values(
    ReadCase{"1e-400", 0.0},
    ReadCase{"-1e-400", 0.0},
    ReadCase{"2e-324", 0.0},
    ReadCase{"1e-99999999999999999999", 0.0},
    ReadCase{"-1e-99999999999999999999", 0.0},
    ReadCase{"0e99999999999999999999", 0.0},
    ReadCase{"0." + zeros(400) + "1", 0.0}));

// Long digit strings are rounded once, correctly, wherever the digits stand.
INSTANTIATE_TEST_SUITE_P(LongDigits, ReadNumberValid, testing::Values(
    ReadCase{"1" + zeros(300), 1e300},
    ReadCase{"0." + zeros(300) + "1e301", 1.0},
    ReadCase{"1" + zeros(400) + "e-400", 1.0},
    ReadCase{"1." + zeros(999) + "1", 1.0},
    // 2^53 + 1 lies halfway between two doubles: ties go to even ...
    ReadCase{"9007199254740993", 9007199254740992.0},
    // ... but a non-zero digit far beyond the 800th decides it upwards.
    ReadCase{"9007199254740993." + zeros(900) + "1", 9007199254740994.0}));

// ---- readNumber: texts that do not ------------------------------------------

class ReadNumberInvalid : public testing::TestWithParam<QString> {};

TEST_P(ReadNumberInvalid, isNotANumber)
{
    EXPECT_EQ(readNumber(GetParam()).status, NumberStatus::NotANumber) << GetParam().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Grammar, ReadNumberInvalid, testing::Values(
    u""_s, u"."_s, u"-"_s, u"+"_s, u"-."_s, u"1.2.3"_s, u"1..2"_s, u" 1"_s, u"1 "_s,
    u"\t1"_s, u"1,5"_s, u"1,000"_s, u"0x10"_s, u"inf"_s, u"-inf"_s, u"nan"_s,
    u"Infinity"_s, u"1e"_s, u"e5"_s, u"E5"_s, u".e5"_s, u"1e+"_s, u"1e-"_s, u"1e1.5"_s,
    u"1e5e5"_s, u"--1"_s, u"+-1"_s, u"1-"_s, u"1d"_s, u"1f"_s, u"abc"_s, u"12abc"_s,
    QString(QStringLiteral("1") + QChar(u'\0')), QString(QChar(u'\0'))));

// Digits of other scripts and look-alikes are not the digits the boxes accept.
INSTANTIATE_TEST_SUITE_P(NonAscii, ReadNumberInvalid, testing::Values(
    QStringLiteral("\u0661\u0662"),          // Arabic-Indic 12
    QStringLiteral("\u06F1\u06F2"),          // extended Arabic-Indic 12
    QStringLiteral("\uFF11\uFF12"),          // full-width 12
    QStringLiteral("\u0967"),                // Devanagari 1
    QStringLiteral("1\u00A0"),               // no-break space
    QStringLiteral("\u00BD"),                // one half
    QStringLiteral("\u00B2"),                // superscript two
    QStringLiteral("\u22121"),               // minus sign
    QStringLiteral("1\u066B5"),              // Arabic decimal separator
    QString(QChar(0xD835))));                // lone surrogate

// ---- readNumber: numbers beyond a double -------------------------------------

class ReadNumberOverflow : public testing::TestWithParam<std::string> {};

TEST_P(ReadNumberOverflow, isOverflow)
{
    EXPECT_EQ(readNumber(q(GetParam())).status, NumberStatus::Overflow);
}

INSTANTIATE_TEST_SUITE_P(Magnitudes, ReadNumberOverflow, testing::Values(
    "1e400", "-1e400", "1E+309", "1.7976931348623159e308", "1e99999999999999999999",
    "-1e99999999999999999999", "1" + zeros(400), "-1" + zeros(400) + ".5",
    "0.001e99999999999999999999"));

// ---- numberText ---------------------------------------------------------------

struct TextCase {
    double value;
    const char* text;
};

void PrintTo(const TextCase& c, std::ostream* os)
{
    *os << c.text;
}

class NumberTextTable : public testing::TestWithParam<TextCase> {};

TEST_P(NumberTextTable, writesFifteenDigitText)
{
    EXPECT_EQ(numberText(GetParam().value), QLatin1StringView(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(Values, NumberTextTable, testing::Values(
    TextCase{0.0, "0"},
    TextCase{-0.0, "0"},
    TextCase{2.5, "2.5"},
    TextCase{1.5, "1.5"},
    TextCase{-1234.5, "-1234.5"},
    TextCase{0.1 + 0.2, "0.3"},
    TextCase{1.0 / 3.0, "0.333333333333333"},
    TextCase{2.0 / 3.0, "0.666666666666667"},
    TextCase{100.0, "100"},
    TextCase{0.0001, "0.0001"},
    TextCase{0.00001, "1E-05"},
    TextCase{1e-20, "1E-20"},
    TextCase{1.5e20, "1.5E+20"},
    TextCase{-1.5e20, "-1.5E+20"},
    TextCase{1e14, "100000000000000"},
    TextCase{999999999999999.0, "999999999999999"},
    TextCase{1e15, "1E+15"},
    TextCase{9999999999999999.0, "1E+16"},
    TextCase{123456789012345678.0, "1.23456789012346E+17"},
    TextCase{1e100, "1E+100"},
    TextCase{std::numeric_limits<double>::denorm_min(), "4.94065645841247E-324"},
    // Rounded to 15 digits the largest double would not read back; one digit down does.
    TextCase{std::numeric_limits<double>::max(), "1.79769313486231E+308"},
    TextCase{-std::numeric_limits<double>::max(), "-1.79769313486231E+308"}));

INSTANTIATE_TEST_SUITE_P(NonFinite, NumberTextTable, testing::Values(
    TextCase{std::numeric_limits<double>::infinity(), "Infinity"},
    TextCase{-std::numeric_limits<double>::infinity(), "-Infinity"},
    TextCase{std::numeric_limits<double>::quiet_NaN(), "NaN"}));

class NumberTextRoundTrip : public testing::TestWithParam<double> {};

TEST_P(NumberTextRoundTrip, readsBackToTheSameFifteenDigits)
{
    const double v = GetParam();
    const QString text = numberText(v);
    const ParsedNumber back = readNumber(text);
    ASSERT_TRUE(back.ok()) << text.toStdString();
    EXPECT_EQ(numberText(back.value), text);
    EXPECT_LE(std::fabs(back.value - v), std::fabs(v) * 5e-15 + std::fabs(std::nextafter(v, 0.0) - v)) << text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Values, NumberTextRoundTrip, testing::Values(
    1.5, 0.1 + 0.2, 1.0 / 3.0, 1.23456789012345678, 1e-5, 1.5e20, 6.02214076e23, 1e-300,
    -987654.321, std::numeric_limits<double>::max(), std::numeric_limits<double>::min(),
    std::numeric_limits<double>::denorm_min(), 9007199254740993.0));

// Whatever the user's locale, the separator is '.', in both directions.
TEST(NumberTextLocale, ignoresTheLocale)
{
    const QLocale savedLocale;
    const std::string savedC = std::setlocale(LC_ALL, nullptr);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE"}) {
        if (std::setlocale(LC_ALL, name))
            break;
    }

    EXPECT_EQ(numberText(1.5), u"1.5"_s);
    EXPECT_EQ(numberText(1234567.25), u"1234567.25"_s);
    EXPECT_EQ(numberText(1.5e20), u"1.5E+20"_s);
    EXPECT_EQ(formatMoney(1234567.5), u"1234567.50"_s);
    EXPECT_EQ(readNumber(u"1.5").value, 1.5);
    EXPECT_EQ(readNumber(u"1,5").status, NumberStatus::NotANumber);

    std::setlocale(LC_ALL, savedC.c_str());
    QLocale::setDefault(savedLocale);
}

// ---- formatMoney ----------------------------------------------------------------

class FormatMoneyTable : public testing::TestWithParam<TextCase> {};

TEST_P(FormatMoneyTable, writesHashDotZeroZero)
{
    EXPECT_EQ(formatMoney(GetParam().value), QLatin1StringView(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(Pattern, FormatMoneyTable, testing::Values(
    TextCase{234.5, "234.50"},
    TextCase{0.5, ".50"},
    TextCase{0.0, ".00"},
    TextCase{-50.0, "-50.00"},
    TextCase{-0.5, "-.50"},
    TextCase{150.0, "150.00"},
    TextCase{1234567.891, "1234567.89"},  // no grouping
    TextCase{99.999, "100.00"},
    TextCase{0.996, "1.00"},
    TextCase{-0.996, "-1.00"},
    TextCase{-1234.567, "-1234.57"}));

// Zero and values that round to it never carry a sign.
INSTANTIATE_TEST_SUITE_P(NearZero, FormatMoneyTable, testing::Values(
    TextCase{-0.0, ".00"},
    TextCase{-0.004, ".00"},
    TextCase{0.004, ".00"},
    TextCase{0.0049999, ".00"},
    TextCase{1e-300, ".00"},
    TextCase{-1e-300, ".00"},
    TextCase{std::numeric_limits<double>::denorm_min(), ".00"},
    TextCase{0.005, ".01"},   // really 0.005000000000000000104...
    TextCase{-0.005, "-.01"},
    TextCase{0.006, ".01"}));

// Exact halves round away from zero; values that only look like halves round
// by what they really are.
INSTANTIATE_TEST_SUITE_P(Halves, FormatMoneyTable, testing::Values(
    TextCase{0.125, ".13"},
    TextCase{0.375, ".38"},
    TextCase{0.625, ".63"},
    TextCase{0.875, ".88"},
    TextCase{-0.125, "-.13"},
    TextCase{-0.625, "-.63"},
    TextCase{12.125, "12.13"},
    TextCase{-3.375, "-3.38"},
    TextCase{562949953421312.125, "562949953421312.13"},     // 2^49 + 1/8
    TextCase{-562949953421312.625, "-562949953421312.63"},
    TextCase{2251799813685248.5, "2251799813685248.50"},     // 2^51 + 1/2: no tie
    TextCase{2.675, "2.67"},   // really 2.67499999...
    TextCase{1.005, "1.00"},   // really 1.00499999...
    TextCase{1.015, "1.01"},
    TextCase{0.995, ".99"},
    TextCase{-0.995, "-.99"}));

INSTANTIATE_TEST_SUITE_P(Large, FormatMoneyTable, testing::Values(
    TextCase{1e15, "1000000000000000.00"},
    TextCase{1e20, "100000000000000000000.00"},
    TextCase{-1e20, "-100000000000000000000.00"},
    TextCase{123456789012345678.0, "123456789012345680.00"}));

INSTANTIATE_TEST_SUITE_P(NonFinite, FormatMoneyTable, testing::Values(
    TextCase{std::numeric_limits<double>::infinity(), "Infinity"},
    TextCase{-std::numeric_limits<double>::infinity(), "-Infinity"},
    TextCase{std::numeric_limits<double>::quiet_NaN(), "NaN"}));

// The whole exact value is written, digit for digit.
TEST(FormatMoneyHuge, writesEveryIntegerDigit)
{
    const QString e300 = formatMoney(1e300);
    EXPECT_EQ(e300.size(), 301 + 3);
    EXPECT_TRUE(e300.startsWith(u"1000000000000000052504760255204420248704"));
    EXPECT_TRUE(e300.endsWith(u"540160.00"));

    const QString max = formatMoney(-std::numeric_limits<double>::max());
    EXPECT_EQ(max.size(), 1 + 309 + 3);
    EXPECT_TRUE(max.startsWith(u"-17976931348623157081452742373170435679807056752584499659891747680315726078"));
    EXPECT_TRUE(max.endsWith(u"24858368.00"));
}

// ---- formatMoneyText -------------------------------------------------------------

struct MoneyTextCase {
    QString text;
    QString shown;
};

void PrintTo(const MoneyTextCase& c, std::ostream* os)
{
    *os << '"' << c.text.toStdString() << '"';
}

class FormatMoneyTextTable : public testing::TestWithParam<MoneyTextCase> {};

TEST_P(FormatMoneyTextTable, formatsNumbersAndKeepsTheRest)
{
    EXPECT_EQ(formatMoneyText(GetParam().text), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Texts, FormatMoneyTextTable, testing::Values(
    MoneyTextCase{u"12.5"_s, u"12.50"_s},
    MoneyTextCase{u".5"_s, u".50"_s},
    MoneyTextCase{u"-0.004"_s, u".00"_s},
    MoneyTextCase{u"1E2"_s, u"100.00"_s},
    MoneyTextCase{u"0.125"_s, u".13"_s},
    MoneyTextCase{u"1e-400"_s, u".00"_s},
    MoneyTextCase{u""_s, u""_s},
    MoneyTextCase{u"1.2.3"_s, u"1.2.3"_s},
    MoneyTextCase{u"."_s, u"."_s},
    MoneyTextCase{u"abc"_s, u"abc"_s},
    MoneyTextCase{u" 12"_s, u" 12"_s},
    MoneyTextCase{u"1e400"_s, u"1e400"_s},
    MoneyTextCase{QStringLiteral("\uFF11\uFF12"), QStringLiteral("\uFF11\uFF12")}));

} // namespace
