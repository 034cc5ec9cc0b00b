// Rates from files: the CSV reader, every file format (download-shaped files in
// tests/data/import), the matching of file rows to the table, the export and its
// round trip, bad files, the preview dialog's ticks, and the fuzz inputs replayed.
#include "fuzz/rateimport_check.h"
#include "maintenance/frmImportRates.h"
#include "ratefiles/Csv.h"
#include "ratefiles/RateExport.h"
#include "ratefiles/RateFile.h"
#include "ratefiles/RateImportNames.h"
#include "ratefiles/RateImportPlan.h"
#include "tests/FuzzReplay.h"
#include "widgets/RateFileWords.h"

#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <map>

using namespace Qt::StringLiterals;
using namespace data;
using namespace ratefiles;
using widgets::periodText;

namespace {

const QString DataDir = QStringLiteral(TALLYVANE_IMPORT_DATA);

std::string str(const QString& s)
{
    return s.toStdString();
}

RateFile readOk(const QString& fileName)
{
    const RateFileResult r = readRateFile(DataDir + u'/' + fileName);
    EXPECT_TRUE(r.ok()) << str(r.error);
    return r.ok() ? *r.file : RateFile{};
}

const FileRate* findRate(const RateFile& file, const QString& country)
{
    for (const FileRate& r : file.rates) {
        if (r.country == country)
            return &r;
    }
    return nullptr;
}

const RateChange* findChange(const ImportPlan& plan, const QString& country)
{
    for (const RateChange& c : plan.changes) {
        if (c.country == country)
            return &c;
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

// ------------------------------------------------------------------ CSV reader

struct CsvCase {
    const char* name;
    QString text;
    std::vector<QStringList> records;
    std::vector<int> lines;
    QChar separator = u',';
};

void PrintTo(const CsvCase& c, std::ostream* os)
{
    *os << c.name;
}

class CsvReadTest : public ::testing::TestWithParam<CsvCase> {};

TEST_P(CsvReadTest, readsFieldsAndLines)
{
    const Csv::Result r = Csv::parse(GetParam().text, GetParam().separator);
    ASSERT_TRUE(r.ok()) << str(r.error);
    ASSERT_EQ(r.records.size(), GetParam().records.size());
    for (std::size_t i = 0; i < r.records.size(); ++i) {
        EXPECT_EQ(r.records[i].fields, GetParam().records[i]) << i;
        EXPECT_EQ(r.records[i].line, GetParam().lines[i]) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Csv, CsvReadTest,
    ::testing::Values(
        CsvCase{"plain", u"a,b\nc,d"_s, {{u"a"_s, u"b"_s}, {u"c"_s, u"d"_s}}, {1, 2}},
        CsvCase{"crlfAndBom", u"\uFEFFa,b\r\nc,d\r\n"_s, {{u"a"_s, u"b"_s}, {u"c"_s, u"d"_s}}, {1, 2}},
        CsvCase{"quotedCommaAndQuote", u"\"Korea, South\",\"Say \"\"hi\"\"\"\n"_s,
                {{u"Korea, South"_s, u"Say \"hi\""_s}}, {1}},
        CsvCase{"lineBreakInQuotes", u"\"a\r\nb\",c\nd\n"_s, {{u"a\r\nb"_s, u"c"_s}, {u"d"_s}}, {1, 3}},
        CsvCase{"blankLinesAndEmptyCells", u"\n\na\n ,,\n\r\nb,\n"_s, {{u"a"_s}, {u"b"_s, u""_s}}, {3, 6}},
        CsvCase{"blanksAroundQuotes", u"  \"x\"  , y \n"_s, {{u"x"_s, u" y "_s}}, {1}},
        CsvCase{"loneCr", u"a\rb\r"_s, {{u"a"_s}, {u"b"_s}}, {1, 2}},
        CsvCase{"emptyQuotedField", u"\"\",x"_s, {{u""_s, u"x"_s}}, {1}},
        CsvCase{"semicolons", u"a,b;\"c;d\";1,5\n"_s, {{u"a,b"_s, u"c;d"_s, u"1,5"_s}}, {1}, u';'},
        // A tab after a closing quote separates; it is no blank to skip.
        CsvCase{"tabs", u"\"x\"\t\ty \t\r\n \"a\tb\" \tc"_s, {{u"x"_s, u""_s, u"y "_s, u""_s}, {u"a\tb"_s, u"c"_s}},
                {1, 2}, u'\t'}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Csv, malformedTextNamesTheLine)
{
    const struct {
        QString text;
        int line;
    } cases[] = {{u"a\nb,\"open\n\n"_s, 4}, {u"a\n\"x\"y\n"_s, 2}, {u"a\nb\"c\n"_s, 2}};
    for (const auto& c : cases) {
        const Csv::Result r = Csv::parse(c.text);
        EXPECT_FALSE(r.ok()) << str(c.text);
        EXPECT_EQ(r.errorLine, c.line) << str(c.text);
        EXPECT_TRUE(r.records.empty());
    }
}

TEST(Csv, writtenFieldsReadBack)
{
    const QStringList fields{u"plain"_s, u"a,b"_s, u"say \"x\""_s, u" lead"_s, u"trail "_s, u"two\nlines"_s, u""_s,
                             u"\uFEFFmark"_s};
    const Csv::Result r = Csv::parse(u"x\n"_s + Csv::line(fields) + u"\r\n"_s);
    ASSERT_TRUE(r.ok());
    ASSERT_EQ(r.records.size(), 2u);
    EXPECT_EQ(r.records[1].fields, fields);
    EXPECT_EQ(Csv::field(u"plain"_s), u"plain"_s);
}

// ------------------------------------------------------------------ formats

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

// ------------------------------------------------------------------ matching

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

// ------------------------------------------------------------------ export

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

// ------------------------------------------------------------------ bad files

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

QByteArray fixture(const QString& name)
{
    QFile f(DataDir + u'/' + name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
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
        BadFile{"rateWithComma", UkHeader + "USA,Dollar,USD,\"1,3071\",01/01/2020,31/01/2020\n", "not a number", 2},
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

// ------------------------------------------------------------------ the preview

class ImportPreviewTest : public ::testing::Test {
protected:
    static RateFile file()
    {
        RateFile f;
        f.path = u"/home/user/Downloads/exrates-monthly-0120.csv"_s;
        f.format = RateFileFormat::UkMonthlyCsv;
        f.from = QDate(2020, 1, 1);
        f.to = QDate(2020, 1, 31);
        return f;
    }
    static ImportPlan plan()
    {
        ImportPlan p;
        p.changes.push_back({u"France"_s, u"Euro"_s, 1.17, QDate(2019, 12, 1), 1.18, QDate(2020, 1, 1),
                             MatchKind::Name, u"France"_s, u"EUR"_s, true});
        p.changes.push_back({u"Holland"_s, u"Euro"_s, 1.0, {}, 1.3, QDate(2020, 1, 1), MatchKind::Currency,
                             u"Netherlands"_s, u"EUR"_s, true});
        p.changes.push_back({u"Ecuador"_s, u"US Dollar"_s, 0.0, {}, 1.31, QDate(2020, 1, 1), MatchKind::New,
                             u"Ecuador"_s, u"USD"_s, false});
        return p;
    }
    static std::vector<std::string> names(const std::vector<RateChange>& changes)
    {
        std::vector<std::string> out;
        for (const RateChange& c : changes)
            out.push_back(str(c.country));
        return out;
    }
    // Toggles a row's tick as the user does: the row current, then Space.
    static void toggle(frmImportRates& dialog, int row)
    {
        dialog.tblChanges->setFocus();
        dialog.tblChanges->setCurrentCell(row, frmImportRates::ColCountry);
        QTest::keyClick(dialog.tblChanges, Qt::Key_Space);
    }
};

TEST_F(ImportPreviewTest, showsEveryChangeWithUpdatesTickedAndNewCountriesNot)
{
    frmImportRates dialog(file(), plan());
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), u"Rates to Import"_s);
    EXPECT_EQ(dialog.cmdImport->text(), u"&Import"_s);
    EXPECT_EQ(dialog.cmdCancel->text(), u"Cancel"_s);
    EXPECT_EQ(dialog.cmdTickAll->accessibleName(), u"Tick all"_s);
    EXPECT_FALSE(dialog.tblChanges->accessibleName().isEmpty());
    ASSERT_EQ(dialog.tblChanges->rowCount(), 3);
    EXPECT_EQ(names(dialog.tickedChanges()), (std::vector<std::string>{"France", "Holland"}));

    const auto text = [&](int row, int col) { return str(dialog.tblChanges->item(row, col)->text()); };
    EXPECT_EQ(text(0, frmImportRates::ColCurrent), "1.17");
    EXPECT_EQ(text(0, frmImportRates::ColCurrentDate), "1 December 2019");
    EXPECT_EQ(text(0, frmImportRates::ColNew), "1.18");
    EXPECT_EQ(text(0, frmImportRates::ColNewDate), "1 January 2020");
    EXPECT_EQ(text(1, frmImportRates::ColChange), "+30.00 %");
    EXPECT_EQ(text(1, frmImportRates::ColMatch), "Currency EUR (Netherlands)");
    EXPECT_EQ(text(2, frmImportRates::ColChange), "new");
    EXPECT_EQ(text(2, frmImportRates::ColCurrent), "");

    // The big change carries a sign and weight besides any colour; small ones do not.
    const QTableWidgetItem* big = dialog.tblChanges->item(1, frmImportRates::ColChange);
    const QTableWidgetItem* small = dialog.tblChanges->item(0, frmImportRates::ColChange);
    EXPECT_FALSE(big->icon().isNull());
    EXPECT_TRUE(big->font().bold());
    EXPECT_TRUE(big->data(Qt::AccessibleTextRole).toString().contains(u"25 %"_s));
    EXPECT_TRUE(small->icon().isNull());
    EXPECT_FALSE(small->font().bold());

    const auto* period = dialog.findChild<QLabel*>(u"lblPeriod"_s);
    ASSERT_TRUE(period);
    EXPECT_EQ(period->text(), u"Rates of 1 January 2020 to 31 January 2020"_s);
    EXPECT_TRUE(dialog.findChild<QLabel*>(u"lblFile"_s)->text().contains(u"exrates-monthly-0120.csv"_s));
}

TEST_F(ImportPreviewTest, ticksFollowTheUserAndTickAllTicksEveryRow)
{
    frmImportRates dialog(file(), plan());
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));

    toggle(dialog, 0);  // untick France
    toggle(dialog, 2);  // tick Ecuador
    EXPECT_EQ(names(dialog.tickedChanges()), (std::vector<std::string>{"Holland", "Ecuador"}));
    toggle(dialog, 1);
    toggle(dialog, 2);
    EXPECT_TRUE(dialog.tickedChanges().empty());
    EXPECT_FALSE(dialog.cmdImport->isEnabled());

    QTest::mouseClick(dialog.cmdTickAll, Qt::LeftButton);
    EXPECT_EQ(names(dialog.tickedChanges()), (std::vector<std::string>{"France", "Holland", "Ecuador"}));
    EXPECT_TRUE(dialog.cmdImport->isEnabled());
    EXPECT_EQ(dialog.findChild<QLabel*>(u"lblCount"_s)->text(), u"3 of 3 ticked"_s);
    // The ticks keep the rest of each change as planned.
    const std::vector<RateChange> all = dialog.changes();
    EXPECT_EQ(all[2].newRate, 1.31);
    EXPECT_TRUE(all[2].isNew());
}

TEST_F(ImportPreviewTest, importReturnsTheTickedChangesAndCancelNothing)
{
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<frmImportRates*>(QApplication::activeModalWidget());
        ASSERT_TRUE(dialog);
        toggle(*dialog, 2);
        QTest::mouseClick(dialog->cmdImport, Qt::LeftButton);
    });
    const auto ticked = maintenance::showImportRates(nullptr, file(), plan());
    ASSERT_TRUE(ticked.has_value());
    EXPECT_EQ(names(*ticked), (std::vector<std::string>{"France", "Holland", "Ecuador"}));

    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<frmImportRates*>(QApplication::activeModalWidget());
        ASSERT_TRUE(dialog);
        QTest::mouseClick(dialog->cmdCancel, Qt::LeftButton);
    });
    EXPECT_FALSE(maintenance::showImportRates(nullptr, file(), plan()).has_value());
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
