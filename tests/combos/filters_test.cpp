// Filter texts, the expansion into variants, the row conditions and the stop rules of the walk.

#include "QtPrinters.h"

#include "combos/Filters.h"
#include "core/TextForms.h"
#include "stats/StatList.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace combos;
using namespace Qt::Literals::StringLiterals;

namespace {

const stats::TStatList& methods()
{
    static const stats::TStatList list = [] {
        stats::TStatList l;
        l.Fill();
        return l;
    }();
    return list;
}

TFilterItem parse(const QString& text)
{
    return FilterItemParse(text, methods());
}

// Records what a run would see.
class RecordingHooks : public FilterRunHooks
{
public:
    bool stopRequested() override { return ++checks > stopAfter; }
    void requestStop() override { stopAsked = true; }
    void progress(const QString& text) override { progressTexts << text; }

    int checks = 0;
    int stopAfter = 1 << 30;
    bool stopAsked = false;
    QStringList progressTexts;
};

// Expansion that is expected to fail; returns the message.
QString expansionError(const std::vector<TFilterItem>& items, int n, std::size_t limit = kFilterVariantsMemory)
{
    RecordingHooks hooks;
    try {
        FilterVariantsBuild(items, n, hooks, limit);
    } catch (const core::EConvertError& e) {
        return e.message();
    }
    return {};
}

QString dp()
{
    return core::SystemDecimalPoint();
}

QString dec(const char* text)
{
    return QString::fromLatin1(text).replace(u'.', dp());
}

} // namespace

TEST(FilterText, ParsesAndPrintsTheWorkedExamples)
{
    const int nums = methods().IndexOfCode(u"NUMS"_s);
    ASSERT_GE(nums, 0);

    const TFilterItem a = parse(u"TSD1#NUMS:10#LMV:5#SF:1"_s);
    EXPECT_TRUE(a.Enabled);
    EXPECT_FALSE(a.BottomUp);
    EXPECT_FALSE(a.MultiSelect);
    EXPECT_FALSE(a.Keep);
    EXPECT_EQ(a.SortColumn, 1);
    EXPECT_EQ(a.Method, nums);
    EXPECT_EQ(a.MethodCode, u"NUMS"_s);
    EXPECT_EQ(a.StatText, u"NUMS:10"_s);
    EXPECT_EQ(a.DrawsText, u"10"_s);
    EXPECT_EQ(a.Condition, 1);
    EXPECT_EQ(a.ConditionText, u"5"_s);
    EXPECT_EQ(a.StopMode, 0);
    EXPECT_EQ(a.StopValue, 1);
    EXPECT_FALSE(a.CdlOverride);
    EXPECT_EQ(FilterItemText(a), u"TSD1#NUMS:10#LMV:5#SF:1"_s);

    // The flag letters are case-sensitive and may stand anywhere in the word; the codes are not.
    const TFilterItem b = parse(u"BMF12#nums:20-100;20#lmv:5#sc:7"_s);
    EXPECT_TRUE(b.BottomUp);
    EXPECT_TRUE(b.MultiSelect);
    EXPECT_TRUE(b.Keep);
    EXPECT_EQ(b.SortColumn, 12);
    EXPECT_EQ(b.Method, nums);
    EXPECT_EQ(b.DrawsText, u"20-100;20"_s);
    EXPECT_EQ(b.Condition, 1);
    EXPECT_EQ(b.StopMode, 1);
    EXPECT_EQ(b.StopValue, 7);
    EXPECT_EQ(FilterItemText(b), u"BMF12#NUMS:20-100;20#LMV:5#SC:7"_s);
    const TFilterItem lower = parse(u"bmf1#NUMS:10"_s);
    EXPECT_FALSE(lower.BottomUp || lower.MultiSelect || lower.Keep);
    EXPECT_EQ(lower.SortColumn, 1);
    const TFilterItem anywhere = parse(u"xFyBzM7"_s);
    EXPECT_TRUE(anywhere.BottomUp && anywhere.MultiSelect && anywhere.Keep);
    EXPECT_EQ(anywhere.SortColumn, 1) << "the characters from the fourth on are not a number";
    EXPECT_EQ(parse(u"TSD"_s).SortColumn, 1);
    EXPECT_EQ(parse(u"TSD0"_s).SortColumn, 0);
    EXPECT_EQ(parse(u"TMF8#NUMS:10"_s).SortColumn, 8);

    // A filter of two words: no condition, no stop rule, stop value 0.
    const TFilterItem c = parse(u"TSD1#NUMS:10"_s);
    EXPECT_EQ(c.Condition, 0);
    EXPECT_TRUE(c.ConditionText.isEmpty());
    EXPECT_EQ(c.StopMode, 0);
    EXPECT_EQ(c.StopValue, 0);
    EXPECT_EQ(FilterItemText(c), u"TSD1#NUMS:10#LNO:#SF:0"_s);

    // No method has the code: the word is kept and printed back, the draws stay empty.
    const TFilterItem d = parse(u"TSD1#XXXX:10#LNO:#SF:1"_s);
    EXPECT_TRUE(d.Enabled);
    EXPECT_EQ(d.Method, -1);
    EXPECT_EQ(d.StatText, u"XXXX:10"_s);
    EXPECT_TRUE(d.DrawsText.isEmpty());
    EXPECT_EQ(FilterItemText(d), u"TSD1#XXXX:10#LNO:#SF:1"_s);

    // Runs of separators count as one, leading ones are ignored; the draws and values are trimmed.
    TFilterItem runs = parse(u"##TSD1###NUMS:: 10 ##LMV:::5#SF:1"_s);
    EXPECT_EQ(runs.StatText, u"NUMS:: 10 "_s);
    runs.StatText = a.StatText;
    EXPECT_TRUE(runs == a) << FilterItemText(runs).toStdString();
    EXPECT_TRUE(parse(u"TSD1#NUMS:10#LMV:5#SF:1#"_s) == a);

    // Words that match no code, stop values that are not numbers.
    const TFilterItem e = parse(u"TSD1#NUMS:10#XYZ:5#QQ:7"_s);
    EXPECT_EQ(e.Condition, 0);
    EXPECT_TRUE(e.ConditionText.isEmpty());
    EXPECT_EQ(e.StopMode, 0);
    EXPECT_EQ(e.StopValue, 7);
    EXPECT_EQ(parse(u"TSD1#NUMS:10#LNO:#SZ:x"_s).StopValue, 1);
    EXPECT_EQ(parse(u"TSD1#NUMS:10#LNO:#SZ"_s).StopValue, 1);
    EXPECT_EQ(parse(u"TSD1#NUMS:10#LNO:#SP:3"_s).StopMode, 5);
    EXPECT_EQ(parse(u"TSD1#NUMS:10#lva:1,2#SF:1"_s).Condition, 31);
    EXPECT_EQ(parse(u"TSD1#NUMS:10#pxr:4#SF:1"_s).Condition, 30);
    EXPECT_EQ(parse(u"TSD1#NUMS:10#LMVQ:4:9#SF:1"_s).ConditionText, u"4"_s);

    // Empty texts.
    for (const QString& empty : {QString(), u"#"_s, u"  "_s, u"## #"_s}) {
        const TFilterItem none = parse(empty);
        EXPECT_TRUE(none == TFilterItem()) << empty.toStdString();
        EXPECT_TRUE(FilterItemText(none).isEmpty());
    }
    // A flags word alone keeps a place for the statistic word, so the text reads back the same.
    const TFilterItem flagsOnly = parse(u"BSF3"_s);
    const QString flagsText = FilterItemText(flagsOnly);
    EXPECT_EQ(flagsText, u"BSF3#:#LNO:#SF:0"_s);
    EXPECT_EQ(FilterItemText(parse(flagsText)), flagsText);
}

TEST(FilterText, CoefficientsWord)
{
    const TFilterItem a = parse(u"TSF1#NUMS:10#WMV:5#SF:1#0.5:-1:1:0:1"_s);
    EXPECT_TRUE(a.CdlOverride);
    EXPECT_EQ(a.Cdl.Count, 0.5L);
    EXPECT_EQ(a.Cdl.Deviation, -1.0L);
    EXPECT_EQ(a.Cdl.Level, 1.0L);
    EXPECT_FALSE(a.Cdl.UsePercents);
    EXPECT_TRUE(a.Cdl.UseAbsValues);
    EXPECT_EQ(FilterItemText(a), u"TSF1#NUMS:10#WMV:5#SF:1#0.5:-1:1:0:1"_s);

    // Only signs, digits and points count, "," is a point too; what is not a number is 0; the
    // switches are set only by exactly "1".
    const TFilterItem b = parse(u"TSF1#NUMS:10#WMV:5#SF:1#a1,25x:--2:7.:1:1 "_s);
    EXPECT_EQ(b.Cdl.Count, 1.25L);
    EXPECT_EQ(b.Cdl.Deviation, 0.0L);
    EXPECT_EQ(b.Cdl.Level, 7.0L);
    EXPECT_TRUE(b.Cdl.UsePercents);
    EXPECT_FALSE(b.Cdl.UseAbsValues);
    EXPECT_EQ(FilterItemText(b), u"TSF1#NUMS:10#WMV:5#SF:1#1.25:0:7:1:0"_s);
    const TFilterItem c = parse(u"TSF1#NUMS:10#WMV:5#SF:1#x"_s);
    EXPECT_TRUE(c.CdlOverride);
    EXPECT_EQ(c.Cdl, kZeroCdl);
    EXPECT_EQ(parse(u"TSF1#NUMS:10#WMV:5#SF:1#1.2.3:-:5-1"_s).Cdl, kZeroCdl);

    // Up to 15 significant digits, "." as separator, never an exponent.
    EXPECT_EQ(FilterDecimalText(0), u"0"_s);
    EXPECT_EQ(FilterDecimalText(-0.0L), u"0"_s);
    EXPECT_EQ(FilterDecimalText(-1), u"-1"_s);
    EXPECT_EQ(FilterDecimalText(0.5L), u"0.5"_s);
    EXPECT_EQ(FilterDecimalText(1.0L / 3), u"0.333333333333333"_s);
    EXPECT_EQ(FilterDecimalText(-2.0L / 3), u"-0.666666666666667"_s);
    EXPECT_EQ(FilterDecimalText(1e20L), u"100000000000000000000"_s);
    EXPECT_EQ(FilterDecimalText(123456789012345678.0L), u"123456789012346000"_s);
    EXPECT_EQ(FilterDecimalText(1.5e-7L), u"0.00000015"_s);
    EXPECT_EQ(FilterDecimalText(1234.5L), u"1234.5"_s);
    const TFilterItem big = parse(u"TSF1#NUMS:10#WMV:5#SF:1#100000000000000000000:0.00000015:3:0:0"_s);
    EXPECT_EQ(big.Cdl.Count, 1e20L);
    EXPECT_EQ(FilterItemText(big), u"TSF1#NUMS:10#WMV:5#SF:1#100000000000000000000:0.00000015:3:0:0"_s);
}

TEST(FilterText, RowOneAndRowTen)
{
    // Five columns give a matrix of eleven rows, so both ROW1 and ROW10 exist.
    core::TConfigData config;
    config.MatrixCols = 5;
    stats::TStatList list;
    list.setConfig(config);
    list.Fill();
    const int row1 = list.IndexOfCode(u"ROW1"_s);
    const int row10 = list.IndexOfCode(u"ROW10"_s);
    ASSERT_GE(row1, 0);
    ASSERT_GE(row10, 0);
    ASSERT_NE(row1, row10);
    const TFilterItem a = FilterItemParse(u"TSD1#ROW10:20#LNO:#SF:1"_s, list);
    const TFilterItem b = FilterItemParse(u"TSD1#ROW1:20#LNO:#SF:1"_s, list);
    const TFilterItem c = FilterItemParse(u"TSD1#row11:20#LNO:#SF:1"_s, list);
    EXPECT_EQ(a.Method, row10);
    EXPECT_EQ(b.Method, row1);
    EXPECT_EQ(c.MethodCode, u"ROW11"_s);
    EXPECT_EQ(FilterItemText(a), u"TSD1#ROW10:20#LNO:#SF:1"_s);
    EXPECT_EQ(FilterItemText(b), u"TSD1#ROW1:20#LNO:#SF:1"_s);
    EXPECT_EQ(FilterItemText(c), u"TSD1#ROW11:20#LNO:#SF:1"_s);
    // With the default six columns there are nine rows: ROW10 is no method.
    EXPECT_EQ(parse(u"TSD1#ROW10:20"_s).Method, -1);
    EXPECT_EQ(parse(u"TSD1#ROW9:20"_s).MethodCode, u"ROW9"_s);
}

TEST(FilterText, CodesAndCaptions)
{
    EXPECT_EQ(ConditionCaption(0), u"Весь список (без условий)"_s);
    EXPECT_EQ(ConditionCaption(3), u"\"Глубина\": не более заданного значения"_s);
    EXPECT_EQ(ConditionCaption(18), u"\"Количество\": из заданного списка процентов"_s);
    EXPECT_EQ(ConditionCaption(24), u"\"Период min\": из заданного списка значений"_s);
    EXPECT_EQ(ConditionCaption(31), u"\"Значения\": из заданного списка значений"_s);
    EXPECT_EQ(ConditionCaption(32), u"# ERROR #"_s);
    EXPECT_EQ(ConditionCaption(-1), u"# ERROR #"_s);
    EXPECT_EQ(StopModeCaption(0), u"Обработать все записи"_s);
    EXPECT_EQ(StopModeCaption(2), u"Пока список не будет пуст и откатить на шаг"_s);
    EXPECT_EQ(StopModeCaption(5), u"Процентному соотношению в списке статистики"_s);
    EXPECT_EQ(StopModeCaption(6), u"# ERROR #"_s);
    const QStringList codes{u"LNO"_s, u"LMV"_s, u"LMP"_s, u"LLV"_s, u"LLP"_s, u"LDV"_s, u"LDP"_s, u"DMV"_s,
                            u"DMP"_s, u"DLV"_s, u"DLP"_s, u"DDV"_s, u"DDP"_s, u"CMV"_s, u"CMP"_s, u"CLV"_s,
                            u"CLP"_s, u"CDV"_s, u"CDP"_s, u"WMV"_s, u"WLV"_s, u"WDV"_s, u"PIM"_s, u"PIL"_s,
                            u"PIR"_s, u"PAM"_s, u"PAL"_s, u"PAR"_s, u"PXM"_s, u"PXL"_s, u"PXR"_s, u"LVA"_s};
    for (int i = 0; i < kConditionCount; ++i) {
        EXPECT_EQ(ConditionCode(i), codes[i]);
        // Every code reads back as its own condition.
        EXPECT_EQ(parse(u"TSD1#NUMS:1#"_s + codes[i].toLower() + u":1"_s).Condition, i);
    }
    const QStringList stops{u"SF"_s, u"SC"_s, u"SZ"_s, u"ST"_s, u"SV"_s, u"SP"_s};
    for (int i = 0; i < kStopModeCount; ++i) {
        EXPECT_EQ(StopModeCode(i), stops[i]);
        EXPECT_EQ(parse(u"TSD1#NUMS:1#LNO:#"_s + stops[i] + u":4"_s).StopMode, i);
    }
}

TEST(FilterVariants, CountsAndOrder)
{
    // Draws vary slowest, values fastest.
    TFilterVarList list = FilterVariantsBuild({parse(u"TMF3#NUMS:10,20#LMV:1-3;1#ST:2"_s)}, 1);
    ASSERT_EQ(list.size(), 6u);
    const std::pair<int, const char*> order[] = {{10, "1"}, {10, "2"}, {10, "3"}, {20, "1"}, {20, "2"}, {20, "3"}};
    int i = 0;
    for (const TFilterRec& rec : list) {
        const TFilterPart& p = rec[0];
        EXPECT_TRUE(p.Enabled);
        EXPECT_EQ(p.DrawsCount, order[i].first);
        EXPECT_EQ(p.Value, QString::fromLatin1(order[i].second));
        EXPECT_EQ(p.ValueText, p.Value);
        EXPECT_EQ(p.Condition, 1);
        EXPECT_TRUE(p.MultiSelect && p.Keep && !p.BottomUp);
        EXPECT_EQ(p.SortColumn, 3);
        EXPECT_EQ(p.StopMode, 3);
        EXPECT_EQ(p.StopValue, 2);
        EXPECT_EQ(p.MethodCode, u"NUMS"_s);
        for (int k = 1; k < kFilterPlaces; ++k)
            EXPECT_FALSE(rec[std::size_t(k)].Enabled);
        ++i;
    }
    EXPECT_EQ(FilterRecText(list.front()), u"TMF3#NUMS:10#LMV:1#ST:2"_s);

    // A depth list stands for one variant per number of draws, with the whole list.
    list = FilterVariantsBuild({parse(u"TSD1#NUMS:10,20#LDV:1-3;1#SF:1"_s)}, 1);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list.front()[0].DrawsCount, 10);
    EXPECT_EQ(list.back()[0].DrawsCount, 20);
    EXPECT_EQ(list.front()[0].Value, u"1,2,3"_s);
    EXPECT_EQ(list.front()[0].ValueText, u"1-3;1"_s);
    EXPECT_EQ(FilterRecText(list.back()), u"TSD1#NUMS:20#LDV:1-3;1#SF:1"_s);

    // The list conditions of the periods and the weight give one variant per value.
    list = FilterVariantsBuild({parse(u"TSD1#NUMS:10#PIR:3,5#SF:1"_s)}, 1);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list.front()[0].Value, u"3"_s);
    EXPECT_EQ(list.back()[0].Value, u"5"_s);
    EXPECT_EQ(FilterVariantsBuild({parse(u"TSD1#NUMS:10#WDV:1,2,3#SF:1"_s)}, 1).size(), 3u);
    EXPECT_EQ(FilterVariantsBuild({parse(u"TSD1#NUMS:10#CDP:1,2,3#SF:1"_s)}, 1).size(), 1u);
    EXPECT_EQ(FilterVariantsBuild({parse(u"TSD1#NUMS:10#LVA:1,2,3#SF:1"_s)}, 1).size(), 1u);
    for (int cond = 0; cond < kConditionCount; ++cond) {
        const bool joined =
            cond == 0 || cond == 5 || cond == 6 || cond == 11 || cond == 12 || cond == 17 || cond == 18 || cond == 31;
        EXPECT_EQ(ConditionPerValue(cond), !joined) << cond;
    }

    // Without a condition the value text is taken as written, even when it is no list.
    list = FilterVariantsBuild({parse(u"TSD1#NUMS:5-15;5#LNO:whatever#SF:1"_s)}, 1);
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list.back()[0].DrawsCount, 15);
    EXPECT_EQ(list.back()[0].Value, u"whatever"_s);
    EXPECT_EQ(list.back()[0].ValueText, u"whatever"_s);

    // Two filters of 3 and 4 variants: 12 records, filter 1's choice changes every 4.
    const std::vector<TFilterItem> two{parse(u"TSD1#NUMS:10,20,30#LNO:#SF:1"_s),
                                       parse(u"BMF2#SUMS:5#CLV:1-4;1#SF:1"_s)};
    list = FilterVariantsBuild(two, 2);
    ASSERT_EQ(list.size(), 12u);
    i = 0;
    for (const TFilterRec& rec : list) {
        EXPECT_EQ(rec[0].DrawsCount, 10 * (i / 4 + 1)) << i;
        EXPECT_EQ(rec[1].Value, QString::number(i % 4 + 1)) << i;
        EXPECT_EQ(rec[1].MethodCode, u"SUMS"_s);
        EXPECT_FALSE(rec[2].Enabled);
        ++i;
    }
    EXPECT_EQ(FilterRecText(list.back()), u"TSD1#NUMS:30#LNO:#SF:1 + BMF2#SUMS:5#CLV:4#SF:1"_s);
    // n counts only the first filters.
    EXPECT_EQ(FilterVariantsBuild(two, 1).size(), 3u);
    EXPECT_TRUE(FilterVariantsBuild(two, 0).empty());

    // Coefficients travel into the parts and their texts.
    list = FilterVariantsBuild({parse(u"TSF1#NUMS:10#WMV:5#SF:1#0.5:-1:1:0:1"_s)}, 1);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_TRUE(list.front()[0].CdlOverride);
    EXPECT_EQ(list.front()[0].Cdl.Count, 0.5L);
    EXPECT_EQ(FilterRecText(list.front()), u"TSF1#NUMS:10#WMV:5#SF:1#0.5:-1:1:0:1"_s);
}

TEST(FilterVariants, FailuresStopAndProgress)
{
    // A statistic word that matches no method leaves the draws empty.
    EXPECT_EQ(expansionError({parse(u"TSD1#XXXX:10#LNO:#SF:1"_s)}, 1),
              u"Некорректное описание фильтра: TSD1#XXXX:10#LNO:#SF:1!"_s);
    EXPECT_EQ(expansionError({parse(u"TSD1#NUMS:1-10#LNO:#SF:1"_s)}, 1),
              u"Некорректное описание фильтра: TSD1#NUMS:1-10#LNO:#SF:1!"_s);
    EXPECT_EQ(expansionError({parse(u"TSD1#NUMS:10#LMV:#SF:1"_s)}, 1),
              u"Некорректное описание фильтра: TSD1#NUMS:10#LMV:#SF:1!"_s);
    EXPECT_EQ(expansionError({parse(u"TSD1#NUMS:10#LNO:#SF:1"_s), parse(u"TSD1#NUMS:10#LDV:a,b#SF:1"_s)}, 2),
              u"Некорректное описание фильтра: TSD1#NUMS:10#LDV:a,b#SF:1!"_s);
    // The failing filter is beyond n: not read.
    EXPECT_TRUE(expansionError({parse(u"TSD1#NUMS:10"_s), parse(u"TSD1#XXXX:10"_s)}, 1).isEmpty());

    // Too many variants for the memory: the run is asked to stop and the message names the cure.
    const TFilterItem wide = parse(u"TSD1#NUMS:1-1000000;1#LMV:1-1000000;1#SF:1"_s);
    RecordingHooks hooks;
    try {
        FilterVariantsBuild(std::vector<TFilterItem>(7, wide), 7, hooks);
        ADD_FAILURE() << "expansion of 10^84 variants did not fail";
    } catch (const core::EConvertError& e) {
        EXPECT_TRUE(e.message().startsWith(
            u"Вы задали слишком много вариантов фильтров - программа не сможет обработать их все!\n"
            u"Пожалуйста, уменьшите в каждом из фильтров количество вариантов длины выборки и глубины, а затем "
            u"повторите попытку.\n\n"_s))
            << e.message().toStdString();
    }
    EXPECT_TRUE(hooks.stopAsked);
    // A single range longer than memory holds is too many variants, not a wrong description: its
    // length is known from the text, so it is refused before the range is built.
    const QString tooMany = u"Вы задали слишком много вариантов фильтров - программа не сможет обработать их все!\n"
                            u"Пожалуйста, уменьшите в каждом из фильтров количество вариантов длины выборки и глубины, "
                            u"а затем повторите попытку.\n\nНедостаточно памяти: варианты фильтров строки не "
                            u"поместятся в 2048 МБ."_s;
    for (const QString& text : {u"TSD1#NUMS:1-2147483647;1#LNO:#SF:1"_s, u"TSD1#NUMS:10#LMV:1-2000000000;1#SF:1"_s,
                                u"TSD1#NUMS:1-2000;1#LMV:1-2000;1#SF:1"_s,
                                // One variant, but a list of two billion values joined into its text.
                                u"TSD1#NUMS:10#LDV:1-2000000000;1#SF:1"_s})
        EXPECT_EQ(expansionError({parse(text)}, 1), tooMany) << text.toStdString();
    // A wrong description further on is still named first.
    EXPECT_EQ(expansionError({parse(u"TSD1#NUMS:1-2147483647;1"_s), parse(u"TSD1#NUMS:x#LNO:#SF:1"_s)}, 2),
              u"Некорректное описание фильтра: TSD1#NUMS:x#LNO:#SF:1!"_s);
    // The bound counts the variants and the values they are made of.
    const TFilterItem ten = parse(u"TSD1#NUMS:1-10;1"_s);
    const std::size_t bytes = 10 * FilterVariantBytes() + 10 * FilterListValueBytes();
    EXPECT_FALSE(expansionError({ten}, 1, bytes - 1).isEmpty());
    EXPECT_TRUE(expansionError({ten}, 1, bytes).isEmpty());

    // A stop request ends the expansion before the next number of draws.
    RecordingHooks stopping;
    stopping.stopAfter = 2;
    const TFilterVarList partial = FilterVariantsBuild({parse(u"TSD1#NUMS:10,20,30#LMV:1,2#SF:1"_s)}, 1, stopping);
    EXPECT_EQ(partial.size(), 4u);
    EXPECT_EQ(partial.back()[0].DrawsCount, 20);

    // Progress every 1000 variants.
    RecordingHooks counting;
    const TFilterVarList many = FilterVariantsBuild({parse(u"TSD1#NUMS:1-50;1#LMV:1-50;1#SF:1"_s)}, 1, counting);
    EXPECT_EQ(many.size(), 2500u);
    EXPECT_EQ(counting.progressTexts, QStringList({u"Создание всех вариантов фильтров ( 1000 )..."_s,
                                                   u"Создание всех вариантов фильтров ( 2000 )..."_s}));
}

namespace {

// A row whose every text is "50" except the one field under test.
views::TStatValues rowWith(QString views::TStatValues::*field, const QString& text)
{
    views::TStatValues row;
    for (QString views::TStatValues::*f :
         {&views::TStatValues::ValueText, &views::TStatValues::CountText, &views::TStatValues::CountPct,
          &views::TStatValues::DeviationText, &views::TStatValues::DeviationPct, &views::TStatValues::DepthText,
          &views::TStatValues::DepthPct, &views::TStatValues::WeightText, &views::TStatValues::PeriodMinText,
          &views::TStatValues::PeriodText, &views::TStatValues::PeriodMaxText})
        row.*f = u"50"_s;
    row.Value = 50;
    if (field)
        row.*field = text;
    return row;
}

TFilterPart part(int condition, const QString& value)
{
    TFilterPart p;
    p.Enabled = true;
    p.Condition = std::uint8_t(condition);
    p.Value = value;
    p.ValueText = value;
    return p;
}

bool test(int condition, const char* value, const views::TStatValues& row)
{
    return RowConditionTest(part(condition, QString::fromLatin1(value)), row);
}

} // namespace

TEST(RowConditions, EveryConditionReadsItsColumn)
{
    using V = views::TStatValues;
    enum Kind { AtLeast, AtMost, List };
    struct Case
    {
        int condition;
        QString V::*field;
        Kind kind;
        bool decimal;
        double missing; // what a text that is not a number counts as
    };
    // The condition table: field, test, number kind and the value of a missing number.
    const Case cases[] = {
        {1, &V::DepthText, AtLeast, false, 0},
        {2, &V::DepthPct, AtLeast, true, 0},
        {3, &V::DepthText, AtMost, false, 65535},
        {4, &V::DepthPct, AtMost, true, 65535},
        {5, &V::DepthText, List, false, 0},
        {6, &V::DepthPct, List, true, 0},
        {7, &V::DeviationText, AtLeast, false, 0},
        {8, &V::DeviationPct, AtLeast, true, 0},
        {9, &V::DeviationText, AtMost, false, 65535},
        {10, &V::DeviationPct, AtMost, true, 65535},
        {11, &V::DeviationText, List, false, 0},
        {12, &V::DeviationPct, List, true, 0},
        {13, &V::CountText, AtLeast, false, 0},
        {14, &V::CountPct, AtLeast, true, 0},
        {15, &V::CountText, AtMost, false, 65535},
        {16, &V::CountPct, AtMost, true, 65535},
        {17, &V::CountText, List, false, 0},
        {18, &V::CountPct, List, true, 0},
        {19, &V::WeightText, AtLeast, true, 0},
        {20, &V::WeightText, AtMost, true, 0},
        {21, &V::WeightText, List, true, 0},
        {22, &V::PeriodMinText, AtLeast, false, 0},
        {23, &V::PeriodMinText, AtMost, false, 65535},
        {24, &V::PeriodMinText, List, false, 0},
        {25, &V::PeriodText, AtLeast, true, 0},
        {26, &V::PeriodText, AtMost, true, 0},
        {27, &V::PeriodText, List, true, 0},
        {28, &V::PeriodMaxText, AtLeast, false, 0},
        {29, &V::PeriodMaxText, AtMost, false, 65535},
        {30, &V::PeriodMaxText, List, false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.condition);
        const V seven = rowWith(c.field, c.decimal ? dec("7.00") : u"7"_s);
        const V missing = rowWith(c.field, u"-"_s);
        const V empty = rowWith(c.field, QString());
        switch (c.kind) {
        case AtLeast:
            EXPECT_TRUE(test(c.condition, "7", seven));
            EXPECT_TRUE(test(c.condition, "-3", seven));
            EXPECT_FALSE(test(c.condition, "8", seven));
            EXPECT_TRUE(test(c.condition, "0", missing));
            EXPECT_FALSE(test(c.condition, "1", missing));
            break;
        case AtMost:
            EXPECT_TRUE(test(c.condition, "7", seven));
            EXPECT_FALSE(test(c.condition, "6", seven));
            if (c.missing == 0) {
                EXPECT_TRUE(test(c.condition, "0", empty));
                EXPECT_FALSE(test(c.condition, "-1", empty));
            } else {
                EXPECT_TRUE(test(c.condition, "65535", empty));
                EXPECT_FALSE(test(c.condition, "65534", empty));
            }
            break;
        case List:
            EXPECT_TRUE(test(c.condition, "3,7", seven));
            EXPECT_TRUE(test(c.condition, "8; 7 ;1", seven));
            EXPECT_FALSE(test(c.condition, "3,8,70", seven));
            // A row text the list compares must be a number.
            EXPECT_THROW(test(c.condition, "3,7", missing), core::EConvertError);
            break;
        }
    }

    // Integer columns take whole numbers only; decimal columns compare the numbers.
    // 7.5 is no integer: it counts as 0.
    EXPECT_TRUE(test(1, "0", rowWith(&V::DepthText, dec("7.5"))));
    EXPECT_FALSE(test(1, "1", rowWith(&V::DepthText, dec("7.5"))));
    EXPECT_TRUE(test(1, "1", rowWith(&V::DepthText, u" 7 "_s)));
    EXPECT_FALSE(test(3, "100", rowWith(&V::DepthText, dec("7.5"))));
    EXPECT_TRUE(test(2, "7", rowWith(&V::DepthPct, dec("7.01"))));
    EXPECT_FALSE(test(2, "8", rowWith(&V::DepthPct, dec("7.99"))));
    EXPECT_TRUE(test(6, "7", rowWith(&V::DepthPct, dec("7.00000"))));
    EXPECT_FALSE(test(6, "7", rowWith(&V::DepthPct, dec("7.00001"))));
    EXPECT_TRUE(test(9, "-2", rowWith(&V::DeviationText, u"-5"_s)));
    EXPECT_TRUE(test(11, "-5,5", rowWith(&V::DeviationText, u"-5"_s)));
    EXPECT_TRUE(test(10, "-2", rowWith(&V::DeviationPct, dec("-2.50000"))));
    EXPECT_THROW(test(5, "7", rowWith(&V::DepthText, dec("7.0"))), core::EConvertError);
    EXPECT_THROW(test(17, "7,x", rowWith(&V::CountText, u"8"_s)), core::EConvertError);

    // The edge cases of the condition table.
    EXPECT_FALSE(test(3, "10", rowWith(&V::DepthText, QString()))) << "65535 > 10";
    EXPECT_TRUE(test(20, "0", rowWith(&V::WeightText, QString()))) << "0 <= 0";
    EXPECT_TRUE(test(20, "5", rowWith(&V::WeightText, QString())));

    // The value list reads the row's number, not its text.
    views::TStatValues value = rowWith(nullptr, QString());
    value.ValueText = u"1:2"_s;
    value.Value = 12;
    EXPECT_TRUE(test(31, "11,12", value));
    EXPECT_FALSE(test(31, "1,2", value));
    value.Value = 0;
    EXPECT_TRUE(test(31, "0", value)) << "a statistic without value lists leaves the value 0";

    // No condition, an unknown condition: every row; a bad value: an error.
    EXPECT_TRUE(test(0, "", rowWith(nullptr, QString())));
    EXPECT_TRUE(test(40, "x", rowWith(nullptr, QString())));
    EXPECT_THROW(test(1, "x", rowWith(nullptr, QString())), core::EConvertError);
    EXPECT_THROW(test(13, "", rowWith(nullptr, QString())), core::EConvertError);
}

TEST(RowConditions, StopRules)
{
    using V = views::TStatValues;
    TFilterPart p = part(0, QString());
    p.StopValue = 5;
    const V five = rowWith(&V::CountText, u"5"_s);
    const V six = rowWith(&V::CountText, u"6"_s);
    const V four = rowWith(&V::CountText, u"4"_s);
    const V none = rowWith(&V::CountText, u"-"_s);

    // Rules 0, 1 and 2 never stop on a row.
    for (int mode : {0, 1, 2}) {
        p.StopMode = std::uint8_t(mode);
        EXPECT_FALSE(StopRuleReached(p, five, 100));
    }
    // Steps.
    p.StopMode = StopSteps;
    EXPECT_FALSE(StopRuleReached(p, five, 4));
    EXPECT_TRUE(StopRuleReached(p, five, 5));
    // The count: "at most" walking down, "at least" walking up; not a number is 0.
    p.StopMode = StopCountValue;
    EXPECT_FALSE(StopRuleReached(p, six, 0));
    EXPECT_TRUE(StopRuleReached(p, five, 0));
    EXPECT_TRUE(StopRuleReached(p, none, 0));
    p.BottomUp = true;
    EXPECT_FALSE(StopRuleReached(p, four, 0));
    EXPECT_TRUE(StopRuleReached(p, five, 0));
    EXPECT_FALSE(StopRuleReached(p, none, 0));
    // The same on the count in per cent.
    p.StopMode = StopCountPercent;
    EXPECT_TRUE(StopRuleReached(p, rowWith(&V::CountPct, dec("5.00000")), 0));
    EXPECT_FALSE(StopRuleReached(p, rowWith(&V::CountPct, dec("4.99999")), 0));
    p.BottomUp = false;
    EXPECT_TRUE(StopRuleReached(p, rowWith(&V::CountPct, dec("4.99999")), 0));
    EXPECT_FALSE(StopRuleReached(p, rowWith(&V::CountPct, dec("5.00001")), 0));
    EXPECT_TRUE(StopRuleReached(p, rowWith(&V::CountPct, u"-"_s), 0));
}
