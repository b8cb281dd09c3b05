#include "app/ExclusiveFile.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstring>

#include <sys/file.h>

namespace app {

ExclusiveFile::~ExclusiveFile()
{
    close();
}

bool ExclusiveFile::open(const QString& path, QString* error)
{
    close();
    m_file.setFileName(path);
    if (!m_file.open(QIODevice::ReadWrite)) {
        if (error)
            *error = m_file.errorString();
        return false;
    }
    if (::flock(m_file.handle(), LOCK_EX | LOCK_NB) != 0) {
        const int code = errno;
        if (error) {
            *error = code == EWOULDBLOCK
                         ? QCoreApplication::translate("app::ExclusiveFile", "Файл занят другим процессом.")
                         : QString::fromLocal8Bit(std::strerror(code));
        }
        m_file.close();
        return false;
    }
    return true;
}

void ExclusiveFile::close()
{
    if (m_file.isOpen()) {
        m_file.flush();
        ::flock(m_file.handle(), LOCK_UN);
        m_file.close();
    }
}

} // namespace app
