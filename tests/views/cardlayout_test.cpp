// The number card and the layout with its comparison lists: the colour rules on small archives
// and the real draw history checked against plain loops written in the test.

#include "StatTestSupport.h"
#include "TestPaths.h"

#include "core/DrawArchive.h"
#include "core/GameMath.h"
#include "views/LayoutScheme.h"
#include "views/NumberCard.h"

#include <gtest/gtest.h>

#include <bitset>
#include <map>
#include <set>

using namespace stattest;
using namespace views;

namespace {

core::TDrawsArray RealDraws()
{
    core::TDrawsArray draws;
    EXPECT_TRUE(core::LoadDrawsFile(QStringLiteral(VERTOMA_SHARED_DATA_DIR "/Vertoma_5x54.ldr"), draws));
    return draws;
}

constexpr std::uint32_t kYellow = 0x00FFFF;
constexpr std::uint32_t kLime = 0x00FF00;
constexpr std::uint32_t kAqua = 0xFFFF00;

TEST(NumberCard, RowsAreTheWholeArchiveNewestFirst)
{
    const core::TDrawsArray draws = RealDraws();
    const std::vector<std::uint64_t> masks = CardMasks(draws);
    ASSERT_EQ(masks.size(), draws.size());
    for (int row = 0; row < int(draws.size()); ++row) {
        const core::TDrawRec& d = draws[draws.size() - 1 - std::size_t(row)];
        ASSERT_EQ(CardDraw(draws, row)->Num, d.Num);
        int shown = 0;
        for (int column = 1; column <= 54; ++column) {
            const QString text = CardCellText(draws, row, column);
            const bool drawn = std::count(std::begin(d.Values), std::end(d.Values), column) > 0;
            ASSERT_EQ(text, drawn ? QString::number(column) : QString()) << row << " " << column;
            shown += drawn;
        }
        ASSERT_EQ(shown, 5);
        ASSERT_EQ(CardCellText(draws, row, 55), QString::number(d.Extra));
    }
    EXPECT_EQ(CardDraw(draws, -1), nullptr);
    EXPECT_EQ(CardDraw(draws, int(draws.size())), nullptr);
    EXPECT_TRUE(CardCellText(draws, int(draws.size()), 1).isEmpty());
}

TEST(NumberCard, RepeatsAndNeighboursAreColoured)
{
    // Oldest first: 17 in draws 2 and 3, 18 beside it in draw 3; 1 and 54 alone in draw 1.
    const core::TDrawsArray draws{Draw(1, {1, 54, 30, 40, 45}), Draw(2, {17, 3, 33, 25, 50}),
                                  Draw(3, {17, 18, 5, 9, 12})};
    const std::vector<std::uint64_t> masks = CardMasks(draws);
    const CardLook look{true, true, 6};
    // Row 0 is draw 3, row 1 draw 2.
    EXPECT_EQ(CardCellColor(masks, 0, 17, look), kYellow); // repeated, and 18 beside it
    EXPECT_EQ(CardCellColor(masks, 1, 17, look), kLime);   // repeated, no neighbour
    EXPECT_EQ(CardCellColor(masks, 0, 18, look), kAqua);   // beside 17, not repeated
    // Alone: the channel colour; 54 has no right neighbour to speak of.
    EXPECT_EQ(CardCellColor(masks, 2, 54, look), core::NumberColor(54, 6));
    EXPECT_EQ(CardCellColor(masks, 2, 1, look), core::NumberColor(1, 6));
    // Empty cells keep the channel colour, column by column.
    EXPECT_EQ(CardCellColor(masks, 0, 20, look), core::NumberColor(20, 6));
    EXPECT_EQ(CardCellColor(masks, 0, 20, {true, true, 3}), core::NumberColor(20, 3));

    const CardLook noSequences{true, false, 6};
    EXPECT_EQ(CardCellColor(masks, 0, 17, noSequences), core::NumberColor(17, 6));
    const CardLook sequencesOnly{false, true, 6};
    EXPECT_EQ(CardCellColor(masks, 0, 17, sequencesOnly), kYellow);
    EXPECT_EQ(CardCellColor(masks, 2, 1, sequencesOnly), 0u);
    EXPECT_EQ(CardCellColor(masks, 0, 20, sequencesOnly), 0u);
    EXPECT_EQ(CardCellColor(masks, 0, 17, CardLook{false, false, 6}), 0u);
    // The key number's column is never coloured.
    EXPECT_EQ(CardCellColor(masks, 0, 55, look), 0u);
}

TEST(NumberCard, RepeatsCountOnlyNeighbouringDraws)
{
    // 17 in draws 1 and 3 but not in 2: no repeat.
    const core::TDrawsArray draws{Draw(1, {17, 2, 3, 4, 5}), Draw(2, {20, 22, 24, 26, 28}),
                                  Draw(3, {17, 40, 42, 44, 46})};
    const std::vector<std::uint64_t> masks = CardMasks(draws);
    EXPECT_EQ(CardCellColor(masks, 0, 17, {true, true, 6}), core::NumberColor(17, 6));
    EXPECT_EQ(CardCellColor(masks, 2, 17, {true, true, 6}), core::NumberColor(17, 6));
    // 2, 3, 4, 5 of draw 1 touch each other.
    EXPECT_EQ(CardCellColor(masks, 2, 3, {true, true, 6}), kAqua);
}

TEST(NumberCard, SelectedNumbersAreDistinctAndSkipEmptyCells)
{
    const core::TDrawsArray draws{Draw(1, {17, 2, 3, 4, 5}), Draw(2, {17, 22, 24, 26, 28})};
    const std::vector<std::uint64_t> masks = CardMasks(draws);
    EXPECT_EQ(CardSelectedNumbers(masks, {{0, 17}, {1, 17}, {0, 18}, {1, 2}, {0, 55}, {0, 0}, {5, 3}}),
              (std::vector<int>{17, 2}));
    EXPECT_TRUE(CardSelectedNumbers(masks, {{0, 18}, {1, 18}}).empty());
}

TEST(LayoutGrid, OneDrawGivesOneCellWithItsFiveNumbers)
{
    const core::TDrawsArray draws = RealDraws();
    const core::TDrawRec& newest = draws.back();
    const LayoutGrid grid = BuildLayoutGrid(draws, 0, 1, {});
    ASSERT_EQ(grid.rowCount(), 1);
    ASSERT_EQ(grid.columnCount(), 1);
    EXPECT_EQ(grid.Counts[0], 1);
    EXPECT_EQ(grid.DrawNums[0], newest.Num);
    EXPECT_EQ(grid.cell(0, 0), QStringLiteral("%1, %2, %3, %4, %5")
                                   .arg(newest.Values[0])
                                   .arg(newest.Values[1])
                                   .arg(newest.Values[2])
                                   .arg(newest.Values[3])
                                   .arg(newest.Values[4]));
    // The colour of the one cell: row and column 1 of a grid of 2 x 2.
    EXPECT_EQ(LayoutCellColor(grid, 0, 0, true), 0xB2B2B2u); // 255 - 77.5 and 100 + 77.5, to even: 178
    EXPECT_EQ(LayoutCellColor(grid, 0, 0, false), 0xEAFFEAu);
}

TEST(LayoutGrid, NextDrawNumbersAreBracketedAndGreen)
{
    const core::TDrawsArray draws = RealDraws();
    const LayoutGrid plain = BuildLayoutGrid(draws, 0, 100, core::NextDrawSet(draws, 0));
    for (const QString& cell : plain.Cells)
        EXPECT_FALSE(cell.contains(u'['));

    // Offset 3: the draw after the analysis point is the third newest but one.
    const std::bitset<256> next = core::NextDrawSet(draws, 3);
    const core::TDrawRec& after = draws[draws.size() - 3];
    const LayoutGrid grid = BuildLayoutGrid(draws, 3, 100, next);
    std::set<int> bracketed;
    for (int r = 0; r < grid.rowCount(); ++r)
        for (int c = 0; c < grid.columnCount(); ++c) {
            const QString& cell = grid.cell(r, c);
            bool here = false;
            for (const QString& part : cell.split(u", "_s, Qt::SkipEmptyParts))
                if (part.startsWith(u'[')) {
                    bracketed.insert(part.mid(1, part.size() - 2).toInt());
                    here = true;
                }
            EXPECT_EQ(grid.marked(r, c), here);
            EXPECT_EQ(LayoutCellColor(grid, r, c, true) == 0x00FF00u, here);
            EXPECT_EQ(LayoutCellColor(grid, r, c, false) == 0x00FF00u, here);
        }
    // Every number of that draw that also fell in the window is marked, and nothing else.
    std::set<int> inWindow;
    for (std::size_t i = draws.size() - 3 - 100; i < draws.size() - 3; ++i)
        inWindow.insert(std::begin(draws[i].Values), std::end(draws[i].Values));
    std::set<int> expected;
    for (std::uint8_t n : after.Values)
        if (inWindow.count(n))
            expected.insert(n);
    EXPECT_EQ(bracketed, expected);
    EXPECT_FALSE(expected.empty());
}

TEST(LayoutGrid, ANumberFallingFourTimesSitsInRowFourAndItsLastDraw)
{
    core::TDrawsArray draws;
    for (int num = 1491; num <= 1500; ++num)
        draws.push_back(Draw(num, {num % 10 + 20, num % 10 + 31, 50, 51, 52}));
    // 7 falls in 1494, 1496, 1498 and 1500, and nowhere else.
    for (int num : {1494, 1496, 1498, 1500})
        draws[std::size_t(num - 1491)].Values[4] = 7;
    const LayoutGrid grid = BuildLayoutGrid(draws, 0, 100, {});
    const auto row = std::find(grid.Counts.begin(), grid.Counts.end(), 4) - grid.Counts.begin();
    const auto column = std::find(grid.DrawNums.begin(), grid.DrawNums.end(), 1500) - grid.DrawNums.begin();
    ASSERT_LT(row, grid.rowCount());
    ASSERT_LT(column, grid.columnCount());
    EXPECT_TRUE(LayoutCellNumbers(grid.cell(int(row), int(column))) == std::vector<int>{7})
        << grid.cell(int(row), int(column)).toStdString();
    // Counts and draws both descending: 50 and 51 fell ten times, last in 1500.
    EXPECT_EQ(grid.Counts.front(), 10);
    EXPECT_EQ(grid.DrawNums.front(), 1500);
    EXPECT_TRUE(std::is_sorted(grid.Counts.rbegin(), grid.Counts.rend()));
    EXPECT_TRUE(std::is_sorted(grid.DrawNums.rbegin(), grid.DrawNums.rend()));
}

TEST(LayoutGrid, EveryNumberOfTheWindowHasOneCellByItsCountAndLastDraw)
{
    const core::TDrawsArray draws = RealDraws();
    for (int offset : {0, 7}) {
        const int last = int(draws.size()) - 1 - offset;
        std::map<int, int> count, lastDraw;
        for (int i = last; i > last - 100; --i)
            for (std::uint8_t n : draws[std::size_t(i)].Values) {
                ++count[n];
                if (!lastDraw.count(n))
                    lastDraw[n] = draws[std::size_t(i)].Num;
            }
        const LayoutGrid grid = BuildLayoutGrid(draws, offset, 100, core::NextDrawSet(draws, offset));
        std::map<int, std::pair<int, int>> placed;
        for (int r = 0; r < grid.rowCount(); ++r)
            for (int c = 0; c < grid.columnCount(); ++c)
                for (int n : LayoutCellNumbers(grid.cell(r, c))) {
                    ASSERT_FALSE(placed.count(n)) << n;
                    placed[n] = {grid.Counts[std::size_t(r)], grid.DrawNums[std::size_t(c)]};
                }
        ASSERT_EQ(placed.size(), count.size());
        for (const auto& [n, where] : placed) {
            EXPECT_EQ(where.first, count[n]) << n;
            EXPECT_EQ(where.second, lastDraw[n]) << n;
        }
    }
}

TEST(LayoutGrid, GradientAndBands)
{
    // Bands of five, on and on past 95.
    for (int i : {1, 5, 11, 15, 91, 95, 101, 105})
        EXPECT_TRUE(LayoutBandMarked(i)) << i;
    for (int i : {0, 6, 10, 16, 20, 96, 100, 106})
        EXPECT_FALSE(LayoutBandMarked(i)) << i;

    const core::TDrawsArray draws = RealDraws();
    const LayoutGrid grid = BuildLayoutGrid(draws, 0, 300, {});
    ASSERT_GT(grid.rowCount(), 6);
    ASSERT_GT(grid.columnCount(), 6);
    // Row index 6 (data row 5) is outside the bands, column index 1 inside: light red.
    EXPECT_EQ(LayoutCellColor(grid, 5, 0, false), 0xEAEAFFu);
    EXPECT_EQ(LayoutCellColor(grid, 5, 5, false), 0xEAFFEAu);
    // The last cell of the gradient: row = rows - 1 of rows, column likewise.
    const int rows = grid.rowCount() + 1, columns = grid.columnCount() + 1;
    const std::uint32_t corner = LayoutCellColor(grid, grid.rowCount() - 1, grid.columnCount() - 1, true);
    const double red = 255 - 155.0 * (rows - 1) / rows, green = 255 - 155.0 * (columns - 1) / columns,
                 blue = 100 + 155.0 * (rows - 1) / rows;
    EXPECT_NEAR(double(corner & 0xFF), red, 0.5);
    EXPECT_NEAR(double(corner >> 8 & 0xFF), green, 0.5);
    EXPECT_NEAR(double(corner >> 16 & 0xFF), blue, 0.5);
}

TEST(LayoutGrid, CellTextsGiveTheirNumbers)
{
    EXPECT_EQ(LayoutCellNumbers(u"[7], 12, 3"_s), (std::vector<int>{7, 12, 3}));
    EXPECT_EQ(LayoutCellNumbers(u"54"_s), (std::vector<int>{54}));
    EXPECT_TRUE(LayoutCellNumbers(QString()).empty());
}

TEST(LayoutGrid, EmptyWindows)
{
    EXPECT_EQ(BuildLayoutGrid({}, 0, 100, {}).rowCount(), 0);
    const core::TDrawsArray one{Draw(5, {1, 2, 3, 4, 5})};
    EXPECT_EQ(BuildLayoutGrid(one, 1, 100, {}).columnCount(), 0);
    EXPECT_TRUE(BuildLayoutCompare({}, 0, 50).Caption.isEmpty());
}

TEST(LayoutCompare, HeaderNamesTheWindowAndRowsFollowFirstAppearance)
{
    const core::TDrawsArray draws = RealDraws();
    const std::size_t last = draws.size() - 1 - 2;
    const LayoutCompareList list = BuildLayoutCompare(draws, 2, 50);
    EXPECT_EQ(list.Caption, QStringLiteral("%1 - %2").arg(draws[last - 49].Num).arg(draws[last].Num));

    // The counts of the window, and the order in which each count first shows up when the
    // numbers are met from the newest draw back.
    std::map<int, int> count;
    std::vector<int> order;
    for (std::size_t i = last + 1; i-- > last - 49;)
        for (std::uint8_t n : draws[i].Values)
            if (!count[n]++)
                order.push_back(n);
    std::vector<int> countOrder;
    std::map<int, std::vector<int>> byCount;
    for (int n : order) {
        if (byCount[count[n]].empty())
            countOrder.push_back(count[n]);
        byCount[count[n]].push_back(n);
    }
    ASSERT_EQ(list.Rows.size(), countOrder.size());
    for (std::size_t r = 0; r < list.Rows.size(); ++r) {
        EXPECT_EQ(list.Rows[r].Count, countOrder[r]);
        QStringList numbers;
        for (int n : byCount[countOrder[r]])
            numbers << QString::number(n);
        EXPECT_EQ(list.Rows[r].Numbers, numbers.join(u", "_s));
    }
}

} // namespace
