#include "core/DataLocation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <unistd.h>

namespace core {

const QString DataLocation::kFolderName = QStringLiteral("Vertoma_5x54");

DataLocation::Facts DataLocation::probe(const QString& exeDir)
{
    Facts facts;
    facts.ExeDir = QDir(exeDir).absolutePath();
    facts.ExeDirWritable = writable(facts.ExeDir);
    facts.Installed = installed(facts.ExeDir);
    facts.XdgDataHome = qEnvironmentVariable("XDG_DATA_HOME");
    facts.Home = qEnvironmentVariable("HOME");
    if (facts.Home.isEmpty())
        facts.Home = QDir::homePath();
    return facts;
}

DataLocation::Choice DataLocation::choose(const QString& dataDirArgument, const Facts& facts)
{
    Choice choice;
    if (!dataDirArgument.isEmpty()) {
        choice.Dir = QDir(dataDirArgument).absolutePath();
        choice.FromArgument = true;
        return choice;
    }
    // Root may write into /usr/bin, but an installed program must still keep out of it.
    if (facts.ExeDirWritable && !facts.Installed) {
        choice.Dir = QDir(facts.ExeDir).absolutePath();
        return choice;
    }
    choice.Dir = QDir(userDataHome(facts.XdgDataHome, facts.Home)).filePath(kFolderName);
    choice.UserDataHome = true;
    return choice;
}

QString DataLocation::userDataHome(const QString& xdgDataHome, const QString& home)
{
    // A relative $XDG_DATA_HOME is invalid by the rules and is ignored.
    if (!xdgDataHome.isEmpty() && QDir::isAbsolutePath(xdgDataHome))
        return QDir::cleanPath(xdgDataHome);
    return QDir::cleanPath(QDir(home.isEmpty() ? QDir::homePath() : home).filePath(QStringLiteral(".local/share")));
}

QString DataLocation::shareDir(const QString& exeDir)
{
    return QDir::cleanPath(exeDir + QStringLiteral("/../share/") + kFolderName);
}

bool DataLocation::installed(const QString& exeDir)
{
    return QFileInfo(shareDir(exeDir)).isDir();
}

bool DataLocation::writable(const QString& dir)
{
    const QByteArray path = QFile::encodeName(dir);
    // access() also answers for read-only mounts, where the permission bits alone would lie.
    return QFileInfo(dir).isDir() && ::access(path.constData(), W_OK | X_OK) == 0;
}

bool DataLocation::ensure(const Choice& choice, QString* error)
{
    if (QFileInfo(choice.Dir).isDir())
        return true;
    if (QDir().mkpath(choice.Dir))
        return true;
    if (error) {
        *error = QCoreApplication::translate("core::DataLocation", "Не удалось создать каталог данных \"%1\".")
                     .arg(QDir::toNativeSeparators(choice.Dir));
    }
    return false;
}

} // namespace core
