// Reading and matching a rate file of 10,000 rows against a table of 10,000:
// the user waits for this before the preview opens. Target: under 100 ms for
// parsing and matching together, in every format.
//
// --write-at-cap SHAPE PATH writes a file of that shape as large as the reader
// takes; --read PATH reads one as Import Rates does (file, plan against a till's
// table, the preview dialog built offscreen) and prints the time of each step
// and the peak resident memory beside the file's size. One read per process
// (bench/import_at_cap.sh runs them): peak memory only ever grows.

#include "maintenance/frmImportRates.h"
#include "ratefiles/RateExport.h"
#include "ratefiles/RateFile.h"
#include "ratefiles/RateImportPlan.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <limits>
#include <vector>

using namespace Qt::StringLiterals;
using namespace data;
using namespace ratefiles;

namespace {

constexpr int Rows = 10000;

const char* const Codes[] = {"USD", "EUR", "JPY", "CHF", "AUD", "CAD", "INR", "ZAR", "RUB", "KRW"};

QString fileCountry(int i)
{
    return u"Country %1"_s.arg(i);
}

// Half the table's rows share a name with the file; the rest are names of real
// countries and their variants (matched through the currency) or unknown places.
std::vector<RateRow> table(int rows = Rows)
{
    static const QString real[] = {u"Holland"_s, u"Russia"_s, u"USA"_s, u"South Korea"_s, u"France"_s,
                                   u"Korea (South)"_s, u"Czech Republic"_s, u"Switzerland"_s};
    std::vector<RateRow> out;
    out.reserve(rows);
    for (int i = 0; i < rows; ++i) {
        QString name = i % 2 == 0 ? fileCountry(i) : (i % 3 == 0 ? real[i % 8] + u' ' + QString::number(i)
                                                                 : u"Place %1"_s.arg(i));
        if (i < 8)
            name = real[i];
        out.push_back({name, u"Unit"_s, 1.0 + i / 7.0, QDate(2020, 1, 1)});
    }
    return out;
}

QByteArray ukCsvRow(int i)
{
    return "\"" + fileCountry(i).toUtf8() + "\",Unit ," + Codes[i % 10] + "," + QByteArray::number(2.0 + i / 3.0)
           + ",01/02/2020,29/02/2020\r\n";
}

const QByteArray UkCsvHeader = "\xEF\xBB\xBF" "Country/Territories,Currency,Currency Code,Currency Units per \xC2\xA3" "1,"
                               "Start date,End date\r\n";

QByteArray ukCsv()
{
    QByteArray out = UkCsvHeader;
    for (int i = 0; i < Rows; ++i)
        out += ukCsvRow(i);
    return out;
}

QByteArray ukXml()
{
    QByteArray out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                     "<exchangeRateMonthList Period=\"01/Feb/2020 to 29/Feb/2020\">\n";
    for (int i = 0; i < Rows; ++i)
        out += "<exchangeRate><countryName>" + fileCountry(i).toUtf8() + "</countryName><countryCode>XX</countryCode>"
               "<currencyName>Unit </currencyName><currencyCode>" + Codes[i % 10] + "</currencyCode><rateNew>"
               + QByteArray::number(2.0 + i / 3.0) + "</rateNew></exchangeRate>\n";
    return out + "</exchangeRateMonthList>\n";
}

void run(benchmark::State& state, const QByteArray& bytes)
{
    const std::vector<RateRow> rows = table();
    for (auto _ : state) {
        const RateFileResult file = parseRateFile(bytes, u"bench.csv"_s);
        if (!file.ok()) {
            state.SkipWithError(file.error.toStdString().c_str());
            break;
        }
        ImportPlan plan = planImport(*file.file, rows);
        benchmark::DoNotOptimize(plan);
    }
    state.SetItemsProcessed(state.iterations() * Rows);
}

void BM_ReadAndMatch_UkCsv(benchmark::State& state)
{
    run(state, ukCsv());
}
BENCHMARK(BM_ReadAndMatch_UkCsv)->Unit(benchmark::kMillisecond);

void BM_ReadAndMatch_UkXml(benchmark::State& state)
{
    run(state, ukXml());
}
BENCHMARK(BM_ReadAndMatch_UkXml)->Unit(benchmark::kMillisecond);

void BM_ReadAndMatch_Export(benchmark::State& state)
{
    std::vector<RateRow> rows = table();
    for (RateRow& r : rows)
        r.rate *= 1.01;
    run(state, exportCsv(rows));
}
BENCHMARK(BM_ReadAndMatch_Export)->Unit(benchmark::kMillisecond);

void BM_Export(benchmark::State& state)
{
    const std::vector<RateRow> rows = table();
    for (auto _ : state) {
        QByteArray csv = exportCsv(rows);
        benchmark::DoNotOptimize(csv);
    }
}
BENCHMARK(BM_Export)->Unit(benchmark::kMillisecond);

// ------------------------------------------------------------------ at the cap

// Rows of one shape, appended until the next would pass the limit or there are
// rows enough.
QByteArray fill(QByteArray out, const QByteArray& tail, qint64 limit, const std::function<QByteArray(int)>& row,
                int rows = std::numeric_limits<int>::max())
{
    for (int i = 0; i < rows; ++i) {
        const QByteArray next = row(i);
        if (out.size() + next.size() + tail.size() > limit)
            break;
        out += next;
    }
    return out + tail;
}

const char* const EuroCodes[] = {"USD", "JPY", "BGN", "CZK", "DKK", "GBP", "HUF", "PLN", "RON", "SEK", "CHF",
                                 "ISK", "NOK", "TRY", "AUD", "BRL", "CAD", "CNY", "HKD", "IDR", "ILS", "INR",
                                 "KRW", "MXN", "MYR", "NZD", "PHP", "SGD", "THB", "ZAR", "RUB"};

QString dayOf(int i)
{
    return QDate(2099, 12, 31).addDays(-i).toString(Qt::ISODate);
}

QByteArray atCap(const QString& shape, qint64 limit)
{
    if (shape == u"uk-csv")
        return fill(UkCsvHeader, {}, limit, ukCsvRow);
    if (shape == u"export")
        return fill("Country,Monetery Unit,Exchange Rate,Updated\n", {}, limit, [](int i) {
            return fileCountry(i).toUtf8() + ",Unit," + QByteArray::number(1.0 + i / 7.0, 'g', 17) + ",2020-01-01\n";
        });
    if (shape == u"ecb-csv") {
        QByteArray header = "Date";
        for (const char* code : EuroCodes)
            header += QByteArray(",") + code;
        return fill(header + ",\n", {}, limit, [](int i) {
            QByteArray row = dayOf(i).toUtf8();
            for (int c = 0; c < int(std::size(EuroCodes)); ++c)
                row += c == 30 ? QByteArray(",N/A") : "," + QByteArray::number(0.5 + (i % 97 + c) / 10.0, 'f', 4);
            return row + ",\n";
        });
    }
    if (shape == u"ecb-xml")
        return fill("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<gesmes:Envelope xmlns:gesmes=\"g\" xmlns=\"e\">\n"
                    "\t<Cube>\n",
                    "\t</Cube>\n</gesmes:Envelope>\n", limit, [](int i) {
                        QByteArray day = "\t\t<Cube time=\"" + dayOf(i).toUtf8() + "\">\n";
                        for (int c = 0; c < int(std::size(EuroCodes)); ++c)
                            day += QByteArray("\t\t\t<Cube currency=\"") + EuroCodes[c] + "\" rate=\""
                                   + QByteArray::number(0.5 + (i % 97 + c) / 10.0, 'f', 4) + "\"/>\n";
                        return day + "\t\t</Cube>\n";
                    });
    // As many rates as a file may hold, each row padded to fill the file: names
    // too long for the table, which the plan leaves out (all but the first, so
    // there is a preview), or a sheet's empty cells.
    const int padding = int(limit / MaxRatesPerFile) - 80;
    if (shape == u"export-long-names")
        return fill("Country,Monetery Unit,Exchange Rate\n", {}, limit, [padding](int i) {
            return fileCountry(i).toUtf8() + QByteArray(i == 0 ? 0 : padding, 'x') + ",Unit,1.5\n";
        }, MaxRatesPerFile);
    if (shape == u"uk-empty-cells")
        return fill(UkCsvHeader, {}, limit, [padding](int i) {
            return ukCsvRow(i).chopped(2) + QByteArray(padding, ',') + "\r\n";
        }, MaxRatesPerFile);
    // One line of nothing but separators, as wide as the file.
    if (shape == u"export-wide-line")
        return "Country,Monetery Unit,Exchange Rate\nFrance,Euro,1.17" + QByteArray(limit - 60, ',') + "\n";
    if (shape == u"uk-utf16") {
        // A spreadsheet's "Unicode text": UTF-16 with its mark, tabs between fields.
        const QByteArray text = fill(QByteArray(UkCsvHeader).replace(',', '\t'), {}, limit / 2 - 1, [](int i) {
            return ukCsvRow(i).replace(',', '\t');
        });
        const QString decoded = QString::fromUtf8(text);
        return QByteArray("\xFF\xFE", 2)
               + QByteArray(reinterpret_cast<const char*>(decoded.utf16()), decoded.size() * 2);
    }
    return {};
}

long peakKb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

int writeAtCap(const QString& shape, const QString& path)
{
    const QByteArray bytes = atCap(shape, MaxRateFileBytes);
    if (bytes.isEmpty()) {
        std::fprintf(stderr, "unknown shape %s\n", qPrintable(shape));
        return 2;
    }
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.flush()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return 2;
    }
    return 0;
}

int readAsImportDoes(int argc, char** argv, const QString& path)
{
    QApplication app(argc, argv);
    const std::vector<RateRow> till = table(200);
    const long before = peakKb();

    QElapsedTimer timer;
    timer.start();
    const RateFileResult file = readRateFile(path);
    const qint64 readMs = timer.restart();
    const double fileMb = QFile(path).size() / (1024.0 * 1024.0);
    if (!file.ok()) {
        std::printf("%6.1f MB refused after %lld ms: %s\n", fileMb, readMs, qPrintable(file.error));
        return 1;
    }
    const ImportPlan plan = planImport(*file.file, till);
    const qint64 planMs = timer.restart();
    qint64 dialogMs = 0;
    // As Import Rates: a plan without changes is a message, not a preview.
    if (!plan.empty()) {
        frmImportRates dialog(*file.file, plan);
        dialog.show();
        QApplication::processEvents();
        dialogMs = timer.restart();
    }
    const long after = peakKb();
    std::printf("%6.1f MB, %5zu rates, %5zu changes, %5lld left out: read %5lld ms, plan %4lld ms, preview %5lld ms, "
                "total %5lld ms; peak RSS %6.1f MB, %6.1f MB above the start = %4.1f x the file\n",
                fileMb, file.file->rates.size(), plan.changes.size(), qint64(plan.skipped.size()), readMs, planMs, dialogMs,
                readMs + planMs + dialogMs, after / 1024.0, (after - before) / 1024.0,
                (after - before) / 1024.0 / fileMb);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 4 && std::strcmp(argv[1], "--write-at-cap") == 0)
        return writeAtCap(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    if (argc == 3 && std::strcmp(argv[1], "--read") == 0)
        return readAsImportDoes(argc, argv, QString::fromLocal8Bit(argv[2]));
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
