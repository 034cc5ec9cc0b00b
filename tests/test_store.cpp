#include "StoreFixtures.h"

#include "data/RateValue.h"
#include "ratefiles/SeedFile.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>

#include <unistd.h>

#include <set>

using namespace data;
using namespace StoreFixtures;
using TestSupport::sampleRates;

namespace {

constexpr const char* kPassword = "qv517302";

const QString kCountry = FieldCountry.toString();
const QString kUnit = FieldUnit.toString();
const QString kRate = FieldRate.toString();

// ------------------------------------------------------------------ opening

struct OpenFailure {
    const char* name;
    std::function<void(const QString& path)> make;  // leaves the bad thing at path
};

class OpenFailureTest : public StoreTest, public ::testing::WithParamInterface<OpenFailure> {};

TEST_P(OpenFailureTest, isCannotOpenAndLeavesTheFileUntouched)
{
    const QString file = path();
    GetParam().make(file);
    const QByteArray before = fileBytes(file);

    QString description;
    EXPECT_EQ(errorNumber([&] { cn.Open(file); }, &description), Err::CannotOpen);
    EXPECT_FALSE(cn.isOpen());
    EXPECT_TRUE(description.contains(file)) << description.toStdString();
    EXPECT_FALSE(description.contains(QLatin1StringView(kPassword)));
    EXPECT_EQ(fileBytes(file), before);
    EXPECT_FALSE(QFileInfo::exists(file + QStringLiteral("-journal")));
}

INSTANTIATE_TEST_SUITE_P(
    Store, OpenFailureTest,
    ::testing::Values(
        OpenFailure{"missing", [](const QString&) {}},
        OpenFailure{"folder", [](const QString& p) { QDir().mkpath(p); }},
        OpenFailure{"empty", [](const QString& p) { writeBytes(p, {}); }},
        OpenFailure{"randomBytes",
                    [](const QString& p) {
                        QByteArray bytes(8192, '\0');
                        for (char& c : bytes)
                            c = static_cast<char>(QRandomGenerator::global()->bounded(256));
                        writeBytes(p, bytes);
                    }},
        OpenFailure{"truncated",
                    [](const QString& p) {
                        std::vector<RateRow> rows;
                        for (int i = 0; i < 2000; ++i)
                            rows.push_back({QStringLiteral("Country %1").arg(i), QStringLiteral("Unit"), 1.5});
                        createRatesDatabase(p, rows);
                        writeBytes(p, fileBytes(p).left(3000));
                    }},
        OpenFailure{"lastByteMissing",
                    [](const QString& p) {
                        createRatesDatabase(p, sampleRates());
                        writeBytes(p, fileBytes(p).chopped(1));
                    }},
        OpenFailure{"plainSqlite",
                    [](const QString& p) {
                        rawExec(p, "CREATE TABLE tblExchanges(Country, \"Monetery Unit\", \"Exchange Rate\");", false);
                    }},
        OpenFailure{"otherKey",
                    [](const QString& p) {
                        sqlite3* db = nullptr;
                        sqlite3_open(QFile::encodeName(p).constData(), &db);
                        sqlite3_key(db, "another", 7);
                        sqlite3_exec(db, "CREATE TABLE tblExchanges(Country);", nullptr, nullptr, nullptr);
                        sqlite3_close(db);
                    }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(StoreTest, openingAndReadingDoesNotWriteTheFile)
{
    data::createRatesDatabase(path(), sampleRates());
    const QByteArray before = fileBytes(path());
    reopen();
    EXPECT_EQ(countries().size(), 4);
    rs.FindCountry(QStringLiteral("Japan"));
    rs.Close();
    cn.Close();
    EXPECT_EQ(fileBytes(path()), before);
}

int openedBusyTimeout(Connection& cn)
{
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(cn.handle(), "PRAGMA busy_timeout", -1, &stmt, nullptr);
    const int ms = sqlite3_step(stmt) == SQLITE_ROW ? sqlite3_column_int(stmt, 0) : -1;
    sqlite3_finalize(stmt);
    return ms;
}

TEST_F(StoreTest, aSecondCopyWaitsForALockRatherThanFailing)
{
    createAndOpen();
    EXPECT_EQ(openedBusyTimeout(cn), 2000);
    {
        const ShortBusyTimeout wait(std::chrono::milliseconds(30));
        reopen();
        EXPECT_EQ(openedBusyTimeout(cn), 30);
    }
    reopen();
    EXPECT_EQ(openedBusyTimeout(cn), 2000);
}

struct SchemaCase {
    const char* name;
    const char* sql;
    long number;
    const char* mentioned;
};

class SchemaTest : public StoreTest, public ::testing::WithParamInterface<SchemaCase> {};

TEST_P(SchemaTest, recordSetRefusesATableItCannotUse)
{
    ASSERT_EQ(rawExec(path(), GetParam().sql), SQLITE_OK);
    cn.Open(path());
    QString description;
    EXPECT_EQ(errorNumber([&] { rs.Open(cn); }, &description), GetParam().number);
    EXPECT_TRUE(description.contains(QLatin1StringView(GetParam().mentioned))) << description.toStdString();
    EXPECT_FALSE(rs.isOpen());
}

INSTANTIATE_TEST_SUITE_P(
    Store, SchemaTest,
    ::testing::Values(
        SchemaCase{"noTable", "CREATE TABLE other(x);", Err::NoTable, "tblExchanges"},
        SchemaCase{"noCountry", "CREATE TABLE tblExchanges(Land, \"Monetery Unit\", \"Exchange Rate\");",
                   Err::BadField, "Country"},
        SchemaCase{"noUnit", "CREATE TABLE tblExchanges(Country, \"Monetary Unit\", \"Exchange Rate\");",
                   Err::BadField, "Monetery Unit"},
        SchemaCase{"noRate", "CREATE TABLE tblExchanges(Country, \"Monetery Unit\", Rate);", Err::BadField,
                   "Exchange Rate"},
        SchemaCase{"withoutRowids",
                   "CREATE TABLE tblExchanges(Country PRIMARY KEY, \"Monetery Unit\", \"Exchange Rate\")"
                   " WITHOUT ROWID;",
                   Err::NoTable, "tblExchanges"}),
    [](const auto& info) { return std::string(info.param.name); });

// ------------------------------------------------------------------- cursor

TEST_F(StoreTest, rowsComeInInsertionOrderAndEofFollowsTheLast)
{
    createAndOpen();
    EXPECT_FALSE(rs.isBOF());
    EXPECT_EQ(rs.Field(kCountry), QStringLiteral("Britain"));  // first row current after Open
    EXPECT_EQ(countries(), (QStringList{QStringLiteral("Britain"), QStringLiteral("United States"),
                                        QStringLiteral("Japan"), QStringLiteral("France")}));
    EXPECT_TRUE(rs.isEOF());
    EXPECT_FALSE(rs.isBOF());
    EXPECT_EQ(errorNumber([&] { rs.MoveNext(); }), Err::NoCurrentRow);
    EXPECT_EQ(errorNumber([&] { rs.Field(kCountry); }), Err::NoCurrentRow);
    EXPECT_EQ(errorNumber([&] { rs.SetField(kUnit, QStringLiteral("x")); }), Err::NoCurrentRow);
    EXPECT_EQ(errorNumber([&] { rs.Field(u"Colour"); }), Err::NotFound);
}

TEST_F(StoreTest, emptyTableIsBofAndEofAndMovesFailCleanly)
{
    createAndOpen({});
    EXPECT_TRUE(rs.isBOF());
    EXPECT_TRUE(rs.isEOF());
    EXPECT_EQ(errorNumber([&] { rs.MoveFirst(); }), Err::NoCurrentRow);
    EXPECT_EQ(errorNumber([&] { rs.Field(kCountry); }), Err::NoCurrentRow);
    EXPECT_EQ(errorNumber([&] { rs.Delete(); }), Err::NoCurrentRow);
    EXPECT_EQ(errorNumber([&] { rs.FindCountry(QStringLiteral("Britain")); }), 0);
    EXPECT_TRUE(rs.isBOF() && rs.isEOF());
}

TEST_F(StoreTest, deleteLeavesNoCurrentRowUntilAMove)
{
    createAndOpen();
    rs.FindCountry(QStringLiteral("United States"));
    rs.Delete();
    EXPECT_FALSE(rs.isBOF() || rs.isEOF());
    EXPECT_EQ(errorNumber([&] { rs.Field(kCountry); }), Err::NoCurrentRow);
    EXPECT_EQ(errorNumber([&] { rs.Delete(); }), Err::NoCurrentRow);
    rs.Update();  // what the delete dialog does next: nothing pending, nothing happens
    rs.MoveNext();
    EXPECT_EQ(rs.Field(kCountry), QStringLiteral("Japan"));
    EXPECT_EQ(countries(), (QStringList{QStringLiteral("Britain"), QStringLiteral("Japan"), QStringLiteral("France")}));
}

TEST_F(StoreTest, aLongScanThatDeletesAsItGoesMissesNoRow)
{
    // Long enough to cross read-ahead batches; deletes at and around their edges.
    const std::set<int> doomed = {0, 15, 16, 79, 80, 149};
    std::vector<RateRow> rows;
    QStringList kept;
    for (int i = 0; i < 150; ++i) {
        rows.push_back({QStringLiteral("C%1").arg(i), QStringLiteral("u"), 1.0 + i});
        if (!doomed.count(i))
            kept << rows.back().country;
    }
    createAndOpen(rows);
    int i = 0;
    for (rs.MoveFirst(); !rs.isEOF(); rs.MoveNext(), ++i) {
        ASSERT_EQ(rs.Field(kCountry), QStringLiteral("C%1").arg(i));
        if (doomed.count(i))
            rs.Delete();
    }
    EXPECT_EQ(i, 150);
    EXPECT_EQ(countries(), kept);
}

TEST_F(StoreTest, deletingTheLastRowMakesBofAndEofTrue)
{
    createAndOpen({{QStringLiteral("Britain"), QStringLiteral("Pound"), 1.0}});
    rs.Delete();
    EXPECT_TRUE(rs.isBOF() && rs.isEOF());
    reopen();
    EXPECT_TRUE(rs.isBOF() && rs.isEOF());
}

struct Operation {
    const char* name;
    std::function<void(Recordset&)> run;
};

class ClosedTest : public StoreTest, public ::testing::WithParamInterface<Operation> {};

TEST_P(ClosedTest, everyOperationOnAClosedRecordSetIs3704)
{
    Recordset never;
    EXPECT_EQ(errorNumber([&] { GetParam().run(never); }), Err::ObjectClosed);

    // Closing the connection under an open record set closes it too.
    createAndOpen();
    cn.Close();
    EXPECT_FALSE(rs.isOpen());
    EXPECT_EQ(errorNumber([&] { GetParam().run(rs); }), Err::ObjectClosed);
}

INSTANTIATE_TEST_SUITE_P(
    Store, ClosedTest,
    ::testing::Values(Operation{"BOF", [](Recordset& r) { r.isBOF(); }},
                      Operation{"EOF", [](Recordset& r) { r.isEOF(); }},
                      Operation{"MoveFirst", [](Recordset& r) { r.MoveFirst(); }},
                      Operation{"MoveNext", [](Recordset& r) { r.MoveNext(); }},
                      Operation{"Find", [](Recordset& r) { r.FindCountry(QStringLiteral("Britain")); }},
                      Operation{"Field", [](Recordset& r) { r.Field(u"Country"); }},
                      Operation{"SetField", [](Recordset& r) { r.SetField(u"Country", QStringLiteral("X")); }},
                      Operation{"AddNew", [](Recordset& r) { r.AddNew(); }},
                      Operation{"Update", [](Recordset& r) { r.Update(); }},
                      Operation{"CancelUpdate", [](Recordset& r) { r.CancelUpdate(); }},
                      Operation{"Delete", [](Recordset& r) { r.Delete(); }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(StoreTest, recordSetOnAClosedConnectionIs3704)
{
    EXPECT_EQ(errorNumber([&] { rs.Open(cn); }), Err::ObjectClosed);
}

// ------------------------------------------------------ commit and cancel

TEST_F(StoreTest, leavingAnEditedRowCommitsIt)
{
    createAndOpen();
    rs.FindCountry(QStringLiteral("Japan"));
    rs.SetField(kRate, QStringLiteral("190.25"));
    EXPECT_EQ(rs.Field(kRate), QStringLiteral("190.25"));  // pending value reads back
    EXPECT_EQ(storedRow(QStringLiteral("Japan")).at(2), QStringLiteral("188.5"));
    rs.MoveNext();
    EXPECT_EQ(storedRow(QStringLiteral("Japan")).at(2), QStringLiteral("190.25"));

    rs.SetField(kUnit, QStringLiteral("Euros"));  // France
    rs.FindCountry(QStringLiteral("Britain"));
    EXPECT_EQ(storedRow(QStringLiteral("France")).at(1), QStringLiteral("Euros"));
}

TEST_F(StoreTest, aNewRowIsCommittedByUpdateOrByAMoveAndStaysCurrent)
{
    createAndOpen();
    rs.AddNew();
    EXPECT_FALSE(rs.isBOF() || rs.isEOF());
    EXPECT_EQ(errorNumber([&] { rs.Field(kUnit); }), Err::InvalidUseOfNull);
    rs.SetField(kCountry, QStringLiteral("Chile"));
    rs.SetField(kUnit, QStringLiteral("Peso"));
    rs.SetField(kRate, QStringLiteral("1200"));
    rs.Update();
    EXPECT_EQ(rs.Field(kCountry), QStringLiteral("Chile"));
    rs.MoveNext();
    EXPECT_TRUE(rs.isEOF());  // the new row is the last

    rs.AddNew();
    rs.SetField(kCountry, QStringLiteral("Peru"));
    rs.SetField(kUnit, QStringLiteral("Sol"));
    rs.SetField(kRate, QStringLiteral("4.7"));
    rs.MoveFirst();
    EXPECT_EQ(storedRow(QStringLiteral("Peru")).value(2), QStringLiteral("4.7"));
    EXPECT_EQ(countries().last(), QStringLiteral("Peru"));
}

TEST_F(StoreTest, cancelUpdateForgetsTheNewRowOrTheEdits)
{
    createAndOpen();
    rs.FindCountry(QStringLiteral("Japan"));
    rs.AddNew();
    rs.SetField(kCountry, QStringLiteral("Chile"));
    rs.CancelUpdate();
    EXPECT_EQ(rs.Field(kCountry), QStringLiteral("Japan"));  // previous row current again

    rs.SetField(kRate, QStringLiteral("5"));
    rs.SetField(kCountry, QStringLiteral("Nippon"));
    rs.CancelUpdate();
    EXPECT_EQ(rs.Field(kCountry), QStringLiteral("Japan"));
    EXPECT_EQ(rs.Field(kRate), QStringLiteral("188.5"));
    rs.MoveFirst();
    EXPECT_EQ(storedRow(QStringLiteral("Japan")).at(2), QStringLiteral("188.5"));
    EXPECT_EQ(countries().size(), 4);
    rs.CancelUpdate();  // nothing pending: harmless
}

TEST_F(StoreTest, aNewRowWithoutCountryOrRateIsRefused)
{
    createAndOpen();
    rs.AddNew();
    rs.SetField(kCountry, QStringLiteral("Chile"));
    EXPECT_NE(errorNumber([&] { rs.Update(); }), 0);
    EXPECT_FALSE(rs.hasPendingChanges());
    rs.AddNew();
    rs.SetField(kRate, QStringLiteral("2"));
    EXPECT_NE(errorNumber([&] { rs.MoveFirst(); }), 0);
    EXPECT_EQ(countries().size(), 4);
}

TEST_F(StoreTest, aFindWhoseImplicitCommitFailsStaysOnTheRowAndDropsTheEdits)
{
    createAndOpen();
    rs.FindCountry(QStringLiteral("Japan"));
    rs.SetField(kRate, QStringLiteral("2"));
    rs.SetField(kCountry, QStringLiteral("France"));  // taken: the commit will fail
    EXPECT_EQ(errorNumber([&] { rs.FindCountry(QStringLiteral("Britain")); }), Err::CannotOpen);
    EXPECT_FALSE(rs.hasPendingChanges());
    EXPECT_EQ(rs.Field(kCountry), QStringLiteral("Japan"));
    rs.FindCountry(QStringLiteral("Britain"));
    EXPECT_EQ(storedRow(QStringLiteral("Japan")).at(2), QStringLiteral("188.5"));
}

// ----------------------------------------------------------- failed writes

struct BadValue {
    const char* name;
    QStringView field;
    QString text;
    long number;
};

class BadValueTest : public StoreTest, public ::testing::WithParamInterface<BadValue> {};

TEST_P(BadValueTest, leavesTheRowAsItWasAndALaterMoveCommitsNothing)
{
    createAndOpen();
    const QStringList before = storedRow(QStringLiteral("Japan"));
    rs.FindCountry(QStringLiteral("Japan"));
    rs.SetField(kUnit, QStringLiteral("Changed"));  // a good assignment first: it must go too
    QString description;
    const long number = errorNumber(
        [&] {
            rs.SetField(GetParam().field, GetParam().text);
            rs.Update();
        },
        &description);
    EXPECT_EQ(number, GetParam().number) << description.toStdString();
    EXPECT_FALSE(description.isEmpty());
    EXPECT_FALSE(rs.hasPendingChanges());
    EXPECT_EQ(rs.Field(kCountry), QStringLiteral("Japan"));
    EXPECT_EQ(rs.Field(kUnit), QStringLiteral("Yen"));
    rs.MoveNext();
    rs.MoveFirst();
    EXPECT_EQ(storedRow(QStringLiteral("Japan")), before);
    EXPECT_EQ(countries().size(), 4);
}

INSTANTIATE_TEST_SUITE_P(
    Store, BadValueTest,
    ::testing::Values(BadValue{"countryTooLong", FieldCountry, QString(51, u'x'), Err::MultipleStep},
                      BadValue{"countryEmpty", FieldCountry, QString(), Err::MultipleStep},
                      BadValue{"country51Emoji", FieldCountry, QString::fromUtf8("\xF0\x9F\x98\x80").repeated(51),
                               Err::MultipleStep},
                      BadValue{"unitTooLong", FieldUnit, QString(26, u'y'), Err::MultipleStep},
                      BadValue{"rateLetters", FieldRate, QStringLiteral("abc"), Err::MultipleStep},
                      BadValue{"rateDot", FieldRate, QStringLiteral("."), Err::MultipleStep},
                      BadValue{"rateEmpty", FieldRate, QString(), Err::MultipleStep},
                      BadValue{"rateZero", FieldRate, QStringLiteral("0"), Err::MultipleStep},
                      BadValue{"rateNegative", FieldRate, QStringLiteral("-1"), Err::MultipleStep},
                      BadValue{"rateOverflow", FieldRate, QStringLiteral("1e999"), Err::MultipleStep},
                      BadValue{"rateUnderflowsToZero", FieldRate, QStringLiteral("1e-999"), Err::MultipleStep},
                      // What the Add dialog's rate box lets through: 0.000...0001, a subnormal.
                      BadValue{"rateSubnormal", FieldRate, QStringLiteral("0.") + QString(320, u'0') + u'1',
                               Err::MultipleStep},
                      BadValue{"duplicateByRename", FieldCountry, QStringLiteral("France"), Err::CannotOpen},
                      BadValue{"dateWithoutLeadingZeros", FieldUpdated, QStringLiteral("2020-1-5"), Err::MultipleStep},
                      BadValue{"dateNotInTheCalendar", FieldUpdated, QStringLiteral("2021-02-29"), Err::MultipleStep},
                      BadValue{"dateDayFirst", FieldUpdated, QStringLiteral("31/01/2020"), Err::MultipleStep},
                      BadValue{"dateWithTime", FieldUpdated, QStringLiteral("2020-01-31T10:00"), Err::MultipleStep},
                      BadValue{"dateWithBlank", FieldUpdated, QStringLiteral(" 2020-01-31"), Err::MultipleStep},
                      BadValue{"dateWords", FieldUpdated, QStringLiteral("today"), Err::MultipleStep}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(StoreTest, fiftyCharactersAreCountedAsSqliteCountsThem)
{
    createAndOpen();
    const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80").repeated(50);  // 100 UTF-16 units
    rs.AddNew();
    rs.SetField(kCountry, emoji);
    rs.SetField(kUnit, QString(25, u'u'));
    rs.SetField(kRate, QStringLiteral("1e308"));
    rs.Update();
    EXPECT_EQ(storedRow(emoji).value(2), QStringLiteral("1E+308"));
}

TEST_F(StoreTest, addingAnExistingCountryIsRefusedAndThePreviousRowReturns)
{
    createAndOpen();
    rs.FindCountry(QStringLiteral("Japan"));
    rs.AddNew();
    rs.SetField(kCountry, QStringLiteral("Britain"));
    rs.SetField(kRate, QStringLiteral("2"));
    QString description;
    EXPECT_EQ(errorNumber([&] { rs.Update(); }, &description), Err::CannotOpen);
    EXPECT_TRUE(description.contains(QStringLiteral("Britain"))) << description.toStdString();
    EXPECT_EQ(rs.Field(kCountry), QStringLiteral("Japan"));
    EXPECT_EQ(storedRow(QStringLiteral("Britain")).at(2), QStringLiteral("1"));
    EXPECT_EQ(countries().size(), 4);
}

TEST_F(StoreTest, aSecondConnectionCannotAddADuplicateEither)
{
    createAndOpen();
    Connection cn2;
    cn2.Open(path());
    Recordset rs2;
    rs2.Open(cn2);
    rs.AddNew();
    rs.SetField(kCountry, QStringLiteral("Chile"));
    rs.SetField(kRate, QStringLiteral("1200"));
    rs.Update();

    rs2.FindCountry(QStringLiteral("Chile"));  // sees the other copy's row
    EXPECT_FALSE(rs2.isEOF());
    rs2.AddNew();
    rs2.SetField(kCountry, QStringLiteral("Chile"));
    rs2.SetField(kRate, QStringLiteral("1"));
    EXPECT_EQ(errorNumber([&] { rs2.Update(); }), Err::CannotOpen);
}

struct RawInsert {
    const char* name;
    const char* sql;
};

class SchemaRuleTest : public StoreTest, public ::testing::WithParamInterface<RawInsert> {};

TEST_P(SchemaRuleTest, theFileRefusesBadRowsFromAnyWriter)
{
    createRatesDatabase(path(), sampleRates());
    EXPECT_EQ(rawExec(path(), GetParam().sql) & 0xff, SQLITE_CONSTRAINT);
    reopen();
    EXPECT_EQ(countries().size(), 4);
}

INSTANTIATE_TEST_SUITE_P(
    Store, SchemaRuleTest,
    ::testing::Values(
        RawInsert{"duplicate", "INSERT INTO tblExchanges (Country, \"Monetery Unit\", \"Exchange Rate\") VALUES ('Japan', 'Yen', 2);"},
        RawInsert{"zeroRate", "INSERT INTO tblExchanges (Country, \"Monetery Unit\", \"Exchange Rate\") VALUES ('A', 'u', 0);"},
        RawInsert{"negativeRate", "INSERT INTO tblExchanges (Country, \"Monetery Unit\", \"Exchange Rate\") VALUES ('A', 'u', -3);"},
        RawInsert{"textRate", "INSERT INTO tblExchanges (Country, \"Monetery Unit\", \"Exchange Rate\") VALUES ('A', 'u', 'abc');"},
        RawInsert{"nullRate", "INSERT INTO tblExchanges (Country, \"Monetery Unit\", \"Exchange Rate\") VALUES ('A', 'u', NULL);"},
        RawInsert{"infiniteRate", "INSERT INTO tblExchanges (Country, \"Monetery Unit\", \"Exchange Rate\") VALUES ('A', 'u', 9e999);"},
        RawInsert{"nullCountry", "INSERT INTO tblExchanges (Country, \"Monetery Unit\", \"Exchange Rate\") VALUES (NULL, 'u', 1);"},
        RawInsert{"emptyCountry", "INSERT INTO tblExchanges (Country, \"Monetery Unit\", \"Exchange Rate\") VALUES ('', 'u', 1);"},
        RawInsert{"longCountry",
                  "INSERT INTO tblExchanges (Country, \"Monetery Unit\", \"Exchange Rate\") VALUES ('123456789012345678901234567890123456789012345678901', 'u', 1);"},
        RawInsert{"longUnit", "INSERT INTO tblExchanges (Country, \"Monetery Unit\", \"Exchange Rate\") VALUES ('A', '12345678901234567890123456', 1);"},
        RawInsert{"renameToDuplicate", "UPDATE tblExchanges SET Country = 'Britain' WHERE Country = 'Japan';"},
        RawInsert{"impossibleDate", "UPDATE tblExchanges SET Updated = '2021-02-30' WHERE Country = 'Japan';"},
        RawInsert{"dateWithTime", "UPDATE tblExchanges SET Updated = '2021-02-03 10:00' WHERE Country = 'Japan';"},
        RawInsert{"dateAsNumber", "UPDATE tblExchanges SET Updated = 20210203 WHERE Country = 'Japan';"},
        RawInsert{"shortDate", "UPDATE tblExchanges SET Updated = '2021-2-3' WHERE Country = 'Japan';"}),
    [](const auto& info) { return std::string(info.param.name); });

// ------------------------------------------------------------ exact names

class NameTest : public StoreTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(NameTest, anyNameIsStoredAndFoundExactly)
{
    createAndOpen();
    const QString name = QString::fromUtf8(GetParam());
    rs.AddNew();
    rs.SetField(kCountry, name);
    rs.SetField(kRate, QStringLiteral("3"));
    rs.Update();
    rs.FindCountry(name);
    ASSERT_FALSE(rs.isEOF());
    EXPECT_EQ(rs.Field(kCountry), name);
    EXPECT_EQ(countries().size(), 5);
}

INSTANTIATE_TEST_SUITE_P(Store, NameTest,
                         ::testing::Values("O'Brien's Land", "100% Land", "Under_score", "Back\\slash",
                                           "Say \"hi\"", "x' OR '1'='1", "Robert'); DROP TABLE tblExchanges;--",
                                           "  Spaced  ", "Côte d'Ivoire"));

TEST_F(StoreTest, findComparesCaseAndBlanksAndNoWildcards)
{
    createAndOpen();
    for (const char* miss : {"britain", "BRITAIN", "Britain ", " Britain", "Brit%", "Britai_", ""}) {
        rs.FindCountry(QString::fromUtf8(miss));
        EXPECT_TRUE(rs.isEOF()) << miss;
    }
    rs.FindCountry(QStringLiteral("Britain"));
    EXPECT_FALSE(rs.isEOF());

    // Names differing only in case are different countries.
    rs.AddNew();
    rs.SetField(kCountry, QStringLiteral("britain"));
    rs.SetField(kRate, QStringLiteral("2"));
    rs.Update();
    rs.FindCountry(QStringLiteral("britain"));
    EXPECT_EQ(rs.Field(kRate), QStringLiteral("2"));
}

// ------------------------------------------------- files from other tools

TEST_F(StoreTest, valuesOfAnyTypeReadAsTextWithoutCrashing)
{
    ASSERT_EQ(rawExec(path(),
                      "CREATE TABLE tblExchanges(Country, \"Monetery Unit\", \"Exchange Rate\");"
                      "INSERT INTO tblExchanges (Country, \"Monetery Unit\", \"Exchange Rate\") VALUES ('Text', NULL, '1.50');"
                      "INSERT INTO tblExchanges (Country, \"Monetery Unit\", \"Exchange Rate\") VALUES ('Int', 'u', 2);"
                      "INSERT INTO tblExchanges (Country, \"Monetery Unit\", \"Exchange Rate\") VALUES ('Word', 'u', 'abc');"
                      "INSERT INTO tblExchanges (Country, \"Monetery Unit\", \"Exchange Rate\") VALUES ('Blob', x'4869', NULL);"
                      "INSERT INTO tblExchanges (Country, \"Monetery Unit\", \"Exchange Rate\") VALUES (7, 'u', 0.1);"
                      "INSERT INTO tblExchanges (Country, \"Monetery Unit\", \"Exchange Rate\") VALUES ('Nul' || char(0) || 'x', 'u', 1);"),
              SQLITE_OK);
    cn.Open(path());
    rs.Open(cn);
    EXPECT_EQ(rs.Field(kRate), QStringLiteral("1.50"));  // a text rate is shown as stored
    EXPECT_EQ(errorNumber([&] { rs.Field(kUnit); }), Err::InvalidUseOfNull);
    rs.MoveNext();
    EXPECT_EQ(rs.Field(kRate), QStringLiteral("2"));
    rs.MoveNext();
    EXPECT_EQ(rs.Field(kRate), QStringLiteral("abc"));
    rs.MoveNext();
    EXPECT_EQ(rs.Field(kUnit), QStringLiteral("Hi"));
    EXPECT_EQ(errorNumber([&] { rs.Field(kRate); }), Err::InvalidUseOfNull);
    rs.MoveNext();
    EXPECT_EQ(rs.Field(kCountry), QStringLiteral("7"));
    EXPECT_EQ(rs.Field(kRate), QStringLiteral("0.1"));
    rs.MoveNext();
    EXPECT_EQ(rs.Field(kCountry), QStringLiteral("Nul") + QChar(u'\0') + QStringLiteral("x"));
}

// ------------------------------------------------------------- durability

TEST_F(StoreTest, everyReturnedWriteIsThereAfterReopening)
{
    createAndOpen();
    rs.FindCountry(QStringLiteral("Japan"));
    rs.SetField(kCountry, QStringLiteral("Nippon"));
    rs.SetField(kRate, QStringLiteral("187.75"));
    rs.Update();
    rs.FindCountry(QStringLiteral("France"));
    rs.Delete();
    rs.AddNew();
    rs.SetField(kCountry, QStringLiteral("Chile"));
    rs.SetField(kUnit, QStringLiteral("Peso"));
    rs.SetField(kRate, QStringLiteral("1200"));
    rs.Update();
    rs.Close();
    cn.Close();

    reopen();
    EXPECT_EQ(countries(), (QStringList{QStringLiteral("Britain"), QStringLiteral("United States"),
                                        QStringLiteral("Nippon"), QStringLiteral("Chile")}));
    EXPECT_EQ(storedRow(QStringLiteral("Nippon")),
              (QStringList{QStringLiteral("Nippon"), QStringLiteral("Yen"), QStringLiteral("187.75")}));
}

TEST_F(StoreTest, aReadOnlyDatabaseReportsTheFailedWrite)
{
    createAndOpen();
    // Root writes through file modes, so the same refusal is made with query_only there.
    if (geteuid() == 0) {
        ASSERT_EQ(sqlite3_exec(cn.handle(), "PRAGMA query_only = 1", nullptr, nullptr, nullptr), SQLITE_OK);
    } else {
        rs.Close();
        cn.Close();
        QFile::setPermissions(path(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        reopen();
    }
    rs.FindCountry(QStringLiteral("Japan"));
    rs.SetField(kRate, QStringLiteral("5"));
    QString description;
    EXPECT_EQ(errorNumber([&] { rs.Update(); }, &description), Err::CannotOpen);
    EXPECT_TRUE(description.contains(QStringLiteral("read-only"))) << description.toStdString();
    EXPECT_FALSE(rs.hasPendingChanges());
    EXPECT_EQ(rs.Field(kRate), QStringLiteral("188.5"));
    EXPECT_NE(errorNumber([&] { rs.Delete(); }), 0);
    QFile::setPermissions(path(), QFile::ReadOwner | QFile::WriteOwner);
    EXPECT_EQ(storedRow(QStringLiteral("Japan")).at(2), QStringLiteral("188.5"));
}

TEST_F(StoreTest, aLockedDatabaseReportsTheFailedWriteAndRecovers)
{
    const ShortBusyTimeout wait;
    createAndOpen();
    sqlite3* other = nullptr;
    sqlite3_open_v2(QFile::encodeName(path()).constData(), &other, SQLITE_OPEN_READWRITE, nullptr);
    keyDatabase(other);
    // Another writer holds the write lock; reading still works.
    ASSERT_EQ(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);

    rs.FindCountry(QStringLiteral("Japan"));
    EXPECT_EQ(rs.Field(kRate), QStringLiteral("188.5"));
    rs.SetField(kRate, QStringLiteral("5"));
    QString description;
    EXPECT_EQ(errorNumber([&] { rs.Update(); }, &description), Err::CannotOpen);
    EXPECT_TRUE(description.contains(QStringLiteral("locked"))) << description.toStdString();

    sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close_v2(other);
    rs.SetField(kRate, QStringLiteral("5"));
    rs.Update();
    EXPECT_EQ(storedRow(QStringLiteral("Japan")).at(2), QStringLiteral("5"));
}

TEST_F(StoreTest, deletingAnUnsavedNewRowDropsIt)
{
    createAndOpen();
    rs.FindCountry(QStringLiteral("France"));
    rs.AddNew();
    rs.SetField(kCountry, QStringLiteral("Chile"));
    rs.Delete();
    EXPECT_EQ(rs.Field(kCountry), QStringLiteral("France"));
    EXPECT_EQ(countries().size(), 4);
}

// ------------------------------------------------------ creating the file

TEST_F(StoreTest, createRatesFileNeverOverwrites)
{
    writeBytes(path(), "keep me");
    EXPECT_EQ(errorNumber([&] { createRatesDatabase(path(), sampleRates()); }), Err::CannotOpen);
    EXPECT_EQ(fileBytes(path()), QByteArray("keep me"));
}

TEST_F(StoreTest, createRatesFileLeavesNothingBehindOnABadRow)
{
    auto rows = sampleRates();
    rows.push_back({QStringLiteral("Japan"), QStringLiteral("Yen"), 2.0});
    QString description;
    EXPECT_NE(errorNumber([&] { createRatesDatabase(path(), rows); }, &description), 0);
    EXPECT_TRUE(description.contains(QStringLiteral("Row 5"))) << description.toStdString();
    EXPECT_FALSE(QFileInfo::exists(path()));
}

TEST_F(StoreTest, seedCsvReadsQuotedFieldsAndNamesTheBadLine)
{
    const QString csv = path("seed.csv");
    writeBytes(csv, "\xEF\xBB\xBF" "Country,Monetery Unit,Exchange Rate\r\n"
                    "\"United States\",Dollar,1.27\r\n"
                    "\"O'Brien \"\"Land\"\", North\",\"\",2.5\r\n\r\n");
    const auto rows = ratefiles::readSeedCsv(csv);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1].country, QStringLiteral("O'Brien \"Land\", North"));
    EXPECT_EQ(rows[1].unit, QString());
    EXPECT_EQ(rows[1].rate, 2.5);

    for (const char* bad : {"Country,Monetery Unit,Exchange Rate\nBritain,Pound\n",
                            "Country,Monetery Unit,Exchange Rate\nBritain,Pound,one\n",
                            "Country,Monetery Unit,Exchange Rate\nBritain,Pound,0\n"}) {
        writeBytes(csv, bad);
        QString description;
        EXPECT_NE(errorNumber([&] { ratefiles::readSeedCsv(csv); }, &description), 0) << bad;
        EXPECT_TRUE(description.contains(QStringLiteral("Line 2"))) << description.toStdString();
    }
    writeBytes(csv, "Country;Unit;Rate\n");
    EXPECT_NE(errorNumber([&] { ratefiles::readSeedCsv(csv); }), 0);
}

TEST_F(StoreTest, theShippedSeedMakesAUsableDatabase)
{
    createAndOpen(ratefiles::readSeedCsv(QStringLiteral(TALLYVANE_SEED_CSV)));
    rs.FindCountry(QStringLiteral("Britain"));
    ASSERT_FALSE(rs.isEOF());
    EXPECT_EQ(rs.Field(kRate), QStringLiteral("1"));
    const QStringList all = countries();
    EXPECT_GE(all.size(), 31);
    QStringList sorted = all;
    sorted.sort();
    EXPECT_NE(all, sorted);  // insertion order, not alphabetical
    // Every seeded row carries its currency's code.
    for (const QString& country : all) {
        rs.FindCountry(country);
        EXPECT_TRUE(isCurrencyCode(rs.Field(FieldCode))) << country.toStdString();
    }
    rs.FindCountry(QStringLiteral("Japan"));
    EXPECT_EQ(rs.Field(FieldCode), QStringLiteral("JPY"));
}

TEST(StoreGlobals, databasePathFollowsTheProgramFolder)
{
    setProgramFolder(QStringLiteral("/some/where"));
    EXPECT_EQ(databasePath(), QStringLiteral("/some/where/Exchange.db"));
    setProgramFolder(QString());
    EXPECT_FALSE(cnRates.isOpen());
    EXPECT_FALSE(rsRates.isOpen());
}

} // namespace
