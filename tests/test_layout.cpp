// The file's layout: what the field table puts in a new file, files made before
// the layout had a number (and at its first number) opening, reading and being
// brought up to date by their first write, and files of a newer layout refused.

#include "data/NumberText.h"
#include "data/Refusal.h"
#include "data/RateWrites.h"
#include "data/TillSettings.h"
#include "tests/StoreFixtures.h"

#include <QFileInfo>

using namespace data;
using namespace StoreFixtures;
using TestSupport::sampleRates;

namespace {

const QString kJapan = QStringLiteral("Japan");

bool hasColumn(const QString& path, const char* column)
{
    return rawValue(path, "SELECT sql FROM sqlite_master WHERE name = 'tblExchanges'")
        .contains(u'"' + QString::fromLatin1(column) + u'"');
}

// The sample rates with a date on France, which the second layout keeps.
std::vector<RateRow> datedRates()
{
    std::vector<RateRow> rows = sampleRates();
    rows[3].updated = QDate(2024, 3, 1);
    return rows;
}

const QStringList kNoTerms{QString(), QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0")};

TEST_F(StoreTest, aNewFileHasTheCurrentLayoutAndAnEmptyDateReadsAsNothing)
{
    createAndOpen();
    EXPECT_EQ(userVersion(path()), CurrentLayout);
    rs.FindCountry(kJapan);
    EXPECT_EQ(rs.Field(FieldUpdated), QString());
    rs.SetField(FieldUpdated, QStringLiteral("2020-01-31"));
    rs.Update();
    EXPECT_EQ(StoreFixtures::storedRow(path(), kJapan).value(3), QStringLiteral("2020-01-31"));
    rs.SetField(FieldUpdated, QString());  // back to unknown
    rs.Update();
    EXPECT_EQ(rawValue(path(), "SELECT typeof(Updated) FROM tblExchanges WHERE Country = 'Japan'"),
              QStringLiteral("null"));
}

TEST_F(StoreTest, aNewRowMayCarryItsDate)
{
    createAndOpen();
    rs.AddNew();
    rs.SetField(FieldCountry, QStringLiteral("Chile"));
    rs.SetField(FieldRate, QStringLiteral("1200"));
    rs.SetField(FieldUpdated, QStringLiteral("2024-02-29"));
    EXPECT_EQ(rs.Field(FieldUpdated), QStringLiteral("2024-02-29"));
    rs.Update();
    reopen();
    rs.FindCountry(QStringLiteral("Chile"));
    EXPECT_EQ(rs.Field(FieldUpdated), QStringLiteral("2024-02-29"));
}

// Every text field's limit in the table is the limit the file itself enforces.
// Rows are picked by row id: the first field's own check renames a row.
TEST_F(StoreTest, theFileHoldsEachTextFieldUpToItsLimitAndNoFurther)
{
    createRatesDatabase(path(), sampleRates());
    for (const FieldDef& field : Fields) {
        if (field.kind != FieldKind::Text)
            continue;
        SCOPED_TRACE(field.name.toString().toStdString());
        const QByteArray column = '"' + field.name.toUtf8() + '"';
        const QByteArray fits = "UPDATE tblExchanges SET " + column + " = '" + QByteArray(field.maxChars, 'x')
            + "' WHERE rowid = 3;";
        const QByteArray over = "UPDATE tblExchanges SET " + column + " = '" + QByteArray(field.maxChars + 1, 'y')
            + "' WHERE rowid = 4;";
        EXPECT_EQ(rawExec(path(), fits.constData()), SQLITE_OK);
        EXPECT_EQ(rawValue(path(), ("SELECT length(" + column + ") FROM tblExchanges WHERE rowid = 3").constData()),
                  QString::number(field.maxChars));
        EXPECT_EQ(rawExec(path(), over.constData()) & 0xff, SQLITE_CONSTRAINT);
    }
}

// What a bureau sets beside a rate: the store and the file itself take a
// value within the limits of the field table, and refuse any other.
struct TermValue {
    QStringView field;
    const char* text;
    bool taken;
};

void PrintTo(const TermValue& c, std::ostream* os)
{
    *os << c.field.toString().toStdString() << " '" << c.text << "'";
}

class TermLimits : public StoreTest, public ::testing::WithParamInterface<TermValue> {};

TEST_P(TermLimits, areKeptByTheStoreAndByTheFile)
{
    const TermValue& c = GetParam();
    const QString text = QString::fromUtf8(c.text);
    createAndOpen();
    const std::optional<Refusal> refusal = refusalOf(fieldDef(c.field), text);
    EXPECT_EQ(!refusal, c.taken) << (refusal ? refusalMessage(*refusal).toStdString() : std::string());
    rs.FindCountry(kJapan);
    const long refused = errorNumber([&] {
        rs.SetField(c.field, text);
        rs.Update();
    });
    EXPECT_EQ(refused, c.taken ? 0 : long(Err::MultipleStep));
    // Another tool writing straight into the file: a number as a number.
    const bool number = fieldDef(c.field).kind != FieldKind::Code && readNumber(text).ok();
    const QByteArray value = number ? text.toUtf8() : "'" + text.toUtf8() + "'";
    const QByteArray sql = "UPDATE tblExchanges SET \"" + c.field.toUtf8() + "\" = " + value + " WHERE rowid = 4;";
    EXPECT_EQ(rawExec(path(), sql.constData()) == SQLITE_OK, c.taken);
}

INSTANTIATE_TEST_SUITE_P(Store, TermLimits, ::testing::Values(
    TermValue{FieldCode, "EUR", true}, TermValue{FieldCode, "", true}, TermValue{FieldCode, "eur", false},
    TermValue{FieldCode, "EU", false}, TermValue{FieldCode, "EURO", false}, TermValue{FieldCode, "E1R", false},
    TermValue{FieldBuyMargin, "0", true}, TermValue{FieldBuyMargin, "99.99", true},
    TermValue{FieldBuyMargin, "100", false}, TermValue{FieldBuyMargin, "-0.5", false},
    TermValue{FieldSellMargin, "2.5", true}, TermValue{FieldSellMargin, "abc", false},
    TermValue{FieldSmallestNote, "5", true}, TermValue{FieldSmallestNote, "0.25", true},
    TermValue{FieldSmallestNote, "1000000000", true}, TermValue{FieldSmallestNote, "1000000000.01", false},
    TermValue{FieldSmallestNote, "-5", false}, TermValue{FieldSmallestNote, "0.125", false},
    TermValue{FieldSmallestNote, "five", false}));

TEST_F(StoreTest, theMinimumCommissionIsKeptExactlyAndRefusedOutOfRange)
{
    createAndOpen();
    EXPECT_EQ(readMinimumCommission(cn), Money());
    writeMinimumCommission(cn, Money::fromHundredths(300));
    writeMinimumCommission(cn, Money::fromHundredths(1999));  // replaces
    EXPECT_EQ(readMinimumCommission(cn), Money::fromHundredths(1999));
    EXPECT_EQ(readSetting(cn, SettingMinimumCommission), QStringLiteral("19.99"));
    const QByteArray before = fileBytes(path());
    EXPECT_EQ(errorNumber([&] { writeMinimumCommission(cn, Money::fromHundredths(-1)); }), Err::MultipleStep);
    EXPECT_EQ(errorNumber([&] { writeMinimumCommission(cn, Money::fromHundredths(10000001)); }), Err::MultipleStep);
    EXPECT_EQ(fileBytes(path()), before);
    // Another tool's value that is no amount is reported, never taken as 0.
    ASSERT_EQ(rawExec(path(), "UPDATE tblSettings SET Value = 'lots'"), SQLITE_OK);
    EXPECT_EQ(errorNumber([&] { readMinimumCommission(cn); }), Err::MultipleStep);
}

// ------------------------------------------------ files of an older layout

class OlderLayout : public StoreTest, public ::testing::WithParamInterface<int> {
protected:
    void SetUp() override { createOlderFile(path(), datedRates(), GetParam()); }
    // France's date as the file of this layout holds it.
    QString franceDate() const { return GetParam() >= 2 ? QStringLiteral("2024-03-01") : QString(); }
};

TEST_P(OlderLayout, opensAndReadsWithoutWritingAndTheNewFieldsReadAsTheirDefaults)
{
    const QByteArray before = fileBytes(path());
    reopen();
    EXPECT_EQ(countries(), (QStringList{QStringLiteral("Britain"), QStringLiteral("United States"), kJapan,
                                        QStringLiteral("France")}));
    rs.FindCountry(kJapan);
    EXPECT_EQ(rs.Field(FieldRate), QStringLiteral("188.5"));
    EXPECT_EQ(rs.Field(FieldUpdated), QString());
    EXPECT_EQ(StoreFixtures::storedRow(path(), kJapan).mid(4), kNoTerms);
    rs.FindCountry(QStringLiteral("France"));
    EXPECT_EQ(rs.Field(FieldUpdated), franceDate());
    EXPECT_EQ(readAllRates(cn)[2].code, QString());
    EXPECT_EQ(readMinimumCommission(cn), Money());
    rs.Close();
    cn.Close();
    EXPECT_EQ(fileBytes(path()), before);
}

TEST_P(OlderLayout, theFirstWriteBringsItUpToDateWithTheWrite)
{
    reopen();
    rs.FindCountry(kJapan);
    rs.SetField(FieldRate, QStringLiteral("190"));
    rs.SetField(FieldUpdated, QStringLiteral("2020-01-01"));
    rs.Update();
    EXPECT_EQ(rs.Field(FieldUpdated), QStringLiteral("2020-01-01"));
    EXPECT_EQ(userVersion(path()), CurrentLayout);
    EXPECT_EQ(StoreFixtures::storedRow(path(), kJapan),
              (QStringList{kJapan, QStringLiteral("Yen"), QStringLiteral("190"), QStringLiteral("2020-01-01")}
               + kNoTerms));
    EXPECT_EQ(StoreFixtures::storedRow(path(), QStringLiteral("France")).value(3), franceDate());
    EXPECT_EQ(integrityCheck(path()).toStdString(), "ok");
    EXPECT_EQ(rawValue(path(), "SELECT count(*) FROM tblSettings"), QStringLiteral("0"));

    // The same record set goes on working on the new layout.
    rs.AddNew();
    rs.SetField(FieldCountry, QStringLiteral("Chile"));
    rs.SetField(FieldRate, QStringLiteral("1200"));
    rs.SetField(FieldUpdated, QStringLiteral("2021-06-30"));
    rs.SetField(FieldSellMargin, QStringLiteral("1.5"));
    rs.Update();
    EXPECT_EQ(countries().size(), 5);
    rs.FindCountry(QStringLiteral("Chile"));
    EXPECT_EQ(rs.Field(FieldUpdated), QStringLiteral("2021-06-30"));
    EXPECT_EQ(rs.Field(FieldSellMargin), QStringLiteral("1.5"));
}

TEST_P(OlderLayout, settingTheMinimumCommissionIsAFirstWriteToo)
{
    reopen();
    writeMinimumCommission(cn, Money::fromHundredths(250));
    EXPECT_EQ(userVersion(path()), CurrentLayout);
    EXPECT_EQ(readMinimumCommission(cn), Money::fromHundredths(250));
    EXPECT_EQ(rawValue(path(), "SELECT Value FROM tblSettings WHERE Name = 'Minimum Commission'"),
              QStringLiteral("2.50"));
    // The record set reads the fields the upgrade added.
    rs.FindCountry(QStringLiteral("France"));
    EXPECT_EQ(rs.Field(FieldCode), QString());
    EXPECT_EQ(rs.Field(FieldUpdated), franceDate());
    rs.SetField(FieldCode, QStringLiteral("EUR"));
    rs.Update();
    EXPECT_EQ(StoreFixtures::storedRow(path(), QStringLiteral("France")).value(4), QStringLiteral("EUR"));
}

TEST_P(OlderLayout, aDeleteIsAFirstWriteToo)
{
    reopen();
    rs.FindCountry(QStringLiteral("France"));
    rs.Delete();
    EXPECT_EQ(userVersion(path()), CurrentLayout);
    EXPECT_TRUE(hasColumn(path(), "Updated"));
    EXPECT_TRUE(hasColumn(path(), "Smallest Note"));
    EXPECT_EQ(countries().size(), 3);
}

TEST_P(OlderLayout, aFailedFirstWriteLeavesTheFileAsItWas)
{
    reopen();
    const QByteArray before = fileBytes(path());
    rs.FindCountry(kJapan);
    rs.SetField(FieldCountry, QStringLiteral("France"));  // taken
    rs.SetField(FieldUpdated, QStringLiteral("2020-01-01"));
    EXPECT_EQ(errorNumber([&] { rs.Update(); }), Err::CannotOpen);
    EXPECT_EQ(userVersion(path()), GetParam());
    EXPECT_FALSE(hasColumn(path(), "Code"));
    EXPECT_EQ(hasColumn(path(), "Updated"), GetParam() >= 2);
    rs.Close();
    cn.Close();
    EXPECT_EQ(fileBytes(path()), before);
}

TEST_P(OlderLayout, aReadOnlyFileStillOpensAndReads)
{
    const QByteArray before = fileBytes(path());
    UnwritableFile guard(path());
    if (!guard.ok())
        GTEST_SKIP() << "cannot make the file unwritable here: " << guard.why().toStdString();
    ASSERT_EQ(errorNumber([&] { reopen(); }), 0);
    EXPECT_EQ(countries().size(), 4);
    rs.FindCountry(kJapan);
    rs.SetField(FieldRate, QStringLiteral("5"));
    QString description;
    EXPECT_EQ(errorNumber([&] { rs.Update(); }, &description), Err::CannotOpen);
    EXPECT_TRUE(description.contains(QStringLiteral("read-only"))) << description.toStdString();
    EXPECT_EQ(rs.Field(FieldRate), QStringLiteral("188.5"));
    rs.Close();
    cn.Close();
    EXPECT_EQ(fileBytes(path()), before);
}

TEST_P(OlderLayout, anUpgradeBySomeoneElseMeanwhileIsTakenAsItIs)
{
    reopen();
    // Another copy of the program upgrades the file after this one opened it.
    Connection other;
    other.Open(path());
    Recordset otherSet;
    otherSet.Open(other);
    otherSet.FindCountry(QStringLiteral("France"));
    otherSet.SetField(FieldUpdated, QStringLiteral("2022-04-29"));
    otherSet.Update();

    rs.FindCountry(kJapan);
    rs.SetField(FieldRate, QStringLiteral("191"));
    EXPECT_EQ(errorNumber([&] { rs.Update(); }), 0);
    rs.FindCountry(QStringLiteral("France"));
    EXPECT_EQ(rs.Field(FieldUpdated), QStringLiteral("2022-04-29"));
    EXPECT_EQ(userVersion(path()), CurrentLayout);
}

INSTANTIATE_TEST_SUITE_P(Store, OlderLayout, ::testing::Values(0, 1, 2),
                         [](const auto& info) { return "layout" + std::to_string(info.param); });

// ------------------------------------------------ files of a newer layout

class NewerLayout : public StoreTest, public ::testing::WithParamInterface<int> {};

TEST_P(NewerLayout, isRefusedAtOpenWithAClearMessageAndNeverWritten)
{
    createRatesDatabase(path(), sampleRates());
    ASSERT_EQ(rawExec(path(), ("PRAGMA user_version = " + QByteArray::number(GetParam())).constData()), SQLITE_OK);
    const QByteArray before = fileBytes(path());
    QString description;
    EXPECT_EQ(errorNumber([&] { cn.Open(path()); }, &description), Err::CannotOpen);
    EXPECT_FALSE(cn.isOpen());
    EXPECT_TRUE(description.contains(QStringLiteral("version of Tallyvane"))) << description.toStdString();
    EXPECT_TRUE(description.contains(QString::number(GetParam()))) << description.toStdString();
    EXPECT_EQ(fileBytes(path()), before);
    EXPECT_FALSE(QFileInfo::exists(path() + QStringLiteral("-journal")));
}

INSTANTIATE_TEST_SUITE_P(Store, NewerLayout, ::testing::Values(CurrentLayout + 1, 1000, -1),
                         [](const auto& info) { return "layout" + std::to_string(info.param + 1000); });

TEST_F(StoreTest, aFileUpgradedPastThisProgramWhileOpenIsNotWritten)
{
    createAndOpen();
    ASSERT_EQ(rawExec(path(), "PRAGMA user_version = 99;"), SQLITE_OK);
    rs.FindCountry(kJapan);
    rs.SetField(FieldRate, QStringLiteral("5"));
    EXPECT_EQ(errorNumber([&] { rs.Update(); }), Err::CannotOpen);
    EXPECT_EQ(rawValue(path(), "SELECT \"Exchange Rate\" FROM tblExchanges WHERE Country = 'Japan'"),
              QStringLiteral("188.5"));
}

} // namespace
