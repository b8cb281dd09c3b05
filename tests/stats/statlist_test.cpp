// The method list: filling from the registry, display names, favourites and the names file.

#include "StatTestSupport.h"

#include "core/IniFile.h"
#include "core/TextForms.h"
#include "stats/StatList.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace stattest;
using stats::TStatList;

namespace {

int countCode(const TStatList& list, const QString& prefix)
{
    int n = 0;
    for (int i = 0; i < list.Count(); ++i)
        if (list.Items(i).GetCodeText().startsWith(prefix))
            ++n;
    return n;
}

TEST(StatList, FillOffersEveryParameterOfEveryAvailableClass)
{
    TStatList list;
    list.Fill();
    ASSERT_GT(list.Count(), 0);
    EXPECT_EQ(list.Items(0).GetCodeText(), u"NUMS"_s);
    const int pos = list.IndexOfCode(u"pos1"_s);
    ASSERT_GE(pos, 0);
    for (int p = 1; p <= 5; ++p)
        EXPECT_EQ(list.Items(pos + p - 1).GetCodeText(), QStringLiteral("POS%1").arg(p));
    EXPECT_EQ(list.IndexOfCode(u"POS6"_s), -1);
    EXPECT_EQ(list.IndexOfCode(u"KNO2"_s), -1) << "never offered";
    for (int i = 0; i < list.Count(); ++i) {
        EXPECT_TRUE(list.Items(i).Class->IsAvailable());
        EXPECT_TRUE(list.Items(i).Favorite);
        EXPECT_TRUE(list.Items(i).UserName.isEmpty());
    }
    // Registry order: the order of the classes is never broken by their parameters.
    int lastRow = 0;
    for (int i = 0; i < list.Count(); ++i) {
        EXPECT_GE(list.Items(i).Class->Row, lastRow);
        lastRow = list.Items(i).Class->Row;
    }
}

TEST(StatList, ParameterisedMethodsFollowTheSettingsAtFill)
{
    TStatList list;
    core::TConfigData config;
    config.ChannelSize = 10;
    config.MatrixCols = 9;
    list.setConfig(config);
    list.Fill();
    if (list.IndexOfCode(u"CHN1"_s) >= 0) {
        EXPECT_EQ(countCode(list, u"CHN"_s) - countCode(list, u"CHNV"_s) - countCode(list, u"CHNC"_s), 6);
    }
    if (list.IndexOfCode(u"COL1"_s) >= 0) {
        EXPECT_GE(list.IndexOfCode(u"COL9"_s), 0);
        EXPECT_EQ(list.IndexOfCode(u"COL10"_s), -1);
        EXPECT_GE(list.IndexOfCode(u"ROW6"_s), 0);
        EXPECT_EQ(list.IndexOfCode(u"ROW7"_s), -1);
    }
    config.ChannelSize = 0;
    config.MatrixCols = 0;
    list.setConfig(config);
    list.Fill();
    EXPECT_EQ(list.IndexOfCode(u"CHN1"_s), -1);
    EXPECT_EQ(list.IndexOfCode(u"SC2C1"_s), -1);
    EXPECT_EQ(list.IndexOfCode(u"SC3C1"_s), -1);
    EXPECT_EQ(list.IndexOfCode(u"COL1"_s), -1);
    EXPECT_EQ(list.IndexOfCode(u"ROW1"_s), -1);
}

TEST(StatList, DisplayNamesWithGroupAndFlags)
{
    TStatList list;
    list.Fill();
    const int nums = list.IndexOfCode(u"NUMS"_s);
    const int even = list.IndexOfCode(u"EVEN"_s);
    EXPECT_EQ(list.GetDisplayName(nums, true), u"{ num } Числа тиража [ N ]"_s);
    EXPECT_EQ(list.GetDisplayName(even, true), u"{ num } Количество четных чисел в тираже (Ч:Н) [ NG ]"_s);
    EXPECT_EQ(list.GetDisplayName(even, false), u"{ num } Количество четных чисел в тираже (Ч:Н)"_s);
    list.ShowGroupName = false;
    EXPECT_EQ(list.GetDisplayName(nums, true), u"Числа тиража [ N ]"_s);
    list.ShowMethodFlags = false;
    EXPECT_EQ(list.GetDisplayName(nums, true), u"Числа тиража"_s);
    list.Items(nums).UserName = u"Мои числа"_s;
    EXPECT_EQ(list.GetDisplayName(nums, true), u"Мои числа"_s);
    EXPECT_EQ(TStatList::GetCategoryCaption(0), u"{ num } Числа тиража"_s);
    EXPECT_EQ(TStatList::GetCategoryCaption(13), u"#ERROR#"_s);
    EXPECT_EQ(TStatList::GetCategoryCaption(-1), u"#ERROR#"_s);
}

TEST(StatList, ShreddingCaptionsTakeTheirFormula)
{
    stats::TStatMethod m;
    m.Class = stats::FindStatClass(u"TstShreddingStat"_s);
    m.Param = 1;
    m.FormulaText = u"(n1+n2+n3)/(n4+n5)"_s;
    EXPECT_EQ(m.GetCaptionText(), u"Метод шинковки 1: (n1+n2+n3)/(n4+n5)"_s);
    m.UserName = u"Моя формула %s!"_s;
    EXPECT_EQ(m.GetCaptionText(), u"Моя формула (n1+n2+n3)/(n4+n5)!"_s);
    // Other categories take a user name as it is.
    stats::TStatMethod other;
    other.Class = stats::FindStatClass(u"TstValues"_s);
    other.UserName = u"числа %s"_s;
    other.FormulaText = u"x"_s;
    EXPECT_EQ(other.GetCaptionText(), u"числа %s"_s);
}

TEST(StatList, FavouritesTextAndNormalising)
{
    TStatList list;
    list.Fill();
    EXPECT_TRUE(list.GetFavoritesText().isEmpty());
    list.SetFavoritesText(u"POS1,pos2"_s);
    EXPECT_FALSE(list.AllFavorites);
    EXPECT_EQ(list.GetFavoritesText(), u"POS1,POS2"_s);
    EXPECT_TRUE(list.IsShown(list.IndexOfCode(u"POS2"_s)));
    EXPECT_FALSE(list.IsShown(list.IndexOfCode(u"NUMS"_s)));
    const std::vector<int> shown = list.SelectorMethods(false);
    EXPECT_EQ(shown.size(), 2u);
    // A lone comma marks nothing; normalising then makes everything favourite again.
    list.SetFavoritesText(u","_s);
    EXPECT_FALSE(list.AllFavorites);
    EXPECT_TRUE(list.SelectorMethods(false).empty());
    list.NormalizeFavorites();
    EXPECT_TRUE(list.AllFavorites);
    EXPECT_TRUE(list.Items(0).Favorite);
    list.SetFavoritesText(u"  "_s);
    EXPECT_TRUE(list.AllFavorites);
    // Mixed favourites stay mixed.
    list.Items(0).Favorite = false;
    list.NormalizeFavorites();
    EXPECT_FALSE(list.AllFavorites);
}

TEST(StatList, SelectorsOfGraphsAndOrdered)
{
    TStatList list;
    list.Fill();
    for (int i : list.SelectorMethods(true))
        EXPECT_TRUE(list.Items(i).Class->IsGraph());
    const std::vector<int> all = list.SelectorMethods(false);
    EXPECT_EQ(all.front(), 0);
    list.Ordered = true;
    const std::vector<int> ordered = list.SelectorMethods(false);
    ASSERT_EQ(ordered.size(), all.size());
    for (std::size_t i = 1; i < ordered.size(); ++i)
        EXPECT_LE(list.GetDisplayName(ordered[i - 1], true)
                      .compare(list.GetDisplayName(ordered[i], true), Qt::CaseInsensitive),
                  0);
}

TEST(StatList, CreateFromSelection)
{
    TStatList list;
    list.Fill();
    EXPECT_NE(list.CreateStatFromSelection(0, u"cbDrawsStatType"_s), nullptr);
    try {
        list.CreateStatFromSelection(-1, u"cbDrawsStatType"_s);
        FAIL() << "no error";
    } catch (const core::EConvertError& e) {
        EXPECT_EQ(e.message(), u"Не выбран метод расчета статистики (cb: cbDrawsStatType)!"_s);
    }
}

TEST(StatList, NamesFileRoundTripKeepsOtherSections)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"Vertoma_5x54.flt"_s);
    {
        core::IniFile other(path);
        other.writeString(u"STRINGS_ENU"_s, u"NUMS"_s, u"Numbers"_s);
        other.writeString(u"STRINGS_RUS"_s, u"GONE"_s, u"стёрто"_s);
        ASSERT_TRUE(other.save());
    }
    TStatList list;
    list.Fill();
    list.SetFavoritesText(u"NUMS,POS3"_s);
    list.Ordered = true;
    list.ShowGroupName = false;
    list.Items(list.IndexOfCode(u"POS3"_s)).UserName = u"Третья позиция"_s;
    ASSERT_TRUE(list.SaveFilterNames(path, true, false));

    core::IniFile ini(path);
    ASSERT_TRUE(ini.load());
    EXPECT_EQ(ini.readString(u"FILTERS"_s, u"Favorites"_s), u"NUMS,POS3"_s);
    EXPECT_TRUE(ini.readBool(u"FILTERS"_s, u"Ordered"_s, false));
    EXPECT_FALSE(ini.readBool(u"FILTERS"_s, u"ShowGroupName"_s, true));
    EXPECT_EQ(ini.keys(u"STRINGS_RUS"_s), Strs({"POS3"})) << "the section is rewritten whole";
    EXPECT_EQ(ini.readString(u"STRINGS_ENU"_s, u"NUMS"_s), u"Numbers"_s);

    TStatList back;
    back.Fill();
    ASSERT_TRUE(back.LoadFilterNames(path, true));
    EXPECT_FALSE(back.AllFavorites);
    EXPECT_TRUE(back.Items(back.IndexOfCode(u"NUMS"_s)).Favorite);
    EXPECT_FALSE(back.Items(back.IndexOfCode(u"POS2"_s)).Favorite);
    EXPECT_TRUE(back.Ordered);
    EXPECT_FALSE(back.ShowGroupName);
    EXPECT_TRUE(back.ShowMethodFlags);
    EXPECT_EQ(back.Items(back.IndexOfCode(u"POS3"_s)).UserName, u"Третья позиция"_s);

    // Without options only the names are read; all names writes every caption.
    TStatList names;
    names.Fill();
    ASSERT_TRUE(names.LoadFilterNames(path, false));
    EXPECT_TRUE(names.AllFavorites);
    EXPECT_EQ(names.Items(names.IndexOfCode(u"POS3"_s)).UserName, u"Третья позиция"_s);
    ASSERT_TRUE(names.SaveFilterNames(path, false, true));
    ASSERT_TRUE(ini.load());
    EXPECT_EQ(ini.keys(u"STRINGS_RUS"_s).size(), qsizetype(names.Count()));
    EXPECT_EQ(ini.readString(u"STRINGS_RUS"_s, u"NUMS"_s), u"Числа тиража"_s);
    EXPECT_EQ(ini.readString(u"FILTERS"_s, u"Favorites"_s), u"NUMS,POS3"_s) << "options untouched";

    // Another language has its own section.
    TStatList english;
    english.setLanguageCode(u"ENU"_s);
    english.Fill();
    ASSERT_TRUE(english.LoadFilterNames(path, false));
    EXPECT_EQ(english.Items(0).UserName, u"Numbers"_s);
}

TEST(StatList, UnreadableNamesFileIsReported)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"big.flt"_s);
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(3 * 1024 * 1024, 'x')); // over the reader's limit
    f.close();
    TStatList list;
    list.Fill();
    QString error;
    EXPECT_FALSE(list.LoadFilterNames(path, true, &error));
    EXPECT_TRUE(error.startsWith(u"Ошибка загрузки списка фильтров!"_s)) << error.toStdString();
    EXPECT_FALSE(list.SaveFilterNames(path, true, false, &error));
    EXPECT_TRUE(error.startsWith(u"Ошибка сохранения списка фильтров!"_s));
    EXPECT_EQ(QFileInfo(path).size(), 3 * 1024 * 1024) << "a file that could not be read is not overwritten";
    EXPECT_TRUE(list.AllFavorites);
}

} // namespace
