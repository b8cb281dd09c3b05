#include "StakeTestSupport.h"
#include "TestHelpers.h"
#include "stakes/StakesFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <set>
#include <tuple>

#include <sys/stat.h>

using namespace stakes;
using namespace stakestest;
using testsupport::FileSizeLimit;
using testsupport::ReadFile;

namespace {

class StakesFileTest : public ::testing::Test
{
protected:
    QString path() const { return m_dir.filePath(QStringLiteral("Vertoma_5x54.lsk")); }

    // Draw numbers of the records on disk, in file order.
    std::vector<int> drawsOnDisk() const
    {
        const QByteArray bytes = ReadFile(path());
        std::vector<int> draws;
        for (qsizetype at = 0; at + StakeRecSize <= bytes.size(); at += StakeRecSize)
            draws.push_back(StakeFromBytes(bytes.constData() + at).DrawNum);
        return draws;
    }

    void writeRaw(const QByteArray& bytes)
    {
        QFile f(path());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_EQ(f.write(bytes), bytes.size());
    }

    static QByteArray recordBytes(const TStakeRec& rec)
    {
        QByteArray b(StakeRecSize, '\0');
        StakeToBytes(rec, b.data());
        return b;
    }

    QTemporaryDir m_dir;
};

ino_t inodeOf(const QString& path)
{
    struct stat st{};
    ::stat(QFile::encodeName(path).constData(), &st);
    return st.st_ino;
}

} // namespace

TEST_F(StakesFileTest, AMissingFileIsCreatedEmptyAndAppendsLandAsWholeRecords)
{
    StakesFile file(path());
    QString error;
    ASSERT_TRUE(file.open(&error)) << error.toStdString();
    EXPECT_TRUE(QFile::exists(path()));
    EXPECT_EQ(file.count(), 0);
    EXPECT_FALSE(file.hasData());

    for (int d = 1; d <= 3; ++d)
        ASSERT_TRUE(file.append(Stake(d, {d, 10, 20, 30, 40}), &error));
    EXPECT_EQ(file.count(), 3);
    EXPECT_TRUE(file.hasData());
    // Gathered appends reach the disk when flushed.
    ASSERT_TRUE(file.flush(&error));
    EXPECT_EQ(drawsOnDisk(), (std::vector<int>{1, 2, 3}));

    TStakeRec rec;
    ASSERT_TRUE(file.read(-1, true, rec, &error));
    EXPECT_EQ(rec.DrawNum, 3);
    ASSERT_TRUE(file.read(0, false, rec, &error));
    EXPECT_EQ(rec.DrawNum, 1);
    EXPECT_FALSE(file.read(3, false, rec, &error));
    EXPECT_EQ(error, QStringLiteral("Запись со индексом 3 в файле данных не найдена!"));
    EXPECT_EQ(rec.DrawNum, 0) << "a failed read gives the blank record";
    EXPECT_FALSE(file.read(-4, true, rec, &error));
}

TEST_F(StakesFileTest, TheReadCacheNeverHidesAWrite)
{
    StakesFile file(path());
    QString error;
    ASSERT_TRUE(file.open(&error));
    ASSERT_TRUE(file.append(Stake(1, {1, 2, 3, 4, 5}), &error));
    TStakeRec last;
    ASSERT_TRUE(file.read(-1, true, last, &error));
    EXPECT_EQ(last.DrawNum, 1);
    // The last record is another one after an append, and another again after an overwrite.
    ASSERT_TRUE(file.append(StakeSeparator(), &error));
    ASSERT_TRUE(file.read(-1, true, last, &error));
    EXPECT_EQ(last.DrawNum, -1);
    ASSERT_TRUE(file.write(Stake(9, {1, 2, 3, 4, 5}), 1, false, &error));
    ASSERT_TRUE(file.read(-1, true, last, &error));
    EXPECT_EQ(last.DrawNum, 9);
    // Writing just past the end appends; further is refused.
    ASSERT_TRUE(file.write(Stake(10, {1, 2, 3, 4, 5}), 2, false, &error));
    EXPECT_EQ(file.count(), 3);
    EXPECT_FALSE(file.write(Stake(11, {1, 2, 3, 4, 5}), 4, false, &error));
    EXPECT_EQ(drawsOnDisk(), (std::vector<int>{1, 9, 10}));
}

TEST_F(StakesFileTest, PeekSeesGatheredRecordsWithoutWritingThem)
{
    StakesFile file(path());
    QString error;
    ASSERT_TRUE(file.open(&error));
    ASSERT_TRUE(file.append(Stake(4, {1, 2, 3, 4, 5}), &error));
    TStakeRec rec;
    ASSERT_TRUE(file.peek(0, rec, &error));
    EXPECT_EQ(rec.DrawNum, 4);
    EXPECT_EQ(QFileInfo(path()).size(), 0) << "painting never starts a write";
    EXPECT_FALSE(file.peek(1, rec, &error));
}

TEST_F(StakesFileTest, TheIndexAnswersLikeAScanOfTheFile)
{
    QString error;
    std::set<std::tuple<int, std::vector<int>>> reference;
    {
        StakesFile file(path());
        ASSERT_TRUE(file.open(&error));
        QRandomGenerator random(7);
        for (int i = 0; i < 5000; ++i) {
            const int draw = random.bounded(1, 20);
            std::vector<int> values{random.bounded(1, 8), random.bounded(8, 15), random.bounded(15, 22),
                                    random.bounded(22, 29), random.bounded(29, 36)};
            ASSERT_TRUE(file.append(Stake(draw, {values[4], values[1], values[3], values[0], values[2]}), &error));
            reference.insert({draw, values});
        }
        ASSERT_TRUE(file.close(&error));
    }
    StakesFile file(path());
    ASSERT_TRUE(file.open(&error));
    QRandomGenerator random(8);
    int found = 0;
    for (int i = 0; i < 5000; ++i) {
        const int draw = random.bounded(1, 20);
        std::vector<int> values{random.bounded(1, 8), random.bounded(8, 15), random.bounded(15, 22),
                                random.bounded(22, 29), random.bounded(29, 36)};
        const bool expected = reference.count({draw, values}) > 0;
        found += expected;
        EXPECT_EQ(file.contains(draw, Numbers({values[2], values[0], values[4], values[1], values[3]}), &error),
                  expected);
    }
    EXPECT_GT(found, 0);
    // Records appended later are found too, and only for their own draw.
    ASSERT_TRUE(file.append(Stake(50, {1, 2, 3, 4, 5}), &error));
    EXPECT_TRUE(file.contains(50, Numbers({5, 4, 3, 2, 1}), &error));
    EXPECT_FALSE(file.contains(51, Numbers({5, 4, 3, 2, 1}), &error));
    EXPECT_FALSE(file.contains(50, Numbers({5, 4, 3, 2}), &error));
}

TEST_F(StakesFileTest, RewriteReplacesTheFileInOneRenameAndKeepsTheChosenRecords)
{
    StakesFile file(path());
    QString error;
    ASSERT_TRUE(file.open(&error));
    for (int d = 1; d <= 10; ++d)
        ASSERT_TRUE(file.append(Stake(d, {1, 2, 3, 4, 5}), &error));
    ASSERT_TRUE(file.flush(&error));
    const ino_t before = inodeOf(path());
    ASSERT_TRUE(file.rewrite([](qint64 i, const TStakeRec&) { return i % 3 != 0; }, &error)) << error.toStdString();
    EXPECT_NE(inodeOf(path()), before);
    EXPECT_FALSE(QFile::exists(file.tempPath()));
    EXPECT_EQ(drawsOnDisk(), (std::vector<int>{2, 3, 5, 6, 8, 9}));
    EXPECT_EQ(file.count(), 6);
    // The file in use is the new one.
    ASSERT_TRUE(file.append(Stake(11, {1, 2, 3, 4, 5}), &error));
    ASSERT_TRUE(file.flush(&error));
    EXPECT_EQ(drawsOnDisk().back(), 11);
    EXPECT_FALSE(file.contains(1, Numbers({1, 2, 3, 4, 5}), &error));
    EXPECT_TRUE(file.contains(2, Numbers({1, 2, 3, 4, 5}), &error));
}

TEST_F(StakesFileTest, AFullDiskDuringAppendsLeavesOnlyWholeRecords)
{
    StakesFile file(path());
    QString error;
    ASSERT_TRUE(file.open(&error));
    for (int d = 1; d <= 4; ++d)
        ASSERT_TRUE(file.append(Stake(d, {1, 2, 3, 4, 5}), &error));
    ASSERT_TRUE(file.flush(&error));
    {
        // Room for the four records and a half.
        FileSizeLimit limit(4 * StakeRecSize + StakeRecSize / 2);
        ASSERT_TRUE(file.append(Stake(5, {1, 2, 3, 4, 5}), &error));
        ASSERT_TRUE(file.append(Stake(6, {1, 2, 3, 4, 5}), &error));
        EXPECT_FALSE(file.flush(&error));
        EXPECT_FALSE(error.isEmpty());
    }
    EXPECT_EQ(QFileInfo(path()).size() % StakeRecSize, 0);
    EXPECT_EQ(drawsOnDisk(), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(file.count(), 4);
    EXPECT_FALSE(file.contains(5, Numbers({1, 2, 3, 4, 5}), &error)) << "a lost record is not in the index";
    // With room again, appending goes on after the last whole record.
    ASSERT_TRUE(file.append(Stake(7, {1, 2, 3, 4, 5}), &error));
    ASSERT_TRUE(file.flush(&error));
    EXPECT_EQ(drawsOnDisk(), (std::vector<int>{1, 2, 3, 4, 7}));
}

TEST_F(StakesFileTest, AFullDiskDuringRewriteLeavesTheOldFileWhole)
{
    StakesFile file(path());
    QString error;
    ASSERT_TRUE(file.open(&error));
    for (int d = 1; d <= 20; ++d)
        ASSERT_TRUE(file.append(Stake(d, {1, 2, 3, 4, 5}), &error));
    ASSERT_TRUE(file.flush(&error));
    const QByteArray before = ReadFile(path());
    {
        FileSizeLimit limit(3 * StakeRecSize);
        EXPECT_FALSE(file.rewrite([](qint64 i, const TStakeRec&) { return i != 0; }, &error));
    }
    EXPECT_EQ(ReadFile(path()), before);
    EXPECT_FALSE(QFile::exists(file.tempPath()));
    EXPECT_EQ(file.count(), 20);
    TStakeRec rec;
    ASSERT_TRUE(file.read(0, false, rec, &error));
    EXPECT_EQ(rec.DrawNum, 1);
}

TEST_F(StakesFileTest, UpdateWritesBackOnlyWhatChangedAndReportsItInOrder)
{
    StakesFile file(path());
    QString error;
    ASSERT_TRUE(file.open(&error));
    // More than one block, so runs cross block ends.
    for (int i = 0; i < 9000; ++i)
        ASSERT_TRUE(file.append(Stake(i + 1, {1, 2, 3, 4, 5}), &error));
    std::vector<int> reported;
    qint64 visited = 0;
    const auto keep = [](const TStakeRec& rec) { return rec.DrawNum % 7 == 0 || (rec.DrawNum > 4090 && rec.DrawNum < 4100); };
    ASSERT_TRUE(file.update(
        [&](qint64 first, std::span<TStakeRec> records, std::vector<std::uint8_t>& altered) {
            EXPECT_EQ(first, visited);
            visited += qint64(records.size());
            for (std::size_t i = 0; i < records.size(); ++i)
                if (!keep(records[i])) {
                    records[i].SampleSize = -records[i].DrawNum;
                    altered[i] = 1;
                }
        },
        [&](const TStakeRec& rec) { reported.push_back(rec.DrawNum); }, &error));
    EXPECT_EQ(visited, 9000);
    const QByteArray bytes = ReadFile(path());
    std::vector<int> expected;
    for (int i = 0; i < 9000; ++i) {
        const TStakeRec rec = StakeFromBytes(bytes.constData() + qsizetype(i) * StakeRecSize);
        const bool altered = !keep(rec);
        EXPECT_EQ(rec.SampleSize, altered ? -rec.DrawNum : 100) << i;
        if (altered)
            expected.push_back(rec.DrawNum);
    }
    EXPECT_EQ(reported, expected);
}

TEST_F(StakesFileTest, InspectTellsCurrentTornAndOutdatedFiles)
{
    const QByteArray good = recordBytes(Stake(1, {1, 2, 3, 4, 5}));
    QString error;
    const auto stateOf = [&](const QByteArray& bytes) {
        writeRaw(bytes);
        StakesFile file(path());
        EXPECT_TRUE(file.open(&error));
        return file.inspect(&error);
    };
    EXPECT_EQ(stateOf({}), FileState::Current);
    EXPECT_EQ(stateOf(good + good), FileState::Current);
    EXPECT_EQ(stateOf(QByteArray(311, '\2')), FileState::Outdated);
    QByteArray old = good;
    old[0] = 1;
    EXPECT_EQ(stateOf(old + good), FileState::Outdated);
    EXPECT_EQ(stateOf(old + "xyz"), FileState::Outdated);
    EXPECT_EQ(stateOf(good + good + "xyz"), FileState::TornTail);

    StakesFile file(path());
    ASSERT_TRUE(file.open(&error));
    EXPECT_EQ(file.tailBytes(), 3);
    EXPECT_EQ(file.count(), 2);
    QString copy;
    ASSERT_TRUE(file.copyAside(&copy, &error));
    EXPECT_EQ(ReadFile(copy), good + good + "xyz");
    EXPECT_TRUE(QFileInfo(copy).fileName().startsWith(QStringLiteral("Vertoma_5x54-")));
    QString second;
    ASSERT_TRUE(file.copyAside(&second, &error));
    EXPECT_NE(second, copy) << "a second copy never overwrites the first";
    ASSERT_TRUE(file.cutTail(&error));
    EXPECT_EQ(ReadFile(path()), good + good);
}

TEST_F(StakesFileTest, OnlyATornTailIsKeptAsideBeforeItIsCut)
{
    QByteArray whole;
    for (int d = 1; d <= 3; ++d)
        whole += recordBytes(Stake(d, {1, 2, 3, 4, 5}));
    const QByteArray tail = recordBytes(Stake(4, {6, 7, 8, 9, 10})).left(100);
    writeRaw(whole + tail);
    const QDateTime written = QFileInfo(path()).lastModified();
    QString error;
    StakesFile file(path());
    ASSERT_TRUE(file.open(&error));
    ASSERT_EQ(file.inspect(&error), FileState::TornTail);
    const QString expected = file.asidePath(QStringLiteral(".lsk.tail"));
    QString kept;
    ASSERT_TRUE(file.copyTailAside(&kept, &error)) << error.toStdString();
    EXPECT_EQ(kept, expected) << "the place is known before the bytes are kept";
    EXPECT_EQ(ReadFile(kept), tail);
    ASSERT_TRUE(file.cutTail(&error));
    EXPECT_EQ(ReadFile(path()), whole);
    EXPECT_EQ(file.count(), 3);
    // The folder holds the stakes file and the tail, and no copy of the whole file.
    const QStringList names = QDir(m_dir.path()).entryList(QDir::Files);
    EXPECT_EQ(names, (QStringList{QFileInfo(kept).fileName(), QStringLiteral("Vertoma_5x54.lsk")}));
    EXPECT_TRUE(QFileInfo(kept).fileName().startsWith(QStringLiteral("Vertoma_5x54-")));

    // A second torn tail of the same moment never overwrites the first.
    file.close(&error);
    writeRaw(whole + "xyz");
    {
        QFile stamp(path());
        ASSERT_TRUE(stamp.open(QIODevice::ReadWrite));
        ASSERT_TRUE(stamp.setFileTime(written, QFileDevice::FileModificationTime));
    }
    StakesFile again(path());
    ASSERT_TRUE(again.open(&error));
    QString second;
    ASSERT_TRUE(again.copyTailAside(&second, &error));
    EXPECT_NE(second, kept);
    EXPECT_EQ(ReadFile(second), QByteArray("xyz"));
    EXPECT_EQ(ReadFile(kept), tail);
}

TEST_F(StakesFileTest, AnOutdatedFileShowsNoStakesAndTakesNoWriteUntilItIsEmptied)
{
    QByteArray old = recordBytes(Stake(1, {1, 2, 3, 4, 5}));
    old[0] = 1;
    const QByteArray bytes = old + recordBytes(Stake(2, {1, 2, 3, 4, 5}));
    writeRaw(bytes);
    QString error;
    StakesFile file(path());
    ASSERT_TRUE(file.open(&error));
    EXPECT_TRUE(file.isOutdated());
    EXPECT_EQ(file.count(), 0);
    EXPECT_FALSE(file.hasData());
    int visited = 0;
    EXPECT_TRUE(file.scan(
        0, [&](qint64, const TStakeRec&) { return ++visited, true; }, &error));
    EXPECT_EQ(visited, 0);
    TStakeRec rec;
    EXPECT_FALSE(file.peek(0, rec, &error));
    EXPECT_FALSE(file.read(-1, true, rec, &error));
    // Writing over it would mix new stakes into the old records.
    EXPECT_FALSE(file.append(Stake(3, {1, 2, 3, 4, 5}), &error));
    EXPECT_FALSE(file.write(Stake(3, {1, 2, 3, 4, 5}), 0, false, &error));
    EXPECT_FALSE(file.rewrite([](qint64, const TStakeRec&) { return true; }, &error));
    EXPECT_FALSE(file.cutTail(&error));
    ASSERT_TRUE(file.close(&error));
    EXPECT_EQ(ReadFile(path()), bytes);

    // The copy goes where the file said it would; emptied, the file takes stakes again.
    ASSERT_TRUE(file.open(&error));
    const QString promised = file.asidePath(QStringLiteral(".lsk.bak"));
    QString copy;
    ASSERT_TRUE(file.copyAside(&copy, &error));
    EXPECT_EQ(copy, promised);
    EXPECT_EQ(ReadFile(copy), bytes);
    ASSERT_TRUE(file.truncate(&error));
    EXPECT_FALSE(file.isOutdated());
    ASSERT_TRUE(file.append(Stake(3, {1, 2, 3, 4, 5}), &error));
    ASSERT_TRUE(file.close(&error));
    EXPECT_EQ(drawsOnDisk(), (std::vector<int>{3}));
}
