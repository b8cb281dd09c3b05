// The word "systems" of the command-line tool, run as a separate process.

#include "CliRunner.h"
#include "TestHelpers.h"
#include "StakesOnDisk.h"
#include "TestPaths.h"
#include "combos/CombFiles.h"
#include "core/DrawArchive.h"
#include "core/TextForms.h"
#include "stakes/StakeRecord.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using testsupport::MakeDraw;
using testsupport::ReadFile;
using namespace Qt::StringLiterals;

namespace {

using testsupport::CliResult;

class CliSystemsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        core::TDrawsArray draws;
        for (int d = 1; d <= 5; ++d)
            draws.push_back(MakeDraw(d, {d, d + 10, d + 20, d + 30, d + 40}));
        ASSERT_TRUE(core::SaveDrawsFile(path(u"Vertoma_5x54.ldr"_s), draws));
        ASSERT_TRUE(QDir().mkpath(path(u"Systems"_s)));
    }

    QString path(const QString& name) const { return m_dir.filePath(name); }

    void write(const QString& name, const QByteArray& text)
    {
        QFile f(path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
    }

    CliResult run(const QStringList& args) { return testsupport::RunCli(m_dir.path(), args); }

    std::vector<stakes::TStakeRec> stakesOnDisk() const { return testsupport::ReadStakes(path(u"Vertoma_5x54.lsk"_s)); }

    QTemporaryDir m_dir;
};

} // namespace

TEST_F(CliSystemsTest, LocalListsTheFilesWithTheirCounts)
{
    write(u"Systems/5-12-3_0042.dat"_s, "1 2 3 4 12\r\n5 6 7 8 9\r\n");
    write(u"Systems/5-09-0_0001.dat"_s, "1 2 3 4 10\r\n");
    write(u"Systems/readme.txt"_s, "not a system");
    const CliResult r = run({u"systems"_s, u"local"_s});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.lines(), (QStringList{u"Файл\tЧисла\tБлок\tКомбинаций"_s, u"5-09-0_0001.dat\t9\t0\t-"_s,
                                      u"5-12-3_0042.dat\t12\t3\t2"_s}));
    EXPECT_TRUE(r.err.contains(u"10"_s)) << "the broken file says why";
}

TEST_F(CliSystemsTest, PlayMakesSystemStakesForTheListsNumbers)
{
    write(u"Systems/5-12-3_0042.dat"_s, "1 2 3 4 12\r\n5 6 7 8 9\r\n");
    const core::TCombsArray twelve{core::TComb{{3, 7, 9, 15, 20}}, core::TComb{{22, 31, 33, 40, 41}},
                                   core::TComb{{50, 54, 3, 7, 9}}};
    QString error;
    ASSERT_TRUE(combos::SaveCombsFile(path(u"twelve.lcv"_s), twelve, &error)) << error.toStdString();

    CliResult r = run({u"systems"_s, u"play"_s, u"--all"_s, u"--in"_s, path(u"twelve.lcv"_s)});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.lines().value(0), u"Записей добавлено: 2"_s);
    std::vector<stakes::TStakeRec> book = stakesOnDisk();
    ASSERT_EQ(book.size(), 2u);
    EXPECT_EQ(core::ValueSetText(book[0].Numbers, u";"_s), u"3;7;9;15;54"_s);
    EXPECT_EQ(book[0].DrawNum, 6);
    EXPECT_EQ(stakes::StakeComment(book[0]), u"Системная игра для 12 чисел [вся система]: 5-12-3_0042"_s);

    // Nothing of the system in the list: only the separator.
    r = run({u"systems"_s, u"play"_s, u"--filter"_s, u"--draw"_s, u"9"_s, u"--comment"_s, u"ф"_s, u"--in"_s,
             path(u"twelve.lcv"_s)});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.lines().value(0), u"Записей добавлено: 1"_s);
    book = stakesOnDisk();
    ASSERT_EQ(book.size(), 3u);
    EXPECT_EQ(book[2].Kind, stakes::KindSeparator);

    // Refusals: no mode, both modes, a bad draw; a failure: no system for the count.
    EXPECT_EQ(run({u"systems"_s, u"play"_s}).exitCode, 2);
    EXPECT_EQ(run({u"systems"_s, u"play"_s, u"--all"_s, u"--filter"_s}).exitCode, 2);
    EXPECT_EQ(run({u"systems"_s, u"play"_s, u"--all"_s, u"--draw"_s, u"x"_s}).exitCode, 2);
    ASSERT_TRUE(combos::SaveCombsFile(
        path(u"six.lcv"_s), core::TCombsArray{core::TComb{{1, 2, 3, 4, 5}}, core::TComb{{1, 2, 3, 4, 6}}}, &error));
    r = run({u"systems"_s, u"play"_s, u"--all"_s, u"--in"_s, path(u"six.lcv"_s)});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains(u"Система для 6 чисел не найдена"_s)) << r.err.toStdString();
    EXPECT_EQ(stakesOnDisk().size(), 3u);
}

TEST_F(CliSystemsTest, VerifyReportsTheGuaranteeAndTheMissesOfTheClaim)
{
    // Ten numbers in two halves: every draw meets one half in three or more.
    write(u"Systems/5-10-4_0005.dat"_s, "1 2 3 4 5\r\n6 7 8 9 10\r\n");
    CliResult r = run({u"systems"_s, u"verify"_s, path(u"Systems/5-10-4_0005.dat"_s)});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.lines().contains(u"гарантия: 3 из 5"_s)) << r.out.toStdString();
    EXPECT_TRUE(r.lines().contains(u"Тиражей: 252"_s));
    EXPECT_TRUE(r.lines().contains(u"Блок 4: не выполняется для 200 из 252 тиражей"_s)) << "the name's block";
    r = run({u"systems"_s, u"verify"_s, path(u"Systems/5-10-4_0005.dat"_s), u"--block"_s, u"3"_s});
    EXPECT_TRUE(r.lines().contains(u"Блок 3: не выполняется для 0 из 252 тиражей"_s));

    // Any file name: the numbers are the positions used.
    write(u"mine.txt"_s, "1 2 3 4 5\r\n");
    r = run({u"systems"_s, u"verify"_s, path(u"mine.txt"_s), u"--block"_s, u"5"_s});
    EXPECT_TRUE(r.lines().contains(u"гарантия: 5 из 5"_s)) << r.out.toStdString();

    EXPECT_EQ(run({u"systems"_s, u"verify"_s}).exitCode, 2);
    EXPECT_EQ(run({u"systems"_s, u"verify"_s, path(u"mine.txt"_s), u"--block"_s, u"6"_s}).exitCode, 2);
    write(u"bad.txt"_s, "1 2 3 4 4\r\n");
    r = run({u"systems"_s, u"verify"_s, path(u"bad.txt"_s)});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains(u"повторяется"_s));
    EXPECT_EQ(run({u"systems"_s, u"verify"_s, path(u"missing.txt"_s)}).exitCode, 1);
}

TEST_F(CliSystemsTest, MakeStoresOrWritesAVerifiedSystemAndReferenceListsTheTable)
{
    // 4 if 4 on eleven numbers reaches its bound (a Steiner system): the same seed, the same lines.
    CliResult r = run({u"systems"_s, u"make"_s, u"--numbers"_s, u"11"_s, u"--guarantee"_s, u"4"_s, u"--if"_s, u"4"_s,
                       u"--seconds"_s, u"60"_s, u"--seed"_s, u"5"_s, u"--out"_s, path(u"a.txt"_s)});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    QStringList fields = r.out.trimmed().split(u'\t');
    ASSERT_EQ(fields.size(), 9) << r.out.toStdString();
    EXPECT_EQ(fields.mid(0, 8), (QStringList{u"11"_s, u"4"_s, u"4"_s, u"0"_s, u"66"_s, u"66"_s, u"66"_s, u"4 из 4"_s}));
    const QByteArray first = ReadFile(path(u"a.txt"_s));
    EXPECT_EQ(first.count("\r\n"), 66);
    EXPECT_TRUE(QDir(path(u"Systems"_s)).entryList(QDir::Files).isEmpty()) << "--out writes only the file";
    r = run({u"systems"_s, u"make"_s, u"--numbers"_s, u"11"_s, u"--guarantee"_s, u"4"_s, u"--if"_s, u"4"_s,
             u"--seconds"_s, u"60"_s, u"--seed"_s, u"5"_s, u"--out"_s, path(u"b.txt"_s)});
    ASSERT_EQ(r.exitCode, 0);
    EXPECT_EQ(ReadFile(path(u"b.txt"_s)), first);
    r = run({u"systems"_s, u"verify"_s, path(u"a.txt"_s), u"--block"_s, u"4"_s});
    EXPECT_TRUE(r.lines().contains(u"Блок 4: не выполняется для 0 из 462 тиражей"_s)) << r.out.toStdString();

    // Stored in "Systems" as the page does, replacing the other file for the count; with a banker.
    write(u"Systems/5-10-2_0031.dat"_s, "1 2 3 4 5\r\n6 7 8 9 10\r\n");
    r = run({u"systems"_s, u"make"_s, u"--numbers"_s, u"10"_s, u"--guarantee"_s, u"3"_s, u"--bankers"_s, u"1"_s,
             u"--seconds"_s, u"0.5"_s});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    fields = r.out.trimmed().split(u'\t');
    ASSERT_EQ(fields.size(), 9);
    EXPECT_EQ(fields.mid(0, 4), (QStringList{u"10"_s, u"3"_s, u"5"_s, u"1"_s}));
    EXPECT_EQ(fields[5], QString()) << "no best known with bankers";
    EXPECT_EQ(fields[7], u"3 из 5"_s);
    EXPECT_EQ(QDir(path(u"Systems"_s)).entryList(QDir::Files), QStringList{u"5-10-3_0000.dat"_s});
    const QList<QByteArray> lines = ReadFile(path(u"Systems/5-10-3_0000.dat"_s)).split('\n');
    EXPECT_EQ(lines.size() - 1, fields[4].toInt());
    for (qsizetype i = 0; i + 1 < lines.size(); ++i)
        EXPECT_TRUE(lines[i].startsWith("01 ")) << "the banker in every line: " << lines[i].toStdString();

    // Refusals before any work.
    for (const QStringList& bad :
         {QStringList{u"--numbers"_s, u"5"_s, u"--guarantee"_s, u"2"_s},
          QStringList{u"--numbers"_s, u"10"_s, u"--guarantee"_s, u"5"_s},
          QStringList{u"--numbers"_s, u"10"_s, u"--guarantee"_s, u"3"_s, u"--if"_s, u"2"_s},
          QStringList{u"--numbers"_s, u"10"_s, u"--guarantee"_s, u"4"_s, u"--bankers"_s, u"2"_s},
          QStringList{u"--numbers"_s, u"10"_s, u"--guarantee"_s, u"3"_s, u"--seconds"_s, u"0"_s},
          QStringList{u"--numbers"_s, u"ten"_s, u"--guarantee"_s, u"3"_s}, QStringList{u"--guarantee"_s, u"3"_s}}) {
        r = run(QStringList{u"systems"_s, u"make"_s} + bad);
        EXPECT_EQ(r.exitCode, 2) << bad.join(u' ').toStdString();
        EXPECT_FALSE(r.err.isEmpty());
    }

    r = run({u"systems"_s, u"reference"_s, u"--numbers"_s, u"12"_s, u"--if"_s, u"3"_s});
    ASSERT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.lines().mid(1), (QStringList{u"12\t3\t3\t29\t27\tbest_known"_s, u"12\t2\t3\t4\t\tgreedy"_s}));
    EXPECT_EQ(run({u"systems"_s, u"reference"_s, u"--numbers"_s, u"x"_s}).exitCode, 2);
}
