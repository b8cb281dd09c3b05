#!/usr/bin/env bash
# Installs what is needed, builds everything with warnings as errors and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/deps.sh
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVERTOMA_WERROR=ON
ninja -C build-test
# The benchmark must at least run; its numbers are read by people, not by this script.
VERTOMA_BENCH_WHEEL_SECONDS=0.05 build-test/bench/vertoma-bench --benchmark_min_time=0.01 >/dev/null
cd build-test
# A test that hangs fails by name instead of holding the run.
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2 --timeout 600
