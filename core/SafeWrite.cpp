#include "core/SafeWrite.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <fcntl.h>
#include <unistd.h>

namespace core {

namespace {

void syncFolderOf(const QString& filePath)
{
    const QByteArray dir = QFile::encodeName(QFileInfo(filePath).absolutePath());
    const int fd = ::open(dir.constData(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

bool WriteFileSafely(const QString& path, const std::function<bool(QIODevice&, QString*)>& write, QString* error,
                     bool syncFolder)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    if (!write(file, error)) {
        file.cancelWriting();
        return false;
    }
    // QSaveFile::commit() renames even when the final flush of its buffer fails (a full disk,
    // a file size limit), which would publish a short file; so the flush is done and checked here.
    if (!file.flush() || file.error() != QFileDevice::NoError) {
        if (error) {
            *error = QCoreApplication::translate("core", "Файл записан не полностью (%1).").arg(file.errorString());
        }
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    if (syncFolder)
        syncFolderOf(path);
    return true;
}

bool WriteBytesSafely(const QString& path, const QByteArray& bytes, QString* error, bool syncFolder)
{
    return WriteFileSafely(
        path,
        [&bytes](QIODevice& device, QString* e) {
            if (device.write(bytes) == bytes.size())
                return true;
            if (e)
                *e = device.errorString();
            return false;
        },
        error, syncFolder);
}

} // namespace core
