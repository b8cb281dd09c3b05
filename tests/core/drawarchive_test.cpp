#include "FailDevice.h"
#include "TestHelpers.h"
#include "TestPaths.h"
#include "core/DrawArchive.h"
#include "core/GameMath.h"
#include "core/TextForms.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace core;
using testsupport::MakeDraw;
using testsupport::ReadFile;

namespace {

const QString realArchive = QStringLiteral(VERTOMA_SHARED_DATA_DIR "/Vertoma_5x54.ldr");

} // namespace

TEST(DrawArchive, RecordPacksLittleEndianWithDateAndPadding)
{
    TDrawRec rec = MakeDraw(0x01020304, {5, 12, 33, 40, 54}, 7, "07/01/2024");
    rec.Pad[1] = 0xEE;
    char bytes[DrawRecSize];
    PackDraw(rec, bytes);
    EXPECT_EQ(QByteArray(bytes, 4), QByteArray("\x04\x03\x02\x01", 4));
    EXPECT_EQ(QByteArray(bytes + 4, 6), QByteArray("\x05\x0C\x21\x28\x36\x07", 6));
    EXPECT_EQ(bytes[10], 10);
    EXPECT_EQ(QByteArray(bytes + 11, 10), QByteArray("07/01/2024"));
    EXPECT_EQ(static_cast<unsigned char>(bytes[22]), 0xEE);

    const TDrawRec back = UnpackDraw(bytes);
    EXPECT_EQ(back.Num, rec.Num);
    EXPECT_EQ(DrawDateText(back), QStringLiteral("07/01/2024"));
    EXPECT_EQ(back.Pad[1], 0xEE);
}

TEST(DrawArchive, RealArchiveLoadsAndRoundTripsByteForByte)
{
    TDrawsArray draws;
    QString error;
    ASSERT_TRUE(LoadDrawsFile(realArchive, draws, &error)) << error.toStdString();
    ASSERT_EQ(draws.size(), 1114u);
    EXPECT_EQ(draws.front().Num, 1);
    EXPECT_EQ(DrawDateText(draws.front()), QStringLiteral("06/02/2005"));
    EXPECT_EQ(draws.back().Num, 1114);
    EXPECT_EQ(DrawDateText(draws.back()), QStringLiteral("16/08/2026"));
    for (const TDrawRec& d : draws) {
        for (std::uint8_t n : d.Values)
            ASSERT_TRUE(n >= 1 && n <= 54);
        ASSERT_LE(d.Extra, 9);
    }

    QTemporaryDir dir;
    const QString copy = dir.filePath(kDrawsFileName);
    ASSERT_TRUE(SaveDrawsFile(copy, draws, &error));
    EXPECT_EQ(ReadFile(copy), ReadFile(realArchive));
}

TEST(DrawArchive, ReadsWhatTheCsvHistorySays)
{
    // An independent reading of the same history: the CSV lines against the archive records.
    QFile csv(QStringLiteral(VERTOMA_SHARED_DATA_DIR "/draws_history.csv"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly | QIODevice::Text));
    TDrawsArray draws;
    ASSERT_TRUE(LoadDrawsFile(realArchive, draws));
    csv.readLine();
    std::size_t i = 0;
    while (!csv.atEnd()) {
        const QStringList f = QString::fromUtf8(csv.readLine()).trimmed().split(QLatin1Char(','));
        ASSERT_EQ(f.size(), 8);
        ASSERT_LT(i, draws.size());
        EXPECT_EQ(draws[i].Num, f[0].toInt());
        EXPECT_EQ(DrawDateText(draws[i]), f[1]);
        for (int k = 0; k < 5; ++k)
            EXPECT_EQ(draws[i].Values[k], f[2 + k].toInt());
        EXPECT_EQ(draws[i].Extra, f[7].toInt());
        ++i;
    }
    EXPECT_EQ(i, draws.size());
}

TEST(DrawArchive, EmptyMissingTruncatedAndHugeFiles)
{
    QTemporaryDir dir;
    TDrawsArray draws{MakeDraw(1, {1, 2, 3, 4, 5})};
    EXPECT_TRUE(LoadDrawsFile(dir.filePath(QStringLiteral("absent.ldr")), draws));
    EXPECT_TRUE(draws.empty());

    QBuffer empty;
    empty.open(QIODevice::ReadOnly);
    EXPECT_TRUE(ReadDraws(empty, draws));
    EXPECT_TRUE(draws.empty());

    // A tail shorter than a record is not a record: 2 full records out of 60 bytes.
    QByteArray bytes(60, '\x01');
    QBuffer partial(&bytes);
    partial.open(QIODevice::ReadOnly);
    EXPECT_TRUE(ReadDraws(partial, draws));
    ASSERT_EQ(draws.size(), 2u);
    EXPECT_EQ(draws[1].Num, 0x01010101);
    // A garbage length byte never reads past the date field.
    EXPECT_EQ(DrawDateText(draws[0]).size(), 1);

    class HugeDevice : public QBuffer
    {
    public:
        qint64 size() const override { return qint64(1) << 40; }
    } huge;
    huge.open(QIODevice::ReadOnly);
    QString error;
    EXPECT_FALSE(ReadDraws(huge, draws, &error));
    EXPECT_TRUE(draws.empty());
    EXPECT_FALSE(error.isEmpty());
}

TEST(DrawArchive, ShortReadKeepsWhatWasReadAndTheSize)
{
    class ShortDevice : public QBuffer
    {
    public:
        using QBuffer::QBuffer;
        qint64 size() const override { return 3 * DrawRecSize; }
    };
    QByteArray bytes(DrawRecSize + 5, '\0');
    bytes[0] = 9;
    ShortDevice device(&bytes);
    device.open(QIODevice::ReadOnly);
    TDrawsArray draws;
    QString error;
    EXPECT_FALSE(ReadDraws(device, draws, &error));
    ASSERT_EQ(draws.size(), 3u);
    EXPECT_EQ(draws[0].Num, 9);
    EXPECT_EQ(draws[1].Num, 0);
    EXPECT_FALSE(error.isEmpty());
}

TEST(DrawArchive, WriteFailureIsReportedAndOldFileSurvives)
{
    TDrawsArray draws(10, MakeDraw(3, {1, 2, 3, 4, 5}));
    testsupport::FailDevice device(50);
    device.open(QIODevice::WriteOnly);
    QString error;
    EXPECT_FALSE(WriteDraws(device, draws, &error));
    EXPECT_FALSE(error.isEmpty());

    QTemporaryDir dir;
    const QString path = dir.filePath(kDrawsFileName);
    ASSERT_TRUE(SaveDrawsFile(path, {MakeDraw(1, {1, 2, 3, 4, 5})}));
    const QByteArray before = ReadFile(path);

    bool saved = true;
    {
        testsupport::FileSizeLimit fullDisk(100);
        saved = SaveDrawsFile(path, draws, &error);
    }
    EXPECT_FALSE(saved);
    EXPECT_EQ(ReadFile(path), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1) << "no temporary file left behind";
}

TEST(DrawArchive, NextDrawNumberAndTextFollowTheOffset)
{
    const TDrawsArray none;
    EXPECT_EQ(NextDrawNum(none, 0), 1);
    EXPECT_EQ(NextDrawText(none, 0), QString());
    EXPECT_EQ(DrawDateYmd(none, 0, 7), 20050109);

    const TDrawsArray draws{MakeDraw(10, {1, 2, 3, 4, 5}), MakeDraw(11, {6, 7, 8, 9, 10}),
                            MakeDraw(12, {54, 3, 17, 9, 1}, 4, "07/01/2024")};
    EXPECT_EQ(NextDrawNum(draws, 0), 13);
    EXPECT_EQ(NextDrawText(draws, 0), QString());
    EXPECT_EQ(NextDrawNum(draws, 1), 12);
    EXPECT_EQ(NextDrawText(draws, 1), QStringLiteral("54;3;17;9;1"));
    EXPECT_EQ(NextDrawNum(draws, 2), 11);
    EXPECT_EQ(NextDrawText(draws, 2), QStringLiteral("6;7;8;9;10"));
    EXPECT_EQ(NextDrawNum(draws, 3), -1);
    EXPECT_EQ(NextDrawText(draws, 3), QString());
    EXPECT_EQ(NextDrawNum(draws, -1), -1);

    const auto set = NextDrawSet(draws, 1);
    EXPECT_EQ(set.count(), 5u);
    EXPECT_TRUE(set.test(54) && set.test(17) && !set.test(2));
    EXPECT_TRUE(NextDrawSet(draws, 0).none());

    EXPECT_EQ(DrawDateYmd(draws, 0, 7), 20240114);
    EXPECT_EQ(DrawDateYmd(draws, 0, 0), 20240107);
    // No date text counts as day 0.
    EXPECT_EQ(DrawDateYmd(draws, 1, 1), 18991231);
    EXPECT_EQ(DrawDateYmd(draws, 5, 7), 20050109);

    TDrawsArray bad{MakeDraw(1, {1, 2, 3, 4, 5}, 0, "31/02/2024")};
    EXPECT_THROW(DrawDateYmd(bad, 0, 7), EConvertError);

    EXPECT_EQ(DrawCombAt(draws, 0), (TComb{{54, 3, 17, 9, 1}}));
    EXPECT_EQ(DrawCombAt(draws, 9), TComb{});
}

TEST(DrawArchive, FindDrawIndexWithGapsDisorderAndDuplicates)
{
    TDrawsArray draws;
    for (int n = 1; n <= 100; ++n)
        draws.push_back(MakeDraw(n, {1, 2, 3, 4, 5}));
    for (int n = 1; n <= 100; ++n)
        ASSERT_EQ(FindDrawIndex(draws, n), n - 1);
    EXPECT_EQ(FindDrawIndex(draws, 0), -1);
    EXPECT_EQ(FindDrawIndex(draws, 101), -1);
    EXPECT_EQ(FindDrawIndex({}, 1), -1);

    // Gaps and a number out of order: the walk and the final scan still find every draw.
    TDrawsArray odd;
    for (int n : {5, 9, 30, 31, 2, 40, 41, 200})
        odd.push_back(MakeDraw(n, {1, 2, 3, 4, 5}));
    for (std::size_t i = 0; i < odd.size(); ++i)
        EXPECT_EQ(FindDrawIndex(odd, odd[i].Num), int(i)) << odd[i].Num;
    EXPECT_EQ(FindDrawIndex(odd, 3), -1);

    // First and last equal: no span to estimate with.
    TDrawsArray flat{MakeDraw(7, {}), MakeDraw(8, {}), MakeDraw(7, {})};
    EXPECT_EQ(FindDrawIndex(flat, 8), 1);
    TDrawsArray falling{MakeDraw(9, {}), MakeDraw(5, {}), MakeDraw(3, {})};
    EXPECT_EQ(FindDrawIndex(falling, 5), 1);
}

TEST(DrawArchive, DeleteOutsideTheArchiveNamesTheIndex)
{
    TDrawsArray draws{MakeDraw(1, {}), MakeDraw(2, {})};
    try {
        DrawsDelete(draws, 2);
        FAIL() << "no error";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Запись со индексом 2 в файле данных не найдена!"));
    }
    EXPECT_THROW(DrawsDelete(draws, -1), EConvertError);
    DrawsDelete(draws, 0);
    ASSERT_EQ(draws.size(), 1u);
    EXPECT_EQ(draws[0].Num, 2);
}

TEST(DrawArchive, ListCellsAndColours)
{
    const TDrawRec draw = MakeDraw(1114, {35, 7, 31, 8, 11}, 1, "16/08/2026");
    EXPECT_EQ(DrawColumnCaptions().join(QLatin1Char('|')), QStringLiteral("Тираж|1|2|3|4|5|E|S|Дата тиража"));
    EXPECT_EQ(DrawCellText(draw, DrawColNum, false), QStringLiteral("1114"));
    EXPECT_EQ(DrawCellText(draw, DrawColN1, false), QStringLiteral("35"));
    EXPECT_EQ(DrawCellText(draw, DrawColN1, true), QStringLiteral("7"));
    EXPECT_EQ(DrawCellText(draw, DrawColN5, true), QStringLiteral("35"));
    EXPECT_EQ(DrawCellText(draw, DrawColExtra, false), QStringLiteral("1"));
    EXPECT_EQ(DrawCellText(draw, DrawColSum, false), QStringLiteral("92"));
    EXPECT_EQ(DrawCellText(draw, DrawColDate, false), QStringLiteral("16/08/2026"));

    // Offset row 2: light red, numbers coloured by their channel when colouring is on.
    EXPECT_EQ(DrawCellColor(draw, 2, DrawColNum, 2, false, true, 6), kOffsetRowColor);
    EXPECT_EQ(DrawCellColor(draw, 2, DrawColN1, 2, false, true, 6), NumberColor(35, 6));
    EXPECT_EQ(DrawCellColor(draw, 2, DrawColN1, 2, true, true, 6), NumberColor(7, 6));
    EXPECT_EQ(DrawCellColor(draw, 0, DrawColDate, 2, false, true, 6), kPlainCellColor);
    EXPECT_EQ(DrawCellColor(draw, 0, DrawColN5, 2, false, true, 3), NumberColor(11, 3));
    // Without colouring only the offset row stands out, numbers included.
    EXPECT_EQ(DrawCellColor(draw, 2, DrawColN1, 2, false, false, 6), kOffsetRowColor);
    EXPECT_EQ(DrawCellColor(draw, 0, DrawColN1, 2, false, false, 6), 0u);
}
