#include "StatTestSupport.h"
#include "TestPaths.h"

#include "core/DrawArchive.h"

#include <gtest/gtest.h>

#include <climits>
#include <map>

using namespace stattest;
using core::TDrawsArray;
using core::TStatDrawArray;

namespace {

const char* const kAllClasses[] = {
    "TstColumns",     "TstRows",        "TstColValues",   "TstRowValues",   "TstColCount",      "TstRowCount",
    "TstColMask",     "TstRowMask",     "TstColAjacent",  "TstRowAjacent",  "TstColAjacentCnt", "TstRowAjacentCnt",
    "TstCombColMix2", "TstCombColMix3", "TstCombColMix4", "TstCombColSeq2", "TstCombColSeq3",   "TstCombColSeq4",
    "TstCombRowMix2", "TstCombRowMix3", "TstCombRowMix4", "TstCombRowSeq2", "TstCombRowSeq3",   "TstCombRowSeq4",
    "TstColValCnt",   "TstRowValCnt"};

// Classes with one value per draw and combination.
bool IsCount(const char* cls)
{
    for (const char* c :
         {"TstColCount", "TstRowCount", "TstColAjacentCnt", "TstRowAjacentCnt", "TstColValCnt", "TstRowValCnt"})
        if (QLatin1String(cls) == QLatin1String(c))
            return true;
    return false;
}

core::TConfigData WithColumns(int cols)
{
    core::TConfigData cfg;
    cfg.MatrixCols = cols;
    return cfg;
}

class MatrixStats : public ::testing::Test
{
protected:
    // The worked draw, and two stacked pairs in drawn order 8, 2, 7, 1, 54.
    TDrawsArray draws = {Draw(1, {3, 9, 15, 28, 29}), Draw(2, {8, 2, 7, 1, 54})};

    std::unique_ptr<stats::TCustomStat> make(const char* cls, int cols = 6, int param = 0)
    {
        return Make(cls, Env(&draws, WithColumns(cols)), param);
    }
    QStringList drawTexts(const char* cls, int index, int param = 0, bool sorted = false)
    {
        auto stat = make(cls, 6, param);
        return Texts(*stat, DrawValues(*stat, index, index, sorted));
    }
    QStringList combTexts(const char* cls, std::initializer_list<int> numbers, int cols = 6, int param = 0)
    {
        auto stat = make(cls, cols, param);
        return Texts(*stat, CombValues(*stat, Comb(numbers)));
    }
};

TEST_F(MatrixStats, WorkedDrawWithSixColumns)
{
    auto cols = make("TstColumns");
    const TStatDrawArray colList = DrawValues(*cols, 0, 0);
    EXPECT_EQ(Texts(*cols, colList), Strs({"3", "4", "5"}));
    EXPECT_EQ(Counts(colList), std::vector<int>({3, 1, 1}));
    auto rows = make("TstRows");
    const TStatDrawArray rowList = DrawValues(*rows, 0, 0);
    EXPECT_EQ(Texts(*rows, rowList), Strs({"1", "2", "3", "5"}));
    EXPECT_EQ(Counts(rowList), std::vector<int>({1, 1, 1, 2}));

    EXPECT_EQ(drawTexts("TstColValues", 0), Strs({"1 x 0", "2 x 0", "3 x 3", "4 x 1", "5 x 1", "6 x 0"}));
    EXPECT_EQ(drawTexts("TstRowValues", 0),
              Strs({"1 x 1", "2 x 1", "3 x 1", "4 x 0", "5 x 2", "6 x 0", "7 x 0", "8 x 0", "9 x 0"}));
    EXPECT_EQ(drawTexts("TstColCount", 0), Strs({"3"}));
    EXPECT_EQ(drawTexts("TstRowCount", 0), Strs({"4"}));
    EXPECT_EQ(drawTexts("TstColMask", 0), Strs({"001110 (014)"}));
    EXPECT_EQ(drawTexts("TstRowMask", 0), Strs({"111010000 (464)"}));
    EXPECT_EQ(drawTexts("TstColAjacent", 0), Strs({"3 x 3"}));
    EXPECT_EQ(drawTexts("TstRowAjacent", 0), Strs({"5 x 2"}));
    EXPECT_EQ(drawTexts("TstColAjacentCnt", 0), Strs({"1"}));
    EXPECT_EQ(drawTexts("TstRowAjacentCnt", 0), Strs({"1"}));
    EXPECT_EQ(drawTexts("TstColValCnt", 0, 3), Strs({"3"}));
    EXPECT_EQ(drawTexts("TstRowValCnt", 0, 5), Strs({"2"}));

    // Columns 3, 3, 3, 4, 5 and rows 1, 2, 3, 5, 5 over the patterns.
    auto seq = make("TstCombColSeq2");
    const TStatDrawArray seqList = DrawValues(*seq, 0, 0);
    EXPECT_EQ(Texts(*seq, seqList), Strs({"3:3", "3:4", "4:5"}));
    EXPECT_EQ(Counts(seqList), std::vector<int>({2, 1, 1}));
    auto mix = make("TstCombColMix2");
    const TStatDrawArray mixList = DrawValues(*mix, 0, 0);
    EXPECT_EQ(Texts(*mix, mixList), Strs({"3:3", "3:4", "3:5", "4:5"}));
    EXPECT_EQ(Counts(mixList), std::vector<int>({3, 3, 3, 1}));
    EXPECT_EQ(drawTexts("TstCombRowSeq3", 0), Strs({"1:2:3", "2:3:5", "3:5:5"}));
    EXPECT_EQ(drawTexts("TstCombRowMix4", 0), Strs({"1:2:3:5", "1:2:5:5", "1:3:5:5", "2:3:5:5"}));
    EXPECT_EQ(drawTexts("TstCombColSeq4", 0), Strs({"3:3:3:4", "3:3:4:5"}));
    EXPECT_EQ(drawTexts("TstCombRowMix3", 0), Strs({"1:2:3", "1:2:5", "1:3:5", "1:5:5", "2:3:5", "2:5:5", "3:5:5"}));

    // Columns 1, 2 and 4 occupied.
    EXPECT_EQ(combTexts("TstColMask", {1, 2, 4, 7, 8}), Strs({"110100 (052)"}));

    auto* graph = dynamic_cast<stats::TCustomGraphStat*>(make("TstRowCount").release());
    ASSERT_NE(graph, nullptr);
    EXPECT_EQ(graph->DrawValue(0, 0, false), 4);
    EXPECT_EQ(graph->CombValue(Comb({1, 2, 3, 4, 5}).v, -1, false, 0), 1);
    delete graph;
}

TEST_F(MatrixStats, AdjacentNumbers)
{
    // Two separate stacked pairs in one column give the same value as three stacked numbers.
    EXPECT_EQ(combTexts("TstColAjacent", {1, 7, 25, 31, 50}), Strs({"1 x 3"}));
    EXPECT_EQ(combTexts("TstColAjacent", {1, 7, 13, 40, 50}), Strs({"1 x 3"}));
    EXPECT_EQ(combTexts("TstColAjacentCnt", {1, 7, 25, 31, 50}), Strs({"1"}));
    // 6 and 7 lie in different rows; 5 and 6 touch.
    EXPECT_TRUE(combTexts("TstRowAjacent", {6, 7, 20, 40, 50}).isEmpty());
    EXPECT_EQ(combTexts("TstRowAjacentCnt", {6, 7, 20, 40, 50}), Strs({"0"}));
    EXPECT_EQ(combTexts("TstRowAjacent", {5, 6, 20, 40, 50}), Strs({"1 x 2"}));
    // Numbers 36 apart share a column but not neighbouring rows.
    EXPECT_TRUE(combTexts("TstColAjacent", {2, 14, 26, 38, 50}).isEmpty());

    // 8, 2, 7, 1, 54: the pair of column 2 comes first in drawn order, column 1 first when sorted.
    EXPECT_EQ(drawTexts("TstColAjacent", 1), Strs({"2 x 2", "1 x 2"}));
    EXPECT_EQ(drawTexts("TstColAjacent", 1, 0, true), Strs({"1 x 2", "2 x 2"}));
    EXPECT_EQ(drawTexts("TstRowAjacent", 1), Strs({"2 x 2", "1 x 2"}));
    EXPECT_EQ(drawTexts("TstColAjacentCnt", 1), Strs({"2"}));
    EXPECT_EQ(drawTexts("TstRowAjacentCnt", 1), Strs({"2"}));

    // One column: every pair of consecutive numbers is stacked, nothing touches across.
    EXPECT_EQ(combTexts("TstColAjacent", {1, 2, 3, 10, 11}, 1), Strs({"1 x 4"}));
    EXPECT_TRUE(combTexts("TstRowAjacent", {1, 2, 3, 10, 11}, 1).isEmpty());
}

TEST_F(MatrixStats, PreListedValuesFollowTheColumnCount)
{
    auto pre = [&](const char* cls, int cols, int param = 0) {
        auto stat = make(cls, cols, param);
        return Texts(*stat, PreListed(*stat));
    };
    EXPECT_EQ(pre("TstColumns", 6), Strs({"1", "2", "3", "4", "5", "6"}));
    EXPECT_EQ(pre("TstRows", 6).size(), 9);
    EXPECT_EQ(pre("TstColValues", 6).size(), 6 * 6);
    EXPECT_EQ(pre("TstColValues", 6).front(), u"1 x 0"_s);
    EXPECT_EQ(pre("TstRowValues", 6).size(), 9 * 6);
    EXPECT_EQ(pre("TstColCount", 6), Strs({"1", "2", "3", "4", "5"}));
    EXPECT_EQ(pre("TstRowCount", 6), Strs({"1", "2", "3", "4", "5"}));
    EXPECT_EQ(pre("TstColValCnt", 6, 1).size(), 9);
    EXPECT_EQ(pre("TstRowValCnt", 6, 1), Strs({"1", "2", "3", "4", "5", "6"}));
    for (const char* cls : {"TstColMask", "TstRowMask", "TstColAjacent", "TstRowAjacent", "TstColAjacentCnt",
                            "TstRowAjacentCnt", "TstCombColMix2", "TstCombRowSeq4"})
        EXPECT_TRUE(pre(cls, 6).isEmpty()) << cls;

    // Twenty columns: three rows, so a column holds at most three numbers.
    const QStringList colValues20 = pre("TstColValues", 20);
    EXPECT_EQ(colValues20.size(), 20 * 4);
    EXPECT_EQ(colValues20[3], u"1 x 3"_s);
    EXPECT_EQ(pre("TstRowValues", 20).size(), 3 * 6);
    EXPECT_EQ(pre("TstRowCount", 20), Strs({"1", "2", "3"}));
    EXPECT_EQ(pre("TstColValCnt", 20, 1), Strs({"1", "2", "3"}));
    EXPECT_EQ(pre("TstRowValCnt", 20, 1).size(), 20);
    // The mask widths change with the matrix.
    auto rowMask = make("TstRowMask", 20);
    EXPECT_EQ(Texts(*rowMask, DrawValues(*rowMask, 0, 0)), Strs({"110 (006)"}));
    auto colMask = make("TstColMask", 20);
    EXPECT_EQ(Texts(*colMask, DrawValues(*colMask, 0, 0)), Strs({"00100001100000100000 (137248)"}));
}

TEST_F(MatrixStats, MaskTextsReadBack)
{
    auto colMask = make("TstColMask");
    EXPECT_EQ(colMask->TextToValue(u"110100 (052)"_s), 52);
    EXPECT_EQ(colMask->TextToValue(u"11"_s), 48) << "missing characters are clear bits";
    EXPECT_EQ(colMask->TextToValue(u""_s), 0);
    EXPECT_EQ(colMask->TextToValue(u"1x1"_s), 40);
    auto rowMask = make("TstRowMask");
    EXPECT_EQ(rowMask->TextToValue(u"111010000 (464)"_s), 464);
    auto noMatrix = make("TstColMask", 0);
    EXPECT_EQ(noMatrix->TextToValue(u"111111"_s), 0);
    auto cols = make("TstColumns");
    EXPECT_EQ(cols->TextToValue(u"4"_s), 4);
}

TEST_F(MatrixStats, TestCombMatchesTheSelectedRows)
{
    auto cols = make("TstColumns");
    EXPECT_TRUE(cols->TestComb(Comb({1, 2, 3, 4, 6}), Rows({stats::KeyW(6)}), false, false, 0));
    EXPECT_FALSE(cols->TestComb(Comb({1, 2, 3, 4, 5}), Rows({stats::KeyW(6)}), false, false, 0));

    // A row for row 2 with count 0 matches a combination with no number in 7..12.
    auto rowValues = make("TstRowValues");
    const TStatDrawArray emptyTwo = Rows({stats::KeyW(2, 0)});
    EXPECT_TRUE(rowValues->TestComb(Comb({1, 2, 13, 20, 30}), emptyTwo, false, false, 0));
    EXPECT_FALSE(rowValues->TestComb(Comb({1, 7, 13, 20, 30}), emptyTwo, false, false, 0));
    auto colValues = make("TstColValues");
    EXPECT_TRUE(colValues->TestComb(Comb({3, 9, 15, 28, 29}), Rows({stats::KeyW(3, 3)}), false, false, 0));
    EXPECT_FALSE(colValues->TestComb(Comb({3, 9, 16, 28, 29}), Rows({stats::KeyW(3, 3)}), false, false, 0));

    auto colMask = make("TstColMask");
    EXPECT_TRUE(colMask->TestComb(Comb({1, 2, 4, 7, 8}), Rows({stats::KeyHalves(52)}), false, false, 0));
    EXPECT_FALSE(colMask->TestComb(Comb({1, 2, 4, 7, 9}), Rows({stats::KeyHalves(52)}), false, false, 0));

    auto adjacent = make("TstColAjacent");
    EXPECT_TRUE(adjacent->TestComb(Comb({1, 7, 25, 31, 50}), Rows({stats::KeyW(1, 3)}), false, false, 0));
    EXPECT_FALSE(adjacent->TestComb(Comb({1, 7, 20, 40, 50}), Rows({stats::KeyW(1, 3)}), false, false, 0));
    auto adjacentCnt = make("TstRowAjacentCnt");
    EXPECT_TRUE(adjacentCnt->TestComb(Comb({6, 7, 20, 40, 50}), Rows({stats::KeyW(0)}), false, false, 0));
    EXPECT_FALSE(adjacentCnt->TestComb(Comb({5, 6, 20, 40, 50}), Rows({stats::KeyW(0)}), false, false, 0));

    auto inColumn = make("TstColValCnt", 6, 3);
    EXPECT_TRUE(inColumn->TestComb(Comb({1, 2, 4, 5, 6}), Rows({stats::KeyW(0)}), false, false, 0));
    EXPECT_FALSE(inColumn->TestComb(Comb({1, 2, 3, 5, 6}), Rows({stats::KeyW(0)}), false, false, 0));

    // Pattern classes: nothing for a combination, but its tuples are tested.
    auto seq = make("TstCombRowSeq2");
    EXPECT_TRUE(CombValues(*seq, Comb({3, 9, 15, 28, 29})).empty());
    EXPECT_TRUE(seq->TestComb(Comb({3, 9, 15, 28, 29}), Rows({stats::KeyW(5, 5)}), false, false, 0));
    EXPECT_FALSE(seq->TestComb(Comb({3, 9, 15, 28, 29}), Rows({stats::KeyW(1, 3)}), false, false, 0));
    auto mix = make("TstCombRowMix2");
    EXPECT_TRUE(mix->TestComb(Comb({3, 9, 15, 28, 29}), Rows({stats::KeyW(1, 3)}), false, false, 0));
}

TEST_F(MatrixStats, UnusualColumnCountsAreSafe)
{
    // No matrix: nothing to list, every count is 0.
    for (int cols : {0, -1}) {
        for (const char* cls : kAllClasses) {
            auto stat = make(cls, cols, 1);
            ASSERT_NE(stat, nullptr) << cls;
            EXPECT_TRUE(PreListed(*stat).empty()) << cls;
            const TStatDrawArray list = Table(*stat, 0, 1);
            const TStatDrawArray comb = CombValues(*stat, Comb({1, 2, 3, 4, 5}));
            if (IsCount(cls)) {
                EXPECT_EQ(Texts(*stat, list), Strs({"0"})) << cls;
                EXPECT_EQ(Texts(*stat, comb), Strs({"0"})) << cls;
                EXPECT_EQ(dynamic_cast<stats::TCustomGraphStat&>(*stat).DrawValue(0, 0, false), 0) << cls;
            } else {
                EXPECT_TRUE(list.empty()) << cls;
                EXPECT_TRUE(comb.empty()) << cls;
                EXPECT_FALSE(stat->TestComb(Comb({1, 2, 3, 4, 5}),
                                            Rows({stats::KeyW(0), stats::KeyW(1), stats::KeyW(1, 0)}), false, false, 0))
                    << cls;
            }
            core::TStatDrawRec r;
            r.Key = stats::KeyW(1, 1, 1, 1);
            stat->ValueToText(r);
            stat->TextToValue(u"101"_s);
        }
    }

    // More columns than numbers: 54 columns in one row; the column mask is 54 bits wide.
    for (int cols : {1000, INT_MAX}) {
        auto colMask = make("TstColMask", cols);
        const QString text = Texts(*colMask, CombValues(*colMask, Comb({1, 2, 3, 4, 5}))).value(0);
        EXPECT_EQ(text, u"11111"_s + QString(49, u'0') + u" (17451448556060672)"_s);
        auto columns = make("TstColumns", cols);
        EXPECT_EQ(PreListed(*columns).size(), 54u);
        auto rowMask = make("TstRowMask", cols);
        EXPECT_EQ(Texts(*rowMask, CombValues(*rowMask, Comb({1, 2, 3, 4, 5}))), Strs({"1 (001)"}));
        auto inRow = make("TstRowValCnt", cols, 1);
        EXPECT_EQ(PreListed(*inRow).size(), 54u);
    }
    // Masks wider than 32 bits compare whole: these two differ only above the low 32 bits.
    auto wide = make("TstColMask", 54);
    const TStatDrawArray rows = CombValues(*wide, Comb({1, 50, 51, 52, 53}));
    EXPECT_TRUE(wide->TestComb(Comb({1, 50, 51, 52, 53}), rows, false, false, 0));
    EXPECT_FALSE(wide->TestComb(Comb({2, 50, 51, 52, 53}), rows, false, false, 0));
    // One column: 54 rows, the row mask is 54 bits wide.
    auto tall = make("TstRowMask", 1);
    const TStatDrawArray tallRows = CombValues(*tall, Comb({1, 50, 51, 52, 53}));
    EXPECT_TRUE(tall->TestComb(Comb({1, 50, 51, 52, 53}), tallRows, false, false, 0));
    EXPECT_FALSE(tall->TestComb(Comb({2, 50, 51, 52, 53}), tallRows, false, false, 0));
    auto rowValues = make("TstRowValues", 1);
    EXPECT_EQ(PreListed(*rowValues).size(), 54u * 2u);

    // An all-zero draw lies outside the matrix.
    TDrawsArray zeros = {Draw(1, {0, 0, 0, 0, 0})};
    auto cols = Make("TstColumns", Env(&zeros));
    EXPECT_TRUE(DrawValues(*cols, 0, 0).empty());
    auto colValues = Make("TstColValues", Env(&zeros));
    EXPECT_EQ(Texts(*colValues, DrawValues(*colValues, 0, 0)),
              Strs({"1 x 0", "2 x 0", "3 x 0", "4 x 0", "5 x 0", "6 x 0"}));
    auto colCount = Make("TstColCount", Env(&zeros));
    EXPECT_EQ(Texts(*colCount, DrawValues(*colCount, 0, 0)), Strs({"0"}));
}

TEST_F(MatrixStats, BatchFormsAgreeWithSingleCalls)
{
    const std::vector<core::TComb> combs = {Comb({1, 2, 3, 4, 5}), Comb({3, 9, 15, 28, 29}), Comb({10, 20, 30, 40, 50}),
                                            Comb({1, 2, 3, 4, 5}), Comb({1, 7, 25, 31, 50}), Comb({5, 6, 11, 12, 54})};
    for (int k : {6, 1, 54, 0}) {
        for (const char* cls : kAllClasses) {
            auto a = make(cls, k, 2);
            auto b = make(cls, k, 2);
            ASSERT_TRUE(a && b) << cls;
            ExpectBatchFormsAgree(*a, *b, combs, cls);
        }
    }
}

TEST(MatrixArchive, ColumnCountsOfTheNewestDrawsMatchAPlainCount)
{
    TDrawsArray draws;
    QString error;
    ASSERT_TRUE(core::LoadDrawsFile(QStringLiteral(VERTOMA_SHARED_DATA_DIR "/Vertoma_5x54.ldr"), draws, &error))
        << error.toStdString();
    ASSERT_GE(draws.size(), 300u);
    const int last = int(draws.size()) - 1;
    const int first = last - 299;
    for (int k : {6, 7}) {
        auto stat = Make("TstColValues", Env(&draws, WithColumns(k)));
        const TStatDrawArray list = Table(*stat, first, last);
        const int rows = (54 + k - 1) / k;
        std::map<std::pair<int, int>, int> expected;
        for (int c = 1; c <= k; ++c)
            for (int n = 0; n <= std::min(rows, 5); ++n)
                expected[{c, n}] = 0;
        for (int i = first; i <= last; ++i) {
            int perColumn[55] = {};
            for (int p = 0; p < 5; ++p)
                ++perColumn[(draws[std::size_t(i)].Values[p] - 1) % k + 1];
            for (int c = 1; c <= k; ++c)
                ++expected[{c, perColumn[c]}];
        }
        std::map<std::pair<int, int>, int> actual;
        for (const core::TStatDrawRec& r : list)
            actual[{r.Key.c[0], r.Key.c[1]}] += r.Count;
        EXPECT_EQ(actual.size(), list.size()) << "no key twice";
        EXPECT_EQ(actual, expected) << "columns " << k;
    }
}

TEST(MatrixFullSet, EveryColumnHoldsFiveSixthsOfTheNumbers)
{
    std::vector<core::TComb> all;
    all.reserve(3162510);
    for (int a = 1; a <= 50; ++a)
        for (int b = a + 1; b <= 51; ++b)
            for (int c = b + 1; c <= 52; ++c)
                for (int d = c + 1; d <= 53; ++d)
                    for (int e = d + 1; e <= 54; ++e)
                        all.push_back(Comb({a, b, c, d, e}));
    ASSERT_EQ(all.size(), 3162510u);

    TDrawsArray none;
    auto stat = Make("TstColumns", Env(&none, WithColumns(6)));
    TStatDrawArray list;
    stat->InitValues(0, list);
    stat->CalcCombs(all, list);
    ASSERT_EQ(list.size(), 6u);
    // A column holds 9 numbers, each in C(53, 4) combinations.
    const std::int64_t perColumn = 9LL * (53 * 52 * 51 * 50 / 24);
    ASSERT_EQ(3162510LL * 5 % 6, 0);
    EXPECT_EQ(perColumn, 3162510LL * 5 / 6);
    for (const core::TStatDrawRec& r : list)
        EXPECT_EQ(r.Count, perColumn) << "column " << r.Key.c[0];
}

} // namespace
