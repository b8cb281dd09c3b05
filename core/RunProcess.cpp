#include "core/RunProcess.h"

#include "core/TextForms.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>

namespace core {

int RunProcess(const QString& folder, const QString& program, const QStringList& arguments,
               const RunOptions& options)
{
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setWorkingDirectory(folder);
    // The helper's own output is of no interest here, and a full pipe must never stall it.
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.setStandardInputFile(QProcess::nullDevice());
    if (!options.wait) {
        if (!process.startDetached())
            throw EConvertError(process.errorString());
        return 0;
    }
    process.start();
    if (!process.waitForStarted(30000)) {
        const QString reason = process.errorString();
        process.kill();
        process.waitForFinished(1000);
        throw EConvertError(reason);
    }
    QElapsedTimer timer;
    timer.start();
    while (!process.waitForFinished(100)) {
        if (process.state() == QProcess::NotRunning)
            break;
        if (options.keepAlive)
            options.keepAlive();
        if (options.timeoutSeconds > 0 && timer.elapsed() >= qint64(options.timeoutSeconds) * 1000) {
            process.kill();
            process.waitForFinished(5000);
            throw EConvertError(
                QCoreApplication::translate("core", "Ожидание завершения процесса (файла) \"%1\" прервано в связи с "
                                                    "превышением времени ожидания!")
                    .arg(QFileInfo(program).fileName()));
        }
    }
    if (process.exitStatus() != QProcess::NormalExit)
        return -1;
    return process.exitCode();
}

} // namespace core
