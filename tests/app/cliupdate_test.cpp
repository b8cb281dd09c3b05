// "update check" and "update install" of the real tool against the stand-in service host. The
// tool runs from a copy in a temporary installation folder, since the update replaces files of
// the folder the executable lies in.

#include "CliRunner.h"
#include "LiveHost.h"
#include "UpdatePackage.h"
#include "app/ExclusiveFile.h"
#include "core/Cp1251.h"
#include "core/Version.h"
#include "online/SelfUpdate.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using testsupport::ReadFile;
using testsupport::RunCli;
using testsupport::WriteFile;

namespace {

class CliUpdateTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QFile::copy(QStringLiteral(VERTOMA_CLI_PATH), m_cli));
        WriteFile(m_data.filePath(u"Vertoma_5x54.ini"_s),
                  u"[NETWORK]\r\nServiceUrl=%1\r\nCaFile=%2\r\n"_s.arg(m_host.url(), testsupport::TestCaFile()).toUtf8());
        WriteFile(install(u"readme.txt"_s), "old readme");
    }
    QString install(const QString& name) const { return QDir(m_install.path()).filePath(name); }
    QString hosted(const QString& name) const { return m_host.dataDir() + u"/files/autoupdates/"_s + name; }
    testsupport::CliResult run(const QStringList& args) { return RunCli(m_cli, m_data.path(), args); }
    // The next build of the running version.
    static QString nextVersion()
    {
        QStringList parts = core::ProgramVersion().split(u'.');
        parts[3] = QString::number(online::BuildNumber(core::ProgramVersion()) + 1);
        return parts.join(u'.');
    }
    void publish()
    {
        WriteFile(hosted(u"next.upd"_s), testsupport::MakeUpdatePackage(
                                             {{u"readme.txt"_s, "new readme"}, {u"plugin.dat"_s, "new plugin"}}));
        WriteFile(hosted(u"Numeko_AU.cfg"_s),
                  cp1251::encode(u"[Vertoma_5x54]\r\nVerId=%1\r\nDescription=Вертома %1\r\nDownloadUrl=%2\r\n"
                                 u"OriginalFileName=setup.sh\r\nChecksumSHA256=%3\r\n"_s
                                     .arg(nextVersion(), m_host.url() + u"/files/autoupdates/next.upd"_s,
                                          online::Sha256Text(hosted(u"next.upd"_s)))));
        WriteFile(hosted(u"UpdDescr/UpdDescr_%1.txt"_s.arg(nextVersion())), cp1251::encode(u"Исправлены ошибки"_s));
    }

    testsupport::LiveHost m_host;
    QTemporaryDir m_install;
    QTemporaryDir m_data;
    const QString m_cli = QDir(m_install.path()).filePath(u"vertoma-cli"_s);
};

TEST_F(CliUpdateTest, CheckSaysWhatTheHostOffers)
{
    testsupport::CliResult r = run({u"update"_s, u"check"_s});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.startsWith(u"Ошибка поиска обновлений!"_s)) << r.err.toStdString();

    publish();
    WriteFile(install(u"old.~txt"_s), "left by an earlier update");
    r = run({u"update"_s, u"check"_s});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.lines(), (QStringList{u"Текущая версия программы: %1"_s.arg(core::ProgramVersion()),
                                      u"Новая версия программы: Вертома %1"_s.arg(nextVersion()),
                                      u"Номер версии: %1"_s.arg(nextVersion()), u"Описание версии:"_s,
                                      u"Исправлены ошибки"_s}));
    // The check removes the leftovers and changes nothing else.
    EXPECT_FALSE(QFileInfo::exists(install(u"old.~txt"_s)));
    EXPECT_EQ(ReadFile(install(u"readme.txt"_s)), "old readme");

    WriteFile(hosted(u"Numeko_AU.cfg"_s), u"[Vertoma_5x54]\r\nVerId=%1\r\n"_s.arg(core::ProgramVersion()).toUtf8());
    r = run({u"update"_s, u"check"_s});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.lines(), QStringList{u"Обновлений не найдено!"_s});

    EXPECT_EQ(run({u"update"_s}).exitCode, 2);
    const testsupport::CliResult help = run({u"update"_s, u"--help"_s});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.contains(u"update install"_s));
    EXPECT_EQ(run({u"update"_s, u"check"_s, u"extra"_s}).exitCode, 2);
}

TEST_F(CliUpdateTest, InstallAnswersYesAndHonoursTheHold)
{
    publish();
    {
        // Another instance holds the data folder: nothing is touched.
        app::ExclusiveFile hold;
        ASSERT_TRUE(hold.open(m_data.filePath(u"Vertoma_5x54.lck"_s)));
        const testsupport::CliResult r = run({u"update"_s, u"install"_s});
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_TRUE(r.err.contains(u"монопольный доступ"_s)) << r.err.toStdString();
        EXPECT_EQ(ReadFile(install(u"readme.txt"_s)), "old readme");
    }
    const testsupport::CliResult r = run({u"update"_s, u"install"_s});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(u"Установка обновления \"Вертома %1\" успешно выполнена."_s.arg(nextVersion())))
        << r.err.toStdString();
    EXPECT_EQ(ReadFile(install(u"readme.txt"_s)), "new readme");
    EXPECT_EQ(ReadFile(install(u"plugin.dat"_s)), "new plugin");
    EXPECT_FALSE(QFileInfo::exists(install(u"SelfUpdate"_s)));
    EXPECT_FALSE(QFileInfo::exists(install(u"SelfUpdates.inf"_s)));

    // A package that does not match its checksum fails, and the files stay as they are.
    WriteFile(hosted(u"next.upd"_s), testsupport::MakeUpdatePackage({{u"readme.txt"_s, "tampered"}}));
    const testsupport::CliResult bad = run({u"update"_s, u"install"_s});
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_TRUE(bad.err.contains(u"Ошибка установки обновления!"_s)) << bad.err.toStdString();
    EXPECT_EQ(ReadFile(install(u"readme.txt"_s)), "new readme");
}

} // namespace
