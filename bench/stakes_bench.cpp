// The stakes file at the sizes scripts and "all combinations" reach: a million new-only stakes
// added in bulk, and the check of a million stakes, each beside a plain sequential write and
// read of the same number of bytes in the same run.

#include "app/ArchiveController.h"
#include "app/RatingsController.h"
#include "app/StakesController.h"
#include "bench/BenchSession.h"
#include "stakes/StakeRecord.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace bench {

namespace {

constexpr int StakeCount = 1000000;

// A data folder of its own with the real archive, so the stakes files stay apart from the rest.
struct StakesFolder
{
    QTemporaryDir dir;
    core::DataFolder folder;
    SilentIo io;
    std::unique_ptr<app::Session> session;

    StakesFolder()
    {
        const QString archive = dir.filePath(core::kDrawsFileName);
        QFile::copy(QStringLiteral(VERTOMA_SHARED_DATA_DIR "/Vertoma_5x54.ldr"), archive);
        QFile::setPermissions(archive, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        folder = core::DataFolder(dir.path(), QStringLiteral("Vertoma_5x54"), dir.path());
        session = std::make_unique<app::Session>(io, folder);
        session->create();
        session->takeExclusiveHold();
        session->archive().load();
        session->stakes().load();
    }
};

StakesFolder& stakesFolder()
{
    static StakesFolder f;
    return f;
}

// The first million combinations in lexicographic order, all different.
const std::vector<core::TValueSet>& combinations()
{
    static const std::vector<core::TValueSet> sets = [] {
        std::vector<core::TValueSet> all;
        all.reserve(StakeCount);
        for (int a = 1; a <= 50 && int(all.size()) < StakeCount; ++a)
            for (int b = a + 1; b <= 51 && int(all.size()) < StakeCount; ++b)
                for (int c = b + 1; c <= 52 && int(all.size()) < StakeCount; ++c)
                    for (int d = c + 1; d <= 53 && int(all.size()) < StakeCount; ++d)
                        for (int e = d + 1; e <= 54 && int(all.size()) < StakeCount; ++e) {
                            core::TValueSet s;
                            s.Count = 5;
                            const int v[] = {a, b, c, d, e};
                            for (int i = 0; i < 5; ++i)
                                s.Values[i] = std::uint8_t(v[i]);
                            all.push_back(s);
                        }
        return all;
    }();
    return sets;
}

// The same bytes as the stakes file of the benchmarks: a million records.
const QByteArray& plainImage()
{
    static const QByteArray image = [] {
        QByteArray bytes(qsizetype(StakeCount) * stakes::StakeRecSize, '\0');
        const core::TConfigData config;
        for (int i = 0; i < StakeCount; ++i)
            stakes::StakeToBytes(stakes::NewStake(stakes::KindScript, 1114, combinations()[std::size_t(i)], 3162510,
                                                  QStringLiteral("01.001: строка @ FULL#ALL + NUMS"), config),
                                 bytes.data() + qsizetype(i) * stakes::StakeRecSize);
        return bytes;
    }();
    return image;
}

void writePlain(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered);
    const QByteArray& image = plainImage();
    constexpr qsizetype Chunk = 4096 * stakes::StakeRecSize;
    for (qsizetype at = 0; at < image.size(); at += Chunk)
        file.write(image.constData() + at, std::min(Chunk, image.size() - at));
    file.flush();
}

void BM_StakesFileWrite(benchmark::State& state)
{
    plainImage();
    const QString path = stakesFolder().dir.filePath(QStringLiteral("plain.bin"));
    for (auto _ : state)
        writePlain(path);
    QFile::remove(path);
    state.SetBytesProcessed(std::int64_t(state.iterations()) * plainImage().size());
}

void BM_StakesFileRead(benchmark::State& state)
{
    const QString path = stakesFolder().dir.filePath(QStringLiteral("plain.bin"));
    writePlain(path);
    std::vector<char> block(4096 * stakes::StakeRecSize);
    for (auto _ : state) {
        QFile file(path);
        file.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
        qint64 total = 0;
        for (qint64 n; (n = file.read(block.data(), qint64(block.size()))) > 0;)
            total += n;
        benchmark::DoNotOptimize(total);
    }
    QFile::remove(path);
    state.SetBytesProcessed(std::int64_t(state.iterations()) * plainImage().size());
}

// What a script line with "only new stakes" does for each of its stakes.
void BM_StakesAddAll(benchmark::State& state)
{
    StakesFolder& f = stakesFolder();
    app::StakesController& book = f.session->stakes();
    const std::vector<core::TValueSet>& sets = combinations();
    const QString comment = QStringLiteral("01.001: строка @ FULL#ALL + NUMS");
    for (auto _ : state) {
        state.PauseTiming();
        book.clearForRun();
        state.ResumeTiming();
        for (const core::TValueSet& s : sets)
            book.scriptStakeAdd(s, comment, true, true, sets.size());
        book.file().flush(nullptr);
    }
    state.SetItemsProcessed(std::int64_t(state.iterations()) * StakeCount);
    state.SetBytesProcessed(std::int64_t(state.iterations()) * plainImage().size());
}

// The check of a million unchecked stakes of one draw, with the rating they feed.
void BM_StakesCheck(benchmark::State& state)
{
    StakesFolder& f = stakesFolder();
    app::StakesController& book = f.session->stakes();
    for (auto _ : state) {
        state.PauseTiming();
        book.close();
        writePlain(f.folder.stakesFile());
        book.open();
        state.ResumeTiming();
        book.check();
    }
    state.counters["checked"] = book.lastChecked();
    state.SetItemsProcessed(std::int64_t(state.iterations()) * StakeCount);
    state.SetBytesProcessed(std::int64_t(state.iterations()) * plainImage().size());
}

} // namespace

BENCHMARK(BM_StakesFileWrite)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_StakesAddAll)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_StakesFileRead)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_StakesCheck)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace bench
