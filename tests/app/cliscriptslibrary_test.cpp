// The tool's words "library ...", run as separate processes for two users with data folders of
// their own against one stand-in service host on 127.0.0.1.

#include "CliRunner.h"
#include "LiveHost.h"
#include "TestPaths.h"
#include "core/Cp1251.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

using testsupport::CliResult;

class CliScriptsLibraryTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        writeConfig(m_ivan, u"Иван"_s, u"ivan@example.test"_s);
        writeConfig(m_petr, u"Пётр"_s, u"petr@example.test"_s);
    }

    void writeConfig(const QTemporaryDir& dir, const QString& name, const QString& mail)
    {
        QFile ini(dir.filePath(u"Vertoma_5x54.ini"_s));
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ini.write(cp1251::encode(u"[CLIENT]\r\nUserName=%1\r\nUserMail=%2\r\n[NETWORK]\r\nServiceUrl=%3\r\nCaFile=%4\r\n"_s
                                     .arg(name, mail, m_host.url(), testsupport::TestCaFile())));
    }

    static QByteArray file(const QTemporaryDir& dir, const QString& name)
    {
        QFile f(dir.filePath(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<none>");
    }

    CliResult run(const QTemporaryDir& dir, const QStringList& args) { return testsupport::RunCli(dir.path(), args); }
    // The rows of the list after its header, cut into their cells.
    QList<QStringList> rows(const QTemporaryDir& dir, const QStringList& extra = {})
    {
        const CliResult r = run(dir, QStringList{u"library"_s} + extra);
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
        QList<QStringList> cells;
        const QStringList lines = r.lines();
        for (qsizetype i = 1; i < lines.size(); ++i)
            cells << lines[i].split(u'\t');
        return cells;
    }

    testsupport::LiveHost m_host;
    QTemporaryDir m_ivan;
    QTemporaryDir m_petr;
};

} // namespace

TEST_F(CliScriptsLibraryTest, PublishListGetRateAndDeleteBetweenTwoUsers)
{
    CliResult r = run(m_ivan, {u"library"_s});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    ASSERT_EQ(r.lines().size(), 1) << "the header alone";
    EXPECT_TRUE(r.lines().first().startsWith(u"Код\tТип\tНазвание\tАвтор"_s));

    // Nothing to publish yet.
    r = run(m_ivan, {u"library"_s, u"publish"_s, u"--title"_s, u"Пустой"_s, u"--descr"_s, u"-"_s});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.err.contains(u"не содержит ни одной строки"_s)) << r.err.toStdString();

    ASSERT_EQ(run(m_ivan, {u"script"_s, u"add"_s, u"FULL:0#RAND|SUMS:100#CMV:2| | | | | | |Иван"_s}).exitCode, 0);
    r = run(m_ivan, {u"library"_s, u"publish"_s, u"--title"_s, u"Сценарий Ивана"_s, u"--descr"_s, u"Описание"_s});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    ASSERT_TRUE(r.out.startsWith(u"Опубликован сценарий #"_s)) << r.out.toStdString();
    const QString id = r.out.section(u'#', 1).trimmed();

    // A taken title is refused, whatever the letter case.
    ASSERT_EQ(run(m_petr, {u"script"_s, u"add"_s, u"FULL:0#LAST| | | | | | | |Пётр"_s}).exitCode, 0);
    r = run(m_petr, {u"library"_s, u"publish"_s, u"--title"_s, u"СЦЕНАРИЙ ИВАНА"_s, u"--descr"_s, u"-"_s});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.err.contains(u"Сценарий с таким названием уже существует!"_s)) << r.err.toStdString();

    QList<QStringList> list = rows(m_petr);
    ASSERT_EQ(list.size(), 1);
    EXPECT_EQ(list[0].value(0), id);
    EXPECT_EQ(list[0].value(1), u"Общий"_s);
    EXPECT_EQ(list[0].value(2), u"Сценарий Ивана"_s);
    EXPECT_EQ(list[0].value(3), u"Иван"_s);
    EXPECT_EQ(list[0].value(4), u"Vertoma_5x54"_s);
    EXPECT_EQ(list[0].value(6), u"RUS"_s);
    EXPECT_EQ(rows(m_ivan).value(0).value(1), u"Мой"_s);

    // The other user downloads it over the current script, which is kept.
    const QByteArray before = file(m_petr, u"Vertoma_5x54.lss"_s);
    r = run(m_petr, {u"library"_s, u"get"_s, id});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(file(m_petr, u"Vertoma_5x54.lss"_s), file(m_ivan, u"Vertoma_5x54.lss"_s));
    EXPECT_EQ(file(m_petr, u"Vertoma_5x54.lss.bak"_s), before);

    // Rates it with a comment; cannot replace or delete it.
    r = run(m_petr, {u"library"_s, u"rate"_s, id, u"5"_s, u"--notes"_s, u"Отлично \"работает\""_s});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    r = run(m_petr, {u"library"_s, u"delete"_s, id});
    EXPECT_EQ(r.exitCode, 2);
    r = run(m_petr, {u"library"_s, u"replace"_s, id, u"--title"_s, u"Моё"_s});
    EXPECT_EQ(r.exitCode, 2);
    ASSERT_EQ(run(m_ivan, {u"script"_s, u"add"_s, u"FULL:0#FIRST| | | | | | | |ещё"_s}).exitCode, 0);
    r = run(m_ivan, {u"library"_s, u"rate"_s, id, u"3"_s});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();

    // Counts and averages as the host keeps them.
    list = rows(m_ivan);
    ASSERT_EQ(list.size(), 1);
    EXPECT_EQ(list[0].value(8), u"4.000"_s);
    EXPECT_EQ(list[0].value(9), u"2"_s);
    EXPECT_EQ(list[0].value(10), u"3"_s) << "my own rating";
    EXPECT_EQ(list[0].value(11), u"1"_s) << "one download";
    r = run(m_ivan, {u"library"_s, u"rates"_s, id});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    ASSERT_EQ(r.lines().size(), 3) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains(u"Пётр\t5\t"_s)) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains(u"Отлично \"работает\""_s));

    // The owner replaces it with the script as it is now, then hides and deletes it.
    r = run(m_ivan, {u"library"_s, u"replace"_s, id, u"--descr"_s, u"Вторая версия"_s, u"--private"_s});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(rows(m_petr).isEmpty()) << "private now";
    list = rows(m_ivan);
    ASSERT_EQ(list.size(), 1);
    EXPECT_EQ(list[0].value(14), u"Вторая версия"_s);
    ASSERT_EQ(run(m_ivan, {u"library"_s, u"rate"_s, id, u"hide"_s}).exitCode, 0);
    EXPECT_TRUE(rows(m_ivan).isEmpty());
    list = rows(m_ivan, {u"--filter"_s, u"0"_s});
    ASSERT_EQ(list.size(), 1);
    EXPECT_EQ(list[0].value(10), u"Скрытый"_s);
    r = run(m_ivan, {u"library"_s, u"delete"_s, id});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(rows(m_ivan, {u"--filter"_s, u"1"_s}).isEmpty());
}

TEST_F(CliScriptsLibraryTest, RefusedInputsSayWhy)
{
    const auto refused = [this](const QStringList& args, const QString& why) {
        const CliResult r = run(m_ivan, args);
        EXPECT_EQ(r.exitCode, 2) << args.join(u' ').toStdString();
        EXPECT_TRUE(r.err.contains(why)) << r.err.toStdString();
    };
    refused({u"library"_s, u"--filter"_s, u"8"_s}, u"Фильтр"_s);
    refused({u"library"_s, u"get"_s}, u"код сценария"_s);
    refused({u"library"_s, u"get"_s, u"abc"_s}, u"код сценария"_s);
    refused({u"library"_s, u"get"_s, u"77"_s}, u"не найден"_s);
    refused({u"library"_s, u"rate"_s, u"1"_s, u"6"_s}, u"Оценка"_s);
    refused({u"library"_s, u"rate"_s, u"1"_s, u"0"_s, u"--notes"_s, u"x"_s}, u"Комментарий"_s);
    refused({u"library"_s, u"publish"_s, u"--public"_s, u"--private"_s}, u"--public"_s);

    // Without an address the list fails, with the reason.
    QFile::remove(m_ivan.filePath(u"Vertoma_5x54.ini"_s));
    const CliResult r = run(m_ivan, {u"library"_s});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains(u"ServiceUrl"_s)) << r.err.toStdString();
}
