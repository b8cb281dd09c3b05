// The catalogue of scripts against the real stand-in host on 127.0.0.1, and the requests and
// replies in detail against a plain local server.

#include "LiveHost.h"
#include "LocalServers.h"
#include "core/Cp1251.h"
#include "host/RequestFields.h"
#include "online/ScriptsLibrary.h"

#include <QTimeZone>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <mutex>

using online::tScriptData;
using online::tScriptInfo;

namespace {

online::ClientIdentity person(const QString& name, const QString& mail)
{
    online::ClientIdentity id;
    id.appver = QStringLiteral("0.9.1");
    id.hwdid = QStringLiteral("HW-") + name;
    id.cl_name = name;
    id.cl_mail = mail;
    id.cl_lcid = 1049;
    return id;
}

tScriptData properties(const QString& title, bool publics = true, bool universal = false)
{
    tScriptData d;
    d.author = QStringLiteral("Иван Автор");
    d.lcid = 1033;
    d.title = title;
    d.descr = QStringLiteral("Две строки\nописания");
    d.publics = publics;
    d.universal = universal;
    return d;
}

const QStringList kLines{QStringLiteral("FULL:0#RAND|SUMS:100#CMV:2| | | | | | |\"мой\" выбор?"), QString(),
                         QStringLiteral("EXCL:3#ALL|NUMS:10| | | | | | |")};

class ScriptsLibraryTest : public ::testing::Test
{
protected:
    online::ScriptsLibrary library(const online::ClientIdentity& who) const
    {
        return online::ScriptsLibrary(online::ServiceClient(m_host.address()), who);
    }

    int publish(const online::ClientIdentity& who, const tScriptData& data)
    {
        std::optional<std::int32_t> id;
        QString error;
        EXPECT_TRUE(library(who).publish(data, kLines, id, &error)) << error.toStdString();
        return id.value_or(-1);
    }

    std::vector<tScriptInfo> list(const online::ClientIdentity& who, int filter)
    {
        std::vector<tScriptInfo> rows;
        QString error;
        EXPECT_TRUE(library(who).list(filter, rows, nullptr, &error)) << error.toStdString();
        return rows;
    }

    testsupport::LiveHost m_host;
    const online::ClientIdentity m_ivan = person(QStringLiteral("Иван"), QStringLiteral("ivan@example.test"));
    const online::ClientIdentity m_petr = person(QStringLiteral("Пётр"), QStringLiteral("petr@example.test"));
    const online::ClientIdentity m_anna = person(QStringLiteral("Анна"), QStringLiteral("anna@example.test"));
};

} // namespace

TEST_F(ScriptsLibraryTest, PublishedScriptsReachOtherUsersWithEveryField)
{
    const QDateTime before = QDateTime::currentDateTime().addSecs(-2);
    const int id = publish(m_ivan, properties(QStringLiteral("Сценарий \"1\"")));
    ASSERT_GT(id, 0);

    std::vector<tScriptInfo> rows = list(m_petr, online::kScriptFilterDefault);
    ASSERT_EQ(rows.size(), 1u);
    const tScriptInfo& s = rows.front();
    EXPECT_EQ(s.id, id);
    EXPECT_EQ(s.title, QStringLiteral("Сценарий \"1\""));
    EXPECT_EQ(s.descr, QStringLiteral("Две строки\nописания"));
    EXPECT_EQ(s.author, QStringLiteral("Иван Автор"));
    EXPECT_EQ(s.cl_mail, QStringLiteral("ivan@example.test"));
    EXPECT_EQ(s.lcid, 1033);
    EXPECT_EQ(s.app_name, QStringLiteral("Vertoma_5x54"));
    EXPECT_EQ(s.app_ver, QStringLiteral("0.9.1"));
    EXPECT_TRUE(s.publics);
    EXPECT_FALSE(s.universal);
    EXPECT_GE(s.created, before);
    EXPECT_EQ(s.created.timeSpec(), Qt::LocalTime);
    EXPECT_FALSE(s.last_download.isValid());
    EXPECT_EQ(s.downloads, 0);
    EXPECT_EQ(s.rating_cnt, 0);
    EXPECT_EQ(s.rating, 0.0);
    // Another user's script of this program: usable, not own.
    EXPECT_FALSE(s.own);
    EXPECT_TRUE(s.usable);
    EXPECT_FALSE(s.ownUsable);
    rows = list(m_ivan, online::kScriptFilterDefault);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_TRUE(rows.front().own);
    EXPECT_TRUE(rows.front().ownUsable);

    // The text comes back line for line, and the host counts the download.
    std::optional<QString> text;
    QString error;
    ASSERT_TRUE(library(m_petr).fetchScript(id, text, &error)) << error.toStdString();
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(online::TextLines(*text), kLines);
    rows = list(m_petr, online::kScriptFilterDefault);
    EXPECT_EQ(rows.front().downloads, 1);
    EXPECT_TRUE(rows.front().last_download.isValid());

    // A private script stays with its author.
    const int secret = publish(m_ivan, properties(QStringLiteral("Личный"), false));
    ASSERT_GT(secret, 0);
    EXPECT_EQ(list(m_petr, online::kScriptFilterAll).size(), 1u);
    EXPECT_EQ(list(m_ivan, 3).size(), 2u) << "only mine";
    EXPECT_EQ(list(m_ivan, 4).size(), 1u) << "only public ones";
    EXPECT_EQ(list(m_ivan, 7).size(), 2u) << "new in the last 24 hours";
}

TEST_F(ScriptsLibraryTest, TitlesAreUniqueIgnoringCaseExceptForTheScriptItself)
{
    const int id = publish(m_ivan, properties(QStringLiteral("Первый")));
    ASSERT_GT(id, 0);
    std::optional<bool> free;
    QString error;
    ASSERT_TRUE(library(m_petr).checkTitle(-1, QStringLiteral("ПЕРВЫЙ"), free, &error)) << error.toStdString();
    EXPECT_EQ(free, std::optional<bool>(false));
    ASSERT_TRUE(library(m_ivan).checkTitle(id, QStringLiteral("Первый"), free, &error));
    EXPECT_EQ(free, std::optional<bool>(true));
    ASSERT_TRUE(library(m_petr).checkTitle(-1, QStringLiteral("Второй"), free, &error));
    EXPECT_EQ(free, std::optional<bool>(true));
    // Publishing a taken title anyway is refused by the host.
    std::optional<std::int32_t> again;
    EXPECT_FALSE(library(m_petr).publish(properties(QStringLiteral("первый")), kLines, again, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("уже существует"))) << error.toStdString();
}

TEST_F(ScriptsLibraryTest, RatingsHidingAndTheirCounts)
{
    const int id = publish(m_ivan, properties(QStringLiteral("Оцениваемый")));
    ASSERT_GT(id, 0);
    QString error;
    ASSERT_TRUE(library(m_petr).rate(id, 4, QStringLiteral("Хорошо \"работает\""), &error)) << error.toStdString();
    ASSERT_TRUE(library(m_anna).rate(id, 1, QString(), &error)) << error.toStdString();

    std::vector<tScriptInfo> rows = list(m_petr, online::kScriptFilterDefault);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows.front().rating_cnt, 2);
    EXPECT_DOUBLE_EQ(rows.front().rating, 2.5);
    EXPECT_EQ(rows.front().rating_you, 4);
    EXPECT_EQ(list(m_petr, 5).size(), 1u) << "rated by me";
    EXPECT_EQ(list(m_petr, 6).size(), 0u) << "not rated by me";
    EXPECT_EQ(list(m_ivan, 6).size(), 1u);

    std::vector<online::tScriptRate> rates;
    bool hasResult = false;
    ASSERT_TRUE(library(m_ivan).rates(id, rates, &hasResult, &error)) << error.toStdString();
    EXPECT_TRUE(hasResult);
    ASSERT_EQ(rates.size(), 2u);
    const auto petr = std::find_if(rates.begin(), rates.end(), [](const auto& r) { return r.rate == u"4"; });
    ASSERT_NE(petr, rates.end());
    EXPECT_EQ(petr->cl_name, QStringLiteral("Пётр"));
    EXPECT_EQ(petr->notes, QStringLiteral("Хорошо \"работает\""));
    EXPECT_EQ(petr->app_name, QStringLiteral("Vertoma_5x54"));
    EXPECT_EQ(petr->app_ver, QStringLiteral("0.9.1"));
    EXPECT_TRUE(petr->created.isValid());

    // Hiding takes the rating out of the average and the script out of the default list.
    ASSERT_TRUE(library(m_petr).rate(id, -1, QString(), &error)) << error.toStdString();
    EXPECT_TRUE(list(m_petr, online::kScriptFilterDefault).empty());
    rows = list(m_petr, online::kScriptFilterHidden);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows.front().rating_you, -1);
    EXPECT_EQ(rows.front().rating_cnt, 1);
    EXPECT_DOUBLE_EQ(rows.front().rating, 1.0);
    ASSERT_TRUE(library(m_petr).rate(id, 0, QString(), &error));
    rows = list(m_petr, online::kScriptFilterDefault);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows.front().rating_you, 0);

    EXPECT_FALSE(library(m_petr).rate(id, 6, QString(), &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST_F(ScriptsLibraryTest, OnlyTheOwnerReplacesAndDeletes)
{
    tScriptData data = properties(QStringLiteral("Исходный"));
    data.id = publish(m_ivan, data);
    ASSERT_GT(data.id, 0);
    std::optional<std::int32_t> id;
    QString error;
    EXPECT_FALSE(library(m_petr).remove(data, id, &error));
    EXPECT_EQ(error, QStringLiteral("Вы можете удалять только свои сценарии!"));
    EXPECT_FALSE(library(m_petr).publish(data, kLines, id, &error));
    EXPECT_EQ(error, QStringLiteral("Вы можете изменять только свои сценарии!"));

    data.title = QStringLiteral("Новое название");
    data.universal = true;
    ASSERT_TRUE(library(m_ivan).publish(data, {QStringLiteral("FULL:0#FIRST| | | | | | | |")}, id, &error))
        << error.toStdString();
    EXPECT_EQ(id, std::optional<std::int32_t>(data.id));
    std::vector<tScriptInfo> rows = list(m_petr, online::kScriptFilterDefault);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows.front().title, QStringLiteral("Новое название"));
    EXPECT_TRUE(rows.front().universal);

    ASSERT_TRUE(library(m_ivan).remove(data, id, &error)) << error.toStdString();
    EXPECT_EQ(id, std::optional<std::int32_t>(0));
    EXPECT_TRUE(list(m_ivan, online::kScriptFilterAll).empty());
    std::optional<QString> text;
    EXPECT_FALSE(library(m_ivan).fetchScript(data.id, text, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("не найден"))) << error.toStdString();
}

namespace {

// A plain local server that answers every path with the reply set for it and keeps the bodies.
class Recorder
{
public:
    Recorder()
    {
        for (const char* path : {"/scripts/scr_getlist.php", "/scripts/scr_getdata.php", "/scripts/scr_chktitle.php",
                                 "/scripts/scr_putscript.php", "/scripts/scr_setrate.php", "/scripts/scr_getrates.php"})
            m_server.http().Post(path, [this, path](const httplib::Request& req, httplib::Response& res) {
                const std::lock_guard lock(m_mutex);
                m_bodies.push_back(req.body);
                res.set_content(m_replies[path], "text/xml");
            });
        m_server.start();
    }

    online::ScriptsLibrary library() const
    {
        return online::ScriptsLibrary(online::ServiceClient({m_server.url(), testsupport::TestCaFile(), {}, {}}),
                                      person(QStringLiteral("Иван"), QStringLiteral("Me@Example.test")));
    }
    void reply(const std::string& path, const std::string& text)
    {
        const std::lock_guard lock(m_mutex);
        m_replies["/scripts/" + path] = text;
    }
    std::string body(std::size_t i)
    {
        const std::lock_guard lock(m_mutex);
        return i < m_bodies.size() ? m_bodies[i] : std::string();
    }
    QString names(std::size_t i)
    {
        QStringList list;
        for (const QString& pair : QString::fromStdString(body(i)).split(u'&'))
            list << pair.section(u'=', 0, 0);
        return list.join(u',');
    }

private:
    testsupport::LocalHttpServer m_server;
    std::mutex m_mutex;
    std::vector<std::string> m_bodies;
    std::map<std::string, std::string> m_replies;
};

std::string field(const std::string& body, const char* name)
{
    const host::FormFields fields = host::ParseForm(body);
    const auto it = fields.find(name);
    return it == fields.end() ? std::string("<missing>") : it->second;
}

} // namespace

TEST(ScriptsRequestTest, FieldsGoInOrderEscapedInCodePage1251)
{
    Recorder server;
    const online::ScriptsLibrary lib = server.library();
    QString error;
    std::vector<tScriptInfo> rows;
    server.reply("scr_getlist.php", "<result></result>");
    ASSERT_TRUE(lib.list(online::kScriptFilterHidden, rows, nullptr, &error)) << error.toStdString();
    EXPECT_EQ(server.names(0), QStringLiteral("fltid,appid,appver,hwdid,cl_name,cl_mail,cl_lcid"));
    EXPECT_EQ(field(server.body(0), "fltid"), "-1") << "the hidden ones";
    EXPECT_EQ(field(server.body(0), "cl_lcid"), "1049");
    ASSERT_TRUE(lib.list(7, rows, nullptr, &error));
    EXPECT_EQ(field(server.body(1), "fltid"), "6");
    EXPECT_FALSE(lib.list(8, rows, nullptr, &error)) << "no such filter";

    server.reply("scr_putscript.php", "<result><row><id_scripts>5</id_scripts></row><row><id_scripts>9</id_scripts>"
                                      "</row></result>");
    tScriptData data = properties(QStringLiteral("Слово \"в\" кавычках?"), false, true);
    data.id = 12;
    std::optional<std::int32_t> id;
    ASSERT_TRUE(lib.publish(data, kLines, id, &error)) << error.toStdString();
    EXPECT_EQ(id, std::optional<std::int32_t>(9)) << "the last id received";
    const std::string put = server.body(2);
    EXPECT_EQ(server.names(2), QStringLiteral("del_mode,scr_id,scr_uniapps,scr_publics,scr_title,scr_descr,scr_script,"
                                              "appid,appver,hwdid,cl_name,cl_mail,cl_lcid"));
    EXPECT_EQ(field(put, "del_mode"), "0");
    EXPECT_EQ(field(put, "scr_id"), "12");
    EXPECT_EQ(field(put, "scr_uniapps"), "1");
    EXPECT_EQ(field(put, "scr_publics"), "0");
    EXPECT_EQ(cp1251::decode(QByteArray::fromStdString(field(put, "scr_title"))),
              QStringLiteral("Слово \\\"в\\\" кавычках\\?"));
    EXPECT_EQ(cp1251::decode(QByteArray::fromStdString(field(put, "scr_descr"))),
              QStringLiteral("Две строки\\nописания"));
    // The lines as one escaped text, not Base64.
    EXPECT_EQ(cp1251::decode(QByteArray::fromStdString(field(put, "scr_script"))),
              QStringLiteral("FULL:0#RAND|SUMS:100#CMV:2| | | | | | |\\\"мой\\\" выбор\\?\\r\\n\\r\\nEXCL:3#ALL|NUMS:10| | | | | | |"));
    // The author and the script's language, the user's own e-mail.
    EXPECT_EQ(cp1251::decode(QByteArray::fromStdString(field(put, "cl_name"))), QStringLiteral("Иван Автор"));
    EXPECT_EQ(field(put, "cl_mail"), "Me@Example.test");
    EXPECT_EQ(field(put, "cl_lcid"), "1033");

    server.reply("scr_putscript.php", "<result><row><id_scripts>0</id_scripts></row></result>");
    ASSERT_TRUE(lib.remove(data, id, &error));
    EXPECT_EQ(id, std::optional<std::int32_t>(0));
    EXPECT_EQ(server.names(3), QStringLiteral("del_mode,scr_id,scr_uniapps,scr_publics,scr_title,scr_descr,"
                                              "appid,appver,hwdid,cl_name,cl_mail,cl_lcid"));
    EXPECT_EQ(field(server.body(3), "del_mode"), "1");

    server.reply("scr_setrate.php", "<result><row><res_code>0</res_code></row></result>");
    ASSERT_TRUE(lib.rate(12, 5, QStringLiteral("Отлично?"), &error)) << error.toStdString();
    EXPECT_EQ(server.names(4),
              QStringLiteral("scr_id,rate_value,rate_notes,appid,appver,hwdid,cl_name,cl_mail,cl_lcid"));
    EXPECT_EQ(field(server.body(4), "rate_value"), "5");
    EXPECT_EQ(cp1251::decode(QByteArray::fromStdString(field(server.body(4), "rate_notes"))),
              QStringLiteral("Отлично\\?"));
    EXPECT_EQ(cp1251::decode(QByteArray::fromStdString(field(server.body(4), "cl_name"))), QStringLiteral("Иван"));

    server.reply("scr_chktitle.php", "<result><row><ret_code>0</ret_code></row></result>");
    std::optional<bool> free;
    ASSERT_TRUE(lib.checkTitle(-1, QStringLiteral("Имя"), free, &error));
    EXPECT_EQ(server.names(5), QStringLiteral("scr_id,scr_title"));
    EXPECT_EQ(field(server.body(5), "scr_id"), "-1");
    EXPECT_EQ(free, std::optional<bool>(true));
}

TEST(ScriptsRequestTest, RowsAreReadAsTheCatalogueWritesThem)
{
    Recorder server;
    const online::ScriptsLibrary lib = server.library();
    // Another application's public script that is not universal, though published with my
    // address in another letter case; a commas-as-decimals average; no language.
    const std::string foreign = "<id>3</id><key_cl_name>Пётр</key_cl_name><key_cl_mail>me@EXAMPLE.test</key_cl_mail>"
                                "<app_name>Other</app_name><app_ver>2.0</app_ver><app_guid>{OTHER}</app_guid>"
                                "<uniapps>0</uniapps><publics>1</publics><created>2026-01-02 03:04:05</created>"
                                "<rating_avg>3,250</rating_avg><rating_cnt>4</rating_cnt><rating_you>-1</rating_you>"
                                "<downloads>7</downloads><last_download></last_download><title>VA==</title>"
                                "<descr></descr>";
    const std::string universal = "<id>4</id><key_cl_lcid>1033</key_cl_lcid><app_guid>{OTHER}</app_guid>"
                                  "<uniapps>1</uniapps><publics>0</publics><created></created>"
                                  "<rating_avg>n/a</rating_avg><title></title><descr>0J/RgNC40LLQtdGC</descr>";
    server.reply("scr_getlist.php", "<result><row>" + foreign + "</row><row>" + universal + "</row></result>");
    std::vector<tScriptInfo> rows;
    bool hasResult = false;
    QString error;
    ASSERT_TRUE(lib.list(online::kScriptFilterDefault, rows, &hasResult, &error)) << error.toStdString();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_TRUE(hasResult);
    EXPECT_TRUE(rows[0].own);
    EXPECT_FALSE(rows[0].usable);
    EXPECT_FALSE(rows[0].ownUsable);
    EXPECT_TRUE(rows[0].publics);
    EXPECT_DOUBLE_EQ(rows[0].rating, 3.25);
    EXPECT_EQ(rows[0].rating_you, -1);
    EXPECT_EQ(rows[0].lcid, 1049) << "the requesting language";
    EXPECT_EQ(rows[0].title, QStringLiteral("T"));
    EXPECT_EQ(rows[1].lcid, 1033);
    EXPECT_TRUE(rows[1].usable);
    EXPECT_FALSE(rows[1].own);
    EXPECT_EQ(rows[1].rating, 0.0);
    EXPECT_FALSE(rows[1].created.isValid());
    EXPECT_EQ(rows[1].descr, QStringLiteral("Привет"));

    // The application's own identifier in another letter case is the same application.
    server.reply("scr_getlist.php", "<result><row><id>5</id><app_guid>" +
                                        QString::fromLatin1(online::kAppId).toLower().toStdString() +
                                        "</app_guid></row></result>");
    ASSERT_TRUE(lib.list(online::kScriptFilterDefault, rows, nullptr, &error)) << error.toStdString();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_TRUE(rows[0].usable);

    for (const std::string& bad : {std::string("<id>x</id>"), std::string("<id>1</id><rating_you>7</rating_you>"),
                                   std::string("<id>1</id><created>gestern</created>"),
                                   std::string("<id>1</id><title>***</title>")}) {
        server.reply("scr_getlist.php", "<result><row>" + bad + "</row></result>");
        EXPECT_FALSE(lib.list(online::kScriptFilterDefault, rows, nullptr, &error)) << bad;
        EXPECT_FALSE(error.isEmpty());
        EXPECT_TRUE(rows.empty());
    }
    server.reply("scr_getlist.php", "<result><row><error>Каталог недоступен</error></row></result>");
    EXPECT_FALSE(lib.list(online::kScriptFilterDefault, rows, nullptr, &error));
    EXPECT_EQ(error, QStringLiteral("Каталог недоступен"));
}

TEST(ScriptsRequestTest, ScriptTextRatesAndReturnCodes)
{
    Recorder server;
    const online::ScriptsLibrary lib = server.library();
    QString error;
    std::optional<QString> text;
    // Only a row that begins with the script counts.
    server.reply("scr_getdata.php", "<result><row><note>x</note><script>eA==</script></row>"
                                    "<row><script>RlVMTDowI1JBTkQNCg==</script></row></result>");
    ASSERT_TRUE(lib.fetchScript(3, text, &error)) << error.toStdString();
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(*text, QStringLiteral("FULL:0#RAND\r\n"));
    EXPECT_EQ(online::TextLines(*text), QStringList{QStringLiteral("FULL:0#RAND")});
    server.reply("scr_getdata.php", "<result></result>");
    ASSERT_TRUE(lib.fetchScript(3, text, &error));
    EXPECT_FALSE(text.has_value());

    server.reply("scr_setrate.php", "<result><row><res_code>-3</res_code></row></result>");
    EXPECT_FALSE(lib.rate(3, 2, QString(), &error));
    EXPECT_EQ(error, QStringLiteral("Код возврата: -3"));

    server.reply("scr_chktitle.php", "<result><row><ret_code>2</ret_code></row></result>");
    std::optional<bool> free;
    ASSERT_TRUE(lib.checkTitle(3, QStringLiteral("x"), free, &error));
    EXPECT_EQ(free, std::optional<bool>(false));
    server.reply("scr_chktitle.php", "");
    ASSERT_TRUE(lib.checkTitle(3, QStringLiteral("x"), free, &error));
    EXPECT_FALSE(free.has_value()) << "no answer at all";

    server.reply("scr_putscript.php", "<result><row><other>1</other></row></result>");
    std::optional<std::int32_t> id;
    ASSERT_TRUE(lib.publish(properties(QStringLiteral("t")), kLines, id, &error));
    EXPECT_FALSE(id.has_value());

    server.reply("scr_getrates.php", "<result><row><key_cl_name>Анна</key_cl_name><rate>5</rate>"
                                     "<created>2026-03-04 05:06:07</created><app_name>A</app_name>"
                                     "<app_ver>1</app_ver><notes>ok &amp; <b></notes></row></result>");
    std::vector<online::tScriptRate> rates;
    ASSERT_TRUE(lib.rates(3, rates, nullptr, &error)) << error.toStdString();
    ASSERT_EQ(rates.size(), 1u);
    EXPECT_EQ(rates[0].notes, QStringLiteral("ok &amp; <b>")) << "texts as received";
    EXPECT_EQ(rates[0].created, QDateTime(QDate(2026, 3, 4), QTime(5, 6, 7), QTimeZone::utc()).toLocalTime());
}

TEST(ScriptsRequestTest, TheAverageTakesAPointOrAComma)
{
    EXPECT_DOUBLE_EQ(online::ScriptRatingValue("4.500"), 4.5);
    EXPECT_DOUBLE_EQ(online::ScriptRatingValue(" 2,25 "), 2.25);
    EXPECT_EQ(online::ScriptRatingValue(""), 0.0);
    EXPECT_EQ(online::ScriptRatingValue("nan"), 0.0);
    EXPECT_EQ(online::ScriptRatingValue("4.5.1"), 0.0);
}
