// The stakes and ratings words of the command-line tool, run as a separate process.

#include "CliRunner.h"
#include "TestHelpers.h"
#include "StakesOnDisk.h"
#include "TestPaths.h"
#include "core/DrawArchive.h"
#include "stakes/StakeRecord.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <algorithm>

using testsupport::ReadFile;
using namespace Qt::StringLiterals;

namespace {

using testsupport::CliResult;

class CliStakesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QFile::copy(QStringLiteral(VERTOMA_SHARED_DATA_DIR "/Vertoma_5x54.ldr"), path(u"Vertoma_5x54.ldr"_s)));
        QFile::setPermissions(path(u"Vertoma_5x54.ldr"_s), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        core::LoadDrawsFile(path(u"Vertoma_5x54.ldr"_s), m_draws);
        // Cost 2, three matches win 10, five win 1000.
        QFile ini(path(u"Vertoma_5x54.ini"_s));
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
        ini.write("[STAKES]\r\nCost=2\r\nProfits=2\r\nProfit_0_Overlap=3\r\nProfit_0_Profit=10\r\n"
                  "Profit_1_Overlap=5\r\nProfit_1_Profit=1000\r\n");
    }

    QString path(const QString& name) const { return m_dir.filePath(name); }

    CliResult run(const QStringList& args) { return testsupport::RunCli(m_dir.path(), args); }

    std::vector<stakes::TStakeRec> stakesOnDisk() const { return testsupport::ReadStakes(path(u"Vertoma_5x54.lsk"_s)); }

    QTemporaryDir m_dir;
    core::TDrawsArray m_draws;
};

} // namespace

TEST_F(CliStakesTest, AStakeIsCheckedAtOnceAndListedAsTheGridShowsIt)
{
    const core::TDrawRec& last = m_draws.back();
    const QString played = u"%1;%2;%3;50;51"_s.arg(last.Values[0]).arg(last.Values[1]).arg(last.Values[2]);
    CliResult r = run({u"stakes"_s, u"add"_s, played, u"--draw"_s, QString::number(last.Num), u"--copies"_s, u"2"_s});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();

    r = run({u"stakes"_s});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QStringList lines = r.lines();
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[0], u"№ тиража\tВид ставки\tМоя ставка\tВыборка\tРезультаты тиража\tСовпадений\tСовпадения\t"
                        "Профит\tКомментарий"_s);
    QStringList first = lines[1].split(u'\t');
    ASSERT_EQ(first.size(), 9);
    EXPECT_EQ(first[0], QString::number(last.Num));
    EXPECT_EQ(first[1], u"Вручную"_s);
    EXPECT_EQ(first[3], u"3162510"_s) << "the candidate list the window would hold";
    EXPECT_EQ(first[5], u"3"_s);
    EXPECT_EQ(first[7].replace(u',', u'.'), u"8.00"_s);
    EXPECT_EQ(first[8], u"Ставка \"вручную\""_s);
    EXPECT_EQ(lines[2], QString(8, u'\t')) << "a separator is nine empty fields";
    const QStringList second = lines[3].split(u'\t');
    EXPECT_EQ(second[0], QString::number(last.Num + 1));
    EXPECT_TRUE(second[4].isEmpty()) << "the next draw is not in the archive yet";

    r = run({u"stakes"_s, u"--from"_s, u"3"_s});
    EXPECT_EQ(r.lines().size(), 2);

    r = run({u"ratings"_s});
    ASSERT_EQ(r.exitCode, 0);
    ASSERT_EQ(r.lines().size(), 2);
    const QStringList row = r.lines()[1].split(u'\t');
    ASSERT_EQ(row.size(), 18);
    EXPECT_EQ(row[0], u"Ставка \"вручную\""_s);
    EXPECT_EQ(row[1], u"1"_s);
    EXPECT_EQ(row[2], u"3"_s);
    EXPECT_EQ(row[9], u"1"_s);
}

TEST_F(CliStakesTest, TheStakeWordRefusesWhatTheDialogRefuses)
{
    for (const QStringList& args : {QStringList{u"stakes"_s, u"add"_s, u"1;2;3;4"_s},
                                    QStringList{u"stakes"_s, u"add"_s, u"1;2;3;4;55"_s},
                                    QStringList{u"stakes"_s, u"add"_s, u"1;2;3;4;4"_s},
                                    QStringList{u"stakes"_s, u"add"_s, u"1;2;3;4;5"_s, u"--comment"_s, QString()},
                                    QStringList{u"stakes"_s, u"add"_s, u"1;2;3;4;5"_s, u"--copies"_s, u"0"_s},
                                    QStringList{u"stakes"_s, u"add"_s, u"1;2;3;4;5"_s, u"--draw"_s, u"x"_s},
                                    QStringList{u"stakes"_s, u"delete-where"_s, u"5"_s, u"0"_s},
                                    QStringList{u"stakes"_s, u"delete-where"_s, u"0"_s, u"6"_s},
                                    QStringList{u"ratings"_s, u"--sort"_s, u"18"_s},
                                    QStringList{u"ratings"_s, u"--mode"_s, u"3"_s}}) {
        const CliResult r = run(args);
        EXPECT_EQ(r.exitCode, 2) << args.join(u' ').toStdString();
        EXPECT_FALSE(r.err.isEmpty());
    }
    EXPECT_TRUE(run({u"stakes"_s, u"add"_s, u"1;2;3;4;4"_s}).err.contains(u"Введена некорректная комбинация!"_s));
    EXPECT_TRUE(run({u"stakes"_s, u"add"_s, u"1;2;3;4;5"_s, u"--comment"_s, QString()})
                    .err.contains(u"Необходимо ввести комментарий!"_s));
    EXPECT_FALSE(QFileInfo::exists(path(u"Vertoma_5x54.lsk"_s)) && QFileInfo(path(u"Vertoma_5x54.lsk"_s)).size() > 0);
}

TEST_F(CliStakesTest, AllCombinationsOfAFileDeletionByMatchesAndClearing)
{
    // Three combinations in a file, staked on the last draw: they are checked at once with 5, 2
    // and 3 matches.
    const core::TDrawRec& last = m_draws.back();
    QStringList others;
    for (int n = 54; others.size() < 3; --n)
        if (std::find(std::begin(last.Values), std::end(last.Values), n) == std::end(last.Values))
            others << QString::number(n);
    QStringList drawn;
    for (std::uint8_t v : last.Values)
        drawn << QString::number(v);
    QFile list(path(u"three.lcv"_s));
    ASSERT_TRUE(list.open(QIODevice::WriteOnly));
    list.write((drawn.join(u';') + u"\r\n"_s + (drawn.mid(0, 2) + others).join(u';') + u"\r\n"_s +
                (drawn.mid(0, 3) + others.mid(0, 2)).join(u';') + u"\r\n"_s)
                   .toLatin1());
    list.close();
    CliResult r = run({u"stakes"_s, u"add-all"_s, u"--in"_s, path(u"three.lcv"_s), u"--draw"_s,
                       QString::number(last.Num), u"--comment"_s, u"файл"_s});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    std::vector<stakes::TStakeRec> records = stakesOnDisk();
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0].Matches.Count, 5);
    EXPECT_EQ(records[1].Matches.Count, 2);
    EXPECT_EQ(records[0].SampleSize, 3);
    EXPECT_EQ(stakes::StakeComment(records[2]), u"файл"_s);
    // Another stake for the next draw stays unchecked.
    ASSERT_EQ(run({u"stakes"_s, u"add"_s, u"1;2;3;4;5"_s}).exitCode, 0);
    EXPECT_EQ(run({u"stakes"_s, u"check"_s}).out.trimmed(), u"0"_s);

    // "Не более [ <= ]" 2 removes the stake with two matches and the unchecked one.
    r = run({u"stakes"_s, u"delete-where"_s, u"4"_s, u"2"_s});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    records = stakesOnDisk();
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].Matches.Count, 5);
    EXPECT_EQ(records[1].Matches.Count, 3);

    // Clearing keeps what the rating learned.
    const QByteArray rating = ReadFile(path(u"Vertoma_5x54.lrt"_s));
    ASSERT_FALSE(rating.isEmpty());
    r = run({u"stakes"_s, u"clear"_s});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(QFileInfo(path(u"Vertoma_5x54.lsk"_s)).size(), 0);
    EXPECT_EQ(ReadFile(path(u"Vertoma_5x54.lrt"_s)), rating);
    // A refresh from no stakes empties it.
    r = run({u"ratings"_s, u"refresh"_s});
    ASSERT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out.trimmed(), u"0"_s);
    EXPECT_EQ(QFileInfo(path(u"Vertoma_5x54.lrt"_s)).size(), 0);
}

TEST_F(CliStakesTest, RatingsSortModesAndExport)
{
    const core::TDrawRec& last = m_draws.back();
    const QString hit = u"%1;%2;%3;50;51"_s.arg(last.Values[0]).arg(last.Values[1]).arg(last.Values[2]);
    ASSERT_EQ(run({u"stakes"_s, u"add"_s, hit, u"--draw"_s, QString::number(last.Num), u"--comment"_s, u"б"_s})
                  .exitCode,
              0);
    for (int i = 0; i < 2; ++i)
        ASSERT_EQ(run({u"stakes"_s, u"add"_s, u"50;51;52;53;54"_s, u"--draw"_s, QString::number(last.Num),
                       u"--comment"_s, u"а"_s})
                      .exitCode,
                  0);
    const auto firstColumn = [](const CliResult& r) {
        QStringList names;
        for (const QString& line : r.lines().mid(1))
            names << line.section(u'\t', 0, 0);
        return names;
    };
    EXPECT_EQ(firstColumn(run({u"ratings"_s, u"--sort"_s, u"1:desc"_s})), QStringList({u"а"_s, u"б"_s}));
    EXPECT_EQ(firstColumn(run({u"ratings"_s, u"--sort"_s, u"2:desc"_s})), QStringList({u"б"_s, u"а"_s}));
    const CliResult expected = run({u"ratings"_s, u"--mode"_s, u"0"_s});
    EXPECT_EQ(expected.lines()[1].split(u'\t')[12], u"1"_s) << "one stake expects 0.6 stakes with no match";

    const QString csv = path(u"r.csv"_s);
    ASSERT_EQ(run({u"ratings"_s, u"export"_s, csv}).exitCode, 0);
    const QByteArray bytes = ReadFile(csv);
    EXPECT_TRUE(bytes.startsWith("\"\xCA\xEE\xEC")) << "code page 1251";
    EXPECT_EQ(bytes.count("\r\n"), 3);
}

TEST_F(CliStakesTest, WritingWordsAreRefusedWhileAnotherInstanceHoldsTheFolder)
{
    // The hold of another process: a child that locks the file and waits.
    QProcess holder;
    holder.start(u"flock"_s, {path(u"Vertoma_5x54.lck"_s), u"sleep"_s, u"30"_s});
    ASSERT_TRUE(holder.waitForStarted());
    for (int i = 0; i < 100 && !QFileInfo::exists(path(u"Vertoma_5x54.lck"_s)); ++i)
        QThread::msleep(20);
    QThread::msleep(200);
    const CliResult r = run({u"stakes"_s, u"add"_s, u"1;2;3;4;5"_s});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains(u"монопольный доступ"_s)) << r.err.toStdString();
    EXPECT_EQ(run({u"stakes"_s}).exitCode, 0) << "listing needs no hold";
    holder.kill();
    holder.waitForFinished();
}

TEST_F(CliStakesTest, AnOutdatedFileListsNoStakesAndSaysWhereTheWriteWillKeepIt)
{
    // Records of another version: the first byte is the version.
    QByteArray old(2 * stakes::StakeRecSize, '\0');
    for (qsizetype at = 0; at < old.size(); at += stakes::StakeRecSize) {
        stakes::TStakeRec rec = stakes::StakeSeparator();
        rec.DrawNum = 100;
        stakes::StakeToBytes(rec, old.data() + at);
        old[at] = 1;
    }
    QFile file(path(u"Vertoma_5x54.lsk"_s));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(old), old.size());
    file.close();

    CliResult r = run({u"stakes"_s});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.lines().size(), 1) << "the header and no stakes: " << r.out.toStdString();
    const QString warning = u"Обнаружен файл ставок устаревшей версии - имеющиеся в файле ставки будут удалены!"_s;
    ASSERT_TRUE(r.err.contains(warning)) << r.err.toStdString();
    const QString promisedText = u"Копия прежнего файла будет сохранена: "_s;
    ASSERT_TRUE(r.err.contains(promisedText)) << r.err.toStdString();
    const QString promised = r.err.section(promisedText, 1).trimmed();
    EXPECT_FALSE(QFileInfo::exists(promised)) << "listing writes nothing";
    EXPECT_EQ(ReadFile(path(u"Vertoma_5x54.lsk"_s)), old);
    // An export of the stakes exports none of them and says the same.
    r = run({u"export"_s, u"stakes"_s, path(u"stakes.xlsx"_s)});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(warning + u"\n\n"_s + promisedText + promised)) << r.err.toStdString();
    EXPECT_EQ(ReadFile(path(u"Vertoma_5x54.lsk"_s)), old);

    // The first word that writes keeps the old file where the listing said, and empties it.
    r = run({u"stakes"_s, u"clear"_s});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(warning + u"\n\nКопия прежнего файла сохранена: "_s + promised)) << r.err.toStdString();
    EXPECT_EQ(ReadFile(promised), old);
    EXPECT_EQ(QFileInfo(path(u"Vertoma_5x54.lsk"_s)).size(), 0);
    r = run({u"stakes"_s});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
}
