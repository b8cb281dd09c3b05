// The full-set distribution of every statistic that has one: CalcComb over all 3,162,510
// combinations, the work behind every full-set file. A plain copy of the full set is measured
// alongside as the yardstick.

#include "bench/BenchRegistry.h"
#include "core/GameTypes.h"
#include "stats/StatList.h"

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

} // namespace

void RegisterStatBenchmarks()
{
    benchmark::RegisterBenchmark("BM_FullSetCopy", BM_FullSetCopy)->Unit(benchmark::kMillisecond);
    const stats::TStatList& list = methods();
    for (int i = 0; i < list.Count(); ++i) {
        if (!list.Items(i).Class->CanPrefetch())
            continue;
        const std::string name = "BM_CalcCombFullSet/" + list.Items(i).GetCodeText().toStdString();
        benchmark::RegisterBenchmark(name.c_str(), calcCombFullSet, i)->Unit(benchmark::kMillisecond);
    }
}

} // namespace bench
