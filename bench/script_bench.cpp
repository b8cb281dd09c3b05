// The back-test: the reference script over the last 100 draws of the real archive, once with
// the run's caches and once in the plain order of steps, beside a plain copy of the full set.
// The per-pass figures divide the time by the filter passes the plain order makes.

#include "app/ArchiveController.h"
#include "app/CandidatesController.h"
#include "app/ScriptController.h"
#include "app/StakesController.h"
#include "bench/BenchSession.h"
#include "scripts/ScriptFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace bench {

namespace {

constexpr int kTests = 100;
// Filter passes one pass over the reference script makes in the plain order.
constexpr int kPassesPerCycle = 33;

void runReference(benchmark::State& state, bool caching)
{
    QStringList lines;
    scripts::ScriptReadFile(QStringLiteral(VERTOMA_SHARED_DATA_DIR "/../bench/reference.lsc"), lines, nullptr, nullptr);
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir dir;
        const QString archive = dir.filePath(core::kDrawsFileName);
        QFile::copy(QStringLiteral(VERTOMA_SHARED_DATA_DIR "/Vertoma_5x54.ldr"), archive);
        QFile::setPermissions(archive, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        SilentIo io;
        app::Session session(io, core::DataFolder(dir.path(), QStringLiteral("Vertoma_5x54"), dir.path()));
        session.create();
        session.takeExclusiveHold();
        session.archive().load();
        session.stakes().load();
        session.candidates().generate(session.candidates().genSettings(), false);
        session.script().useLines(lines);
        session.script().setCaching(caching);
        session.script().seedRandom(1);
        state.ResumeTiming();
        session.script().testWith(kTests);
        state.PauseTiming();
        state.counters["stakes"] = session.stakes().runStakes();
        session.shutdown();
        state.ResumeTiming();
    }
    const double passes = double(kTests) * kPassesPerCycle;
    state.counters["per_pass_ms"] =
        benchmark::Counter(passes, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    state.counters["per_pass_ms"] = benchmark::Counter(double(state.iterations()) * passes,
                                                       benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_ScriptTest(benchmark::State& state)
{
    runReference(state, true);
}

void BM_ScriptTestPlain(benchmark::State& state)
{
    runReference(state, false);
}

} // namespace

BENCHMARK(BM_ScriptTest)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();
BENCHMARK(BM_ScriptTestPlain)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

} // namespace bench
