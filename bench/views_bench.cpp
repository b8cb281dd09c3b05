// The analysis pages with the real archive: the draw graph of every chartable method over the
// whole archive, the card as a full scroll would read it, the layout with its lists, the week
// grid, the repeats analysis, the detail rows, the sum distribution, and a change of the analysis
// offset with every page on screen (the statistics table included).

#include "app/ArchiveController.h"
#include "app/Languages.h"
#include "app/Session.h"
#include "app/StatisticsController.h"
#include "app/ViewsController.h"
#include "bench/BenchRegistry.h"
#include "bench/BenchSession.h"
#include "stats/StatList.h"
#include "ui/CardModel.h"
#include "ui/MainWindow.h"
#include "views/DrawDetail.h"
#include "views/DrawGraph.h"
#include "views/LayoutScheme.h"
#include "views/Repeats.h"
#include "views/SumDistribution.h"
#include "views/WeekStats.h"

#include <QCoreApplication>
#include <QTabWidget>

#include <benchmark/benchmark.h>

namespace bench {

namespace {

struct LoadedSession
{
    LoadedSession() : session(io, folder())
    {
        session.create();
        session.archive().load();
    }
    SilentIo io;
    app::Session session;
};

void drawGraph(benchmark::State& state, int method)
{
    LoadedSession s;
    const stats::TStatList& list = s.session.statistics().list();
    for (auto _ : state) {
        const auto stat = list.CreateStat(method);
        auto* graph = dynamic_cast<stats::TCustomGraphStat*>(stat.get());
        const views::DrawGraph g = views::ComputeDrawGraph(*graph, s.session.archive().draws(), 0, int(state.range(0)),
                                                           false, list.Items(method).GetCaptionText());
        benchmark::DoNotOptimize(g.Average);
    }
}

void BM_CardScroll(benchmark::State& state)
{
    LoadedSession s;
    for (auto _ : state) {
        ui::CardModel model(s.session);
        for (int row = 0; row < model.rowCount(); ++row)
            for (int column = 0; column < model.columnCount(); ++column) {
                benchmark::DoNotOptimize(model.data(model.index(row, column), Qt::DisplayRole));
                benchmark::DoNotOptimize(model.data(model.index(row, column), Qt::BackgroundRole));
            }
    }
}

void BM_LayoutGrid(benchmark::State& state)
{
    LoadedSession s;
    for (auto _ : state)
        benchmark::DoNotOptimize(views::BuildLayoutGrid(s.session.archive().draws(), 0, int(state.range(0)),
                                                        s.session.archive().nextDrawSet())
                                     .Cells.size());
}

void BM_LayoutCompare(benchmark::State& state)
{
    LoadedSession s;
    for (auto _ : state)
        for (int length : views::kLayoutCompareDefaults)
            benchmark::DoNotOptimize(views::BuildLayoutCompare(s.session.archive().draws(), 0, length).Rows.size());
}

void BM_WeekTable(benchmark::State& state)
{
    LoadedSession s;
    for (auto _ : state)
        benchmark::DoNotOptimize(views::BuildWeekTable(s.session.archive().draws(), 0, int(state.range(0))).Max);
}

void BM_Repeats(benchmark::State& state)
{
    LoadedSession s;
    for (auto _ : state)
        benchmark::DoNotOptimize(
            views::ComputeRepeats(s.session.archive().draws(), int(state.range(0)), int(state.range(0))).Rows.size());
}

void BM_DetailRows(benchmark::State& state)
{
    LoadedSession s;
    const views::DetailSubject subject =
        views::DrawDetailSubject(s.session.archive().draws(), int(s.session.archive().draws().size()) - 1, false);
    for (auto _ : state)
        benchmark::DoNotOptimize(views::DetailRows(s.session.statistics().list(), subject).size());
}

void BM_SumDistribution(benchmark::State& state)
{
    LoadedSession s;
    for (auto _ : state)
        benchmark::DoNotOptimize(views::ComputeSumDistribution(s.session.archive().draws()).MaxT);
}

// The session's side of an offset change with every page on screen: the statistics table
// (1000 draws) and then the graph, the card, the layout, its lists and the week.
void BM_OffsetChangeAllPages(benchmark::State& state)
{
    LoadedSession s;
    app::ViewsController& views = s.session.views();
    views.setGraphMethod(s.session.statistics().list().IndexOfCode(QStringLiteral("SUMS")));
    for (auto page : {app::ViewsController::Page::Graphs, app::ViewsController::Page::Card,
                      app::ViewsController::Page::Layout, app::ViewsController::Page::Week})
        views.setShown(page, true);
    const int method = s.session.statistics().list().IndexOfCode(QStringLiteral("NUMS"));
    QObject::connect(&s.session.archive(), &app::ArchiveController::viewsRecalculated, &s.session,
                     [&](bool force) { s.session.statistics().calc(method, 1000, force); });
    int k = 0;
    for (auto _ : state)
        s.session.archive().setOffset(++k % 2);
}

// The same in the window, the page on screen repainting its models and chart.
void BM_OffsetChangeWindow(benchmark::State& state, int page)
{
    SilentIo io;
    app::LanguageSwitcher languages;
    app::Session session(io, folder());
    session.create();
    ui::MainWindow window(session, languages);
    window.resize(1280, 820);
    window.show();
    window.initialise();
    window.mainPages()->setCurrentIndex(page);
    int k = 0;
    for (auto _ : state) {
        session.archive().setOffset(++k % 2);
        QCoreApplication::processEvents();
    }
}

} // namespace

void RegisterViewsBenchmarks()
{
    LoadedSession s;
    const stats::TStatList& list = s.session.statistics().list();
    for (int method : list.SelectorMethods(true)) {
        const std::string name = "BM_DrawGraph/" + list.Items(method).GetCodeText().toStdString();
        benchmark::RegisterBenchmark(name.c_str(), drawGraph, method)
            ->Arg(100)
            ->Arg(2000)
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::RegisterBenchmark("BM_CardScroll", BM_CardScroll)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("BM_LayoutGrid", BM_LayoutGrid)->Arg(100)->Arg(2000)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("BM_LayoutCompare", BM_LayoutCompare)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("BM_WeekTable", BM_WeekTable)->Arg(1000)->Arg(2000)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("BM_Repeats", BM_Repeats)->Arg(100)->Arg(2000)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("BM_DetailRows", BM_DetailRows)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("BM_SumDistribution", BM_SumDistribution)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("BM_OffsetChangeAllPages", BM_OffsetChangeAllPages)->Unit(benchmark::kMillisecond);
    const char* pages[] = {"Stat", "Graphs", "Card", "Layout", "Week"};
    for (int page = 0; page < 5; ++page)
        benchmark::RegisterBenchmark((std::string("BM_OffsetChangeWindow/") + pages[page]).c_str(),
                                     BM_OffsetChangeWindow, page)
            ->Unit(benchmark::kMillisecond);
}

} // namespace bench
