#include "core/TextForms.h"

#include <gtest/gtest.h>

using namespace core;
using namespace Qt::StringLiterals;

namespace {

TComb makeComb(int a, int b, int c, int d, int e)
{
    return TComb{{static_cast<std::uint8_t>(a), static_cast<std::uint8_t>(b), static_cast<std::uint8_t>(c),
                  static_cast<std::uint8_t>(d), static_cast<std::uint8_t>(e)}};
}

QString comboError(const QString& text)
{
    try {
        TextToComb(text);
    } catch (const EConvertError& e) {
        return e.message();
    }
    return {};
}

} // namespace

TEST(TextForms, NumbersAndLists)
{
    EXPECT_EQ(NumText(7), u"7"_s);
    EXPECT_EQ(NumText(54), u"54"_s);
    EXPECT_EQ(CombText(makeComb(22, 3, 54, 7, 15)), u"22;3;54;7;15"_s);
    EXPECT_EQ(CombTextPadded(makeComb(3, 7, 15, 22, 54)), u"03 07 15 22 54"_s);
    EXPECT_EQ(ValueSetText(TValueSet{3, {9, 1, 40, 5}}, u", "_s), u"9, 1, 40"_s);
    EXPECT_EQ(ValueSetText(TValueSet{}, u";"_s), QString());
    EXPECT_EQ(IntListText({-3, 0, 12}, u"|"_s), u"-3|0|12"_s);
}

TEST(TextForms, DrawInfo)
{
    TDrawRec d;
    d.Num = 1234;
    const std::uint8_t values[] = {5, 17, 3, 54, 21};
    std::copy(values, values + 5, d.Values);
    d.Extra = 7;
    SetDrawDateText(d, u"07/01/2024"_s);
    EXPECT_EQ(DrawInfoText(d), u"Тираж № 1234 от 07/01/2024, значения: 5;17;3;54;21 e:7"_s);
}

TEST(TextForms, TextToComb)
{
    EXPECT_EQ(TextToComb(u"1|2|3|4|x"_s), makeComb(1, 2, 3, 4, 0));
    EXPECT_EQ(TextToComb(u"\t54 ,2--13..4::5;|"_s), makeComb(54, 2, 13, 4, 5));
    EXPECT_EQ(TextToComb(u"1 2 3 4 300"_s), makeComb(1, 2, 3, 4, 0));
    EXPECT_EQ(comboError(u"1, 2, 3, 4"_s), u"Некорректная комбинация: \"1, 2, 3, 4\"!"_s);
    EXPECT_FALSE(comboError(u"1 2 3 4 5 6"_s).isEmpty());
    EXPECT_FALSE(comboError(QString()).isEmpty());
}

TEST(TextForms, ParseIntList)
{
    EXPECT_EQ(ParseIntList(u"5;7;9"_s), (TIntArray{5, 7, 9}));
    EXPECT_EQ(ParseIntList(u" 5 , 7;-2 "_s), (TIntArray{5, 7, -2}));
    EXPECT_EQ(ParseIntList(u"12"_s), (TIntArray{12}));
    EXPECT_EQ(ParseIntList(u"1-10;3"_s), (TIntArray{1, 4, 7, 10}));
    EXPECT_EQ(ParseIntList(u"1 - 9 , 4"_s), (TIntArray{1, 5, 9}));
    EXPECT_EQ(ParseIntList(u"-5--1;2"_s), (TIntArray{-5, -3, -1}));
    EXPECT_EQ(ParseIntList(u"3-3;5"_s), (TIntArray{3}));
    for (const QString& bad : {u"1-10"_s, u""_s, u"5;x"_s, u"5;;7"_s, u"5;"_s, u"10-1;1"_s, u"1-10;0"_s, u"1-10;-1"_s,
                               u"1-10;3;4"_s, u"a-10;1"_s, u"1-2000000000;1"_s})
        EXPECT_TRUE(ParseIntList(bad).empty()) << bad.toStdString();

    // The count agrees with the list, and is known for ranges too long to build.
    for (const QString& text : {u"5;7;9"_s, u" 5 , 7;-2 "_s, u"12"_s, u"1-10;3"_s, u"1 - 9 , 4"_s, u"-5--1;2"_s,
                                u"3-3;5"_s, u"1-10"_s, u""_s, u"5;x"_s, u"10-1;1"_s, u"1-10;3;4"_s})
        EXPECT_EQ(IntListCount(text), std::int64_t(ParseIntList(text).size())) << text.toStdString();
    EXPECT_EQ(IntListCount(u"1-2000000000;1"_s), 2000000000);
    EXPECT_EQ(IntListCount(u"-2147483648-2147483647;1"_s), std::int64_t{1} << 32);
    EXPECT_EQ(IntListCount(u"0-2000000000;1000"_s), 2000001);
    // A caller that has checked the length may build a longer range than the default allows.
    EXPECT_TRUE(ParseIntList(u"0-2000000000;1000"_s).empty());
    const TIntArray longer = ParseIntList(u"0-2000000000;1000"_s, 2000001);
    ASSERT_EQ(longer.size(), 2000001u);
    EXPECT_EQ(longer.back(), 2000000000);
    EXPECT_TRUE(ParseIntList(u"0-2000000000;1000"_s, 2000000).empty());
}

TEST(TextForms, KindsAndDifferences)
{
    EXPECT_EQ(StakeKindText(1), u"Вручную"_s);
    EXPECT_EQ(StakeKindText(2), u"Регуляр"_s);
    EXPECT_EQ(StakeKindText(3), u"Сценарий"_s);
    EXPECT_EQ(StakeKindText(4), u"Система"_s);
    EXPECT_TRUE(StakeKindText(0).isEmpty());
    EXPECT_TRUE(StakeKindText(5).isEmpty());

    EXPECT_EQ(DiffText(u"10"_s, 7), u"+3"_s);
    EXPECT_EQ(DiffText(u"7"_s, 7), u"0"_s);
    EXPECT_EQ(DiffText(u"5"_s, 7), u"-2"_s);
    EXPECT_EQ(DiffText(u"0"_s, 0), u"0"_s);
    EXPECT_EQ(DiffText(u"5000000000"_s, 1), u"+4999999999"_s);
    EXPECT_EQ(DiffText(u"-"_s, 3), u"-"_s);
    EXPECT_EQ(DiffText(u"-1"_s, -5), u"-"_s);
    EXPECT_EQ(DiffText(u"12.5"_s, 3), u"-"_s);
}

TEST(TextForms, SegmentDigits)
{
    TSegmentMap m = defaultSegments();
    for (int i = 0; i < NumberCount; ++i)
        m[i] = static_cast<std::uint8_t>(i % 9 + 1);
    const QString text = DigitsText(m);
    ASSERT_EQ(text.size(), NumberCount);
    EXPECT_TRUE(text.startsWith(u"1234567891"_s));
    EXPECT_EQ(TextToDigits(text), m);

    // Short text and characters that are not digits read as segment 1; a stored 0 stays 0.
    const TSegmentMap partial = TextToDigits(u"9x0-5"_s);
    EXPECT_EQ(partial[0], 9);
    EXPECT_EQ(partial[1], 1);
    EXPECT_EQ(partial[2], 0);
    EXPECT_EQ(partial[3], 1);
    EXPECT_EQ(partial[4], 5);
    EXPECT_EQ(partial[53], 1);
    EXPECT_EQ(DigitsText(partial).left(6), u"910151"_s);
}

TEST(TextForms, DrawDateField)
{
    TDrawRec d;
    std::fill(std::begin(d.Date), std::end(d.Date), std::uint8_t{0xEE});
    SetDrawDateText(d, u"Дата 2024-01-07"_s);
    EXPECT_EQ(d.Date[0], 10);
    EXPECT_EQ(d.Date[1], 0xC4); // Д in code page 1251
    EXPECT_EQ(DrawDateText(d), u"Дата 2024-"_s);

    SetDrawDateText(d, u"1/2"_s);
    EXPECT_EQ(d.Date[0], 3);
    for (int i = 4; i < 11; ++i)
        EXPECT_EQ(d.Date[i], 0) << i;
    EXPECT_EQ(DrawDateText(d), u"1/2"_s);

    SetDrawDateText(d, QString());
    EXPECT_TRUE(DrawDateText(d).isEmpty());

    // A damaged length byte cannot read past the field.
    const char raw[] = "07/01/2024";
    std::copy(raw, raw + 10, d.Date + 1);
    d.Date[0] = 200;
    EXPECT_EQ(DrawDateText(d), u"07/01/2024"_s);
}

TEST(TextForms, ConvertErrorKeepsMessage)
{
    const EConvertError e(u"Ошибка «№5»"_s);
    EXPECT_EQ(e.message(), u"Ошибка «№5»"_s);
}

TEST(TextFormsTest, MoneyAndRatiosRoundExactlyWithHalvesAwayFromZero)
{
    EXPECT_EQ(MoneyText(80000, u"."_s), u"8.00"_s);
    EXPECT_EQ(MoneyText(-20000, u","_s), u"-2,00"_s);
    EXPECT_EQ(MoneyText(9980000, u"."_s), u"998.00"_s);
    // Ten-thousandths that a binary double cannot hold exactly still round as written.
    EXPECT_EQ(MoneyText(1250, u"."_s), u"0.13"_s);
    EXPECT_EQ(MoneyText(-21250, u"."_s), u"-2.13"_s);
    EXPECT_EQ(MoneyText(-21249, u"."_s), u"-2.12"_s);
    EXPECT_EQ(MoneyText(0, u"."_s), u"0.00"_s);
    EXPECT_EQ(MoneyText(-49, u"."_s), u"0.00"_s);
    EXPECT_EQ(MoneyText(INT64_MIN, u"."_s), u"-922337203685477.58"_s);

    EXPECT_EQ(RatioText(3, 2, 3, u"."_s), u"1.500"_s);
    EXPECT_EQ(RatioText(1, 3, 3, u","_s), u"0,333"_s);
    EXPECT_EQ(RatioText(2001, 2000, 3, u"."_s), u"1.001"_s);
    EXPECT_EQ(RatioText(-2, 3, 3, u"."_s), u"-0.667"_s);
    EXPECT_EQ(RatioText(7, 1, 0, u"."_s), u"7"_s);
}
