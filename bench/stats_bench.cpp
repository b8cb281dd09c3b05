// The full-set distribution of every statistic that has one: CalcComb over all 3,162,510
// combinations, the work behind every full-set file. A plain copy of the full set is measured
// alongside as the yardstick.

#include "app/CandidatesController.h"
#include "app/StatisticsController.h"
#include "bench/BenchRegistry.h"
#include "bench/BenchSession.h"
#include "combos/CombList.h"
#include "views/FullSet.h"

#include "core/GameTypes.h"
#include "stats/StatList.h"
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstring>

namespace bench {

namespace {

const core::TCombsArray& fullSet()
{
    static const core::TCombsArray combs = [] {
        core::TCombsArray all;
        all.reserve(3162510);
        for (std::uint8_t a = 1; a <= 50; ++a)
            for (std::uint8_t b = a + 1; b <= 51; ++b)
                for (std::uint8_t c = b + 1; c <= 52; ++c)
                    for (std::uint8_t d = c + 1; d <= 53; ++d)
                        for (std::uint8_t e = d + 1; e <= 54; ++e)
                            all.push_back(core::TComb{{a, b, c, d, e}});
        return all;
    }();
    return combs;
}

const stats::TStatList& methods()
{
    static const stats::TStatList list = [] {
        stats::TStatList l;
        l.Fill();
        return l;
    }();
    return list;
}

void BM_FullSetCopy(benchmark::State& state)
{
    const core::TCombsArray& all = fullSet();
    core::TCombsArray copy(all.size());
    for (auto _ : state) {
        std::memcpy(copy.data(), all.data(), all.size() * sizeof(core::TComb));
        benchmark::DoNotOptimize(copy.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(std::int64_t(state.iterations()) * std::int64_t(all.size()));
}

void calcCombFullSet(benchmark::State& state, int method)
{
    const core::TCombsArray& all = fullSet();
    for (auto _ : state) {
        const auto stat = methods().CreateStat(method);
        core::TStatDrawArray list;
        stat->CalcCombs(all, list);
        benchmark::DoNotOptimize(list.data());
    }
    state.SetItemsProcessed(std::int64_t(state.iterations()) * std::int64_t(all.size()));
}

// One filter pass by values as the statistics table hands it to the combination list: save the
// undo copy, test every combination, rebuild the list from the ones that stay. The session
// starts with the full set; between passes the undo brings it back (not timed).
void filterPass(benchmark::State& state, const char* code, std::vector<core::TStatKey> selected)
{
    SilentIo io;
    app::Session session(io, folder());
    session.create();
    session.initialise();
    if (session.candidates().combs().size() != fullSet().size()) {
        state.SkipWithError("the session did not start with the full set");
        return;
    }
    const int method = session.statistics().list().IndexOfCode(QString::fromLatin1(code));
    core::TStatDrawArray values;
    QStringList texts;
    for (const core::TStatKey& k : selected) {
        core::TStatDrawRec r;
        r.Key = k;
        values.push_back(r);
        texts << QString::number(k.c[0]);
    }
    std::size_t kept = 0;
    for (auto _ : state) {
        state.PauseTiming();
        if (session.candidates().undoCount() > 0)
            session.candidates().undo();
        state.ResumeTiming();
        session.candidates().statFilter(method, values, texts, QString::fromLatin1(code), false);
        kept = session.candidates().combs().size();
    }
    session.shutdown();
    state.counters["kept"] = double(kept);
    state.SetItemsProcessed(std::int64_t(state.iterations()) * std::int64_t(fullSet().size()));
}

// Every full-set file built and written, as the start-up word "fullrecreate" does it.
void BM_FullRecreate(benchmark::State& state)
{
    const stats::TStatList& list = methods();
    QTemporaryDir dir;
    const core::DataFolder folder(dir.path(), QStringLiteral("Vertoma_5x54"), dir.path());
    views::FullCombinationSet();
    int files = 0;
    for (auto _ : state) {
        files = 0;
        for (int i = 0; i < list.Count(); ++i) {
            if (!list.Items(i).Class->CanPrefetch())
                continue;
            const views::FullSetCounts counts = views::ComputeFullSet(list, i);
            views::WriteFullSetFile(views::FullSetPath(folder, list.Items(i).GetCodeText()), counts, nullptr);
            ++files;
        }
    }
    state.counters["files"] = files;
}

void BM_Generate(benchmark::State& state)
{
    core::TCombsArray combs;
    combs.reserve(3162510);
    for (auto _ : state) {
        combs.clear();
        combos::GenerateCombs(0, QString(), combs);
        benchmark::DoNotOptimize(combs.data());
    }
    state.SetItemsProcessed(std::int64_t(state.iterations()) * std::int64_t(combs.size()));
}

} // namespace

void RegisterStatBenchmarks()
{
    benchmark::RegisterBenchmark("BM_FullSetCopy", BM_FullSetCopy)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("BM_Generate", BM_Generate)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("BM_FullRecreate", BM_FullRecreate)->Unit(benchmark::kMillisecond)->Iterations(1);
    // Ten numbers kept; the sums of the middle band kept.
    std::vector<core::TStatKey> numbers;
    for (std::uint16_t n = 1; n <= 10; ++n)
        numbers.push_back(stats::KeyW(n));
    std::vector<core::TStatKey> sums;
    for (std::uint32_t s = 100; s <= 160; ++s)
        sums.push_back(stats::KeyHalves(s));
    benchmark::RegisterBenchmark("BM_FilterPass/NUMS", filterPass, "NUMS", numbers)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("BM_FilterPass/SUMS", filterPass, "SUMS", sums)->Unit(benchmark::kMillisecond);
    const stats::TStatList& list = methods();
    for (int i = 0; i < list.Count(); ++i) {
        if (!list.Items(i).Class->CanPrefetch())
            continue;
        const std::string name = "BM_CalcCombFullSet/" + list.Items(i).GetCodeText().toStdString();
        benchmark::RegisterBenchmark(name.c_str(), calcCombFullSet, i)->Unit(benchmark::kMillisecond);
    }
}

} // namespace bench
