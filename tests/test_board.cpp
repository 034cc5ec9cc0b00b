// The rate board on a real rates file: its rows against the table, its
// commission line and oldest day, following every change, full screen and
// its memory on two screens, paging, and its PDF read back with pdftotext.

#include "AppFixture.h"
#include "calculator/RateBoard.h"
#include "calculator/frmBoard.h"
#include "data/Rates.h"
#include "widgets/Printing.h"
#include "widgets/UserSettings.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QStandardPaths>

using namespace MaintenanceFixture;
using namespace Qt::StringLiterals;

namespace {

using Row = std::array<std::string, 4>;

data::RateRow rate(const QString& country, const QString& unit, double value, const QString& code = {},
                   double buy = 0.0, double sell = 0.0, QDate updated = {})
{
    data::RateRow row{country, unit, value, updated};
    row.code = code;
    row.buyMargin = buy;
    row.sellMargin = sell;
    return row;
}

// Not in the board's order; the pound's own row has margins and the oldest
// day, neither of which may show.
std::vector<data::RateRow> boardRates()
{
    return {
        rate(u"Britain"_s, u"Pound"_s, 1.0, u"GBP"_s, 5, 5, QDate(2001, 1, 1)),
        rate(u"Japan"_s, u"Yen"_s, 188.5, u"JPY"_s, 0, 10, QDate(2023, 11, 30)),
        rate(u"France"_s, u"Euro"_s, 1.17, u"EUR"_s, 2, 3, QDate(2024, 3, 5)),
        rate(u"Czech Republic"_s, u"Koruna"_s, 29.4, u"CZK"_s, 0, 0, QDate(2024, 3, 1)),
        rate(u"britain"_s, u"Small pound"_s, 4.0),
        rate(u"Iceland"_s, u"Krona"_s, 176.4, u"ISK"_s, 99.5, 0, QDate(2024, 3, 5)),
        rate(u"Indonesia"_s, u"Rupiah"_s, 20250.4, u"IDR"_s, 50, 0.01, QDate(2024, 3, 5)),
        rate(u"C\u00f4te d'Ivoire"_s, u"Franc"_s, 760.5, {}, 1.5, 0, QDate(2024, 3, 5)),
    };
}

// What the board must show for boardRates: the rates at 6 significant digits.
const std::vector<Row> boardRows{
    {"britain", "Small pound", "4", "4"},
    {"C\u00f4te d'Ivoire", "Franc", "772.081", "760.5"},
    {"Czech Republic", "Koruna (CZK)", "29.4", "29.4"},
    {"France", "Euro (EUR)", "1.19388", "1.1349"},
    {"Iceland", "Krona (ISK)", "35280", "176.4"},
    {"Indonesia", "Rupiah (IDR)", "40500.8", "20248.4"},
    {"Japan", "Yen (JPY)", "188.5", "169.65"},
};

class BoardTest : public MaintenanceTest {
protected:
    void SetUp() override
    {
        MaintenanceTest::SetUp();
        QLocale::setDefault(QLocale(u"en_GB"_s));  // the order people read: Côte before Czech
    }

    void TearDown() override
    {
        widgets::setPrintDialogHandler({});
        MaintenanceTest::TearDown();
        QLocale::setDefault(savedLocale);
    }

    QLocale savedLocale;

    frmBoard& openBoard(const std::vector<data::RateRow>& rows = boardRates())
    {
        startProgram(rows);
        return reopen();
    }

    frmBoard& reopen()
    {
        trigger("mnuFileRateBoard");
        frmBoard* board = frmBoard::current();
        EXPECT_NE(board, nullptr);
        EXPECT_TRUE(QTest::qWaitForWindowActive(board));
        return *board;
    }

    static QTableWidget& table(const frmBoard& board)
    {
        return *AppFixture::control<QTableWidget>(board, u"tblRates"_s);
    }

    static std::vector<Row> shownRows(const frmBoard& board)
    {
        const QTableWidget& t = table(board);
        std::vector<Row> rows;
        for (int r = 0; r < t.rowCount(); ++r)
            rows.push_back({str(t.item(r, 0)->text()), str(t.item(r, 1)->text()), str(t.item(r, 2)->text()),
                            str(t.item(r, 3)->text())});
        return rows;
    }

    static QString label(const frmBoard& board, const char* name)
    {
        const QLabel* l = AppFixture::control<QLabel>(board, QString::fromLatin1(name));
        return l->isVisibleTo(&board) ? l->text() : QString();
    }

    // Prints through the menu to path, as the print dialog's PDF choice does.
    void printTo(frmBoard& board, const QString& path)
    {
        widgets::setPrintDialogHandler([path](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(path);
            return true;
        });
        AppFixture::control<QAction>(board, u"mnuFilePrint"_s)->trigger();
    }
};

TEST_F(BoardTest, showsEveryCountryButThePoundsOwnSortedWithTheDealsRatesInLargeType)
{
    frmBoard& board = openBoard();
    EXPECT_EQ(shownRows(board), boardRows);
    // The lists' order exactly.
    QStringList listed = frmHUD::instance().countryEntries(0);
    listed.removeOne(u"Britain"_s);
    QStringList shown;
    for (const Row& row : shownRows(board))
        shown << QString::fromStdString(row[0]);
    EXPECT_EQ(shown, listed);
    const QTableWidget& t = table(board);
    std::vector<std::string> headings;
    for (int c = 0; c < t.columnCount(); ++c)
        headings.push_back(str(t.horizontalHeaderItem(c)->text()));
    EXPECT_EQ(headings, (std::vector<std::string>{"Country", "Currency", "We buy", "We sell"}));
    // Read across a counter; the commission as prominent as the rates.
    EXPECT_GE(QFontInfo(t.font()).pointSizeF(), frmBoard::RatePoints);
    EXPECT_EQ(QFontInfo(AppFixture::control<QLabel>(board, u"lblCommission"_s)->font()).pointSizeF(),
              QFontInfo(t.font()).pointSizeF());
    // The pound's own 2001 is not shown, so it is not the oldest.
    EXPECT_EQ(str(label(board, "lblOldest")), "Oldest rate: 30 November 2023");
}

struct CommissionCase {
    const char* box;
    std::int64_t minimumPence;
    const char* line;
};

class CommissionLine : public ::testing::TestWithParam<CommissionCase> {};

TEST_P(CommissionLine, statesThePercentageAndAnyMinimum)
{
    const CommissionCase& c = GetParam();
    EXPECT_EQ(str(calculator::commissionLine(QString::fromLatin1(c.box), data::Money::fromHundredths(c.minimumPence))),
              c.line);
}

INSTANTIATE_TEST_SUITE_P(
    Board, CommissionLine,
    ::testing::Values(CommissionCase{"2.5", 300, "Commission 2.5 %, minimum \u00a33.00"},
                      CommissionCase{"2.5", 0, "Commission 2.5 %"},
                      CommissionCase{"02.50", 250, "Commission 2.5 %, minimum \u00a32.50"},
                      CommissionCase{"0", 1, "Commission 0 %, minimum \u00a30.01"},
                      CommissionCase{"1.2.3", 300, ""},  // no number: no claim
                      CommissionCase{"", 0, ""}));

TEST_F(BoardTest, followsTheRatesTheMinimumAndTheCommissionBox)
{
    frmBoard& board = openBoard();
    AppFixture::typeInto(AppFixture::ctl(frmHUD::instance()).txtCom, u"2.5"_s);
    EXPECT_EQ(str(label(board, "lblCommission")), "Commission 2.5 %");
    data::Rates& rates = data::Rates::instance();
    rates.setMinimumCommission(data::Money::fromHundredths(300));
    EXPECT_EQ(str(label(board, "lblCommission")), "Commission 2.5 %, minimum \u00a33.00");

    ASSERT_TRUE(rates.replaceRate(u"France"_s, rate(u"France"_s, u"Euro"_s, 1.2, u"EUR"_s, 0, 0, QDate(2024, 3, 6))));
    rates.addRate(rate(u"Aland"_s, u"Ay"_s, 0.5));
    ASSERT_TRUE(rates.deleteRate(u"Japan"_s));
    std::vector<Row> expected = boardRows;
    expected[3] = {"France", "Euro (EUR)", "1.2", "1.2"};
    expected.pop_back();
    expected.insert(expected.begin(), Row{"Aland", "Ay", "0.5", "0.5"});
    EXPECT_EQ(shownRows(board), expected);
    EXPECT_EQ(str(label(board, "lblOldest")), "Oldest rate: 1 March 2024");

    // No row with a day: nothing below the table.
    for (const QString& country : {u"C\u00f4te d'Ivoire"_s, u"Czech Republic"_s, u"France"_s, u"Iceland"_s,
                                   u"Indonesia"_s})
        ASSERT_TRUE(rates.deleteRate(country));
    EXPECT_EQ(shownRows(board).size(), 2u);
    EXPECT_EQ(str(label(board, "lblOldest")), "");
}

TEST_F(BoardTest, isOneWindowThatDoesNotBlockTheMainOneAndClosesWithIt)
{
    frmBoard& board = openBoard();
    EXPECT_FALSE(board.isModal());
    trigger("mnuFileRateBoard");
    EXPECT_EQ(frmBoard::current(), &board);
    int boards = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        boards += qobject_cast<frmBoard*>(w) && w->isVisible() ? 1 : 0;
    EXPECT_EQ(boards, 1);
    delete &frmHUD::instance();
    EXPECT_EQ(frmBoard::current(), nullptr);
}

// On two screens side by side (the test's screen configuration).
TEST_F(BoardTest, f11FillsTheScreenTheBoardIsOnAndTheChoiceComesBack)
{
    const QList<QScreen*> screens = QGuiApplication::screens();
    ASSERT_EQ(screens.size(), 2) << "the board's tests run on two screens";
    QScreen* second = screens[1];
    frmBoard& board = openBoard();
    board.move(second->availableGeometry().topLeft() + QPoint(50, 50));
    QTRY_COMPARE(board.screen(), second);

    QTest::keyClick(&board, Qt::Key_F11);
    QTRY_VERIFY(board.isFullScreen());
    QTRY_COMPARE(board.geometry(), second->geometry());
    board.close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(frmBoard::current(), nullptr);

    frmBoard& again = reopen();
    QTRY_VERIFY(again.isFullScreen());
    EXPECT_EQ(again.screen(), second);
    EXPECT_EQ(again.geometry(), second->geometry());
    QTest::keyClick(&again, Qt::Key_F11);
    QTRY_VERIFY(!again.isFullScreen());
    EXPECT_EQ(again.screen(), second);
    const widgets::UserSettings saved(u"RateBoard"_s);
    EXPECT_FALSE(saved.value(u"FullScreen"_s).toBool());
    EXPECT_EQ(saved.value(u"Screen"_s).toString(), second->name());
}

TEST_F(BoardTest, rowsThatDoNotFitTurnAPageAndComeBackToTheFirst)
{
    std::vector<data::RateRow> rows{rate(u"Britain"_s, u"Pound"_s, 1.0)};
    for (int i = 1; i <= 60; ++i)
        rows.push_back(rate(u"Land %1"_s.arg(i, 2, 10, QChar(u'0')), u"Unit"_s, i));
    frmBoard& board = openBoard(rows);
    board.resize(board.width(), 400);
    QScrollBar* bar = table(board).verticalScrollBar();
    QTRY_VERIFY(bar->maximum() > 0);
    std::vector<int> values;
    QTimer* timer = AppFixture::control<QTimer>(board, u"tmrPage"_s);
    QObject::connect(bar, &QScrollBar::valueChanged, &board, [&values, timer](int v) {
        values.push_back(v);
        if (v == 0)
            timer->stop();  // round once
    });
    timer->setInterval(5);
    QTRY_VERIFY(!values.empty() && values.back() == 0);
    EXPECT_EQ(values.front(), bar->pageStep());
    EXPECT_EQ(values[values.size() - 2], bar->maximum());
}

QString pdfText(const QString& pdf)
{
    QProcess process;
    process.start(u"pdftotext"_s, {u"-layout"_s, u"-enc"_s, u"UTF-8"_s, pdf, u"-"_s});
    EXPECT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

TEST_F(BoardTest, printsToAPdfThatReadsBackAsTheBoardWithItsHeadingsOnEveryPage)
{
    if (QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty())
        GTEST_SKIP() << "pdftotext not found: install poppler-utils to read the printed board back";
    std::vector<data::RateRow> rows = boardRates();
    for (int i = 1; i <= 150; ++i)
        rows.push_back(rate(u"Zone %1"_s.arg(i, 3, 10, QChar(u'0')), u"Unit"_s, i * 1.5, u"ZZZ"_s));
    frmBoard& board = openBoard(rows);
    AppFixture::typeInto(AppFixture::ctl(frmHUD::instance()).txtCom, u"2.5"_s);
    const QString pdf = dir.filePath(u"board.pdf"_s);
    printTo(board, pdf);
    EXPECT_TRUE(messages.empty());
    const QString text = pdfText(pdf);
    const QStringList pages = text.split(u'\f', Qt::SkipEmptyParts);
    ASSERT_GE(pages.size(), 3);
    for (const QString& page : pages)
        EXPECT_TRUE(page.contains(QRegularExpression(u"Country +Currency +We buy +We sell"_s))) << str(page.left(200));
    EXPECT_TRUE(pages.first().trimmed().startsWith(u"Commission 2.5 %"_s)) << str(pages.first().left(200));
    // After the last row; only the page number follows.
    EXPECT_TRUE(pages.last().contains(QRegularExpression(u"225 *\\n *Oldest rate: 30 November 2023\\n"_s)))
        << str(pages.last().right(300));
    // Every row, on one line, in the board's order.
    qsizetype from = 0;
    for (const Row& row : boardRows) {
        const QRegularExpression line(u"\\n *%1 +%2 +%3 +%4 *\\n"_s.arg(
            QRegularExpression::escape(QString::fromStdString(row[0])), QRegularExpression::escape(QString::fromStdString(row[1])),
            QRegularExpression::escape(QString::fromStdString(row[2])), QRegularExpression::escape(QString::fromStdString(row[3]))));
        const QRegularExpressionMatch found = line.match(text, from);
        ASSERT_TRUE(found.hasMatch()) << row[0];
        from = found.capturedStart() + 1;
    }
    EXPECT_TRUE(text.contains(QRegularExpression(u"\\n *Zone 150 +Unit \\(ZZZ\\) +225 +225 *\\n"_s)));
}

TEST_F(BoardTest, aPdfThatCannotBeWrittenIsReportedAndLeavesNoFile)
{
    frmBoard& board = openBoard();
    const QString pdf = dir.filePath(u"no such folder/board.pdf"_s);
    printTo(board, pdf);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].prompt.endsWith(u"\r\nThe rate board was not printed."_s)) << str(messages[0].prompt);
    EXPECT_EQ(messages[0].icon, widgets::MsgBoxIcon::Exclamation);
    EXPECT_FALSE(QFileInfo::exists(pdf));
}

} // namespace
