// The systems page against the stand-in service host: the session takes the address and the
// user from the configuration, publishes, lists, downloads and deletes through the real host.

#include "FakeUserIo.h"
#include "LiveHost.h"
#include "app/Session.h"
#include "app/SystemsController.h"
#include "core/Cp1251.h"
#include "online/SystemsLibrary.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class SystemsOnlineTest : public ::testing::Test
{
protected:
    void writeConfig(const QString& serviceUrl, const QString& mail)
    {
        QFile ini(m_dir.filePath(u"Vertoma_5x54.ini"_s));
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ini.write(cp1251::encode(u"[NETWORK]\r\nServiceUrl=%1\r\nCaFile=%2\r\n[CLIENT]\r\nUserName=Иван\r\nUserMail=%3\r\n"_s
                                     .arg(serviceUrl, testsupport::TestCaFile(), mail)));
    }

    std::unique_ptr<app::Session> start()
    {
        auto session = std::make_unique<app::Session>(m_io, core::DataFolder(m_dir.path(), u"Vertoma_5x54"_s, m_dir.path()));
        session->create();
        return session;
    }

    QStringList systemFiles() const { return QDir(m_dir.filePath(u"Systems"_s)).entryList(QDir::Files, QDir::Name); }

    testsupport::LiveHost m_host;
    QTemporaryDir m_dir;
    testsupport::FakeUserIo m_io;
};

} // namespace

TEST_F(SystemsOnlineTest, PublishListDownloadAndDeleteThroughTheHost)
{
    writeConfig(m_host.url(), u"ivan@example.test"_s);
    auto session = start();
    app::SystemsController& systems = session->systems();
    ASSERT_NE(systems.library(), nullptr);
    EXPECT_EQ(systems.userMail(), u"ivan@example.test"_s);

    // A stranger's system is already there.
    online::ClientIdentity stranger;
    stranger.cl_mail = u"petr@example.test"_s;
    stakes::tSystemData foreign;
    foreign.nums = 12;
    foreign.olap = 3;
    foreign.csize = 1;
    foreign.title = u"Чужая"_s;
    foreign.descr = u"чужая система"_s;
    foreign.author = u"Пётр"_s;
    foreign.cl_mail = stranger.cl_mail;
    foreign.clist = u"1 2 3 4 12"_s;
    QString error;
    const int foreignId = online::SystemsLibrary(online::ServiceClient(m_host.address()), stranger).upload(foreign, false, &error);
    ASSERT_GT(foreignId, 0) << error.toStdString();

    m_io.systemEdits.enqueue([](stakes::tSystemData& s) {
        s.title = u"Моя"_s;
        s.nums = 9;
        s.olap = 2;
        s.csize = 2;
        s.descr = u"моя система"_s;
        s.clist = u"01 02 03 04 05\n05 06 07 08 09\n"_s;
    });
    ASSERT_GE(systems.add(), 0) << (m_io.messages.isEmpty() ? std::string() : m_io.messages.last().text.toStdString());

    systems.refreshList();
    ASSERT_EQ(systems.rows().size(), 2u);
    const int mine = systems.rowOfId(foreignId + 1);
    const int theirs = systems.rowOfId(foreignId);
    ASSERT_GE(mine, 0);
    ASSERT_GE(theirs, 0);
    EXPECT_EQ(systems.rows()[std::size_t(mine)].Data.author, u"Иван"_s);
    EXPECT_EQ(systems.rowState(mine), app::SystemRowState::RemoteOwn);
    EXPECT_EQ(systems.rowState(theirs), app::SystemRowState::RemoteForeign);
    EXPECT_FALSE(systems.canDelete(theirs));

    ASSERT_TRUE(systems.downloadRow(theirs));
    EXPECT_EQ(systemFiles(), QStringList{u"5-12-3_%1.dat"_s.arg(foreignId, 4, 10, QLatin1Char('0'))});
    EXPECT_EQ(systems.rowState(theirs), app::SystemRowState::LocalForeign);
    QFileInfo file(QDir(m_dir.filePath(u"Systems"_s)).filePath(systemFiles().first()));
    EXPECT_EQ(file.lastModified().toSecsSinceEpoch(), systems.rows()[std::size_t(theirs)].Data.created.toSecsSinceEpoch());

    m_io.answers.enqueue(true);
    const int mineNow = systems.rowOfId(foreignId + 1);
    ASSERT_TRUE(systems.remove(mineNow));
    systems.refreshList();
    EXPECT_EQ(systems.rowOfId(foreignId + 1), -1);
    EXPECT_GE(systems.rowOfId(foreignId), 0);
}

TEST_F(SystemsOnlineTest, WithoutAnAddressTheListIsLocalAndNothingIsAsked)
{
    writeConfig(QString(), u"ivan@example.test"_s);
    auto session = start();
    EXPECT_EQ(session->systems().library(), nullptr);
    session->systems().refreshList();
    EXPECT_TRUE(m_io.messages.isEmpty());
    ASSERT_EQ(session->systems().rows().size(), 1u);
    EXPECT_EQ(session->systems().rows()[0].Data.id, -1);
}
