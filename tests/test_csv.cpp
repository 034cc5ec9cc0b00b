// The CSV reader every rate file goes through: fields, quotes, line breaks and
// separators, the line a malformed text fails on, and written fields read back.
#include "ratefiles/Csv.h"
#include "tests/TestSupport.h"

#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

using namespace Qt::StringLiterals;
using namespace data;
using namespace ratefiles;
using TestSupport::str;

namespace {

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

} // namespace
