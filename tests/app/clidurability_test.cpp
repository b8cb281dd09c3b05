// What the tool stores survives a kill at any moment and a full disk: the stakes, the rating, the
// archive and the rules stay in step, and an operation that could not store what it made says so
// with its exit code.

#include "CliRunner.h"
#include "StakesOnDisk.h"
#include "TestHelpers.h"
#include "TestPaths.h"
#include "core/DrawArchive.h"
#include "stakes/CheckJournal.h"
#include "stakes/StakeRecord.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

using testsupport::CliResult;
using testsupport::ReadFile;
using namespace Qt::StringLiterals;

namespace {

class CliDurabilityTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(core::LoadDrawsFile(QStringLiteral(VERTOMA_SHARED_DATA_DIR "/Vertoma_5x54.ldr"), m_draws));
        ASSERT_GT(m_draws.size(), 1000u);
        prepare(m_dir.path());
    }

    // An archive and a prize table: cost 2, three matches win 10, five win 1000.
    void prepare(const QString& dir)
    {
        QDir().mkpath(dir);
        ASSERT_TRUE(core::SaveDrawsFile(dir + u"/Vertoma_5x54.ldr"_s, m_draws));
        QFile ini(dir + u"/Vertoma_5x54.ini"_s);
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
        ini.write("[STAKES]\r\nCost=2\r\nProfits=2\r\nProfit_0_Overlap=3\r\nProfit_0_Profit=10\r\n"
                  "Profit_1_Overlap=5\r\nProfit_1_Profit=1000\r\n");
    }

    QString path(const QString& name) const { return m_dir.filePath(name); }

    CliResult run(const QStringList& args) { return testsupport::RunCli(m_dir.path(), args); }

    // The word with every file it writes limited to the size, as on a disk that is full.
    CliResult runFull(rlim_t bytes, const QStringList& args)
    {
        testsupport::FileSizeLimit limit(bytes);
        return run(args);
    }

    // Unchecked stakes for the draws of the archive, with twelve comments, numbers from a fixed
    // sequence.
    QByteArray uncheckedStakes(int count) const
    {
        core::TConfigData config;
        config.Cost = 20000;
        QByteArray bytes;
        bytes.reserve(qsizetype(count) * stakes::StakeRecSize);
        quint32 seed = 12345;
        char record[stakes::StakeRecSize];
        for (int i = 0; i < count; ++i) {
            core::TValueSet numbers;
            while (numbers.Count < 5) {
                seed = seed * 1103515245u + 12345u;
                const auto n = std::uint8_t(1 + (seed >> 16) % 54);
                if (std::find(numbers.Values, numbers.Values + numbers.Count, n) == numbers.Values + numbers.Count)
                    numbers.Values[numbers.Count++] = n;
            }
            const int drawNum = m_draws[std::size_t(i / 97) % m_draws.size()].Num;
            stakes::StakeToBytes(
                stakes::NewStake(stakes::KindManual, drawNum, numbers, 1, u"Строка %1"_s.arg(i % 12), config), record);
            bytes.append(record, stakes::StakeRecSize);
        }
        return bytes;
    }

    std::vector<stakes::TStakeRec> stakesOnDisk() const { return testsupport::ReadStakes(path(u"Vertoma_5x54.lsk"_s)); }

    // The rating as a refresh from the stakes file computes it, in a copy of the folder.
    QByteArray ratingFromStakes()
    {
        QTemporaryDir copy;
        prepare(copy.path());
        EXPECT_TRUE(QFile::copy(path(u"Vertoma_5x54.lsk"_s), copy.filePath(u"Vertoma_5x54.lsk"_s)));
        EXPECT_EQ(testsupport::RunCli(copy.path(), {u"ratings"_s, u"refresh"_s}).exitCode, 0);
        return ReadFile(copy.filePath(u"Vertoma_5x54.lrt"_s));
    }

    QTemporaryDir m_dir;
    core::TDrawsArray m_draws;
};

} // namespace

TEST_F(CliDurabilityTest, ACheckKilledAtAnyMomentEndsWithTheRatingOfAnUninterruptedOne)
{
    const QByteArray before = uncheckedStakes(200000);
    const auto lay = [&](const QString& dir) {
        QFile::remove(dir + u"/Vertoma_5x54.lrt"_s);
        ASSERT_TRUE(testsupport::WriteFile(dir + u"/Vertoma_5x54.lsk"_s, before));
    };

    lay(m_dir.path());
    QElapsedTimer clock;
    clock.start();
    CliResult r = run({u"stakes"_s, u"check"_s});
    const qint64 whole = clock.elapsed();
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    ASSERT_GT(r.out.trimmed().toInt(), 100000);
    const QByteArray stakesAfter = ReadFile(path(u"Vertoma_5x54.lsk"_s));
    const QByteArray ratingAfter = ReadFile(path(u"Vertoma_5x54.lrt"_s));
    ASSERT_EQ(ratingAfter.size(), 12 * 296);

    QTemporaryDir work;
    prepare(work.path());
    const QString stakesPath = work.filePath(u"Vertoma_5x54.lsk"_s);
    int halfway = 0;
    for (double share : {0.15, 0.3, 0.45, 0.6, 0.75, 0.9}) {
        SCOPED_TRACE(share);
        lay(work.path());
        QProcess check;
        check.start(QStringLiteral(VERTOMA_CLI_PATH), {u"--data-dir"_s, work.path(), u"stakes"_s, u"check"_s});
        ASSERT_TRUE(check.waitForStarted());
        QThread::msleep(static_cast<unsigned long>(double(whole) * share));
        check.kill();
        check.waitForFinished();
        const QByteArray left = ReadFile(stakesPath);
        if (QFile::exists(stakes::CheckJournalPath(stakesPath)) || (left != before && left != stakesAfter))
            ++halfway;
        r = testsupport::RunCli(work.path(), {u"stakes"_s, u"check"_s});
        ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
        EXPECT_EQ(ReadFile(stakesPath), stakesAfter);
        EXPECT_EQ(ReadFile(work.filePath(u"Vertoma_5x54.lrt"_s)), ratingAfter);
        EXPECT_FALSE(QFile::exists(stakes::CheckJournalPath(stakesPath)));
    }
    EXPECT_GT(halfway, 0) << "no kill came while the check was under way (" << whole << " ms)";
}

TEST_F(CliDurabilityTest, AFullDiskIsReportedAndLeavesTheFilesInStep)
{
    // An import whose archive cannot be saved adds nothing.
    const core::TDrawsArray first(m_draws.begin(), m_draws.begin() + 500);
    ASSERT_TRUE(core::SaveDrawsFile(path(u"Vertoma_5x54.ldr"_s), first));
    const QByteArray archive = ReadFile(path(u"Vertoma_5x54.ldr"_s));
    CliResult r =
        runFull(20000, {u"draws"_s, u"import"_s, QStringLiteral(VERTOMA_SHARED_DATA_DIR "/draws_history_import.csv")});
    EXPECT_EQ(r.exitCode, 1) << r.out.toStdString();
    EXPECT_FALSE(r.out.contains(u"614"_s)) << r.out.toStdString();
    EXPECT_EQ(ReadFile(path(u"Vertoma_5x54.ldr"_s)), archive);
    ASSERT_TRUE(core::SaveDrawsFile(path(u"Vertoma_5x54.ldr"_s), m_draws));

    // A stake that cannot be stored.
    r = runFull(100, {u"stakes"_s, u"add"_s, u"1;2;3;4;5"_s});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(QFileInfo(path(u"Vertoma_5x54.lsk"_s)).size(), 0);

    // A check whose results cannot be stored leaves the stakes unchecked and the rating as it was;
    // with room again it completes, and the rating agrees with the stakes.
    ASSERT_TRUE(testsupport::WriteFile(path(u"Vertoma_5x54.lsk"_s), uncheckedStakes(30)));
    const QByteArray unchecked = ReadFile(path(u"Vertoma_5x54.lsk"_s));
    r = runFull(2000, {u"stakes"_s, u"check"_s});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(ReadFile(path(u"Vertoma_5x54.lsk"_s)), unchecked);
    EXPECT_FALSE(QFile::exists(path(u"Vertoma_5x54.lrt"_s)));
    r = run({u"stakes"_s, u"check"_s});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out.trimmed(), u"30"_s);
    const QByteArray rating = ReadFile(path(u"Vertoma_5x54.lrt"_s));
    EXPECT_EQ(rating, ratingFromStakes());

    // A refresh whose rating cannot be stored.
    r = runFull(100, {u"ratings"_s, u"refresh"_s});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.out.isEmpty()) << r.out.toStdString();
    EXPECT_EQ(ReadFile(path(u"Vertoma_5x54.lrt"_s)), rating);
}

TEST_F(CliDurabilityTest, RunsThatFillTheDiskCountOnlyWhatWasStored)
{
    // A script test whose stakes stop fitting: the count printed is what the file holds, and the
    // rating is what those stakes give.
    QFile script(path(u"s.lsc"_s));
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write("FULL:0#FIRST|TMF1#NUMS:10,20#LNO:#SF:1| | | | | | |\r\n");
    script.close();
    CliResult r = runFull(20 * stakes::StakeRecSize,
                          {u"script"_s, u"test"_s, u"--count"_s, u"40"_s, u"--file"_s, path(u"s.lsc"_s)});
    EXPECT_EQ(r.exitCode, 1);
    int stored = 0;
    for (const stakes::TStakeRec& rec : stakesOnDisk())
        stored += rec.DrawNum > 0;
    ASSERT_GT(stored, 0);
    ASSERT_LT(stored, 80);
    EXPECT_EQ(r.lines().last(), QString::number(stored)) << r.out.toStdString();
    EXPECT_EQ(QFileInfo(path(u"Vertoma_5x54.lsk"_s)).size() % stakes::StakeRecSize, 0);
    EXPECT_EQ(ReadFile(path(u"Vertoma_5x54.lrt"_s)), ratingFromStakes());

    // A table test whose stakes stop fitting: each rule counts only the stakes stored for it.
    ASSERT_TRUE(QFile::remove(path(u"Vertoma_5x54.lsk"_s)));
    ASSERT_EQ(run({u"tables"_s, u"add"_s, u"--comment"_s, u"Вверх"_s, u"--start"_s, u"5;1;3;2;4"_s}).exitCode, 0);
    ASSERT_EQ(
        run({u"tables"_s, u"add"_s, u"--comment"_s, u"Вниз"_s, u"--start"_s, u"1,2,3,4,5"_s, u"--step=-1"_s}).exitCode,
        0);
    r = runFull(25 * stakes::StakeRecSize, {u"tables"_s, u"test"_s, u"--count"_s, u"40"_s, u"1"_s, u"2"_s});
    EXPECT_EQ(r.exitCode, 1);
    int up = 0, down = 0;
    for (const stakes::TStakeRec& rec : stakesOnDisk()) {
        up += stakes::StakeComment(rec) == u"Вверх"_s;
        down += stakes::StakeComment(rec) == u"Вниз"_s;
    }
    ASSERT_GT(up + down, 0);
    ASSERT_LT(up + down, 80);
    r = run({u"tables"_s});
    ASSERT_EQ(r.lines().size(), 3);
    EXPECT_TRUE(r.lines()[1].endsWith(u"\t"_s + QString::number(up))) << r.lines()[1].toStdString();
    EXPECT_TRUE(r.lines()[2].endsWith(u"\t"_s + QString::number(down))) << r.lines()[2].toStdString();
}
