// What a wheeling system really guarantees: every draw of five of its N numbers against every
// line. Systems of the sizes the library holds: N = 20 (15,504 draws) and N = 30 (142,506 draws)
// with a few hundred lines each, beside the same walk one line and one draw at a time.

#include "stakes/SystemGuarantee.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>

namespace bench {

namespace {

std::vector<stakes::SystemLine> randomSystem(int n, int count)
{
    std::mt19937 rng(20240506u + unsigned(n));
    std::vector<std::uint8_t> positions;
    for (int p = 1; p <= n; ++p)
        positions.push_back(std::uint8_t(p));
    std::vector<stakes::SystemLine> lines;
    for (int i = 0; i < count; ++i) {
        std::shuffle(positions.begin(), positions.end(), rng);
        lines.push_back({positions[0], positions[1], positions[2], positions[3], positions[4]});
    }
    return lines;
}

void BM_SystemGuarantee(benchmark::State& state)
{
    const int n = int(state.range(0));
    const std::vector<stakes::SystemLine> lines = randomSystem(n, int(state.range(1)));
    for (auto _ : state) {
        const stakes::SystemGuaranteeResult g = stakes::SystemGuarantee(lines, n, 3);
        benchmark::DoNotOptimize(g.Misses);
    }
    state.counters["draws"] = double(stakes::SystemGuarantee({}, n, 0).Draws);
}
BENCHMARK(BM_SystemGuarantee)
    ->Args({20, 100})
    ->Args({20, 500})
    ->Args({30, 300})
    ->Args({30, 1500})
    ->Unit(benchmark::kMillisecond);

// The plain walk: each draw as a 64-bit mask, each line as one, and a popcount per pair.
void BM_SystemGuaranteePlainMasks(benchmark::State& state)
{
    const int n = int(state.range(0));
    const std::vector<stakes::SystemLine> lines = randomSystem(n, int(state.range(1)));
    std::vector<std::uint64_t> masks;
    for (const stakes::SystemLine& line : lines) {
        std::uint64_t m = 0;
        for (std::uint8_t p : line)
            m |= std::uint64_t(1) << p;
        masks.push_back(m);
    }
    for (auto _ : state) {
        int worst = 5;
        for (int a = 1; a <= n; ++a)
            for (int b = a + 1; b <= n; ++b)
                for (int c = b + 1; c <= n; ++c)
                    for (int d = c + 1; d <= n; ++d)
                        for (int e = d + 1; e <= n; ++e) {
                            const std::uint64_t draw = (std::uint64_t(1) << a) | (std::uint64_t(1) << b) |
                                                       (std::uint64_t(1) << c) | (std::uint64_t(1) << d) |
                                                       (std::uint64_t(1) << e);
                            int best = 0;
                            for (std::uint64_t m : masks)
                                best = std::max(best, __builtin_popcountll(draw & m));
                            worst = std::min(worst, best);
                        }
        benchmark::DoNotOptimize(worst);
    }
}
BENCHMARK(BM_SystemGuaranteePlainMasks)->Args({20, 500})->Args({30, 300})->Unit(benchmark::kMillisecond);

} // namespace

} // namespace bench
