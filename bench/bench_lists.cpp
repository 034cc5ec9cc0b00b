// Filling the main window's two country lists from the shared record set, on
// tables of 200 and 10,000 rows (target: under 100 ms at 10,000), offscreen.

#include "app/Database.h"
#include "app/Universe.h"
#include "calculator/frmHUD.h"
#include "data/NewDatabase.h"
#include "data/RecordStore.h"
#include "widgets/MsgBox.h"

#include <QApplication>
#include <QListWidget>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

void BM_FillCountryLists(benchmark::State& state)
{
    const auto rows = static_cast<int>(state.range(0));
    QTemporaryDir dir;
    std::vector<data::RateRow> data;
    // Names in no particular order, so the lists really sort.
    for (int i = 0; i < rows; ++i)
        data.push_back({QStringLiteral("Country %1").arg((i * 7919) % rows), QStringLiteral("Unit"), 1.0 + i});
    data::createRatesDatabase(dir.filePath(QStringLiteral("Exchange.db")), data);
    data::setProgramFolder(dir.path());
    app::OpenDatabase();
    frmHUD& hud = frmHUD::instance();
    for (auto _ : state)
        hud.fillCountryLists();
    if (hud.countryEntries(0).size() != rows || hud.countryEntries(1).size() != rows)
        state.SkipWithError("lists not filled");
    delete &hud;
    data::rsRates.Close();
    data::cnRates.Close();
}
BENCHMARK(BM_FillCountryLists)->Arg(200)->Arg(10000)->Unit(benchmark::kMillisecond);

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
