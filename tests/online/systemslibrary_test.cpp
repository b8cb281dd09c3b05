// The library of wheeling systems against the real stand-in host on 127.0.0.1.

#include "LiveHost.h"
#include "LocalServers.h"
#include "core/Cp1251.h"
#include "host/RequestFields.h"
#include "online/SystemsLibrary.h"


#include <gtest/gtest.h>

#include <mutex>

using online::tSystemData;

namespace {

online::ClientIdentity person(const QString& name, const QString& mail)
{
    online::ClientIdentity id;
    id.appver = QStringLiteral("0.1.0");
    id.hwdid = QStringLiteral("HW-1");
    id.cl_name = name;
    id.cl_mail = mail;
    id.cl_lcid = 1049;
    return id;
}

tSystemData twelveNumbers()
{
    tSystemData s;
    s.nums = 12;
    s.olap = 3;
    s.csize = 3;
    s.title = QStringLiteral("Система \"12\" - проверка?");
    s.descr = QStringLiteral("Две строки\nописания");
    s.author = QStringLiteral("Иван");
    s.cl_mail = QStringLiteral("ivan@example.test");
    s.url = QStringLiteral("https://example.test/systems?id=12");
    s.clist = QStringLiteral("1 2 3 4 12\r\n5,6,7,8,9\r\n10-11-1-2-3\r\n");
    return s;
}

class SystemsLibraryTest : public ::testing::Test
{
protected:
    online::SystemsLibrary library(const online::ClientIdentity& who) const
    {
        return online::SystemsLibrary(online::ServiceClient(m_host.address()), who);
    }

    testsupport::LiveHost m_host;
    const online::ClientIdentity m_ivan = person(QStringLiteral("Иван"), QStringLiteral("ivan@example.test"));
    const online::ClientIdentity m_other = person(QStringLiteral("Пётр"), QStringLiteral("petr@example.test"));
};

} // namespace

TEST_F(SystemsLibraryTest, AnEmptyLibraryHoldsNoResult)
{
    std::vector<tSystemData> list;
    bool hasResult = true;
    QString error;
    ASSERT_TRUE(library(m_ivan).list(list, &hasResult, &error)) << error.toStdString();
    EXPECT_TRUE(list.empty());
    EXPECT_FALSE(hasResult);
}

TEST_F(SystemsLibraryTest, PublishListFetchEditAndDeleteByTheOwner)
{
    const auto lib = library(m_ivan);
    QString error;
    const QDateTime before = QDateTime::currentDateTime().addSecs(-2);
    const std::int32_t id = lib.upload(twelveNumbers(), false, &error);
    ASSERT_GT(id, 0) << error.toStdString();

    std::vector<tSystemData> list;
    bool hasResult = false;
    ASSERT_TRUE(library(m_other).list(list, &hasResult, &error)) << error.toStdString();
    ASSERT_EQ(list.size(), 1u);
    EXPECT_TRUE(hasResult);
    const tSystemData& s = list.front();
    EXPECT_EQ(s.id, id);
    EXPECT_EQ(s.nums, 12);
    EXPECT_EQ(s.olap, 3);
    EXPECT_EQ(s.csize, 3);
    EXPECT_EQ(s.title, twelveNumbers().title);
    EXPECT_EQ(s.descr, QStringLiteral("Две строки\nописания"));
    EXPECT_EQ(s.author, QStringLiteral("Иван"));
    EXPECT_EQ(s.cl_mail, QStringLiteral("ivan@example.test"));
    EXPECT_EQ(s.url, QStringLiteral("https://example.test/systems?id=12"));
    EXPECT_EQ(s.created.timeSpec(), Qt::LocalTime);
    EXPECT_GE(s.created, before);
    EXPECT_LE(s.created, QDateTime::currentDateTime().addSecs(2));
    EXPECT_EQ(s.downloads, 0);
    EXPECT_FALSE(s.last_download.isValid());

    // The host keeps the lines cleaned; every fetch is a download.
    QString lines;
    ASSERT_TRUE(library(m_other).fetchLines(id, lines, &error)) << error.toStdString();
    EXPECT_EQ(lines, QStringLiteral("01 02 03 04 12\r\n05 06 07 08 09\r\n10 11 01 02 03"));
    ASSERT_TRUE(lib.list(list, &hasResult, &error));
    EXPECT_EQ(list.front().downloads, 1);
    EXPECT_TRUE(list.front().last_download.isValid());

    // A stranger can neither replace nor delete it.
    tSystemData foreign = list.front();
    foreign.clist = twelveNumbers().clist;
    foreign.title = QStringLiteral("Чужая");
    foreign.cl_mail = m_other.cl_mail;
    EXPECT_EQ(library(m_other).upload(foreign, false, &error), -1);
    EXPECT_EQ(error, QStringLiteral("Вы можете изменять только свои системы!"));
    EXPECT_EQ(library(m_other).upload(foreign, true, &error), -1);
    EXPECT_EQ(error, QStringLiteral("Вы можете удалять только свои системы!"));

    // The owner may, whatever the letter case of the address.
    tSystemData mine = list.front();
    mine.clist = QStringLiteral("1 2 3 4 5\r\n2 3 4 5 6\r\n");
    mine.csize = 2;
    mine.title = QStringLiteral("Новая версия");
    mine.cl_mail = QStringLiteral("IVAN@Example.TEST");
    EXPECT_EQ(lib.upload(mine, false, &error), id) << error.toStdString();
    ASSERT_TRUE(lib.list(list, &hasResult, &error));
    EXPECT_EQ(list.front().title, QStringLiteral("Новая версия"));
    EXPECT_EQ(list.front().csize, 2);
    EXPECT_EQ(list.front().downloads, 1);
    ASSERT_TRUE(lib.fetchLines(id, lines, &error));
    EXPECT_EQ(lines, QStringLiteral("01 02 03 04 05\r\n02 03 04 05 06"));

    EXPECT_EQ(lib.upload(mine, true, &error), 0) << error.toStdString();
    ASSERT_TRUE(lib.list(list, &hasResult, &error));
    EXPECT_TRUE(list.empty());
    EXPECT_FALSE(lib.fetchLines(id, lines, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("не найдена"))) << error.toStdString();
}

TEST_F(SystemsLibraryTest, RefusalsOfTheHostComeBackAsTheirMessage)
{
    const auto lib = library(m_ivan);
    QString error;
    tSystemData s = twelveNumbers();
    s.csize = 4;
    EXPECT_EQ(lib.upload(s, false, &error), -1);
    EXPECT_TRUE(error.contains(QStringLiteral("csize"))) << error.toStdString();
    s = twelveNumbers();
    s.clist = QStringLiteral("1 2 3 4 13\r\n5 6 7 8 9\r\n1 2 3 4 5\r\n");
    EXPECT_EQ(lib.upload(s, false, &error), -1);
    EXPECT_TRUE(error.contains(QStringLiteral("от 1 до 12"))) << error.toStdString();
    s = twelveNumbers();
    s.nums = 55;
    EXPECT_EQ(lib.upload(s, false, &error), -1);
    s = twelveNumbers();
    s.cl_mail.clear();
    EXPECT_EQ(lib.upload(s, false, &error), -1);
    EXPECT_TRUE(error.contains(QStringLiteral("cl_mail"))) << error.toStdString();
}

TEST_F(SystemsLibraryTest, NoAddressAndAnUntrustedHostFailWithAReason)
{
    QString error;
    std::vector<tSystemData> list;
    online::SystemsLibrary none(online::ServiceClient(online::ServiceAddress{}), m_ivan);
    EXPECT_FALSE(none.list(list, nullptr, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("ServiceUrl")));
    // Without the test authority the host's certificate is not trusted.
    online::SystemsLibrary untrusted(online::ServiceClient({m_host.url(), {}, {}, {}}), m_ivan);
    EXPECT_FALSE(untrusted.list(list, nullptr, &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(SystemsRequestTest, FieldsGoInOrderInCodePage1251)
{
    testsupport::LocalHttpServer server;
    std::mutex mutex;
    std::vector<std::string> bodies;
    server.http().Post("/scripts/sys_putdata.php", [&](const httplib::Request& req, httplib::Response& res) {
        {
            const std::lock_guard lock(mutex);
            bodies.push_back(req.body);
        }
        res.set_content("<result><row><id_systems>42</id_systems></row></result>", "text/xml");
    });
    server.start();
    online::SystemsLibrary lib(online::ServiceClient({server.url(), testsupport::TestCaFile(), {}, {}}),
                               person(QStringLiteral("Иван"), QStringLiteral("me@example.test")));
    tSystemData s = twelveNumbers();
    s.id = 7;
    QString error;
    EXPECT_EQ(lib.upload(s, false, &error), 42) << error.toStdString();
    ASSERT_EQ(bodies.size(), 1u);
    QStringList names;
    for (const QString& pair : QString::fromStdString(bodies[0]).split(u'&'))
        names << pair.section(u'=', 0, 0);
    EXPECT_EQ(names.join(u','), QStringLiteral("del_mode,sys_id,nums,clen,olap,title,descr,csize,clist,url,appid,"
                                               "appver,hwdid,cl_name,cl_mail,cl_lcid"));
    const host::FormFields fields = host::ParseForm(bodies[0]);
    // The title is 1251, escaped; the lines Base64 of the escaped text.
    const QByteArray title = QByteArray::fromStdString(fields.find("title")->second);
    EXPECT_EQ(title, online::EscapedText(s.title));
    EXPECT_EQ(cp1251::decode(title), QStringLiteral("Система \\\"12\\\" - проверка\\?"));
    EXPECT_EQ(QByteArray::fromBase64(QByteArray::fromStdString(fields.find("clist")->second)),
              QByteArray("1 2 3 4 12\\r\\n5,6,7,8,9\\r\\n10-11-1-2-3"));
    EXPECT_EQ(fields.find("cl_mail")->second, "ivan@example.test");
    EXPECT_EQ(fields.find("sys_id")->second, "7");
    EXPECT_EQ(fields.find("clen")->second, "5");

    // Deleting sends an empty list.
    EXPECT_EQ(lib.upload(s, true, &error), 42);
    ASSERT_EQ(bodies.size(), 2u);
    const host::FormFields removal = host::ParseForm(bodies[1]);
    EXPECT_EQ(removal.find("clist")->second, "");
    EXPECT_EQ(removal.find("del_mode")->second, "1");

    EXPECT_EQ(lib.listFields().first(), QByteArray("comblen=5"));
    EXPECT_EQ(lib.listFields()[1], QByteArray("maxnums=54"));
}

TEST(SystemsRequestTest, ABadNumberOrAnErrorRowFailsTheList)
{
    testsupport::LocalHttpServer server;
    std::string reply;
    server.http().Post("/scripts/sys_getlist.php", [&reply](const httplib::Request&, httplib::Response& res) {
        res.set_content(reply, "text/xml");
    });
    server.start();
    online::SystemsLibrary lib(online::ServiceClient({server.url(), testsupport::TestCaFile(), {}, {}}),
                               person(QStringLiteral("Иван"), QStringLiteral("me@example.test")));
    std::vector<tSystemData> list;
    QString error;
    const std::string good = "<id>1</id><nums>12</nums><olap>3</olap><csize>3</csize><title>VA==</title>"
                             "<descr></descr><created>2026-01-02 03:04:05</created><downloads>0</downloads>"
                             "<last_download></last_download>";
    reply = "<result><row>" + good + "</row></result>";
    ASSERT_TRUE(lib.list(list, nullptr, &error)) << error.toStdString();
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].title, QStringLiteral("T"));

    reply = "<result><row>" + good + "</row><row><id>x2</id></row></result>";
    EXPECT_FALSE(lib.list(list, nullptr, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("<id>"))) << error.toStdString();
    EXPECT_TRUE(list.empty());
    reply = "<result><row>" + good + "</row><row><error>Сервер занят</error></row></result>";
    EXPECT_FALSE(lib.list(list, nullptr, &error));
    EXPECT_EQ(error, QStringLiteral("Сервер занят"));
    reply = "<result><row><created>yesterday</created>" + good + "</row></result>";
    EXPECT_FALSE(lib.list(list, nullptr, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("created"))) << error.toStdString();
}
