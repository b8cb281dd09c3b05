// The command-line tool as an installation runs it: from <prefix>/bin, with its help pages and
// language modules in <prefix>/share/Vertoma_5x54 and its data in the user's data home.

#include "CliRunner.h"
#include "TestPaths.h"
#include "core/DrawArchive.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class CliFoldersTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QDir().mkpath(bin()));
        m_cli = QDir(bin()).filePath(QStringLiteral("vertoma-cli"));
        ASSERT_TRUE(QFile::copy(QStringLiteral(VERTOMA_CLI_PATH), m_cli));
    }

    QString bin() const { return m_root.filePath(QStringLiteral("usr/bin")); }
    QString share() const { return m_root.filePath(QStringLiteral("usr/share/Vertoma_5x54")); }
    QString xdg() const { return m_root.filePath(QStringLiteral("xdg")); }
    QString userData() const { return QDir(xdg()).filePath(QStringLiteral("Vertoma_5x54")); }

    void install()
    {
        ASSERT_TRUE(QDir().mkpath(share() + QStringLiteral("/translations")));
        ASSERT_TRUE(QDir().mkpath(share() + QStringLiteral("/help")));
        ASSERT_TRUE(QFile::copy(QStringLiteral(VERTOMA_TRANSLATIONS_DIR "/Vertoma_5x54_ENU.lng"),
                                share() + QStringLiteral("/translations/Vertoma_5x54_ENU.lng")));
        QFile help(share() + QStringLiteral("/help/Numeko_RUS.html"));
        ASSERT_TRUE(help.open(QIODevice::WriteOnly));
    }

    testsupport::CliResult run(const QStringList& args)
    {
        QProcess process;
        // The installed English module must not turn the tool English under an English locale.
        QProcessEnvironment env = testsupport::MessagesLocale(QStringLiteral("C.UTF-8"));
        env.insert(QStringLiteral("XDG_DATA_HOME"), xdg());
        env.insert(QStringLiteral("HOME"), m_root.filePath(QStringLiteral("home")));
        process.setProcessEnvironment(env);
        process.start(m_cli, args);
        EXPECT_TRUE(process.waitForFinished(120000));
        testsupport::CliResult r;
        r.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        r.out = QString::fromUtf8(process.readAllStandardOutput());
        r.err = QString::fromUtf8(process.readAllStandardError());
        return r;
    }

    QTemporaryDir m_root;
    QString m_cli;
};

} // namespace

TEST_F(CliFoldersTest, AnInstalledToolKeepsItsDataInTheUserDataHome)
{
    install();
    EXPECT_FALSE(QFileInfo::exists(userData()));
    testsupport::CliResult r = run({QStringLiteral("folders")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.lines(), (QStringList{QStringLiteral("data\t") + userData(),
                                      QStringLiteral("help\t") + share() + QStringLiteral("/help/Numeko_RUS.html"),
                                      QStringLiteral("language\tENU\t") + share() +
                                          QStringLiteral("/translations/Vertoma_5x54_ENU.lng")}));
    EXPECT_TRUE(QFileInfo(userData()).isDir()) << "made on first start";

    // Draws imported without --data-dir land there, never beside the executable.
    r = run({QStringLiteral("draws"), QStringLiteral("import"),
             QStringLiteral(VERTOMA_SHARED_DATA_DIR "/draws_history_import.csv")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    core::TDrawsArray draws;
    ASSERT_TRUE(core::LoadDrawsFile(QDir(userData()).filePath(QStringLiteral("Vertoma_5x54.ldr")), draws));
    EXPECT_EQ(draws.size(), 1114u);
    EXPECT_EQ(QDir(bin()).entryList(QDir::Files), QStringList{QStringLiteral("vertoma-cli")});
    r = run({QStringLiteral("status")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.lines().value(0), QStringLiteral("Архив тиражей: 1114"));

    // --data-dir still wins, and a folder it names must exist.
    const QString other = m_root.filePath(QStringLiteral("other"));
    r = run({QStringLiteral("--data-dir"), other, QStringLiteral("folders")});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.err.contains(other)) << r.err.toStdString();
    ASSERT_TRUE(QDir().mkpath(other));
    r = run({QStringLiteral("--data-dir"), other, QStringLiteral("folders")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.lines().value(0), QStringLiteral("data\t") + other);
}

TEST_F(CliFoldersTest, ACopyOfItsOwnKeepsItsDataBesideTheExecutable)
{
    // No shared folder: a folder the tool was unpacked into, which it may write to.
    const testsupport::CliResult r = run({QStringLiteral("folders")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.lines().value(0), QStringLiteral("data\t") + bin());
    EXPECT_TRUE(r.lines().value(1).endsWith(QStringLiteral("\tнет"))) << "no help pages around";
    EXPECT_EQ(r.lines().size(), 2) << "no language modules";
    EXPECT_FALSE(QFileInfo::exists(userData()));
}
