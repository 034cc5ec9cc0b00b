// Every rate-file format, read from the download-shaped files in
// tests/data/import and from bytes shaped as downloads and spreadsheet saves
// arrive, and the dates the sources write.
#include "ratefiles/RateFile.h"
#include "ratefiles/RateImportNames.h"
#include "tests/RateFileFixtures.h"
#include "widgets/RateFileWords.h"

#include <QByteArray>
#include <QDate>
#include <QString>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <ostream>
#include <string>

using namespace Qt::StringLiterals;
using namespace data;
using namespace ratefiles;
using TestSupport::str;
using RateFileFixtures::readOk;
using widgets::periodText;

namespace {

const FileRate* findRate(const RateFile& file, const QString& country)
{
    for (const FileRate& r : file.rates) {
        if (r.country == country)
            return &r;
    }
    return nullptr;
}

// Row for row the same rates, as two shapes of one file must give.
void expectSameRates(const RateFile& file, const RateFile& expected)
{
    ASSERT_EQ(file.rates.size(), expected.rates.size());
    for (std::size_t i = 0; i < expected.rates.size(); ++i) {
        SCOPED_TRACE(str(expected.rates[i].country));
        EXPECT_EQ(file.rates[i].country, expected.rates[i].country);
        EXPECT_EQ(file.rates[i].unit, expected.rates[i].unit);
        EXPECT_EQ(file.rates[i].currencyCode, expected.rates[i].currencyCode);
        EXPECT_EQ(file.rates[i].rate, expected.rates[i].rate);
        EXPECT_EQ(file.rates[i].date, expected.rates[i].date);
    }
}

TEST(RateFileFormats, monthlyCsvAndXmlAgreeRowForRow)
{
    const RateFile csv = readOk(u"uk-monthly-2020-01.csv"_s);
    const RateFile xml = readOk(u"uk-monthly-2020-01.xml"_s);
    EXPECT_EQ(csv.format, RateFileFormat::UkMonthlyCsv);
    EXPECT_EQ(xml.format, RateFileFormat::UkMonthlyXml);
    ASSERT_EQ(csv.rates.size(), 173u);
    ASSERT_EQ(xml.rates.size(), csv.rates.size());
    for (const RateFile* f : {&csv, &xml}) {
        EXPECT_EQ(f->from, QDate(2020, 1, 1));
        EXPECT_EQ(f->to, QDate(2020, 1, 31));
        EXPECT_EQ(periodText(*f), u"1 January 2020 to 31 January 2020"_s);
    }
    expectSameRates(xml, csv);
    EXPECT_TRUE(std::all_of(csv.rates.begin(), csv.rates.end(),
                            [](const FileRate& r) { return r.date == QDate(2020, 1, 1); }));
    // Quoted names, trailing blanks, an escaped ampersand.
    const FileRate* korea = findRate(csv, u"Korea, South"_s);
    ASSERT_TRUE(korea);
    EXPECT_EQ(korea->rate, 97142.8571);
    const FileRate* argentina = findRate(xml, u"Argentina"_s);
    ASSERT_TRUE(argentina);
    EXPECT_EQ(argentina->unit, u"Peso"_s);
    EXPECT_EQ(argentina->rate, 0.3857);
    EXPECT_TRUE(findRate(xml, u"Trinidad & Tobago"_s));
    EXPECT_EQ(findRate(csv, u"Abu Dhabi"_s)->rate, 0.1);
    EXPECT_EQ(findRate(xml, u"USA"_s)->territoryCode, u"US"_s);
}

TEST(RateFileFormats, spreadsheetSavesOfTheMonthlyCsvAgreeRowForRow)
{
    const RateFile csv = readOk(u"uk-monthly-2020-01.csv"_s);
    for (const QString& name : {u"uk-monthly-2020-01-unicode-text.txt"_s, u"uk-monthly-2020-01-semicolon.csv"_s}) {
        SCOPED_TRACE(str(name));
        const RateFile saved = readOk(name);
        EXPECT_EQ(saved.format, RateFileFormat::UkMonthlyCsv);
        EXPECT_EQ(periodText(saved), periodText(csv));
        expectSameRates(saved, csv);
    }
}

// LibreOffice Calc's own CSV save (its default filter: commas, quotes where
// needed, the cells as shown) of a sheet typed in German. Made with Debian's
// libreoffice-calc-nogui in de_DE.UTF-8: the sheet's rows typed as a semicolon
// file and opened with German settings (soffice --headless --infilter=
// "CSV:59,34,76,1,,1031" --convert-to ods), then saved by
// soffice --headless --convert-to csv.
TEST(RateFileFormats, libreOfficesDefaultCsvOfAGermanSheetIsRead)
{
    const RateFile file = readOk(u"libreoffice-de-sheet.csv"_s);
    EXPECT_EQ(file.format, RateFileFormat::OwnExport);
    const std::map<std::string, std::pair<double, QDate>> expected{
        {"Britain", {1.0, QDate()}},
        {"France", {1.19, QDate(2026, 12, 1)}},
        {"Japan", {191.25, QDate(2026, 12, 1)}},
        {"Poland", {5.0625, QDate(2026, 12, 9)}},
        {"Indonesia", {21150.0, QDate(2026, 12, 9)}},
    };
    ASSERT_EQ(file.rates.size(), expected.size());
    for (const FileRate& r : file.rates) {
        SCOPED_TRACE(str(r.country));
        ASSERT_TRUE(expected.count(str(r.country)));
        EXPECT_EQ(r.rate, expected.at(str(r.country)).first);
        EXPECT_EQ(r.date, expected.at(str(r.country)).second);
    }
}

TEST(RateFileFormats, dailyXmlAndCsvAreTurnedIntoRatesPerPound)
{
    const RateFile xml = readOk(u"ecb-daily-2022-04-29.xml"_s);
    const RateFile csv = readOk(u"ecb-daily-2022-04-29.csv"_s);
    EXPECT_EQ(xml.format, RateFileFormat::EcbDailyXml);
    EXPECT_EQ(csv.format, RateFileFormat::EcbDailyCsv);
    for (const RateFile* f : {&xml, &csv}) {
        EXPECT_EQ(f->from, QDate(2022, 4, 29));
        EXPECT_EQ(periodText(*f), u"29 April 2022"_s);
        ASSERT_EQ(f->rates.size(), 32u);  // 31 currencies and the euro itself
        std::map<QString, double> byCode;
        for (const FileRate& r : f->rates) {
            byCode[r.currencyCode] = r.rate;
            EXPECT_EQ(r.date, QDate(2022, 4, 29));
            EXPECT_FALSE(r.country.isEmpty());
        }
        // Divided by the pound's 0.84365, to six significant digits.
        EXPECT_EQ(byCode[u"USD"_s], 1.24933);  // 1.0540
        EXPECT_EQ(byCode[u"JPY"_s], 162.401);  // 137.01
        EXPECT_EQ(byCode[u"EUR"_s], 1.18533);
        EXPECT_EQ(byCode[u"GBP"_s], 1.0);
    }
    EXPECT_EQ(findRate(xml, u"Japan"_s)->unit, u"Yen"_s);
}

TEST(RateFileFormats, historyFilesTakeTheLatestDayAndSkipUnquotedCurrencies)
{
    const QByteArray bytes = "Date,USD,RUB,GBP,\n28 April 2022,1.0485,N/A,0.84183,\n"
                             "29 April 2022,1.0540,N/A,0.84365,\n27 April 2022,1.0,N/A,0.8,\n";
    const RateFileResult r = parseRateFile(bytes, u"hist.csv"_s);
    ASSERT_TRUE(r.ok()) << str(r.error);
    EXPECT_EQ(r.file->from, QDate(2022, 4, 29));
    ASSERT_EQ(r.file->rates.size(), 3u);  // USD, GBP and the euro; no rouble that day
    EXPECT_EQ(r.file->rates[0].rate, 1.24933);  // 1.0540 / 0.84365
}

TEST(RateFileFormats, headerWordingAndLetterCaseMayVary)
{
    const QByteArray bytes = "COUNTRY,currency,CURRENCY CODE,Currency units per \xC2\xA3" "1,Start Date,End Date\n"
                             "Ruritania,Crown,RUC,2.5,01/03/2021,31/03/2021\n";
    const RateFileResult r = parseRateFile(bytes, u"m.csv"_s);
    ASSERT_TRUE(r.ok()) << str(r.error);
    EXPECT_EQ(r.file->format, RateFileFormat::UkMonthlyCsv);
    EXPECT_EQ(r.file->rates[0].unit, u"Crown"_s);
    EXPECT_EQ(r.file->from, QDate(2021, 3, 1));
}

TEST(RateFileFormats, windowsBytesAreReadAsText)
{
    // A sheet saved on Windows in its older encoding: the pound sign as one
    // byte, and a curly apostrophe from the range Latin-1 leaves to controls.
    const QByteArray bytes = "Country,Currency,Currency Code,Currency Units per \xA3" "1,Start Date,End Date\r\n"
                             "Cura\xE7" "ao,Guilder,ANG,2.3,01/01/2020,31/01/2020\r\n"
                             "\"C\xF4te d\x92Ivoire\",Franc,XOF,780.1 ,01/01/2020,31/01/2020\r\n"
                             ",,,,,\r\n\r\n";
    const RateFileResult r = parseRateFile(bytes, u"m.csv"_s);
    ASSERT_TRUE(r.ok()) << str(r.error);
    ASSERT_EQ(r.file->rates.size(), 2u);
    EXPECT_EQ(r.file->rates[0].country, u"Cura\u00E7ao"_s);
    EXPECT_EQ(r.file->rates[1].country, u"C\u00F4te d\u2019Ivoire"_s);
    EXPECT_EQ(currencyOfCountry(r.file->rates[1].country), u"XOF"_s);
}

// Files as real downloads arrive: byte-order marks, CR LF, quoted headers and
// names, blanks after values, older encodings declared or not.
struct DownloadCase {
    const char* name;
    QByteArray bytes;
    RateFileFormat format;
    const char* country;  // a row to look at, in UTF-8
    double rate;          // its rate per pound
};

void PrintTo(const DownloadCase& c, std::ostream* os)
{
    *os << c.name;
}

class DownloadShapeTest : public ::testing::TestWithParam<DownloadCase> {};

TEST_P(DownloadShapeTest, isReadLikeTheCleanFile)
{
    const RateFileResult r = parseRateFile(GetParam().bytes, u"download"_s);
    ASSERT_TRUE(r.ok()) << str(r.error);
    EXPECT_EQ(r.file->format, GetParam().format);
    const FileRate* row = findRate(*r.file, QString::fromUtf8(GetParam().country));
    ASSERT_TRUE(row) << GetParam().country;
    EXPECT_DOUBLE_EQ(row->rate, GetParam().rate);
}

INSTANTIATE_TEST_SUITE_P(
    Downloads, DownloadShapeTest,
    ::testing::Values(
        DownloadCase{"monthlyCsvQuotedHeader",
                     "\xEF\xBB\xBF\"Country/Territories\",\"Currency\",\"Currency Code\",\"Currency Units per \xC2\xA3"
                     "1\",\"Start date\",\"End date\"\r\n\"Korea, South\",\"Won \",KRW,\"1520.1 \",01/01/2020,31/01/2020\r\n",
                     RateFileFormat::UkMonthlyCsv, "Korea, South", 1520.1},
        DownloadCase{"dailyCsvCrLfTrailingSeparators",
                     "Date, USD, JPY, GBP, \r\n29 April 2022, 1.0540, 137.01, 0.84365, \r\n\r\n",
                     RateFileFormat::EcbDailyCsv, "Japan", 162.401},
        DownloadCase{"dailyXmlMarkCrLfSingleQuotes",
                     "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<gesmes:Envelope "
                     "xmlns:gesmes=\"http://www.gesmes.org/xml/2002-08-01\" "
                     "xmlns=\"http://www.ecb.int/vocabulary/2002-08-01/eurofxref\">\r\n<Cube>\r\n"
                     "<Cube time='2022-04-29'>\r\n<Cube currency='USD' rate='1.0540'/>\r\n"
                     "<Cube currency='GBP' rate='0.84365'/>\r\n</Cube>\r\n</Cube>\r\n</gesmes:Envelope>\r\n",
                     RateFileFormat::EcbDailyXml, "United States", 1.24933},
        DownloadCase{"monthlyXmlDeclaredLatinOne",
                     "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\r\n<exchangeRateMonthList "
                     "Period=\"01/Jan/2020 to 31/Jan/2020\">\r\n<exchangeRate><countryName>Cura\xE7" "ao "
                     "</countryName><currencyName>Guilder </currencyName><currencyCode>ANG</currencyCode>"
                     "<rateNew>2.3 </rateNew></exchangeRate>\r\n</exchangeRateMonthList>\r\n",
                     RateFileFormat::UkMonthlyXml, "Cura\xC3\xA7" "ao", 2.3},
        DownloadCase{"monthlyXmlDeclaredWindows1252",
                     "<?xml version=\"1.0\" encoding=\"windows-1252\"?>\n<exchangeRateMonthList "
                     "Period=\"01/Jan/2020 to 31/Jan/2020\">\n<exchangeRate><countryName>USA</countryName>"
                     "<rateNew>1.3071</rateNew></exchangeRate>\n</exchangeRateMonthList>\n",
                     RateFileFormat::UkMonthlyXml, "USA", 1.3071}),
    [](const auto& info) { return std::string(info.param.name); });

// Text as Excel's "Unicode Text" holds it: UTF-16LE after its mark.
QByteArray unicodeText(const char16_t* text)
{
    const QString s = QString::fromUtf16(text);
    return QByteArray("\xFF\xFE", 2) + QByteArray(reinterpret_cast<const char*>(s.utf16()), s.size() * 2);
}

INSTANTIATE_TEST_SUITE_P(
    SpreadsheetSaves, DownloadShapeTest,
    ::testing::Values(
        DownloadCase{"exportSemicolonsDecimalCommas",
                     "Country;Monetery Unit;Exchange Rate;Updated;\r\n\"Britain\";\"Pound\";1;;\r\n"
                     "\"France\";\"Euro\";1,17;2024-03-01;\r\n\"Korea, South\";\"Won\";1520,1;;\r\n"
                     "\"Say \"\"Hi\"\"\";\"Unit\";1,23E-05;;\r\n;;;;",
                     RateFileFormat::OwnExport, "France", 1.17},
        DownloadCase{"exportSemicolonsDecimalPoints", "Country;Monetery Unit;Exchange Rate\nFrance;Euro;1.17\n",
                     RateFileFormat::OwnExport, "France", 1.17},
        DownloadCase{"exportUnicodeText",
                     unicodeText(u"Country\tMonetery Unit\tExchange Rate\tUpdated\r\nKorea, South\tWon\t1520.1\t\r\n"
                                 u"\"Say \"\"Hi\"\"\"\tUnit\t2.5\t2024-03-01\r\nC\u00F4te d'Ivoire\tFranc\t655.957\t\r\n"),
                     RateFileFormat::OwnExport, "C\xC3\xB4te d'Ivoire", 655.957},
        // As a spreadsheet in a comma locale saves "Unicode Text".
        DownloadCase{"exportUnicodeTextDecimalCommas",
                     unicodeText(u"Country\tMonetery Unit\tExchange Rate\tUpdated\r\nFrance\tEuro\t1,17\t01.03.2024\r\n"
                                 u"Korea, South\tWon\t1520,1\t\r\n"),
                     RateFileFormat::OwnExport, "France", 1.17},
        DownloadCase{"dailyCsvSemicolonsDecimalCommas",
                     "Date;USD;JPY;GBP;\n29.04.2022;1,0540;137,01;0,84365;\n", RateFileFormat::EcbDailyCsv,
                     "Japan", 162.401}),
    [](const auto& info) { return std::string(info.param.name); });

struct DateCase {
    const char* written;
    QDate date;  // null: refused
};

class DateFormTest : public ::testing::TestWithParam<DateCase> {};

TEST_P(DateFormTest, startDatesAreReadAsTheSourcesWriteThem)
{
    const QByteArray bytes = "Country,Currency Code,Rate,Start date\nUSA,USD,1.3," + QByteArray(GetParam().written) + "\n";
    const RateFileResult r = parseRateFile(bytes, u"d.csv"_s);
    if (GetParam().date.isNull()) {
        EXPECT_FALSE(r.ok()) << GetParam().written;
        return;
    }
    ASSERT_TRUE(r.ok()) << str(r.error);
    EXPECT_EQ(r.file->from, GetParam().date);
    EXPECT_EQ(r.file->to, GetParam().date);
}

INSTANTIATE_TEST_SUITE_P(
    Dates, DateFormTest,
    ::testing::Values(DateCase{"01/02/2020", QDate(2020, 2, 1)}, DateCase{"1/2/2020", QDate(2020, 2, 1)},
                      DateCase{"01/Feb/2020", QDate(2020, 2, 1)}, DateCase{"01-feb-2020", QDate(2020, 2, 1)},
                      DateCase{"1 February 2020", QDate(2020, 2, 1)}, DateCase{"2020-02-01", QDate(2020, 2, 1)},
                      DateCase{" 29/02/2020 ", QDate(2020, 2, 29)}, DateCase{"29/02/2021", QDate()},
                      DateCase{"01/13/2020", QDate()}, DateCase{"01/02/20", QDate()}, DateCase{"Feb 2020", QDate()},
                      DateCase{"01/Fbr/2020", QDate()}, DateCase{"", QDate()}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

} // namespace
