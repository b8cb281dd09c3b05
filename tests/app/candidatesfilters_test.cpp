// Applying filter conditions to the candidate list: the walk over the ordered table, the two
// selection modes, every stop rule and the rollback of a step that empties the list.

#include "CandidateFiltersFixture.h"

using namespace filtertest;
using namespace Qt::Literals::StringLiterals;
using testsupport::FakeUserIo;
using testsupport::MakeDraw;

namespace {

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
    const combos::TFilterItem original =
        combos::FilterItemParse(u"TSD1#NUMS:6#LMV:2#SF:1"_s, parts().statistics.list());
    combos::TFilterItem edited =
        combos::FilterItemParse(u"BMF8#SUM2:10-20;5#WDV:1,2#ST:7"_s, parts().statistics.list());
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
