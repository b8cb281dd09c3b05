// The stakes book and the rating built from their parts: loading, the person's commands,
// checking, logs and graphs.

#include "AnalysisParts.h"
#include "FakeUserIo.h"
#include "TestHelpers.h"
#include "app/ArchiveController.h"
#include "app/CandidatesController.h"
#include "app/RatingsController.h"
#include "app/Session.h"
#include "app/StakesController.h"
#include "core/Cp1251.h"
#include "core/DrawArchive.h"
#include "core/IniFile.h"
#include "core/Settings.h"
#include "stakes/StakeRecord.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using testsupport::FakeUserIo;
using testsupport::FileSizeLimit;
using testsupport::MakeDraw;
using testsupport::ReadFile;
using namespace Qt::StringLiterals;

namespace {

core::TValueSet Numbers(std::initializer_list<int> values)
{
    core::TValueSet set;
    for (int v : values)
        set.Values[set.Count++] = std::uint8_t(v);
    return set;
}

class StakesControllerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // Ten draws; draw d holds d, d+10, d+20, d+30, d+40.
        core::TDrawsArray draws;
        for (int d = 1; d <= 10; ++d)
            draws.push_back(MakeDraw(d, {d, d + 10, d + 20, d + 30, d + 40}));
        ASSERT_TRUE(core::SaveDrawsFile(folder().drawsFile(), draws));
        QFile ini(folder().configFile());
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
        ini.write("[STAKES]\r\nCost=2\r\nProfits=2\r\nProfit_0_Overlap=3\r\nProfit_0_Profit=10\r\n"
                  "Profit_1_Overlap=5\r\nProfit_1_Profit=1000\r\n");
    }

    core::DataFolder folder() const { return {m_dir.path(), QStringLiteral("Vertoma_5x54"), m_dir.path()}; }
    QString file(const QString& name) const { return m_dir.filePath(name); }

    // The stakes book and the rating built from their parts, loaded as start-up loads them.
    struct Book
    {
        Book(FakeUserIo& io, const core::DataFolder& folder)
            : parts(io, folder), ratings(parts.services),
              stakes(parts.services, ratings, parts.archive, parts.candidates, parts.statistics)
        {
        }
        app::ArchiveController& archive() { return parts.archive; }
        app::CandidatesController& candidates() { return parts.candidates; }
        // What the end of a run does to the book and the rating.
        void shutdown()
        {
            stakes.save();
            ratings.clear();
        }

        testsupport::AnalysisParts parts;
        app::RatingsController ratings;
        app::StakesController stakes;
    };

    std::unique_ptr<Book> start(FakeUserIo& io)
    {
        auto book = std::make_unique<Book>(io, folder());
        book->parts.prepare();
        core::IniFile state(folder().stateFile());
        state.load();
        book->stakes.readState(state);
        book->ratings.readState(state);
        EXPECT_TRUE(book->stakes.load());
        book->archive().load();
        book->candidates().generate(book->candidates().genSettings(), true);
        book->ratings.load();
        return book;
    }

    std::vector<stakes::TStakeRec> onDisk() const
    {
        const QByteArray bytes = ReadFile(folder().stakesFile());
        std::vector<stakes::TStakeRec> records;
        for (qsizetype at = 0; at + stakes::StakeRecSize <= bytes.size(); at += stakes::StakeRecSize)
            records.push_back(stakes::StakeFromBytes(bytes.constData() + at));
        return records;
    }

    std::vector<int> drawNumbers() const
    {
        std::vector<int> nums;
        for (const auto& r : onDisk())
            nums.push_back(r.DrawNum);
        return nums;
    }

    void writeStakes(const std::vector<stakes::TStakeRec>& records, const QByteArray& tail = {})
    {
        QByteArray bytes;
        for (const auto& r : records) {
            QByteArray b(stakes::StakeRecSize, '\0');
            stakes::StakeToBytes(r, b.data());
            bytes += b;
        }
        QFile f(folder().stakesFile());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes + tail);
    }

    static stakes::TStakeRec stake(int draw, std::initializer_list<int> values, const QString& comment = u"к"_s)
    {
        core::TConfigData config;
        config.Cost = 20000;
        return stakes::NewStake(stakes::KindManual, draw, Numbers(values), 1, comment, config);
    }

    QTemporaryDir m_dir;
    FakeUserIo m_io;
};

} // namespace

TEST_F(StakesControllerTest, AMissingFileIsCreatedAndTheGridShowsOneBlankRow)
{
    auto book = start(m_io);
    EXPECT_TRUE(QFileInfo::exists(folder().stakesFile()));
    EXPECT_EQ(book->stakes.gridRows(), 1);
    EXPECT_EQ(book->stakes.panelText(), u"Ставок: 0"_s);
    EXPECT_EQ(book->ratings.panelText(), u"Рейтинг: 0"_s);
    EXPECT_TRUE(m_io.messages.isEmpty());
}

TEST_F(StakesControllerTest, AnOutdatedFileIsCopiedAsideBeforeItIsEmptied)
{
    writeStakes({}, QByteArray(311, '\2'));
    auto book = start(m_io);
    const QStringList warnings = m_io.messageTexts(app::MessageKind::Warning);
    ASSERT_EQ(warnings.size(), 1);
    EXPECT_TRUE(warnings[0].startsWith(
        u"Обнаружен файл ставок устаревшей версии - имеющиеся в файле ставки будут удалены!\n\nКопия прежнего файла "
        "сохранена: "_s));
    const QString copy = warnings[0].section(u": "_s, -1);
    EXPECT_EQ(ReadFile(copy), QByteArray(311, '\2'));
    EXPECT_EQ(QFileInfo(folder().stakesFile()).size(), 0);
    book->shutdown();

    // A first record of another version is outdated too, whatever follows it.
    stakes::TStakeRec old = stake(1, {1, 2, 3, 4, 5});
    old.Version = 1;
    writeStakes({old, stake(2, {1, 2, 3, 4, 5})});
    FakeUserIo io;
    book = start(io);
    EXPECT_EQ(io.messageTexts(app::MessageKind::Warning).size(), 1);
    EXPECT_EQ(book->stakes.count(), 0);
}

TEST_F(StakesControllerTest, ATornTailIsDroppedAndEveryWholeRecordKept)
{
    writeStakes({stake(1, {1, 2, 3, 4, 5}), stake(2, {1, 2, 3, 4, 5})}, "half a record");
    auto book = start(m_io);
    const QStringList warnings = m_io.messageTexts(app::MessageKind::Warning);
    ASSERT_EQ(warnings.size(), 1);
    EXPECT_TRUE(warnings[0].contains(u"13 байт"_s)) << warnings[0].toStdString();
    // Only the cut bytes are kept, in the file the warning names; the whole file is not copied.
    const QString prefix = u"\n\nБайты неполной записи сохранены в файле: "_s;
    ASSERT_TRUE(warnings[0].contains(prefix)) << warnings[0].toStdString();
    const QString kept = warnings[0].section(prefix, 1);
    EXPECT_EQ(ReadFile(kept), QByteArray("half a record"));
    EXPECT_EQ(QDir(m_dir.path()).entryList({u"*.lsk.*"_s}, QDir::Files), QStringList{QFileInfo(kept).fileName()});
    EXPECT_EQ(book->stakes.count(), 2);
    EXPECT_EQ(QFileInfo(folder().stakesFile()).size(), 2 * stakes::StakeRecSize);
    // Both stakes were for archived draws, so the start-up check... does not run: stakes are
    // checked by the commands, not by loading.
    EXPECT_EQ(onDisk()[0].Checked, 0);
}

TEST_F(StakesControllerTest, AStakeForSeveralDrawsIsOneRecordPerDrawEachAfterASeparator)
{
    auto book = start(m_io);
    app::StakesController& stakes = book->stakes;
    ASSERT_TRUE(stakes.append(stake(100, {1, 2, 3, 4, 5}), 3));
    ASSERT_TRUE(stakes.file().flush(nullptr));
    EXPECT_EQ(drawNumbers(), (std::vector<int>{100, -1, 101, -1, 102}));
    ASSERT_TRUE(stakes.append(stake(100, {1, 2, 3, 4, 5}), 3));
    ASSERT_TRUE(stakes.append(stake(7, {1, 2, 3, 4, 5}), 1));
    ASSERT_TRUE(stakes.file().flush(nullptr));
    EXPECT_EQ(drawNumbers(), (std::vector<int>{100, -1, 101, -1, 102, -1, 100, -1, 101, -1, 102, 7}));

    stakes::TStakeRec checked = stake(8, {1, 2, 3, 4, 5});
    checked.Checked = 1;
    EXPECT_FALSE(stakes.append(checked, 1));
    EXPECT_EQ(m_io.messageTexts(app::MessageKind::Error).last(),
              u"Ошибка добавления записи в файл ставок!\n\nДобавление в конец файла уже проверенной ставки!"_s);
}

TEST_F(StakesControllerTest, ScriptStakesBeginWithASeparatorAfterAStakeOnly)
{
    auto book = start(m_io);
    app::StakesController& stakes = book->stakes;
    stakes.scriptStakesBegin();
    EXPECT_EQ(stakes.count(), 0);
    ASSERT_TRUE(stakes.append(stake(5, {1, 2, 3, 4, 5}), 1));
    stakes.scriptStakesBegin();
    stakes.scriptStakesBegin();
    EXPECT_EQ(stakes.count(), 2) << "one separator, not two";

    // The stakes of a run go to the next draw; new-only stakes skip numbers staked already.
    QStringList log;
    stakes.setScriptLog([&](const QString& line) { log << line; });
    stakes.resetRunCounter();
    QSignalSpy counted(&stakes, &app::StakesController::runStakesCounted);
    EXPECT_TRUE(stakes.scriptStakeAdd(Numbers({5, 4, 3, 2, 1}), u"01.001: @ X"_s, true, false, 777));
    EXPECT_FALSE(stakes.scriptStakeAdd(Numbers({1, 3, 5, 2, 4}), u"01.001: @ X"_s, true, false, 777));
    EXPECT_TRUE(stakes.scriptStakeAdd(Numbers({1, 3, 5, 2, 4}), u"01.001: @ X"_s, false, false, 777));
    EXPECT_EQ(stakes.runStakes(), 2);
    EXPECT_EQ(counted.count(), 3);
    ASSERT_EQ(log.size(), 3);
    EXPECT_EQ(log[0], u"{+} Ставка на тираж 11 добавлена в список ставок: [5;4;3;2;1]"_s);
    EXPECT_EQ(log[1], u"{-} Ставка на тираж 11 не добавлена, так как уже имеется в списке ставок: [1;3;5;2;4]"_s);
    const stakes::TStakeRec last = stakes.read(-1, true);
    EXPECT_EQ(last.Kind, stakes::KindScript);
    EXPECT_EQ(last.DrawNum, 11);
    EXPECT_EQ(last.SampleSize, 777) << "the size of the list the stake came from";

    // Another draw is another stake.
    book->archive().setOffset(1);
    EXPECT_TRUE(stakes.scriptStakeAdd(Numbers({5, 4, 3, 2, 1}), u"01.001: @ X"_s, true, true,
                                      book->candidates().combs().size()));
    EXPECT_EQ(stakes.read(-1, true).DrawNum, 10);

    stakes.clearForRun();
    EXPECT_EQ(stakes.count(), 0);
    EXPECT_EQ(QFileInfo(folder().stakesFile()).size(), 0);
}

TEST_F(StakesControllerTest, AStakeOfThePersonIsCheckedAtOnceAndFeedsTheRating)
{
    auto book = start(m_io);
    app::StakesController& stakes = book->stakes;
    book->archive().setOffset(2); // the next draw is 9, already in the archive
    m_io.stakeEdits.enqueue([](stakes::TStakeRec& rec, int& copies) {
        EXPECT_EQ(rec.DrawNum, 9);
        EXPECT_EQ(stakes::StakeComment(rec), u"Ставка \"вручную\""_s);
        EXPECT_EQ(rec.Numbers.Count, 5) << "the focused combination";
        EXPECT_EQ(copies, 1);
        rec.Numbers = Numbers({9, 19, 29, 1, 2});
        stakes::SetStakeComment(rec, u"руками"_s);
    });
    ASSERT_TRUE(stakes.stakeAdd(0));
    const std::vector<stakes::TStakeRec> records = onDisk();
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].Checked, 1);
    EXPECT_EQ(records[0].Matches.Count, 3);
    EXPECT_EQ(records[0].Profit, 80000);
    EXPECT_EQ(records[0].SampleSize, 3162510);
    ASSERT_EQ(book->ratings.rows().size(), 1u);
    EXPECT_EQ(book->ratings.rows()[0].Name, u"руками"_s);
    EXPECT_EQ(book->ratings.rows()[0].Hits[3], 1);
    EXPECT_EQ(QFileInfo(book->ratings.path()).size(), 296) << "the rating is saved after the check";
    EXPECT_EQ(book->stakes.panelText(), u"Ставок: 1"_s);
    EXPECT_EQ(book->ratings.panelText(), u"Рейтинг: 1"_s);

    // Cancelling changes nothing.
    m_io.stakeEdits.enqueue(std::nullopt);
    EXPECT_FALSE(stakes.stakeAdd(0));
    EXPECT_EQ(stakes.count(), 1);
}

TEST_F(StakesControllerTest, AStakeForAComingDrawIsCheckedOnceTheDrawArrives)
{
    auto book = start(m_io);
    app::StakesController& stakes = book->stakes;
    ASSERT_TRUE(stakes.create(stake(11, {11, 21, 31, 41, 51}), 1));
    EXPECT_EQ(onDisk()[0].Checked, 0);
    ASSERT_TRUE(book->archive().append(MakeDraw(11, {11, 21, 31, 41, 1})));
    EXPECT_TRUE(stakes.checkAndSave());
    EXPECT_EQ(stakes.lastChecked(), 1);
    EXPECT_EQ(onDisk()[0].Matches.Count, 4);
    EXPECT_FALSE(stakes.checkAndSave()) << "nothing is left to check";
}

TEST_F(StakesControllerTest, AllCombinationsAndTheSelectedOnesBecomeStakes)
{
    auto book = start(m_io);
    app::StakesController& stakes = book->stakes;
    const core::TCombsArray list{{{1, 11, 21, 31, 41}}, {{2, 3, 4, 5, 6}}, {{10, 20, 30, 40, 50}}};
    book->candidates().replace(list);
    m_io.multiStakeEdits.enqueue(FakeUserIo::MultiStake{10, 2, u"пакет"_s});
    ASSERT_TRUE(stakes.stakeAddAll());
    ASSERT_EQ(m_io.multiStakeStarts.size(), 1);
    EXPECT_EQ(m_io.multiStakeStarts[0].drawNum, 11);
    EXPECT_EQ(m_io.multiStakeStarts[0].copies, 1);
    EXPECT_EQ(m_io.multiStakeStarts[0].comment, u"Ставка \"вручную\""_s);
    // Two draws each: draw 10 is in the archive and checked, draw 11 is not.
    EXPECT_EQ(drawNumbers(), (std::vector<int>{10, -1, 11, -1, 10, -1, 11, -1, 10, -1, 11}));
    const std::vector<stakes::TStakeRec> records = onDisk();
    EXPECT_EQ(records[0].Checked, 1);
    EXPECT_EQ(records[0].Matches.Count, 0);
    EXPECT_EQ(records[8].Matches.Count, 5);
    EXPECT_EQ(records[8].SampleSize, 3);
    EXPECT_EQ(records[2].Checked, 0);
    EXPECT_EQ(records[4].Numbers.Values[0], 2) << "stored in the combination's own order";

    // Draw 2 holds 2, 12, 22, 32, 42.
    m_io.multiStakeEdits.enqueue(FakeUserIo::MultiStake{2, 1, u"выбор"_s});
    ASSERT_TRUE(stakes.stakeAddSelected({1}));
    EXPECT_EQ(stakes.read(-1, true).Numbers.Values[0], 2);
    EXPECT_EQ(stakes.read(-1, true).Matches.Count, 1);
    m_io.multiStakeEdits.enqueue(std::nullopt);
    const qint64 before = stakes.count();
    EXPECT_FALSE(stakes.stakeAddSelected({0}));
    EXPECT_EQ(stakes.count(), before);
}

TEST_F(StakesControllerTest, DeletingByConditionKeepsSeparatorsAndCountsUncheckedAsMinusOne)
{
    auto book = start(m_io);
    app::StakesController& stakes = book->stakes;
    // Draw 1 holds 1, 11, 21, 31, 41.
    ASSERT_TRUE(stakes.append(stake(1, {50, 51, 52, 53, 54}), 1)); // 0 matches
    ASSERT_TRUE(stakes.append(stake(1, {1, 11, 52, 53, 54}), 1));  // 2 matches
    ASSERT_TRUE(stakes.append(stakes::StakeSeparator(), 1));
    ASSERT_TRUE(stakes.append(stake(20, {1, 2, 3, 4, 5}), 1)); // unchecked
    ASSERT_TRUE(stakes.checkAndSave());
    const auto commentsLeft = [&] {
        std::vector<int> m;
        for (const auto& r : onDisk())
            m.push_back(r.Kind == 0 ? 9 : (r.Checked ? r.Matches.Count : -1));
        return m;
    };
    ASSERT_EQ(commentsLeft(), (std::vector<int>{0, 2, 9, -1}));

    // "Равно [ = ]" 0 removes only the checked stake without matches.
    m_io.stakeFilterEdits.enqueue(std::pair{0, 0});
    ASSERT_TRUE(stakes.stakeFilter());
    EXPECT_EQ(commentsLeft(), (std::vector<int>{2, 9, -1}));
    // "Менее [ < ]" 0 removes every unchecked stake, keeps the checked ones and separators.
    ASSERT_TRUE(stakes.stakeFilterWith(3, 0));
    EXPECT_EQ(commentsLeft(), (std::vector<int>{2, 9}));
    ASSERT_TRUE(stakes.append(stake(20, {1, 2, 3, 4, 5}), 1));
    // "Более [ > ]" 1 and "Не менее [ >= ]" 2 take the stake with two matches.
    ASSERT_TRUE(stakes.stakeFilterWith(1, 1));
    EXPECT_EQ(commentsLeft(), (std::vector<int>{9, -1}));
    // "Не более [ <= ]" 5 takes every stake.
    ASSERT_TRUE(stakes.stakeFilterWith(4, 5));
    EXPECT_EQ(commentsLeft(), (std::vector<int>{9}));
}

TEST_F(StakesControllerTest, DeletingRowsAsksFirstAndDeletingEverythingLeavesAnEmptyFile)
{
    auto book = start(m_io);
    app::StakesController& stakes = book->stakes;
    for (int d = 1; d <= 4; ++d)
        ASSERT_TRUE(stakes.append(stake(d + 20, {1, 2, 3, 4, 5}), 1));
    ASSERT_TRUE(stakes.file().flush(nullptr));
    EXPECT_FALSE(stakes.stakeDel(2, 3));
    ASSERT_EQ(m_io.questions.size(), 1);
    EXPECT_EQ(m_io.questions[0].caption, u"Предупреждение"_s);
    EXPECT_EQ(m_io.questions[0].text, u"Удалить все выделенные записи (всего будет удалено 2 записи(ей))?"_s);
    EXPECT_FALSE(m_io.questions[0].yesDefault);
    EXPECT_EQ(stakes.count(), 4);
    m_io.answers.enqueue(true);
    ASSERT_TRUE(stakes.stakeDel(2, 3));
    EXPECT_EQ(drawNumbers(), (std::vector<int>{21, 24}));
    m_io.answers.enqueue(true);
    ASSERT_TRUE(stakes.stakeDel(2, 2));
    EXPECT_EQ(m_io.questions.last().text, u"Удалить выделенную запись?"_s);
    m_io.answers.enqueue(true);
    ASSERT_TRUE(stakes.stakeDel(1, 1));
    EXPECT_EQ(QFileInfo(folder().stakesFile()).size(), 0);
    EXPECT_EQ(stakes.gridRows(), 1);
    EXPECT_EQ(book->stakes.panelText(), u"Ставок: 0"_s);
}

TEST_F(StakesControllerTest, ClearingAllStakesOffersToRecomputeTheRating)
{
    auto book = start(m_io);
    app::StakesController& stakes = book->stakes;
    ASSERT_TRUE(stakes.create(stake(3, {3, 13, 23, 4, 5}), 1));
    ASSERT_EQ(book->ratings.rows().size(), 1u);
    m_io.answers.enqueue(true);  // delete the one record
    m_io.answers.enqueue(false); // keep the rating
    ASSERT_TRUE(stakes.stakeClear());
    EXPECT_EQ(m_io.questions[0].text, u"Удалить выделенную запись?"_s);
    EXPECT_EQ(m_io.questions[1].text, u"Пересчитать рейтинг только по текущим ставкам?\n\n"
                                      "Накопленные ранее данные по удаленным ставкам будут потеряны."_s);
    EXPECT_EQ(stakes.count(), 0);
    EXPECT_EQ(book->ratings.rows().size(), 1u);

    ASSERT_TRUE(stakes.create(stake(3, {3, 13, 23, 4, 5}), 1));
    m_io.answers.enqueue(true);
    m_io.answers.enqueue(true);
    ASSERT_TRUE(stakes.stakeClear());
    EXPECT_TRUE(book->ratings.rows().empty());
    EXPECT_EQ(QFileInfo(book->ratings.path()).size(), 0);
}

TEST_F(StakesControllerTest, LogsOnePerNumberOfMatchesAndTheirDeletion)
{
    auto book = start(m_io);
    app::StakesController& stakes = book->stakes;
    stakes.logsDelete();
    EXPECT_EQ(m_io.messageTexts(app::MessageKind::Information).last(), u"Файлы журналов не найдены!"_s);

    stakes.setLogEnabled(true);
    EXPECT_TRUE(core::StateReadBool(folder().stateFile(), core::kMainWindowSection, u"StakesLogEnabled"_s, false));
    // Draw 2 holds 2, 12, 22, 32, 42.
    ASSERT_TRUE(stakes.append(stake(2, {50, 51, 52, 53, 54}), 1));
    ASSERT_TRUE(stakes.append(stake(2, {2, 12, 52, 53, 54}), 1));
    ASSERT_TRUE(stakes.append(stake(2, {22, 32, 52, 53, 54}), 1));
    ASSERT_TRUE(stakes.checkAndSave());
    EXPECT_EQ(ReadFile(file(u"Vertoma_5x54-0.log"_s)).count("\r\n"), 1);
    const QString two = cp1251::decode(ReadFile(file(u"Vertoma_5x54-2.log"_s)));
    EXPECT_EQ(two.count(u"\r\n"_s), 2);
    EXPECT_TRUE(two.contains(u"Тираж № 2. Ставка: \"к\" [2;12;52;53;54] {1}. Результаты тиража: [2;12;22;32;42]. "
                             "Совпадений: 2."_s))
        << two.toStdString();
    EXPECT_FALSE(QFileInfo::exists(file(u"Vertoma_5x54-1.log"_s)));

    stakes.logsDelete();
    EXPECT_TRUE(m_io.messageTexts(app::MessageKind::Information).last().contains(u"2 из 2"_s));
    EXPECT_TRUE(QDir(m_dir.path()).entryList({u"Vertoma_5x54-*.log"_s}).isEmpty());

    stakes.setScrollEnabled(false);
    stakes.setCheckOnLine(false);
    FakeUserIo io;
    book->shutdown();
    book.reset();
    auto again = start(io);
    EXPECT_TRUE(again->stakes.logEnabled());
    EXPECT_FALSE(again->stakes.scrollEnabled());
    EXPECT_FALSE(again->stakes.checkOnLine());
}

TEST_F(StakesControllerTest, AFullDiskDuringABatchKeepsTheStakesBeforeItWhole)
{
    auto book = start(m_io);
    app::StakesController& stakes = book->stakes;
    ASSERT_TRUE(stakes.create(stake(30, {1, 2, 3, 4, 5}), 1));
    core::TCombsArray many(20000, core::TComb{{1, 2, 3, 4, 5}});
    {
        FileSizeLimit limit(5000 * stakes::StakeRecSize + 100);
        EXPECT_FALSE(stakes.addAll(many, 31, 1, u"много"_s));
    }
    const QStringList errors = m_io.messageTexts(app::MessageKind::Error);
    ASSERT_FALSE(errors.isEmpty());
    EXPECT_TRUE(errors.last().startsWith(u"Ошибка добавления записи в файл ставок!\n\n"_s));
    const qint64 size = QFileInfo(folder().stakesFile()).size();
    EXPECT_EQ(size % stakes::StakeRecSize, 0);
    EXPECT_LE(size, 5000 * stakes::StakeRecSize);
    const std::vector<stakes::TStakeRec> records = onDisk();
    EXPECT_EQ(records[0].DrawNum, 30);
    EXPECT_EQ(stakes.count(), qint64(records.size()));

    // A deletion that finds no room leaves the file as it was.
    const QByteArray before = ReadFile(folder().stakesFile());
    m_io.answers.enqueue(true);
    {
        FileSizeLimit limit(100 * stakes::StakeRecSize);
        EXPECT_FALSE(stakes.stakeDel(1, 1));
    }
    EXPECT_EQ(ReadFile(folder().stakesFile()), before);
    EXPECT_TRUE(
        m_io.messageTexts(app::MessageKind::Error).last().startsWith(u"Ошибка удаления записи из файла ставок!\n\n"_s));
    EXPECT_EQ(stakes.read(0, false).DrawNum, 30) << "the file is still open and readable";
}

TEST_F(StakesControllerTest, TheHoldSurvivesTheRenameOfADeletion)
{
    app::Session first(m_io, folder());
    first.create();
    ASSERT_EQ(first.initialise(), app::Session::InitResult::Running);
    app::StakesController& stakes = first.stakes();
    ASSERT_TRUE(stakes.append(stake(30, {1, 2, 3, 4, 5}), 1));
    ASSERT_TRUE(stakes.append(stake(31, {1, 2, 3, 4, 5}), 1));
    ASSERT_TRUE(stakes.deleteRows(1, 1));
    FakeUserIo io;
    app::Session second(io, folder());
    EXPECT_EQ(second.initialise(), app::Session::InitResult::Terminate);
    EXPECT_TRUE(io.messageTexts(app::MessageKind::Error).value(0).startsWith(u"Невозможно получить монопольный"_s));
}

TEST_F(StakesControllerTest, GraphsOfProfitsAndOfCommentsGoToTheGraphWindow)
{
    auto book = start(m_io);
    app::StakesController& stakes = book->stakes;
    stakes.graphDraws();
    EXPECT_TRUE(m_io.graphs.empty());
    EXPECT_EQ(m_io.messageTexts(app::MessageKind::Error).last(),
              u"Для построения графиков необходимо, чтобы в выделенном диапазоне данных было более одного тиража!"_s);

    for (int d = 1; d <= 3; ++d)
        ASSERT_TRUE(stakes.append(stake(d, {d, d + 10, d + 20, 50, 51}, u"строка"_s), 1));
    ASSERT_TRUE(stakes.checkAndSave());
    stakes.graphDraws();
    ASSERT_EQ(m_io.graphs.size(), 1u);
    EXPECT_EQ(m_io.graphs[0].Title, u"График суммарного профита ставок по тиражам"_s);
    EXPECT_DOUBLE_EQ(m_io.graphs[0].Series[2].Points.back().Y, 24.0);

    stakes.graphOverlap({u"СТРОКА"_s});
    ASSERT_EQ(m_io.graphs.size(), 2u);
    EXPECT_EQ(m_io.graphs[1].Title, u"График количества совпадений для всех ставок по тиражам"_s);
    EXPECT_EQ(m_io.graphs[1].Series[0].Points.size(), 3u);
    stakes.graphProfits({});
    EXPECT_EQ(m_io.graphs.size(), 2u);

    book->ratings.graphOverlap({0});
    ASSERT_EQ(m_io.graphs.size(), 3u);
    const core::GraphData& chart = m_io.graphs[2];
    EXPECT_EQ(chart.Title, u"График количества совпадений для выделенных строк рейтинга"_s);
    ASSERT_EQ(chart.Series.size(), 2u);
    EXPECT_EQ(chart.Series[0].Title, u"Нормальные значения"_s);
    EXPECT_NEAR(chart.Series[0].Points[0].Y, 1906884.0 * 3 / 3162510, 1e-9);
    EXPECT_EQ(chart.Series[1].Points[3].Y, 3);
}

TEST_F(StakesControllerTest, TheRatingIsSortedSavedRefreshedAndReadBack)
{
    auto book = start(m_io);
    app::StakesController& stakes = book->stakes;
    app::RatingsController& ratings = book->ratings;
    ASSERT_TRUE(stakes.append(stake(4, {4, 14, 24, 34, 1}, u"четыре"_s), 1));
    ASSERT_TRUE(stakes.append(stake(4, {50, 51, 52, 53, 54}, u"ноль"_s), 1));
    ASSERT_TRUE(stakes.append(stake(5, {5, 51, 52, 53, 54}, u"ноль"_s), 1));
    ASSERT_TRUE(stakes.checkAndSave());
    const auto names = [&] {
        QStringList list;
        for (const auto& r : ratings.rows())
            list << r.Name;
        return list;
    };
    ratings.sort(scripts::RColSum, true);
    EXPECT_EQ(names(), QStringList({u"четыре"_s, u"ноль"_s}));
    core::TRatingsArray stored;
    ASSERT_TRUE(scripts::RatingsReadFile(ratings.path(), stored, nullptr, nullptr));
    EXPECT_EQ(stored[0].Name, u"четыре"_s) << "the file is rewritten in the new order";
    ratings.sort(scripts::RColCount, true);
    EXPECT_EQ(names(), QStringList({u"ноль"_s, u"четыре"_s}));

    // Without a refresh the rating still counts deleted stakes; the refresh forgets them.
    m_io.answers.enqueue(true);
    ASSERT_TRUE(stakes.stakeDel(2, 3));
    EXPECT_EQ(ratings.rows()[0].Count, 2);
    m_io.answers.enqueue(false);
    EXPECT_FALSE(ratings.refresh(stakes.file()));
    EXPECT_EQ(ratings.rows().size(), 2u);
    m_io.answers.enqueue(true);
    ASSERT_TRUE(ratings.refresh(stakes.file()));
    EXPECT_EQ(names(), QStringList({u"четыре"_s}));

    // The sort and the mode come back with the window state; a torn file keeps its whole rows.
    ratings.setEffMode(scripts::EfficiencyMode::Expected);
    ASSERT_TRUE(
        core::StateWriteString(folder().stateFile(), core::kMainWindowSection, u"lvRatings.SortType"_s, u"1,1"_s));
    book->shutdown();
    book.reset();
    QFile torn(folder().file(u"Vertoma_5x54.lrt"_s));
    ASSERT_TRUE(torn.open(QIODevice::Append));
    torn.write("xyz");
    torn.close();
    FakeUserIo io;
    auto again = start(io);
    EXPECT_EQ(again->ratings.effMode(), scripts::EfficiencyMode::Expected);
    EXPECT_EQ(again->ratings.sortColumn(), 1);
    EXPECT_TRUE(again->ratings.sortDescending());
    EXPECT_EQ(again->ratings.rows().size(), 1u);
    EXPECT_TRUE(io.messageTexts(app::MessageKind::Warning).value(0).contains(u"3 байт"_s));
    EXPECT_EQ(QFileInfo(again->ratings.path()).size(), 296) << "the load's sort rewrote it whole";
}
