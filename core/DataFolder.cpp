#include "core/DataFolder.h"

#include "core/DrawArchive.h"

#include <QDir>
#include <QFileInfo>

namespace core {

const QString DataFolder::kDemoMarker = QStringLiteral(".vertoma-demo");

DataFolder::DataFolder(const QString& dir, const QString& baseName, const QString& exeDir)
    : m_dir(QDir(dir).absolutePath()), m_baseName(baseName), m_exeDir(QDir(exeDir).absolutePath())
{
}

QString DataFolder::file(const QString& name) const
{
    return QDir(m_dir).filePath(name);
}

QString DataFolder::derived(const QString& extension) const
{
    return file(m_baseName + extension);
}

QString DataFolder::drawsFile() const
{
    return file(kDrawsFileName);
}

QString DataFolder::configFile() const
{
    return file(QStringLiteral("Vertoma_5x54.ini"));
}

QString DataFolder::lockFile() const
{
    return file(QStringLiteral("Vertoma_5x54.lck"));
}

QString DataFolder::stakesFile() const
{
    return file(QStringLiteral("Vertoma_5x54.lsk"));
}

QString DataFolder::stateFile() const
{
    return derived(QStringLiteral(".frm"));
}

QString DataFolder::namesFile() const
{
    return derived(QStringLiteral(".flt"));
}

bool DataFolder::isDemo() const
{
    return QFileInfo::exists(file(kDemoMarker));
}

} // namespace core
