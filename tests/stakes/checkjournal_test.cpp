// A check keeps the stakes and the file that counts them in step through its journal: whatever
// step of a block it stopped at, carrying out the journal and checking again gives the files an
// uninterrupted check gives.

#include "StakeTestSupport.h"
#include "TestHelpers.h"
#include "stakes/CheckJournal.h"
#include "stakes/StakesCheck.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace stakes;
using namespace stakestest;
using testsupport::MakeDraw;
using testsupport::ReadFile;
using namespace Qt::StringLiterals;

namespace {

class CheckJournalTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (int num = 1; num <= 4; ++num)
            m_draws.push_back(MakeDraw(num, {num, num + 10, num + 20, num + 30, num + 40}));
        // Stakes over three blocks of the file, for drawn draws and for a draw to come, and a
        // separator.
        StakesFile file(path(u"original.lsk"_s));
        QString error;
        ASSERT_TRUE(file.open(&error));
        for (int i = 0; i < 9000; ++i) {
            const int draw = 1 + i % 5;
            ASSERT_TRUE(
                file.append(Stake(draw, {1 + i % 50, 2 + i % 50, 3 + i % 50, 11, 21}, i % 3 ? "a" : "b"), &error));
        }
        ASSERT_TRUE(file.append(StakeSeparator(), &error));
        ASSERT_TRUE(file.close(&error));
        m_original = ReadFile(path(u"original.lsk"_s));
    }

    QString path(const QString& name) const { return m_dir.filePath(name); }

    void restore(const QByteArray& stakes) { ASSERT_TRUE(testsupport::WriteFile(path(u"Vertoma_5x54.lsk"_s), stakes)); }

    // Checks the stakes file with a counter file that holds the number of stakes checked so far
    // (read back from it, so a resumed check counts on from what is stored).
    bool check(const QString& counterPath, QString* error)
    {
        StakesFile file(path(u"Vertoma_5x54.lsk"_s));
        if (!file.open(error))
            return false;
        int counted = ReadFile(path(u"counter"_s)).toInt();
        CheckHooks hooks;
        hooks.counter.path = counterPath;
        hooks.counter.count = [&counted](const TStakeRec&) { ++counted; };
        hooks.counter.content = [&counted] { return QByteArray::number(counted); };
        int checked = 0;
        return StakesCheck(file, m_draws, PrizeConfig(), hooks, checked, error);
    }

    JournalReplay replay()
    {
        StakesFile file(path(u"Vertoma_5x54.lsk"_s));
        QString error;
        EXPECT_TRUE(file.open(&error));
        return CheckJournalReplay(file, path(u"counter"_s), &error);
    }

    QTemporaryDir m_dir;
    core::TDrawsArray m_draws;
    QByteArray m_original;
};

} // namespace

TEST_F(CheckJournalTest, AStopAtAnyStepOfABlockEndsAsAnUninterruptedCheck)
{
    restore(m_original);
    QString error;
    ASSERT_TRUE(check(path(u"counter"_s), &error)) << error.toStdString();
    const QByteArray stakesAfter = ReadFile(path(u"Vertoma_5x54.lsk"_s));
    const QByteArray counterAfter = ReadFile(path(u"counter"_s));
    ASSERT_EQ(counterAfter, "7200"); // draws 1..4 of five
    ASSERT_NE(stakesAfter, m_original);
    EXPECT_FALSE(QFile::exists(CheckJournalPath(path(u"Vertoma_5x54.lsk"_s))));

    const auto finishAndCompare = [&](const char* where) {
        SCOPED_TRACE(where);
        EXPECT_EQ(replay(), JournalReplay::Done);
        EXPECT_FALSE(QFile::exists(CheckJournalPath(path(u"Vertoma_5x54.lsk"_s))));
        QString why;
        ASSERT_TRUE(check(path(u"counter"_s), &why)) << why.toStdString();
        EXPECT_EQ(ReadFile(path(u"Vertoma_5x54.lsk"_s)), stakesAfter);
        EXPECT_EQ(ReadFile(path(u"counter"_s)), counterAfter);
    };

    // The counter cannot be written: the journal and the records are, the counter not.
    restore(m_original);
    QFile::remove(path(u"counter"_s));
    ASSERT_FALSE(check(path(u"no/such/folder/counter"_s), &error));
    const QString journalPath = CheckJournalPath(path(u"Vertoma_5x54.lsk"_s));
    const QByteArray journal = ReadFile(journalPath);
    ASSERT_FALSE(journal.isEmpty());
    const QByteArray recordsWritten = ReadFile(path(u"Vertoma_5x54.lsk"_s));
    ASSERT_EQ(recordsWritten, stakesAfter);
    EXPECT_FALSE(QFile::exists(path(u"counter"_s)));
    finishAndCompare("records written, counter not");

    // Stopped after the journal, before any record.
    restore(m_original);
    QFile::remove(path(u"counter"_s));
    ASSERT_TRUE(testsupport::WriteFile(journalPath, journal));
    finishAndCompare("journal only");

    // Stopped after the counter, before the journal was removed.
    restore(recordsWritten);
    CheckJournal parsed;
    ASSERT_TRUE(CheckJournalParse(journal, parsed, &error)) << error.toStdString();
    ASSERT_TRUE(testsupport::WriteFile(path(u"counter"_s), parsed.Companion));
    ASSERT_TRUE(testsupport::WriteFile(journalPath, journal));
    finishAndCompare("everything but the removal");
}

TEST_F(CheckJournalTest, ADamagedJournalIsRefusedAndChangesNothing)
{
    restore(m_original);
    QString error;
    ASSERT_FALSE(check(path(u"no/such/folder/counter"_s), &error));
    const QString journalPath = CheckJournalPath(path(u"Vertoma_5x54.lsk"_s));
    const QByteArray journal = ReadFile(journalPath);
    CheckJournal parsed;
    ASSERT_TRUE(CheckJournalParse(journal, parsed, &error));
    EXPECT_EQ(parsed.Entries.size(), 7200u); // four draws of every five stakes
    EXPECT_EQ(CheckJournalBytes(parsed), journal);

    restore(m_original);
    QByteArray flipped = journal;
    flipped[flipped.size() / 2] = char(flipped[flipped.size() / 2] ^ 0x10);
    for (const QByteArray& bad :
         {flipped, journal.left(journal.size() - 1), journal + 'x', QByteArray("VJNL"), QByteArray()}) {
        EXPECT_FALSE(CheckJournalParse(bad, parsed, &error));
        EXPECT_FALSE(error.isEmpty());
        ASSERT_TRUE(testsupport::WriteFile(journalPath, bad));
        EXPECT_EQ(replay(), JournalReplay::Damaged);
        EXPECT_TRUE(QFile::exists(journalPath));
        EXPECT_EQ(ReadFile(path(u"Vertoma_5x54.lsk"_s)), m_original);
        EXPECT_FALSE(QFile::exists(path(u"counter"_s)));
    }

    // A sound journal for records the file does not have is refused as well.
    restore(m_original.left(stakes::StakeRecSize * 10));
    ASSERT_TRUE(testsupport::WriteFile(journalPath, journal));
    EXPECT_EQ(replay(), JournalReplay::Damaged);
    EXPECT_EQ(ReadFile(path(u"Vertoma_5x54.lsk"_s)), m_original.left(stakes::StakeRecSize * 10));
}
