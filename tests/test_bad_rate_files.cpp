// Files that cannot be imported, each refused with a message naming the file
// and the line; names holding "%1" quoted as they are; a missing file, a
// folder, a device and a huge file refused by name. And the rate-file fuzzer's
// committed inputs replayed through its own checks.
#include "fuzz/rateimport_check.h"
#include "ratefiles/Csv.h"
#include "ratefiles/RateFile.h"
#include "tests/FuzzReplay.h"
#include "tests/RateFileFixtures.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>
#include <string>

using namespace Qt::StringLiterals;
using namespace data;
using namespace ratefiles;
using TestSupport::str;
using RateFileFixtures::fixture;

namespace {

struct BadFile {
    const char* name;
    QByteArray bytes;
    const char* says;  // part of the message
    int line;          // the line named; -1 none; 0 either
};

// By name: the bytes themselves may be binary.
void PrintTo(const BadFile& f, std::ostream* os)
{
    *os << f.name;
}

const QByteArray UkHeader = "Country/Territories,Currency,Currency Code,Currency Units per \xC2\xA3" "1,Start date,End date\n";
const QByteArray ExportHeader = "Country,Monetery Unit,Exchange Rate\n";

QByteArray exportRows(int n)
{
    QByteArray out = ExportHeader;
    for (int i = 1; i <= n; ++i)
        out += "Country " + QByteArray::number(i) + ",Unit,1.5\n";
    return out;
}

class BadFileTest : public ::testing::TestWithParam<BadFile> {};

TEST_P(BadFileTest, isAMessageNamingTheFileAndLine)
{
    const QString path = u"/tmp/some folder/rates.csv"_s;
    const RateFileResult r = parseRateFile(GetParam().bytes, path);
    ASSERT_FALSE(r.ok());
    EXPECT_FALSE(r.file.has_value());
    EXPECT_TRUE(r.error.startsWith(u"'/tmp/some folder/rates.csv'"_s)) << str(r.error);
    EXPECT_TRUE(r.error.contains(QLatin1StringView(GetParam().says))) << str(r.error);
    if (GetParam().line > 0) {
        EXPECT_TRUE(r.error.contains(u", line %1:"_s.arg(GetParam().line))) << str(r.error);
    } else if (GetParam().line < 0) {
        EXPECT_FALSE(r.error.contains(u", line "_s)) << str(r.error);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, BadFileTest,
    ::testing::Values(
        BadFile{"empty", "", "is empty", -1}, BadFile{"blanksOnly", " \r\n\t\n", "is empty", -1},
        BadFile{"binary", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), "binary", -1},
        BadFile{"utf16Garbage", QByteArray("\xFF\xFE\x00\xD8", 4), "not a text file", -1},
        BadFile{"otherCsv", "name,age\nAnn,7\n", "not a rate file", 1},
        BadFile{"otherXml", "<html><body/></html>", "not a rate file", -1},
        BadFile{"notXml", "<<<", "malformed", 1},
        BadFile{"monthlyXmlCutShort", fixture(u"uk-monthly-2020-01.xml"_s).left(700), "cut short", 0},
        BadFile{"dailyXmlCutShort", fixture(u"ecb-daily-2022-04-29.xml"_s).left(600), "cut short", 0},
        BadFile{"rateNotANumber", UkHeader + "USA,Dollar,USD,1.3O71,01/01/2020,31/01/2020\n", "not a number", 2},
        // A quoted comma is a decimal comma, but not beside a point: that is grouping.
        BadFile{"rateWithGrouping", UkHeader + "Korea,Won,KRW,\"1,520.10\",01/01/2020,31/01/2020\n",
                "thousands separators are not read", 2},
        BadFile{"rateZero", UkHeader + "\nUSA,Dollar,USD,0,01/01/2020,31/01/2020\n", "not above 0", 3},
        BadFile{"rateNegative", UkHeader + "USA,Dollar,USD,-1.3,01/01/2020,31/01/2020\n", "not above 0", 2},
        BadFile{"rateHuge", UkHeader + "USA,Dollar,USD,1e999,01/01/2020,31/01/2020\n", "too large", 2},
        BadFile{"rateMissing", UkHeader + "USA,Dollar,USD, ,01/01/2020,31/01/2020\n", "missing", 2},
        BadFile{"duplicateCountry",
                UkHeader + "USA,Dollar,USD,1.3,01/01/2020,31/01/2020\nFrance,Euro,EUR,1.1,01/01/2020,31/01/2020\n"
                           "USA,Dollar,USD,1.4,01/01/2020,31/01/2020\n",
                "listed twice (first on line 2)", 4},
        BadFile{"fieldsMissing", UkHeader + "USA,Dollar,USD,1.3\n", "expected 6 fields, found 4", 2},
        BadFile{"badDate", UkHeader + "USA,Dollar,USD,1.3,31/02/2020,31/01/2020\n", "not a date", 2},
        BadFile{"quoteNotClosed", UkHeader + "\"USA,Dollar,USD,1.3,01/01/2020,31/01/2020\n", "not closed", 3},
        BadFile{"headerOnly", UkHeader, "holds no rates", -1},
        BadFile{"xmlRateNotANumber",
                "<exchangeRateMonthList Period=\"01/Jan/2020 to 31/Jan/2020\">\n<exchangeRate>\n"
                "<countryName>USA</countryName><rateNew>abc</rateNew></exchangeRate></exchangeRateMonthList>",
                "element <rateNew> of 'USA'", 2},
        BadFile{"xmlRateMissing",
                "<exchangeRateMonthList>\n\n<exchangeRate><countryName>USA</countryName></exchangeRate>"
                "</exchangeRateMonthList>",
                "has no <rateNew>", 3},
        BadFile{"xmlBadPeriod", "<exchangeRateMonthList Period=\"January 2020\"></exchangeRateMonthList>",
                "the period 'January 2020'", 1},
        BadFile{"dailyWithoutPound", "Date, USD, JPY\n29 April 2022, 1.0540, 137.01\n", "pound (GBP)", 2},
        BadFile{"dailyXmlWithoutPound",
                "<gesmes:Envelope xmlns:gesmes=\"g\">\n<Cube>\n<Cube time='2022-04-29'>\n"
                "<Cube currency='USD' rate='1.05'/></Cube></Cube></gesmes:Envelope>",
                "pound (GBP)", 3},
        BadFile{"dailyDuplicateCurrency",
                "<gesmes:Envelope xmlns:gesmes=\"g\"><Cube><Cube time='2022-04-29'>\n"
                "<Cube currency='GBP' rate='0.8'/>\n<Cube currency='GBP' rate='0.9'/></Cube></Cube></gesmes:Envelope>",
                "listed twice", 3},
        BadFile{"dailyRateZero", "Date,USD,GBP\n29 April 2022,0,0.8\n", "USD: the rate '0' is not above 0", 2},
        BadFile{"dailyOverflowsPerPound", "Date,USD,GBP\n29 April 2022,1e300,1e-300\n", "per pound", 2},
        BadFile{"dailyBadDay", "Date,USD,GBP\nyesterday,1,0.8\n", "'yesterday' is not a date", 2},
        BadFile{"exportBadDate", "Country,Monetery Unit,Exchange Rate,Updated\nX,Y,1,2020-13-01\n", "not a date", 2},
        // 01/03/2024 is the first of March in one locale and January the third in another.
        BadFile{"exportSlashedDate", "Country,Monetery Unit,Exchange Rate,Updated\nX,Y,1,01/03/2024\n",
                "not a date (YYYY-MM-DD, or DD.MM.YYYY", 2},
        BadFile{"exportShortRow", "Country,Monetery Unit,Exchange Rate,Updated\nX,Y,1\n", "expected 4 fields", 2},
        BadFile{"exportDuplicate", "Country,Monetery Unit,Exchange Rate,Updated\nX,Y,1,\nX,Z,2,\n", "listed twice",
                3},
        // Spreadsheet saves whose header is right but something else is not.
        BadFile{"decimalCommaSplitsTheRow", ExportHeader + "France,Euro,1,17\n", "expected 3 fields, found 4 (separated by commas", 2},
        BadFile{"quotedDecimalCommaBesideAPoint", ExportHeader + "France,Euro,\"1,17\"\nX,Y,2.5\n",
                "'2.5' has a decimal point where the rate on line 2 has a decimal comma", 3},
        BadFile{"quotedRateWithBothMarks", ExportHeader + "Indonesia,Rupiah,\"18.234,56\"\n",
                "thousands separators are not read", 2},
        BadFile{"decimalMarksMixedInATabFile", "Country\tMonetery Unit\tExchange Rate\nFrance\tEuro\t1,17\nX\tY\t2.5\n",
                "has a decimal point where the rate on line 2 has a decimal comma", 3},
        BadFile{"thousandsSeparator", "Country;Monetery Unit;Exchange Rate\nIndonesia;Rupiah;18.234,56\n",
                "thousands separators are not read", 2},
        BadFile{"decimalMarksMixed", "Country;Monetery Unit;Exchange Rate\nFrance;Euro;1,17\nIndonesia;Rupiah;18.234\n",
                "'18.234' has a decimal point where the rate on line 2 has a decimal comma", 3},
        BadFile{"rowsNotSeparatedAsTheHeader", "Country;Monetery Unit;Exchange Rate\nFrance,Euro,1.17\n",
                "expected 3 fields, found 1 (separated by semicolons", 2},
        BadFile{"dailyCurrencyTwiceInHeader", "Date,USD,GBP,USD\n29 April 2022,1,0.8,1\n", "USD is listed twice", 1},
        // Rates no arithmetic can use, and files too large to preview.
        BadFile{"rateSubnormal", UkHeader + "USA,Dollar,USD,1e-320,01/01/2020,31/01/2020\n", "'1e-320' is too small", 2},
        BadFile{"rateUnderflowsToZero", ExportHeader + "X,Y,0." + QByteArray(400, '0') + "1\n", "is too small", 2},
        BadFile{"exportSubnormal", ExportHeader + "X,Y,4.9406564584124654e-324\n", "is too small", 2},
        BadFile{"dailySubnormalPerPound", "Date,USD,GBP\n29 April 2022,1e-300,1e10\n", "per pound", 2},
        BadFile{"tooManyRates", exportRows(MaxRatesPerFile + 1), "more than 10000 rates", MaxRatesPerFile + 2},
        BadFile{"lineTooWide", ExportHeader + "France,Euro,1.17" + QByteArray(Csv::MaxFields, ',') + "\n",
                "more than 16384 fields", 2}),
    [](const auto& info) { return std::string(info.param.name); });

// A name holding "%1" or "%2", of the file or in it, is shown as it is.
struct PercentName {
    const char* name;
    const char* path;
    QByteArray bytes;
    const char* error;
};

void PrintTo(const PercentName& p, std::ostream* os)
{
    *os << p.name;
}

class PercentNameTest : public ::testing::TestWithParam<PercentName> {};

TEST_P(PercentNameTest, errorQuotesNamesExactly)
{
    const RateFileResult r = parseRateFile(GetParam().bytes, QString::fromUtf8(GetParam().path));
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(str(r.error), GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Names, PercentNameTest,
    ::testing::Values(
        PercentName{"wholeFile", "/tmp/rates %1.csv", "", "'/tmp/rates %1.csv' is empty."},
        PercentName{"wholeFileWithDetail", "/tmp/x%2.xml", "<html/>",
                    "'/tmp/x%2.xml' is not a rate file this program knows: its XML starts with <html>."},
        PercentName{"lineOfFile", "/tmp/a%1b%2.csv", UkHeader + "USA,Dollar,USD,abc,01/01/2020,31/01/2020\n",
                    "'/tmp/a%1b%2.csv', line 2: the rate 'abc' is not a number."},
        PercentName{"countryTwice", "r.csv",
                    UkHeader + "U%2SA,Dollar,USD,1.3,01/01/2020,31/01/2020\n"
                               "U%2SA,Dollar,USD,1.4,01/01/2020,31/01/2020\n",
                    "'r.csv', line 3: the country 'U%2SA' is listed twice (first on line 2)."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RateFileRead, aMissingFileAFolderADeviceAndAHugeFileAreRefusedByName)
{
    QTemporaryDir dir;
    const QString missing = dir.filePath(u"gone.csv"_s);
    RateFileResult r = readRateFile(missing);
    ASSERT_FALSE(r.ok());
    EXPECT_TRUE(r.error.contains(missing)) << str(r.error);

    for (const QString& notAFile : {dir.path(), u"/dev/zero"_s}) {
        r = readRateFile(notAFile);
        ASSERT_FALSE(r.ok());
        EXPECT_TRUE(r.error.contains(u"is not a file"_s)) << str(r.error);
    }

    const QString huge = dir.filePath(u"huge.csv"_s);
    QFile f(huge);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_TRUE(f.resize(50LL * 1024 * 1024));  // sparse: no 50 MB written
    f.close();
    r = readRateFile(huge);
    ASSERT_FALSE(r.ok());
    EXPECT_TRUE(r.error.contains(huge));
    EXPECT_TRUE(r.error.contains(u"too large"_s)) << str(r.error);
}

// ------------------------------------------------------------------ fuzz inputs

TEST(RateImportFuzzReplay, committedInputsPassTheChecks)
{
    replayFuzzInputs({TALLYVANE_FUZZ_DIR "/corpus-rateimport", TALLYVANE_FUZZ_DIR "/regressions-rateimport"},
                     RateImportCheck::check, 5);
    // The download-shaped files too.
    for (const QString& name : {u"uk-monthly-2020-01.csv"_s, u"uk-monthly-2020-01.xml"_s,
                                u"ecb-daily-2022-04-29.xml"_s, u"ecb-daily-2022-04-29.csv"_s}) {
        const QByteArray bytes = fixture(name);
        EXPECT_EQ(RateImportCheck::check(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                         static_cast<std::size_t>(bytes.size())),
                  "")
            << str(name);
    }
}

} // namespace
