// The online script catalogue through the session: two users with data folders of their own
// against one stand-in host, and the answers no sound host gives from a plain local server.

#include "FakeUserIo.h"
#include "LiveHost.h"
#include "LocalServers.h"
#include "app/OnlineScripts.h"
#include "app/ScriptController.h"
#include "app/Session.h"
#include "core/Cp1251.h"
#include "core/IniFile.h"
#include "core/Settings.h"
#include "host/RequestFields.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QString kTaken = u"Сценарий с таким названием уже существует!\nВыберите другое название."_s;

// One user: a data folder, the person, the session.
struct User
{
    User(const QString& serviceUrl, const QString& name, const QString& mail)
    {
        {
            QFile ini(dir.filePath(u"Vertoma_5x54.ini"_s));
            if (ini.open(QIODevice::WriteOnly | QIODevice::Truncate))
                ini.write(cp1251::encode(
                    u"[NETWORK]\r\nServiceUrl=%1\r\nCaFile=%2\r\n[CLIENT]\r\nUserName=%3\r\nUserMail=%4\r\n"_s.arg(
                        serviceUrl, testsupport::TestCaFile(), name, mail)));
        }
        session = std::make_unique<app::Session>(io, core::DataFolder(dir.path(), u"Vertoma_5x54"_s, dir.path()));
        session->create();
        session->script().loadWorkingCopy();
    }

    app::OnlineScripts& library() { return session->script().library(); }
    app::ScriptController& script() { return session->script(); }
    QString lastMessage() const { return io.messages.isEmpty() ? QString() : io.messages.last().text; }
    QByteArray file(const QString& name) const
    {
        QFile f(dir.filePath(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<none>");
    }

    QTemporaryDir dir;
    testsupport::FakeUserIo io;
    std::unique_ptr<app::Session> session;
};

// The dialog's edit that gives a title, a description and the visibility.
std::function<void(online::tScriptData&)> titled(const QString& title, bool publics = true)
{
    return [title, publics](online::tScriptData& d) {
        d.title = title;
        d.descr = u"описание"_s;
        d.publics = publics;
    };
}

class ScriptsOnlineTest : public ::testing::Test
{
protected:
    testsupport::LiveHost m_host;
    User m_ivan{m_host.url(), u"Иван"_s, u"ivan@example.test"_s};
    User m_petr{m_host.url(), u"Пётр"_s, u"Petr@Example.test"_s};
};

} // namespace

TEST_F(ScriptsOnlineTest, WhatOneUserPublishesTheOtherSeesRatesAndCannotDelete)
{
    m_ivan.script().addLine(u"FULL:0#RAND|SUMS:100#CMV:2| | | | | | |первая"_s);
    m_ivan.script().addLine(u"EXCL:3#ALL|NUMS:10| | | | | | |"_s);

    // Publishing starts from the user's name and the interface language.
    m_ivan.io.scriptPropertiesEdits.enqueue(titled(u"Общий сценарий"_s));
    const int id = m_ivan.library().upload();
    ASSERT_GT(id, 0) << m_ivan.lastMessage().toStdString();
    ASSERT_EQ(m_ivan.io.scriptPropertiesStarts.size(), 1);
    const app::ScriptPropertiesForm& form = m_ivan.io.scriptPropertiesStarts.first();
    EXPECT_TRUE(form.editable);
    EXPECT_EQ(form.data.id, -1);
    EXPECT_EQ(form.data.author, u"Иван"_s);
    EXPECT_EQ(form.data.lcid, 1049);
    EXPECT_TRUE(form.data.publics);
    EXPECT_FALSE(form.data.universal);
    EXPECT_EQ(form.appName, u"Vertoma_5x54"_s);
    ASSERT_FALSE(form.languages.isEmpty());
    EXPECT_EQ(form.languages.first().Lcid, 1049);
    EXPECT_TRUE(m_ivan.io.statusTexts.contains(u"Сохранение сценария в базе данных..."_s));
    // The new row is the selected one, and it is the user's own.
    const int mine = m_ivan.library().rowOfId(id);
    ASSERT_GE(mine, 0);
    EXPECT_EQ(m_ivan.library().currentId(), id);
    EXPECT_TRUE(m_ivan.library().canDelete(mine));
    EXPECT_TRUE(m_ivan.library().canReplace(mine));
    EXPECT_EQ(app::OnlineScripts::kindText(*m_ivan.library().row(mine)), u"Мой"_s);

    // The other user sees it, may download and rate it, but not replace or delete it.
    m_petr.script().addLine(u"FULL:0#FIRST| | | | | | | |моя старая"_s);
    const QByteArray before = m_petr.file(u"Vertoma_5x54.lss"_s);
    ASSERT_TRUE(m_petr.library().refresh());
    const int theirs = m_petr.library().rowOfId(id);
    ASSERT_GE(theirs, 0);
    const online::tScriptInfo& row = *m_petr.library().row(theirs);
    EXPECT_EQ(app::OnlineScripts::kindText(row), u"Общий"_s);
    EXPECT_EQ(row.author, u"Иван"_s);
    EXPECT_TRUE(m_petr.library().canDownload(theirs));
    EXPECT_FALSE(m_petr.library().canReplace(theirs));
    EXPECT_FALSE(m_petr.library().canDelete(theirs));
    EXPECT_FALSE(m_petr.library().remove(theirs));
    EXPECT_TRUE(m_petr.io.questions.isEmpty()) << "no question for another user's script";

    ASSERT_TRUE(m_petr.library().download(theirs)) << m_petr.lastMessage().toStdString();
    EXPECT_EQ(m_petr.script().lines(), m_ivan.script().lines());
    EXPECT_EQ(m_petr.file(u"Vertoma_5x54.lss"_s), m_ivan.file(u"Vertoma_5x54.lss"_s));
    EXPECT_EQ(m_petr.file(u"Vertoma_5x54.lss.bak"_s), before) << "the previous working copy is kept";
    // The list came again with the download counted, the row still selected.
    const int again = m_petr.library().rowOfId(id);
    ASSERT_GE(again, 0);
    EXPECT_EQ(m_petr.library().row(again)->downloads, 1);
    EXPECT_EQ(m_petr.library().currentId(), id);

    m_petr.io.textAnswers.enqueue(u"Работает \"хорошо\""_s);
    ASSERT_TRUE(m_petr.library().rate(again, 4)) << m_petr.lastMessage().toStdString();
    ASSERT_EQ(m_petr.io.textPrompts.size(), 1);
    EXPECT_EQ(m_petr.io.textPrompts.first(), std::make_pair(u"Комментарий"_s, u"Вы можете оставить свой комментарий:"_s));
    EXPECT_EQ(m_petr.library().row(m_petr.library().rowOfId(id))->rating_you, 4);
    EXPECT_EQ(app::OnlineScripts::myRatingText(*m_petr.library().row(m_petr.library().rowOfId(id))), u"4"_s);

    // The author sees the count and the average as the host keeps them, and the rating itself.
    ASSERT_TRUE(m_ivan.library().refresh());
    const online::tScriptInfo* seen = m_ivan.library().row(m_ivan.library().rowOfId(id));
    ASSERT_NE(seen, nullptr);
    EXPECT_EQ(seen->rating_cnt, 1);
    EXPECT_DOUBLE_EQ(seen->rating, 4.0);
    EXPECT_EQ(seen->downloads, 1);
    EXPECT_EQ(seen->rating_you, 0);
    ASSERT_TRUE(m_ivan.library().showRates(m_ivan.library().rowOfId(id)));
    ASSERT_EQ(m_ivan.io.shownRates.size(), 1u);
    ASSERT_EQ(m_ivan.io.shownRates[0].size(), 1u);
    EXPECT_EQ(m_ivan.io.shownRates[0][0].cl_name, u"Пётр"_s);
    EXPECT_EQ(m_ivan.io.shownRates[0][0].rate, u"4"_s);
    EXPECT_EQ(m_ivan.io.shownRates[0][0].notes, u"Работает \"хорошо\""_s);

    // A cancelled comment box sends nothing.
    EXPECT_FALSE(m_petr.library().rate(m_petr.library().rowOfId(id), 2));
    EXPECT_EQ(m_petr.library().row(m_petr.library().rowOfId(id))->rating_you, 4);

    // Hiding needs no comment; the default filter no longer lists it, "Скрытые" does.
    const int textBoxes = int(m_petr.io.textPrompts.size());
    ASSERT_TRUE(m_petr.library().rate(m_petr.library().rowOfId(id), -1));
    EXPECT_EQ(m_petr.io.textPrompts.size(), textBoxes);
    EXPECT_EQ(m_petr.library().rowOfId(id), -1);
    m_petr.library().setFilter(online::kScriptFilterHidden);
    ASSERT_GE(m_petr.library().rowOfId(id), 0);
    EXPECT_EQ(app::OnlineScripts::myRatingText(*m_petr.library().row(m_petr.library().rowOfId(id))), u"Скрытый"_s);
    ASSERT_TRUE(m_petr.library().rate(m_petr.library().rowOfId(id), 0));
    EXPECT_EQ(m_petr.library().rowOfId(id), -1) << "no longer hidden";

    // The author deletes after saying yes.
    m_ivan.io.answers.enqueue(false);
    EXPECT_FALSE(m_ivan.library().remove(m_ivan.library().rowOfId(id)));
    ASSERT_EQ(m_ivan.io.questions.size(), 1);
    EXPECT_EQ(m_ivan.io.questions.first().text, u"Вы действительно хотите удалить сценарий \"Общий сценарий\"?"_s);
    EXPECT_FALSE(m_ivan.io.questions.first().yesDefault);
    m_ivan.io.answers.enqueue(true);
    ASSERT_TRUE(m_ivan.library().remove(m_ivan.library().rowOfId(id))) << m_ivan.lastMessage().toStdString();
    EXPECT_EQ(m_ivan.library().rowOfId(id), -1);
    ASSERT_TRUE(m_petr.library().refresh());
    EXPECT_TRUE(m_petr.library().rows().empty());
}

TEST_F(ScriptsOnlineTest, TheDialogStaysOpenUntilTheTitleIsFreeAndTheAuthorGiven)
{
    m_ivan.script().addLine(u"FULL:0#RAND| | | | | | | |"_s);
    m_ivan.io.scriptPropertiesEdits.enqueue(titled(u"Занятое"_s));
    ASSERT_GT(m_ivan.library().upload(), 0);

    m_petr.script().addLine(u"FULL:0#LAST| | | | | | | |"_s);
    m_petr.io.scriptPropertiesEdits.enqueue(titled(u"   "_s));
    m_petr.io.scriptPropertiesEdits.enqueue(titled(u" ЗАНЯТОЕ "_s));
    m_petr.io.scriptPropertiesEdits.enqueue([](online::tScriptData& d) {
        d.title = u"Свободное"_s;
        d.author = u" "_s;
    });
    m_petr.io.scriptPropertiesEdits.enqueue([](online::tScriptData& d) {
        d.title = u"  Свободное  "_s;
        d.author = u" Пётр П. "_s;
        d.universal = true;
        d.publics = false;
    });
    const int id = m_petr.library().upload();
    ASSERT_GT(id, 0) << m_petr.lastMessage().toStdString();
    using V = app::ScriptPropertiesVerdict;
    EXPECT_EQ(m_petr.io.scriptPropertiesVerdicts, (QList<V>{V::BadTitle, V::BadTitle, V::BadAuthor, V::Accepted}));
    EXPECT_EQ(m_petr.io.messageTexts(app::MessageKind::Attention),
              (QStringList{u"Название сценария должно быть указано обязательно!"_s, kTaken,
                           u"Имя автора должно быть указано обязательно!"_s}));
    // Titles and authors go trimmed.
    const online::tScriptInfo* row = m_petr.library().row(m_petr.library().rowOfId(id));
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->title, u"Свободное"_s);
    EXPECT_EQ(row->author, u"Пётр П."_s);
    EXPECT_TRUE(row->universal);
    EXPECT_FALSE(row->publics);
    EXPECT_EQ(app::OnlineScripts::programText(*row), u"Универсальный"_s);
    // A private script is not in the other user's list.
    ASSERT_TRUE(m_ivan.library().refresh());
    EXPECT_EQ(m_ivan.library().rowOfId(id), -1);

    // Replacing keeps its own title free, sends the current lines, and the row takes the values.
    m_petr.script().addLine(u"CURR:0#NONE| | | | | | | |вторая"_s);
    m_petr.io.scriptPropertiesEdits.enqueue([](online::tScriptData& d) { d.descr = u"новое описание"_s; });
    ASSERT_TRUE(m_petr.library().replace(m_petr.library().rowOfId(id))) << m_petr.lastMessage().toStdString();
    const app::ScriptPropertiesForm& start = m_petr.io.scriptPropertiesStarts.last();
    EXPECT_EQ(start.data.id, id);
    EXPECT_EQ(start.data.title, u"Свободное"_s);
    EXPECT_EQ(m_petr.io.scriptPropertiesVerdicts.last(), V::Accepted);
    EXPECT_EQ(m_petr.library().row(m_petr.library().rowOfId(id))->descr, u"новое описание"_s);
    ASSERT_TRUE(m_petr.library().load(online::kScriptFilterAll));

    // View opens the dialog read-only and changes nothing.
    m_petr.io.scriptPropertiesEdits.enqueue(titled(u"Не то"_s));
    ASSERT_TRUE(m_petr.library().view(m_petr.library().rowOfId(id)));
    EXPECT_FALSE(m_petr.io.scriptPropertiesStarts.last().editable);
    EXPECT_FALSE(m_petr.io.scriptPropertiesStarts.last().check);
    EXPECT_EQ(m_petr.library().row(m_petr.library().rowOfId(id))->title, u"Свободное"_s);

    // Cancelling publishes nothing.
    const std::size_t rows = m_petr.library().rows().size();
    EXPECT_EQ(m_petr.library().upload(), -1);
    EXPECT_EQ(m_petr.library().rows().size(), rows);
}

TEST_F(ScriptsOnlineTest, TheSwitchesAreStoredAtOnce)
{
    app::OnlineScripts& library = m_ivan.library();
    EXPECT_TRUE(library.shown());
    EXPECT_EQ(library.filter(), online::kScriptFilterDefault);
    library.setFilter(online::kScriptFilterHidden);
    library.setShown(false);
    EXPECT_TRUE(library.rows().empty());
    core::IniFile state(m_ivan.session->folder().stateFile());
    ASSERT_TRUE(state.load());
    EXPECT_EQ(state.readInt(core::kMainWindowSection, u"ScriptLibraryFilter"_s, -5), 0);
    EXPECT_FALSE(state.readBool(core::kMainWindowSection, u"ScriptLibraryOn"_s, true));

    // A new session reads them back; an index out of range falls back to the default.
    User again{m_host.url(), u"Иван"_s, u"ivan@example.test"_s};
    QFile::remove(again.session->folder().stateFile());
    ASSERT_TRUE(QFile::copy(m_ivan.session->folder().stateFile(), again.session->folder().stateFile()));
    again.session->create();
    EXPECT_FALSE(again.library().shown());
    EXPECT_EQ(again.library().filter(), online::kScriptFilterHidden);
    ASSERT_TRUE(state.load());
    state.writeInt(core::kMainWindowSection, u"ScriptLibraryFilter"_s, 9);
    again.library().readState(state);
    EXPECT_EQ(again.library().filter(), online::kScriptFilterDefault);
    EXPECT_EQ(app::OnlineScripts::filterCaptions().size(), online::kScriptFilterCount);
    EXPECT_EQ(app::OnlineScripts::filterCaptions().value(2), u"Все, кроме скрытых (по умолчанию)"_s);
}

namespace {

// A host whose answers are set by the test; it records every body.
class OddHost : public ::testing::Test
{
protected:
    OddHost()
    {
        for (const char* path : {"/scripts/scr_getlist.php", "/scripts/scr_getdata.php", "/scripts/scr_putscript.php"})
            m_server.http().Post(path, [this, path](const httplib::Request& req, httplib::Response& res) {
                const std::lock_guard lock(m_mutex);
                m_bodies.push_back(req.body);
                res.set_content(m_replies[path], "text/xml");
            });
        m_server.start();
        m_user = std::make_unique<User>(m_server.url(), u"Иван"_s, u"ivan@example.test"_s);
    }

    void reply(const std::string& path, const std::string& text)
    {
        const std::lock_guard lock(m_mutex);
        m_replies["/scripts/" + path] = text;
    }
    std::string lastBody()
    {
        const std::lock_guard lock(m_mutex);
        return m_bodies.empty() ? std::string() : m_bodies.back();
    }

    testsupport::LocalHttpServer m_server;
    std::mutex m_mutex;
    std::vector<std::string> m_bodies;
    std::map<std::string, std::string> m_replies;
    std::unique_ptr<User> m_user;
};

// A row of the user's own: published from this program (guid given) or another one.
std::string ownRow(int id, const std::string& guid, int universal, int ratingYou = 0)
{
    return "<row><id>" + std::to_string(id) + "</id><key_cl_mail>Ivan@Example.test</key_cl_mail><app_guid>" + guid +
           "</app_guid><app_name>Other</app_name><uniapps>" + std::to_string(universal) +
           "</uniapps><publics>1</publics><rating_you>" + std::to_string(ratingYou) +
           "</rating_you><title>VGl0bGU=</title></row>";
}

} // namespace

TEST_F(OddHost, AnotherProgramsScriptIsShownButNeitherDownloadedReplacedNorDeleted)
{
    m_user->script().addLine(u"FULL:0#RAND| | | | | | | |"_s);
    reply("scr_getlist.php", "<result>" + ownRow(7, "{OTHER-APP}", 0, -1) + ownRow(8, "{OTHER-APP}", 1) + "</result>");
    app::OnlineScripts& library = m_user->library();
    ASSERT_TRUE(library.refresh()) << m_user->lastMessage().toStdString();
    ASSERT_EQ(library.rows().size(), 2u);
    EXPECT_TRUE(library.row(0)->own);
    EXPECT_FALSE(library.canDownload(0));
    EXPECT_FALSE(library.canReplace(0));
    EXPECT_FALSE(library.canDelete(0));
    EXPECT_EQ(app::OnlineScripts::myRatingText(*library.row(0)), u"Скрытый"_s);
    EXPECT_EQ(app::OnlineScripts::programText(*library.row(0)), u"Other"_s);
    // Universal, it is usable anywhere.
    EXPECT_TRUE(library.canDownload(1));
    EXPECT_TRUE(library.canDelete(1));

    const std::size_t requests = m_bodies.size();
    EXPECT_FALSE(library.download(0));
    EXPECT_FALSE(library.replaceWith(0, library.propertiesOf(0)));
    EXPECT_FALSE(library.remove(0));
    EXPECT_EQ(m_bodies.size(), requests) << "nothing was sent";
    EXPECT_EQ(m_user->script().lineCount(), 1);
    EXPECT_EQ(m_user->io.messageTexts(app::MessageKind::Error).size(), 3);
}

TEST_F(OddHost, DeletionTakesOnlyIdZeroAndTheHiddenFilterSendsMinusOne)
{
    app::OnlineScripts& library = m_user->library();
    reply("scr_getlist.php", "<result>" + ownRow(8, "{OTHER-APP}", 1) + "</result>");
    library.setFilter(online::kScriptFilterHidden);
    EXPECT_EQ(host::ParseForm(lastBody()).find("fltid")->second, "-1");
    ASSERT_EQ(library.rows().size(), 1u);

    // Any id but 0 leaves the row, and says so.
    reply("scr_putscript.php", "<result><row><id_scripts>8</id_scripts></row></result>");
    m_user->io.answers.enqueue(true);
    EXPECT_FALSE(library.remove(0));
    EXPECT_EQ(host::ParseForm(lastBody()).find("del_mode")->second, "1");
    ASSERT_EQ(library.rows().size(), 1u);
    EXPECT_TRUE(m_user->lastMessage().startsWith(u"Ошибка удаления online-сценария из базы данных!"_s));
    reply("scr_putscript.php", "<result></result>");
    m_user->io.answers.enqueue(true);
    EXPECT_FALSE(library.remove(0));
    ASSERT_EQ(library.rows().size(), 1u);

    reply("scr_putscript.php", "<result><row><id_scripts>0</id_scripts></row></result>");
    reply("scr_getlist.php", "<result></result>");
    m_user->io.answers.enqueue(true);
    EXPECT_TRUE(library.remove(0));
    EXPECT_TRUE(library.rows().empty());
}

TEST_F(OddHost, ADownloadKeepsThePreviousWorkingCopyOrChangesNothing)
{
    app::ScriptController& script = m_user->script();
    script.addLine(u"FULL:0#RAND| | | | | | | |старая"_s);
    const QByteArray old = m_user->file(u"Vertoma_5x54.lss"_s);
    reply("scr_getlist.php", "<result>" + ownRow(8, "{OTHER-APP}", 1) + "</result>");
    ASSERT_TRUE(m_user->library().refresh());

    // No script in the reply: the current script stays and the person is told.
    reply("scr_getdata.php", "<result><row><other>1</other></row></result>");
    EXPECT_FALSE(m_user->library().download(0));
    EXPECT_EQ(m_user->file(u"Vertoma_5x54.lss"_s), old);
    EXPECT_TRUE(m_user->lastMessage().startsWith(u"Ошибка загрузки online-сценария!"_s));

    // A backup that cannot be written stops the download before anything changes.
    ASSERT_TRUE(QDir(m_user->dir.path()).mkdir(u"Vertoma_5x54.lss.bak"_s));
    reply("scr_getdata.php", "<result><row><script>" +
                                 QString(u"EXCL:1#LAST| | | | | | | |новая\r\nFULL:0#ALL| | | | | | | |"_s)
                                     .toUtf8()
                                     .toBase64()
                                     .toStdString() +
                                 "</script></row></result>");
    EXPECT_FALSE(m_user->library().download(0));
    EXPECT_EQ(script.lines(), QStringList{u"FULL:0#RAND| | | | | | | |старая"_s});
    EXPECT_EQ(m_user->file(u"Vertoma_5x54.lss"_s), old);
    ASSERT_TRUE(QDir(m_user->dir.path()).rmdir(u"Vertoma_5x54.lss.bak"_s));

    ASSERT_TRUE(m_user->library().download(0)) << m_user->lastMessage().toStdString();
    EXPECT_EQ(script.lines(), (QStringList{u"EXCL:1#LAST| | | | | | | |новая"_s, u"FULL:0#ALL| | | | | | | |"_s}));
    EXPECT_EQ(m_user->file(u"Vertoma_5x54.lss.bak"_s), old);
    EXPECT_EQ(m_user->file(u"Vertoma_5x54.lss"_s),
              cp1251::encode(u"EXCL:1#LAST| | | | | | | |новая\r\nFULL:0#ALL| | | | | | | |\r\n"_s));
}

TEST(ScriptsOnlineStartTest, WithoutAnAddressTheStartAsksNothingAndARefreshSaysWhy)
{
    User user{QString(), u"Иван"_s, u"ivan@example.test"_s};
    user.library().startUp();
    EXPECT_TRUE(user.io.messages.isEmpty());
    EXPECT_TRUE(user.library().rows().empty());
    EXPECT_FALSE(user.library().refresh());
    EXPECT_TRUE(user.lastMessage().startsWith(u"Ошибка загрузки каталога online-сценариев!"_s));
    EXPECT_TRUE(user.lastMessage().contains(u"ServiceUrl"_s));
}
