#include "core/StatAccum.h"

#include <gtest/gtest.h>

using namespace core;

namespace {

TStatDrawRec occurrence(std::uint16_t key, int lastDraw, int depth, int count = 1)
{
    TStatDrawRec r;
    r.Key.c[0] = key;
    r.LastDraw = lastDraw;
    r.Depth = depth;
    r.Count = count;
    return r;
}

} // namespace

TEST(StatAccum, SimpleAddAccumulatesPositiveCounts)
{
    TStatSimpleArray arr;
    StatSimpleAdd(arr, 7, 2);
    StatSimpleAdd(arr, 3, 0); // a new key is appended even with nothing to add
    StatSimpleAdd(arr, 7, 5);
    StatSimpleAdd(arr, 7, -4);
    ASSERT_EQ(arr.size(), 2u);
    EXPECT_EQ(arr[0].Key, 7);
    EXPECT_EQ(arr[0].Count, 7);
    EXPECT_EQ(arr[1].Key, 3);
    EXPECT_EQ(arr[1].Count, 0);
}

TEST(StatAccum, LastValueUpdateReturnsDistance)
{
    TLastValueArray arr;
    TLastValueRec rec;
    rec.Key.c[1] = 12;
    rec.LastDraw = 40;
    EXPECT_EQ(LastValueUpdate(arr, rec), -1);
    rec.LastDraw = 46;
    EXPECT_EQ(LastValueUpdate(arr, rec), 6);
    rec.LastDraw = 50;
    EXPECT_EQ(LastValueUpdate(arr, rec), 4);
    ASSERT_EQ(arr.size(), 1u);
    EXPECT_EQ(arr[0].LastDraw, 50);

    rec.Key.c[1] = 0;
    rec.Key.c[3] = 12; // same component value elsewhere is another key
    EXPECT_EQ(LastValueUpdate(arr, rec), -1);
    EXPECT_EQ(arr.size(), 2u);
}

TEST(StatAccum, MergeKeepsNearestOccurrence)
{
    TStatDrawArray arr;
    TStatDrawRec first = occurrence(4, 95, 5);
    first.Norm = 33;
    StatDrawMerge(arr, first, false);
    ASSERT_EQ(arr.size(), 1u);
    EXPECT_EQ(arr[0].Norm, 0);

    StatDrawMerge(arr, occurrence(4, 97, 3, 2), false);
    EXPECT_EQ(arr[0].Depth, 3);
    EXPECT_EQ(arr[0].LastDraw, 97);
    EXPECT_EQ(arr[0].Count, 3);

    // A farther or depthless occurrence does not replace the nearest one.
    StatDrawMerge(arr, occurrence(4, 90, 8), false);
    StatDrawMerge(arr, occurrence(4, 0, 0, 0), false);
    EXPECT_EQ(arr[0].Depth, 3);
    EXPECT_EQ(arr[0].LastDraw, 97);
    EXPECT_EQ(arr[0].Count, 4);
    EXPECT_EQ(arr[0].PrevDraw, 0);
    EXPECT_EQ(arr[0].MinPeriod, 0);

    // At equal depth the later merge wins.
    StatDrawMerge(arr, occurrence(4, 98, 3), false);
    EXPECT_EQ(arr[0].LastDraw, 98);
}

TEST(StatAccum, MergeMeasuresPeriods)
{
    TStatDrawArray arr;
    StatDrawMerge(arr, occurrence(9, 0, 0, 0), false); // seeded, never occurred
    StatDrawMerge(arr, occurrence(9, 93, 8), true);
    EXPECT_EQ(arr[0].Depth, 8);
    EXPECT_EQ(arr[0].PrevDraw, 93);
    EXPECT_EQ(arr[0].MinPeriod, 0); // the first occurrence has nothing to measure from

    StatDrawMerge(arr, occurrence(9, 100, 1), true);
    EXPECT_EQ(arr[0].MinPeriod, 7);
    EXPECT_EQ(arr[0].MaxPeriod, 7);
    StatDrawMerge(arr, occurrence(9, 103, 1), true);
    StatDrawMerge(arr, occurrence(9, 115, 1), true);
    EXPECT_EQ(arr[0].MinPeriod, 3);
    EXPECT_EQ(arr[0].MaxPeriod, 12);
    EXPECT_EQ(arr[0].PrevDraw, 115);

    // Without periods only the previous draw moves on.
    StatDrawMerge(arr, occurrence(9, 116, 1), false);
    EXPECT_EQ(arr[0].MinPeriod, 3);
    EXPECT_EQ(arr[0].PrevDraw, 116);

    // Walking backwards gives the same distances.
    StatDrawMerge(arr, occurrence(9, 100, 1), true);
    EXPECT_EQ(arr[0].MaxPeriod, 16);

    StatDrawMerge(arr, occurrence(9, 100 + 70000, 1), true);
    EXPECT_EQ(arr[0].MaxPeriod, 65535);
    EXPECT_EQ(arr[0].Count, 7);
}

TEST(StatAccum, Summary)
{
    EXPECT_EQ(StatDrawSummary({}).Total, 0);

    TStatDrawArray arr{occurrence(1, 10, 0, 2000000000), occurrence(2, 11, 4, 2000000000), occurrence(3, 12, 9, 5),
                       occurrence(4, 0, -2, 7)};
    const TStatDrawSummary s = StatDrawSummary(arr);
    EXPECT_EQ(s.Total, 4000000012LL);
    EXPECT_EQ(s.MinCount, 5);
    EXPECT_EQ(s.MaxCount, 2000000000);
    EXPECT_EQ(s.MaxDepth, 9);

    const TStatDrawSummary never = StatDrawSummary({occurrence(1, 0, 0, 3), occurrence(2, 0, 0, 1)});
    EXPECT_EQ(never.MaxDepth, 0);
    EXPECT_EQ(never.MinCount, 1);
}
