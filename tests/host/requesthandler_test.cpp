// The host's request handler without sockets: every library path, the owner rule, the eight
// filters of the script catalogue, ratings, and the refusal of bad requests.

#include "core/Cp1251.h"
#include "host/RequestHandler.h"
#include "online/ClientIdentity.h"
#include "online/Conventions.h"

#include <QTemporaryDir>
#include <QTimeZone>

#include <gtest/gtest.h>

using host::FormFields;

namespace {

std::string esc(const QString& text)
{
    return online::EscapedText(text).toStdString();
}

class HandlerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QString error;
        ASSERT_TRUE(m_db.open(m_dir.filePath(QStringLiteral("h.sqlite")), &error)) << error.toStdString();
        m_handler = std::make_unique<host::RequestHandler>(m_db);
        m_handler->setClock([this] { return m_now; });
    }

    // The reply; error holds the message of an error row.
    online::Reply call(const char* path, const FormFields& fields, QString* error = nullptr)
    {
        online::Reply reply;
        QString message;
        const bool ok = online::ParseReply(m_handler->handle(path, fields), reply, &message);
        if (error)
            *error = ok ? QString() : message;
        else
            EXPECT_TRUE(ok) << path << ": " << message.toStdString();
        return reply;
    }

    FormFields identity(const QString& name, const QString& mail, int lcid = 1049) const
    {
        return {{"appid", online::kAppId}, {"appver", "0.1.0"}, {"hwdid", "HW"},
                {"cl_name", esc(name)},    {"cl_mail", esc(mail)}, {"cl_lcid", std::to_string(lcid)}};
    }

    FormFields system(int id, const QString& mail, const QString& lines, int csize, int nums = 12)
    {
        FormFields f{{"del_mode", "0"},
                     {"sys_id", std::to_string(id)},
                     {"nums", std::to_string(nums)},
                     {"clen", "5"},
                     {"olap", "3"},
                     {"title", esc(QStringLiteral("Система %1").arg(id))},
                     {"descr", esc(QStringLiteral("Описание"))},
                     {"csize", std::to_string(csize)},
                     {"clist", online::EscapedText(lines).toBase64().toStdString()},
                     {"url", ""}};
        f.merge(identity(QStringLiteral("Автор"), mail));
        return f;
    }

    int putSystem(const FormFields& f, QString* error = nullptr)
    {
        const online::Reply r = call("/scripts/sys_putdata.php", f, error);
        return r.rows.empty() ? -1 : r.rows[0].integer("id_systems").value_or(-1);
    }

    FormFields script(int id, const QString& title, const QString& mail, bool publics = true, int del = 0)
    {
        FormFields f{{"del_mode", std::to_string(del)},
                     {"scr_id", std::to_string(id)},
                     {"scr_uniapps", "0"},
                     {"scr_publics", publics ? "1" : "0"},
                     {"scr_title", esc(title)},
                     {"scr_descr", esc(QStringLiteral("Описание «%1»").arg(title))}};
        if (del == 0)
            f.emplace("scr_script", esc(QStringLiteral("строка 1\r\nстрока 2")));
        f.merge(identity(QStringLiteral("Автор"), mail));
        return f;
    }

    int putScript(const FormFields& f, QString* error = nullptr)
    {
        const online::Reply r = call("/scripts/scr_putscript.php", f, error);
        return r.rows.empty() ? -1 : r.rows.back().integer("id_scripts").value_or(-1);
    }

    std::vector<int> listScripts(int fltid, const QString& mail)
    {
        FormFields f{{"fltid", std::to_string(fltid)}};
        f.merge(identity(QStringLiteral("Кто-то"), mail));
        std::vector<int> ids;
        for (const auto& row : call("/scripts/scr_getlist.php", f).rows)
            ids.push_back(row.integer("id").value_or(-1));
        return ids;
    }

    void rate(int id, int value, const QString& mail, const QString& notes = {})
    {
        FormFields f{{"scr_id", std::to_string(id)}, {"rate_value", std::to_string(value)}, {"rate_notes", esc(notes)}};
        f.merge(identity(QStringLiteral("Оценщик ") + mail, mail));
        const online::Reply r = call("/scripts/scr_setrate.php", f);
        ASSERT_EQ(r.rows.size(), 1u);
        EXPECT_GE(r.rows[0].integer("res_code").value_or(-1), 0);
    }

    QTemporaryDir m_dir;
    host::Database m_db;
    std::unique_ptr<host::RequestHandler> m_handler;
    QDateTime m_now = QDateTime(QDate(2026, 8, 16), QTime(12, 0, 0), QTimeZone::utc());
    const QString m_a = QStringLiteral("a@example.test");
    const QString m_b = QStringLiteral("b@example.test");
};

} // namespace

TEST_F(HandlerTest, SystemsListDataAndPut)
{
    const QString lines = QStringLiteral("1 2 3 4 12\r\n5 6 7 8 9\r\n");
    const int id = putSystem(system(0, m_a, lines, 2));
    ASSERT_GT(id, 0);
    const int second = putSystem(system(0, m_b, QStringLiteral("1 2 3 4 5\n"), 1, 6));
    ASSERT_GT(second, id);

    FormFields list{{"comblen", "5"}, {"maxnums", "54"}};
    list.merge(identity(QStringLiteral("Я"), m_a));
    online::Reply r = call("/scripts/sys_getlist.php", list);
    ASSERT_EQ(r.rows.size(), 2u);
    // Ordered by the count of numbers.
    EXPECT_EQ(r.rows[0].integer("id"), second);
    EXPECT_EQ(r.rows[1].integer("id"), id);
    EXPECT_EQ(r.rows[1].integer("nums"), 12);
    EXPECT_EQ(r.rows[1].integer("olap"), 3);
    EXPECT_EQ(r.rows[1].integer("csize"), 2);
    EXPECT_EQ(online::FromBase64Utf8(r.rows[1].value("title")), QStringLiteral("Система 0"));
    EXPECT_EQ(online::FromBase64Utf8(r.rows[1].value("descr")), QStringLiteral("Описание"));
    EXPECT_EQ(r.rows[1].text("author"), QStringLiteral("Автор"));
    EXPECT_EQ(r.rows[1].text("cl_mail"), m_a);
    EXPECT_EQ(r.rows[1].text("created"), QStringLiteral("2026-08-16 12:00:00"));
    EXPECT_EQ(r.rows[1].integer("downloads"), 0);
    EXPECT_TRUE(r.rows[1].has("last_download"));
    EXPECT_EQ(r.rows[1].text("last_download"), QString());

    // maxnums leaves the larger systems out.
    list.find("maxnums")->second = "11";
    EXPECT_EQ(call("/scripts/sys_getlist.php", list).rows.size(), 1u);

    m_now = m_now.addSecs(60);
    r = call("/scripts/sys_getdata.php", {{"sys_id", std::to_string(id)}});
    ASSERT_EQ(r.rows.size(), 1u);
    EXPECT_EQ(online::FromBase64Utf8(r.rows[0].value("clist")), QStringLiteral("01 02 03 04 12\r\n05 06 07 08 09"));
    call("/scripts/sys_getdata.php", {{"sys_id", std::to_string(id)}});
    list.find("maxnums")->second = "54";
    r = call("/scripts/sys_getlist.php", list);
    EXPECT_EQ(r.rows[1].integer("downloads"), 2);
    EXPECT_EQ(r.rows[1].text("last_download"), QStringLiteral("2026-08-16 12:01:00"));
}

TEST_F(HandlerTest, OnlyTheOwnerReplacesOrDeletesASystem)
{
    const int id = putSystem(system(0, m_a, QStringLiteral("1 2 3 4 5"), 1));
    ASSERT_GT(id, 0);
    QString error;
    EXPECT_EQ(putSystem(system(id, m_b, QStringLiteral("1 2 3 4 6"), 1), &error), -1);
    EXPECT_EQ(error, QStringLiteral("Вы можете изменять только свои системы!"));
    FormFields del = system(id, m_b, QString(), 0);
    del.find("del_mode")->second = "1";
    EXPECT_EQ(putSystem(del, &error), -1);
    EXPECT_EQ(error, QStringLiteral("Вы можете удалять только свои системы!"));

    m_now = m_now.addSecs(3600);
    EXPECT_EQ(putSystem(system(id, QStringLiteral("  A@Example.Test "), QStringLiteral("1 2 3 4 6"), 1)), id);
    FormFields list{{"comblen", "5"}, {"maxnums", "54"}};
    list.merge(identity(QStringLiteral("Я"), m_a));
    // A new version is newer.
    EXPECT_EQ(call("/scripts/sys_getlist.php", list).rows[0].text("created"), QStringLiteral("2026-08-16 13:00:00"));

    del = system(id, m_a, QString(), 0);
    del.find("del_mode")->second = "1";
    EXPECT_EQ(putSystem(del), 0);
    EXPECT_TRUE(call("/scripts/sys_getlist.php", list).rows.empty());
    EXPECT_EQ(putSystem(del, &error), -1);
    EXPECT_TRUE(error.contains(QStringLiteral("не найдена")));
}

TEST_F(HandlerTest, BadRequestsGetAnErrorRow)
{
    QString error;
    const auto refused = [&](const char* path, const FormFields& f, const QString& part) {
        call(path, f, &error);
        EXPECT_TRUE(error.contains(part)) << path << " -> " << error.toStdString() << " / " << part.toStdString();
    };
    refused("/scripts/sys_getdata.php", {}, QStringLiteral("sys_id"));
    refused("/scripts/sys_getdata.php", {{"sys_id", "12x"}}, QStringLiteral("некорректное целое число"));
    refused("/scripts/sys_getdata.php", {{"sys_id", "99999999999"}}, QStringLiteral("некорректное целое число"));
    refused("/scripts/sys_getdata.php", {{"sys_id", "0"}}, QStringLiteral("вне допустимых пределов"));
    refused("/scripts/sys_getdata.php", {{"sys_id", "5"}}, QStringLiteral("не найдена"));
    refused("/scripts/nothing.php", {}, QStringLiteral("Неизвестный запрос"));

    FormFields f = system(0, m_a, QStringLiteral("1 2 3 4 5"), 1);
    f.find("title")->second = "broken \\";
    refused("/scripts/sys_putdata.php", f, QStringLiteral("escape"));
    f = system(0, m_a, QStringLiteral("1 2 3 4 5"), 1);
    f.find("clist")->second = "***";
    refused("/scripts/sys_putdata.php", f, QStringLiteral("Base64"));
    f = system(0, m_a, QStringLiteral("1 2 3 4 5"), 1, 5);
    refused("/scripts/sys_putdata.php", f, QStringLiteral("nums"));
    f = system(0, m_a, QStringLiteral("1 2 3 4 5"), 1);
    f.find("olap")->second = "5";
    refused("/scripts/sys_putdata.php", f, QStringLiteral("olap"));
    f = system(0, m_a, QStringLiteral("1 2 3 4 4"), 1);
    refused("/scripts/sys_putdata.php", f, QStringLiteral("пять разных позиций"));
    f = system(0, m_a, QStringLiteral("1 2 3 4"), 1);
    refused("/scripts/sys_putdata.php", f, QStringLiteral("пять разных позиций"));
    f = system(0, m_a, QStringLiteral("1 2 3 4 5\r\n1 2 3 4 6"), 1);
    refused("/scripts/sys_putdata.php", f, QStringLiteral("csize"));
    f = system(0, m_a, QStringLiteral("1 2 3 4 5"), 1);
    f.find("cl_name")->second = esc(QStringLiteral("<b>"));
    refused("/scripts/sys_putdata.php", f, QStringLiteral("угловые скобки"));
    f = system(0, m_a, QStringLiteral("1 2 3 4 5"), 1);
    f.find("title")->second = esc(QStringLiteral("   "));
    refused("/scripts/sys_putdata.php", f, QStringLiteral("Название системы"));
    f = system(0, QString(), QStringLiteral("1 2 3 4 5"), 1);
    refused("/scripts/sys_putdata.php", f, QStringLiteral("cl_mail"));
    f = script(-1, QStringLiteral("Т"), m_a);
    f.erase("scr_script");
    refused("/scripts/scr_putscript.php", f, QStringLiteral("scr_script"));
    refused("/scripts/scr_getlist.php", {{"fltid", "7"}}, QStringLiteral("fltid"));

    // Nothing of the refused requests was stored.
    FormFields list{{"comblen", "5"}, {"maxnums", "54"}};
    list.merge(identity(QStringLiteral("Я"), m_a));
    EXPECT_TRUE(call("/scripts/sys_getlist.php", list).rows.empty());
}

TEST_F(HandlerTest, ScriptsPublishReplaceDeleteAndTitles)
{
    const int id = putScript(script(-1, QStringLiteral("Первый"), m_a));
    ASSERT_GT(id, 0);
    QString error;
    // Titles are unique without regard to letter case.
    EXPECT_EQ(putScript(script(-1, QStringLiteral("первый"), m_b), &error), -1);
    EXPECT_EQ(error, QStringLiteral("Сценарий с таким названием уже существует!"));
    online::Reply r = call("/scripts/scr_chktitle.php", {{"scr_id", "-1"}, {"scr_title", esc(QStringLiteral(" ПЕРВЫЙ "))}});
    EXPECT_EQ(r.rows.at(0).integer("ret_code"), 1);
    r = call("/scripts/scr_chktitle.php", {{"scr_id", std::to_string(id)}, {"scr_title", esc(QStringLiteral("Первый"))}});
    EXPECT_EQ(r.rows.at(0).integer("ret_code"), 0);
    r = call("/scripts/scr_chktitle.php", {{"scr_id", "-1"}, {"scr_title", esc(QStringLiteral("Второй"))}});
    EXPECT_EQ(r.rows.at(0).integer("ret_code"), 0);

    EXPECT_EQ(putScript(script(id, QStringLiteral("Чужой"), m_b), &error), -1);
    EXPECT_EQ(error, QStringLiteral("Вы можете изменять только свои сценарии!"));
    EXPECT_EQ(putScript(script(id, QStringLiteral("Первый, новый"), m_a)), id);

    m_now = m_now.addSecs(30);
    r = call("/scripts/scr_getdata.php", {{"scr_id", std::to_string(id)}});
    ASSERT_EQ(r.rows.size(), 1u);
    EXPECT_TRUE(r.rows[0].text().startsWith("<script>"));
    EXPECT_EQ(online::FromBase64Utf8(r.rows[0].value("script")), QStringLiteral("строка 1\r\nстрока 2"));

    FormFields f{{"fltid", "0"}};
    f.merge(identity(QStringLiteral("Я"), m_b, 1033));
    r = call("/scripts/scr_getlist.php", f);
    ASSERT_EQ(r.rows.size(), 1u);
    const online::ReplyRow& row = r.rows[0];
    EXPECT_EQ(row.integer("id"), id);
    EXPECT_EQ(row.text("key_cl_name"), QStringLiteral("Автор"));
    EXPECT_EQ(row.text("key_cl_mail"), m_a);
    EXPECT_EQ(row.integer("key_cl_lcid"), 1049);
    EXPECT_EQ(row.text("app_name"), QStringLiteral("Vertoma_5x54"));
    EXPECT_EQ(row.text("app_ver"), QStringLiteral("0.1.0"));
    EXPECT_EQ(row.text("app_guid"), QString::fromLatin1(online::kAppId));
    EXPECT_EQ(row.integer("uniapps"), 0);
    EXPECT_EQ(row.integer("publics"), 1);
    EXPECT_EQ(row.text("created"), QStringLiteral("2026-08-16 12:00:00"));
    EXPECT_EQ(row.integer("downloads"), 1);
    EXPECT_EQ(row.text("last_download"), QStringLiteral("2026-08-16 12:00:30"));
    EXPECT_EQ(online::FromBase64Utf8(row.value("title")), QStringLiteral("Первый, новый"));
    EXPECT_EQ(online::FromBase64Utf8(row.value("descr")), QStringLiteral("Описание «Первый, новый»"));
    EXPECT_EQ(row.integer("rating_you"), 0);
    EXPECT_EQ(row.integer("rating_cnt"), 0);

    EXPECT_EQ(putScript(script(id, QStringLiteral("x"), m_b, true, 1), &error), -1);
    EXPECT_EQ(error, QStringLiteral("Вы можете удалять только свои сценарии!"));
    EXPECT_EQ(putScript(script(id, QStringLiteral("x"), m_a, true, 1)), 0);
    EXPECT_TRUE(listScripts(0, m_a).empty());
}

TEST_F(HandlerTest, RatingsAverageAndTheUsersOwnRating)
{
    const int id = putScript(script(-1, QStringLiteral("Оцениваемый"), m_a));
    rate(id, 5, m_a, QStringLiteral("отлично"));
    rate(id, 2, m_b, QStringLiteral("плохо"));
    rate(id, 4, QStringLiteral("c@example.test"));
    rate(id, -1, QStringLiteral("d@example.test"));

    FormFields f{{"fltid", "0"}};
    f.merge(identity(QStringLiteral("Я"), m_b));
    online::Reply r = call("/scripts/scr_getlist.php", f);
    ASSERT_EQ(r.rows.size(), 1u);
    EXPECT_EQ(r.rows[0].text("rating_avg"), QStringLiteral("3.667"));
    EXPECT_EQ(r.rows[0].integer("rating_cnt"), 3);
    EXPECT_EQ(r.rows[0].integer("rating_you"), 2);

    // Rating again replaces; 0 removes.
    rate(id, 3, m_b);
    rate(id, 0, QStringLiteral("c@example.test"));
    r = call("/scripts/scr_getlist.php", f);
    EXPECT_EQ(r.rows[0].text("rating_avg"), QStringLiteral("4.000"));
    EXPECT_EQ(r.rows[0].integer("rating_you"), 3);

    r = call("/scripts/scr_getrates.php", {{"scr_id", std::to_string(id)}});
    ASSERT_EQ(r.rows.size(), 2u);
    QStringList seen;
    for (const auto& row : r.rows)
        seen << row.text("key_cl_name") + u'=' + row.text("rate") + u'/' + row.text("notes") + u'/' +
                    row.text("app_name") + u'/' + row.text("app_ver") + u'/' + row.text("created");
    seen.sort();
    EXPECT_EQ(seen, (QStringList{QStringLiteral("Оценщик a@example.test=5/отлично/Vertoma_5x54/0.1.0/2026-08-16 12:00:00"),
                                 QStringLiteral("Оценщик b@example.test=3//Vertoma_5x54/0.1.0/2026-08-16 12:00:00")}));

    QString error;
    FormFields bad{{"scr_id", std::to_string(id)}, {"rate_value", "6"}, {"rate_notes", ""}};
    bad.merge(identity(QStringLiteral("Я"), m_b));
    call("/scripts/scr_setrate.php", bad, &error);
    EXPECT_TRUE(error.contains(QStringLiteral("rate_value")));
    call("/scripts/scr_getrates.php", {{"scr_id", "999"}}, &error);
    EXPECT_TRUE(error.contains(QStringLiteral("не найден")));
}

TEST_F(HandlerTest, TheEightFiltersOfTheCatalogue)
{
    // a owns: mine (public), secret (private). b owns: rated, hidden, plain, old.
    const int mine = putScript(script(-1, QStringLiteral("mine"), m_a));
    const int secret = putScript(script(-1, QStringLiteral("secret"), m_a, false));
    const int bprivate = putScript(script(-1, QStringLiteral("b private"), m_b, false));
    const int rated = putScript(script(-1, QStringLiteral("rated"), m_b));
    const int hidden = putScript(script(-1, QStringLiteral("hidden"), m_b));
    m_now = m_now.addSecs(25 * 3600);
    const int fresh = putScript(script(-1, QStringLiteral("fresh"), m_b));
    rate(rated, 4, m_a);
    rate(hidden, -1, m_a);
    rate(mine, 5, m_b);

    using V = std::vector<int>;
    // Another user's private script is never listed.
    EXPECT_EQ(listScripts(-1, m_a), (V{hidden}));
    EXPECT_EQ(listScripts(0, m_a), (V{mine, secret, rated, hidden, fresh}));
    EXPECT_EQ(listScripts(1, m_a), (V{mine, secret, rated, fresh}));
    EXPECT_EQ(listScripts(2, m_a), (V{mine, secret}));
    EXPECT_EQ(listScripts(3, m_a), (V{mine, rated, fresh}));
    EXPECT_EQ(listScripts(4, m_a), (V{rated}));
    EXPECT_EQ(listScripts(5, m_a), (V{mine, secret, fresh}));
    EXPECT_EQ(listScripts(6, m_a), (V{fresh}));
    // The same catalogue seen by b.
    EXPECT_EQ(listScripts(2, m_b), (V{bprivate, rated, hidden, fresh}));
    EXPECT_EQ(listScripts(4, m_b), (V{mine}));
    EXPECT_TRUE(listScripts(-1, m_b).empty());
    // Without an address nothing is anyone's own.
    EXPECT_TRUE(listScripts(2, QString()).empty());
    EXPECT_EQ(listScripts(0, QString()), (V{mine, rated, hidden, fresh}));
}

TEST(FormTest, FieldsOfAnUrlEncodedBody)
{
    const FormFields f = host::ParseForm("a=1&title=%D1%E8+%5C%22x&&empty=&bare&bad=%4&bad2=%zz1&a=2");
    EXPECT_EQ(f.count("a"), 2u);
    EXPECT_EQ(f.find("a")->second, "1");
    EXPECT_EQ(f.find("title")->second, "\xD1\xE8 \\\"x");
    EXPECT_EQ(f.find("empty")->second, "");
    EXPECT_EQ(f.find("bare")->second, "");
    EXPECT_EQ(f.find("bad")->second, "%4");
    EXPECT_EQ(f.find("bad2")->second, "%zz1");
    EXPECT_TRUE(host::ParseForm("").empty());
}
