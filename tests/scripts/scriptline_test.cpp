#include "scripts/ScriptLine.h"

#include <gtest/gtest.h>

using namespace scripts;
using namespace Qt::StringLiterals;

TEST(ScriptLineTest, FieldsKeepTheirPlacesWithBlankFiltersBetween)
{
    std::array<QString, kLineFilters> filters;
    filters[1] = u" TSD1#NUMS:10#LMV:5#SF:1 "_s;
    filters[4] = u"TSD1#SUMS:100#CMV:2#ST:3"_s;
    const QString line = ScriptLineBuild(u"EXCL:3#RAND#NEX"_s, filters, u"мои числа"_s);
    EXPECT_EQ(line, u"EXCL:3#RAND#NEX| |TSD1#NUMS:10#LMV:5#SF:1| | |TSD1#SUMS:100#CMV:2#ST:3| | |мои числа"_s);
    EXPECT_EQ(ScriptLineFieldCount(line), kLineFields);
    EXPECT_EQ(ScriptLineField(line, 1), u"EXCL:3#RAND#NEX"_s);
    EXPECT_TRUE(ScriptLineField(line, 2).isEmpty());
    EXPECT_EQ(ScriptLineField(line, 3), u"TSD1#NUMS:10#LMV:5#SF:1"_s);
    EXPECT_EQ(ScriptLineField(line, 6), u"TSD1#SUMS:100#CMV:2#ST:3"_s);
    EXPECT_EQ(ScriptLineField(line, 9), u"мои числа"_s);
    EXPECT_TRUE(ScriptLineField(line, 10).isEmpty());
    EXPECT_TRUE(ScriptLineField(line, 0).isEmpty());

    // No comment: the line ends with its last separator.
    EXPECT_TRUE(ScriptLineBuild(u"FULL:0#ALL"_s, {}, QString()).endsWith(u"| |"_s));
    // A run of separators is one, and separators at the start count for nothing.
    EXPECT_EQ(ScriptLineField(u"||FULL:0#ALL|||A||B"_s, 2), u"A"_s);
    EXPECT_EQ(ScriptLineField(u"||FULL:0#ALL|||A||B"_s, 3), u"B"_s);
    // A comment with "|" keeps what stands before it.
    EXPECT_EQ(ScriptLineField(u"FULL:0#ALL| | | | | | | |один|два"_s, 9), u"один"_s);
}

TEST(ScriptLineTest, HeadersParseWithDefaultsForWhatIsUnknown)
{
    EXPECT_EQ(ScriptHeaderParse(u"FULL:0#RAND"_s), TScriptHeader{});
    const TScriptHeader h = ScriptHeaderParse(u"EXCL:7#last#clr#nex"_s);
    EXPECT_EQ(h.StartList, StartExcl);
    EXPECT_EQ(h.ExcludeCount, 7);
    EXPECT_EQ(h.ResultMode, ResultLast);
    EXPECT_TRUE(h.ClearStakes);
    EXPECT_TRUE(h.NewOnly);
    EXPECT_EQ(ScriptHeaderParse(u"FULL:0#RANDOM"_s).ResultMode, ResultRandom);
    EXPECT_EQ(ScriptHeaderParse(u"curr#NONE#X#NEX"_s).StartList, StartCurrent);
    EXPECT_TRUE(ScriptHeaderParse(u"curr#NONE#X#NEX"_s).NewOnly);
    EXPECT_EQ(ScriptHeaderParse(u"EXCL:x#SYSC"_s).ExcludeCount, 0);
    EXPECT_EQ(ScriptHeaderParse(u"EXCL:x#SYSC"_s).ResultMode, ResultSystemCombs);
    EXPECT_EQ(ScriptHeaderParse(u"WHAT:5#ALL"_s).StartList, StartFull);
    EXPECT_EQ(ScriptHeaderParse(QString()), TScriptHeader{});

    TScriptHeader all;
    all.StartList = StartExcl;
    all.ExcludeCount = 5;
    all.ResultMode = ResultStop;
    all.ClearStakes = true;
    all.NewOnly = true;
    EXPECT_EQ(ScriptHeaderText(all), u"EXCL:5#STOP#CLR#NEX"_s);
    EXPECT_EQ(ScriptHeaderParse(ScriptHeaderText(all)), all);
    EXPECT_EQ(ScriptHeaderShort(all), u"EXCL:5#STOP#NEX"_s) << "the clear flag is never shown";
    EXPECT_EQ(ScriptHeaderCaption(all), u"Исключить 5 тиражей; Остановить; Удалить ставки; Только новые ставки"_s);
    TScriptHeader full;
    full.ExcludeCount = 5;
    full.ResultMode = ResultNone;
    EXPECT_EQ(ScriptHeaderShort(full), u"FULL#NONE"_s) << "the count only for EXCL";
    EXPECT_EQ(ScriptHeaderText(full), u"FULL:5#NONE"_s);
    EXPECT_EQ(ScriptHeaderCaption(full), u"Исходный список; Не делать ставок; Все создаваемые ставки"_s);
}

TEST(ScriptLineTest, CodesAndCaptionsOfEveryModeAndErrorsOutside)
{
    const QStringList codes{u"RAND"_s, u"FIRST"_s, u"LAST"_s, u"ALL"_s, u"SYSA"_s,
                            u"SYSC"_s, u"STOP"_s,  u"SKIP"_s, u"NONE"_s};
    for (int i = 0; i < ResultModeCount; ++i) {
        EXPECT_EQ(ResultModeCode(i), codes[i]);
        TScriptHeader h;
        h.ResultMode = std::uint8_t(i);
        EXPECT_EQ(ScriptHeaderParse(ScriptHeaderText(h)).ResultMode, i);
    }
    EXPECT_EQ(ResultModeCaption(4), u"Системная игра [вся система]"_s);
    EXPECT_EQ(StartListCaption(2), u"Текущий список (для последовательного выполнения)"_s);
    for (int bad : {-1, 3}) {
        EXPECT_EQ(StartListCode(bad), u"# ERROR #"_s);
        EXPECT_EQ(StartListShortCaption(bad), u"# ERROR #"_s);
    }
    EXPECT_EQ(ResultModeCaption(9), u"# ERROR #"_s);
    EXPECT_EQ(ResultModeShortCaption(-5), u"# ERROR #"_s);
}

TEST(ScriptLineTest, StakeCommentsNameTheLineTheVariantAndTheFilters)
{
    EXPECT_EQ(StakeCommentText(1, 2, u"мои числа"_s, u"EXCL:3#RAND#NEX + TSD1#NUMS:10#LMV:5#SF:1"_s),
              u"01.002: мои числа @ EXCL:3#RAND#NEX + TSD1#NUMS:10#LMV:5#SF:1"_s);
    EXPECT_EQ(StakeCommentText(12, 0, QString(), u"FULL#ALL"_s), u"12.000: @ FULL#ALL"_s);
    EXPECT_EQ(StakeCommentText(123, 1234, QString(), u"X"_s), u"123.1234: @ X"_s);
}

TEST(ScriptLineTest, RatingNamesTurnBackIntoLines)
{
    const QString line =
        RatingNameToScriptLine(u"01.002: my numbers @ EXCL:3#RAND#NEX + TSD1#NUMS:10#LMV:5#SF:1"_s);
    EXPECT_EQ(line, u"EXCL:3#RAND#NEX|TSD1#NUMS:10#LMV:5#SF:1| | | | | | |01.002: my numbers"_s);
    EXPECT_EQ(ScriptHeaderParse(ScriptLineField(line, 1)).ResultMode, ResultRandom);
    EXPECT_EQ(ScriptLineField(line, 2), u"TSD1#NUMS:10#LMV:5#SF:1"_s);
    for (int k = 3; k <= 8; ++k)
        EXPECT_TRUE(ScriptLineField(line, k).isEmpty());
    EXPECT_EQ(ScriptLineField(line, 9), u"01.002: my numbers"_s);

    // Round trip: the comment of a stake of a line gives that line back.
    std::array<QString, kLineFilters> filters;
    filters[0] = u"TMF1#SUMS:100#CMV:2#SF:1"_s;
    filters[1] = u"TMD1#NUMS:30#LMV:5#SF:1"_s;
    const QString comment = StakeCommentText(3, 7, u"ночь"_s, u"FULL#LAST + TMF1#SUMS:100#CMV:2#SF:1 + TMD1#NUMS:30#LMV:5#SF:1"_s);
    EXPECT_EQ(RatingNameToScriptLine(comment), ScriptLineBuild(u"FULL#LAST"_s, filters, u"03.007: ночь"_s));

    // Without "@" the whole name is the header and nothing else is filled in.
    const QString manual = RatingNameToScriptLine(u"Ставка \"вручную\""_s);
    EXPECT_EQ(ScriptLineField(manual, 1), u"Ставка \"вручную\""_s);
    EXPECT_TRUE(ScriptLineField(manual, 2).isEmpty());
    EXPECT_TRUE(manual.endsWith(u'|'));
}
