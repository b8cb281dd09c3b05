// The self-update as the person meets it: the session against the stand-in service host on
// loopback, over a temporary installation folder apart from the data folder.

#include "FakeUserIo.h"
#include "LiveHost.h"
#include "UpdatePackage.h"
#include "app/Session.h"
#include "app/UpdateController.h"
#include "core/Cp1251.h"
#include "core/Settings.h"
#include "online/SelfUpdate.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using testsupport::MakeUpdatePackage;
using testsupport::ReadFile;
using testsupport::WriteFile;

namespace {

class UpdateControllerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        writeConfig(u"ServiceUrl=%1\r\n"_s.arg(m_host.url()));
        WriteFile(install(u"Vertoma_5x54"_s), "old program");
        WriteFile(install(u"readme.txt"_s), "old readme");
    }
    void writeConfig(const QString& network)
    {
        WriteFile(m_data.filePath(u"Vertoma_5x54.ini"_s),
                  cp1251::encode(u"[NETWORK]\r\n"_s + network + u"CaFile=%1\r\n"_s.arg(testsupport::TestCaFile())));
    }
    QString install(const QString& name) const { return QDir(m_install.path()).filePath(name); }
    QString hosted(const QString& name) const { return m_host.dataDir() + u"/files/autoupdates/"_s + name; }
    QString hostedUrl(const QString& name) const { return m_host.url() + u"/files/autoupdates/"_s + name; }

    // Publishes build 121 with its package and, when given, its Russian notes.
    void publish(const QByteArray& package, const QByteArray& notes = {}, const QString& crc = {})
    {
        WriteFile(hosted(u"vertoma-121.upd"_s), package);
        const QString checksum = crc.isEmpty() ? online::Crc32Text(hosted(u"vertoma-121.upd"_s)) : crc;
        describe(u"VerId=1.0.0.121\r\nDescription=Вертома 1.0 (сборка 121)\r\nDownloadUrl=%1\r\n"
                 u"OriginalFileName=setup.sh\r\nChecksumCRC32=%2\r\n"_s.arg(hostedUrl(u"vertoma-121.upd"_s), checksum));
        if (!notes.isEmpty())
            WriteFile(hosted(u"UpdDescr/UpdDescr_RUS_1.0.0.121.txt"_s), notes);
    }
    void describe(const QString& section)
    {
        WriteFile(hosted(u"Numeko_AU.cfg"_s), cp1251::encode(u"[GlobalOptions]\r\n[Vertoma_5x54]\r\n"_s + section));
    }
    QByteArray newRelease() const
    {
        return MakeUpdatePackage({{u"Vertoma_5x54"_s, "new program", true}, {u"readme.txt"_s, "new readme"}});
    }

    std::unique_ptr<app::Session> start()
    {
        auto session = std::make_unique<app::Session>(
            m_io, core::DataFolder(m_data.path(), u"Vertoma_5x54"_s, m_install.path()));
        session->create();
        app::UpdateController& update = session->update();
        update.setCurrentVersion(u"1.0.0.120"_s);
        update.setLanguage(1049);
        update.setProcessTimeout(20);
        return session;
    }
    QStringList messages(app::MessageKind kind) const
    {
        QStringList texts;
        for (const auto& m : m_io.messages)
            if (m.kind == kind)
                texts << m.text;
        return texts;
    }

    testsupport::LiveHost m_host;
    QTemporaryDir m_data;
    QTemporaryDir m_install;
    testsupport::FakeUserIo m_io;
};

TEST_F(UpdateControllerTest, ANewerBuildIsShownAndInstalled)
{
    publish(newRelease(), "\xcd\xee\xe2\xee\xe5 \xe2 \xe2\xe5\xf0\xf1\xe8\xe8\r\n- \xe1\xfb\xf1\xf2\xf0\xe5\xe5\r\n");
    auto session = start();
    m_io.updateAnswers.enqueue(true);
    EXPECT_EQ(session->update().checkUpdate(), app::UpdateController::Installed);

    ASSERT_EQ(m_io.updateDialogs.size(), 1);
    EXPECT_EQ(m_io.updateDialogs[0].current, u"1.0.0.120"_s);
    EXPECT_EQ(m_io.updateDialogs[0].next, u"Вертома 1.0 (сборка 121)"_s);
    EXPECT_EQ(m_io.updateDialogs[0].notes, (QStringList{u"Новое в версии"_s, u"- быстрее"_s}));
    EXPECT_EQ(ReadFile(install(u"Vertoma_5x54"_s)), "new program");
    EXPECT_EQ(ReadFile(install(u"readme.txt"_s)), "new readme");
    EXPECT_EQ(messages(app::MessageKind::Warning),
              QStringList{u"Установка обновления \"Вертома 1.0 (сборка 121)\" успешно выполнена.\n\n"
                          u"Для завершения установки необходимо перезапустить программу!"_s});
    EXPECT_TRUE(messages(app::MessageKind::Error).isEmpty());
    // One progress window per phase, each closed; the busy state came back.
    EXPECT_EQ(m_io.progressWindowMaxima, (QList<int>{5, 14}));
    EXPECT_EQ(m_io.progressWindowCloses, 2);
    EXPECT_EQ(m_io.progressWindowUpdates.first().first, u"Поиск доступных обновлений..."_s);
    EXPECT_TRUE(session->services().isIdle());
    EXPECT_FALSE(QFileInfo::exists(install(u"SelfUpdate"_s)));
    EXPECT_FALSE(QFileInfo::exists(install(u"SelfUpdates.inf"_s)));
}

TEST_F(UpdateControllerTest, DeclinedOrNothingNewLeavesTheInstallationAlone)
{
    publish(newRelease());
    auto session = start();
    app::UpdateController& update = session->update();
    // Declined: no notes on the host either.
    EXPECT_EQ(update.checkUpdate(), app::UpdateController::NothingInstalled);
    ASSERT_EQ(m_io.updateDialogs.size(), 1);
    EXPECT_EQ(m_io.updateDialogs[0].notes, QStringList{u"< Описание обновления не доступно >"_s});
    EXPECT_EQ(ReadFile(install(u"Vertoma_5x54"_s)), "old program");
    EXPECT_TRUE(m_io.messages.isEmpty());

    // The same build: said so on request, silent at start-up.
    update.setCurrentVersion(u"1.0.0.121"_s);
    EXPECT_EQ(update.checkUpdate(), app::UpdateController::NothingInstalled);
    EXPECT_EQ(messages(app::MessageKind::Information), QStringList{u"Обновлений не найдено!"_s});
    EXPECT_EQ(update.startUpCheck(), app::UpdateController::NothingInstalled);
    EXPECT_EQ(m_io.messages.size(), 1);

    // A newer build without a package is no update.
    update.setCurrentVersion(u"1.0.0.120"_s);
    describe(u"VerId=1.0.0.121\r\nDownloadUrl=\r\n"_s);
    EXPECT_EQ(update.checkUpdate(), app::UpdateController::NothingInstalled);
    EXPECT_EQ(messages(app::MessageKind::Information).size(), 2);
    EXPECT_EQ(m_io.updateDialogs.size(), 1);
}

TEST_F(UpdateControllerTest, FailuresAreReportedOnce)
{
    auto session = start();
    app::UpdateController& update = session->update();
    // No description on the host: an error on request, nothing at start-up.
    EXPECT_EQ(update.startUpCheck(), app::UpdateController::Failed);
    EXPECT_TRUE(m_io.messages.isEmpty());
    EXPECT_EQ(update.checkUpdate(), app::UpdateController::Failed);
    ASSERT_EQ(messages(app::MessageKind::Error).size(), 1);
    EXPECT_TRUE(messages(app::MessageKind::Error)[0].startsWith(u"Ошибка поиска обновлений!\n\n"_s));

    // A wrong checksum fails the installation, reported at start-up too.
    m_io.messages.clear();
    publish(newRelease(), {}, u"0badc0de"_s);
    m_io.updateAnswers.enqueue(true);
    EXPECT_EQ(update.startUpCheck(), app::UpdateController::Failed);
    EXPECT_EQ(messages(app::MessageKind::Error),
              QStringList{u"Ошибка установки обновления!\n\nНеверная контрольная сумма скачанного файла."_s});
    EXPECT_EQ(ReadFile(install(u"Vertoma_5x54"_s)), "old program");
    EXPECT_TRUE(session->services().isIdle());
    EXPECT_EQ(m_io.progressWindowCloses, int(m_io.progressWindowMaxima.size()));
}

TEST_F(UpdateControllerTest, TheSwitchAndTheSource)
{
    publish(newRelease());
    {
        auto session = start();
        app::UpdateController& update = session->update();
        EXPECT_TRUE(update.autoUpdates());
        EXPECT_EQ(update.defaultSource(), m_host.url() + u"/files/autoupdates/Numeko_AU.cfg"_s);
        update.setAutoUpdates(false);
    }
    EXPECT_FALSE(core::StateReadBool(m_data.filePath(u"Vertoma_5x54.frm"_s), core::kMainWindowSection,
                                     u"AutoUpdates"_s, true));
    auto session = start();
    app::UpdateController& update = session->update();
    EXPECT_FALSE(update.autoUpdates());
    m_io.updateAnswers.enqueue(true);
    EXPECT_EQ(update.startUpCheck(), app::UpdateController::NothingInstalled);
    EXPECT_TRUE(m_io.updateDialogs.isEmpty());
    // The answer was never asked for.
    EXPECT_EQ(m_io.updateAnswers.size(), 1);
    m_io.updateAnswers.clear();

    // "UpdateSource" overrides the host: a local file, relative to the data folder.
    WriteFile(m_data.filePath(u"local/Numeko_AU.cfg"_s), ReadFile(hosted(u"Numeko_AU.cfg"_s)));
    WriteFile(m_data.filePath(u"local/UpdDescr/UpdDescr_1.0.0.121.txt"_s), "local notes");
    writeConfig(u"ServiceUrl=%1\r\nUpdateSource=local/Numeko_AU.cfg\r\n"_s.arg(m_host.url()));
    session = start();
    EXPECT_EQ(session->update().defaultSource(), m_data.filePath(u"local/Numeko_AU.cfg"_s));
    EXPECT_EQ(session->update().checkUpdate(), app::UpdateController::NothingInstalled);
    ASSERT_EQ(m_io.updateDialogs.size(), 1);
    EXPECT_EQ(m_io.updateDialogs[0].notes, QStringList{u"local notes"_s});

    // A plain http address is refused before anything is fetched.
    writeConfig(u"UpdateSource=http://127.0.0.1:1/Numeko_AU.cfg\r\n"_s);
    session = start();
    EXPECT_EQ(session->update().checkUpdate(), app::UpdateController::Failed);
    ASSERT_FALSE(messages(app::MessageKind::Error).isEmpty());
    EXPECT_TRUE(messages(app::MessageKind::Error).last().contains(u"https"_s));

    // No address at all: nothing to ask at start-up.
    writeConfig(QString());
    session = start();
    EXPECT_TRUE(session->update().defaultSource().isEmpty());
    const qsizetype shown = m_io.messages.size();
    EXPECT_EQ(session->update().startUpCheck(), app::UpdateController::NothingInstalled);
    EXPECT_EQ(m_io.messages.size(), shown);
}

TEST_F(UpdateControllerTest, ASystemPackageIsLeftToThePackageManager)
{
    publish(newRelease());
    auto session = start();
    app::UpdateController& update = session->update();
    update.setInstallDir(u"/proc"_s);
    EXPECT_FALSE(update.installWritable());
    m_io.updateAnswers.enqueue(true);
    EXPECT_EQ(update.startUpCheck(), app::UpdateController::NothingInstalled);
    EXPECT_TRUE(m_io.messages.isEmpty());
    EXPECT_EQ(update.checkUpdate(), app::UpdateController::NothingInstalled);
    ASSERT_EQ(messages(app::MessageKind::Information).size(), 1);
    EXPECT_TRUE(messages(app::MessageKind::Information)[0].contains(u"менеджер пакетов"_s));
    EXPECT_TRUE(m_io.updateDialogs.isEmpty());
}

TEST_F(UpdateControllerTest, StartUpInstallsAndAsksForARestart)
{
    publish(newRelease());
    auto session = start();
    m_io.updateAnswers.enqueue(true);
    EXPECT_EQ(session->initialise(), app::Session::InitResult::Restart);
    EXPECT_EQ(ReadFile(install(u"Vertoma_5x54"_s)), "new program");
    session->shutdown();

    // The new instance finds nothing newer and goes on.
    session = start();
    session->update().setCurrentVersion(u"1.0.0.121"_s);
    EXPECT_EQ(session->initialise(), app::Session::InitResult::Running);
    EXPECT_EQ(m_io.updateDialogs.size(), 1);
    session->shutdown();
}

} // namespace
