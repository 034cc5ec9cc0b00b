// Reading the whole table and writing many rates at once: all or nothing; and
// the rates object the windows write through, which announces each write done.

#include "data/NumberText.h"
#include "data/RateWrites.h"
#include "data/Rates.h"
#include "tests/StoreFixtures.h"

#include <QFileInfo>
#include <QLocale>

using namespace data;
using namespace StoreFixtures;
using TestSupport::sampleRates;
using namespace Qt::StringLiterals;

namespace {

const QDate kJan(2020, 1, 1);
const QDate kFeb(2020, 2, 1);

RateWrite update(const char* country, double rate, QDate updated = kJan)
{
    return RateWrite{QString::fromUtf8(country), QString(), rate, updated, false};
}

RateWrite insert(const char* country, const char* unit, double rate, QDate updated = kJan)
{
    return RateWrite{QString::fromUtf8(country), QString::fromUtf8(unit), rate, updated, true};
}

QStringList describe(const std::vector<RateRow>& rows)
{
    QStringList out;
    for (const RateRow& row : rows)
        out << QStringLiteral("%1|%2|%3|%4")
                   .arg(row.country, row.unit, data::numberText(row.rate), row.updated.toString(Qt::ISODate));
    return out;
}

TEST_F(StoreTest, readAllRatesGivesEveryRowInInsertionOrderWithItsDate)
{
    auto rows = sampleRates();
    rows[2].updated = kFeb;
    createAndOpen(rows);
    EXPECT_EQ(describe(readAllRates(cn)),
              (QStringList{QStringLiteral("Britain|Pound|1|"), QStringLiteral("United States|Dollar|1.27|"),
                           QStringLiteral("Japan|Yen|188.5|2020-02-01"), QStringLiteral("France|Euro|1.17|")}));
    Connection closed;
    EXPECT_EQ(errorNumber([&] { readAllRates(closed); }), Err::ObjectClosed);
}

TEST_F(StoreTest, readAllRatesReadsAFileOfTheFirstLayoutWithoutDates)
{
    createUnnumberedFile(path(), sampleRates());
    const QByteArray before = fileBytes(path());
    reopen();
    const auto rows = readAllRates(cn);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[2].rate, 188.5);
    EXPECT_TRUE(rows[2].updated.isNull());
    rs.Close();
    cn.Close();
    EXPECT_EQ(fileBytes(path()), before);
}

TEST_F(StoreTest, applyRateWritesUpdatesRateAndDateLeavesTheUnitAndAppendsNewRows)
{
    createAndOpen();
    applyRateWrites(cn, {update("Japan", 190.25, kFeb), insert("Chile", "Peso", 1200.5), update("France", 1.2, {})});
    EXPECT_EQ(describe(readAllRates(cn)),
              (QStringList{QStringLiteral("Britain|Pound|1|"), QStringLiteral("United States|Dollar|1.27|"),
                           QStringLiteral("Japan|Yen|190.25|2020-02-01"), QStringLiteral("France|Euro|1.2|"),
                           QStringLiteral("Chile|Peso|1200.5|2020-01-01")}));
    applyRateWrites(cn, {});  // nothing to do is no failure
}

TEST_F(StoreTest, applyRateWritesBringsAnOlderFileUpToDateInTheSameTransaction)
{
    createUnnumberedFile(path(), sampleRates());
    reopen();
    applyRateWrites(cn, {update("Japan", 190, kFeb)});
    EXPECT_EQ(userVersion(path()), CurrentLayout);
    EXPECT_EQ(StoreFixtures::storedRow(path(), QStringLiteral("Japan")),
              (QStringList{QStringLiteral("Japan"), QStringLiteral("Yen"), QStringLiteral("190"),
                           QStringLiteral("2020-02-01"), QString(), QStringLiteral("0"), QStringLiteral("0"),
                           QStringLiteral("0")}));
}

// An import changes a row's rate, its date and a code it lacks; what the
// bureau set by hand stays, and a new row comes with all it carries.
TEST_F(StoreTest, applyRateWritesFillsOnlyAnEmptyCodeAndKeepsMarginsAndNotes)
{
    createAndOpen();
    rs.FindCountry(QStringLiteral("Japan"));
    rs.SetField(FieldBuyMargin, QStringLiteral("2.5"));
    rs.SetField(FieldSmallestNote, QStringLiteral("1000"));
    rs.Update();
    rs.FindCountry(QStringLiteral("France"));
    rs.SetField(FieldCode, QStringLiteral("XFR"));
    rs.Update();
    RateWrite japan = update("Japan", 190, kFeb), france = update("France", 1.2, kFeb);
    japan.code = QStringLiteral("JPY");
    france.code = QStringLiteral("EUR");
    RateWrite chile = insert("Chile", "Peso", 1200.5);
    chile.code = QStringLiteral("CLP");
    chile.sellMargin = 3;
    chile.smallestNote = Money::fromHundredths(100000);
    applyRateWrites(cn, {japan, france, chile});
    const auto tail = [&](const char* country) { return StoreFixtures::storedRow(path(), QString::fromLatin1(country)).mid(2); };
    EXPECT_EQ(tail("Japan"), (QStringList{u"190"_s, u"2020-02-01"_s, u"JPY"_s, u"2.5"_s, u"0"_s, u"1000"_s}));
    EXPECT_EQ(tail("France"), (QStringList{u"1.2"_s, u"2020-02-01"_s, u"XFR"_s, u"0"_s, u"0"_s, u"0"_s}));
    EXPECT_EQ(tail("Chile"), (QStringList{u"1200.5"_s, u"2020-01-01"_s, u"CLP"_s, u"0"_s, u"3"_s, u"1000"_s}));
    const std::vector<RateRow> rows = readAllRates(cn);
    EXPECT_EQ(rows[2].smallestNote, Money::fromHundredths(100000));
    EXPECT_EQ(rows[2].buyMargin, 2.5);
    // A code the table cannot hold stops the whole import.
    RateWrite bad = update("Britain", 1, {});
    bad.code = QStringLiteral("gbp");
    EXPECT_EQ(errorNumber([&] { applyRateWrites(cn, {bad}); }), Err::MultipleStep);
}

// A failure in the middle of the list: the writes before it are undone too.
struct FailingList {
    const char* name;
    std::vector<RateWrite> writes;
    long number;
};

void PrintTo(const FailingList& c, std::ostream* os)
{
    *os << c.name;
}

class AllOrNothing : public StoreTest, public ::testing::WithParamInterface<FailingList> {
protected:
    void SetUp() override
    {
        // An older file, so the upgrade must be undone as well.
        createUnnumberedFile(path(), sampleRates(), 1);
        reopen();
    }
};

TEST_P(AllOrNothing, aFailureInTheMiddleLeavesTheTableExactlyAsItWas)
{
    const QByteArray before = fileBytes(path());
    rs.FindCountry(QStringLiteral("Japan"));
    QString description;
    EXPECT_EQ(errorNumber([&] { applyRateWrites(cn, GetParam().writes); }, &description), GetParam().number);
    EXPECT_FALSE(description.isEmpty());
    EXPECT_EQ(userVersion(path()), 1);
    EXPECT_EQ(fileBytes(path()), before);
    EXPECT_FALSE(QFileInfo::exists(path() + QStringLiteral("-journal")));
    EXPECT_EQ(rs.Field(FieldRate), QStringLiteral("188.5"));
    EXPECT_EQ(countries().size(), 4);
}

INSTANTIATE_TEST_SUITE_P(
    Store, AllOrNothing,
    ::testing::Values(
        FailingList{"missingRow", {update("Japan", 2), update("Atlantis", 3), update("France", 4)}, Err::CannotOpen},
        FailingList{"nameDiffersInCase", {update("Japan", 2), update("france", 3)}, Err::CannotOpen},
        FailingList{"newCountryAlreadyThere", {update("Japan", 2), insert("Chile", "Peso", 3), insert("France", "Euro", 4)},
                    Err::CannotOpen},
        FailingList{"countryTwiceInTheList", {update("Japan", 2), insert("Chile", "Peso", 3), insert("Chile", "Peso", 4)},
                    Err::CannotOpen},
        FailingList{"rateZero", {update("Japan", 2), update("France", 0)}, Err::MultipleStep},
        FailingList{"rateNotANumber", {update("Japan", 2), update("France", std::nan(""))}, Err::MultipleStep},
        FailingList{"rateInfinite", {update("Japan", 2), update("France", HUGE_VAL)}, Err::MultipleStep},
        FailingList{"rateSubnormal", {update("Japan", 2), update("France", 1e-320)}, Err::MultipleStep},
        FailingList{"newCountryEmpty", {update("Japan", 2), insert("", "Peso", 3)}, Err::MultipleStep},
        FailingList{"newCountryTooLong",
                    {update("Japan", 2), insert("123456789012345678901234567890123456789012345678901", "u", 3)},
                    Err::MultipleStep},
        FailingList{"newUnitTooLong", {update("Japan", 2), insert("Chile", "12345678901234567890123456", 3)},
                    Err::MultipleStep}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(StoreTest, applyRateWritesUnderAnotherWritersLockChangesNothing)
{
    const ShortBusyTimeout wait;
    createAndOpen();
    const QByteArray before = fileBytes(path());
    WriteLock lock(path());
    ASSERT_TRUE(lock.held());
    QString description;
    EXPECT_EQ(errorNumber([&] { applyRateWrites(cn, {update("Japan", 2)}); }, &description), Err::CannotOpen);
    EXPECT_TRUE(description.contains(QStringLiteral("locked"))) << description.toStdString();
    lock.release();
    EXPECT_EQ(fileBytes(path()), before);
}

TEST_F(StoreTest, afterApplyingTheRecordSetShowsNoStaleRow)
{
    std::vector<RateRow> rows;
    for (int i = 0; i < 40; ++i)
        rows.push_back({QStringLiteral("C%1").arg(i), QStringLiteral("u"), 1.0 + i, {}});
    createAndOpen(rows);
    // Mid-scan, with rows read ahead past the current one.
    rs.MoveFirst();
    rs.MoveNext();
    ASSERT_EQ(rs.Field(FieldCountry), QStringLiteral("C1"));
    applyRateWrites(cn, {update("C1", 100), update("C2", 200, kFeb), insert("New", "n", 5)});

    // The current row is re-read, the next ones are read afresh.
    EXPECT_EQ(rs.Field(FieldRate), QStringLiteral("100"));
    rs.MoveNext();
    EXPECT_EQ(rs.Field(FieldRate), QStringLiteral("200"));
    EXPECT_EQ(rs.Field(FieldUpdated), QStringLiteral("2020-02-01"));
    EXPECT_EQ(countries().last(), QStringLiteral("New"));
}

// ---- data::Rates: each write that is done is announced once, and no call
// leaves a change pending for the record set's next move to commit.

RateRow typed(const char* country, const char* unit, const char* rate, QDate updated = kJan)
{
    RateRow row{QString::fromUtf8(country), QString::fromUtf8(unit), 0.0, updated};
    row.rateText = QString::fromUtf8(rate);
    return row;
}

struct RatesCall {
    const char* name;
    std::function<bool(Rates&)> call;
    long error;       // the DbError's number, 0 for none
    bool returned;    // what the call returned (true for those returning nothing)
    int announced;    // ratesChanged() emitted
    QStringList last;  // the table's last rows afterwards, rates exact
};

void PrintTo(const RatesCall& c, std::ostream* os)
{
    *os << c.name;
}

class RatesWrites : public StoreTest, public ::testing::WithParamInterface<RatesCall> {
protected:
    void SetUp() override
    {
        createRatesDatabase(path(), sampleRates());
        cnRates.Open(path());
        rsRates.Open(cnRates);
        QObject::connect(&Rates::instance(), &Rates::ratesChanged, &context, [this] { ++announced; });
    }
    void TearDown() override
    {
        rsRates.Close();
        cnRates.Close();
    }
    QObject context;  // the connection ends with the test
    int announced = 0;
};

TEST_P(RatesWrites, announceEachWriteDoneOnceAndLeaveNothingPending)
{
    const RatesCall& c = GetParam();
    bool returned = false;
    EXPECT_EQ(errorNumber([&] { returned = c.call(Rates::instance()); }), c.error);
    EXPECT_EQ(returned, c.returned);
    EXPECT_EQ(announced, c.announced);
    EXPECT_FALSE(rsRates.hasPendingChanges());
    QStringList last;
    for (const RateRow& row : readAllRates(cnRates))
        last << QStringLiteral("%1|%2|%3|%4").arg(row.country, row.unit,
                                                 QString::number(row.rate, 'g', QLocale::FloatingPointShortest),
                                                 row.updated.toString(Qt::ISODate));
    EXPECT_EQ(last.mid(last.size() - c.last.size()), c.last);
}

const QStringList kLastTwo{QStringLiteral("Japan|Yen|188.5|"), QStringLiteral("France|Euro|1.17|")};

INSTANTIATE_TEST_SUITE_P(
    Store, RatesWrites,
    ::testing::Values(
        RatesCall{"addAsTyped", [](Rates& r) { r.addRate(typed("Chile", "Peso", "1200.5")); return true; }, 0, true, 1,
                  {QStringLiteral("France|Euro|1.17|"), QStringLiteral("Chile|Peso|1200.5|2020-01-01")}},
        RatesCall{"addAValueExactly",
                  [](Rates& r) {
                      r.addRate({u"Chile"_s, u"Peso"_s, 0.1 + 0.2, {}});
                      return true;
                  },
                  0, true, 1, {QStringLiteral("Chile|Peso|0.30000000000000004|")}},
        RatesCall{"addTooSmall", [](Rates& r) { r.addRate(typed("Chile", "Peso", "1e-400")); return true; },
                  Err::MultipleStep, false, 0, kLastTwo},
        RatesCall{"addCountryThere", [](Rates& r) { r.addRate(typed("France", "Franc", "9")); return true; },
                  Err::WriteFailed, false, 0, kLastTwo},
        RatesCall{"replace", [](Rates& r) { return r.replaceRate(u"Japan"_s, typed("Nippon", "En", "190", kFeb)); }, 0,
                  true, 1, {QStringLiteral("Nippon|En|190|2020-02-01"), QStringLiteral("France|Euro|1.17|")}},
        RatesCall{"replaceMissing", [](Rates& r) { return r.replaceRate(u"japan"_s, typed("Japan", "Yen", "2")); }, 0,
                  false, 0, kLastTwo},
        RatesCall{"replaceOntoAnother", [](Rates& r) { return r.replaceRate(u"Japan"_s, typed("France", "Yen", "2")); },
                  Err::WriteFailed, false, 0, kLastTwo},
        RatesCall{"delete", [](Rates& r) { return r.deleteRate(u"Japan"_s); }, 0, true, 1,
                  {QStringLiteral("United States|Dollar|1.27|"), QStringLiteral("France|Euro|1.17|")}},
        RatesCall{"deleteMissing", [](Rates& r) { return r.deleteRate(u"Atlantis"_s); }, 0, false, 0, kLastTwo},
        RatesCall{"applyMany",
                  [](Rates& r) { r.applyWrites({update("Japan", 190), insert("Chile", "Peso", 3)}); return true; }, 0,
                  true, 1, {QStringLiteral("Japan|Yen|190|2020-01-01"), QStringLiteral("France|Euro|1.17|"),
                            QStringLiteral("Chile|Peso|3|2020-01-01")}},
        RatesCall{"applyFailing",
                  [](Rates& r) {
                      r.applyWrites({update("Japan", 190), update("Atlantis", 3)});
                      return true;
                  },
                  Err::WriteFailed, false, 0, kLastTwo},
        RatesCall{"applyNothing", [](Rates& r) { r.applyWrites({}); return true; }, 0, true, 0, kLastTwo},
        RatesCall{"replaceWithTerms",
                  [](Rates& r) {
                      RateRow row = typed("Japan", "Yen", "188.5", {});
                      row.code = u"JPY"_s;
                      row.buyMargin = 1.5;
                      row.sellMargin = 2;
                      row.smallestNote = Money::fromHundredths(100000);
                      const std::optional<RateRow> back = r.replaceRate(u"Japan"_s, row) ? r.findRate(u"Japan"_s)
                                                                                          : std::nullopt;
                      return back && back->code == row.code && back->buyMargin == 1.5 && back->sellMargin == 2
                          && back->smallestNote == row.smallestNote;
                  },
                  0, true, 1, kLastTwo},
        RatesCall{"replaceWithAMarginOf100",
                  [](Rates& r) {
                      RateRow row = typed("Japan", "Yen", "190");
                      row.sellMargin = 100;
                      return r.replaceRate(u"Japan"_s, row);
                  },
                  Err::MultipleStep, false, 0, kLastTwo},
        RatesCall{"setTheMinimumCommission",
                  [](Rates& r) {
                      r.setMinimumCommission(Money::fromHundredths(250));
                      return r.minimumCommission() == Money::fromHundredths(250);
                  },
                  0, true, 1, kLastTwo},
        RatesCall{"setANegativeMinimumCommission",
                  [](Rates& r) {
                      r.setMinimumCommission(Money::fromHundredths(-1));
                      return true;
                  },
                  Err::MultipleStep, false, 0, kLastTwo}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
