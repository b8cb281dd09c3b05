#pragma once

// Benchmarks whose names depend on run-time data (one per statistic method) register here.

namespace bench {

void RegisterStatBenchmarks();
void RegisterViewsBenchmarks();

} // namespace bench
