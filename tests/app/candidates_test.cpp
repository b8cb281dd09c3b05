// The candidate list built from its parts, without a session: undo, exclusion, filters, history,
// files, cache.

#include "AnalysisParts.h"
#include "FakeUserIo.h"
#include "TestHelpers.h"
#include "app/ArchiveController.h"
#include "app/CandidatesController.h"
#include "app/Session.h"
#include "app/StatisticsController.h"
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

class Candidates : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(core::SaveDrawsFile(folder().drawsFile(),
                                        {MakeDraw(1, {1, 2, 3, 4, 5}), MakeDraw(2, {10, 9, 8, 7, 6}),
                                         MakeDraw(3, {11, 12, 13, 14, 15}), MakeDraw(4, {20, 21, 22, 23, 24}),
                                         MakeDraw(5, {30, 31, 32, 33, 34})}));
        m_parts = std::make_unique<testsupport::AnalysisParts>(m_io, folder());
        m_parts->prepare();
        ASSERT_TRUE(archive().load());
    }

    core::DataFolder folder() const { return {m_dir.path(), QStringLiteral("Vertoma_5x54"), m_dir.path()}; }

    void generate(int mode, const char* param)
    {
        core::TGenSettings s;
        s.Mode = std::uint8_t(mode);
        s.Param = QString::fromUtf8(param);
        ASSERT_TRUE(candidates().generate(s, true));
    }

    app::Services& services() { return m_parts->services; }
    app::ArchiveController& archive() { return m_parts->archive; }
    app::StatisticsController& statistics() { return m_parts->statistics; }
    app::CandidatesController& candidates() { return m_parts->candidates; }

    QTemporaryDir m_dir;
    FakeUserIo m_io;
    std::unique_ptr<testsupport::AnalysisParts> m_parts;
};

} // namespace

TEST_F(Candidates, GenerationLeavesNothingToUndo)
{
    QSignalSpy panels(&services(), &app::Services::statusPanelsChanged);
    generate(0, "");
    EXPECT_EQ(candidates().combs().size(), 3162510u);
    EXPECT_EQ(candidates().undoCount(), 0u);
    EXPECT_TRUE(candidates().history().empty());
    EXPECT_EQ(panels.count(), 1);
    EXPECT_FALSE(candidates().undo());
}

TEST_F(Candidates, ExclusionWindowFollowsTheOffset)
{
    // Numbers 1..15 hold draws 1..3 (in any order) among C(15,5) combinations.
    generate(2, "1;2;3;4;5;6;7;8;9;10;11;12;13;14;15");
    const std::size_t all = candidates().combs().size();
    ASSERT_EQ(all, 3003u);
    // The last 3 draws are 3, 4, 5: only draw 3 lies among these numbers.
    ASSERT_TRUE(candidates().deleteDrawn(3));
    EXPECT_EQ(candidates().combs().size(), all - 1);
    EXPECT_FALSE(candidates().contains(comb(11, 12, 13, 14, 15)));
    ASSERT_EQ(candidates().history().size(), 1u);
    EXPECT_EQ(candidates().history()[0].Name, QStringLiteral("Последние тиражи"));
    EXPECT_EQ(candidates().history()[0].Values, QStringLiteral("3"));
    EXPECT_EQ(candidates().history()[0].Count, std::int64_t(all - 1));
    EXPECT_EQ(candidates().history()[0].Icon, combos::FilterHistoryRow::Kind::Removed);
    EXPECT_TRUE(m_io.statusTexts.contains(
        QStringLiteral("Удаление из списка комбинаций 3 последних тиражей ( завершено 0 % )...")));

    // Offset 2: the window of 3 ends at draw 3 and holds draws 1..3, drawn in any order.
    ASSERT_TRUE(candidates().undo());
    archive().setOffset(2);
    ASSERT_TRUE(candidates().deleteDrawn(3));
    EXPECT_EQ(candidates().combs().size(), all - 3);
    EXPECT_FALSE(candidates().contains(comb(6, 7, 8, 9, 10)));
    // More than the analysed archive: the whole analysed archive.
    ASSERT_TRUE(candidates().undo());
    ASSERT_TRUE(candidates().deleteDrawn(1000));
    EXPECT_EQ(candidates().combs().size(), all - 3);
    EXPECT_FALSE(candidates().deleteDrawn(0));
}

TEST_F(Candidates, UndoBringsBackOnlyTheLastStep)
{
    generate(2, "1;2;3;4;5;6;7");
    ASSERT_EQ(candidates().combs().size(), 21u);
    const stats::TStatList& list = statistics().list();
    const int nums = list.IndexOfCode(QStringLiteral("NUMS"));
    core::TStatDrawArray seven(1);
    seven[0].Key = stats::KeyW(7);
    candidates().statFilter(nums, seven, {QStringLiteral("7")}, QStringLiteral("Числа тиража"), false);
    EXPECT_EQ(candidates().combs().size(), 15u) << "combinations with 7: C(6,4)";
    core::TStatDrawArray six(1);
    six[0].Key = stats::KeyW(6);
    candidates().statFilter(nums, six, {QStringLiteral("6")}, QStringLiteral("Числа тиража"), true);
    EXPECT_EQ(candidates().combs().size(), 5u) << "with 7 and without 6: C(5,4)";
    ASSERT_EQ(candidates().history().size(), 2u);
    EXPECT_EQ(candidates().history()[1].Icon, combos::FilterHistoryRow::Kind::Removed);
    EXPECT_EQ(candidates().history()[0].Icon, combos::FilterHistoryRow::Kind::Kept);
    EXPECT_EQ(candidates().history()[1].Values, QStringLiteral("6"));

    ASSERT_TRUE(candidates().undo());
    EXPECT_EQ(candidates().combs().size(), 15u);
    EXPECT_EQ(candidates().history().size(), 1u);
    EXPECT_EQ(candidates().undoCount(), 0u);
    EXPECT_FALSE(candidates().undo());

    // Keeping with no row selected changes nothing and writes no history row.
    candidates().statFilter(nums, {}, {}, QStringLiteral("Числа тиража"), false);
    EXPECT_EQ(candidates().combs().size(), 15u);
    EXPECT_EQ(candidates().history().size(), 1u);

    // Filter by numbers: duplicates dropped, empty refused before anything changes.
    candidates().saveUndo(false);
    candidates().filterByNumbers({1, 1, 2}, {QStringLiteral("1"), QStringLiteral("2")}, QStringLiteral("Карта"), false);
    EXPECT_EQ(candidates().history().back().Values, QStringLiteral("1; 2"));
    const std::size_t before = candidates().combs().size();
    EXPECT_THROW(candidates().filterByNumbers({}, {}, QStringLiteral("Карта"), false), core::EConvertError);
    EXPECT_EQ(candidates().combs().size(), before);
}

TEST_F(Candidates, DeleteSelectedRows)
{
    generate(2, "1;2;3;4;5;6");
    ASSERT_TRUE(candidates().removeSelected({true, false, true}));
    EXPECT_EQ(candidates().combs().size(), 4u);
    EXPECT_EQ(candidates().history().back().Name, QStringLiteral("Выделенные комбинации"));
    EXPECT_EQ(candidates().history().back().Values, QStringLiteral("2"));
    EXPECT_FALSE(candidates().removeSelected({false}));
}

TEST_F(Candidates, FilesAndClipboard)
{
    generate(2, "1;2;3;4;5;6");
    const QString path = m_dir.filePath(QStringLiteral("mine.lcv"));
    m_io.pickedFiles.enqueue(path);
    ASSERT_TRUE(candidates().save());
    EXPECT_EQ(m_io.pickerFilters.last(), QStringLiteral("Файлы комбинаций (*.lcv)"));
    ASSERT_TRUE(candidates().removeSelected({true}));
    m_io.pickedFiles.enqueue(path);
    ASSERT_TRUE(candidates().open());
    EXPECT_EQ(candidates().combs().size(), 6u);
    EXPECT_TRUE(candidates().history().empty());
    EXPECT_EQ(candidates().undoCount(), 0u);

    // A file that cannot be read brings the previous list back.
    m_io.pickedFiles.enqueue(m_dir.filePath(QStringLiteral("missing.lcv")));
    EXPECT_FALSE(candidates().open());
    EXPECT_EQ(candidates().combs().size(), 6u);
    EXPECT_EQ(m_io.messageTexts(app::MessageKind::Error).size(), 1);

    candidates().copy({0, 5});
    EXPECT_EQ(m_io.clipboard, QStringLiteral("01 02 03 04 05\r\n02 03 04 05 06\r\n"));
    m_io.clipboard = QStringLiteral("1-2-3-4-9\r\n7 8 9 10 11 12\r\n");
    EXPECT_FALSE(candidates().paste());
    EXPECT_EQ(candidates().combs().size(), 6u) << "a rejected paste keeps the list";
    EXPECT_TRUE(m_io.messageTexts(app::MessageKind::Error).last().contains(QStringLiteral("7 8 9 10 11 12")));
    m_io.clipboard = QStringLiteral("1-2-3-4-9\r\n");
    EXPECT_TRUE(candidates().paste());
    ASSERT_EQ(candidates().combs().size(), 1u);
    EXPECT_EQ(candidates().combs()[0], comb(1, 2, 3, 4, 9));
    EXPECT_EQ(candidates().undoCount(), 0u);
}

TEST_F(Candidates, GenerationDialogStoresItsSettingsWhenAsked)
{
    core::TGenSettings s;
    s.Mode = 2;
    s.Param = QStringLiteral("1;2;3;4;5;6;7");
    m_io.genEdits.enqueue(std::make_pair(s, false));
    ASSERT_TRUE(candidates().regenerate());
    EXPECT_EQ(candidates().combs().size(), 21u);
    core::TGenSettings stored;
    ASSERT_TRUE(core::GenSettingsLoad(folder().configFile(), stored));
    EXPECT_EQ(stored.Mode, 0) << "not ticked: not stored";
    m_io.genEdits.enqueue(std::make_pair(s, true));
    ASSERT_TRUE(candidates().regenerate());
    ASSERT_TRUE(core::GenSettingsLoad(folder().configFile(), stored));
    EXPECT_EQ(stored.Mode, 2);
    EXPECT_EQ(stored.Param, s.Param);
    m_io.genEdits.enqueue(std::nullopt);
    EXPECT_FALSE(candidates().regenerate());

    // Mode 4 reads a combination file; a missing one is reported.
    core::TGenSettings file;
    file.Mode = 4;
    file.Param = m_dir.filePath(QStringLiteral("none.lcv"));
    EXPECT_FALSE(candidates().generate(file, true));
    EXPECT_TRUE(m_io.messageTexts(app::MessageKind::Error)
                    .last()
                    .startsWith(QStringLiteral("Ошибка генерации файла комбинаций!")));
}

TEST_F(Candidates, CacheKeyLivesOnlyInMemory)
{
    generate(2, "1;2;3;4;5;6");
    EXPECT_FALSE(candidates().bufferLoad(0, 3)) << "no cache yet";
    ASSERT_TRUE(candidates().bufferSave(0, 3));
    EXPECT_EQ(QFileInfo(candidates().bufferFile()).size(), 30);
    ASSERT_TRUE(candidates().removeSelected({true, true}));
    EXPECT_FALSE(candidates().bufferLoad(1, 3)) << "another key";
    ASSERT_TRUE(candidates().bufferLoad(0, 3));
    EXPECT_EQ(candidates().combs().size(), 6u);

    // A new run does not know the key, although the file is still there.
    testsupport::AnalysisParts again(m_io, folder());
    EXPECT_TRUE(QFileInfo::exists(again.candidates.bufferFile()));
    EXPECT_FALSE(again.candidates.bufferLoad(0, 3));
    candidates().bufferReset();
    EXPECT_FALSE(QFileInfo::exists(candidates().bufferFile()));
    EXPECT_FALSE(candidates().bufferLoad(0, 3));
}

TEST_F(Candidates, ColouringSwitchIsStoredAtOnceAndReadBack)
{
    const QString state = folder().stateFile();
    EXPECT_TRUE(services().windowState().ColorCombs);
    QSignalSpy look(&candidates(), &app::CandidatesController::combsLookChanged);
    QSignalSpy rows(&candidates(), &app::CandidatesController::combsChanged);
    candidates().setColorCombs(false);
    EXPECT_FALSE(services().windowState().ColorCombs);
    EXPECT_FALSE(core::StateReadBool(state, core::kMainWindowSection, QStringLiteral("ColorCombs"), true));
    EXPECT_EQ(look.count(), 1);
    EXPECT_EQ(rows.count(), 0);
    // Setting the same value again neither writes nor repaints.
    candidates().setColorCombs(false);
    EXPECT_EQ(look.count(), 1);

    app::Session again(m_io, folder());
    again.create();
    EXPECT_FALSE(again.services().windowState().ColorCombs);
    ASSERT_TRUE(core::StateWriteBool(state, core::kMainWindowSection, QStringLiteral("ColorCombs"), true));
    app::Session third(m_io, folder());
    third.create();
    EXPECT_TRUE(third.services().windowState().ColorCombs);
}

TEST_F(Candidates, NarrowingInOneStepMatchesSavingThenFiltering)
{
    // 27 numbers give 80,730 combinations, enough for the pass to be shared by both cores.
    QStringList first27;
    for (int n = 1; n <= 27; ++n)
        first27 << QString::number(n);
    generate(2, first27.join(u';').toUtf8().constData());
    ASSERT_EQ(candidates().combs().size(), 80730u);
    const core::TCombsArray start = candidates().combs();
    const stats::TStatList& list = statistics().list();
    const auto sums = list.CreateStat(list.IndexOfCode(QStringLiteral("SUMS")));
    core::TStatDrawArray middle;
    for (std::uint32_t s = 60; s <= 80; ++s) {
        core::TStatDrawRec r;
        r.Key = stats::KeyHalves(s);
        middle.push_back(r);
    }
    for (const bool exclude : {false, true}) {
        candidates().saveUndo(false);
        candidates().filterByValues(*sums, middle, QStringLiteral("60-80"), QStringLiteral("Сумма"), exclude);
        const core::TCombsArray twoSteps = candidates().combs();
        ASSERT_TRUE(candidates().undo());
        ASSERT_EQ(candidates().combs(), start);

        candidates().narrowByValues(*sums, middle, QStringLiteral("60-80"), QStringLiteral("Сумма"), exclude);
        EXPECT_EQ(candidates().combs(), twoSteps) << "exclude " << exclude;
        EXPECT_EQ(candidates().undoCount(), start.size());
        EXPECT_EQ(candidates().history().back().Values, QStringLiteral("60-80"));
        // The undo copy is the list as it was.
        ASSERT_TRUE(candidates().undo());
        EXPECT_EQ(candidates().combs(), start);
    }

    // A second step narrows what the first left, and its undo brings back the first result.
    candidates().narrowByValues(*sums, middle, QStringLiteral("60-80"), QStringLiteral("Сумма"), false);
    const core::TCombsArray first = candidates().combs();
    const auto nums = list.CreateStat(list.IndexOfCode(QStringLiteral("NUMS")));
    core::TStatDrawArray seven(1);
    seven[0].Key = stats::KeyW(7);
    candidates().narrowByValues(*nums, seven, QStringLiteral("7"), QStringLiteral("Числа"), true);
    for (const core::TComb& c : candidates().combs())
        EXPECT_TRUE(std::find(std::begin(c.v), std::end(c.v), 7) == std::end(c.v));
    EXPECT_LT(candidates().combs().size(), first.size());
    ASSERT_TRUE(candidates().undo());
    EXPECT_EQ(candidates().combs(), first);

    // No values: the list stays, the undo copy is still taken, no history row.
    const std::size_t rows = candidates().history().size();
    candidates().narrowByValues(*nums, {}, QString(), QStringLiteral("Числа"), false);
    EXPECT_EQ(candidates().combs(), first);
    EXPECT_EQ(candidates().undoCount(), first.size());
    EXPECT_EQ(candidates().history().size(), rows);
}
