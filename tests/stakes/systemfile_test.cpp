// The text and files of wheeling systems: names, lines, the dialog's cleaning and the folder.

#include "TestHelpers.h"
#include "core/Cp1251.h"
#include "stakes/SystemFile.h"
#include "stakes/Systems.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace stakes;
using namespace Qt::StringLiterals;

namespace {

void writeFile(const QString& path, const QByteArray& content)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(content);
}

tSystemData system12(int id, int olap, int csize)
{
    tSystemData s;
    s.id = id;
    s.nums = 12;
    s.olap = olap;
    s.csize = csize;
    s.created = QDateTime(QDate(2024, 3, 5), QTime(14, 30, 12));
    return s;
}

} // namespace

TEST(SystemFileTest, NamesCarryCountBlockAndId)
{
    const auto key = ParseSystemFileName(u"5-12-3_0042.dat"_s);
    ASSERT_TRUE(key);
    EXPECT_EQ(key->nums, 12);
    EXPECT_EQ(key->olap, 3);
    EXPECT_EQ(key->id, 42);
    EXPECT_TRUE(ParseSystemFileName(u"5-54-0_123456.dat"_s));
    for (const QString& bad : {u"5-12-3_42.dat"_s, u"5-05-3_0042.dat"_s, u"5-55-3_0042.dat"_s, u"5-12-5_0042.dat"_s,
                               u"6-12-3_0042.dat"_s, u"5-12-3_0042.txt"_s, u"notes.dat"_s,
                               // A line break at the end is part of the name, not its end.
                               u"5-12-3_0042.dat\n"_s})
        EXPECT_FALSE(ParseSystemFileName(bad)) << bad.toStdString();
}

TEST(SystemFileTest, LinesArePositionsWithinTheCount)
{
    std::vector<SystemLine> lines;
    QString error;
    ASSERT_TRUE(ParseSystemLines(u"1 2 3 4 12\r\n\r\n 05*06+07,08-09 \n10.11/12:1;2=9\\ignored"_s, 12, lines, &error))
        << error.toStdString();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], (SystemLine{1, 2, 3, 4, 12}));
    EXPECT_EQ(lines[2], (SystemLine{10, 11, 12, 1, 2})) << "words past the fifth are not positions";

    EXPECT_FALSE(ParseSystemLines(u"1 2 3 4 5\n1 2 3 4 13\n"_s, 12, lines, &error));
    EXPECT_TRUE(lines.empty()) << "a file with a bad line gives nothing";
    EXPECT_TRUE(error.contains(u"Строка 2"_s) && error.contains(u"13"_s)) << error.toStdString();
    EXPECT_FALSE(ParseSystemLines(u"0 1 2 3 4"_s, 12, lines, &error));
    EXPECT_FALSE(ParseSystemLines(u"1 2 3 4"_s, 12, lines, &error));
    EXPECT_TRUE(error.contains(u"меньше пяти"_s));
    EXPECT_FALSE(ParseSystemLines(u"1 2 2 3 4"_s, 12, lines, &error));
    EXPECT_TRUE(error.contains(u"повторяется"_s)) << "a stake cannot hold a number twice";
    EXPECT_FALSE(ParseSystemLines(u"1 2 x 3 4"_s, 12, lines, &error));
    EXPECT_FALSE(ParseSystemLines(u"1 2 3 4 99999999999"_s, 12, lines, &error));
}

TEST(SystemFileTest, ReadingRefusesOversizedFilesAndShortDevices)
{
    QTemporaryDir dir;
    std::vector<SystemLine> lines;
    QString error;
    EXPECT_FALSE(ReadSystemFile(dir.filePath(u"missing.dat"_s), 12, lines, &error));
    EXPECT_FALSE(error.isEmpty());
    QByteArray big(17 << 20, ' ');
    writeFile(dir.filePath(u"big.dat"_s), big);
    EXPECT_FALSE(ReadSystemFile(dir.filePath(u"big.dat"_s), 12, lines, &error));
    EXPECT_TRUE(error.contains(u"МБ"_s));
}

TEST(SystemFileTest, TheDialogCleansLinesAndCountsNumbers)
{
    QString error;
    auto cleaned = CleanSystemText(u"1,2,3,4,5\n1 2 3\n\n  6-7-8-9-1  \nabc\n1 2 3 4 5 6\n"_s, &error);
    ASSERT_TRUE(cleaned) << error.toStdString();
    EXPECT_EQ(cleaned->Text, u"01 02 03 04 05\n06 07 08 09 01\n"_s);
    EXPECT_EQ(cleaned->Count, 2);
    EXPECT_EQ(cleaned->Nums, 9) << "lines over 1..9 make a system of 9 numbers";

    cleaned = CleanSystemText(QString(), &error);
    ASSERT_TRUE(cleaned);
    EXPECT_EQ(cleaned->Nums, 0);
    EXPECT_EQ(cleaned->Count, 0);

    // Numbers start at 1: lines over 3..9 still need 9 numbers, not 7.
    cleaned = CleanSystemText(u"3 4 5 6 7\n5 6 7 8 9"_s, &error);
    ASSERT_TRUE(cleaned);
    EXPECT_EQ(cleaned->Nums, 9);

    EXPECT_FALSE(CleanSystemText(u"1 2 3 4 x5"_s, &error));
    EXPECT_TRUE(error.contains(u"x5"_s)) << error.toStdString();
    EXPECT_FALSE(CleanSystemText(u"1 2 3 4 55"_s, &error));
    EXPECT_FALSE(CleanSystemText(u"1 2 3 4 4"_s, &error));
}

TEST(SystemFileTest, StoringKeepsOneSystemPerCount)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(u"Systems"_s);
    QString error;
    // Nine lines where ten were announced: nothing is written, not even the folder's file.
    QString nine;
    for (int i = 1; i <= 9; ++i)
        nine += u"1 2 3 4 %1\r\n"_s.arg(5 + (i - 1) % 8);
    EXPECT_FALSE(SystemStore(folder, system12(42, 3, 10), nine, &error));
    EXPECT_EQ(error, u"Количество скачанных комбинаций ( 9 ) отличается от ожидаемого значения ( 10 )"_s);
    EXPECT_FALSE(QFileInfo::exists(QDir(folder).filePath(u"5-12-3_0042.dat"_s)));

    ASSERT_TRUE(SystemStore(folder, system12(42, 3, 9), nine, &error)) << error.toStdString();
    const QString first = QDir(folder).filePath(u"5-12-3_0042.dat"_s);
    ASSERT_TRUE(QFileInfo::exists(first));
    EXPECT_EQ(QFileInfo(first).lastModified().toSecsSinceEpoch(), system12(42, 3, 9).created.toSecsSinceEpoch());
    EXPECT_TRUE(testsupport::ReadFile(first).startsWith("1 2 3 4 5\r\n1 2 3 4 6\r\n"));
    // A second system for 12 numbers replaces the first.
    ASSERT_TRUE(SystemStore(folder, system12(7, 2, 1), u"1 2 3 4 12"_s, &error));
    EXPECT_FALSE(QFileInfo::exists(first));
    // A system of another count stays.
    tSystemData six = system12(5, 1, 1);
    six.nums = 6;
    ASSERT_TRUE(SystemStore(folder, six, u"1 2 3 4 6"_s, &error));

    QStringList removed;
    ASSERT_TRUE(SystemStore(folder, system12(43, 4, 1), u"12 11 10 9 8"_s, &error, &removed));
    ASSERT_EQ(removed.size(), 1);
    EXPECT_EQ(QFileInfo(removed[0]).fileName(), u"5-12-2_0007.dat"_s);
    const std::vector<LocalSystem> local = LocalSystems(folder);
    ASSERT_EQ(local.size(), 2u);
    EXPECT_EQ(QFileInfo(local[0].Path).fileName(), u"5-06-1_0005.dat"_s);
    EXPECT_EQ(QFileInfo(local[1].Path).fileName(), u"5-12-4_0043.dat"_s);
    ASSERT_TRUE(FindLocalSystem(folder, 12));
    EXPECT_EQ(FindLocalSystem(folder, 12)->Key.id, 43);
    EXPECT_FALSE(FindLocalSystem(folder, 11));

    // Lines the game would refuse are not stored.
    EXPECT_FALSE(SystemStore(folder, system12(44, 4, 1), u"1 2 3 4 13"_s, &error));
    EXPECT_TRUE(error.contains(u"13"_s));
    EXPECT_EQ(FindLocalSystem(folder, 12)->Key.id, 43) << "the refused system removed nothing";
}

TEST(SystemFileTest, TheGameExpandsTheExampleNumbers)
{
    QTemporaryDir dir;
    QString error;
    ASSERT_TRUE(SystemStore(dir.path(), system12(42, 3, 2), u"1 2 3 4 12\r\n5 6 7 8 9\r\n"_s, &error));
    // A combination list over these twelve numbers, in order of first appearance.
    const core::TByteArray numbers{3, 7, 9, 15, 20, 22, 31, 33, 40, 41, 50, 54};
    const SystemExpansion e = SystemExpand(dir.path(), numbers);
    ASSERT_TRUE(e.Found);
    EXPECT_TRUE(QDir::match(SystemFileMask(12), QFileInfo(e.File).fileName()));
    ASSERT_EQ(e.Combs.size(), 2u);
    EXPECT_EQ(e.Combs[0], (core::TComb{{3, 7, 9, 15, 54}}));
    EXPECT_EQ(e.Combs[1], (core::TComb{{20, 22, 31, 33, 40}}));

    writeFile(dir.filePath(u"5-12-3_0042.dat"_s), "1 2 3 4 4\r\n");
    const SystemExpansion bad = SystemExpand(dir.path(), numbers);
    EXPECT_TRUE(bad.Found);
    EXPECT_TRUE(bad.Combs.empty());
    EXPECT_TRUE(bad.Message.contains(u"повторяется"_s));
    writeFile(dir.filePath(u"5-12-3_0042.dat"_s), "\r\n");
    EXPECT_FALSE(SystemExpand(dir.path(), numbers).Message.isEmpty()) << "an empty file says why it gives nothing";
}

TEST(SystemFileTest, TheFileTextIsTwoDigitWordsAndCrLf)
{
    EXPECT_EQ(SystemFileText({SystemLine{1, 2, 3, 4, 12}, SystemLine{54, 9, 10, 11, 6}}),
              QByteArray("01 02 03 04 12\r\n54 09 10 11 06\r\n"));
}
