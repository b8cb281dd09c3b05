// Start-up with the real archive: the session reading its files and loading the archive, and the
// whole main window being built on it, models included.

#include "app/Languages.h"
#include "app/Session.h"
#include "core/DrawArchive.h"
#include "ui/DrawListModel.h"
#include "ui/MainWindow.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

class SilentIo : public app::UserIo
{
public:
    void showStatus(const QString&) override {}
    void busyChanged(bool) override {}
    void showMessage(app::MessageKind, const QString&) override {}
    bool askYesNo(const QString&, const QString&, bool, bool) override { return false; }
    bool editDraw(core::TDrawRec&, const QString&, bool) override { return false; }
    bool editConfig(core::TConfigData&) override { return false; }
    bool editShredding(core::TShreddingData&) override { return false; }
    void openUrl(const QString&) override {}
    bool editGenSettings(core::TGenSettings&, bool&) override { return false; }
    QString pickOpenFile(const QString&) override { return {}; }
    QString pickSaveFile(const QString&, const QString&) override { return {}; }
    bool clipboardHasText() override { return false; }
    QString clipboardText() override { return {}; }
    void setClipboardText(const QString&) override {}
    void progressBegin(const QString&, int) override {}
    void progressStep(int) override {}
    void progressEnd() override {}
};

QTemporaryDir& dataDir()
{
    static QTemporaryDir dir;
    static const bool copied = [] {
        const QString target = dir.filePath(core::kDrawsFileName);
        QFile::copy(QStringLiteral(VERTOMA_SHARED_DATA_DIR "/Vertoma_5x54.ldr"), target);
        QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        return true;
    }();
    (void)copied;
    return dir;
}

core::DataFolder folder()
{
    return {dataDir().path(), QStringLiteral("Vertoma_5x54"), dataDir().path()};
}

void BM_SessionStartup(benchmark::State& state)
{
    SilentIo io;
    for (auto _ : state) {
        app::Session session(io, folder());
        session.create();
        session.initialise();
        ui::DrawListModel model(session);
        // Every cell the list could ask for, as a full scroll through it would.
        for (int row = 0; row < model.rowCount(); ++row) {
            for (int column = 0; column < model.columnCount(); ++column) {
                benchmark::DoNotOptimize(model.data(model.index(row, column), Qt::DisplayRole));
                benchmark::DoNotOptimize(model.data(model.index(row, column), Qt::BackgroundRole));
            }
        }
        session.shutdown();
    }
}
BENCHMARK(BM_SessionStartup)->Unit(benchmark::kMillisecond);

void BM_MainWindowStartup(benchmark::State& state)
{
    SilentIo io;
    app::LanguageSwitcher languages;
    for (auto _ : state) {
        app::Session session(io, folder());
        session.create();
        ui::MainWindow window(session, languages);
        window.initialise();
        benchmark::DoNotOptimize(window.statusPanel(0));
    }
}
BENCHMARK(BM_MainWindowStartup)->Unit(benchmark::kMillisecond);

} // namespace
