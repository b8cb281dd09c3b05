#include "TestHelpers.h"

#include "core/TextForms.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <csignal>

namespace testsupport {

core::TDrawRec MakeDraw(int num, std::initializer_list<int> values, int extra, const char* date)
{
    core::TDrawRec rec;
    rec.Num = num;
    int i = 0;
    for (int v : values) {
        if (i < core::CombSize)
            rec.Values[i++] = static_cast<std::uint8_t>(v);
    }
    rec.Extra = static_cast<std::uint8_t>(extra);
    core::SetDrawDateText(rec, QString::fromLatin1(date));
    return rec;
}

QByteArray ReadFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

FileSizeLimit::FileSizeLimit(rlim_t bytes)
{
    getrlimit(RLIMIT_FSIZE, &m_old);
    m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = m_old;
    small.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &small);
}

FileSizeLimit::~FileSizeLimit()
{
    setrlimit(RLIMIT_FSIZE, &m_old);
    std::signal(SIGXFSZ, m_oldHandler);
}

} // namespace testsupport
