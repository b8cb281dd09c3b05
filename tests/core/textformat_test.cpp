#include "core/TextFormat.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;
using core::FormatText;

TEST(TextFormat, PlaceholdersTakeArgumentsInTurnOrByIndex)
{
    EXPECT_EQ(FormatText(u"POS%d"_s, {std::int64_t(3)}), u"POS3"_s);
    EXPECT_EQ(FormatText(u"Сумма тиража: диапазон %d (%d/%d)"_s, {std::int64_t(2), std::int64_t(1), std::int64_t(2)}),
              u"Сумма тиража: диапазон 2 (1/2)"_s);
    // An indexed placeholder moves the turn on after itself.
    EXPECT_EQ(FormatText(u"- %0:.2d : %1:d - %0:d = %2:d"_s, {std::int64_t(5), std::int64_t(125), std::int64_t(120)}),
              u"- 05 : 125 - 5 = 120"_s);
    EXPECT_EQ(FormatText(u"{ %1:s } %0:s"_s, {u"Числа тиража"_s, u"num"_s}), u"{ num } Числа тиража"_s);
    EXPECT_EQ(FormatText(u"%0:d %s"_s, {std::int64_t(1), u"x"_s}), u"1 x"_s);
}

TEST(TextFormat, PrecisionWidthAndPercent)
{
    EXPECT_EQ(FormatText(u"%.3d"_s, {std::int64_t(14)}), u"014"_s);
    EXPECT_EQ(FormatText(u"%.3d"_s, {std::int64_t(1464)}), u"1464"_s);
    EXPECT_EQ(FormatText(u"%.2d"_s, {std::int64_t(-5)}), u"-05"_s);
    EXPECT_EQ(FormatText(u"%4d|%-4d|"_s, {std::int64_t(7), std::int64_t(7)}), u"   7|7   |"_s);
    EXPECT_EQ(FormatText(u"Метод шинковки %0:d: %%s"_s, {std::int64_t(1)}), u"Метод шинковки 1: %s"_s);
    EXPECT_EQ(FormatText(u"%d"_s, {std::int64_t(INT64_MIN)}), u"-9223372036854775808"_s);
}

TEST(TextFormat, UnusablePlaceholdersStayAsWritten)
{
    EXPECT_EQ(FormatText(u"no args %d"_s, {}), u"no args %d"_s);
    EXPECT_EQ(FormatText(u"%s"_s, {std::int64_t(1)}), u"%s"_s) << "a number is no text";
    EXPECT_EQ(FormatText(u"%d"_s, {u"x"_s}), u"%d"_s);
    EXPECT_EQ(FormatText(u"50%"_s, {}), u"50%"_s);
    EXPECT_EQ(FormatText(u"%5:d"_s, {std::int64_t(1)}), u"%5:d"_s);
    EXPECT_EQ(FormatText(u"%q %d"_s, {std::int64_t(2)}), u"%q 2"_s);
}
