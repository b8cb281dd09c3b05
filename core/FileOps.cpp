#include "core/FileOps.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace core {

FileOpReport DeleteFiles(const QStringList& paths)
{
    FileOpReport report;
    report.Title = QCoreApplication::translate("core", "Удаление файлов");
    int deleted = 0;
    QStringList failures;
    for (const QString& path : paths) {
        QFile file(path);
        if (file.remove())
            ++deleted;
        else
            failures << QStringLiteral("%1: %2").arg(QFileInfo(path).fileName(), file.errorString());
    }
    report.Success = failures.isEmpty();
    report.Details = QCoreApplication::translate("core", "Удалено файлов: %1 из %2.").arg(deleted).arg(paths.size());
    if (!failures.isEmpty())
        report.Details += QStringLiteral("\n\n") + failures.join(u'\n');
    return report;
}

} // namespace core
