// Systems made for N numbers against the best known sizes. Each benchmark makes one system with
// the time budget of VERTOMA_BENCH_WHEEL_SECONDS (10 s unless set; the test script sets it
// short, since it only checks that the benchmarks run) and reports the size found, the best
// known size and their ratio, and the seconds it took to reach the size found.
//   BM_WheelMake/N/t:  "t if t" (covering designs) with the table's sizes;
//   BM_WheelMake5/N/t: "t if 5", the game's own guarantee, beside the table's entries.

#include "stakes/WheelMaker.h"
#include "stakes/WheelReference.h"

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace bench {

namespace {

double budget()
{
    const char* text = std::getenv("VERTOMA_BENCH_WHEEL_SECONDS");
    const double seconds = text ? std::atof(text) : 10.0;
    return seconds > 0 ? seconds : 10.0;
}

void makeWheel(benchmark::State& state, int drawn)
{
    const stakes::WheelParams params{int(state.range(0)), int(state.range(1)), drawn == 0 ? int(state.range(1)) : drawn,
                                     0};
    const stakes::WheelSizes sizes = stakes::KnownWheelSizes(params);
    stakes::WheelResult result;
    double reached = 0;
    for (auto _ : state) {
        stakes::WheelOptions options;
        options.Seconds = budget();
        options.StopAt = int(std::max<std::int64_t>(1, sizes.LowerBound));
        int last = 0;
        options.Progress = [&](const stakes::WheelProgress& progress) {
            if (progress.Size != last) {
                last = progress.Size;
                reached = progress.Seconds;
            }
            return true;
        };
        result = stakes::MakeWheel(params, options);
        if (result.ReachedBound)
            reached = result.Seconds;
    }
    const double size = double(result.Lines.size());
    state.counters["size"] = size;
    state.counters["best_known"] = sizes.BestKnown;
    state.counters["lower_bound"] = double(sizes.LowerBound);
    state.counters["ratio"] = sizes.BestKnown > 0 ? size / sizes.BestKnown : 0;
    state.counters["seconds_to_size"] = reached;
    if (result.Lines.empty())
        state.SkipWithError("no verified system");
}

void BM_WheelMake(benchmark::State& state)
{
    makeWheel(state, 0);
}

void BM_WheelMake5(benchmark::State& state)
{
    makeWheel(state, 5);
}

void coveringDesigns(benchmark::internal::Benchmark* b)
{
    for (int t = 2; t <= 4; ++t)
        for (int n = 8; n <= (t == 4 ? 20 : 30); ++n)
            b->Args({n, t});
}

void gameGuarantees(benchmark::internal::Benchmark* b)
{
    for (int t = 2; t <= 4; ++t)
        for (int n = 10; n <= 30; ++n)
            b->Args({n, t});
}

} // namespace

BENCHMARK(BM_WheelMake)->Apply(coveringDesigns)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();
BENCHMARK(BM_WheelMake5)->Apply(gameGuarantees)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

} // namespace bench
