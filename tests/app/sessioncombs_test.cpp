// The candidate list as the session runs it: undo, exclusion, filters, history, files, cache.

#include "FakeUserIo.h"
#include "TestHelpers.h"
#include "app/Session.h"
#include "core/DrawArchive.h"
#include "core/Settings.h"
#include "core/TextForms.h"

#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

using testsupport::FakeUserIo;
using testsupport::MakeDraw;

namespace {

core::TComb comb(int a, int b, int c, int d, int e)
{
    return core::TComb{{std::uint8_t(a), std::uint8_t(b), std::uint8_t(c), std::uint8_t(d), std::uint8_t(e)}};
}

class SessionCombs : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(core::SaveDrawsFile(folder().drawsFile(),
                                        {MakeDraw(1, {1, 2, 3, 4, 5}), MakeDraw(2, {10, 9, 8, 7, 6}),
                                         MakeDraw(3, {11, 12, 13, 14, 15}), MakeDraw(4, {20, 21, 22, 23, 24}),
                                         MakeDraw(5, {30, 31, 32, 33, 34})}));
        m_session = std::make_unique<app::Session>(m_io, folder());
        m_session->prepareStatistics();
        ASSERT_TRUE(m_session->drawsLoad());
    }

    core::DataFolder folder() const { return {m_dir.path(), QStringLiteral("Vertoma_5x54"), m_dir.path()}; }

    void generate(int mode, const char* param)
    {
        core::TGenSettings s;
        s.Mode = std::uint8_t(mode);
        s.Param = QString::fromUtf8(param);
        ASSERT_TRUE(session().combsGenerate(s, true));
    }

    app::Session& session() { return *m_session; }

    QTemporaryDir m_dir;
    FakeUserIo m_io;
    std::unique_ptr<app::Session> m_session;
};

} // namespace

TEST_F(SessionCombs, GenerationLeavesNothingToUndo)
{
    generate(0, "");
    EXPECT_EQ(session().combs().size(), 3162510u);
    EXPECT_EQ(session().undoCount(), 0u);
    EXPECT_TRUE(session().filterHistory().empty());
    EXPECT_EQ(session().statusPanel(3), QStringLiteral("Комбинаций: 3162510"));
    EXPECT_FALSE(session().combsUndo());
}

TEST_F(SessionCombs, ExclusionWindowFollowsTheOffset)
{
    // Numbers 1..15 hold draws 1..3 (in any order) among C(15,5) combinations.
    generate(2, "1;2;3;4;5;6;7;8;9;10;11;12;13;14;15");
    const std::size_t all = session().combs().size();
    ASSERT_EQ(all, 3003u);
    // The last 3 draws are 3, 4, 5: only draw 3 lies among these numbers.
    ASSERT_TRUE(session().combsDelExists(3));
    EXPECT_EQ(session().combs().size(), all - 1);
    EXPECT_FALSE(session().combsContains(comb(11, 12, 13, 14, 15)));
    ASSERT_EQ(session().filterHistory().size(), 1u);
    EXPECT_EQ(session().filterHistory()[0].Name, QStringLiteral("Последние тиражи"));
    EXPECT_EQ(session().filterHistory()[0].Values, QStringLiteral("3"));
    EXPECT_EQ(session().filterHistory()[0].Count, std::int64_t(all - 1));
    EXPECT_EQ(session().filterHistory()[0].Icon, combos::FilterHistoryRow::Kind::Removed);
    EXPECT_TRUE(m_io.statusTexts.contains(
        QStringLiteral("Удаление из списка комбинаций 3 последних тиражей ( завершено 0 % )...")));

    // Offset 2: the window of 3 ends at draw 3 and holds draws 1..3, drawn in any order.
    ASSERT_TRUE(session().combsUndo());
    session().setDrawsOffset(2);
    ASSERT_TRUE(session().combsDelExists(3));
    EXPECT_EQ(session().combs().size(), all - 3);
    EXPECT_FALSE(session().combsContains(comb(6, 7, 8, 9, 10)));
    // More than the analysed archive: the whole analysed archive.
    ASSERT_TRUE(session().combsUndo());
    ASSERT_TRUE(session().combsDelExists(1000));
    EXPECT_EQ(session().combs().size(), all - 3);
    EXPECT_FALSE(session().combsDelExists(0));
}

TEST_F(SessionCombs, UndoBringsBackOnlyTheLastStep)
{
    generate(2, "1;2;3;4;5;6;7");
    ASSERT_EQ(session().combs().size(), 21u);
    const stats::TStatList& list = session().statList();
    const int nums = list.IndexOfCode(QStringLiteral("NUMS"));
    core::TStatDrawArray seven(1);
    seven[0].Key = stats::KeyW(7);
    session().statFilter(nums, seven, {QStringLiteral("7")}, QStringLiteral("Числа тиража"), false);
    EXPECT_EQ(session().combs().size(), 15u) << "combinations with 7: C(6,4)";
    core::TStatDrawArray six(1);
    six[0].Key = stats::KeyW(6);
    session().statFilter(nums, six, {QStringLiteral("6")}, QStringLiteral("Числа тиража"), true);
    EXPECT_EQ(session().combs().size(), 5u) << "with 7 and without 6: C(5,4)";
    ASSERT_EQ(session().filterHistory().size(), 2u);
    EXPECT_EQ(session().filterHistory()[1].Icon, combos::FilterHistoryRow::Kind::Removed);
    EXPECT_EQ(session().filterHistory()[0].Icon, combos::FilterHistoryRow::Kind::Kept);
    EXPECT_EQ(session().filterHistory()[1].Values, QStringLiteral("6"));

    ASSERT_TRUE(session().combsUndo());
    EXPECT_EQ(session().combs().size(), 15u);
    EXPECT_EQ(session().filterHistory().size(), 1u);
    EXPECT_EQ(session().undoCount(), 0u);
    EXPECT_FALSE(session().combsUndo());

    // Keeping with no row selected changes nothing and writes no history row.
    session().statFilter(nums, {}, {}, QStringLiteral("Числа тиража"), false);
    EXPECT_EQ(session().combs().size(), 15u);
    EXPECT_EQ(session().filterHistory().size(), 1u);

    // Filter by numbers: duplicates dropped, empty refused before anything changes.
    session().combsSaveUndo(false);
    session().combsFilterByNumbers({1, 1, 2}, {QStringLiteral("1"), QStringLiteral("2")}, QStringLiteral("Карта"),
                                   false);
    EXPECT_EQ(session().filterHistory().back().Values, QStringLiteral("1; 2"));
    const std::size_t before = session().combs().size();
    EXPECT_THROW(session().combsFilterByNumbers({}, {}, QStringLiteral("Карта"), false), core::EConvertError);
    EXPECT_EQ(session().combs().size(), before);
}

TEST_F(SessionCombs, DeleteSelectedRows)
{
    generate(2, "1;2;3;4;5;6");
    ASSERT_TRUE(session().combsDelSelected({true, false, true}));
    EXPECT_EQ(session().combs().size(), 4u);
    EXPECT_EQ(session().filterHistory().back().Name, QStringLiteral("Выделенные комбинации"));
    EXPECT_EQ(session().filterHistory().back().Values, QStringLiteral("2"));
    EXPECT_FALSE(session().combsDelSelected({false}));
}

TEST_F(SessionCombs, FilesAndClipboard)
{
    generate(2, "1;2;3;4;5;6");
    const QString path = m_dir.filePath(QStringLiteral("mine.lcv"));
    m_io.pickedFiles.enqueue(path);
    ASSERT_TRUE(session().combsSave());
    EXPECT_EQ(m_io.pickerFilters.last(), QStringLiteral("Файлы комбинаций (*.lcv)"));
    ASSERT_TRUE(session().combsDelSelected({true}));
    m_io.pickedFiles.enqueue(path);
    ASSERT_TRUE(session().combsOpen());
    EXPECT_EQ(session().combs().size(), 6u);
    EXPECT_TRUE(session().filterHistory().empty());
    EXPECT_EQ(session().undoCount(), 0u);

    // A file that cannot be read brings the previous list back.
    m_io.pickedFiles.enqueue(m_dir.filePath(QStringLiteral("missing.lcv")));
    EXPECT_FALSE(session().combsOpen());
    EXPECT_EQ(session().combs().size(), 6u);
    EXPECT_EQ(m_io.messageTexts(app::MessageKind::Error).size(), 1);

    session().combsCopy({0, 5});
    EXPECT_EQ(m_io.clipboard, QStringLiteral("01 02 03 04 05\r\n02 03 04 05 06\r\n"));
    m_io.clipboard = QStringLiteral("1-2-3-4-9\r\n7 8 9 10 11 12\r\n");
    EXPECT_FALSE(session().combsPaste());
    EXPECT_EQ(session().combs().size(), 6u) << "a rejected paste keeps the list";
    EXPECT_TRUE(m_io.messageTexts(app::MessageKind::Error).last().contains(QStringLiteral("7 8 9 10 11 12")));
    m_io.clipboard = QStringLiteral("1-2-3-4-9\r\n");
    EXPECT_TRUE(session().combsPaste());
    ASSERT_EQ(session().combs().size(), 1u);
    EXPECT_EQ(session().combs()[0], comb(1, 2, 3, 4, 9));
    EXPECT_EQ(session().undoCount(), 0u);
}

TEST_F(SessionCombs, GenerationDialogStoresItsSettingsWhenAsked)
{
    core::TGenSettings s;
    s.Mode = 2;
    s.Param = QStringLiteral("1;2;3;4;5;6;7");
    m_io.genEdits.enqueue(std::make_pair(s, false));
    ASSERT_TRUE(session().combsGen());
    EXPECT_EQ(session().combs().size(), 21u);
    core::TGenSettings stored;
    ASSERT_TRUE(core::GenSettingsLoad(folder().configFile(), stored));
    EXPECT_EQ(stored.Mode, 0) << "not ticked: not stored";
    m_io.genEdits.enqueue(std::make_pair(s, true));
    ASSERT_TRUE(session().combsGen());
    ASSERT_TRUE(core::GenSettingsLoad(folder().configFile(), stored));
    EXPECT_EQ(stored.Mode, 2);
    EXPECT_EQ(stored.Param, s.Param);
    m_io.genEdits.enqueue(std::nullopt);
    EXPECT_FALSE(session().combsGen());

    // Mode 4 reads a combination file; a missing one is reported.
    core::TGenSettings file;
    file.Mode = 4;
    file.Param = m_dir.filePath(QStringLiteral("none.lcv"));
    EXPECT_FALSE(session().combsGenerate(file, true));
    EXPECT_TRUE(m_io.messageTexts(app::MessageKind::Error)
                    .last()
                    .startsWith(QStringLiteral("Ошибка генерации файла комбинаций!")));
}

TEST_F(SessionCombs, CacheKeyLivesOnlyInMemory)
{
    generate(2, "1;2;3;4;5;6");
    EXPECT_FALSE(session().combsBufferLoad(0, 3)) << "no cache yet";
    ASSERT_TRUE(session().combsBufferSave(0, 3));
    EXPECT_EQ(QFileInfo(session().combsBufferFile()).size(), 30);
    ASSERT_TRUE(session().combsDelSelected({true, true}));
    EXPECT_FALSE(session().combsBufferLoad(1, 3)) << "another key";
    ASSERT_TRUE(session().combsBufferLoad(0, 3));
    EXPECT_EQ(session().combs().size(), 6u);

    // A new run does not know the key, although the file is still there.
    app::Session again(m_io, folder());
    EXPECT_TRUE(QFileInfo::exists(again.combsBufferFile()));
    EXPECT_FALSE(again.combsBufferLoad(0, 3));
    session().combsBufferReset();
    EXPECT_FALSE(QFileInfo::exists(session().combsBufferFile()));
    EXPECT_FALSE(session().combsBufferLoad(0, 3));
}

TEST_F(SessionCombs, ColouringSwitchIsStoredAtOnceAndReadBack)
{
    const QString state = folder().stateFile();
    EXPECT_TRUE(session().windowState().ColorCombs);
    QSignalSpy look(&session(), &app::Session::combsLookChanged);
    QSignalSpy rows(&session(), &app::Session::combsChanged);
    session().setColorCombs(false);
    EXPECT_FALSE(session().windowState().ColorCombs);
    EXPECT_FALSE(core::StateReadBool(state, core::kMainWindowSection, QStringLiteral("ColorCombs"), true));
    EXPECT_EQ(look.count(), 1);
    EXPECT_EQ(rows.count(), 0);
    // Setting the same value again neither writes nor repaints.
    session().setColorCombs(false);
    EXPECT_EQ(look.count(), 1);

    app::Session again(m_io, folder());
    again.create();
    EXPECT_FALSE(again.windowState().ColorCombs);
    ASSERT_TRUE(core::StateWriteBool(state, core::kMainWindowSection, QStringLiteral("ColorCombs"), true));
    app::Session third(m_io, folder());
    third.create();
    EXPECT_TRUE(third.windowState().ColorCombs);
}

TEST_F(SessionCombs, NarrowingInOneStepMatchesSavingThenFiltering)
{
    // 27 numbers give 80,730 combinations, enough for the pass to be shared by both cores.
    QStringList first27;
    for (int n = 1; n <= 27; ++n)
        first27 << QString::number(n);
    generate(2, first27.join(u';').toUtf8().constData());
    ASSERT_EQ(session().combs().size(), 80730u);
    const core::TCombsArray start = session().combs();
    const stats::TStatList& list = session().statList();
    const auto sums = list.CreateStat(list.IndexOfCode(QStringLiteral("SUMS")));
    core::TStatDrawArray middle;
    for (std::uint32_t s = 60; s <= 80; ++s) {
        core::TStatDrawRec r;
        r.Key = stats::KeyHalves(s);
        middle.push_back(r);
    }
    for (const bool exclude : {false, true}) {
        session().combsSaveUndo(false);
        session().combsFilterByValues(*sums, middle, QStringLiteral("60-80"), QStringLiteral("Сумма"), exclude);
        const core::TCombsArray twoSteps = session().combs();
        ASSERT_TRUE(session().combsUndo());
        ASSERT_EQ(session().combs(), start);

        session().combsNarrowByValues(*sums, middle, QStringLiteral("60-80"), QStringLiteral("Сумма"), exclude);
        EXPECT_EQ(session().combs(), twoSteps) << "exclude " << exclude;
        EXPECT_EQ(session().undoCount(), start.size());
        EXPECT_EQ(session().filterHistory().back().Values, QStringLiteral("60-80"));
        // The undo copy is the list as it was.
        ASSERT_TRUE(session().combsUndo());
        EXPECT_EQ(session().combs(), start);
    }

    // A second step narrows what the first left, and its undo brings back the first result.
    session().combsNarrowByValues(*sums, middle, QStringLiteral("60-80"), QStringLiteral("Сумма"), false);
    const core::TCombsArray first = session().combs();
    const auto nums = list.CreateStat(list.IndexOfCode(QStringLiteral("NUMS")));
    core::TStatDrawArray seven(1);
    seven[0].Key = stats::KeyW(7);
    session().combsNarrowByValues(*nums, seven, QStringLiteral("7"), QStringLiteral("Числа"), true);
    for (const core::TComb& c : session().combs())
        EXPECT_TRUE(std::find(std::begin(c.v), std::end(c.v), 7) == std::end(c.v));
    EXPECT_LT(session().combs().size(), first.size());
    ASSERT_TRUE(session().combsUndo());
    EXPECT_EQ(session().combs(), first);

    // No values: the list stays, the undo copy is still taken, no history row.
    const std::size_t rows = session().filterHistory().size();
    session().combsNarrowByValues(*nums, {}, QString(), QStringLiteral("Числа"), false);
    EXPECT_EQ(session().combs(), first);
    EXPECT_EQ(session().undoCount(), first.size());
    EXPECT_EQ(session().filterHistory().size(), rows);
}
