// A stand-in for the program in the restart test: at start it looks for an update of itself,
// installs it over its own folder and starts the new version with "restart"; restarted, it
// waits for the old instance to end first. Each step goes to the log file, one line each.
//
// update-probe [restart] SOURCE CAFILE LOG

#include "app/ProcessList.h"
#include "core/TextForms.h"
#include "online/SelfUpdate.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

namespace {

struct NoProgress : core::Progress
{
    void setText(const QString&) override {}
    void step(int) override {}
};

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QStringList args = application.arguments().mid(1);
    const bool restarted = !args.isEmpty() && args.first() == QStringLiteral("restart");
    if (restarted)
        args.removeFirst();
    if (args.size() != 3)
        return 2;
    // Asked before anything is renamed: the system names a program by its current file.
    const QString exe = QCoreApplication::applicationFilePath();
    const QString dir = QCoreApplication::applicationDirPath();
    const auto log = [&args](const QString& line) {
        QFile file(args[2]);
        if (file.open(QIODevice::WriteOnly | QIODevice::Append))
            file.write((line + u'\n').toUtf8());
    };

    if (restarted) {
        const bool ended = app::WaitForProcessesToEnd(QFileInfo(exe).fileName(), 200);
        log(ended ? QStringLiteral("restarted after the old one ended") : QStringLiteral("restarted, old one running"));
    }
    QFile versionFile(QDir(dir).filePath(QStringLiteral("probe.version")));
    const QString version = versionFile.open(QIODevice::ReadOnly) ? QString::fromLatin1(versionFile.readAll()).trimmed()
                                                                   : QStringLiteral("0.1.0.1");
    online::UpdateSite site;
    site.installDir = dir;
    site.product = QFileInfo(exe).fileName();
    site.currentVersion = version;
    site.runningExe = exe;
    site.request.caFile = args[1];
    site.processTimeoutSeconds = 20;
    const online::SelfUpdater updater(site);
    NoProgress progress;
    try {
        const online::UpdateSearch found = updater.search(args[0], 0, {}, progress);
        log(QStringLiteral("version %1: %2").arg(version, found.exists ? found.info.VerId : QStringLiteral("current")));
        if (!found.exists)
            return 0;
        updater.install(found.info, progress);
        const QStringList aside = QDir(dir).entryList({QStringLiteral("*.~*")}, QDir::Files);
        log(QStringLiteral("installed, aside: ") + aside.join(u' '));
        QString error;
        if (!app::RestartProgram(args, &error)) {
            log(QStringLiteral("restart failed: ") + error);
            return 1;
        }
        // The new instance must wait for this one, however long it takes to end.
        QThread::msleep(1500);
        log(QStringLiteral("old one ends"));
        return 0;
    } catch (const core::EConvertError& e) {
        log(QStringLiteral("error: ") + e.message());
        return 1;
    }
}
