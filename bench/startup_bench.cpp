// Start-up with the real archive: the session reading its files and loading the archive, and the
// whole main window being built on it, models included.

#include "app/Languages.h"
#include "app/Session.h"
#include "bench/BenchSession.h"
#include "core/DrawArchive.h"
#include "ui/DrawListModel.h"
#include "ui/MainWindow.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using bench::folder;
using bench::SilentIo;

void BM_SessionStartup(benchmark::State& state)
{
    SilentIo io;
    for (auto _ : state) {
        app::Session session(io, folder());
        session.create();
        session.initialise();
        ui::DrawListModel model(session);
        // Every cell the list could ask for, as a full scroll through it would.
        for (int row = 0; row < model.rowCount(); ++row) {
            for (int column = 0; column < model.columnCount(); ++column) {
                benchmark::DoNotOptimize(model.data(model.index(row, column), Qt::DisplayRole));
                benchmark::DoNotOptimize(model.data(model.index(row, column), Qt::BackgroundRole));
            }
        }
        session.shutdown();
    }
}
BENCHMARK(BM_SessionStartup)->Unit(benchmark::kMillisecond);

void BM_MainWindowStartup(benchmark::State& state)
{
    SilentIo io;
    app::LanguageSwitcher languages;
    for (auto _ : state) {
        app::Session session(io, folder());
        session.create();
        ui::MainWindow window(session, languages);
        window.initialise();
        benchmark::DoNotOptimize(window.statusPanel(0));
    }
}
BENCHMARK(BM_MainWindowStartup)->Unit(benchmark::kMillisecond);

} // namespace
