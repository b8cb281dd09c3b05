// The script words of the command-line tool, run as a separate process.

#include "CliRunner.h"
#include "TestHelpers.h"
#include "TestPaths.h"
#include "core/Cp1251.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using testsupport::ReadFile;
using namespace Qt::StringLiterals;

namespace {

using testsupport::CliResult;

class CliScriptTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QFile::copy(QStringLiteral(VERTOMA_SHARED_DATA_DIR "/Vertoma_5x54.ldr"), path(u"Vertoma_5x54.ldr"_s)));
        QFile::setPermissions(path(u"Vertoma_5x54.ldr"_s), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }

    QString path(const QString& name) const { return m_dir.filePath(name); }

    CliResult run(const QStringList& args) { return testsupport::RunCli(m_dir.path(), args); }

    void writeScript(const QString& name, const QStringList& lines)
    {
        QFile f(path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        for (const QString& line : lines)
            f.write(cp1251::encode(line) + "\r\n");
    }

    QTemporaryDir m_dir;
};

} // namespace

TEST_F(CliScriptTest, LinesAreAddedLoadedSavedAndShownInTheirNormalForm)
{
    CliResult r = run({u"script"_s, u"add"_s, u"EXCL:3#FIRST#NEX|TMF1#nums:10#LNO:#SF:1| | | | | | |мои"_s});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    writeScript(u"more.lsc"_s, {u"FULL:0#ALL|TMD1#SUMS:100#CMV:2#SF:1| | | | | | |"_s});
    ASSERT_EQ(run({u"script"_s, u"load"_s, path(u"more.lsc"_s), u"--append"_s}).exitCode, 0);
    r = run({u"script"_s, u"show"_s});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QStringList lines = r.lines();
    // The appended file follows a separator.
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[2], QString(8, u'\t'));
    EXPECT_EQ(lines[0], u"Комментарии\tОпции\tФильтр 1\tФильтр 2\tФильтр 3\tФильтр 4\tФильтр 5\tФильтр 6\tФильтр 7"_s);
    const QStringList first = lines[1].split(u'\t');
    ASSERT_EQ(first.size(), 9);
    EXPECT_EQ(first[0], u"мои"_s);
    EXPECT_EQ(first[1], u"Исключить 3 тиражей; Первая; Только новые ставки"_s);
    EXPECT_EQ(first[2], u"TMF1#NUMS:10#LNO:#SF:1"_s) << "the normal form";
    EXPECT_TRUE(first[3].isEmpty());
    EXPECT_EQ(lines[3].split(u'\t')[1], u"Исходный список; Все; Все создаваемые ставки"_s);

    ASSERT_EQ(run({u"script"_s, u"save"_s, path(u"out.lsc"_s)}).exitCode, 0);
    const QByteArray saved = ReadFile(path(u"out.lsc"_s));
    EXPECT_EQ(saved, ReadFile(path(u"Vertoma_5x54.lss"_s)));
    EXPECT_EQ(saved.count("\r\n"), 3);
    EXPECT_TRUE(saved.contains(cp1251::encode(u"|мои"_s)));

    EXPECT_EQ(run({u"script"_s, u"load"_s, path(u"missing.lsc"_s)}).exitCode, 1);
    EXPECT_EQ(run({u"script"_s, u"nonsense"_s}).exitCode, 2);
}

TEST_F(CliScriptTest, RunAndTestPrintEveryVariantAndTheStakes)
{
    writeScript(u"s.lsc"_s, {u"FULL:0#FIRST|TMF1#NUMS:10,20#LNO:#SF:1| | | | | | |"_s, QString(),
                             u"FULL:0#NONE| | | | | | | |"_s});
    CliResult r = run({u"script"_s, u"run"_s, u"--file"_s, path(u"s.lsc"_s), u"--offset"_s, u"2"_s});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.lines(), QStringList({u"1\t1\t3162510\t1"_s, u"1\t2\t3162510\t1"_s, u"3\t0\t3162510\t0"_s, u"2"_s}))
        << "the same combination twice for one draw: the second is added too";
    EXPECT_TRUE(ReadFile(path(u"Vertoma_5x54.lss"_s)).isEmpty()) << "a file run leaves the script alone";

    r = run({u"script"_s, u"test"_s, u"--count"_s, u"2"_s, u"--file"_s, path(u"s.lsc"_s), u"--log"_s});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.lines().size(), 2 * 3 + 1);
    EXPECT_EQ(r.lines().last(), u"4"_s);
    EXPECT_TRUE(r.err.contains(u"ScriptLog_"_s)) << "the log is named when the run ends";
    r = run({u"ratings"_s});
    EXPECT_EQ(r.lines().size(), 1 + 2) << "both variants rated";

    // Ratings back into the script.
    r = run({u"ratings"_s, u"to-script"_s, u"1"_s, u"2"_s});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(run({u"script"_s, u"show"_s}).lines().size(), 1 + 2);
    EXPECT_EQ(run({u"ratings"_s, u"to-script"_s, u"3"_s}).exitCode, 2);
}

TEST_F(CliScriptTest, StopModeAndRefusals)
{
    writeScript(u"stop.lsc"_s, {u"FULL:0#STOP|TMF1#NUMS:10#LNO:#SF:1| | | | | | |"_s});
    CliResult r = run({u"script"_s, u"run"_s, u"--file"_s, path(u"stop.lsc"_s)});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains(u"Выполнение сценария прервано"_s)) << r.err.toStdString();
    EXPECT_EQ(r.lines().last(), u"0"_s);
    EXPECT_EQ(run({u"script"_s, u"test"_s, u"--file"_s, path(u"stop.lsc"_s)}).exitCode, 2) << "no count";
    EXPECT_EQ(run({u"script"_s, u"test"_s, u"--count"_s, u"1114"_s, u"--file"_s, path(u"stop.lsc"_s)}).exitCode, 2);
    EXPECT_EQ(run({u"script"_s, u"run"_s, u"--offset"_s, u"5000"_s}).exitCode, 2);
    writeScript(u"empty.lsc"_s, {});
    EXPECT_EQ(run({u"script"_s, u"run"_s, u"--file"_s, path(u"empty.lsc"_s)}).exitCode, 2);

    // Filters whose ranges stand for more variants than memory holds end the run at their line,
    // after the lines before it made their stakes; the message names the cure and the reason.
    writeScript(u"wide.lsc"_s, {u"FULL:0#FIRST|TMF1#NUMS:10#LNO:#SF:1| | | | | | |"_s,
                                u"FULL:0#FIRST|TSD1#NUMS:1-2000;1#LMV:1-2000000;1#SF:1| | | | | | |"_s,
                                u"FULL:0#FIRST|TMF1#NUMS:20#LNO:#SF:1| | | | | | |"_s});
    const QString tooMany = u"Вы задали слишком много вариантов фильтров - программа не сможет обработать их все!\n"
                            u"Пожалуйста, уменьшите в каждом из фильтров количество вариантов длины выборки и глубины, "
                            u"а затем повторите попытку.\n\nНедостаточно памяти"_s;
    for (const QStringList& args :
         {QStringList{u"script"_s, u"run"_s, u"--file"_s, path(u"wide.lsc"_s)},
          QStringList{u"script"_s, u"test"_s, u"--count"_s, u"2"_s, u"--file"_s, path(u"wide.lsc"_s)}}) {
        r = run(args);
        EXPECT_EQ(r.exitCode, 1) << args.join(u' ').toStdString();
        EXPECT_TRUE(r.err.contains(tooMany)) << r.err.toStdString();
        EXPECT_FALSE(r.err.contains(u"Некорректное описание фильтра"_s)) << r.err.toStdString();
        EXPECT_EQ(r.lines(), QStringList({u"1\t1\t3162510\t1"_s, u"1"_s})) << "line 1 only, in the first cycle";
    }
}
