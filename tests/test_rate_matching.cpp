// Matching a file's rows to the table: by name, then by the country's
// currency; the pivot never changes; new countries offered unticked; the
// changes marked as big; the ticked ones turned into writes.
#include "ratefiles/RateFile.h"
#include "ratefiles/RateImportNames.h"
#include "ratefiles/RateImportPlan.h"
#include "tests/RateFileFixtures.h"

#include <QDate>
#include <QString>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace Qt::StringLiterals;
using namespace data;
using namespace ratefiles;
using TestSupport::str;
using RateFileFixtures::readOk;

namespace {

const RateChange* findChange(const ImportPlan& plan, const QString& country)
{
    for (const RateChange& c : plan.changes) {
        if (c.country == country)
            return &c;
    }
    return nullptr;
}

// A table as people keep it: the pivot, names that differ from the files'.
std::vector<RateRow> sampleTable()
{
    return {
        {u"Britain"_s, u"Pound"_s, 1.0, {}},
        {u"United States"_s, u"Dollar"_s, 1.27, QDate(2019, 12, 1)},
        {u"France"_s, u"Euro"_s, 1.17, QDate(2019, 12, 1)},
        {u"Germany"_s, u"Euro"_s, 1.17, {}},
        {u"Holland"_s, u"Euro"_s, 1.1, {}},
        {u"Russia"_s, u"Rouble"_s, 80.0, {}},
        {u"South Korea"_s, u"Won"_s, 1500.0, {}},
        {u"Japan"_s, u"Yen"_s, 3.0, QDate(2020, 1, 1)},
        {u"Atlantis"_s, u"Drachma"_s, 5.0, {}},
    };
}

TEST(RateMatching, monthlyFileMatchesByNameThenByTheCountrysCurrency)
{
    for (const QString& name : {u"uk-monthly-2020-01.csv"_s, u"uk-monthly-2020-01.xml"_s}) {
        SCOPED_TRACE(str(name));
        const RateFile file = readOk(name);
        const ImportPlan plan = planImport(file, sampleTable());

        const struct {
            QString country;
            MatchKind match;
            QString fileCountry;
            double rate;
        } expected[] = {
            // Ecuador and Austria come first in the file with USD and EUR: the
            // country's own row wins.
            {u"United States"_s, MatchKind::Currency, u"USA"_s, 12714.2857},
            {u"France"_s, MatchKind::Name, u"France"_s, 1.5143},
            {u"Germany"_s, MatchKind::Name, u"Germany"_s, 127142.8571},
            {u"Holland"_s, MatchKind::Currency, u"Netherlands"_s, 1342.8571},
            {u"Russia"_s, MatchKind::Currency, u"Russian Federation"_s, 22.8571},
            {u"South Korea"_s, MatchKind::Currency, u"Korea, South"_s, 97142.8571},
        };
        for (const auto& e : expected) {
            const RateChange* c = findChange(plan, e.country);
            ASSERT_TRUE(c) << str(e.country);
            EXPECT_EQ(c->match, e.match) << str(e.country);
            EXPECT_EQ(c->fileCountry, e.fileCountry);
            EXPECT_EQ(c->newRate, e.rate);
            EXPECT_EQ(c->newDate, QDate(2020, 1, 1));
            EXPECT_TRUE(c->ticked);
        }
        // Japan's rate and date are already the file's; Atlantis is not in it.
        EXPECT_FALSE(findChange(plan, u"Japan"_s));
        EXPECT_FALSE(findChange(plan, u"Atlantis"_s));
        EXPECT_FALSE(findChange(plan, u"Britain"_s));

        // Every file row nothing took is offered, unticked, with the file's names.
        const auto isNew = [](const RateChange& c) { return c.isNew(); };
        EXPECT_EQ(std::count_if(plan.changes.begin(), plan.changes.end(), isNew), 173 - 7);
        const RateChange* ecuador = findChange(plan, u"Ecuador"_s);
        ASSERT_TRUE(ecuador);
        EXPECT_TRUE(ecuador->isNew());
        EXPECT_FALSE(ecuador->ticked);
        EXPECT_EQ(ecuador->unit, u"US Dollar"_s);
        EXPECT_EQ(ecuador->newRate, 1085.7143);
        EXPECT_FALSE(findChange(plan, u"USA"_s));
        EXPECT_FALSE(findChange(plan, u"Netherlands"_s));
        // Updates first, in table order.
        EXPECT_EQ(plan.changes.front().country, u"United States"_s);
    }
}

TEST(RateMatching, oneEuroRateUpdatesEveryEuroCountryAndThePivotStays)
{
    const RateFile file = readOk(u"ecb-daily-2022-04-29.xml"_s);
    std::vector<RateRow> table = sampleTable();
    table.push_back({u"Ireland"_s, u"Euro"_s, 1.2, {}});
    const ImportPlan plan = planImport(file, table);
    for (const QString& euroCountry : {u"France"_s, u"Germany"_s, u"Holland"_s, u"Ireland"_s}) {
        const RateChange* c = findChange(plan, euroCountry);
        ASSERT_TRUE(c) << str(euroCountry);
        EXPECT_EQ(c->match, MatchKind::Currency);
        EXPECT_EQ(c->currencyCode, u"EUR"_s);
        EXPECT_EQ(c->newRate, 1.18533);  // 1 / 0.84365
        EXPECT_EQ(c->newDate, QDate(2022, 4, 29));
    }
    EXPECT_EQ(findChange(plan, u"United States"_s)->match, MatchKind::Name);
    // No rouble in the file: Russia keeps its rate. The pound is never offered.
    EXPECT_FALSE(findChange(plan, u"Russia"_s));
    EXPECT_FALSE(findChange(plan, u"Britain"_s));
    for (const RateChange& c : plan.changes) {
        EXPECT_NE(c.currencyCode == u"GBP"_s && c.isNew(), true);
        EXPECT_NE(c.country, u"Euro area"_s);  // taken by the euro countries
    }
}

TEST(RateMatching, thePivotIsNeverChangedEvenWhenTheFileNamesIt)
{
    RateFile file;
    file.rates.push_back({u"Britain"_s, u"Pound"_s, {}, {}, 2.0, QDate(2020, 1, 1), 2});
    file.rates.push_back({u"United Kingdom"_s, u"Pound"_s, u"GBP"_s, u"GB"_s, 1.5, QDate(2020, 1, 1), 3});
    const ImportPlan plan = planImport(file, sampleTable());
    EXPECT_TRUE(plan.empty());
    // Into a table without the pivot, an export's Britain row comes back as new.
    const ImportPlan restore = planImport(file, {});
    ASSERT_EQ(restore.changes.size(), 1u);
    EXPECT_EQ(restore.changes[0].country, u"Britain"_s);
}

struct VariantCase {
    const char* written;
    const char* code;
};

class CountryVariantTest : public ::testing::TestWithParam<VariantCase> {};

TEST_P(CountryVariantTest, nameGivesTheCurrency)
{
    EXPECT_EQ(str(currencyOfCountry(QString::fromUtf8(GetParam().written))), GetParam().code);
}

INSTANTIATE_TEST_SUITE_P(
    Names, CountryVariantTest,
    ::testing::Values(VariantCase{"USA", "USD"}, VariantCase{"United States", "USD"},
                      VariantCase{"United States of America", "USD"}, VariantCase{"Russia", "RUB"},
                      VariantCase{"Russian Federation", "RUB"}, VariantCase{"Britain", "GBP"},
                      VariantCase{"UK", "GBP"}, VariantCase{"Holland", "EUR"}, VariantCase{"The Netherlands", "EUR"},
                      VariantCase{"South Korea", "KRW"}, VariantCase{"Korea (South)", "KRW"},
                      VariantCase{"Korea, Republic of", "KRW"}, VariantCase{"Korea, North", "KPW"},
                      VariantCase{"Czech Republic", "CZK"}, VariantCase{"Czechia", "CZK"},
                      VariantCase{"C\xC3\xB4te d'Ivoire", "XOF"}, VariantCase{"Ivory Coast", "XOF"},
                      VariantCase{"Congo, Democratic Republic of the", "CDF"}, VariantCase{"Congo (DR)", "CDF"},
                      VariantCase{"Republic of the Congo", "XAF"}, VariantCase{"Bahamas, The", "BSD"},
                      VariantCase{"St Lucia", "XCD"}, VariantCase{"Trinidad & Tobago", "TTD"},
                      VariantCase{"Bosnia-Herzegovina", "BAM"}, VariantCase{"Euro area", "EUR"},
                      VariantCase{"Atlantis", ""}, VariantCase{"", ""}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

TEST(RateMatching, anOutdatedCurrencyInTheLocaleDataFallsBackToTheSameCountry)
{
    // The file quotes Croatia in euros; older locale data says kuna.
    RateFile file;
    file.rates.push_back({u"Republic of Croatia"_s, u"Euro"_s, u"EUR"_s, u"HR"_s, 1.19, QDate(2023, 2, 1), 2});
    const ImportPlan plan = planImport(file, {{u"Croatia"_s, u"Kuna"_s, 8.9, {}}});
    ASSERT_EQ(plan.changes.size(), 1u);
    EXPECT_FALSE(plan.changes[0].isNew());
    EXPECT_EQ(plan.changes[0].newRate, 1.19);
}

TEST(RateMatching, aSameRateWithANewerDateStampsTheDateOnly)
{
    RateFile file;
    file.rates.push_back({u"France"_s, u"Euro"_s, u"EUR"_s, {}, 1.17, QDate(2020, 2, 1), 2});
    const ImportPlan newer = planImport(file, {{u"France"_s, u"Euro"_s, 1.17, QDate(2020, 1, 1)}});
    ASSERT_EQ(newer.changes.size(), 1u);
    EXPECT_EQ(newer.changes[0].changePercent(), 0.0);
    EXPECT_TRUE(planImport(file, {{u"France"_s, u"Euro"_s, 1.17, QDate(2020, 2, 1)}}).empty());
}

TEST(RateMatching, aFileOlderThanTheCurrentRateIsOfferedUnticked)
{
    RateFile file;
    file.rates.push_back({u"France"_s, u"Euro"_s, u"EUR"_s, {}, 1.10, QDate(2022, 4, 29), 2});
    file.rates.push_back({u"Japan"_s, u"Yen"_s, u"JPY"_s, {}, 160.0, QDate(2022, 4, 29), 3});
    file.rates.push_back({u"Chile"_s, u"Peso"_s, u"CLP"_s, {}, 900.0, QDate(2022, 4, 29), 4});
    const ImportPlan plan = planImport(file, {{u"France"_s, u"Euro"_s, 1.17, QDate(2026, 12, 1)},
                                              {u"Japan"_s, u"Yen"_s, 150.0, QDate(2022, 4, 1)},
                                              {u"Chile"_s, u"Peso"_s, 1000.0, {}}});
    ASSERT_EQ(plan.changes.size(), 3u);
    EXPECT_FALSE(findChange(plan, u"France"_s)->ticked);  // the table's rate is newer
    EXPECT_TRUE(findChange(plan, u"Japan"_s)->ticked);
    EXPECT_TRUE(findChange(plan, u"Chile"_s)->ticked);  // no date to compare: an update as usual
}

TEST(RateMatching, longNamesAreLeftOutAndLongUnitsCut)
{
    RateFile file;
    file.rates.push_back({QString(51, u'x'), u"Unit"_s, {}, {}, 2.0, {}, 7});
    // 26 characters, the last two outside the basic plane: cut to 25, the pair kept whole.
    const QString unit = QString(24, u'u') + u"\U0001F4B0\U0001F4B0"_s;
    file.rates.push_back({QString(50, u'y'), unit, {}, {}, 2.0, {}, 8});
    file.rates.push_back({QString(100000, u'z'), u"Unit"_s, {}, {}, 2.0, {}, 9});
    const ImportPlan plan = planImport(file, {});
    ASSERT_EQ(plan.changes.size(), 1u);
    EXPECT_EQ(plan.changes[0].unit, QString(24, u'u') + u"\U0001F4B0"_s);
    ASSERT_EQ(plan.skipped.size(), 2);
    EXPECT_TRUE(plan.skipped[0].contains(u"Line 7"_s));
    // A name as long as a file allows is not repeated whole in the list.
    EXPECT_LT(plan.skipped[1].size(), 200) << str(plan.skipped[1].left(200));
}

struct PercentCase {
    double current;
    double next;
    bool big;
};

class BigChangeTest : public ::testing::TestWithParam<PercentCase> {};

TEST_P(BigChangeTest, moreThanAQuarterEitherWayIsMarked)
{
    RateChange c;
    c.match = MatchKind::Name;
    c.currentRate = GetParam().current;
    c.newRate = GetParam().next;
    EXPECT_EQ(c.bigChange(), GetParam().big) << GetParam().current << " -> " << GetParam().next;
}

INSTANTIATE_TEST_SUITE_P(Changes, BigChangeTest,
                         ::testing::Values(PercentCase{100, 125, false}, PercentCase{100, 125.01, true},
                                           PercentCase{100, 75, false}, PercentCase{100, 74.99, true},
                                           PercentCase{1.17, 1.17, false}, PercentCase{2, 200, true}));

TEST(RateMatching, tickedChangesBecomeWrites)
{
    const RateFile file = readOk(u"ecb-daily-2022-04-29.csv"_s);
    ImportPlan plan = planImport(file, sampleTable());
    for (RateChange& c : plan.changes) {
        if (c.country == u"Switzerland"_s)
            c.ticked = true;
        if (c.country == u"France"_s)
            c.ticked = false;
    }
    const std::vector<RateWrite> writes = ratesToWrite(plan.changes);
    const auto at = [&](const QString& country) {
        return std::find_if(writes.begin(), writes.end(), [&](const RateWrite& w) { return w.country == country; });
    };
    ASSERT_NE(at(u"Switzerland"_s), writes.end());
    EXPECT_TRUE(at(u"Switzerland"_s)->isNew);
    EXPECT_EQ(at(u"Switzerland"_s)->unit, u"Franc"_s);
    EXPECT_EQ(at(u"Switzerland"_s)->rate, 1.21247);  // 1.0229 / 0.84365
    EXPECT_EQ(at(u"France"_s), writes.end());
    ASSERT_NE(at(u"Germany"_s), writes.end());
    EXPECT_FALSE(at(u"Germany"_s)->isNew);
    EXPECT_EQ(at(u"Germany"_s)->unit, u"Euro"_s);
    EXPECT_EQ(at(u"Germany"_s)->updated, QDate(2022, 4, 29));
}

} // namespace
