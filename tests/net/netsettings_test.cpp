// Sections "PROXY" and "NETWORK" of the configuration file.

#include "TestHelpers.h"
#include "core/Settings.h"
#include "core/TextForms.h"
#include "net/NetSettings.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

class NetSettingsTest : public ::testing::Test
{
protected:
    QString path() const { return m_dir.filePath(QStringLiteral("Vertoma_5x54.ini")); }
    void write(const char* text)
    {
        QFile f(path());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(text);
    }
    // The permission bits as the system sees them.
    unsigned mode() const
    {
        struct stat st = {};
        EXPECT_EQ(::stat(QFile::encodeName(path()).constData(), &st), 0);
        return st.st_mode & 0777;
    }
    QTemporaryDir m_dir;
};

} // namespace

TEST_F(NetSettingsTest, MissingModeFollowsTheServer)
{
    write("[PROXY]\nProxyServer=proxy.lan\nProxyUsername=u\n");
    core::TProxy p;
    ASSERT_TRUE(net::ProxyLoad(path(), p));
    EXPECT_EQ(p.Mode, 2);
    EXPECT_EQ(p.Server, QStringLiteral("proxy.lan"));
    EXPECT_EQ(p.Port, 80);
    EXPECT_EQ(p.Username, QStringLiteral("u"));

    write("[PROXY]\nProxyPort=3128\n");
    ASSERT_TRUE(net::ProxyLoad(path(), p));
    EXPECT_EQ(p.Mode, 0);
    EXPECT_TRUE(p.Server.isEmpty());
    EXPECT_EQ(p.Port, 3128);

    // A stored mode wins over the rule, even with a server.
    write("[PROXY]\nProxyMode=1\nProxyServer=10.1.1.1\nProxyPort=8080\n");
    ASSERT_TRUE(net::ProxyLoad(path(), p));
    EXPECT_EQ(p.Mode, 1);
    EXPECT_EQ(p.Server, QStringLiteral("10.1.1.1"));

    // No file at all: no proxy, the default port.
    QFile::remove(path());
    core::TProxy fresh;
    ASSERT_TRUE(net::ProxyLoad(path(), fresh));
    EXPECT_EQ(fresh.Mode, 0);
    EXPECT_EQ(fresh.Port, 80);
}

TEST_F(NetSettingsTest, SaveWritesTheKeysInOrderAndKeepsTheRestOfTheFile)
{
    write("[GLOBAL]\nMatrixCols=7\n");
    core::TProxy p;
    p.Mode = 2;
    p.Server = QStringLiteral("proxy.lan");
    p.Port = 3128;
    p.Username = QStringLiteral("user");
    p.Password = QStringLiteral("secret");
    QString error;
    ASSERT_TRUE(net::ProxySave(path(), p, &error)) << error.toStdString();
    EXPECT_EQ(testsupport::ReadFile(path()), QByteArray("[GLOBAL]\r\nMatrixCols=7\r\n\r\n[PROXY]\r\nProxyMode=2\r\n"
                                                        "ProxyServer=proxy.lan\r\nProxyPort=3128\r\n"
                                                        "ProxyUsername=user\r\nProxyPassword=secret\r\n\r\n"));
    core::TProxy back;
    ASSERT_TRUE(net::ProxyLoad(path(), back));
    EXPECT_EQ(back.Mode, 2);
    EXPECT_EQ(back.Password, QStringLiteral("secret"));
}

TEST_F(NetSettingsTest, TheFileWithThePasswordIsTheOwnersAlone)
{
    // A new file, and an old one that everybody could read.
    core::TProxy p;
    p.Password = QStringLiteral("secret");
    ASSERT_TRUE(net::ProxySave(path(), p));
    EXPECT_EQ(mode(), 0600u);

    ASSERT_TRUE(QFile::setPermissions(path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                                                  QFileDevice::ReadOther));
    ASSERT_EQ(mode(), 0644u);
    ASSERT_TRUE(net::ProxySave(path(), p));
    EXPECT_EQ(mode(), 0600u);

    // The other writers of the file keep it private.
    ASSERT_TRUE(core::ConfigSave(path(), core::TConfigData{}));
    EXPECT_EQ(mode(), 0600u);
    ASSERT_TRUE(net::NetworkSave(path(), net::NetworkSettings{}));
    EXPECT_EQ(mode(), 0600u);
}

TEST_F(NetSettingsTest, AnUnreadableFileIsNotOverwritten)
{
    write("[PROXY]\nProxyMode=1\n");
    // Past the size the settings reader takes, the file counts as unreadable.
    QFile f(path());
    ASSERT_TRUE(f.open(QIODevice::Append));
    f.write(QByteArray(3 * 1024 * 1024, 'x'));
    f.close();
    const QByteArray before = testsupport::ReadFile(path());
    QString error;
    EXPECT_FALSE(net::ProxySave(path(), core::TProxy{}, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(testsupport::ReadFile(path()), before);
}

TEST_F(NetSettingsTest, NetworkAddressesRoundTrip)
{
    net::NetworkSettings n;
    ASSERT_TRUE(net::NetworkLoad(path(), n));
    EXPECT_EQ(n, net::NetworkSettings{}) << "nothing is configured without a file";
    n.OperatorUrl = QStringLiteral("https://results.test:8443");
    n.ProxyListUrl = QStringLiteral("http://list.test");
    n.ServiceUrl = QStringLiteral("https://service.test");
    n.CaFile = QStringLiteral("certs/ca.pem");
    n.ClientName = QStringLiteral("Иван");
    n.ClientMail = QStringLiteral("ivan@example.test");
    ASSERT_TRUE(net::NetworkSave(path(), n));
    net::NetworkSettings back;
    ASSERT_TRUE(net::NetworkLoad(path(), back));
    EXPECT_EQ(back, n);
    EXPECT_TRUE(testsupport::ReadFile(path()).contains("[NETWORK]\r\nOperatorUrl=https://results.test:8443\r\n"));
    EXPECT_TRUE(testsupport::ReadFile(path()).contains("[CLIENT]\r\nUserName=\xC8\xE2\xE0\xED\r\n"
                                                       "UserMail=ivan@example.test\r\n"));
}

TEST(NetAddresses, WhatTheSettingsAccept)
{
    for (const char* good : {"", "  ", "https://results.test", "http://127.0.0.1:8080", "HTTPS://h:1/"})
        EXPECT_TRUE(net::IsValidServiceAddress(QString::fromLatin1(good))) << good;
    for (const char* bad : {"results.test", "ftp://h", "https://", "https://h/?q=1", "https://h#x", "http://h:99999"})
        EXPECT_FALSE(net::IsValidServiceAddress(QString::fromLatin1(bad))) << bad;
}

TEST(NetAddresses, ProxyEntries)
{
    QString host;
    std::int32_t port = 0;
    net::ParseProxyEntry(QStringLiteral(" 10.0.0.1 :3128"), host, port);
    EXPECT_EQ(host, QStringLiteral("10.0.0.1"));
    EXPECT_EQ(port, 3128);
    EXPECT_THROW(net::ParseProxyEntry(QStringLiteral("10.0.0.1"), host, port), core::EConvertError);
    EXPECT_THROW(net::ParseProxyEntry(QStringLiteral("10.0.0.1:80x"), host, port), core::EConvertError);
}
