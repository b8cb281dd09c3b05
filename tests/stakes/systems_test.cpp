#include "TestHelpers.h"
#include "core/Cp1251.h"
#include "stakes/Systems.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace stakes;
using namespace Qt::StringLiterals;

namespace {

void writeSystem(const QString& path, const QByteArray& content)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(content);
}

} // namespace

TEST(SystemsTest, FileNamesAndTheirMask)
{
    EXPECT_EQ(SystemFileName(12, 3, 42), u"5-12-3_0042.dat"_s);
    EXPECT_EQ(SystemFileName(7, 0, 12345), u"5-07-0_12345.dat"_s);
    EXPECT_EQ(SystemFileMask(12), u"5-12-*_*.dat"_s);
    EXPECT_TRUE(QDir::match(SystemFileMask(12), SystemFileName(12, 3, 42)));
    EXPECT_FALSE(QDir::match(SystemFileMask(11), SystemFileName(12, 3, 42)));
}

TEST(SystemsTest, PositionsStandForTheNumbersAtThosePlaces)
{
    QTemporaryDir dir;
    writeSystem(dir.filePath(SystemFileName(12, 3, 42)), "1 2 3 4 12\r\n01*02+03,04-05\r\n\r\n6.7/8:9;10=11\\12_1|2~3\r\n");
    const core::TByteArray numbers{3, 7, 9, 15, 20, 22, 31, 33, 40, 41, 50, 54};
    const SystemExpansion e = SystemExpand(dir.path(), numbers);
    ASSERT_TRUE(e.Found);
    EXPECT_EQ(QFileInfo(e.File).fileName(), u"5-12-3_0042.dat"_s);
    ASSERT_EQ(e.Combs.size(), 3u) << e.Message.toStdString();
    EXPECT_EQ(e.Combs[0], (core::TComb{{3, 7, 9, 15, 54}}));
    EXPECT_EQ(e.Combs[1], (core::TComb{{3, 7, 9, 15, 20}}));
    EXPECT_EQ(e.Combs[2], (core::TComb{{22, 31, 33, 40, 41}})) << "more than five positions: the first five";
}

TEST(SystemsTest, AMissingSystemAndBadLinesAreReported)
{
    QTemporaryDir dir;
    const core::TByteArray six{1, 2, 3, 4, 5, 6};
    SystemExpansion e = SystemExpand(dir.path(), six);
    EXPECT_FALSE(e.Found);
    EXPECT_EQ(e.Message, u"Система для 6 чисел не найдена или не загружена на компьютер!"_s);
    EXPECT_TRUE(SystemExpand(dir.filePath(u"nowhere"_s), six).Message.contains(u"6 чисел"_s));

    writeSystem(dir.filePath(SystemFileName(6, 2, 1)), "1 2 3 4 7\r\n");
    e = SystemExpand(dir.path(), six);
    EXPECT_TRUE(e.Found);
    EXPECT_TRUE(e.Combs.empty());
    EXPECT_TRUE(e.Message.contains(u"7"_s)) << e.Message.toStdString();
    writeSystem(dir.filePath(SystemFileName(6, 2, 1)), "1 2 3 4\r\n");
    EXPECT_TRUE(SystemExpand(dir.path(), six).Combs.empty());
    writeSystem(dir.filePath(SystemFileName(6, 2, 1)), "1 2 x 4 5\r\n");
    EXPECT_TRUE(SystemExpand(dir.path(), six).Combs.empty());
    // Of two files for the same count the first by name is taken.
    writeSystem(dir.filePath(SystemFileName(6, 1, 9)), "6 5 4 3 2\r\n");
    e = SystemExpand(dir.path(), six);
    ASSERT_EQ(e.Combs.size(), 1u);
    EXPECT_EQ(e.Combs[0], (core::TComb{{6, 5, 4, 3, 2}})) << "positions keep the file's order";
}
