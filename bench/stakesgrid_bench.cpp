// The stakes grid over a million stakes: jumps and scrolls as the person makes them, each one
// painted at once. Only the rows on screen are read from the file, so a jump to the far end
// costs as much as one to the next page.

#include "app/Languages.h"
#include "app/Session.h"
#include "bench/BenchSession.h"
#include "stakes/StakeRecord.h"
#include "ui/MainWindow.h"
#include "ui/StakesPage.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableView>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int kStakes = 1000000;

// A data folder with the real archive and a million stakes of every kind, a separator now and
// then, most of them checked.
const QString& millionStakesFolder()
{
    static QTemporaryDir dir;
    static const bool written = [] {
        const QString archive = dir.filePath(core::kDrawsFileName);
        QFile::copy(QStringLiteral(VERTOMA_SHARED_DATA_DIR "/Vertoma_5x54.ldr"), archive);
        QFile::setPermissions(archive, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QFile file(dir.filePath(QStringLiteral("Vertoma_5x54.lsk")));
        if (!file.open(QIODevice::WriteOnly))
            return false;
        QRandomGenerator random(11);
        QByteArray block;
        for (int i = 0; i < kStakes; ++i) {
            stakes::TStakeRec rec = stakes::StakeSeparator();
            if (i % 10 != 9) {
                core::TValueSet numbers;
                numbers.Count = core::CombSize;
                for (int k = 0; k < core::CombSize; ++k)
                    numbers.Values[k] = std::uint8_t(5 * k + 1 + random.bounded(5));
                rec = stakes::NewStake(std::uint8_t(1 + i % 4), 1000 + i % 114, numbers, 3162510,
                                       QStringLiteral("Сценарий %1").arg(i % 37), core::TConfigData());
                if (i % 3 != 0) {
                    rec.Checked = 1;
                    for (int k = 0; k < core::CombSize; ++k)
                        rec.DrawValues[k] = std::uint8_t(5 * k + 1 + random.bounded(5));
                    rec.Matches.Count = 0;
                    for (int k = 0; k < core::CombSize; ++k) {
                        if (rec.DrawValues[k] == numbers.Values[k])
                            rec.Matches.Values[rec.Matches.Count++] = numbers.Values[k];
                    }
                    rec.Profit = rec.Matches.Count >= 3 ? 80000 : -20000;
                }
            }
            char bytes[stakes::StakeRecSize];
            stakes::StakeToBytes(rec, bytes);
            block.append(bytes, stakes::StakeRecSize);
            if (block.size() >= (1 << 22) || i + 1 == kStakes) {
                file.write(block);
                block.clear();
            }
        }
        return file.size() == qint64(kStakes) * stakes::StakeRecSize;
    }();
    static const QString path = written ? dir.path() : QString();
    return path;
}

// The desktop window on the folder, showing the stakes page at a usual size.
struct GridWindow
{
    GridWindow()
        : session(io, core::DataFolder(millionStakesFolder(), QStringLiteral("Vertoma_5x54"), millionStakesFolder()))
    {
        session.create();
        window = std::make_unique<ui::MainWindow>(session, languages);
        window->initialise();
        window->resize(1400, 900);
        window->show();
        window->mainPages()->setCurrentWidget(window->stakesPage());
        QApplication::processEvents();
        grid = window->stakesPage()->grid();
    }

    bench::SilentIo io;
    app::LanguageSwitcher languages;
    app::Session session;
    std::unique_ptr<ui::MainWindow> window;
    QTableView* grid = nullptr;
};

void pressKey(QWidget* widget, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers);
    QApplication::sendEvent(widget, &release);
}

// Ctrl+Home, painted, then Ctrl+End, painted: from the first stake to the last and back.
void BM_StakesGridHomeEnd(benchmark::State& state)
{
    if (millionStakesFolder().isEmpty()) {
        state.SkipWithError("the stakes file could not be written");
        return;
    }
    QElapsedTimer started;
    started.start();
    GridWindow w;
    // The window's start-up on the million stakes, shown once: it is not what the loop times.
    state.counters["startupMs"] = double(started.elapsed());
    w.grid->setFocus();
    for (auto _ : state) {
        pressKey(w.grid, Qt::Key_Home, Qt::ControlModifier);
        w.grid->viewport()->repaint();
        pressKey(w.grid, Qt::Key_End, Qt::ControlModifier);
        w.grid->viewport()->repaint();
    }
    state.counters["rows"] = double(w.grid->model()->rowCount());
    state.counters["lastRowShown"] = double(w.grid->rowAt(w.grid->viewport()->height() - 1));
}
BENCHMARK(BM_StakesGridHomeEnd)->Unit(benchmark::kMillisecond)->Iterations(100);

// A drag of the scroll bar to random places, painting each one.
void BM_StakesGridJump(benchmark::State& state)
{
    if (millionStakesFolder().isEmpty()) {
        state.SkipWithError("the stakes file could not be written");
        return;
    }
    GridWindow w;
    QScrollBar* bar = w.grid->verticalScrollBar();
    QRandomGenerator random(5);
    for (auto _ : state) {
        bar->setValue(int(random.bounded(quint32(bar->maximum() + 1))));
        w.grid->viewport()->repaint();
    }
    state.counters["visibleRows"] = double(w.grid->viewport()->height() / w.grid->rowHeight(0));
}
BENCHMARK(BM_StakesGridJump)->Unit(benchmark::kMillisecond)->Iterations(500);

// PageDown from the top, one page at a time, as a person holding the key.
void BM_StakesGridPageDown(benchmark::State& state)
{
    if (millionStakesFolder().isEmpty()) {
        state.SkipWithError("the stakes file could not be written");
        return;
    }
    GridWindow w;
    w.grid->setFocus();
    pressKey(w.grid, Qt::Key_Home, Qt::ControlModifier);
    for (auto _ : state) {
        pressKey(w.grid, Qt::Key_PageDown);
        w.grid->viewport()->repaint();
    }
}
BENCHMARK(BM_StakesGridPageDown)->Unit(benchmark::kMillisecond)->Iterations(1000);

} // namespace
