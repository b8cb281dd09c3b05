#pragma once

// A session for the benchmarks: a person who never answers, and a data folder holding a copy of
// the real archive.

#include "app/Session.h"
#include "app/UserIo.h"
#include "core/DrawArchive.h"

#include <QFile>
#include <QTemporaryDir>

namespace bench {

class SilentIo : public app::UserIo
{
public:
    void showStatus(const QString&) override {}
    void busyChanged(bool) override {}
    void showMessage(app::MessageKind, const QString&) override {}
    bool askYesNo(const QString&, const QString&, bool, bool) override { return false; }
    bool editDraw(core::TDrawRec&, const QString&, bool) override { return false; }
    bool editConfig(core::TConfigData&, net::NetworkSettings&) override { return false; }
    bool editShredding(core::TShreddingData&) override { return false; }
    bool openUrl(const QString&) override { return true; }
    bool editGenSettings(core::TGenSettings&, bool&) override { return false; }
    bool editFilter(combos::TFilterItem&) override { return false; }
    bool editFavorites(stats::TStatList&, const core::DataFolder&, const QString&) override { return false; }
    QString pickOpenFile(const QString&) override { return {}; }
    QString pickSaveFile(const QString&, const QString&) override { return {}; }
    bool clipboardHasText() override { return false; }
    QString clipboardText() override { return {}; }
    void setClipboardText(const QString&) override {}
    void progressBegin(const QString&, int) override {}
    void progressStep(int) override {}
    void progressEnd() override {}
    void showGraph(const core::GraphData&) override {}
    bool editStake(stakes::TStakeRec&, int&) override { return false; }
    bool editMultiStake(int&, int&, QString&) override { return false; }
    bool editStakeFilter(int&, int&) override { return false; }
    bool editScriptLine(QString&, const QString&, int) override { return false; }
    bool editTableRule(stakes::TTableRec&, const QStringList&) override { return false; }
    int askTestCount(int) override { return 0; }
    void showWaitWindow(const QString&) override {}
    void closeWaitWindow() override {}
    void keepAlive() override {}
    bool editProxy(core::TProxy&) override { return false; }
    void progressWindowShow(const QString&, int) override {}
    void progressWindowUpdate(const QString&, int) override {}
    void progressWindowClose() override {}
    bool editExport(xls::ExportDialogState&) override { return false; }
    bool openDocument(const QString&) override { return false; }
    bool editSystem(stakes::tSystemData&, bool) override { return false; }
    bool editWheel(stakes::WheelParams&, int&) override { return false; }
    bool editScriptProperties(app::ScriptPropertiesForm&) override { return false; }
    bool askText(const QString&, const QString&, QString&) override { return false; }
    void showScriptRates(const std::vector<online::tScriptRate>&) override {}
    bool confirmUpdate(const QString&, const QString&, const QStringList&) override { return false; }
};

inline QTemporaryDir& dataDir()
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

inline core::DataFolder folder()
{
    return {dataDir().path(), QStringLiteral("Vertoma_5x54"), dataDir().path()};
}

} // namespace bench
