// Combination files, the clipboard text and the cache file.

#include "StatTestSupport.h"

#include "combos/CombFiles.h"
#include "core/TextForms.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace stattest;
using namespace combos;

namespace {

TEST(CombFiles, SaveAndOpenGiveTheSameList)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("list.lcv"));
    const core::TCombsArray list = {Comb({3, 7, 15, 22, 54}), Comb({54, 1, 2, 3, 4}), Comb({1, 2, 3, 4, 5})};
    QString error;
    ASSERT_TRUE(SaveCombsFile(path, list, &error)) << error.toStdString();
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("3;7;15;22;54\r\n54;1;2;3;4\r\n1;2;3;4;5\r\n"));
    core::TCombsArray back = {Comb({9, 9, 9, 9, 9})};
    ASSERT_TRUE(LoadCombsFile(path, back, &error));
    EXPECT_EQ(back, list);
    EXPECT_FALSE(LoadCombsFile(dir.filePath(QStringLiteral("missing.lcv")), back, &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(CombFiles, OddLinesOfAFile)
{
    core::TCombsArray out;
    ParseCombsText("1,2,3,4,5\r\n1;2;3;4\r\n\r\n;;1;;2;3;4;5;\n1;2;x;4;5\r1;2;3;4;5;6\n 7 ; 8 ;9;10;11", out, 100);
    EXPECT_EQ(out, core::TCombsArray(
                       {Comb({1, 2, 3, 4, 5}), Comb({1, 2, 3, 4, 5}), Comb({1, 2, 0, 4, 5}), Comb({7, 8, 9, 10, 11})}));
    out.clear();
    ParseCombsText("Номер;1;2;3;4\r\nНомер;Ч1;Ч2\r\n", out, 100);
    EXPECT_EQ(out, core::TCombsArray({Comb({0, 1, 2, 3, 4})})) << "five words read, words not numbers as 0";
    out.clear();
    ParseCombsText("a;b\r\n", out, 100);
    EXPECT_TRUE(out.empty());
    out.clear();
    ParseCombsText("1;2;3;4;5\n1;2;3;4;5\n1;2;3;4;5\n", out, 2);
    EXPECT_EQ(out.size(), 2u) << "reading stops at the capacity";
}

TEST(CombFiles, AFileOfLinesAcrossReadPieces)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.lcv"));
    core::TCombsArray list;
    for (int i = 0; i < 200000; ++i)
        list.push_back(Comb({1 + i % 50, 2 + i % 50, 3 + i % 50, 4 + i % 50, 5 + i % 50}));
    ASSERT_TRUE(SaveCombsFile(path, list, nullptr));
    core::TCombsArray back;
    ASSERT_TRUE(LoadCombsFile(path, back, nullptr));
    EXPECT_EQ(back, list);
}

TEST(Clipboard, CopyAndPaste)
{
    const core::TCombsArray list = {Comb({1, 2, 3, 4, 5}), Comb({3, 7, 15, 22, 54}), Comb({10, 11, 12, 13, 14})};
    EXPECT_EQ(CombsClipboardText(list, {0, 2}), QStringLiteral("01 02 03 04 05\r\n10 11 12 13 14\r\n"));
    EXPECT_TRUE(CombsClipboardText(list, {}).isEmpty());
    EXPECT_EQ(ParseClipboardText(QStringLiteral("1-2-3-4-5")), core::TCombsArray({Comb({1, 2, 3, 4, 5})}));
    EXPECT_EQ(ParseClipboardText(QStringLiteral("01 02 03 04 05\r\n3|7|15|22|54\n")),
              core::TCombsArray({Comb({1, 2, 3, 4, 5}), Comb({3, 7, 15, 22, 54})}));
    try {
        ParseClipboardText(QStringLiteral("1 2 3 4 5\r\n1 2 3 4 5 6"));
        FAIL() << "six numbers accepted";
    } catch (const core::EConvertError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Некорректная комбинация: \"1 2 3 4 5 6\"!"));
    }
}

TEST(CombBuffer, RawRecordsRoundTrip)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Vertoma_5x54.~buff"));
    const core::TCombsArray list = {Comb({1, 2, 3, 4, 5}), Comb({50, 51, 52, 53, 54})};
    ASSERT_TRUE(SaveCombsBuffer(path, list, nullptr));
    EXPECT_EQ(QFileInfo(path).size(), 10);
    core::TCombsArray back;
    ASSERT_TRUE(LoadCombsBuffer(path, back, nullptr));
    EXPECT_EQ(back, list);
    // A torn last record is left out.
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::Append));
    f.write("\x01\x02", 2);
    f.close();
    ASSERT_TRUE(LoadCombsBuffer(path, back, nullptr));
    EXPECT_EQ(back, list);
}

} // namespace
