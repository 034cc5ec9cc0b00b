// The rate board of 200 countries, with codes, margins and days: read from the
// rates file, filled and drawn (grab() of the whole window at 1920x1080), and
// drawn alone. Target: under 100 ms for all of it, offscreen.

#include "app/Database.h"
#include "app/Universe.h"
#include "calculator/frmBoard.h"
#include "calculator/frmHUD.h"
#include "data/NewDatabase.h"
#include "data/RecordStore.h"
#include "widgets/MsgBox.h"

#include <QApplication>
#include <QPixmap>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int Countries = 200;

std::vector<data::RateRow> boardRows()
{
    std::vector<data::RateRow> rows{{QStringLiteral("Britain"), QStringLiteral("Pound"), 1.0}};
    // Names in no particular order, so the board really sorts.
    for (int i = 0; i < Countries; ++i) {
        data::RateRow row{QStringLiteral("Country of the number %1").arg((i * 7919) % Countries),
                          QStringLiteral("Unit of account"), 1.0 + i * 3.7, QDate(2024, 1, 1).addDays(i)};
        row.code = QStringLiteral("A%1").arg(QChar(u'A' + i % 26)) + QChar(u'A' + i / 26);
        row.buyMargin = i % 5;
        row.sellMargin = i % 3;
        rows.push_back(row);
    }
    return rows;
}

// The board of a started main window, on its own rates file and settings.
template <typename Body>
void withBoard(benchmark::State& state, Body body)
{
    QTemporaryDir dir;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.filePath(QStringLiteral("config")));
    data::createRatesDatabase(dir.filePath(QStringLiteral("Exchange.db")), boardRows());
    data::setProgramFolder(dir.path());
    app::OpenDatabase();
    frmHUD& hud = frmHUD::instance();
    hud.setCommissionText(QStringLiteral("2.5"));
    calculator::showRateBoard(hud);
    frmBoard& board = *frmBoard::current();
    board.resize(1920, 1080);
    QCoreApplication::processEvents();
    for (auto _ : state)
        body(board);
    if (board.findChild<QTableWidget*>(QStringLiteral("tblRates"))->rowCount() != Countries)
        state.SkipWithError("board not filled");
    delete &hud;
    data::rsRates.Close();
    data::cnRates.Close();
}

void BM_BoardRefreshedAndDrawn(benchmark::State& state)
{
    withBoard(state, [](frmBoard& board) {
        board.refresh();
        benchmark::DoNotOptimize(board.grab());
    });
}
BENCHMARK(BM_BoardRefreshedAndDrawn)->Unit(benchmark::kMillisecond);

void BM_BoardDrawn(benchmark::State& state)
{
    withBoard(state, [](frmBoard& board) { benchmark::DoNotOptimize(board.grab()); });
}
BENCHMARK(BM_BoardDrawn)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    app::initApplication(app);
    widgets::setMsgBoxHandler([](const widgets::MsgBoxRequest&) { return widgets::MsgBoxResult::OK; });
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
