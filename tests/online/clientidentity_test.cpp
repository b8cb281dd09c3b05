// Where the identity of the library requests comes from: the section "CLIENT" of the
// configuration, an installation identifier made once, and the fields in request order.

#include "TestHelpers.h"
#include "core/IniFile.h"
#include "core/Version.h"
#include "net/NetSettings.h"
#include "online/ClientIdentity.h"
#include "online/Conventions.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(ClientIdentityTest, NameAndMailFromTheConfigurationAndAnIdentifierMadeOnce)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Vertoma_5x54.ini"));
    net::NetworkSettings n;
    n.ServiceUrl = QStringLiteral("https://service.test");
    n.ClientName = QStringLiteral("Иван");
    n.ClientMail = QStringLiteral("ivan@example.test");
    ASSERT_TRUE(net::NetworkSave(path, n));

    online::ClientIdentity first;
    QString error;
    ASSERT_TRUE(online::LoadClientIdentity(path, 1033, first, &error)) << error.toStdString();
    EXPECT_EQ(first.cl_name, QStringLiteral("Иван"));
    EXPECT_EQ(first.cl_mail, QStringLiteral("ivan@example.test"));
    EXPECT_EQ(first.cl_lcid, 1033);
    EXPECT_EQ(first.appid, QString::fromLatin1(online::kAppId));
    EXPECT_EQ(first.appver, core::ProgramVersion());
    EXPECT_EQ(first.hwdid.size(), 36);

    online::ClientIdentity second;
    ASSERT_TRUE(online::LoadClientIdentity(path, 1049, second, &error));
    EXPECT_EQ(second.hwdid, first.hwdid);
    core::IniFile ini(path);
    ASSERT_TRUE(ini.load());
    EXPECT_EQ(ini.readString(QStringLiteral("CLIENT"), QStringLiteral("HwdId")), first.hwdid);
    // Saving the settings again keeps the identifier.
    ASSERT_TRUE(net::NetworkSave(path, n));
    ASSERT_TRUE(online::LoadClientIdentity(path, 1049, second, &error));
    EXPECT_EQ(second.hwdid, first.hwdid);

    // Another installation gets another one.
    QTemporaryDir other;
    online::ClientIdentity third;
    ASSERT_TRUE(online::LoadClientIdentity(other.filePath(QStringLiteral("Vertoma_5x54.ini")), 1049, third, &error));
    EXPECT_NE(third.hwdid, first.hwdid);
    EXPECT_TRUE(third.cl_mail.isEmpty());
}

TEST(ClientIdentityTest, FieldsInRequestOrderWithEscapedTexts)
{
    online::ClientIdentity id;
    id.appver = QStringLiteral("0.1.0");
    id.hwdid = QStringLiteral("ABC");
    id.cl_name = QStringLiteral("Иван \"Ш\"");
    id.cl_mail = QStringLiteral("ivan@example.test");
    id.cl_lcid = 1049;
    const QList<QByteArray> f = online::IdentityFields(id);
    ASSERT_EQ(f.size(), 6);
    EXPECT_EQ(f[0], "appid=" + QByteArray(online::kAppId));
    EXPECT_EQ(f[1], QByteArray("appver=0.1.0"));
    EXPECT_EQ(f[2], QByteArray("hwdid=ABC"));
    EXPECT_EQ(f[3], "cl_name=" + online::EscapedText(id.cl_name));
    EXPECT_TRUE(f[3].endsWith("\\\"\xD8\\\""));
    EXPECT_EQ(f[4], QByteArray("cl_mail=ivan@example.test"));
    EXPECT_EQ(f[5], QByteArray("cl_lcid=1049"));
}

TEST(ClientIdentityTest, OwnMailIgnoresCaseAndNeverMatchesEmpty)
{
    EXPECT_TRUE(online::SameMail(QStringLiteral("Ivan@Example.test"), QStringLiteral(" ivan@example.TEST")));
    EXPECT_FALSE(online::SameMail(QStringLiteral("ivan@example.test"), QStringLiteral("petr@example.test")));
    EXPECT_FALSE(online::SameMail(QString(), QString()));
}
