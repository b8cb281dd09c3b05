// Applying filter conditions to the candidate list: the walk over the ordered
// table, the two selection modes, every stop rule and the rollback of a step that empties the
// list; and on the real archive, filters checked against a plain computation.

#include "AnalysisParts.h"
#include "FakeUserIo.h"
#include "TestHelpers.h"
#include "TestPaths.h"
#include "app/ArchiveController.h"
#include "app/CandidatesController.h"
#include "app/StatisticsController.h"
#include "combos/Filters.h"
#include "core/DrawArchive.h"
#include "core/TextForms.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <algorithm>
#include <array>
#include <bitset>
#include <cmath>
#include <functional>
#include <map>
#include <optional>

using namespace Qt::Literals::StringLiterals;
using testsupport::FakeUserIo;
using testsupport::MakeDraw;

namespace {

using Numbers = std::bitset<55>;
using Pred = std::function<bool(const core::TComb&)>;

Numbers numbers(std::initializer_list<int> list)
{
    Numbers s;
    for (int n : list)
        s.set(std::size_t(n));
    return s;
}

bool hasAny(const core::TComb& c, const Numbers& s)
{
    return std::any_of(c.v, c.v + 5, [&](std::uint8_t n) { return s.test(n); });
}

int sumOf(const core::TComb& c)
{
    return c.v[0] + c.v[1] + c.v[2] + c.v[3] + c.v[4];
}

// Visits every five-number subset of the set, ascending.
void forEachComb(const Numbers& pool, const std::function<void(const core::TComb&)>& f)
{
    std::vector<std::uint8_t> n;
    for (int i = 1; i <= 54; ++i)
        if (pool.test(std::size_t(i)))
            n.push_back(std::uint8_t(i));
    const std::size_t k = n.size();
    core::TComb c;
    for (std::size_t a = 0; a < k; ++a)
        for (std::size_t b = a + 1; b < k; ++b)
            for (std::size_t d = b + 1; d < k; ++d)
                for (std::size_t e = d + 1; e < k; ++e)
                    for (std::size_t g = e + 1; g < k; ++g) {
                        c.v[0] = n[a];
                        c.v[1] = n[b];
                        c.v[2] = n[d];
                        c.v[3] = n[e];
                        c.v[4] = n[g];
                        f(c);
                    }
}

std::size_t countCombs(const Numbers& pool, const Pred& keep)
{
    std::size_t count = 0;
    forEachComb(pool, [&](const core::TComb& c) { count += keep(c) ? 1 : 0; });
    return count;
}

// Decimal points between digits in the user's separator, as the table writes them.
QString local(QString text)
{
    static const QRegularExpression point(QStringLiteral("(\\d)\\.(\\d)"));
    return text.replace(point, u"\\1"_s + core::SystemDecimalPoint() + u"\\2"_s);
}

Numbers allNumbers()
{
    Numbers s;
    for (int i = 1; i <= 54; ++i)
        s.set(std::size_t(i));
    return s;
}

// Records what the run sees and decides when it stops.
class RecordingHooks : public combos::FilterRunHooks
{
public:
    bool logging() override { return true; }
    void log(const QString& line) override { lines << line; }
    bool stopRequested() override { return ++checks > stopAfter; }
    const core::TCdlData* savedCdl() override { return saved ? &*saved : nullptr; }

    QStringList lines;
    int checks = 0;
    int stopAfter = 1 << 30;
    std::optional<core::TCdlData> saved;
};

class CandidateFiltersBase : public ::testing::Test
{
protected:
    void open()
    {
        m_parts = std::make_unique<testsupport::AnalysisParts>(m_io, folder());
        m_parts->prepare();
        ASSERT_TRUE(m_parts->archive.load());
    }

    core::DataFolder folder() const { return {m_dir.path(), QStringLiteral("Vertoma_5x54"), m_dir.path()}; }
    testsupport::AnalysisParts& parts() { return *m_parts; }

    // The single variant of a filter text.
    combos::TFilterPart variant(const QString& text)
    {
        const combos::TFilterItem item = combos::FilterItemParse(text, parts().statistics.list());
        const combos::TFilterVarList list = combos::FilterVariantsBuild({item}, 1);
        EXPECT_EQ(list.size(), 1u) << text.toStdString();
        return list.front()[0];
    }

    void apply(const QString& text, combos::FilterRunHooks& hooks) { parts().candidates.filterApply(variant(text), hooks); }
    void apply(const QString& text)
    {
        combos::FilterRunHooks quiet;
        apply(text, quiet);
    }

    QString nameOf(const char* code)
    {
        const stats::TStatList& list = parts().statistics.list();
        return list.GetDisplayName(list.IndexOfCode(QString::fromLatin1(code)), true);
    }

    QTemporaryDir m_dir;
    FakeUserIo m_io;
    std::unique_ptr<testsupport::AnalysisParts> m_parts;
};

// Six draws with known counts and depths of the numbers (window 6, newest last):
//   count 6: 1; 5: 2; 4: 3; 3: 4; 1: 5..16; 0: 17..54 (30 numbers drawn in all)
//   depth 1: 1, 13..16; 2: 2, 10..12; 3: 3, 8, 9; 4: 4, 7; 5: 6; 6: 5
// Ordered by count, descending (equal counts by the value, descending), the table reads
// 1, 2, 3, 4, 16, 15, ..., 5, 54, 53, ..., 17.
class CandidateFilters : public CandidateFiltersBase
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(core::SaveDrawsFile(folder().drawsFile(),
                                        {MakeDraw(1, {1, 2, 3, 4, 5}), MakeDraw(2, {1, 2, 3, 4, 6}),
                                         MakeDraw(3, {1, 2, 3, 4, 7}), MakeDraw(4, {1, 2, 3, 8, 9}),
                                         MakeDraw(5, {1, 2, 10, 11, 12}), MakeDraw(6, {1, 13, 14, 15, 16})}));
        open();
        core::TGenSettings s;
        s.Mode = 2;
        s.Param = u"1;2;3;4;5;6;7;8"_s;
        ASSERT_TRUE(parts().candidates.generate(s, true));
        ASSERT_EQ(parts().candidates.combs().size(), 56u);
        m_start = parts().candidates.combs();
    }

    void restart() { parts().candidates.replace(m_start); }
    std::size_t left() { return parts().candidates.combs().size(); }
    // The start list's combinations that pass.
    std::size_t expected(const Pred& keep) { return countCombs(m_pool, keep); }
    std::size_t keepingAny(const Numbers& s)
    {
        return expected([&](const core::TComb& c) { return hasAny(c, s); });
    }
    std::size_t removingAny(const Numbers& s)
    {
        return expected([&](const core::TComb& c) { return !hasAny(c, s); });
    }
    const std::vector<combos::FilterHistoryRow>& history() { return parts().candidates.history(); }

    Numbers m_pool = numbers({1, 2, 3, 4, 5, 6, 7, 8});
    core::TCombsArray m_start;
};

} // namespace

TEST_F(CandidateFilters, MultiSelectFiltersOnceByAllSelectedRows)
{
    apply(u"TMF1#NUMS:6#LVA:7,8#SF:1"_s);
    EXPECT_EQ(left(), keepingAny(numbers({7, 8})));
    ASSERT_EQ(history().size(), 1u);
    EXPECT_EQ(history()[0].Name, nameOf("NUMS"));
    EXPECT_EQ(history()[0].Values, u"8; 7"_s) << "table order";
    EXPECT_EQ(history()[0].Icon, combos::FilterHistoryRow::Kind::Kept);
    EXPECT_EQ(parts().candidates.undoCount(), 56u);

    // Walking up hands the rows over in table order all the same.
    restart();
    apply(u"BMD1#NUMS:6#LVA:7,8#SF:1"_s);
    EXPECT_EQ(left(), removingAny(numbers({7, 8})));
    ASSERT_EQ(history().size(), 1u);
    EXPECT_EQ(history()[0].Values, u"8; 7"_s);
    EXPECT_EQ(history()[0].Icon, combos::FilterHistoryRow::Kind::Removed);

    // Nothing matches: the list stays as it was and no history row is written.
    restart();
    apply(u"TMF1#NUMS:6#LMV:100#SF:1"_s);
    EXPECT_EQ(left(), 56u);
    EXPECT_TRUE(history().empty());

    // Depth at least 4 is 4, 5, 6 and 7; removing them leaves nothing, so the step is undone.
    restart();
    apply(u"TMD1#NUMS:6#LMV:4#SF:1"_s);
    EXPECT_EQ(parts().candidates.combs(), m_start);
    ASSERT_EQ(history().size(), 2u);
    EXPECT_EQ(history()[0].Values, u"4; 7; 6; 5"_s);
    EXPECT_EQ(history()[0].Count, 0);
    EXPECT_EQ(history()[1].Icon, combos::FilterHistoryRow::Kind::Undone);
    EXPECT_EQ(history()[1].Count, 56);
    EXPECT_EQ(parts().candidates.undoCount(), 0u);

    // The stop rule on the list length is not used here: every row is selected.
    restart();
    apply(u"TMD1#NUMS:6#LNO:#SC:100#"_s);
    EXPECT_EQ(parts().candidates.combs(), m_start);
    EXPECT_EQ(history().size(), 2u);
}

TEST_F(CandidateFilters, MultiSelectStopRules)
{
    // Steps: every visited row counts, matching or not. Walking up: the 38 rows of count 0
    // (17..54), then 5 and 6.
    apply(u"BMF1#NUMS:6#LMV:1#ST:40"_s);
    EXPECT_EQ(left(), keepingAny(numbers({5, 6})));
    EXPECT_EQ(history()[0].Values, u"6; 5"_s);
    restart();
    apply(u"BMF1#NUMS:6#LNO:#ST:40"_s);
    EXPECT_EQ(left(), keepingAny(numbers({5, 6})));
    restart();
    apply(u"TMD1#NUMS:6#LNO:#ST:2"_s);
    EXPECT_EQ(left(), removingAny(numbers({1, 2})));

    // The count: walking down, stop at the first row with a count of at most n.
    restart();
    apply(u"TMD1#NUMS:6#LNO:#SV:3"_s);
    EXPECT_EQ(left(), removingAny(numbers({1, 2, 3})));
    EXPECT_EQ(left(), 1u);
    // Walking up, at the first row with a count of at least n: only the rows of count 0 are
    // selected, none of which the list holds, so keeping them empties it and is undone.
    restart();
    apply(u"BMF1#NUMS:6#LNO:#SV:1"_s);
    EXPECT_EQ(parts().candidates.combs(), m_start);
    EXPECT_EQ(history().back().Icon, combos::FilterHistoryRow::Kind::Undone);
    restart();
    apply(u"BMF1#NUMS:6#LNO:#SV:2"_s);
    EXPECT_EQ(left(), keepingAny(numbers({5, 6, 7, 8})));

    // The count in per cent: 1 has 20, 2 16.67, 3 13.33, 4 10 per cent.
    restart();
    apply(u"TMD1#NUMS:6#LNO:#SP:13"_s);
    EXPECT_EQ(left(), removingAny(numbers({1, 2, 3})));
    restart();
    apply(u"TMD1#NUMS:6#LNO:#SP:14"_s);
    EXPECT_EQ(left(), removingAny(numbers({1, 2})));
    restart();
    apply(u"BMF1#NUMS:6#LNO:#SP:10"_s);
    EXPECT_EQ(left(), keepingAny(numbers({5, 6, 7, 8})));
}

TEST_F(CandidateFilters, RowByRowStepsAndListLength)
{
    // Two steps: remove 1, then 2.
    apply(u"TSD1#NUMS:6#LNO:#ST:2"_s);
    EXPECT_EQ(left(), removingAny(numbers({1, 2})));
    ASSERT_EQ(history().size(), 2u);
    EXPECT_EQ(history()[0].Values, u"1"_s);
    EXPECT_EQ(history()[0].Count, std::int64_t(removingAny(numbers({1}))));
    EXPECT_EQ(history()[1].Values, u"2"_s);
    EXPECT_EQ(parts().candidates.undoCount(), removingAny(numbers({1})));

    // Stop before a row when the list holds n or fewer combinations.
    restart();
    apply(u"TSD1#NUMS:6#LNO:#SC:10"_s);
    EXPECT_EQ(left(), removingAny(numbers({1, 2})));
    restart();
    apply(u"TSD1#NUMS:6#LNO:#SC:21"_s);
    EXPECT_EQ(left(), 21u);
    EXPECT_EQ(left(), removingAny(numbers({1})));
    restart();
    apply(u"TSD1#NUMS:6#LNO:#SC:56"_s);
    EXPECT_EQ(left(), 56u);
    EXPECT_TRUE(history().empty());

    // Walking up from the rows of count 0, removing each value, until the first row with a
    // count of at least 4 (the value 3): 5, 6 and 7 leave {1 2 3 4 8}; removing 8 and later 4
    // would empty the list, so those steps are undone and the walk goes on.
    restart();
    apply(u"BSD1#NUMS:6#LNO:#SV:4"_s);
    ASSERT_EQ(left(), 1u);
    EXPECT_EQ(parts().candidates.combs()[0], (core::TComb{{1, 2, 3, 4, 8}}));
    int undone = 0;
    for (const combos::FilterHistoryRow& row : history())
        undone += row.Icon == combos::FilterHistoryRow::Kind::Undone ? 1 : 0;
    EXPECT_EQ(undone, 2);
}

TEST_F(CandidateFilters, RowByRowRollbackOfTheStepThatEmptiesTheList)
{
    // A sum: one value per combination. Sums of the six draws: 15, 16, 17, 23, 36, 59 (count 1
    // each), so the table reads 59, 36, 23, 17, 16, 15, then the sums of count 0 from 260 down.
    // Keeping 17 leaves the two combinations of sum 17; keeping 16 among them empties the list.
    const auto sum17 = [](const core::TComb& c) { return sumOf(c) == 17; };
    RecordingHooks hooks;
    apply(u"TSF1#SUMS:6#LVA:17,16,20#SZ:1"_s, hooks);
    EXPECT_EQ(left(), expected(sum17));
    EXPECT_EQ(left(), 2u);
    for (const core::TComb& c : parts().candidates.combs())
        EXPECT_EQ(sumOf(c), 17);
    ASSERT_EQ(history().size(), 3u);
    EXPECT_EQ(history()[0].Values, u"17"_s);
    EXPECT_EQ(history()[1].Values, u"16"_s);
    EXPECT_EQ(history()[1].Count, 0);
    EXPECT_EQ(history()[2].Icon, combos::FilterHistoryRow::Kind::Undone);
    EXPECT_EQ(history()[2].Count, 2);
    EXPECT_EQ(parts().candidates.undoCount(), 0u);
    ASSERT_GE(hooks.lines.size(), 4);
    const QStringList tail = hooks.lines.mid(hooks.lines.size() - 4);
    EXPECT_TRUE(tail[0].startsWith(u"Шаг 002. Выделение строки: < [16] кол-во: 1 "_s)) << tail[0].toStdString();
    EXPECT_EQ(tail.mid(1), QStringList({u"Оставляем выделенные значения..."_s, u"Количество комбинаций в списке: 0"_s,
                                        u"{UNDO} Откат изменений..."_s}));

    // Without the stop rule the walk goes on after the rollback: 20 empties the list as well.
    restart();
    apply(u"TSF1#SUMS:6#LVA:17,16,20#SF:1"_s);
    EXPECT_EQ(left(), 2u);
    EXPECT_EQ(history().size(), 5u);
    EXPECT_EQ(history()[3].Values, u"20"_s);

    // Only applied steps count: 59 empties the list and is undone; 17 is the first step.
    restart();
    apply(u"TSF1#SUMS:6#LVA:59,17,16#ST:1"_s);
    EXPECT_EQ(left(), 2u);
    ASSERT_EQ(history().size(), 3u);
    EXPECT_EQ(history()[0].Values, u"59"_s);
    EXPECT_EQ(history()[2].Values, u"17"_s);
}

TEST_F(CandidateFilters, StopFlagAndRunLog)
{
    // A stop before the walk changes nothing.
    RecordingHooks stopNow;
    stopNow.stopAfter = 0;
    apply(u"TSD1#NUMS:6#LNO:#SF:1"_s, stopNow);
    EXPECT_EQ(left(), 56u);
    EXPECT_TRUE(history().empty());
    ASSERT_EQ(stopNow.lines.size(), 1) << "only the calculation line";

    // Row by row: one row, then the stop.
    RecordingHooks oneRow;
    oneRow.stopAfter = 2;
    apply(u"TSD1#NUMS:6#LNO:#SF:1"_s, oneRow);
    EXPECT_EQ(left(), removingAny(numbers({1})));
    EXPECT_EQ(history().size(), 1u);

    // Multi-select: a stop inside the walk ends without filtering.
    restart();
    RecordingHooks midWalk;
    midWalk.stopAfter = 3;
    apply(u"TMD1#NUMS:6#LNO:#SF:1"_s, midWalk);
    EXPECT_EQ(left(), 56u);
    EXPECT_TRUE(history().empty());
    EXPECT_EQ(parts().candidates.undoCount(), 0u);

    // The log: the calculation, every row of the ordered table, the step, the narrowing.
    restart();
    RecordingHooks log;
    apply(u"TSD1#NUMS:6#LMV:6#ST:1"_s, log);
    ASSERT_EQ(log.lines.size(), 1 + 54 + 3) << log.lines.join(u'\n').toStdString();
    EXPECT_EQ(log.lines[0],
              u"Анализ тиражей и расчет статистики \"%1\" для выборки в 6 тиражей..."_s.arg(nameOf("NUMS")));
    // Default weight coefficients: the weight is the depth.
    EXPECT_EQ(log.lines[1],
              local(u"< [1] кол-во: 6 (20.00000 %), отклонение: - (- %), глубина: 1 (16.67 %), вес: 1.00 >"_s));
    EXPECT_EQ(log.lines[54], local(u"< [17] кол-во: 0 (0.00000 %), отклонение: - (- %), глубина: - (- %), вес: - >"_s));
    EXPECT_EQ(log.lines[55], u"Шаг 001. Выделение строки: "_s +
                                 local(u"< [5] кол-во: 1 (3.33333 %), отклонение: - (- %), глубина: 6 (100.00 %), "
                                       u"вес: 6.00 >"_s));
    EXPECT_EQ(log.lines[56], u"Удаляем выделенные значения..."_s);
    EXPECT_EQ(log.lines[57], u"Количество комбинаций в списке: 21"_s);
    EXPECT_EQ(left(), removingAny(numbers({5})));
}

TEST_F(CandidateFilters, WeightCoefficients)
{
    const core::TCdlData configured = parts().statistics.config().CDL;
    // Own coefficients: the weight is the count; 1, 2 and 3 have at least 4.
    apply(u"TMF1#NUMS:6#WMV:4#SF:1#1:0:0:0:0"_s);
    EXPECT_EQ(left(), keepingAny(numbers({1, 2, 3})));
    EXPECT_TRUE(parts().statistics.config().CDL == configured) << "the configuration keeps its coefficients";

    // The coefficients of the run: minus the depth; rows of count 0 have no weight and read as 0.
    restart();
    RecordingHooks run;
    run.saved = core::TCdlData{0, 0, -1, false, false};
    apply(u"TMF1#NUMS:6#WMV:-2#SF:1"_s, run);
    EXPECT_EQ(left(), keepingAny(numbers({1, 2})));

    // Neither: the configuration's (the depth, without the comparison).
    restart();
    apply(u"TMF1#NUMS:6#WLV:2#SF:1"_s);
    EXPECT_EQ(left(), keepingAny(numbers({1, 2})));
    restart();
    // The weight list compares numbers; the walk ends before the rows without a weight.
    apply(u"TMF1#NUMS:6#WDV:4#ST:16"_s);
    EXPECT_EQ(left(), keepingAny(numbers({4, 7})));
    restart();
    EXPECT_THROW(apply(u"TMF1#NUMS:6#WDV:4#ST:17"_s), core::EConvertError);
}

TEST_F(CandidateFilters, FilterDialogEditsThroughTheDoor)
{
    const combos::TFilterItem original = combos::FilterItemParse(u"TSD1#NUMS:6#LMV:2#SF:1"_s, parts().statistics.list());
    combos::TFilterItem edited = combos::FilterItemParse(u"BMF8#SUM2:10-20;5#WDV:1,2#ST:7"_s, parts().statistics.list());
    ASSERT_FALSE(edited == original);

    // Cancelled: the item stays as it was.
    combos::TFilterItem item = original;
    m_io.filterEdits.enqueue(std::nullopt);
    EXPECT_FALSE(parts().candidates.filterDialog(item));
    EXPECT_TRUE(item == original);

    // Accepted: the item is the edited one.
    m_io.filterEdits.enqueue(edited);
    EXPECT_TRUE(parts().candidates.filterDialog(item));
    EXPECT_TRUE(item == edited);
    ASSERT_EQ(m_io.filterDialogItems.size(), 2);
    EXPECT_TRUE(m_io.filterDialogItems[0] == original);
    EXPECT_TRUE(m_io.filterDialogItems[1] == original);
}

TEST_F(CandidateFilters, StatWindowIsTheLastOneAskedFor)
{
    // What a new filter starts with: the table's method and number of draws.
    EXPECT_EQ(parts().statistics.window(), -1);
    const int nums = parts().statistics.list().IndexOfCode(u"NUMS"_s);
    EXPECT_TRUE(parts().statistics.calc(nums, 5, false));
    EXPECT_EQ(parts().statistics.window(), 5);
    EXPECT_EQ(parts().statistics.method(), nums);
    EXPECT_TRUE(parts().statistics.calc(-1, 40, false));
    EXPECT_EQ(parts().statistics.window(), 40);
    EXPECT_EQ(parts().statistics.method(), -1);
}

TEST_F(CandidateFilters, FailuresAndRecords)
{
    // A method the selector does not offer.
    stats::TStatList& list = parts().statistics.list();
    const int nums = list.IndexOfCode(u"NUMS"_s);
    const combos::TFilterPart numsPart = variant(u"TMF1#NUMS:6#LVA:7#SF:1"_s);
    list.AllFavorites = false;
    list.Items(nums).Favorite = false;
    try {
        parts().candidates.filterApply(numsPart);
        ADD_FAILURE() << "no error";
    } catch (const core::EConvertError& e) {
        EXPECT_EQ(e.message(), u"Метод расчета статистики \"NUMS\" не найден!\nЧисла тиража\n\nВозможно, Вы отключили "
                               u"данный метод расчета либо использовали сценарий от другой модификации программы."_s);
    }
    list.Items(nums).Favorite = true;
    combos::TFilterPart unknown = numsPart;
    unknown.Method = -1;
    unknown.MethodCode = u"XXXX"_s;
    EXPECT_THROW(parts().candidates.filterApply(unknown), core::EConvertError);
    EXPECT_EQ(left(), 56u);
    // An index that no longer has the code: the code decides.
    combos::TFilterPart moved = numsPart;
    moved.Method = list.IndexOfCode(u"SUMS"_s);
    parts().candidates.filterApply(moved);
    EXPECT_EQ(left(), keepingAny(numbers({7})));

    // A list condition on a row text that is not a number fails: the minimum period of the
    // values drawn once is "-".
    restart();
    try {
        apply(u"TSD1#NUMS:6#PIR:1#SF:1"_s);
        ADD_FAILURE() << "no error";
    } catch (const core::EConvertError& e) {
        EXPECT_TRUE(e.message().contains(u"'-'"_s)) << e.message().toStdString();
    }

    // A record: the places in order while the list holds more than one combination.
    restart();
    combos::TFilterRec rec{};
    rec[0] = variant(u"TSD1#NUMS:6#LNO:#ST:3"_s);
    rec[2] = variant(u"TSD1#NUMS:6#LVA:2#SF:1"_s);
    rec[3] = variant(u"TMF1#NUMS:6#LVA:8#SF:1"_s);
    rec[3].Enabled = false;
    parts().candidates.filterRecApply(rec);
    EXPECT_EQ(left(), 1u) << "1, 2 and 3 removed; place 3 finds one combination left";
    EXPECT_EQ(history().size(), 3u);
    restart();
    rec[0] = variant(u"TSD1#NUMS:6#LNO:#ST:1"_s);
    parts().candidates.filterRecApply(rec);
    EXPECT_EQ(left(), removingAny(numbers({1, 2})));
    EXPECT_EQ(history().size(), 2u);

    // A new start list leaves nothing to undo and no history.
    parts().candidates.replace(m_start);
    EXPECT_EQ(parts().candidates.combs(), m_start);
    EXPECT_EQ(parts().candidates.undoCount(), 0u);
    EXPECT_TRUE(history().empty());
}

namespace {

// The real archive, the full set as the start list.
class CandidateFiltersArchive : public CandidateFiltersBase
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QFile::copy(QStringLiteral(VERTOMA_SHARED_DATA_DIR "/Vertoma_5x54.ldr"), folder().drawsFile()));
        QFile::setPermissions(folder().drawsFile(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        open();
        ASSERT_GT(parts().archive.draws().size(), 100u);
        core::TGenSettings full;
        ASSERT_TRUE(parts().candidates.generate(full, true));
        m_start = parts().candidates.combs();
    }

    struct NumberStats
    {
        int count = 0;
        int depth = 0; // 1 = the newest draw of the window, 0 = not drawn
    };

    // Counts and depths of the numbers over the window of n draws before the analysis point.
    std::array<NumberStats, 55> numberStats(int n)
    {
        std::array<NumberStats, 55> s{};
        const core::TDrawsArray& draws = parts().archive.draws();
        const int last = int(draws.size()) - 1 - parts().archive.offset();
        for (int i = std::max(0, last - n + 1); i <= last; ++i) {
            for (int k = 0; k < 5; ++k) {
                NumberStats& x = s[draws[std::size_t(i)].Values[k]];
                x.count += 1;
                x.depth = last - i + 1;
            }
        }
        return s;
    }

    std::size_t run(const QString& text)
    {
        parts().candidates.replace(m_start);
        apply(text);
        return parts().candidates.combs().size();
    }

    core::TCombsArray m_start;
};

} // namespace

TEST_F(CandidateFiltersArchive, FiltersAgreeWithAPlainComputation)
{
    const Numbers all = allNumbers();

    // Keep the combinations with a number last drawn at least 5 draws back among the last 10.
    {
        const auto s = numberStats(10);
        Numbers sel;
        for (int n = 1; n <= 54; ++n)
            sel.set(std::size_t(n), s[std::size_t(n)].depth >= 5);
        ASSERT_TRUE(sel.any());
        EXPECT_EQ(run(u"TMF1#NUMS:10#LMV:5#SF:1"_s),
                  countCombs(all, [&](const core::TComb& c) { return hasAny(c, sel); }));
        for (const core::TComb& c : parts().candidates.combs())
            ASSERT_TRUE(hasAny(c, sel));
    }

    // Walking up, remove every number until the first one drawn at least 3 times in 30 draws.
    {
        const auto s = numberStats(30);
        Numbers sel;
        for (int n = 1; n <= 54; ++n)
            sel.set(std::size_t(n), s[std::size_t(n)].count < 3);
        ASSERT_TRUE(sel.any());
        EXPECT_EQ(run(u"BMD1#NUMS:30#LNO:#SV:3"_s),
                  countCombs(all, [&](const core::TComb& c) { return !hasAny(c, sel); }));
    }

    // Keep the most frequent sum of the last 50 draws (the largest of equally frequent ones).
    {
        std::map<int, int> sums;
        const core::TDrawsArray& draws = parts().archive.draws();
        for (std::size_t i = draws.size() - 50; i < draws.size(); ++i) {
            const core::TDrawRec& d = draws[i];
            sums[d.Values[0] + d.Values[1] + d.Values[2] + d.Values[3] + d.Values[4]] += 1;
        }
        int best = 0;
        int bestCount = 0;
        for (const auto& [sum, count] : sums)
            if (count >= bestCount) {
                best = sum;
                bestCount = count;
            }
        EXPECT_EQ(run(u"TSF1#SUMS:50#LNO:#ST:1"_s),
                  countCombs(all, [&](const core::TComb& c) { return sumOf(c) == best; }));
    }

    // Keep numbers drawn fewer than 2 times (no mean period: 0) or with a mean period of at
    // most 8 in 40 draws, that is at least 5 times.
    {
        const auto s = numberStats(40);
        Numbers sel;
        for (int n = 1; n <= 54; ++n)
            sel.set(std::size_t(n), s[std::size_t(n)].count < 2 || s[std::size_t(n)].count >= 5);
        EXPECT_EQ(run(u"TMF1#NUMS:40#PAL:8#SF:1"_s),
                  countCombs(all, [&](const core::TComb& c) { return hasAny(c, sel); }));
    }

    // Row by row, remove the most frequent numbers of 15 draws until a million or fewer are
    // left: C(43,5) after eleven numbers. The eleven are the first of the order by count and
    // value, both descending.
    {
        const auto s = numberStats(15);
        std::vector<int> order;
        for (int n = 54; n >= 1; --n)
            order.push_back(n);
        std::stable_sort(order.begin(), order.end(),
                         [&](int a, int b) { return s[std::size_t(a)].count > s[std::size_t(b)].count; });
        EXPECT_EQ(run(u"TSD1#NUMS:15#LNO:#SC:1000000"_s), 962598u);
        Numbers present;
        for (const core::TComb& c : parts().candidates.combs())
            for (std::uint8_t n : c.v)
                present.set(n);
        for (std::size_t i = 0; i < order.size(); ++i)
            EXPECT_EQ(present.test(std::size_t(order[i])), i >= 11) << order[i];
    }

    // Five draws back: remove the numbers drawn at most once in the 20 draws before that point.
    {
        parts().archive.setOffset(5);
        const auto s = numberStats(20);
        Numbers sel;
        for (int n = 1; n <= 54; ++n)
            sel.set(std::size_t(n), s[std::size_t(n)].count <= 1);
        EXPECT_EQ(run(u"TMD1#NUMS:20#CDV:0,1#SF:1"_s),
                  countCombs(all, [&](const core::TComb& c) { return !hasAny(c, sel); }));
        parts().archive.setOffset(0);
    }
}

TEST_F(CandidateFiltersArchive, DeviationFromTheFullSet)
{
    // Every number is equally likely over the full set, so the norm of each is the midpoint of
    // the smallest and the largest count of the window, rounded half to even.
    parts().statistics.setPrefetchsEnabledForRun(true);
    // A window whose smallest and largest count have an even sum, so the midpoint is exact.
    int window = 50;
    std::array<NumberStats, 55> s{};
    int lo = 0;
    int hi = 0;
    for (;; ++window) {
        s = numberStats(window);
        lo = 1 << 30;
        hi = 0;
        for (int n = 1; n <= 54; ++n) {
            lo = std::min(lo, s[std::size_t(n)].count);
            hi = std::max(hi, s[std::size_t(n)].count);
        }
        if ((lo + hi) % 2 == 0)
            break;
    }
    const int norm = (lo + hi) / 2;
    Numbers sel;
    for (int n = 1; n <= 54; ++n)
        sel.set(std::size_t(n), s[std::size_t(n)].count - norm >= 2);
    ASSERT_TRUE(sel.any());
    ASSERT_FALSE(sel.all());
    EXPECT_EQ(run(u"TMF1#NUMS:%1#DMV:2#SF:1"_s.arg(window)),
              countCombs(allNumbers(), [&](const core::TComb& c) { return hasAny(c, sel); }));
}
