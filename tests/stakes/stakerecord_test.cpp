#include "StakeTestSupport.h"
#include "core/Cp1251.h"
#include "stakes/StakeRecord.h"

#include <QtEndian>

#include <gtest/gtest.h>

#include <limits>

using namespace stakes;
using namespace stakestest;
using namespace Qt::StringLiterals;

TEST(StakeRecordTest, TheStoredBytesAreTheDocumentedLayout)
{
    TStakeRec rec = Stake(1234, {5, 12, 33, 40, 54}, "Ставка");
    rec.Kind = KindScript;
    rec.Checked = 1;
    rec.SampleSize = 70000;
    rec.DrawValues[0] = 12;
    rec.DrawValues[4] = 7;
    rec.Matches = Numbers({12, 33});
    rec.Profit = -123456789012LL;

    char b[StakeRecSize];
    StakeToBytes(rec, b);
    const auto u8 = [&](int at) { return int(std::uint8_t(b[at])); };
    EXPECT_EQ(u8(0), 2);
    EXPECT_EQ(u8(1), 3);
    EXPECT_EQ(u8(2) + u8(3), 0);
    EXPECT_EQ(qFromLittleEndian<std::int32_t>(b + 4), 1234);
    EXPECT_EQ(u8(8), 1);
    EXPECT_EQ(qFromLittleEndian<std::int32_t>(b + 12), 70000);
    EXPECT_EQ(qFromLittleEndian<std::int32_t>(b + 16), 5);
    EXPECT_EQ(u8(20), 5);
    EXPECT_EQ(u8(24), 54);
    EXPECT_EQ(u8(25) + u8(26) + u8(27), 0);
    EXPECT_EQ(u8(28), 12);
    EXPECT_EQ(u8(32), 7);
    EXPECT_EQ(qFromLittleEndian<std::int32_t>(b + 36), 2);
    EXPECT_EQ(u8(40), 12);
    EXPECT_EQ(u8(41), 33);
    EXPECT_EQ(qFromLittleEndian<std::int64_t>(b + 48), -123456789012LL);
    EXPECT_EQ(u8(56), 6);
    EXPECT_EQ(QByteArray(b + 57, 6), cp1251::encode(u"Ставка"_s));
    EXPECT_EQ(u8(63), 0);

    const TStakeRec back = StakeFromBytes(b);
    EXPECT_EQ(back.DrawNum, 1234);
    EXPECT_EQ(StakeComment(back), u"Ставка"_s);
    EXPECT_EQ(back.Matches.Count, 2);
}

TEST(StakeRecordTest, SeparatorAndNewStakeDefaults)
{
    char b[StakeRecSize];
    StakeToBytes(StakeSeparator(), b);
    EXPECT_EQ(int(b[0]), 2);
    EXPECT_EQ(int(b[1]), 0);
    EXPECT_EQ(qFromLittleEndian<std::int32_t>(b + 4), -1);
    EXPECT_EQ(qFromLittleEndian<std::int32_t>(b + 36), -1);
    int nonZero = 0;
    for (int i = 0; i < StakeRecSize; ++i)
        if (b[i] != 0 && (i < 4 || i > 7) && (i < 36 || i > 39) && i != 0)
            ++nonZero;
    EXPECT_EQ(nonZero, 0) << "everything but version, draw number and match count is zero";

    const TStakeRec rec = Stake(7, {1, 2, 3, 4, 5});
    EXPECT_EQ(rec.Version, 2);
    EXPECT_EQ(rec.Checked, 0);
    EXPECT_EQ(rec.Matches.Count, -1);
    EXPECT_EQ(rec.Profit, -20000);
    EXPECT_EQ(rec.SampleSize, 100);
}

TEST(StakeRecordTest, CommentsAreCutTo255BytesAndUnmappableCharactersBecomeQuestionMarks)
{
    TStakeRec rec;
    SetStakeComment(rec, QString(300, u'ж'));
    EXPECT_EQ(rec.Comment[0], 255);
    EXPECT_EQ(StakeComment(rec), QString(255, u'ж'));
    SetStakeComment(rec, u"a€b✓"_s);
    EXPECT_EQ(StakeComment(rec), u"a€b?"_s);
    EXPECT_EQ(rec.Comment[5], 0) << "the rest of an earlier, longer comment is cleared";
}

TEST(StakeRecordTest, ProfitFollowsThePrizeTable)
{
    const core::TConfigData config = PrizeConfig();
    EXPECT_EQ(StakeProfit(config, 5, 3), 80000);
    EXPECT_EQ(StakeProfit(config, 5, 2), -20000);
    EXPECT_EQ(StakeProfit(config, 5, 5), 9980000);
    EXPECT_EQ(StakeProfit(config, 5, -1), -20000);
    // Six numbers cost six single stakes and win one prize for their total matches.
    EXPECT_EQ(StakeProfit(config, 6, 3), -6 * 20000 + 100000);
    EXPECT_EQ(StakeProfit(config, 7, 5), -21 * 20000 + 10000000);

    core::TConfigData twice = config;
    twice.Profits = {{3, 100000}, {3, 200000}};
    EXPECT_EQ(StakeProfit(twice, 5, 3), 80000) << "a later row for the same count never pays";
    core::TConfigData none;
    none.Cost = 15000;
    EXPECT_EQ(StakeProfit(none, 5, 5), -15000);
}

TEST(StakeRecordTest, AProfitThatMoneyCannotHoldIsNoProfit)
{
    constexpr std::int64_t Max = std::numeric_limits<std::int64_t>::max();
    constexpr std::int64_t Min = std::numeric_limits<std::int64_t>::min();
    core::TConfigData config = PrizeConfig();
    EXPECT_EQ(CheckedStakeProfit(config, 8, 5), -56 * 20000 + 10000000);
    EXPECT_FALSE(CheckedStakeProfit(config, 9, 5)) << "a record holds eight numbers at most";
    EXPECT_FALSE(CheckedStakeProfit(config, -1, 5));

    config.Cost = Max / 6 + 1; // six numbers cost six stakes: past the limit
    EXPECT_EQ(CheckedStakeProfit(config, 5, -1), -config.Cost);
    EXPECT_FALSE(CheckedStakeProfit(config, 6, -1));
    EXPECT_EQ(StakeProfit(config, 6, -1), Min) << "a stake the program makes gets the lowest profit";

    config.Cost = Min; // minus the cost cannot be held
    EXPECT_FALSE(CheckedStakeProfit(config, 5, 0));
    EXPECT_EQ(StakeProfit(config, 5, 0), Max);

    config.Cost = -1;
    config.Profits = {{3, Max}};
    EXPECT_EQ(CheckedStakeProfit(config, 5, 2), 1);
    EXPECT_FALSE(CheckedStakeProfit(config, 5, 3)) << "the prize on top of the cost passes the limit";
    config.Cost = 1;
    EXPECT_EQ(CheckedStakeProfit(config, 5, 3), Max - 1);
}

TEST(StakeRecordTest, GridTextsOfUncheckedCheckedAndBlankRows)
{
    TStakeRec rec = Stake(500, {5, 12, 33, 40, 54}, "мой");
    const auto cells = [](const TStakeRec& r) {
        QStringList list;
        for (int c = 0; c < StakeColumnCount; ++c)
            list << StakeCellText(r, c, u","_s);
        return list;
    };
    EXPECT_EQ(cells(rec), QStringList({u"500"_s, u"Вручную"_s, u"5;12;33;40;54"_s, u"100"_s, QString(), QString(),
                                       QString(), u"-2,00"_s, u"мой"_s}));
    rec.Checked = 1;
    const std::uint8_t drawn[] = {40, 1, 12, 2, 3};
    std::copy(std::begin(drawn), std::end(drawn), rec.DrawValues);
    rec.Matches = Numbers({12, 40});
    rec.Profit = -20000;
    EXPECT_EQ(cells(rec)[ColDrawValues], u"40;1;12;2;3"_s);
    EXPECT_EQ(cells(rec)[ColMatchCount], u"2"_s);
    EXPECT_EQ(cells(rec)[ColMatches], u"12 40"_s);
    for (const QString& cell : cells(StakeSeparator()))
        EXPECT_TRUE(cell.isEmpty());
    EXPECT_EQ(StakeColumnCaptions().size(), StakeColumnCount);
    EXPECT_EQ(StakeColumnCaptions()[0], u"№ тиража"_s);
}

TEST(StakeRecordTest, TheDialogTextNeedsFiveDifferentNumbersInRange)
{
    core::TValueSet n;
    ASSERT_TRUE(ParseStakeNumbers(u"5; 12 ,33;40;54"_s, n));
    EXPECT_EQ(n.Count, 5);
    EXPECT_EQ(n.Values[0], 5);
    EXPECT_EQ(n.Values[4], 54);
    ASSERT_TRUE(ParseStakeNumbers(u"54,40,33,12,5"_s, n));
    EXPECT_EQ(n.Values[0], 5) << "stored ascending";
    for (const QString& bad : {u"1;2;3;4"_s, u"1;2;3;4;5;6"_s, u"0;2;3;4;5"_s, u"1;2;3;4;55"_s, u"1;2;3;4;4"_s,
                               u"1;2;x;4;5"_s, u"1 2 3 4 5"_s, u"1;2;3;4;5;"_s, QString()}) {
        core::TValueSet untouched = Numbers({9});
        EXPECT_FALSE(ParseStakeNumbers(bad, untouched)) << bad.toStdString();
        EXPECT_EQ(untouched.Count, 1);
    }
    EXPECT_EQ(StakeTextSum(u"5; 12 ,x;40"_s), 57);
    EXPECT_EQ(StakeTextSum(QString()), 0);
}
