// The export: its CSV, read back into the same table (nothing to change) and
// into an empty one (every row new), an older table as mdb-export writes it,
// and the file written or its failure reported.
#include "ratefiles/ExportHeader.h"
#include "ratefiles/RateExport.h"
#include "ratefiles/Readers.h"
#include "ratefiles/RateFile.h"
#include "ratefiles/RateImportPlan.h"
#include "tests/RateFileFixtures.h"

#include <QDate>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <limits>
#include <utility>
#include <vector>

using namespace Qt::StringLiterals;
using namespace data;
using namespace ratefiles;
using TestSupport::str;
using RateFileFixtures::readOk;

namespace {

TEST(RateExport, writesTheHeaderShortestRatesQuotesAndDates)
{
    const std::vector<RateRow> rows{
        {u"Britain"_s, u"Pound"_s, 1.0, {}},
        {u"Korea, South"_s, u"Won"_s, 0.1, QDate(2020, 1, 1)},
        {u"Say \"Hi\""_s, u" Unit"_s, 1.0 / 3.0, {}},
        {u"Tiny"_s, u""_s, 1e-7, {}},
        {u"Huge"_s, u"x"_s, 1.7976931348623157e308, QDate(2026, 12, 7)},
    };
    const QByteArray csv = exportCsv(rows);
    EXPECT_EQ(csv.toStdString(),
              "Country,Monetery Unit,Exchange Rate,Updated\r\n"
              "Britain,Pound,1,\r\n"
              "\"Korea, South\",Won,0.1,2020-01-01\r\n"
              "\"Say \"\"Hi\"\"\",\" Unit\",0.3333333333333333,\r\n"
              "Tiny,,1e-07,\r\n"
              "Huge,x,1.7976931348623157e+308,2026-12-07\r\n");
}

std::vector<RateRow> oddTable()
{
    return {
        {u"Britain"_s, u"Pound"_s, 1.0, {}},
        {u" Leading blank"_s, u"---------------------"_s, 0.1 + 0.2, QDate(2020, 1, 1)},
        {u"Trailing blank "_s, u"a,b"_s, std::numeric_limits<double>::min(), {}},
        {u"Côte d'Ivoire"_s, u"Franc \"CFA\""_s, 655.957, QDate(1999, 12, 31)},
        {u"Two\nlines"_s, u""_s, 123456789.123456789, {}},
        {u"\U0001F4B0 money"_s, u"Unit"_s, 2.5, QDate(2026, 12, 7)},
        {u"Holland"_s, u"Euro"_s, 1.1, {}},
    };
}

TEST(RateExport, readBackIntoTheSameTableProposesNothing)
{
    const RateFileResult back = parseRateFile(exportCsv(oddTable()), u"export.csv"_s);
    ASSERT_TRUE(back.ok()) << str(back.error);
    EXPECT_EQ(back.file->format, RateFileFormat::OwnExport);
    EXPECT_TRUE(planImport(*back.file, oddTable()).empty());
}

TEST(RateExport, readBackIntoAnEmptyTableOffersEveryRowAsNew)
{
    const RateFileResult back = parseRateFile(exportCsv(oddTable()), u"export.csv"_s);
    ASSERT_TRUE(back.ok()) << str(back.error);
    ImportPlan plan = planImport(*back.file, {});
    const std::vector<RateRow> table = oddTable();
    ASSERT_EQ(plan.changes.size(), table.size());
    for (std::size_t i = 0; i < table.size(); ++i) {
        RateChange& c = plan.changes[i];
        SCOPED_TRACE(str(table[i].country));
        EXPECT_TRUE(c.isNew());
        EXPECT_FALSE(c.ticked);
        EXPECT_EQ(c.country, table[i].country);
        EXPECT_EQ(c.unit, table[i].unit);
        EXPECT_EQ(c.newRate, table[i].rate);
        EXPECT_EQ(c.newDate, table[i].updated);
        c.ticked = true;  // as Tick all does
    }
    EXPECT_EQ(ratesToWrite(plan.changes).size(), table.size());
}

// The older program's table as mdb-export writes it: every row comes in, each
// rate the double the table held.
TEST(RateExport, aTableExportedByMdbToolsImportsWhole)
{
    const RateFile file = readOk(u"mdb-export-tblExchanges.csv"_s);
    EXPECT_EQ(file.format, RateFileFormat::OwnExport);
    const std::vector<std::pair<QString, double>> expected{
        {u"Britain"_s, 1.0},         {u"France"_s, 1.17},   {u"Korea, South"_s, 1520.1},
        {u"Japan"_s, 188.5},         {u"United States"_s, 1.27}, {u"Kuwait"_s, 0.3857},
        {u"Indonesia"_s, 18234.56},  {u"Zimbabwe"_s, 0.00001}, {u"Venezuela"_s, 12345678.9},
        {u"Iran"_s, 52631.578947368}};
    ImportPlan plan = planImport(file, {});
    ASSERT_EQ(plan.changes.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(plan.changes[i].country, expected[i].first);
        EXPECT_EQ(plan.changes[i].newRate, expected[i].second) << str(expected[i].first);
        plan.changes[i].ticked = true;  // Tick all
    }
    EXPECT_EQ(ratesToWrite(plan.changes).size(), expected.size());
}

// A table whose bureau set codes, margins, smallest notes and a minimum
// commission: the export carries them all and reads back unchanged.
std::vector<RateRow> termsTable()
{
    std::vector<RateRow> rows = oddTable();
    rows[0].code = u"GBP"_s;
    rows[3].code = u"XOF"_s;
    rows[3].buyMargin = 2.5;
    rows[3].sellMargin = 0.1 + 0.2;
    rows[3].smallestNote = Money::fromHundredths(100000);
    rows[6].smallestNote = Money::fromHundredths(25);
    return rows;
}

TEST(RateExport, carriesTheTermsAndTheMinimumCommissionAndReadsThemBack)
{
    const Money minimum = Money::fromHundredths(250);
    const QByteArray csv = exportCsv(termsTable(), minimum);
    EXPECT_TRUE(csv.startsWith("Tallyvane rates,3\r\nMinimum Commission,2.50\r\n"
                               "Country,Monetery Unit,Exchange Rate,Updated,Code,Buy Margin,Sell Margin,Smallest Note\r\n"
                               "Britain,Pound,1,,GBP,0,0,0.00\r\n"))
        << csv.toStdString();
    const RateFileResult back = parseRateFile(csv, u"export.csv"_s);
    ASSERT_TRUE(back.ok()) << str(back.error);
    EXPECT_EQ(back.file->minimumCommission, minimum);
    EXPECT_TRUE(planImport(*back.file, termsTable()).empty());

    // Into an empty table every row comes back with all it carries.
    ImportPlan plan = planImport(*back.file, {});
    for (RateChange& change : plan.changes)
        change.ticked = true;
    const std::vector<RateWrite> writes = ratesToWrite(plan.changes);
    const std::vector<RateRow> table = termsTable();
    ASSERT_EQ(writes.size(), table.size());
    for (std::size_t i = 0; i < table.size(); ++i) {
        SCOPED_TRACE(str(table[i].country));
        EXPECT_EQ(writes[i].code, table[i].code);
        EXPECT_EQ(writes[i].buyMargin, table[i].buyMargin);
        EXPECT_EQ(writes[i].sellMargin, table[i].sellMargin);
        EXPECT_EQ(writes[i].smallestNote, table[i].smallestNote);
    }

    // A table without any of it is written as earlier releases wrote it.
    EXPECT_TRUE(exportCsv(oddTable()).startsWith("Country,Monetery Unit,Exchange Rate,Updated\r\n"));
}

// An earlier release knows a file by its first line: the new first line is
// no header of theirs (neither an export's, nor the central bank's, nor the
// monthly rates' columns), so they refuse the file rather than misread it.
TEST(RateExport, aNewExportIsNoFileEarlierReleasesKnow)
{
    const QStringList first{ExportMarker.toString(), u"3"_s};
    EXPECT_FALSE(isExportHeader(first));
    EXPECT_NE(first.front(), u"Date"_s);
    EXPECT_FALSE(ukColumns(first).found());
}

struct ExportVariant {
    const char* name;
    QByteArray csv;
    const char* fault;  // nullptr: it reads
};

void PrintTo(const ExportVariant& c, std::ostream* os)
{
    *os << c.name;
}

class ExportVariants : public testing::TestWithParam<ExportVariant> {};

TEST_P(ExportVariants, readOrAreRefusedWithTheirFault)
{
    const RateFileResult result = parseRateFile(GetParam().csv, u"rates.csv"_s);
    if (!GetParam().fault) {
        ASSERT_TRUE(result.ok()) << str(result.error);
        EXPECT_EQ(result.file->minimumCommission, Money::fromHundredths(350));
        EXPECT_EQ(result.file->rates.back().sellMargin, 1.5);
        EXPECT_EQ(result.file->rates.back().smallestNote, Money::fromHundredths(50));
        return;
    }
    ASSERT_FALSE(result.ok());
    EXPECT_TRUE(result.error.contains(QString::fromUtf8(GetParam().fault))) << str(result.error);
}

const QByteArray kHeader = "Country,Monetery Unit,Exchange Rate,Updated,Code,Buy Margin,Sell Margin,Smallest Note\n";

INSTANTIATE_TEST_SUITE_P(RateExport, ExportVariants, testing::Values(
    ExportVariant{"asWritten", "Tallyvane rates,3\nMinimum Commission,3.50\n" + kHeader + "Kuwait,Dinar,0.3857,,KWD,0,1.5,0.5\n",
                  nullptr},
    // Saved by a spreadsheet in a comma locale: semicolons, decimal commas, blank cells after each line.
    ExportVariant{"spreadsheetSave", "Tallyvane rates;3;;;;;;\nMinimum Commission;3,50;;;;;;\n"
                                     + QByteArray(kHeader).replace(',', ';')
                                     + "Kuwait;Dinar;0,3857;;KWD;0;1,5;0,50\n",
                  nullptr},
    ExportVariant{"newerLayout", "Tallyvane rates,4\n" + kHeader, "newer version of Tallyvane (layout 4)"},
    ExportVariant{"noLayout", "Tallyvane rates\n" + kHeader, "names no layout"},
    ExportVariant{"unknownSetting", "Tallyvane rates,3\nTill Name,Front\n" + kHeader, "line 2"},
    ExportVariant{"badMinimum", "Tallyvane rates,3\nMinimum Commission,-1\n" + kHeader, "minimum commission"},
    ExportVariant{"noHeader", "Tallyvane rates,3\nMinimum Commission,1\n", "ends before the header"},
    ExportVariant{"marginOf100", "Tallyvane rates,3\n" + kHeader + "Kuwait,Dinar,0.3857,,KWD,100,0,0\n",
                  "line 3: the Buy Margin '100' is not below 100."},
    ExportVariant{"lowerCaseCode", "Tallyvane rates,3\n" + kHeader + "Kuwait,Dinar,0.3857,,kwd,0,0,0\n",
                  "the Code 'kwd' is not a currency code"},
    // Saved by a spreadsheet that keeps commas between fields and quotes decimal commas.
    ExportVariant{"quotedDecimalCommas", "Tallyvane rates,3\nMinimum Commission,\"3,50\"\n" + kHeader
                                             + "Kuwait,Dinar,\"0,3857\",,KWD,0,\"1,5\",\"0,50\"\n",
                  nullptr},
    ExportVariant{"noteWithThreeDecimals", "Tallyvane rates,3\n" + kHeader + "Kuwait,Dinar,0.3857,,KWD,0,0,0.125\n",
                  "more than two decimals"}),
    [](const testing::TestParamInfo<ExportVariant>& info) { return std::string(info.param.name); });

TEST(RateExport, writesTheFileAndReportsAFailure)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(suggestedExportName(QDate(2026, 12, 7)));
    EXPECT_TRUE(path.endsWith(u"/Tallyvane rates 2026-12-07.csv"_s));
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old content that is longer than nothing");
    old.close();
    EXPECT_EQ(writeExportFile(path, oddTable()), QString());
    QFile written(path);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), exportCsv(oddTable()));

    const QString bad = dir.filePath(u"no such folder/x.csv"_s);
    const QString error = writeExportFile(bad, oddTable());
    EXPECT_TRUE(error.contains(u"no such folder"_s)) << str(error);
}

} // namespace
