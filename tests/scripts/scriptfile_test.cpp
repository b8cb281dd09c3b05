#include "FailDevice.h"
#include "TestHelpers.h"
#include "core/Cp1251.h"
#include "scripts/ScriptFile.h"

#include <QBuffer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace scripts;
using namespace Qt::StringLiterals;

namespace {

QStringList readBytes(const QByteArray& bytes, ScriptReadReport* report = nullptr)
{
    QByteArray data = bytes;
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QStringList lines;
    QString error;
    EXPECT_TRUE(ScriptRead(buffer, lines, report, &error)) << error.toStdString();
    return lines;
}

} // namespace

TEST(ScriptFileTest, LinesAreCodePage1251EndedByCrLf)
{
    const QStringList lines{u"FULL:0#RAND|TSD1#NUMS:10#LMV:5#SF:1| | | | | | |мои числа"_s, QString(), u"№ 1"_s};
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    QString error;
    ASSERT_TRUE(ScriptWrite(out, lines, &error));
    EXPECT_EQ(out.data(), cp1251::encode(lines[0]) + "\r\n\r\n" + cp1251::encode(lines[2]) + "\r\n");
    EXPECT_EQ(readBytes(out.data()), lines);
}

TEST(ScriptFileTest, DamagedFilesLoadWhatTheyCan)
{
    // A last line without its end, lone LF and CR ends.
    EXPECT_EQ(readBytes("a\r\nb\nc\rd"), QStringList({u"a"_s, u"b"_s, u"c"_s, u"d"_s}));
    EXPECT_EQ(readBytes("a\r\n\r\n"), QStringList({u"a"_s, QString()}));
    EXPECT_TRUE(readBytes(QByteArray()).isEmpty());
    // NUL bytes of binary junk read as blanks.
    EXPECT_EQ(readBytes(QByteArray("x\0y", 3)), QStringList({u"x y"_s}));
    // An overlong line is cut and reported.
    ScriptReadReport report;
    const QStringList cut = readBytes(QByteArray(kScriptLineMax + 10, 'a') + "\r\nb", &report);
    ASSERT_EQ(cut.size(), 2);
    EXPECT_EQ(cut[0].size(), kScriptLineMax);
    EXPECT_EQ(cut[1], u"b"_s);
    EXPECT_EQ(report.CutLines, 1);
    EXPECT_FALSE(report.Truncated);
}

TEST(ScriptFileTest, AFullDiskLeavesTheOldFileAndMissingFilesAreErrors)
{
    testsupport::FailDevice full(10);
    full.open(QIODevice::WriteOnly);
    QString error;
    EXPECT_FALSE(ScriptWrite(full, {u"FULL:0#ALL| | | | | | | |"_s}, &error));
    EXPECT_FALSE(error.isEmpty());

    QTemporaryDir dir;
    const QString path = dir.filePath(u"s.lsc"_s);
    ASSERT_TRUE(ScriptWriteFile(path, {u"one"_s}, &error));
    {
        testsupport::FileSizeLimit limit(100);
        EXPECT_FALSE(ScriptWriteFile(path, QStringList(50, u"long line of a script"_s), &error));
    }
    QStringList lines;
    ASSERT_TRUE(ScriptReadFile(path, lines, nullptr, &error));
    EXPECT_EQ(lines, QStringList({u"one"_s}));
    EXPECT_FALSE(ScriptReadFile(dir.filePath(u"missing.lsc"_s), lines, nullptr, &error));
    EXPECT_FALSE(error.isEmpty());
}
