// When a rate counts as old, at the limit's edges, and the refusal to record on one.

#include "calculator/RateAge.h"

#include <gtest/gtest.h>

#include <QLocale>

namespace {

using calculator::RateAgeRule;

const QDate Today(2026, 12, 1);

struct AgeCase {
    const char* name;
    QDate updated;
    int limit;
    bool old;
    const char* line;
};

class RateAgeTest : public ::testing::TestWithParam<AgeCase> {
protected:
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom)); }
    void TearDown() override { QLocale::setDefault(QLocale::system()); }
};

TEST_P(RateAgeTest, marksAndWordsTheAge)
{
    const AgeCase& c = GetParam();
    EXPECT_EQ(calculator::markedOld(c.updated, Today, c.limit), c.old);
    EXPECT_EQ(calculator::rateDateLine(c.updated, Today, c.limit), QString::fromUtf8(c.line));
    const QString refusal = calculator::rateTooOld(QStringLiteral("Japan"), c.updated, Today, RateAgeRule{c.limit, true});
    EXPECT_EQ(refusal.isEmpty(), !c.old) << refusal.toStdString();
    if (c.old)
        EXPECT_TRUE(refusal.contains(QStringLiteral("Japan")));
    // The switch, off by default, refuses nothing.
    EXPECT_TRUE(calculator::rateTooOld(QStringLiteral("Japan"), c.updated, Today, RateAgeRule{c.limit, false}).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Edges, RateAgeTest,
    ::testing::Values(AgeCase{"exactlyTheLimit", Today.addDays(-31), 31, false, "Rate of 31 Oct 2026"},
                      AgeCase{"aDayPastTheLimit", Today.addDays(-32), 31, true, "Rate of 30 Oct 2026: old"},
                      AgeCase{"today", Today, 31, false, "Rate of 1 Dec 2026"},
                      AgeCase{"dated ahead", Today.addDays(3), 31, false, "Rate of 4 Dec 2026"},
                      AgeCase{"limitOfOneDay", Today.addDays(-2), 1, true, "Rate of 29 Nov 2026: old"},
                      AgeCase{"neverOld", Today.addDays(-4000), 0, false, "Rate of 19 Dec 2015"},
                      AgeCase{"noDate", QDate(), 31, true, "Rate of no known date: old"},
                      AgeCase{"noDateNoLimit", QDate(), 0, false, "Rate of no known date"}),
    [](const auto& info) {
        std::string name = info.param.name;
        std::erase(name, ' ');
        return name;
    });

TEST(RateAgeRefusal, neverForThePoundWhoseRateIsOneByDefinition)
{
    EXPECT_TRUE(calculator::rateTooOld(QStringLiteral("Britain"), QDate(), Today, RateAgeRule{31, true}).isEmpty());
}

TEST(RateAgeLine, emptyWhileNoRateIsShown)
{
    EXPECT_TRUE(calculator::rateDateLine(Today.addDays(-400), Today, 31, false).isEmpty());
}

} // namespace
