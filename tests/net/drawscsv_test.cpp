// Draws as CSV: export, the field rules of import, and a round trip through the real history.

#include "TestHelpers.h"
#include "TestPaths.h"
#include "core/Cp1251.h"
#include "core/DrawArchive.h"
#include "core/TextForms.h"
#include "net/DrawsCsv.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using testsupport::MakeDraw;

namespace {

// The fields of a line as "count:f1|f2|...".
std::string fields(const char* line)
{
    const QStringList f = net::SplitCsvFields(QString::fromUtf8(line));
    return std::to_string(f.size()) + ':' + f.join(u'|').toStdString();
}

QByteArray lines(const char* text)
{
    return cp1251::encode(QString::fromUtf8(text));
}

core::TDrawsArray realArchive()
{
    core::TDrawsArray draws;
    EXPECT_TRUE(core::LoadDrawsFile(QStringLiteral(VERTOMA_SHARED_DATA_DIR "/Vertoma_5x54.ldr"), draws));
    return draws;
}

void expectSameDraw(const core::TDrawRec& a, const core::TDrawRec& b)
{
    EXPECT_EQ(a.Num, b.Num);
    for (int i = 0; i < core::CombSize; ++i)
        EXPECT_EQ(a.Values[i], b.Values[i]) << "draw " << a.Num;
    EXPECT_EQ(a.Extra, b.Extra);
    EXPECT_EQ(core::DrawDateText(a), core::DrawDateText(b));
}

} // namespace

TEST(DrawsCsvExport, EightFieldsQuotedDateCrLf)
{
    const core::TDrawsArray draws = {MakeDraw(1, {34, 42, 47, 48, 51}, 5, "06/02/2005"),
                                     MakeDraw(2, {5, 4, 3, 2, 1}, 0, "a\"b")};
    EXPECT_EQ(net::DrawsCsvText(draws), QByteArray("1;\"06/02/2005\";34;42;47;48;51;5\r\n"
                                                   "2;\"a\"\"b\";5;4;3;2;1;0\r\n"));
    EXPECT_TRUE(net::DrawsCsvText({}).isEmpty());
}

TEST(DrawsCsvExport, TheRealArchiveGivesThePublishedImportFile)
{
    // The shared history carries the same draws in this very form, made independently.
    const QByteArray expected = testsupport::ReadFile(QStringLiteral(VERTOMA_SHARED_DATA_DIR "/draws_history_import.csv"));
    ASSERT_FALSE(expected.isEmpty());
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("out.csv"));
    QString error;
    ASSERT_TRUE(net::SaveDrawsCsv(path, realArchive(), &error)) << error.toStdString();
    EXPECT_EQ(testsupport::ReadFile(path), expected);
}

TEST(DrawsCsvExport, AFailedWriteLeavesTheOldFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("out.csv"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("old");
    f.close();
    core::TDrawsArray many(50000, MakeDraw(1, {1, 2, 3, 4, 5}, 1, "01/01/2020"));
    QString error;
    {
        testsupport::FileSizeLimit limit(1000);
        EXPECT_FALSE(net::SaveDrawsCsv(path, many, &error));
    }
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(testsupport::ReadFile(path), QByteArray("old"));
    EXPECT_FALSE(net::SaveDrawsCsv(dir.filePath(QStringLiteral("missing/out.csv")), many, &error));
}

TEST(DrawsCsvFields, SeparatorsQuotesAndBlanks)
{
    EXPECT_EQ(fields("1;\"06/02/2005\";34;42"), "4:1|06/02/2005|34|42");
    // A quoted field keeps its blanks; a blank outside quotes separates fields.
    EXPECT_EQ(fields("\"06/02 2005\";1"), "2:06/02 2005|1");
    EXPECT_EQ(fields("06/02 2005;1"), "3:06/02|2005|1");
    EXPECT_EQ(fields("  a ;  b\t;c  "), "3:a|b|c");
    // Empty fields between separators and one after a final separator.
    EXPECT_EQ(fields("a;;b;"), "4:a||b|");
    EXPECT_EQ(fields("\"say \"\"hi\"\"\";x"), "2:say \"hi\"|x");
    // Text right after a closing quote starts the next field.
    EXPECT_EQ(fields("\"ab\"cd;e"), "3:ab|cd|e");
    // An open quote runs to the end of the line.
    EXPECT_EQ(fields("1;\"open;2"), "2:1|open;2");
    EXPECT_EQ(fields("   "), "0:");
}

TEST(DrawsCsvImport, BothLineFormsAndTheSkipRules)
{
    const core::TDrawsArray archive = {MakeDraw(1, {1, 2, 3, 4, 5}, 1, "01/01/2024"),
                                       MakeDraw(2, {6, 7, 8, 9, 10}, 2, "08/01/2024")};
    const net::CsvImport r = net::ParseDrawsCsv(lines("10;\"15/01/2024\";11;12;13;14;15;3\r\n"
                                                      "\r\n"
                                                      "   \r\n"
                                                      "\"22/01/2024\";16;17;18;19;20;4\r\n"     // 7 fields: 2 + 1 + 1
                                                      "\"29 01 2024\";21;22;23;24;25;5\n"       // 7 fields: 5
                                                      "1;\"01/01/2024\";1;2;3;4;5;1\r\n"        // number taken
                                                      "4;\"x\";1;2;3;4;5\r\n"                   // 7 fields: date "4", "x" a number
                                                      "20;\"x\";1;2;3;4\r\n"                    // 6 fields
                                                      "0;\"x\";1;2;3;4;5;1\r\n"                 // number not positive
                                                      "abc;\"x\";1;2;3;4;5;1\r\n"               // not a number: 0
                                                      "21;\"x\";1;2;3;4;55;1\r\n"               // out of range
                                                      "22;\"x\";1;2;3;4;4;1\r\n"                // repeated number
                                                      "23;\"x\";1;2;3;4;5;10\r\n"               // key above 9
                                                      "24;\"x\";1;2;3;4;x;1\r\n"                // non-number is 0
                                                      "10;\"x\";1;2;3;4;5;1\r"                  // taken in this file
                                                      "30;\"a very long date text\";1;2;3;4;5;9"),
                                                archive);
    EXPECT_EQ(r.taken, 4);
    EXPECT_EQ(r.skipped, 10);
    ASSERT_EQ(r.added.size(), 4u);
    EXPECT_EQ(r.added[0].Num, 10);
    EXPECT_EQ(r.added[1].Num, 4) << "archive of 2 + the line before = 3 draws, so 4";
    EXPECT_EQ(core::DrawDateText(r.added[1]), QStringLiteral("22/01/2024"));
    EXPECT_EQ(r.added[1].Values[0], 16);
    EXPECT_EQ(r.added[1].Extra, 4);
    EXPECT_EQ(r.added[2].Num, 5);
    EXPECT_EQ(core::DrawDateText(r.added[2]), QStringLiteral("29 01 2024")) << "the blank stays inside the quotes";
    EXPECT_EQ(r.added[3].Num, 30);
    EXPECT_EQ(core::DrawDateText(r.added[3]), QStringLiteral("a very lon"));
    EXPECT_EQ(r.added[3].Extra, 9);
}

TEST(DrawsCsvImport, ASevenFieldLineIsNumberedArchiveSizePlusOne)
{
    core::TDrawsArray archive;
    for (int n = 1; n <= 1500; ++n)
        archive.push_back(MakeDraw(n, {1, 2, 3, 4, 5}, 0, "01/01/2000"));
    net::CsvImport r = net::ParseDrawsCsv(lines("\"01/02/2030\";9;8;7;6;5;4\r\n"), archive);
    ASSERT_EQ(r.added.size(), 1u);
    EXPECT_EQ(r.added[0].Num, 1501);
    // Once 1501 is there (out of order, in the middle), the same line is skipped.
    archive[700].Num = 1501;
    r = net::ParseDrawsCsv(lines("\"01/02/2030\";9;8;7;6;5;4\r\n"), archive);
    EXPECT_TRUE(r.added.empty());
    EXPECT_EQ(r.skipped, 1);
}

TEST(DrawsCsvImport, CodePage1251Dates)
{
    const QByteArray bytes = cp1251::encode(QString::fromUtf8("1;\"Янв 2024\";1;2;3;4;5;6\r\n"));
    const net::CsvImport r = net::ParseDrawsCsv(bytes, {});
    ASSERT_EQ(r.added.size(), 1u);
    EXPECT_EQ(core::DrawDateText(r.added[0]), QString::fromUtf8("Янв 2024"));
}

TEST(DrawsCsvImport, RoundTripThroughTheRealHistory)
{
    const core::TDrawsArray archive = realArchive();
    ASSERT_EQ(archive.size(), 1114u);
    QByteArray bytes;
    QString error;
    ASSERT_TRUE(net::ReadDrawsCsv(QStringLiteral(VERTOMA_SHARED_DATA_DIR "/draws_history_import.csv"), bytes, &error));
    const net::CsvImport r = net::ParseDrawsCsv(bytes, {});
    EXPECT_EQ(r.taken, 1114);
    EXPECT_EQ(r.skipped, 0);
    ASSERT_EQ(r.added.size(), archive.size());
    for (std::size_t i = 0; i < archive.size(); ++i)
        expectSameDraw(r.added[i], archive[i]);
    // What was exported reads back the same, and a second import adds nothing.
    const net::CsvImport again = net::ParseDrawsCsv(net::DrawsCsvText(r.added), r.added);
    EXPECT_EQ(again.taken, 0);
    EXPECT_EQ(again.skipped, 1114);
}

TEST(DrawsCsvImport, UnreadableAndOversizedFiles)
{
    QTemporaryDir dir;
    QByteArray bytes;
    QString error;
    EXPECT_FALSE(net::ReadDrawsCsv(dir.filePath(QStringLiteral("none.csv")), bytes, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("none.csv")));
    const QString big = dir.filePath(QStringLiteral("big.csv"));
    QFile f(big);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_TRUE(f.resize(net::kMaxCsvBytes + 1));
    f.close();
    EXPECT_FALSE(net::ReadDrawsCsv(big, bytes, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("слишком велик")));
    EXPECT_TRUE(bytes.isEmpty());
}
