#include "FailDevice.h"
#include "TestHelpers.h"
#include "core/Cp1251.h"
#include "core/GameMath.h"
#include "scripts/Ratings.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

using namespace scripts;
using testsupport::FailDevice;
using testsupport::FileSizeLimit;
using testsupport::ReadFile;
using namespace Qt::StringLiterals;

namespace {

core::TRatingRec Row(const QString& name, int count, int sum, std::int64_t total, std::array<int, 6> hits = {})
{
    core::TRatingRec r;
    r.Name = name;
    r.Count = count;
    r.Sum = sum;
    r.Total = total;
    std::copy(hits.begin(), hits.end(), r.Hits);
    return r;
}

QStringList names(const core::TRatingsArray& rows)
{
    QStringList list;
    for (const auto& r : rows)
        list << r.Name;
    return list;
}

QString cell(const core::TRatingRec& row, int column, EfficiencyMode mode = EfficiencyMode::Absolute)
{
    return RatingCellText(row, column, mode, TheoreticalHitShares(), u"."_s);
}

} // namespace

TEST(RatingsTest, StakesAccumulateUnderTheirCommentWithoutRegardToCase)
{
    RatingsTable table;
    table.add(u"Строка 1"_s, 0, -20000);
    table.add(u"СТРОКА 1"_s, 3, -20000);
    table.add(u"другая"_s, 5, 9980000);
    table.add(u"другая"_s, -1, -20000); // not checked: counts nothing
    ASSERT_EQ(table.size(), 2);
    const core::TRatingRec& first = table.rows()[0];
    EXPECT_EQ(first.Name, u"Строка 1"_s) << "the row keeps the first comment's letters";
    EXPECT_EQ(first.Count, 2);
    EXPECT_EQ(first.Sum, 3);
    EXPECT_EQ(first.Hits[0], 1);
    EXPECT_EQ(first.Hits[3], 1);
    EXPECT_EQ(first.Total, -40000);
    EXPECT_EQ(cell(first, RColAverage), u"1.500"_s);
    EXPECT_EQ(cell(first, RColTotal), u"-4.00"_s);
    EXPECT_EQ(cell(first, RColAverageTotal), u"-2.00"_s);
    EXPECT_EQ(table.rows()[1].Count, 1);
}

TEST(RatingsTest, StoredCommentsUseTheSameRowsAsTexts)
{
    RatingsTable table;
    table.add(u"Ставка"_s, 1, 5);
    const QByteArray lower = cp1251::encode(u"ставка"_s);
    const QByteArray other = cp1251::encode(u"иная"_s);
    for (int i = 0; i < 3; ++i) {
        table.addStored(lower.constData(), int(lower.size()), 2, 10);
        table.addStored(other.constData(), int(other.size()), 0, -1);
    }
    // A sort moves the rows; the remembered row must not survive it.
    table.sort(RColCount, false);
    table.addStored(lower.constData(), int(lower.size()), 0, 0);
    ASSERT_EQ(table.size(), 2);
    const auto& rows = table.rows();
    const auto stavka = std::find_if(rows.begin(), rows.end(), [](const auto& r) { return r.Name == u"Ставка"_s; });
    ASSERT_NE(stavka, rows.end());
    EXPECT_EQ(stavka->Count, 5);
    EXPECT_EQ(stavka->Sum, 7);
    EXPECT_EQ(stavka->Total, 35);
}

TEST(RatingsTest, AStakeThatCannotBeAddedUpMarksItsRowDamagedInsteadOfWrapping)
{
    constexpr std::int32_t Max32 = std::numeric_limits<std::int32_t>::max();
    constexpr std::int64_t Max64 = std::numeric_limits<std::int64_t>::max();
    // Rows as a crafted file may hold them: each one sum at its limit.
    RatingsTable table;
    table.setRows({Row(u"count"_s, Max32, 0, 0), Row(u"sum"_s, 1, Max32 - 1, 0), Row(u"total"_s, 1, 0, Max64),
                   Row(u"hits"_s, 1, 0, 0, {0, 0, Max32, 0, 0, 0}), Row(u"ordinary"_s, 1, 1, -20000, {0, 1})});
    EXPECT_FALSE(table.add(u"count"_s, 0, 0));
    EXPECT_TRUE(table.add(u"sum"_s, 1, 0)) << "up to the limit it adds";
    EXPECT_FALSE(table.add(u"sum"_s, 1, 0));
    EXPECT_FALSE(table.add(u"total"_s, 0, 1));
    const QByteArray hits = "hits";
    EXPECT_FALSE(table.addStored(hits.constData(), int(hits.size()), 2, 0));
    EXPECT_TRUE(table.add(u"ordinary"_s, 3, 80000));
    for (int i = 0; i < 4; ++i) {
        const core::TRatingRec& row = table.rows()[std::size_t(i)];
        EXPECT_LT(row.Count, 0) << row.Name.toStdString();
        EXPECT_EQ(cell(row, RColName), u"# bad data #"_s) << row.Name.toStdString();
    }
    // A damaged row stays damaged: the next stake does not bring it back to a count.
    EXPECT_FALSE(table.add(u"count"_s, 0, 0));
    EXPECT_LT(table.rows()[0].Count, 0);
    EXPECT_EQ(table.rows()[1].Sum, Max32) << "the sums are left as they were, not wrapped";
    EXPECT_EQ(table.rows()[2].Total, Max64);
    const core::TRatingRec& ordinary = table.rows()[4];
    EXPECT_EQ(ordinary.Count, 2);
    EXPECT_EQ(ordinary.Sum, 4);
    EXPECT_EQ(ordinary.Total, 60000);
    EXPECT_EQ(ordinary.Hits[3], 1);
    // A stake whose matches alone pass the sum: a checked record read from a crafted stakes file.
    EXPECT_FALSE(table.add(u"ordinary"_s, Max32, 0));
    EXPECT_LT(table.rows()[4].Count, 0);
}

TEST(RatingsTest, EfficiencyColumnsInTheirThreeModes)
{
    const HitShares p = TheoreticalHitShares();
    EXPECT_DOUBLE_EQ(p[0], 1906884.0 / 3162510.0);
    double sum = 0;
    for (double s : p)
        sum += s;
    EXPECT_NEAR(sum, 1.0, 1e-12);

    const core::TRatingRec row = Row(u"r"_s, 100, 50, -2000000, {60, 30, 8, 2, 0, 0});
    EXPECT_EQ(cell(row, RColEff0, EfficiencyMode::Expected), u"60"_s);
    EXPECT_EQ(cell(row, RColEff0 + 1, EfficiencyMode::Expected),
              QString::number(core::RoundHalfEven(100.0L * p[1])));
    // 60 of 100 observed against 60.29654% expected.
    EXPECT_EQ(cell(row, RColEff0, EfficiencyMode::Absolute), u"-0.297%"_s);
    EXPECT_EQ(cell(row, RColEff0, EfficiencyMode::Relative), u"99.508%"_s);
    EXPECT_TRUE(cell(row, RColEff0 + 5, EfficiencyMode::Relative).endsWith(u"%"_s));

    const core::TRatingRec empty = Row(u"e"_s, 0, 0, 0);
    for (int c : {int(RColAverage), int(RColAverageTotal), int(RColEff0), int(RColEff5)})
        EXPECT_TRUE(cell(empty, c).isEmpty()) << c;
    EXPECT_EQ(cell(empty, RColTotal), u"0.00"_s);
    EXPECT_EQ(cell(Row(u"x"_s, -3, 0, 0), RColName), u"# bad data #"_s);
    EXPECT_EQ(RatingColumnCaptions().size(), RatingColumnCount);
    EXPECT_EQ(RatingColumnCaptions()[RColEff5], u"E5"_s);
}

TEST(RatingsTest, SortOrdersByEachColumnAndLeavesEmptyRowsAlone)
{
    core::TRatingsArray rows{Row(u"b"_s, 4, 4, -80000, {1, 2, 0, 1, 0, 0}), Row(u"d"_s, 2, 5, 20000, {0, 0, 1, 1, 0, 0}),
                             Row(u"a"_s, 10, 6, -200000, {5, 3, 2, 0, 0, 0}),
                             Row(u"c"_s, 1, 3, 80000, {0, 0, 0, 1, 0, 0})};
    RatingsSortArray(rows, RColCount, false);
    EXPECT_EQ(names(rows), QStringList({u"c"_s, u"d"_s, u"b"_s, u"a"_s}));
    RatingsSortArray(rows, RColName, true);
    EXPECT_EQ(names(rows), QStringList({u"d"_s, u"c"_s, u"b"_s, u"a"_s}));
    RatingsSortArray(rows, RColAverage, true); // 3, 2.5, 1, 0.6
    EXPECT_EQ(names(rows), QStringList({u"c"_s, u"d"_s, u"b"_s, u"a"_s}));
    RatingsSortArray(rows, RColTotal, false);
    EXPECT_EQ(names(rows), QStringList({u"a"_s, u"b"_s, u"d"_s, u"c"_s}));
    RatingsSortArray(rows, RColAverageTotal, false); // -2, -2, 1, 8 with a tie
    EXPECT_EQ(names(rows).mid(2), QStringList({u"d"_s, u"c"_s}));
    RatingsSortArray(rows, RColHits0, true);
    EXPECT_EQ(names(rows).first(), u"a"_s);

    // Averages closer than half a hundredth and profits closer than half a hundredth of the
    // currency compare equal.
    EXPECT_EQ(RatingsCompare(Row(u"x"_s, 3, 1, 0), Row(u"y"_s, 1000, 333, 0), RColAverage), 0);
    EXPECT_EQ(RatingsCompare(Row(u"x"_s, 1, 0, 10049), Row(u"y"_s, 1, 0, 10000), RColTotal), 0);
    EXPECT_GT(RatingsCompare(Row(u"x"_s, 1, 0, 10100), Row(u"y"_s, 1, 0, 10000), RColTotal), 0);
    EXPECT_EQ(RatingsCompare(Row(u"x"_s, 0, 0, 5), Row(u"y"_s, 1, 0, 1), RColTotal), 0);
    EXPECT_EQ(RatingsCompare(Row(u"x"_s, 1, 0, 5), Row(u"y"_s, 1, 0, 1), RColEff0), 0);
}

TEST(RatingsTest, SortingManyRowsGivesAnOrderedList)
{
    core::TRatingsArray rows;
    for (int i = 0; i < 500; ++i)
        rows.push_back(Row(QString::number(i), 1 + (i * 7919) % 500, i, 0));
    RatingsSortArray(rows, RColCount, true);
    EXPECT_TRUE(std::is_sorted(rows.begin(), rows.end(), [](const auto& a, const auto& b) { return a.Count > b.Count; }));
    RatingsSortArray(rows, -1, false);
    EXPECT_TRUE(std::is_sorted(rows.begin(), rows.end(), [](const auto& a, const auto& b) { return a.Count > b.Count; }))
        << "a negative column leaves the order";
}

TEST(RatingsTest, TheFileHoldsRecordsOf296BytesInOrder)
{
    const core::TRatingsArray rows{Row(u"Комментарий"_s, 7, 9, -1234567, {1, 2, 3, 1, 0, 0}),
                                   Row(QString(300, u'я'), 1, 0, 5)};
    QBuffer buffer;
    buffer.open(QIODevice::ReadWrite);
    QString error;
    ASSERT_TRUE(RatingsWrite(buffer, rows, &error));
    const QByteArray bytes = buffer.data();
    ASSERT_EQ(bytes.size(), 2 * RatingRecSize);
    EXPECT_EQ(int(std::uint8_t(bytes[0])), 11);
    EXPECT_EQ(bytes.mid(1, 11), cp1251::encode(u"Комментарий"_s));
    EXPECT_EQ(qFromLittleEndian<std::int32_t>(bytes.constData() + 256), 7);
    EXPECT_EQ(qFromLittleEndian<std::int32_t>(bytes.constData() + 260), 9);
    EXPECT_EQ(qFromLittleEndian<std::int32_t>(bytes.constData() + 264 + 8), 3);
    EXPECT_EQ(qFromLittleEndian<std::int64_t>(bytes.constData() + 288), -1234567);
    EXPECT_EQ(int(std::uint8_t(bytes[RatingRecSize])), 255);

    buffer.seek(0);
    core::TRatingsArray back;
    qint64 tail = -1;
    ASSERT_TRUE(RatingsRead(buffer, back, &tail, &error));
    EXPECT_EQ(tail, 0);
    ASSERT_EQ(back.size(), 2u);
    EXPECT_EQ(back[0].Name, rows[0].Name);
    EXPECT_EQ(back[0].Total, rows[0].Total);
    EXPECT_EQ(back[0].Hits[2], 3);
    EXPECT_EQ(back[1].Name, QString(255, u'я'));

    QBuffer torn;
    torn.setData(bytes + "tail");
    torn.open(QIODevice::ReadOnly);
    ASSERT_TRUE(RatingsRead(torn, back, &tail, &error));
    EXPECT_EQ(back.size(), 2u) << "whole records are kept";
    EXPECT_EQ(tail, 4);

    FailDevice full(RatingRecSize + 10);
    full.open(QIODevice::WriteOnly);
    EXPECT_FALSE(RatingsWrite(full, rows, &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(RatingsTest, AFullDiskNeverTouchesTheStoredFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Vertoma_5x54.lrt"));
    core::TRatingsArray rows{Row(u"a"_s, 1, 1, 1)};
    QString error;
    ASSERT_TRUE(RatingsWriteFile(path, rows, &error));
    const QByteArray before = ReadFile(path);
    for (int i = 0; i < 50; ++i)
        rows.push_back(Row(QString::number(i), 1, 1, 1));
    {
        FileSizeLimit limit(10 * RatingRecSize);
        EXPECT_FALSE(RatingsWriteFile(path, rows, &error));
    }
    EXPECT_EQ(ReadFile(path), before);
    core::TRatingsArray back;
    ASSERT_TRUE(RatingsReadFile(path, back, nullptr, &error));
    EXPECT_EQ(back.size(), 1u);
}

TEST(RatingsTest, CsvQuotesNamesAndWritesTheTwelveValues)
{
    const core::TRatingsArray rows{Row(u"01.002: \"мои\" @ X"_s, 2, 3, -40000, {1, 0, 0, 1, 0, 0}),
                                   Row(u"пусто"_s, 0, 0, 0)};
    const QString csv = RatingsCsv(rows, u","_s);
    const QStringList lines = csv.split(u"\r\n"_s);
    ASSERT_EQ(lines.size(), 4);
    EXPECT_TRUE(lines[3].isEmpty());
    EXPECT_TRUE(lines[0].startsWith(u"\"Комментарий\";\"Ставок\";\"Угадано\";\"Среднее\";\"Профит\";\"Ср. профит\";\"0\""_s));
    EXPECT_TRUE(lines[0].endsWith(u"\"E5\""_s));
    EXPECT_EQ(lines[1], u"\"01.002: \"\"мои\"\" @ X\";2;3;1,500;-4,00;-2,00;1;0;0;1;0;0"_s);
    EXPECT_EQ(lines[2], u"\"пусто\";0;0;;0,00;;0;0;0;0;0;0"_s);
}
