#include "core/DrawInput.h"

#include <gtest/gtest.h>

using namespace core;

TEST(DrawInput, AcceptsFiveDifferentNumbersAndAKey)
{
    TDrawRec rec;
    rec.Num = 77;
    ASSERT_TRUE(ParseDrawText(QStringLiteral("5;12;33;40;54;7"), rec));
    const std::uint8_t expected[] = {5, 12, 33, 40, 54};
    EXPECT_TRUE(std::equal(std::begin(expected), std::end(expected), rec.Values));
    EXPECT_EQ(rec.Extra, 7);
    EXPECT_EQ(rec.Num, 77);

    // Typed order is kept, commas and blanks are fine.
    ASSERT_TRUE(ParseDrawText(QStringLiteral(" 54, 1 ;2,3; 4 , 0"), rec));
    EXPECT_EQ(rec.Values[0], 54);
    EXPECT_EQ(rec.Values[4], 4);
    EXPECT_EQ(rec.Extra, 0);
    EXPECT_EQ(DrawTextOf(rec), QStringLiteral("54;1;2;3;4;0"));
}

TEST(DrawInput, RefusesEverythingElseAndLeavesTheRecord)
{
    const char* refused[] = {
        "5;12;12;40;54;7",   // repeated number
        "5;12;33;40;55;7",   // above 54
        "0;12;33;40;54;7",   // below 1
        "5;12;33;40;54",     // no key number
        "5;12;33;40;54;10",  // key above 9
        "5;12;33;40;54;-1",  // key below 0
        "5;12;33;40;54;7;1", // a word too many
        "5;x;33;40;54;7",    // a non-number counts as 0
        "5;12;33;40;54;",    // empty key
        "5 12 33 40 54 7",   // blanks do not separate
        "",
    };
    for (const char* text : refused) {
        TDrawRec rec;
        rec.Values[0] = 42;
        EXPECT_FALSE(ParseDrawText(QString::fromUtf8(text), rec)) << text;
        EXPECT_EQ(rec.Values[0], 42) << text;
    }
}
