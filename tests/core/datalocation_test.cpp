// The choice of the data folder: beside the executable for a copy of its own, under the user's
// data home for an installation or an executable folder that cannot be written to.

#include "core/DataLocation.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

using core::DataLocation;

DataLocation::Facts facts(bool writable, bool installed, const QString& xdg = {})
{
    DataLocation::Facts f;
    f.ExeDir = QStringLiteral("/opt/vertoma/bin");
    f.ExeDirWritable = writable;
    f.Installed = installed;
    f.XdgDataHome = xdg;
    f.Home = QStringLiteral("/home/player");
    return f;
}

} // namespace

TEST(DataLocationTest, ChoiceFollowsTheExecutableFolderAndTheArgument)
{
    // A writable copy of its own keeps the files beside the executable.
    DataLocation::Choice c = DataLocation::choose({}, facts(true, false));
    EXPECT_EQ(c.Dir, QStringLiteral("/opt/vertoma/bin"));
    EXPECT_FALSE(c.UserDataHome);
    EXPECT_FALSE(c.FromArgument);

    // Not writable: the user's data home, by default ~/.local/share.
    c = DataLocation::choose({}, facts(false, false));
    EXPECT_EQ(c.Dir, QStringLiteral("/home/player/.local/share/Vertoma_5x54"));
    EXPECT_TRUE(c.UserDataHome);

    // Installed: the data home even when the folder could be written to (root and /usr/bin).
    c = DataLocation::choose({}, facts(true, true, QStringLiteral("/data/xdg")));
    EXPECT_EQ(c.Dir, QStringLiteral("/data/xdg/Vertoma_5x54"));
    EXPECT_TRUE(c.UserDataHome);

    // A relative XDG_DATA_HOME is not a valid one.
    c = DataLocation::choose({}, facts(false, false, QStringLiteral("relative/xdg")));
    EXPECT_EQ(c.Dir, QStringLiteral("/home/player/.local/share/Vertoma_5x54"));

    // --data-dir wins over everything.
    c = DataLocation::choose(QStringLiteral("/srv/lottery"), facts(false, true, QStringLiteral("/data/xdg")));
    EXPECT_EQ(c.Dir, QStringLiteral("/srv/lottery"));
    EXPECT_TRUE(c.FromArgument);
    EXPECT_FALSE(c.UserDataHome);
}

TEST(DataLocationTest, AnInstallationIsRecognisedByItsSharedFolder)
{
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QString bin = root.filePath(QStringLiteral("usr/bin"));
    ASSERT_TRUE(QDir().mkpath(bin));
    EXPECT_FALSE(DataLocation::installed(bin));
    EXPECT_EQ(DataLocation::shareDir(bin), QDir::cleanPath(root.filePath(QStringLiteral("usr/share/Vertoma_5x54"))));

    ASSERT_TRUE(QDir().mkpath(root.filePath(QStringLiteral("usr/share/Vertoma_5x54"))));
    EXPECT_TRUE(DataLocation::installed(bin));

    // The real probe of that folder: writable (this process made it) yet installed, so the data
    // goes to the data home named by the environment, which is made on first use.
    const QString xdg = root.filePath(QStringLiteral("xdg"));
    qputenv("XDG_DATA_HOME", QFile::encodeName(xdg));
    const DataLocation::Facts probed = DataLocation::probe(bin);
    qunsetenv("XDG_DATA_HOME");
    EXPECT_TRUE(probed.ExeDirWritable);
    EXPECT_TRUE(probed.Installed);
    const DataLocation::Choice choice = DataLocation::choose({}, probed);
    EXPECT_EQ(choice.Dir, QDir(xdg).filePath(QStringLiteral("Vertoma_5x54")));
    EXPECT_FALSE(QFileInfo::exists(choice.Dir));
    QString error;
    ASSERT_TRUE(DataLocation::ensure(choice, &error)) << error.toStdString();
    EXPECT_TRUE(QFileInfo(choice.Dir).isDir());
}

TEST(DataLocationTest, ARealFolderWithoutWriteAccessSendsTheDataHome)
{
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QString bin = root.filePath(QStringLiteral("bin"));
    const QString xdg = root.filePath(QStringLiteral("xdg"));
    ASSERT_TRUE(QDir().mkpath(bin));
    ASSERT_TRUE(QDir().mkpath(xdg));
    ASSERT_EQ(::chmod(QFile::encodeName(bin).constData(), 0555), 0);
    // Every user may pass through the temporary folder and write in the data home, so the check
    // can run as an unprivileged user when the tests run as root, who may write anywhere.
    ::chmod(QFile::encodeName(root.path()).constData(), 0755);
    ::chmod(QFile::encodeName(xdg).constData(), 0777);

    EXPECT_EXIT(
        {
            if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
                ::_exit(3);
            qputenv("XDG_DATA_HOME", QFile::encodeName(xdg));
            const DataLocation::Facts probed = DataLocation::probe(bin);
            if (probed.ExeDirWritable || probed.Installed)
                ::_exit(4);
            const DataLocation::Choice choice = DataLocation::choose({}, probed);
            if (choice.Dir != QDir(xdg).filePath(QStringLiteral("Vertoma_5x54")))
                ::_exit(5);
            QString error;
            if (!DataLocation::ensure(choice, &error) || !QFileInfo(choice.Dir).isDir())
                ::_exit(6);
            ::_exit(0);
        },
        ::testing::ExitedWithCode(0), "");
    EXPECT_TRUE(QFileInfo(QDir(xdg).filePath(QStringLiteral("Vertoma_5x54"))).isDir());
    ::chmod(QFile::encodeName(bin).constData(), 0755);
}

TEST(DataLocationTest, EnsureReportsAFolderThatCannotBeMade)
{
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    // A file stands where a parent folder would have to be.
    const QString blocker = root.filePath(QStringLiteral("file"));
    QFile f(blocker);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    DataLocation::Choice choice;
    choice.Dir = QDir(blocker).filePath(QStringLiteral("Vertoma_5x54"));
    QString error;
    EXPECT_FALSE(DataLocation::ensure(choice, &error));
    EXPECT_TRUE(error.contains(choice.Dir)) << error.toStdString();
}

TEST(DataLocationTest, UserDataHomeFollowsTheXdgRules)
{
    EXPECT_EQ(DataLocation::userDataHome({}, QStringLiteral("/home/a")), QStringLiteral("/home/a/.local/share"));
    EXPECT_EQ(DataLocation::userDataHome(QStringLiteral("/x/y/"), QStringLiteral("/home/a")), QStringLiteral("/x/y"));
    EXPECT_EQ(DataLocation::userDataHome(QStringLiteral("x/y"), QStringLiteral("/home/a")),
              QStringLiteral("/home/a/.local/share"));
}
