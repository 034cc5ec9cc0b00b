// Figures in the user's number form: the decimal mark of the number locale,
// no grouping, and never a text read as a number the user did not mean.

#include "calculator/Exchange.h"
#include "data/NumberForm.h"

#include <gtest/gtest.h>

#include <QLocale>

#include <optional>

using namespace Qt::StringLiterals;

namespace {

class InLocale {
public:
    explicit InLocale(const char* name) { QLocale::setDefault(QLocale(QString::fromLatin1(name))); }
    ~InLocale() { QLocale::setDefault(saved_); }
    InLocale(const InLocale&) = delete;
    InLocale& operator=(const InLocale&) = delete;

private:
    QLocale saved_;
};

struct Shown {
    const char* locale;
    double value;
    const char* money;  // "#.00"
    const char* number; // the shortest form, as rate boxes show a rate
};

void PrintTo(const Shown& s, std::ostream* os)
{
    *os << s.locale << ' ' << s.value;
}

class ShownFigures : public ::testing::TestWithParam<Shown> { };

TEST_P(ShownFigures, useTheLocalesMarkAndNoGrouping)
{
    const InLocale locale(GetParam().locale);
    EXPECT_EQ(data::shownMoney(GetParam().value).toStdString(), GetParam().money);
    EXPECT_EQ(data::shownNumber(GetParam().value).toStdString(), GetParam().number);
}

INSTANTIATE_TEST_SUITE_P(
    Locales, ShownFigures,
    ::testing::Values(Shown{"en_GB", 1234.5, "1234.50", "1234.5"}, Shown{"en_GB", 0.5, ".50", "0.5"},
                      Shown{"de_DE", 1234.5, "1234,50", "1234,5"}, Shown{"de_DE", 0.5, ",50", "0,5"},
                      Shown{"de_DE", -50.0, "-50,00", "-50"},
                      Shown{"de_DE", 1.5e20, "150000000000000000000,00", "1,5E+20"},
                      Shown{"fr_FR", 332.375, "332,38", "332,375"}, Shown{"pl_PL", 1e-20, ",00", "1E-20"},
                      Shown{"es_ES", 2.675, "2,67", "2,675"}, Shown{"de_CH", 1234.5, "1234.50", "1234.5"}));

struct Typed {
    const char* locale;
    const char* text;
    std::optional<double> value; // none: not a number
};

void PrintTo(const Typed& t, std::ostream* os)
{
    *os << t.locale << " \"" << t.text << '"';
}

class TypedNumbers : public ::testing::TestWithParam<Typed> { };

TEST_P(TypedNumbers, readAsTheUserMeantThemOrNotAtAll)
{
    const InLocale locale(GetParam().locale);
    const data::ParsedNumber n = data::readTyped(QString::fromUtf8(GetParam().text));
    ASSERT_EQ(n.ok(), GetParam().value.has_value());
    if (n.ok()) {
        EXPECT_EQ(n.value, *GetParam().value);
    }
    // The store's form reads back to the same number; a refused text has none.
    const std::optional<QString> stored = data::pointFormOf(QString::fromUtf8(GetParam().text));
    if (GetParam().value) {
        ASSERT_TRUE(stored);
        EXPECT_EQ(data::readNumber(*stored).value, *GetParam().value);
    }
}

INSTANTIATE_TEST_SUITE_P(Locales, TypedNumbers,
                         ::testing::Values(
                             // English reads exactly as specified: a point, and a comma is no number.
                             Typed{"en_GB", "12.5", 12.5}, Typed{"en_GB", "1.000", 1.0},
                             Typed{"en_GB", "12,5", std::nullopt}, Typed{"de_DE", "12,5", 12.5},
                             Typed{"de_DE", "1000,50", 1000.5}, Typed{"de_DE", ",5", 0.5},
                             Typed{"de_DE", "2,2E-308", 2.2e-308},
                             // A point is a grouping mark or another locale's decimal point: never guessed.
                             Typed{"de_DE", "1.000", std::nullopt}, Typed{"de_DE", "1.000,50", std::nullopt},
                             Typed{"de_DE", "1.5", std::nullopt}, Typed{"de_DE", "1,2,3", std::nullopt},
                             Typed{"fr_FR", "0,25", 0.25}, Typed{"pl_PL", "1.000", std::nullopt},
                             Typed{"es_ES", "3,5", 3.5}));

TEST(NumberFormExchange, convertsAndShowsInTheUsersForm)
{
    const InLocale locale("de_DE");
    calculator::ExchangeInputs in{u"Britain"_s, u"Testland"_s, u"1"_s, u"1,5"_s, u"12,50"_s, u"2"_s};
    calculator::ExchangeResult r = calculator::computeExchange(in);
    ASSERT_EQ(r.kind, calculator::ExchangeResult::Kind::Converted);
    EXPECT_EQ(r.exchange.toStdString(), "18,75");
    EXPECT_EQ(r.commission.toStdString(), ",38");
    EXPECT_EQ(r.total.toStdString(), "18,37");  // the two figures above it subtracted

    // "1.000" pasted is refused with the way to write it, never converted as one.
    in.amount = u"1.000"_s;
    r = calculator::computeExchange(in);
    ASSERT_EQ(r.kind, calculator::ExchangeResult::Kind::Failed);
    EXPECT_EQ(r.input, calculator::ExchangeInput::Amount);
    EXPECT_TRUE(calculator::failureMessage(r).contains(u"1234,5"_s)) << calculator::failureMessage(r).toStdString();

    // The same country only formats the amount, in the same form.
    in.targetCountry = in.sourceCountry;
    in.amount = u"12,5"_s;
    EXPECT_EQ(calculator::computeExchange(in).exchange.toStdString(), "12,50");
}

} // namespace
