// The script on the session: its lines and working copy, the run and the back-test with their
// result modes, stops, stakes, ratings and log, and the run's caches against the plain order.

#include "FakeUserIo.h"
#include "TestHelpers.h"
#include "TestPaths.h"
#include "app/ArchiveController.h"
#include "app/CandidatesController.h"
#include "app/RatingsController.h"
#include "app/ScriptController.h"
#include "app/Session.h"
#include "app/StakesController.h"
#include "combos/CombFiles.h"
#include "core/Cp1251.h"
#include "core/GameMath.h"
#include "core/Settings.h"
#include "scripts/ScriptFile.h"
#include "stakes/StakeRecord.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using testsupport::FakeUserIo;
using testsupport::ReadFile;
using namespace Qt::StringLiterals;

namespace {

// A filter that keeps every combination: every row of the numbers table is selected.
const QString kKeepAll = u"TMF1#NUMS:10#LNO:#SF:1"_s;

class ScriptRunTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const QString archive = m_dir.filePath(u"Vertoma_5x54.ldr"_s);
        ASSERT_TRUE(QFile::copy(QStringLiteral(VERTOMA_SHARED_DATA_DIR "/Vertoma_5x54.ldr"), archive));
        QFile::setPermissions(archive, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }

    core::DataFolder folder() const { return {m_dir.path(), u"Vertoma_5x54"_s, m_dir.path()}; }

    // The start list of every FULL line is this list (a generation from a file).
    void startFrom(const core::TCombsArray& combs)
    {
        const QString path = m_dir.filePath(u"start.lcv"_s);
        ASSERT_TRUE(combos::SaveCombsFile(path, combs, nullptr));
        core::TGenSettings gen;
        gen.Mode = 4;
        gen.Param = path;
        ASSERT_TRUE(core::GenSettingsSave(folder().configFile(), gen));
    }

    // Forty combinations 1 2 3 4 5 .. 1 2 3 4 44, in that order.
    static core::TCombsArray forty()
    {
        core::TCombsArray list;
        for (int e = 5; e <= 44; ++e)
            list.push_back(core::TComb{{1, 2, 3, 4, std::uint8_t(e)}});
        return list;
    }

    app::Session& start(const QStringList& lines)
    {
        m_session = std::make_unique<app::Session>(m_io, folder());
        m_session->create();
        EXPECT_EQ(m_session->initialise(), app::Session::InitResult::Running);
        m_session->script().useLines(lines);
        m_session->script().seedRandom(7);
        return *m_session;
    }

    std::vector<stakes::TStakeRec> stakesMade() const
    {
        const QByteArray bytes = ReadFile(folder().stakesFile());
        std::vector<stakes::TStakeRec> records;
        for (qsizetype at = 0; at + stakes::StakeRecSize <= bytes.size(); at += stakes::StakeRecSize) {
            const stakes::TStakeRec r = stakes::StakeFromBytes(bytes.constData() + at);
            if (r.DrawNum > 0)
                records.push_back(r);
        }
        return records;
    }

    // The run log's lines without their time stamps.
    QStringList logLines(const QString& path) const
    {
        QStringList lines;
        for (const QString& line : cp1251::decode(ReadFile(path)).split(u"\r\n"_s, Qt::SkipEmptyParts))
            lines << line.section(u"]: "_s, 1);
        return lines;
    }

    QTemporaryDir m_dir;
    FakeUserIo m_io;
    std::unique_ptr<app::Session> m_session;
};

} // namespace

TEST_F(ScriptRunTest, FirstStakesTheFirstOfTheFortyLeftWithTheLinesComment)
{
    startFrom(forty());
    app::Session& s = start({u"EXCL:3#FIRST|"_s + kKeepAll + u"| | | | | | |"_s});
    ASSERT_TRUE(s.script().run());
    const auto made = stakesMade();
    ASSERT_EQ(made.size(), 1u);
    EXPECT_EQ(made[0].Numbers.Values[4], 5);
    EXPECT_EQ(made[0].Kind, stakes::KindScript);
    EXPECT_EQ(made[0].DrawNum, s.archive().nextDrawNum(0));
    EXPECT_EQ(stakes::StakeComment(made[0]), u"01.001: @ EXCL:3#FIRST + "_s + kKeepAll);
    EXPECT_EQ(s.script().lastRunEnd(), app::ScriptController::RunEnd::Completed);
    EXPECT_EQ(s.candidates().combs().size(), 40u) << "the list of the last variant stays";
    EXPECT_EQ(s.candidates().undoCount(), 0u);
}

TEST_F(ScriptRunTest, LastRandomAndAllPickFromTheList)
{
    startFrom(forty());
    app::Session& s = start({u"FULL:0#LAST|"_s + kKeepAll + u"| | | | | | |"_s,
                             u"FULL:0#RAND|"_s + kKeepAll + u"| | | | | | |"_s,
                             u"FULL:0#ALL|"_s + kKeepAll + u"| | | | | | |all"_s});
    ASSERT_TRUE(s.script().run());
    const auto made = stakesMade();
    ASSERT_EQ(made.size(), 42u);
    EXPECT_EQ(made[0].Numbers.Values[4], 44);
    EXPECT_GE(made[1].Numbers.Values[4], 5);
    EXPECT_LE(made[1].Numbers.Values[4], 44);
    for (int i = 0; i < 40; ++i) {
        EXPECT_EQ(made[std::size_t(2 + i)].Numbers.Values[4], 5 + i);
        EXPECT_EQ(stakes::StakeComment(made[std::size_t(2 + i)]), u"03.001: all @ FULL#ALL + "_s + kKeepAll);
    }
}

TEST_F(ScriptRunTest, StopEndsTheRunSkipGoesOnAndOneCombinationIsAlwaysStaked)
{
    startFrom(forty());
    app::Session& s = start({u"FULL:0#SKIP|"_s + kKeepAll + u"| | | | | | |"_s,
                             u"FULL:0#STOP|"_s + kKeepAll + u"| | | | | | |"_s,
                             u"FULL:0#FIRST|"_s + kKeepAll + u"| | | | | | |"_s});
    ASSERT_TRUE(s.script().run());
    EXPECT_TRUE(stakesMade().empty()) << "SKIP made none and STOP ended the run before line 3";
    EXPECT_EQ(s.script().lastRunEnd(), app::ScriptController::RunEnd::Stopped);
    const QStringList warnings = m_io.messageTexts(app::MessageKind::Warning);
    ASSERT_EQ(warnings.size(), 1);
    EXPECT_EQ(warnings[0], u"Выполнение сценария прервано, т.к. после применения всех фильтров в списке комбинаций их "
                           "осталось более одной: 40!\n\nФильтры: 02.001: @ FULL#STOP + "_s +
                               kKeepAll);
    EXPECT_FALSE(s.script().running());
    EXPECT_FALSE(s.script().stopRequested());

    startFrom({core::TComb{{7, 8, 9, 10, 11}}});
    app::Session& one = start({u"FULL:0#STOP|"_s + kKeepAll + u"| | | | | | |"_s,
                               u"FULL:0#SKIP|"_s + kKeepAll + u"| | | | | | |"_s});
    ASSERT_TRUE(one.script().run());
    EXPECT_EQ(stakesMade().size(), 2u);
}

TEST_F(ScriptRunTest, NoneStakesNothingAndHandsItsListToTheNextCurrentLine)
{
    startFrom(forty());
    // Line 1 keeps the combinations with 20 (1 2 3 4 20) by its own numbers filter and stakes
    // nothing; line 2 starts from that list.
    app::Session& s = start({u"FULL:0#NONE|TMF1#NUMS:10#LVA:20#SF:1| | | | | | |"_s,
                             u"CURR:0#FIRST|"_s + kKeepAll + u"| | | | | | |"_s});
    // No rows with value 20 in the table of the last ten draws means nothing is kept; the
    // list the line hands on is what its filter left in any case.
    ASSERT_TRUE(s.script().run());
    const auto made = stakesMade();
    ASSERT_EQ(made.size(), 1u);
    EXPECT_EQ(stakes::StakeComment(made[0]).left(7), u"02.001:"_s);
    EXPECT_EQ(made[0].SampleSize, int(s.candidates().combs().size()));
    EXPECT_LE(s.candidates().combs().size(), 40u);
}

TEST_F(ScriptRunTest, ALineWithoutFiltersStakesFromItsStartList)
{
    startFrom(forty());
    app::Session& s = start({u"FULL:0#FIRST| | | | | | | |без фильтров"_s});
    s.script().setLogEnabledForRun(true);
    ASSERT_TRUE(s.script().run());
    const auto made = stakesMade();
    ASSERT_EQ(made.size(), 1u);
    EXPECT_EQ(stakes::StakeComment(made[0]), u"01.000: без фильтров @ FULL#FIRST"_s);
    const QStringList log = logLines(s.script().lastLogPath());
    EXPECT_TRUE(log.contains(u"{ERROR} Фильтры не применялись!"_s));
}

TEST_F(ScriptRunTest, TheLogHasEveryLineInItsOrder)
{
    startFrom(forty());
    app::Session& s = start({u"FULL:0#FIRST|"_s + kKeepAll + u"| | | | | | |"_s});
    s.script().setLogEnabledForRun(true);
    ASSERT_TRUE(s.script().run());
    const QString path = s.script().lastLogPath();
    ASSERT_TRUE(QFileInfo(path).fileName().startsWith(u"ScriptLog_"_s));
    EXPECT_EQ(m_io.openedUrls.value(0), path) << "the log opens when the run ends";
    const QStringList log = logLines(path);
    const QString dash = QString(94, u'-');
    const QString line = u"FULL:0#FIRST|"_s + kKeepAll + u"| | | | | | |"_s;
    const QStringList head{
        u"### ЗАПУСК СЦЕНАРИЯ "_s.leftJustified(94, u'#'),
        QString(94, u'='),
        u"=== Выполнение сценария для смещения 000000 "_s.leftJustified(94, u'='),
        QString(94, u'='),
        dash,
        u"Выполнение строки 001: \""_s + line + u'"',
        dash,
        u"Создание всех вариантов фильтров..."_s,
        u"Создано 1 вариантов фильтров."_s,
        QString(),
        dash,
        u"Применение набора фильтров 001: \""_s + kKeepAll + u'"',
        dash,
        u"Создание начального списка комбинаций..."_s,
        u"Количество комбинаций в списке: 40"_s,
    };
    ASSERT_GE(log.size(), head.size());
    EXPECT_EQ(log.mid(0, head.size()), head);
    // Then the filter's own lines, the stake lines and the closing lines.
    const qsizetype mode = log.indexOf(u"{*} Добавление ставки, режим: \"Выбрать первую комбинацию в списке\""_s);
    ASSERT_GT(mode, head.size());
    EXPECT_TRUE(log[mode + 1].startsWith(u"{+} Ставка на тираж 1115 добавлена в список ставок: [1;2;3;4;5]"_s));
    EXPECT_EQ(log[mode + 2], dash);
    EXPECT_EQ(log.last(), u"### ЗАВЕРШЕНИЕ СЦЕНАРИЯ "_s.leftJustified(94, u'#'));
}

TEST_F(ScriptRunTest, ATestRunsAtEachPastDrawAndReturnsToItsOffset)
{
    startFrom(forty());
    app::Session& s = start({u"FULL:0#FIRST|"_s + kKeepAll + u"| | | | | | |"_s});
    const int last = s.archive().draws().back().Num;
    m_io.testCounts.enqueue(3);
    ASSERT_TRUE(s.script().test());
    EXPECT_EQ(m_io.testCountMaxima.value(0), int(s.archive().draws().size()) - 1);
    EXPECT_EQ(s.archive().offset(), 0);
    const auto made = stakesMade();
    ASSERT_EQ(made.size(), 3u);
    EXPECT_EQ(made[0].DrawNum, last - 2);
    EXPECT_EQ(made[2].DrawNum, last);
    // Their draws are in the archive: checked at once, and rated.
    for (const auto& r : made)
        EXPECT_EQ(r.Checked, 1);
    ASSERT_EQ(s.ratings().rows().size(), 1u);
    EXPECT_EQ(s.ratings().rows()[0].Count, 3);

    // Stopped in its first cycle, the test stays at that offset.
    app::Session& again = start({u"FULL:0#STOP|"_s + kKeepAll + u"| | | | | | |"_s});
    ASSERT_TRUE(again.script().testWith(3));
    EXPECT_EQ(again.archive().offset(), 3);
    EXPECT_FALSE(again.script().testWith(int(again.archive().draws().size()))) << "no more tests than past draws";
}

TEST_F(ScriptRunTest, VariantsAreNumberedAndShownAsTheyRun)
{
    startFrom(forty());
    app::Session& s = start({u"FULL:0#FIRST|TMF1#NUMS:1-12;1#LNO:#SF:1| | | | | | |"_s});
    QStringList steps;
    QObject::connect(&s.script(), &app::ScriptController::panelsChanged, &s,
                     [&] { steps << s.script().panelText(4); });
    ASSERT_TRUE(s.script().run());
    EXPECT_TRUE(steps.contains(u"Фильтр 5 из 12: TMF1#NUMS:5#LNO:#SF:1"_s)) << steps.join(u'\n').toStdString();
    const auto made = stakesMade();
    ASSERT_EQ(made.size(), 12u);
    EXPECT_TRUE(stakes::StakeComment(made[0]).startsWith(u"01.001: @ FULL#FIRST + TMF1#NUMS:1#"_s));
    EXPECT_TRUE(stakes::StakeComment(made[11]).startsWith(u"01.012: @ FULL#FIRST + TMF1#NUMS:12#"_s));
}

TEST_F(ScriptRunTest, NewOnlySkipsWhatIsStakedAndLongCommentsAreCut)
{
    startFrom(forty());
    const QString longComment(300, u'ж');
    app::Session& s = start({u"FULL:0#FIRST#NEX|"_s + kKeepAll + u"| | | | | | |"_s,
                             u"FULL:0#FIRST#NEX|"_s + kKeepAll + u"| | | | | | |"_s + longComment});
    s.script().setLogEnabledForRun(true);
    ASSERT_TRUE(s.script().run());
    EXPECT_EQ(stakesMade().size(), 1u);
    EXPECT_TRUE(logLines(s.script().lastLogPath())
                    .contains(u"{-} Ставка на тираж 1115 не добавлена, так как уже имеется в списке ставок: [1;2;3;4;5]"_s));

    app::Session& t = start({u"FULL:0#LAST|"_s + kKeepAll + u"| | | | | | |"_s + longComment});
    ASSERT_TRUE(t.script().testWith(1));
    const auto made = stakesMade();
    const QString stored = stakes::StakeComment(made.back());
    EXPECT_EQ(stored.size(), 255);
    EXPECT_TRUE(stored.startsWith(u"01.001: жжж"_s));
    EXPECT_EQ(t.ratings().rows().back().Name, stored) << "the rating carries the cut text";
}

TEST_F(ScriptRunTest, ClearFlagAndCheckingPerLineDecideWhatIsRated)
{
    startFrom(forty());
    const QString line = u"FULL:0#FIRST#CLR|TMF1#NUMS:10,20#LNO:#SF:1| | | | | | |"_s;
    // Checked per variant: each variant's stake is rated before the next one clears the file.
    app::Session& s = start({line});
    ASSERT_TRUE(s.stakes().checkOnLine());
    ASSERT_TRUE(s.script().testWith(1));
    EXPECT_EQ(s.ratings().rows().size(), 2u);
    EXPECT_EQ(stakesMade().size(), 1u) << "the second variant cleared the first one's stake";
    s.shutdown();

    // Checked once after the lines: only the stake that survived the clearing is rated.
    QFile::remove(folder().file(u"Vertoma_5x54.lrt"_s));
    app::Session& once = start({line});
    once.stakes().setCheckOnLine(false);
    ASSERT_TRUE(once.script().testWith(1));
    EXPECT_EQ(once.ratings().rows().size(), 1u);
    EXPECT_TRUE(once.ratings().rows()[0].Name.startsWith(u"01.002:"_s));
}

TEST_F(ScriptRunTest, BadLinesStopTheRunWithAMessageAndKeepEarlierStakes)
{
    startFrom(forty());
    app::Session& s = start({u"FULL:0#FIRST|"_s + kKeepAll + u"| | | | | | |"_s,
                             u"FULL:0#FIRST|TMF1#XXXX:10#LNO:#SF:1| | | | | | |"_s,
                             u"FULL:0#FIRST|"_s + kKeepAll + u"| | | | | | |"_s});
    ASSERT_TRUE(s.script().run());
    EXPECT_EQ(s.script().lastRunEnd(), app::ScriptController::RunEnd::Failed);
    ASSERT_EQ(m_io.messageTexts(app::MessageKind::Error).size(), 1);
    EXPECT_EQ(stakesMade().size(), 1u) << "line 1's stake stays, line 3 never ran";

    // Variants that would not fit in memory are refused before they are made.
    m_session->shutdown();
    m_session.reset();
    FakeUserIo io;
    app::Session huge(io, folder());
    huge.create();
    ASSERT_EQ(huge.initialise(), app::Session::InitResult::Running);
    huge.script().useLines({u"FULL:0#FIRST|TMF1#NUMS:1-2000000000;1#LNO:#SF:1| | | | | | |"_s});
    ASSERT_TRUE(huge.script().run());
    EXPECT_EQ(huge.script().lastRunEnd(), app::ScriptController::RunEnd::Failed);
    ASSERT_EQ(io.messageTexts(app::MessageKind::Error).size(), 1);
    huge.shutdown();
}

TEST_F(ScriptRunTest, SystemModesPlayTheLocalSystemOverTheNumbersLeft)
{
    // Six different numbers in the list: 1 2 3 4 5 and 1 2 3 4 6.
    startFrom({core::TComb{{1, 2, 3, 4, 5}}, core::TComb{{1, 2, 3, 4, 6}}});
    const QString systems = folder().file(u"Systems"_s);
    ASSERT_TRUE(QDir().mkpath(systems));
    QFile file(systems + u"/5-06-2_0007.dat"_s);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("6 5 4 3 2\r\n1 2 3 4 5\r\n1 3 4 5 6\r\n");
    file.close();
    app::Session& s = start({u"FULL:0#SYSA|"_s + kKeepAll + u"| | | | | | |"_s,
                             u"FULL:0#SYSC|"_s + kKeepAll + u"| | | | | | |"_s});
    s.script().setLogEnabledForRun(true);
    ASSERT_TRUE(s.script().run());
    const auto made = stakesMade();
    // All three system lines, sorted; then only those in the list.
    ASSERT_EQ(made.size(), 4u);
    EXPECT_EQ(made[0].Numbers.Values[0], 2) << "6 5 4 3 2 sorted";
    EXPECT_EQ(made[3].Numbers.Values[4], 5);
    const QStringList log = logLines(s.script().lastLogPath());
    EXPECT_TRUE(log.contains(u"{#} Системная игра для 6 чисел [все система]: загружен файл \"5-06-2_0007\""_s));
    EXPECT_TRUE(log.contains(u"{#} Системная игра для 6 чисел [система * комбинации]: загружен файл \"5-06-2_0007\""_s));

    // Without a system for the count the line logs why and stakes nothing; the person hears of
    // it once per run.
    QFile::remove(systems + u"/5-06-2_0007.dat"_s);
    app::Session& none = start({u"FULL:0#SYSA|"_s + kKeepAll + u"| | | | | | |"_s});
    ASSERT_TRUE(none.script().testWith(3));
    EXPECT_EQ(stakesMade().size(), 4u);
    EXPECT_EQ(m_io.messageTexts(app::MessageKind::Error).size(), 1);
}

TEST_F(ScriptRunTest, RatingRowsBecomeLinesAndOthersAreRefused)
{
    startFrom(forty());
    app::Session& s = start({u"FULL:0#FIRST|"_s + kKeepAll + u"| | | | | | |мои"_s});
    ASSERT_TRUE(s.script().testWith(2));
    ASSERT_TRUE(s.stakes().create(s.stakes().newStake(stakes::KindManual, 100, core::ValueSetFromComb(core::TComb{{1, 2, 3, 4, 5}}),
                                                      u"руками"_s),
                                  1));
    const auto& rows = s.ratings().rows();
    ASSERT_EQ(rows.size(), 2u);
    const int script = rows[0].Name.startsWith(u"01.001"_s) ? 0 : 1;
    QSignalSpy wanted(&s.script(), &app::ScriptController::scriptPageWanted);
    const int before = s.script().lineCount();
    EXPECT_TRUE(s.script().ratingsToScript({0, 1}));
    ASSERT_EQ(s.script().lineCount(), before + 1);
    EXPECT_EQ(wanted.count(), 1);
    EXPECT_EQ(s.script().lines().last(), u"FULL#FIRST|"_s + kKeepAll + u"| | | | | | |01.001: мои"_s);
    EXPECT_EQ(rows[std::size_t(script)].Name, u"01.001: мои @ FULL#FIRST + "_s + kKeepAll);
    const QStringList errors = m_io.messageTexts(app::MessageKind::Error);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_EQ(errors[0], u"Строку\n\nруками\n\nневозможно добавить в сценарий!"_s);
    // The new line runs as the old one did.
    QStringList saved;
    ASSERT_TRUE(scripts::ScriptReadFile(s.script().workingCopyPath(), saved, nullptr, nullptr));
    EXPECT_EQ(saved.last(), s.script().lines().last());
}

TEST_F(ScriptRunTest, TheCachesGiveWhatThePlainOrderGives)
{
    QStringList reference;
    ASSERT_TRUE(scripts::ScriptReadFile(QStringLiteral(VERTOMA_SHARED_DATA_DIR "/../bench/reference.lsc"), reference,
                                        nullptr, nullptr));
    // A line with the clear flag whose variants share their first filter, and a CURR line.
    reference.prepend(u"FULL:0#FIRST#CLR|TMD1#NUMS:30#LMV:5#SF:1|TMD1#EVEN:50,100#CLV:1#SF:1| | | | | |общий"_s);
    // A keep filter whose rows the list no longer has, undone; a selection of no rows; a filter
    // walking row by row after filters that select at once; the list without the last draws.
    reference << u"FULL:0#FIRST|TMF1#SUMS:100#LVA:100#SF:1|TMF1#SUMS:100#LVA:200#SF:1|TMF1#NUMS:10#LVA:99#SF:1| | | | |откат"_s;
    reference << u"EXCL:3#LAST|TMD1#NUMS:20#LMV:3#SF:1|TSD1#EVEN:30#CLV:2#SC:1000|TMF1#SUMS:50#CMV:1#SF:1| | | | |строками"_s;
    reference << u"CURR:0#LAST|TMF1#SUMS:100#CMV:2,3#SF:1| | | | | | |дальше"_s;
    // A list that stays positions handed on to a CURR line, and a run that ends on positions.
    reference << u"FULL:0#RAND|TMF1#SUMS:100#CMV:1,2#SF:1|TMF1#NUMS:50#CMV:10#SF:1| | | | | |случай"_s;
    reference << u"CURR:0#FIRST|TMF1#EVEN:100#CMV:1#SF:1| | | | | | |из прошлого"_s;
    reference << u"FULL:0#LAST|TMF1#NUMS:40#CMV:20#SF:1|TMD1#SUMS:100#CLV:1#SF:1| | | | | |конец"_s;
    struct Outcome
    {
        QByteArray stakes;
        QByteArray ratings;
        QStringList log;
        core::TCombsArray combs;
        std::vector<combos::FilterHistoryRow> history;
    };
    const auto runWith = [&](bool caching, int count = 4) {
        QTemporaryDir dir;
        const QString archive = dir.filePath(u"Vertoma_5x54.ldr"_s);
        EXPECT_TRUE(QFile::copy(QStringLiteral(VERTOMA_SHARED_DATA_DIR "/Vertoma_5x54.ldr"), archive));
        QFile::setPermissions(archive, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        FakeUserIo io;
        app::Session s(io, core::DataFolder(dir.path(), u"Vertoma_5x54"_s, dir.path()));
        s.create();
        EXPECT_EQ(s.initialise(), app::Session::InitResult::Running);
        s.script().useLines(reference);
        s.script().setCaching(caching);
        s.script().seedRandom(11);
        s.script().setLogEnabledForRun(true);
        EXPECT_TRUE(s.script().testWith(count));
        Outcome o{ReadFile(dir.filePath(u"Vertoma_5x54.lsk"_s)),
                  ReadFile(dir.filePath(u"Vertoma_5x54.lrt"_s)),
                  {},
                  s.candidates().combs(),
                  s.candidates().history()};
        for (const QString& line : cp1251::decode(ReadFile(s.script().lastLogPath())).split(u"\r\n"_s))
            o.log << line.section(u"]: "_s, 1);
        s.shutdown();
        return o;
    };
    // One analysis point alone takes the paths of a single run.
    const Outcome cachedOnce = runWith(true, 1);
    const Outcome plainOnce = runWith(false, 1);
    EXPECT_GT(cachedOnce.stakes.size(), 5 * stakes::StakeRecSize);
    EXPECT_EQ(cachedOnce.stakes, plainOnce.stakes);
    EXPECT_EQ(cachedOnce.ratings, plainOnce.ratings);
    EXPECT_EQ(cachedOnce.log, plainOnce.log);
    EXPECT_EQ(cachedOnce.combs, plainOnce.combs);
    const Outcome cached = runWith(true);
    const Outcome plain = runWith(false);
    // The clear flag leaves the last cycle's stakes; the rating holds every cycle's.
    EXPECT_GT(cached.stakes.size(), 5 * stakes::StakeRecSize);
    EXPECT_GT(cached.ratings.size(), 10 * 296);
    EXPECT_EQ(cached.stakes, plain.stakes);
    EXPECT_EQ(cached.ratings, plain.ratings);
    ASSERT_EQ(cached.log.size(), plain.log.size());
    for (qsizetype i = 0; i < cached.log.size(); ++i)
        ASSERT_EQ(cached.log[i], plain.log[i]) << "log line " << i;
    // The undone step and the row-by-row walk did happen.
    EXPECT_TRUE(cached.log.contains(u"{UNDO} Откат изменений..."_s));
    EXPECT_TRUE(std::any_of(cached.log.begin(), cached.log.end(),
                            [](const QString& l) { return l.startsWith(u"Шаг 002. Выделение строки"_s); }));
    EXPECT_EQ(cached.combs, plain.combs);
    ASSERT_EQ(cached.history.size(), plain.history.size());
    for (std::size_t i = 0; i < cached.history.size(); ++i) {
        EXPECT_EQ(cached.history[i].Name, plain.history[i].Name) << i;
        EXPECT_EQ(cached.history[i].Values, plain.history[i].Values) << i;
        EXPECT_EQ(cached.history[i].Count, plain.history[i].Count) << i;
        EXPECT_EQ(cached.history[i].Icon, plain.history[i].Icon) << i;
    }
}

TEST_F(ScriptRunTest, AFilterThatSelectsNoRowLeavesAWarningInTheLog)
{
    startFrom(forty());
    const QString filter = u"TMD1#EVEN:10#LVA:23,32#SF:1"_s;
    app::Session& s = start({u"FULL:0#FIRST|"_s + filter + u"| | | | | | |"_s});
    s.script().setLogEnabledForRun(true);
    ASSERT_TRUE(s.script().run());
    const QStringList log = logLines(s.script().lastLogPath());
    const QStringList warnings = log.filter(u"не выделил ни одной строки"_s);
    ASSERT_EQ(warnings.size(), 1) << log.join(u'\n').toStdString();
    EXPECT_TRUE(warnings[0].contains(filter));
    EXPECT_TRUE(warnings[0].endsWith(u"Таких значений у статистики нет: 23; 32."_s)) << warnings[0].toStdString();
    // The list was left whole: the first of the forty is staked.
    ASSERT_EQ(stakesMade().size(), 1u);
    EXPECT_EQ(stakesMade()[0].Numbers.Values[4], 5);
}
