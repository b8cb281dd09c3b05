// The spreadsheet export of the full candidate list, 3,162,510 rows of seven columns: written
// row by row in constant memory over four sheets. The peak memory of the process stays near
// that of the list itself (run it alone under /usr/bin/time -v to see it).

#include "app/ArchiveController.h"
#include "app/CandidatesController.h"
#include "app/ExportController.h"
#include "app/Session.h"
#include "bench/BenchSession.h"
#include "export/ExportRows.h"
#include "export/XlsxWriter.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using bench::SilentIo;

void BM_ExportFullCandidateList(benchmark::State& state)
{
    SilentIo io;
    app::Session session(io, bench::folder());
    session.create();
    session.archive().load();
    core::TGenSettings all = session.candidates().genSettings();
    all.Mode = 0;
    session.candidates().generate(all, false);
    if (session.candidates().combs().size() != 3162510) {
        state.SkipWithError(QStringLiteral("the full list was not generated: %1 rows")
                                .arg(session.candidates().combs().size())
                                .toUtf8()
                                .constData());
        return;
    }
    auto source = session.exportCtl().combsSource();
    const xls::TExportParams params =
        xls::DefaultParams(*source, QStringLiteral("Комбинации"), QStringLiteral("Комбинации"));
    const xls::RowPlan rows(*source, xls::RowMode::All);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("combs.xlsx"));
    qint64 size = 0;
    for (auto _ : state) {
        QString error;
        xls::WriteResult result;
        if (!xls::WriteWorkbook(file, *source, params, rows, nullptr, {}, &error, &result)) {
            state.SkipWithError(error.toUtf8().constData());
            return;
        }
        size = QFileInfo(file).size();
        state.counters["sheets"] = result.Sheets;
    }
    state.counters["rows"] = rows.count();
    state.counters["MiB"] = double(size) / (1024 * 1024);
}

} // namespace

BENCHMARK(BM_ExportFullCandidateList)->Unit(benchmark::kSecond)->Iterations(1);
