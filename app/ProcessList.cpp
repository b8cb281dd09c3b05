#include "app/ProcessList.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>

namespace app {

namespace {

// The kernel keeps only the first 15 bytes of a process name in "comm".
constexpr int kCommLength = 15;

// An update sets the running executable aside under a ".~" name ("Vertoma_5x54.~exe",
// "Vertoma_5x54.~"); the process still is that program and must be waited for.
QString withoutAsideMark(const QString& name)
{
    static const QRegularExpression mark(QStringLiteral("\\.~+"));
    const QRegularExpressionMatch match = mark.match(name);
    if (!match.hasMatch())
        return name;
    const QString rest = name.mid(match.capturedEnd());
    return name.left(match.capturedStart()) + (rest.isEmpty() ? QString() : u'.' + rest);
}

QString processExeName(const QString& procDir)
{
    const QString target = QFileInfo(procDir + QStringLiteral("/exe")).symLinkTarget();
    if (!target.isEmpty())
        return withoutAsideMark(
            QFileInfo(target.endsWith(QStringLiteral(" (deleted)")) ? target.chopped(10) : target).fileName());
    // Without access to the link (another user's process) the short name is all there is.
    QFile comm(procDir + QStringLiteral("/comm"));
    if (comm.open(QIODevice::ReadOnly))
        return QString::fromLocal8Bit(comm.read(64)).trimmed();
    return {};
}

} // namespace

int CountOtherProcesses(const QString& exeName)
{
    const QString self = QString::number(QCoreApplication::applicationPid());
    const QString shortName = exeName.left(kCommLength);
    int count = 0;
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) {
        bool numeric = false;
        entry.toLongLong(&numeric);
        if (!numeric || entry == self)
            continue;
        const QString name = processExeName(QStringLiteral("/proc/") + entry);
        if (name == exeName || (name.size() == kCommLength && name == shortName))
            ++count;
    }
    return count;
}

bool WaitForProcessesToEnd(const QString& exeName, int maxChecks, const std::function<int(const QString&)>& count)
{
    for (int check = 1; check <= maxChecks; ++check) {
        if (count(exeName) == 0)
            return true;
        if (check == maxChecks)
            break;
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < 100) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
            QThread::msleep(10);
        }
    }
    return false;
}

bool RestartProgram(const QStringList& extraArgs, QString* error)
{
    QProcess process;
    process.setProgram(QCoreApplication::applicationFilePath());
    process.setArguments(QStringList{QStringLiteral("restart")} + extraArgs);
    process.setWorkingDirectory(QCoreApplication::applicationDirPath());
    if (process.startDetached())
        return true;
    if (error)
        *error = process.errorString();
    return false;
}

} // namespace app
